#include "tsymbolpalette.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QGlyphRun>
#include <QHBoxLayout>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTextLayout>
#include <QToolTip>
#include <QVBoxLayout>

#include "folders.h"
#include "fontfamilies.h"
#include "hexcode.h"
#include "pagefont.h"
#include "settings.h"
#include "symboldb.h"
#include "textfile.h"

namespace {

const QString CornerFamily = QStringLiteral("Segoe UI");
const QColor Aqua(0, 0xFF, 0xFF);
constexpr int PressOffset = 2;
constexpr int SearchColumnWidth = 180;

void frame(QPainter &p, const QRect &r, const QColor &colour)
{
    p.setPen(QPen(colour, 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(r).adjusted(1, 1, -1, -1));
}

bool isEnter(QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<QKeyEvent *>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

} // namespace

// ---- Grid ----------------------------------------------------------------------------

TSymbolGrid::TSymbolGrid(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("SymbolGrid"));
    setMouseTracking(false);
}

void TSymbolGrid::setCells(const PaletteCells &cells)
{
    m_cells = cells;
    update();
}

void TSymbolGrid::setUnit(int C, const QString &glyphFamily)
{
    m_C = qMax(3, C);
    const int w = m_C - 2;
    m_glyphPoints = FitFontPoints(glyphFamily, QStringLiteral("M"), int(0.8 * w), int(0.8 * w));
    m_cornerPoints = FitFontPoints(CornerFamily, QStringLiteral("M"), int(0.48 * w), int(0.48 * w));
    if (glyphFamily != m_glyphFamily)
        m_drawable.clear();
    m_glyphFamily = glyphFamily;
    resize(PaletteColumns * m_C, PaletteCellCount / PaletteColumns * m_C);
    // A layout pass draws every cell as normal; the remembered cell stays.
    m_shown = false;
    update();
}

QRect TSymbolGrid::cellRect(int i) const
{
    if (i < 0 || i >= PaletteCellCount)
        return {};
    const QRect r(m_C * (i % PaletteColumns), m_C * (i / PaletteColumns), m_C - 2, m_C - 2);
    return i == m_pressed ? r.translated(PressOffset, PressOffset) : r;
}

int TSymbolGrid::cellAt(const QPoint &at) const
{
    if (m_C <= 0 || at.x() < 0 || at.y() < 0)
        return -1;
    const int col = at.x() / m_C;
    const int row = at.y() / m_C;
    if (col >= PaletteColumns || row >= PaletteCellCount / PaletteColumns)
        return -1;
    // The 2-pixel gap right of and below each cell belongs to no cell.
    if (at.x() % m_C >= m_C - 2 || at.y() % m_C >= m_C - 2)
        return -1;
    return row * PaletteColumns + col;
}

void TSymbolGrid::highlight(int i)
{
    m_selected = i;
    m_shown = true;
    update();
}

void TSymbolGrid::clearSelection()
{
    m_selected = -1;
    m_shown = false;
    update();
}

bool TSymbolGrid::canDraw(const QString &text) const
{
    const auto known = m_drawable.constFind(text);
    if (known != m_drawable.cend())
        return *known;
    // Shaping shows what the font fallback finds: glyph 0 is the empty box.
    QTextLayout layout(text, PageFont(m_glyphFamily, 12));
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    bool drawable = true;
    for (const QGlyphRun &run : layout.glyphRuns())
        for (quint32 glyph : run.glyphIndexes())
            drawable = drawable && glyph != 0;
    m_drawable.insert(text, drawable);
    return drawable;
}

QString TSymbolGrid::hintOf(int i) const
{
    if (i < 0 || i >= PaletteCellCount || m_cells[i].isEmpty())
        return QString();
    const PaletteCell &c = m_cells[i];
    return PaletteCellHint(c, c.japaneseName.isEmpty() ? UnicodeCharName(c.text.at(0).unicode())
                                                       : QString());
}

void TSymbolGrid::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QColor face = palette().color(QPalette::Button);
    const QFont glyphFont = PageFont(m_glyphFamily, m_glyphPoints);
    const QFont cornerFont = PageFont(CornerFamily, m_cornerPoints);
    for (int i = 0; i < PaletteCellCount; ++i) {
        const QRect r = cellRect(i);
        const PaletteCell &c = m_cells[i];
        if (c.isEmpty()) {
            p.fillRect(r, face);
            frame(p, r, Qt::black);
            continue;
        }
        p.fillRect(r, m_shown && i == m_selected ? Aqua : QColor(Qt::white));
        frame(p, r, Qt::black);
        p.setPen(Qt::black);
        if (!c.cornerLabel.isEmpty()) {
            p.setFont(cornerFont);
            p.drawText(QRect(r.left() + 4, r.top(), r.width() - 4, r.height()),
                       Qt::AlignLeft | Qt::AlignTop, c.cornerLabel);
        }
        const bool drawable = canDraw(c.text);
        const QString glyph = drawable ? PaletteGlyphText(c.text)
                                       : CodeText(c.text.at(0).unicode());
        const QFont font = drawable ? glyphFont : cornerFont;
        p.setFont(font);
        if (!drawable)
            p.setPen(Qt::darkGray);
        const QSize size = QFontMetrics(font).size(Qt::TextSingleLine, glyph);
        p.drawText(QRect(r.left() + (r.width() - size.width()) / 2,
                         r.top() + (r.height() - size.height()) / 2, size.width(), size.height()),
                   Qt::AlignCenter, glyph);
        if (c.red)
            frame(p, r, Qt::red);
    }
}

void TSymbolGrid::mousePressEvent(QMouseEvent *event)
{
    const int i = event->button() == Qt::LeftButton ? cellAt(event->position().toPoint()) : -1;
    if (i < 0 || m_cells[i].isEmpty())
        return QWidget::mousePressEvent(event);
    m_pressed = i;
    update();
    event->accept();
}

void TSymbolGrid::mouseReleaseEvent(QMouseEvent *event)
{
    if (m_pressed < 0 || event->button() != Qt::LeftButton)
        return QWidget::mouseReleaseEvent(event);
    const int i = m_pressed;
    m_pressed = -1;
    update();
    event->accept();
    if (cellAt(event->position().toPoint()) == i)
        Q_EMIT cellClicked(i);
}

bool TSymbolGrid::event(QEvent *event)
{
    if (event->type() == QEvent::ToolTip) {
        auto *help = static_cast<QHelpEvent *>(event);
        const int i = cellAt(help->pos());
        const QString hint = hintOf(i);
        if (hint.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), hint, this, cellRect(i));
        return true;
    }
    return QWidget::event(event);
}

// ---- Page ----------------------------------------------------------------------------

TSymbolPalette::TSymbolPalette(const Settings &settings, const AppFolders &folders,
                               std::function<void()> japaneseLayout, QWidget *parent)
    : QWidget(parent), m_settings(settings), m_folders(folders),
      m_japaneseLayout(std::move(japaneseLayout))
{
    setObjectName(QStringLiteral("SymbolPalette"));
}

TSymbolPalette::~TSymbolPalette() = default;

void TSymbolPalette::ensureBuilt()
{
    if (m_built)
        return;
    m_built = true;
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    m_scroll = new QScrollArea(this);
    m_scroll->setObjectName(QStringLiteral("PaletteScrollBox"));
    m_scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_scroll->setFrameShape(QFrame::NoFrame);
    m_content = new QWidget;
    m_content->setObjectName(QStringLiteral("PaletteContent"));
    m_scroll->setWidget(m_content);
    m_scroll->installEventFilter(this);
    layout->addWidget(m_scroll, 1);

    m_preview = new QPushButton(m_content);
    m_preview->setObjectName(QStringLiteral("PreviewButton"));
    m_preview->setFocusPolicy(Qt::NoFocus);
    connect(m_preview, &QPushButton::clicked, this, &TSymbolPalette::ClickPreview);

    m_hex = new QLineEdit(m_content);
    m_hex->setObjectName(QStringLiteral("HexEdit"));
    m_hex->setMaxLength(4);
    m_hex->setPlaceholderText(QStringLiteral("4桁16進"));
    m_hex->setAttribute(Qt::WA_InputMethodEnabled, false);
    QFont hexFont = m_hex->font();
    hexFont.setPointSize(15);
    m_hex->setFont(hexFont);
    m_hex->installEventFilter(this);
    connect(m_hex, &QLineEdit::textChanged, this, &TSymbolPalette::hexChanged);

    for (int i = 0; i < PaletteButtonCount; ++i) {
        const PaletteButtonInfo &info = PaletteButton(i);
        auto *b = new QPushButton(info.text, m_content);
        b->setObjectName(QStringLiteral("CategoryBtn%1").arg(i));
        b->setCheckable(true);
        b->setFocusPolicy(Qt::NoFocus);
        b->setFont(PageFont(info.family, 20, info.bold));
        b->setToolTip(info.hint);
        connect(b, &QPushButton::clicked, this, [this, i] { categoryToggled(i); });
        m_buttons[i] = b;
    }
    for (QFrame *&s : m_separators) {
        s = new QFrame(m_content);
        s->setFrameShape(QFrame::VLine);
        s->setFrameShadow(QFrame::Sunken);
    }
    m_list = new QComboBox(m_content);
    m_list->setObjectName(QStringLiteral("CategoryList"));
    m_list->addItems(PaletteListItems());
    m_list->setMaxVisibleItems(PaletteListCount);
    QFont listFont = m_list->font();
    listFont.setPointSize(15);
    m_list->setFont(listFont);
    connect(m_list, &QComboBox::activated, this, &TSymbolPalette::ChooseListItem);

    m_grid = new TSymbolGrid(m_content);
    connect(m_grid, &TSymbolGrid::cellClicked, this, &TSymbolPalette::ClickCell);

    auto *column = new QWidget(this);
    column->setObjectName(QStringLiteral("NameSearchColumn"));
    column->setFixedWidth(SearchColumnWidth);
    auto *columnLayout = new QVBoxLayout(column);
    columnLayout->setContentsMargins(6, 12, 6, 6);
    m_search = new QLineEdit(column);
    m_search->setObjectName(QStringLiteral("NameSearchEdit"));
    m_search->setPlaceholderText(QStringLiteral("名前で検索"));
    m_search->setClearButtonEnabled(true);
    m_search->setToolTip(QStringLiteral("文字の名前（英語または日本語）の一部を入力します。"
                                        "4桁の16進数はコード値として扱います。"));
    m_search->installEventFilter(this);
    QFont searchFont = m_search->font();
    searchFont.setPointSize(12);
    m_search->setFont(searchFont);
    connect(m_search, &QLineEdit::textEdited, this, &TSymbolPalette::SearchByName);
    columnLayout->addWidget(m_search);
    m_searchInfo = new QLabel(column);
    m_searchInfo->setObjectName(QStringLiteral("NameSearchInfo"));
    m_searchInfo->setWordWrap(true);
    m_searchInfo->setTextFormat(Qt::PlainText);
    columnLayout->addWidget(m_searchInfo);
    columnLayout->addStretch(1);
    layout->addWidget(column);
}

TSymbolGrid *TSymbolPalette::grid()
{
    ensureBuilt();
    return m_grid;
}

QPushButton *TSymbolPalette::categoryButton(int i)
{
    ensureBuilt();
    return i >= 0 && i < PaletteButtonCount ? m_buttons[i] : nullptr;
}

QComboBox *TSymbolPalette::categoryList()
{
    ensureBuilt();
    return m_list;
}

QLineEdit *TSymbolPalette::hexField()
{
    ensureBuilt();
    return m_hex;
}

QPushButton *TSymbolPalette::previewButton()
{
    ensureBuilt();
    return m_preview;
}

QLineEdit *TSymbolPalette::searchField()
{
    ensureBuilt();
    return m_search;
}

QLabel *TSymbolPalette::searchInfo()
{
    ensureBuilt();
    return m_searchInfo;
}

void TSymbolPalette::showCells(const PaletteCells &cells)
{
    m_grid->setCells(cells);
    m_grid->clearSelection();
    LayoutSymbolPalette();
}

void TSymbolPalette::popUpButtons(int except)
{
    for (int i = 0; i < PaletteButtonCount; ++i)
        if (i != except)
            m_buttons[i]->setChecked(false);
}

void TSymbolPalette::ClickCategoryButton(int i)
{
    ensureBuilt();
    if (i < 0 || i >= PaletteButtonCount)
        return;
    m_buttons[i]->setChecked(!m_buttons[i]->isChecked());
    categoryToggled(i);
}

void TSymbolPalette::categoryToggled(int i)
{
    QPushButton *b = m_buttons[i];
    popUpButtons(i);
    m_search->clear();
    m_searchInfo->clear();
    PaletteCells cells;
    if (b->isChecked()) {
        cells = PaletteButtonCells(i);
        const QString file = PaletteButton(i).languageFile;
        if (!file.isEmpty()) {
            // A missing database leaves the names empty; the letters stay usable.
            const TextReadResult read =
                ReadTextFile(QDir(m_folders.TableFolder).filePath(file), TextFileKind::Table);
            if (read.ok)
                ApplyLanguageNames(cells, read.lines);
        }
    }
    showCells(cells);
}

void TSymbolPalette::ChooseListItem(int item)
{
    ensureBuilt();
    if (m_list->currentIndex() != item) {
        const QSignalBlocker block(m_list);
        m_list->setCurrentIndex(item);
    }
    popUpButtons(-1);
    m_search->clear();
    m_searchInfo->clear();
    showCells(PaletteListCells(item));
}

void TSymbolPalette::ensureIndex()
{
    const QDir folder(m_folders.TableFolder);
    QStringList files;
    for (const QFileInfo &f : folder.entryInfoList({QStringLiteral("DB*.csv")}, QDir::Files,
                                                   QDir::Name))
        files.append(f.fileName() + u'|' + QString::number(f.size()) + u'|' +
                     QString::number(f.lastModified().toMSecsSinceEpoch()));
    // The table editors may have written a database since the last search.
    if (m_index && files == m_indexFiles)
        return;
    m_index = std::make_unique<SymbolNameIndex>();
    m_index->addUnicodeNames();
    for (const QFileInfo &f : folder.entryInfoList({QStringLiteral("DB*.csv")}, QDir::Files,
                                                   QDir::Name))
        m_index->addDatabase(LoadSymbolDatabase(f.filePath()));
    m_indexFiles = files;
}

void TSymbolPalette::SearchByName(const QString &query)
{
    ensureBuilt();
    if (m_search->text() != query) {
        const QSignalBlocker block(m_search);
        m_search->setText(query);
    }
    const QString trimmed = query.trimmed();
    popUpButtons(-1);
    {
        const QSignalBlocker block(m_list);
        m_list->setCurrentIndex(0);
    }
    if (trimmed.isEmpty()) {
        m_searchInfo->clear();
        showCells({});
        return;
    }
    PaletteCells cells;
    int n = 0;
    char16_t code = 0;
    if (IsHexCode(trimmed)) {
        code = HexCodeToChar(trimmed);
        setPreview(QString(QChar(code)));
        cells[n++].text = QString(QChar(code));
    }
    ensureIndex();
    const QList<SymbolNameHit> hits = m_index->find(trimmed, PaletteCellCount);
    for (const SymbolNameHit &h : hits) {
        if (n >= PaletteCellCount)
            break;
        if (code != 0 && h.code == code)
            continue;
        PaletteCell &c = cells[n++];
        c.text = QString(QChar(h.code));
        c.japaneseName = h.japaneseName.isEmpty() ? h.unicodeName
                         : h.unicodeName.isEmpty() ? h.japaneseName
                                                   : h.japaneseName + u' ' + h.unicodeName;
    }
    if (n == 0)
        m_searchInfo->setText(QStringLiteral("見つかりません"));
    else if (n >= PaletteCellCount)
        m_searchInfo->setText(QStringLiteral("最初の %1 件").arg(n));
    else
        m_searchInfo->setText(QStringLiteral("%1 件").arg(n));
    showCells(cells);
}

void TSymbolPalette::ClickCell(int i)
{
    ensureBuilt();
    const PaletteCells &cells = m_grid->cells();
    if (i < 0 || i >= PaletteCellCount || cells[i].isEmpty())
        return;
    // This cell alone drawn highlighted, as a click on it leaves it.
    m_grid->highlight(i);
    if (!m_grid->hintOf(i).isEmpty() && m_searchInfo && !m_search->text().isEmpty())
        m_searchInfo->setText(m_grid->hintOf(i));
    Q_EMIT insertRequested(cells[i].text);
}

void TSymbolPalette::setPreview(const QString &text)
{
    m_previewText = text;
    m_preview->setText(PaletteGlyphText(text));
    m_preview->setToolTip(text.isEmpty() ? QString()
                                         : UnicodeCharName(text.at(0).unicode()) +
                                               QStringLiteral("  Unicode: ") +
                                               CodeText(text.at(0).unicode()));
}

void TSymbolPalette::hexChanged(const QString &text)
{
    const QString code = text.trimmed();
    // Anything but four upper-case hexadecimal digits keeps what the preview showed.
    if (IsHexCode(code))
        setPreview(QString(QChar(HexCodeToChar(code))));
}

void TSymbolPalette::ClickPreview()
{
    if (!m_previewText.isEmpty())
        Q_EMIT insertRequested(m_previewText);
}

void TSymbolPalette::LayoutSymbolPalette()
{
    // Another page is shown: nothing is drawn until this one is.
    if (!m_built || !isVisible())
        return;
    ++m_layoutPasses;
    const int bar = m_scroll->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const int W = m_scroll->width() - bar;
    m_layout = ::LayoutSymbolPalette(W);
    const SymbolPaletteLayout &l = m_layout;
    m_content->resize(qMax(W, 0), 50 + 5 * l.C + 6);
    QFont previewFont(m_settings.UsrMainFont);
    previewFont.setPointSize(20);
    m_preview->setFont(previewFont);
    m_preview->setGeometry(l.preview);
    // Size 15 unless the field is too narrow for its placeholder or the list for its
    // longest item: then smaller, so that neither is cut.
    QFont hexFont = m_hex->font();
    hexFont.setPointSize(
        LargestFittingPoints(hexFont, {m_hex->placeholderText()}, l.hexField.width() - 12, 6, 15));
    m_hex->setFont(hexFont);
    m_hex->setGeometry(l.hexField.left(), l.hexField.top(), l.hexField.width(),
                       m_hex->sizeHint().height());
    QFont listFont = m_list->font();
    listFont.setPointSize(
        LargestFittingPoints(listFont, PaletteListItems(), l.list.width() - 34, 6, 15));
    m_list->setFont(listFont);
    for (int i = 0; i < PaletteButtonCount; ++i)
        m_buttons[i]->setGeometry(l.buttons[i]);
    for (int s = 0; s < 2; ++s)
        m_separators[s]->setGeometry(l.separators[s]);
    m_list->setGeometry(l.list.left(), l.list.top(), l.list.width(), m_list->sizeHint().height());
    m_grid->move(6, 50);
    m_grid->setUnit(l.C, m_settings.UsrMainFont);
}

bool TSymbolPalette::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_scroll && event->type() == QEvent::Resize) {
        LayoutSymbolPalette();
    } else if (watched == m_hex) {
        if (event->type() == QEvent::FocusIn && m_japaneseLayout)
            m_japaneseLayout();
        if (isEnter(event)) {
            ClickPreview();
            return true;
        }
    } else if (watched == m_search && isEnter(event)) {
        if (IsHexCode(m_search->text().trimmed()))
            ClickPreview();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void TSymbolPalette::showEvent(QShowEvent *event)
{
    ensureBuilt();
    QWidget::showEvent(event);
    LayoutSymbolPalette();
}
