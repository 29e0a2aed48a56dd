// The one rule by which every comma-separated line of the program's files
// (settings, word-book lines, table files) is split into fields.
#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include "codeunitscan.h"

// unclosedQuote, when given, tells whether a quoted field ran to the end of the line
// without its closing quote.
QStringList SplitCommaText(QStringView line, bool *unclosedQuote = nullptr);

// One field as a view into the line. A quoted field that held doubled quotes is given
// with them still doubled: CommaFieldText makes one of each pair.
struct CommaField
{
    QStringView text;
    bool doubledQuotes = false;
    // Whether the text holds a '#', which begins the escape codes of some files: seen
    // in the same pass that finds the field's end.
    bool hash = false;
};
QString CommaFieldText(const CommaField &field);

// Where U+0000 ends the line: in the settings and table files, as it ended the text in
// their original zero-terminated form. A word-book line keeps it as a character.
enum class CommaNul { EndsLine, IsText };

// The same rule as SplitCommaText without making a string: calls onField(CommaField)
// for each field in order. Returns whether a quoted field was left open.
template <typename OnField>
bool ForEachCommaField(QStringView line, CommaNul nul, OnField &&onField)
{
    // Codes 1 to 32 separate fields.
    const auto isSeparator = [](char16_t c) { return c >= 1 && c <= 32; };
    const char16_t *p = line.utf16();
    const char16_t *end = p + line.size();
    if (nul == CommaNul::EndsLine) {
        for (const char16_t *q = p; q < end; ++q) {
            if (*q == 0) {
                end = q;
                break;
            }
        }
    }
    bool unclosed = false;
    while (p < end && isSeparator(*p))
        ++p;
    while (p < end) {
        if (*p == u'"') {
            ++p;
            const char16_t *start = p;
            bool doubled = false;
            bool hash = false;
            while ((p = FindCodeUnitOf(p, end, u'"', u'#')) < end) {
                if (*p == u'#') {
                    hash = true;
                    ++p;
                } else if (p + 1 < end && p[1] == u'"') {
                    doubled = true;
                    p += 2;
                } else {
                    break;
                }
            }
            onField(CommaField{QStringView(start, p), doubled, hash});
            if (p < end)
                ++p; // the closing quote
            else
                unclosed = true;
        } else {
            const char16_t *start = p;
            bool hash = false;
            while (p < end && *p != u',' && !isSeparator(*p))
                hash |= *p++ == u'#';
            onField(CommaField{QStringView(start, p), false, hash});
        }
        while (p < end && isSeparator(*p))
            ++p;
        if (p < end && *p == u',') {
            if (p + 1 == end)
                onField(CommaField{QStringView(), false, false});
            ++p;
            while (p < end && isSeparator(*p))
                ++p;
        }
    }
    return unclosed;
}

// Quotes a field so that SplitCommaText gives it back unchanged: the text between
// double quotes, with every double quote inside doubled.
QString QuoteCommaField(QStringView field);
