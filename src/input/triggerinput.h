// Trigger-key input without widgets: the state of the two channels, the lookup of a
// typed character, the choice between direct insertion and a candidate window, the
// insertion into a field's text, and the Shift / Caps Lock switching of the pads.
// The windows call these functions and carry out what they decide.
#pragma once

#include <QString>
#include <QStringView>
#include <Qt>

#include <array>
#include <optional>

#include "triggertables.h"

struct Settings;

enum class InputChannel { Letter, Phonetic };

// The field that receives a chosen candidate of a channel. Other values receive nothing.
enum class InsertTarget : int {
    MainPad = 0,        // letter: the pad Memo1; phonetic: the phonetic line Edit1
    RegisterDialog = 1, // TRegFrm
    EditDialog = 2,     // TModFrm
    BookEditor = 3,     // TEditorFrm
    SearchField = 4,    // the search field of the search page, both channels
    LineWindow = 14,    // Edit1 of TLineFrm, both channels
};
bool IsInsertTarget(int value);

// Slots 0 to 8: candidates 1 to 9 of the matched entry; slot 9: the trigger itself when
// trigger revival is on, else 0.
using CandidateSlots = std::array<char16_t, 10>;

// A slot is blank when its unit is U+0020 or lower.
inline bool IsBlankUnit(char16_t c)
{
    return c <= 0x20;
}
// The one-character text of a non-blank slot, the empty text of a blank one.
QString SlotText(const CandidateSlots &offered, int slot);
// The cell label of a slot: "1" … "9" for slots 0 to 8, "0" for slot 9.
QString SlotNumberLabel(int slot);

inline constexpr int CandidateFontSize = 21; // points, glyphs of the candidate windows

struct TriggerInputState
{
    CandidateTables tables;
    CandidateSlots candidateSlots{};
    bool triggerRevival = false; // GaTriRevFlg / PhTriRevFlg
    bool oneInput = false;       // GaOneInpFlg / PhOneInpFlg
    InsertTarget target = InsertTarget::MainPad;
    int candidateFontSize = CandidateFontSize;
};

// The two channels as the main window owns them.
struct TriggerInputStates
{
    TriggerInputState letter;
    TriggerInputState phonetic;
    TriggerInputState &channel(InputChannel c)
    {
        return c == InputChannel::Letter ? letter : phonetic;
    }
    const TriggerInputState &channel(InputChannel c) const
    {
        return c == InputChannel::Letter ? letter : phonetic;
    }
};

// Slots all 0, target MainPad, the four flags from the settings; tables empty.
void InitTriggerInputStates(TriggerInputStates &states, const Settings &settings);
// The flags back into the settings (when the main window closes).
void StoreTriggerFlags(const TriggerInputStates &states, Settings &settings);

// Fills the slots for c; true when c is a trigger whose first entry has a non-blank
// candidate. Slot 9 never counts.
bool FindCandidates(TriggerInputState &state, char16_t c);
// The same test, leaving the slots as they are (for marking trigger keys).
bool HasCandidates(const CandidateTables &tables, char16_t c);
inline bool HasCandidates(const TriggerInputState &state, char16_t c)
{
    return HasCandidates(state.tables, c);
}
// The text of the only non-blank slot (slot 9 included), else empty.
QString SingleCandidate(const CandidateSlots &offered);

// TBandFrm (action DispBand) for letters, TCandFrm (action DispCand) for phonetic symbols.
enum class CandidateWindow { Band, Cand };
inline CandidateWindow WindowOfChannel(InputChannel c)
{
    return c == InputChannel::Letter ? CandidateWindow::Band : CandidateWindow::Cand;
}

// What a caller does with a typed or clicked character.
enum class TypingAction {
    TypeNormally,        // not a trigger (or a field without lookup): let the field type it
    InsertDirectly,      // call InsertCandidate(channel, text) on the channel's target
    ShowCandidateWindow, // run DispBand / DispCand; the window offers the channel's slots
    StartSearch,         // Enter in the search field: start the search
    PressTransfer,       // Enter in the line window's field: press "転送"
};

struct TypingDecision
{
    TypingAction action = TypingAction::TypeNormally;
    InputChannel channel = InputChannel::Letter;
    CandidateWindow window = CandidateWindow::Band;
    QString text; // the candidate of InsertDirectly
    // The key is gone: neither inserted nor looked up.
    bool consumed() const { return action != TypingAction::TypeNormally; }
    bool operator==(const TypingDecision &) const = default;
};

// Called right after a successful FindCandidates with the target set: insert the single
// candidate at once (one input on) or show the channel's window.
TypingDecision OfferCandidates(const TriggerInputState &state, InputChannel channel);

// A trigger offered for a target, as typing or a click on an on-screen key does:
// FindCandidates, then (when it succeeds) the target is set and OfferCandidates decides.
// TypeNormally when c has no candidates: the caller inserts c itself.
TypingDecision OfferTrigger(TriggerInputStates &states, InputChannel channel, InsertTarget target,
                            char16_t c);

// The fields that take part in trigger input.
enum class TriggerField {
    MainPad,             // Memo1
    MainPhoneticLine,    // Edit1 of the main window
    RegisterForeignWord, // TRegFrm
    RegisterPhonetic,
    EditForeignWord, // TModFrm
    EditPhonetic,
    BookEditorForeignWord, // TEditorFrm
    BookEditorPhonetic,
    SearchField,     // search page; channel by its column selector
    LineWindowField, // Edit1 of TLineFrm; channel by its page
};

// The pages of the line window, in the order of its tabs.
enum class LineWindowPage {
    TriggerKeyboard,
    AccentButtons,
    Phonetic
}; // "候補入力", "ACボタン", "発音記号"

struct FieldState
{
    TriggerField field = TriggerField::MainPad;
    int searchColumn = 0; // index of the search page's column selector
    LineWindowPage linePage = LineWindowPage::TriggerKeyboard;
};

// The channel a field looks up, or none (the character types normally).
std::optional<InputChannel> ChannelOfField(const FieldState &field);
InsertTarget TargetOfField(TriggerField field);
// The field that receives a candidate of the channel for a target; none for a value
// outside the table.
std::optional<TriggerField> FieldOfTarget(InputChannel channel, InsertTarget target);

// A character event of a field: typed is QKeyEvent::text() (input method off in these
// fields), modifiers its modifiers. Enter arrives as "\r". Only a text of exactly one
// code unit is looked up. With Ctrl, Alt or Meta held the key is a shortcut, not a
// character, and types normally (Alt+E on X11 carries the text "e").
TypingDecision TypeCharacter(TriggerInputStates &states, const FieldState &field, QStringView typed,
                             Qt::KeyboardModifiers modifiers = Qt::NoModifier);

// The result of putting a candidate into a field's text.
struct TextEdit
{
    QString text;
    qsizetype caret = 0;        // after the inserted text
    qsizetype replaceStart = 0; // the range of the old text that was replaced
    qsizetype replaceLength = 0;
    bool operator==(const TextEdit &) const = default;
};

// Replaces the selection (selectionLength > 0) or inserts at the caret; an empty
// candidate only removes the selection. Positions outside the text are clamped.
TextEdit InsertCandidate(QStringView text, qsizetype selectionStart, qsizetype selectionLength,
                         qsizetype caret, QStringView candidate);

// Shift and Caps Lock in the fields switch the on-screen pads.
enum class KeyboardCase { Lower, Upper };
enum class MainRightPage { TriggerKeyboard, AccentButtons, Other }; // "候補入力", "ACボタン"
enum class CasePad {
    None,
    MainTriggerKeyboard,
    MainAccentButtons,
    LineTriggerKeyboard,
    LineAccentButtons,
};
struct CaseSwitch
{
    CasePad pad = CasePad::None;
    KeyboardCase state = KeyboardCase::Lower;
    bool operator==(const CaseSwitch &) const = default;
};

// Shift pressed puts the pad in upper state; released, back to lower unless Caps Lock is
// on (the toggle state read at the moment of the event).
CaseSwitch ShiftCaseSwitch(const FieldState &field, MainRightPage mainPage, bool shiftPressed,
                           bool capsLockOn);

// What the band window's closing does to a "CAPS" toggle: the trigger keyboard of the line
// window when the letter target is LineWindow, else the main window's.
struct CapsPushBack
{
    CasePad pad = CasePad::MainTriggerKeyboard;
    bool capsButtonDown = false;
    KeyboardCase state = KeyboardCase::Lower;
    bool operator==(const CapsPushBack &) const = default;
};
CapsPushBack BandWindowClosing(InsertTarget letterTarget, bool capsLockOn);
