#include "wordcolour.h"

namespace {

int hexDigit(QChar c)
{
    if (c >= u'0' && c <= u'9')
        return c.unicode() - u'0';
    if (c >= u'A' && c <= u'F')
        return c.unicode() - u'A' + 10;
    return -1; // lower case is not a valid digit of a colour code
}

} // namespace

bool IsColourCode(QStringView code)
{
    if (code.size() != 7 || code[0] != u'#')
        return false;
    for (qsizetype i = 1; i < 7; ++i)
        if (hexDigit(code[i]) < 0)
            return false;
    return true;
}

quint32 ColourFromCode(QStringView code, quint32 defaultColour)
{
    if (!IsColourCode(code))
        return defaultColour;
    const auto byteAt = [&](qsizetype i) {
        return quint32(hexDigit(code[i]) * 16 + hexDigit(code[i + 1]));
    };
    const quint32 red = byteAt(1), green = byteAt(3), blue = byteAt(5);
    return red | (green << 8) | (blue << 16);
}

QString ColourToCode(quint32 colour)
{
    const auto hex = [](quint32 value) {
        return QStringLiteral("%1").arg(value & 0xFF, 2, 16, QLatin1Char('0')).toUpper();
    };
    return u'#' + hex(colour) + hex(colour >> 8) + hex(colour >> 16);
}
