#include "triggertables.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>

#include <vector>

#include "hexcode.h"
#include "settings.h"
#include "splitcommatext.h"

namespace {

QString badCodeMessage(const QString &path, int lineNumber, const QString &value)
{
    return QStringLiteral("%1 の %2 行目: '%3' は正しい16進数のコードではありません。")
        .arg(QFileInfo(path).fileName())
        .arg(lineNumber)
        .arg(value);
}

QString badAuxMessage(const QString &path, int lineNumber, const QString &value)
{
    return QStringLiteral("%1 の %2 行目: 補助の値 '%3' は正しい整数ではありません。")
        .arg(QFileInfo(path).fileName())
        .arg(lineNumber)
        .arg(value);
}

// Reads a table file whole; a missing file gives no lines and no issue.
QStringList readTableLines(const QString &path, TableIssues &issues, bool *exists)
{
    // An empty file name points at the folder itself: that is no table either.
    const QFileInfo info(path);
    *exists = info.exists() && !info.isDir();
    if (!*exists)
        return {};
    TextReadResult read = ReadTextFile(path, TextFileKind::Table);
    if (!read.ok) {
        issues.append({path, 0, QString(), read.errorMessage});
        return {};
    }
    return std::move(read.lines);
}

} // namespace

QString TablePath(const QString &tableFolder, const QString &fileName)
{
    return QDir(tableFolder).filePath(fileName);
}

bool IsCandidateOrderFile(const QStringList &lines)
{
    return !lines.isEmpty() && SplitCommaText(lines.first()).size() == 10;
}

TriggerTable BuildTriggerTable(const QStringList &lines, const QString &path, TableIssues *issues)
{
    TriggerTable table;
    table.entries.resize(lines.size());
    qsizetype filled = 0;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QStringList fields = SplitCommaText(lines[i]);
        if (fields.size() != 10 || fields[0].isEmpty())
            continue;
        TriggerEntry entry;
        bool ok = true;
        const QString *bad = nullptr;
        if (fields[0].size() == 4) {
            entry.units[0] = HexCodeToChar(fields[0], &ok);
            if (!ok)
                bad = &fields[0];
        } else {
            entry.units[0] = fields[0][0].unicode();
        }
        for (int n = 1; n <= 9 && ok; ++n) {
            entry.units[n] = HexCodeToChar(fields[n], &ok);
            if (!ok)
                bad = &fields[n];
        }
        if (!ok) {
            // The rest of the table is still usable: skip only this line.
            if (issues)
                issues->append({path, int(i + 1), *bad, badCodeMessage(path, int(i + 1), *bad)});
            continue;
        }
        table.entries[filled++] = entry;
    }
    return table;
}

QList<char16_t> DistinctCandidates(const TriggerTable &table)
{
    QList<char16_t> found;
    std::vector<bool> seen(0x10000, false);
    for (const TriggerEntry &entry : table.entries) {
        for (int n = 1; n <= 9; ++n) {
            const char16_t c = entry.units[n];
            if (c != 0 && !seen[c]) {
                seen[c] = true;
                found.append(c);
            }
        }
    }
    return found;
}

QList<TUnicodeDB> BuildNameList(const TriggerTable &table, const QStringList &symbolLines,
                                const QString &path, TableIssues *issues)
{
    const QList<char16_t> candidates = DistinctCandidates(table);
    QList<TUnicodeDB> names(candidates.size());
    if (candidates.isEmpty() || symbolLines.isEmpty())
        return names;

    std::vector<bool> wanted(0x10000, false);
    for (char16_t c : candidates)
        wanted[c] = true;

    // One pass over the file instead of one search per candidate: the first row of
    // each code decides, exactly as a search from the top would. A row whose aux value
    // is malformed is passed over, so a later row of the same code may name it.
    QHash<char16_t, TUnicodeDB> first;
    first.reserve(candidates.size());
    for (qsizetype i = 0; i < symbolLines.size(); ++i) {
        const QString &line = symbolLines[i];
        if (line.isEmpty())
            continue;
        const QStringList f = SplitCommaText(line);
        if (f.size() != 6 || !IsHexCode(f[1]))
            continue;
        const char16_t code = HexCodeToChar(f[1]);
        if (!wanted[code] || first.contains(code))
            continue;
        bool ok = false;
        const qint32 aux = ParseDecimalInt(f[4], &ok);
        if (!ok) {
            if (issues)
                issues->append({path, int(i + 1), f[4], badAuxMessage(path, int(i + 1), f[4])});
            continue;
        }
        first.insert(code, {code, f[3], f[2], aux, f[5]});
    }

    qsizetype next = 0;
    for (char16_t c : candidates) {
        const auto it = first.constFind(c);
        if (it != first.constEnd())
            names[next++] = *it;
    }
    return names;
}

CandidateTablesLoad LoadCandidateTables(const QString &tableFolder, const QString &candidateFile,
                                        const QString &symbolFile)
{
    CandidateTablesLoad load;
    bool exists = false;
    const QString candidatePath = TablePath(tableFolder, candidateFile);
    const QStringList candidateLines = readTableLines(candidatePath, load.issues, &exists);
    load.tables.table = BuildTriggerTable(candidateLines, candidatePath, &load.issues);

    const QString symbolPath = TablePath(tableFolder, symbolFile);
    const QStringList symbolLines = readTableLines(symbolPath, load.issues, &exists);
    load.tables.names = BuildNameList(load.tables.table, symbolLines, symbolPath, &load.issues);
    return load;
}

TableIssues ReloadLetterTables(CandidateTables &letterTables, const QString &tableFolder)
{
    CandidateTablesLoad load = LoadCandidateTables(
        tableFolder, QString::fromUtf16(LetterCandidateFile), QString::fromUtf16(LetterSymbolFile));
    letterTables = std::move(load.tables);
    return load.issues;
}

TableIssues ReloadPhoneticTables(CandidateTables &phoneticTables, const QString &tableFolder,
                                 const Settings &settings)
{
    CandidateTablesLoad load =
        LoadCandidateTables(tableFolder, settings.PhCandFile, settings.PhUDBFile);
    phoneticTables = std::move(load.tables);
    return load.issues;
}

QString SymbolNameOf(const QList<TUnicodeDB> &names, char16_t c, SymbolNameKind kind)
{
    if (c == 0)
        return QString();
    for (const TUnicodeDB &record : names) {
        if (record.code != c)
            continue;
        switch (kind) {
        case SymbolNameKind::Japanese:
            return record.japaneseName;
        case SymbolNameKind::English:
            return record.englishName;
        case SymbolNameKind::Notes:
            return record.notes;
        }
        return QString();
    }
    return QString();
}
