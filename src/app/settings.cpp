#include "settings.h"

#include "splitcommatext.h"

#include <QFileInfo>
#include <QHash>
#include <QSettings>
#include <QRegularExpression>

#include <algorithm>
#include <limits>
#include <optional>
#include <variant>

namespace {

enum class Kind { Name, Font, Text, Int, Bool, Colour, Left, Top, Width, Height };

struct Field
{
    const char16_t *key;
    Kind kind;
    std::variant<std::monostate, QString Settings::*, int Settings::*, bool Settings::*,
                 quint32 Settings::*>
        member;
    std::optional<int> absentInt = std::nullopt; // when it differs from the start value
};

using S = Settings;

// The file's keys in the order they are written.
const Field kFields[] = {
    {u"SelectLang", Kind::Name, &S::SelectLang},
    {u"MainFrmLeft", Kind::Left, {}},
    {u"MainFrmTop", Kind::Top, {}},
    {u"MainFrmWidth", Kind::Width, {}},
    {u"MainFrmHeight", Kind::Height, {}},
    {u"TransMode", Kind::Int, &S::TransMode},
    {u"CusGaImeStr", Kind::Text, &S::CusGaImeStr},
    {u"CusJpImeStr", Kind::Text, &S::CusJpImeStr},
    {u"UsrMainFont", Kind::Font, &S::UsrMainFont},
    {u"UsrSubFont", Kind::Font, &S::UsrSubFont},
    {u"UsrJpFont", Kind::Font, &S::UsrJpFont},
    {u"UsrMainFontSize", Kind::Int, &S::UsrMainFontSize},
    {u"UsrSubFontSize", Kind::Int, &S::UsrSubFontSize},
    {u"ImLi1Height", Kind::Int, &S::ImLi1Height},
    {u"PADWidth", Kind::Int, &S::PADWidth},
    {u"PanelAHeight", Kind::Int, &S::PanelAHeight},
    {u"UnderHeight", Kind::Int, &S::UnderHeight},
    {u"FontPanelWidth", Kind::Int, &S::FontPanelWidth, 160},
    {u"LV1Col1Width", Kind::Int, &S::LV1Col1Width},
    {u"LV1Col2Width", Kind::Int, &S::LV1Col2Width},
    {u"LV1Col3Width", Kind::Int, &S::LV1Col3Width},
    {u"LV1Col4Width", Kind::Int, &S::LV1Col4Width},
    {u"LV1Col5Width", Kind::Int, &S::LV1Col5Width},
    {u"LV1Col6Width", Kind::Int, &S::LV1Col6Width},
    {u"LV1Col7Width", Kind::Int, &S::LV1Col7Width},
    {u"PasteTimerInterval", Kind::Int, &S::PasteTimerInterval},
    {u"GADR", Kind::Int, &S::GADR},
    {u"IPADR", Kind::Int, &S::IPADR},
    {u"JPDR", Kind::Int, &S::JPDR},
    {u"PhUDBFile", Kind::Name, &S::PhUDBFile},
    {u"PhCandFile", Kind::Name, &S::PhCandFile},
    {u"PhonetColor", Kind::Colour, &S::PhonetColor},
    {u"CandColor", Kind::Colour, &S::CandColor},
    {u"BandColor", Kind::Colour, &S::BandColor},
    {u"ImageColor1", Kind::Colour, &S::ImageColor1},
    {u"ImageColor1U", Kind::Colour, &S::ImageColor1U},
    {u"ImageColor1C", Kind::Colour, &S::ImageColor1C},
    {u"ImageColor1T", Kind::Colour, &S::ImageColor1T},
    {u"ImageColor2", Kind::Colour, &S::ImageColor2},
    {u"LastGroup", Kind::Name, &S::LastGroup},
    {u"EiwaFlg", Kind::Bool, &S::EiwaFlg},
    {u"AutoPasteFlg", Kind::Bool, &S::AutoPasteFlg},
    {u"ResetInputFlg", Kind::Bool, &S::ResetInputFlg},
    {u"UpperUseFlg", Kind::Bool, &S::UpperUseFlg},
    {u"RegCopyFlg", Kind::Bool, &S::RegCopyFlg},
    {u"RegClearFlg", Kind::Bool, &S::RegClearFlg},
    {u"AutoCloseFlg", Kind::Bool, &S::AutoCloseFlg},
    {u"MidStretchFlg", Kind::Bool, &S::MidStretchFlg},
    {u"AllClearFlg", Kind::Bool, &S::AllClearFlg},
    {u"AllClearFlg2", Kind::Bool, &S::AllClearFlg2},
    {u"PhTriRevFlg", Kind::Bool, &S::PhTriRevFlg},
    {u"PhOneInpFlg", Kind::Bool, &S::PhOneInpFlg},
    {u"GaOneInpFlg", Kind::Bool, &S::GaOneInpFlg},
    {u"GaTriRevFlg", Kind::Bool, &S::GaTriRevFlg},
    {u"SysTblFlg", Kind::Bool, &S::SysTblFlg},
    {u"WordWrapFlg", Kind::Bool, &S::WordWrapFlg},
    {u"ScroBarsFlg", Kind::Bool, &S::ScroBarsFlg},
    {u"LastVisibleFlg", Kind::Bool, &S::LastVisibleFlg},
    {u"NoResFlg", Kind::Bool, &S::NoResFlg},
    {u"MediaPlayerFlg", Kind::Bool, &S::MediaPlayerFlg},
    {u"TblOWFlg", Kind::Bool, &S::TblOWFlg},
    {u"NoSampleFlg", Kind::Bool, &S::NoSampleFlg},
};

struct NamedColour
{
    const char16_t *name;
    quint32 value;
};

const NamedColour kColours[] = {
    {u"clBlack", 0x000000},  {u"clMaroon", 0x000080},     {u"clGreen", 0x008000},
    {u"clOlive", 0x008080},  {u"clNavy", 0x800000},       {u"clPurple", 0x800080},
    {u"clTeal", 0x808000},   {u"clGray", 0x808080},       {u"clSilver", 0xC0C0C0},
    {u"clRed", 0x0000FF},    {u"clLime", 0x00FF00},       {u"clYellow", 0x00FFFF},
    {u"clBlue", 0xFF0000},   {u"clFuchsia", 0xFF00FF},    {u"clAqua", 0xFFFF00},
    {u"clWhite", 0xFFFFFF},  {u"clMoneyGreen", 0xC0DCC0}, {u"clSkyBlue", 0xF0CAA6},
    {u"clCream", 0xF0FBFF},  {u"clMedGray", 0xA4A0A0},
};

bool isAsciiHexDigit(QChar c)
{
    return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'F') || (c >= u'a' && c <= u'f');
}

// The far edge of a window from a damaged file may lie beyond int: unset then.
int edgeOrUnset(int start, int extent)
{
    const qint64 edge = qint64(start) + extent;
    return edge < std::numeric_limits<int>::min() || edge > std::numeric_limits<int>::max()
               ? WindowRect::Unset
               : int(edge);
}

int intOr(const QString &text, int fallback)
{
    int value;
    return ParseSettingInt(text, &value) ? value : fallback;
}

// A name is written between quotes; a line break would end the line early.
QString nameText(const QString &name)
{
    QString flat = name;
    flat.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    flat.replace(u'\r', u' ');
    flat.replace(u'\n', u' ');
    return QuoteCommaField(flat);
}

} // namespace

QString ColourToSettingText(quint32 colour)
{
    for (const NamedColour &c : kColours)
        if (c.value == colour)
            return QString::fromUtf16(c.name);
    return QStringLiteral("$%1").arg(colour, 8, 16, QLatin1Char('0')).toUpper();
}

bool ParseSettingInt(QStringView text, int *value)
{
    const auto allOf = [](QStringView digits, auto accept) {
        return !digits.isEmpty() && std::all_of(digits.begin(), digits.end(), accept);
    };
    bool ok = false;
    if (text.startsWith(u'$')) {
        const QStringView digits = text.sliced(1);
        if (!allOf(digits, [](QChar c) { return isAsciiHexDigit(c); }))
            return false;
        const qulonglong v = digits.toULongLong(&ok, 16);
        if (!ok || v > 0xFFFFFFFFULL)
            return false;
        *value = int(quint32(v));
        return true;
    }
    const QStringView digits =
        text.startsWith(u'-') || text.startsWith(u'+') ? text.sliced(1) : text;
    if (!allOf(digits, [](QChar c) { return c >= u'0' && c <= u'9'; }))
        return false;
    const int v = text.toInt(&ok, 10);
    if (ok)
        *value = v;
    return ok;
}

QString PlainFontFamily(const QString &name)
{
    // The font list once offered "Nimbus Roman [urw]": a receiving program knows no such
    // family, so the foundry suffix goes wherever a stored name is read.
    static const QRegularExpression foundry(QStringLiteral("\\s*\\[[^\\[\\]]*\\]\\s*$"));
    QString plain = name;
    return plain.remove(foundry);
}

int LargestFontPoints(int screenHeight, double dotsPerInch)
{
    const double dpi = dotsPerInch > 0 ? dotsPerInch : 96.0;
    return qMax(8, int(screenHeight / 4 * 72.0 / dpi));
}

void ClampSettingsToScreen(Settings &s, int screenWidth, int screenHeight, double dotsPerInch)
{
    const int w = qMax(640, screenWidth);
    const int h = qMax(480, screenHeight);
    // The smallest sizes are those the main window's own minimums allow.
    constexpr int MinColumn = 20, MinPad = 350, MinFontPanel = 160;
    if (s.MainFrm.isSet()) {
        s.MainFrm.right = s.MainFrm.left + qBound(200, s.MainFrm.width(), w);
        s.MainFrm.bottom = s.MainFrm.top + qBound(200, s.MainFrm.height(), h);
    }
    s.PADWidth = qBound(MinPad, s.PADWidth, qMax(MinPad, w - 300));
    s.PanelAHeight = qBound(1, s.PanelAHeight, h - 200);
    s.UnderHeight = qBound(120, s.UnderHeight, h - 100);
    s.FontPanelWidth = qBound(MinFontPanel, s.FontPanelWidth, qMax(MinFontPanel, w / 2));
    for (int *column : {&s.LV1Col1Width, &s.LV1Col2Width, &s.LV1Col3Width, &s.LV1Col4Width,
                        &s.LV1Col5Width, &s.LV1Col6Width, &s.LV1Col7Width})
        *column = qBound(MinColumn, *column, w);
    s.ImLi1Height = qBound(8, s.ImLi1Height, h / 4);
    const int largest = LargestFontPoints(h, dotsPerInch);
    s.UsrMainFontSize = qBound(1, s.UsrMainFontSize, largest);
    s.UsrSubFontSize = qBound(1, s.UsrSubFontSize, largest);
}

bool ColourFromSettingText(QStringView text, quint32 *colour)
{
    for (const NamedColour &c : kColours) {
        if (text.compare(QStringView(c.name), Qt::CaseInsensitive) == 0) {
            *colour = c.value;
            return true;
        }
    }
    int value;
    if (!ParseSettingInt(text, &value) || quint32(value) > 0xFFFFFF)
        return false;
    *colour = quint32(value);
    return true;
}

void LoadSettings(const QStringList &lines, Settings &s)
{
    // The last line that splits into exactly two fields with a known key gives the
    // value; one pass keeps a settings file of many lines cheap.
    QHash<QString, QString> values;
    values.reserve(std::size(kFields));
    for (const Field &f : kFields)
        values.insert(QString::fromUtf16(f.key), QString());
    for (const QString &line : lines) {
        const QStringList fields = SplitCommaText(line);
        if (fields.size() != 2)
            continue;
        auto it = values.find(fields[0]);
        if (it == values.end())
            continue;
        *it = fields[1];
    }

    const Settings start;
    for (const Field &f : kFields) {
        const QString key = QString::fromUtf16(f.key);
        const QString value = values.value(key);
        switch (f.kind) {
        case Kind::Name:
            if (!value.isEmpty())
                s.*std::get<QString S::*>(f.member) = value;
            break;
        case Kind::Font:
            if (const QString plain = PlainFontFamily(value); !plain.isEmpty())
                s.*std::get<QString S::*>(f.member) = plain;
            break;
        case Kind::Text:
            s.*std::get<QString S::*>(f.member) = value;
            break;
        case Kind::Int: {
            const auto member = std::get<int S::*>(f.member);
            s.*member = intOr(value, f.absentInt.value_or(start.*member));
            break;
        }
        case Kind::Bool:
            if (!value.isEmpty())
                s.*std::get<bool S::*>(f.member) = value == u"1";
            break;
        case Kind::Colour: {
            quint32 colour;
            if (!value.isEmpty() && ColourFromSettingText(value, &colour))
                s.*std::get<quint32 S::*>(f.member) = colour;
            break;
        }
        case Kind::Left:
            s.MainFrm.left = intOr(value, WindowRect::Unset);
            break;
        case Kind::Top:
            s.MainFrm.top = intOr(value, WindowRect::Unset);
            break;
        case Kind::Width: {
            int width;
            // An edge from an unset left edge would put the window off the screen.
            s.MainFrm.right = s.MainFrm.left != WindowRect::Unset && ParseSettingInt(value, &width)
                                  ? edgeOrUnset(s.MainFrm.left, width)
                                  : WindowRect::Unset;
            break;
        }
        case Kind::Height: {
            int height;
            s.MainFrm.bottom = s.MainFrm.top != WindowRect::Unset && ParseSettingInt(value, &height)
                                   ? edgeOrUnset(s.MainFrm.top, height)
                                   : WindowRect::Unset;
            break;
        }
        }
    }
}

bool LoadSettingsFile(const QString &path, Settings &settings, QString *errorMessage)
{
    if (!QFileInfo::exists(path))
        return true;
    const TextReadResult read = ReadTextFile(path, TextFileKind::Ansi);
    if (!read.ok) {
        if (errorMessage)
            *errorMessage = read.errorMessage;
        return false;
    }
    LoadSettings(read.lines, settings);
    return true;
}

QStringList SettingsLines(const Settings &s)
{
    QStringList lines;
    lines.reserve(std::size(kFields));
    for (const Field &f : kFields) {
        QString value;
        switch (f.kind) {
        case Kind::Name:
        case Kind::Font:
            value = nameText(s.*std::get<QString S::*>(f.member));
            break;
        case Kind::Text: {
            // Quoted like a name when not empty, so a blank, comma or quote reads back.
            const QString &text = s.*std::get<QString S::*>(f.member);
            value = text.isEmpty() ? QString() : nameText(text);
            break;
        }
        case Kind::Int:
            value = QString::number(s.*std::get<int S::*>(f.member));
            break;
        case Kind::Bool:
            value = s.*std::get<bool S::*>(f.member) ? QStringLiteral("1") : QStringLiteral("0");
            break;
        case Kind::Colour:
            value = ColourToSettingText(s.*std::get<quint32 S::*>(f.member));
            break;
        case Kind::Left:
            value = QString::number(s.MainFrm.left);
            break;
        case Kind::Top:
            value = QString::number(s.MainFrm.top);
            break;
        case Kind::Width:
            value = QString::number(s.MainFrm.width());
            break;
        case Kind::Height:
            value = QString::number(s.MainFrm.height());
            break;
        }
        lines.append(QString::fromUtf16(f.key) + u',' + value);
    }
    return lines;
}

WriteResult SaveSettings(const QString &path, const Settings &settings)
{
    return WriteAnsiFile(path, SettingsLines(settings));
}

namespace {

// The side file's colours, written as in the settings file.
struct SideColour
{
    const char *key;
    quint32 Settings::*member;
};
constexpr SideColour SideColours[] = {
    {"CandTextColor", &Settings::CandTextColor},
    {"BandTextColor", &Settings::BandTextColor},
    {"AccentUpperColor", &Settings::AccentUpperColor},
    {"PhoneticPadColor", &Settings::PhoneticPadColor},
};

} // namespace

void LoadSideSettings(const QString &path, Settings &settings)
{
    if (!QFileInfo(path).isFile())
        return;
    const QSettings file(path, QSettings::IniFormat);
    const QVariant restore = file.value(QStringLiteral("Transfer/RestoreClipboardFlg"));
    if (restore.isValid()) {
        int value = 0;
        if (ParseSettingInt(restore.toString(), &value))
            settings.RestoreClipboardFlg = value != 0;
    }
    for (const SideColour &c : SideColours) {
        quint32 colour = 0;
        if (ColourFromSettingText(file.value(QLatin1String("Colours/") + QLatin1String(c.key))
                                      .toString(),
                                  &colour))
            settings.*c.member = colour;
    }
}

WriteResult SaveSideSettings(const QString &path, const Settings &settings)
{
    WriteResult result;
    {
        QSettings file(path, QSettings::IniFormat);
        file.clear();
        file.setValue(QStringLiteral("Transfer/RestoreClipboardFlg"),
                      settings.RestoreClipboardFlg ? 1 : 0);
        for (const SideColour &c : SideColours)
            file.setValue(QLatin1String("Colours/") + QLatin1String(c.key),
                          ColourToSettingText(settings.*c.member));
        file.sync();
        result.ok = file.status() == QSettings::NoError;
    }
    if (!result.ok)
        result.errorMessage = WriteFailureMessage(path, QStringLiteral("アクセスエラー"));
    return result;
}
