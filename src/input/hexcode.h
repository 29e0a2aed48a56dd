// The code notation of the table files: every symbol is four upper-case hexadecimal
// digits of one UTF-16 code unit, so a file stays within the ANSI code page.
#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

// True when the text is exactly four characters, each 0-9 or A-F. No trimming.
bool IsHexCode(QStringView text);

// The value of a four-character text read as hexadecimal (a-f accepted as well);
// any other length gives 0. Four characters that are not hexadecimal are a
// conversion error: the result is 0 and *ok is false.
char16_t HexCodeToChar(QStringView text, bool *ok = nullptr);

// Replaces every "#$XXXX" by its character; a "#$" without four hexadecimal digits
// after it is removed.
QString ExpandHexEscapes(QStringView text);

// A code unit as at least four upper-case hexadecimal digits (é gives "00E9"), the
// empty text for 0.
QString CodeText(char16_t code);

// The names of a symbol row, as FindSymbolByCode gives them.
struct SymbolNames
{
    QString englishName;
    QString japaneseName;
    QString aux;
    QString notes;
    bool operator==(const SymbolNames &) const = default;
};

// The first symbol row of a symbol database (lines as read) whose code passes
// IsHexCode and equals code. Leaves *names untouched when there is none.
bool FindSymbolByCode(const QStringList &lines, char16_t code, SymbolNames *names);

// A decimal 32-bit integer with an optional sign; blanks around it are allowed.
// Anything else (empty text, other characters, out of range) sets *ok to false.
qint32 ParseDecimalInt(QStringView text, bool *ok);
