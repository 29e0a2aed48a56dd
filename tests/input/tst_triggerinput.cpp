#include <QTemporaryDir>
#include <QTest>

#include "candidatewindow.h"
#include "settings.h"
#include "tablerebuild.h"
#include "textfile.h"
#include "triggerinput.h"

using Slots = QList<int>;

namespace {

TriggerEntry entry(std::initializer_list<int> units)
{
    TriggerEntry e;
    int i = 0;
    for (int u : units)
        e.units[i++] = char16_t(u);
    return e;
}

// e: three candidates; s: one; b: only blanks; d: two entries, the first blank; x: one
// entry with a space and a control character around one candidate.
CandidateTables sampleTables()
{
    CandidateTables t;
    t.table.entries = {
        entry({'e', 0xE9, 0xE8, 0xEA}),
        entry({'s', 0xDF}),
        entry({'b', 0x20, 0x20, 0, 0x09}),
        entry({'d', 0, 0, 0}),
        entry({'d', 0x111}),
        entry({'x', 0x20, 0x1E9E, 0x01}),
        entry({'"', 0x201C, 0x201D, 0x201E, 0xAB, 0xBB}),
        TriggerEntry(),
    };
    return t;
}

Slots slotsOf(const CandidateSlots &s)
{
    Slots out;
    for (char16_t u : s)
        out.append(u);
    return out;
}

CandidateSlots makeSlots(const Slots &units)
{
    CandidateSlots s{};
    for (int i = 0; i < units.size(); ++i)
        s[i] = char16_t(units[i]);
    return s;
}

TriggerInputStates sampleStates()
{
    TriggerInputStates states;
    states.letter.tables = sampleTables();
    states.phonetic.tables.table.entries = {entry({'A', 0x251, 0x250}), entry({'e', 0x259})};
    return states;
}

} // namespace

class tst_TriggerInput : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void insertTargetValues();
    void findCandidates_data();
    void findCandidates();
    void hasCandidatesKeepsSlots();
    void singleCandidate_data();
    void singleCandidate();
    void slotText();
    void offer_data();
    void offer();
    void typeCharacter_data();
    void typeCharacter();
    void typingSetsOnlyItsChannel();
    void shortcutsAreNoCharacters_data();
    void shortcutsAreNoCharacters();
    void fieldOfTarget_data();
    void fieldOfTarget();
    void insertCandidate_data();
    void insertCandidate();
    void shiftCase_data();
    void shiftCase();
    void bandWindowClosing();
    void candidateWindowKey_data();
    void candidateWindowKey();
    void flagsFromSettings();
    void fromFilesToInsertion();
};

void tst_TriggerInput::insertTargetValues()
{
    QCOMPARE(int(InsertTarget::MainPad), 0);
    QCOMPARE(int(InsertTarget::RegisterDialog), 1);
    QCOMPARE(int(InsertTarget::EditDialog), 2);
    QCOMPARE(int(InsertTarget::BookEditor), 3);
    QCOMPARE(int(InsertTarget::SearchField), 4);
    QCOMPARE(int(InsertTarget::LineWindow), 14);
    for (int v = -1; v <= 15; ++v)
        QCOMPARE(IsInsertTarget(v), (v >= 0 && v <= 4) || v == 14);
}

void tst_TriggerInput::findCandidates_data()
{
    QTest::addColumn<int>("c");
    QTest::addColumn<bool>("revival");
    QTest::addColumn<bool>("result");
    QTest::addColumn<Slots>("slots");

    QTest::newRow("three candidates")
        << int('e') << false << true << Slots{0xE9, 0xE8, 0xEA, 0, 0, 0, 0, 0, 0, 0};
    QTest::newRow("three with revival")
        << int('e') << true << true << Slots{0xE9, 0xE8, 0xEA, 0, 0, 0, 0, 0, 0, 'e'};
    QTest::newRow("blanks only are no candidates")
        << int('b') << false << false << Slots{0x20, 0x20, 0, 0x09, 0, 0, 0, 0, 0, 0};
    QTest::newRow("blanks only, revival does not count")
        << int('b') << true << false << Slots{0x20, 0x20, 0, 0x09, 0, 0, 0, 0, 0, 'b'};
    QTest::newRow("first entry decides, even blank")
        << int('d') << false << false << Slots{0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    QTest::newRow("blanks copied as they are")
        << int('x') << false << true << Slots{0x20, 0x1E9E, 0x01, 0, 0, 0, 0, 0, 0, 0};
    QTest::newRow("not a trigger")
        << int('q') << false << false << Slots{0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    QTest::newRow("not a trigger, revival")
        << int('q') << true << false << Slots{0, 0, 0, 0, 0, 0, 0, 0, 0, 'q'};
    // The zero entries after the valid lines never match.
    QTest::newRow("code 0") << 0 << false << false << Slots{0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    QTest::newRow("double quote") << int('"') << false << true
                                  << Slots{0x201C, 0x201D, 0x201E, 0xAB, 0xBB, 0, 0, 0, 0, 0};
}

void tst_TriggerInput::findCandidates()
{
    QFETCH(int, c);
    QFETCH(bool, revival);
    QFETCH(bool, result);
    QFETCH(Slots, slots);
    TriggerInputState state;
    state.tables = sampleTables();
    state.triggerRevival = revival;
    state.candidateSlots.fill(0x41); // whatever the last lookup left
    QCOMPARE(FindCandidates(state, char16_t(c)), result);
    QCOMPARE(slotsOf(state.candidateSlots), slots);
    QCOMPARE(HasCandidates(state, char16_t(c)), result);
}

void tst_TriggerInput::hasCandidatesKeepsSlots()
{
    TriggerInputState state;
    state.tables = sampleTables();
    QVERIFY(FindCandidates(state, 's'));
    const CandidateSlots before = state.candidateSlots;
    QVERIFY(HasCandidates(state, 'e'));
    QVERIFY(!HasCandidates(state, 'q'));
    QCOMPARE(state.candidateSlots, before);
    // Empty tables: nothing is a trigger.
    QVERIFY(!HasCandidates(CandidateTables(), 'e'));
}

void tst_TriggerInput::singleCandidate_data()
{
    QTest::addColumn<Slots>("slots");
    QTest::addColumn<QString>("text");
    QTest::newRow("none") << Slots{} << "";
    QTest::newRow("one") << Slots{0xDF} << QString::fromUtf8("ß");
    QTest::newRow("one in the middle") << Slots{0, 0x20, 0, 0, 0xE9} << QString::fromUtf8("é");
    QTest::newRow("two") << Slots{0xE9, 0xE8} << "";
    QTest::newRow("one plus revived trigger") << Slots{0xDF, 0, 0, 0, 0, 0, 0, 0, 0, 's'} << "";
    QTest::newRow("only the trigger") << Slots{0, 0, 0, 0, 0, 0, 0, 0, 0, 's'} << "s";
    QTest::newRow("blanks do not count")
        << Slots{0x20, 0x1F, 0x1E9E, 0x01} << QString::fromUtf8("ẞ");
    QTest::newRow("0x21 is not blank") << Slots{0x21} << "!";
}

void tst_TriggerInput::singleCandidate()
{
    QFETCH(Slots, slots);
    QFETCH(QString, text);
    QCOMPARE(SingleCandidate(makeSlots(slots)), text);
}

void tst_TriggerInput::slotText()
{
    const CandidateSlots s = makeSlots({0xE9, 0x20, 0, 0x09, 0x21, 0, 0, 0, 0, 'e'});
    QCOMPARE(SlotText(s, 0), QString::fromUtf8("é"));
    QCOMPARE(SlotText(s, 1), QString());
    QCOMPARE(SlotText(s, 2), QString());
    QCOMPARE(SlotText(s, 3), QString());
    QCOMPARE(SlotText(s, 4), QString("!"));
    QCOMPARE(SlotText(s, 9), QString("e"));
    QCOMPARE(SlotText(s, 10), QString());
    QCOMPARE(SlotText(s, -1), QString());
    QCOMPARE(SlotNumberLabel(0), QString("1"));
    QCOMPARE(SlotNumberLabel(8), QString("9"));
    QCOMPARE(SlotNumberLabel(9), QString("0"));
}

void tst_TriggerInput::offer_data()
{
    QTest::addColumn<int>("c");
    QTest::addColumn<bool>("revival");
    QTest::addColumn<bool>("oneInput");
    QTest::addColumn<int>("action");
    QTest::addColumn<QString>("text");

    const int normal = int(TypingAction::TypeNormally);
    const int direct = int(TypingAction::InsertDirectly);
    const int window = int(TypingAction::ShowCandidateWindow);
    QTest::newRow("single, revival on (start values)") << int('s') << true << false << window << "";
    QTest::newRow("single, revival off, one input on")
        << int('s') << false << true << direct << QString::fromUtf8("ß");
    QTest::newRow("single, both on: two slots, window") << int('s') << true << true << window << "";
    QTest::newRow("single, both off") << int('s') << false << false << window << "";
    QTest::newRow("three, one input on") << int('e') << false << true << window << "";
    QTest::newRow("single among blanks, one input")
        << int('x') << false << true << direct << QString::fromUtf8("ẞ");
    QTest::newRow("blanks only type normally") << int('b') << true << true << normal << "";
    QTest::newRow("first blank entry decides") << int('d') << false << true << normal << "";
    QTest::newRow("not a trigger") << int('q') << true << false << normal << "";
}

void tst_TriggerInput::offer()
{
    QFETCH(int, c);
    QFETCH(bool, revival);
    QFETCH(bool, oneInput);
    QFETCH(int, action);
    QFETCH(QString, text);
    TriggerInputStates states = sampleStates();
    states.letter.triggerRevival = revival;
    states.letter.oneInput = oneInput;
    states.letter.target = InsertTarget::BookEditor;
    const TypingDecision d =
        OfferTrigger(states, InputChannel::Letter, InsertTarget::MainPad, char16_t(c));
    QCOMPARE(int(d.action), action);
    QCOMPARE(d.text, text);
    QCOMPARE(d.consumed(), action != int(TypingAction::TypeNormally));
    QCOMPARE(d.channel, InputChannel::Letter);
    QCOMPARE(d.window, CandidateWindow::Band);
    // The target is set only when a trigger was found.
    QCOMPARE(states.letter.target, d.consumed() ? InsertTarget::MainPad : InsertTarget::BookEditor);
}

void tst_TriggerInput::typeCharacter_data()
{
    QTest::addColumn<int>("field");
    QTest::addColumn<int>("searchColumn");
    QTest::addColumn<int>("linePage");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("action");
    QTest::addColumn<int>("channel");
    QTest::addColumn<int>("target");

    const int normal = int(TypingAction::TypeNormally);
    const int window = int(TypingAction::ShowCandidateWindow);
    const int L = int(InputChannel::Letter);
    const int P = int(InputChannel::Phonetic);
    const int kb = int(LineWindowPage::TriggerKeyboard);
    const int ac = int(LineWindowPage::AccentButtons);
    const int ph = int(LineWindowPage::Phonetic);
    auto row = [&](const char *name, TriggerField f, int column, int page, const QString &typed,
                   int action, int channel, InsertTarget target) {
        QTest::newRow(name) << int(f) << column << page << typed << action << channel
                            << int(target);
    };
    row("pad, letter trigger", TriggerField::MainPad, 0, kb, "e", window, L, InsertTarget::MainPad);
    row("pad, not a trigger", TriggerField::MainPad, 0, kb, "q", normal, L, InsertTarget::MainPad);
    row("pad, phonetic trigger only", TriggerField::MainPad, 0, kb, "A", normal, L,
        InsertTarget::MainPad);
    row("pad, Enter types", TriggerField::MainPad, 0, kb, "\r", normal, L, InsertTarget::MainPad);
    row("pad, no character", TriggerField::MainPad, 0, kb, "", normal, L, InsertTarget::MainPad);
    row("pad, two units", TriggerField::MainPad, 0, kb, "ee", normal, L, InsertTarget::MainPad);
    row("phonetic line", TriggerField::MainPhoneticLine, 0, kb, "A", window, P,
        InsertTarget::MainPad);
    row("phonetic line, letter trigger", TriggerField::MainPhoneticLine, 0, kb, "s", normal, L,
        InsertTarget::MainPad);
    row("register foreign word", TriggerField::RegisterForeignWord, 0, kb, "e", window, L,
        InsertTarget::RegisterDialog);
    row("register phonetic", TriggerField::RegisterPhonetic, 0, kb, "A", window, P,
        InsertTarget::RegisterDialog);
    row("edit foreign word", TriggerField::EditForeignWord, 0, kb, "e", window, L,
        InsertTarget::EditDialog);
    row("edit phonetic", TriggerField::EditPhonetic, 0, kb, "A", window, P,
        InsertTarget::EditDialog);
    row("book editor foreign word", TriggerField::BookEditorForeignWord, 0, kb, "e", window, L,
        InsertTarget::BookEditor);
    row("book editor phonetic", TriggerField::BookEditorPhonetic, 0, kb, "A", window, P,
        InsertTarget::BookEditor);
    row("search, foreign column", TriggerField::SearchField, 0, kb, "e", window, L,
        InsertTarget::SearchField);
    row("search, phonetic column", TriggerField::SearchField, 1, kb, "A", window, P,
        InsertTarget::SearchField);
    row("search, japanese column", TriggerField::SearchField, 3, kb, "e", normal, L,
        InsertTarget::SearchField);
    row("search, line feed is no Enter", TriggerField::SearchField, 0, kb, "\n", normal, L,
        InsertTarget::SearchField);
    row("search, Enter searches", TriggerField::SearchField, 3, kb, "\r",
        int(TypingAction::StartSearch), L, InsertTarget::SearchField);
    row("line window, keyboard page", TriggerField::LineWindowField, 0, kb, "e", window, L,
        InsertTarget::LineWindow);
    row("line window, phonetic page", TriggerField::LineWindowField, 0, ph, "A", window, P,
        InsertTarget::LineWindow);
    row("line window, accent page", TriggerField::LineWindowField, 0, ac, "e", normal, L,
        InsertTarget::LineWindow);
    row("line window, Enter transfers", TriggerField::LineWindowField, 0, ac, "\r",
        int(TypingAction::PressTransfer), L, InsertTarget::LineWindow);
}

void tst_TriggerInput::typeCharacter()
{
    QFETCH(int, field);
    QFETCH(int, searchColumn);
    QFETCH(int, linePage);
    QFETCH(QString, typed);
    QFETCH(int, action);
    QFETCH(int, channel);
    QFETCH(int, target);

    TriggerInputStates states = sampleStates();
    const FieldState f{TriggerField(field), searchColumn, LineWindowPage(linePage)};
    const TypingDecision d = TypeCharacter(states, f, typed);
    QCOMPARE(int(d.action), action);
    if (d.action == TypingAction::ShowCandidateWindow) {
        QCOMPARE(int(d.channel), channel);
        QCOMPARE(d.window, WindowOfChannel(InputChannel(channel)));
        QCOMPARE(int(states.channel(InputChannel(channel)).target), target);
        QVERIFY(!IsBlankUnit(states.channel(d.channel).candidateSlots[0]));
    } else {
        QCOMPARE(states.letter.target, InsertTarget::MainPad);
        QCOMPARE(states.phonetic.target, InsertTarget::MainPad);
    }
}

void tst_TriggerInput::typingSetsOnlyItsChannel()
{
    // A trigger in the phonetic field of the registration dialog goes to that field,
    // not to the main window's phonetic line, and leaves the letter channel alone.
    TriggerInputStates states = sampleStates();
    states.letter.candidateSlots.fill(0x61);
    const TypingDecision d =
        TypeCharacter(states, {TriggerField::RegisterPhonetic}, QStringView(u"e"));
    QCOMPARE(d.action, TypingAction::ShowCandidateWindow);
    QCOMPARE(d.window, CandidateWindow::Cand);
    QCOMPARE(states.phonetic.target, InsertTarget::RegisterDialog);
    QCOMPARE(FieldOfTarget(d.channel, states.phonetic.target), TriggerField::RegisterPhonetic);
    QCOMPARE(states.phonetic.candidateSlots[0], char16_t(0x259));
    QCOMPARE(states.letter.candidateSlots[0], char16_t(0x61));
    QCOMPARE(states.letter.target, InsertTarget::MainPad);
}

void tst_TriggerInput::shortcutsAreNoCharacters_data()
{
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<bool>("offered");
    QTest::newRow("none") << int(Qt::NoModifier) << true;
    QTest::newRow("shift") << int(Qt::ShiftModifier) << true;
    QTest::newRow("keypad") << int(Qt::KeypadModifier) << true;
    QTest::newRow("alt") << int(Qt::AltModifier) << false;
    QTest::newRow("control") << int(Qt::ControlModifier) << false;
    QTest::newRow("meta") << int(Qt::MetaModifier) << false;
}

void tst_TriggerInput::shortcutsAreNoCharacters()
{
    QFETCH(int, modifiers);
    QFETCH(bool, offered);
    TriggerInputStates states = sampleStates();
    const TypingDecision d = TypeCharacter(states, {TriggerField::MainPad}, QStringView(u"e"),
                                           Qt::KeyboardModifiers(modifiers));
    QCOMPARE(d.consumed(), offered);
    // Ctrl+Enter in the search field is no Enter either.
    const TypingDecision enter = TypeCharacter(
        states, {TriggerField::SearchField}, QStringView(u"\r"), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(enter.action == TypingAction::StartSearch, offered);
}

void tst_TriggerInput::fieldOfTarget_data()
{
    QTest::addColumn<int>("channel");
    QTest::addColumn<int>("target");
    QTest::addColumn<int>("field"); // -1: none
    const int L = int(InputChannel::Letter);
    const int P = int(InputChannel::Phonetic);
    QTest::newRow("L0") << L << 0 << int(TriggerField::MainPad);
    QTest::newRow("P0") << P << 0 << int(TriggerField::MainPhoneticLine);
    QTest::newRow("L1") << L << 1 << int(TriggerField::RegisterForeignWord);
    QTest::newRow("P1") << P << 1 << int(TriggerField::RegisterPhonetic);
    QTest::newRow("L2") << L << 2 << int(TriggerField::EditForeignWord);
    QTest::newRow("P2") << P << 2 << int(TriggerField::EditPhonetic);
    QTest::newRow("L3") << L << 3 << int(TriggerField::BookEditorForeignWord);
    QTest::newRow("P3") << P << 3 << int(TriggerField::BookEditorPhonetic);
    QTest::newRow("L4") << L << 4 << int(TriggerField::SearchField);
    QTest::newRow("P4") << P << 4 << int(TriggerField::SearchField);
    QTest::newRow("L14") << L << 14 << int(TriggerField::LineWindowField);
    QTest::newRow("P14") << P << 14 << int(TriggerField::LineWindowField);
    QTest::newRow("L5") << L << 5 << -1;
    QTest::newRow("P13") << P << 13 << -1;
    QTest::newRow("L-1") << L << -1 << -1;
    QTest::newRow("L15") << L << 15 << -1;
}

void tst_TriggerInput::fieldOfTarget()
{
    QFETCH(int, channel);
    QFETCH(int, target);
    QFETCH(int, field);
    const std::optional<TriggerField> f =
        FieldOfTarget(InputChannel(channel), InsertTarget(target));
    QCOMPARE(f.has_value(), field >= 0);
    if (f) {
        QCOMPARE(int(*f), field);
        // Every field receives for the target it sets.
        QCOMPARE(int(TargetOfField(*f)), target);
    }
}

void tst_TriggerInput::insertCandidate_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("selStart");
    QTest::addColumn<int>("selLength");
    QTest::addColumn<int>("caret");
    QTest::addColumn<QString>("candidate");
    QTest::addColumn<QString>("result");
    QTest::addColumn<int>("newCaret");

    const QString e = QString::fromUtf8("é");
    QTest::newRow("at caret") << "caf" << 0 << 0 << 3 << e << QString::fromUtf8("café") << 4;
    QTest::newRow("at start") << "te" << 0 << 0 << 0 << e << QString::fromUtf8("éte") << 1;
    QTest::newRow("in the middle") << "cafe" << 0 << 0 << 2 << e << QString::fromUtf8("caéfe") << 3;
    QTest::newRow("replaces selection")
        << "cafe au" << 3 << 1 << 4 << e << QString::fromUtf8("café au") << 4;
    QTest::newRow("replaces whole text") << "xyz" << 0 << 3 << 0 << e << e << 1;
    QTest::newRow("empty removes selection") << "abcd" << 1 << 2 << 3 << ""
                                             << "ad" << 1;
    QTest::newRow("empty without selection") << "abcd" << 0 << 0 << 2 << ""
                                             << "abcd" << 2;
    QTest::newRow("empty field") << "" << 0 << 0 << 0 << e << e << 1;
    QTest::newRow("caret beyond end clamped")
        << "ab" << 0 << 0 << 9 << e << QString::fromUtf8("abé") << 3;
    QTest::newRow("negative caret clamped")
        << "ab" << 0 << 0 << -4 << e << QString::fromUtf8("éab") << 1;
    QTest::newRow("selection beyond end clamped")
        << "abc" << 1 << 10 << 1 << e << QString::fromUtf8("aé") << 2;
    QTest::newRow("multi-line pad")
        << "a\nb" << 0 << 0 << 2 << e << QString::fromUtf8("a\néb") << 3;
}

void tst_TriggerInput::insertCandidate()
{
    QFETCH(QString, text);
    QFETCH(int, selStart);
    QFETCH(int, selLength);
    QFETCH(int, caret);
    QFETCH(QString, candidate);
    QFETCH(QString, result);
    QFETCH(int, newCaret);
    const TextEdit edit = InsertCandidate(text, selStart, selLength, caret, candidate);
    QCOMPARE(edit.text, result);
    QCOMPARE(edit.caret, qsizetype(newCaret));
    // The reported range rebuilds the same text from the old one.
    QString rebuilt = text;
    rebuilt.replace(edit.replaceStart, edit.replaceLength, candidate);
    QCOMPARE(rebuilt, result);
}

void tst_TriggerInput::shiftCase_data()
{
    QTest::addColumn<int>("field");
    QTest::addColumn<int>("linePage");
    QTest::addColumn<int>("mainPage");
    QTest::addColumn<bool>("pressed");
    QTest::addColumn<bool>("caps");
    QTest::addColumn<int>("pad");
    QTest::addColumn<int>("state");

    const int up = int(KeyboardCase::Upper);
    const int low = int(KeyboardCase::Lower);
    const int kbPage = int(MainRightPage::TriggerKeyboard);
    const int acPage = int(MainRightPage::AccentButtons);
    const int other = int(MainRightPage::Other);
    const int lkb = int(LineWindowPage::TriggerKeyboard);
    const int lac = int(LineWindowPage::AccentButtons);
    const int lph = int(LineWindowPage::Phonetic);
    const int none = int(CasePad::None);
    auto row = [&](const char *name, TriggerField f, int linePage, int mainPage, bool pressed,
                   bool caps, CasePad pad, int state) {
        QTest::newRow(name) << int(f) << linePage << mainPage << pressed << caps << int(pad)
                            << state;
    };
    const auto pad = TriggerField::MainPad;
    row("pad, keyboard, press", pad, lkb, kbPage, true, false, CasePad::MainTriggerKeyboard, up);
    row("pad, keyboard, press with caps", pad, lkb, kbPage, true, true,
        CasePad::MainTriggerKeyboard, up);
    row("pad, keyboard, release", pad, lkb, kbPage, false, false, CasePad::MainTriggerKeyboard,
        low);
    row("pad, keyboard, release with caps", pad, lkb, kbPage, false, true, CasePad::None, low);
    row("pad, accents, press", pad, lkb, acPage, true, false, CasePad::MainAccentButtons, up);
    row("pad, accents, release", pad, lkb, acPage, false, false, CasePad::MainAccentButtons, low);
    row("pad, other page", pad, lkb, other, true, false, CasePad::None, low);
    for (TriggerField f : {TriggerField::RegisterForeignWord, TriggerField::EditForeignWord,
                           TriggerField::BookEditorForeignWord}) {
        const QByteArray n = QByteArray::number(int(f));
        QTest::newRow("foreign press " + n)
            << int(f) << lkb << other << true << false << int(CasePad::MainTriggerKeyboard) << up;
        QTest::newRow("foreign release " + n) << int(f) << lkb << acPage << false << false
                                              << int(CasePad::MainTriggerKeyboard) << low;
        QTest::newRow("foreign release caps " + n)
            << int(f) << lkb << acPage << false << true << none << low;
    }
    for (TriggerField f : {TriggerField::MainPhoneticLine, TriggerField::RegisterPhonetic,
                           TriggerField::EditPhonetic, TriggerField::BookEditorPhonetic,
                           TriggerField::SearchField}) {
        QTest::newRow("untracked " + QByteArray::number(int(f)))
            << int(f) << lkb << kbPage << true << false << none << low;
    }
    const auto line = TriggerField::LineWindowField;
    row("line, keyboard, press", line, lkb, other, true, false, CasePad::LineTriggerKeyboard, up);
    row("line, keyboard, release", line, lkb, other, false, false, CasePad::LineTriggerKeyboard,
        low);
    row("line, accents, press", line, lac, other, true, false, CasePad::LineAccentButtons, up);
    row("line, accents, release with caps", line, lac, other, false, true, CasePad::None, low);
    row("line, phonetic page", line, lph, kbPage, true, false, CasePad::None, low);
}

void tst_TriggerInput::shiftCase()
{
    QFETCH(int, field);
    QFETCH(int, linePage);
    QFETCH(int, mainPage);
    QFETCH(bool, pressed);
    QFETCH(bool, caps);
    QFETCH(int, pad);
    QFETCH(int, state);
    const FieldState f{TriggerField(field), 0, LineWindowPage(linePage)};
    const CaseSwitch s = ShiftCaseSwitch(f, MainRightPage(mainPage), pressed, caps);
    QCOMPARE(int(s.pad), pad);
    if (s.pad != CasePad::None)
        QCOMPARE(int(s.state), state);
}

void tst_TriggerInput::bandWindowClosing()
{
    QCOMPARE(BandWindowClosing(InsertTarget::MainPad, true),
             (CapsPushBack{CasePad::MainTriggerKeyboard, true, KeyboardCase::Upper}));
    QCOMPARE(BandWindowClosing(InsertTarget::RegisterDialog, false),
             (CapsPushBack{CasePad::MainTriggerKeyboard, false, KeyboardCase::Lower}));
    QCOMPARE(BandWindowClosing(InsertTarget::LineWindow, true),
             (CapsPushBack{CasePad::LineTriggerKeyboard, true, KeyboardCase::Upper}));
    QCOMPARE(BandWindowClosing(InsertTarget::LineWindow, false),
             (CapsPushBack{CasePad::LineTriggerKeyboard, false, KeyboardCase::Lower}));
}

void tst_TriggerInput::candidateWindowKey_data()
{
    QTest::addColumn<int>("selected");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("c");
    QTest::addColumn<int>("newSelected");
    QTest::addColumn<bool>("close");
    QTest::addColumn<bool>("insert");
    QTest::addColumn<QString>("text");

    // Slots: é è ê blank ... trigger "e" in slot 9.
    const int enter = int(CandidateKey::Enter);
    const int space = int(CandidateKey::Space);
    const int right = int(CandidateKey::Right);
    const int left = int(CandidateKey::Left);
    const int chr = int(CandidateKey::Character);
    const int other = int(CandidateKey::Other);
    const QString e = QString::fromUtf8("é");
    QTest::newRow("Enter inserts selected") << 0 << enter << 0 << 0 << true << true << e;
    QTest::newRow("Enter on blank inserts empty") << 4 << enter << 0 << 4 << true << true << "";
    QTest::newRow("Space moves right") << 0 << space << 0 << 1 << false << false << "";
    QTest::newRow("Space wraps from 9") << 9 << space << 0 << 0 << false << false << "";
    QTest::newRow("Right wraps from 9") << 9 << right << 0 << 0 << false << false << "";
    QTest::newRow("Left wraps from 0") << 0 << left << 0 << 9 << false << false << "";
    QTest::newRow("Left") << 5 << left << 0 << 4 << false << false << "";
    QTest::newRow("digit 1") << 5 << chr << int('1') << 0 << true << true << e;
    QTest::newRow("digit 3") << 0 << chr << int('3') << 2 << true << true << QString::fromUtf8("ê");
    QTest::newRow("digit on blank closes only") << 0 << chr << int('5') << 4 << true << false << "";
    QTest::newRow("digit 0 gives trigger") << 0 << chr << int('0') << 9 << true << true << "e";
    QTest::newRow("character space does nothing")
        << 3 << chr << int(' ') << 3 << false << false << "";
    QTest::newRow("Escape closes") << 3 << chr << 0x1B << 3 << true << false << "";
    QTest::newRow("letter closes") << 3 << chr << int('a') << 3 << true << false << "";
    QTest::newRow("Up does nothing") << 3 << other << 0 << 3 << false << false << "";
}

void tst_TriggerInput::candidateWindowKey()
{
    QFETCH(int, selected);
    QFETCH(int, key);
    QFETCH(int, c);
    QFETCH(int, newSelected);
    QFETCH(bool, close);
    QFETCH(bool, insert);
    QFETCH(QString, text);
    const CandidateSlots s = makeSlots({0xE9, 0xE8, 0xEA, 0, 0, 0, 0, 0, 0, 'e'});
    const CandidateKeyResult r = CandidateWindowKey(s, selected, CandidateKey(key), char16_t(c));
    QCOMPARE(r.selected, newSelected);
    QCOMPARE(r.close, close);
    QCOMPARE(r.insert, insert);
    QCOMPARE(r.text, text);
}

void tst_TriggerInput::flagsFromSettings()
{
    Settings settings; // start values: letter revival on, the rest off
    TriggerInputStates states;
    states.letter.candidateSlots.fill(1);
    states.phonetic.target = InsertTarget::LineWindow;
    InitTriggerInputStates(states, settings);
    QVERIFY(states.letter.triggerRevival);
    QVERIFY(!states.letter.oneInput);
    QVERIFY(!states.phonetic.triggerRevival);
    QVERIFY(!states.phonetic.oneInput);
    QCOMPARE(states.letter.candidateSlots, CandidateSlots{});
    QCOMPARE(states.phonetic.target, InsertTarget::MainPad);
    QCOMPARE(states.letter.candidateFontSize, 21);
    QCOMPARE(states.phonetic.candidateFontSize, 21);

    states.letter.oneInput = true;
    states.phonetic.triggerRevival = true;
    StoreTriggerFlags(states, settings);
    QVERIFY(settings.GaOneInpFlg);
    QVERIFY(settings.GaTriRevFlg);
    QVERIFY(settings.PhTriRevFlg);
    QVERIFY(!settings.PhOneInpFlg);
}

void tst_TriggerInput::fromFilesToInsertion()
{
    // Table files as the editors write them, loaded at start, a double quote typed in the
    // pad, the third candidate chosen with its digit and put at the caret.
    QTemporaryDir dir;
    QVERIFY(WriteAnsiFile(dir.filePath("CandVelmor.csv"),
                          {"\"0022\",\"201C\",\"201D\",\"00AB\",\"\",\"\",\"\",\"\",\"\",\"\"",
                           "\"@\",,,,,,,,,"})
                .ok);
    QVERIFY(WriteAnsiFile(dir.filePath("DBVelmor.csv"),
                          {"Group,0,\"引用符\"",
                           "0,\"00AB\",\"LEFT-POINTING DOUBLE ANGLE QUOTATION MARK\",\"左ギュメ\","
                           "\"0\",\"\""})
                .ok);
    Settings settings;
    TriggerInputStates states;
    InitTriggerInputStates(states, settings);
    QVERIFY(LoadTablesAtStart(states, dir.path(), settings).issues.isEmpty());

    QCOMPARE(TypeCharacter(states, {TriggerField::MainPad}, QStringView(u"@")).action,
             TypingAction::TypeNormally);
    const TypingDecision d = TypeCharacter(states, {TriggerField::MainPad}, QStringView(u"\""));
    QCOMPARE(d.action, TypingAction::ShowCandidateWindow);
    QCOMPARE(d.window, CandidateWindow::Band);
    QCOMPARE(states.letter.candidateSlots[9], char16_t('"'));
    QCOMPARE(SymbolNameOf(states.letter.tables.names, states.letter.candidateSlots[2],
                          SymbolNameKind::Japanese),
             QString::fromUtf8("左ギュメ"));

    const CandidateKeyResult key =
        CandidateWindowKey(states.letter.candidateSlots, 0, CandidateKey::Character, '3');
    QVERIFY(key.insert && key.close);
    QCOMPARE(FieldOfTarget(d.channel, states.letter.target), TriggerField::MainPad);
    const TextEdit edit = InsertCandidate(u"Il dit bonjour", 7, 0, 7, key.text);
    QCOMPARE(edit.text, QString::fromUtf8("Il dit «bonjour"));
    QCOMPARE(edit.caret, 8);
}

QTEST_APPLESS_MAIN(tst_TriggerInput)
#include "tst_triggerinput.moc"
