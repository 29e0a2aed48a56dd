// One word book in memory and its ".utx" file: UTF-16 LE with FF FE, CR LF after every
// line, three header lines (title, group, voice folder), then one line per word.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include "textfile.h"

struct WordEntry
{
    QString foreignWord;
    QString phoneticSymbols;
    QString phoneticKana;
    QString japanese;
    QString notes;
    QString voiceFile;  // bare file name
    QString textColour; // "#RRGGBB" or empty

    bool operator==(const WordEntry &) const = default;
};
// Strings only: a word may be moved bit by bit, as QList moves its strings.
Q_DECLARE_TYPEINFO(WordEntry, Q_RELOCATABLE_TYPE);

struct WordBook
{
    QString title;
    QString group;
    QString voiceFolder; // empty: the voice files lie beside the book
    QString fileName;    // bare name with ".utx"; not stored in the file
    QList<WordEntry> words;
    // Word lines that could not be read as words (hand-edited lines with the wrong
    // number of fields or a quote left open). They are not shown, but every save writes
    // them back unchanged after the words, so nothing the user typed is ever lost.
    // Keep them with the book between loading and saving.
    QStringList keptLines;

    bool operator==(const WordBook &) const = default;
};

inline constexpr int WordFieldCount = 7;
inline constexpr int WordBookHeaderLines = 3;

// CR becomes "#$0D", LF is dropped, a double quote becomes "#$22".
QString EscapeField(QStringView field);
// "#$0D" becomes CR LF, then "#$22" a double quote.
QString UnescapeField(QStringView field);

// The seven fields in file order.
QStringList WordFields(const WordEntry &word);
// The seven fields quoted and joined by commas, as stored.
QString WordLine(const WordEntry &word);
// A stored line read back as a word; false for a line that is kept instead (wrong
// number of fields, or a quoted field without its closing quote).
bool ParseWordLine(QStringView line, WordEntry *word);

// A header value on one line: every line break (CR LF, CR or LF) becomes a blank.
QString HeaderLine(QStringView value);
// Every line of the file: the header, the words, the kept lines.
QStringList WordBookLines(const WordBook &book);
// The book read from the lines of a file of at least three lines.
WordBook WordBookFromLines(const QStringList &lines, const QString &fileName);
// The count the word-book list shows: every line after the header.
inline qsizetype StoredLineCount(const WordBook &book)
{
    return book.words.size() + book.keptLines.size();
}

enum class WordBookStatus {
    Loaded,
    Missing,     // no such file
    NotWordBook, // fewer than three lines
    ReadFailed,  // exists but could not be read; errorMessage names it
};

struct WordBookLoadResult
{
    WordBookStatus status = WordBookStatus::Missing;
    WordBook book;
    QString errorMessage;
    bool ok() const { return status == WordBookStatus::Loaded; }
};

QString WordBookPath(const QString &folder, const QString &fileName);

WordBookLoadResult LoadWordBook(const QString &folder, const QString &fileName);
// Replaces the whole file atomically. An empty fileName writes nothing and gives
// ok == false with an empty message: there is no book to write.
WriteResult SaveWordBook(const QString &folder, const WordBook &book);

// What the word-book list shows of one file.
struct WordBookSummary
{
    QString title;
    QString fileName;
    QString group;
    qsizetype count = 0; // lines after the header, well-formed or not

    bool operator==(const WordBookSummary &) const = default;
};
Q_DECLARE_TYPEINFO(WordBookSummary, Q_RELOCATABLE_TYPE);

struct WordBookSummaryResult
{
    WordBookStatus status = WordBookStatus::Missing;
    WordBookSummary summary;
    QString errorMessage;
    bool ok() const { return status == WordBookStatus::Loaded; }
};

WordBookSummaryResult ReadWordBookSummary(const QString &folder, const QString &fileName);
