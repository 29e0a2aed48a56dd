// The HTML list tool: turns a candidate-order file of the user table folder into an
// HTML page (generate, edit, save, show in the browser).
#pragma once

#include <QDialog>

#include "folders.h"
#include "platform.h"
#include "settings.h"

class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

class THtmlListFrm : public QDialog
{
    Q_OBJECT

public:
    THtmlListFrm(const Settings &settings, const AppFolders &folders, const Platform &platform,
                 QWidget *parent = nullptr);

    void ComboBox1Change();
    void GenerateExecute(); // "1.生成"
    void SaveExecute();     // "2.保存"
    void ShowExecute();     // "3.表示"
    // The file names offered in ComboBox1.
    QStringList candidateFiles() const;

    QComboBox *ComboBox1 = nullptr; // candidate-order file
    QComboBox *ComboBox2 = nullptr; // font
    QComboBox *ComboBox3 = nullptr; // size
    QLineEdit *Edit1 = nullptr;     // title
    QLineEdit *Edit2 = nullptr;     // output file name
    QPushButton *Button1 = nullptr;
    QPushButton *Button2 = nullptr;
    QPushButton *Button3 = nullptr;
    QPushButton *Button4 = nullptr; // "閉じる"
    QPlainTextEdit *Memo1 = nullptr;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void chooseFont(const QString &family);

    const Settings &m_settings;
    const AppFolders &m_folders;
    Platform m_platform;
    bool m_shown = false;
};
