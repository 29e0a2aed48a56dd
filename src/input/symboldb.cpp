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
        const QStringList &f = split[i];
        if (f.size() != 6)
            continue;
        bool ok = false;
        const qint32 group = ParseDecimalInt(f[0], &ok);
        if (!ok) {
            report(issues, path, int(i + 1), f[0]);
            continue;
        }
        SymbolRecord r;
        r.groupNumber = group;
        r.no = int(db.records.size() + 1);
        r.code = f[1];
        r.glyph = GlyphOfCode(f[1]);
        r.englishName = f[2];
        r.japaneseName = f[3];
        r.aux = f[4];
        r.notes = f[5];
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

QStringList SymbolDatabaseLines(const SymbolDatabase &database)
{
    QStringList lines;
    lines.reserve(database.groups.size() + database.records.size());
    for (const SymbolGroup &g : database.groups)
        lines.append(QStringLiteral("Group,") + QString::number(g.number) + u',' +
                     QuoteCommaField(g.name));
    for (const SymbolRecord &r : database.records) {
        if (!IsHexCode(r.code))
            continue;
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
