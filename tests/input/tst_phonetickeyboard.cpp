#include <QTest>

#include "phonetickeyboard.h"

class tst_PhoneticKeyboard : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void layout_data();
    void layout();
    void fontSize_data();
    void fontSize();
    void activeKeys();
};

void tst_PhoneticKeyboard::layout_data()
{
    QTest::addColumn<int>("key"); // -1: "一覧"
    QTest::addColumn<QRect>("rect");
    // 424 x 200: U = 31, R = 44, KW = 29, KH = 41, x0 = 10, y0 = 15.
    QTest::newRow("!") << 0 << QRect(10, 15, 29, 41);
    QTest::newRow("blank key 9") << 9 << QRect(289, 15, 29, 41);
    QTest::newRow("= upper half") << 10 << QRect(320, 15, 29, 20);
    QTest::newRow("- below =") << 48 << QRect(320, 35, 29, 20);
    QTest::newRow("Q, half a unit in") << 13 << QRect(25, 59, 29, 41);
    QTest::newRow("` upper half") << 23 << QRect(335, 59, 29, 20);
    QTest::newRow("@ below `") << 51 << QRect(335, 79, 29, 20);
    QTest::newRow("A, one unit in") << 25 << QRect(41, 103, 29, 41);
    QTest::newRow("Z, one and a half units in") << 37 << QRect(56, 147, 29, 41);
    QTest::newRow("_ upper half") << 47 << QRect(366, 147, 29, 20);
    QTest::newRow("backslash below _") << 59 << QRect(366, 167, 29, 20);
    QTest::newRow("一覧 left of row 3") << -1 << QRect(8, 151, 46, 32);
}

void tst_PhoneticKeyboard::layout()
{
    QFETCH(int, key);
    QFETCH(QRect, rect);
    const PhoneticKeyboardLayout l = LayoutPhoneticKeyboard(424, 200);
    QCOMPARE(key >= 0 ? l.keys[key] : l.listing, rect);
}

void tst_PhoneticKeyboard::fontSize_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("w");
    QTest::addColumn<int>("h");
    QTest::addColumn<int>("size");
    // "W" measures 2s x 3s at s points.
    QTest::newRow("full key: 0.75 of 29 x 41") << 0 << 29 << 41 << 10;
    QTest::newRow("upper half: at least 8") << 10 << 29 << 20 << 8;
    QTest::newRow("lower half: 0.6 of 60 x 60") << 48 << 60 << 60 << 12;
    QTest::newRow("upper key: 0.75 of 60 x 60") << 10 << 60 << 60 << 15;
}

void tst_PhoneticKeyboard::fontSize()
{
    QFETCH(int, key);
    QFETCH(int, w);
    QFETCH(int, h);
    QFETCH(int, size);
    QCOMPARE(PhoneticKeyFontSize([](int s) { return QSize(2 * s, 3 * s); }, key, w, h), size);
}

void tst_PhoneticKeyboard::activeKeys()
{
    CandidateTables t;
    t.table = BuildTriggerTable({QStringLiteral("\"A\",\"0251\",\"00E6\",\"\",\"\",\"\",\"\",\"\",\"\",\"\""),
                                 QStringLiteral("\"=\",\"\",\"0020\",\"\",\"\",\"\",\"\",\"\",\"\",\"\"")});
    for (int key = 0; key < KeyLayoutCount; ++key)
        QCOMPARE(IsActivePhoneticKey(key, t), key == 25);
    QVERIFY(!IsActivePhoneticKey(25, CandidateTables()));
    QCOMPARE(PhoneticKeyHint(25, t), QStringLiteral("ɑ æ"));
    QVERIFY(PhoneticKeyHint(10, t).isEmpty());
}

QTEST_APPLESS_MAIN(tst_PhoneticKeyboard)
#include "tst_phonetickeyboard.moc"
