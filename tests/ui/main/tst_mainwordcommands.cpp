// The word commands through the main window: every confirmed command changes the list
// and the file alike; a cancelled one changes neither.
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <functional>
#include <memory>

#include "inputcontroller.h"
#include "mainfrmfixture.h"
#include "tcandfrm.h"
#include "ttriggerkeyboard.h"
#include "wordbookcontroller.h"
#include "wordbooklistmodel.h"
#include "wordcommandcontroller.h"
#include "worddialogs.h"
#include "wordlistmodel.h"

namespace {

// Runs fill on the dialog of type D as soon as the command has opened it.
template <typename D>
std::shared_ptr<bool> driveDialog(QObject *context, std::function<void(D *)> fill)
{
    auto ran = std::make_shared<bool>(false);
    QTimer::singleShot(0, context, [ran, fill] {
        if (auto *d = qobject_cast<D *>(QApplication::activeModalWidget())) {
            *ran = true;
            fill(d);
        }
    });
    return ran;
}

QByteArray fileBytes(const QString &path)
{
    QByteArray bytes;
    ReadFileBytes(path, &bytes);
    return bytes;
}

QString line(const QString &foreign, const QString &japanese, const QString &colour = {})
{
    return QStringLiteral("\"%1\",\"\",\"\",\"%2\",\"\",\"\",\"%3\"")
        .arg(foreign, japanese, colour);
}

} // namespace

class tst_MainWordCommands : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void popupMenuHoldsTheCommands();
    void registerTrimsAndSaves();
    void registerInsertWithOne();
    void registerIntoEmptyBook();
    void registerKeepsPadWithoutClearFlag();
    void registerKeepsPadLineBreaks();
    void registerEmptyWordWarns();
    void f4OpensRegistration();
    void editReplacesFieldsKeepsColour();
    void move_data();
    void move();
    void moveListForWordThreeOfFour();
    void deleteOnlyWordLeavesHeader();
    void deleteUpdatesSelectionCommands();
    void jumpSelectsWord();
    void colourBlackStoresEmpty();
    void colourRedStoresCode();
    void cancelChangesNothing();
    void failedSaveIsReportedAndListKeepsFile();
    void failedSaveOfDeleteAndColourKeepsRows();
    void dialogsRememberTheirBounds();
    void triggersLandInTheDialogFields();
    void shiftInForeignWordFieldSwitchesKeyboardCase();

private:
    std::unique_ptr<TMainFrm> openBook(const QStringList &words);
    QStringList fileLines() const;
    QStringList listWords(TMainFrm &w) const;
    std::unique_ptr<MainFrmFixture> f;
    QString bookPath;
};

void tst_MainWordCommands::init()
{
    f = std::make_unique<MainFrmFixture>();
}

void tst_MainWordCommands::cleanup()
{
    f.reset();
}

std::unique_ptr<TMainFrm> tst_MainWordCommands::openBook(const QStringList &words)
{
    bookPath = f->folders.documentsFolder("bookA") + QStringLiteral("/w.utx");
    QStringList lines{QStringLiteral("Words"), QStringLiteral("テスト"), QString()};
    lines += words;
    WriteUnicodeFile(bookPath, lines);
    auto w = f->create();
    w->resize(1000, 700);
    w->show();
    if (!w->wordBooks()->OpenListedBook(QStringLiteral("w.utx")))
        return nullptr;
    return w;
}

QStringList tst_MainWordCommands::fileLines() const
{
    return ReadTextFile(bookPath, TextFileKind::Unicode).lines;
}

QStringList tst_MainWordCommands::listWords(TMainFrm &w) const
{
    QStringList out;
    for (const WordEntry &word : w.wordBooks()->wordListModel()->words())
        out.append(word.foreignWord);
    return out;
}

void tst_MainWordCommands::popupMenuHoldsTheCommands()
{
    auto w = f->create();
    const QList<QAction *> actions = w->PopupMenu1->actions();
    QCOMPARE(actions.size(), 7);
    QCOMPARE(actions[0], w->RegWord);
    QCOMPARE(actions[1], w->ModWord);
    QCOMPARE(actions[2], w->MoveWord);
    QCOMPARE(actions[3], w->JumpWord);
    QCOMPARE(actions[4], w->DeleteWord);
    QVERIFY(actions[5]->isSeparator());
    QCOMPARE(actions[6], w->ChangeColor);
    QVERIFY(w->WordCommands);
}

void tst_MainWordCommands::registerTrimsAndSaves()
{
    auto w = openBook({line("apple", "りんご"), line("bread", "パン")});
    QVERIFY(w);
    w->setPadText(QStringLiteral("  crème  "));
    w->Edit1->setText(QStringLiteral(" krɛm "));
    auto ran = driveDialog<TRegFrm>(this, [](TRegFrm *d) {
        QCOMPARE(d->fields[0]->text(), QStringLiteral("  crème  "));
        d->fields[3]->setText(QStringLiteral(" クリーム "));
        d->fields[4]->setText(QStringLiteral("\u3000女性名詞\u3000"));
        d->AddBtn->click();
    });
    w->RegWord->trigger();
    QVERIFY(*ran);
    QCOMPARE(listWords(*w), (QStringList{"apple", "bread", "crème"}));
    QCOMPARE(w->wordBooks()->wordListModel()->index(2, NumberColumn).data().toString(), "3");
    QCOMPARE(w->wordBooks()->wordListModel()->words().last(), (WordEntry{"crème", "krɛm", "", "クリーム", "女性名詞", "", ""}));
    QCOMPARE(fileLines().size(), 6);
    QCOMPARE(fileLines().last(),
             QStringLiteral("\"crème\",\"krɛm\",\"\",\"クリーム\",\"女性名詞\",\"\",\"\""));
    QCOMPARE(w->WordCommands->selectedRow(), 2);
    QVERIFY(w->ModWord->isEnabled());
    const QList<WordBookSummary> books = w->wordBooks()->bookListModel()->rows();
    QCOMPARE(books[FindWordBookRow(books, "w.utx")].count, 3);
    // RegClearFlg = 1 (start value) empties the pad and the phonetic line.
    QVERIFY(w->padText().isEmpty());
    QVERIFY(w->Edit1->text().isEmpty());
}

void tst_MainWordCommands::registerInsertWithOne()
{
    auto w = openBook({line("b", "二"), line("c", "三")});
    QVERIFY(w);
    auto ran = driveDialog<TRegFrm>(this, [](TRegFrm *d) {
        QCOMPARE(d->ComboBox1->currentText(), QStringLiteral("1"));
        d->fields[0]->setText(QStringLiteral("a"));
        d->InsBtn->click();
    });
    w->RegWord->trigger();
    QVERIFY(*ran);
    QCOMPARE(listWords(*w), (QStringList{"a", "b", "c"}));
    QCOMPARE(fileLines().mid(3), (QStringList{line("a", ""), line("b", "二"), line("c", "三")}));
    QCOMPARE(w->WordCommands->selectedRow(), 0);
}

void tst_MainWordCommands::registerIntoEmptyBook()
{
    auto w = openBook({});
    QVERIFY(w);
    auto ran = driveDialog<TRegFrm>(this, [](TRegFrm *d) {
        QVERIFY(!d->ComboBox1->isEnabled());
        QVERIFY(!d->InsBtn->isEnabled());
        d->fields[0]->setText(QStringLiteral("first"));
        d->AddBtn->click();
    });
    w->RegWord->trigger();
    QVERIFY(*ran);
    QCOMPARE(listWords(*w), QStringList{"first"});
    QCOMPARE(fileLines(), (QStringList{"Words", "テスト", "", line("first", "")}));
}

void tst_MainWordCommands::registerKeepsPadWithoutClearFlag()
{
    auto w = openBook({});
    QVERIFY(w);
    w->settings().RegClearFlg = false;
    w->setPadText(QStringLiteral("über"));
    w->Edit1->setText(QStringLiteral("ˈyːbɐ"));
    auto ran = driveDialog<TRegFrm>(this, [](TRegFrm *d) { d->AddBtn->click(); });
    w->RegWord->trigger();
    QVERIFY(*ran);
    QCOMPARE(fileLines().last(), QStringLiteral("\"über\",\"ˈyːbɐ\",\"\",\"\",\"\",\"\",\"\""));
    QCOMPARE(w->padText(), QStringLiteral("über"));
    QCOMPARE(w->Edit1->text(), QStringLiteral("ˈyːbɐ"));
}

void tst_MainWordCommands::registerKeepsPadLineBreaks()
{
    auto w = openBook({});
    QVERIFY(w);
    w->setPadText(QStringLiteral("a\u00A0b\nc"));
    auto ran = driveDialog<TRegFrm>(this, [](TRegFrm *d) { d->AddBtn->click(); });
    w->RegWord->trigger();
    QVERIFY(*ran);
    QCOMPARE(fileLines().last(), QStringLiteral("\"a\u00A0b#$0Dc\",\"\",\"\",\"\",\"\",\"\",\"\""));
    QCOMPARE(w->wordBooks()->wordListModel()->words()[0].foreignWord,
             QStringLiteral("a\u00A0b\r\nc"));
    // Reopened, the book shows the same word.
    QVERIFY(w->wordBooks()->LoadBook(QStringLiteral("w.utx")));
    QCOMPARE(w->wordBooks()->wordListModel()->words()[0].foreignWord,
             QStringLiteral("a\u00A0b\r\nc"));
}

void tst_MainWordCommands::registerEmptyWordWarns()
{
    auto w = openBook({line("a", "")});
    QVERIFY(w);
    const QByteArray before = fileBytes(bookPath);
    auto ran = driveDialog<TRegFrm>(this, [](TRegFrm *d) {
        d->fields[0]->setText(QStringLiteral("   "));
        d->fields[3]->setText(QStringLiteral("意味"));
        d->AddBtn->click();
        QVERIFY(d->isVisible());
        d->reject();
    });
    w->RegWord->trigger();
    QVERIFY(*ran);
    QCOMPARE(f->dialogs.texts(), QStringList{"単語が空欄だと登録できません。"});
    QCOMPARE(fileBytes(bookPath), before);
    QCOMPARE(listWords(*w), QStringList{"a"});
}

void tst_MainWordCommands::f4OpensRegistration()
{
    auto w = openBook({});
    QVERIFY(w);
    QVERIFY(QTest::qWaitForWindowActive(w.get()));
    auto ran = driveDialog<TRegFrm>(this, [](TRegFrm *d) { d->reject(); });
    QTest::keyClick(w->Memo1, Qt::Key_F4);
    QVERIFY(*ran);
}

void tst_MainWordCommands::editReplacesFieldsKeepsColour()
{
    auto w = openBook({line("a", "一"), line("bee", "蜂", "#0000FF"), line("c", "三")});
    QVERIFY(w);
    w->ListView1->selectRow(1);
    auto ran = driveDialog<TModFrm>(this, [](TModFrm *d) {
        QCOMPARE(d->fields[0]->text(), QStringLiteral("bee"));
        d->fields[0]->setText(QStringLiteral(" b "));
        d->fields[1]->setText(QStringLiteral("biː"));
        d->ModBtn->click();
    });
    w->ModWord->trigger();
    QVERIFY(*ran);
    QCOMPARE(fileLines()[4], QStringLiteral("\"b\",\"biː\",\"\",\"蜂\",\"\",\"\",\"#0000FF\""));
    QCOMPARE(w->wordBooks()->wordListModel()->words()[1].foreignWord, QStringLiteral("b"));
    QCOMPARE(w->WordCommands->selectedRow(), 1);
}

void tst_MainWordCommands::move_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("target");
    QTest::addColumn<QStringList>("after");
    QTest::newRow("2 to 5") << 1 << "5" << QStringList{"1", "3", "4", "2", "5"};
    QTest::newRow("5 to 1") << 4 << "1" << QStringList{"5", "1", "2", "3", "4"};
}

void tst_MainWordCommands::move()
{
    QFETCH(int, row);
    QFETCH(QString, target);
    QFETCH(QStringList, after);
    auto w = openBook({line("1", ""), line("2", ""), line("3", ""), line("4", ""), line("5", "")});
    QVERIFY(w);
    w->ListView1->selectRow(row);
    auto ran = driveDialog<TMoveFrm>(this, [target](TMoveFrm *d) {
        d->ComboBox1->setCurrentIndex(d->ComboBox1->findText(target));
        d->OKBtn->click();
    });
    w->MoveWord->trigger();
    QVERIFY(*ran);
    QCOMPARE(listWords(*w), after);
    QStringList stored;
    for (const QString &l : fileLines().mid(3))
        stored.append(l.mid(1, 1));
    QCOMPARE(stored, after);
    const int moved = int(after.indexOf(QString::number(row + 1)));
    QCOMPARE(w->WordCommands->selectedRow(), moved);
}

void tst_MainWordCommands::moveListForWordThreeOfFour()
{
    auto w = openBook({line("1", ""), line("2", ""), line("3", ""), line("4", "")});
    QVERIFY(w);
    w->ListView1->selectRow(2);
    QStringList items;
    auto ran = driveDialog<TMoveFrm>(this, [&items](TMoveFrm *d) {
        for (int i = 0; i < d->ComboBox1->count(); ++i)
            items.append(d->ComboBox1->itemText(i));
        d->reject();
    });
    w->MoveWord->trigger();
    QVERIFY(*ran);
    QCOMPARE(items, (QStringList{"1", "2", "4"}));
}

void tst_MainWordCommands::deleteOnlyWordLeavesHeader()
{
    auto w = openBook({line("only", "唯一")});
    QVERIFY(w);
    w->ListView1->selectRow(0);
    auto ran = driveDialog<TDelFrm>(this, [](TDelFrm *d) {
        QCOMPARE(d->Edit2->text(), QStringLiteral("only"));
        d->OKBtn->click();
    });
    w->DeleteWord->trigger();
    QVERIFY(*ran);
    QCOMPARE(w->wordBooks()->wordListModel()->rowCount(), 0);
    QCOMPARE(fileLines(), (QStringList{"Words", "テスト", ""}));
    // UTF-16 LE with its mark, three lines with CR LF.
    QCOMPARE(fileBytes(bookPath).size(), 2 + (5 + 2 + 3 + 2 + 0 + 2) * 2);
    const QList<WordBookSummary> books = w->wordBooks()->bookListModel()->rows();
    QCOMPARE(books[FindWordBookRow(books, "w.utx")].count, 0);
}

void tst_MainWordCommands::deleteUpdatesSelectionCommands()
{
    auto w = openBook({line("a", ""), line("b", "")});
    QVERIFY(w);
    w->ListView1->selectRow(0);
    QVERIFY(w->DeleteWord->isEnabled());
    auto ran = driveDialog<TDelFrm>(this, [](TDelFrm *d) { d->OKBtn->click(); });
    w->DeleteWord->trigger();
    QVERIFY(*ran);
    QCOMPARE(listWords(*w), QStringList{"b"});
    QCOMPARE(fileLines().mid(3), QStringList{line("b", "")});
    QCOMPARE(w->wordBooks()->wordListModel()->index(0, NumberColumn).data().toString(), "1");
    for (QAction *a : {w->ModWord, w->MoveWord, w->DeleteWord, w->ChangeColor})
        QVERIFY(!a->isEnabled());
}

void tst_MainWordCommands::jumpSelectsWord()
{
    auto w = openBook({line("a", ""), line("b", ""), line("c", "")});
    QVERIFY(w);
    QVERIFY(!w->ModWord->isEnabled());
    auto ran = driveDialog<TJumpFrm>(this, [](TJumpFrm *d) {
        d->ComboBox1->setCurrentIndex(2);
        d->OKBtn->click();
    });
    w->JumpWord->trigger();
    QVERIFY(*ran);
    QCOMPARE(w->WordCommands->selectedRow(), 2);
    QVERIFY(w->ModWord->isEnabled());
    QVERIFY(w->ChangeColor->isEnabled());
}

void tst_MainWordCommands::colourBlackStoresEmpty()
{
    auto w = openBook({line("a", "", "#FF0000")});
    QVERIFY(w);
    w->ListView1->selectRow(0);
    auto ran = driveDialog<TChColFrm>(this, [](TChColFrm *d) {
        QCOMPARE(d->CurEdit->text(), QStringLiteral("#FF0000"));
        d->ColorListClick(0); // Black
        d->OKBtn->click();
    });
    w->ChangeColor->trigger();
    QVERIFY(*ran);
    QCOMPARE(w->wordBooks()->wordListModel()->words()[0].textColour, QString());
    QCOMPARE(fileLines()[3], line("a", ""));
}

void tst_MainWordCommands::colourRedStoresCode()
{
    auto w = openBook({line("a", ""), line("b", "")});
    QVERIFY(w);
    w->ListView1->selectRow(1);
    auto ran = driveDialog<TChColFrm>(this, [](TChColFrm *d) {
        d->NewEdit->setText(QStringLiteral("#FF0000"));
        d->OKBtn->click();
    });
    w->ChangeColor->trigger();
    QVERIFY(*ran);
    QCOMPARE(fileLines()[4], line("b", "", "#FF0000"));
    const QModelIndex cell = w->wordBooks()->wordListModel()->index(1, 0);
    QCOMPARE(cell.data(WordListModel::TextColourRole).toString(), QStringLiteral("#FF0000"));
    QCOMPARE(w->WordCommands->selectedRow(), 1);
}

void tst_MainWordCommands::cancelChangesNothing()
{
    auto w = openBook({line("a", "一"), line("b", "二")});
    QVERIFY(w);
    const QByteArray before = fileBytes(bookPath);
    const QList<WordEntry> rows = w->wordBooks()->wordListModel()->words();
    w->ListView1->selectRow(1);
    driveDialog<TRegFrm>(this, [](TRegFrm *d) {
        d->fields[0]->setText("x");
        d->CancelBtn->click();
    });
    w->RegWord->trigger();
    driveDialog<TModFrm>(this, [](TModFrm *d) {
        d->fields[0]->setText("x");
        d->CancelBtn->click();
    });
    w->ModWord->trigger();
    driveDialog<TMoveFrm>(this, [](TMoveFrm *d) {
        d->ComboBox1->setCurrentIndex(0);
        d->CancelBtn->click();
    });
    w->MoveWord->trigger();
    driveDialog<TDelFrm>(this, [](TDelFrm *d) { d->CancelBtn->click(); });
    w->DeleteWord->trigger();
    driveDialog<TChColFrm>(this, [](TChColFrm *d) {
        d->ColorListClick(9);
        d->CancelBtn->click();
    });
    w->ChangeColor->trigger();
    QCOMPARE(fileBytes(bookPath), before);
    QCOMPARE(w->wordBooks()->wordListModel()->words(), rows);
    QVERIFY(f->dialogs.shown.isEmpty());
}

void tst_MainWordCommands::failedSaveIsReportedAndListKeepsFile()
{
    auto w = openBook({line("a", "")});
    QVERIFY(w);
    // A folder where the file was: the save cannot replace it.
    QVERIFY(QFile::remove(bookPath));
    QVERIFY(QDir().mkpath(bookPath));
    bool stillOpen = false;
    auto ran = driveDialog<TRegFrm>(this, [&stillOpen](TRegFrm *d) {
        d->fields[0]->setText(QStringLiteral("lost?"));
        d->AddBtn->click();
        stillOpen = d->isVisible() && d->fields[0]->text() == QStringLiteral("lost?");
        d->reject();
    });
    w->setPadText(QStringLiteral("keep me"));
    w->RegWord->trigger();
    QVERIFY(*ran);
    QVERIFY(stillOpen);
    QCOMPARE(f->dialogs.shown.size(), 1);
    QCOMPARE(f->dialogs.shown[0].kind, FakeDialogs::Kind::Warning);
    QVERIFY2(f->dialogs.shown[0].text.contains(QStringLiteral("w.utx")),
             qPrintable(f->dialogs.shown[0].text));
    QCOMPARE(listWords(*w), QStringList{"a"});
    QCOMPARE(w->padText(), QStringLiteral("keep me"));
    const QList<WordBookSummary> books = w->wordBooks()->bookListModel()->rows();
    QCOMPARE(books[FindWordBookRow(books, "w.utx")].count, 1);
}

void tst_MainWordCommands::failedSaveOfDeleteAndColourKeepsRows()
{
    auto w = openBook({line("a", ""), line("b", "")});
    QVERIFY(w);
    const QList<WordEntry> rows = w->wordBooks()->wordListModel()->words();
    QVERIFY(QFile::remove(bookPath));
    QVERIFY(QDir().mkpath(bookPath));
    w->ListView1->selectRow(0);
    bool closed = false;
    driveDialog<TDelFrm>(this, [&closed](TDelFrm *d) {
        d->OKBtn->click();
        closed = !d->isVisible();
    });
    w->DeleteWord->trigger();
    QVERIFY(closed);
    QCOMPARE(w->wordBooks()->wordListModel()->words(), rows);
    QCOMPARE(w->WordCommands->selectedRow(), 0);
    driveDialog<TChColFrm>(this, [](TChColFrm *d) {
        d->ColorListClick(9);
        d->OKBtn->click();
    });
    w->ChangeColor->trigger();
    QCOMPARE(w->wordBooks()->wordListModel()->words(), rows);
    QCOMPARE(f->dialogs.shown.size(), 2);
    for (const FakeDialogs::Shown &shown : f->dialogs.shown) {
        QCOMPARE(shown.kind, FakeDialogs::Kind::Warning);
        QVERIFY(shown.text.contains(QStringLiteral("w.utx")));
    }
}

void tst_MainWordCommands::dialogsRememberTheirBounds()
{
    auto w = openBook({line("a", "")});
    QVERIFY(w);
    driveDialog<TRegFrm>(this, [](TRegFrm *d) {
        d->resize(700, 422);
        d->reject();
    });
    w->RegWord->trigger();
    QCOMPARE(w->windowPlaces()[1].width(), 700);
    QCOMPARE(w->windowPlaces()[1].bottom - w->windowPlaces()[1].top, 422);
    QVERIFY(!w->windowPlaces()[2].isSet());
    QSize seen;
    driveDialog<TRegFrm>(this, [&seen](TRegFrm *d) {
        seen = d->size();
        d->reject();
    });
    w->RegWord->trigger();
    QCOMPARE(seen, QSize(700, 422));
}

void tst_MainWordCommands::triggersLandInTheDialogFields()
{
    const auto cand = [](const QString &trigger, const QStringList &codes) {
        QStringList fields{u'"' + trigger + u'"'};
        for (int n = 0; n < 9; ++n)
            fields.append(u'"' + codes.value(n) + u'"');
        return fields.join(u',');
    };
    const QString tables = f->folders.UserTableFolder;
    QDir().mkpath(tables);
    WriteAnsiFile(tables + QStringLiteral("/CandVelmor.csv"), {cand("[", {"00E9", "00E1"})});
    WriteAnsiFile(tables + QStringLiteral("/CandAll.csv"), {cand("A", {"0251", "00E6"})});
    auto w = openBook({});
    QVERIFY(w);
    w->settings().RegCopyFlg = false;
    w->Edit1->setText(QStringLiteral("main"));
    // Each candidate window picks its second candidate.
    w->Input->setWindowShownHook([](TCandidateWindow &window) {
        QTimer::singleShot(0, &window, [&window] {
            QKeyEvent two(QEvent::KeyPress, Qt::Key_2, Qt::NoModifier, QStringLiteral("2"));
            QApplication::sendEvent(&window, &two);
        });
        QTimer::singleShot(3000, &window, &QDialog::reject);
    });
    QString foreign, phonetic;
    auto ran = driveDialog<TRegFrm>(this, [&](TRegFrm *d) {
        d->fields[1]->setFocus();
        QTest::keyClick(d->fields[1], 'A', Qt::ShiftModifier);
        d->fields[0]->setFocus();
        QTest::keyClick(d->fields[0], 'n');
        QTest::keyClick(d->fields[0], '[');
        foreign = d->fields[0]->text();
        phonetic = d->fields[1]->text();
        d->reject();
    });
    w->RegWord->trigger();
    QVERIFY(*ran);
    QCOMPARE(phonetic, QStringLiteral("æ"));
    QCOMPARE(foreign, QStringLiteral("ná"));
    QCOMPARE(w->Edit1->text(), QStringLiteral("main"));
    QVERIFY(w->padText().isEmpty());
}

void tst_MainWordCommands::shiftInForeignWordFieldSwitchesKeyboardCase()
{
    auto w = openBook({line("a", "")});
    QVERIFY(w);
    TTriggerKeyboard *keyboard = w->Input->triggerKeyboard();
    // Whatever page the main window shows.
    w->PageControl2->setCurrentWidget(w->AccentPage);
    keyboard->SetKeyboardCase(KeyboardCase::Lower);
    QList<KeyboardCase> seen;
    w->ListView1->selectRow(0);
    auto ran = driveDialog<TModFrm>(this, [&](TModFrm *d) {
        QTest::keyPress(d->fields[0], Qt::Key_Shift);
        seen.append(keyboard->keyboardCase());
        QTest::keyRelease(d->fields[0], Qt::Key_Shift);
        seen.append(keyboard->keyboardCase());
        // The phonetic field does not track Shift.
        QTest::keyPress(d->fields[1], Qt::Key_Shift);
        seen.append(keyboard->keyboardCase());
        d->reject();
    });
    w->ModWord->trigger();
    QVERIFY(*ran);
    QCOMPARE(seen,
             (QList<KeyboardCase>{KeyboardCase::Upper, KeyboardCase::Lower, KeyboardCase::Lower}));
}

QTEST_MAIN(tst_MainWordCommands)
#include "tst_mainwordcommands.moc"
