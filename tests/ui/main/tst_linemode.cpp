// The line window: its place for the run, its pages and their own case states, the line's
// transfer, and LineMode hiding the main window meanwhile.
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include "candline.h"
#include "inputcontroller.h"
#include "mainfrmfixture.h"
#include "qtcolour.h"
#include "taccentbuttons.h"
#include "tcandfrm.h"
#include "tlinefrm.h"
#include "transfercontroller.h"
#include "ttriggerkeyboard.h"

class tst_LineMode : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void placeForTheRun();
    void lineModeHidesTheMainWindow();
    void pagesAndTriggers();
    void transfer_data();
    void transfer();
    void ownCaseStates();

private:
    std::unique_ptr<TLineFrm> open();

    std::unique_ptr<MainFrmFixture> m_f;
    std::unique_ptr<TMainFrm> m_w;
    WindowRect m_place;
};

void tst_LineMode::init()
{
    m_f = std::make_unique<MainFrmFixture>();
    const QString folder = m_f->folders.UserTableFolder;
    QDir().mkpath(folder);
    WriteAnsiFile(folder + QStringLiteral("/CandVelmor.csv"),
                  {CandLine(QStringLiteral("["), {"00E9", "00E1"})});
    WriteAnsiFile(folder + QStringLiteral("/CandAll.csv"),
                  {CandLine(QStringLiteral("A"), {"0251", "00E6"})});
    m_w = m_f->create();
    m_place = WindowRect();
}

void tst_LineMode::cleanup()
{
    m_w.reset();
    m_f.reset();
}

std::unique_ptr<TLineFrm> tst_LineMode::open()
{
    auto line = std::make_unique<TLineFrm>(
        LineFrmServices{m_w->settings(), m_w->folders(), m_w->platform(), *m_w->Input,
                        *m_w->Transfers},
        m_place);
    line->show();
    if (!QTest::qWaitForWindowExposed(line.get()))
        return nullptr;
    return line;
}

void tst_LineMode::placeForTheRun()
{
    auto line = open();
    QVERIFY(line);
    QCOMPARE(line->size(), QSize(440, 320));
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QCOMPARE(line->pos(), QPoint(screen.left() + (screen.width() - 440) / 2,
                                 screen.top() + (screen.height() - 320) / 2));
    QCOMPARE(line->minimumSize(), QSize(350, 300));
    QVERIFY(line->windowFlags() & Qt::WindowStaysOnTopHint);
    QCOMPARE(line->PageControl1->currentIndex(), 0);
    line->move(50, 60);
    line->resize(500, 400);
    line->close();
    QCOMPARE(m_place, (WindowRect{50, 60, 550, 460}));
    line = open();
    QCOMPARE(line->pos(), QPoint(50, 60));
    QCOMPARE(line->size(), QSize(500, 400));
}

void tst_LineMode::lineModeHidesTheMainWindow()
{
    m_w->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_w.get()));
    bool mainHidden = false;
    QString title;
    QTimer::singleShot(0, m_w.get(), [&] {
        auto *line = qobject_cast<TLineFrm *>(QApplication::activeModalWidget());
        QVERIFY(line);
        mainHidden = m_w->isHidden();
        title = line->windowTitle();
        // Unticking the line's box forgets the target and turns AutoPasteFlg off.
        line->AutoPasteBox->setChecked(false);
        line->close();
    });
    QVERIFY(m_w->CheckBox2->isChecked());
    m_w->LineMode->trigger();
    QVERIFY(mainHidden);
    QCOMPARE(title, QStringLiteral("VelmorUC"));
    QVERIFY(m_w->isVisible());
    QVERIFY(!m_w->settings().AutoPasteFlg);
    QVERIFY(!m_w->CheckBox2->isChecked());
    QVERIFY(m_w->settings().MainFrm.isSet());
}

void tst_LineMode::pagesAndTriggers()
{
    auto line = open();
    QVERIFY(line);
    line->Edit1->setFocus();
    int opened = 0;
    m_w->Input->setWindowShownHook([&](TCandidateWindow &w) {
        ++opened;
        QTimer::singleShot(0, &w, [&w] {
            QKeyEvent one(QEvent::KeyPress, Qt::Key_1, Qt::NoModifier, QStringLiteral("1"));
            QApplication::sendEvent(&w, &one);
        });
    });
    // "候補入力": letter triggers; the key "[" on the page offers the same.
    QTest::keyClick(line->Edit1, '[');
    QCOMPARE(line->Edit1->text(), QStringLiteral("é"));
    QTest::mouseClick(line->TriggerKeyboard->key(25), Qt::LeftButton); // "["
    QCOMPARE(line->Edit1->text(), QStringLiteral("éé"));
    QTest::mouseClick(line->TriggerKeyboard->key(15), Qt::LeftButton); // "w"
    QCOMPARE(line->Edit1->text(), QStringLiteral("ééw"));
    QCOMPARE(opened, 2);
    QVERIFY(m_w->padText().isEmpty());
    // "ACボタン": no lookup, the button types into the line.
    line->PageControl1->setCurrentIndex(1);
    QTest::keyClick(line->Edit1, '[');
    QTest::mouseClick(line->AccentButtons->button(0), Qt::LeftButton);
    QCOMPARE(line->Edit1->text(), QStringLiteral("ééw[à"));
    QCOMPARE(opened, 2);
    // "発音記号": the line turns phonetic, text untouched; "A" offers the phonetic symbols.
    line->PageControl1->setCurrentIndex(2);
    QCOMPARE(line->Edit1->palette().color(QPalette::Base), ToQColor(m_w->settings().PhonetColor));
    QCOMPARE(line->Edit1->font().family(), m_w->settings().UsrSubFont);
    QCOMPARE(line->Edit1->text(), QStringLiteral("ééw[à"));
    line->Edit1->setFocus();
    QTest::keyClick(line->Edit1, 'A', Qt::ShiftModifier);
    QCOMPARE(line->Edit1->text(), QStringLiteral("ééw[àɑ"));
    QCOMPARE(opened, 3);
    QVERIFY(m_w->Edit1->text().isEmpty());
    line->PageControl1->setCurrentIndex(0);
    QCOMPARE(line->Edit1->font().family(), m_w->settings().UsrMainFont);
}

void tst_LineMode::transfer_data()
{
    QTest::addColumn<bool>("clear");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("size");
    QTest::addColumn<QByteArray>("fs");
    QTest::newRow("Clear on") << true << 0 << "20" << QByteArray("\\fs40");
    QTest::newRow("Clear off: the line stays selected") << false << 0 << "36" << QByteArray("\\fs72");
    QTest::newRow("rich text II: the pad's size") << false << 4 << "36" << QByteArray("\\fs40");
}

void tst_LineMode::transfer()
{
    QFETCH(bool, clear);
    QFETCH(int, mode);
    QFETCH(QString, size);
    QFETCH(QByteArray, fs);
    m_w->settings().TransMode = mode;
    auto line = open();
    QVERIFY(line);
    line->ClearBox->setChecked(clear);
    QCOMPARE(m_w->settings().AllClearFlg2, clear);
    line->SizeBox->setCurrentText(size);
    line->Edit1->setFocus();
    QTest::keyClicks(line->Edit1, QStringLiteral("Ça va"));
    QTest::keyClick(line->Edit1, Qt::Key_Return); // transfers, is not typed
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    QCOMPARE(data->text(), QStringLiteral("Ça va"));
    QVERIFY(data->data(QStringLiteral("text/rtf")).contains(fs + "\\u199?\\u97?"));
    QCOMPARE(line->Edit1->text(), clear ? QString() : QStringLiteral("Ça va"));
    QCOMPARE(line->Edit1->selectedText(), clear ? QString() : QStringLiteral("Ça va"));
    QCOMPARE(QFile::exists(m_w->folders().SysFolder + QStringLiteral("/Work.rtf")), mode == 4);
}

void tst_LineMode::ownCaseStates()
{
    m_w->show();
    auto line = open();
    QVERIFY(line);
    line->PageControl1->setCurrentIndex(1);
    line->Edit1->setFocus();
    QTest::keyPress(line->Edit1, Qt::Key_Shift);
    QCOMPARE(line->AccentButtons->accentCase(), KeyboardCase::Upper);
    QCOMPARE(line->AccentButtons->backgroundColour(), ToQColor(m_w->settings().AccentUpperColor));
    QCOMPARE(m_w->Input->accentButtons()->accentCase(), KeyboardCase::Lower);
    QTest::keyRelease(line->Edit1, Qt::Key_Shift);
    QCOMPARE(line->AccentButtons->accentCase(), KeyboardCase::Lower);
    // "候補入力": Shift disables "0"; the main window's keyboard keeps its case.
    line->PageControl1->setCurrentIndex(0);
    line->Edit1->setFocus();
    QTest::keyPress(line->Edit1, Qt::Key_Shift);
    QVERIFY(!line->TriggerKeyboard->key(10)->isEnabled());
    QCOMPARE(m_w->Input->triggerKeyboard()->keyboardCase(), KeyboardCase::Lower);
    QTest::keyRelease(line->Edit1, Qt::Key_Shift);
    QVERIFY(line->TriggerKeyboard->key(10)->isEnabled());
    // Closed, the window's pads are no longer driven.
    line.reset();
    m_w->Input->ApplyCaseSwitch({CasePad::LineAccentButtons, KeyboardCase::Upper});
}

QTEST_MAIN(tst_LineMode)
#include "tst_linemode.moc"
