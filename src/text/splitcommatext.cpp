#include "splitcommatext.h"

namespace {

// Codes 1 to 32 separate fields. U+0000 ends the line, as it ends the text in the
// files' original zero-terminated form.
inline bool isSeparator(char16_t c)
{
    return c >= 1 && c <= 32;
}

} // namespace

QStringList SplitCommaText(QStringView line, bool *unclosedQuote)
{
    QStringList fields;
    if (unclosedQuote)
        *unclosedQuote = false;
    const char16_t *p = line.utf16();
    const char16_t *end = p + line.size();
    for (const char16_t *q = p; q < end; ++q) {
        if (*q == 0) {
            end = q;
            break;
        }
    }

    while (p < end && isSeparator(*p))
        ++p;
    while (p < end) {
        if (*p == u'"') {
            ++p;
            QString field;
            const char16_t *start = p;
            while (p < end) {
                if (*p == u'"') {
                    if (p + 1 < end && p[1] == u'"') {
                        field.append(QStringView(start, p + 1));
                        p += 2;
                        start = p;
                        continue;
                    }
                    break;
                }
                ++p;
            }
            field.append(QStringView(start, p));
            if (p < end)
                ++p; // the closing quote
            else if (unclosedQuote)
                *unclosedQuote = true;
            fields.append(std::move(field));
        } else {
            const char16_t *start = p;
            while (p < end && *p != u',' && !isSeparator(*p))
                ++p;
            fields.append(QStringView(start, p).toString());
        }
        while (p < end && isSeparator(*p))
            ++p;
        if (p < end && *p == u',') {
            if (p + 1 == end)
                fields.append(QString());
            ++p;
            while (p < end && isSeparator(*p))
                ++p;
        }
    }
    return fields;
}

QString QuoteCommaField(QStringView field)
{
    QString out;
    out.reserve(field.size() + 2);
    out.append(u'"');
    for (QChar c : field) {
        if (c == u'"')
            out.append(u'"');
        out.append(c);
    }
    out.append(u'"');
    return out;
}
