// The dialogs that create, change and delete word books, the group selector and
// editor, and the player window.
#include "fakedialogs.h"
#include "folders.h"
#include "groupnames.h"
#include "groupselector.h"
#include "settings.h"
#include "testhome.h"
#include "textfile.h"
#include "twmplayerfrm.h"
#include "wordbookdialogs.h"
#include "wordbooklibrary.h"

#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

class tst_WordBookDialogs : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void createNeedsTitle();
    void createWritesEmptyBook();
    void createCancelledStaysOpen();
    void createAsksBeforeReplacing();
    void propertiesNeedTitle();
    void propertiesApply();
    void deleteMissingStaysOpen();
    void deleteRemovesFile();
    void selectorWithoutFile();
    void selectorEnterNewName();
    void selectorEnterExistingName();
    void selectorEnterInDialog_data();
    void selectorEnterInDialog();
    void groupEditorLimits();
    void groupEditorButtons();
    void playerWindow();
    void playerFromModalDialog();

private:
    std::unique_ptr<TestHome> m_home;
    AppFolders m_folders;
    Settings m_settings;
    FakeDialogs m_dialogs;
};

void tst_WordBookDialogs::init()
{
    m_home = std::make_unique<TestHome>();
    m_folders = AppFolders();
    m_folders.SysFolder = m_home->path("sys");
    m_folders.WordBookFolder = m_home->path("books");
    QDir().mkpath(m_folders.SysFolder);
    QDir().mkpath(m_folders.WordBookFolder);
    m_settings = Settings();
    m_dialogs = FakeDialogs();
}

void tst_WordBookDialogs::createNeedsTitle()
{
    TNewWBFrm dialog(m_folders, m_settings, m_dialogs);
    QCOMPARE(dialog.windowTitle(), QString("単語帳の新規作成"));
    QCOMPARE(dialog.size(), QSize(640, 420));
    QVERIFY(!dialog.OKBtn->isEnabled());
    dialog.Edit1->setText("   ");
    QVERIFY(!dialog.OKBtn->isEnabled());
    dialog.Edit1->setText(" Verbs ");
    QVERIFY(dialog.OKBtn->isEnabled());
    QCOMPARE(dialog.OKBtn->text(), QString("作成(F4)"));
}

void tst_WordBookDialogs::createWritesEmptyBook()
{
    TNewWBFrm dialog(m_folders, m_settings, m_dialogs);
    dialog.Edit1->setText(" Verbs ");
    dialog.ComboBox1->setEditText("動詞 ");
    dialog.Edit2->setText(" /tmp/voices ");
    const QString path = m_folders.WordBookFolder + "/Verbs"; // no extension typed
    m_dialogs.fileAnswers.enqueue(path);
    dialog.OKBtnClick();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.createdPath(), path + ".utx");
    QByteArray bytes;
    QVERIFY(ReadFileBytes(path + ".utx", &bytes));
    QCOMPARE(bytes, EncodeUnicodeLines({"Verbs", "動詞 ", "/tmp/voices"}));
    QCOMPARE(m_settings.LastGroup, QString("動詞 "));
}

void tst_WordBookDialogs::createCancelledStaysOpen()
{
    TNewWBFrm dialog(m_folders, m_settings, m_dialogs);
    dialog.Edit1->setText("Verbs");
    dialog.OKBtnClick(); // the save dialog is cancelled
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QVERIFY(dialog.createdPath().isEmpty());
    QVERIFY(QDir(m_folders.WordBookFolder).isEmpty());
}

void tst_WordBookDialogs::createAsksBeforeReplacing()
{
    const QString path = m_folders.WordBookFolder + "/Verbs.utx";
    QVERIFY(WriteUnicodeFile(path, {"Verbs", "g", "", "\"go\",\"\",\"\",\"行く\",\"\",\"\",\"\""}).ok);
    QByteArray before;
    ReadFileBytes(path, &before);
    {
        TNewWBFrm dialog(m_folders, m_settings, m_dialogs);
        dialog.Edit1->setText("Verbs");
        m_dialogs.fileAnswers.enqueue(path);
        m_dialogs.confirmAnswers.enqueue(false);
        dialog.OKBtnClick();
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(m_dialogs.shown.last().kind, FakeDialogs::Kind::Confirm);
        QByteArray after;
        ReadFileBytes(path, &after);
        QCOMPARE(after, before); // the words are still there
    }
    TNewWBFrm dialog(m_folders, m_settings, m_dialogs);
    dialog.Edit1->setText("Verbs");
    m_dialogs.fileAnswers.enqueue(path);
    m_dialogs.confirmAnswers.enqueue(true);
    dialog.OKBtnClick();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(ReadTextFile(path, TextFileKind::Unicode).lines.size(), 3);
}

void tst_WordBookDialogs::propertiesNeedTitle()
{
    WordBook book;
    book.title = "Old";
    book.fileName = "old.utx";
    TChPropFrm dialog(book, m_folders, m_settings, m_dialogs);
    QCOMPARE(dialog.Edit1->text(), QString("Old"));
    dialog.Edit1->setText("  ");
    dialog.OKBtnClick();
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QCOMPARE(m_dialogs.texts(),
             QStringList{"単語帳には必ずタイトルが必要です。タイトルは入力して下さい。"});
    QCOMPARE(m_dialogs.shown[0].kind, FakeDialogs::Kind::Warning);
}

void tst_WordBookDialogs::propertiesApply()
{
    QVERIFY(WriteGroupFile(m_folders.SysFolder, {"旅行", "仕事"}).ok);
    WordBook book;
    book.title = "Old";
    book.group = "どこにもない";
    book.fileName = "old.utx";
    book.words = {{"go", "", "", "行く", "", "", ""}};
    TChPropFrm dialog(book, m_folders, m_settings, m_dialogs);
    // A group not in the list is shown as it is, and stays out of the list.
    QCOMPARE(dialog.ComboBox1->currentText(), QString("どこにもない"));
    QCOMPARE(dialog.ComboBox1->count(), 2);
    dialog.Edit1->setText(" New ");
    dialog.Edit2->setText(" v ");
    dialog.OKBtnClick();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.book().title, QString("New"));
    QCOMPARE(dialog.book().group, QString("どこにもない"));
    QCOMPARE(dialog.book().voiceFolder, QString("v"));
    QCOMPARE(dialog.book().words, book.words);
}

void tst_WordBookDialogs::deleteMissingStaysOpen()
{
    WordBook book;
    book.title = "Gone";
    book.fileName = "gone.utx";
    TDelWBFrm dialog(book, m_folders.WordBookFolder, m_dialogs);
    QCOMPARE(dialog.TitleEdit->text(), QString("Gone"));
    QVERIFY(dialog.TitleEdit->isReadOnly());
    dialog.DeleteBtnClick();
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QVERIFY(m_dialogs.shown.isEmpty());
}

void tst_WordBookDialogs::deleteRemovesFile()
{
    const QString path = m_folders.WordBookFolder + "/here.utx";
    QVERIFY(WriteUnicodeFile(path, {"Here", "", ""}).ok);
    WordBook book;
    book.title = "Here";
    book.fileName = "here.utx";
    TDelWBFrm dialog(book, m_folders.WordBookFolder, m_dialogs);
    dialog.DeleteBtnClick();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(!QFileInfo::exists(path));
}

void tst_WordBookDialogs::selectorWithoutFile()
{
    GroupSelector selector(m_folders.SysFolder, &m_dialogs);
    selector.fill(QString());
    QCOMPARE(selector.count(), 2);
    QCOMPARE(selector.currentText(), QString("あいさつ"));
    QCOMPARE(selector.maxVisibleItems(), 20);
    QVERIFY(!QFileInfo::exists(GroupFilePath(m_folders.SysFolder)));
}

void tst_WordBookDialogs::selectorEnterNewName()
{
    GroupSelector selector(m_folders.SysFolder, &m_dialogs);
    selector.fill(QString());
    QString last;
    connect(&selector, &GroupSelector::lastGroupChanged, this, [&](const QString &t) { last = t; });
    selector.setEditText("Travel");
    QTest::keyClick(selector.lineEdit(), Qt::Key_Return);
    QCOMPARE(ReadTextFile(GroupFilePath(m_folders.SysFolder), TextFileKind::Ansi).lines,
             (QStringList{"Travel", "あいさつ", "その他"}));
    QCOMPARE(selector.currentText(), QString("Travel"));
    QCOMPARE(selector.currentIndex(), 0);
    QCOMPARE(last, QString("Travel"));
}

void tst_WordBookDialogs::selectorEnterExistingName()
{
    QVERIFY(WriteGroupFile(m_folders.SysFolder, {"a", "b"}).ok);
    QByteArray before;
    ReadFileBytes(GroupFilePath(m_folders.SysFolder), &before);
    QTest::qWait(20);
    GroupSelector selector(m_folders.SysFolder, &m_dialogs);
    selector.fill("a");
    selector.setEditText(" b ");
    selector.enterPressed();
    QCOMPARE(selector.currentIndex(), 1);
    QByteArray after;
    ReadFileBytes(GroupFilePath(m_folders.SysFolder), &after);
    QCOMPARE(after, before);
}

void tst_WordBookDialogs::selectorEnterInDialog_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::newRow("Return") << int(Qt::Key_Return) << Qt::KeyboardModifiers();
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << Qt::KeyboardModifiers(Qt::KeypadModifier);
}

void tst_WordBookDialogs::selectorEnterInDialog()
{
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    // Typed as a user does: the keys go to the focused selector, not to its line edit.
    TNewWBFrm dialog(m_folders, m_settings, m_dialogs);
    dialog.Edit1->setText("Book");
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    dialog.ComboBox1->setFocus();
    dialog.ComboBox1->setEditText(QString());
    QTest::keyClicks(dialog.ComboBox1, "Reise");
    QTest::keyClick(dialog.ComboBox1, Qt::Key(key), modifiers);
    QCOMPARE(ReadTextFile(GroupFilePath(m_folders.SysFolder), TextFileKind::Ansi).lines,
             (QStringList{"Reise", "あいさつ", "その他"}));
    QCOMPARE(dialog.ComboBox1->currentIndex(), 0);
    QCOMPARE(dialog.ComboBox1->currentText(), QString("Reise"));
    QCOMPARE(m_settings.LastGroup, QString("Reise"));
    QVERIFY(dialog.isVisible()); // neither confirmed nor closed
    QVERIFY(m_dialogs.shown.isEmpty());
}

void tst_WordBookDialogs::groupEditorLimits()
{
    QStringList names;
    for (int i = 1; i <= 31; ++i)
        names.append(QString("g%1").arg(i));
    QVERIFY(WriteGroupFile(m_folders.SysFolder, names).ok);
    TGroupFrm editor(m_folders.SysFolder, &m_dialogs);
    QCOMPARE(editor.CountLabel->text(), QString("個数： 31個"));
    editor.OKBtnClick();
    QCOMPARE(m_dialogs.texts().last(),
             QString("グループが最大値の30を超えました。どれかを削除し30以下にして下さい。"));
    QCOMPARE(editor.result(), int(QDialog::Rejected));
    editor.ListBox1->setCurrentRow(30);
    editor.DeleteBtnClick();
    editor.OKBtnClick();
    QCOMPARE(editor.result(), int(QDialog::Accepted));
    QCOMPARE(m_dialogs.texts().last(), QString("グループ名ファイルを保存しました。"));
    QCOMPARE(ReadGroupFile(m_folders.SysFolder).names, names.mid(0, 30));
}

void tst_WordBookDialogs::groupEditorButtons()
{
    TGroupFrm editor(m_folders.SysFolder, &m_dialogs);
    QCOMPARE(editor.ListBox1->count(), 0); // no file: the editor starts empty
    QCOMPARE(editor.CountLabel->text(), QString("個数： 0個"));
    editor.OKBtnClick();
    QCOMPARE(m_dialogs.texts().last(),
             QString("グループは少なくとも1つは必要です。個数0の場合このファイルを保存できません。"));
    editor.Edit1->setText(" 名詞 ");
    editor.AddBtnClick();
    editor.ListBox1->setCurrentRow(0);
    editor.ListBox1Click();
    QVERIFY(!editor.DeleteBtn->isEnabled()); // never for the only item
    editor.Edit1->setText("動詞");
    editor.InsertBtnClick();
    QCOMPARE(editor.names(), (QStringList{"動詞", "名詞"}));
    editor.ListBox1->setCurrentRow(1);
    editor.ListBox1Click();
    QVERIFY(editor.UpBtn->isEnabled());
    QVERIFY(!editor.DownBtn->isEnabled());
    editor.UpBtnClick();
    QCOMPARE(editor.names(), (QStringList{"名詞", "動詞"}));
    QCOMPARE(editor.ListBox1->currentRow(), 0);
    QVERIFY(!editor.UpBtn->isEnabled());
}

void tst_WordBookDialogs::playerWindow()
{
    const QString first = m_home->path("hello.wav"), second = m_home->path("bye.wav");
    QVERIFY(WriteFileBytes(first, "RIFF").ok);
    QVERIFY(WriteFileBytes(second, "RIFF").ok);
    QWidget owner;
    WindowRect place;
    VoicePlayback playback(m_settings, place, &owner);
    playback.Play(first);
    QVERIFY(playback.isOpen());
    TWMPlayerFrm *player = playback.window();
    QCOMPARE(player->windowTitle(), QString("\"hello.wav\""));
    QCOMPARE(player->size(), QSize(240, 100));
    QVERIFY(!player->NoPlayCheck->isChecked());
    playback.PlayIfClosed(second); // an open player keeps its file
    QCOMPARE(player->windowTitle(), QString("\"hello.wav\""));
    QCOMPARE(playback.CurrentVoiceFile, second);
    playback.Play(second);
    QCOMPARE(playback.window(), player);
    QCOMPARE(player->windowTitle(), QString("\"bye.wav\""));
    player->move(50, 60);
    player->NoPlayCheck->setChecked(true);
    playback.ClosePlayer();
    QTRY_VERIFY(!playback.isOpen());
    QVERIFY(!m_settings.MediaPlayerFlg);
    QCOMPARE(place.left, 50);
    playback.PlayIfClosed(first);
    QCOMPARE(playback.window()->pos(), QPoint(50, 60));
    QVERIFY(!playback.window()->NoPlayCheck->isChecked());
    playback.ClosePlayer();
    QTRY_VERIFY(!playback.isOpen());
    QVERIFY(m_settings.MediaPlayerFlg);
}

void tst_WordBookDialogs::playerFromModalDialog()
{
    const QString file = m_home->path("hello.wav");
    QVERIFY(WriteFileBytes(file, "RIFF").ok);
    QWidget owner;
    owner.setGeometry(100, 100, 600, 500);
    owner.show();
    WindowRect place;
    VoicePlayback playback(m_settings, place, &owner);
    QDialog dialog(&owner);
    dialog.setGeometry(150, 150, 500, 400);
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    playback.PlayIfClosed(file, &dialog);
    TWMPlayerFrm *player = playback.window();
    QVERIFY(player && player->isVisible());
    QVERIFY(QTest::qWaitForWindowExposed(player));
    QVERIFY(!player->frameGeometry().intersects(dialog.frameGeometry()));
    // Question boxes opened later must come above it.
    QVERIFY(!(player->windowFlags() & Qt::WindowStaysOnTopHint));
    // A click through the window system reaches it while the dialog is modal.
    const QPoint box = player->NoPlayCheck->mapTo(player, QPoint(8, player->NoPlayCheck->height() / 2));
    QTest::mouseClick(player->windowHandle(), Qt::LeftButton, {}, box);
    QTRY_VERIFY(player->NoPlayCheck->isChecked());
    // The player outlives the dialog, where it stood.
    const QPoint at = player->pos();
    dialog.accept();
    QVERIFY(playback.isOpen());
    QCOMPARE(playback.window(), player);
    QCOMPARE(player->parentWidget(), &owner);
    QVERIFY(player->isVisible());
    QCOMPARE(player->pos(), at);
    playback.ClosePlayer();
    QTRY_VERIFY(!playback.isOpen());
}

QTEST_MAIN(tst_WordBookDialogs)
#include "tst_wordbookdialogs.moc"
