// "単語帳変換ツール": lists the books of one foreign format in a source folder and
// converts the chosen ones into ".utx" books of a target folder.
#pragma once

#include <QDialog>

#include "folders.h"

class Dialogs;
class QComboBox;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QTableView;
class QToolButton;
class WordBookController;

class TConvertFrm : public QDialog
{
    Q_OBJECT

public:
    // The dialog is accepted by "反映する": the caller then rescans its word-book list.
    TConvertFrm(const AppFolders &folders, Dialogs &dialogs, QWidget *parent = nullptr);

    // ~/Documents/Kestrane/Velmor/EnglishA when it exists, else the home folder.
    static QString DefaultSourceFolder(const AppFolders &folders);

    QString sourceFolder() const { return m_sourceFolder; }
    QString targetFolder() const { return m_targetFolder; }
    bool running() const { return m_running; }

    void FillSourceList();
    void SpeedButton1Click(); // source folder
    void SpeedButton2Click(); // target folder
    void SpeedButton3Click(); // hint
    void StartBtnClick();

    QComboBox *ComboBox1 = nullptr;
    QLineEdit *Edit1 = nullptr;
    QLineEdit *Edit2 = nullptr;
    QToolButton *SpeedButton1 = nullptr;
    QToolButton *SpeedButton2 = nullptr;
    QPushButton *SpeedButton3 = nullptr;
    QPushButton *StartBtn = nullptr;
    QListWidget *ListBox1 = nullptr;
    QListWidget *ListBox2 = nullptr;
    QPlainTextEdit *Memo1 = nullptr;
    QPushButton *Button1 = nullptr; // "反映する"
    QPushButton *Button2 = nullptr; // "閉じる"

protected:
    void closeEvent(QCloseEvent *event) override;
    void reject() override;

private:
    void setRunning(bool on);

    Dialogs &m_dialogs;
    QString m_sourceFolder;
    QString m_targetFolder;
    bool m_running = false;
};

// After "反映する": the word-book list read again, the open book (if any) reloaded so
// that its words stay in the list.
void RescanAfterConversion(WordBookController &books, QTableView *bookList);
