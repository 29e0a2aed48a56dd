#include "accentpairs.h"

#include <QHash>

const std::array<AccentPair, AccentPairCount> &AccentPairTable()
{
    static constexpr std::array<AccentPair, AccentPairCount> table = {{
        {u'a', 0x0301, 0x00E1}, // á
        {u'a', 0x0300, 0x00E0}, // à
        {u'a', 0x0302, 0x00E2}, // â
        {u'a', 0x0303, 0x00E3}, // ã
        {u'a', 0x0308, 0x00E4}, // ä
        {u'a', 0x030A, 0x00E5}, // å
        {u'a', 0x030C, 0x01CE}, // ǎ
        {u'a', 0x0304, 0x0101}, // ā
        {u'e', 0x0301, 0x00E9}, // é
        {u'e', 0x0300, 0x00E8}, // è
        {u'e', 0x0302, 0x00EA}, // ê
        {u'e', 0x0303, 0x1EBD}, // ẽ
        {u'e', 0x0308, 0x00EB}, // ë
        {u'e', 0x030C, 0x011B}, // ě
        {u'e', 0x0304, 0x0113}, // ē
        {u'i', 0x0301, 0x00ED}, // í
        {u'i', 0x0300, 0x00EC}, // ì
        {u'i', 0x0302, 0x00EE}, // î
        {u'i', 0x0303, 0x0129}, // ĩ
        {u'i', 0x0308, 0x00EF}, // ï
        {u'i', 0x030C, 0x01D0}, // ǐ
        {u'i', 0x0304, 0x012B}, // ī
        {u'o', 0x0301, 0x00F3}, // ó
        {u'o', 0x0300, 0x00F2}, // ò
        {u'o', 0x0302, 0x00F4}, // ô
        {u'o', 0x0303, 0x00F5}, // õ
        {u'o', 0x0308, 0x00F6}, // ö
        {u'o', 0x030C, 0x01D2}, // ǒ
        {u'o', 0x0304, 0x014D}, // ō
        {u'u', 0x0301, 0x00FA}, // ú
        {u'u', 0x0300, 0x00F9}, // ù
        {u'u', 0x0302, 0x00FB}, // û
        {u'u', 0x0303, 0x0169}, // ũ
        {u'u', 0x0308, 0x00FC}, // ü
        {u'u', 0x030A, 0x016F}, // ů
        {u'u', 0x030C, 0x01D4}, // ǔ
        {u'u', 0x0304, 0x016B}, // ū
        {u'y', 0x0301, 0x00FD}, // ý
        {u'y', 0x0300, 0x1EF3}, // ỳ
        {u'y', 0x0302, 0x0177}, // ŷ
        {u'y', 0x0303, 0x1EF9}, // ỹ
        {u'y', 0x0308, 0x00FF}, // ÿ
        {u'y', 0x030A, 0x1E99}, // ẙ
        {u'y', 0x0304, 0x0233}, // ȳ
        {u's', 0x0301, 0x015B}, // ś
        {u's', 0x0302, 0x015D}, // ŝ
        {u's', 0x030C, 0x0161}, // š
        {u'n', 0x0301, 0x0144}, // ń
        {u'n', 0x0300, 0x01F9}, // ǹ
        {u'n', 0x0303, 0x00F1}, // ñ
        {u'n', 0x030C, 0x0148}, // ň
        {u'z', 0x0301, 0x017A}, // ź
        {u'z', 0x0302, 0x1E91}, // ẑ
        {u'z', 0x030C, 0x017E}, // ž
        {u'c', 0x0301, 0x0107}, // ć
        {u'c', 0x0302, 0x0109}, // ĉ
        {u'c', 0x030C, 0x010D}, // č
        {u'g', 0x0301, 0x01F5}, // ǵ
        {u'g', 0x0302, 0x011D}, // ĝ
        {u'g', 0x030C, 0x01E7}, // ǧ
        {u'g', 0x0304, 0x1E21}, // ḡ
        {u'h', 0x0302, 0x0125}, // ĥ
        {u'h', 0x0308, 0x1E27}, // ḧ
        {u'h', 0x030C, 0x021F}, // ȟ
        {u'j', 0x0302, 0x0135}, // ĵ
        {u'j', 0x030C, 0x01F0}, // ǰ
        {u'l', 0x0301, 0x013A}, // ĺ
        {u'r', 0x0301, 0x0155}, // ŕ
        {u'r', 0x030C, 0x0159}, // ř
        {u'w', 0x0301, 0x1E83}, // ẃ
        {u'w', 0x0300, 0x1E81}, // ẁ
        {u'w', 0x0302, 0x0175}, // ŵ
        {u'w', 0x0308, 0x1E85}, // ẅ
        {u'w', 0x030A, 0x1E98}, // ẘ
        {u'k', 0x0301, 0x1E31}, // ḱ
        {u'k', 0x030C, 0x01E9}, // ǩ
        {u'm', 0x0301, 0x1E3F}, // ḿ
        {u'p', 0x0301, 0x1E55}, // ṕ
        {u'v', 0x0303, 0x1E7D}, // ṽ
        {u'x', 0x0308, 0x1E8D}, // ẍ
        {u't', 0x0308, 0x1E97}, // ẗ
        {u'A', 0x0301, 0x00C1}, // Á
        {u'A', 0x0300, 0x00C0}, // À
        {u'A', 0x0302, 0x00C2}, // Â
        {u'A', 0x0303, 0x00C3}, // Ã
        {u'A', 0x0308, 0x00C4}, // Ä
        {u'A', 0x030A, 0x00C5}, // Å
        {u'A', 0x030C, 0x01CD}, // Ǎ
        {u'A', 0x0304, 0x0100}, // Ā
        {u'E', 0x0301, 0x00C9}, // É
        {u'E', 0x0300, 0x00C8}, // È
        {u'E', 0x0302, 0x00CA}, // Ê
        {u'E', 0x0303, 0x1EBC}, // Ẽ
        {u'E', 0x0308, 0x00CB}, // Ë
        {u'E', 0x030C, 0x011A}, // Ě
        {u'E', 0x0304, 0x0112}, // Ē
        {u'I', 0x0301, 0x00CD}, // Í
        {u'I', 0x0300, 0x00CC}, // Ì
        {u'I', 0x0302, 0x00CE}, // Î
        {u'I', 0x0303, 0x0128}, // Ĩ
        {u'I', 0x0308, 0x00CF}, // Ï
        {u'I', 0x030C, 0x01CF}, // Ǐ
        {u'I', 0x0304, 0x012A}, // Ī
        {u'O', 0x0301, 0x00D3}, // Ó
        {u'O', 0x0300, 0x00D2}, // Ò
        {u'O', 0x0302, 0x00D4}, // Ô
        {u'O', 0x0303, 0x00D5}, // Õ
        {u'O', 0x0308, 0x00D6}, // Ö
        {u'O', 0x030C, 0x01D1}, // Ǒ
        {u'O', 0x0304, 0x014C}, // Ō
        {u'U', 0x0301, 0x00DA}, // Ú
        {u'U', 0x0300, 0x00D9}, // Ù
        {u'U', 0x0302, 0x00DB}, // Û
        {u'U', 0x0303, 0x0168}, // Ũ
        {u'U', 0x0308, 0x00DC}, // Ü
        {u'U', 0x030A, 0x016E}, // Ů
        {u'U', 0x030C, 0x01D3}, // Ǔ
        {u'U', 0x0304, 0x016A}, // Ū
        {u'Y', 0x0301, 0x00DD}, // Ý
        {u'Y', 0x0300, 0x1EF2}, // Ỳ
        {u'Y', 0x0302, 0x0176}, // Ŷ
        {u'Y', 0x0303, 0x1EF8}, // Ỹ
        {u'Y', 0x0308, 0x0178}, // Ÿ
        {u'Y', 0x0304, 0x0232}, // Ȳ
        {u'S', 0x0301, 0x015A}, // Ś
        {u'S', 0x0302, 0x015C}, // Ŝ
        {u'S', 0x030C, 0x0160}, // Š
        {u'N', 0x0301, 0x0143}, // Ń
        {u'N', 0x0300, 0x01F8}, // Ǹ
        {u'N', 0x0303, 0x00D1}, // Ñ
        {u'N', 0x030C, 0x0147}, // Ň
        {u'Z', 0x0301, 0x0179}, // Ź
        {u'Z', 0x0302, 0x1E90}, // Ẑ
        {u'Z', 0x030C, 0x017D}, // Ž
        {u'C', 0x0301, 0x0106}, // Ć
        {u'C', 0x0302, 0x0108}, // Ĉ
        {u'C', 0x030C, 0x010C}, // Č
        {u'G', 0x0301, 0x01F4}, // Ǵ
        {u'G', 0x0302, 0x011C}, // Ĝ
        {u'G', 0x030C, 0x01E6}, // Ǧ
        {u'G', 0x0304, 0x1E20}, // Ḡ
        {u'H', 0x0302, 0x0124}, // Ĥ
        {u'H', 0x0308, 0x1E26}, // Ḧ
        {u'H', 0x030C, 0x021E}, // Ȟ
        {u'J', 0x0302, 0x0134}, // Ĵ
        {u'L', 0x0301, 0x0139}, // Ĺ
        {u'R', 0x0301, 0x0154}, // Ŕ
        {u'R', 0x030C, 0x0158}, // Ř
        {u'W', 0x0301, 0x1E82}, // Ẃ
        {u'W', 0x0300, 0x1E80}, // Ẁ
        {u'W', 0x0302, 0x0174}, // Ŵ
        {u'W', 0x0308, 0x1E84}, // Ẅ
        {u'K', 0x0301, 0x1E30}, // Ḱ
        {u'K', 0x030C, 0x01E8}, // Ǩ
        {u'M', 0x0301, 0x1E3E}, // Ḿ
        {u'P', 0x0301, 0x1E54}, // Ṕ
        {u'V', 0x0303, 0x1E7C}, // Ṽ
        {u'X', 0x0308, 0x1E8C}, // Ẍ
        {u'T', 0x030C, 0x0164}, // Ť
    }};
    return table;
}

namespace {

constexpr quint32 pairKey(char16_t base, char16_t mark)
{
    return quint32(base) << 16 | mark;
}

// No entry's result can form a pair of another entry (a precomposed letter is neither an
// ASCII letter nor a mark, and pairs cannot overlap), so one left-to-right pass gives
// exactly what replacing entry by entry would.
struct Lookup
{
    QHash<quint32, char16_t> composeOf;
    QHash<char16_t, const AccentPair *> pairOf;
    Lookup()
    {
        for (const AccentPair &p : AccentPairTable()) {
            composeOf.insert(pairKey(p.base, p.mark), p.composed);
            pairOf.insert(p.composed, &p);
        }
    }
};

const Lookup &lookup()
{
    static const Lookup l;
    return l;
}

bool isAsciiLetter(char16_t c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

} // namespace

QString CombineAccents(QStringView text)
{
    const Lookup &l = lookup();
    QString out;
    out.reserve(text.size());
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = text[i].unicode();
        if (i + 1 < n && isAsciiLetter(c)) {
            const auto it = l.composeOf.constFind(pairKey(c, text[i + 1].unicode()));
            if (it != l.composeOf.cend()) {
                out.append(QChar(*it));
                ++i;
                continue;
            }
        }
        out.append(QChar(c));
    }
    return out;
}

QString DivideAccents(QStringView text)
{
    const Lookup &l = lookup();
    QString out;
    out.reserve(text.size() + text.size() / 4);
    for (const QChar ch : text) {
        const char16_t c = ch.unicode();
        // Every precomposed letter of the table lies above U+00BF.
        if (c >= 0xC0) {
            const auto it = l.pairOf.constFind(c);
            if (it != l.pairOf.cend()) {
                out.append(QChar((*it)->base));
                out.append(QChar((*it)->mark));
                continue;
            }
        }
        out.append(ch);
    }
    return out;
}
