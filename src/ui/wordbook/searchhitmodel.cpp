#include "searchhitmodel.h"

#include <QAbstractItemView>
#include <QPainter>

#include "wordlist.h"
#include "wordlistmodel.h"

SearchHitModel::SearchHitModel(QObject *parent) : QAbstractTableModel(parent) {}

int SearchHitModel::rowCount(const QModelIndex &parent) const
{
    if (parent.isValid())
        return 0;
    return m_none ? 1 : int(m_hits.size());
}

int SearchHitModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QString SearchHitModel::cellText(const SearchHit &hit, int column)
{
    switch (column) {
    case 0:
        return hit.foreignWord;
    case 1:
        return hit.phoneticSymbols;
    case 2:
        return hit.title;
    case 3:
        return hit.numberText();
    case 4:
        return hit.japanese;
    case 5:
        return hit.phoneticKana;
    case 6:
        return hit.notes;
    case 7:
        return hit.voiceFile;
    case 8:
        return hit.textColour;
    default:
        return {};
    }
}

QVariant SearchHitModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || role != Qt::DisplayRole)
        return {};
    if (m_none)
        return index.column() == 0 ? QStringLiteral("- なし -") : QString();
    return cellText(m_hits[index.row()], index.column());
}

QVariant SearchHitModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case 0:
        return m_languageName;
    case 1:
        return QStringLiteral("発音記号");
    case 2:
        return QStringLiteral("単語帳ﾀｲﾄﾙ");
    case 3:
        return QStringLiteral("No");
    case 4:
        return QStringLiteral("日本語");
    default:
        return QString();
    }
}

void SearchHitModel::setHits(QList<SearchHit> hits)
{
    beginResetModel();
    m_hits = std::move(hits);
    m_none = m_hits.isEmpty();
    endResetModel();
}

void SearchHitModel::clear()
{
    beginResetModel();
    m_hits.clear();
    m_none = false;
    endResetModel();
}

void SearchHitModel::setLanguageName(const QString &name)
{
    m_languageName = name;
    Q_EMIT headerDataChanged(Qt::Horizontal, 0, 0);
}

SearchHitDelegate::SearchHitDelegate(QObject *parent) : QStyledItemDelegate(parent) {}

void SearchHitDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                              const QModelIndex &index) const
{
    const int column = index.column();
    if (column > 4)
        return;
    painter->save();
    const bool selected = option.state & QStyle::State_Selected;
    const auto *view = qobject_cast<const QAbstractItemView *>(option.widget);
    const bool focused = view && view->hasFocus();
    QColor fill = option.palette.color(QPalette::Base);
    QColor text = option.palette.color(QPalette::Text);
    if (!(option.state & QStyle::State_Enabled))
        text = option.palette.color(QPalette::Disabled, QPalette::Text);
    if (selected && focused) {
        fill = option.palette.color(QPalette::Highlight);
        text = option.palette.color(QPalette::HighlightedText);
    } else if (selected) {
        fill = QColor(192, 192, 192);
        text = option.palette.color(QPalette::ButtonText);
    } else if (column == 1) {
        fill = m_look.phoneticBackground;
    }
    painter->fillRect(option.rect, fill);
    const QFont font =
        column == 0 ? m_look.foreignFont : column == 1 ? m_look.phoneticFont : m_look.japaneseFont;
    painter->setFont(font);
    painter->setPen(text);
    QRect r = option.rect.adjusted(4, 0, -2, 0);
    const QString shown = FitTextToWidth(index.data().toString(), QFontMetrics(font), r.width());
    Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter;
    if (column == 3) {
        // Centred and moved 4 pixels right.
        r = option.rect.adjusted(4, 0, 4, 0);
        align = Qt::AlignHCenter | Qt::AlignVCenter;
    }
    painter->drawText(r, align | Qt::TextSingleLine, shown);
    painter->restore();
}
