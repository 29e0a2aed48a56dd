// All user preferences: the in-memory record and its file "VelmorUC.rng".
#pragma once

#include "textfile.h"

#include <QString>
#include <QStringList>

#include <array>
#include <climits>

// Colours are $00BBGGRR values.
namespace Colour {
constexpr quint32 clBlack = 0x000000;
constexpr quint32 clGray = 0x808080;
constexpr quint32 clYellow = 0x00FFFF;
constexpr quint32 clWhite = 0xFFFFFF;
} // namespace Colour

// A window rectangle as left, top, right and bottom edges; -100 marks it unset.
struct WindowRect
{
    static constexpr int Unset = -100;
    int left = Unset;
    int top = Unset;
    int right = Unset;
    int bottom = Unset;
    bool isSet() const { return left != Unset && top != Unset && right != Unset && bottom != Unset; }
    int width() const { return extent(left, right); }
    int height() const { return extent(top, bottom); }
    bool operator==(const WindowRect &) const = default;

private:
    // Edges from a damaged file may be far apart: a span beyond int counts as none.
    static int extent(int from, int to)
    {
        const qint64 span = qint64(to) - from;
        return span < INT_MIN || span > INT_MAX ? 0 : int(span);
    }
};

// Positions of the secondary windows, remembered for the run only.
using WindowPlaces = std::array<WindowRect, 9>;

struct Settings
{
    QString SelectLang = QStringLiteral("欧　文");
    WindowRect MainFrm; // MainFrmLeft, MainFrmTop, MainFrmWidth, MainFrmHeight
    int TransMode = 0;
    QString CusGaImeStr;
    QString CusJpImeStr;
    QString UsrMainFont = QStringLiteral("Times New Roman");
    QString UsrSubFont = QStringLiteral("Segoe UI");
    QString UsrJpFont = QStringLiteral("ＭＳ Ｐゴシック");
    int UsrMainFontSize = 20;
    int UsrSubFontSize = 16;
    int ImLi1Height = 42;
    int PADWidth = 378;
    int PanelAHeight = 220;
    int UnderHeight = 290;
    int FontPanelWidth = 180;
    int LV1Col1Width = 150;
    int LV1Col2Width = 50;
    int LV1Col3Width = 150;
    int LV1Col4Width = 150;
    int LV1Col5Width = 150;
    int LV1Col6Width = 150;
    int LV1Col7Width = 100;
    int PasteTimerInterval = 250;
    int GADR = 57;
    int IPADR = 60;
    int JPDR = 46;
    QString PhUDBFile = QStringLiteral("DBPhonet.csv");
    QString PhCandFile = QStringLiteral("CandAll.csv");
    quint32 PhonetColor = 0x00E6FFFA;
    quint32 CandColor = Colour::clYellow;
    quint32 BandColor = Colour::clGray;
    quint32 ImageColor1 = 0x00CBC0FF;
    quint32 ImageColor1U = 0x00FF9BFF;
    quint32 ImageColor1C = Colour::clBlack;
    quint32 ImageColor1T = 0x0000A200;
    quint32 ImageColor2 = 0x00ECBB60;
    QString LastGroup;
    bool EiwaFlg = true;
    bool AutoPasteFlg = true;
    bool ResetInputFlg = false;
    bool UpperUseFlg = true;
    bool RegCopyFlg = true;
    bool RegClearFlg = true;
    bool AutoCloseFlg = true;
    bool MidStretchFlg = false;
    bool AllClearFlg = false;
    bool AllClearFlg2 = true;
    bool PhTriRevFlg = false;
    bool PhOneInpFlg = false;
    bool GaOneInpFlg = false;
    bool GaTriRevFlg = true;
    bool SysTblFlg = false;
    bool WordWrapFlg = false;
    bool ScroBarsFlg = false;
    bool LastVisibleFlg = false;
    bool NoResFlg = false;
    bool MediaPlayerFlg = true;
    bool TblOWFlg = true;
    bool NoSampleFlg = false;

    // The settings file has no line for these; they live in the side file.
    bool RestoreClipboardFlg = false; // give the clipboard back after a paste
    // Chosen on the options dialog's colour page.
    quint32 CandTextColor = Colour::clBlack;
    quint32 BandTextColor = Colour::clWhite;
    quint32 AccentUpperColor = 0x00800000;
    quint32 PhoneticPadColor = 0x00C56A31;

    bool operator==(const Settings &) const = default;
};

inline constexpr char16_t SettingsFileName[] = u"VelmorUC.rng";

// The colour's standard name when it has one ("clYellow"), else "$" and eight
// hexadecimal digits.
QString ColourToSettingText(quint32 colour);
// A standard name (any letter case) or a number, "$" marking hexadecimal. False when
// the text is neither, or the number is no colour.
bool ColourFromSettingText(QStringView text, quint32 *colour);
// A font family without the " [foundry]" suffix that QFontDatabase adds to tell apart
// families of the same name.
QString PlainFontFamily(const QString &name);
// A signed 32-bit number: an optional sign and decimal digits, or "$" directly followed
// by hexadecimal digits (up to $FFFFFFFF). Nothing else, blanks included.
bool ParseSettingInt(QStringView text, int *value);

// The largest font size, in points, whose line still fits a quarter of a screen of that
// height in pixels at that resolution.
int LargestFontPoints(int screenHeight, double dotsPerInch);
// Brings the window, panel, column and font sizes within what a screen of that size can
// show, whatever the settings file said, so they are also never saved out of range.
void ClampSettingsToScreen(Settings &settings, int screenWidth, int screenHeight,
                           double dotsPerInch);

// Applies the lines of a settings file to a record holding the start values.
void LoadSettings(const QStringList &lines, Settings &settings);
// Applies the file when it exists; a missing file keeps the start values. False,
// with a message naming the file, when the file exists but cannot be read.
bool LoadSettingsFile(const QString &path, Settings &settings, QString *errorMessage);

// The side file beside the settings file, for the preferences the settings file has
// no line for (an INI file), so that the settings file keeps its 62 lines.
inline constexpr char16_t SideSettingsFileName[] = u"VelmorUC.ini";
// Applies the side file when it exists; keys it lacks or cannot read keep their values.
void LoadSideSettings(const QString &path, Settings &settings);
WriteResult SaveSideSettings(const QString &path, const Settings &settings);

// The 62 lines of the file, in their fixed order.
QStringList SettingsLines(const Settings &settings);
WriteResult SaveSettings(const QString &path, const Settings &settings);
