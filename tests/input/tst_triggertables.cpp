#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include "hexcode.h"
#include "settings.h"
#include "tablerebuild.h"
#include "textfile.h"
#include "triggertables.h"

using Units = QList<int>;
Q_DECLARE_METATYPE(Units)

namespace {

TriggerEntry entry(std::initializer_list<int> units)
{
    TriggerEntry e;
    int i = 0;
    for (int u : units)
        e.units[i++] = char16_t(u);
    return e;
}

Units unitsOf(const TriggerEntry &e)
{
    Units out;
    for (char16_t u : e.units)
        out.append(u);
    return out;
}

const QString kDbLines[] = {
    "Group,0,\"Vowels\"",
    "0,\"00E9\",\"LATIN SMALL LETTER E WITH ACUTE\",\"e 鋭アクセント\",\"0\",\"\"",
    "0,\"00E8\",\"LATIN SMALL LETTER E WITH GRAVE\",\"e 重アクセント\",\"0\",\"注 é と区別\"",
    "0,\"00EA\",\"LATIN SMALL LETTER E WITH CIRCUMFLEX\",\"e 曲アクセント\",\"0\",\"\"",
    "0,\"0301\",\"COMBINING ACUTE ACCENT\",\"結合鋭アクセント\",\"1\",\"\"",
};

QStringList dbLines()
{
    QStringList lines;
    for (const QString &l : kDbLines)
        lines.append(l);
    return lines;
}

} // namespace

class tst_TriggerTables : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void entryOfLine_data();
    void entryOfLine();
    void oneEntryPerLine();
    void recognition_data();
    void recognition();
    void badCodeSkipped_data();
    void badCodeSkipped();
    void distinctCandidates();
    void nameList();
    void nameListSkipsBadAux();
    void nameListMatchesSearchPerCandidate();
    void symbolNameOf_data();
    void symbolNameOf();
    void loadFromFolder();
    void missingFiles();
    void rebuildLeavesNothingBehind();
    void reloadFunctions();
    void rebuildMoments_data();
    void rebuildMoments();
    void rebuildAfterOptions();

private:
    QTemporaryDir m_dir;
};

void tst_TriggerTables::entryOfLine_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<Units>("units"); // empty: the line gives no entry

    const Units none;
    QTest::newRow("written by the editor")
        << "\"e\",\"00E9\",\"00E8\",\"00EA\",\"\",\"\",\"\",\"\",\"\",\"\""
        << Units{'e', 0xE9, 0xE8, 0xEA, 0, 0, 0, 0, 0, 0, 0};
    QTest::newRow("double-quote key") << "\"0022\",\"201C\",\"201D\",,,,,,,"
                                      << Units{'"', 0x201C, 0x201D, 0, 0, 0, 0, 0, 0, 0, 0};
    QTest::newRow("four-character trigger is a code")
        << "\"00E9\",\"0301\",,,,,,,," << Units{0xE9, 0x301, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    QTest::newRow("two characters: first one")
        << "ab,00E9,,,,,,,," << Units{'a', 0xE9, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    QTest::newRow("three characters: first one")
        << "xyz,00E9,,,,,,,," << Units{'x', 0xE9, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    QTest::newRow("empty slot keeps its place")
        << "a,00E0,,00E2,,,,,,00E4" << Units{'a', 0xE0, 0, 0xE2, 0, 0, 0, 0, 0, 0xE4, 0};
    QTest::newRow("lower-case candidates")
        << "e,00e9,00ea,,,,,,," << Units{'e', 0xE9, 0xEA, 0, 0, 0, 0, 0, 0, 0, 0};
    QTest::newRow("other lengths are empty slots")
        << "e,E9,000E9,00E8,,,,,," << Units{'e', 0, 0, 0xE8, 0, 0, 0, 0, 0, 0, 0};
    QTest::newRow("nine fields ignored") << "e,00E9,,,,,,," << none;
    QTest::newRow("eleven fields ignored") << "e,00E9,,,,,,,,," << none;
    QTest::newRow("trailing comma after tenth") << "e,00E9,,,,,,,,00E8," << none;
    QTest::newRow("empty trigger ignored") << "\"\",00E9,,,,,,,," << none;
    QTest::newRow("new line of the editor")
        << "\"q\",,,,,,,,," << Units{'q', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    QTest::newRow("blank candidate kept")
        << "q,0020,,,,,,,," << Units{'q', 0x20, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    QTest::newRow("empty line") << "" << none;
}

void tst_TriggerTables::entryOfLine()
{
    QFETCH(QString, line);
    QFETCH(Units, units);
    TableIssues issues;
    const TriggerTable table = BuildTriggerTable({line}, "c.csv", &issues);
    QVERIFY(issues.isEmpty());
    QCOMPARE(table.count(), 1);
    if (units.isEmpty())
        QCOMPARE(table.entries[0], TriggerEntry());
    else
        QCOMPARE(unitsOf(table.entries[0]), units);
}

void tst_TriggerTables::oneEntryPerLine()
{
    // Valid lines fill from the start; the entries after them are all zero.
    const QStringList lines{
        "junk", "a,00E0,,,,,,,,", "", "b,,,,,,,,,,", "a,00E1,,,,,,,,", "Group,0,\"x\"",
    };
    const TriggerTable table = BuildTriggerTable(lines);
    QCOMPARE(table.count(), 6);
    QCOMPARE(table.entries[0], entry({'a', 0xE0}));
    QCOMPARE(table.entries[1], entry({'a', 0xE1}));
    for (int i = 2; i < 6; ++i)
        QCOMPARE(table.entries[i], TriggerEntry());
}

void tst_TriggerTables::recognition_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("editor line") << QStringList{"\"q\",,,,,,,,,"} << true;
    QTest::newRow("symbol database") << QStringList{"Group,0,\"a\""} << false;
    QTest::newRow("first line decides") << QStringList{"x", "a,00E0,,,,,,,,"} << false;
    QTest::newRow("empty file") << QStringList{} << false;
}

void tst_TriggerTables::recognition()
{
    QFETCH(QStringList, lines);
    QFETCH(bool, accepted);
    QCOMPARE(IsCandidateOrderFile(lines), accepted);
}

void tst_TriggerTables::badCodeSkipped_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("value");
    QTest::newRow("trigger") << "00G9,00E9,,,,,,,,"
                             << "00G9";
    QTest::newRow("first candidate") << "e,00E9,zzzz,,,,,,,"
                                     << "zzzz";
    QTest::newRow("last candidate") << "e,00E9,,,,,,,,0x12"
                                    << "0x12";
}

void tst_TriggerTables::badCodeSkipped()
{
    QFETCH(QString, line);
    QFETCH(QString, value);
    TableIssues issues;
    const TriggerTable table =
        BuildTriggerTable({"a,00E0,,,,,,,,", line, "b,00E1,,,,,,,,"}, "/t/CandX.csv", &issues);
    // The faulty line is skipped; the lines around it still count.
    QCOMPARE(table.count(), 3);
    QCOMPARE(table.entries[0], entry({'a', 0xE0}));
    QCOMPARE(table.entries[1], entry({'b', 0xE1}));
    QCOMPARE(table.entries[2], TriggerEntry());
    QCOMPARE(issues.size(), 1);
    QCOMPARE(issues[0].path, QString("/t/CandX.csv"));
    QCOMPARE(issues[0].lineNumber, 2);
    QCOMPARE(issues[0].value, value);
    QVERIFY(issues[0].message.contains("CandX.csv"));
    QVERIFY(issues[0].message.contains(value));
}

void tst_TriggerTables::distinctCandidates()
{
    TriggerTable table;
    table.entries = {entry({'e', 0xE9, 0, 0xE8}), entry({'a', 0xE0, 0xE9}), entry({'E', 0xC9}),
                     TriggerEntry()};
    QCOMPARE(DistinctCandidates(table), (QList<char16_t>{0xE9, 0xE8, 0xE0, 0xC9}));
}

void tst_TriggerTables::nameList()
{
    TriggerTable table;
    table.entries = {entry({'e', 0xEA, 0xE9, 0x1234, 0xE8}), entry({'x', 0xE9, 0x301})};
    TableIssues issues;
    const QList<TUnicodeDB> names = BuildNameList(table, dbLines(), "db.csv", &issues);
    QVERIFY(issues.isEmpty());
    // Five distinct candidates, one unknown: four records in order of first occurrence,
    // and one empty record at the end.
    QCOMPARE(names.size(), 5);
    QCOMPARE(names[0].code, char16_t(0xEA));
    QCOMPARE(names[1].code, char16_t(0xE9));
    QCOMPARE(names[1].japaneseName, QString::fromUtf8("e 鋭アクセント"));
    QCOMPARE(names[1].englishName, QString("LATIN SMALL LETTER E WITH ACUTE"));
    QCOMPARE(names[2].code, char16_t(0xE8));
    QCOMPARE(names[2].notes, QString::fromUtf8("注 é と区別"));
    QCOMPARE(names[3].code, char16_t(0x301));
    QCOMPARE(names[3].aux, 1);
    QCOMPARE(names[4], TUnicodeDB());
}

void tst_TriggerTables::nameListSkipsBadAux()
{
    TriggerTable table;
    table.entries = {entry({'e', 0xE9, 0xE8})};
    const QStringList lines{
        "0,\"00E9\",\"BAD AUX\",\"x\",\"one\",\"\"",
        "0,\"00E9\",\"GOOD\",\"良\",\"2\",\"\"",
        "0,\"00E8\",\"EMPTY AUX\",\"x\",\"\",\"\"",
    };
    TableIssues issues;
    const QList<TUnicodeDB> names = BuildNameList(table, lines, "/t/DBX.csv", &issues);
    QCOMPARE(names.size(), 2);
    QCOMPARE(names[0], (TUnicodeDB{0xE9, QString::fromUtf8("良"), "GOOD", 2, ""}));
    QCOMPARE(names[1], TUnicodeDB());
    QCOMPARE(issues.size(), 2);
    QCOMPARE(issues[0].lineNumber, 1);
    QCOMPARE(issues[0].value, QString("one"));
    QCOMPARE(issues[1].lineNumber, 3);
    QCOMPARE(issues[1].value, QString());
}

void tst_TriggerTables::nameListMatchesSearchPerCandidate()
{
    // The single pass gives what one FindSymbolByCode per candidate, in collection order,
    // gives: duplicates, lower-case codes, Group lines and junk mixed in.
    QRandomGenerator random(4711);
    for (int round = 0; round < 20; ++round) {
        QStringList db;
        for (int i = 0; i < 60; ++i) {
            const int code = 0xE0 + int(random.bounded(40));
            QString codeText = CodeText(char16_t(code));
            if (random.bounded(8) == 0)
                codeText = codeText.toLower();
            switch (random.bounded(10)) {
            case 0:
                db.append(QStringLiteral("Group,%1,\"g\"").arg(i));
                break;
            case 1:
                db.append(QStringLiteral("0,\"%1\",\"five\",\"fields\",\"0\"").arg(codeText));
                break;
            default:
                db.append(QStringLiteral("%1,\"%2\",\"EN %3\",\"JA %3\",\"%4\",\"N %3\"")
                              .arg(i % 3)
                              .arg(codeText)
                              .arg(i)
                              .arg(i % 3));
            }
        }
        TriggerTable table;
        for (int e = 0; e < 8; ++e) {
            TriggerEntry t;
            t.units[0] = char16_t('a' + e);
            for (int n = 1; n <= 9; ++n)
                t.units[n] = random.bounded(3) == 0 ? 0 : char16_t(0xE0 + random.bounded(48));
            table.entries.append(t);
        }

        QList<TUnicodeDB> expected;
        const QList<char16_t> candidates = DistinctCandidates(table);
        for (char16_t c : candidates) {
            SymbolNames n;
            if (FindSymbolByCode(db, c, &n))
                expected.append({c, n.japaneseName, n.englishName, n.aux.toInt(), n.notes});
        }
        expected.resize(candidates.size());
        QCOMPARE(BuildNameList(table, db), expected);
    }
}

void tst_TriggerTables::symbolNameOf_data()
{
    QTest::addColumn<int>("c");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("name");
    QTest::newRow("japanese") << 0xE9 << 0 << QString::fromUtf8("鋭");
    QTest::newRow("english") << 0xE9 << 1 << "E ACUTE";
    QTest::newRow("notes") << 0xE9 << 2 << "n";
    QTest::newRow("first record decides") << 0xE8 << 1 << "FIRST";
    QTest::newRow("unknown") << 0x259 << 1 << "";
    QTest::newRow("zero never matches empty records") << 0 << 1 << "";
}

void tst_TriggerTables::symbolNameOf()
{
    QFETCH(int, c);
    QFETCH(int, kind);
    QFETCH(QString, name);
    const QList<TUnicodeDB> names{{0xE9, QString::fromUtf8("鋭"), "E ACUTE", 0, "n"},
                                  {0xE8, "", "FIRST", 0, ""},
                                  {0xE8, "", "SECOND", 0, ""},
                                  {0, "", "EMPTY", 0, ""}};
    QCOMPARE(SymbolNameOf(names, char16_t(c), SymbolNameKind(kind)), name);
}

void tst_TriggerTables::loadFromFolder()
{
    const QString folder = m_dir.filePath("load");
    QVERIFY(QDir().mkpath(folder));
    QVERIFY(WriteAnsiFile(folder + "/CandVelmor.csv",
                          {"\"e\",\"00E9\",\"00E8\",\"\",\"\",\"\",\"\",\"\",\"\",\"\"",
                           "\"0022\",\"201C\",,,,,,,,", "broken line"})
                .ok);
    // The installed tables are UTF-8 with a mark.
    QVERIFY(WriteFileBytes(folder + "/DBVelmor.csv",
                           "\xEF\xBB\xBF" + dbLines().join("\r\n").toUtf8() + "\r\n")
                .ok);
    const CandidateTablesLoad load = LoadCandidateTables(folder, "CandVelmor.csv", "DBVelmor.csv");
    QVERIFY(load.issues.isEmpty());
    QCOMPARE(load.tables.table.count(), 3);
    QCOMPARE(load.tables.table.entries[0], entry({'e', 0xE9, 0xE8}));
    QCOMPARE(load.tables.table.entries[1], entry({'"', 0x201C}));
    QCOMPARE(load.tables.names.size(), 3);
    QCOMPARE(SymbolNameOf(load.tables.names, 0xE8, SymbolNameKind::English),
             QString("LATIN SMALL LETTER E WITH GRAVE"));
    QCOMPARE(SymbolNameOf(load.tables.names, 0x201C, SymbolNameKind::English), QString());
}

void tst_TriggerTables::missingFiles()
{
    const QString folder = m_dir.filePath("missing");
    QVERIFY(QDir().mkpath(folder));
    CandidateTablesLoad load = LoadCandidateTables(folder, "CandAll.csv", "DBPhonet.csv");
    QVERIFY(load.issues.isEmpty());
    QCOMPARE(load.tables.table.count(), 0);
    QVERIFY(load.tables.names.isEmpty());

    // A table without its symbol database: candidates without names.
    QVERIFY(WriteAnsiFile(folder + "/CandAll.csv", {"a,0251,0250,,,,,,,"}).ok);
    load = LoadCandidateTables(folder, "CandAll.csv", "DBPhonet.csv");
    QCOMPARE(load.tables.table.count(), 1);
    QCOMPARE(load.tables.names, (QList<TUnicodeDB>{TUnicodeDB(), TUnicodeDB()}));

    // An empty file name is no table, not a read of the folder.
    load = LoadCandidateTables(folder, "", "");
    QVERIFY(load.issues.isEmpty());
    QCOMPARE(load.tables.table.count(), 0);
}

void tst_TriggerTables::rebuildLeavesNothingBehind()
{
    const QString folder = m_dir.filePath("rebuild");
    QVERIFY(QDir().mkpath(folder));
    QVERIFY(WriteAnsiFile(folder + "/CandVelmor.csv",
                          {"a,00E0,,,,,,,,", "b,00E1,,,,,,,,", "c,00E2,,,,,,,,"})
                .ok);
    CandidateTables tables;
    QVERIFY(ReloadLetterTables(tables, folder).isEmpty());
    QCOMPARE(tables.table.count(), 3);
    QVERIFY(WriteAnsiFile(folder + "/CandVelmor.csv", {"x", "z,00FF,,,,,,,,"}).ok);
    ReloadLetterTables(tables, folder);
    QCOMPARE(tables.table.count(), 2);
    QCOMPARE(tables.table.entries[0], entry({'z', 0xFF}));
    QCOMPARE(tables.table.entries[1], TriggerEntry());
    QCOMPARE(tables.names, (QList<TUnicodeDB>{TUnicodeDB()}));
}

void tst_TriggerTables::reloadFunctions()
{
    const QString folder = m_dir.filePath("reload");
    QVERIFY(QDir().mkpath(folder));
    QVERIFY(WriteAnsiFile(folder + "/CandVelmor.csv", {"e,00E9,,,,,,,,"}).ok);
    QVERIFY(WriteAnsiFile(folder + "/DBVelmor.csv", dbLines()).ok);
    QVERIFY(WriteAnsiFile(folder + "/CandIPA.csv", {"A,0251,,,,,,,,"}).ok);
    QVERIFY(WriteAnsiFile(folder + "/DBIPA.csv",
                          {"0,\"0251\",\"LATIN SMALL LETTER ALPHA\",\"開いた後舌\",\"0\",\"\""})
                .ok);
    Settings settings;
    settings.PhCandFile = "CandIPA.csv";
    settings.PhUDBFile = "DBIPA.csv";
    CandidateTables letter, phonetic;
    QVERIFY(ReloadLetterTables(letter, folder).isEmpty());
    QVERIFY(ReloadPhoneticTables(phonetic, folder, settings).isEmpty());
    QCOMPARE(letter.table.entries[0], entry({'e', 0xE9}));
    QCOMPARE(letter.names[0].englishName, QString("LATIN SMALL LETTER E WITH ACUTE"));
    QCOMPARE(phonetic.table.entries[0], entry({'A', 0x251}));
    QCOMPARE(phonetic.names[0].englishName, QString("LATIN SMALL LETTER ALPHA"));
}

void tst_TriggerTables::rebuildMoments_data()
{
    QTest::addColumn<bool>("candidateEditor");
    QTest::addColumn<QStringList>("saved");
    QTest::addColumn<bool>("phonetic");
    QTest::addColumn<bool>("letter");

    const QString f = m_dir.filePath("moments");
    QTest::newRow("symbol editor, nothing saved") << false << QStringList{} << false << false;
    QTest::newRow("symbol editor, phonetic db")
        << false << QStringList{f + "/DBPhonet.csv"} << true << false;
    QTest::newRow("symbol editor, letter db")
        << false << QStringList{f + "/DBVelmor.csv"} << false << true;
    QTest::newRow("symbol editor, both")
        << false << QStringList{f + "/DBVelmor.csv", f + "/DBPhonet.csv"} << true << true;
    QTest::newRow("symbol editor, other db")
        << false << QStringList{f + "/DBFrench.csv"} << false << false;
    QTest::newRow("symbol editor, other folder")
        << false << QStringList{m_dir.filePath("elsewhere/DBPhonet.csv")} << false << false;
    QTest::newRow("symbol editor, candidate file")
        << false << QStringList{f + "/CandAll.csv"} << false << false;
    QTest::newRow("case differs") << false << QStringList{f + "/dbphonet.csv"} << false << false;
    QTest::newRow("candidate editor, phonetic")
        << true << QStringList{f + "/CandAll.csv"} << true << false;
    QTest::newRow("candidate editor, letter")
        << true << QStringList{f + "/CandVelmor.csv"} << false << true;
    QTest::newRow("candidate editor, db file")
        << true << QStringList{f + "/DBVelmor.csv"} << false << false;
}

void tst_TriggerTables::rebuildMoments()
{
    QFETCH(bool, candidateEditor);
    QFETCH(QStringList, saved);
    QFETCH(bool, phonetic);
    QFETCH(bool, letter);

    const QString folder = m_dir.filePath("moments");
    QVERIFY(QDir().mkpath(folder));
    QVERIFY(WriteAnsiFile(folder + "/CandVelmor.csv", {"e,00E9,,,,,,,,"}).ok);
    QVERIFY(WriteAnsiFile(folder + "/CandAll.csv", {"A,0251,,,,,,,,"}).ok);
    Settings settings;
    TriggerInputStates states;
    const TableRebuild r = candidateEditor
                               ? RebuildAfterCandidateEditor(states, saved, folder, settings)
                               : RebuildAfterSymbolEditor(states, saved, folder, settings);
    QCOMPARE(r.phonetic, phonetic);
    QCOMPARE(r.letter, letter);
    QCOMPARE(states.phonetic.tables.table.count(), phonetic ? 1 : 0);
    QCOMPARE(states.letter.tables.table.count(), letter ? 1 : 0);
}

void tst_TriggerTables::rebuildAfterOptions()
{
    const QString folder = m_dir.filePath("options");
    QVERIFY(QDir().mkpath(folder));
    QVERIFY(WriteAnsiFile(folder + "/CandAll.csv", {"A,0251,,,,,,,,"}).ok);
    QVERIFY(WriteAnsiFile(folder + "/CandVelmor.csv", {"e,00E9,,,,,,,,"}).ok);
    TriggerInputStates states;
    const TableChoice before{m_dir.filePath("other"), "DBPhonet.csv", "CandAll.csv"};
    TableRebuild r = RebuildAfterOptions(states, before, before);
    QVERIFY(!r.phonetic && !r.letter);
    QCOMPARE(states.phonetic.tables.table.count(), 0);

    TableChoice after = before;
    after.tableFolder = folder;
    r = RebuildAfterOptions(states, before, after);
    QVERIFY(r.phonetic);
    QVERIFY(!r.letter);
    QCOMPARE(states.phonetic.tables.table.count(), 1);
    QCOMPARE(states.letter.tables.table.count(), 0);

    TableChoice renamed = after;
    renamed.PhCandFile = "CandNone.csv";
    r = RebuildAfterOptions(states, after, renamed);
    QVERIFY(r.phonetic);
    QCOMPARE(states.phonetic.tables.table.count(), 0);

    Settings settings;
    r = LoadTablesAtStart(states, folder, settings);
    QVERIFY(r.letter && r.phonetic);
    QCOMPARE(states.letter.tables.table.count(), 1);
    QCOMPARE(states.phonetic.tables.table.count(), 1);
}

QTEST_APPLESS_MAIN(tst_TriggerTables)
#include "tst_triggertables.moc"
