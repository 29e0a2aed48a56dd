#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "ttriggerkeyboard.h"

namespace {

const QColor Lower(0xFF, 0xC0, 0xCB);
const QColor Upper(0xFF, 0x9B, 0xFF);
const QColor Trigger(0x00, 0xA2, 0x00);
const QColor LabelText(0x10, 0x20, 0x30);

// A candidate-order line of ten fields.
QString candLine(const QString &trigger, const QStringList &codes)
{
    QStringList fields{u'"' + trigger + u'"'};
    for (int n = 0; n < 9; ++n)
        fields.append(u'"' + codes.value(n) + u'"');
    return fields.join(u',');
}

// "e" and "&" are triggers, "E" is not; "[" has only blank candidates.
CandidateTables testTables()
{
    CandidateTables t;
    t.table = BuildTriggerTable({candLine(QStringLiteral("e"), {"00E9", "00E8"}),
                                 candLine(QStringLiteral("&"), {"00A0"}),
                                 candLine(QStringLiteral("["), {"", "0020"})});
    return t;
}

int keyOf(char16_t c)
{
    for (int i = 1; i < TriggerKeyCount; ++i)
        if (TriggerKeyUnshifted(i) == c || TriggerKeyShifted(i) == c)
            return i;
    return -1;
}

} // namespace

class tst_TriggerKeyboard : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void faces_data();
    void faces();
    void backgroundAndCaps();
    void clicks();
    void layout();
    void captionsAndLabelsFit_data();
    void captionsAndLabelsFit();
    void refreshAfterTablesChange();

private:
    CandidateTables m_tables = testTables();
    TriggerKeyboardColours m_colours{Lower, Upper, Trigger, LabelText};
};

void tst_TriggerKeyboard::faces_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("upper");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<QString>("label");
    QTest::addColumn<bool>("labelBold");

    QTest::newRow("e lower: trigger")
        << keyOf(u'e') << false << "e" << true << true << "E" << false;
    QTest::newRow("e upper: E is none")
        << keyOf(u'e') << true << "E" << true << false << "E" << false;
    QTest::newRow("0 upper: disabled") << 10 << true << "" << false << false << "" << false;
    QTest::newRow("0 lower: types 0") << 10 << false << "0" << true << false << "" << false;
    QTest::newRow("6 upper: one ampersand shown")
        << 6 << true << "&&" << true << true << "&" << true;
    QTest::newRow("blank candidates: no trigger")
        << keyOf(u'[') << false << "[" << true << false << "{" << false;
}

void tst_TriggerKeyboard::faces()
{
    QFETCH(int, key);
    QFETCH(bool, upper);
    QFETCH(QString, caption);
    QFETCH(bool, enabled);
    QFETCH(bool, bold);
    QFETCH(QString, label);
    QFETCH(bool, labelBold);

    TTriggerKeyboard k(&m_tables, m_colours, 1.3);
    k.resize(378, 200);
    k.SetKeyboardCase(upper ? KeyboardCase::Upper : KeyboardCase::Lower);
    QPushButton *b = k.key(key);
    QCOMPARE(b->text(), caption);
    QCOMPARE(b->isEnabled(), enabled);
    QCOMPARE(b->font().bold(), bold);
    QCOMPARE(b->palette().color(QPalette::ButtonText), bold ? Trigger : QColor(Qt::black));
    QCOMPARE(b->font().family(), QStringLiteral("Times New Roman"));
    QCOMPARE(k.label(key)->text(), label);
    QCOMPARE(k.label(key)->font().bold(), labelBold);
    QCOMPARE(k.label(key)->palette().color(QPalette::WindowText), labelBold ? Trigger : LabelText);
    // 半/全 is never shown.
    QVERIFY(k.key(0)->isHidden());
    QVERIFY(k.label(0)->isHidden());
    QVERIFY(b->focusPolicy() == Qt::NoFocus);
}

void tst_TriggerKeyboard::backgroundAndCaps()
{
    TTriggerKeyboard k(&m_tables, m_colours, 1.3);
    k.resize(378, 200);
    QCOMPARE(k.keyboardCase(), KeyboardCase::Lower);
    QCOMPARE(k.backgroundColour(), Lower);
    QVERIFY(k.capsButton()->isCheckable());
    QCOMPARE(k.capsButton()->text(), QStringLiteral("CAPS"));
    k.show();
    QTest::mouseClick(k.capsButton(), Qt::LeftButton);
    QVERIFY(k.capsButton()->isChecked());
    QCOMPARE(k.keyboardCase(), KeyboardCase::Upper);
    QCOMPARE(k.backgroundColour(), Upper);
    QCOMPARE(k.key(keyOf(u'q'))->text(), QStringLiteral("Q"));
    QTest::mouseClick(k.capsButton(), Qt::LeftButton);
    QCOMPARE(k.keyboardCase(), KeyboardCase::Lower);
    QCOMPARE(k.key(keyOf(u'q'))->text(), QStringLiteral("q"));
    QCOMPARE(k.listButton()->text(), QStringLiteral("一覧"));
    QVERIFY(k.listButton()->font().bold());
    QCOMPARE(k.directBox()->text(), QStringLiteral("直"));
    QCOMPARE(k.revivalBox()->text(), QStringLiteral("復"));
}

void tst_TriggerKeyboard::clicks()
{
    TTriggerKeyboard k(&m_tables, m_colours, 1.3);
    k.resize(378, 200);
    k.show();
    QVERIFY(QTest::qWaitForWindowExposed(&k));
    QSignalSpy keys(&k, &TTriggerKeyboard::keyClicked);
    QSignalSpy labels(&k, &TTriggerKeyboard::triggerLabelClicked);
    QSignalSpy direct(&k, &TTriggerKeyboard::directToggled);
    QSignalSpy listing(&k, &TTriggerKeyboard::listRequested);

    QTest::mouseClick(k.key(keyOf(u'e')), Qt::LeftButton);
    QCOMPARE(keys.size(), 1);
    QCOMPARE(keys.at(0).at(0).value<QChar>(), QChar(u'e'));

    // A label of a non-trigger does nothing; the bold one sinks while pressed.
    QTest::mouseClick(k.label(keyOf(u'e')), Qt::LeftButton);
    QCOMPARE(labels.size(), 0);
    QLabel *amp = k.label(6);
    const QPoint rest = amp->pos();
    QTest::mousePress(amp, Qt::LeftButton);
    QCOMPARE(amp->pos(), rest + QPoint(1, 1));
    QTest::mouseRelease(amp, Qt::LeftButton);
    QCOMPARE(amp->pos(), rest);
    QCOMPARE(labels.size(), 1);
    QCOMPARE(labels.at(0).at(0).value<QChar>(), QChar(u'&'));

    k.setOptionTicks(false, true);
    QVERIFY(k.revivalBox()->isChecked());
    QCOMPARE(direct.size(), 0);
    QTest::mouseClick(k.directBox(), Qt::LeftButton);
    QCOMPARE(direct.size(), 1);
    QCOMPARE(direct.at(0).at(0).toBool(), true);
    QTest::mouseClick(k.listButton(), Qt::LeftButton);
    QCOMPARE(listing.size(), 1);
}

void tst_TriggerKeyboard::layout()
{
    TTriggerKeyboard k(&m_tables, m_colours, 1.3);
    k.resize(500, 260);
    k.show();
    QVERIFY(QTest::qWaitForWindowExposed(&k));
    const TriggerKeyboardLayout l = LayoutTriggerKeyboard(500, 260, 1.3);
    QCOMPARE(k.layoutValues(), l);
    for (int i = 1; i < TriggerKeyCount; ++i) {
        QCOMPARE(k.key(i)->geometry(), l.keys[i]);
        // Labels sit centred right above their keys.
        QLabel *label = k.label(i);
        QCOMPARE(label->y() + label->height(), l.keys[i].top());
        QCOMPARE(label->x(), l.keys[i].left() + (l.keys[i].width() - label->width()) / 2);
    }
    QCOMPARE(k.capsButton()->geometry(), l.caps);
    QCOMPARE(k.listButton()->geometry(), l.listing);
    QCOMPARE(k.directBox()->pos(), l.direct.topLeft());
    QCOMPARE(k.directBox()->width(), 35);
    QCOMPARE(k.revivalBox()->pos(), l.revival.topLeft());
    // The key font grows with the page.
    const int small = k.key(20)->font().pointSize();
    k.resize(1000, 520);
    QCOMPARE(k.key(20)->geometry(), LayoutTriggerKeyboard(1000, 520, 1.3).keys[20]);
    QVERIFY(k.key(20)->font().pointSize() > small);
}

void tst_TriggerKeyboard::captionsAndLabelsFit_data()
{
    QTest::addColumn<QSize>("size");
    QTest::newRow("start") << QSize(500, 260);
    QTest::newRow("tall, as with 下伸び") << QSize(520, 700);
    QTest::newRow("maximised, tall") << QSize(1270, 900);
    QTest::newRow("wide and low") << QSize(1270, 200);
    QTest::newRow("small") << QSize(320, 160);
}

void tst_TriggerKeyboard::captionsAndLabelsFit()
{
    QFETCH(QSize, size);
    TTriggerKeyboard k(&m_tables, m_colours, 1.3);
    k.resize(size);
    k.show();
    QVERIFY(QTest::qWaitForWindowExposed(&k));
    k.SetKeyboardCase(KeyboardCase::Upper); // bold trigger labels are the widest
    for (QPushButton *button : {k.capsButton(), k.listButton()}) {
        const int text = QFontMetrics(button->font()).horizontalAdvance(button->text());
        QVERIFY2(text <= button->width() - 4,
                 qPrintable(button->text() + QStringLiteral(" %1 in %2").arg(text).arg(
                                                     button->width())));
    }
    // A shift label no wider than its key cannot run into its neighbour's.
    QFont widest = k.label(20)->font();
    widest.setBold(true);
    QVERIFY(QFontMetrics(widest).horizontalAdvance(u'W') <= k.key(20)->width());
}

void tst_TriggerKeyboard::refreshAfterTablesChange()
{
    CandidateTables tables = testTables();
    TTriggerKeyboard k(&tables, m_colours, 1.3);
    const int semicolon = keyOf(u';');
    QVERIFY(!k.key(semicolon)->font().bold());
    tables.table = BuildTriggerTable({candLine(QStringLiteral(";"), {"00E9"})});
    k.RefreshTriggerKeyboard();
    QVERIFY(k.key(semicolon)->font().bold());
    QVERIFY(!k.key(keyOf(u'e'))->font().bold());
    k.setColours({Lower, Upper, Qt::blue, LabelText});
    QCOMPARE(k.key(semicolon)->palette().color(QPalette::ButtonText), QColor(Qt::blue));
}

QTEST_MAIN(tst_TriggerKeyboard)
#include "tst_triggerkeyboard.moc"
