// The one rule by which every comma-separated line of the program's files
// (settings, word-book lines, table files) is split into fields.
#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

// unclosedQuote, when given, tells whether a quoted field ran to the end of the line
// without its closing quote.
QStringList SplitCommaText(QStringView line, bool *unclosedQuote = nullptr);

// Quotes a field so that SplitCommaText gives it back unchanged: the text between
// double quotes, with every double quote inside doubled.
QString QuoteCommaField(QStringView field);
