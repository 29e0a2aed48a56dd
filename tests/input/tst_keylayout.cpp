#include <QTest>

#include "keylayout.h"

class tst_KeyLayout : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void keys_data();
    void keys();
};

void tst_KeyLayout::keys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("character");
    QTest::addColumn<bool>("half");
    QTest::addColumn<int>("lower");
    QTest::newRow("!") << 0 << int('!') << false << -1;
    QTest::newRow("blank key 9") << 9 << 0 << false << -1;
    QTest::newRow("= over -") << 10 << int('=') << true << 48;
    QTest::newRow("Q") << 13 << int('Q') << false << -1;
    QTest::newRow("` over @") << 23 << int('`') << true << 51;
    QTest::newRow("L") << 33 << int('L') << false << -1;
    QTest::newRow("_ over backslash") << 47 << int('_') << true << 59;
    QTest::newRow("lower -") << 48 << int('-') << true << -1;
    QTest::newRow("lower :") << 54 << int(':') << true << -1;
    QTest::newRow("lower backslash") << 59 << int('\\') << true << -1;
    QTest::newRow("outside") << 60 << 0 << false << -1;
}

void tst_KeyLayout::keys()
{
    QFETCH(int, key);
    QFETCH(int, character);
    QFETCH(bool, half);
    QFETCH(int, lower);
    QCOMPARE(int(KeyLayoutChar(key)), character);
    QCOMPARE(IsHalfHeightKey(key), half);
    QCOMPARE(LowerHalfOf(key), lower);
    if (lower >= 0)
        QCOMPARE(UpperHalfOf(lower), key);
}

QTEST_APPLESS_MAIN(tst_KeyLayout)
#include "tst_keylayout.moc"
