// The word dialogs on their own: texts, layout, bounds, focus, checks and results.
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "fakedialogs.h"
#include "fakeplatform.h"
#include "folders.h"
#include "testhome.h"
#include "twmplayerfrm.h"
#include "worddialogs.h"

class tst_WordDialogs : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void formLabelsAndLayout();
    void captions();
    void regCopiesPadWhenAsked_data();
    void regCopiesPadWhenAsked();
    void regNumberList();
    void regEmptyBookHasNoInsert();
    void regWarnsAndStaysOnEmptyWord();
    void regTrimsAndCommits();
    void regInsertAboveSelectedNumber();
    void failedCommitKeepsDialogOpen();
    void f4PressesConfirm();
    void boundsRememberedForTheRun();
    void japaneseLayoutOnJapaneseFields();
    void triggerFieldsHandedOver();
    void voiceBrowseStartFolder();
    void voicePlayButton();
    void modFillsFieldsAndFocusesCancel();
    void moveListLeavesOutOwnNumber();
    void moveChecksTypedNumber();
    void deleteShowsWord();
    void jumpNeedsAListItem();
    void typedNumberEnablesOK_data();
    void typedNumberEnablesOK();
    void colourShowsCurrentCode();
    void colourListAndBlack();
    void colourInvalidTextStoresNothing();
    void colourCustom();
    void colourEditorMode();

private:
    WordFormContext context();
    std::unique_ptr<TestHome> home;
    FakeDialogs dialogs;
    FakeInputMethod inputMethod;
    Settings settings;
    AppFolders folders;
    WindowRect place;
};

void tst_WordDialogs::init()
{
    home = std::make_unique<TestHome>();
    dialogs = FakeDialogs();
    inputMethod = FakeInputMethod();
    settings = Settings();
    folders = AppFolders();
    folders.WordBookFolder = home->path(QStringLiteral("books"));
    QDir().mkpath(folders.WordBookFolder);
    place = WindowRect();
}

void tst_WordDialogs::cleanup()
{
    home.reset();
}

WordFormContext tst_WordDialogs::context()
{
    WordFormContext c;
    c.settings = &settings;
    c.folders = &folders;
    c.dialogs = &dialogs;
    c.inputMethod = &inputMethod;
    c.languageName = QStringLiteral("英語");
    return c;
}

void tst_WordDialogs::formLabelsAndLayout()
{
    TRegFrm d(0, {}, {}, place, context(), {});
    const QStringList expected{"■英語：",   "■発音記号：", "■発音カナ：",
                               "■日本語：", "■備考：",     "■音声ﾌｧｲﾙ："};
    for (int row = 0; row < 6; ++row) {
        QCOMPARE(d.labels[row]->text(), expected[row]);
        QCOMPARE(d.labels[row]->pos(), QPoint(20, row * 52 + 15));
        QCOMPARE(d.fields[row]->pos(), QPoint(180, row * 52 + 10));
        QCOMPARE(d.fields[row]->objectName(), QStringLiteral("Edit%1").arg(row + 1));
    }
    QCOMPARE(d.fields[0]->width(), 380);
    QCOMPARE(d.fields[5]->width(), 200);
    QCOMPARE(d.RequiredLabel->text(), QStringLiteral("必須"));
    QCOMPARE(d.RequiredLabel->pos(), QPoint(180 + 380 + 8, 16));
    QVERIFY(d.RequiredLabel->font().pointSizeF() < d.labels[0]->font().pointSizeF());
    QCOMPARE(d.VoiceRefBtn->text(), QStringLiteral("参照"));
    QCOMPARE(d.VoiceRefBtn->geometry(), QRect(388, 268, 80, 38));
    QCOMPARE(d.VoicePlayBtn->text(), QStringLiteral("再生"));
    QCOMPARE(d.VoicePlayBtn->geometry(), QRect(476, 268, 80, 38));
    // Plain keys in the foreign, phonetic and voice fields; the input method elsewhere.
    const bool ime[6] = {false, false, true, true, true, false};
    for (int row = 0; row < 6; ++row)
        QCOMPARE(d.fields[row]->testAttribute(Qt::WA_InputMethodEnabled), ime[row]);
    // Wider dialog, wider fields; the voice field keeps its width.
    d.show();
    d.resize(900, 420);
    QCOMPARE(d.fields[0]->width(), 380 + 260);
    QCOMPARE(d.fields[4]->width(), 380 + 260);
    QCOMPARE(d.fields[5]->width(), 200);
    QCOMPARE(d.RequiredLabel->x(), 180 + 640 + 8);
}

void tst_WordDialogs::captions()
{
    TRegFrm reg(0, {}, {}, place, context(), {});
    QCOMPARE(reg.windowTitle(),
             QStringLiteral(
                 "単語登録　　※ノウハウ　⇒　Tabキーで項目移動、最後にファンクションキーF4で追加"));
    QCOMPARE(reg.AddBtn->text(), QStringLiteral("追加(F4)"));
    QCOMPARE(reg.InsBtn->text(), QStringLiteral("挿入"));
    QCOMPARE(reg.CancelBtn->text(), QStringLiteral("ｷｬﾝｾﾙ"));
    QVERIFY(reg.findChild<QLabel *>("AboveLabel")->text() == QStringLiteral("の上に"));
    QVERIFY(reg.findChild<QLabel *>("NoLabel")->text() == QStringLiteral("No"));
    WindowRect other;
    TModFrm mod(WordEntry(), other, context(), {});
    QCOMPARE(mod.windowTitle(), QStringLiteral("単語編集　　※ノウハウ　⇒　Tabキーで項目移動、最後に"
                                               "ファンクションキーF4で変更内容の反映"));
    QCOMPARE(mod.ModBtn->text(), QStringLiteral("反映(F4)"));
    TMoveFrm move(1, 2, {});
    QCOMPARE(move.windowTitle(), QStringLiteral("単語移動"));
    QCOMPARE(move.size(), QSize(640, 320));
    QCOMPARE(move.OKBtn->text(), QStringLiteral("OK (F4)"));
    TDelFrm del(1, WordEntry(), QStringLiteral("英語"), {});
    QCOMPARE(del.windowTitle(), QStringLiteral("単語削除"));
    QCOMPARE(del.size(), QSize(640, 320));
    TJumpFrm jump(3, {});
    QCOMPARE(jump.windowTitle(), QStringLiteral("指定Noにジャンプ"));
    QCOMPARE(jump.size(), QSize(640, 320));
    TChColFrm colour(TChColFrm::Mode::Word, QString(), dialogs);
    QCOMPARE(colour.windowTitle(), QStringLiteral("文字色変更フォーム"));
    QCOMPARE(colour.size(), QSize(640, 420));
    QCOMPARE(colour.CustomBtn->text(), QStringLiteral("カスタム"));
    for (QDialog *fixed : std::initializer_list<QDialog *>{&move, &del, &jump, &colour})
        QCOMPARE(fixed->minimumSize(), fixed->maximumSize());
}

void tst_WordDialogs::regCopiesPadWhenAsked_data()
{
    QTest::addColumn<bool>("copy");
    QTest::addColumn<QString>("pad");
    QTest::addColumn<QString>("phonetic");
    QTest::addColumn<int>("focusRow");
    QTest::newRow("copy") << true << "été"
                          << "ete" << 2;
    QTest::newRow("no copy, still kana focus") << false << "été"
                                               << "" << 2;
    QTest::newRow("phonetic only") << true << ""
                                   << "ˈsʌn" << 2;
    QTest::newRow("nothing typed") << true << ""
                                   << "" << 0;
}

void tst_WordDialogs::regCopiesPadWhenAsked()
{
    QFETCH(bool, copy);
    QFETCH(QString, pad);
    QFETCH(QString, phonetic);
    QFETCH(int, focusRow);
    settings.RegCopyFlg = copy;
    TRegFrm d(2, pad, phonetic, place, context(), {});
    d.show();
    QCOMPARE(d.fields[0]->text(), copy ? pad : QString());
    QCOMPARE(d.fields[1]->text(), copy ? phonetic : QString());
    QCOMPARE(d.focusWidget(), d.fields[focusRow]);
}

void tst_WordDialogs::regNumberList()
{
    TRegFrm d(3, {}, {}, place, context(), {});
    QCOMPARE(d.ComboBox1->count(), 3);
    QCOMPARE(d.ComboBox1->itemText(2), QStringLiteral("3"));
    QCOMPARE(d.ComboBox1->currentText(), QStringLiteral("1"));
    QCOMPARE(d.ComboBox1->maxVisibleItems(), 20);
    QVERIFY(d.ComboBox1->isEnabled());
    QVERIFY(d.InsBtn->isEnabled());
}

void tst_WordDialogs::regEmptyBookHasNoInsert()
{
    QList<int> positions;
    TRegFrm d(0, {}, {}, place, context(), [&](const WordEntry &, int at) {
        positions.append(at);
        return true;
    });
    QVERIFY(!d.ComboBox1->isEnabled());
    QVERIFY(!d.InsBtn->isEnabled());
    d.fields[0]->setText("one");
    d.InsBtnClick();
    QVERIFY(positions.isEmpty());
    d.AddBtnClick();
    QCOMPARE(positions, QList<int>{0});
    QCOMPARE(d.result(), int(QDialog::Accepted));
}

void tst_WordDialogs::regWarnsAndStaysOnEmptyWord()
{
    bool committed = false;
    TRegFrm d(1, {}, {}, place, context(), [&](const WordEntry &, int) {
        committed = true;
        return true;
    });
    d.show();
    d.fields[0]->setText(QStringLiteral(" \u3000 "));
    d.fields[3]->setText(QStringLiteral("意味"));
    d.AddBtnClick();
    d.InsBtnClick();
    QVERIFY(!committed);
    QVERIFY(d.isVisible());
    QCOMPARE(dialogs.shown.size(), 2);
    QCOMPARE(dialogs.shown[0],
             (FakeDialogs::Shown{FakeDialogs::Kind::Warning,
                                 QStringLiteral("単語が空欄だと登録できません。")}));
}

void tst_WordDialogs::regTrimsAndCommits()
{
    WordEntry got;
    int position = -1;
    TRegFrm d(2, {}, {}, place, context(), [&](const WordEntry &w, int at) {
        got = w;
        position = at;
        return true;
    });
    d.setEnteredWord(
        {" naïve ", " naɪˈiːv\t", " ナイーブ ", " 素朴な ", " adj. ", " naive.mp3 ", "#FF0000"});
    d.AddBtnClick();
    QCOMPARE(position, 2);
    QCOMPARE(got, (WordEntry{"naïve", "naɪˈiːv", "ナイーブ", "素朴な", "adj.", "naive.mp3", ""}));
    QCOMPARE(d.result(), int(QDialog::Accepted));
}

void tst_WordDialogs::regInsertAboveSelectedNumber()
{
    int position = -1;
    TRegFrm d(4, {}, {}, place, context(), [&](const WordEntry &, int at) {
        position = at;
        return true;
    });
    d.fields[0]->setText("x");
    d.ComboBox1->setCurrentIndex(2); // "3"
    d.InsBtnClick();
    QCOMPARE(position, 2);
}

void tst_WordDialogs::failedCommitKeepsDialogOpen()
{
    TRegFrm d(0, {}, {}, place, context(), [](const WordEntry &, int) { return false; });
    d.show();
    d.fields[0]->setText("kept");
    d.AddBtnClick();
    QVERIFY(d.isVisible());
    QCOMPARE(d.fields[0]->text(), QStringLiteral("kept"));
}

void tst_WordDialogs::f4PressesConfirm()
{
    int commits = 0;
    TRegFrm d(0, {}, {}, place, context(), [&](const WordEntry &, int) {
        ++commits;
        return true;
    });
    d.show();
    QVERIFY(QTest::qWaitForWindowActive(&d));
    d.fields[0]->setText("word");
    QTest::keyClick(d.fields[3], Qt::Key_F4);
    QCOMPARE(commits, 1);

    // Not while the button is unavailable.
    int moves = 0;
    TMoveFrm m(1, 3, [&](int) {
        ++moves;
        return true;
    });
    m.show();
    QVERIFY(QTest::qWaitForWindowActive(&m));
    QTest::keyClick(m.ComboBox1, Qt::Key_F4);
    QCOMPARE(moves, 0);
    m.ComboBox1->setCurrentIndex(0);
    QTest::keyClick(m.ComboBox1, Qt::Key_F4);
    QCOMPARE(moves, 1);
}

void tst_WordDialogs::boundsRememberedForTheRun()
{
    {
        TRegFrm d(0, {}, {}, place, context(), {});
        d.show();
        QCOMPARE(d.size(), QSize(640, 420));
        d.resize(500, 600); // narrower than allowed, taller than allowed
        QCOMPARE(d.width(), 640);
        QCOMPARE(d.height(), 423);
        d.resize(820, 421);
        d.move(40, 50);
        d.reject();
    }
    QVERIFY(place.isSet());
    QCOMPARE(place.width(), 820);
    QCOMPARE(place.bottom - place.top, 421);
    TRegFrm again(0, {}, {}, place, context(), {});
    again.show();
    QCOMPARE(again.size(), QSize(820, 421));
    QCOMPARE(again.geometry().topLeft(), QPoint(place.left, place.top));
    // The edit dialog keeps bounds of its own.
    WindowRect modPlace;
    TModFrm mod(WordEntry(), modPlace, context(), {});
    mod.show();
    QCOMPARE(mod.size(), QSize(640, 420));
}

void tst_WordDialogs::japaneseLayoutOnJapaneseFields()
{
    settings.CusJpImeStr = QStringLiteral("mozc-jp");
    inputMethod.layouts = {QStringLiteral("xkb:us::eng"), QStringLiteral("mozc-jp")};
    inputMethod.current = QStringLiteral("xkb:us::eng");
    TRegFrm d(0, {}, {}, place, context(), {});
    d.show();
    QVERIFY(QTest::qWaitForWindowActive(&d));
    d.fields[0]->setFocus();
    QVERIFY(inputMethod.selected.isEmpty());
    d.fields[1]->setFocus();
    QCOMPARE(inputMethod.selected, QStringList{"mozc-jp"});
    d.fields[3]->setFocus(); // already active: nothing to switch
    QCOMPARE(inputMethod.selected.size(), 1);
    inputMethod.current = QStringLiteral("xkb:us::eng");
    d.fields[5]->setFocus();
    QCOMPARE(inputMethod.selected.size(), 1);
    d.fields[2]->setFocus();
    QCOMPARE(inputMethod.selected.size(), 2);

    // Without the service nothing happens.
    WordFormContext none = context();
    none.inputMethod = nullptr;
    WindowRect other;
    TModFrm mod(WordEntry(), other, none, {});
    mod.show();
    QVERIFY(QTest::qWaitForWindowActive(&mod));
    mod.fields[1]->setFocus();
    QCOMPARE(inputMethod.selected.size(), 2);
}

void tst_WordDialogs::triggerFieldsHandedOver()
{
    QList<std::pair<QString, TriggerField>> handed;
    WordFormContext c = context();
    c.attachTriggerField = [&](QWidget *field, TriggerField kind) {
        handed.append({field->objectName(), kind});
    };
    TRegFrm reg(0, {}, {}, place, c, {});
    WindowRect other;
    TModFrm mod(WordEntry(), other, c, {});
    QCOMPARE(handed.size(), 4);
    QCOMPARE(handed[0], std::make_pair(QStringLiteral("Edit1"), TriggerField::RegisterForeignWord));
    QCOMPARE(handed[1], std::make_pair(QStringLiteral("Edit2"), TriggerField::RegisterPhonetic));
    QCOMPARE(handed[2], std::make_pair(QStringLiteral("Edit1"), TriggerField::EditForeignWord));
    QCOMPARE(handed[3], std::make_pair(QStringLiteral("Edit2"), TriggerField::EditPhonetic));
}

void tst_WordDialogs::voiceBrowseStartFolder()
{
    const QString voices = home->path(QStringLiteral("voices"));
    WordFormContext c = context();
    c.voiceFolder = voices; // not there yet
    TRegFrm d(0, {}, {}, place, c, {});
    dialogs.fileAnswers.enqueue(voices + QStringLiteral("/hello.mp3"));
    d.VoiceRefBtnClick();
    QCOMPARE(dialogs.lastFolder, folders.WordBookFolder);
    QCOMPARE(dialogs.lastFilters,
             (QStringList{"(*.mp3)", "(*.wav)", "(*.wma)", "すべて(*.*) (*)"}));
    QCOMPARE(d.fields[5]->text(), QStringLiteral("hello.mp3"));
    QDir().mkpath(voices);
    d.VoiceRefBtnClick(); // cancelled: the field keeps its name
    QCOMPARE(dialogs.lastFolder, voices);
    QCOMPARE(d.fields[5]->text(), QStringLiteral("hello.mp3"));
}

void tst_WordDialogs::voicePlayButton()
{
    WindowRect playerPlace;
    QWidget owner;
    VoicePlayback playback(settings, playerPlace, &owner);
    WordFormContext c = context();
    c.playback = &playback;
    QFile file(folders.WordBookFolder + QStringLiteral("/hi.mp3"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    TRegFrm d(0, {}, {}, place, c, {});
    d.fields[5]->setText(QStringLiteral("missing.mp3"));
    d.VoicePlayBtnClick();
    QVERIFY(!playback.isOpen());
    d.fields[5]->setText(QStringLiteral(" hi.mp3 "));
    d.VoicePlayBtnClick();
    QVERIFY(playback.isOpen());
    QCOMPARE(playback.CurrentVoiceFile, folders.WordBookFolder + QStringLiteral("/hi.mp3"));
    // An open player keeps its file.
    QFile other(folders.WordBookFolder + QStringLiteral("/ho.mp3"));
    QVERIFY(other.open(QIODevice::WriteOnly));
    other.close();
    TWMPlayerFrm *window = playback.window();
    d.fields[5]->setText(QStringLiteral("ho.mp3"));
    d.VoicePlayBtnClick();
    QCOMPARE(playback.window(), window);
    QCOMPARE(window->file(), folders.WordBookFolder + QStringLiteral("/hi.mp3"));
    d.fields[5]->setText(QStringLiteral("  "));
    d.VoicePlayBtnClick();
    QTRY_VERIFY(!playback.isOpen());
}

void tst_WordDialogs::modFillsFieldsAndFocusesCancel()
{
    const WordEntry word{"Straße",   "ˈʃtraːsə", "シュトラーセ", "通り",
                         "女性名詞", "s.mp3",    "#0000FF"};
    WordEntry got;
    TModFrm d(word, place, context(), [&](const WordEntry &w) {
        got = w;
        return true;
    });
    d.show();
    QCOMPARE(d.fields[0]->text(), word.foreignWord);
    QCOMPARE(d.fields[5]->text(), word.voiceFile);
    QCOMPARE(d.focusWidget(), d.CancelBtn);
    d.fields[0]->clear();
    d.ModBtnClick();
    QCOMPARE(dialogs.texts(), QStringList{"単語が空欄だと登録できません。"});
    QVERIFY(d.isVisible());
    d.fields[0]->setText(" Strasse ");
    d.ModBtnClick();
    QCOMPARE(got.foreignWord, QStringLiteral("Strasse"));
    QCOMPARE(got.textColour, QString()); // the caller keeps the colour
}

void tst_WordDialogs::moveListLeavesOutOwnNumber()
{
    TMoveFrm d(3, 4, {});
    d.show();
    QStringList items;
    for (int i = 0; i < d.ComboBox1->count(); ++i)
        items.append(d.ComboBox1->itemText(i));
    QCOMPARE(items, (QStringList{"1", "2", "4"}));
    QCOMPARE(d.ComboBox1->currentText(), QString());
    QCOMPARE(d.ComboBox1->maxVisibleItems(), 20);
    QCOMPARE(d.Edit1->text(), QStringLiteral("3"));
    QVERIFY(d.Edit1->isReadOnly());
    QVERIFY(d.Edit1->alignment() & Qt::AlignRight);
    QVERIFY(!d.OKBtn->isEnabled());
    QCOMPARE(d.focusWidget(), d.ComboBox1);
}

void tst_WordDialogs::moveChecksTypedNumber()
{
    QList<int> targets;
    TMoveFrm d(2, 5, [&](int t) {
        targets.append(t);
        return true;
    });
    d.show();
    d.ComboBox1->setCurrentIndex(0);
    QVERIFY(d.OKBtn->isEnabled());
    for (const char *typed : {"0", "6", "x", ""}) {
        d.ComboBox1->setEditText(QLatin1String(typed));
        d.OKBtnClick();
    }
    QVERIFY(targets.isEmpty());
    QVERIFY(d.isVisible());
    d.ComboBox1->setEditText("5");
    d.OKBtnClick();
    QCOMPARE(targets, QList<int>{5});
    QVERIFY(!d.isVisible());
}

void tst_WordDialogs::deleteShowsWord()
{
    bool deleted = false;
    TDelFrm d(7, {"chat", "ʃa", "シャ", "猫", "", "", ""}, QStringLiteral("フランス語"), [&] {
        deleted = true;
        return true;
    });
    d.show();
    QCOMPARE(d.Edit1->text(), QStringLiteral("7"));
    QCOMPARE(d.Edit2->text(), QStringLiteral("chat"));
    QCOMPARE(d.Edit3->text(), QStringLiteral("猫"));
    QVERIFY(d.Edit2->isReadOnly() && d.Edit3->isReadOnly());
    QStringList texts;
    for (QLabel *l : d.findChildren<QLabel *>())
        texts.append(l->text());
    QVERIFY(texts.contains(QStringLiteral("・フランス語：")));
    QVERIFY(texts.contains(QStringLiteral("・日本語：")));
    QVERIFY(texts.contains(QStringLiteral("の単語を削除しますか？")));
    QCOMPARE(d.focusWidget(), d.CancelBtn);
    d.OKBtnClick();
    QVERIFY(deleted);
}

void tst_WordDialogs::jumpNeedsAListItem()
{
    QList<int> jumps;
    TJumpFrm d(4, [&](int n) { jumps.append(n); });
    d.show();
    QVERIFY(QTest::qWaitForWindowActive(&d));
    QCOMPARE(d.ComboBox1->count(), 4);
    QCOMPARE(d.ComboBox1->currentText(), QString());
    QVERIFY(!d.OKBtn->isEnabled());
    QTest::keyClick(d.ComboBox1->lineEdit(), Qt::Key_Return);
    QVERIFY(jumps.isEmpty());
    d.ComboBox1->setCurrentIndex(1);
    d.ComboBox1->setEditText("9");
    d.OKBtnClick();
    QVERIFY(jumps.isEmpty());
    d.ComboBox1->setEditText("3");
    QTest::keyClick(d.ComboBox1->lineEdit(), Qt::Key_Return);
    QCOMPARE(jumps, QList<int>{3});
}

void tst_WordDialogs::typedNumberEnablesOK_data()
{
    QTest::addColumn<bool>("jump");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("jump 5") << true << "5" << true;
    QTest::newRow("jump 12") << true << "12" << true;
    QTest::newRow("jump beyond") << true << "13" << false;
    QTest::newRow("jump letters") << true << "x" << false;
    QTest::newRow("move 5") << false << "5" << true;
    QTest::newRow("move own number") << false << "3" << false;
}

void tst_WordDialogs::typedNumberEnablesOK()
{
    QFETCH(bool, jump);
    QFETCH(QString, typed);
    QFETCH(bool, enabled);
    QList<int> chosen;
    std::unique_ptr<QDialog> d;
    QComboBox *list = nullptr;
    QPushButton *ok = nullptr;
    if (jump) {
        auto *j = new TJumpFrm(12, [&](int n) { chosen.append(n); });
        list = j->ComboBox1;
        ok = j->OKBtn;
        d.reset(j);
    } else {
        auto *m = new TMoveFrm(3, 12, [&](int t) {
            chosen.append(t);
            return true;
        });
        list = m->ComboBox1;
        ok = m->OKBtn;
        d.reset(m);
    }
    d->show();
    QVERIFY(QTest::qWaitForWindowActive(d.get()));
    // Typed into the focused list, as a user does; no Enter yet.
    QTest::keyClicks(list, typed);
    QCOMPARE(ok->isEnabled(), enabled);
    QTest::keyClick(list, Qt::Key_Return);
    if (jump) // one Enter is enough
        QCOMPARE(chosen, enabled ? QList<int>{typed.toInt()} : QList<int>{});
    if (enabled) {
        QTest::keyClick(d.get(), Qt::Key_F4);
        QCOMPARE(chosen.value(0), typed.toInt());
    }
}

void tst_WordDialogs::colourShowsCurrentCode()
{
    TChColFrm d(TChColFrm::Mode::Word, QStringLiteral("#FF0000"), dialogs);
    QCOMPARE(d.CurEdit->text(), QStringLiteral("#FF0000"));
    QVERIFY(d.CurEdit->isReadOnly());
    QCOMPARE(d.CurLabel->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    QCOMPARE(d.ColorListBox->currentItem()->text(), QStringLiteral("Red"));
    QCOMPARE(d.ColorListBox->item(0)->sizeHint().height(), 32);
    TChColFrm lower(TChColFrm::Mode::Word, QStringLiteral("#ff0000"), dialogs);
    QCOMPARE(lower.CurEdit->text(), QString());
    QCOMPARE(lower.ColorListBox->currentRow(), -1);
}

void tst_WordDialogs::colourListAndBlack()
{
    TChColFrm d(TChColFrm::Mode::Word, QString(), dialogs);
    d.show();
    QCOMPARE(d.focusWidget(), d.CancelBtn);
    const auto colours = TChColFrm::StandardColours();
    const int blue = int(std::find_if(colours.cbegin(), colours.cend(),
                                      [](const auto &c) { return c.first == "Blue"; }) -
                         colours.cbegin());
    d.ColorListClick(blue);
    QCOMPARE(d.NewEdit->text(), QStringLiteral("#0000FF"));
    QCOMPARE(d.NewLabel->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    d.ColorListClick(0); // black
    QCOMPARE(d.NewEdit->text(), QStringLiteral("#000000"));
    d.OKBtnClick();
    QCOMPARE(d.result(), std::optional<QString>(QString()));
    QCOMPARE(d.QDialog::result(), int(QDialog::Accepted));
}

void tst_WordDialogs::colourInvalidTextStoresNothing()
{
    TChColFrm d(TChColFrm::Mode::Word, QStringLiteral("#00FF00"), dialogs);
    d.show();
    d.NewEdit->setText(QStringLiteral("green"));
    d.OKBtnClick();
    QVERIFY(!d.result());
    QVERIFY(!d.isVisible()); // closes in every case
}

void tst_WordDialogs::colourCustom()
{
    TChColFrm d(TChColFrm::Mode::Word, QStringLiteral("#102030"), dialogs);
    dialogs.colourAnswers.enqueue(std::nullopt);
    d.CustomBtnClick();
    QCOMPARE(dialogs.lastInitialColour, quint32(0x302010));
    QCOMPARE(d.NewEdit->text(), QString());
    dialogs.colourAnswers.enqueue(quint32(0x00A0B0C0)); // $00BBGGRR
    d.CustomBtnClick();
    QCOMPARE(d.NewEdit->text(), QStringLiteral("#C0B0A0"));
}

void tst_WordDialogs::colourEditorMode()
{
    TChColFrm d(TChColFrm::Mode::Editor, QStringLiteral("#008000"), dialogs);
    QCOMPARE(d.mode(), TChColFrm::Mode::Editor);
    QCOMPARE(d.CurEdit->text(), QStringLiteral("#008000"));
    QCOMPARE(d.ColorListBox->currentItem()->text(), QStringLiteral("Green"));
    d.ColorListClick(9); // Red
    d.OKBtnClick();
    QCOMPARE(d.result(), std::optional<QString>(QStringLiteral("#FF0000")));
}

QTEST_MAIN(tst_WordDialogs)
#include "tst_worddialogs.moc"
