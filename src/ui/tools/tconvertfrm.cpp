#include "tconvertfrm.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

#include "dialogs.h"
#include "wordbookcontroller.h"
#include "wordbookconvert.h"
#include "wordbooklibrary.h"
#include "wordbooklistmodel.h"

namespace {

template <typename W> W *named(W *widget, const char *name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QPushButton *pushButton(QWidget *parent, const char *name, const QString &caption)
{
    auto *b = named(new QPushButton(caption, parent), name);
    b->setAutoDefault(false);
    return b;
}

QToolButton *browseButton(QWidget *parent, const char *name)
{
    auto *b = named(new QToolButton(parent), name);
    b->setText(QStringLiteral("参照"));
    b->setMinimumWidth(64);
    return b;
}

QLineEdit *folderField(QWidget *parent, const char *name)
{
    auto *edit = named(new QLineEdit(parent), name);
    edit->setReadOnly(true);
    return edit;
}

} // namespace

TConvertFrm::TConvertFrm(const AppFolders &folders, Dialogs &dialogs, QWidget *parent)
    : QDialog(parent), m_dialogs(dialogs), m_sourceFolder(DefaultSourceFolder(folders)),
      m_targetFolder(folders.WordBookFolder)
{
    setObjectName(QStringLiteral("ConvertFrm"));
    setWindowTitle(QStringLiteral("単語帳変換ツール"));
    setFixedSize(700, 700);

    Edit1 = folderField(this, "Edit1");
    Edit2 = folderField(this, "Edit2");
    SpeedButton1 = browseButton(this, "SpeedButton1");
    SpeedButton2 = browseButton(this, "SpeedButton2");
    ComboBox1 = named(new QComboBox(this), "ComboBox1");
    ComboBox1->setMaxVisibleItems(12);
    for (const SourceFormat &format : SourceFormats())
        ComboBox1->addItem(format.selectorText);
    ComboBox1->setCurrentIndex(DefaultSourceFormat);
    ComboBox1->setMinimumWidth(280);

    ListBox1 = named(new QListWidget(this), "ListBox1");
    ListBox2 = named(new QListWidget(this), "ListBox2");
    for (QListWidget *list : {ListBox1, ListBox2})
        list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    SpeedButton3 = pushButton(this, "SpeedButton3", QStringLiteral("【ヒント】"));
    StartBtn = pushButton(this, "StartBtn", QStringLiteral("開始"));
    StartBtn->setMinimumHeight(40);
    Memo1 = named(new QPlainTextEdit(this), "Memo1");
    Memo1->setReadOnly(true);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Button1 = pushButton(this, "Button1", QStringLiteral("反映する"));
    Button2 = pushButton(this, "Button2", QStringLiteral("閉じる"));
    for (QPushButton *b : {Button1, Button2})
        b->setMinimumWidth(110);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 14, 16, 14);
    layout->addWidget(new QLabel(QStringLiteral("変換元と保存先ﾌｫﾙﾀﾞを指定し開始ボタンを押して下さい。"),
                                 this));
    auto *fields = new QGridLayout;
    fields->addWidget(new QLabel(QStringLiteral("■変換元"), this), 0, 0);
    fields->addWidget(Edit1, 0, 1);
    fields->addWidget(SpeedButton1, 0, 2);
    fields->addWidget(new QLabel(QStringLiteral("■保存先"), this), 1, 0);
    fields->addWidget(Edit2, 1, 1);
    fields->addWidget(SpeedButton2, 1, 2);
    fields->addWidget(new QLabel(QStringLiteral("■対　象"), this), 2, 0);
    fields->addWidget(ComboBox1, 2, 1, Qt::AlignLeft);
    fields->setColumnStretch(1, 1);
    layout->addLayout(fields);

    auto *lists = new QGridLayout;
    lists->addWidget(new QLabel(QStringLiteral("【変換元単語帳ファイル】"), this), 0, 0);
    lists->addWidget(ListBox1, 1, 0);
    auto *middle = new QVBoxLayout;
    auto *arrow = new QLabel(QStringLiteral("⇒"), this);
    QFont arrowFont = arrow->font();
    arrowFont.setPointSizeF(arrowFont.pointSizeF() * 2.5);
    arrow->setFont(arrowFont);
    arrow->setAlignment(Qt::AlignCenter);
    middle->addStretch();
    middle->addWidget(arrow);
    middle->addSpacing(12);
    middle->addWidget(SpeedButton3);
    middle->addSpacing(12);
    middle->addWidget(StartBtn);
    middle->addStretch();
    lists->addLayout(middle, 1, 1);
    lists->addWidget(new QLabel(QStringLiteral("【保存ファイル名】"), this), 0, 2);
    lists->addWidget(ListBox2, 1, 2);
    lists->setColumnStretch(0, 1);
    lists->setColumnStretch(2, 1);
    lists->setColumnMinimumWidth(1, 110);
    layout->addLayout(lists, 3);

    layout->addWidget(new QLabel(QStringLiteral("経過"), this));
    layout->addWidget(Memo1, 2);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Button1);
    buttons->addWidget(Button2);
    layout->addLayout(buttons);

    Edit1->setText(QDir::toNativeSeparators(m_sourceFolder));
    Edit2->setText(QDir::toNativeSeparators(m_targetFolder));
    FillSourceList();
    // The read-only folder fields would take the focus first; the list is what is chosen.
    ListBox1->setFocus();

    connect(ComboBox1, &QComboBox::currentIndexChanged, this, [this] { FillSourceList(); });
    connect(SpeedButton1, &QToolButton::clicked, this, [this] { SpeedButton1Click(); });
    connect(SpeedButton2, &QToolButton::clicked, this, [this] { SpeedButton2Click(); });
    connect(SpeedButton3, &QPushButton::clicked, this, [this] { SpeedButton3Click(); });
    connect(StartBtn, &QPushButton::clicked, this, [this] { StartBtnClick(); });
    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
}

QString TConvertFrm::DefaultSourceFolder(const AppFolders &folders)
{
    // The related program keeps its books beside ours, below the same "Kestrane".
    const QString english =
        QFileInfo(folders.DocumentsRoot).dir().filePath(QStringLiteral("Velmor/EnglishA"));
    return QFileInfo(english).isDir() ? english : QDir::homePath();
}

void TConvertFrm::FillSourceList()
{
    ListBox1->clear();
    ListBox1->addItems(ListSourceFiles(m_sourceFolder, SourcePattern(ComboBox1->currentText())));
    ListBox2->clear();
}

void TConvertFrm::SpeedButton1Click()
{
    const QString chosen = m_dialogs.existingFolder(QStringLiteral("変換元フォルダー"), m_sourceFolder);
    if (chosen.isEmpty())
        return;
    m_sourceFolder = QDir::cleanPath(chosen);
    Edit1->setText(QDir::toNativeSeparators(m_sourceFolder));
    FillSourceList();
}

void TConvertFrm::SpeedButton2Click()
{
    const QString chosen = m_dialogs.existingFolder(QStringLiteral("保存先フォルダー"), m_targetFolder);
    if (chosen.isEmpty())
        return;
    m_targetFolder = QDir::cleanPath(chosen);
    Edit2->setText(QDir::toNativeSeparators(m_targetFolder));
}

void TConvertFrm::SpeedButton3Click()
{
    m_dialogs.information(
        QStringLiteral("(1)変換元に選択状態のファイルがない場合はすべてを変換します。\r\n"
                       "(2)変換元に選択状態のファイルがある場合はその単語帳だけ変換します。\r\n"
                       "(3)保存先に同名のファイル名があった場合は自動で別ファイル名を生成し保存します。"
                       "\r\n"));
}

void TConvertFrm::StartBtnClick()
{
    if (m_running)
        return;
    if (ListBox1->count() > 0 && ListBox1->selectedItems().isEmpty())
        ListBox1->selectAll();
    ListBox2->clear();
    QStringList files;
    for (int i = 0; i < ListBox1->count(); ++i) {
        if (ListBox1->item(i)->isSelected())
            files.append(ListBox1->item(i)->text());
    }
    if (files.isEmpty())
        return;

    Memo1->clear();
    setRunning(true);
    const ForeignWordQuestion ask = [this](const QString &fileName) {
        return m_dialogs.confirm(ForeignWordQuestionText(fileName));
    };
    int converted = 0;
    QString failure;
    for (qsizetype i = 0; i < files.size(); ++i) {
        const ConversionResult r =
            ConvertWordBookFile(QDir(m_sourceFolder).filePath(files[i]), m_targetFolder, ask);
        if (r.written) {
            ListBox2->addItem(r.outputName);
            ListBox2->scrollToBottom();
            Memo1->appendPlainText(QStringLiteral("%1 ⇒ %2（%3 語）")
                                       .arg(files[i], r.outputName)
                                       .arg(r.words));
        }
        if (!r.ok) {
            failure = r.errorMessage;
            if (i + 1 < files.size())
                failure += QStringLiteral("\n残りの %1 ファイルは変換していません。")
                               .arg(files.size() - i - 1);
            Memo1->appendPlainText(failure);
            break;
        }
        ++converted;
        // One file at a time, with the window kept alive between them.
        QCoreApplication::processEvents();
    }
    Memo1->appendPlainText(QStringLiteral("%1 ファイル中 %2 ファイルを変換しました。")
                               .arg(files.size())
                               .arg(converted));
    setRunning(false);
    if (!failure.isEmpty())
        m_dialogs.warning(failure);
}

void TConvertFrm::setRunning(bool on)
{
    m_running = on;
    for (QWidget *w : std::initializer_list<QWidget *>{
             ComboBox1, SpeedButton1, SpeedButton2, SpeedButton3, StartBtn, Button1, Button2})
        w->setEnabled(!on);
}

void TConvertFrm::closeEvent(QCloseEvent *event)
{
    if (m_running) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void TConvertFrm::reject()
{
    if (!m_running)
        QDialog::reject();
}

void RescanAfterConversion(WordBookController &books, QTableView *bookList)
{
    const QString open = books.bookOpen() ? books.openBook().fileName : QString();
    books.ScanWordBookFolder();
    if (open.isEmpty())
        return;
    // The scan empties the word list; a book left open without its words would be
    // written back without them by the next word command.
    if (!books.LoadBook(open)) {
        books.CloseWBExecute();
        return;
    }
    const int row = FindWordBookRow(books.bookListModel()->rows(), open);
    if (row >= 0 && bookList)
        bookList->selectRow(row);
}
