// The nine transfer modes: their values, the menu items that choose them, the menu
// captions and the mode indicator text.
#pragma once

#include <QList>
#include <QString>

// Kept in the settings as TransMode.
using TransferMode = int;

inline constexpr TransferMode TransferPadRich = 0;
inline constexpr TransferMode TransferPadHexRefs = 1;
inline constexpr TransferMode TransferPadDecimalRefs = 2;
inline constexpr TransferMode TransferPadText = 3;
inline constexpr TransferMode TransferPadRichII = 4;
inline constexpr TransferMode TransferPhoneticRich = 10;
inline constexpr TransferMode TransferPhoneticHexRefs = 11;
inline constexpr TransferMode TransferPhoneticDecimalRefs = 12;
inline constexpr TransferMode TransferPhoneticText = 13;

// One item of the transfer-mode menu.
struct TransferModeItem
{
    TransferMode mode = 0;
    QString objectName; // "Sub1" ... "Sub4", "Main1" ... "Main5"
    bool operator==(const TransferModeItem &) const = default;
};

// The menu's title, "　転送モード (&M)".
QString TransferModeMenuTitle();
// The items in menu order: Sub1-Sub4, then (after a separator) Main1, Main5, Main2,
// Main3, Main4.
const QList<TransferModeItem> &TransferModeItems();
// A separator follows this many items.
inline constexpr int TransferModeSeparatorAfter = 4;

// The language label the captions are built with while the main window is created.
QString InitialLanguageLabel(); // "欧　文"

// The menu caption of a mode; lang begins the captions of the pad modes. Empty for
// a value that is not one of the nine.
QString TransferModeMenuCaption(TransferMode mode, const QString &lang);
// The text of the mode indicator Edit2; empty for a value that is not one of the nine.
QString TransferModeIndicatorText(TransferMode mode, const QString &lang);

bool IsKnownTransferMode(TransferMode mode);
// A value of type pad (value div 10 = 0) or phonetic (value div 10 = 1).
inline bool IsPadTransferMode(TransferMode mode)
{
    return mode / 10 == 0;
}
inline bool IsPhoneticTransferMode(TransferMode mode)
{
    return mode / 10 == 1;
}
