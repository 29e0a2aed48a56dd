#include "wordlistmodel.h"

#include <QApplication>
#include <QFontMetrics>
#include <QPainter>

#include "qtcolour.h"
#include "wordcolour.h"

WordListModel::WordListModel(QObject *parent) : QAbstractTableModel(parent) {}

int WordListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_words.size());
}

int WordListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : WordListColumns;
}

QVariant WordListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_words.size())
        return {};
    const WordEntry &word = m_words[index.row()];
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
        return WordListCellText(word, index.row() + 1, index.column(), m_foreignFirst);
    case TextColourRole:
        return word.textColour;
    case Qt::TextAlignmentRole:
        return index.column() == NumberColumn ? int(Qt::AlignCenter)
                                              : int(Qt::AlignLeft | Qt::AlignVCenter);
    default:
        return {};
    }
}

QVariant WordListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    return WordListCaption(section, m_foreignFirst, m_languageName);
}

void WordListModel::setWords(QList<WordEntry> words)
{
    beginResetModel();
    m_words = std::move(words);
    endResetModel();
}

bool WordListModel::sortByColumn(WordListSort &sort, int column)
{
    if (!WordListSort::sorts(column))
        return false;
    beginResetModel();
    sort.sortByColumn(m_words, column, m_foreignFirst);
    endResetModel();
    return true;
}

void WordListModel::clear()
{
    setWords({});
}

void WordListModel::setForeignFirst(bool on)
{
    if (m_foreignFirst == on)
        return;
    m_foreignFirst = on;
    Q_EMIT headerDataChanged(Qt::Horizontal, 0, WordListColumns - 1);
    if (!m_words.isEmpty())
        Q_EMIT dataChanged(index(0, 0), index(int(m_words.size()) - 1, WordListColumns - 1),
                           {Qt::DisplayRole});
}

void WordListModel::setLanguageName(const QString &name)
{
    m_languageName = name;
    Q_EMIT headerDataChanged(Qt::Horizontal, 0, WordListColumns - 1);
}

WordListDelegate::WordListDelegate(QObject *parent) : QStyledItemDelegate(parent) {}

QString FitTextToWidth(const QString &text, const QFontMetrics &metrics, int width)
{
    if (metrics.horizontalAdvance(text) < width)
        return text;
    // Cut one character at a time, as the list always has; a binary search would
    // give the same result faster, but cells are short.
    for (qsizetype keep = text.size() - 1; keep > 0; --keep) {
        const QString candidate = text.left(keep) + QStringLiteral("...");
        if (metrics.horizontalAdvance(candidate) < width)
            return candidate;
    }
    return QStringLiteral("...");
}

void WordListDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                             const QModelIndex &index) const
{
    const int column = index.column();
    if (column == TextColourColumn)
        return;
    const bool selected = option.state & QStyle::State_Selected;
    const QPalette &palette = option.palette;
    QColor background = palette.color(QPalette::Active, QPalette::Base);
    QColor foreground = palette.color(QPalette::Active, QPalette::Text);
    if (selected) {
        // The selection looks the same whether or not the list has the focus.
        background = palette.color(QPalette::Active, QPalette::Highlight);
        foreground = palette.color(QPalette::Active, QPalette::HighlightedText);
    } else {
        const QString code = index.data(WordListModel::TextColourRole).toString();
        if (IsColourCode(code)) {
            const quint32 c = ColourFromCode(code, 0);
            foreground = ToQColor(c);
        }
        if (column == PhoneticSymbolsColumn)
            background = m_look.phoneticBackground;
    }

    QFont font;
    switch (column) {
    case FirstWordColumn:
        font = m_look.foreignFirst ? m_look.foreignFont : m_look.japaneseFont;
        break;
    case NumberColumn:
    case VoiceFileColumn:
        font = m_look.fixedFont;
        break;
    case PhoneticSymbolsColumn:
        font = m_look.phoneticFont;
        break;
    case SecondWordColumn:
        font = m_look.foreignFirst ? m_look.japaneseFont : m_look.foreignFont;
        break;
    default:
        font = m_look.japaneseFont;
        break;
    }

    painter->save();
    painter->fillRect(option.rect, background);
    painter->setFont(font);
    painter->setPen(foreground);
    const QFontMetrics metrics(font);
    const QRect cell = option.rect;
    const QString text =
        FitTextToWidth(index.data(Qt::DisplayRole).toString(), metrics, cell.width() - 8);
    QRect textRect = cell.adjusted(4, 0, 0, 0);
    int flags = Qt::AlignVCenter | Qt::AlignLeft | Qt::TextSingleLine;
    if (column == NumberColumn) {
        textRect = cell.translated(4, 0);
        flags = Qt::AlignVCenter | Qt::AlignHCenter | Qt::TextSingleLine;
    }
    painter->setClipRect(cell);
    painter->drawText(textRect, flags, text);
    painter->restore();
}

int FontTargetHeight(int rowHeight, int percentage)
{
    return rowHeight * percentage / 100;
}

int FitListFontSize(const QFont &font, QChar sample, int targetHeight)
{
    // The text height of the sample as drawn: the line height of the font that draws
    // it, as a text extent measures it.
    QFont f = font;
    const auto height = [&](int size) {
        f.setPointSize(size);
        return QFontMetrics(f).size(Qt::TextSingleLine, QString(sample)).height();
    };
    // The smallest size from 11 up that reaches the target. Heights grow with the
    // size, so start from the proportional guess and step to the answer: a handful of
    // measurements instead of one per point.
    constexpr int MinSize = 11;
    constexpr int MaxSize = 400; // guards against a font that never reports a height
    const int atMin = height(MinSize);
    if (atMin >= targetHeight)
        return MinSize;
    int size = atMin > 0 ? qBound(MinSize, MinSize * targetHeight / atMin, MaxSize) : MinSize;
    while (size < MaxSize && height(size) < targetHeight)
        ++size;
    while (size > MinSize && height(size - 1) >= targetHeight)
        --size;
    return size;
}

ListFontSizes FitListFonts(const QFont &foreign, const QFont &phonetic, const QFont &japanese,
                           int rowHeight, int gadr, int ipadr, int jpdr)
{
    return {FitListFontSize(foreign, u'M', FontTargetHeight(rowHeight, gadr)),
            FitListFontSize(phonetic, u'W', FontTargetHeight(rowHeight, ipadr)),
            FitListFontSize(japanese, QChar(0x661F), FontTargetHeight(rowHeight, jpdr))};
}
