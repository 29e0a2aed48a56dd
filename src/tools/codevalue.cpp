#include "codevalue.h"

QString CodeValueText(QStringView text)
{
    static constexpr char16_t digits[] = u"0123456789ABCDEF";
    QString out;
    out.reserve(text.size() * 7);
    for (const QChar ch : text) {
        const char16_t u = ch.unicode();
        out.append(u"/#$");
        out.append(QChar(digits[(u >> 12) & 0xF]));
        out.append(QChar(digits[(u >> 8) & 0xF]));
        out.append(QChar(digits[(u >> 4) & 0xF]));
        out.append(QChar(digits[u & 0xF]));
    }
    return out;
}

QStringView TrimControlAndBlanks(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin].unicode() <= 0x20)
        ++begin;
    while (end > begin && text[end - 1].unicode() <= 0x20)
        --end;
    return text.sliced(begin, end - begin);
}
