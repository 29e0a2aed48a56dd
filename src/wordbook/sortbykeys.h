// The column sorts of the two lists: rows ordered by one precomputed key each,
// compared code unit by code unit; direction +1 ascending, -1 descending; rows with
// equal keys keep their order.
#pragma once

#include <QList>
#include <QStringList>
#include <QStringView>

#include <algorithm>

template <typename Row>
void SortRowsByKeys(QList<Row> &rows, const QStringList &keys, int direction)
{
    QList<qsizetype> order(rows.size());
    for (qsizetype i = 0; i < order.size(); ++i)
        order[i] = i;
    std::stable_sort(order.begin(), order.end(), [&](qsizetype a, qsizetype b) {
        const int c = QStringView(keys[a]).compare(keys[b]);
        return ((c > 0) - (c < 0)) * direction < 0;
    });
    QList<Row> sorted;
    sorted.reserve(rows.size());
    for (qsizetype i : order)
        sorted.append(std::move(rows[i]));
    rows = std::move(sorted);
}
