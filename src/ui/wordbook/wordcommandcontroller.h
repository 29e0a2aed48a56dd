// The word commands at work: RegWord, ModWord, MoveWord, DeleteWord, JumpWord and
// ChangeColor open their dialogs, change the word list's rows and save the whole open
// book at once. A save that fails is reported with the file's name and leaves the rows
// as the file still has them.
#pragma once

#include <QObject>

#include <optional>

#include "settings.h"
#include "worddialogs.h"
#include "wordlist.h"

class QAction;
class QLineEdit;
class QPlainTextEdit;
class QTableView;
class WordBookController;
struct AppFolders;
struct Platform;

struct WordCommandWidgets
{
    QTableView *ListView1 = nullptr;
    QPlainTextEdit *Memo1 = nullptr;
    QLineEdit *Edit1 = nullptr;
    QAction *RegWord = nullptr;
    QAction *ModWord = nullptr;
    QAction *MoveWord = nullptr;
    QAction *DeleteWord = nullptr;
    QAction *JumpWord = nullptr;
    QAction *ChangeColor = nullptr;
};

class WordCommandController : public QObject
{
    Q_OBJECT

public:
    // regPlace and modPlace: the bounds the two word-form dialogs keep for the run.
    WordCommandController(WordBookController &books, const WordCommandWidgets &widgets,
                          Settings &settings, AppFolders &folders, const Platform &platform,
                          WindowRect &regPlace, WindowRect &modPlace, QWidget *window);

    // The main window's trigger input takes the dialogs' foreign-word and phonetic fields.
    void setTriggerFieldHook(TriggerFieldHook hook) { m_attachTriggerField = std::move(hook); }

    void RegWordExecute();
    void ModWordExecute();
    void MoveWordExecute();
    void DeleteWordExecute();
    void JumpWordExecute();
    void ChangeColorExecute();
    // The colour dialog for the word-book editor's colour field: the value to put into
    // the field, or nothing to change.
    std::optional<QString> ChangeColorForEditor(const QString &fieldText);

    // The selected row of the word list, or -1.
    int selectedRow() const;

    // Saves the book with these rows; on success they become the list's rows with row
    // selected (-1: none) and in view. On failure the warning names the file and the
    // list keeps the rows it had.
    bool StoreRows(const QList<WordEntry> &rows, int row);

private:
    WordFormContext formContext() const;
    QString padText() const;
    void clearInputIfWanted();
    void selectRow(int row);

    WordBookController &m_books;
    WordCommandWidgets w;
    Settings &m_settings;
    AppFolders &m_folders;
    Dialogs &m_dialogs;
    InputMethod *m_inputMethod;
    WindowRect &m_regPlace;
    WindowRect &m_modPlace;
    QWidget *m_window;
    TriggerFieldHook m_attachTriggerField;
};
