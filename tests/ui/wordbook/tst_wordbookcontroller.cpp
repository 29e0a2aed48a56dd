// The word-list tab at work, on widgets of its own.
#include "fakedialogs.h"
#include "fakeplatform.h"
#include "testhome.h"
#include "textfile.h"
#include "twmplayerfrm.h"
#include "wordbookcontroller.h"
#include "wordbooklistmodel.h"
#include "wordlistmodel.h"

#include <QAction>
#include <QCheckBox>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QToolButton>

class tst_WordBookController : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void startsWithBookCommandsOff();
    void scanListsBooks();
    void openingEnablesCommandsAndFolds();
    void foldAnimationEndStates();
    void uncheckedFoldDoesNothing();
    void closeClearsEverything();
    void selectionDrivesWordCommands();
    void directionSwapKeepsFile();
    void sortAsksAndRenumbers();
    void doubleClickCopiesAndPlays();
    void languageChangeSwitchesFolders();
    void dictionaryToggle();
    void folderMenu();
    void deleteOpenBook();
    void propertiesRewriteTitleKeepWords();
    void numberColumnFitsTheLargestNumber();
    void rowFontsFitWhenWordsCome();

private:
    void writeBook(const QString &folder, const QString &file, const QStringList &lines);
    void open(const QString &fileName);
    void runDoor();

    std::unique_ptr<TestHome> m_home;
    AppFolders m_folders;
    Settings m_settings;
    FakeDialogs m_dialogs;
    FakeShell m_shell;
    WindowRect m_playerPlace;
    QStringList m_status;
    std::unique_ptr<QWidget> m_window;
    WordBookWidgets w;
    std::unique_ptr<WordBookController> m_controller;
};

void tst_WordBookController::writeBook(const QString &folder, const QString &file,
                                       const QStringList &lines)
{
    QDir().mkpath(folder);
    QVERIFY(WriteUnicodeFile(folder + "/" + file, lines).ok);
}

void tst_WordBookController::init()
{
    // Titles are ordered as the user's locale orders them.
    QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan));
    m_home = std::make_unique<TestHome>();
    FakeFolderRoots roots;
    roots.programFiles = m_home->path("programs");
    roots.appData = m_home->path("appdata");
    roots.documents = m_home->path("Documents");
    m_folders = ResolveFolders(roots);
    CreateFolders(m_folders, m_dialogs);
    m_settings = Settings();
    m_dialogs = FakeDialogs();
    m_shell = FakeShell();
    m_playerPlace = WindowRect();
    m_status = QStringList{"", ""};

    const QString a = m_folders.WordBookFolder;
    writeBook(a, "b.utx", {"B", "名詞", ""});
    writeBook(a, "small.utx", {"a", "動詞", "", "\"go\",\"ɡəʊ\",\"ゴウ\",\"行く\",\"\",\"go.wav\",\"\"",
                               "\"apple\",\"ˈæpəl\",\"アップル\",\"りんご\",\"\",\"\",\"#FF0000\"",
                               "\"Banana\",\"\",\"\",\"バナナ\",\"\",\"\",\"\""});
    writeBook(a, "c.utx", {"C", "あいさつ", ""});
    writeBook(a, "two-lines.utx", {"X", "Y"});
    QVERIFY(WriteFileBytes(a + "/go.wav", "RIFF").ok);

    m_window = std::make_unique<QWidget>();
    w = WordBookWidgets();
    w.ListView1 = new QTableView(m_window.get());
    w.ListView1->setSelectionBehavior(QAbstractItemView::SelectRows);
    w.ListView1->setSelectionMode(QAbstractItemView::SingleSelection);
    w.ListView2 = new QTableView(m_window.get());
    w.ListView2->setSelectionBehavior(QAbstractItemView::SelectRows);
    w.ListView2->setSelectionMode(QAbstractItemView::SingleSelection);
    w.Panel7 = new QFrame(m_window.get());
    w.Panel7->setFixedWidth(376);
    w.headerLabels = {new QLabel("■単語帳", w.Panel7), new QLabel("メニュー", w.Panel7)};
    w.NewSpBtn = new QToolButton(w.Panel7);
    w.DicSpBtn = new QToolButton(w.Panel7);
    w.ChangeBtn = new QToolButton(w.Panel7);
    w.SpeedButton2 = new QToolButton(w.Panel7);
    w.CheckBox1 = new QCheckBox(w.Panel7);
    w.RadioButton1 = new QRadioButton(w.Panel7);
    w.RadioButton2 = new QRadioButton(w.Panel7);
    w.PopupMenu2 = new QMenu(m_window.get());
    w.DoorTimer = new QTimer(m_window.get());
    w.Memo1 = new QPlainTextEdit(m_window.get());
    w.Edit1 = new QLineEdit(m_window.get());
    QAction **actions[] = {&w.CreateWB, &w.ChangeProp, &w.DeleteWB, &w.CloseWB, &w.EditGroup,
                           &w.WBEditor, &w.RegWord,    &w.JumpWord, &w.ModWord, &w.MoveWord,
                           &w.DeleteWord, &w.ChangeColor};
    for (QAction **a : actions)
        *a = new QAction(m_window.get());
    m_controller = std::make_unique<WordBookController>(
        w, m_settings, m_folders, m_dialogs, &m_shell, m_playerPlace,
        [this](int panel, const QString &text) { m_status[panel] = text; }, m_window.get());
    m_controller->ScanWordBookFolder();
}

void tst_WordBookController::cleanup()
{
    m_controller.reset();
    m_window.reset();
    m_home.reset();
}

void tst_WordBookController::open(const QString &fileName)
{
    QVERIFY(m_controller->OpenListedBook(fileName));
}

void tst_WordBookController::runDoor()
{
    for (int i = 0; i < 40 && w.DoorTimer->isActive(); ++i)
        m_controller->DoorTimerTick();
    QVERIFY(!w.DoorTimer->isActive());
}

void tst_WordBookController::startsWithBookCommandsOff()
{
    QVERIFY(w.CreateWB->isEnabled());
    QVERIFY(w.EditGroup->isEnabled());
    for (QAction *a : {w.ChangeProp, w.DeleteWB, w.CloseWB, w.WBEditor, w.RegWord, w.JumpWord,
                       w.ModWord, w.MoveWord, w.DeleteWord, w.ChangeColor})
        QVERIFY(!a->isEnabled());
    QVERIFY(!w.ListView1->isEnabled());
}

void tst_WordBookController::scanListsBooks()
{
    const QList<WordBookSummary> rows = m_controller->bookListModel()->rows();
    QCOMPARE(rows.size(), 3); // the two-line file is no book
    QStringList titles;
    for (const WordBookSummary &r : rows)
        titles << r.title;
    QCOMPARE(titles, (QStringList{"a", "B", "C"}));
    QCOMPARE(rows[0].count, 3);
    QCOMPARE(rows[1].count, 0);
    // The header shows which column sorts and which way.
    QHeaderView *header = w.ListView2->horizontalHeader();
    m_controller->ClickBookColumn(0);
    QCOMPARE(m_controller->bookListModel()->rows().first().title, QString("C"));
    QVERIFY(header->isSortIndicatorShown());
    QCOMPARE(header->sortIndicatorSection(), 0);
    QCOMPARE(header->sortIndicatorOrder(), Qt::DescendingOrder);
    m_controller->ClickBookColumn(0);
    QCOMPARE(m_controller->bookListModel()->rows().first().title, QString("a"));
    QCOMPARE(header->sortIndicatorOrder(), Qt::AscendingOrder);
    m_controller->SortBooksByGroup();
    QCOMPARE(header->sortIndicatorSection(), int(BookGroupColumn));
}

void tst_WordBookController::openingEnablesCommandsAndFolds()
{
    open("small.utx");
    QCOMPARE(m_status[0], QString("●タイトル：「a」"));
    for (QAction *a : {w.ChangeProp, w.DeleteWB, w.CloseWB, w.WBEditor, w.RegWord, w.JumpWord})
        QVERIFY(a->isEnabled());
    QVERIFY(!w.ModWord->isEnabled());
    QVERIFY(w.ListView1->isEnabled());
    QCOMPARE(m_controller->wordListModel()->rowCount(), 3);
    QVERIFY(w.DoorTimer->isActive()); // AutoCloseFlg folds the panel
    runDoor();
    QVERIFY(m_controller->panelFolded());
}

void tst_WordBookController::foldAnimationEndStates()
{
    w.CheckBox1->setChecked(true);
    m_controller->SpeedButton2Click();
    m_controller->DoorTimerTick();
    QCOMPARE(w.Panel7->width(), 346);
    QVERIFY(!w.NewSpBtn->isEnabled());
    runDoor();
    QCOMPARE(w.Panel7->width(), 32);
    QCOMPARE(w.SpeedButton2->text(), QString("←"));
    QVERIFY(w.NewSpBtn->isEnabled());
    QVERIFY(w.headerLabels[0]->isHidden());
    m_controller->SpeedButton2Click();
    runDoor();
    QCOMPARE(w.Panel7->width(), 376);
    QCOMPARE(w.SpeedButton2->text(), QString("→"));
    QVERIFY(!w.headerLabels[0]->isHidden());
}

void tst_WordBookController::uncheckedFoldDoesNothing()
{
    w.CheckBox1->setChecked(false);
    QVERIFY(!m_settings.AutoCloseFlg);
    open("small.utx");
    QVERIFY(!w.DoorTimer->isActive());
    m_controller->SpeedButton2Click();
    QVERIFY(!w.DoorTimer->isActive());
}

void tst_WordBookController::closeClearsEverything()
{
    open("small.utx");
    w.ListView1->selectRow(0);
    QVERIFY(w.ModWord->isEnabled());
    m_controller->CloseWBExecute();
    QVERIFY(!m_controller->bookOpen());
    QCOMPARE(m_controller->wordListModel()->rowCount(), 0);
    QVERIFY(!w.ListView1->isEnabled());
    QVERIFY(m_status[0].isEmpty());
    for (QAction *a : {w.RegWord, w.ModWord, w.WBEditor, w.ChangeProp, w.CloseWB, w.DeleteWB,
                       w.DeleteWord, w.MoveWord, w.JumpWord, w.ChangeColor})
        QVERIFY(!a->isEnabled());
    QVERIFY(w.CreateWB->isEnabled());
}

void tst_WordBookController::selectionDrivesWordCommands()
{
    open("small.utx");
    w.ListView1->selectRow(1);
    for (QAction *a : {w.ModWord, w.MoveWord, w.DeleteWord, w.ChangeColor})
        QVERIFY(a->isEnabled());
    open("b.utx"); // another book: nothing selected
    for (QAction *a : {w.ModWord, w.MoveWord, w.DeleteWord, w.ChangeColor})
        QVERIFY(!a->isEnabled());
}

void tst_WordBookController::directionSwapKeepsFile()
{
    open("small.utx");
    w.ListView1->setColumnWidth(0, 111);
    w.ListView1->setColumnWidth(4, 222);
    m_settings.EiwaFlg = false;
    m_controller->ApplyDirection();
    QCOMPARE(w.ListView1->columnWidth(0), 222);
    QCOMPARE(w.ListView1->columnWidth(4), 111);
    auto *model = m_controller->wordListModel();
    QCOMPARE(model->headerData(0, Qt::Horizontal).toString(), QString("日本語"));
    QCOMPARE(model->index(0, 0).data().toString(), QString("行く"));
    QVERIFY(m_controller->SaveOpenBook().ok);
    const QStringList lines =
        ReadTextFile(m_folders.WordBookFolder + "/small.utx", TextFileKind::Unicode).lines;
    QVERIFY(lines[3].startsWith("\"go\","));
}

void tst_WordBookController::sortAsksAndRenumbers()
{
    open("small.utx");
    m_dialogs.confirmAnswers << false;
    m_controller->ClickWordColumn(0);
    QCOMPARE(m_dialogs.texts().last(),
             QString("項目「欧　文」でソートします。ソートをすると順番は元に戻りませんがソートをしますか？"));
    auto *model = m_controller->wordListModel();
    QCOMPARE(model->index(0, 0).data().toString(), QString("go"));
    QHeaderView *header = w.ListView1->horizontalHeader();
    QVERIFY(!header->isSortIndicatorShown()); // refused: no arrow
    m_controller->ClickWordColumn(0); // yes: descending first
    QVERIFY(header->isSortIndicatorShown());
    QCOMPARE(header->sortIndicatorSection(), 0);
    QCOMPARE(header->sortIndicatorOrder(), Qt::DescendingOrder);
    QCOMPARE(model->index(0, 0).data().toString(), QString("go"));
    QCOMPARE(model->index(1, 0).data().toString(), QString("Banana"));
    QCOMPARE(model->index(2, 0).data().toString(), QString("apple"));
    QCOMPARE(model->index(2, 1).data().toString(), QString("3"));
    const int asked = m_dialogs.shown.size();
    m_controller->ClickWordColumn(1); // "No" does nothing
    QCOMPARE(m_dialogs.shown.size(), asked);
    open("small.utx"); // in the file's order again
    QVERIFY(!header->isSortIndicatorShown());
}

void tst_WordBookController::doubleClickCopiesAndPlays()
{
    open("small.utx");
    w.Edit1->setText("[x]");
    w.ListView1->selectRow(2); // Banana: no phonetic symbols, no voice
    m_controller->WordDoubleClicked();
    QCOMPARE(w.Edit1->text(), QString("[x]"));
    QCOMPARE(w.Memo1->toPlainText(), QString("Banana"));
    QVERIFY(!m_controller->playback()->isOpen());

    m_settings.ResetInputFlg = true;
    w.ListView1->selectRow(0);
    m_controller->WordDoubleClicked();
    QCOMPARE(w.Edit1->text(), QString("ɡəʊ"));
    QCOMPARE(w.Memo1->toPlainText(), QString("go"));
    QVERIFY(m_controller->playback()->isOpen());
    QCOMPARE(m_controller->playback()->CurrentVoiceFile, m_folders.WordBookFolder + "/go.wav");

    w.ListView1->selectRow(2); // no voice file: the player closes
    m_controller->WordDoubleClicked();
    QTRY_VERIFY(!m_controller->playback()->isOpen());
}

void tst_WordBookController::languageChangeSwitchesFolders()
{
    writeBook(m_folders.documentsFolder("FrenchA"), "fr.utx", {"Français", "名詞", ""});
    open("small.utx");
    runDoor();
    m_controller->ChangeLanguage(2);
    QCOMPARE(m_settings.SelectLang, QString("フランス語"));
    QCOMPARE(m_folders.WordBookFolder, m_folders.documentsFolder("FrenchA"));
    QCOMPARE(m_folders.DictionaryFolder, m_folders.documentsFolder("FrenchG"));
    QCOMPARE(w.RadioButton1->text(), QString("仏和"));
    QCOMPARE(w.RadioButton2->text(), QString("和仏"));
    QVERIFY(!m_controller->bookOpen());
    QCOMPARE(m_controller->bookListModel()->rowCount(), 1);
    QCOMPARE(m_controller->wordListModel()->headerData(0, Qt::Horizontal).toString(),
             QString("フランス語"));
    QCOMPARE(m_status[1], "●単語帳フォルダ" + m_folders.documentsFolder("FrenchA"));
    QVERIFY(w.DoorTimer->isActive()); // unfolds again
}

void tst_WordBookController::dictionaryToggle()
{
    const QString before = m_folders.WordBookFolder;
    open("small.utx");
    w.DicSpBtn->setChecked(true);
    m_controller->DicSpBtnClick(true);
    QCOMPARE(m_folders.WordBookFolder, m_folders.DictionaryFolder);
    QVERIFY(!m_controller->bookOpen());
    m_controller->DicSpBtnClick(false);
    QCOMPARE(m_folders.WordBookFolder, before);
    QCOMPARE(m_controller->bookListModel()->rowCount(), 3);
}

void tst_WordBookController::folderMenu()
{
    m_controller->RebuildFolderMenu();
    const QList<QAction *> items = w.PopupMenu2->actions();
    QCOMPARE(items.size(), 5);
    QCOMPARE(items[0]->text(), m_folders.documentsFolder("bookA"));
    QCOMPARE(items[1]->text(), m_folders.DictionaryFolder);
    QVERIFY(items[2]->isSeparator());
    QCOMPARE(items[3]->text(), QString("参照"));
    QCOMPARE(items[4]->text(), QString("このメニューを編集する （最大10フォルダ）"));
    items[4]->trigger();
    QCOMPARE(m_shell.opened, QStringList{m_folders.SysFolder + "/FolList.txt"});
    // A desktop without an editor for it: the message names the file.
    m_shell.hasViewer = false;
    items[4]->trigger();
    QVERIFY(m_dialogs.texts().constLast().contains(
        QDir::toNativeSeparators(m_folders.SysFolder + "/FolList.txt")));

    const QString chosen = m_folders.documentsFolder("GermanA");
    m_dialogs.fileAnswers.enqueue(chosen);
    items[3]->trigger();
    QCOMPARE(m_folders.WordBookFolder, chosen);
    QCOMPARE(ReadTextFile(m_folders.SysFolder + "/FolList.txt", TextFileKind::Ansi).lines.first(),
             chosen);
}

void tst_WordBookController::deleteOpenBook()
{
    open("b.utx");
    QVERIFY(QFile::remove(m_folders.WordBookFolder + "/b.utx"));
    m_controller->ScanWordBookFolder();
    QCOMPARE(m_controller->bookListModel()->rowCount(), 2);
}

void tst_WordBookController::propertiesRewriteTitleKeepWords()
{
    open("small.utx");
    WordBook changed = m_controller->bookWithRows();
    changed.title = "Small";
    QVERIFY(SaveWordBook(m_folders.WordBookFolder, changed).ok);
    m_controller->ScanWordBookFolder();
    QVERIFY(m_controller->LoadBook("small.utx"));
    QCOMPARE(m_controller->openBook().title, QString("Small"));
    QCOMPARE(m_controller->wordListModel()->rowCount(), 3);
}

void tst_WordBookController::numberColumnFitsTheLargestNumber()
{
    QStringList lines{"Big", "名詞", ""};
    for (int i = 0; i < 12345; ++i)
        lines.append(QStringLiteral("\"w%1\",\"\",\"\",\"語\",\"\",\"\",\"\"").arg(i));
    writeBook(m_folders.WordBookFolder, "big.utx", lines);
    m_controller->ScanWordBookFolder();
    w.ListView1->setColumnWidth(NumberColumn, 50);
    open("big.utx");
    const QFontMetrics metrics(m_controller->delegate()->look().fixedFont);
    // The delegate keeps 8 pixels beside the text.
    QVERIFY(w.ListView1->columnWidth(NumberColumn) - 8 >= metrics.horizontalAdvance("12345"));
    // A wider column the user chose stays.
    w.ListView1->setColumnWidth(NumberColumn, 300);
    open("small.utx");
    QCOMPARE(w.ListView1->columnWidth(NumberColumn), 300);
}

void tst_WordBookController::rowFontsFitWhenWordsCome()
{
    // Start-up leaves them to the first book; the book's rows are drawn with them.
    m_settings.ImLi1Height = 60;
    open("small.utx");
    const WordListLook look = m_controller->delegate()->look();
    const ListFontSizes sizes = FitListFonts(
        QFont(m_settings.UsrMainFont), QFont(m_settings.UsrSubFont), QFont(m_settings.UsrJpFont),
        60, m_settings.GADR, m_settings.IPADR, m_settings.JPDR);
    QCOMPARE(look.foreignFont.pointSize(), sizes.foreign);
    QCOMPARE(look.phoneticFont.pointSize(), sizes.phonetic);
    QCOMPARE(look.japaneseFont.pointSize(), sizes.japanese);
    QCOMPARE(look.fixedFont.pointSize(), sizes.japanese);
}

QTEST_MAIN(tst_WordBookController)
#include "tst_wordbookcontroller.moc"
