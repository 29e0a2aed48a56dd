#include <QTest>

#include "candorderedit.h"
#include "keylayout.h"
#include "triggertables.h"

namespace {

const QStringList Content = {
    R"("0022","0301","",,,,,,,)",        // the double-quote key
    R"("E","","","","","","","","","")", // E without candidates
    R"("E","0259","025B",,,,,,,)",
    R"("EX","00C9",,,,,,,,)",            // begins with E, is not exactly E
    R"("A","00E6",,,,,,,,,)",            // 11 fields: ignored
    R"(";",,,,,,,,,)",
};

} // namespace

class tst_CandOrderEdit : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void keys();
    void lineMatching_data();
    void lineMatching();
    void registerReplacesOrAppends_data();
    void registerReplacesOrAppends();
    void newFileIsRecognised();
    void nosAndCodes();
    void keyboardRects();
};

void tst_CandOrderEdit::keys()
{
    const QList<QChar> keys = CandidateEditorKeys();
    QCOMPARE(keys.size(), 58);
    QVERIFY(std::is_sorted(keys.begin(), keys.end()));
    QVERIFY(keys.contains(QChar(0x22)) && keys.contains(u'\\') && !keys.contains(QChar(0)));
}

void tst_CandOrderEdit::lineMatching_data()
{
    QTest::addColumn<QChar>("key");
    QTest::addColumn<int>("shown");
    QTest::addColumn<bool>("has");
    QTest::addColumn<int>("registered");
    QTest::newRow("double quote as 0022") << QChar(0x22) << 0 << true << 0;
    QTest::newRow("first line shown even when empty") << QChar(u'E') << 1 << true << 1;
    QTest::newRow("eleven fields ignored") << QChar(u'A') << -1 << false << -1;
    QTest::newRow("only empty lines") << QChar(u';') << 5 << false << 5;
    QTest::newRow("no line") << QChar(u'Q') << -1 << false << -1;
}

void tst_CandOrderEdit::lineMatching()
{
    QFETCH(QChar, key);
    QFETCH(int, shown);
    QFETCH(bool, has);
    QFETCH(int, registered);
    QCOMPARE(ShownLineOf(Content, key), shown);
    QCOMPARE(KeyHasCandidates(Content, key), has);
    QCOMPARE(KeysWithCandidates(Content, {key}).contains(key), has);
    QCOMPARE(RegisteredLineOf(Content, key), registered);
}

void tst_CandOrderEdit::registerReplacesOrAppends_data()
{
    QTest::addColumn<QChar>("key");
    QTest::addColumn<int>("line");
    QTest::newRow("double quote replaced, not duplicated") << QChar(0x22) << 0;
    QTest::newRow("first exact line of E") << QChar(u'E') << 1;
    QTest::newRow("new key appended") << QChar(u'Q') << int(Content.size());
}

void tst_CandOrderEdit::registerReplacesOrAppends()
{
    QFETCH(QChar, key);
    QFETCH(int, line);
    QStringList lines = Content;
    RegisterCandidates(lines, key, {"1D4A", "", "0259"});
    RegisterCandidates(lines, key, {"1D4A", "", "0259"});
    QCOMPARE(lines.size(), Content.size() + (line == Content.size() ? 1 : 0));
    const QString field = key == QChar(0x22) ? QStringLiteral("0022") : QString(key);
    const QString rest = QStringLiteral(R"(","1D4A","","0259","","","","","","")");
    QCOMPARE(lines[line], QChar(0x22) + field + rest);
}

void tst_CandOrderEdit::newFileIsRecognised()
{
    QList<QChar> keys = CandidateEditorKeys();
    std::reverse(keys.begin(), keys.end()); // whatever the order of the list
    QStringList lines = NewCandidateOrderLines(keys);
    QCOMPARE(lines.size(), 58);
    const QString first = QStringLiteral(R"("~",,,,,,,,,)");
    const QString quote = QStringLiteral(R"("0022",,,,,,,,,)");
    QCOMPARE(lines[0], first);
    QVERIFY(lines.contains(quote));
    QVERIFY(IsCandidateOrderFile(lines));
    QVERIFY(KeysWithCandidates(lines, keys).isEmpty());
    // Nine empty slots registered: nine empty quoted fields, still no candidates.
    RegisterCandidates(lines, u',', {});
    const QString comma = QStringLiteral(R"(",","","","","","","","","","")");
    QVERIFY(lines.contains(comma));
    QVERIFY(!KeyHasCandidates(lines, u','));
    RegisterCandidates(lines, u',', {"00E9"});
    const TriggerTable table = BuildTriggerTable(lines);
    QCOMPARE(table.count(), 58);
    QVERIFY(std::any_of(table.entries.begin(), table.entries.end(), [](const TriggerEntry &e) {
        return e.trigger() == u',' && e.candidate(1) == u'é';
    }));
}

void tst_CandOrderEdit::nosAndCodes()
{
    QList<SymbolRecord> records(4);
    const QStringList codes{"0259", "025B", "0259", "00e9"};
    for (int i = 0; i < 4; ++i) {
        records[i].no = i + 1;
        records[i].code = codes[i];
    }
    // The first row of a code decides; an unknown code gives an empty No.
    const QString line = QStringLiteral(R"("E","0259","1D4A","","00E9","025B",,,,)");
    QCOMPARE(CandidateNos(line, records),
             (QStringList{"1", "", "", "", "2", "", "", "", ""}));
    QCOMPARE(CandidateCodesOfNos({"3", "05", "", "4", "9"}, records),
             (QStringList{"0259", "", "", "00e9", "", "", "", "", ""}));
}

void tst_CandOrderEdit::keyboardRects()
{
    const QList<QRect> r = CandidateKeyboardRects(16 + 13 * 40, 72 + 4 * 60);
    QCOMPARE(r.size(), KeyLayoutCount);
    QCOMPARE(r[0], QRect(8, 36, 38, 57));
    QCOMPARE(r[13].left(), 8 + 20);           // half a key in
    QCOMPARE(r[37].topLeft(), QPoint(8 + 60, 36 + 180));
    // "=" is half high; "-" sits right below it, same size.
    QCOMPARE(r[10].height(), 28);
    QCOMPARE(r[48], r[10].translated(0, 28));
    QCOMPARE(r[59], r[47].translated(0, r[47].height()));
}

QTEST_APPLESS_MAIN(tst_CandOrderEdit)
#include "tst_candorderedit.moc"
