// The column sorts of the two lists: rows ordered by one precomputed key each,
// compared code unit by code unit; direction +1 ascending, -1 descending; rows with
// equal keys keep their order.
#pragma once

#include <QList>
#include <QStringList>
#include <QStringView>

#include <algorithm>
#include <utility>
#include <vector>

template <typename Row, typename Keys>
void SortRowsByKeys(QList<Row> &rows, const Keys &keys, int direction)
{
    // Code units every key shares (the stem of a generated list, a common article) say
    // nothing about the order: the comparisons start after them.
    qsizetype shared = rows.isEmpty() ? 0 : QStringView(keys[0]).size();
    for (qsizetype i = 1; i < rows.size() && shared > 0; ++i) {
        const QStringView key = keys[i];
        shared = std::min(shared, key.size());
        qsizetype k = 0;
        const QStringView first = keys[0];
        while (k < shared && key[k] == first[k])
            ++k;
        shared = k;
    }
    // The next four code units of each key travel with it as one number, so most
    // comparisons of a large list stay inside this array instead of reading two strings.
    struct Entry
    {
        quint64 prefix;
        QStringView key;
        qsizetype index;
    };
    std::vector<Entry> order;
    order.reserve(rows.size());
    for (qsizetype i = 0; i < rows.size(); ++i) {
        const QStringView key = QStringView(keys[i]).sliced(shared);
        quint64 prefix = 0;
        for (qsizetype k = 0; k < 4; ++k)
            prefix = (prefix << 16) | (k < key.size() ? key[k].unicode() : 0);
        order.push_back({prefix, key, i});
    }
    const auto less = [](const Entry &a, const Entry &b) {
        if (a.prefix != b.prefix)
            return a.prefix < b.prefix;
        return a.key.size() > 4 && b.key.size() > 4 ? a.key.sliced(4) < b.key.sliced(4)
                                                    : a.key < b.key;
    };
    if (direction < 0)
        std::stable_sort(order.begin(), order.end(),
                         [&](const Entry &a, const Entry &b) { return less(b, a); });
    else
        std::stable_sort(order.begin(), order.end(), less);
    if (!rows.isDetached()) {
        // The caller's list shares its rows with another (the model's): copy each once
        // into the new order rather than copying the whole list and then moving.
        QList<Row> sorted;
        sorted.reserve(rows.size());
        for (const Entry &e : order)
            sorted.append(std::as_const(rows)[e.index]);
        rows = std::move(sorted);
        return;
    }
    // Rows of this list alone are moved into their places, cycle by cycle.
    std::vector<bool> placed(order.size());
    for (qsizetype start = 0; start < qsizetype(order.size()); ++start) {
        if (placed[start] || order[start].index == start)
            continue;
        Row held = std::move(rows[start]);
        qsizetype to = start;
        while (order[to].index != start) {
            rows[to] = std::move(rows[order[to].index]);
            placed[to] = true;
            to = order[to].index;
        }
        rows[to] = std::move(held);
        placed[to] = true;
    }
}
