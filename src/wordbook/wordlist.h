// The word list's side that needs no widgets: its columns in both display directions,
// numbering and the column sort.
#pragma once

#include <QList>
#include <QLocale>
#include <QString>

#include <array>

#include "wordbookfile.h"

// Columns of the word list. Column 0 holds the foreign word when the foreign word comes
// first (EiwaFlg), else the Japanese; column 4 the other one.
enum WordListColumn {
    FirstWordColumn = 0,
    NumberColumn = 1,
    PhoneticSymbolsColumn = 2,
    PhoneticKanaColumn = 3,
    SecondWordColumn = 4,
    NotesColumn = 5,
    VoiceFileColumn = 6,
    TextColourColumn = 7,
};
inline constexpr int WordListColumns = 8;

// The list holds the words themselves; a row's number is its position + 1.
// The text a column shows; the number column gives number.
QString WordListCellText(const WordEntry &word, int number, int column, bool foreignFirst);
// The field a column other than the number shows (an empty string for the number).
const QString &WordFieldOfColumn(const WordEntry &word, int column, bool foreignFirst);
// The column that shows the foreign word in this direction.
int ForeignWordColumn(bool foreignFirst);
// Column captions 0..7; languageName is the first of the seven field captions.
QString WordListCaption(int column, bool foreignFirst, const QString &languageName);
// The seven field captions, starting with the language name.
QStringList ColumnNames(const QString &languageName);

// The question asked before a sort by the column with this caption.
QString SortConfirmationText(const QString &caption);

// The key the foreign-word column sorts by: the text lower-cased by the locale.
QString ForeignSortKey(const QString &text, const QLocale &locale);

// Sorts by a column's displayed text; the foreign-word column compares the texts
// lower-cased by the locale, every other column code unit by code unit. direction +1
// ascending, -1 descending; equal rows keep their order. The number column does not
// sort.
void SortWordList(QList<WordEntry> &words, int column, int direction, bool foreignFirst,
                  const QLocale &locale = QLocale());

// The eight directions of the word list, +1 at first.
struct WordListSort
{
    std::array<int, WordListColumns> directions{1, 1, 1, 1, 1, 1, 1, 1};

    // Whether a header click on this column sorts at all (not the number column).
    static bool sorts(int column)
    {
        return column >= 0 && column < WordListColumns && column != NumberColumn;
    }
    // After the user said yes: negates the direction and sorts, so the first sort of a
    // column is descending. False, and nothing changes, for a column that does not sort.
    bool sortByColumn(QList<WordEntry> &words, int column, bool foreignFirst,
                      const QLocale &locale = QLocale());
    bool operator==(const WordListSort &) const = default;
};
