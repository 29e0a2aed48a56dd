// A word book written for spaced-repetition flashcard programs: UTF-8 text with tabs
// between the fields and header lines that tell the importer how to read it, and the
// voice files copied into a media folder beside it.
#pragma once

#include <QByteArray>
#include <QSet>
#include <QString>
#include <QStringList>

#include "wordbookfile.h"

// One field as HTML on one line: & < > " escaped, every line break (CR LF, CR, LF)
// as <br>, a tab as a character reference, so that no field can split the line.
QString FlashcardHtml(QStringView text);
// The group as a tag: every blank (U+3000 too) becomes "_".
QString FlashcardTag(QStringView group);

// Header lines, then one note per word: front (foreign word, IPA on a second line, the
// sound of the voice files named in sounds), back (Japanese, katakana, notes), tag.
QByteArray FlashcardText(const WordBook &book, const QSet<QString> &sounds);

// "<folder of the export>/<its base name>_media".
QString FlashcardMediaFolder(const QString &exportPath);

struct FlashcardExportResult
{
    bool ok = false;
    QString errorMessage; // names the file that could not be written or copied
    qsizetype notes = 0;
    int soundsCopied = 0;
    QStringList missingSounds; // voice files named by words but not found
    QString mediaFolder;       // empty when no voice file was copied
};

// Copies the voice files that exist, then writes the text. wordBookFolder is where
// the book lies, for voice files without a voice folder.
FlashcardExportResult ExportFlashcards(const WordBook &book, const QString &wordBookFolder,
                                       const QString &exportPath);
