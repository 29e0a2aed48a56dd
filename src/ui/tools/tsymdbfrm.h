// The symbol database editor: one symbol database file at a time, its rows grouped
// under their groups, an edit area for the selected row, a search by code, and the
// commands to open, save, delete, insert and add rows. Modal; the main window rebuilds
// the tables that a save wrote when it closes.
#pragma once

#include <QDialog>
#include <QStringList>

#include <functional>

#include "folders.h"
#include "platform.h"
#include "settings.h"
#include "symboldb.h"

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QTabWidget;
class SymbolListModel;
class TGlyphImage;
class TSymbolList;

class TSymDBFrm : public QDialog
{
    Q_OBJECT

public:
    // bounds: where the window stood when it last closed in this run; updated on close.
    TSymDBFrm(const Settings &settings, const AppFolders &folders, const Platform &platform,
              WindowRect &bounds, QWidget *parent = nullptr);
    ~TSymDBFrm() override;

    // The full paths the saves wrote while the window was open (tablerebuild.h).
    QStringList savedPaths() const { return m_savedPaths; }
    QString currentFile() const { return m_currentFile; }
    bool readOnly() const { return m_settings.SysTblFlg; }
    SymbolListModel *symbols() const { return m_model; }
    QFont glyphFont() const { return m_glyphFont; }

    // ---- Commands -----------------------------------------------------------------------
    void OpenSymDBFileExecute();
    void SaveSymDBFileExecute();
    void Save2SymDBFileExecute();
    void DeleteAreaExecute();
    void InsertAreaExecute();
    void AddAreaExecute();
    // The search box's text, looked for as typed and on Enter.
    void Edit1Change();

    // ---- Controls -----------------------------------------------------------------------
    QAction *CloseSymDB = nullptr;
    QAction *OpenSymDBFile = nullptr;
    QAction *SaveSymDBFile = nullptr;
    QAction *Save2SymDBFile = nullptr;
    QAction *DeleteArea = nullptr;
    QAction *InsertArea = nullptr;
    QAction *AddArea = nullptr;
    QLineEdit *Edit1 = nullptr; // search
    QTabWidget *PageControl1 = nullptr; // "個別編集"
    TGlyphImage *Image1 = nullptr;     // glyph preview
    QLineEdit *EditNo = nullptr;
    QLineEdit *EditCode = nullptr;
    QLineEdit *EditEnglish = nullptr;
    QLineEdit *EditJapanese = nullptr;
    QComboBox *ComboGroup = nullptr;
    QComboBox *ComboAux = nullptr;
    QLineEdit *EditNotes = nullptr;
    QTabWidget *PageControl2 = nullptr; // "記号DB"
    TSymbolList *ListView1 = nullptr;
    QLabel *StatusFile = nullptr;
    QLabel *StatusFolder = nullptr;

public Q_SLOTS:
    void done(int result) override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void buildToolBar(class QBoxLayout *top);
    QWidget *buildEditArea();
    void loadCurrentFile();
    void setStatus(bool labelled);
    void fillGroupList();
    void rowSelected(qsizetype record);
    void clearEditArea();
    void updatePreview();
    void updateActions();
    void fitColumns();
    // Writes the database after asking about the rows a save leaves out.
    bool writeTo(const QString &path);
    qint32 chosenGroup() const;
    void insertAt(qsizetype position, qint32 group);
    void editRow(const std::function<void(SymbolRecord &)> &change);

    const Settings &m_settings;
    const AppFolders &m_folders;
    Platform m_platform;
    WindowRect &m_bounds;
    SymbolListModel *m_model = nullptr;
    QString m_currentFile;
    QFont m_glyphFont;
    bool m_loaded = false;
    QStringList m_savedPaths;
};
