// "単語帳エディタ": the whole open book in a grid, with a form of single fields for the
// current row. The editor owns a copy of the book; nothing reaches the file before
// "保存", and closing with unsaved changes asks first.
#pragma once

#include <QDialog>

#include <array>
#include <functional>
#include <optional>

#include "editorbook.h"
#include "editorgridview.h"
#include "settings.h"
#include "worddialogs.h"

class Dialogs;
class EditorGridDelegate;
class EditorGridModel;
class QAction;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QStatusBar;
class QTableView;
class QTabWidget;
class QToolButton;
class VoicePlayback;
struct AppFolders;

struct EditorContext
{
    Settings *settings = nullptr;
    const AppFolders *folders = nullptr;
    Dialogs *dialogs = nullptr;
    VoicePlayback *playback = nullptr; // may be null: "音声" does nothing
    QString languageName;
    // The open book: its file name and the header lines the save writes.
    QString fileName;
    QString title;
    QString group;
    QString voiceFolder;
    TriggerFieldHook attachTriggerField;
    // The colour dialog in editor mode: the new field text, or nothing.
    std::function<std::optional<QString>(const QString &)> chooseColour;
};

class TEditorFrm : public QDialog
{
    Q_OBJECT

public:
    static constexpr int FieldCount = 8; // No, then the seven word fields

    TEditorFrm(const EditorContext &context, WindowRect &bounds, QWidget *parent = nullptr);
    ~TEditorFrm() override;

    // Reads the book's file into the grid. ReadFailed: the caller reports errorMessage and
    // does not show the editor, so a save cannot replace a file it never showed.
    EditorBookLoadResult Load();

    // The book as "保存" would write it.
    EditorBook editedBook() const;
    // True when saving would write something other than what was read.
    bool modified() const;

    // ---- Commands -----------------------------------------------------------------------
    void ChooseRow(int row);
    void EdAddExecute();
    void EdInsertExecute();
    void EdDeleteExecute();
    void VoicePlayExecute();
    // Writes the file; true when it was written (the editor then closes).
    bool SaveExitExecute();
    void VoiceRefBtnClick();
    void ColorRefBtnClick();
    void NextRow();     // F9
    void PreviousRow(); // F8

    void reject() override;
    void done(int result) override;

    EditorGridModel *gridModel() const { return m_model; }
    EditorGridDelegate *gridDelegate() const { return m_delegate; }
    bool linked() const { return m_linked; }

    EditorGridView *StringGrid1 = nullptr;
    QTabWidget *GridTab = nullptr;
    QTabWidget *EditTab = nullptr;
    QFrame *MidPanel = nullptr;
    QFrame *Bevel1 = nullptr;
    std::array<QLineEdit *, FieldCount> fields{};
    std::array<QLabel *, FieldCount> labels{};
    QLabel *NoteLabel = nullptr;
    QPushButton *VoiceRefBtn = nullptr;
    QPushButton *ColorRefBtn = nullptr;
    QStatusBar *StatusBar1 = nullptr;
    QLabel *StatusPanel0 = nullptr;
    QLabel *StatusPanel1 = nullptr;
    QList<QToolButton *> toolButtons;

    QAction *CloseEditor = nullptr; // "閉る"
    QAction *SaveExit = nullptr;
    QAction *EdDelete = nullptr;
    QAction *EdInsert = nullptr;
    QAction *EdAdd = nullptr;
    QAction *VoicePlay = nullptr;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void buildToolbar(QWidget *bar);
    void buildMidPanel();
    void layoutMidPanel();
    void fitColumns();
    void setFieldsEnabled(bool on);
    void fieldChanged(int field);
    void cellEdited(int row, int field);
    void paintColourLabel();

    EditorContext m_context;
    WindowRect &m_bounds;
    EditorGridModel *m_model = nullptr;
    EditorGridDelegate *m_delegate = nullptr;
    EditorBook m_loaded; // what was read, to tell whether anything changed
    bool m_linked = true;
    bool m_filling = false;
    bool m_placed = false;
};
