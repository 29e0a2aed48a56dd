#include "tcandeditorfrm.h"

#include <QAction>
#include <QBoxLayout>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSplitter>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolButton>

#include "candorderedit.h"
#include "dialogs.h"
#include "symboldbedit.h"
#include "symbollistmodel.h"
#include "tcandkeyboard.h"
#include "textfile.h"
#include "toolwidgets.h"
#include "triggertables.h"

namespace {

const QSize FirstSize(900, 680);
const QSize ButtonSize(52, 70);
const QStringList SymbolFilters = {QStringLiteral("(DB*.csv)")};
const QStringList CandidateFilters = {QStringLiteral("(cand*.csv)")};

QString quoted(const QString &text)
{
    return u'"' + text + u'"';
}

} // namespace

TCandEditorFrm::TCandEditorFrm(const Settings &settings, const AppFolders &folders,
                               const Platform &platform, WindowRect &bounds, QWidget *parent)
    : QDialog(parent), m_settings(settings), m_folders(folders), m_platform(platform),
      m_bounds(bounds), m_keys(CandidateEditorKeys())
{
    Q_INIT_RESOURCE(toolicons);
    setObjectName(QStringLiteral("CandEditorFrm"));
    setWindowTitle(readOnly() ? QStringLiteral("候補順エディタ　（読み込み専用）")
                              : QStringLiteral("候補順エディタ"));
    setSizeGripEnabled(true);
    m_glyphFont = QFont(m_settings.UsrSubFont);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 0);
    layout->setSpacing(4);
    layout->addWidget(buildTopBar());

    auto *splitter = new QSplitter(Qt::Horizontal, this);
    splitter->setObjectName(QStringLiteral("Splitter1"));
    splitter->setChildrenCollapsible(false);
    auto *left = new QTabWidget(splitter);
    m_model = new SymbolListModel(QStringLiteral("ﾕﾆｺｰﾄﾞ"), this);
    ListView1 = new TSymbolList(m_model, left);
    ListView1->setObjectName(QStringLiteral("ListView1"));
    ListView1->setColumnWidths({50, 80, 60, 150, 150, 60, 250});
    left->addTab(ListView1, QStringLiteral("記号DB"));
    auto *right = new QTabWidget(splitter);
    right->addTab(buildEditorPage(), QStringLiteral("候補順エディタ"));
    splitter->addWidget(left);
    splitter->addWidget(right);
    splitter->setStretchFactor(0, 1);
    splitter->setStretchFactor(1, 0);
    layout->addWidget(splitter, 1);

    auto *status = new QStatusBar(this);
    status->setObjectName(QStringLiteral("StatusBar1"));
    status->setSizeGripEnabled(false);
    StatusFile = AddStatusPanel(status, "StatusFile", 1);
    StatusFolder = AddStatusPanel(status, "StatusFolder", 2);
    layout->addWidget(status);

    m_symbolFile = m_folders.TableFolder + u'/' + m_settings.PhUDBFile;
    loadSymbolDatabase();
    m_candidateFile = m_folders.TableFolder + u'/' + m_settings.PhCandFile;
    setSlotsEnabled(false);
    ListBox1->setEnabled(false);
    setStatus(QStringLiteral("●候補順ファイル名："),
              QStringLiteral("●フォルダ：") + QDir::toNativeSeparators(m_folders.TableFolder));
    loadCandidateFile();
    updateActions();
    SelectJapaneseInput(m_platform, m_settings);
    PlaceToolWindow(this, m_bounds, FirstSize);
}

TCandEditorFrm::~TCandEditorFrm() = default;

QWidget *TCandEditorFrm::buildTopBar()
{
    CloseCandEditor = NewToolCommand(this, "CloseCandEditor", QStringLiteral("閉る"),
                                     QStringLiteral("候補順エディタを終了します"), "close");
    OpenSymDB = NewToolCommand(this, "OpenSymDB", QStringLiteral("開く"),
                               QStringLiteral("記号データベースを開きます"), "open");
    OpenCandFile = NewToolCommand(this, "OpenCandFile", QStringLiteral("開く"),
                                  QStringLiteral("候補順ファイルを開きます"), "open");
    SaveCandFile =
        NewToolCommand(this, "SaveCandFile", QStringLiteral("上書"),
                       QStringLiteral("現在の候補順ファイルを上書き保存します"), "overwrite");
    Save2CandFile =
        NewToolCommand(this, "Save2CandFile", QStringLiteral("保存"),
                       QStringLiteral("現在の候補順ファイルを名前を付けて保存します"), "saveas");
    NewCandFile = NewToolCommand(this, "NewCandFile", QStringLiteral("作成"),
                                 QStringLiteral("候補順ファイルを新規作成します"), "newfile");
    connect(CloseCandEditor, &QAction::triggered, this, &QWidget::close);
    connect(OpenSymDB, &QAction::triggered, this, &TCandEditorFrm::OpenSymDBExecute);
    connect(OpenCandFile, &QAction::triggered, this, &TCandEditorFrm::OpenCandFileExecute);
    connect(SaveCandFile, &QAction::triggered, this, &TCandEditorFrm::SaveCandFileExecute);
    connect(Save2CandFile, &QAction::triggered, this, &TCandEditorFrm::Save2CandFileExecute);
    connect(NewCandFile, &QAction::triggered, this, &TCandEditorFrm::NewCandFileExecute);

    auto *bar = new QWidget(this);
    auto *row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    row->addWidget(NewToolButton(bar, CloseCandEditor, ButtonSize));
    row->addWidget(NewToolButton(bar, OpenSymDB, ButtonSize));
    row->addSpacing(6);
    row->addWidget(new QLabel(QStringLiteral("■記号DBファイル："), bar));
    SymDBName = new QLabel(bar);
    SymDBName->setObjectName(QStringLiteral("SymDBName"));
    SymDBName->setFrameShape(QFrame::Panel);
    SymDBName->setFrameShadow(QFrame::Sunken);
    SymDBName->setMinimumWidth(90);
    SymDBName->setFixedHeight(24);
    row->addWidget(SymDBName, 0, Qt::AlignVCenter);
    row->addSpacing(8);
    for (QAction *a : {OpenCandFile, SaveCandFile, Save2CandFile, NewCandFile})
        row->addWidget(NewToolButton(bar, a, ButtonSize));
    row->addSpacing(8);
    auto *usage = new QLabel(
        QStringLiteral("■使用法：\n・トリガーキーを指定し、設定されている候補順を呼びます。\n"
                       "・記号DBのNoで候補を指定、トリガーキー毎に登録ボタンを押します。\n"
                       "・最後に、「上書」または「保存」ボタンを押します。"),
        bar);
    usage->setObjectName(QStringLiteral("Usage"));
    QFont small = usage->font();
    small.setPointSize(qMax(7, small.pointSize() - 1));
    usage->setFont(small);
    usage->setWordWrap(true); // a narrow window wraps the lines rather than widening
    row->addWidget(usage, 1);
    return bar;
}

QWidget *TCandEditorFrm::buildEditorPage()
{
    auto *page = new QWidget;
    auto *column = new QVBoxLayout(page);
    column->setContentsMargins(6, 6, 6, 6);
    column->addWidget(new QLabel(QStringLiteral("■候補順指定：（記号DBのNoで候補を指定）"), page));

    auto *slotsRow = new QHBoxLayout;
    slotsRow->setSpacing(2);
    const auto *digits = new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), this);
    for (int i = 0; i < 9; ++i) {
        auto *slot = new QVBoxLayout;
        slot->setSpacing(2);
        auto *number = new QLabel(QString::number(i + 1), page);
        number->setAlignment(Qt::AlignCenter);
        slot->addWidget(number);
        auto *image = new TGlyphImage(page);
        image->setObjectName(QStringLiteral("SlotImage%1").arg(i + 1));
        image->setFixedSize(48, 52);
        slot->addWidget(image, 0, Qt::AlignHCenter);
        auto *field = new QLineEdit(page);
        field->setObjectName(QStringLiteral("NoEdit%1").arg(i + 1));
        field->setFixedWidth(40);
        field->setAlignment(Qt::AlignRight);
        field->setValidator(digits);
        field->setAttribute(Qt::WA_InputMethodEnabled, false);
        field->installEventFilter(this);
        slot->addWidget(field, 0, Qt::AlignHCenter);
        slotsRow->addLayout(slot);
        SlotImages.append(image);
        NoEdits.append(field);
        connect(field, &QLineEdit::textChanged, this, [this, i] { showSlotGlyph(i); });
        connect(field, &QLineEdit::textEdited, this, [this, field, i] {
            m_focusedNo = field; // the field typed in is the one Jump is for
            showSlotGlyph(i);
        });
    }
    slotsRow->addStretch(1);
    column->addLayout(slotsRow);

    auto *buttons = new QHBoxLayout;
    RegBtn = new QPushButton(QStringLiteral("登録"), page);
    RegBtn->setObjectName(QStringLiteral("RegBtn"));
    RegBtn->setFixedSize(120, 30);
    RegBtn->setAutoDefault(false);
    buttons->addWidget(RegBtn);
    buttons->addWidget(new QLabel(QStringLiteral("←候補順を変更した場合\n　　トリガー毎に押します"), page));
    buttons->addStretch(1);
    JumpBtn = new QPushButton(QStringLiteral("Jump"), page);
    JumpBtn->setObjectName(QStringLiteral("JumpBtn"));
    JumpBtn->setFixedSize(80, 30);
    JumpBtn->setAutoDefault(false);
    // The No field keeps the focus, so Jump knows which field it is for.
    JumpBtn->setFocusPolicy(Qt::NoFocus);
    JumpBtn->setToolTip(QStringLiteral("カーソルのあるNoの、記号DBの行に飛びます"));
    buttons->addWidget(JumpBtn);
    column->addLayout(buttons);
    RegBtn->setEnabled(false);
    JumpBtn->setEnabled(false);
    connect(RegBtn, &QPushButton::clicked, this, &TCandEditorFrm::RegisterExecute);
    connect(JumpBtn, &QPushButton::clicked, this, &TCandEditorFrm::JumpExecute);

    auto *lower = new QHBoxLayout;
    ListBox1 = new QListWidget(page);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    QFont arial(QStringLiteral("Arial"));
    arial.setPointSize(14);
    ListBox1->setFont(arial);
    ListBox1->setFixedWidth(70);
    for (QChar key : m_keys)
        ListBox1->addItem(QStringLiteral("  ") + key);
    lower->addWidget(ListBox1);
    KeyBoard1 = new TCandKeyboard(page);
    KeyBoard1->setObjectName(QStringLiteral("KeyBoard1"));
    lower->addWidget(KeyBoard1, 1);
    column->addLayout(lower, 1);
    connect(ListBox1, &QListWidget::itemClicked, this, [this](QListWidgetItem *item) {
        SelectKey(m_keys.value(ListBox1->row(item)));
    });
    connect(ListBox1, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0 && m_keys.value(row) != m_selectedKey)
            SelectKey(m_keys.value(row));
    });
    connect(KeyBoard1, &TCandKeyboard::keyChosen, this, &TCandEditorFrm::SelectKey);
    return page;
}

// ---- Symbol database --------------------------------------------------------------------

void TCandEditorFrm::loadSymbolDatabase()
{
    m_glyphFont = GlyphFontFor(m_symbolFile, m_settings);
    ListView1->setGlyphFont(m_glyphFont);
    TableIssues issues;
    m_model->setDatabase(LoadSymbolDatabase(m_symbolFile, &issues));
    SymDBName->setText(u' ' + QFileInfo(m_symbolFile).fileName() + u' ');
    if (!issues.isEmpty())
        m_platform.dialogs->warning(TableIssuesText(issues));
    for (int i = 0; i < NoEdits.size(); ++i)
        showSlotGlyph(i);
}

void TCandEditorFrm::OpenSymDBExecute()
{
    const QString path = m_platform.dialogs->openFileName(
        QStringLiteral("記号データベースを開く"),
        m_folders.TableFolder + u'/' + QFileInfo(m_symbolFile).fileName(), SymbolFilters);
    if (path.isEmpty())
        return;
    m_symbolFile = path;
    loadSymbolDatabase();
    // The Nos shown belong to the database before; the user starts the file again.
    if (m_recognised)
        closeContent();
}

// ---- Candidate-order file ---------------------------------------------------------------

void TCandEditorFrm::loadCandidateFile()
{
    m_hasContent = false;
    m_lines.clear();
    m_modified = false;
    m_selectedKey = QChar();
    if (!QFileInfo::exists(m_candidateFile)) {
        // No content until 開く or 作成: nothing to register or to save.
        m_canSave = false;
        recolourKeys();
        updateActions();
        return;
    }
    const TextReadResult read = ReadTextFile(m_candidateFile, TextFileKind::Table);
    if (!read.ok) {
        m_canSave = false;
        recolourKeys();
        updateActions();
        m_platform.dialogs->warning(read.errorMessage);
        return;
    }
    m_lines = read.lines;
    m_hasContent = true;
    if (!m_lines.isEmpty()) {
        if (IsCandidateOrderFile(m_lines))
            m_recognised = true;
        else
            m_platform.dialogs->warning(QStringLiteral("このファイルは候補順ファイルではありません。"));
    }
    recolourKeys();
    clearSlots();
    setSlotsEnabled(true);
    ListBox1->setEnabled(true);
    ListBox1->setCurrentRow(-1);
    m_canSave = true;
    setStatus(QStringLiteral("●候補順ファイル名：") + QFileInfo(m_candidateFile).fileName(),
              QStringLiteral("●フォルダ：") + QDir::toNativeSeparators(m_folders.TableFolder));
    updateActions();
}

void TCandEditorFrm::OpenCandFileExecute()
{
    const QString start = m_folders.TableFolder + u'/' +
                          (m_candidateFile.isEmpty() ? QString()
                                                     : QFileInfo(m_candidateFile).fileName());
    const QString path = m_platform.dialogs->openFileName(QStringLiteral("候補順ファイルを開く"),
                                                          start, CandidateFilters);
    if (path.isEmpty())
        return;
    m_candidateFile = path;
    loadCandidateFile();
}

void TCandEditorFrm::closeContent()
{
    m_lines = NewCandidateOrderLines(m_keys);
    m_hasContent = true;
    m_candidateFile.clear();
    m_modified = false;
    m_selectedKey = QChar();
    recolourKeys();
    clearSlots();
    setSlotsEnabled(false);
    ListBox1->setCurrentRow(-1);
    ListBox1->setEnabled(false);
    m_canSave = false;
    setStatus(QStringLiteral("●候補順ファイル名："),
              QStringLiteral("●フォルダ：") + QDir::toNativeSeparators(m_folders.TableFolder));
    updateActions();
}

void TCandEditorFrm::NewCandFileExecute()
{
    if (readOnly())
        return;
    // Registrations not yet saved are as much at stake as a loaded file.
    if ((!m_candidateFile.isEmpty() || m_modified) &&
        !m_platform.dialogs->confirm(QStringLiteral(
            "すでに候補順ファイルがロードされていますが、新規作成をするとクリアされますがよろしいですか？")))
        return;
    m_lines = NewCandidateOrderLines(m_keys);
    m_hasContent = true;
    m_candidateFile.clear();
    m_modified = false;
    m_selectedKey = QChar();
    clearSlots();
    setSlotsEnabled(true);
    ListBox1->setEnabled(true);
    ListBox1->setCurrentRow(-1);
    recolourKeys();
    m_canSave = true;
    setStatus(QStringLiteral("●候補順ファイル： \"\" "),
              QStringLiteral("●フォルダ： ") + quoted(QDir::toNativeSeparators(m_folders.TableFolder)) +
                  u' ');
    updateActions();
}

void TCandEditorFrm::save(const QString &path)
{
    const QString shown = QDir::toNativeSeparators(path);
    if (!QFileInfo::exists(path) || m_platform.dialogs->confirm(OverwriteQuestion(shown))) {
        const WriteResult written = WriteAnsiFile(path, m_lines);
        if (written)
            m_modified = false;
        else
            m_platform.dialogs->warning(written.errorMessage);
    }
    // Whatever the answer: the tables are rebuilt from the file as it stands.
    m_savedPaths.append(path);
}

void TCandEditorFrm::SaveCandFileExecute()
{
    if (readOnly() || !m_canSave || m_candidateFile.isEmpty())
        return;
    save(m_candidateFile);
}

void TCandEditorFrm::Save2CandFileExecute()
{
    if (readOnly() || !m_canSave)
        return;
    const QString path = WithCsvExtension(m_platform.dialogs->saveFileName(
        QStringLiteral("候補順ファイルを名前を付けて保存する"), m_folders.TableFolder,
        CandidateFilters, false));
    if (path.isEmpty())
        return;
    m_candidateFile = path;
    save(path);
    setStatus(QStringLiteral("●候補順ファイル： ") + quoted(QFileInfo(path).fileName()) + u' ',
              QStringLiteral("●フォルダ： ") + quoted(QDir::toNativeSeparators(m_folders.TableFolder)) +
                  u' ');
    updateActions();
}

// ---- Keys and slots ---------------------------------------------------------------------

void TCandEditorFrm::SelectKey(QChar key)
{
    if (!m_hasContent || !ListBox1->isEnabled() || !m_keys.contains(key))
        return;
    m_selectedKey = key;
    {
        const QSignalBlocker block(ListBox1);
        ListBox1->setCurrentRow(int(m_keys.indexOf(key)));
    }
    recolourKeys();
    const qsizetype line = ShownLineOf(m_lines, key);
    const QStringList nos = KeyHasCandidates(m_lines, key) && line >= 0
                                ? CandidateNos(m_lines[line], m_model->records())
                                : QStringList();
    for (int i = 0; i < NoEdits.size(); ++i)
        NoEdits[i]->setText(nos.value(i));
    updateActions();
}

void TCandEditorFrm::RegisterExecute()
{
    if (readOnly() || !m_hasContent || m_selectedKey.isNull())
        return;
    QStringList nos;
    for (QLineEdit *field : NoEdits)
        nos.append(field->text());
    RegisterCandidates(m_lines, m_selectedKey, CandidateCodesOfNos(nos, m_model->records()));
    m_modified = true;
    recolourKeys();
    m_platform.dialogs->information(RegisteredMessage(m_selectedKey));
}

void TCandEditorFrm::JumpExecute()
{
    QLineEdit *field = m_focusedNo;
    JumpBtn->setEnabled(false);
    if (!field)
        return;
    // Jump is for a No that names a row; any other text leaves the list as it is.
    const qsizetype row = FindRecordByNoText(m_model->records(), field->text());
    if (row < 0)
        return;
    ListView1->setFocus();
    ListView1->selectRecord(row);
}

void TCandEditorFrm::showSlotGlyph(int slot)
{
    if (slot < 0 || slot >= NoEdits.size())
        return;
    const qsizetype row = FindRecordByNoText(m_model->records(), NoEdits[slot]->text());
    const QString glyph = row >= 0 ? m_model->records()[row].glyph : QString();
    if (glyph.isEmpty()) {
        SlotImages[slot]->setLook(palette().color(QPalette::Button), QColor());
    } else {
        QFont font = m_glyphFont;
        font.setPointSize(20);
        SlotImages[slot]->setLook(Qt::white, QColor(), glyph, font);
    }
    if (NoEdits[slot] == m_focusedNo)
        JumpBtn->setEnabled(!glyph.isEmpty());
}

void TCandEditorFrm::clearSlots()
{
    for (QLineEdit *field : NoEdits)
        field->clear();
}

void TCandEditorFrm::setSlotsEnabled(bool on)
{
    for (QLineEdit *field : NoEdits)
        field->setEnabled(on);
}

void TCandEditorFrm::recolourKeys()
{
    KeyBoard1->setKeyColours(m_selectedKey,
                             m_hasContent ? KeysWithCandidates(m_lines, m_keys) : QSet<QChar>());
}

void TCandEditorFrm::setStatus(const QString &file, const QString &folder)
{
    StatusFile->setText(file);
    StatusFolder->setText(folder);
}

void TCandEditorFrm::updateActions()
{
    const bool writable = !readOnly();
    NewCandFile->setEnabled(writable);
    SaveCandFile->setEnabled(writable && m_canSave && !m_candidateFile.isEmpty());
    Save2CandFile->setEnabled(writable && m_canSave);
    RegBtn->setEnabled(writable && m_hasContent && ListBox1->isEnabled() &&
                       !m_selectedKey.isNull());
}

// ---- Window -----------------------------------------------------------------------------

bool TCandEditorFrm::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusIn) {
        if (auto *field = qobject_cast<QLineEdit *>(watched); field && NoEdits.contains(field)) {
            m_focusedNo = field;
            showSlotGlyph(int(NoEdits.indexOf(field)));
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TCandEditorFrm::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        return;
    QDialog::keyPressEvent(event);
}

void TCandEditorFrm::done(int result)
{
    m_bounds = ToolWindowBounds(this);
    QDialog::done(result);
}
