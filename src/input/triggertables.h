// The in-memory trigger tables: for each trigger key the candidates offered in order,
// built from a candidate-order file ("Cand*.csv") and the names of the candidates from
// a symbol database. Two sets exist: the letter tables and the phonetic tables.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <array>

#include "symboldb.h"

struct Settings;

// Unit 0: the trigger key; units 1 to 9: the candidates in order, 0 for an empty
// slot; unit 10: always 0.
struct TriggerEntry
{
    std::array<char16_t, 11> units{};
    char16_t trigger() const { return units[0]; }
    char16_t candidate(int n) const { return units[n]; } // n = 1..9
    bool operator==(const TriggerEntry &) const = default;
};

// One entry per line of the candidate-order file: the valid lines from the start, in
// file order, all-zero entries after them. An all-zero entry never matches a key.
struct TriggerTable
{
    QList<TriggerEntry> entries;
    qsizetype count() const { return entries.size(); }
    bool operator==(const TriggerTable &) const = default;
};

// The names of one candidate character.
struct TUnicodeDB
{
    char16_t code = 0;
    QString japaneseName;
    QString englishName;
    qint32 aux = 0;
    QString notes;
    bool operator==(const TUnicodeDB &) const = default;
};

struct CandidateTables
{
    TriggerTable table;
    // One record per distinct candidate the symbol database names, in order of first
    // occurrence; records left over at the end (characters without a row) have code 0.
    QList<TUnicodeDB> names;
    bool operator==(const CandidateTables &) const = default;
};

// What a load could not read: skipped lines with malformed codes or numbers, and files
// that exist but could not be read. A missing file is not an issue.
struct CandidateTablesLoad
{
    CandidateTables tables;
    TableIssues issues;
};

// The fixed file names of the letter tables.
inline constexpr char16_t LetterCandidateFile[] = u"CandVelmor.csv";
inline constexpr char16_t LetterSymbolFile[] = u"DBVelmor.csv";

// The path of a table file name relative to the table folder (an absolute name stays).
QString TablePath(const QString &tableFolder, const QString &fileName);

// The candidate-order editor's test of a file: its first line splits into exactly 10
// fields. The table build takes every valid line without this test.
bool IsCandidateOrderFile(const QStringList &lines);

// Builds the trigger table from the lines of a candidate-order file.
TriggerTable BuildTriggerTable(const QStringList &lines, const QString &path = QString(),
                               TableIssues *issues = nullptr);
// The distinct non-zero candidates, in order of first occurrence.
QList<char16_t> DistinctCandidates(const TriggerTable &table);
// The name list for the candidates of a table from the lines of a symbol database.
QList<TUnicodeDB> BuildNameList(const TriggerTable &table, const QStringList &symbolLines,
                                const QString &path = QString(), TableIssues *issues = nullptr);

// Both file names are relative to the table folder. Missing files give empty parts; a
// line with a malformed code or aux value is skipped and reported; loading always
// finishes.
CandidateTablesLoad LoadCandidateTables(const QString &tableFolder, const QString &candidateFile,
                                        const QString &symbolFile);

// Replace the given set as a whole; the issues of the load are returned.
TableIssues ReloadLetterTables(CandidateTables &letterTables, const QString &tableFolder);
TableIssues ReloadPhoneticTables(CandidateTables &phoneticTables, const QString &tableFolder,
                                 const Settings &settings);

enum class SymbolNameKind { Japanese = 0, English = 1, Notes = 2 };
// The name of the first record for c; empty for 0 or a character without a record.
QString SymbolNameOf(const QList<TUnicodeDB> &names, char16_t c, SymbolNameKind kind);
