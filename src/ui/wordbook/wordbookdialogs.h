// The dialogs that create, change and delete whole word books.
#pragma once

#include "wordbookfile.h"

#include <QDialog>

class Dialogs;
class GroupSelector;
class QLabel;
class QLineEdit;
class QPushButton;
struct AppFolders;
struct Settings;

// The three fields that the creation and property dialogs share.
class WordBookFieldsDialog : public QDialog
{
    Q_OBJECT

public:
    QLineEdit *Edit1 = nullptr;          // title
    GroupSelector *ComboBox1 = nullptr;  // group
    QLineEdit *Edit2 = nullptr;          // voice folder
    QPushButton *BrowseBtn = nullptr;    // "参照"
    QPushButton *OKBtn = nullptr;
    QPushButton *CancelBtn = nullptr;

    void BrowseBtnClick();

protected:
    WordBookFieldsDialog(const QString &caption, const QStringList &texts, const QString &okCaption,
                         const AppFolders &folders, Settings &settings, Dialogs &dialogs,
                         QWidget *parent);
    virtual void OKBtnClick() = 0;

    const AppFolders &m_folders;
    Settings &m_settings;
    Dialogs &m_dialogs;
};

class TNewWBFrm : public WordBookFieldsDialog
{
    Q_OBJECT

public:
    TNewWBFrm(const AppFolders &folders, Settings &settings, Dialogs &dialogs,
              QWidget *parent = nullptr);
    // The created file, once the dialog was accepted.
    QString createdPath() const { return m_createdPath; }
    void OKBtnClick() override;

private:
    QString m_createdPath;
};

class TChPropFrm : public WordBookFieldsDialog
{
    Q_OBJECT

public:
    TChPropFrm(const WordBook &book, const AppFolders &folders, Settings &settings,
               Dialogs &dialogs, QWidget *parent = nullptr);
    // The book with the new header, once the dialog was accepted.
    const WordBook &book() const { return m_book; }
    void OKBtnClick() override;

private:
    WordBook m_book;
};

class TDelWBFrm : public QDialog
{
    Q_OBJECT

public:
    TDelWBFrm(const WordBook &book, const QString &folder, Dialogs &dialogs,
              QWidget *parent = nullptr);
    QLineEdit *TitleEdit;
    QLineEdit *FileEdit;
    QPushButton *DeleteBtn;
    QPushButton *CancelBtn;
    void DeleteBtnClick();

private:
    QString m_folder;
    QString m_fileName;
    Dialogs &m_dialogs;
};
