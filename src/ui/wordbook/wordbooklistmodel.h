// The word books of the current folder as the word-book list shows them.
#pragma once

#include "wordbooklibrary.h"

#include <QAbstractTableModel>

class WordBookListModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit WordBookListModel(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    const QList<WordBookSummary> &rows() const { return m_rows; }
    void setRows(const QList<WordBookSummary> &rows);
    // Sets the count of every row of this file; tells the view which cells changed.
    void updateCount(const QString &fileName, qsizetype count);

private:
    QList<WordBookSummary> m_rows;
};
