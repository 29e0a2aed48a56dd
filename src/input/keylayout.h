// KeyLayoutTable: the 60 key characters of the on-screen JIS keyboard that the phonetic
// page and the candidate-order editor draw (the Shift layer plus the unshifted halves of
// the punctuation keys).
#pragma once

#include <array>

inline constexpr int KeyLayoutCount = 60;
// Keys 48 to 59 are the lower halves of the half-height keys, in this order.
inline constexpr int KeyLayoutLowerFirst = 48;
inline constexpr std::array<int, 12> KeyLayoutHalfKeys = {10, 11, 12, 23, 24, 34,
                                                          35, 36, 44, 45, 46, 47};

// The character of key i (0 for key 9 and outside 0 to 59).
char16_t KeyLayoutChar(int key);
const std::array<char16_t, KeyLayoutCount> &KeyLayoutTable();

// Whether key i is drawn at half height: the upper halves and their lower halves.
bool IsHalfHeightKey(int key);
// The lower half that sits below an upper half key (-1 for keys that have none), and the
// upper half above a lower half key.
int LowerHalfOf(int key);
int UpperHalfOf(int lowerKey);
