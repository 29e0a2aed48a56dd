#include "triggerinput.h"

#include <algorithm>

#include "settings.h"

bool IsInsertTarget(int value)
{
    return (value >= 0 && value <= 4) || value == 14;
}

QString SlotText(const CandidateSlots &offered, int slot)
{
    if (slot < 0 || slot >= int(offered.size()) || IsBlankUnit(offered[slot]))
        return QString();
    return QString(QChar(offered[slot]));
}

QString SlotNumberLabel(int slot)
{
    return slot == 9 ? QStringLiteral("0") : QString::number(slot + 1);
}

void InitTriggerInputStates(TriggerInputStates &states, const Settings &settings)
{
    for (TriggerInputState *s : {&states.letter, &states.phonetic}) {
        s->candidateSlots.fill(0);
        s->target = InsertTarget::MainPad;
        s->candidateFontSize = CandidateFontSize;
    }
    states.letter.triggerRevival = settings.GaTriRevFlg;
    states.letter.oneInput = settings.GaOneInpFlg;
    states.phonetic.triggerRevival = settings.PhTriRevFlg;
    states.phonetic.oneInput = settings.PhOneInpFlg;
}

void StoreTriggerFlags(const TriggerInputStates &states, Settings &settings)
{
    settings.GaTriRevFlg = states.letter.triggerRevival;
    settings.GaOneInpFlg = states.letter.oneInput;
    settings.PhTriRevFlg = states.phonetic.triggerRevival;
    settings.PhOneInpFlg = states.phonetic.oneInput;
}

namespace {

// The first entry of c decides, even when all its candidates are blank.
const TriggerEntry *firstEntry(const TriggerTable &table, char16_t c)
{
    if (c == 0)
        return nullptr;
    for (const TriggerEntry &entry : table.entries)
        if (entry.units[0] == c)
            return &entry;
    return nullptr;
}

bool anyNonBlank(const TriggerEntry &entry)
{
    for (int n = 1; n <= 9; ++n)
        if (!IsBlankUnit(entry.units[n]))
            return true;
    return false;
}

} // namespace

bool FindCandidates(TriggerInputState &state, char16_t c)
{
    state.candidateSlots.fill(0);
    if (state.triggerRevival)
        state.candidateSlots[9] = c;
    const TriggerEntry *entry = firstEntry(state.tables.table, c);
    if (!entry)
        return false;
    for (int n = 1; n <= 9; ++n)
        state.candidateSlots[n - 1] = entry->units[n];
    return anyNonBlank(*entry);
}

bool HasCandidates(const CandidateTables &tables, char16_t c)
{
    const TriggerEntry *entry = firstEntry(tables.table, c);
    return entry && anyNonBlank(*entry);
}

QString SingleCandidate(const CandidateSlots &offered)
{
    int found = -1;
    for (int i = 0; i < int(offered.size()); ++i) {
        if (IsBlankUnit(offered[i]))
            continue;
        if (found >= 0)
            return QString();
        found = i;
    }
    return found >= 0 ? QString(QChar(offered[found])) : QString();
}

TypingDecision OfferCandidates(const TriggerInputState &state, InputChannel channel)
{
    TypingDecision d;
    d.channel = channel;
    d.window = WindowOfChannel(channel);
    if (state.oneInput) {
        const QString single = SingleCandidate(state.candidateSlots);
        if (!single.isEmpty()) {
            d.action = TypingAction::InsertDirectly;
            d.text = single;
            return d;
        }
    }
    d.action = TypingAction::ShowCandidateWindow;
    return d;
}

TypingDecision OfferTrigger(TriggerInputStates &states, InputChannel channel, InsertTarget target,
                            char16_t c)
{
    TriggerInputState &state = states.channel(channel);
    if (!FindCandidates(state, c)) {
        TypingDecision d;
        d.channel = channel;
        d.window = WindowOfChannel(channel);
        return d;
    }
    state.target = target;
    return OfferCandidates(state, channel);
}

std::optional<InputChannel> ChannelOfField(const FieldState &field)
{
    switch (field.field) {
    case TriggerField::MainPad:
    case TriggerField::RegisterForeignWord:
    case TriggerField::EditForeignWord:
    case TriggerField::BookEditorForeignWord:
        return InputChannel::Letter;
    case TriggerField::MainPhoneticLine:
    case TriggerField::RegisterPhonetic:
    case TriggerField::EditPhonetic:
    case TriggerField::BookEditorPhonetic:
        return InputChannel::Phonetic;
    case TriggerField::SearchField:
        if (field.searchColumn == 0)
            return InputChannel::Letter;
        if (field.searchColumn == 1)
            return InputChannel::Phonetic;
        return std::nullopt;
    case TriggerField::LineWindowField:
        switch (field.linePage) {
        case LineWindowPage::TriggerKeyboard:
            return InputChannel::Letter;
        case LineWindowPage::Phonetic:
            return InputChannel::Phonetic;
        case LineWindowPage::AccentButtons:
            return std::nullopt;
        }
    }
    return std::nullopt;
}

InsertTarget TargetOfField(TriggerField field)
{
    switch (field) {
    case TriggerField::MainPad:
    case TriggerField::MainPhoneticLine:
        return InsertTarget::MainPad;
    case TriggerField::RegisterForeignWord:
    case TriggerField::RegisterPhonetic:
        return InsertTarget::RegisterDialog;
    case TriggerField::EditForeignWord:
    case TriggerField::EditPhonetic:
        return InsertTarget::EditDialog;
    case TriggerField::BookEditorForeignWord:
    case TriggerField::BookEditorPhonetic:
        return InsertTarget::BookEditor;
    case TriggerField::SearchField:
        return InsertTarget::SearchField;
    case TriggerField::LineWindowField:
        return InsertTarget::LineWindow;
    }
    return InsertTarget::MainPad;
}

std::optional<TriggerField> FieldOfTarget(InputChannel channel, InsertTarget target)
{
    const bool letter = channel == InputChannel::Letter;
    switch (int(target)) {
    case int(InsertTarget::MainPad):
        return letter ? TriggerField::MainPad : TriggerField::MainPhoneticLine;
    case int(InsertTarget::RegisterDialog):
        return letter ? TriggerField::RegisterForeignWord : TriggerField::RegisterPhonetic;
    case int(InsertTarget::EditDialog):
        return letter ? TriggerField::EditForeignWord : TriggerField::EditPhonetic;
    case int(InsertTarget::BookEditor):
        return letter ? TriggerField::BookEditorForeignWord : TriggerField::BookEditorPhonetic;
    case int(InsertTarget::SearchField):
        return TriggerField::SearchField;
    case int(InsertTarget::LineWindow):
        return TriggerField::LineWindowField;
    }
    return std::nullopt;
}

TypingDecision TypeCharacter(TriggerInputStates &states, const FieldState &field, QStringView typed,
                             Qt::KeyboardModifiers modifiers)
{
    TypingDecision normal;
    constexpr Qt::KeyboardModifiers shortcut =
        Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    if (typed.size() != 1 || (modifiers & shortcut))
        return normal;
    const char16_t c = typed[0].unicode();
    if (c == u'\r') {
        if (field.field == TriggerField::SearchField) {
            normal.action = TypingAction::StartSearch;
            return normal;
        }
        if (field.field == TriggerField::LineWindowField) {
            normal.action = TypingAction::PressTransfer;
            return normal;
        }
    }
    const std::optional<InputChannel> channel = ChannelOfField(field);
    if (!channel)
        return normal;
    return OfferTrigger(states, *channel, TargetOfField(field.field), c);
}

TextEdit InsertCandidate(QStringView text, qsizetype selectionStart, qsizetype selectionLength,
                         qsizetype caret, QStringView candidate)
{
    const qsizetype size = text.size();
    qsizetype start;
    qsizetype length;
    if (selectionLength > 0) {
        start = std::clamp<qsizetype>(selectionStart, 0, size);
        length = std::min(selectionLength, size - start);
    } else {
        start = std::clamp<qsizetype>(caret, 0, size);
        length = 0;
    }
    TextEdit edit;
    edit.text.reserve(size - length + candidate.size());
    edit.text.append(text.first(start));
    edit.text.append(candidate);
    edit.text.append(text.sliced(start + length));
    edit.caret = start + candidate.size();
    edit.replaceStart = start;
    edit.replaceLength = length;
    return edit;
}

CaseSwitch ShiftCaseSwitch(const FieldState &field, MainRightPage mainPage, bool shiftPressed,
                           bool capsLockOn)
{
    CaseSwitch none;
    if (!shiftPressed && capsLockOn)
        return none;
    CasePad pad = CasePad::None;
    switch (field.field) {
    case TriggerField::MainPad:
        if (mainPage == MainRightPage::TriggerKeyboard)
            pad = CasePad::MainTriggerKeyboard;
        else if (mainPage == MainRightPage::AccentButtons)
            pad = CasePad::MainAccentButtons;
        break;
    case TriggerField::RegisterForeignWord:
    case TriggerField::EditForeignWord:
    case TriggerField::BookEditorForeignWord:
        pad = CasePad::MainTriggerKeyboard;
        break;
    case TriggerField::LineWindowField:
        if (field.linePage == LineWindowPage::TriggerKeyboard)
            pad = CasePad::LineTriggerKeyboard;
        else if (field.linePage == LineWindowPage::AccentButtons)
            pad = CasePad::LineAccentButtons;
        break;
    default:
        break;
    }
    if (pad == CasePad::None)
        return none;
    return {pad, shiftPressed ? KeyboardCase::Upper : KeyboardCase::Lower};
}

CapsPushBack BandWindowClosing(InsertTarget letterTarget, bool capsLockOn)
{
    CapsPushBack p;
    p.pad = letterTarget == InsertTarget::LineWindow ? CasePad::LineTriggerKeyboard
                                                     : CasePad::MainTriggerKeyboard;
    p.capsButtonDown = capsLockOn;
    p.state = capsLockOn ? KeyboardCase::Upper : KeyboardCase::Lower;
    return p;
}
