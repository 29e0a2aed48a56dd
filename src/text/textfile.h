// Reading and writing the program's text files: byte-order marks, the ANSI code
// page, line breaks, and atomic replacement. No other code opens a text file.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <QStringView>

enum class TextEncoding { Ansi, Utf8, Utf16LE, Utf16BE };

// How a file without a byte-order mark is decoded, and where its text ends.
enum class TextFileKind {
    Ansi,    // settings, lists, markers: the ANSI code page (932)
    Table,   // table files: as Ansi, and a NUL ends the text
    Unicode, // word books, pad text: UTF-16 little-endian
};

struct TextReadResult
{
    bool ok = false;
    QString errorMessage; // names the file when ok is false
    QStringList lines;
    TextEncoding encoding = TextEncoding::Ansi;
};

// A whole file's text and its lines, cut from it without copying. Move-only: the
// views point into text.
struct TextLines
{
    TextLines() = default;
    TextLines(TextLines &&) = default;
    TextLines &operator=(TextLines &&) = default;
    TextLines(const TextLines &) = delete;
    TextLines &operator=(const TextLines &) = delete;

    QString text;
    QList<QStringView> lines;
    TextEncoding encoding = TextEncoding::Ansi;
};

struct WriteResult
{
    bool ok = false;
    QString errorMessage; // names the file when ok is false
    explicit operator bool() const { return ok; }
};

// The byte-order marks are tried in the order FF FE, FE FF, EF BB BF.
QString DecodeText(QByteArrayView bytes, TextFileKind kind, TextEncoding *encoding = nullptr);

// CR, LF and CR LF end a line; a final break adds no empty line.
QStringList SplitTextLines(QStringView text);

// Text in the ANSI code page; lossless tells whether it decodes back to the same text.
QByteArray EncodeAnsi(QStringView text, bool *lossless = nullptr);
QString DecodeAnsi(QByteArrayView bytes);

// Every line followed by CR LF; in code page 932 without mark, or as UTF-8 with mark
// when some character cannot be represented in code page 932, or as UTF-16 LE with
// mark when the text holds an unpaired surrogate, which UTF-8 cannot carry.
QByteArray EncodeAnsiLines(const QStringList &lines, TextEncoding *used = nullptr);
// FF FE, then every line in UTF-16 little-endian followed by CR LF.
QByteArray EncodeUnicodeLines(const QStringList &lines);

TextReadResult ReadTextFile(const QString &path, TextFileKind kind);
// The same lines as views, for large files: word books of many thousand words.
bool ReadTextLines(const QString &path, TextFileKind kind, TextLines *lines,
                   QString *errorMessage = nullptr);
QList<QStringView> SplitTextLineViews(QStringView text);
// The whole decoded text, line breaks as they are in the file.
TextReadResult ReadWholeText(const QString &path, TextFileKind kind, QString *text);
bool ReadFileBytes(const QString &path, QByteArray *bytes, QString *errorMessage = nullptr);

// Every write replaces the file atomically: a failure leaves the old file whole.
WriteResult WriteFileBytes(const QString &path, QByteArrayView bytes);
WriteResult WriteAnsiFile(const QString &path, const QStringList &lines);
WriteResult WriteUnicodeFile(const QString &path, const QStringList &lines);
// FF FE, then text in UTF-16 little-endian as it stands (its line breaks included).
WriteResult WriteUnicodeText(const QString &path, QStringView text);

// The system's text of a failed file operation, after the Japanese reason for the
// common cases (no permission, disk full, missing file or folder, read-only file system).
QString SystemErrorText(const QString &systemText);
QString ReadFailureMessage(const QString &path, const QString &reason);
QString WriteFailureMessage(const QString &path, const QString &reason);
