#include "editorgridmodel.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>

#include "wordlist.h"
#include "wordlistmodel.h"

EditorGridModel::EditorGridModel(QObject *parent) : QAbstractTableModel(parent)
{
    setLanguageName(QStringLiteral("欧　文"));
}

int EditorGridModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size()) + m_blankRows;
}

int EditorGridModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant EditorGridModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    const int row = index.row();
    switch (index.column()) {
    case 0:
        return row == m_current ? QStringLiteral("●") : QString();
    case 1:
        return m_numbered ? QString::number(row + 1) : QString();
    default:
        return cell(row, index.column() - FirstField);
    }
}

bool EditorGridModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || role != Qt::EditRole || index.column() < FirstField)
        return false;
    const int field = index.column() - FirstField;
    const QString stored = StoredCellText(value.toString());
    if (cell(index.row(), field) == stored)
        return true;
    // A blank row typed into becomes a held row, with the blank ones above it.
    while (m_rows.size() <= index.row()) {
        m_rows.append(EditorRow());
        --m_blankRows;
    }
    m_rows[index.row()][field] = stored;
    Q_EMIT dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
    Q_EMIT cellEdited(index.row(), field);
    return true;
}

Qt::ItemFlags EditorGridModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (index.column() >= FirstField)
        f |= Qt::ItemIsEditable;
    return f;
}

QVariant EditorGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= ColumnCount)
        return {};
    if (role == Qt::DisplayRole)
        return m_captions[section];
    if (role == Qt::TextAlignmentRole)
        return section <= 1 ? int(Qt::AlignCenter) : int(Qt::AlignLeft | Qt::AlignVCenter);
    return {};
}

void EditorGridModel::setRows(QList<EditorRow> rows, int rowCount, bool numbered)
{
    beginResetModel();
    m_rows = std::move(rows);
    m_blankRows = qMax(0, rowCount - int(m_rows.size()));
    m_numbered = numbered;
    m_current = -1;
    endResetModel();
}

void EditorGridModel::setCell(int row, int field, const QString &text)
{
    setData(index(row, field + FirstField), text);
}

void EditorGridModel::setLanguageName(const QString &name)
{
    m_captions = QStringList{QString(), QStringLiteral("No")};
    m_captions.append(ColumnNames(name).mid(0, WordFieldCount));
    Q_EMIT headerDataChanged(Qt::Horizontal, 0, ColumnCount - 1);
}

void EditorGridModel::setNumbered(bool on)
{
    if (m_numbered == on)
        return;
    m_numbered = on;
    if (rowCount() > 0)
        Q_EMIT dataChanged(index(0, 1), index(rowCount() - 1, 1), {Qt::DisplayRole});
}

void EditorGridModel::setCurrentRow(int row)
{
    const int old = m_current;
    m_current = row;
    for (int r : {old, row}) {
        if (r >= 0 && r < rowCount())
            Q_EMIT dataChanged(index(r, 0), index(r, 0), {Qt::DisplayRole});
    }
}

void EditorGridModel::appendBlankRows(int count)
{
    if (count <= 0)
        return;
    beginInsertRows(QModelIndex(), rowCount(), rowCount() + count - 1);
    m_blankRows += count;
    endInsertRows();
}

void EditorGridModel::insertBlankRow(int row)
{
    row = qBound(0, row, rowCount());
    beginInsertRows(QModelIndex(), row, row);
    if (row < m_rows.size())
        m_rows.insert(row, EditorRow());
    else
        ++m_blankRows;
    endInsertRows();
    if (m_current >= row)
        ++m_current;
    // Every row number below moved.
    Q_EMIT dataChanged(index(row, 0), index(rowCount() - 1, 1), {Qt::DisplayRole});
}

void EditorGridModel::removeRowKeepingCount(int row)
{
    if (row < 0 || row >= rowCount())
        return;
    beginRemoveRows(QModelIndex(), row, row);
    if (row < m_rows.size())
        m_rows.removeAt(row);
    else
        --m_blankRows;
    endRemoveRows();
    appendBlankRows(1);
    Q_EMIT dataChanged(index(row, 0), index(rowCount() - 1, 1), {Qt::DisplayRole});
}

// ---- Delegate ---------------------------------------------------------------------------

EditorGridDelegate::EditorGridDelegate(QObject *parent) : QStyledItemDelegate(parent) {}

QFont EditorGridDelegate::cellFont(int column) const
{
    if (column == EditorGridModel::FirstField)
        return m_look.foreignFont;
    if (column == EditorGridModel::FirstField + 1)
        return m_look.phoneticFont;
    return m_look.japaneseFont;
}

void EditorGridDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                               const QModelIndex &index) const
{
    const int column = index.column();
    const QRect r = option.rect;
    painter->save();
    const bool selected = option.state & QStyle::State_Selected;
    QColor fill = column == EditorGridModel::FirstField + 1 ? m_look.phoneticBackground
                                                             : m_look.background;
    QColor text = option.palette.color(QPalette::Text);
    if (selected && column >= EditorGridModel::FirstField) {
        fill = option.palette.color(QPalette::Highlight);
        text = option.palette.color(QPalette::HighlightedText);
    }
    painter->fillRect(r, fill);
    const QFont font = cellFont(column);
    painter->setFont(font);
    painter->setPen(text);
    const bool centred = column <= 1;
    const int margin = centred ? 0 : 4;
    const QString shown = FitTextToWidth(index.data().toString(), QFontMetrics(font),
                                         r.width() - 2 * margin);
    painter->drawText(r.adjusted(margin, 0, -margin, 0),
                      (centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignVCenter |
                          Qt::TextSingleLine,
                      shown);
    painter->restore();
}

QWidget *EditorGridDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                                          const QModelIndex &index) const
{
    QWidget *editor = QStyledItemDelegate::createEditor(parent, option, index);
    editor->setFont(cellFont(index.column()));
    // Kana, Japanese and notes are typed with the input method; the others with plain keys.
    const int field = index.column() - EditorGridModel::FirstField;
    editor->setAttribute(Qt::WA_InputMethodEnabled, field >= 2 && field <= 4);
    editor->installEventFilter(const_cast<EditorGridDelegate *>(this));
    return editor;
}

bool EditorGridDelegate::eventFilter(QObject *watched, QEvent *event)
{
    // A pasted line break would be lost in a one-line editor: it goes in as "#$0D".
    if (event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent *>(event)->matches(QKeySequence::Paste)) {
        if (auto *line = qobject_cast<QLineEdit *>(watched)) {
            line->insert(StoredCellText(QApplication::clipboard()->text()));
            return true;
        }
    }
    return QStyledItemDelegate::eventFilter(watched, event);
}
