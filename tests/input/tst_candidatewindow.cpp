#include <QTest>

#include "candidatewindow.h"

class tst_CandidateWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void position_data();
    void position();
    void geometry();
    void labels_data();
    void labels();
    void cellGlyph_data();
    void cellGlyph();
};

void tst_CandidateWindow::cellGlyph_data()
{
    QTest::addColumn<QString>("slot");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<bool>("standIn");
    QTest::newRow("letter") << "é" << "é" << false;
    QTest::newRow("blank") << "" << "" << false;
    QTest::newRow("combining tilde") << "\u0303" << "\u25CC\u0303" << false;
    QTest::newRow("syllabic mark") << "\u0329" << "\u25CC\u0329" << false;
    QTest::newRow("no-break space") << "\u00A0" << "NBSP" << true;
    QTest::newRow("thin space") << "\u2009" << "TSP" << true;
    QTest::newRow("narrow no-break space") << "\u202F" << "NNBSP" << true;
    QTest::newRow("zero width joiner") << "\u200D" << "ZWJ" << true;
    QTest::newRow("zero width non-joiner") << "\u200C" << "ZWNJ" << true;
    QTest::newRow("soft hyphen") << "\u00AD" << "SH" << true;
    QTest::newRow("tab, no name") << "\t" << "0009" << true;
}

void tst_CandidateWindow::cellGlyph()
{
    QFETCH(QString, slot);
    QFETCH(QString, shown);
    QFETCH(bool, standIn);
    QCOMPARE(CandidateCellGlyph(slot), (CandidateGlyph{shown, standIn}));
}

void tst_CandidateWindow::position_data()
{
    QTest::addColumn<QRect>("field");
    QTest::addColumn<QPoint>("caret");
    QTest::addColumn<int>("screenWidth");
    QTest::addColumn<QPoint>("pos");
    QTest::newRow("above the caret")
        << QRect(100, 300, 400, 200) << QPoint(30, 40) << 1920 << QPoint(130, 300 + 40 - 100 - 8);
    QTest::newRow("exactly at the right edge")
        << QRect(0, 300, 400, 200) << QPoint(1396, 0) << 1920 << QPoint(1396, 192);
    QTest::newRow("one pixel over the right edge")
        << QRect(0, 300, 400, 200) << QPoint(1397, 0) << 1920 << QPoint(1920 - 524 - 8, 192);
    QTest::newRow("far right") << QRect(1800, 300, 100, 20) << QPoint(50, 5) << 1920
                               << QPoint(1388, 197);
    // No correction at the top or left edge: the window may stand above the screen.
    QTest::newRow("near the top") << QRect(10, 20, 300, 30) << QPoint(5, 10) << 1920
                                  << QPoint(15, -78);
    QTest::newRow("left of the screen")
        << QRect(-50, 400, 300, 30) << QPoint(10, 10) << 1920 << QPoint(-40, 302);
}

void tst_CandidateWindow::position()
{
    QFETCH(QRect, field);
    QFETCH(QPoint, caret);
    QFETCH(int, screenWidth);
    QFETCH(QPoint, pos);
    QCOMPARE(CandidateWindowPosition(field, caret, screenWidth), pos);
}

void tst_CandidateWindow::geometry()
{
    QCOMPARE(CandidateWindowWidth, 524);
    QCOMPARE(CandidateWindowHeight, 100);
    QCOMPARE(CandidateStripRect(), QRect(4, 22, 495, 54));
    QCOMPARE(CandidateCellRect(0), QRect(4, 2, 48, 50));
    QCOMPARE(CandidateCellRect(9), QRect(4 + 49 * 9, 2, 48, 50));
    QCOMPARE(CandidateNumberLabelPos(0), QPoint(28, 4));
    QCOMPARE(CandidateNumberLabelPos(9), QPoint(28 + 49 * 9, 4));
    // The last cell stays inside the strip.
    QVERIFY(CandidateCellRect(9).right() < CandidateStripRect().width());
}

void tst_CandidateWindow::labels_data()
{
    QTest::addColumn<int>("selected");
    QTest::addColumn<bool>("english");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("code");
    QTest::newRow("japanese") << 0 << false << QString::fromUtf8("日本語名：e 鋭アクセント")
                              << QString::fromUtf8("コード値： 00E9");
    QTest::newRow("english") << 0 << true << "NAME: LATIN SMALL LETTER E WITH ACUTE"
                             << "UNICODE: 00E9";
    QTest::newRow("unknown character keeps its code")
        << 1 << false << QString::fromUtf8("日本語名：") << QString::fromUtf8("コード値： 1E9E");
    QTest::newRow("empty slot") << 2 << true << "NAME: "
                                << "UNICODE: ";
    QTest::newRow("revived trigger") << 9 << true << "NAME: "
                                     << "UNICODE: 0065";
}

void tst_CandidateWindow::labels()
{
    QFETCH(int, selected);
    QFETCH(bool, english);
    QFETCH(QString, name);
    QFETCH(QString, code);
    CandidateSlots offered{};
    offered[0] = 0xE9;
    offered[1] = 0x1E9E;
    offered[9] = 'e';
    const QList<TUnicodeDB> names{{0xE9, QString::fromUtf8("e 鋭アクセント"),
                                   "LATIN SMALL LETTER E WITH ACUTE", 0,
                                   QString::fromUtf8("注 è と区別")},
                                  TUnicodeDB()};
    const CandidateLabels labels = CandidateLabelTexts(offered, selected, names, english);
    QCOMPARE(labels.name, name);
    QCOMPARE(labels.code, code);
    QCOMPARE(labels.hints.size(), 10);
    QCOMPARE(labels.hints[0], QString::fromUtf8("注 è と区別"));
    for (int i = 1; i < 10; ++i)
        QCOMPARE(labels.hints[i], QString());
}

QTEST_APPLESS_MAIN(tst_CandidateWindow)
#include "tst_candidatewindow.moc"
