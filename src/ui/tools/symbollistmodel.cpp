#include "symbollistmodel.h"

#include <QFocusEvent>
#include <QHeaderView>
#include <QPainter>

#include <map>

#include "symboldbedit.h"
#include "wordlistmodel.h"

namespace {

constexpr int RowHeight = 28;
const QColor AttentionColour(0xFF, 0xFF, 0x00);  // yellow
const QColor UnfocusedSelection(0xC0, 0xC0, 0xC0); // silver
const QColor HeadingColour(0x1E, 0x39, 0x8C);

QFont cellFont(const QString &family, int points)
{
    QFont f(family);
    f.setPointSize(points);
    return f;
}

} // namespace

SymbolListModel::SymbolListModel(const QString &codeCaption, QObject *parent)
    : QAbstractTableModel(parent), m_codeCaption(codeCaption)
{
}

int SymbolListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int SymbolListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant SymbolListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case NoColumn:
        return QStringLiteral("No");
    case CodeColumn:
        return m_codeCaption;
    case GlyphColumn:
        return QStringLiteral("ｸﾞﾘﾌ");
    case EnglishColumn:
        return QStringLiteral("英語名");
    case JapaneseColumn:
        return QStringLiteral("日本語名");
    case AuxColumn:
        return QStringLiteral("補助");
    case NotesColumn:
        return QStringLiteral("備考");
    }
    return {};
}

Qt::ItemFlags SymbolListModel::flags(const QModelIndex &index) const
{
    if (!index.isValid() || isHeading(index.row()))
        return Qt::ItemIsEnabled;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

QVariant SymbolListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size())
        return {};
    const qsizetype at = m_rows[index.row()];
    if (role == RecordIndexRole)
        return qlonglong(at < 0 ? -1 : at);
    if (role == HeadingRole)
        return at < 0;
    if (at < 0)
        return role == Qt::DisplayRole && index.column() == 0 ? QVariant(m_headings[-at - 1])
                                                               : QVariant();
    const SymbolRecord &r = m_db.records[at];
    if (role == AttentionRole)
        return r.notes.contains(u'注');
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole)
        return {};
    switch (index.column()) {
    case NoColumn:
        return QString::number(r.no);
    case CodeColumn:
        return r.code;
    case GlyphColumn:
        return r.glyph;
    case EnglishColumn:
        return r.englishName;
    case JapaneseColumn:
        return r.japaneseName;
    case AuxColumn:
        return r.aux;
    case NotesColumn:
        return r.notes;
    }
    return {};
}

void SymbolListModel::setDatabase(SymbolDatabase db)
{
    beginResetModel();
    m_db = std::move(db);
    rebuildRows();
    endResetModel();
}

void SymbolListModel::setRecord(qsizetype index, const SymbolRecord &record)
{
    if (index < 0 || index >= m_db.records.size())
        return;
    SymbolRecord r = record;
    r.groupNumber = m_db.records[index].groupNumber;
    m_db.records[index] = std::move(r);
    const int row = rowOf(index);
    Q_EMIT dataChanged(this->index(row, 0), this->index(row, ColumnCount - 1));
}

void SymbolListModel::insertRecord(qsizetype index, const SymbolRecord &record)
{
    beginResetModel();
    m_db.records.insert(qBound<qsizetype>(0, index, m_db.records.size()), record);
    RenumberSymbolRecords(m_db.records);
    rebuildRows();
    endResetModel();
}

void SymbolListModel::removeRecord(qsizetype index)
{
    if (index < 0 || index >= m_db.records.size())
        return;
    beginResetModel();
    m_db.records.removeAt(index);
    RenumberSymbolRecords(m_db.records);
    rebuildRows();
    endResetModel();
}

qsizetype SymbolListModel::recordAt(int row) const
{
    if (row < 0 || row >= m_rows.size())
        return -1;
    const qsizetype at = m_rows[row];
    return at < 0 ? -1 : at;
}

int SymbolListModel::rowOf(qsizetype record) const
{
    return record >= 0 && record < m_rowOfRecord.size() ? m_rowOfRecord[record] : -1;
}

QList<int> SymbolListModel::headingRows() const
{
    QList<int> rows;
    for (qsizetype i = 0; i < m_rows.size(); ++i)
        if (m_rows[i] < 0)
            rows.append(int(i));
    return rows;
}

void SymbolListModel::rebuildRows()
{
    // Groups in the order of their Group lines; rows whose number names no group
    // follow under headings of their own, so that no row is hidden.
    std::map<qint32, qsizetype> headingOfNumber;
    QStringList headings;
    for (const SymbolGroup &g : m_db.groups) {
        if (headingOfNumber.count(g.number))
            continue;
        headingOfNumber[g.number] = headings.size();
        headings.append(g.name);
    }
    std::map<qint32, QList<qsizetype>> strays;
    QList<QList<qsizetype>> members(headings.size());
    for (qsizetype i = 0; i < m_db.records.size(); ++i) {
        const auto it = headingOfNumber.find(m_db.records[i].groupNumber);
        if (it != headingOfNumber.end())
            members[it->second].append(i);
        else
            strays[m_db.records[i].groupNumber].append(i);
    }
    for (auto &[number, rows] : strays) {
        headings.append(QStringLiteral("（グループ %1）").arg(number));
        members.append(rows);
    }

    m_rows.clear();
    m_rows.reserve(m_db.records.size() + headings.size());
    m_rowOfRecord.fill(-1, m_db.records.size());
    m_headings.clear();
    for (qsizetype h = 0; h < headings.size(); ++h) {
        if (members[h].isEmpty())
            continue; // an empty group shows no heading
        m_headings.append(headings[h]);
        m_rows.append(-m_headings.size());
        for (qsizetype record : members[h]) {
            m_rowOfRecord[record] = int(m_rows.size());
            m_rows.append(record);
        }
    }
}

// ---- Drawing ----------------------------------------------------------------------------

SymbolListDelegate::SymbolListDelegate(QObject *parent) : QStyledItemDelegate(parent) {}

void SymbolListDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                               const QModelIndex &index) const
{
    const QPalette &palette = option.palette;
    painter->save();
    if (index.data(SymbolListModel::HeadingRole).toBool()) {
        painter->fillRect(option.rect, palette.color(QPalette::Active, QPalette::Base));
        QFont font = cellFont(QStringLiteral("ＭＳ Ｐゴシック"), 11);
        font.setBold(true);
        painter->setFont(font);
        painter->setPen(HeadingColour);
        const QRect text = option.rect.adjusted(8, 0, -4, 0);
        const QString name = index.data().toString();
        painter->drawText(text, Qt::AlignVCenter | Qt::AlignLeft | Qt::TextSingleLine, name);
        const int after = text.left() + QFontMetrics(font).horizontalAdvance(name) + 8;
        const int y = option.rect.center().y();
        if (after < option.rect.right() - 4)
            painter->drawLine(after, y, option.rect.right() - 4, y);
        painter->restore();
        return;
    }

    QColor background = palette.color(QPalette::Active, QPalette::Base);
    QColor foreground = palette.color(QPalette::Active, QPalette::Text);
    const auto *view = qobject_cast<const QAbstractItemView *>(option.widget);
    if (option.state & QStyle::State_Selected) {
        if (view && view->hasFocus()) {
            background = palette.color(QPalette::Active, QPalette::Highlight);
            foreground = palette.color(QPalette::Active, QPalette::HighlightedText);
        } else {
            background = UnfocusedSelection;
            foreground = palette.color(QPalette::Active, QPalette::ButtonText);
        }
    } else if (index.data(SymbolListModel::AttentionRole).toBool()) {
        background = AttentionColour;
    }

    QFont font;
    bool centred = true;
    switch (index.column()) {
    case SymbolListModel::NoColumn:
        font = cellFont(QStringLiteral("ＭＳ Ｐゴシック"), 14);
        break;
    case SymbolListModel::CodeColumn:
    case SymbolListModel::AuxColumn:
        font = cellFont(QStringLiteral("Arial"), 15);
        break;
    case SymbolListModel::GlyphColumn:
        font = m_glyphFont;
        font.setPointSize(16);
        break;
    case SymbolListModel::EnglishColumn:
        font = cellFont(QStringLiteral("Arial"), 15);
        centred = false;
        break;
    default:
        font = cellFont(QStringLiteral("ＭＳ Ｐゴシック"), 14);
        centred = false;
        break;
    }
    painter->fillRect(option.rect, background);
    painter->setFont(font);
    painter->setPen(foreground);
    const QRect text = option.rect.adjusted(4, 0, -4, 0);
    painter->setClipRect(option.rect);
    painter->drawText(text,
                      Qt::AlignVCenter | Qt::TextSingleLine |
                          (centred ? Qt::AlignHCenter : Qt::AlignLeft),
                      FitTextToWidth(index.data().toString(), QFontMetrics(font), text.width()));
    painter->restore();
}

// ---- The list ---------------------------------------------------------------------------

TSymbolList::TSymbolList(SymbolListModel *model, QWidget *parent)
    : QTableView(parent), m_model(model), m_delegate(new SymbolListDelegate(this))
{
    setModel(model);
    setItemDelegate(m_delegate);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setShowGrid(false);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(RowHeight);
    verticalHeader()->setMinimumSectionSize(RowHeight);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);

    connect(model, &QAbstractItemModel::modelReset, this, [this] {
        applySpans();
        if (m_selected >= 0) {
            m_selected = -1;
            Q_EMIT recordSelected(-1);
        }
    });
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        const QModelIndexList rows = selectionModel()->selectedRows();
        const qsizetype record = rows.isEmpty() ? -1 : m_model->recordAt(rows.first().row());
        if (record == m_selected)
            return;
        m_selected = record;
        Q_EMIT recordSelected(record);
    });
}

void TSymbolList::applySpans()
{
    clearSpans();
    for (int row : m_model->headingRows())
        setSpan(row, 0, 1, SymbolListModel::ColumnCount);
}

void TSymbolList::setGlyphFont(const QFont &font)
{
    m_delegate->setGlyphFont(font);
    viewport()->update();
}

void TSymbolList::setColumnWidths(const QList<int> &widths)
{
    for (int i = 0; i < widths.size() && i < SymbolListModel::ColumnCount; ++i)
        setColumnWidth(i, widths[i]);
}

qsizetype TSymbolList::selectedRecord() const
{
    return m_selected;
}

void TSymbolList::selectRecord(qsizetype record)
{
    const int row = m_model->rowOf(record);
    if (row < 0) {
        clearSelection();
        return;
    }
    const QModelIndex index = m_model->index(row, 0);
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                 QItemSelectionModel::Rows);
    scrollTo(index);
}

void TSymbolList::focusInEvent(QFocusEvent *event)
{
    QTableView::focusInEvent(event);
    viewport()->update(); // the selected row changes colour with the focus
}

void TSymbolList::focusOutEvent(QFocusEvent *event)
{
    QTableView::focusOutEvent(event);
    viewport()->update();
}
