#include "groupselector.h"

#include "dialogs.h"
#include "groupnames.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

GroupSelector::GroupSelector(const QString &sysFolder, Dialogs *dialogs, QWidget *parent)
    : QComboBox(parent), m_sysFolder(sysFolder), m_dialogs(dialogs)
{
    setEditable(true);
    setMaxVisibleItems(20);
    setInsertPolicy(QComboBox::NoInsert);
    setAttribute(Qt::WA_InputMethodEnabled, true);
    lineEdit()->installEventFilter(this);
    connect(this, &QComboBox::editTextChanged, this, [this](const QString &text) {
        if (!text.trimmed().isEmpty())
            Q_EMIT lastGroupChanged(text);
    });
}

void GroupSelector::fill(const QString &preferred)
{
    const QStringList items = GroupList(m_sysFolder);
    reload(items, PreferredGroupIndex(items, preferred));
}

void GroupSelector::fillKeeping(const QString &group)
{
    const QStringList items = GroupList(m_sysFolder);
    const qsizetype at = items.indexOf(group);
    reload(items, int(at));
    if (at < 0) {
        const QSignalBlocker blocker(this);
        setEditText(group);
    }
}

void GroupSelector::reload(const QStringList &items, int selected)
{
    const QSignalBlocker blocker(this);
    clear();
    addItems(items);
    setCurrentIndex(selected);
    if (selected >= 0)
        setEditText(itemText(selected));
}

void GroupSelector::enterPressed()
{
    QStringList items;
    for (int i = 0; i < count(); ++i)
        items.append(itemText(i));
    const GroupEnterResult result = GroupSelectorEnter(items, currentText());
    if (!result.handled)
        return;
    if (result.writeFile) {
        const WriteResult written = WriteGroupFile(m_sysFolder, result.items);
        if (!written && m_dialogs)
            m_dialogs->warning(written.errorMessage);
        // Reload from the file, as another dialog would see it.
        const QStringList reloaded = written ? GroupList(m_sysFolder) : result.items;
        reload(reloaded, reloaded.isEmpty() ? -1 : 0);
    } else {
        reload(items, result.selectedIndex);
    }
    Q_EMIT lastGroupChanged(result.lastGroup);
}

void GroupSelector::keyPressEvent(QKeyEvent *event)
{
    // The combo box, not its line edit, holds the focus and hands keys on past any
    // filter of the line edit; Enter is caught here, main and keypad alike.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        // Consumed: Enter neither closes nor confirms the dialog.
        enterPressed();
        event->accept();
        return;
    }
    QComboBox::keyPressEvent(event);
}

bool GroupSelector::eventFilter(QObject *watched, QEvent *event)
{
    // A key sent to the line edit itself takes the same way.
    if (watched == lineEdit() && event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            keyPressEvent(key);
            return true;
        }
    }
    return QComboBox::eventFilter(watched, event);
}

TGroupFrm::TGroupFrm(const QString &sysFolder, Dialogs *dialogs, QWidget *parent)
    : QDialog(parent), m_sysFolder(sysFolder), m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("GroupFrm"));
    setWindowTitle(QStringLiteral("グループ名の編集"));
    setFixedSize(478, 440);

    ListBox1 = new QListWidget(this);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setAttribute(Qt::WA_InputMethodEnabled, true);
    const auto button = [this](const char *name, const QString &caption) {
        auto *b = new QPushButton(caption, this);
        b->setObjectName(QLatin1String(name));
        b->setAutoDefault(false);
        return b;
    };
    AddBtn = button("AddBtn", QStringLiteral("追加"));
    InsertBtn = button("InsertBtn", QStringLiteral("挿入"));
    DeleteBtn = button("DeleteBtn", QStringLiteral("削除"));
    UpBtn = button("UpBtn", QStringLiteral("↑"));
    DownBtn = button("DownBtn", QStringLiteral("↓"));
    OKBtn = button("OKBtn", QStringLiteral("OK (F4)"));
    CancelBtn = button("CancelBtn", QStringLiteral("ｷｬﾝｾﾙ"));
    CountLabel = new QLabel(GroupCountLabel(0), this);
    CountLabel->setObjectName(QStringLiteral("CountLabel"));

    auto *right = new QVBoxLayout;
    right->addWidget(Edit1);
    right->addWidget(AddBtn);
    right->addWidget(InsertBtn);
    right->addWidget(DeleteBtn);
    auto *arrows = new QHBoxLayout;
    arrows->addWidget(UpBtn);
    arrows->addWidget(DownBtn);
    right->addLayout(arrows);
    right->addSpacing(12);
    right->addWidget(new QLabel(QStringLiteral("※0個にはできません。"), this));
    right->addWidget(new QLabel(QStringLiteral("※最大30個までです。"), this));
    right->addStretch();
    auto *top = new QHBoxLayout;
    top->addWidget(ListBox1, 1);
    top->addLayout(right);
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(CountLabel);
    bottom->addStretch();
    bottom->addWidget(OKBtn);
    bottom->addWidget(CancelBtn);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addLayout(bottom);

    connect(ListBox1, &QListWidget::itemClicked, this, [this] { ListBox1Click(); });
    connect(AddBtn, &QPushButton::clicked, this, [this] { AddBtnClick(); });
    connect(InsertBtn, &QPushButton::clicked, this, [this] { InsertBtnClick(); });
    connect(DeleteBtn, &QPushButton::clicked, this, [this] { DeleteBtnClick(); });
    connect(UpBtn, &QPushButton::clicked, this, [this] { UpBtnClick(); });
    connect(DownBtn, &QPushButton::clicked, this, [this] { DownBtnClick(); });
    connect(OKBtn, &QPushButton::clicked, this, [this] { OKBtnClick(); });
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    auto *f4 = new QShortcut(QKeySequence(Qt::Key_F4), this);
    connect(f4, &QShortcut::activated, this, [this] {
        if (OKBtn->isEnabled())
            OKBtn->click();
    });

    const GroupFileResult file = ReadGroupFile(m_sysFolder);
    if (file.exists && !file.ok && m_dialogs)
        m_dialogs->warning(file.errorMessage);
    ListBox1->addItems(EditorGroupList(m_sysFolder));
    refreshCount();
    const GroupEditorButtons open = GroupEditorOpenButtons(ListBox1->count());
    AddBtn->setEnabled(open.add);
    InsertBtn->setEnabled(open.insert);
    DeleteBtn->setEnabled(open.remove);
    UpBtn->setEnabled(open.up);
    DownBtn->setEnabled(open.down);
}

QStringList TGroupFrm::names() const
{
    QStringList out;
    for (int i = 0; i < ListBox1->count(); ++i)
        out.append(ListBox1->item(i)->text());
    return out;
}

void TGroupFrm::refreshCount()
{
    CountLabel->setText(GroupCountLabel(ListBox1->count()));
}

void TGroupFrm::applyButtons()
{
    const GroupEditorButtons b = GroupEditorButtonsFor(ListBox1->count(), ListBox1->currentRow());
    AddBtn->setEnabled(b.add);
    InsertBtn->setEnabled(b.insert);
    DeleteBtn->setEnabled(b.remove);
    UpBtn->setEnabled(b.up);
    DownBtn->setEnabled(b.down);
}

void TGroupFrm::ListBox1Click()
{
    applyButtons();
}

void TGroupFrm::AddBtnClick()
{
    const QString text = Edit1->text().trimmed();
    if (text.isEmpty())
        return;
    ListBox1->addItem(text);
    refreshCount();
    applyButtons();
}

void TGroupFrm::InsertBtnClick()
{
    const QString text = Edit1->text().trimmed();
    const int row = ListBox1->currentRow();
    if (text.isEmpty() || row < 0)
        return;
    ListBox1->insertItem(row, text);
    ListBox1->setCurrentRow(row + 1);
    refreshCount();
    applyButtons();
}

void TGroupFrm::DeleteBtnClick()
{
    const int row = ListBox1->currentRow();
    if (row < 0)
        return;
    delete ListBox1->takeItem(row);
    ListBox1->setCurrentRow(-1);
    ListBox1->clearSelection();
    refreshCount();
    applyButtons();
}

void TGroupFrm::UpBtnClick()
{
    const int row = ListBox1->currentRow();
    if (row <= 0)
        return;
    ListBox1->insertItem(row - 1, ListBox1->takeItem(row));
    ListBox1->setCurrentRow(row - 1);
    applyButtons();
}

void TGroupFrm::DownBtnClick()
{
    const int row = ListBox1->currentRow();
    if (row < 0 || row + 1 >= ListBox1->count())
        return;
    ListBox1->insertItem(row + 1, ListBox1->takeItem(row));
    ListBox1->setCurrentRow(row + 1);
    applyButtons();
}

void TGroupFrm::OKBtnClick()
{
    const GroupCountCheck check = CheckGroupCount(ListBox1->count());
    if (check != GroupCountCheck::Ok) {
        m_dialogs->warning(GroupCountWarning(check));
        return;
    }
    const WriteResult written = WriteGroupFile(m_sysFolder, names());
    if (!written) {
        m_dialogs->warning(written.errorMessage);
        return;
    }
    m_dialogs->information(GroupSavedInformation());
    accept();
}
