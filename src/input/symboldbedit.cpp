#include "symboldbedit.h"

#include <QStringList>

#include "hexcode.h"

SymbolRecord EmptySymbolRecord(qint32 group)
{
    SymbolRecord r;
    r.groupNumber = group;
    r.aux = QStringLiteral("0");
    return r;
}

qsizetype AddRowPosition(const QList<SymbolRecord> &records, qsizetype selected, qint32 group)
{
    const qsizetype n = records.size();
    if (selected >= 0 && selected < n) {
        const qint32 own = records[selected].groupNumber;
        qsizetype last = selected;
        while (last + 1 < n && records[last + 1].groupNumber == own)
            ++last;
        return last + 1;
    }
    if (n == 0)
        return 0;
    for (qsizetype i = n - 1; i >= 0; --i)
        if (records[i].groupNumber == group)
            return i + 1;
    // The first row of the nearest later group that has rows.
    qsizetype before = n;
    qint32 nearest = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const qint32 g = records[i].groupNumber;
        if (g > group && (before == n || g < nearest)) {
            nearest = g;
            before = i;
        }
    }
    return before;
}

void RenumberSymbolRecords(QList<SymbolRecord> &records)
{
    for (qsizetype i = 0; i < records.size(); ++i)
        records[i].no = int(i + 1);
}

QList<int> RowsWithoutValidCode(const QList<SymbolRecord> &records)
{
    QList<int> nos;
    for (const SymbolRecord &r : records)
        if (!IsHexCode(r.code) && !KeptAsRead(r))
            nos.append(r.no);
    return nos;
}

QString DroppedRowsQuestion(const QList<int> &nos)
{
    // A long list is cut, so the message box stays on the screen.
    constexpr qsizetype Shown = 20;
    QStringList shown;
    for (qsizetype i = 0; i < nos.size() && i < Shown; ++i)
        shown.append(QString::number(nos[i]));
    QString list = shown.join(QStringLiteral(", "));
    if (nos.size() > Shown)
        list += QStringLiteral(" ほか %1 行").arg(nos.size() - Shown);
    return QStringLiteral("Unicode が正しくない %1 行は保存されません。\r\nNo：%2\r\n"
                          "このまま保存しますか？")
        .arg(nos.size())
        .arg(list);
}

qsizetype FindRecordByCode(const QList<SymbolRecord> &records, QStringView code)
{
    for (qsizetype i = 0; i < records.size(); ++i)
        if (records[i].code == code)
            return i;
    return -1;
}

qsizetype FindRecordByNoText(const QList<SymbolRecord> &records, QStringView noText)
{
    bool ok = false;
    const qlonglong no = noText.toLongLong(&ok);
    if (!ok || no < 1 || QString::number(no) != noText)
        return -1;
    // The editors keep No equal to the position; look there first.
    if (no <= records.size() && records[no - 1].no == no)
        return qsizetype(no - 1);
    for (qsizetype i = 0; i < records.size(); ++i)
        if (records[i].no == no)
            return i;
    return -1;
}

int AuxListIndex(const QString &aux)
{
    if (aux.isEmpty())
        return -1;
    bool ok = false;
    const qint32 value = ParseDecimalInt(aux, &ok);
    return ok ? value : 0;
}

QStringList AuxListTexts()
{
    return {QStringLiteral("0 : 単独で用いられる"), QStringLiteral("1 : 親文字に対する補助"),
            QStringLiteral("2 : ２つの記号の中間")};
}
