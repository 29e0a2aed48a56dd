#include "keylayout.h"

#include <algorithm>

namespace {

constexpr char16_t kKeys[KeyLayoutCount + 1] =
    u"!\"#$%&'()\0=~|QWERTYUIOP`{ASDFGHJKL+*}ZXCVBNM<>?_-^\\@[;:],./\\";
static_assert(sizeof(kKeys) / sizeof(char16_t) == KeyLayoutCount + 1);

constexpr std::array<char16_t, KeyLayoutCount> makeTable()
{
    std::array<char16_t, KeyLayoutCount> t{};
    for (int i = 0; i < KeyLayoutCount; ++i)
        t[i] = kKeys[i];
    return t;
}
constexpr std::array<char16_t, KeyLayoutCount> kTable = makeTable();

} // namespace

const std::array<char16_t, KeyLayoutCount> &KeyLayoutTable()
{
    return kTable;
}

char16_t KeyLayoutChar(int key)
{
    return key >= 0 && key < KeyLayoutCount ? kTable[key] : 0;
}

int LowerHalfOf(int key)
{
    const auto it = std::find(KeyLayoutHalfKeys.begin(), KeyLayoutHalfKeys.end(), key);
    return it == KeyLayoutHalfKeys.end()
               ? -1
               : KeyLayoutLowerFirst + int(it - KeyLayoutHalfKeys.begin());
}

int UpperHalfOf(int lowerKey)
{
    const int n = lowerKey - KeyLayoutLowerFirst;
    return n >= 0 && n < int(KeyLayoutHalfKeys.size()) ? KeyLayoutHalfKeys[n] : -1;
}

bool IsHalfHeightKey(int key)
{
    return key >= KeyLayoutLowerFirst ? key < KeyLayoutCount : LowerHalfOf(key) >= 0;
}
