#include <QTest>

#include "wordcolour.h"

class tst_WordColour : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void isColourCode_data();
    void isColourCode();
    void fromCode_data();
    void fromCode();
    void toCode_data();
    void toCode();
    void roundTrip();
};

void tst_WordColour::isColourCode_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<bool>("valid");
    QTest::newRow("red") << "#FF0000" << true;
    QTest::newRow("digits") << "#012345" << true;
    QTest::newRow("all letters") << "#ABCDEF" << true;
    QTest::newRow("lower case") << "#ff0000" << false;
    QTest::newRow("mixed case") << "#FF00aA" << false;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("no hash") << "FF00000" << false;
    QTest::newRow("short") << "#FF000" << false;
    QTest::newRow("long") << "#FF00000" << false;
    QTest::newRow("G") << "#FF00G0" << false;
    QTest::newRow("full-width digit") << "#FF000０" << false;
    QTest::newRow("dollar") << "$FF0000" << false;
}

void tst_WordColour::isColourCode()
{
    QFETCH(QString, code);
    QFETCH(bool, valid);
    QCOMPARE(IsColourCode(code), valid);
}

void tst_WordColour::fromCode_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<quint32>("colour");
    const quint32 fallback = 0x00123456;
    QTest::newRow("red") << "#FF0000" << quint32(0x000000FF);
    QTest::newRow("green") << "#00FF00" << quint32(0x0000FF00);
    QTest::newRow("blue") << "#0000FF" << quint32(0x00FF0000);
    QTest::newRow("mixed") << "#12AB9C" << quint32(0x009CAB12);
    QTest::newRow("lower case draws default") << "#ff0000" << fallback;
    QTest::newRow("empty draws default") << "" << fallback;
    QTest::newRow("garbage draws default") << "red" << fallback;
}

void tst_WordColour::fromCode()
{
    QFETCH(QString, code);
    QFETCH(quint32, colour);
    QCOMPARE(ColourFromCode(code, 0x00123456), colour);
}

void tst_WordColour::toCode_data()
{
    QTest::addColumn<quint32>("colour");
    QTest::addColumn<QString>("code");
    QTest::newRow("red") << quint32(0x0000FF) << "#FF0000";
    QTest::newRow("blue") << quint32(0xFF0000) << "#0000FF";
    QTest::newRow("black") << quint32(0) << "#000000";
    QTest::newRow("upper digits") << quint32(0x0A0B0C) << "#0C0B0A";
    QTest::newRow("high byte ignored") << quint32(0x01ABCDEF) << "#EFCDAB";
}

void tst_WordColour::toCode()
{
    QFETCH(quint32, colour);
    QFETCH(QString, code);
    QCOMPARE(ColourToCode(colour), code);
    QVERIFY(IsColourCode(code));
}

void tst_WordColour::roundTrip()
{
    for (quint32 c : {0x000000u, 0xFFFFFFu, 0x808080u, 0x00A2C3u, 0xE6FFFAu})
        QCOMPARE(ColourFromCode(ColourToCode(c), 0x111111), c);
}

QTEST_APPLESS_MAIN(tst_WordColour)
#include "tst_wordcolour.moc"
