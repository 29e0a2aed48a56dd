#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "symboldb.h"
#include "symboldbedit.h"
#include "textfile.h"

class tst_SymbolDb : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void parse_data();
    void parse();
    void twoPasses();
    void numbering();
    void badGroupNumberSkipped();
    void missingFile();
    void readsByteOrderMark();
    void saveBytes();
    void saveDropsInvalidCodes();
    void badCodesReportedAndKept_data();
    void badCodesReportedAndKept();
    void roundTrip_data();
    void roundTrip();
    void saveNonAnsiName();
    void failedSaveKeepsOldFile();
    void failedSaveIsReported();

private:
    QTemporaryDir m_dir;
    QString path(const QString &name) const { return m_dir.filePath(name); }
};

void tst_SymbolDb::parse_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QList<SymbolGroup>>("groups");
    QTest::addColumn<int>("records");

    QTest::newRow("quoted group name with blank")
        << QStringList{"Group,0,\"Latin vowels\""} << QList<SymbolGroup>{{0, "Latin vowels"}} << 0;
    QTest::newRow("unquoted blank gives four fields")
        << QStringList{"Group,0,Latin vowels"} << QList<SymbolGroup>{} << 0;
    QTest::newRow("Group is case-sensitive")
        << QStringList{"group,0,\"a\"", "GROUP,1,\"b\""} << QList<SymbolGroup>{} << 0;
    QTest::newRow("unquoted name")
        << QStringList{"Group,3,Vowels"} << QList<SymbolGroup>{{3, "Vowels"}} << 0;
    QTest::newRow("other field counts ignored")
        << QStringList{"0,\"00E9\",\"a\",\"b\",\"0\"", "0,\"00E9\",\"a\",\"b\",\"0\",\"\",\"x\"",
                       "", "just text"}
        << QList<SymbolGroup>{} << 0;
    QTest::newRow("six fields") << QStringList{"0,\"00E9\",\"a\",\"b\",\"0\",\"\""}
                                << QList<SymbolGroup>{} << 1;
}

void tst_SymbolDb::parse()
{
    QFETCH(QStringList, lines);
    QFETCH(QList<SymbolGroup>, groups);
    QFETCH(int, records);
    TableIssues issues;
    const SymbolDatabase db = ParseSymbolDatabase(lines, QString(), &issues);
    QCOMPARE(db.groups, groups);
    QCOMPARE(db.records.size(), records);
    QVERIFY(issues.isEmpty());
}

void tst_SymbolDb::twoPasses()
{
    // Group lines after the rows are still read first.
    const QStringList lines{
        "1,\"00E9\",\"E ACUTE\",\"e 鋭\",\"0\",\"\"",
        "Group,0,\"Vowels\"",
        "0,\"0259\",\"SCHWA\",\"シュワー\",\"0\",\"注 e に似る\"",
        "Group,1,\"Letters\"",
    };
    const SymbolDatabase db = ParseSymbolDatabase(lines);
    QCOMPARE(db.groups, (QList<SymbolGroup>{{0, "Vowels"}, {1, "Letters"}}));
    QCOMPARE(db.records.size(), 2);
    const SymbolRecord &first = db.records[0];
    QCOMPARE(first.groupNumber, 1);
    QCOMPARE(first.no, 1);
    QCOMPARE(first.code, QString("00E9"));
    QCOMPARE(first.glyph, QString::fromUtf8("é"));
    QCOMPARE(first.englishName, QString("E ACUTE"));
    QCOMPARE(first.japaneseName, QString::fromUtf8("e 鋭"));
    QCOMPARE(first.aux, QString("0"));
    QCOMPARE(first.notes, QString());
    QCOMPARE(db.records[1].no, 2);
    QCOMPARE(db.records[1].glyph, QString::fromUtf8("ə"));
    QCOMPARE(db.records[1].notes, QString::fromUtf8("注 e に似る"));
}

void tst_SymbolDb::numbering()
{
    // Rows with invalid codes count for No and have no glyph; a save writes them back as
    // they were read, so the numbers of later rows stay.
    const QStringList lines{
        "0,\"00e9\",\"lower\",\"\",\"0\",\"\"",
        "0,\"\",\"empty\",\"\",\"0\",\"\"",
        "0,\"00E8\",\"E GRAVE\",\"\",\"0\",\"\"",
    };
    const SymbolDatabase db = ParseSymbolDatabase(lines);
    QCOMPARE(db.records.size(), 3);
    QCOMPARE(db.records[0].glyph, QString());
    QCOMPARE(db.records[1].glyph, QString());
    QCOMPARE(db.records[2].no, 3);
    QCOMPARE(db.records[2].glyph, QString::fromUtf8("è"));

    const QString file = path("numbering.csv");
    QVERIFY(SaveSymbolDatabase(db, file).ok);
    const SymbolDatabase again = LoadSymbolDatabase(file);
    QCOMPARE(again.records.size(), 3);
    QCOMPARE(again.records[2].no, 3);
    QCOMPARE(again.records[2].code, QString("00E8"));
}

void tst_SymbolDb::badCodesReportedAndKept_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("code");
    QTest::newRow("lower case") << "0,\"00e9\",\"e acute\",\"\",\"0\",\"\"" << "00e9";
    QTest::newRow("not hex") << "1,GHIJ,name,,0," << "GHIJ";
    QTest::newRow("three digits") << "1,\"0E9\",\"x\",\"\",\"0\",\"\"" << "0E9";
    QTest::newRow("five digits") << "1,\"000E9\",\"x\",\"\",\"0\",\"\"" << "000E9";
    QTest::newRow("empty") << "2,\"\",\"none\",\"\",\"0\",\"\"" << "";
    QTest::newRow("blank inside quotes") << "0,\"00E9 \",a,b,0,c" << "00E9 ";
    QTest::newRow("full-width digits") << QString::fromUtf8("0,００Ｅ９,a,b,0,c")
                                       << QString::fromUtf8("００Ｅ９");
}

void tst_SymbolDb::badCodesReportedAndKept()
{
    QFETCH(QString, line);
    QFETCH(QString, code);
    const QString file = path("badcode.csv");
    const QByteArray before = EncodeAnsiLines({"Group,0,\"G\"", "0,\"00E8\",\"E GRAVE\",\"\",\"0\",\"\"",
                                               line, "0,\"00E0\",\"A GRAVE\",\"\",\"0\",\"\""});
    QVERIFY(WriteFileBytes(file, before).ok);
    TableIssues issues;
    SymbolDatabase db = LoadSymbolDatabase(file, &issues);
    QCOMPARE(db.records.size(), 3);
    QCOMPARE(db.records[1].code, code);
    QCOMPARE(issues.size(), 1);
    QCOMPARE(issues[0].lineNumber, 3);
    QCOMPARE(issues[0].value, code);
    QVERIFY(issues[0].message.contains("badcode.csv"));
    QVERIFY2(issues[0].message.contains(line), qPrintable(issues[0].message));
    QVERIFY(RowsWithoutValidCode(db.records).isEmpty());

    // Untouched, the file comes back byte for byte.
    QVERIFY(SaveSymbolDatabase(db, file).ok);
    QByteArray after;
    QVERIFY(ReadFileBytes(file, &after));
    QCOMPARE(after, before);

    // Edited, the row is the editor's again: with its code still invalid it is dropped.
    db.records[1].englishName = "edited";
    QCOMPARE(RowsWithoutValidCode(db.records), QList<int>{2});
    QCOMPARE(SymbolDatabaseLines(db).size(), 3);
    db.records[1].code = "00E9";
    QCOMPARE(SymbolDatabaseLines(db)[2],
             QString("%1,\"00E9\",\"edited\",\"%2\",\"%3\",\"%4\"")
                 .arg(QString::number(db.records[1].groupNumber), db.records[1].japaneseName,
                      db.records[1].aux, db.records[1].notes));
}

void tst_SymbolDb::badGroupNumberSkipped()
{
    const QString file = path("badgroup.csv");
    QVERIFY(WriteAnsiFile(file,
                          {"Group,0,\"A\"", "Group,x,\"B\"", "Group,1,\"C\"",
                           "0,\"00E9\",\"a\",\"\",\"0\",\"\"", "one,\"00E8\",\"b\",\"\",\"0\",\"\"",
                           "1,\"00EA\",\"c\",\"\",\"0\",\"\""})
                .ok);
    TableIssues issues;
    const SymbolDatabase db = LoadSymbolDatabase(file, &issues);
    QCOMPARE(db.groups, (QList<SymbolGroup>{{0, "A"}, {1, "C"}}));
    QCOMPARE(db.records.size(), 2);
    QCOMPARE(db.records[0].code, QString("00E9"));
    QCOMPARE(db.records[1].code, QString("00EA"));
    // No stays the position in the list, which the editor relies on.
    QCOMPARE(db.records[1].no, 2);
    QCOMPARE(issues.size(), 2);
    QCOMPARE(issues[0].lineNumber, 2);
    QCOMPARE(issues[0].value, QString("x"));
    QCOMPARE(issues[0].path, file);
    QVERIFY(issues[0].message.contains("badgroup.csv"));
    QVERIFY(issues[0].message.contains("'x'"));
    QCOMPARE(issues[1].lineNumber, 5);
    QCOMPARE(issues[1].value, QString("one"));
}

void tst_SymbolDb::missingFile()
{
    TableIssues issues;
    QCOMPARE(LoadSymbolDatabase(path("none.csv"), &issues), SymbolDatabase());
    QVERIFY(issues.isEmpty());
}

void tst_SymbolDb::readsByteOrderMark()
{
    // The installed tables are UTF-8 with a mark; a table in UTF-16 reads as well.
    const QString line = QString::fromUtf8("0,\"0259\",\"SCHWA\",\"シュワー\",\"0\",\"ə\"");
    const QString utf8 = path("utf8.csv");
    QVERIFY(WriteFileBytes(utf8, QByteArray("\xEF\xBB\xBF") + line.toUtf8() + "\r\n").ok);
    SymbolDatabase db = LoadSymbolDatabase(utf8);
    QCOMPARE(db.records.size(), 1);
    QCOMPARE(db.records[0].notes, QString::fromUtf8("ə"));

    const QString utf16 = path("utf16.csv");
    QVERIFY(WriteFileBytes(utf16, EncodeUnicodeLines({line})).ok);
    db = LoadSymbolDatabase(utf16);
    QCOMPARE(db.records.size(), 1);
    QCOMPARE(db.records[0].japaneseName, QString::fromUtf8("シュワー"));
}

void tst_SymbolDb::saveBytes()
{
    SymbolDatabase db;
    db.records.append({1, 1, "00E9", "", "E ACUTE", QString::fromUtf8("エー"), "0", ""});
    db.groups.append({0, "Vowels"});
    db.groups.append({1, QString::fromUtf8("文字")});
    const QString file = path("bytes.csv");
    QVERIFY(SaveSymbolDatabase(db, file).ok);
    QByteArray bytes;
    QVERIFY(ReadFileBytes(file, &bytes));
    const QByteArray expected = QByteArray("Group,0,\"Vowels\"\r\n") + "Group,1,\"" +
                                EncodeAnsi(QString::fromUtf8("文字")) + "\"\r\n" +
                                "1,\"00E9\",\"E ACUTE\",\"" +
                                EncodeAnsi(QString::fromUtf8("エー")) + "\",\"0\",\"\"\r\n";
    QCOMPARE(bytes, expected);
    QVERIFY(!bytes.startsWith("\xEF\xBB\xBF"));
}

void tst_SymbolDb::saveDropsInvalidCodes()
{
    SymbolDatabase db;
    db.records.append({0, 1, "00e9", "", "lower", "", "0", ""});
    db.records.append({0, 2, "", "", "empty", "", "0", ""});
    db.records.append({0, 3, "0E9", "", "short", "", "0", ""});
    db.records.append({0, 4, "00E8", "", "E GRAVE", "", "0", ""});
    QCOMPARE(SymbolDatabaseLines(db), QStringList{"0,\"00E8\",\"E GRAVE\",\"\",\"0\",\"\""});
}

void tst_SymbolDb::roundTrip_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("comma") << "LEFT, RIGHT";
    QTest::newRow("double quote") << "QUOTATION MARK \" here";
    QTest::newRow("only quotes") << "\"\"";
    QTest::newRow("leading blank") << "  indented";
    QTest::newRow("japanese") << QString::fromUtf8("注　ｶﾀｶﾅと全角");
    QTest::newRow("escape") << "#$00E9 small";
    QTest::newRow("empty") << "";
}

void tst_SymbolDb::roundTrip()
{
    QFETCH(QString, text);
    SymbolDatabase db;
    db.groups.append({0, text});
    db.records.append({0, 1, "00E9", QString::fromUtf8("é"), text, text, "0", text});
    const QString file = path("roundtrip.csv");
    QVERIFY(SaveSymbolDatabase(db, file).ok);
    QByteArray first;
    QVERIFY(ReadFileBytes(file, &first));

    const SymbolDatabase again = LoadSymbolDatabase(file);
    QCOMPARE(again, db);
    // Saving what was read gives the same bytes.
    QVERIFY(SaveSymbolDatabase(again, file).ok);
    QByteArray second;
    QVERIFY(ReadFileBytes(file, &second));
    QCOMPARE(second, first);
}

void tst_SymbolDb::saveNonAnsiName()
{
    // A name the ANSI code page cannot hold is not lost: the file becomes UTF-8 with a mark.
    SymbolDatabase db;
    db.records.append({0, 1, "0259", QString::fromUtf8("ə"), QString::fromUtf8("ə SCHWA"),
                       QString::fromUtf8("シュワー"), "0", ""});
    const QString file = path("nonansi.csv");
    QVERIFY(SaveSymbolDatabase(db, file).ok);
    QCOMPARE(LoadSymbolDatabase(file), db);
}

void tst_SymbolDb::failedSaveKeepsOldFile()
{
    const QString folder = path("locked");
    QVERIFY(QDir().mkpath(folder));
    const QString file = folder + "/DBVelmor.csv";
    QVERIFY(WriteAnsiFile(file, {"Group,0,\"old\""}).ok);
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
    SymbolDatabase db;
    db.groups.append({0, "new"});
    const WriteResult result = SaveSymbolDatabase(db, file);
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    if (result.ok)
        QSKIP("the file system lets this user write into a read-only folder");
    QVERIFY(result.errorMessage.contains("DBVelmor.csv"));
    QCOMPARE(LoadSymbolDatabase(file).groups, (QList<SymbolGroup>{{0, "old"}}));
}

void tst_SymbolDb::failedSaveIsReported()
{
    // A folder that is a file cannot hold the table: the failure names the file.
    const QString blocker = path("blocker");
    QVERIFY(WriteAnsiFile(blocker, {"x"}).ok);
    SymbolDatabase db;
    db.groups.append({0, "new"});
    const WriteResult result = SaveSymbolDatabase(db, blocker + "/DBPhonet.csv");
    QVERIFY(!result.ok);
    QVERIFY(result.errorMessage.contains("DBPhonet.csv"));
    QByteArray bytes;
    QVERIFY(ReadFileBytes(blocker, &bytes));
    QCOMPARE(bytes, QByteArray("x\r\n"));
}

QTEST_APPLESS_MAIN(tst_SymbolDb)
#include "tst_symboldb.moc"
