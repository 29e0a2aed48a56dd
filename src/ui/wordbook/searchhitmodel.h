// The result list of the word-book search: a table model over the hits ("- なし -" when
// a search found nothing) and the delegate that paints a row with the three fonts.
#pragma once

#include <QAbstractTableModel>
#include <QColor>
#include <QFont>
#include <QStyledItemDelegate>

#include "wordbooksearch.h"

class SearchHitModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    static constexpr int ColumnCount = 9;
    explicit SearchHitModel(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // An empty list of hits shows the single row "- なし -".
    void setHits(QList<SearchHit> hits);
    void clear();
    const QList<SearchHit> &hits() const { return m_hits; }
    bool noneRow() const { return m_none; }
    // The cell texts of a hit, columns 0..8.
    static QString cellText(const SearchHit &hit, int column);

    void setLanguageName(const QString &name);

private:
    QList<SearchHit> m_hits;
    bool m_none = false;
    QString m_languageName = QStringLiteral("欧　文");
};

struct SearchHitLook
{
    QFont foreignFont;
    QFont phoneticFont;
    QFont japaneseFont;
    QColor phoneticBackground;
};

class SearchHitDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    explicit SearchHitDelegate(QObject *parent = nullptr);
    void setLook(const SearchHitLook &look) { m_look = look; }
    const SearchHitLook &look() const { return m_look; }

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;

private:
    SearchHitLook m_look;
};
