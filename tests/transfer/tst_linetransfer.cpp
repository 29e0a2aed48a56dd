#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include "linetransfer.h"
#include "settings.h"
#include "textfile.h"
#include "transferencodings.h"

class tst_LineTransfer : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void content_data();
    void content();
    void sizeBox_data();
    void sizeBox();
};

void tst_LineTransfer::content_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("folderThere");
    QTest::addColumn<QByteArray>("fontPart");
    QTest::addColumn<QByteArray>("sizePart");
    QTest::addColumn<bool>("workRtf");
    QTest::addColumn<bool>("phonetic");
    QTest::newRow("rich text: line font, size box")
        << 0 << true << QByteArray(" Segoe UI;") << QByteArray("\\lang1031\\f0\\fs72") << false
        << false;
    QTest::newRow("phonetic page: no proofing")
        << 0 << true << QByteArray(" Segoe UI;") << QByteArray("\\lang255\\noproof\\f0\\fs72") << false
        << true;
    QTest::newRow("character references: still rich text")
        << 1 << true << QByteArray(" Segoe UI;") << QByteArray("\\fs72") << false << false;
    QTest::newRow("rich text II: pad font and size")
        << 4 << true << QByteArray(" Times New Roman;") << QByteArray("\\lang1031\\f0\\fs26")
        << true << false;
    QTest::newRow("rich text II, no folder: the line still goes")
        << 4 << false << QByteArray(" Segoe UI;") << QByteArray("\\fs72") << false << false;
}

void tst_LineTransfer::content()
{
    QFETCH(int, mode);
    QFETCH(bool, folderThere);
    QFETCH(QByteArray, fontPart);
    QFETCH(QByteArray, sizePart);
    QFETCH(bool, workRtf);
    QFETCH(bool, phonetic);
    QTemporaryDir dir;
    const QString sys = folderThere ? dir.path() : dir.filePath(QStringLiteral("gone"));
    Settings s;
    s.UsrMainFontSize = 13;
    s.SelectLang = QStringLiteral("ドイツ語");
    QString error;
    const TransferContent c = PrepareLineTransfer(
        QStringLiteral("bɔ̃"), mode, QStringLiteral("Segoe UI"), 36, phonetic, s, sys, &error);
    QVERIFY(c.copies);
    QCOMPARE(c.plainText, QStringLiteral("bɔ̃"));
    QVERIFY(c.rtf.contains(fontPart));
    // Inline: no paragraph mark after the line.
    QVERIFY2(c.rtf.endsWith(sizePart + "\\u98?\\u596?\\u771?}"), c.rtf.constData());
    QVERIFY(c.html.contains(QStringLiteral("b&#596;&#771;</span>")));
    QCOMPARE(error.isEmpty(), folderThere);
    if (!folderThere)
        QVERIFY(error.contains(QStringLiteral("Work.rtf")));
    QByteArray written;
    const bool exists = ReadFileBytes(WorkRtfPath(sys), &written);
    QCOMPARE(exists, workRtf);
    if (workRtf) {
        QCOMPARE(c.workRtf, written);
        QVERIFY(written.endsWith("\\lang1041\\f0\\fs26\\u98?\\u596?\\u771?\\f1\\par}\r\n"));
    }
}

void tst_LineTransfer::sizeBox_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("size");
    QTest::newRow("from the list") << "36" << 36;
    QTest::newRow("typed with blanks") << " 72 " << 72;
    QTest::newRow("not a number") << "3a" << 20;
    QTest::newRow("empty") << "" << 20;
    QTest::newRow("zero") << "0" << 20;
    QTest::newRow("larger than RTF carries") << "99999" << 20;
}

void tst_LineTransfer::sizeBox()
{
    QFETCH(QString, text);
    QFETCH(int, size);
    QCOMPARE(LineTransferSize(text, 20), size);
}

QTEST_APPLESS_MAIN(tst_LineTransfer)
#include "tst_linetransfer.moc"
