#include "symboldb.h"

#include <QFileInfo>

#include "hexcode.h"
#include "splitcommatext.h"

namespace {

QString badNumberMessage(const QString &path, int lineNumber, const QString &value)
{
    return QStringLiteral("%1 の %2 行目: '%3' は正しい整数ではありません。")
        .arg(QFileInfo(path).fileName())
        .arg(lineNumber)
        .arg(value);
}

void report(TableIssues *issues, const QString &path, int lineNumber, const QString &value)
{
    if (issues)
        issues->append({path, lineNumber, value, badNumberMessage(path, lineNumber, value)});
}

void reportBadCode(TableIssues *issues, const QString &path, int lineNumber, const QString &code,
                   const QString &line)
{
    if (!issues)
        return;
    issues->append({path, lineNumber, code,
                    QStringLiteral("%1 の %2 行目: コード '%3' は4桁の大文字の16進数ではありません: %4")
                        .arg(QFileInfo(path).fileName())
                        .arg(lineNumber)
                        .arg(code, line)});
}

// The row a symbol line gives, before its No is known; false for a line that is no row.
bool recordOfFields(const QStringList &f, SymbolRecord *r, bool *groupOk)
{
    if (f.size() != 6)
        return false;
    bool ok = false;
    r->groupNumber = ParseDecimalInt(f[0], &ok);
    *groupOk = ok;
    r->code = f[1];
    r->glyph = GlyphOfCode(f[1]);
    r->englishName = f[2];
    r->japaneseName = f[3];
    r->aux = f[4];
    r->notes = f[5];
    return true;
}

} // namespace

QString GlyphOfCode(QStringView code)
{
    if (!IsHexCode(code))
        return QString();
    return QString(QChar(HexCodeToChar(code)));
}

SymbolDatabase ParseSymbolDatabase(const QStringList &lines, const QString &path,
                                   TableIssues *issues)
{
    SymbolDatabase db;
    QList<QStringList> split;
    split.reserve(lines.size());
    for (const QString &line : lines)
        split.append(SplitCommaText(line));

    for (qsizetype i = 0; i < split.size(); ++i) {
        const QStringList &f = split[i];
        if (f.size() != 3 || f[0] != u"Group")
            continue;
        bool ok = false;
        const qint32 number = ParseDecimalInt(f[1], &ok);
        if (!ok) {
            report(issues, path, int(i + 1), f[1]);
            continue;
        }
        db.groups.append({number, f[2]});
    }
    db.records.reserve(split.size() - db.groups.size());
    for (qsizetype i = 0; i < split.size(); ++i) {
        SymbolRecord r;
        bool groupOk = false;
        if (!recordOfFields(split[i], &r, &groupOk))
            continue;
        if (!groupOk) {
            report(issues, path, int(i + 1), split[i][0]);
            continue;
        }
        r.no = int(db.records.size() + 1);
        if (!IsHexCode(r.code)) {
            r.sourceLine = lines[i];
            reportBadCode(issues, path, int(i + 1), r.code, lines[i]);
        }
        db.records.append(std::move(r));
    }
    return db;
}

SymbolDatabase LoadSymbolDatabase(const QString &path, TableIssues *issues)
{
    if (!QFileInfo::exists(path))
        return {};
    const TextReadResult read = ReadTextFile(path, TextFileKind::Table);
    if (!read.ok) {
        if (issues)
            issues->append({path, 0, QString(), read.errorMessage});
        return {};
    }
    return ParseSymbolDatabase(read.lines, path, issues);
}

QString TableIssuesText(const TableIssues &issues)
{
    // A long list is cut, so the message box stays on the screen.
    constexpr qsizetype Shown = 20;
    QStringList messages;
    for (qsizetype i = 0; i < issues.size() && i < Shown; ++i)
        messages.append(issues[i].message);
    if (issues.size() > Shown)
        messages.append(QStringLiteral("ほか %1 件").arg(issues.size() - Shown));
    return messages.join(u'\n');
}

bool KeptAsRead(const SymbolRecord &record)
{
    if (record.sourceLine.isEmpty() || IsHexCode(record.code))
        return false;
    SymbolRecord read;
    bool groupOk = false;
    if (!recordOfFields(SplitCommaText(record.sourceLine), &read, &groupOk) || !groupOk)
        return false;
    read.no = record.no;
    read.sourceLine = record.sourceLine;
    return read == record;
}

QStringList SymbolDatabaseLines(const SymbolDatabase &database)
{
    QStringList lines;
    lines.reserve(database.groups.size() + database.records.size());
    for (const SymbolGroup &g : database.groups)
        lines.append(QStringLiteral("Group,") + QString::number(g.number) + u',' +
                     QuoteCommaField(g.name));
    for (const SymbolRecord &r : database.records) {
        if (!IsHexCode(r.code)) {
            if (KeptAsRead(r))
                lines.append(r.sourceLine);
            continue;
        }
        // Quotes inside a text are doubled, so the file reads back as it was saved.
        lines.append(QString::number(r.groupNumber) + u',' + QuoteCommaField(r.code) + u',' +
                     QuoteCommaField(r.englishName) + u',' + QuoteCommaField(r.japaneseName) +
                     u',' + QuoteCommaField(r.aux) + u',' + QuoteCommaField(r.notes));
    }
    return lines;
}

WriteResult SaveSymbolDatabase(const SymbolDatabase &database, const QString &path)
{
    return WriteAnsiFile(path, SymbolDatabaseLines(database));
}
