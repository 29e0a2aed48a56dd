// The open book's words as the word list shows them: a table model over the rows,
// the delegate that paints each row with its fitted fonts and colours, and the font
// fitting itself.
#pragma once

#include "wordlist.h"

#include <QAbstractTableModel>
#include <QFont>
#include <QStyledItemDelegate>

class WordListModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Roles { TextColourRole = Qt::UserRole + 1 };

    explicit WordListModel(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // The words in list order; row i has number i + 1.
    const QList<WordEntry> &words() const { return m_words; }
    // Any change of the words goes through here, so the view is always told. A list
    // handed over with std::move is not copied.
    void setWords(QList<WordEntry> words);
    // Sorts the words in place after the user said yes (see WordListSort).
    bool sortByColumn(WordListSort &sort, int column);
    void clear();

    bool foreignFirst() const { return m_foreignFirst; }
    void setForeignFirst(bool on);
    QString languageName() const { return m_languageName; }
    void setLanguageName(const QString &name);

private:
    QList<WordEntry> m_words;
    bool m_foreignFirst = true;
    QString m_languageName = QStringLiteral("欧　文");
};

// The three list fonts and the row's colours.
struct WordListLook
{
    QFont foreignFont;
    QFont phoneticFont;
    QFont japaneseFont;
    QFont fixedFont; // "No" and the voice file column
    QColor phoneticBackground;
    bool foreignFirst = true;
};

class WordListDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    explicit WordListDelegate(QObject *parent = nullptr);
    void setLook(const WordListLook &look) { m_look = look; }
    const WordListLook &look() const { return m_look; }

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;

private:
    WordListLook m_look;
};

// A text that fits width: whole, or cut from its end with "..." appended.
QString FitTextToWidth(const QString &text, const QFontMetrics &metrics, int width);

// The height a sample character is to reach: row height x percentage / 100.
int FontTargetHeight(int rowHeight, int percentage);
// The point size from 11 up at which the sample reaches the target height.
int FitListFontSize(const QFont &font, QChar sample, int targetHeight);

// Fits the foreign ("M", GADR), phonetic ("W", IPADR) and Japanese ("星", JPDR) fonts
// to the row height.
struct ListFontSizes
{
    int foreign = 11;
    int phonetic = 11;
    int japanese = 11;
    bool operator==(const ListFontSizes &) const = default;
};
ListFontSizes FitListFonts(const QFont &foreign, const QFont &phonetic, const QFont &japanese,
                           int rowHeight, int gadr, int ipadr, int jpdr);
