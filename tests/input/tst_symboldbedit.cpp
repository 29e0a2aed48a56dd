#include <QTest>

#include "symboldbedit.h"

namespace {

// Rows given as "group:code", numbered in order.
QList<SymbolRecord> rows(const QStringList &spec)
{
    QList<SymbolRecord> records;
    for (const QString &s : spec) {
        SymbolRecord r;
        r.groupNumber = s.section(u':', 0, 0).toInt();
        r.code = s.section(u':', 1);
        records.append(r);
    }
    RenumberSymbolRecords(records);
    return records;
}

} // namespace

class tst_SymbolDbEdit : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void addPosition_data();
    void addPosition();
    void deleteRenumbers();
    void droppedRows();
    void lookups_data();
    void lookups();
    void auxIndex_data();
    void auxIndex();
};

void tst_SymbolDbEdit::addPosition_data()
{
    QTest::addColumn<QStringList>("records");
    QTest::addColumn<int>("selected");
    QTest::addColumn<int>("group");
    QTest::addColumn<int>("position");

    const QStringList mixed{"0:", "0:", "2:", "2:", "1:", "3:"};
    QTest::newRow("empty list") << QStringList{} << -1 << 4 << 0;
    QTest::newRow("after the last row of G") << mixed << -1 << 0 << 2;
    QTest::newRow("G last in the file") << mixed << -1 << 3 << 6;
    QTest::newRow("G empty: before the nearest later group") << QStringList{"0:", "3:", "2:"} << -1
                                                             << 1 << 2;
    QTest::newRow("G empty, no later group") << QStringList{"0:", "1:"} << -1 << 5 << 2;
    QTest::newRow("selected: end of its run") << mixed << 2 << 2 << 4;
    QTest::newRow("selected: run ends the file") << QStringList{"1:", "0:", "0:"} << 1 << 0 << 3;
    QTest::newRow("selected: same group later, not contiguous") << QStringList{"0:", "1:", "0:"}
                                                                << 0 << 0 << 1;
}

void tst_SymbolDbEdit::addPosition()
{
    QFETCH(QStringList, records);
    QFETCH(int, selected);
    QFETCH(int, group);
    QFETCH(int, position);
    QCOMPARE(AddRowPosition(rows(records), selected, group), position);
}

void tst_SymbolDbEdit::deleteRenumbers()
{
    QList<SymbolRecord> r = rows({"0:0041", "0:0042", "0:0043", "0:0044", "0:0045"});
    r.removeAt(2);
    RenumberSymbolRecords(r);
    QCOMPARE(r[2].no, 3);
    QCOMPARE(r[3].no, 4);
    QCOMPARE(r[3].code, QStringLiteral("0045"));
}

void tst_SymbolDbEdit::droppedRows()
{
    const QList<SymbolRecord> r = rows({"0:00E9", "0:", "0:00e9", "0:0041"});
    QCOMPARE(RowsWithoutValidCode(r), (QList<int>{2, 3}));
    QCOMPARE(DroppedRowsQuestion({2, 3}),
             QStringLiteral("Unicode が正しくない 2 行は保存されません。\r\nNo：2, 3\r\n"
                            "このまま保存しますか？"));
    QList<int> many;
    for (int i = 1; i <= 25; ++i)
        many.append(i);
    QVERIFY(DroppedRowsQuestion(many).contains(QStringLiteral("20 ほか 5 行")));
}

void tst_SymbolDbEdit::lookups_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<int>("byCode");
    QTest::addColumn<QString>("no");
    QTest::addColumn<int>("byNo");
    QTest::newRow("first of two equal codes") << "0259" << 1 << "2" << 1;
    QTest::newRow("lower case is another text") << "00e9" << -1 << "02" << -1;
    QTest::newRow("missing") << "1D4A" << -1 << "9" << -1;
    QTest::newRow("empty") << "" << -1 << "" << -1;
}

void tst_SymbolDbEdit::lookups()
{
    QFETCH(QString, code);
    QFETCH(int, byCode);
    QFETCH(QString, no);
    QFETCH(int, byNo);
    const QList<SymbolRecord> r = rows({"0:00E9", "0:0259", "1:0259"});
    QCOMPARE(FindRecordByCode(r, code), byCode);
    QCOMPARE(FindRecordByNoText(r, no), byNo);
}

void tst_SymbolDbEdit::auxIndex_data()
{
    QTest::addColumn<QString>("aux");
    QTest::addColumn<int>("index");
    QTest::newRow("two") << "2" << 2;
    QTest::newRow("not numeric") << "x" << 0;
    QTest::newRow("empty") << "" << -1;
}

void tst_SymbolDbEdit::auxIndex()
{
    QFETCH(QString, aux);
    QFETCH(int, index);
    QCOMPARE(AuxListIndex(aux), index);
}

QTEST_APPLESS_MAIN(tst_SymbolDbEdit)
#include "tst_symboldbedit.moc"
