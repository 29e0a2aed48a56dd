#include "thtmllistfrm.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "dialogs.h"
#include "fontfamilies.h"
#include "htmllist.h"
#include "shell.h"
#include "textfile.h"
#include "tdocumentfrm.h"

THtmlListFrm::THtmlListFrm(const Settings &settings, const AppFolders &folders,
                           const Platform &platform, QWidget *parent)
    : QDialog(parent), m_settings(settings), m_folders(folders), m_platform(platform)
{
    setObjectName(QStringLiteral("HtmlListFrm"));
    setWindowTitle(QStringLiteral("一覧HTML作成ツール"));
    setFixedWidth(800);
    setMinimumHeight(600);

    auto *layout = new QVBoxLayout(this);
    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(8);
    layout->addLayout(grid);

    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setEditable(true);
    ComboBox1->addItems(candidateFiles());
    ComboBox1->setCurrentIndex(-1);
    ComboBox2 = new QComboBox(this);
    ComboBox2->setObjectName(QStringLiteral("ComboBox2"));
    ComboBox2->setMaxVisibleItems(20);
    ComboBox2->addItems(ScalableFontFamilies(QFontDatabase::Latin,
                                             {m_settings.UsrSubFont, m_settings.UsrMainFont}));
    ComboBox3 = new QComboBox(this);
    ComboBox3->setObjectName(QStringLiteral("ComboBox3"));
    ComboBox3->setMaxVisibleItems(8);
    for (int size = 120; size <= 200; size += 10)
        ComboBox3->addItem(QString::number(size));
    ComboBox3->setCurrentText(QStringLiteral("160"));
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit2 = new QLineEdit(this);
    Edit2->setObjectName(QStringLiteral("Edit2"));

    grid->addWidget(new QLabel(QStringLiteral("■候補順ファイル名："), this), 0, 0);
    grid->addWidget(ComboBox1, 0, 1);
    auto *hint = new QLabel(QStringLiteral("候補順ファイル名を指定し\n下のボタンを順に押します。"), this);
    grid->addWidget(hint, 0, 2, 2, 1);
    grid->addWidget(new QLabel(QStringLiteral("■フォントと文字サイズ指定："), this), 1, 0);
    auto *fontRow = new QHBoxLayout;
    fontRow->addWidget(ComboBox2, 1);
    fontRow->addWidget(ComboBox3);
    grid->addLayout(fontRow, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("■タイトル："), this), 2, 0);
    grid->addWidget(Edit1, 2, 1);
    grid->addWidget(new QLabel(QStringLiteral("■HTMLファイル名（出力）："), this), 3, 0);
    grid->addWidget(Edit2, 3, 1);
    grid->setColumnStretch(1, 1);

    auto *buttons = new QHBoxLayout;
    Button1 = new QPushButton(QStringLiteral("1.生成"), this);
    Button2 = new QPushButton(QStringLiteral("2.保存"), this);
    Button3 = new QPushButton(QStringLiteral("3.表示"), this);
    int n = 1;
    for (QPushButton *b : {Button1, Button2, Button3}) {
        b->setObjectName(QStringLiteral("Button%1").arg(n++));
        b->setAutoDefault(false);
        b->setMinimumWidth(110);
        buttons->addWidget(b);
    }
    buttons->addStretch(1);
    layout->addLayout(buttons);

    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo1->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    layout->addWidget(Memo1, 1);

    auto *bottom = new QHBoxLayout;
    bottom->addStretch(1);
    Button4 = new QPushButton(QStringLiteral("閉じる"), this);
    Button4->setObjectName(QStringLiteral("Button4"));
    Button4->setAutoDefault(false);
    bottom->addWidget(Button4);
    layout->addLayout(bottom);

    connect(ComboBox1, &QComboBox::currentTextChanged, this, &THtmlListFrm::ComboBox1Change);
    connect(Button1, &QPushButton::clicked, this, &THtmlListFrm::GenerateExecute);
    connect(Button2, &QPushButton::clicked, this, &THtmlListFrm::SaveExecute);
    connect(Button3, &QPushButton::clicked, this, &THtmlListFrm::ShowExecute);
    connect(Button4, &QPushButton::clicked, this, &QDialog::accept);

    chooseFont(m_settings.UsrMainFont);
    Memo1->clear();
    resize(800, 600);
    if (parent)
        move(parent->geometry().center() - QPoint(400, 300));
}

QStringList THtmlListFrm::candidateFiles() const
{
    // The table tool works in the user's folder, whatever folder the tables come from.
    // Without QDir::CaseSensitive the pattern matches as on the desktop it comes from.
    return QDir(m_folders.UserTableFolder)
        .entryList({QStringLiteral("Cand*.csv")}, QDir::Files, QDir::Name);
}

void THtmlListFrm::chooseFont(const QString &family)
{
    const int index = ComboBox2->findText(family);
    if (index >= 0)
        ComboBox2->setCurrentIndex(index);
}

void THtmlListFrm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (m_shown)
        return;
    m_shown = true;
    if (ComboBox1->count() > 0) {
        ComboBox1->setCurrentIndex(0);
        ComboBox1Change();
    }
}

void THtmlListFrm::ComboBox1Change()
{
    const QString name = ComboBox1->currentText();
    Edit2->setText(HtmlListFileName(name));
    const HtmlListChoice choice = HtmlListChoiceFor(name, m_settings.PhCandFile);
    Edit1->setText(choice.title);
    if (choice.font == HtmlListFont::SubFont)
        chooseFont(m_settings.UsrSubFont);
    else if (choice.font == HtmlListFont::MainFont)
        chooseFont(m_settings.UsrMainFont);
}

void THtmlListFrm::GenerateExecute()
{
    const QString path = m_folders.UserTableFolder + u'/' + ComboBox1->currentText();
    if (ComboBox1->currentText().isEmpty() || !QFileInfo(path).isFile())
        return;
    const TextReadResult read = ReadTextFile(path, TextFileKind::Table);
    if (!read.ok) {
        m_platform.dialogs->warning(read.errorMessage);
        return;
    }
    HtmlListOptions options;
    options.title = Edit1->text();
    options.font = ComboBox2->currentText();
    options.size = ComboBox3->currentText();
    options.fileName = ComboBox1->currentText();
    Memo1->setPlainText(HtmlListPage(options, read.lines).join(u'\n'));
}

void THtmlListFrm::SaveExecute()
{
    const QString name = Edit2->text().trimmed();
    if (name.isEmpty()) {
        m_platform.dialogs->warning(QStringLiteral("保存するファイル名(*.html)を入力して下さい。"));
        return;
    }
    const QStringList lines = SplitTextLines(Memo1->toPlainText());
    const WriteResult written = SaveHtmlList(m_folders.UserTableFolder + u'/' + name, lines);
    if (!written)
        m_platform.dialogs->warning(written.errorMessage);
}

void THtmlListFrm::ShowExecute()
{
    if (Edit2->text().trimmed().isEmpty())
        return;
    OpenDocument(m_platform.shell, m_platform.dialogs, this,
                 m_folders.TableFolder + u'/' + Edit2->text().trimmed(), DocumentFallback::Window);
}
