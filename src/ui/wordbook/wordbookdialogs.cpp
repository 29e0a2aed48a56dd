#include "wordbookdialogs.h"

#include "dialogs.h"
#include "folders.h"
#include "groupselector.h"
#include "settings.h"
#include "wordbooklibrary.h"

#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

namespace {

QPushButton *dialogButton(QWidget *parent, const char *name, const QString &caption)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(QLatin1String(name));
    b->setAutoDefault(false);
    b->setMinimumWidth(110);
    return b;
}

// F4 presses the dialog's main button while it is available.
void bindF4(QDialog *dialog, QPushButton *button)
{
    auto *f4 = new QShortcut(QKeySequence(Qt::Key_F4), dialog);
    QObject::connect(f4, &QShortcut::activated, button, [button] {
        if (button->isEnabled())
            button->click();
    });
}

QLabel *fieldLabel(QWidget *parent, const QString &text)
{
    auto *label = new QLabel(text, parent);
    label->setMinimumWidth(110);
    return label;
}

} // namespace

WordBookFieldsDialog::WordBookFieldsDialog(const QString &caption, const QStringList &texts,
                                           const QString &okCaption, const AppFolders &folders,
                                           Settings &settings, Dialogs &dialogs, QWidget *parent)
    : QDialog(parent), m_folders(folders), m_settings(settings), m_dialogs(dialogs)
{
    setWindowTitle(caption);
    setFixedSize(640, 420);

    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setAttribute(Qt::WA_InputMethodEnabled, true);
    ComboBox1 = new GroupSelector(folders.SysFolder, &dialogs, this);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    Edit2 = new QLineEdit(this);
    Edit2->setObjectName(QStringLiteral("Edit2"));
    Edit2->setAttribute(Qt::WA_InputMethodEnabled, false);
    Edit2->setInputMethodHints(Qt::ImhLatinOnly);
    BrowseBtn = dialogButton(this, "BrowseBtn", QStringLiteral("参照"));
    BrowseBtn->setMinimumWidth(70);
    OKBtn = dialogButton(this, "OKBtn", okCaption);
    CancelBtn = dialogButton(this, "CancelBtn", QStringLiteral("ｷｬﾝｾﾙ"));

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 20, 24, 16);
    for (int i = 0; i < 2 && i < texts.size(); ++i)
        layout->addWidget(new QLabel(texts[i], this));
    layout->addSpacing(16);
    auto *grid = new QGridLayout;
    grid->addWidget(fieldLabel(this, QStringLiteral("■タイトル：")), 0, 0);
    grid->addWidget(Edit1, 0, 1, 1, 2);
    grid->addWidget(fieldLabel(this, QStringLiteral("■グループ：")), 1, 0);
    grid->addWidget(ComboBox1, 1, 1, 1, 2);
    grid->addWidget(fieldLabel(this, QStringLiteral("■音声ﾌｫﾙﾀﾞ：")), 2, 0);
    grid->addWidget(Edit2, 2, 1);
    grid->addWidget(BrowseBtn, 2, 2);
    grid->setVerticalSpacing(14);
    layout->addLayout(grid);
    layout->addSpacing(12);
    for (int i = 2; i < texts.size(); ++i) {
        auto *note = new QLabel(texts[i], this);
        note->setWordWrap(true);
        layout->addWidget(note);
    }
    layout->addStretch();
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKBtn);
    buttons->addWidget(CancelBtn);
    layout->addLayout(buttons);

    connect(ComboBox1, &GroupSelector::lastGroupChanged, this,
            [this](const QString &text) { m_settings.LastGroup = text; });
    connect(BrowseBtn, &QPushButton::clicked, this, [this] { BrowseBtnClick(); });
    connect(OKBtn, &QPushButton::clicked, this, [this] { OKBtnClick(); });
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    bindF4(this, OKBtn);
}

void WordBookFieldsDialog::BrowseBtnClick()
{
    const QString chosen =
        m_dialogs.existingFolder(QStringLiteral("音声フォルダを指定します"), m_folders.WordBookFolder);
    if (chosen.isEmpty())
        return;
    Edit2->setText(QDir::cleanPath(chosen));
    Edit2->setCursorPosition(Edit2->text().size());
}

TNewWBFrm::TNewWBFrm(const AppFolders &folders, Settings &settings, Dialogs &dialogs,
                     QWidget *parent)
    : WordBookFieldsDialog(
          QStringLiteral("単語帳の新規作成"),
          {QStringLiteral("○タイトルを入力し、作成ボタンを押すとファイル名"),
           QStringLiteral("指定画面が出ます。ここで空の単語帳ができます。"),
           QStringLiteral("※補足：音声フォルダは後から「単語帳のプロパティ変更」メニューで設定が可能です。"),
           QStringLiteral("指定がない場合、単語帳フォルダがデフォルトの音声フォルダになります。")},
          QStringLiteral("作成(F4)"), folders, settings, dialogs, parent)
{
    setObjectName(QStringLiteral("NewWBFrm"));
    ComboBox1->fill(settings.LastGroup);
    OKBtn->setEnabled(false);
    connect(Edit1, &QLineEdit::textChanged, this,
            [this](const QString &text) { OKBtn->setEnabled(!text.trimmed().isEmpty()); });
    Edit1->setFocus();
}

void TNewWBFrm::OKBtnClick()
{
    const QString title = Edit1->text().trimmed();
    if (title.isEmpty())
        return;
    QString path = m_dialogs.saveFileName(
        QStringLiteral("単語帳の保存"),
        m_folders.WordBookFolder + u'/' + ProposedWordBookFileName(title),
        {QStringLiteral("単語帳 (*.utx)"), QStringLiteral("すべて (*)")}, false);
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".utx");
    const WordBook header =
        NewWordBook(QFileInfo(path).fileName(), title, ComboBox1->currentText(), Edit2->text());
    CreateWordBookResult created = CreateWordBookFile(path, header, false);
    if (created.status == CreateStatus::Exists) {
        // Replacing the file would lose every word in it.
        if (!m_dialogs.confirm(ReplaceWordBookQuestion(path)))
            return;
        created = CreateWordBookFile(path, header, true);
    }
    if (!created.ok()) {
        m_dialogs.warning(created.errorMessage);
        return;
    }
    m_createdPath = path;
    accept();
}

TChPropFrm::TChPropFrm(const WordBook &book, const AppFolders &folders, Settings &settings,
                       Dialogs &dialogs, QWidget *parent)
    : WordBookFieldsDialog(QStringLiteral("単語帳のプロパティ変更"),
                           {QStringLiteral("○ここでは単語帳の属性を変更できます。")},
                           QStringLiteral("OK (F4)"), folders, settings, dialogs, parent),
      m_book(book)
{
    setObjectName(QStringLiteral("ChPropFrm"));
    Edit1->setText(book.title);
    ComboBox1->fillKeeping(book.group);
    Edit2->setText(book.voiceFolder);
    Edit2->setCursorPosition(Edit2->text().size());
    CancelBtn->setFocus();
}

void TChPropFrm::OKBtnClick()
{
    if (!ApplyWordBookProperties(m_book, Edit1->text(), ComboBox1->currentText(), Edit2->text())) {
        m_dialogs.warning(EmptyTitleWarning());
        return;
    }
    accept();
}

TDelWBFrm::TDelWBFrm(const WordBook &book, const QString &folder, Dialogs &dialogs,
                     QWidget *parent)
    : QDialog(parent), m_folder(folder), m_fileName(book.fileName), m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("DelWBFrm"));
    setWindowTitle(QStringLiteral("単語帳の削除"));
    setFixedSize(640, 320);
    TitleEdit = new QLineEdit(book.title, this);
    TitleEdit->setObjectName(QStringLiteral("TitleEdit"));
    TitleEdit->setReadOnly(true);
    FileEdit = new QLineEdit(book.fileName, this);
    FileEdit->setObjectName(QStringLiteral("FileEdit"));
    FileEdit->setReadOnly(true);
    DeleteBtn = dialogButton(this, "DeleteBtn", QStringLiteral("削除(F4)"));
    CancelBtn = dialogButton(this, "CancelBtn", QStringLiteral("ｷｬﾝｾﾙ"));

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 20, 24, 16);
    layout->addWidget(new QLabel(QStringLiteral("単語帳を削除する場合「削除」ボタンを押して下さい。"), this));
    layout->addSpacing(16);
    auto *grid = new QGridLayout;
    grid->addWidget(fieldLabel(this, QStringLiteral("■タイトル：")), 0, 0);
    grid->addWidget(TitleEdit, 0, 1);
    grid->addWidget(fieldLabel(this, QStringLiteral("■ファイル名：")), 1, 0);
    grid->addWidget(FileEdit, 1, 1);
    grid->setVerticalSpacing(14);
    layout->addLayout(grid);
    layout->addStretch();
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(DeleteBtn);
    buttons->addWidget(CancelBtn);
    layout->addLayout(buttons);

    connect(DeleteBtn, &QPushButton::clicked, this, [this] { DeleteBtnClick(); });
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    bindF4(this, DeleteBtn);
    CancelBtn->setFocus();
}

void TDelWBFrm::DeleteBtnClick()
{
    const DeleteWordBookResult deleted = DeleteWordBookFile(m_folder, m_fileName);
    if (deleted.status == DeleteStatus::Missing)
        return;
    if (!deleted.ok()) {
        m_dialogs.warning(deleted.errorMessage);
        return;
    }
    accept();
}
