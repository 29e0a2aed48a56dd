#include "tmainfrm.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScreen>
#include <QSplitter>
#include <QStandardItemModel>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include <limits>

#include "dialogs.h"
#include "flashcardexportcommand.h"
#include "fontfamilies.h"
#include "inputcontroller.h"
#include "qtcolour.h"
#include "tableeditors.h"
#include "tsearchpage.h"
#include "tconvertfrm.h"
#include "transfercontroller.h"
#include "tshape.h"
#include "tsymbolpalette.h"
#include "twmplayerfrm.h"
#include "wordbookcontroller.h"
#include "wordbookfolders.h"
#include "wordcommandcontroller.h"

namespace {

template <typename W> W *named(W *widget, const char *name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QFrame *newPanel(QWidget *parent, const char *name)
{
    auto *panel = named(new QFrame(parent), name);
    panel->setFrameShape(QFrame::NoFrame);
    return panel;
}

constexpr int ToolButtonWidth = 52;
constexpr int ToolButtonHeight = 70;
constexpr int MinFontPanelWidth = 160;

} // namespace

TMainFrm::TMainFrm(const Platform &platform, const AppFolders &folders, QWidget *parent)
    : QMainWindow(parent), m_platform(platform), m_folders(folders)
{
    // The pictures live in this static library; make sure the linker keeps them.
    Q_INIT_RESOURCE(icons);
    setObjectName(QStringLiteral("MainFrm"));
    setAttribute(Qt::WA_QuitOnClose);
    setWindowIcon(QIcon(QStringLiteral(":/icons/velmoruc.svg")));
    FormCreate();
}

TMainFrm::~TMainFrm()
{
    qApp->removeEventFilter(this);
}

void TMainFrm::FormCreate()
{
    SetStartValues();
    LoadSettingsAndFolders();
    CopyInstalledFilesOnFirstStart();
    LoadSymbolDatabases();
    LoadCandidateTables();
    SetupControls();
    CreateCommandToolbar();
    BuildTriggerKeyboardPage();
    BuildAccentButtons();
    BuildPhoneticPage();
    BuildSearchPage();
    BuildSymbolPalettePage();
    FillWordBookList();
    ApplySettings();
    PlaceWindow();
}

void TMainFrm::SetStartValues()
{
    m_settings = Settings();
    m_windowPlaces.fill(WindowRect());
}

void TMainFrm::LoadSettingsAndFolders()
{
    QString error;
    if (!LoadSettingsFile(m_folders.SysFolder + u'/' + QString::fromUtf16(SettingsFileName),
                          m_settings, &error))
        m_platform.dialogs->warning(error);
    LoadSideSettings(m_folders.SysFolder + u'/' + QString::fromUtf16(SideSettingsFileName),
                     m_settings);
    ChooseTableFolder(m_folders, m_settings.SysTblFlg);
    ChooseLanguageFolders(m_folders, m_settings.SelectLang);
    m_padDialogFolder = m_folders.UserTextFolder;
}

void TMainFrm::CopyInstalledFilesOnFirstStart()
{
    if (!IsFirstStartOfVersion(m_folders))
        return;
    QString error;
    if (!RunFirstStartCopy(m_folders, m_settings, &error))
        m_platform.dialogs->warning(error);
}

void TMainFrm::LoadSymbolDatabases()
{
    Input = new InputController(m_settings, m_folders, m_platform, this);
}

void TMainFrm::LoadCandidateTables()
{
    Input->LoadTables();
}

// ---- Controls, menus, hints and timers -------------------------------------------------

void TMainFrm::SetupControls()
{
    CreateCommands();
    CreateMenus();

    auto *central = named(new QWidget(this), "MainClient");
    auto *layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    setCentralWidget(central);

    CreateControlBar();
    layout->addWidget(ControlBar1);

    Panel1 = named(new QWidget(central), "Panel1");
    auto *panel1Layout = new QVBoxLayout(Panel1);
    panel1Layout->setContentsMargins(0, 0, 0, 0);
    Splitter1 = named(new QSplitter(Qt::Vertical, Panel1), "Splitter1");
    Splitter1->setChildrenCollapsible(false);
    Splitter1->setHandleWidth(6);
    panel1Layout->addWidget(Splitter1);
    layout->addWidget(Panel1, 1);

    CreatePadArea();
    CreateWordListArea();
    CreateStatusBar();
    CreateTimers();

    // The function keys reach the window before whichever control has the focus. The
    // same filter sees the phonetic field's focus and the tab area's resizes.
    qApp->installEventFilter(this);
}

QAction *TMainFrm::newCommand(const char *name, const QString &caption)
{
    auto *action = new QAction(caption, this);
    action->setObjectName(QLatin1String(name));
    return action;
}

void TMainFrm::CreateCommands()
{
    RegWord = newCommand("RegWord", QStringLiteral("単語登録"));
    ModWord = newCommand("ModWord", QStringLiteral("単語編集"));
    MoveWord = newCommand("MoveWord", QStringLiteral("単語移動"));
    JumpWord = newCommand("JumpWord", QStringLiteral("ジャンプ"));
    DeleteWord = newCommand("DeleteWord", QStringLiteral("単語削除"));
    ChangeColor = newCommand("ChangeColor", QStringLiteral("文字色変更"));
    CreateWB = newCommand("CreateWB", QStringLiteral("単語帳の新規作成"));
    ChangeProp = newCommand("ChangeProp", QStringLiteral("単語帳のプロパティ変更"));
    DeleteWB = newCommand("DeleteWB", QStringLiteral("単語帳の削除"));
    CloseWB = newCommand("CloseWB", QStringLiteral("単語帳を閉じる"));
    EditGroup = newCommand("EditGroup", QStringLiteral("グループ名の編集"));
    WBEditor = newCommand("WBEditor", QStringLiteral("単語帳エディタ"));
    DispSeaView = newCommand("DispSeaView", QStringLiteral("検索詳細表示"));
    CallWMP = newCommand("CallWMP", QStringLiteral("音声再生"));
    DispCand = newCommand("DispCand", QStringLiteral("候補表示"));
    DispBand = newCommand("DispBand", QStringLiteral("候補表示２"));
    LineMode = newCommand("LineMode", QStringLiteral("１行入力モード"));
    LatCombine = newCommand("LatCombine",
                            QStringLiteral("2文字を1文字化する　（アクセント付文字など）　(&C)"));
    LatDivide = newCommand("LatDivide",
                           QStringLiteral("1文字を2文字化する　（アクセント付文字など） (&D)"));
    OpenSymDB = newCommand("OpenSymDB", QStringLiteral("記号データベース"));
    OpenCandEditor = newCommand("OpenCandEditor", QStringLiteral("候補順エディタ"));
    IMEChange = newCommand("IMEChange", QStringLiteral("IMEのカスタマイズ"));
    Settei = newCommand("Settei", QStringLiteral("設定"));

    // Until a word book is open only creating one and editing the groups make sense.
    for (QAction *a : {RegWord, ModWord, MoveWord, JumpWord, DeleteWord, ChangeColor, ChangeProp,
                       DeleteWB, CloseWB, WBEditor})
        a->setEnabled(false);

    connect(Settei, &QAction::triggered, this, &TMainFrm::SetteiExecute);
    connect(IMEChange, &QAction::triggered, this, &TMainFrm::IMEChangeExecute);
    connect(LatCombine, &QAction::triggered, this, &TMainFrm::LatCombineExecute);
    connect(LineMode, &QAction::triggered, this, &TMainFrm::LineModeExecute);
    connect(WBEditor, &QAction::triggered, this, &TMainFrm::WBEditorExecute);
    connect(LatDivide, &QAction::triggered, this, &TMainFrm::LatDivideExecute);

    FileOpen = newCommand("FileOpen", QStringLiteral("開く"));
    FileSave = newCommand("FileSave", QStringLiteral("上書き保存"));
    FileSaveAs = newCommand("FileSaveAs", QStringLiteral("名前を付けて保存"));
    FileExit = newCommand("FileExit", QStringLiteral("閉じる (&X)"));
    connect(FileOpen, &QAction::triggered, this, &TMainFrm::OpenPadText);
    connect(FileSave, &QAction::triggered, this, &TMainFrm::SavePadText);
    connect(FileSaveAs, &QAction::triggered, this, &TMainFrm::SavePadTextAs);
    connect(FileExit, &QAction::triggered, this, &QWidget::close);

    struct EditCommand
    {
        QAction **action;
        const char *name;
        QString caption;
        QKeySequence key;
        QString hint;
    };
    const EditCommand editCommands[] = {
        {&EditUndo, "EditUndo", QStringLiteral("元に戻す(&U)"), QKeySequence(Qt::CTRL | Qt::Key_Z),
         QStringLiteral("元に戻す|直前の変更を元に戻す")},
        {&EditCut, "EditCut", QStringLiteral("切り取り(&T)"), QKeySequence(Qt::CTRL | Qt::Key_X),
         QStringLiteral("切り取り|選択部分を切り取り、クリップボードに送る")},
        {&EditCopy, "EditCopy", QStringLiteral("コピー(&C)"), QKeySequence(Qt::CTRL | Qt::Key_C),
         QStringLiteral("コピー|選択範囲をクリップボードにコピー")},
        {&EditPaste, "EditPaste", QStringLiteral("貼り付け(&P)"),
         QKeySequence(Qt::CTRL | Qt::Key_V),
         QStringLiteral("貼り付け|クリップボードの内容を貼り付ける")},
        {&EditDelete, "EditDelete", QStringLiteral("削除(&D)"), QKeySequence(Qt::Key_Delete),
         QStringLiteral("削除|選択部分を削除する")},
        {&EditSelectAll, "EditSelectAll", QStringLiteral("すべてを選択(&A)"),
         QKeySequence(Qt::CTRL | Qt::Key_A),
         QStringLiteral("すべてを選択|ドキュメント全体を選択する")},
    };
    for (const EditCommand &c : editCommands) {
        QAction *a = newCommand(c.name, c.caption);
        a->setShortcut(c.key);
        // "short|long": the short part is the tool tip, the long one the status line.
        a->setToolTip(c.hint.section(u'|', 0, 0));
        a->setStatusTip(c.hint.section(u'|', 1));
        *c.action = a;
    }
    connect(EditUndo, &QAction::triggered, this, [this] { EditCommandOnFocus(0); });
    connect(EditCut, &QAction::triggered, this, [this] { EditCommandOnFocus(1); });
    connect(EditCopy, &QAction::triggered, this, [this] { EditCommandOnFocus(2); });
    connect(EditPaste, &QAction::triggered, this, [this] { EditCommandOnFocus(3); });
    connect(EditDelete, &QAction::triggered, this, [this] { EditCommandOnFocus(4); });
    connect(EditSelectAll, &QAction::triggered, this, [this] { EditCommandOnFocus(5); });

    WordWrapItem = newCommand("WordWrapItem", QStringLiteral("右端で折り返す"));
    WordWrapItem->setCheckable(true);
    connect(WordWrapItem, &QAction::triggered, this, [this] {
        m_settings.WordWrapFlg = !m_settings.WordWrapFlg;
        ApplyWordWrap();
    });
    ScroBarsItem = newCommand("ScroBarsItem", QStringLiteral("スクロールバーを表示する"));
    ScroBarsItem->setCheckable(true);
    connect(ScroBarsItem, &QAction::triggered, this, [this] {
        m_settings.ScroBarsFlg = !m_settings.ScroBarsFlg;
        ApplyScrollBars();
    });
    NoResItem = newCommand("NoResItem", QStringLiteral("検索詳細画面を表示する"));
    NoResItem->setCheckable(true);
    connect(NoResItem, &QAction::triggered, this,
            [this] { m_settings.NoResFlg = !m_settings.NoResFlg; });

    ConvertTool = newCommand("ConvertTool", QStringLiteral("単語帳変換ツール"));
    connect(ConvertTool, &QAction::triggered, this, [this] {
        TConvertFrm dialog(m_folders, *m_platform.dialogs, this);
        if (dialog.exec() == QDialog::Accepted)
            RescanAfterConversion(*m_wordBooks, ListView2);
    });
    ExportFlashcards = newCommand("ExportFlashcards",
                                  QStringLiteral("書き出し（フラッシュカード用）…"));
    ExportFlashcards->setEnabled(false);
    connect(CloseWB, &QAction::changed, ExportFlashcards,
            [this] { ExportFlashcards->setEnabled(CloseWB->isEnabled()); });
    connect(ExportFlashcards, &QAction::triggered, this, [this, folder = QString()]() mutable {
        ExportOpenBookForFlashcards(*m_wordBooks, m_folders.WordBookFolder, *m_platform.dialogs,
                                    &folder);
    });
    HtmlListTool = newCommand("HtmlListTool", QStringLiteral("一覧HTML作成ツール"));
    CodeChecker = newCommand("CodeChecker", QStringLiteral("コード値チェッカー"));
    connect(CodeChecker, &QAction::triggered, this, &TMainFrm::CodeCheckerExecute);
    // The table tools: the main window only opens them and rebuilds after an editor.
    const auto tableTools = [this] {
        return TableToolContext{m_settings, m_folders, m_platform, Input, this};
    };
    connect(OpenSymDB, &QAction::triggered, this, [this, tableTools] {
        RunSymDBEditor(tableTools(), m_windowPlaces[SymDBFrmPlace]);
    });
    connect(OpenCandEditor, &QAction::triggered, this, [this, tableTools] {
        RunCandEditor(tableTools(), m_windowPlaces[CandEditorFrmPlace]);
    });
    connect(HtmlListTool, &QAction::triggered, this,
            [tableTools] { RunHtmlListTool(tableTools()); });
    HelpContents = newCommand("HelpContents", QStringLiteral("ヘルプ (&H)"));
    HelpAbout = newCommand("HelpAbout", QStringLiteral("バージョン情報 (&V)"));
    connect(HelpContents, &QAction::triggered, this, &TMainFrm::ShowHelp);
    connect(HelpAbout, &QAction::triggered, this, &TMainFrm::ShowAbout);
}

QAction *TMainFrm::addBoundItem(QMenu *menu, QAction *command, const QString &caption)
{
    auto *item = new QAction(caption, menu);
    item->setObjectName(command->objectName() + QStringLiteral("Item"));
    item->setEnabled(command->isEnabled());
    connect(command, &QAction::changed, item, [item, command] {
        item->setEnabled(command->isEnabled());
        item->setVisible(command->isVisible());
    });
    connect(item, &QAction::triggered, command, [command] { RunCommand(command); });
    menu->addAction(item);
    return item;
}

void TMainFrm::bindButton(QAbstractButton *button, QAction *command)
{
    button->setEnabled(command->isEnabled());
    connect(command, &QAction::changed, button,
            [button, command] { button->setEnabled(command->isEnabled()); });
    connect(button, &QAbstractButton::clicked, command, [command] { RunCommand(command); });
}

bool TMainFrm::RunCommand(QAction *command)
{
    if (!command || !command->isEnabled())
        return false;
    command->trigger();
    return true;
}

void TMainFrm::CreateMenus()
{
    MainMenu1 = named(new QMenuBar(this), "MainMenu1");
    setMenuBar(MainMenu1);
    auto addMenu = [this](const char *name, const QString &caption) {
        QMenu *menu = MainMenu1->addMenu(caption);
        menu->setObjectName(QLatin1String(name));
        menu->setToolTipsVisible(false);
        return menu;
    };

    QMenu *file = addMenu("FileMenu", QStringLiteral("　ファイル (&F)"));
    file->addAction(FileOpen);
    file->addAction(FileSave);
    file->addAction(FileSaveAs);
    file->addSeparator();
    file->addAction(FileExit);

    QMenu *edit = addMenu("EditMenu", QStringLiteral("　編集 (&E)"));
    edit->addAction(EditUndo);
    edit->addAction(EditCut);
    edit->addAction(EditCopy);
    edit->addAction(EditPaste);
    edit->addAction(EditDelete);
    edit->addSeparator();
    edit->addAction(EditSelectAll);
    edit->addSeparator();
    edit->addAction(WordWrapItem);
    edit->addAction(ScroBarsItem);
    connect(edit, &QMenu::aboutToShow, this, [this] {
        WordWrapItem->setChecked(m_settings.WordWrapFlg);
        ScroBarsItem->setChecked(m_settings.ScroBarsFlg);
        UpdateEditCommands();
    });
    // Outside the open menu the edit keys must always reach the focused field.
    connect(edit, &QMenu::aboutToHide, this, [this] {
        for (QAction *a : {EditUndo, EditCut, EditCopy, EditPaste, EditDelete, EditSelectAll})
            a->setEnabled(true);
    });

    QMenu *ime = addMenu("IMEMenu", QStringLiteral("　IME指定 (&I)"));
    addBoundItem(ime, IMEChange, QStringLiteral("日本語IME"));

    QMenu *book = addMenu("WordBookMenu", QStringLiteral("　単語帳 (&W)"));
    book->addAction(WBEditor);
    book->addSeparator();
    book->addAction(EditGroup);
    book->addSeparator();
    book->addAction(CreateWB);
    book->addAction(ChangeProp);
    book->addAction(DeleteWB);
    book->addAction(ExportFlashcards);
    book->addSeparator();
    book->addAction(RegWord);
    book->addAction(ModWord);
    book->addAction(MoveWord);
    addBoundItem(book, JumpWord, QStringLiteral("ジャンプ (&J)"));
    book->addAction(DeleteWord);
    book->addSeparator();
    book->addAction(NoResItem);
    book->addSeparator();
    book->addAction(CloseWB);
    connect(book, &QMenu::aboutToShow, this,
            [this] { NoResItem->setChecked(!m_settings.NoResFlg); });

    TransModeMenu = addMenu("TransModeMenu", QStringLiteral("　転送モード (&M)"));

    QMenu *tools = addMenu("ToolMenu", QStringLiteral("ツール (&T)"));
    tools->addAction(OpenSymDB);
    tools->addAction(OpenCandEditor);
    tools->addSeparator();
    tools->addAction(LatCombine);
    tools->addAction(LatDivide);
    tools->addSeparator();
    tools->addAction(ConvertTool);
    tools->addSeparator();
    tools->addAction(HtmlListTool);
    tools->addSeparator();
    tools->addAction(CodeChecker);

    QMenu *options = addMenu("OptionMenu", QStringLiteral("　オプション (&O)"));
    options->addAction(Settei);

    QMenu *help = addMenu("HelpMenu", QStringLiteral("　ヘルプ (&H)"));
    help->addAction(HelpContents);
    help->addAction(HelpAbout);
}

void TMainFrm::CreateControlBar()
{
    ControlBar1 = newPanel(this, "ControlBar1");
    ControlBar1->setFixedHeight(80);
    ControlBar1->setFrameShape(QFrame::StyledPanel);
    auto *layout = new QHBoxLayout(ControlBar1);
    layout->setContentsMargins(2, 0, 2, 0);
    layout->setSpacing(0);

    Panel4 = newPanel(ControlBar1, "Panel4");
    Panel4->setFixedWidth(380);
    layout->addWidget(Panel4);

    auto *rule = new QFrame(ControlBar1);
    rule->setFrameShape(QFrame::VLine);
    rule->setFrameShadow(QFrame::Sunken);
    layout->addWidget(rule);

    Panel5 = newPanel(ControlBar1, "Panel5");
    Panel5->setFixedWidth(215);
    layout->addWidget(Panel5);
    CreateTransferPanel();

    auto *rule2 = new QFrame(ControlBar1);
    rule2->setFrameShape(QFrame::VLine);
    rule2->setFrameShadow(QFrame::Sunken);
    layout->addWidget(rule2);

    // Panel6 takes what Panel4 and Panel5 leave of the bar.
    Panel6 = newPanel(ControlBar1, "Panel6");
    Panel6->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    layout->addWidget(Panel6, 1);
    CreateSelectorPanel();
}

void TMainFrm::CreateTransferPanel()
{
    Shape1 = named(new TShape(Panel5), "Shape1");
    Shape1->setGeometry(10, 8, 28, 28);
    Shape1->setBrushColor(Qt::white);

    CheckBox2 = named(new QCheckBox(Panel5), "CheckBox2");
    CheckBox2->setToolTip(QStringLiteral("自動貼り付け指定"));
    CheckBox2->setGeometry(15, 46, 22, 22);

    TransSpBtn = named(new QToolButton(Panel5), "TransSpBtn");
    TransSpBtn->setText(QStringLiteral("転送\n(F9)"));
    TransSpBtn->setToolTip(QStringLiteral("他のアプリケーションに転送　F9"));
    TransSpBtn->setGeometry(46, 4, ToolButtonWidth, ToolButtonHeight);
    TransSpBtn->setAutoRaise(false);
    QFont transferFont = TransSpBtn->font();
    transferFont.setBold(true);
    TransSpBtn->setFont(transferFont);
    connect(TransSpBtn, &QToolButton::clicked, this, &TMainFrm::Transfer);

    Label3 = named(new QLabel(QStringLiteral("転送モード："), Panel5), "Label3");
    Label3->setGeometry(106, 10, 104, 20);

    Edit2 = named(new QLineEdit(Panel5), "Edit2");
    Edit2->setReadOnly(true);
    Edit2->setFocusPolicy(Qt::NoFocus);
    Edit2->setGeometry(106, 34, 104, 26);
    QPalette modePalette = Edit2->palette();
    modePalette.setColor(QPalette::Base, Qt::black);
    modePalette.setColor(QPalette::Text, QColor(0, 255, 0));
    Edit2->setPalette(modePalette);
    Edit2->setFont(QFont(QStringLiteral("ＭＳ Ｐゴシック"), 10));
}

void TMainFrm::CreateSelectorPanel()
{
    auto *layout = new QHBoxLayout(Panel6);
    layout->setContentsMargins(4, 4, 0, 4);
    Splitter4 = named(new QSplitter(Qt::Horizontal, Panel6), "Splitter4");
    Splitter4->setChildrenCollapsible(false);
    layout->addWidget(Splitter4);

    // Both panes join the splitter, in this order, before they are filled: each pane the
    // splitter takes in makes it measure the others, combo box items and all.
    Panel10 = newPanel(Splitter4, "Panel10");
    Panel10->setMinimumWidth(MinFontPanelWidth);
    Panel9 = newPanel(Splitter4, "Panel9");
    Panel9->setMinimumWidth(64);
    auto *grid = new QGridLayout(Panel10);
    grid->setContentsMargins(0, 0, 4, 0);
    grid->setSpacing(4);

    ComboBox1 = named(new FontFamilyBox(QFontDatabase::Latin, Panel10), "ComboBox1");
    ComboBox1->setEditable(false);
    ComboBox1->setMaxVisibleItems(20);
    ComboBox1->setToolTip(QStringLiteral("欧文のフォント"));
    ComboBox1->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    ComboBox1->setMinimumContentsLength(8);
    grid->addWidget(ComboBox1, 0, 0, 1, 2);

    ComboBox3 = named(new QComboBox(Panel10), "ComboBox3");
    ComboBox3->setEditable(false);
    for (const LanguageFolders &l : Languages())
        ComboBox3->addItem(l.language);
    ComboBox3->setToolTip(QStringLiteral("言語（単語帳フォルダ）"));
    grid->addWidget(ComboBox3, 1, 0);

    ComboBox2 = named(new QComboBox(Panel10), "ComboBox2");
    ComboBox2->setEditable(true);
    ComboBox2->setMaxVisibleItems(20);
    ComboBox2->setInsertPolicy(QComboBox::NoInsert);
    ComboBox2->setFixedWidth(65);
    ComboBox2->setToolTip(QStringLiteral("文字サイズ"));
    for (int size = 9; size <= 60; ++size)
        ComboBox2->addItem(QString::number(size));
    grid->addWidget(ComboBox2, 1, 1);

    auto *stretchLayout = new QHBoxLayout(Panel9);
    stretchLayout->setContentsMargins(6, 0, 4, 0);
    stretchLayout->setSpacing(2);
    auto *label4 = named(new QLabel(QStringLiteral("下伸び"), Panel9), "Label4");
    CheckBox3 = named(new QCheckBox(Panel9), "CheckBox3");
    CheckBox3->setToolTip(QStringLiteral("画面拡大時に単語リストが伸びるようにする"));
    label4->setToolTip(CheckBox3->toolTip());
    label4->setBuddy(CheckBox3);
    stretchLayout->addWidget(label4);
    stretchLayout->addWidget(CheckBox3);
    stretchLayout->addStretch(1);

    Splitter4->setStretchFactor(0, 0);
    Splitter4->setStretchFactor(1, 1);

    connect(ComboBox1, &QComboBox::activated, this, &TMainFrm::ComboBox1Change);
    connect(ComboBox2, &QComboBox::currentTextChanged, this, &TMainFrm::ComboBox2Change);
    // The box shows the size the pad took once the typing ends (99999 becomes the largest).
    connect(ComboBox2->lineEdit(), &QLineEdit::editingFinished, this, [this] {
        if (ScreenFontPoints(this, ComboBox2->currentText()) != 0) {
            const QSignalBlocker blocker(ComboBox2);
            ComboBox2->setCurrentText(QString::number(m_settings.UsrMainFontSize));
        }
    });
    connect(ComboBox3, &QComboBox::activated, this, &TMainFrm::ComboBox3Change);
    connect(CheckBox3, &QCheckBox::clicked, this, &TMainFrm::CheckBox3Click);
}

void TMainFrm::CreatePadArea()
{
    PanelA = named(new QWidget(Splitter1), "PanelA");
    auto *layout = new QHBoxLayout(PanelA);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    BufferStrip = named(new QWidget(PanelA), "BufferStrip");
    BufferStrip->setFixedWidth(6);
    layout->addWidget(BufferStrip);

    Splitter2 = named(new QSplitter(Qt::Horizontal, PanelA), "Splitter2");
    Splitter2->setChildrenCollapsible(false);
    Splitter2->setHandleWidth(6);
    layout->addWidget(Splitter2, 1);

    auto *padColumn = named(new QWidget(Splitter2), "PadColumn");
    auto *padLayout = new QVBoxLayout(padColumn);
    padLayout->setContentsMargins(0, 2, 0, 2);
    padLayout->setSpacing(2);

    Edit1 = named(new QLineEdit(padColumn), "Edit1");
    Edit1->setPlaceholderText(QStringLiteral("< 発音記号 >"));
    Edit1->setAttribute(Qt::WA_InputMethodEnabled, false);
    // The code value checker writes seven characters per code unit of the pad.
    Edit1->setMaxLength(std::numeric_limits<int>::max());
    padLayout->addWidget(Edit1);

    Memo1 = named(new QPlainTextEdit(padColumn), "Memo1");
    Memo1->setAttribute(Qt::WA_InputMethodEnabled, false);
    Memo1->setTabChangesFocus(false);
    padLayout->addWidget(Memo1, 1);

    PageControl2 = named(new QTabWidget(Splitter2), "PageControl2");
    PageControl2->setMinimumSize(350, 200);
    PageControl2->setDocumentMode(false);
    CandPage = named(new QWidget(PageControl2), "CandPage");
    AccentPage = named(new QWidget(PageControl2), "AccentPage");
    PhonetPage = named(new QWidget(PageControl2), "PhonetPage");
    TabSheet2 = named(new QWidget(PageControl2), "TabSheet2");
    PageControl2->addTab(CandPage, QStringLiteral("候補入力"));
    PageControl2->addTab(AccentPage, QStringLiteral("ACボタン"));
    PageControl2->addTab(PhonetPage, QStringLiteral("発音記号"));
    PageControl2->addTab(TabSheet2, QStringLiteral("単語帳検索"));

    Splitter2->setStretchFactor(0, 1);
    Splitter2->setStretchFactor(1, 0);
}

void TMainFrm::CreateWordListArea()
{
    PageControl1 = named(new QTabWidget(Splitter1), "PageControl1");
    PageControl1->setMinimumHeight(120);
    WordListPage = named(new QWidget(PageControl1), "WordListPage");
    PageControl1->addTab(WordListPage, QStringLiteral("単語リスト"));

    auto *pageLayout = new QHBoxLayout(WordListPage);
    pageLayout->setContentsMargins(0, 0, 0, 0);
    Splitter3 = named(new QSplitter(Qt::Horizontal, WordListPage), "Splitter3");
    Splitter3->setChildrenCollapsible(false);
    pageLayout->addWidget(Splitter3);

    ListView1 = named(new QTableView(Splitter3), "ListView1");
    ListView1->setSelectionBehavior(QAbstractItemView::SelectRows);
    ListView1->setSelectionMode(QAbstractItemView::SingleSelection);
    ListView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ListView1->setShowGrid(true);
    ListView1->verticalHeader()->hide();
    ListView1->horizontalHeader()->setHighlightSections(false);
    ListView1->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    ListView1->setContextMenuPolicy(Qt::CustomContextMenu);
    ListView1->setEnabled(false);

    Panel7 = newPanel(Splitter3, "Panel7");
    Panel7->setMinimumWidth(32);
    auto *panel7Layout = new QVBoxLayout(Panel7);
    panel7Layout->setContentsMargins(0, 0, 0, 0);
    panel7Layout->setSpacing(0);

    Panel8 = newPanel(Panel7, "Panel8");
    Panel8->setFrameShape(QFrame::StyledPanel);
    auto *header = new QGridLayout(Panel8);
    header->setContentsMargins(2, 2, 4, 2);
    header->setHorizontalSpacing(3);
    header->setVerticalSpacing(2);

    SpeedButton2 = named(new QToolButton(Panel8), "SpeedButton2");
    SpeedButton2->setText(QStringLiteral("→"));
    SpeedButton2->setFixedSize(24, 24);
    header->addWidget(SpeedButton2, 0, 0);
    auto *bookLabel = named(new QLabel(QStringLiteral("■単語帳"), Panel8), "Label1");
    QFont bold = bookLabel->font();
    bold.setBold(true);
    bookLabel->setFont(bold);
    header->addWidget(bookLabel, 0, 1);
    CheckBox1 = named(new QCheckBox(Panel8), "CheckBox1");
    CheckBox1->setToolTip(QStringLiteral("単語帳を開いたら自動でパネルを閉じる"));
    header->addWidget(CheckBox1, 0, 2);
    RadioButton1 = named(new QRadioButton(Panel8), "RadioButton1");
    RadioButton2 = named(new QRadioButton(Panel8), "RadioButton2");
    header->addWidget(RadioButton1, 0, 4);
    header->addWidget(RadioButton2, 0, 5);

    auto *menuLabel = named(new QLabel(QStringLiteral("メニュー"), Panel8), "Label2");
    header->addWidget(menuLabel, 1, 1);
    auto *buttons = new QHBoxLayout;
    buttons->setSpacing(3);
    NewSpBtn = named(new QToolButton(Panel8), "NewSpBtn");
    NewSpBtn->setText(QStringLiteral("新規作成"));
    bindButton(NewSpBtn, CreateWB);
    DicSpBtn = named(new QToolButton(Panel8), "DicSpBtn");
    DicSpBtn->setText(QStringLiteral("辞書"));
    DicSpBtn->setCheckable(true);
    DicSpBtn->setToolTip(QStringLiteral("ボタンを押込んだ状態にすると辞書フォルダを参照します"));
    ChangeBtn = named(new QToolButton(Panel8), "ChangeBtn");
    ChangeBtn->setText(QStringLiteral("変更"));
    ChangeBtn->setToolTip(QStringLiteral("カレントの単語帳フォルダを変更します"));
    for (QToolButton *b : {NewSpBtn, DicSpBtn, ChangeBtn}) {
        b->setMinimumHeight(24);
        buttons->addWidget(b);
    }
    buttons->addStretch(1);
    header->addLayout(buttons, 1, 2, 1, 4);
    header->setColumnStretch(3, 1);
    panel7Layout->addWidget(Panel8);

    ListView2 = named(new QTableView(Panel7), "ListView2");
    ListView2->setSelectionBehavior(QAbstractItemView::SelectRows);
    ListView2->setSelectionMode(QAbstractItemView::SingleSelection);
    ListView2->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ListView2->setShowGrid(false);
    ListView2->verticalHeader()->hide();
    ListView2->horizontalHeader()->setHighlightSections(false);
    QPalette dark = ListView2->palette();
    dark.setColor(QPalette::Base, QColor(64, 64, 64));
    dark.setColor(QPalette::Text, Qt::white);
    ListView2->setPalette(dark);
    ListView2->setContextMenuPolicy(Qt::CustomContextMenu);
    panel7Layout->addWidget(ListView2, 1);
    panel7Layout->addStretch(0); // keeps the header at the top while the panel is folded

    Splitter3->setStretchFactor(0, 1);
    Splitter3->setStretchFactor(1, 0);
    Splitter3->setSizes({500, 376});

    PopupMenu1 = named(new QMenu(this), "PopupMenu1");
    PopupMenu1->addActions({RegWord, ModWord, MoveWord, JumpWord, DeleteWord});
    PopupMenu1->addSeparator();
    PopupMenu1->addAction(ChangeColor);
    connect(ListView1, &QWidget::customContextMenuRequested, this, [this](const QPoint &at) {
        PopupMenu1->popup(ListView1->viewport()->mapToGlobal(at));
    });
    PopupMenu5 = named(new QMenu(this), "PopupMenu5");
    PopupMenu5->addAction(DeleteWB);
    PopupMenu5->addSeparator();
    PopupMenu5->addActions({ChangeProp, CloseWB});
    connect(ListView2, &QWidget::customContextMenuRequested, this, [this](const QPoint &at) {
        PopupMenu5->popup(ListView2->viewport()->mapToGlobal(at));
    });
}

void TMainFrm::CreateStatusBar()
{
    StatusBar1 = named(new QStatusBar(this), "StatusBar1");
    QFont font = StatusBar1->font();
    font.setPointSize(11);
    StatusBar1->setFont(font);
    const int widths[2] = {250, 480};
    for (int i = 0; i < 2; ++i) {
        auto *panel = new QLabel(StatusBar1);
        panel->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        // The book's panel takes what the bar has to spare, so that a title is cut only
        // where the window is too narrow for it.
        if (i == 0) {
            panel->setMinimumWidth(widths[i]);
            panel->resize(widths[i], panel->height());
        } else {
            panel->setFixedWidth(widths[i]);
        }
        panel->setFont(font);
        panel->setFrameShape(QFrame::StyledPanel);
        panel->setFrameShadow(QFrame::Sunken);
        panel->setTextFormat(Qt::PlainText);
        panel->setIndent(3);
        StatusBar1->addWidget(panel, i == 0 ? 1 : 0);
        m_statusPanels[i] = panel;
    }
    setStatusBar(StatusBar1);
}

// A text too long for its panel loses its middle on screen, never in the text kept; of a
// title between 「」 only the title gives way, so the label and the brackets stay.
QString FitStatusText(const QString &text, const QFontMetrics &metrics, int room)
{
    if (metrics.horizontalAdvance(text) <= room)
        return text;
    const qsizetype open = text.indexOf(u'「');
    if (open >= 0 && text.endsWith(u'」')) {
        const QString head = text.left(open + 1);
        const QString title = text.mid(open + 1, text.size() - open - 2);
        const int titleRoom = room - metrics.horizontalAdvance(head + u'」');
        if (titleRoom > metrics.horizontalAdvance(QStringLiteral("…")) * 3)
            return head + metrics.elidedText(title, Qt::ElideMiddle, titleRoom) + u'」';
    }
    return metrics.elidedText(text, Qt::ElideMiddle, room);
}

void TMainFrm::setStatusPanelText(int panel, const QString &text)
{
    if (panel < 0 || panel > 1)
        return;
    m_statusTexts[panel] = text;
    QLabel *label = m_statusPanels[panel];
    label->setText(FitStatusText(text, label->fontMetrics(),
                                 label->contentsRect().width() - label->indent() - 2));
    label->setToolTip(text);
}

QString TMainFrm::statusPanelText(int panel) const
{
    return panel >= 0 && panel <= 1 ? m_statusTexts[panel] : QString();
}

void TMainFrm::CreateTimers()
{
    TransTimer1 = named(new QTimer(this), "TransTimer1");
    TransTimer1->setInterval(250);
    PasteTimer = named(new QTimer(this), "PasteTimer");
    PasteTimer->setSingleShot(true);
    PasteTimer->setInterval(m_settings.PasteTimerInterval);
    DoorTimer = named(new QTimer(this), "DoorTimer");
    DoorTimer->setInterval(20);

    TransferWidgets transfer;
    transfer.window = this;
    transfer.TransModeMenu = TransModeMenu;
    transfer.Edit2 = Edit2;
    transfer.Memo1 = Memo1;
    transfer.Edit1 = Edit1;
    transfer.CheckBox2 = CheckBox2;
    transfer.Shape1 = Shape1;
    transfer.TransTimer1 = TransTimer1;
    transfer.PasteTimer = PasteTimer;
    Transfers = new TransferController(transfer, m_settings, m_folders, *m_platform.dialogs,
                                       m_platform.windows, this);
}

// ---- Command toolbar -----------------------------------------------------------------

void TMainFrm::CreateCommandToolbar()
{
    struct Tool
    {
        const char *name;
        QString caption;
        const char *picture;
        QAction *command;
        QString hint;
    };
    const Tool tools[] = {
        {"ExitBtn", QStringLiteral("終了"), "exit", nullptr, QString()},
        {"ClearBtn", QStringLiteral("ｸﾘｱ"), "clear", nullptr, QString()},
        {"RegBtn", QStringLiteral("登録"), "register", RegWord, QStringLiteral("単語登録　F4")},
        {"ModBtn", QStringLiteral("編集"), "edit", ModWord, QStringLiteral("単語編集　F5")},
        {"EditorBtn", QStringLiteral("ｴﾃﾞｨﾀ"), "editor", WBEditor,
         QStringLiteral("単語帳エディタ　F6")},
        {"PadBtn", QStringLiteral("PAD"), "pad", LineMode, QStringLiteral("PADモード　F7")},
        {"SetteiBtn", QStringLiteral("設定"), "settings", Settei, QString()},
    };
    int index = 0;
    for (const Tool &t : tools) {
        auto *button = named(new QToolButton(Panel4), t.name);
        button->setText(t.caption);
        button->setIcon(QIcon(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(t.picture))));
        button->setIconSize(QSize(32, 32));
        button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        button->setGeometry(53 * index, 2, ToolButtonWidth, ToolButtonHeight);
        button->setAutoRaise(true);
        button->setFocusPolicy(Qt::NoFocus);
        if (!t.hint.isEmpty())
            button->setToolTip(t.hint);
        if (t.command)
            bindButton(button, t.command);
        toolbarButtons.append(button);
        ++index;
    }
    connect(toolbarButtons[0], &QToolButton::clicked, this, &QWidget::close);
    connect(toolbarButtons[1], &QToolButton::clicked, this, &TMainFrm::ClearInput);
}

void TMainFrm::BuildTriggerKeyboardPage()
{
    Input->Attach({Memo1, Edit1, PageControl2, CandPage, AccentPage, DispCand, DispBand});
}

void TMainFrm::BuildAccentButtons()
{
    Input->AttachAccentButtons(AccentPage);
}

void TMainFrm::BuildPhoneticPage()
{
    Input->AttachPhoneticKeyboard(PhonetPage);
}

void TMainFrm::BuildSearchPage()
{
    SearchPageContext context;
    context.settings = &m_settings;
    context.folders = &m_folders;
    context.inputMethod = m_platform.inputMethod;
    context.Memo1 = Memo1;
    context.Edit1 = Edit1;
    context.detailPlace = &m_windowPlaces[SeaResFrmPlace];
    context.showStatus = [this](const QString &text) { StatusBar1->showMessage(text, 20000); };
    context.attachTriggerField = [this](QWidget *field, std::function<FieldState()> state,
                                        std::function<void(TypingAction)> enter) {
        Input->AttachField(field, TriggerField::SearchField, std::move(state), std::move(enter));
    };
    SearchPage = new TSearchPage(context, TabSheet2);
    auto *layout = new QVBoxLayout(TabSheet2);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(SearchPage);
    connect(DispSeaView, &QAction::triggered, SearchPage, &TSearchPage::DispSeaView);
}

void TMainFrm::BuildSymbolPalettePage()
{
    PalettePage = named(new QWidget(PageControl1), "PalettePage");
    PageControl1->addTab(PalettePage, QStringLiteral("記号奥の手"));
    SymbolPalette = new TSymbolPalette(m_settings, m_folders, [this] { SelectJapaneseLayout(); },
                                       PalettePage);
    auto *layout = new QVBoxLayout(PalettePage);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(SymbolPalette);
    connect(SymbolPalette, &TSymbolPalette::insertRequested, this,
            [this](const QString &text) { Input->InsertText(InsertTarget::MainPad, text); });
}

void TMainFrm::FillWordBookList()
{
    PopupMenu2 = named(new QMenu(this), "PopupMenu2");
    WordBookWidgets w;
    w.ListView1 = ListView1;
    w.ListView2 = ListView2;
    w.Panel7 = Panel7;
    w.headerLabels = {findChild<QLabel *>(QStringLiteral("Label1")),
                      findChild<QLabel *>(QStringLiteral("Label2"))};
    w.NewSpBtn = NewSpBtn;
    w.DicSpBtn = DicSpBtn;
    w.ChangeBtn = ChangeBtn;
    w.SpeedButton2 = SpeedButton2;
    w.CheckBox1 = CheckBox1;
    w.RadioButton1 = RadioButton1;
    w.RadioButton2 = RadioButton2;
    w.PopupMenu2 = PopupMenu2;
    w.DoorTimer = DoorTimer;
    w.Memo1 = Memo1;
    w.Edit1 = Edit1;
    w.CreateWB = CreateWB;
    w.ChangeProp = ChangeProp;
    w.DeleteWB = DeleteWB;
    w.CloseWB = CloseWB;
    w.EditGroup = EditGroup;
    w.WBEditor = WBEditor;
    w.RegWord = RegWord;
    w.JumpWord = JumpWord;
    w.ModWord = ModWord;
    w.MoveWord = MoveWord;
    w.DeleteWord = DeleteWord;
    w.ChangeColor = ChangeColor;
    m_wordBooks = new WordBookController(
        w, m_settings, m_folders, *m_platform.dialogs, m_platform.shell, m_windowPlaces[0],
        [this](int panel, const QString &text) { setStatusPanelText(panel, text); }, this);
    connect(CallWMP, &QAction::triggered, m_wordBooks, [this] {
        const QString file = m_wordBooks->playback()->CurrentVoiceFile;
        if (!file.isEmpty())
            m_wordBooks->playback()->PlayIfClosed(file);
    });
    m_wordBooks->setInputMethod(m_platform.inputMethod);
    m_wordBooks->ScanWordBookFolder();
    m_wordBooks->SortBooksByGroup();

    WordCommands = new WordCommandController(
        *m_wordBooks,
        {ListView1, Memo1, Edit1, RegWord, ModWord, MoveWord, DeleteWord, JumpWord, ChangeColor},
        m_settings, m_folders, m_platform, m_windowPlaces[1], m_windowPlaces[2], this);
    // The word dialogs' foreign-word and phonetic fields take trigger input.
    WordCommands->setTriggerFieldHook([this](QWidget *field, TriggerField kind) {
        if (Input)
            Input->AttachField(field, kind);
    });
}

// ---- Settings applied to the window -----------------------------------------------------

void TMainFrm::ApplyPadFont()
{
    QFont font(m_settings.UsrMainFont);
    font.setPointSize(m_settings.UsrMainFontSize > 0 ? m_settings.UsrMainFontSize : 20);
    Memo1->setFont(font);
}

void TMainFrm::ApplyWordWrap()
{
    Memo1->setLineWrapMode(m_settings.WordWrapFlg ? QPlainTextEdit::WidgetWidth
                                                  : QPlainTextEdit::NoWrap);
}

void TMainFrm::ApplyScrollBars()
{
    const Qt::ScrollBarPolicy bars =
        m_settings.ScroBarsFlg ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff;
    Memo1->setHorizontalScrollBarPolicy(bars);
    Memo1->setVerticalScrollBarPolicy(bars);
}

void TMainFrm::ApplySettings()
{
    ClampToScreen();
    Memo1->clear();
    Edit1->clear();
    ApplyPadFont();
    ApplyWordWrap();
    ApplyScrollBars();
    QFont sub(m_settings.UsrSubFont);
    sub.setPointSize(m_settings.UsrSubFontSize > 0 ? m_settings.UsrSubFontSize : 16);
    Edit1->setFont(sub);
    QPalette phonet = Edit1->palette();
    phonet.setColor(QPalette::Base, ToQColor(m_settings.PhonetColor));
    Edit1->setPalette(phonet);

    // 1. First tabs, the phonetic field, the check boxes.
    PageControl1->setCurrentIndex(0);
    PageControl2->setCurrentIndex(0);
    Edit1->setVisible(m_settings.UpperUseFlg);
    CheckBox2->setChecked(m_settings.AutoPasteFlg);
    CheckBox1->setChecked(m_settings.AutoCloseFlg);

    // 2. Direction buttons.
    RadioButton1->setText(ForeignFirstCaption(m_settings.SelectLang));
    RadioButton2->setText(JapaneseFirstCaption(m_settings.SelectLang));
    (m_settings.EiwaFlg ? RadioButton1 : RadioButton2)->setChecked(true);

    // 3. Row height, panel widths, column widths.
    ListView1->verticalHeader()->setDefaultSectionSize(qMax(1, m_settings.ImLi1Height));
    ListView1->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_wordBooks->setLanguageName(m_settings.SelectLang);
    SearchPage->setLanguageName(m_settings.SelectLang);
    m_wordBooks->ApplyDirection();
    m_wordBooks->ListFontsChanged();
    const int widths[7] = {m_settings.LV1Col1Width, m_settings.LV1Col2Width,
                           m_settings.LV1Col3Width, m_settings.LV1Col4Width,
                           m_settings.LV1Col5Width, m_settings.LV1Col6Width,
                           m_settings.LV1Col7Width};
    for (int c = 0; c < 7; ++c)
        ListView1->setColumnWidth(c, qMax(0, widths[c]));
    ListView1->setColumnHidden(7, true);
    m_settings.FontPanelWidth = qMax(MinFontPanelWidth, m_settings.FontPanelWidth);
    Splitter4->setSizes({m_settings.FontPanelWidth, 100});
    Splitter2->setSizes({400, qMax(350, m_settings.PADWidth)});

    // 5. Language selector; an unknown name leaves the selection as it is.
    {
        const QSignalBlocker blocker(ComboBox3);
        const int index = ComboBox3->findText(m_settings.SelectLang);
        if (index >= 0)
            ComboBox3->setCurrentIndex(index);
    }
    ComboBox1->showFamily(m_settings.UsrMainFont);
    {
        const QSignalBlocker blocker(ComboBox2);
        ComboBox2->setCurrentText(QString::number(m_settings.UsrMainFontSize));
    }

    // 6. Stretching areas and the folder in the status bar.
    ApplyStretchLayout(m_settings.MidStretchFlg);
    setStatusPanelText(1, QStringLiteral("●単語帳フォルダ：") + m_folders.WordBookFolder);
}

void TMainFrm::ClampToScreen()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect room = screen->availableGeometry();
    ClampSettingsToScreen(m_settings, room.width(), room.height(), screen->logicalDotsPerInchY());
}

void TMainFrm::ApplyStretchLayout(bool midStretch)
{
    m_settings.MidStretchFlg = midStretch;
    {
        const QSignalBlocker blocker(CheckBox3);
        CheckBox3->setChecked(!midStretch);
    }
    // The area that does not stretch keeps its height when the window is resized.
    Splitter1->setStretchFactor(0, midStretch ? 1 : 0);
    Splitter1->setStretchFactor(1, midStretch ? 0 : 1);
    const int total = qMax(Splitter1->height(), 1) > 100
                          ? Splitter1->height() - Splitter1->handleWidth()
                          : m_settings.PanelAHeight + m_settings.UnderHeight;
    if (midStretch) {
        const int under = qMax(PageControl1->minimumHeight(), m_settings.UnderHeight);
        Splitter1->setSizes({qMax(1, total - under), under});
    } else {
        const int upper = qMax(1, m_settings.PanelAHeight);
        Splitter1->setSizes({upper, qMax(1, total - upper)});
    }
    KeepStretchingAreaVisible();
}

// The area that does not stretch keeps its height only while the other keeps a third of
// the room: a height taken while maximised would otherwise leave the word list one row
// high after the window is restored.
void TMainFrm::KeepStretchingAreaVisible()
{
    const QList<int> sizes = Splitter1->sizes();
    if (sizes.size() != 2 || !Splitter1->isVisible())
        return;
    const int total = sizes[0] + sizes[1];
    const int fixedIndex = m_settings.MidStretchFlg ? 1 : 0;
    QWidget *stretching = Splitter1->widget(1 - fixedIndex);
    const int keep = qMax(stretching->minimumSizeHint().height(),
                          qMax(stretching->minimumHeight(), total / 3));
    if (sizes[fixedIndex] <= total - keep || total <= keep)
        return;
    QList<int> fitted = sizes;
    fitted[fixedIndex] = total - keep;
    fitted[1 - fixedIndex] = keep;
    Splitter1->setSizes(fitted);
}

void TMainFrm::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    KeepStretchingAreaVisible();
    // The panels have their new widths now: the texts are fitted again.
    for (int panel = 0; panel < 2; ++panel)
        setStatusPanelText(panel, m_statusTexts[panel]);
}

void TMainFrm::CheckBox3Click()
{
    // Keep the heights the user has dragged before switching which one is fixed.
    if (m_shownOnce) {
        m_settings.PanelAHeight = PanelA->height();
        m_settings.UnderHeight = PageControl1->height();
    }
    ApplyStretchLayout(!CheckBox3->isChecked());
}

void TMainFrm::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (m_shownOnce)
        return;
    m_shownOnce = true;
    // The splitters know their real size only now.
    Splitter4->setSizes({m_settings.FontPanelWidth, qMax(64, Splitter4->width())});
    Splitter2->setSizes(
        {qMax(1, Splitter2->width() - m_settings.PADWidth), qMax(350, m_settings.PADWidth)});
    ApplyStretchLayout(m_settings.MidStretchFlg);
    Memo1->setFocus();
}

void TMainFrm::PlaceWindow()
{
    const WindowRect &r = m_settings.MainFrm;
    const QScreen *screen = QGuiApplication::primaryScreen();
    const QRect screenRect = screen ? screen->geometry() : QRect(0, 0, 900, 690);
    bool visible = false;
    if (r.isSet() && r.width() > 0 && r.height() > 0) {
        // A rectangle saved on a screen that is gone would open the window out of reach.
        const QRect saved(r.left, r.top, r.width(), r.height());
        for (const QScreen *s : QGuiApplication::screens())
            visible = visible || s->geometry().intersects(saved);
    }
    if (visible) {
        move(r.left, r.top);
        resize(r.width(), r.height());
    } else {
        resize(900, 690);
        move((screenRect.width() - 900) / 2, (screenRect.height() - 690) / 2);
    }
    setWindowTitle(QStringLiteral("VelmorUC"));
    Memo1->setFocus();
}

void TMainFrm::ReleaseTables()
{
    Input->ReleaseTables();
}

void TMainFrm::RefreshSettingsFromWindow()
{
    // Sizes of a window that was never shown are not the user's.
    if (m_shownOnce) {
        m_settings.PanelAHeight = PanelA->height();
        m_settings.UnderHeight = PageControl1->height();
        m_settings.FontPanelWidth = qMax(MinFontPanelWidth, Panel10->width());
        m_settings.PADWidth = PageControl2->width();
    }
    int *widths[7] = {&m_settings.LV1Col1Width, &m_settings.LV1Col2Width, &m_settings.LV1Col3Width,
                      &m_settings.LV1Col4Width, &m_settings.LV1Col5Width, &m_settings.LV1Col6Width,
                      &m_settings.LV1Col7Width};
    for (int c = 0; c < 7; ++c)
        *widths[c] = ListView1->columnWidth(c);

    const QRect frame =
        isMaximized() || isMinimized() || isFullScreen() ? normalGeometry() : QRect(pos(), size());
    m_settings.MainFrm = {frame.left(), frame.top(), frame.left() + frame.width(),
                          frame.top() + frame.height()};
}

void TMainFrm::FormClose()
{
    if (m_closed)
        return;
    m_closed = true;
    ReleaseTables();
    if (m_noSaveFlg)
        return;
    RefreshSettingsFromWindow();
    ClampToScreen();
    const WriteResult saved =
        SaveSettings(m_folders.SysFolder + u'/' + QString::fromUtf16(SettingsFileName), m_settings);
    if (!saved)
        m_platform.dialogs->warning(saved.errorMessage);
    const WriteResult side = SaveSideSettings(
        m_folders.SysFolder + u'/' + QString::fromUtf16(SideSettingsFileName), m_settings);
    if (!side)
        m_platform.dialogs->warning(side.errorMessage);
}

void TMainFrm::closeEvent(QCloseEvent *event)
{
    FormClose();
    event->accept();
}
