#include "tsymdbfrm.h"

#include <QAction>
#include <QBoxLayout>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolButton>

#include "dialogs.h"
#include "hexcode.h"
#include "symboldbedit.h"
#include "symbollistmodel.h"
#include "toolwidgets.h"

namespace {

const QSize FirstSize(800, 680);
const QSize ButtonSize(46, 54);
const QColor Aqua(0x00, 0xFF, 0xFF);
const QColor Navy(0x00, 0x00, 0x80);
const QColor Silver(0xC0, 0xC0, 0xC0);
const QColor Grey(0x80, 0x80, 0x80);
const QStringList Filters = {QStringLiteral("(DB*.csv)")};

QLabel *newLabel(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

QLineEdit *newField(const char *name, QWidget *parent, bool inputMethod)
{
    auto *field = new QLineEdit(parent);
    field->setObjectName(QLatin1String(name));
    field->setAttribute(Qt::WA_InputMethodEnabled, inputMethod);
    return field;
}

} // namespace

TSymDBFrm::TSymDBFrm(const Settings &settings, const AppFolders &folders,
                     const Platform &platform, WindowRect &bounds, QWidget *parent)
    : QDialog(parent), m_settings(settings), m_folders(folders), m_platform(platform),
      m_bounds(bounds)
{
    Q_INIT_RESOURCE(toolicons);
    setObjectName(QStringLiteral("SymDBFrm"));
    setWindowTitle(readOnly() ? QStringLiteral("記号データベース　（読み込み専用）")
                              : QStringLiteral("記号データベース"));
    setSizeGripEnabled(true);
    m_glyphFont = QFont(m_settings.UsrSubFont);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 0);
    layout->setSpacing(4);
    auto *top = new QHBoxLayout;
    top->setSpacing(0);
    layout->addLayout(top);
    buildToolBar(top);

    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->addTab(buildEditArea(), QStringLiteral("個別編集"));
    layout->addWidget(PageControl1);

    m_model = new SymbolListModel(QStringLiteral("Unicode"), this);
    PageControl2 = new QTabWidget(this);
    PageControl2->setObjectName(QStringLiteral("PageControl2"));
    ListView1 = new TSymbolList(m_model, PageControl2);
    ListView1->setObjectName(QStringLiteral("ListView1"));
    ListView1->installEventFilter(this);
    PageControl2->addTab(ListView1, QStringLiteral("記号DB"));
    layout->addWidget(PageControl2, 1);
    connect(ListView1, &TSymbolList::recordSelected, this, &TSymDBFrm::rowSelected);

    auto *status = new QStatusBar(this);
    status->setObjectName(QStringLiteral("StatusBar1"));
    status->setSizeGripEnabled(false);
    StatusFile = AddStatusPanel(status, "StatusFile", 1);
    StatusFolder = AddStatusPanel(status, "StatusFolder", 2);
    layout->addWidget(status);

    m_currentFile = m_folders.TableFolder + u'/' + m_settings.PhUDBFile;
    m_glyphFont = GlyphFontFor(m_currentFile, m_settings);
    ListView1->setGlyphFont(m_glyphFont);
    if (QFileInfo(m_currentFile).isFile())
        loadCurrentFile();
    else
        setStatus(true);
    clearEditArea();
    updateActions();
    SelectJapaneseInput(m_platform, m_settings);
    PlaceToolWindow(this, m_bounds, FirstSize);
}

TSymDBFrm::~TSymDBFrm() = default;

void TSymDBFrm::buildToolBar(QBoxLayout *top)
{
    CloseSymDB = NewToolCommand(this, "CloseSymDB", QStringLiteral("閉る"),
                                QStringLiteral("記号データベースを終了します"), "close");
    OpenSymDBFile = NewToolCommand(this, "OpenSymDBFile", QStringLiteral("開く"),
                                   QStringLiteral("記号データベースファイルを開きます"), "open");
    SaveSymDBFile =
        NewToolCommand(this, "SaveSymDBFile", QStringLiteral("上書"),
                       QStringLiteral("現在の記号データベースを上書き保存します"), "overwrite");
    Save2SymDBFile =
        NewToolCommand(this, "Save2SymDBFile", QStringLiteral("保存"),
                       QStringLiteral("現在の記号データベースを名前を付けて保存します"), "saveas");
    DeleteArea = NewToolCommand(this, "DeleteArea", QStringLiteral("削除"),
                                QStringLiteral("この１行を削除します"), "deleterow");
    InsertArea = NewToolCommand(this, "InsertArea", QStringLiteral("挿入"),
                                QStringLiteral("この行の上に１行挿入します"), "insertrow");
    AddArea = NewToolCommand(this, "AddArea", QStringLiteral("追加"),
                             QStringLiteral("このグループの最後に１行追加します"), "addrow");
    connect(CloseSymDB, &QAction::triggered, this, &QWidget::close);
    connect(OpenSymDBFile, &QAction::triggered, this, &TSymDBFrm::OpenSymDBFileExecute);
    connect(SaveSymDBFile, &QAction::triggered, this, &TSymDBFrm::SaveSymDBFileExecute);
    connect(Save2SymDBFile, &QAction::triggered, this, &TSymDBFrm::Save2SymDBFileExecute);
    connect(DeleteArea, &QAction::triggered, this, &TSymDBFrm::DeleteAreaExecute);
    connect(InsertArea, &QAction::triggered, this, &TSymDBFrm::InsertAreaExecute);
    connect(AddArea, &QAction::triggered, this, &TSymDBFrm::AddAreaExecute);

    for (QAction *a : {CloseSymDB, OpenSymDBFile, SaveSymDBFile, Save2SymDBFile})
        top->addWidget(NewToolButton(this, a, ButtonSize));
    top->addSpacing(12);
    for (QAction *a : {DeleteArea, InsertArea, AddArea})
        top->addWidget(NewToolButton(this, a, ButtonSize));
    top->addSpacing(10);

    // The guidance beside the tool bar, with the search box in its second line.
    auto *guide = new QWidget(this);
    auto *lines = new QVBoxLayout(guide);
    lines->setContentsMargins(0, 0, 0, 0);
    lines->setSpacing(1);
    QFont small = font();
    small.setPointSize(qMax(7, small.pointSize() - 1));
    const auto addLine = [&](const QString &text) {
        auto *label = new QLabel(text, guide);
        label->setFont(small);
        return label;
    };
    lines->addWidget(
        addLine(QStringLiteral("[編集]： 記号DBの該当する行をクリックし、個別編集エリアで変更を加えます")));
    auto *searchLine = new QHBoxLayout;
    searchLine->setSpacing(4);
    searchLine->addWidget(addLine(QStringLiteral("[新規]：")));
    Edit1 = newField("Edit1", guide, false);
    Edit1->setMaxLength(4);
    Edit1->setPlaceholderText(QStringLiteral("検索"));
    Edit1->setFixedWidth(64);
    searchLine->addWidget(Edit1);
    searchLine->addWidget(
        addLine(QStringLiteral("←Unicodeを入力し、すでに登録されていないかチェックします。")));
    searchLine->addStretch(1);
    lines->addLayout(searchLine);
    auto *last = addLine(QStringLiteral(
        "まだ登録されていない場合「追加」「挿入」で、いずれかのグループ内に領域を作り、データを入力します。"));
    last->setWordWrap(true);
    lines->addWidget(last);
    top->addWidget(guide, 1);
    connect(Edit1, &QLineEdit::textChanged, this, &TSymDBFrm::Edit1Change);
    connect(Edit1, &QLineEdit::returnPressed, this, &TSymDBFrm::Edit1Change);
}

QWidget *TSymDBFrm::buildEditArea()
{
    auto *page = new QWidget;
    auto *grid = new QGridLayout(page);
    grid->setContentsMargins(8, 6, 8, 6);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(4);

    Image1 = new TGlyphImage(page);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setFixedSize(48, 48);
    grid->addWidget(Image1, 0, 0, 2, 1, Qt::AlignTop | Qt::AlignLeft);

    EditNo = newField("EditNo", page, false);
    EditNo->setReadOnly(true);
    EditNo->setAlignment(Qt::AlignRight);
    EditNo->setFocusPolicy(Qt::NoFocus);
    QPalette silver = EditNo->palette();
    silver.setColor(QPalette::Base, Silver);
    EditNo->setPalette(silver);
    EditNo->setFixedWidth(70);
    EditCode = newField("EditCode", page, false);
    EditCode->setMaxLength(4);
    EditCode->setFixedWidth(70);
    EditEnglish = newField("EditEnglish", page, false);
    EditJapanese = newField("EditJapanese", page, true);

    grid->addWidget(newLabel(QStringLiteral("No："), page), 0, 1);
    grid->addWidget(EditNo, 0, 2, Qt::AlignLeft);
    grid->addWidget(newLabel(QStringLiteral("Unicode："), page), 1, 1);
    grid->addWidget(EditCode, 1, 2, Qt::AlignLeft);
    grid->addWidget(newLabel(QStringLiteral("英語名："), page), 2, 0, 1, 2);
    grid->addWidget(EditEnglish, 2, 2);
    grid->addWidget(newLabel(QStringLiteral("日本語名："), page), 3, 0, 1, 2);
    grid->addWidget(EditJapanese, 3, 2);

    ComboGroup = new QComboBox(page);
    ComboGroup->setObjectName(QStringLiteral("ComboGroup"));
    ComboGroup->setMaxVisibleItems(16);
    ComboAux = new QComboBox(page);
    ComboAux->setObjectName(QStringLiteral("ComboAux"));
    ComboAux->addItems(AuxListTexts());
    EditNotes = newField("EditNotes", page, true);
    grid->addWidget(newLabel(QStringLiteral("グループ："), page), 0, 3);
    grid->addWidget(ComboGroup, 0, 4);
    grid->addWidget(newLabel(QStringLiteral("補　助："), page), 1, 3);
    grid->addWidget(ComboAux, 1, 4);
    grid->addWidget(newLabel(QStringLiteral("備　考："), page), 2, 3);
    grid->addWidget(EditNotes, 2, 4, 2, 1, Qt::AlignTop);
    grid->setColumnStretch(2, 1);
    grid->setColumnStretch(4, 1);

    connect(EditCode, &QLineEdit::textChanged, this, &TSymDBFrm::updatePreview);
    connect(EditCode, &QLineEdit::textEdited, this, [this](const QString &text) {
        const QString code = text.trimmed();
        if (!IsHexCode(code))
            return; // the row keeps its code
        editRow([&](SymbolRecord &r) {
            r.code = code;
            r.glyph = GlyphOfCode(code);
        });
    });
    connect(EditEnglish, &QLineEdit::textEdited, this,
            [this](const QString &t) { editRow([&](SymbolRecord &r) { r.englishName = t; }); });
    connect(EditJapanese, &QLineEdit::textEdited, this,
            [this](const QString &t) { editRow([&](SymbolRecord &r) { r.japaneseName = t; }); });
    connect(EditNotes, &QLineEdit::textEdited, this,
            [this](const QString &t) { editRow([&](SymbolRecord &r) { r.notes = t; }); });
    connect(ComboAux, &QComboBox::activated, this, [this](int index) {
        editRow([&](SymbolRecord &r) { r.aux = QString::number(index); });
    });
    connect(ComboGroup, &QComboBox::activated, this, [this] {
        // Choosing a group does not move the selected row: it prepares 追加 for that group.
        if (readOnly())
            return;
        ListView1->selectRecord(-1);
        clearEditArea();
        updateActions();
    });
    return page;
}

void TSymDBFrm::editRow(const std::function<void(SymbolRecord &)> &change)
{
    const qsizetype at = ListView1->selectedRecord();
    if (readOnly() || at < 0)
        return;
    SymbolRecord r = m_model->records()[at];
    change(r);
    m_model->setRecord(at, r);
}

// ---- Files ------------------------------------------------------------------------------

void TSymDBFrm::loadCurrentFile()
{
    TableIssues issues;
    m_model->setDatabase(LoadSymbolDatabase(m_currentFile, &issues));
    fillGroupList();
    m_loaded = true;
    setStatus(true);
    // Rows before a bad line are kept; the user learns which line was passed over.
    if (!issues.isEmpty())
        m_platform.dialogs->warning(TableIssuesText(issues));
}

void TSymDBFrm::fillGroupList()
{
    ComboGroup->clear();
    for (const SymbolGroup &g : m_model->database().groups)
        ComboGroup->addItem(g.name);
    ComboGroup->setCurrentIndex(-1);
}

void TSymDBFrm::setStatus(bool labelled)
{
    const QFileInfo info(m_currentFile);
    const QString name = info.fileName();
    const QString folder = QDir::toNativeSeparators(info.absolutePath());
    StatusFile->setText(labelled ? QStringLiteral("●ファイル名：") + name : name);
    StatusFolder->setText(labelled ? QStringLiteral("●フォルダ：") + folder : folder);
}

void TSymDBFrm::OpenSymDBFileExecute()
{
    const QString path = m_platform.dialogs->openFileName(
        QStringLiteral("記号データベースを開く"),
        m_folders.TableFolder + u'/' + QFileInfo(m_currentFile).fileName(), Filters);
    if (path.isEmpty())
        return;
    m_currentFile = path;
    m_glyphFont = GlyphFontFor(m_currentFile, m_settings);
    ListView1->setGlyphFont(m_glyphFont);
    ListView1->selectRecord(-1);
    clearEditArea();
    loadCurrentFile();
    updateActions();
}

bool TSymDBFrm::writeTo(const QString &path)
{
    const QList<int> dropped = RowsWithoutValidCode(m_model->records());
    if (!dropped.isEmpty() && !m_platform.dialogs->confirm(DroppedRowsQuestion(dropped)))
        return false;
    const WriteResult written = SaveSymbolDatabase(m_model->database(), path);
    if (!written) {
        m_platform.dialogs->warning(written.errorMessage);
        return false;
    }
    m_savedPaths.append(path);
    return true;
}

void TSymDBFrm::SaveSymDBFileExecute()
{
    if (readOnly() || !m_loaded)
        return;
    if (writeTo(m_currentFile))
        m_platform.dialogs->information(QStringLiteral("保存しました。"));
}

void TSymDBFrm::Save2SymDBFileExecute()
{
    if (readOnly() || !m_loaded)
        return;
    const QString path = WithCsvExtension(m_platform.dialogs->saveFileName(
        QStringLiteral("記号データベースを名前を付けて保存する"), m_folders.TableFolder, Filters,
        false));
    if (path.isEmpty() || !writeTo(path))
        return;
    m_currentFile = path;
    setStatus(false);
}

// ---- Rows -------------------------------------------------------------------------------

qint32 TSymDBFrm::chosenGroup() const
{
    const int index = ComboGroup->currentIndex();
    if (index >= 0)
        return index;
    const qsizetype at = ListView1->selectedRecord();
    return at >= 0 ? m_model->records()[at].groupNumber : -1;
}

void TSymDBFrm::insertAt(qsizetype position, qint32 group)
{
    m_model->insertRecord(position, EmptySymbolRecord(group));
    ListView1->selectRecord(position);
    EditCode->setFocus();
}

void TSymDBFrm::DeleteAreaExecute()
{
    const qsizetype at = ListView1->selectedRecord();
    if (readOnly() || at < 0)
        return;
    m_model->removeRecord(at);
    clearEditArea();
    updateActions();
}

void TSymDBFrm::InsertAreaExecute()
{
    const qsizetype at = ListView1->selectedRecord();
    const qint32 group = chosenGroup();
    if (readOnly() || at < 0 || group < 0)
        return;
    insertAt(at, group);
}

void TSymDBFrm::AddAreaExecute()
{
    const qint32 group = chosenGroup();
    if (readOnly() || group < 0)
        return;
    insertAt(AddRowPosition(m_model->records(), ListView1->selectedRecord(), group), group);
}

void TSymDBFrm::rowSelected(qsizetype record)
{
    if (record < 0) {
        clearEditArea();
        updateActions();
        return;
    }
    const SymbolRecord &r = m_model->records()[record];
    for (QWidget *w : {static_cast<QWidget *>(EditCode), static_cast<QWidget *>(EditEnglish),
                       static_cast<QWidget *>(EditJapanese), static_cast<QWidget *>(EditNotes),
                       static_cast<QWidget *>(ComboAux)})
        w->setEnabled(true);
    EditNo->setText(QString::number(r.no));
    EditCode->setText(r.code);
    EditEnglish->setText(r.englishName);
    EditJapanese->setText(r.japaneseName);
    ComboGroup->setCurrentIndex(r.groupNumber < ComboGroup->count() ? r.groupNumber : -1);
    const int aux = AuxListIndex(r.aux);
    ComboAux->setCurrentIndex(aux < ComboAux->count() ? aux : -1);
    EditNotes->setText(r.notes);
    updatePreview();
    updateActions();
}

void TSymDBFrm::clearEditArea()
{
    for (QLineEdit *field : {EditNo, EditCode, EditEnglish, EditJapanese, EditNotes})
        field->clear();
    ComboAux->setCurrentIndex(-1);
    for (QWidget *w : {static_cast<QWidget *>(EditCode), static_cast<QWidget *>(EditEnglish),
                       static_cast<QWidget *>(EditJapanese), static_cast<QWidget *>(EditNotes),
                       static_cast<QWidget *>(ComboAux)})
        w->setEnabled(false);
    updatePreview();
}

void TSymDBFrm::updatePreview()
{
    const QString code = EditCode->text().trimmed();
    if (code.isEmpty() && ListView1->selectedRecord() < 0) {
        Image1->setLook(Grey, Qt::black);
    } else if (IsHexCode(code)) {
        QFont font = m_glyphFont;
        font.setPointSize(20);
        Image1->setLook(Aqua, Navy, GlyphOfCode(code), font);
    } else {
        Image1->setLook(Silver, Navy);
    }
}

void TSymDBFrm::updateActions()
{
    const bool writable = !readOnly();
    const bool selected = ListView1->selectedRecord() >= 0;
    SaveSymDBFile->setEnabled(writable && m_loaded);
    Save2SymDBFile->setEnabled(writable && m_loaded);
    DeleteArea->setEnabled(writable && selected);
    InsertArea->setEnabled(writable && selected);
    AddArea->setEnabled(writable && (selected || ComboGroup->currentIndex() >= 0));
}

// ---- Search -----------------------------------------------------------------------------

void TSymDBFrm::Edit1Change()
{
    const QString code = Edit1->text().trimmed();
    if (!IsHexCode(code))
        return;
    ListView1->selectRecord(-1);
    const qsizetype found = FindRecordByCode(m_model->records(), code);
    if (found >= 0) {
        ListView1->setFocus();
        ListView1->selectRecord(found);
        return;
    }
    clearEditArea();
    EditCode->setText(code);
    m_platform.dialogs->information(QStringLiteral("この記号はまだ登録されていません。"));
}

// ---- Window -----------------------------------------------------------------------------

void TSymDBFrm::fitColumns()
{
    const int rest = qMax(0, (ListView1->width() - 50 - 80 - 60 - 60 - 28) / 3);
    ListView1->setColumnWidths({50, 80, 60, rest, rest, 60, rest});
}

bool TSymDBFrm::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ListView1 && event->type() == QEvent::Resize)
        fitColumns();
    return QDialog::eventFilter(watched, event);
}

void TSymDBFrm::keyPressEvent(QKeyEvent *event)
{
    // Enter belongs to the search box; it must not close the window.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        return;
    QDialog::keyPressEvent(event);
}

void TSymDBFrm::done(int result)
{
    m_bounds = ToolWindowBounds(this);
    QDialog::done(result);
}
