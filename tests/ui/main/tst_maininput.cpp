// Trigger input in the main window: the pad and the phonetic line, the candidate
// windows they open, and the "候補入力" page, over small tables and the installed ones.
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>

#include <functional>

#include "inputcontroller.h"
#include "mainfrmfixture.h"
#include "tcandfrm.h"
#include "ttriggerkeyboard.h"

namespace {

QString candLine(const QString &trigger, const QStringList &codes)
{
    QStringList fields{u'"' + trigger + u'"'};
    for (int n = 0; n < 9; ++n)
        fields.append(u'"' + codes.value(n) + u'"');
    return fields.join(u',');
}

int keyOf(char16_t c)
{
    for (int i = 1; i < TriggerKeyCount; ++i)
        if (TriggerKeyUnshifted(i) == c)
            return i;
    return -1;
}

} // namespace

class tst_MainInput : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void fieldsTakePlainKeys();
    void typeTriggerChooseByDigit();
    void fastTypingKeepsEveryKey();
    void keyThroughTheWindowSystem();
    void undoRemovesTheCandidate();
    void candidateReplacesSelection();
    void blankTriggerTypesItself();
    void directInput_data();
    void directInput();
    void phoneticLine();
    void escapeInsertsNothing();
    void pageTriggerKey();
    void pageOtherKeyTypesIt();
    void pageTriggerLabel();
    void capsPushBack_data();
    void capsPushBack();
    void shiftInThePad_data();
    void shiftInThePad();
    void capsLockAtStart();
    void listButton();
    void flagsStoredAtClose();
    void optionsFlagsSurviveTheClose();
    void rebuildRefreshesThePage();
    void installedTables();

private:
    // Writes the small test tables into the user's table folder.
    void writeTables();
    std::unique_ptr<TMainFrm> createShown();
    // Every candidate window that opens is recorded, then act runs on it once it is
    // shown; a window left open is closed after a while so no test hangs.
    void onWindow(std::function<void(TCandidateWindow &)> act);
    void typeInto(QWidget *field, QChar c, Qt::KeyboardModifiers mods = Qt::NoModifier);

    std::unique_ptr<MainFrmFixture> m_fixture;
    std::unique_ptr<TMainFrm> m_w;
    int m_opened = 0;
    QString m_windowClass;
    CandidateSlots m_offered{};
    QPoint m_windowPos;
    QString m_nameLabel;
};

void tst_MainInput::init()
{
    m_fixture = std::make_unique<MainFrmFixture>();
    m_opened = 0;
    m_windowClass.clear();
    m_offered = {};
    TCandidateWindow::setEnglishNameMode(false);
}

void tst_MainInput::cleanup()
{
    m_w.reset();
    m_fixture.reset();
}

void tst_MainInput::writeTables()
{
    const QString folder = m_fixture->folders.UserTableFolder;
    QDir().mkpath(folder);
    WriteAnsiFile(
        folder + QStringLiteral("/CandVelmor.csv"),
        {candLine(QStringLiteral("["), {"00E9", "00E1"}), candLine(QStringLiteral("@"), {"00E0"}),
         // The first entry decides even though it is blank.
         candLine(QStringLiteral(";"), {"", "0020"}), candLine(QStringLiteral(";"), {"00E8"}),
         candLine(QStringLiteral("{"), {"00C9"})});
    WriteAnsiFile(folder + QStringLiteral("/CandAll.csv"),
                  {candLine(QStringLiteral("A"), {"0251", "00E6"})});
}

std::unique_ptr<TMainFrm> tst_MainInput::createShown()
{
    auto w = m_fixture->create();
    w->show();
    if (!QTest::qWaitForWindowExposed(w.get()))
        return nullptr;
    QApplication::setActiveWindow(w.get());
    w->Input->setWindowShownHook([this](TCandidateWindow &window) {
        ++m_opened;
        m_windowClass = QString::fromLatin1(window.metaObject()->className());
        m_offered = window.offered();
        m_windowPos = window.pos();
        m_nameLabel = window.nameLabel()->text();
    });
    return w;
}

void tst_MainInput::onWindow(std::function<void(TCandidateWindow &)> act)
{
    auto previous = std::make_shared<std::function<void(TCandidateWindow &)>>(std::move(act));
    m_w->Input->setWindowShownHook([this, previous](TCandidateWindow &window) {
        ++m_opened;
        m_windowClass = QString::fromLatin1(window.metaObject()->className());
        m_offered = window.offered();
        m_windowPos = window.pos();
        m_nameLabel = window.nameLabel()->text();
        QTimer::singleShot(0, &window, [previous, &window] { (*previous)(window); });
        QTimer::singleShot(3000, &window, &QDialog::reject);
    });
}

void tst_MainInput::typeInto(QWidget *field, QChar c, Qt::KeyboardModifiers mods)
{
    QKeyEvent press(QEvent::KeyPress, 0, mods, QString(c));
    QApplication::sendEvent(field, &press);
    // A key that was not swallowed reaches the field as usual.
}

static void pressKey(QWidget *w, int key, const QString &text)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(w, &press);
}

void tst_MainInput::fieldsTakePlainKeys()
{
    writeTables();
    m_w = createShown();
    QVERIFY(m_w);
    QVERIFY(!m_w->Memo1->testAttribute(Qt::WA_InputMethodEnabled));
    QVERIFY(!m_w->Edit1->testAttribute(Qt::WA_InputMethodEnabled));
    QCOMPARE(m_w->Input->fields().fieldOfTarget(InputChannel::Letter, InsertTarget::MainPad),
             m_w->Memo1);
    QCOMPARE(m_w->Input->fields().fieldOfTarget(InputChannel::Phonetic, InsertTarget::MainPad),
             m_w->Edit1);
    QCOMPARE(m_w->Input->fields().fieldOfTarget(InputChannel::Letter, InsertTarget::EditDialog),
             nullptr);
    // The keyboard page fills "候補入力".
    QCOMPARE(m_w->Input->triggerKeyboard()->parentWidget(), m_w->CandPage);
    // Tables are loaded at creation.
    QVERIFY(HasCandidates(m_w->Input->states().letter, u'['));
    QVERIFY(HasCandidates(m_w->Input->states().phonetic, u'A'));
}

void tst_MainInput::typeTriggerChooseByDigit()
{
    writeTables();
    m_w = createShown();
    QVERIFY(m_w);
    m_w->Memo1->setFocus();
    QTest::keyClicks(m_w->Memo1, QStringLiteral("caf"));
    onWindow([](TCandidateWindow &w) { pressKey(&w, Qt::Key_1, QStringLiteral("1")); });
    QTest::keyClick(m_w->Memo1, '[');
    QCOMPARE(m_opened, 1);
    QCOMPARE(m_windowClass, QStringLiteral("TBandFrm"));
    QCOMPARE(m_offered[0], u'é');
    QCOMPARE(m_offered[1], u'á');
    QCOMPARE(m_offered[9], u'['); // trigger revival is on at the start
    QCOMPARE(m_w->padText(), QStringLiteral("café"));
    QCOMPARE(m_w->Memo1->textCursor().position(), 4);
    // 8 pixels above the caret of the pad (before the candidate went in).
    QTextCursor before = m_w->Memo1->textCursor();
    before.setPosition(3);
    m_w->Memo1->setTextCursor(before);
    const QRect caret = m_w->Memo1->inputMethodQuery(Qt::ImCursorRectangle).toRect();
    QCOMPARE(m_windowPos.y(), m_w->Memo1->mapToGlobal(QPoint(0, 0)).y() + caret.y() - 108);
}

void tst_MainInput::fastTypingKeepsEveryKey()
{
    writeTables();
    m_w = createShown();
    QVERIFY(m_w);
    m_w->Memo1->setFocus();
    onWindow([](TCandidateWindow &) {});
    // All keys are queued before any is handled, as a fast typist's keys arrive: those
    // after a trigger reach its window, those after a choice follow the candidate.
    for (const QChar c : QStringLiteral("caf[1 gar@1on[2")) {
        const int key = c.toUpper().unicode();
        QCoreApplication::postEvent(m_w->Memo1,
                                    new QKeyEvent(QEvent::KeyPress, key, Qt::NoModifier, c));
        QCoreApplication::postEvent(m_w->Memo1,
                                    new QKeyEvent(QEvent::KeyRelease, key, Qt::NoModifier, c));
    }
    QTRY_COMPARE(m_w->padText(), QStringLiteral("café garàoná"));
    QCOMPARE(m_opened, 3);
    for (QWidget *top : QApplication::topLevelWidgets())
        QVERIFY(!qobject_cast<TCandidateWindow *>(top) || !top->isVisible());
}

void tst_MainInput::keyThroughTheWindowSystem()
{
    writeTables();
    m_w = createShown();
    QVERIFY(m_w);
    m_w->Memo1->setFocus();
    // The window system still sends the digit to the main window, which has the focus.
    QWindow *main = m_w->windowHandle();
    onWindow([main](TCandidateWindow &) { QTest::keyClick(main, Qt::Key_2, Qt::NoModifier); });
    QTest::keyClick(m_w->Memo1, '[');
    QCOMPARE(m_opened, 1);
    QCOMPARE(m_w->padText(), QStringLiteral("á"));
}

void tst_MainInput::undoRemovesTheCandidate()
{
    writeTables();
    m_w = createShown();
    QVERIFY(m_w);
    m_w->Memo1->setFocus();
    QTest::keyClicks(m_w->Memo1, QStringLiteral("caf"));
    onWindow([](TCandidateWindow &w) { pressKey(&w, Qt::Key_1, QStringLiteral("1")); });
    QTest::keyClick(m_w->Memo1, '[');
    QTest::keyClicks(m_w->Memo1, QStringLiteral(" noir"));
    QCOMPARE(m_w->padText(), QStringLiteral("café noir"));
    // Each step on its own: the typing after, the candidate, the typing before.
    m_w->Memo1->undo();
    QCOMPARE(m_w->padText(), QStringLiteral("café"));
    m_w->Memo1->undo();
    QCOMPARE(m_w->padText(), QStringLiteral("caf"));
    m_w->Memo1->redo();
    QCOMPARE(m_w->padText(), QStringLiteral("café"));
    // The candidate carries the same format as the text around it: one fragment.
    int fragments = 0;
    for (auto it = m_w->Memo1->document()->firstBlock().begin(); !it.atEnd(); ++it)
        ++fragments;
    QCOMPARE(fragments, 1);
}

void tst_MainInput::candidateReplacesSelection()
{
    writeTables();
    m_w = createShown();
    QVERIFY(m_w);
    m_w->setPadText(QStringLiteral("hello world\nagain"));
    QTextCursor c = m_w->Memo1->textCursor();
    c.setPosition(6);
    c.setPosition(11, QTextCursor::KeepAnchor);
    m_w->Memo1->setTextCursor(c);
    onWindow([](TCandidateWindow &w) { pressKey(&w, Qt::Key_2, QStringLiteral("2")); });
    QTest::keyClick(m_w->Memo1, '[');
    QCOMPARE(m_w->padText(), QStringLiteral("hello á\nagain"));
    QCOMPARE(m_w->Memo1->textCursor().position(), 7);
    QVERIFY(!m_w->Memo1->textCursor().hasSelection());
}

void tst_MainInput::blankTriggerTypesItself()
{
    writeTables();
    m_w = createShown();
    QVERIFY(m_w);
    m_w->Memo1->setFocus();
    QTest::keyClick(m_w->Memo1, ';');
    QCOMPARE(m_opened, 0);
    QCOMPARE(m_w->padText(), QStringLiteral(";"));
    // With Ctrl held a trigger is a shortcut, never a lookup.
    QTest::keyClick(m_w->Memo1, '[', Qt::ControlModifier);
    QCOMPARE(m_opened, 0);
}

void tst_MainInput::directInput_data()
{
    QTest::addColumn<bool>("oneInput");
    QTest::addColumn<bool>("revival");
    QTest::addColumn<bool>("window");
    QTest::newRow("direct, no revival: inserted at once") << true << false << false;
    QTest::newRow("direct with revival: two slots, a window") << true << true << true;
    QTest::newRow("no direct input: a window") << false << false << true;
}

void tst_MainInput::directInput()
{
    QFETCH(bool, oneInput);
    QFETCH(bool, revival);
    QFETCH(bool, window);
    writeTables();
    m_w = createShown();
    QVERIFY(m_w);
    m_w->Input->states().letter.oneInput = oneInput;
    m_w->Input->states().letter.triggerRevival = revival;
    m_w->Memo1->setFocus();
    onWindow([](TCandidateWindow &w) { pressKey(&w, Qt::Key_Return, QStringLiteral("\r")); });
    QTest::keyClick(m_w->Memo1, '@');
    QCOMPARE(m_opened, window ? 1 : 0);
    QCOMPARE(m_w->padText(), QStringLiteral("à"));
}

void tst_MainInput::phoneticLine()
{
    writeTables();
    m_w = createShown();
    QVERIFY(m_w);
    m_w->setPadText(QStringLiteral("pad"));
    m_w->Edit1->setFocus();
    m_w->Edit1->setText(QStringLiteral("fr"));
    onWindow([](TCandidateWindow &w) { pressKey(&w, Qt::Key_2, QStringLiteral("2")); });
    QTest::keyClick(m_w->Edit1, 'A', Qt::ShiftModifier);
    QCOMPARE(m_opened, 1);
    QCOMPARE(m_windowClass, QStringLiteral("TCandFrm"));
    QCOMPARE(m_w->Edit1->text(), QStringLiteral("fræ"));
    QCOMPARE(m_w->Edit1->cursorPosition(), 3);
    QCOMPARE(m_w->padText(), QStringLiteral("pad"));
    // The phonetic line's own undo takes the symbol back.
    m_w->Edit1->undo();
    QCOMPARE(m_w->Edit1->text(), QStringLiteral("fr"));
    // A letter trigger is no trigger in the phonetic line.
    QTest::keyClick(m_w->Edit1, '[');
    QCOMPARE(m_opened, 1);
    QCOMPARE(m_w->Edit1->text(), QStringLiteral("fr["));
}

void tst_MainInput::escapeInsertsNothing()
{
    writeTables();
    m_w = createShown();
    QVERIFY(m_w);
    m_w->Memo1->setFocus();
    onWindow([](TCandidateWindow &w) { pressKey(&w, Qt::Key_Escape, QStringLiteral("\x1b")); });
    QTest::keyClick(m_w->Memo1, '[');
    QCOMPARE(m_opened, 1);
    QCOMPARE(m_w->padText(), QString());
    // A letter closes the window and is not typed into the pad either.
    onWindow([](TCandidateWindow &w) { pressKey(&w, Qt::Key_X, QStringLiteral("x")); });
    QTest::keyClick(m_w->Memo1, '[');
    QCOMPARE(m_opened, 2);
    QCOMPARE(m_w->padText(), QString());
}

void tst_MainInput::pageTriggerKey()
{
    writeTables();
    m_w = createShown();
    QVERIFY(m_w);
    m_w->setPadText(QStringLiteral("caf"));
    m_w->Memo1->moveCursor(QTextCursor::End);
    m_w->Edit1->setFocus();
    TTriggerKeyboard *k = m_w->Input->triggerKeyboard();
    QPushButton *bracket = k->key(keyOf(u'['));
    QVERIFY(bracket->font().bold());
    onWindow([](TCandidateWindow &w) { pressKey(&w, Qt::Key_1, QStringLiteral("1")); });
    QTest::mouseClick(bracket, Qt::LeftButton);
    QCOMPARE(m_opened, 1);
    QCOMPARE(m_w->padText(), QStringLiteral("café"));
    QCOMPARE(m_w->Edit1->text(), QString());
    QCOMPARE(m_w->focusWidget(), m_w->Memo1);
}

void tst_MainInput::pageOtherKeyTypesIt()
{
    writeTables();
    m_w = createShown();
    QVERIFY(m_w);
    m_w->Edit1->setFocus();
    TTriggerKeyboard *k = m_w->Input->triggerKeyboard();
    QTest::mouseClick(k->key(keyOf(u'q')), Qt::LeftButton);
    QCOMPARE(m_opened, 0);
    QCOMPARE(m_w->padText(), QStringLiteral("q"));
    QCOMPARE(m_w->focusWidget(), m_w->Memo1);
    // In upper state the "&" key types one "&".
    QTest::mouseClick(k->capsButton(), Qt::LeftButton);
    QCOMPARE(k->keyboardCase(), KeyboardCase::Upper);
    QTest::mouseClick(k->key(6), Qt::LeftButton);
    QCOMPARE(m_w->padText(), QStringLiteral("q&"));
}

void tst_MainInput::pageTriggerLabel()
{
    writeTables();
    m_w = createShown();
    QVERIFY(m_w);
    TTriggerKeyboard *k = m_w->Input->triggerKeyboard();
    // "{" is the label above "[" and a trigger of its own.
    QLabel *brace = k->label(keyOf(u'['));
    QCOMPARE(brace->text(), QStringLiteral("{"));
    QVERIFY(brace->font().bold());
    onWindow([](TCandidateWindow &w) { pressKey(&w, Qt::Key_1, QStringLiteral("1")); });
    QTest::mouseClick(brace, Qt::LeftButton);
    QCOMPARE(m_opened, 1);
    QCOMPARE(m_w->padText(), QStringLiteral("É"));
    // A label of a non-trigger does nothing.
    QTest::mouseClick(k->label(keyOf(u'q')), Qt::LeftButton);
    QCOMPARE(m_opened, 1);
    QCOMPARE(m_w->padText(), QStringLiteral("É"));
}

void tst_MainInput::capsPushBack_data()
{
    QTest::addColumn<bool>("capsLock");
    QTest::newRow("Caps Lock on: upper, CAPS down") << true;
    QTest::newRow("Caps Lock off: lower, CAPS up") << false;
}

void tst_MainInput::capsPushBack()
{
    QFETCH(bool, capsLock);
    writeTables();
    m_w = createShown();
    QVERIFY(m_w);
    TTriggerKeyboard *k = m_w->Input->triggerKeyboard();
    // Start from the other state, as Shift or "CAPS" could have left it.
    k->capsButton()->setChecked(!capsLock);
    k->SetKeyboardCase(capsLock ? KeyboardCase::Lower : KeyboardCase::Upper);
    m_fixture->windows.caps = capsLock;
    m_w->Memo1->setFocus();
    onWindow([](TCandidateWindow &w) { pressKey(&w, Qt::Key_Escape, QStringLiteral("\x1b")); });
    QTest::keyClick(m_w->Memo1, '[');
    QCOMPARE(m_opened, 1);
    QCOMPARE(k->capsButton()->isChecked(), capsLock);
    QCOMPARE(k->keyboardCase(), capsLock ? KeyboardCase::Upper : KeyboardCase::Lower);
    // The phonetic window pushes nothing back.
    k->capsButton()->setChecked(!capsLock);
    k->SetKeyboardCase(capsLock ? KeyboardCase::Lower : KeyboardCase::Upper);
    QTest::keyClick(m_w->Edit1, 'A', Qt::ShiftModifier);
    QCOMPARE(m_opened, 2);
    QCOMPARE(k->capsButton()->isChecked(), !capsLock);
}

void tst_MainInput::shiftInThePad_data()
{
    QTest::addColumn<bool>("capsLock");
    QTest::addColumn<bool>("accentPage");
    QTest::addColumn<bool>("upperWhileHeld");
    QTest::addColumn<bool>("upperAfter");
    QTest::newRow("shift and back") << false << false << true << false;
    QTest::newRow("caps lock keeps upper") << true << false << true << true;
    QTest::newRow("another page: no change") << false << true << false << false;
}

void tst_MainInput::shiftInThePad()
{
    QFETCH(bool, capsLock);
    QFETCH(bool, accentPage);
    QFETCH(bool, upperWhileHeld);
    QFETCH(bool, upperAfter);
    writeTables();
    m_w = createShown();
    QVERIFY(m_w);
    TTriggerKeyboard *k = m_w->Input->triggerKeyboard();
    if (accentPage)
        m_w->PageControl2->setCurrentWidget(m_w->AccentPage);
    m_fixture->windows.caps = capsLock;
    k->SetKeyboardCase(KeyboardCase::Lower);
    m_w->Memo1->setFocus();
    QTest::keyPress(m_w->Memo1, Qt::Key_Shift);
    QCOMPARE(k->keyboardCase() == KeyboardCase::Upper, upperWhileHeld);
    QTest::keyRelease(m_w->Memo1, Qt::Key_Shift);
    QCOMPARE(k->keyboardCase() == KeyboardCase::Upper, upperAfter);
    // The phonetic line does not track Shift.
    k->SetKeyboardCase(KeyboardCase::Lower);
    QTest::keyPress(m_w->Edit1, Qt::Key_Shift);
    QCOMPARE(k->keyboardCase(), KeyboardCase::Lower);
}

void tst_MainInput::capsLockAtStart()
{
    writeTables();
    m_fixture->windows.caps = true;
    m_w = m_fixture->create();
    TTriggerKeyboard *k = m_w->Input->triggerKeyboard();
    QCOMPARE(k->keyboardCase(), KeyboardCase::Upper);
    QVERIFY(!k->capsButton()->isChecked());
}

void tst_MainInput::listButton()
{
    writeTables();
    m_w = createShown();
    QVERIFY(m_w);
    TTriggerKeyboard *k = m_w->Input->triggerKeyboard();
    QTest::mouseClick(k->listButton(), Qt::LeftButton);
    QVERIFY(m_fixture->shell.opened.isEmpty());
    const QString html = m_w->folders().TableFolder + QStringLiteral("/CandVelmor.html");
    WriteAnsiFile(html, {QStringLiteral("<html></html>")});
    QTest::mouseClick(k->listButton(), Qt::LeftButton);
    QCOMPARE(m_fixture->shell.opened, QStringList{html});
}

void tst_MainInput::flagsStoredAtClose()
{
    writeTables();
    m_w = createShown();
    QVERIFY(m_w);
    TTriggerKeyboard *k = m_w->Input->triggerKeyboard();
    QVERIFY(!k->directBox()->isChecked());
    QVERIFY(k->revivalBox()->isChecked());
    QTest::mouseClick(k->directBox(), Qt::LeftButton);
    QTest::mouseClick(k->revivalBox(), Qt::LeftButton);
    QVERIFY(m_w->Input->states().letter.oneInput);
    QVERIFY(!m_w->Input->states().letter.triggerRevival);
    // Now "@" has one candidate and no revival: it goes in at once.
    m_w->Memo1->setFocus();
    QTest::keyClick(m_w->Memo1, '@');
    QCOMPARE(m_opened, 0);
    QCOMPARE(m_w->padText(), QStringLiteral("à"));
    m_w->FormClose();
    QVERIFY(m_w->settings().GaOneInpFlg);
    QVERIFY(!m_w->settings().GaTriRevFlg);
    // Written to the settings file, and read back by the next window.
    Settings saved;
    QString error;
    QVERIFY(LoadSettingsFile(m_fixture->settingsPath(), saved, &error));
    QVERIFY(saved.GaOneInpFlg);
    QVERIFY(!saved.GaTriRevFlg);
    // The tables are released.
    QVERIFY(!HasCandidates(m_w->Input->states().letter, u'['));
}

void tst_MainInput::optionsFlagsSurviveTheClose()
{
    writeTables();
    m_w = createShown();
    QVERIFY(m_w);
    // What the options dialog does: the phonetic flags in the settings.
    m_w->settings().PhTriRevFlg = true;
    m_w->settings().PhOneInpFlg = true;
    m_w->Input->FlagsFromSettings();
    QVERIFY(m_w->Input->states().phonetic.triggerRevival);
    m_w->FormClose();
    QVERIFY(m_w->settings().PhTriRevFlg);
    QVERIFY(m_w->settings().PhOneInpFlg);
}

void tst_MainInput::rebuildRefreshesThePage()
{
    writeTables();
    m_w = createShown();
    QVERIFY(m_w);
    TTriggerKeyboard *k = m_w->Input->triggerKeyboard();
    QPushButton *semicolon = k->key(keyOf(u';'));
    QVERIFY(!semicolon->font().bold());
    const QString folder = m_w->folders().TableFolder;
    const QString path = folder + QStringLiteral("/CandVelmor.csv");
    WriteAnsiFile(path, {candLine(QStringLiteral(";"), {"00E8"})});
    m_w->Input->TablesRebuilt(
        RebuildAfterCandidateEditor(m_w->Input->states(), {path}, folder, m_w->settings()));
    QVERIFY(semicolon->font().bold());
    QVERIFY(!k->key(keyOf(u'['))->font().bold());
}

void tst_MainInput::installedTables()
{
    const QDir source(QDir(qEnvironmentVariable("VELMOR_BUILD_DATA_DIR")).filePath("Tbl"));
    if (!source.exists(QStringLiteral("CandVelmor.csv")))
        QSKIP("the installed tables are not laid out");
    const QString target = m_fixture->folders.UserTableFolder;
    QDir().mkpath(target);
    for (const QString &name : source.entryList(QDir::Files))
        QFile::copy(source.filePath(name), target + u'/' + name);
    m_w = createShown();
    QVERIFY(m_w);
    // French: é through "[" and ç through "]".
    m_w->Memo1->setFocus();
    QTest::keyClicks(m_w->Memo1, QStringLiteral("caf"));
    onWindow([](TCandidateWindow &w) { pressKey(&w, Qt::Key_1, QStringLiteral("1")); });
    QTest::keyClick(m_w->Memo1, '[');
    QCOMPARE(m_offered[0], u'é');
    QVERIFY(m_nameLabel.size() > QStringLiteral("日本語名：").size());
    QTest::keyClicks(m_w->Memo1, QStringLiteral(" fran"));
    QTest::keyClick(m_w->Memo1, ']');
    QTest::keyClicks(m_w->Memo1, QStringLiteral("ais"));
    QCOMPARE(m_w->padText(), QStringLiteral("café français"));
    // IPA in the phonetic line: ɑ through "A".
    m_w->Edit1->setFocus();
    QTest::keyClick(m_w->Edit1, 'A', Qt::ShiftModifier);
    QCOMPARE(m_windowClass, QStringLiteral("TCandFrm"));
    QCOMPARE(m_w->Edit1->text(), QStringLiteral("ɑ"));
}

QTEST_MAIN(tst_MainInput)
#include "tst_maininput.moc"
