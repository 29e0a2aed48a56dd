// Word books of eleven related vocabulary programs turned into ".utx" books: the
// formats with their code pages and line layouts, the output names, the conversion.
#pragma once

#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

#include "wordbookfile.h"

enum class SourceLayout {
    Generic,  // title, count; per word Japanese, kana, notes, foreign word
    Phonetic, // title, count; per word foreign word, kana, Japanese, legacy phonetic codes
    Chinese,  // title, count, voice folder; six lines per word, text as hex byte codes
    Unicode,  // title, count, voice folder; seven lines per word, UTF-16
};

struct SourceFormat
{
    QString selectorText; // product name, U+3000, pattern in brackets
    QString extension;    // ".kwd"; empty for a file of any other extension
    const char *codec;    // of the foreign word; null where the layout fixes the encoding
    SourceLayout layout;
};

// In the order of the format selector.
const QList<SourceFormat> &SourceFormats();
inline constexpr int DefaultSourceFormat = 4; // "VelmorLady　(*.ewd)"
// By the file's extension, compared case-insensitively; any other extension gives
// the ANSI code page and the generic layout.
const SourceFormat &FormatForFile(const QString &fileName);

// The five characters from the selector text's "*" ("*.kwd"), or "*.*".
QString SourcePattern(const QString &selectorText);
// The files (not folders) of the folder that match the pattern, case-insensitively,
// in the order of their names.
QStringList ListSourceFiles(const QString &folder, const QString &pattern);

// The source name with ".utx" for its extension; when that exists in the target
// folder, the part before the first "." with "(1)", "(2)" ... Never an existing file.
QString UniqueTargetName(const QString &sourceFileName, const QString &targetFolder);

// Asked once for each phonetic book: true takes its foreign words from code page
// 1252, false from the ANSI code page.
using ForeignWordQuestion = std::function<bool(const QString &fileName)>;
QString ForeignWordQuestionText(const QString &fileName);

struct SourceConversion
{
    WordBook book;          // header and the words read, up to a failure
    bool ok = false;
    bool headerRead = false; // false: not even the header lines are there
    qsizetype failedWord = 0; // 1-based number of the word that could not be read
    QString reason;
};

// The book held in a source file's bytes; fileName decides the format.
SourceConversion ConvertSourceBytes(QByteArrayView bytes, const QString &fileName,
                                    const ForeignWordQuestion &ask);

struct ConversionResult
{
    QString outputName;
    bool ok = false;
    bool written = false; // the output file holds what could be read
    qsizetype words = 0;  // words in the output file
    QString errorMessage; // names the source file, the word and the output file
};

// Converts one source file into a new book of the target folder. After a failure the
// words before it are still written, unless the file could not be read at all.
ConversionResult ConvertWordBookFile(const QString &sourcePath, const QString &targetFolder,
                                     const ForeignWordQuestion &ask);
