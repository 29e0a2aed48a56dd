// The candidate-order editor: for each trigger key the symbols offered and their order,
// chosen by their No in a symbol database shown beside it, stored by code in one
// candidate-order file. Modal; the main window rebuilds the tables a save wrote when
// it closes.
#pragma once

#include <QDialog>
#include <QList>
#include <QStringList>

#include "folders.h"
#include "platform.h"
#include "settings.h"

class QAction;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class SymbolListModel;
class TCandKeyboard;
class TGlyphImage;
class TSymbolList;

class TCandEditorFrm : public QDialog
{
    Q_OBJECT

public:
    TCandEditorFrm(const Settings &settings, const AppFolders &folders, const Platform &platform,
                   WindowRect &bounds, QWidget *parent = nullptr);
    ~TCandEditorFrm() override;

    QStringList savedPaths() const { return m_savedPaths; }
    bool readOnly() const { return m_settings.SysTblFlg; }
    bool hasContent() const { return m_hasContent; }
    QStringList content() const { return m_lines; }
    QString candidateFile() const { return m_candidateFile; }
    QString symbolFile() const { return m_symbolFile; }
    bool recognised() const { return m_recognised; }
    SymbolListModel *symbols() const { return m_model; }
    QChar selectedKey() const { return m_selectedKey; }

    // ---- Commands -----------------------------------------------------------------------
    void OpenSymDBExecute();
    void OpenCandFileExecute();
    void SaveCandFileExecute();
    void Save2CandFileExecute();
    void NewCandFileExecute();
    void SelectKey(QChar key);
    void RegisterExecute();
    void JumpExecute();

    // ---- Controls -----------------------------------------------------------------------
    QAction *CloseCandEditor = nullptr;
    QAction *OpenSymDB = nullptr;
    QAction *OpenCandFile = nullptr;
    QAction *SaveCandFile = nullptr;
    QAction *Save2CandFile = nullptr;
    QAction *NewCandFile = nullptr;
    QLabel *SymDBName = nullptr; // the sunken text beside "■記号DBファイル："
    TSymbolList *ListView1 = nullptr;
    QList<TGlyphImage *> SlotImages;
    QList<QLineEdit *> NoEdits;
    QPushButton *RegBtn = nullptr;  // "登録"
    QPushButton *JumpBtn = nullptr; // "Jump"
    QListWidget *ListBox1 = nullptr;
    TCandKeyboard *KeyBoard1 = nullptr;
    QLabel *StatusFile = nullptr;
    QLabel *StatusFolder = nullptr;

public Q_SLOTS:
    void done(int result) override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QWidget *buildTopBar();
    QWidget *buildEditorPage();
    void loadSymbolDatabase();
    void loadCandidateFile();
    void closeContent();
    void save(const QString &path);
    void setSlotsEnabled(bool on);
    void clearSlots();
    void showSlotGlyph(int slot);
    void recolourKeys();
    void setStatus(const QString &file, const QString &folder);
    void updateActions();

    const Settings &m_settings;
    const AppFolders &m_folders;
    Platform m_platform;
    WindowRect &m_bounds;
    SymbolListModel *m_model = nullptr;
    QList<QChar> m_keys;
    QString m_symbolFile;
    QFont m_glyphFont;
    QString m_candidateFile;
    bool m_hasContent = false;
    QStringList m_lines;
    bool m_recognised = false;
    bool m_modified = false; // registered since the content was loaded, made or saved
    bool m_canSave = false;  // 上書 and 保存 apply to the content
    QChar m_selectedKey;
    QLineEdit *m_focusedNo = nullptr;
    QStringList m_savedPaths;
};
