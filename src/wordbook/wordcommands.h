// The row changes behind the word commands: register, insert, edit, move, delete and
// the colour value, on the word list's rows. No widgets; the windows call these and
// then save the book.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

#include "wordlist.h"

// The six fields of the word form, trimmed; the text colour is left empty.
WordEntry TrimmedWordFields(const WordEntry &entered);
// An entry without a foreign word cannot be registered or kept by an edit.
bool CanStoreWord(const WordEntry &trimmed);
// The warning shown for an empty foreign word.
QString EmptyWordWarning();

// Puts the word at position (0-based; clamped to 0..n, n appends) and returns the row index of the new word.
int InsertWordRow(QList<WordEntry> &rows, int position, const WordEntry &word);
// The position "挿入" uses for the selected number of the list: directly above that word.
inline int InsertPositionForNumber(int number)
{
    return number - 1;
}

// Replaces the six form fields of the row; the text colour stays. False for a row
// that does not exist.
bool ReplaceWordFields(QList<WordEntry> &rows, int row, const WordEntry &fields);

// The numbers the registration dialog's list offers: "1" to "n".
QStringList WordNumbers(int count);
// The numbers the move dialog's list offers: 1..n without the word's own number.
QStringList MoveTargetNumbers(int count, int ownNumber);
// A typed or chosen list number in 1..count, else nothing.
std::optional<int> ListNumber(const QString &text, int count);

// Moves the word of row source (0-based) directly above the word that has number
// target (1..n): a copy goes in at target - 1, then the old row goes. Returns the moved word's new row, or -1 when source or target is out of range.
int MoveWordRow(QList<WordEntry> &rows, int source, int target);

// Removes the row; false for a row that does not exist.
bool DeleteWordRow(QList<WordEntry> &rows, int row);

// The value the colour dialog stores for the text of its new field: "#000000" (black,
// the default) becomes empty; empty and valid codes are kept; anything else stores
// nothing.
std::optional<QString> ColourValueToStore(const QString &text);
