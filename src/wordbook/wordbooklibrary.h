// The word books of one folder as the word-book list shows them, the list's column
// sorts, and the file steps of creating, changing and deleting a book.
#pragma once

#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <array>

#include "wordbookfile.h"

struct WordBookScanResult
{
    QList<WordBookSummary> rows;
    // One message per entry that matched but could not be read; the scan goes on.
    QStringList errorMessages;
};

// Every file matching "*.utx" (any letter case) with at least three lines, ordered by
// title with the locale's case-sensitive collation; equal titles by file name.
WordBookScanResult ScanWordBookFolder(const QString &folder, const QLocale &locale = QLocale());

enum WordBookListColumn { BookTitleColumn = 0, BookFileColumn = 1, BookGroupColumn = 2 };
inline constexpr int WordBookSortColumns = 3;

// Sorts by title (lower-cased by the locale, then code unit by code unit), file name or
// group (code unit by code unit); direction +1 ascending, -1 descending. Rows that
// compare equal keep their order.
void SortWordBookList(QList<WordBookSummary> &rows, int column, int direction,
                      const QLocale &locale = QLocale());

// The three directions of the list's sortable columns, all +1 at first.
struct WordBookListSort
{
    std::array<int, WordBookSortColumns> directions{1, 1, 1};

    // A header click: negates the column's direction and sorts, so the first click
    // sorts descending. False, and nothing changes, for a column that does not sort.
    bool clickColumn(QList<WordBookSummary> &rows, int column, const QLocale &locale = QLocale());
    // The sort after a scan and after creating a book: the current direction, not negated.
    void sortByGroup(QList<WordBookSummary> &rows, const QLocale &locale = QLocale()) const;
    bool operator==(const WordBookListSort &) const = default;
};

// The first row with exactly this file name, or -1.
int FindWordBookRow(const QList<WordBookSummary> &rows, const QString &fileName);
// Sets the count of every row with this file name; the number of rows changed.
int UpdateWordBookCount(QList<WordBookSummary> &rows, const QString &fileName, qsizetype count);

enum class CreateStatus {
    Created,
    Exists, // a file of that name is there and was left alone
    Failed, // errorMessage names the file
};

struct CreateWordBookResult
{
    CreateStatus status = CreateStatus::Failed;
    QString errorMessage;
    bool ok() const { return status == CreateStatus::Created; }
};

// The file name the creation dialog proposes for a title: the title and ".utx", with
// any "/" or control character replaced by "_" so that the name stays one file name.
QString ProposedWordBookFileName(const QString &title);
// The header that the creation dialog writes: the title and voice folder trimmed, the
// group as typed.
WordBook NewWordBook(const QString &fileName, const QString &title, const QString &group,
                     const QString &voiceFolder);
// Writes an empty book (the three header lines) at path. An existing file is replaced
// only with replaceExisting, since replacing it loses its words: ask the user first
// with ReplaceWordBookQuestion and call again.
CreateWordBookResult CreateWordBookFile(const QString &path, const WordBook &header,
                                        bool replaceExisting);
// The confirmation before replacing an existing file at path.
QString ReplaceWordBookQuestion(const QString &path);

// The property dialog's OK: false (and the book unchanged) when the trimmed title is
// empty; else sets title (trimmed), group (as typed, empty allowed) and voice folder
// (trimmed).
bool ApplyWordBookProperties(WordBook &book, const QString &title, const QString &group,
                             const QString &voiceFolder);
// The warning for an empty title in the property dialog.
QString EmptyTitleWarning();

enum class PropertyChange {
    Changed,
    EmptyTitle,  // nothing written, the book unchanged: show EmptyTitleWarning()
    WriteFailed, // the file and the book are unchanged; errorMessage names the file
};

struct PropertyChangeResult
{
    PropertyChange status = PropertyChange::EmptyTitle;
    QString errorMessage;
    bool ok() const { return status == PropertyChange::Changed; }
};

// The property dialog's OK as a whole: applies the values and rewrites the file with
// all its words. The book in memory changes only when the file was written.
PropertyChangeResult ChangeWordBookProperties(const QString &folder, WordBook &book,
                                              const QString &title, const QString &group,
                                              const QString &voiceFolder);

enum class DeleteStatus {
    Deleted,
    Missing, // nothing to delete; nothing changed
    Failed,  // errorMessage names the file
};

struct DeleteWordBookResult
{
    DeleteStatus status = DeleteStatus::Missing;
    QString errorMessage;
    bool ok() const { return status == DeleteStatus::Deleted; }
};

// Moves the book to the desktop trash; erased only where its file system has none.
DeleteWordBookResult DeleteWordBookFile(const QString &folder, const QString &fileName);
