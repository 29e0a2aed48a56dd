// Trigger-key input at work in the windows: the two channels' tables and state, the
// fields that feed typed characters to the lookup, the candidate windows behind the
// actions DispCand and DispBand, and the "候補入力" page. The main window creates the
// widgets and actions and hands them over; this class gives them their behaviour.
#pragma once

#include <QKeyEvent>
#include <QObject>
#include <QPointer>
#include <QString>

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>

#include "folders.h"
#include "platform.h"
#include "settings.h"
#include "tablerebuild.h"
#include "triggerinput.h"
#include "triggerfields.h"

class QAction;
class QLineEdit;
class QPlainTextEdit;
class QTabWidget;
class TAccentButtons;
class TCandidateWindow;
class TPhoneticKeyboard;
class TTriggerKeyboard;

struct InputWidgets
{
    QPlainTextEdit *Memo1 = nullptr; // the pad
    QLineEdit *Edit1 = nullptr;      // the phonetic line
    QTabWidget *PageControl2 = nullptr;
    QWidget *CandPage = nullptr;   // "候補入力"
    QWidget *AccentPage = nullptr; // "ACボタン"
    QAction *DispCand = nullptr;
    QAction *DispBand = nullptr;
};

class InputController : public QObject
{
    Q_OBJECT

public:
    // settings and folders belong to the main window and outlive this object.
    InputController(Settings &settings, const AppFolders &folders, const Platform &platform,
                    QWidget *window);
    ~InputController() override;

    // ---- Start and close --------------------------------------------------------------
    // Both table sets from the table folder; a table problem never stops the start.
    TableRebuild LoadTables();
    // Gives the pad, the phonetic line, the page and the two actions their behaviour.
    void Attach(const InputWidgets &widgets);
    // The flags back into the settings, the tables emptied.
    void ReleaseTables();
    // The four flags taken again from the settings, after the options dialog wrote
    // them there, so the close does not put the old ones back.
    void FlagsFromSettings();

    TriggerInputStates &states() { return m_states; }
    const TriggerInputStates &states() const { return m_states; }
    TTriggerKeyboard *triggerKeyboard() const { return m_keyboard; }
    TriggerFieldRegistry &fields() { return m_fields; }

    // ---- Fields ------------------------------------------------------------------------
    // A field whose typed characters go through the lookup and that receives the
    // candidates of its target. state tells the field's current state (the search
    // page's column, the line window's page); extraKey carries out Enter where the
    // field has a use for it (StartSearch, PressTransfer). The input method is turned
    // off in the field.
    void AttachField(QWidget *field, TriggerField kind, std::function<FieldState()> state = {},
                     std::function<void(TypingAction)> extraKey = {});

    // Puts the text into the field of the channel's target and gives it the focus.
    void InsertCandidate(InputChannel channel, const QString &text);
    // A trigger offered by typing or by an on-screen key; false when c has no
    // candidates (the caller types c itself).
    bool OfferTrigger(InputChannel channel, InsertTarget target, QChar c);

    // ---- Candidate windows -------------------------------------------------------------
    // Runs the window of the channel modally over its current slots (DispBand, DispCand).
    void ShowCandidateWindow(CandidateWindow window);
    // Called with the window just before it runs (for a test, or a benchmark).
    void setWindowShownHook(std::function<void(TCandidateWindow &)> hook)
    {
        m_windowShownHook = std::move(hook);
    }

    // ---- Keyboard case -----------------------------------------------------------------
    void ApplyCaseSwitch(const CaseSwitch &change);
    // Pads of other windows (accent buttons, the line window's trigger keyboard) take
    // their case through these; capsDown says how a "CAPS" toggle stands afterwards
    // when the band window pushes the Caps Lock state back.
    using CaseHandler = std::function<void(KeyboardCase state, std::optional<bool> capsDown)>;
    void setCasePadHandler(CasePad pad, CaseHandler handler);
    bool capsLockOn() const;
    // The main page's case after the tables or the colours changed.
    void RefreshTriggerKeyboard();
    // The "発音記号" page after the phonetic tables or PhoneticPadColor changed.
    void RefreshPhoneticKeyboard();
    // The "ACボタン" pages after ImageColor2 or AccentUpperColor changed.
    void RefreshAccentButtons();
    // After a table editor or the options dialog rebuilt tables (tablerebuild.h):
    // redraws the page when the letter tables changed.
    void TablesRebuilt(const TableRebuild &rebuild);

    // ---- The other on-screen pages ----------------------------------------------------
    // The main window's "ACボタン" and "発音記号" pages, made inside the given pages.
    void AttachAccentButtons(QWidget *page);
    void AttachPhoneticKeyboard(QWidget *page);
    TAccentButtons *accentButtons() const { return m_accent; }
    TPhoneticKeyboard *phoneticKeyboard() const { return m_phonetic; }
    // A key of an on-screen pad for a target: its trigger is offered or, on the letter
    // channel, the character is typed into the target's field.
    void KeyClicked(InputChannel channel, InsertTarget target, QChar c);
    // A button's or palette cell's text into the letter field of a target (the pad, the
    // line window's line), replacing its selection; the field gets the focus. The
    // channel's own target is left as it is.
    void InsertText(InsertTarget target, const QString &text);
    // "一覧": the HTML list of the channel's candidate-order file, when there is one.
    void OpenCandidateList(InputChannel channel);
    // "直" and "復" of either trigger keyboard: the flag and its setting at once.
    void SetLetterOneInput(bool on);
    void SetLetterRevival(bool on);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct AttachedField
    {
        QWidget *widget = nullptr;
        TriggerField kind = TriggerField::MainPad;
        std::function<FieldState()> state;
        std::function<void(TypingAction)> extraKey;
    };
    const AttachedField *attached(QObject *watched) const;
    MainRightPage mainRightPage() const;
    void carryOut(const TypingDecision &decision, const AttachedField &field);
    void runWindowAction(CandidateWindow window);
    void applyToPad(CasePad pad, KeyboardCase state, std::optional<bool> capsDown);
    void runCandidateWindow(TCandidateWindow &window);
    void replayHeldKeys();

    Settings &m_settings;
    const AppFolders &m_folders;
    Platform m_platform;
    QWidget *m_window;
    TriggerInputStates m_states;
    TriggerFieldRegistry m_fields;
    InputWidgets m_widgets;
    TTriggerKeyboard *m_keyboard = nullptr;
    TAccentButtons *m_accent = nullptr;
    TPhoneticKeyboard *m_phonetic = nullptr;
    QList<AttachedField> m_attached;
    std::map<CasePad, CaseHandler> m_caseHandlers;
    std::function<void(TCandidateWindow &)> m_windowShownHook;
    // Keys that came after a candidate window closed and before its choice was in the
    // field, with the widget each was meant for; typed after the choice, in order.
    struct HeldKey
    {
        QPointer<QWidget> receiver;
        std::unique_ptr<QKeyEvent> event;
    };
    std::deque<HeldKey> m_heldKeys;
};
