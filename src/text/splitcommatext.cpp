#include "splitcommatext.h"

QString CommaFieldText(const CommaField &field)
{
    if (!field.doubledQuotes)
        return field.text.toString();
    QString out;
    out.reserve(field.text.size());
    const char16_t *p = field.text.utf16();
    const char16_t *end = p + field.text.size();
    for (; p < end; ++p) {
        out.append(QChar(*p));
        if (*p == u'"')
            ++p; // the pair stands for one
    }
    return out;
}

QStringList SplitCommaText(QStringView line, bool *unclosedQuote)
{
    QStringList fields;
    fields.reserve(8);
    const bool unclosed = ForEachCommaField(line, CommaNul::EndsLine, [&](const CommaField &f) {
        fields.append(CommaFieldText(f));
    });
    if (unclosedQuote)
        *unclosedQuote = unclosed;
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
