// The word-book editor's view of a ".utx" file: every word's seven fields exactly as
// stored (escape sequences not expanded), and the writer that stores the cells so that
// every line reads back as the grid showed it.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <array>

#include "textfile.h"
#include "wordbookfile.h"

using EditorRow = std::array<QString, WordFieldCount>;

struct EditorBook
{
    QString title;
    QString group;
    QString voiceFolder;
    QList<EditorRow> rows;
    // Lines that are not words, written back unchanged after the words.
    QStringList keptLines;

    bool operator==(const EditorBook &) const = default;
};

struct EditorBookLoadResult
{
    WordBookStatus status = WordBookStatus::Missing;
    EditorBook book;
    QString errorMessage; // names the file for ReadFailed
};

// The file's words in file order. A line is a word when it splits into exactly seven
// fields with every quote closed, as the word list reads it; other lines are kept.
EditorBookLoadResult LoadEditorBook(const QString &folder, const QString &fileName);
// The same from lines already read; fewer than the three header lines give an empty book.
EditorBook EditorBookFromLines(const QList<QStringView> &lines);

// A text typed or pasted into a cell as the file stores it: a double quote becomes "#$22"
// and every line break (CR LF, CR or LF) "#$0D", the escapes the reader turns back;
// NUL, which would end the line when read, is dropped.
QString StoredCellText(QStringView typed);

// True when all seven cells are blank after trimming.
bool IsBlankEditorRow(const EditorRow &row);

// The header, one line per row that is not blank (cells trimmed and stored as
// StoredCellText, each between double quotes), then the kept lines.
QStringList EditorBookLines(const EditorBook &book);

// Replaces the file atomically; a failure names the file and leaves the old one whole.
WriteResult SaveEditorBook(const QString &folder, const QString &fileName, const EditorBook &book);
