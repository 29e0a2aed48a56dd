#include "inputcontroller.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QEventLoop>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "qtcolour.h"
#include "shell.h"
#include "taccentbuttons.h"
#include "tcandfrm.h"
#include "tphonetickeyboard.h"
#include "ttriggerkeyboard.h"
#include "windowsystem.h"
#include "tdocumentfrm.h"

namespace {

TriggerKeyboardColours keyboardColours(const Settings &s)
{
    return {ToQColor(s.ImageColor1), ToQColor(s.ImageColor1U), ToQColor(s.ImageColor1T),
            ToQColor(s.ImageColor1C)};
}

// While a candidate window is open the program takes no other input, as under a modal
// window. The window never has the focus: keys keep arriving at the focused field, in
// the order typed, and go on to the window, so a key typed while the window opens is
// never lost to the window system's focus change. Keys after the window closed wait in
// held until its choice is in the field.
class CandidateInputRouter : public QObject
{
public:
    template <typename Held>
    CandidateInputRouter(TCandidateWindow *window, Held hold)
        : m_window(window), m_hold(std::move(hold))
    {
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // The window-system level hands each event on to a widget: decide there.
        auto *widget = qobject_cast<QWidget *>(watched);
        if (!widget || widget->window() == m_window)
            return false;
        switch (event->type()) {
        case QEvent::ShortcutOverride:
            // Taken as a key, so no command of the program runs meanwhile.
            event->accept();
            return true;
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
            if (m_window->isFinished())
                m_hold(widget, static_cast<QKeyEvent *>(event));
            else
                QCoreApplication::sendEvent(m_window, event);
            return true;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::Wheel:
        case QEvent::ContextMenu:
            return true;
        case QEvent::Close:
            return widget->isWindow();
        default:
            return false;
        }
    }

private:
    TCandidateWindow *m_window;
    std::function<void(QWidget *, QKeyEvent *)> m_hold;
};

} // namespace

InputController::InputController(Settings &settings, const AppFolders &folders,
                                 const Platform &platform, QWidget *window)
    : QObject(window), m_settings(settings), m_folders(folders), m_platform(platform),
      m_window(window)
{
    InitTriggerInputStates(m_states, m_settings);
}

InputController::~InputController() = default;

TableRebuild InputController::LoadTables()
{
    // Skipped lines are for the table editors to name; the start goes on regardless.
    TableRebuild r = LoadTablesAtStart(m_states, m_folders.TableFolder, m_settings);
    if (r.letter && m_keyboard)
        m_keyboard->RefreshTriggerKeyboard();
    return r;
}

void InputController::ReleaseTables()
{
    StoreTriggerFlags(m_states, m_settings);
    m_states.letter.tables = CandidateTables();
    m_states.phonetic.tables = CandidateTables();
}

void InputController::FlagsFromSettings()
{
    m_states.letter.triggerRevival = m_settings.GaTriRevFlg;
    m_states.letter.oneInput = m_settings.GaOneInpFlg;
    m_states.phonetic.triggerRevival = m_settings.PhTriRevFlg;
    m_states.phonetic.oneInput = m_settings.PhOneInpFlg;
}

void InputController::Attach(const InputWidgets &widgets)
{
    m_widgets = widgets;
    if (widgets.Memo1)
        AttachField(widgets.Memo1, TriggerField::MainPad);
    if (widgets.Edit1)
        AttachField(widgets.Edit1, TriggerField::MainPhoneticLine);
    if (widgets.DispBand)
        connect(widgets.DispBand, &QAction::triggered, this,
                [this] { ShowCandidateWindow(CandidateWindow::Band); });
    if (widgets.DispCand)
        connect(widgets.DispCand, &QAction::triggered, this,
                [this] { ShowCandidateWindow(CandidateWindow::Cand); });
    if (!widgets.CandPage)
        return;

    m_keyboard = new TTriggerKeyboard(&m_states.letter.tables, keyboardColours(m_settings), 1.3,
                                      widgets.CandPage);
    auto *layout = new QVBoxLayout(widgets.CandPage);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_keyboard);
    m_keyboard->setOptionTicks(m_states.letter.oneInput, m_states.letter.triggerRevival);
    connect(m_keyboard, &TTriggerKeyboard::keyClicked, this,
            [this](QChar c) { KeyClicked(InputChannel::Letter, InsertTarget::MainPad, c); });
    connect(m_keyboard, &TTriggerKeyboard::triggerLabelClicked, this,
            [this](QChar c) { OfferTrigger(InputChannel::Letter, InsertTarget::MainPad, c); });
    // The ticks set the flags; nothing else moves the ticks.
    // The settings follow at once, so a dialog that reads them sees the ticks.
    connect(m_keyboard, &TTriggerKeyboard::directToggled, this, &InputController::SetLetterOneInput);
    connect(m_keyboard, &TTriggerKeyboard::revivalToggled, this,
            &InputController::SetLetterRevival);
    connect(m_keyboard, &TTriggerKeyboard::listRequested, this,
            [this] { OpenCandidateList(InputChannel::Letter); });
    // With Caps Lock on at the start the page starts in upper state; "CAPS" stays up.
    if (capsLockOn())
        m_keyboard->SetKeyboardCase(KeyboardCase::Upper);
}

void InputController::AttachField(QWidget *field, TriggerField kind,
                                  std::function<FieldState()> state,
                                  std::function<void(TypingAction)> extraKey)
{
    if (!field)
        return;
    // Each key must arrive as one plain character.
    field->setAttribute(Qt::WA_InputMethodEnabled, false);
    m_fields.setField(kind, field);
    m_attached.append({field, kind, std::move(state), std::move(extraKey)});
    field->installEventFilter(this);
    connect(field, &QObject::destroyed, this, [this](QObject *gone) {
        m_attached.removeIf([gone](const AttachedField &f) { return f.widget == gone; });
    });
}

const InputController::AttachedField *InputController::attached(QObject *watched) const
{
    for (const AttachedField &f : m_attached)
        if (f.widget == watched)
            return &f;
    return nullptr;
}

MainRightPage InputController::mainRightPage() const
{
    if (!m_widgets.PageControl2)
        return MainRightPage::Other;
    QWidget *page = m_widgets.PageControl2->currentWidget();
    if (page && page == m_widgets.CandPage)
        return MainRightPage::TriggerKeyboard;
    if (page && page == m_widgets.AccentPage)
        return MainRightPage::AccentButtons;
    return MainRightPage::Other;
}

bool InputController::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::KeyRelease)
        return QObject::eventFilter(watched, event);
    const AttachedField *field = attached(watched);
    if (!field)
        return QObject::eventFilter(watched, event);
    auto *key = static_cast<QKeyEvent *>(event);
    const FieldState state = field->state ? field->state() : FieldState{field->kind};

    if (key->key() == Qt::Key_Shift) {
        if (!key->isAutoRepeat())
            ApplyCaseSwitch(
                ShiftCaseSwitch(state, mainRightPage(), type == QEvent::KeyPress, capsLockOn()));
        return false;
    }
    if (type != QEvent::KeyPress)
        return false;
    const TypingDecision decision = TypeCharacter(m_states, state, key->text(), key->modifiers());
    if (!decision.consumed())
        return false;
    // Copied: the field list may change while a candidate window runs.
    const AttachedField copy = *field;
    carryOut(decision, copy);
    return true;
}

void InputController::carryOut(const TypingDecision &decision, const AttachedField &field)
{
    switch (decision.action) {
    case TypingAction::TypeNormally:
        break;
    case TypingAction::InsertDirectly:
        InsertCandidate(decision.channel, decision.text);
        break;
    case TypingAction::ShowCandidateWindow:
        runWindowAction(decision.window);
        break;
    case TypingAction::StartSearch:
    case TypingAction::PressTransfer:
        if (field.extraKey)
            field.extraKey(decision.action);
        break;
    }
}

void InputController::runWindowAction(CandidateWindow window)
{
    QAction *action = window == CandidateWindow::Band ? m_widgets.DispBand : m_widgets.DispCand;
    if (action) {
        if (action->isEnabled())
            action->trigger();
        return;
    }
    ShowCandidateWindow(window);
}

void InputController::InsertCandidate(InputChannel channel, const QString &text)
{
    QWidget *field = m_fields.fieldOfTarget(channel, m_states.channel(channel).target);
    if (!field)
        return;
    InsertIntoField(field, text);
    field->setFocus();
}

bool InputController::OfferTrigger(InputChannel channel, InsertTarget target, QChar c)
{
    const TypingDecision d = ::OfferTrigger(m_states, channel, target, c.unicode());
    if (!d.consumed())
        return false;
    carryOut(d, AttachedField{});
    return true;
}

void InputController::KeyClicked(InputChannel channel, InsertTarget target, QChar c)
{
    if (OfferTrigger(channel, target, c))
        return;
    if (channel == InputChannel::Letter)
        InsertText(target, QString(c));
}

void InputController::InsertText(InsertTarget target, const QString &text)
{
    if (QWidget *field = m_fields.fieldOfTarget(InputChannel::Letter, target)) {
        InsertIntoField(field, text);
        field->setFocus();
    }
}

void InputController::OpenCandidateList(InputChannel channel)
{
    const QString file = channel == InputChannel::Letter
                             ? QString::fromUtf16(LetterCandidateFile)
                             : m_settings.PhCandFile;
    OpenDocument(m_platform.shell, m_platform.dialogs, m_window,
                 CandidateListPath(m_folders.TableFolder, file), DocumentFallback::Window);
}

void InputController::SetLetterOneInput(bool on)
{
    // The settings follow at once, so a dialog that reads them sees the ticks.
    m_states.letter.oneInput = on;
    m_settings.GaOneInpFlg = on;
}

void InputController::SetLetterRevival(bool on)
{
    m_states.letter.triggerRevival = on;
    m_settings.GaTriRevFlg = on;
}

void InputController::AttachAccentButtons(QWidget *page)
{
    if (!page)
        return;
    m_accent = new TAccentButtons(ToQColor(m_settings.ImageColor2),
                                  ToQColor(m_settings.AccentUpperColor), page);
    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_accent);
    // The main window's buttons always type into the pad.
    connect(m_accent, &TAccentButtons::characterClicked, this,
            [this](const QString &text) { InsertText(InsertTarget::MainPad, text); });
    setCasePadHandler(CasePad::MainAccentButtons,
                      [this](KeyboardCase state, std::optional<bool>) {
                          m_accent->SetAccentCase(state);
                      });
}

void InputController::AttachPhoneticKeyboard(QWidget *page)
{
    if (!page)
        return;
    m_phonetic = new TPhoneticKeyboard(&m_states.phonetic.tables,
                                       ToQColor(m_settings.PhoneticPadColor), page);
    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_phonetic);
    // Hidden with UpperUseFlg off, the phonetic line takes nothing from the page.
    m_phonetic->setTargetField(m_widgets.Edit1);
    connect(m_phonetic, &TPhoneticKeyboard::keyReleased, this,
            [this](QChar c) { OfferTrigger(InputChannel::Phonetic, InsertTarget::MainPad, c); });
    connect(m_phonetic, &TPhoneticKeyboard::listRequested, this,
            [this] { OpenCandidateList(InputChannel::Phonetic); });
}

void InputController::ShowCandidateWindow(CandidateWindow window)
{
    const bool band = window == CandidateWindow::Band;
    const InputChannel channel = band ? InputChannel::Letter : InputChannel::Phonetic;
    const TriggerInputState &state = m_states.channel(channel);
    CandidateWindowSetup setup;
    setup.offered = state.candidateSlots;
    setup.names = state.tables.names;
    setup.background = ToQColor(band ? m_settings.BandColor : m_settings.CandColor);
    setup.numberColour = ToQColor(band ? m_settings.BandTextColor : m_settings.CandTextColor);
    setup.glyphFamily = band ? m_settings.UsrMainFont : m_settings.UsrSubFont;
    setup.glyphPointSize = state.candidateFontSize;

    QWidget *field = m_fields.fieldOfTarget(channel, state.target);
    QWidget *parent = field ? field->window() : m_window;
    std::unique_ptr<TCandidateWindow> w;
    if (band)
        w = std::make_unique<TBandFrm>(setup, parent);
    else
        w = std::make_unique<TCandFrm>(setup, parent);
    w->placeAbove(field);
    if (m_windowShownHook)
        m_windowShownHook(*w);
    runCandidateWindow(*w);
    const std::optional<QString> choice = w->choice();
    w.reset();
    if (choice)
        InsertCandidate(channel, *choice);
    if (band) {
        const CapsPushBack back = BandWindowClosing(m_states.letter.target, capsLockOn());
        applyToPad(back.pad, back.state, back.capsButtonDown);
    }
    replayHeldKeys();
}

void InputController::runCandidateWindow(TCandidateWindow &window)
{
    if (window.isFinished())
        return;
    CandidateInputRouter router(&window, [this](QWidget *receiver, QKeyEvent *key) {
        m_heldKeys.push_back({receiver, std::unique_ptr<QKeyEvent>(key->clone())});
    });
    window.show();
    // Keys held from the window before belong to this one first.
    while (!m_heldKeys.empty() && !window.isFinished()) {
        const HeldKey key = std::move(m_heldKeys.front());
        m_heldKeys.pop_front();
        QCoreApplication::sendEvent(&window, key.event.get());
    }
    if (window.isFinished())
        return;
    QEventLoop loop;
    connect(&window, &QDialog::finished, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::DialogExec);
}

void InputController::replayHeldKeys()
{
    // A held trigger opens its window here, which takes the keys after it itself.
    while (!m_heldKeys.empty()) {
        const HeldKey key = std::move(m_heldKeys.front());
        m_heldKeys.pop_front();
        if (key.receiver)
            QCoreApplication::sendEvent(key.receiver, key.event.get());
    }
}

void InputController::ApplyCaseSwitch(const CaseSwitch &change)
{
    if (change.pad != CasePad::None)
        applyToPad(change.pad, change.state, std::nullopt);
}

void InputController::setCasePadHandler(CasePad pad, CaseHandler handler)
{
    m_caseHandlers[pad] = std::move(handler);
}

void InputController::applyToPad(CasePad pad, KeyboardCase state, std::optional<bool> capsDown)
{
    if (pad == CasePad::MainTriggerKeyboard && m_keyboard) {
        if (capsDown)
            m_keyboard->capsButton()->setChecked(*capsDown);
        m_keyboard->SetKeyboardCase(state);
        return;
    }
    const auto it = m_caseHandlers.find(pad);
    if (it != m_caseHandlers.end() && it->second)
        it->second(state, capsDown);
}

bool InputController::capsLockOn() const
{
    return m_platform.windows && m_platform.windows->capsLockOn();
}

void InputController::RefreshTriggerKeyboard()
{
    if (!m_keyboard)
        return;
    m_keyboard->setColours(keyboardColours(m_settings));
}

void InputController::RefreshPhoneticKeyboard()
{
    if (!m_phonetic)
        return;
    m_phonetic->setBackground(ToQColor(m_settings.PhoneticPadColor));
    m_phonetic->RefreshPhoneticKeyboard();
}

void InputController::RefreshAccentButtons()
{
    if (m_accent)
        m_accent->setColours(ToQColor(m_settings.ImageColor2),
                             ToQColor(m_settings.AccentUpperColor));
}

void InputController::TablesRebuilt(const TableRebuild &rebuild)
{
    if (rebuild.letter)
        RefreshTriggerKeyboard();
    if (rebuild.phonetic)
        RefreshPhoneticKeyboard();
}
