#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "htmllist.h"
#include "textfile.h"

class tst_HtmlList : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void rows_data();
    void rows();
    void pageBytes();
    void charsetFollowsTheEncoding();
    void choice_data();
    void choice();
    void helpCarriesEveryTrigger_data();
    void helpCarriesEveryTrigger();
};

void tst_HtmlList::rows_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("row");
    const QString blanks = QStringLiteral("<td></td>").repeated(8);
    QTest::newRow("code and empty cells") << R"("a","00E9",,,,,,,,)"
                                          << R"(    <tr><td class="trigger">a</td><td>&#x00E9;</td>)" +
                                                 blanks + "</tr>";
    QTest::newRow("0022 is a quote cell") << R"("0022","030B",,,,,,,,)"
                                          << R"(    <tr><td class="trigger">&quot;</td><td>&#x030B;</td>)" +
                                                 blanks + "</tr>";
    QTest::newRow("< escaped") << R"("<","00AB",,,,,,,,)"
                               << R"(    <tr><td class="trigger">&lt;</td><td>&#x00AB;</td>)" +
                                      blanks + "</tr>";
    QTest::newRow("& escaped, gap kept") << R"("&",,"0026",,,,,,,)"
                                         << R"(    <tr><td class="trigger">&amp;</td><td></td><td>&#x0026;</td>)" +
                                                QStringLiteral("<td></td>").repeated(7) + "</tr>";
    QTest::newRow("lower case code unchanged") << R"("e","00e9",,,,,,,,)"
                                               << R"(    <tr><td class="trigger">e</td><td>&#x00e9;</td>)" +
                                                      blanks + "</tr>";
    QTest::newRow("all empty left out") << R"("b",,,,,,,,,)" << QString();
    QTest::newRow("nine fields left out") << R"("b","00E9",,,,,,,)" << QString();
}

void tst_HtmlList::rows()
{
    QFETCH(QString, line);
    QFETCH(QString, row);
    QCOMPARE(HtmlListRow(line), row);
    QCOMPARE(HtmlListRows({line, line}).size(), row.isEmpty() ? 0 : 2);
}

void tst_HtmlList::pageBytes()
{
    HtmlListOptions o;
    o.title = QStringLiteral("欧文　候補順ファイル");
    o.font = QStringLiteral("Times New Roman");
    o.size = QStringLiteral("130");
    o.fileName = QStringLiteral("CandVelmor.csv");
    const QStringList page = HtmlListPage(o, {R"("e","00E9","00E8",,,,,,,)", R"("x",,,,,,,,,)"});
    QCOMPARE(page.size(), 63 - 1 + 1); // one trigger row
    QByteArray expected =
        "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\" "
        "\"http://www.w3.org/TR/html4/loose.dtd\">\r\n"
        "<html lang=\"ja\">\r\n<head>\r\n"
        "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=Shift_JIS\">\r\n"
        "<meta http-equiv=\"Content-Style-Type\" content=\"text/css\">\r\n"
        "<title>\x89\xa2\x95\xb6\x81\x40\x8c\xf3\x95\xe2\x8f\x87\x83\x74\x83\x40\x83\x43\x83\x8b"
        "</title>\r\n"
        "<style type=\"text/css\">\r\n<!--\r\nbody {\r\n        width: 600px;\r\n"
        "        margin: 20px;\r\n        padding: 20px;\r\n        text-align: center;\r\n"
        "        background-color: #0099dd;\r\n"
        "        font-family: \"\x83\x81\x83\x43\x83\x8a\x83\x49\";\r\n"
        "        color: black;\r\n}\r\nh1 {\r\n        text-align: center;\r\n"
        "        background-color: white;\r\n"
        "        font-family: \"\x83\x81\x83\x43\x83\x8a\x83\x49\";\r\n}\r\n"
        "table {\r\n        margin-left: auto;\r\n        margin-right: auto;\r\n"
        "        border: 2px solid;\r\n        border-collapse: collapse;\r\n}\r\n"
        "th {\r\n        width: 50px;\r\n        height: 40px;\r\n        border: 2px solid;\r\n"
        "        background-color: #ffe4e1;\r\n        font-size: 120%;\r\n"
        "        font-family: \"Arial\";\r\n}\r\n"
        "td {\r\n        width: 50px;\r\n        height: 50px;\r\n"
        "        background-color: ivory;\r\n        border: 2px solid;\r\n"
        "        font-size: 130%;\r\n        font-family: \"Times New Roman\";\r\n}\r\n"
        "td.trigger {\r\n        width: 50px;\r\n        border: 2px solid;\r\n"
        "        background-color: #ffe4e1;\r\n        font-size: 120%;\r\n"
        "        font-family: \"Arial\";\r\n}\r\n-->\r\n</style>\r\n</head>\r\n<body>\r\n"
        "<h1>\x89\xa2\x95\xb6\x81\x40\x8c\xf3\x95\xe2\x8f\x87\x83\x74\x83\x40\x83\x43\x83\x8b"
        "</h1>\r\n<table>\r\n  <caption>\"CandVelmor.csv\"</caption>\r\n"
        "    <tr><th>Trigger</th><th>1</th><th>2</th><th>3</th><th>4</th><th>5</th><th>6</th>"
        "<th>7</th><th>8</th><th>9</th></tr>\r\n"
        "    <tr><td class=\"trigger\">e</td><td>&#x00E9;</td><td>&#x00E8;</td><td></td><td></td>"
        "<td></td><td></td><td></td><td></td><td></td></tr>\r\n"
        "</table>\r\n</body>\r\n</html>\r\n";
    QCOMPARE(HtmlListBytes(page), expected);
}

void tst_HtmlList::charsetFollowsTheEncoding()
{
    HtmlListOptions o;
    o.title = QStringLiteral("ə <list>");
    const QStringList page = HtmlListPage(o, {});
    QCOMPARE(page[5], QStringLiteral("<title>ə &lt;list&gt;</title>"));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("l.html"));
    QVERIFY(SaveHtmlList(path, page));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY(bytes.startsWith("\xEF\xBB\xBF<!DOCTYPE"));
    QVERIFY(bytes.contains("content=\"text/html; charset=UTF-8\">\r\n"));
    QVERIFY(!bytes.contains("Shift_JIS"));
    QVERIFY(bytes.contains("<title>\xC9\x99 &lt;list&gt;</title>"));
    // A failed write names the file.
    const WriteResult failed = SaveHtmlList(dir.filePath(QStringLiteral("no/such/l.html")), page);
    QVERIFY(!failed.ok);
    QVERIFY(failed.errorMessage.contains(QStringLiteral("l.html")));
}

void tst_HtmlList::choice_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("title");
    QTest::addColumn<int>("font");
    QTest::addColumn<QString>("output");
    QTest::newRow("phonetic") << "CandIPA.csv" << "発音記号　候補順ファイル"
                              << int(HtmlListFont::SubFont) << "CandIPA.html";
    QTest::newRow("letters") << "CandVelmor.csv" << "欧文　候補順ファイル"
                             << int(HtmlListFont::MainFont) << "CandVelmor.html";
    QTest::newRow("other, exact names only") << "candvelmor.csv" << "候補順ファイル"
                                             << int(HtmlListFont::Keep) << "candvelmor.html";
    QTest::newRow("two dots") << "Cand.old.csv" << "候補順ファイル" << int(HtmlListFont::Keep)
                              << "Cand.old.html";
    QTest::newRow("no extension") << "Cand" << "候補順ファイル" << int(HtmlListFont::Keep)
                                  << "Cand.html";
}

void tst_HtmlList::choice()
{
    QFETCH(QString, file);
    QFETCH(QString, title);
    QFETCH(int, font);
    QFETCH(QString, output);
    const HtmlListChoice c = HtmlListChoiceFor(file, QStringLiteral("CandIPA.csv"));
    QCOMPARE(c.title, title);
    QCOMPARE(int(c.font), font);
    QCOMPARE(HtmlListFileName(file), output);
}

void tst_HtmlList::helpCarriesEveryTrigger_data()
{
    QTest::addColumn<QString>("candidateFile");
    QTest::newRow("letters") << "CandVelmor.csv";
    QTest::newRow("phonetic") << "CandAll.csv";
}

// The help page the build lays out holds a chart row for every trigger of the installed
// tables, made by the list generator itself.
void tst_HtmlList::helpCarriesEveryTrigger()
{
    QFETCH(QString, candidateFile);
    const QString data = qEnvironmentVariable("VELMOR_BUILD_DATA_DIR");
    QByteArray help;
    QVERIFY(ReadFileBytes(data + QStringLiteral("/Help/VelmorHelp.html"), &help));
    const QString page = QString::fromUtf8(help);
    QVERIFY(!page.contains(QStringLiteral("<!-- trigger chart -->")));
    QVERIFY(!page.contains(QStringLiteral("の後に候補")));
    const TextReadResult cand =
        ReadTextFile(data + QStringLiteral("/Tbl/") + candidateFile, TextFileKind::Table);
    QVERIFY(cand.ok);
    QVERIFY(!cand.lines.isEmpty());
    for (const QString &line : cand.lines) {
        const QString row = HtmlListRow(line);
        QVERIFY2(row.isEmpty() || page.contains(row), qPrintable(line));
    }
    QVERIFY(page.contains(candidateFile));
}

QTEST_APPLESS_MAIN(tst_HtmlList)
#include "tst_htmllist.moc"
