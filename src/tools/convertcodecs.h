// The field decoders of the word-book conversion: line-break marks, text stored as
// hexadecimal byte codes, and phonetic symbols in the code positions of a legacy font.
#pragma once

#include <QList>
#include <QString>
#include <QStringView>

// Every "#0D#0A" becomes "#$0D", the line-break mark of the word-book file.
QString ConvertLineBreakMarks(QStringView text);

// A field of three-character groups ("#" and two hexadecimal digits, the "#" itself
// not checked) is cut into length / 3 groups. A group whose digits are not
// hexadecimal stops the decoding: *badGroup gets it and the result is false.
bool HexGroupBytes(QStringView field, QByteArray *bytes, QString *badGroup = nullptr);

// Hanzi in code page 936: 0D and 0A stand for a line break ("#$0D").
bool DecodeHanziHex(QStringView field, QString *text, QString *badGroup = nullptr);
// Pinyin: ASCII letters, the tone letters of row A8 as base letter plus combining
// marks, 0D 0A as "#$0D".
bool DecodePinyinHex(QStringView field, QString *text, QString *badGroup = nullptr);

// One entry of the legacy phonetic font's table: the character as code page 1252
// gives it, and the IPA it stands for (one or two code points).
struct LegacyPhoneticEntry
{
    char16_t code;
    char16_t ipa[2]; // ipa[1] == 0 for one code point
    bool operator==(const LegacyPhoneticEntry &) const = default;
};

inline constexpr int LegacyPhoneticEntryCount = 211;
// In the order of the codes.
const QList<LegacyPhoneticEntry> &LegacyPhoneticTable();

// Every character of a phonetic line (decoded with code page 1252) becomes its IPA;
// characters not in the table, the blank among them, give nothing.
QString ConvertLegacyPhonetic(QStringView line);
