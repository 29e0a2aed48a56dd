#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTest>

#include "settings.h"
#include "textfile.h"
#include "transfercontent.h"
#include "transferencodings.h"

class tst_TransferContent : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void sourceText_data();
    void sourceText();
    void modes_data();
    void modes();
    void selectionOnly_data();
    void selectionOnly();
    void afterwards_data();
    void afterwards();
    void unknownModeCopiesNothing();
    void phoneticEmptyNotPad();
    void richDocuments_data();
    void richDocuments();
    void richIIWritesWorkRtf();
    void richIIFallsBackOnFailure();
    void clipboardRoundTrip_data();
    void clipboardRoundTrip();

private:
    Settings settings;
};

void tst_TransferContent::initTestCase()
{
    settings.UsrMainFont = QStringLiteral("Liberation Serif");
    settings.UsrMainFontSize = 13;
    settings.UsrSubFont = QStringLiteral("DejaVu Sans Mono");
    settings.UsrSubFontSize = 16;
}

void tst_TransferContent::sourceText_data()
{
    QTest::addColumn<QString>("editor");
    QTest::addColumn<QString>("source");
    QTest::newRow("LF") << "a\nb"
                        << "a\r\nb";
    QTest::newRow("CR LF kept") << "a\r\nb"
                                << "a\r\nb";
    QTest::newRow("CR") << "a\rb"
                        << "a\r\nb";
    QTest::newRow("paragraph separator") << "a\u2029b"
                                         << "a\r\nb";
    QTest::newRow("line separator") << "a\u2028b"
                                    << "a\r\nb";
    QTest::newRow("trailing break") << "a\n"
                                    << "a\r\n";
    QTest::newRow("no trimming") << "  a  "
                                 << "  a  ";
    QTest::newRow("blank line") << "a\n\nb"
                                << "a\r\n\r\nb";
}

void tst_TransferContent::sourceText()
{
    QFETCH(QString, editor);
    QFETCH(QString, source);
    QCOMPARE(TransferSourceText(editor), source);
}

void tst_TransferContent::modes_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("plain");
    QTest::addColumn<bool>("rich");
    QTest::addColumn<int>("source");
    const int pad = int(TransferField::Pad), phon = int(TransferField::Phonetic);
    // Pad "Ça va\nə", phonetic "ʃə".
    QTest::newRow("0") << 0 << "Ça va\nə" << true << pad;
    QTest::newRow("1") << 1 << "&#x00C7;&#x0061;&#x0020;&#x0076;&#x0061;&#x000D;&#x000A;&#x0259;"
                       << false << pad;
    QTest::newRow("2") << 2 << "&#199;&#97;&#32;&#118;&#97;&#13;&#10;&#601;" << false << pad;
    QTest::newRow("3") << 3 << "Ça va\nə" << false << pad;
    QTest::newRow("4") << 4 << "Ça va\nə" << true << pad;
    QTest::newRow("10") << 10 << "ʃə" << true << phon;
    QTest::newRow("11") << 11 << "&#x0283;&#x0259;" << false << phon;
    QTest::newRow("12") << 12 << "&#643;&#601;" << false << phon;
    QTest::newRow("13") << 13 << "ʃə" << false << phon;
}

void tst_TransferContent::modes()
{
    QFETCH(int, mode);
    QFETCH(QString, plain);
    QFETCH(bool, rich);
    QFETCH(int, source);
    TransferFields fields;
    fields.padText = QStringLiteral("Ça va\nə");
    fields.phoneticText = QStringLiteral("ʃə");
    const TransferContent c = TransferContentFor(mode, fields, settings);
    QVERIFY(c.copies);
    QCOMPARE(int(c.source), source);
    QCOMPARE(c.plainText, plain);
    QCOMPARE(!c.rtf.isEmpty(), rich);
}

void tst_TransferContent::selectionOnly_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("plain");
    QTest::newRow("0") << 0 << "çèé";
    QTest::newRow("1") << 1 << "&#x00E7;&#x00E8;&#x00E9;";
    QTest::newRow("2") << 2 << "&#231;&#232;&#233;";
    QTest::newRow("3") << 3 << "çèé";
    QTest::newRow("4") << 4 << "çèé";
    QTest::newRow("11") << 11 << "&#x0259;";
}

void tst_TransferContent::selectionOnly()
{
    QFETCH(int, mode);
    QFETCH(QString, plain);
    TransferFields fields;
    fields.padText = QStringLiteral("a çèé b");
    fields.padSelection = QStringLiteral("çèé");
    fields.phoneticText = QStringLiteral("ʃə");
    fields.phoneticSelection = QStringLiteral("ə");
    const TransferContent c = TransferContentFor(mode, fields, settings);
    QCOMPARE(c.plainText, plain);
    // The selection is left in place.
    QVERIFY(!c.selectAllInSource);
}

void tst_TransferContent::afterwards_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("selected");
    QTest::addColumn<bool>("focus");
    QTest::addColumn<bool>("selectAll");
    for (int mode : {0, 1, 2, 4, 10, 11, 12}) {
        QTest::addRow("%d without selection", mode) << mode << false << true << true;
        QTest::addRow("%d with selection", mode) << mode << true << false << false;
    }
    for (int mode : {3, 13}) {
        QTest::addRow("%d without selection", mode) << mode << false << true << true;
        QTest::addRow("%d with selection", mode) << mode << true << true << false;
    }
}

void tst_TransferContent::afterwards()
{
    QFETCH(int, mode);
    QFETCH(bool, selected);
    QFETCH(bool, focus);
    QFETCH(bool, selectAll);
    TransferFields fields{QStringLiteral("abc"), QString(), QStringLiteral("xyz"), QString()};
    if (selected) {
        fields.padSelection = QStringLiteral("b");
        fields.phoneticSelection = QStringLiteral("y");
    }
    const TransferContent c = TransferContentFor(mode, fields, settings);
    QCOMPARE(c.focusSource, focus);
    QCOMPARE(c.selectAllInSource, selectAll);
}

void tst_TransferContent::unknownModeCopiesNothing()
{
    const TransferFields fields{QStringLiteral("abc"), QString(), QString(), QString()};
    for (int mode : {5, 14, 20, -3}) {
        const TransferContent c = TransferContentFor(mode, fields, settings);
        QVERIFY(!c.copies);
        QVERIFY(!c.focusSource);
        QVERIFY(!c.selectAllInSource);
    }
}

void tst_TransferContent::phoneticEmptyNotPad()
{
    const TransferFields fields{QStringLiteral("pad text"), QString(), QString(), QString()};
    const TransferContent c = TransferContentFor(10, fields, settings);
    QVERIFY(c.copies);
    QCOMPARE(c.plainText, QString());
    QVERIFY(c.rtf.endsWith("\\lang255\\noproof\\f0\\fs32}"));
    QVERIFY(c.rtf.contains("DejaVu Sans Mono"));
    QVERIFY(!c.rtf.contains("\\u112?"));
}

void tst_TransferContent::richDocuments_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("html");
    const QByteArray head = "{\\rtf1\\ansi\\ansicpg932\\deff0\\deflang1033\\deflangfe1041"
                            "{\\fonttbl{\\f0\\froman\\fprq2\\fcharset0 Liberation Serif;}}"
                            "\\viewkind4\\uc1\\pard";
    const QByteArray lines = "\\f0\\fs26\\u233?\\u32?\\u60?\\par\\par\\u98?}";
    const QString span = QStringLiteral(
        "style=\"font-family:'Liberation Serif';font-size:13pt;white-space:pre-wrap\">"
        "&#233; &#60;<br><br>b</span>");
    QTest::newRow("0 French") << 0 << QStringLiteral("フランス語") << head + "\\lang1036" + lines
                              << "<meta charset=\"utf-8\"><span lang=\"fr-FR\" " + span;
    QTest::newRow("4 Spanish") << 4 << QStringLiteral("スペイン語") << head + "\\lang3082" + lines
                               << "<meta charset=\"utf-8\"><span lang=\"es-ES\" " + span;
    QTest::newRow("0 Portuguese") << 0 << QStringLiteral("ﾎﾟﾙﾄｶﾞﾙ語")
                                  << head + "\\lang2070" + lines
                                  << "<meta charset=\"utf-8\"><span lang=\"pt-PT\" " + span;
    QTest::newRow("0 general") << 0 << QStringLiteral("欧　文") << head + "\\lang255\\noproof" + lines
                               << "<meta charset=\"utf-8\"><span " + span;
    QTest::newRow("10 phonetic, whatever the language")
        << 10 << QStringLiteral("英　語")
        << QByteArray("{\\rtf1\\ansi\\ansicpg932\\deff0\\deflang1033\\deflangfe1041"
                      "{\\fonttbl{\\f0\\fmodern\\fprq2\\fcharset0 DejaVu Sans Mono;}}"
                      "\\viewkind4\\uc1\\pard\\lang255\\noproof\\f0\\fs32\\u601?\\u720?}")
        << QStringLiteral("<meta charset=\"utf-8\"><span style=\"font-family:'DejaVu Sans "
                          "Mono';font-size:16pt;white-space:pre-wrap\">&#601;&#720;</span>");
}

// What a rich-text component copies: no paragraph mark after the last line, lines
// as \par, the language of the selector.
void tst_TransferContent::richDocuments()
{
    QFETCH(int, mode);
    QFETCH(QString, language);
    QFETCH(QByteArray, rtf);
    QFETCH(QString, html);
    Settings s = settings;
    s.SelectLang = language;
    const TransferFields fields{QStringLiteral("é <\n\nb"), QString(), QStringLiteral("əː"),
                                QString()};
    const TransferContent c = TransferContentFor(mode, fields, s);
    QCOMPARE(c.rtf, rtf);
    QCOMPARE(c.html, html);
    QCOMPARE(c.workRtf.isEmpty(), mode != 4);
}

void tst_TransferContent::richIIWritesWorkRtf()
{
    QTemporaryDir dir;
    const TransferFields fields{QStringLiteral("ab\ncd"), QString(), QString(), QString()};
    QString error = QStringLiteral("stale");
    const TransferContent c = PrepareTransfer(4, fields, settings, dir.path(), &error);
    QCOMPARE(error, QString());
    QByteArray file;
    QVERIFY(ReadFileBytes(WorkRtfPath(dir.path()), &file));
    QCOMPARE(c.workRtf, file);
    QCOMPARE(c.rtf, TransferContentFor(0, fields, settings).rtf);
    QByteArray direct;
    QTemporaryDir other;
    QVERIFY(WriteWorkRtf(other.path(), 0, settings.UsrMainFontSize, u"ab\r\ncd",
                         settings.UsrMainFont, &direct)
                .ok);
    QCOMPARE(file, direct);
    QVERIFY(file.endsWith("\\u97?\\u98?\\u13?\\u10?\\u99?\\u100?\\f1\\par}\r\n"));
    QCOMPARE(file.count("\r\n"), 1);
    QCOMPARE(c.plainText, QStringLiteral("ab\ncd"));

    // Other modes leave the file alone.
    QVERIFY(WriteFileBytes(WorkRtfPath(dir.path()), "old").ok);
    PrepareTransfer(0, fields, settings, dir.path(), &error);
    QVERIFY(ReadFileBytes(WorkRtfPath(dir.path()), &file));
    QCOMPARE(file, QByteArray("old"));
}

void tst_TransferContent::richIIFallsBackOnFailure()
{
    QTemporaryDir dir;
    const QString missing = dir.path() + "/gone";
    const TransferFields fields{QStringLiteral("é"), QString(), QString(), QString()};
    QString error;
    const TransferContent c = PrepareTransfer(4, fields, settings, missing, &error);
    QVERIFY2(error.contains(QStringLiteral("Work.rtf")), qPrintable(error));
    // The user still gets the text.
    QCOMPARE(c.rtf, TransferContentFor(0, fields, settings).rtf);
    QVERIFY(c.copies);
    QCOMPARE(c.plainText, QStringLiteral("é"));
}

void tst_TransferContent::clipboardRoundTrip_data()
{
    QTest::addColumn<int>("mode");
    for (int mode : {0, 1, 2, 3, 4, 10, 11, 12, 13})
        QTest::addRow("%d", mode) << mode;
}

void tst_TransferContent::clipboardRoundTrip()
{
    QFETCH(int, mode);
    QTemporaryDir dir;
    const TransferFields fields{QStringLiteral("Ça\nva"), QString(), QStringLiteral("ʃə"),
                                QString()};
    const TransferContent c = PrepareTransfer(mode, fields, settings, dir.path());
    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->setMimeData(TransferMimeData(c));
    const QMimeData *back = clipboard->mimeData();
    QVERIFY(back);
    QCOMPARE(back->text(), c.plainText);
    const bool rich = mode == 0 || mode == 4 || mode == 10;
    QCOMPARE(back->hasFormat(QStringLiteral("text/rtf")), rich);
    QCOMPARE(back->hasFormat(QStringLiteral("text/richtext")), rich);
    QCOMPARE(back->hasHtml(), rich);
    if (rich) {
        QCOMPARE(back->data(QStringLiteral("text/rtf")), c.rtf);
        QCOMPARE(back->data(QStringLiteral("text/richtext")), c.rtf);
        QCOMPARE(back->html(), c.html);
    }
}

QTEST_MAIN(tst_TransferContent)
#include "tst_transfercontent.moc"
