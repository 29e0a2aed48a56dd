// The phonetic page ("発音記号") without widgets: where the 60 keys of KeyLayoutTable
// and "一覧" sit, how large their text is, and which keys are active.
#pragma once

#include <QRect>
#include <QSize>
#include <QString>

#include <array>
#include <functional>

#include "keylayout.h"
#include "triggertables.h"

struct PhoneticKeyboardLayout
{
    int U = 0;  // column unit
    int R = 0;  // row pitch
    int KW = 0; // key width
    int KH = 0; // height of a full key; half keys are KH / 2
    std::array<QRect, KeyLayoutCount> keys;
    QRect listing; // "一覧"
    bool operator==(const PhoneticKeyboardLayout &) const = default;
};
// W x H: the page size.
PhoneticKeyboardLayout LayoutPhoneticKeyboard(int W, int H);

// The text size of a key of keyWidth x keyHeight: from 8 points up while "W" stays
// narrower than trunc(f * width) and lower than trunc(f * height), f = 0.75 for the
// upper keys (0 to 47) and 0.6 for the lower halves. measure gives the size of "W" at a
// point size.
int PhoneticKeyFontSize(const std::function<QSize(int pointSize)> &measure, int key,
                        int keyWidth, int keyHeight);

// A key is active (black text, takes clicks) when its character is a phonetic trigger.
// Key 9 and every key with empty tables are inactive.
bool IsActivePhoneticKey(int key, const CandidateTables &phoneticTables);

// The hint of a key: its candidates in order, separated by blanks; empty for an
// inactive key.
QString PhoneticKeyHint(int key, const CandidateTables &phoneticTables);
