// Symbol database files ("DB*.csv"): groups and symbol rows with their codes and
// names, read and written whole, as the table editors hold them.
#pragma once

#include <QList>
#include <QString>

#include "textfile.h"

// A line of a table file that was skipped because a number or code in it is malformed,
// or a file that could not be read (lineNumber 0). Kept so an editor can name it.
struct TableIssue
{
    QString path;
    int lineNumber = 0; // 1-based
    QString value;      // the malformed text
    QString message;    // ready to show
    bool operator==(const TableIssue &) const = default;
};
using TableIssues = QList<TableIssue>;
// The messages one below the other, the first twenty of a long list; empty for none.
QString TableIssuesText(const TableIssues &issues);

struct SymbolGroup
{
    qint32 number = 0;
    QString name;
    bool operator==(const SymbolGroup &) const = default;
};

struct SymbolRecord
{
    qint32 groupNumber = 0;
    int no = 0;    // 1-based position among the rows; not stored in the file
    QString code;  // as read; four upper-case hexadecimal digits when valid
    QString glyph; // the character of a valid code, else empty; not stored
    QString englishName;
    QString japaneseName;
    QString aux;   // "0" on its own, "1" auxiliary to a base letter, "2" between two
    QString notes; // a "注" marks the row for attention
    // The line as read, for a row whose code is not valid: written back as it was
    // while the row is not edited. Empty for every other row.
    QString sourceLine = {};
    bool operator==(const SymbolRecord &) const = default;
};

struct SymbolDatabase
{
    QList<SymbolGroup> groups;
    QList<SymbolRecord> records;
    bool operator==(const SymbolDatabase &) const = default;
};

// The glyph of a code text: its character when IsHexCode holds, else empty.
QString GlyphOfCode(QStringView code);

// Group lines first, then symbol rows, each kind in file order, whatever their order in
// the file. A missing file gives an empty database and no issue. A row or Group line
// with a malformed group number is skipped and reported in *issues; a row whose code is
// not four upper-case hexadecimal digits is kept as read and reported.
SymbolDatabase LoadSymbolDatabase(const QString &path, TableIssues *issues = nullptr);
// Parsing of lines already read, as LoadSymbolDatabase does; path only names issues.
SymbolDatabase ParseSymbolDatabase(const QStringList &lines, const QString &path = QString(),
                                   TableIssues *issues = nullptr);

// True for a row with an invalid code that is still as it was read: a save writes its
// line back unchanged instead of dropping it.
bool KeptAsRead(const SymbolRecord &record);

// The lines SaveSymbolDatabase writes: all Group lines, then the rows with valid codes
// and the rows kept as read, in list order.
QStringList SymbolDatabaseLines(const SymbolDatabase &database);
// Creates or replaces the file (ANSI code page, CR LF after every line).
WriteResult SaveSymbolDatabase(const SymbolDatabase &database, const QString &path);
