// The word-list tab at work: the word-book list of the current folder, the open book
// and its word list, the book commands, the fold animation, the folder choice and
// the voice playback of a double-clicked word. The main window creates the widgets
// and actions and hands them over; this class gives them their behaviour.
#pragma once

#include "folders.h"
#include "settings.h"
#include "wordbookfile.h"
#include "wordbookfolders.h"
#include "wordbooklibrary.h"
#include "wordlist.h"
#include "wordlistmodel.h"

#include <QObject>

#include <functional>

class Dialogs;
class InputMethod;
class QAction;
class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QRadioButton;
class QTableView;
class QTimer;
class QToolButton;
class Shell;
class VoicePlayback;
class WordBookListModel;
class WordListDelegate;
class WordListModel;

struct WordBookWidgets
{
    QTableView *ListView1 = nullptr; // word list
    QTableView *ListView2 = nullptr; // word-book list
    QFrame *Panel7 = nullptr;        // the foldable word-book panel
    QList<QLabel *> headerLabels;    // "■単語帳", "メニュー"
    QToolButton *NewSpBtn = nullptr;
    QToolButton *DicSpBtn = nullptr;
    QToolButton *ChangeBtn = nullptr;
    QToolButton *SpeedButton2 = nullptr;
    QCheckBox *CheckBox1 = nullptr;
    QRadioButton *RadioButton1 = nullptr;
    QRadioButton *RadioButton2 = nullptr;
    QMenu *PopupMenu2 = nullptr; // folder menu of ChangeBtn
    QTimer *DoorTimer = nullptr;
    QPlainTextEdit *Memo1 = nullptr;
    QLineEdit *Edit1 = nullptr;

    QAction *CreateWB = nullptr;
    QAction *ChangeProp = nullptr;
    QAction *DeleteWB = nullptr;
    QAction *CloseWB = nullptr;
    QAction *EditGroup = nullptr;
    QAction *WBEditor = nullptr;
    QAction *RegWord = nullptr;
    QAction *JumpWord = nullptr;
    QAction *ModWord = nullptr;
    QAction *MoveWord = nullptr;
    QAction *DeleteWord = nullptr;
    QAction *ChangeColor = nullptr;
};

class WordBookController : public QObject
{
    Q_OBJECT

public:
    // setStatus shows a text in a status-bar panel (0: open book, 1: folder).
    WordBookController(const WordBookWidgets &widgets, Settings &settings, AppFolders &folders,
                       Dialogs &dialogs, Shell *shell, WindowRect &playerPlace,
                       std::function<void(int, const QString &)> setStatus,
                       QWidget *dialogParent);
    ~WordBookController() override;

    // The Japanese fields of the book dialogs switch to this input method; may be null.
    void setInputMethod(InputMethod *inputMethod) { m_inputMethod = inputMethod; }

    // ---- Word-book list ---------------------------------------------------------------
    void ScanWordBookFolder();
    // A click on a row of the word-book list.
    void OpenSelectedBook();
    // Opens the listed book of this file name as a click would.
    bool OpenListedBook(const QString &fileName);
    void ClickBookColumn(int column);
    void SortBooksByGroup();
    void UpdateBookCount();
    void CloseWBExecute();
    void CreateWBExecute();
    void ChangePropExecute();
    void DeleteWBExecute();
    void EditGroupExecute();

    // ---- Fold button -------------------------------------------------------------------
    void SpeedButton2Click();
    void DoorTimerTick();
    bool panelFolded() const;
    int panelWidth() const;
    void FitBookListColumns();
    void FitNumberColumn();
    // Fits the row fonts once there are words to draw, then the number column.
    void FitListToWords();

    // ---- Word list ---------------------------------------------------------------------
    // Loads a book of WordBookFolder into the list; false when the file is not there.
    bool LoadBook(const QString &fileName);
    // Writes the open book with the rows in their current order.
    WriteResult SaveOpenBook();
    void EmptyWordList();
    void ApplyDirection();
    // Returns the sizes, for the options dialog's labels.
    ListFontSizes FitListFonts();
    // The fonts of the settings changed: fitted now when the list shows words, else with
    // the first words.
    void ListFontsChanged();
    void ClickWordColumn(int column);
    void WordDoubleClicked();
    void UpdateSelectionCommands();
    void setLanguageName(const QString &name);

    // ---- Folders -----------------------------------------------------------------------
    void SetWordBookFolder(const QString &path);
    // The language selector's choice, by index.
    void ChangeLanguage(int index);
    void DicSpBtnClick(bool down);
    void RebuildFolderMenu();
    void BrowseForFolder();

    const WordBook &openBook() const { return m_book; }
    bool bookOpen() const { return !m_book.fileName.isEmpty(); }
    WordListModel *wordListModel() const { return m_words; }
    WordBookListModel *bookListModel() const { return m_books; }
    WordListDelegate *delegate() const { return m_delegate; }
    VoicePlayback *playback() const { return m_playback; }
    const DictionaryToggle &dictionaryToggle() const { return m_dictionary; }
    // The open book with the list's words, as it would be saved.
    WordBook bookWithRows() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void setPanelWidth(int width);
    void setFoldedContentVisible(bool visible);
    void setBookCommands(bool open);
    void setListEnabled(bool on);
    void applyColumnWidths();

    WordBookWidgets w;
    Settings &m_settings;
    AppFolders &m_folders;
    Dialogs &m_dialogs;
    Shell *m_shell;
    InputMethod *m_inputMethod = nullptr;
    std::function<void(int, const QString &)> m_setStatus;
    QWidget *m_dialogParent;

    WordBookListModel *m_books;
    WordListModel *m_words;
    WordListDelegate *m_delegate;
    VoicePlayback *m_playback;
    WordBook m_book; // the open book's header and its kept lines
    WordBookListSort m_bookSort;
    WordListSort m_wordSort;
    DictionaryToggle m_dictionary;
    bool m_folding = false;
    bool m_listFontsFitted = false;
};
