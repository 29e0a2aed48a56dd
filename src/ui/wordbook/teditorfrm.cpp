#include "teditorfrm.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QEvent>
#include <QFrame>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QSplitter>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

#include "dialogs.h"
#include "editorgridmodel.h"
#include "editorgridview.h"
#include "folders.h"
#include "qtcolour.h"
#include "toolwidgets.h"
#include "twmplayerfrm.h"
#include "wordcolour.h"
#include "wordlist.h"

namespace {

constexpr int EmptyGridRows = 20; // header row included, as the row counts below
constexpr int MinGridRows = 13;
constexpr int RowPitch = 45;
constexpr int FieldX = 110;
constexpr int RefButtonWidth = 50;
constexpr int ShortFieldWidth = 180;

const char *const kFieldNames[TEditorFrm::FieldCount] = {"Edit0", "Edit1", "Edit2", "Edit3",
                                                         "Edit4", "Edit5", "Edit6", "Edit7"};

} // namespace

TEditorFrm::TEditorFrm(const EditorContext &context, WindowRect &bounds, QWidget *parent)
    : QDialog(parent), m_context(context), m_bounds(bounds)
{
    setObjectName(QStringLiteral("EditorFrm"));
    setWindowTitle(QStringLiteral("単語帳エディタ"));
    setSizeGripEnabled(true);
    const Settings &s = *m_context.settings;

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 0);
    auto *bar = new QWidget(this);
    bar->setObjectName(QStringLiteral("ToolPanel"));
    bar->setFixedHeight(74);
    buildToolbar(bar);
    layout->addWidget(bar);

    auto *split = new QSplitter(Qt::Vertical, this);
    split->setChildrenCollapsible(false);
    GridTab = new QTabWidget(split);
    GridTab->setObjectName(QStringLiteral("GridTab"));
    StringGrid1 = new EditorGridView(2, GridTab);
    StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
    GridTab->addTab(StringGrid1, QStringLiteral("表編集エリア"));
    EditTab = new QTabWidget(split);
    EditTab->setObjectName(QStringLiteral("EditTab"));
    MidPanel = new QFrame(EditTab);
    MidPanel->setObjectName(QStringLiteral("MidPanel"));
    MidPanel->setMinimumHeight(4 * RowPitch + 8);
    EditTab->addTab(MidPanel, QStringLiteral("個別編集エリア"));
    split->addWidget(GridTab);
    split->addWidget(EditTab);
    split->setStretchFactor(0, 1);
    split->setStretchFactor(1, 0);
    layout->addWidget(split, 1);

    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setSizeGripEnabled(false);
    StatusPanel0 = AddStatusPanel(StatusBar1, "StatusPanel0", 1);
    StatusPanel1 = AddStatusPanel(StatusBar1, "StatusPanel1", 1);
    layout->addWidget(StatusBar1);

    m_model = new EditorGridModel(this);
    m_model->setLanguageName(m_context.languageName);
    m_delegate = new EditorGridDelegate(this);
    QFont gridSize = font();
    gridSize.setPointSize(12);
    EditorGridLook look;
    look.foreignFont = QFont(s.UsrMainFont);
    look.phoneticFont = QFont(s.UsrSubFont);
    look.japaneseFont = QFont(s.UsrJpFont);
    for (QFont *f : {&look.foreignFont, &look.phoneticFont, &look.japaneseFont})
        f->setPointSize(12);
    look.phoneticBackground = ToQColor(s.PhonetColor);
    look.background = palette().color(QPalette::Base);
    m_delegate->setLook(look);
    StringGrid1->setFont(look.japaneseFont);
    StringGrid1->setModel(m_model);
    StringGrid1->setItemDelegate(m_delegate);
    StringGrid1->setShowGrid(true);
    StringGrid1->setSelectionMode(QAbstractItemView::ContiguousSelection);
    StringGrid1->setEditTriggers(QAbstractItemView::AllEditTriggers);
    StringGrid1->setWordWrap(false);
    StringGrid1->verticalHeader()->hide();
    StringGrid1->verticalHeader()->setDefaultSectionSize(QFontMetrics(look.japaneseFont).height() + 10);
    StringGrid1->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    StringGrid1->horizontalHeader()->setHighlightSections(false);
    const int startWidths[EditorGridModel::ColumnCount] = {30, 50, 120, 120, 120, 120, 120, 100, 100};
    for (int c = 0; c < EditorGridModel::ColumnCount; ++c)
        StringGrid1->setColumnWidth(c, startWidths[c]);
    StringGrid1->installEventFilter(this);
    StringGrid1->fixedView()->setShowGrid(true);
    GridTab->installEventFilter(this);
    // A click on the row just deleted is a row choice too, though the current cell stays.
    const auto choose = [this](const QModelIndex &index) {
        if (index.isValid() && index.row() != m_model->currentRow())
            ChooseRow(index.row());
    };
    connect(StringGrid1->selectionModel(), &QItemSelectionModel::currentRowChanged, this, choose);
    connect(StringGrid1, &QAbstractItemView::pressed, this, choose);
    connect(StringGrid1->fixedView(), &QAbstractItemView::pressed, this, choose);
    connect(m_model, &EditorGridModel::cellEdited, this,
            [this](int row, int field) { cellEdited(row, field); });

    buildMidPanel();

    auto *f9 = new QShortcut(QKeySequence(Qt::Key_F9), this);
    connect(f9, &QShortcut::activated, this, [this] { NextRow(); });
    auto *f8 = new QShortcut(QKeySequence(Qt::Key_F8), this);
    connect(f8, &QShortcut::activated, this, [this] { PreviousRow(); });

    StatusPanel0->setText(QStringLiteral("●タイトル：「") + m_context.title + QStringLiteral("」"));
    StatusPanel1->setText(m_context.voiceFolder.isEmpty()
                              ? QStringLiteral("●音声フォルダ： - 指定なし -")
                              : QStringLiteral("●音声フォルダ：") + m_context.voiceFolder);
    PlaceToolWindow(this, m_bounds, QSize(800, 680));
}

TEditorFrm::~TEditorFrm() = default;

void TEditorFrm::buildToolbar(QWidget *bar)
{
    CloseEditor = NewToolCommand(this, "CloseEditor", QStringLiteral("閉る"),
                                 QStringLiteral("保存せずに画面を閉じます"), "close");
    SaveExit = NewToolCommand(this, "SaveExit", QStringLiteral("保存"),
                              QStringLiteral("保存してから画面を閉じます"), "overwrite");
    EdDelete = NewToolCommand(this, "EdDelete", QStringLiteral("削除"), QString(), "deleterow");
    EdInsert = NewToolCommand(this, "EdInsert", QStringLiteral("挿入"), QString(), "insertrow");
    EdAdd = NewToolCommand(this, "EdAdd", QStringLiteral("追加"), QString(), "addrow");
    VoicePlay = NewToolCommand(this, "VoicePlay", QStringLiteral("音声"), QString(), "voice");
    VoicePlay->setStatusTip(QStringLiteral("音声再生"));
    connect(CloseEditor, &QAction::triggered, this, [this] { reject(); });
    connect(SaveExit, &QAction::triggered, this, [this] { SaveExitExecute(); });
    connect(EdDelete, &QAction::triggered, this, [this] { EdDeleteExecute(); });
    connect(EdInsert, &QAction::triggered, this, [this] { EdInsertExecute(); });
    connect(EdAdd, &QAction::triggered, this, [this] { EdAddExecute(); });
    connect(VoicePlay, &QAction::triggered, this, [this] { VoicePlayExecute(); });
    SaveExit->setEnabled(false);
    EdDelete->setEnabled(false);
    EdInsert->setEnabled(false);
    int x = 4;
    for (QAction *a : {CloseEditor, SaveExit, EdDelete, EdInsert, EdAdd, VoicePlay}) {
        QToolButton *b = NewToolButton(bar, a, QSize(52, 70));
        b->move(x, 2);
        x += 53;
        toolButtons.append(b);
    }
    auto *notes = new QLabel(QStringLiteral("■使用法：\n・表編集エリアをクリックして編集開始します。\n"
                                            "・発音記号は個別編集エリアで編集します。\n"
                                            "・その他は表編集エリアで直接編集できます。"),
                             bar);
    notes->setObjectName(QStringLiteral("UsageLabel"));
    notes->move(x + 16, 2);
    notes->adjustSize();
}

void TEditorFrm::buildMidPanel()
{
    const Settings &s = *m_context.settings;
    const QStringList names = ColumnNames(m_context.languageName);
    const int size = QApplication::font().pointSize() + 3;
    QFont foreign(s.UsrMainFont);
    QFont phonetic(s.UsrSubFont);
    QFont japanese(s.UsrJpFont);
    for (QFont *f : {&foreign, &phonetic, &japanese})
        f->setPointSize(size);
    const QFont fixed(QStringLiteral("ＭＳ Ｐゴシック"));
    const QFont fonts[FieldCount] = {fixed, foreign, phonetic, japanese,
                                     japanese, japanese, fixed, fixed};
    for (int i = 0; i < FieldCount; ++i) {
        const QString caption =
            i == 0 ? QStringLiteral("■No：") : QStringLiteral("■") + names[i - 1] + QStringLiteral("：");
        labels[i] = new QLabel(caption, MidPanel);
        labels[i]->setObjectName(QStringLiteral("Label%1").arg(i));
        auto *field = new QLineEdit(MidPanel);
        field->setObjectName(QLatin1String(kFieldNames[i]));
        field->setFont(fonts[i]);
        field->setMaxLength(std::numeric_limits<int>::max());
        // Kana, Japanese and notes take the input method; the others get plain keys.
        field->setAttribute(Qt::WA_InputMethodEnabled, i >= 3 && i <= 5);
        fields[i] = field;
        if (i > 0)
            connect(field, &QLineEdit::textChanged, this, [this, i] { fieldChanged(i); });
    }
    fields[0]->setReadOnly(true);
    fields[0]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    fields[0]->setFocusPolicy(Qt::StrongFocus);
    QPalette silver = fields[0]->palette();
    silver.setColor(QPalette::Base, QColor(192, 192, 192));
    fields[0]->setPalette(silver);
    // Disabled, before a row is chosen, every field shows the button face.
    for (QLineEdit *field : fields) {
        QPalette p = field->palette();
        p.setColor(QPalette::Disabled, QPalette::Base, p.color(QPalette::Button));
        field->setPalette(p);
    }
    QPalette phonet = fields[2]->palette();
    phonet.setColor(QPalette::Active, QPalette::Base, ToQColor(s.PhonetColor));
    phonet.setColor(QPalette::Inactive, QPalette::Base, ToQColor(s.PhonetColor));
    fields[2]->setPalette(phonet);

    NoteLabel = new QLabel(QStringLiteral("※Tabsで項目移動、F9で次行"), MidPanel);
    NoteLabel->setObjectName(QStringLiteral("NoteLabel"));
    Bevel1 = new QFrame(MidPanel);
    Bevel1->setObjectName(QStringLiteral("Bevel1"));
    Bevel1->setFrameShape(QFrame::VLine);
    Bevel1->setFrameShadow(QFrame::Sunken);
    VoiceRefBtn = new QPushButton(QStringLiteral("参照"), MidPanel);
    VoiceRefBtn->setObjectName(QStringLiteral("VoiceRefBtn"));
    ColorRefBtn = new QPushButton(QStringLiteral("参照"), MidPanel);
    ColorRefBtn->setObjectName(QStringLiteral("ColorRefBtn"));
    for (QPushButton *b : {VoiceRefBtn, ColorRefBtn})
        b->setAutoDefault(false);
    connect(VoiceRefBtn, &QPushButton::clicked, this, [this] { VoiceRefBtnClick(); });
    connect(ColorRefBtn, &QPushButton::clicked, this, [this] { ColorRefBtnClick(); });
    setTabOrder(fields[0], fields[1]);
    for (int i = 1; i < FieldCount; ++i)
        setTabOrder(fields[i - 1], fields[i]);

    if (m_context.attachTriggerField) {
        m_context.attachTriggerField(fields[1], TriggerField::BookEditorForeignWord);
        m_context.attachTriggerField(fields[2], TriggerField::BookEditorPhonetic);
    }
    MidPanel->installEventFilter(this);
    setFieldsEnabled(false);
    fields[0]->setEnabled(false);
    layoutMidPanel();
}

void TEditorFrm::layoutMidPanel()
{
    const int bevel = MidPanel->width() / 2;
    const int height = fields[1]->sizeHint().height();
    Bevel1->setGeometry(bevel - 1, 4, 2, MidPanel->height() - 8);
    for (int i = 0; i < FieldCount; ++i) {
        const bool left = i < 4;
        const int column = left ? 0 : bevel;
        const int y = (left ? i : i - 4) * RowPitch + 8;
        labels[i]->adjustSize();
        labels[i]->move(column + 8, y + 4);
        int width = (left ? bevel : MidPanel->width()) - 30 - (column + FieldX);
        if (i == 0)
            width = 60;
        else if (i >= 6)
            width = ShortFieldWidth;
        fields[i]->setGeometry(column + FieldX, y, qMax(40, width), height);
    }
    NoteLabel->adjustSize();
    NoteLabel->move(fields[0]->geometry().right() + 9, 8 + (height - NoteLabel->height()) / 2);
    for (auto [button, field] : {std::pair{VoiceRefBtn, fields[6]}, std::pair{ColorRefBtn, fields[7]}})
        button->setGeometry(field->geometry().right() + 9, field->y() - 2, RefButtonWidth,
                            height + 4);
}

void TEditorFrm::fitColumns()
{
    const int width = StringGrid1->viewport()->width();
    StringGrid1->setColumnWidth(0, 30);
    StringGrid1->setColumnWidth(1, 50);
    const int wide = width > 880 ? (width - 280) / 5 : 120;
    for (int c = 2; c <= 6; ++c)
        StringGrid1->setColumnWidth(c, wide);
    StringGrid1->setColumnWidth(7, 100);
    StringGrid1->setColumnWidth(8, 100);
}

EditorBookLoadResult TEditorFrm::Load()
{
    EditorBookLoadResult loaded = LoadEditorBook(m_context.folders->WordBookFolder, m_context.fileName);
    m_loaded = EditorBook{m_context.title, m_context.group, m_context.voiceFolder, {}, {}};
    if (loaded.status != WordBookStatus::Loaded) {
        m_model->setRows({}, EmptyGridRows - 1, false);
        return loaded;
    }
    m_loaded.keptLines = loaded.book.keptLines;
    const int words = int(loaded.book.rows.size());
    const int rows = qMax(MinGridRows, words + 11);
    m_model->setRows(std::move(loaded.book.rows), rows - 1, true);
    // Shared with the grid until the first edit: a large book is not copied to open it.
    m_loaded.rows = m_model->rows();
    loaded.book.rows = m_loaded.rows;
    if (words > 0 && m_context.settings->LastVisibleFlg)
        StringGrid1->scrollTo(m_model->index(words - 1, 2), QAbstractItemView::PositionAtTop);
    return loaded;
}

EditorBook TEditorFrm::editedBook() const
{
    EditorBook book = m_loaded;
    book.rows = m_model->rows();
    return book;
}

bool TEditorFrm::modified() const
{
    return EditorBookLines(editedBook()) != EditorBookLines(m_loaded);
}

void TEditorFrm::setFieldsEnabled(bool on)
{
    for (int i = 1; i < FieldCount; ++i)
        fields[i]->setEnabled(on);
    VoiceRefBtn->setEnabled(on);
    ColorRefBtn->setEnabled(on);
}

void TEditorFrm::ChooseRow(int row)
{
    if (row < 0 || row >= m_model->rowCount())
        return;
    if (row == m_model->rowCount() - 1)
        m_model->appendBlankRows(5);
    m_model->setNumbered(true);
    fields[0]->setEnabled(true);
    fields[0]->setText(QString::number(row + 1));
    m_linked = true;
    setFieldsEnabled(true);
    m_filling = true;
    for (int f = 0; f < WordFieldCount; ++f) {
        fields[f + 1]->setText(m_model->cell(row, f));
        fields[f + 1]->setCursorPosition(0);
    }
    m_filling = false;
    paintColourLabel();
    if (m_model->cell(row, 5).isEmpty() && m_context.playback && m_context.playback->isOpen())
        m_context.playback->ClosePlayer();
    m_model->setCurrentRow(row);
    const QModelIndex current = StringGrid1->currentIndex();
    if (!current.isValid() || current.row() != row)
        StringGrid1->setCurrentIndex(m_model->index(row, qMax(2, current.column())));
    SaveExit->setEnabled(true);
    EdDelete->setEnabled(true);
    EdInsert->setEnabled(true);
    EdAdd->setEnabled(true);
}

void TEditorFrm::fieldChanged(int field)
{
    if (m_filling)
        return;
    SaveExit->setEnabled(true);
    if (field == 7)
        paintColourLabel();
    const int row = m_model->currentRow();
    if (m_linked && row >= 0) {
        m_filling = true;
        m_model->setCell(row, field - 1, fields[field]->text());
        m_filling = false;
    }
}

void TEditorFrm::cellEdited(int row, int field)
{
    SaveExit->setEnabled(true);
    // A cell typed in the grid shows in its field too, so the form never writes an old
    // value back over it.
    if (m_filling || !m_linked || row != m_model->currentRow())
        return;
    m_filling = true;
    fields[field + 1]->setText(m_model->cell(row, field));
    m_filling = false;
    if (field == 6)
        paintColourLabel();
}

void TEditorFrm::paintColourLabel()
{
    const QString code = fields[7]->text();
    QPalette p = labels[7]->palette();
    p.setColor(QPalette::WindowText,
               IsColourCode(code) ? ToQColor(ColourFromCode(code, Colour::clBlack)) : QColor(Qt::black));
    labels[7]->setPalette(p);
}

void TEditorFrm::EdAddExecute()
{
    m_model->appendBlankRows(8);
    m_model->setNumbered(true);
}

void TEditorFrm::EdInsertExecute()
{
    const int row = m_model->currentRow();
    if (row < 0)
        return;
    // The row count grows by one; the current row becomes the blank one.
    const int column = qMax(EditorGridModel::FirstField, StringGrid1->currentIndex().column());
    m_model->insertBlankRow(row);
    m_model->setCurrentRow(row);
    StringGrid1->setCurrentIndex(m_model->index(row, column));
    m_filling = true;
    for (int i = 1; i < FieldCount; ++i)
        fields[i]->clear();
    m_filling = false;
    paintColourLabel();
    fields[1]->setFocus();
}

void TEditorFrm::EdDeleteExecute()
{
    const int row = m_model->currentRow();
    if (row < 0)
        return;
    m_model->removeRowKeepingCount(row);
    m_model->setCurrentRow(-1);
    m_linked = false;
    m_filling = true;
    for (QLineEdit *f : fields)
        f->clear();
    m_filling = false;
    paintColourLabel();
    GridTab->setFocus();
    EdDelete->setEnabled(false);
    EdInsert->setEnabled(false);
    SaveExit->setEnabled(true);
}

void TEditorFrm::VoicePlayExecute()
{
    // Beside the editor, which is modal: a player of the main window would take no clicks.
    if (m_context.playback)
        m_context.playback->PlayFieldFile(fields[6]->text(), m_context.voiceFolder,
                                          m_context.folders->WordBookFolder, this);
}

void TEditorFrm::VoiceRefBtnClick()
{
    const QString name = ChooseVoiceFileName(m_context.dialogs, m_context.voiceFolder,
                                             m_context.folders->WordBookFolder);
    if (!name.isEmpty())
        fields[6]->setText(name);
}

void TEditorFrm::ColorRefBtnClick()
{
    if (!m_context.chooseColour)
        return;
    if (const std::optional<QString> code = m_context.chooseColour(fields[7]->text()))
        fields[7]->setText(*code);
}

bool TEditorFrm::SaveExitExecute()
{
    // A text still open in a cell's editor belongs to the book.
    for (QLineEdit *editor : StringGrid1->viewport()->findChildren<QLineEdit *>()) {
        if (editor->isVisible())
            QMetaObject::invokeMethod(StringGrid1, "commitData", Q_ARG(QWidget *, editor));
    }
    const WriteResult written =
        SaveEditorBook(m_context.folders->WordBookFolder, m_context.fileName, editedBook());
    if (!written) {
        m_context.dialogs->warning(written.errorMessage.isEmpty()
                                       ? QStringLiteral("単語帳が開かれていません。")
                                       : written.errorMessage);
        return false;
    }
    m_loaded = editedBook();
    accept();
    return true;
}

void TEditorFrm::NextRow()
{
    const int row = m_model->currentRow();
    if (row < 0)
        return;
    if (row < m_model->rowCount() - 1)
        ChooseRow(row + 1);
    fields[0]->setFocus();
}

void TEditorFrm::PreviousRow()
{
    const int row = m_model->currentRow();
    if (row > 0)
        ChooseRow(row - 1);
}

void TEditorFrm::reject()
{
    if (modified() &&
        !m_context.dialogs->confirm(QStringLiteral("変更が保存されていません。\n変更を破棄して画面を閉じますか？")))
        return;
    QDialog::reject();
}

void TEditorFrm::done(int result)
{
    m_bounds = ToolWindowBounds(this);
    QDialog::done(result);
}

void TEditorFrm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!m_placed) {
        m_placed = true;
        fitColumns();
        layoutMidPanel();
    }
}

bool TEditorFrm::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Resize) {
        if (watched == MidPanel)
            layoutMidPanel();
        else if (watched == GridTab)
            fitColumns();
    } else if (watched == StringGrid1 && event->type() == QEvent::KeyPress &&
               static_cast<QKeyEvent *>(event)->matches(QKeySequence::Paste)) {
        const QModelIndex current = StringGrid1->currentIndex();
        if (current.isValid() && current.column() >= EditorGridModel::FirstField) {
            m_model->setData(current, QApplication::clipboard()->text());
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
