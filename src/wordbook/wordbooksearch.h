// The word-book search: one field of every word of every ".utx" file of a folder,
// compared as stored (escapes not expanded). Each file is read once and a line is split
// into fields only where the query occurs in it.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <memory>

struct TextLines;

struct SearchHit
{
    // The seven fields as stored, in file order.
    QString foreignWord;
    QString phoneticSymbols;
    QString phoneticKana;
    QString japanese;
    QString notes;
    QString voiceFile;
    QString textColour;
    QString title; // the book's first line
    int number = 0; // line number - 3
    bool exact = false;

    // "No" of the result list: "*" before the number of an exact hit.
    QString numberText() const;
    bool operator==(const SearchHit &) const = default;
};

struct WordBookSearchResult
{
    QList<SearchHit> hits;
    // Files that could not be read, by name: they give no hits, the others still do.
    QStringList unreadableFiles;
};

// Finds the query in a text: exactly and case-sensitively, or loosely (letter case and
// accents ignored, ß = ss) by collation at primary strength.
class SearchMatcher
{
public:
    SearchMatcher(const QString &query, bool loose);
    ~SearchMatcher();
    SearchMatcher(const SearchMatcher &) = delete;
    SearchMatcher &operator=(const SearchMatcher &) = delete;

    // The offset of the first match at or after from, or -1.
    qsizetype find(QStringView text, qsizetype from = 0) const;
    bool contains(QStringView text) const { return find(text) >= 0; }
    const QString &query() const { return m_query; }
    bool loose() const { return m_loose; }

private:
    struct Loose;
    QString m_query;
    bool m_loose;
    std::unique_ptr<Loose> m_icu;
};

// field: 0..5, the selector's item (field field + 1 of the line).
void SearchWordBookLines(const TextLines &lines, int field, const SearchMatcher &matcher,
                         QList<SearchHit> *hits);

// Every "*.utx" of the folder (any letter case), in the order the file system lists them.
// An empty query finds nothing.
WordBookSearchResult SearchWordBooks(const QString &folder, int field, const QString &query,
                                     bool loose = false);
