#include "hexcode.h"

#include <limits>

#include "splitcommatext.h"

namespace {

int hexDigit(char16_t c, bool lowerToo)
{
    if (c >= u'0' && c <= u'9')
        return c - u'0';
    if (c >= u'A' && c <= u'F')
        return c - u'A' + 10;
    if (lowerToo && c >= u'a' && c <= u'f')
        return c - u'a' + 10;
    return -1;
}

} // namespace

bool IsHexCode(QStringView text)
{
    if (text.size() != 4)
        return false;
    for (QChar c : text)
        if (hexDigit(c.unicode(), false) < 0)
            return false;
    return true;
}

char16_t HexCodeToChar(QStringView text, bool *ok)
{
    if (ok)
        *ok = true;
    if (text.size() != 4)
        return 0;
    char16_t value = 0;
    for (QChar c : text) {
        const int digit = hexDigit(c.unicode(), true);
        if (digit < 0) {
            if (ok)
                *ok = false;
            return 0;
        }
        value = char16_t(value * 16 + digit);
    }
    return value;
}

QString ExpandHexEscapes(QStringView text)
{
    QString out = text.toString();
    // Restart at the beginning after every change: a replacement that forms a new
    // "#$" is expanded as well.
    for (;;) {
        const qsizetype at = out.indexOf(u"#$");
        if (at < 0)
            return out;
        const QStringView digits = QStringView(out).mid(at + 2, 4);
        if (IsHexCode(digits)) {
            const QChar c(HexCodeToChar(digits));
            out.replace(at, 6, &c, 1);
        } else {
            out.remove(at, 2);
        }
    }
}

QString CodeText(char16_t code)
{
    if (code == 0)
        return QString();
    return QStringLiteral("%1").arg(uint(code), 4, 16, QLatin1Char('0')).toUpper();
}

bool FindSymbolByCode(const QStringList &lines, char16_t code, SymbolNames *names)
{
    for (const QString &line : lines) {
        const QStringList fields = SplitCommaText(line);
        if (fields.size() != 6 || !IsHexCode(fields[1]) || HexCodeToChar(fields[1]) != code)
            continue;
        if (names)
            *names = {fields[2], fields[3], fields[4], fields[5]};
        return true;
    }
    return false;
}

qint32 ParseDecimalInt(QStringView text, bool *ok)
{
    const QStringView t = text.trimmed();
    qsizetype i = 0;
    bool negative = false;
    if (i < t.size() && (t[i] == u'-' || t[i] == u'+')) {
        negative = t[i] == u'-';
        ++i;
    }
    if (i == t.size()) {
        *ok = false;
        return 0;
    }
    qint64 value = 0;
    for (; i < t.size(); ++i) {
        const char16_t c = t[i].unicode();
        if (c < u'0' || c > u'9') {
            *ok = false;
            return 0;
        }
        value = value * 10 + (c - u'0');
        if (value > qint64(1) << 31) {
            *ok = false;
            return 0;
        }
    }
    if (negative)
        value = -value;
    if (value > std::numeric_limits<qint32>::max()) {
        *ok = false;
        return 0;
    }
    *ok = true;
    return qint32(value);
}
