#include "wordbooklistmodel.h"

WordBookListModel::WordBookListModel(QObject *parent) : QAbstractTableModel(parent) {}

int WordBookListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int WordBookListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : 4;
}

QVariant WordBookListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size())
        return {};
    const WordBookSummary &row = m_rows[index.row()];
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole) {
        switch (index.column()) {
        case 0:
            return row.title;
        case 1:
            return row.fileName;
        case 2:
            return row.group;
        case 3:
            return QString::number(row.count);
        }
    }
    if (role == Qt::TextAlignmentRole)
        return index.column() >= 2 ? int(Qt::AlignCenter) : int(Qt::AlignLeft | Qt::AlignVCenter);
    return {};
}

QVariant WordBookListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    static const QStringList captions{QStringLiteral("タイトル"), QStringLiteral("ファイル名"),
                                      QStringLiteral("グループ"), QStringLiteral("個数")};
    return captions.value(section);
}

void WordBookListModel::setRows(const QList<WordBookSummary> &rows)
{
    beginResetModel();
    m_rows = rows;
    endResetModel();
}

void WordBookListModel::updateCount(const QString &fileName, qsizetype count)
{
    if (UpdateWordBookCount(m_rows, fileName, count) > 0)
        Q_EMIT dataChanged(index(0, 3), index(int(m_rows.size()) - 1, 3), {Qt::DisplayRole});
}
