#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include "textfile.h"
#include "transferencodings.h"

class tst_TransferEncodings : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void hexRefs_data();
    void hexRefs();
    void decimalRefs_data();
    void decimalRefs();
    void rtfEscape_data();
    void rtfEscape();
    void documentExample();
    void documentWithoutGuiApplication();
    void documentSizes_data();
    void documentSizes();
    void documentTwoLines();
    void documentFontNameEscaped();
    void documentBytes_data();
    void documentBytes();
    void workRtfOneLine();
    void workRtfFailureNamesFile();
    void workRtfFailureKeepsOldFile();
    void fragmentLines_data();
    void fragmentLines();
    void languageIds_data();
    void languageIds();
    void html_data();
    void html();
};

void tst_TransferEncodings::hexRefs_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("refs");
    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("e acute") << QStringLiteral("é") << QStringLiteral("&#x00E9;");
    QTest::newRow("ca va") << QStringLiteral("Ça va")
                           << QStringLiteral("&#x00C7;&#x0061;&#x0020;&#x0076;&#x0061;");
    QTest::newRow("CR LF") << QStringLiteral("\r\n") << QStringLiteral("&#x000D;&#x000A;");
    QTest::newRow("schwa upper hex") << QStringLiteral("əʃ") << QStringLiteral("&#x0259;&#x0283;");
    QTest::newRow("max unit") << QString(QChar(0xFFFF)) << QStringLiteral("&#xFFFF;");
    QTest::newRow("NUL") << QString(QChar(0)) << QStringLiteral("&#x0000;");
    // One reference per surrogate half, not one per character.
    QTest::newRow("above U+FFFF") << QString::fromUcs4(U"\U0001D11E")
                                  << QStringLiteral("&#xD834;&#xDD1E;");
}

void tst_TransferEncodings::hexRefs()
{
    QFETCH(QString, text);
    QFETCH(QString, refs);
    QCOMPARE(HexCharRefs(text), refs);
}

void tst_TransferEncodings::decimalRefs_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("refs");
    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("e acute") << QStringLiteral("é") << QStringLiteral("&#233;");
    QTest::newRow("schwa") << QStringLiteral("ə") << QStringLiteral("&#601;");
    QTest::newRow("no leading zeros") << QStringLiteral("a\t") << QStringLiteral("&#97;&#9;");
    QTest::newRow("NUL") << QString(QChar(0)) << QStringLiteral("&#0;");
    QTest::newRow("max unit") << QString(QChar(0xFFFF)) << QStringLiteral("&#65535;");
    QTest::newRow("above U+FFFF") << QString::fromUcs4(U"\U0001D11E")
                                  << QStringLiteral("&#55348;&#56606;");
}

void tst_TransferEncodings::decimalRefs()
{
    QFETCH(QString, text);
    QFETCH(QString, refs);
    QCOMPARE(DecimalCharRefs(text), refs);
}

void tst_TransferEncodings::rtfEscape_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("escaped");
    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("ascii letter") << QStringLiteral("a") << QStringLiteral("\\u97?");
    QTest::newRow("CR LF") << QStringLiteral("\r\n") << QStringLiteral("\\u13?\\u10?");
    QTest::newRow("braces and backslash")
        << QStringLiteral("{\\}") << QStringLiteral("\\u123?\\u92?\\u125?");
    // Units above 32767 stay unsigned.
    QTest::newRow("high unit") << QString(QChar(0xFF21)) << QStringLiteral("\\u65313?");
    QTest::newRow("surrogates") << QString::fromUcs4(U"\U0001D11E")
                                << QStringLiteral("\\u55348?\\u56606?");
}

void tst_TransferEncodings::rtfEscape()
{
    QFETCH(QString, text);
    QFETCH(QString, escaped);
    QCOMPARE(RtfUnicodeEscape(text), escaped);
}

void tst_TransferEncodings::documentExample()
{
    QCOMPARE(
        BuildRtfDocument(0, 20, QStringLiteral("é"), QStringLiteral("Times New Roman"), u"froman"),
        QStringLiteral("{\\rtf1\\ansi\\ansicpg932\\deff0\\deflang1033\\deflangfe1041"
                       "{\\fonttbl{\\f0\\froman\\fprq2\\fcharset0 Times New Roman;}}"
                       "\\viewkind4\\uc1\\pard\\lang1041\\f0\\fs40\\u233?\\f1\\par}"));
}

void tst_TransferEncodings::documentWithoutGuiApplication()
{
    // No font database to ask: the family is unknown, and nothing fails.
    const QString doc = BuildRtfDocument(0, 20, u"é", QStringLiteral("Times New Roman"));
    QVERIFY2(doc.contains(QStringLiteral("{\\f0\\fnil\\fprq2\\fcharset0 Times New Roman;}")),
             qPrintable(doc));
}

void tst_TransferEncodings::documentSizes_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<QString>("word");
    QTest::newRow("13") << 13 << QStringLiteral("\\fs26\\u");
    QTest::newRow("20") << 20 << QStringLiteral("\\fs40\\u");
    QTest::newRow("9") << 9 << QStringLiteral("\\fs18\\u");
}

void tst_TransferEncodings::documentSizes()
{
    QFETCH(int, size);
    QFETCH(QString, word);
    const QString doc = BuildRtfDocument(0, size, u"x", QStringLiteral("Arial"), u"fswiss");
    QVERIFY2(doc.contains(word), qPrintable(doc));
    QCOMPARE(doc.count(QRegularExpression(QStringLiteral("\\\\fs\\d"))), 1);
}

void tst_TransferEncodings::documentTwoLines()
{
    const QString doc = BuildRtfDocument(0, 20, u"ab\r\ncd", QStringLiteral("Arial"), u"fswiss");
    QVERIFY(doc.endsWith(QStringLiteral("\\fs40\\u97?\\u98?\\u13?\\u10?\\u99?\\u100?\\f1\\par}")));
    QVERIFY(!doc.contains(u'\r'));
    QVERIFY(!doc.contains(u'\n'));
    // An empty text is still a whole document.
    QVERIFY(BuildRtfDocument(0, 20, u"", QStringLiteral("Arial"), u"fswiss")
                .endsWith(QStringLiteral("\\fs40\\f1\\par}")));
}

void tst_TransferEncodings::documentFontNameEscaped()
{
    // A name from a hand-edited settings file must not break the font table.
    const QString doc = BuildRtfDocument(0, 20, u"a", QStringLiteral("A;B{C}\\D"), u"fnil");
    QVERIFY2(doc.contains(QStringLiteral("\\fcharset0 A\\'3bB\\{C\\}\\\\D;}}")), qPrintable(doc));
}

void tst_TransferEncodings::documentBytes_data()
{
    QTest::addColumn<QString>("document");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("ascii") << QStringLiteral("{\\rtf1 x}") << QByteArray("{\\rtf1 x}");
    // Code page 932 bytes for a Japanese font name: ＭＳ 明朝.
    QTest::newRow("cp932 name") << QStringLiteral("ＭＳ 明朝")
                                << QByteArray("\x82\x6c\x82\x72\x20\x96\xbe\x92\xa9");
    // ソ is 83 5C: its trail byte would read as a backslash.
    QTest::newRow("trail backslash") << QStringLiteral("ソ") << QByteArray("\\'83\\'5c");
    // ə has no code page 932 form.
    QTest::newRow("unrepresentable") << QStringLiteral("aəb") << QByteArray("a\\u601?b");
    QTest::newRow("above U+FFFF") << QString::fromUcs4(U"\U0001D11E")
                                  << QByteArray("\\u55348?\\u56606?");
}

void tst_TransferEncodings::documentBytes()
{
    QFETCH(QString, document);
    QFETCH(QByteArray, bytes);
    QCOMPARE(RtfDocumentBytes(document), bytes);
}

void tst_TransferEncodings::workRtfOneLine()
{
    QTemporaryDir dir;
    QByteArray written;
    const WriteResult result =
        WriteWorkRtf(dir.path(), 0, 13, u"ab\r\ncd", QStringLiteral("Arial"), &written);
    QVERIFY2(result.ok, qPrintable(result.errorMessage));
    QFile file(WorkRtfPath(dir.path()));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QCOMPARE(bytes, written);
    QVERIFY(bytes.startsWith("{\\rtf1\\ansi\\ansicpg932"));
    QVERIFY(bytes.endsWith("\\f1\\par}\r\n"));
    QCOMPARE(bytes.count('\n'), 1);
    QCOMPARE(bytes.count('\r'), 1);
    QVERIFY(bytes.contains("\\fs26\\u97?\\u98?\\u13?\\u10?\\u99?\\u100?"));
    QCOMPARE(WorkRtfPath(dir.path()), dir.path() + "/Work.rtf");
}

void tst_TransferEncodings::workRtfFailureNamesFile()
{
    QTemporaryDir dir;
    const QString missing = dir.path() + "/nowhere";
    const WriteResult gone = WriteWorkRtf(missing, 0, 20, u"x", QStringLiteral("Arial"));
    QVERIFY(!gone.ok);
    QVERIFY2(gone.errorMessage.contains(QStringLiteral("Work.rtf")), qPrintable(gone.errorMessage));

    // A file where the folder should be.
    QFile blocker(dir.path() + "/file");
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    QVERIFY(!WriteWorkRtf(dir.path() + "/file", 0, 20, u"x", QStringLiteral("Arial")).ok);
}

void tst_TransferEncodings::workRtfFailureKeepsOldFile()
{
    // A read-only folder: the old file stays whole.
    QTemporaryDir dir;
    QVERIFY(WriteWorkRtf(dir.path(), 0, 20, u"old", QStringLiteral("Arial")).ok);
    QByteArray before;
    QVERIFY(ReadFileBytes(WorkRtfPath(dir.path()), &before));
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
    const WriteResult denied = WriteWorkRtf(dir.path(), 0, 20, u"new", QStringLiteral("Arial"));
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    if (denied.ok)
        QSKIP("running with permissions that ignore a read-only folder");
    QByteArray after;
    QVERIFY(ReadFileBytes(WorkRtfPath(dir.path()), &after));
    QCOMPARE(after, before);
}

void tst_TransferEncodings::fragmentLines_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("body");
    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("one line") << QStringLiteral("é") << QStringLiteral("\\u233?");
    QTest::newRow("two lines") << QStringLiteral("a\r\nb") << QStringLiteral("\\u97?\\par\\u98?");
    // A selection that ends with its line break keeps it: one paragraph mark.
    QTest::newRow("final break") << QStringLiteral("a\r\n") << QStringLiteral("\\u97?\\par");
    QTest::newRow("lone CR stays a character")
        << QStringLiteral("a\rb") << QStringLiteral("\\u97?\\u13?\\u98?");
}

void tst_TransferEncodings::fragmentLines()
{
    QFETCH(QString, text);
    QFETCH(QString, body);
    const QString head = QStringLiteral(
        "{\\rtf1\\ansi\\ansicpg932\\deff0\\deflang1033\\deflangfe1041{\\fonttbl{\\f0\\froman"
        "\\fprq2\\fcharset0 Times New Roman;}}\\viewkind4\\uc1\\pard");
    QCOMPARE(BuildRtfFragment(0, 20, text, QStringLiteral("Times New Roman"), u"froman", 1036),
             head + QStringLiteral("\\lang1036\\f0\\fs40") + body + u'}');
    QCOMPARE(BuildRtfFragment(0, 20, text, QStringLiteral("Times New Roman"), u"froman",
                              NoProofing),
             head + QStringLiteral("\\lang255\\noproof\\f0\\fs40") + body + u'}');
}

void tst_TransferEncodings::languageIds_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<int>("id");
    QTest::newRow("English") << "en_US" << 1033;
    QTest::newRow("French") << "fr_FR" << 1036;
    QTest::newRow("German") << "de_DE" << 1031;
    QTest::newRow("Italian") << "it_IT" << 1040;
    QTest::newRow("Spanish") << "es_ES" << 3082;
    QTest::newRow("Portuguese") << "pt_PT" << 2070;
    QTest::newRow("Dutch") << "nl_NL" << 1043;
    QTest::newRow("none") << "" << NoProofing;
}

void tst_TransferEncodings::languageIds()
{
    QFETCH(QString, locale);
    QFETCH(int, id);
    QCOMPARE(WindowsLanguageId(locale), id);
}

void tst_TransferEncodings::html_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("font");
    QTest::addColumn<QString>("html");
    QTest::newRow("markup, blanks and breaks")
        << QStringLiteral("a&b <i>  \"x'\r\n\r\nz") << QStringLiteral("Arial")
        << QStringLiteral("style=\"font-family:'Arial';font-size:9pt;white-space:pre-wrap\">"
                          "a&#38;b &#60;i&#62;  &#34;x&#39;<br><br>z</span>");
    QTest::newRow("outside the basic plane: one reference")
        << QStringLiteral("\U0001D11E") << QStringLiteral("Arial")
        << QStringLiteral("style=\"font-family:'Arial';font-size:9pt;white-space:pre-wrap\">"
                          "&#119070;</span>");
    QTest::newRow("a quote in the family name")
        << QStringLiteral("x") << QStringLiteral("O'Neil \"Sans\"")
        << QStringLiteral("style=\"font-family:'O\\&#39;Neil &#34;Sans&#34;';font-size:9pt;"
                          "white-space:pre-wrap\">x</span>");
}

void tst_TransferEncodings::html()
{
    QFETCH(QString, text);
    QFETCH(QString, font);
    QFETCH(QString, html);
    QCOMPARE(TransferHtml(text, font, 9, QString()),
             QStringLiteral("<meta charset=\"utf-8\"><span ") + html);
    QCOMPARE(TransferHtml(text, font, 9, QStringLiteral("it-IT")),
             QStringLiteral("<meta charset=\"utf-8\"><span lang=\"it-IT\" ") + html);
}

QTEST_APPLESS_MAIN(tst_TransferEncodings)
#include "tst_transferencodings.moc"
