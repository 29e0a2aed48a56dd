#include <QTest>

#include "accentbuttons.h"

class tst_AccentButtons : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void tables_data();
    void tables();
    void layout_data();
    void layout();
    void pictures_data();
    void pictures();
};

void tst_AccentButtons::tables_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("lower");
    QTest::addColumn<int>("upper");
    QTest::newRow("0 grave a") << 0 << 0xE0 << 0xC0;
    QTest::newRow("6 acute e") << 6 << 0xE9 << 0xC9;
    QTest::newRow("14 circumflex u") << 14 << 0xFB << 0xDB;
    QTest::newRow("19 diaeresis u") << 19 << 0xFC << 0xDC;
    QTest::newRow("22 tilde n") << 22 << 0xF1 << 0xD1;
    QTest::newRow("23 apostrophe / euro") << 23 << 0x2019 << 0x20AC;
    QTest::newRow("27 sharp s / tie") << 27 << 0xDF << 0x2040;
    QTest::newRow("29 bullet / guillemet") << 29 << 0x2022 << 0x203A;
    QTest::newRow("35 question / quote") << 35 << int('?') << 0x2019;
    QTest::newRow("37 exclamation / quote") << 37 << int('!') << 0x201F;
    QTest::newRow("outside") << 38 << 0 << 0;
}

void tst_AccentButtons::tables()
{
    QFETCH(int, button);
    QFETCH(int, lower);
    QFETCH(int, upper);
    QCOMPARE(int(AccentButtonChar(button, KeyboardCase::Lower)), lower);
    QCOMPARE(int(AccentButtonChar(button, KeyboardCase::Upper)), upper);
}

void tst_AccentButtons::layout_data()
{
    QTest::addColumn<int>("W");
    QTest::addColumn<int>("H");
    QTest::addColumn<int>("button"); // -1: "CAPS", -2 - r: picture r
    QTest::addColumn<QRect>("rect");
    // U = trunc((378 - 22.4 - 36) / 9) = 35, R = trunc((200 - 15.6) / 5) = 36.
    QTest::newRow("picture 0") << 378 << 200 << -2 << QRect(16, 12, 33, 32);
    QTest::newRow("picture 4") << 378 << 200 << -6 << QRect(16, 12 + 4 * 36, 33, 32);
    QTest::newRow("a grave, column 1") << 378 << 200 << 0 << QRect(28 + 35, 12, 33, 32);
    QTest::newRow("u acute, column 5") << 378 << 200 << 9 << QRect(28 + 5 * 35, 48, 33, 32);
    QTest::newRow("n tilde, row 4") << 378 << 200 << 22 << QRect(28 + 3 * 35, 156, 33, 32);
    QTest::newRow("column 6, row 2") << 378 << 200 << 25 << QRect(40 + 6 * 35, 84, 33, 32);
    QTest::newRow("column 8, row 3") << 378 << 200 << 35 << QRect(52 + 8 * 35, 120, 33, 32);
    QTest::newRow("CAPS") << 378 << 200 << -1 << QRect(28 + 4 * 35 + 4, 156, 70, 36);
    // Narrower: the buttons shrink with the unit.
    QTest::newRow("narrow") << 200 << 120 << 0 << QRect(28 + 15, 12, 13, 18);
}

void tst_AccentButtons::layout()
{
    QFETCH(int, W);
    QFETCH(int, H);
    QFETCH(int, button);
    QFETCH(QRect, rect);
    const AccentButtonsLayout l = LayoutAccentButtons(W, H);
    const QRect got = button >= 0 ? l.buttons[button] : button == -1 ? l.caps : l.pictures[-2 - button];
    QCOMPARE(got, rect);
}

void tst_AccentButtons::pictures_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("pen");
    QTest::addColumn<QList<QPoint>>("points");
    QTest::addColumn<QList<QRect>>("boxes");
    // 60 x 50: x = 10, y = 10.
    QTest::newRow("grave") << 0 << int(AccentPictureShape::FilledPolygon) << 2
                           << QList<QPoint>{{10, 10}, {30, 10}, {50, 40}, {40, 40}}
                           << QList<QRect>{};
    QTest::newRow("acute") << 1 << int(AccentPictureShape::FilledPolygon) << 2
                           << QList<QPoint>{{30, 10}, {50, 10}, {20, 40}, {10, 40}}
                           << QList<QRect>{};
    QTest::newRow("circumflex") << 2 << int(AccentPictureShape::Polyline) << 4
                                << QList<QPoint>{{10, 30}, {30, 10}, {50, 30}} << QList<QRect>{};
    QTest::newRow("diaeresis") << 3 << int(AccentPictureShape::FilledEllipses) << 2
                               << QList<QPoint>{}
                               << QList<QRect>{QRect(15, 10, 10, 10), QRect(35, 10, 10, 10)};
    QTest::newRow("tilde") << 4 << int(AccentPictureShape::CubicCurve) << 4
                           << QList<QPoint>{{10, 20}, {20, -10}, {40, 40}, {50, 10}}
                           << QList<QRect>{};
}

void tst_AccentButtons::pictures()
{
    QFETCH(int, row);
    QFETCH(int, kind);
    QFETCH(int, pen);
    QFETCH(QList<QPoint>, points);
    QFETCH(QList<QRect>, boxes);
    const AccentPictureShape s = AccentPictureOf(row, 60, 50);
    QCOMPARE(int(s.kind), kind);
    QCOMPARE(s.penWidth, pen);
    QCOMPARE(s.points, points);
    QCOMPARE(s.ellipseBoxes, boxes);
}

QTEST_APPLESS_MAIN(tst_AccentButtons)
#include "tst_accentbuttons.moc"
