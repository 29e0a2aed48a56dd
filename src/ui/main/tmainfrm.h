// The main window: created through the fixed start-up steps, it owns the settings
// record and everything else the run needs. Controls and commands carry the names of
// the window description as their objectName.
#pragma once

#include <QMainWindow>

#include "folders.h"
#include "platform.h"
#include "settings.h"

class FontFamilyBox;
class InputController;
struct OptionTargets;
class QAbstractButton;
class QAction;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QPlainTextEdit;
class QRadioButton;
class QSplitter;
class QStandardItemModel;
class QStatusBar;
class QTabWidget;
class QTableView;
class QTimer;
class QToolButton;
class TShape;
class TSearchPage;
class TSymbolPalette;
class TransferController;
class WordBookController;
class WordCommandController;

class QFontMetrics;

// The text a status panel shows in room pixels: whole when it fits, else shortened in the
// middle, of a 「title」 the title alone.
QString FitStatusText(const QString &text, const QFontMetrics &metrics, int room);

class TMainFrm : public QMainWindow
{
    Q_OBJECT

public:
    TMainFrm(const Platform &platform, const AppFolders &folders, QWidget *parent = nullptr);
    ~TMainFrm() override;

    Settings &settings() { return m_settings; }
    const Settings &settings() const { return m_settings; }
    AppFolders &folders() { return m_folders; }
    const AppFolders &folders() const { return m_folders; }
    const Platform &platform() const { return m_platform; }
    WindowPlaces &windowPlaces() { return m_windowPlaces; }

    // Set by the customisation reset: the settings are not saved on close.
    void setNoSaveFlg(bool on) { m_noSaveFlg = on; }
    bool noSaveFlg() const { return m_noSaveFlg; }

    // Places the window from the saved rectangle, or 900 x 690 centred, and puts the
    // focus into the pad.
    void PlaceWindow();
    // The close handler's work: releases the tables and saves the settings.
    void FormClose();
    // Takes the sizes the user changes by dragging back into the settings.
    void RefreshSettingsFromWindow();

    // Which area takes the remaining height: the pad area (on) or the word list (off).
    void ApplyStretchLayout(bool midStretch);

    // Pad text file commands.
    void OpenPadText();
    void SavePadText();
    void SavePadTextAs();
    QString padFileName() const { return m_padFileName; }
    QString padDialogFolder() const { return m_padDialogFolder; }

    // Status bar panels 0 (open word book) and 1 (word-book folder).
    void setStatusPanelText(int panel, const QString &text);
    QString statusPanelText(int panel) const;

    // The pad's text with "\n" line breaks, every character as typed (no blank
    // substituted for a no-break space).
    QString padText() const;
    void setPadText(const QString &text);
    // Makes the path the current word-book folder and shows it in the status bar.
    void SetWordBookFolder(const QString &path);

    // The word-list tab: word-book list, open book, word list, folders.
    WordBookController *wordBooks() const { return m_wordBooks; }

    // Word commands: register, edit, move, delete, jump and colour single words.
    WordCommandController *WordCommands = nullptr;

    // Switches to the user's Japanese input method (imechoice.h): for the windows this
    // one opens, before a field for Japanese or phonetic input takes the keys.
    void SelectJapaneseLayout();

    // What the options dialog changes in this window.
    OptionTargets optionTargets();

    // Runs a command only when it is enabled, as every trigger of it does.
    static bool RunCommand(QAction *command);

    // ---- Controls --------------------------------------------------------------------
    QMenuBar *MainMenu1 = nullptr;
    QFrame *ControlBar1 = nullptr;
    QFrame *Panel4 = nullptr;
    QFrame *Panel5 = nullptr;
    QFrame *Panel6 = nullptr;
    QFrame *Panel10 = nullptr;
    QSplitter *Splitter4 = nullptr;
    QFrame *Panel9 = nullptr;
    FontFamilyBox *ComboBox1 = nullptr; // font
    QComboBox *ComboBox2 = nullptr; // size
    QComboBox *ComboBox3 = nullptr; // language
    QCheckBox *CheckBox3 = nullptr; // "下伸び"
    TShape *Shape1 = nullptr;
    QToolButton *TransSpBtn = nullptr;
    QLabel *Label3 = nullptr;
    QLineEdit *Edit2 = nullptr;
    QCheckBox *CheckBox2 = nullptr;
    QList<QToolButton *> toolbarButtons;

    QStatusBar *StatusBar1 = nullptr;
    QWidget *Panel1 = nullptr;
    QSplitter *Splitter1 = nullptr;
    QWidget *PanelA = nullptr;
    QWidget *BufferStrip = nullptr; // 6-pixel strip for the off-screen rich-text buffers
    QSplitter *Splitter2 = nullptr;
    QLineEdit *Edit1 = nullptr;
    QPlainTextEdit *Memo1 = nullptr;
    QTabWidget *PageControl2 = nullptr;
    QWidget *CandPage = nullptr;   // "候補入力"
    QWidget *AccentPage = nullptr; // "ACボタン"
    QWidget *PhonetPage = nullptr; // "発音記号"
    QWidget *TabSheet2 = nullptr;  // "単語帳検索"
    TSearchPage *SearchPage = nullptr; // the search on TabSheet2
    QTabWidget *PageControl1 = nullptr;
    QWidget *WordListPage = nullptr; // "単語リスト"
    QWidget *PalettePage = nullptr;  // "記号奥の手"
    TSymbolPalette *SymbolPalette = nullptr;
    QSplitter *Splitter3 = nullptr;
    QTableView *ListView1 = nullptr;
    QFrame *Panel7 = nullptr;
    QFrame *Panel8 = nullptr;
    QToolButton *NewSpBtn = nullptr;
    QToolButton *DicSpBtn = nullptr;
    QToolButton *ChangeBtn = nullptr;
    QToolButton *SpeedButton2 = nullptr;
    QCheckBox *CheckBox1 = nullptr;
    QRadioButton *RadioButton1 = nullptr;
    QRadioButton *RadioButton2 = nullptr;
    QTableView *ListView2 = nullptr;
    QMenu *PopupMenu1 = nullptr; // word list
    QMenu *PopupMenu5 = nullptr; // word-book list
    QMenu *PopupMenu2 = nullptr; // folder menu of ChangeBtn
    QMenu *TransModeMenu = nullptr;

    // Input: trigger-key typing, the candidate windows and the "候補入力" page.
    InputController *Input = nullptr;

    QTimer *TransTimer1 = nullptr;
    QTimer *PasteTimer = nullptr;
    QTimer *DoorTimer = nullptr;
    // Transfer: the modes menu, the transfer command and the target tracking.
    TransferController *Transfers = nullptr;

    // ---- Named commands --------------------------------------------------------------
    QAction *RegWord = nullptr;
    QAction *ModWord = nullptr;
    QAction *MoveWord = nullptr;
    QAction *JumpWord = nullptr;
    QAction *DeleteWord = nullptr;
    QAction *ChangeColor = nullptr;
    QAction *CreateWB = nullptr;
    QAction *ChangeProp = nullptr;
    QAction *DeleteWB = nullptr;
    QAction *CloseWB = nullptr;
    QAction *EditGroup = nullptr;
    QAction *WBEditor = nullptr;
    QAction *DispSeaView = nullptr;
    QAction *CallWMP = nullptr;
    QAction *DispCand = nullptr;
    QAction *DispBand = nullptr;
    QAction *LineMode = nullptr;
    QAction *LatCombine = nullptr;
    QAction *LatDivide = nullptr;
    QAction *OpenSymDB = nullptr;
    QAction *OpenCandEditor = nullptr;
    QAction *IMEChange = nullptr;
    QAction *Settei = nullptr;
    // Menu commands of this window.
    QAction *FileOpen = nullptr;
    QAction *FileSave = nullptr;
    QAction *FileSaveAs = nullptr;
    QAction *FileExit = nullptr;
    QAction *EditUndo = nullptr;
    QAction *EditCut = nullptr;
    QAction *EditCopy = nullptr;
    QAction *EditPaste = nullptr;
    QAction *EditDelete = nullptr;
    QAction *EditSelectAll = nullptr;
    QAction *WordWrapItem = nullptr;
    QAction *ScroBarsItem = nullptr;
    QAction *NoResItem = nullptr;
    QAction *ConvertTool = nullptr;
    QAction *ExportFlashcards = nullptr; // the open book for flashcard programs
    QAction *HtmlListTool = nullptr;
    QAction *CodeChecker = nullptr;
    QAction *HelpContents = nullptr;
    QAction *HelpAbout = nullptr;

Q_SIGNALS:
    // The transfer command was run (F9 or TransSpBtn).
    void transferRequested();

public Q_SLOTS:
    void Transfer();
    void ClearInput();
    void LatCombineExecute();
    void LatDivideExecute();
    void CodeCheckerExecute();
    void ShowAbout();
    void ShowHelp();
    void SetteiExecute();
    void IMEChangeExecute();
    void ComboBox1Change();
    void ComboBox2Change();
    void ComboBox3Change();
    void CheckBox3Click();
    // LineMode: the line window in place of this one, until it closes.
    void LineModeExecute();
    // WBEditor: the open book in the grid editor; after "保存" the folder is scanned
    // again and the book reloaded.
    void WBEditorExecute();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void FormCreate();

    // The creation steps, in the order FormCreate runs them.
    void SetStartValues();
    void LoadSettingsAndFolders();
    void CopyInstalledFilesOnFirstStart();
    void LoadSymbolDatabases();
    void LoadCandidateTables();
    void SetupControls();
    void CreateCommandToolbar();
    void BuildTriggerKeyboardPage();
    void BuildAccentButtons();
    void BuildPhoneticPage();
    void BuildSearchPage();
    void BuildSymbolPalettePage();
    void FillWordBookList();
    void ApplySettings();
    void ClampToScreen();
    void KeepStretchingAreaVisible();

    void ReleaseTables();

    // Parts of SetupControls.
    void CreateCommands();
    void CreateMenus();
    void CreateControlBar();
    void CreateTransferPanel();
    void CreateSelectorPanel();
    void CreatePadArea();
    void CreateWordListArea();
    void CreateStatusBar();
    void CreateTimers();

    QAction *newCommand(const char *name, const QString &caption);
    // A menu entry whose caption differs from its command's: it runs the command and
    // follows its enabled state.
    QAction *addBoundItem(QMenu *menu, QAction *command, const QString &caption);
    void bindButton(QAbstractButton *button, QAction *command);

    void ApplyPadFont();
    void ApplyWordWrap();
    void ApplyScrollBars();
    void UpdateEditCommands();
    // 0 undo, 1 cut, 2 copy, 3 paste, 4 delete, 5 select all, on the focused text field.
    void EditCommandOnFocus(int command);
    QWidget *focusedTextField() const;
    void WritePadText(const QString &path);
    void RememberPadFile(const QString &path);
    void HandleFunctionKey(int key);

    Platform m_platform;
    AppFolders m_folders;
    Settings m_settings;
    WindowPlaces m_windowPlaces;
    WindowRect m_linePlace; // the line window's, for the run
    bool m_noSaveFlg = false;
    WordBookController *m_wordBooks = nullptr;
    bool m_closed = false;
    bool m_shownOnce = false;
    QString m_padFileName;
    QString m_padDialogFolder;
    QLabel *m_statusPanels[2] = {nullptr, nullptr};
    QString m_statusTexts[2];
};
