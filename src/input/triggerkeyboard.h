// The trigger keyboard page ("候補入力") without widgets: the 49 keys of the JIS keyboard
// picture, what each key and label shows in either case state, and the layout formulas.
#pragma once

#include <QRect>
#include <QSize>
#include <QString>

#include <array>
#include <functional>

#include "triggerinput.h"

inline constexpr int TriggerKeyCount = 49;

// The character of key i without and with Shift; 0 when the key has none. Key 0 (半/全)
// is never shown.
char16_t TriggerKeyUnshifted(int key);
char16_t TriggerKeyShifted(int key);
// The row (0 to 3) of a key.
int TriggerKeyRow(int key);

// What one key and its label show in a case state.
struct TriggerKeyFace
{
    char16_t character = 0; // on the key: unshifted in lower state, shifted in upper
    bool enabled = false;   // the key has a character (key 0 never)
    bool trigger = false;   // drawn bold in ImageColor1T
    char16_t label = 0;     // above the key: always the shifted character
    bool labelTrigger = false;
    bool operator==(const TriggerKeyFace &) const = default;
};
TriggerKeyFace TriggerKeyFaceOf(int key, KeyboardCase state, const CandidateTables &letterTables);

// The caption of a key button for a character: a button takes "&" as a mnemonic marker,
// so it is doubled to show one "&". Labels show the character as it is.
QString TriggerKeyCaption(char16_t c);

// FitFontSize: from 8 points up while the text fits, minus 3. measure gives the size of
// the text at a point size.
int FitFontSize(const std::function<QSize(int pointSize)> &measure, int maxWidth, int maxHeight);

struct TriggerKeyboardLayout
{
    int T = 0; // top of row 0
    int C = 0; // column unit
    int P = 0; // row pitch
    int K = 0; // key height
    std::array<QRect, TriggerKeyCount> keys;
    QRect caps;       // "CAPS"
    QRect direct;     // "直": left, top and width; height is the control's own
    QRect revival;    // "復"
    QRect listing;    // "一覧"
    int labelBox = 0; // labels fit "m" in labelBox × labelBox at their font size
    bool operator==(const TriggerKeyboardLayout &) const = default;
};
// W × H: the page size. capsHeightFactor: 1.3 on the main window, 1.2 on the line window.
TriggerKeyboardLayout LayoutTriggerKeyboard(int W, int H, double capsHeightFactor = 1.3);

// "CandVelmor.csv" in the table folder with its extension replaced by ".html".
QString CandidateListPath(const QString &tableFolder, const QString &candidateFile);
