#include "convertcodecs.h"

#include <QHash>
#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>

namespace {

const QString kLineBreakMark = QStringLiteral("#$0D");

int hexDigit(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    return -1;
}

// The legacy font's positions in the order of their codes. The letters a to z (except
// g) and , . / [ \ ] stand for themselves.
constexpr LegacyPhoneticEntry kLegacyPhonetic[] = {
    {0x21, {0x030B}}, {0x22, {0x0131}}, {0x23, {0x0304}}, {0x24, {0x0300}}, {0x25, {0x030F}},
    {0x26, {0x030C}}, {0x27, {0x02BC}}, {0x28, {0x0306}}, {0x29, {0x0303}}, {0x2A, {0x030A}},
    {0x2B, {0x031F}}, {0x2C, {0x002C}}, {0x2D, {0x0324}}, {0x2E, {0x002E}}, {0x2F, {0x002F}},
    {0x30, {0x0330}}, {0x31, {0x0318}}, {0x32, {0x0319}}, {0x33, {0x031D}}, {0x34, {0x031E}},
    {0x35, {0x032A}}, {0x36, {0x033B}}, {0x37, {0x031C}}, {0x38, {0x0325}}, {0x39, {0x032F}},
    {0x3A, {0x02E1}}, {0x3B, {0x029F}}, {0x3C, {0x207F}}, {0x3D, {0x0320}}, {0x3E, {0x02D1}},
    {0x3F, {0x0294}}, {0x40, {0x0301}}, {0x41, {0x0251}}, {0x42, {0x03B2}}, {0x43, {0x00E7}},
    {0x44, {0x00F0}}, {0x45, {0x025B}}, {0x46, {0x0264}}, {0x47, {0x0262}}, {0x48, {0x02B0}},
    {0x49, {0x026A}}, {0x4A, {0x02B2}}, {0x4B, {0x029C}}, {0x4C, {0x026E}}, {0x4D, {0x0271}},
    {0x4E, {0x014B}}, {0x4F, {0x00F8}}, {0x50, {0x0275}}, {0x51, {0x00E6}}, {0x52, {0x027E}},
    {0x53, {0x0283}}, {0x54, {0x03B8}}, {0x55, {0x028A}}, {0x56, {0x028B}}, {0x57, {0x02B7}},
    {0x58, {0x03C7}}, {0x59, {0x028F}}, {0x5A, {0x0292}}, {0x5B, {0x005B}}, {0x5C, {0x005C}},
    {0x5D, {0x005D}}, {0x5E, {0x0302}}, {0x5F, {0x0308}}, {0x60, {0x0329}}, {0x61, {0x0061}},
    {0x62, {0x0062}}, {0x63, {0x0063}}, {0x64, {0x0064}}, {0x65, {0x0065}}, {0x66, {0x0066}},
    {0x67, {0x0261}}, {0x68, {0x0068}}, {0x69, {0x0069}}, {0x6A, {0x006A}}, {0x6B, {0x006B}},
    {0x6C, {0x006C}}, {0x6D, {0x006D}}, {0x6E, {0x006E}}, {0x6F, {0x006F}}, {0x70, {0x0070}},
    {0x71, {0x0071}}, {0x72, {0x0072}}, {0x73, {0x0073}}, {0x74, {0x0074}}, {0x75, {0x0075}},
    {0x76, {0x0076}}, {0x77, {0x0077}}, {0x78, {0x0078}}, {0x79, {0x0079}}, {0x7A, {0x007A}},
    {0x7B, {0x0280}}, {0x7C, {0x031A}}, {0x7D, {0x027D}}, {0x7E, {0x033D}}, {0x81, {0x0252}},
    {0x88, {0x030B}}, {0x89, {0x030B}}, {0x8D, {0x0254}}, {0x8F, {0x0301}}, {0x90, {0x0301}},
    {0x93, {0x0304}}, {0x94, {0x0304}}, {0x98, {0x0300}}, {0x99, {0x0300}}, {0x9D, {0x030F}},
    {0x9E, {0x030F}}, {0xA1, {0x030A}}, {0xA2, {0x031E}}, {0xA3, {0x031D}}, {0xA4, {0x032C}},
    {0xA5, {0x0325}}, {0xA6, {0x0339}}, {0xA7, {0x0282}}, {0xA8, {0x0279}}, {0xA9, {0x0260}},
    {0xAA, {0x0319}}, {0xAB, {0x0259}}, {0xAC, {0x0289}}, {0xAD, {0x0320}},
    {0xAE, {0x0131, 0x0335}}, {0xAF, {0x0276}}, {0xB0, {0x033A}}, {0xB1, {0x031F}},
    {0xB2, {0x0274}}, {0xB3, {0x02E4}}, {0xB4, {0x028E}}, {0xB5, {0x026F}}, {0xB8, {0x0278}},
    {0xB9, {0x02A2}}, {0xBA, {0x0253}}, {0xBB, {0x032F}}, {0xBC, {0x0330}}, {0xBD, {0x0290}},
    {0xBE, {0x0237}}, {0xBF, {0x0153}}, {0xC0, {0x0295}}, {0xC1, {0x0318}}, {0xC2, {0x026C}},
    {0xC3, {0x028C}}, {0xC4, {0x0263}}, {0xC6, {0x029D}}, {0xC7, {0x02CC}}, {0xC8, {0x02C8}},
    {0xC9, {0x1D50}}, {0xCB, {0x1DAE}}, {0xCC, {0x2197}}, {0xCD, {0x2198}}, {0xCE, {0x025C}},
    {0xCF, {0x025E}}, {0xD0, {0x0324}}, {0xD1, {0x033C}}, {0xD2, {0x0281}}, {0xD3, {0x027B}},
    {0xD4, {0x1D51}}, {0xD5, {0x02DE}}, {0xD6, {0x002D}}, {0xD7, {0x0284}}, {0xDA, {0x030B}},
    {0xDB, {0x0301}}, {0xDC, {0x0304}}, {0xDD, {0x0300}}, {0xDE, {0x030F}}, {0xDF, {0x0302}},
    {0xE0, {0x030C}}, {0xE1, {0x0306}}, {0xE2, {0x0303}}, {0xE3, {0x028D}}, {0xE4, {0x027A}},
    {0xE5, {0x0270}}, {0xE6, {0x0302}}, {0xE7, {0x0265}}, {0xE9, {0x0302}}, {0xEA, {0x0256}},
    {0xEB, {0x0257}}, {0xEC, {0x02E0}}, {0xED, {0x203F}}, {0xEE, {0x0267}}, {0xEF, {0x025F}},
    {0xF0, {0x0127}}, {0xF1, {0x026D}}, {0xF2, {0x0334}}, {0xF3, {0x030C}}, {0xF4, {0x030C}},
    {0xF5, {0x0299}}, {0xF6, {0x0268}}, {0xF7, {0x0273}}, {0xF8, {0x0272}}, {0xF9, {0x02D0}},
    {0xFA, {0x0266}}, {0xFB, {0x02A1}}, {0xFC, {0x0291}}, {0xFD, {0x029B}}, {0xFE, {0x0255}},
    {0xFF, {0x0288}}, {0x0152, {0x0250}}, {0x0153, {0x01C2}}, {0x0160, {0x02E5}},
    {0x0161, {0x02E8}}, {0x0178, {0x02E9}}, {0x017D, {0x01C0}}, {0x0192, {0x0361}},
    {0x2013, {0x007C}}, {0x2014, {0x01C3}}, {0x2018, {0x02E6}}, {0x2019, {0x01C1}},
    {0x201A, {0x0258}}, {0x201E, {0x2016}}, {0x2021, {0x0298}}, {0x2022, {0x02E7}},
    {0x2039, {0x2191}}, {0x203A, {0x2193}},
};
static_assert(std::size(kLegacyPhonetic) == LegacyPhoneticEntryCount);

QString ipaText(const LegacyPhoneticEntry &e)
{
    QString s(QChar(e.ipa[0]));
    if (e.ipa[1])
        s.append(QChar(e.ipa[1]));
    return s;
}

// Code page 1252 turns the bytes 80 to 9F into typographic characters, so a position
// of the font listed by its byte value (88 the double acute, 93 the macron ...) would
// never be met in the decoded line and its mark would vanish. Such a character is
// looked up under its byte as well.
QHash<char16_t, QString> buildPhoneticLookup()
{
    QHash<char16_t, QString> lookup;
    for (const LegacyPhoneticEntry &e : kLegacyPhonetic)
        lookup.insert(e.code, ipaText(e));
    QStringDecoder decoder("windows-1252");
    for (int byte = 0x80; byte <= 0x9F; ++byte) {
        const char raw = char(byte);
        const QString decoded = decoder.decode(QByteArrayView(&raw, 1));
        if (decoded.size() != 1 || decoded[0].unicode() == byte)
            continue;
        const char16_t c = decoded[0].unicode();
        const auto entry = lookup.constFind(char16_t(byte));
        if (entry == lookup.cend() || lookup.contains(c))
            continue;
        // A copy: inserting may move the hash's storage, and with it *entry.
        const QString text = *entry;
        lookup.insert(c, text);
    }
    return lookup;
}

} // namespace

QString ConvertLineBreakMarks(QStringView text)
{
    QString out = text.toString();
    out.replace(QStringLiteral("#0D#0A"), kLineBreakMark);
    return out;
}

bool HexGroupBytes(QStringView field, QByteArray *bytes, QString *badGroup)
{
    const qsizetype groups = field.size() / 3;
    bytes->clear();
    bytes->reserve(groups);
    for (qsizetype k = 0; k < groups; ++k) {
        const int high = hexDigit(field[3 * k + 1]);
        const int low = hexDigit(field[3 * k + 2]);
        if (high < 0 || low < 0) {
            if (badGroup)
                *badGroup = field.sliced(3 * k, 3).toString();
            return false;
        }
        bytes->append(char(high * 16 + low));
    }
    return true;
}

bool DecodeHanziHex(QStringView field, QString *text, QString *badGroup)
{
    QByteArray bytes;
    if (!HexGroupBytes(field, &bytes, badGroup))
        return false;
    // The line break is carried as "@*" through the decoder.
    for (char &b : bytes) {
        if (b == '\r')
            b = '@';
        else if (b == '\n')
            b = '*';
    }
    QStringDecoder decoder("GBK");
    *text = decoder.decode(bytes);
    text->replace(QStringLiteral("@*"), kLineBreakMark);
    return true;
}

bool DecodePinyinHex(QStringView field, QString *text, QString *badGroup)
{
    QByteArray bytes;
    if (!HexGroupBytes(field, &bytes, badGroup))
        return false;
    QString out;
    out.reserve(bytes.size());
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const uchar b = uchar(bytes[i]);
        if (b == 0x0D) {
            if (i + 1 < bytes.size() && bytes[i + 1] == '\n') {
                out.append(kLineBreakMark);
                ++i;
            }
        } else if (b == 0xA8) {
            // Row A8 from A1 to BA holds the tone letters; they are written as base
            // letter and combining marks.
            if (++i < bytes.size() && uchar(bytes[i]) >= 0xA1 && uchar(bytes[i]) <= 0xBA) {
                QStringDecoder decoder("GBK");
                out.append(QString(decoder.decode(bytes.sliced(i - 1, 2)))
                               .normalized(QString::NormalizationForm_D));
            }
        } else {
            out.append(QChar(b));
        }
    }
    *text = out;
    return true;
}

const QList<LegacyPhoneticEntry> &LegacyPhoneticTable()
{
    static const QList<LegacyPhoneticEntry> table(std::begin(kLegacyPhonetic),
                                                  std::end(kLegacyPhonetic));
    return table;
}

QString ConvertLegacyPhonetic(QStringView line)
{
    static const QHash<char16_t, QString> lookup = buildPhoneticLookup();
    QString out;
    out.reserve(line.size());
    for (QChar c : line) {
        const auto found = lookup.constFind(c.unicode());
        if (found != lookup.cend())
            out.append(*found);
    }
    return out;
}
