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
    QTest::newRow("rich text: line font, size box") << 0 << true << QByteArray(" Segoe UI;")
                                                    << QByteArray("\\fs72") << false;
    QTest::newRow("character references: still rich text") << 1 << true << QByteArray(" Segoe UI;")
                                                           << QByteArray("\\fs72") << false;
    QTest::newRow("rich text II: pad font and size") << 4 << true << QByteArray(" Times New Roman;")
                                                     << QByteArray("\\fs26") << true;
    QTest::newRow("rich text II, no folder: the line still goes")
        << 4 << false << QByteArray(" Segoe UI;") << QByteArray("\\fs72") << false;
}

void tst_LineTransfer::content()
{
    QFETCH(int, mode);
    QFETCH(bool, folderThere);
    QFETCH(QByteArray, fontPart);
    QFETCH(QByteArray, sizePart);
    QFETCH(bool, workRtf);
    QTemporaryDir dir;
    const QString sys = folderThere ? dir.path() : dir.filePath(QStringLiteral("gone"));
    Settings s;
    s.UsrMainFontSize = 13;
    QString error;
    const TransferContent c = PrepareLineTransfer(QStringLiteral("bɔ̃"), mode,
                                                  QStringLiteral("Segoe UI"), 36, s, sys, &error);
    QVERIFY(c.copies);
    QCOMPARE(c.plainText, QStringLiteral("bɔ̃"));
    QVERIFY(c.rtf.contains(fontPart));
    QVERIFY(c.rtf.contains(sizePart + "\\u98?\\u596?\\u771?\\f1\\par}"));
    QCOMPARE(error.isEmpty(), folderThere);
    if (!folderThere)
        QVERIFY(error.contains(QStringLiteral("Work.rtf")));
    QByteArray written;
    const bool exists = ReadFileBytes(WorkRtfPath(sys), &written);
    QCOMPARE(exists, workRtf);
    if (workRtf) {
        QCOMPARE(c.rtf, written); // the file's bytes are the rich text
        QVERIFY(written.endsWith("\\par}\r\n"));
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
