// The editable group selector of the word-book dialogs, and the group editor.
#pragma once

#include <QComboBox>
#include <QDialog>

class Dialogs;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

class GroupSelector : public QComboBox
{
    Q_OBJECT

public:
    GroupSelector(const QString &sysFolder, Dialogs *dialogs, QWidget *parent = nullptr);
    // Loads the group list and selects the preferred name, else the first item.
    void fill(const QString &preferred);
    // Loads the group list and shows the book's own group as it is, listed or not, so
    // confirming a dialog never moves the book to another group.
    void fillKeeping(const QString &group);
    // The Enter key: selects an existing name, or puts a new one first and saves the list.
    void enterPressed();

Q_SIGNALS:
    // The text last typed or chosen, for LastGroup.
    void lastGroupChanged(const QString &text);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void reload(const QStringList &items, int selected);

    QString m_sysFolder;
    Dialogs *m_dialogs;
};

class TGroupFrm : public QDialog
{
    Q_OBJECT

public:
    TGroupFrm(const QString &sysFolder, Dialogs *dialogs, QWidget *parent = nullptr);

    QListWidget *ListBox1;
    QLineEdit *Edit1;
    QPushButton *AddBtn;
    QPushButton *InsertBtn;
    QPushButton *DeleteBtn;
    QPushButton *UpBtn;
    QPushButton *DownBtn;
    QPushButton *OKBtn;
    QPushButton *CancelBtn;
    QLabel *CountLabel;

    QStringList names() const;
    void ListBox1Click();
    void AddBtnClick();
    void InsertBtnClick();
    void DeleteBtnClick();
    void UpBtnClick();
    void DownBtnClick();
    void OKBtnClick();

private:
    void refreshCount();
    void applyButtons();

    QString m_sysFolder;
    Dialogs *m_dialogs;
};
