// The column sorts of the two lists: rows ordered by one precomputed key each,
// compared code unit by code unit; direction +1 ascending, -1 descending; rows with
// equal keys keep their order.
#pragma once

#include <QList>
#include <QStringList>
#include <QStringView>

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <memory>
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
    // The next eight code units of each key travel with it as two numbers, so most
    // comparisons of a large list stay inside this array instead of reading two strings.
    struct Entry
    {
        quint64 high;
        quint64 low;
        QStringView key;
        qsizetype index;
    };
    std::vector<Entry> order;
    order.reserve(rows.size());
    for (qsizetype i = 0; i < rows.size(); ++i) {
        const QStringView key = QStringView(keys[i]).sliced(shared);
        quint64 units[2] = {0, 0};
        for (qsizetype k = 0; k < 8; ++k)
            units[k / 4] = (units[k / 4] << 16) | (k < key.size() ? key[k].unicode() : 0);
        order.push_back({units[0], units[1], key, i});
    }
    const auto less = [](const Entry &a, const Entry &b) {
        if (a.high != b.high)
            return a.high < b.high;
        if (a.low != b.low)
            return a.low < b.low;
        return a.key.size() > 8 && b.key.size() > 8 ? a.key.sliced(8) < b.key.sliced(8)
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
    // Rows of this list alone are relocated bit by bit along the cycles of the
    // permutation. The row a few steps ahead on the cycle is fetched early so that the
    // cache misses of a large list overlap instead of coming one after the other; the
    // compact index keeps that look-ahead cheap, and no second list of rows is allocated
    // (fresh pages cost more than the moves).
    static_assert(QTypeInfo<Row>::isRelocatable, "rows are moved bit by bit");
    std::vector<qsizetype> next(order.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        next[i] = order[i].index;
    Row *data = rows.data();
    alignas(Row) std::byte held[sizeof(Row)];
    for (qsizetype start = 0; start < qsizetype(next.size()); ++start) {
        if (next[start] == start)
            continue;
        std::memcpy(static_cast<void *>(held), static_cast<const void *>(data + start),
                    sizeof(Row));
        qsizetype ahead = start;
        for (int k = 0; k < 8 && next[ahead] != start; ++k)
            ahead = next[ahead];
        qsizetype to = start;
        while (next[to] != start) {
            if (next[ahead] != start) {
                ahead = next[ahead];
                for (std::size_t line = 0; line < sizeof(Row); line += 64)
                    __builtin_prefetch(reinterpret_cast<const std::byte *>(data + ahead) + line);
            }
            const qsizetype from = next[to];
            std::memcpy(static_cast<void *>(data + to), static_cast<const void *>(data + from),
                        sizeof(Row));
            next[to] = to;
            to = from;
        }
        std::memcpy(static_cast<void *>(data + to), static_cast<const void *>(held),
                    sizeof(Row));
        next[to] = to;
    }
}
