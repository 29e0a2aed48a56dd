// Letters written as a base letter plus a combining mark, and their precomposed
// forms: the fixed pair table and the two conversions of the pad text over it.
#pragma once

#include <QString>
#include <QStringView>

#include <array>

struct AccentPair
{
    char16_t base;     // one ASCII letter
    char16_t mark;     // one combining mark
    char16_t composed; // the canonical composition of base + mark
    bool operator==(const AccentPair &) const = default;
};

inline constexpr int AccentPairCount = 159;

// Lower-case letters first, then upper case; each letter with its marks in the order
// acute, grave, circumflex, tilde, diaeresis, ring, caron, macron.
const std::array<AccentPair, AccentPairCount> &AccentPairTable();

// Every base + mark of the table becomes its precomposed letter. A letter followed by
// two marks combines with the first only; pairs not in the table stay.
QString CombineAccents(QStringView text);
// Every precomposed letter of the table becomes base + mark; other letters stay.
QString DivideAccents(QStringView text);
