#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "tcandfrm.h"

namespace {

// Three candidates and the trigger itself in slot 9, as trigger revival offers them.
CandidateSlots threeAndTrigger()
{
    CandidateSlots s{};
    s[0] = u'é';
    s[1] = u'è';
    s[2] = u'ê';
    s[9] = u'e';
    return s;
}

CandidateWindowSetup setupOf(const CandidateSlots &offered)
{
    CandidateWindowSetup setup;
    setup.offered = offered;
    setup.names = {{u'é', QStringLiteral("ラテン小文字Ｅ（アキュート）"),
                    QStringLiteral("LATIN SMALL LETTER E WITH ACUTE"), 0,
                    QStringLiteral("注 é と è を取り違えないこと")},
                   {u'è', QStringLiteral("ラテン小文字Ｅ（グレーブ）"),
                    QStringLiteral("LATIN SMALL LETTER E WITH GRAVE"), 0, QString()}};
    setup.background = Qt::gray;
    setup.numberColour = Qt::white;
    setup.glyphFamily = QStringLiteral("Times New Roman");
    return setup;
}

} // namespace

class tst_CandidateWindows : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { TCandidateWindow::setEnglishNameMode(false); }
    void frame();
    void keys_data();
    void keys();
    void labels();
    void englishModeShared();
    void clickWaitsForTimer();
    void placement_data();
    void placement();
    void dragByBackground();
};

void tst_CandidateWindows::frame()
{
    TBandFrm w(setupOf(threeAndTrigger()), nullptr);
    QCOMPARE(w.size(), QSize(524, 100));
    QVERIFY(w.windowFlags() & Qt::FramelessWindowHint);
    QVERIFY(w.windowFlags() & Qt::WindowStaysOnTopHint);
    // It never takes the focus from the field that typed the trigger.
    QVERIFY(w.windowFlags() & Qt::WindowDoesNotAcceptFocus);
    QVERIFY(w.testAttribute(Qt::WA_ShowWithoutActivating));
    QCOMPARE(w.closeButton()->text(), QStringLiteral("×"));
    QCOMPARE(w.closeButton()->geometry(), QRect(499, 0, 24, 24));
    QCOMPARE(w.closeButton()->toolTip(), QStringLiteral("候補画面を閉じます"));
    QCOMPARE(w.englishButton()->text(), QStringLiteral("E"));
    QCOMPARE(w.englishButton()->geometry(), QRect(499, 75, 24, 24));
    QCOMPARE(w.englishButton()->toolTip(), QStringLiteral("押した状態にすると英語名を表示します"));
    QVERIFY(w.englishButton()->isCheckable());
    for (int i = 0; i < 10; ++i) {
        QCOMPARE(w.cell(i)->geometry(), QRect(4 + 49 * i, 2, 48, 50));
        QCOMPARE(w.numberLabel(i)->pos(), QPoint(28 + 49 * i, 4));
        QCOMPARE(w.numberLabel(i)->text(), i == 9 ? QStringLiteral("0") : QString::number(i + 1));
        QCOMPARE(w.numberLabel(i)->palette().color(QPalette::WindowText), QColor(Qt::white));
    }
    QCOMPARE(w.cell(0)->parentWidget()->geometry(), QRect(4, 22, 495, 54));
    QCOMPARE(w.selectedSlot(), 0);
    QCOMPARE(w.nameLabel()->pos(), QPoint(16, 79));
    // The number labels of the phonetic window keep the default black.
    TCandFrm c(setupOf(threeAndTrigger()), nullptr);
    CandidateWindowSetup black = setupOf(threeAndTrigger());
    black.numberColour = Qt::black;
    TCandFrm c2(black, nullptr);
    QCOMPARE(c2.numberLabel(0)->palette().color(QPalette::WindowText), QColor(Qt::black));
}

void tst_CandidateWindows::keys_data()
{
    QTest::addColumn<QList<int>>("keys"); // key codes, pressed in order
    QTest::addColumn<QString>("texts");   // the text of each key, one unit per key, '.' none
    QTest::addColumn<bool>("open");       // still open afterwards
    QTest::addColumn<bool>("chosen");
    QTest::addColumn<QString>("choice");
    QTest::addColumn<int>("selected");

    QTest::newRow("enter takes the first")
        << QList<int>{Qt::Key_Return} << "\r" << false << true << "é" << 0;
    QTest::newRow("digit 2") << QList<int>{Qt::Key_2} << "2" << false << true << "è" << 1;
    QTest::newRow("digit 0 is the trigger")
        << QList<int>{Qt::Key_0} << "0" << false << true << "e" << 9;
    QTest::newRow("blank 5 closes without")
        << QList<int>{Qt::Key_5} << "5" << false << false << "" << 4;
    QTest::newRow("right then enter")
        << QList<int>{Qt::Key_Right, Qt::Key_Return} << ".\r" << false << true << "è" << 1;
    QTest::newRow("space moves on")
        << QList<int>{Qt::Key_Space, Qt::Key_Space} << "  " << true << false << "" << 2;
    QTest::newRow("left from first wraps to 0")
        << QList<int>{Qt::Key_Left} << "." << true << false << "" << 9;
    QTest::newRow("left, space back to 1")
        << QList<int>{Qt::Key_Left, Qt::Key_Space} << ". " << true << false << "" << 0;
    QTest::newRow("enter on a blank slot removes only")
        << QList<int>{Qt::Key_Left, Qt::Key_Left, Qt::Key_Return} << "..\r" << false << true << ""
        << 8;
    QTest::newRow("escape closes")
        << QList<int>{Qt::Key_Escape} << "\x1b" << false << false << "" << 0;
    QTest::newRow("a letter closes") << QList<int>{Qt::Key_A} << "a" << false << false << "" << 0;
    QTest::newRow("up does nothing") << QList<int>{Qt::Key_Up} << "." << true << false << "" << 0;
    QTest::newRow("function key does nothing")
        << QList<int>{Qt::Key_F9} << "." << true << false << "" << 0;
}

void tst_CandidateWindows::keys()
{
    QFETCH(QList<int>, keys);
    QFETCH(QString, texts);
    QFETCH(bool, open);
    QFETCH(bool, chosen);
    QFETCH(QString, choice);
    QFETCH(int, selected);

    TBandFrm w(setupOf(threeAndTrigger()), nullptr);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    for (int i = 0; i < keys.size(); ++i) {
        const QString text = texts.at(i) == u'.' ? QString() : QString(texts.at(i));
        QKeyEvent press(QEvent::KeyPress, keys[i], Qt::NoModifier, text);
        QApplication::sendEvent(&w, &press);
    }
    QCOMPARE(w.isVisible(), open);
    QCOMPARE(w.choice().has_value(), chosen);
    if (chosen)
        QCOMPARE(*w.choice(), choice);
    QCOMPARE(w.selectedSlot(), selected);
}

void tst_CandidateWindows::labels()
{
    TCandFrm w(setupOf(threeAndTrigger()), nullptr);
    QCOMPARE(w.nameLabel()->text(), QStringLiteral("日本語名：ラテン小文字Ｅ（アキュート）"));
    QCOMPARE(w.codeLabel()->text(), QStringLiteral("コード値： 00E9"));
    QCOMPARE(w.codeLabel()->x(), w.nameLabel()->x() + w.nameLabel()->width() + 24);
    QCOMPARE(w.cell(0)->toolTip(), QStringLiteral("注 é と è を取り違えないこと"));
    QCOMPARE(w.cell(1)->toolTip(), QString());
    QCOMPARE(w.nameLabel()->font().family(), QStringLiteral("ＭＳ Ｐゴシック"));
    // A character the database does not know: empty name, the code still shown.
    QKeyEvent left(QEvent::KeyPress, Qt::Key_Left, Qt::NoModifier);
    QApplication::sendEvent(&w, &left);
    QCOMPARE(w.nameLabel()->text(), QStringLiteral("日本語名："));
    QCOMPARE(w.codeLabel()->text(), QStringLiteral("コード値： 0065"));
    // An empty slot shows no code at all.
    QApplication::sendEvent(&w, &left);
    QCOMPARE(w.codeLabel()->text(), QStringLiteral("コード値： "));
}

void tst_CandidateWindows::englishModeShared()
{
    {
        TCandFrm phonetic(setupOf(threeAndTrigger()), nullptr);
        QVERIFY(!phonetic.englishButton()->isChecked());
        QTest::mouseClick(phonetic.englishButton(), Qt::LeftButton);
        QVERIFY(phonetic.englishButton()->isChecked());
        // A name too long for its room is shortened and shown whole in the hint.
        QLabel *name = phonetic.nameLabel();
        const QString whole = name->toolTip().isEmpty() ? name->text() : name->toolTip();
        QCOMPARE(whole, QStringLiteral("NAME: LATIN SMALL LETTER E WITH ACUTE"));
        QVERIFY(name->text().startsWith(QStringLiteral("NAME: LATIN")));
        QCOMPARE(phonetic.codeLabel()->text(), QStringLiteral("UNICODE: 00E9"));
        QCOMPARE(phonetic.nameLabel()->font().family(), QStringLiteral("Arial"));
        QCOMPARE(phonetic.numberLabel(3)->font().family(), QStringLiteral("Arial"));
    }
    // The next window of the other kind starts with "E" down.
    TBandFrm band(setupOf(threeAndTrigger()), nullptr);
    QVERIFY(band.englishButton()->isChecked());
    QVERIFY(band.nameLabel()->text().startsWith(QStringLiteral("NAME: ")));
    // The code is never hidden under the "E" button, however long the name.
    QVERIFY(band.codeLabel()->geometry().right() < band.englishButton()->x());
    QTest::mouseClick(band.englishButton(), Qt::LeftButton);
    QVERIFY(!TCandidateWindow::englishNameMode());
    QCOMPARE(band.codeLabel()->text(), QStringLiteral("コード値： 00E9"));
}

void tst_CandidateWindows::clickWaitsForTimer()
{
    TBandFrm w(setupOf(threeAndTrigger()), nullptr);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QTest::mouseClick(w.cell(2), Qt::LeftButton);
    // Selected and still showing for the moment of the timer.
    QCOMPARE(w.selectedSlot(), 2);
    QVERIFY(w.isVisible());
    QVERIFY(w.clickTimer()->isActive());
    QCOMPARE(w.clickTimer()->interval(), 50);
    QTRY_VERIFY(!w.isVisible());
    QCOMPARE(w.choice(), std::optional<QString>(QStringLiteral("ê")));

    // A blank cell clicked inserts the empty text (it removes a selection).
    TBandFrm blank(setupOf(threeAndTrigger()), nullptr);
    blank.show();
    QTest::mouseClick(blank.cell(6), Qt::LeftButton);
    QTRY_VERIFY(!blank.isVisible());
    QCOMPARE(blank.choice(), std::optional<QString>(QString()));

    // The close button never chooses.
    TBandFrm closed(setupOf(threeAndTrigger()), nullptr);
    closed.show();
    QTest::mouseClick(closed.closeButton(), Qt::LeftButton);
    QVERIFY(!closed.isVisible());
    QVERIFY(!closed.choice());
}

void tst_CandidateWindows::placement_data()
{
    QTest::addColumn<int>("fieldLeft"); // from the right edge of the screen when negative
    QTest::addColumn<bool>("clamped");
    QTest::newRow("left of the screen") << 100 << false;
    QTest::newRow("near the right edge") << -150 << true;
}

void tst_CandidateWindows::placement()
{
    QFETCH(int, fieldLeft);
    QFETCH(bool, clamped);
    const QRect screen = QApplication::primaryScreen()->geometry();
    QLineEdit field;
    field.setWindowFlags(Qt::FramelessWindowHint);
    field.setText(QStringLiteral("abc"));
    field.resize(140, 30);
    const int left = fieldLeft >= 0 ? fieldLeft : screen.width() + fieldLeft;
    field.move(left, 300);
    field.show();
    QVERIFY(QTest::qWaitForWindowExposed(&field));
    field.setCursorPosition(3);
    const QRect caret = field.inputMethodQuery(Qt::ImCursorRectangle).toRect();

    TCandFrm w(setupOf(threeAndTrigger()), nullptr);
    w.placeAbove(&field);
    const QPoint fieldTop = field.mapToGlobal(QPoint(0, 0));
    QCOMPARE(w.pos().y(), fieldTop.y() + caret.y() - 100 - 8);
    if (clamped)
        QCOMPARE(w.pos().x(), screen.x() + screen.width() - 524 - 8);
    else
        QCOMPARE(w.pos().x(), fieldTop.x() + caret.x());
}

namespace {
void sendMouse(QWidget *target, QEvent::Type type, const QPoint &local, Qt::MouseButtons buttons)
{
    const QPointF global = target->mapToGlobal(QPointF(local));
    QMouseEvent e(type, QPointF(local), global,
                  type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, buttons,
                  Qt::NoModifier);
    QApplication::sendEvent(target, &e);
}
} // namespace

void tst_CandidateWindows::dragByBackground()
{
    TBandFrm w(setupOf(threeAndTrigger()), nullptr);
    w.move(100, 300);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    const QPoint start = w.pos();
    // The corner left of the strip is background.
    sendMouse(&w, QEvent::MouseButtonPress, QPoint(2, 10), Qt::LeftButton);
    sendMouse(&w, QEvent::MouseMove, QPoint(42, 30), Qt::LeftButton);
    QCOMPARE(w.pos(), start + QPoint(40, 20));
    sendMouse(&w, QEvent::MouseButtonRelease, QPoint(42, 30), Qt::NoButton);
    // A press on the strip between cells does not drag.
    const QPoint after = w.pos();
    QWidget *strip = w.cell(0)->parentWidget();
    sendMouse(strip, QEvent::MouseButtonPress, QPoint(2, 1), Qt::LeftButton);
    sendMouse(&w, QEvent::MouseMove, QPoint(80, 60), Qt::LeftButton);
    QCOMPARE(w.pos(), after);
    QVERIFY(w.isVisible());
    QVERIFY(!w.choice());
}

QTEST_MAIN(tst_CandidateWindows)
#include "tst_candidatewindows.moc"
