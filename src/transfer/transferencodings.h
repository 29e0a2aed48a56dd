// The text encodings of a transfer: numeric character references, RTF Unicode
// escapes, and the one-line rich-text document also written to "Work.rtf".
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

#include "textfile.h"

// "&#x00E9;" for every UTF-16 code unit, surrogate halves one by one.
QString HexCharRefs(QStringView text);
// "&#233;" for every UTF-16 code unit.
QString DecimalCharRefs(QStringView text);
// "\u233?" for every UTF-16 code unit, ASCII included; never negative.
QString RtfUnicodeEscape(QStringView text);

// The rich-text document of the given text in one font; the family word is taken
// from the installed font the name resolves to.
QString BuildRtfDocument(int charset, int size, QStringView text, const QString &fontName);
// The same with a known family word ("froman", "fswiss", ...).
QString BuildRtfDocument(int charset, int size, QStringView text, const QString &fontName,
                         QStringView familyWord);

// The document as RTF bytes: ASCII as it is, the font name in code page 932. A
// character code page 932 lacks becomes "\uN?", and a double-byte character whose
// bytes an RTF reader would take for "\", "{" or "}" is written as \'hh pairs.
QByteArray RtfDocumentBytes(QStringView document);

QString WorkRtfPath(const QString &sysFolder);
// Replaces "Work.rtf" in sysFolder with the document and CR LF; bytes, when given,
// receives what was written.
WriteResult WriteWorkRtf(const QString &sysFolder, int charset, int size, QStringView text,
                         const QString &fontName, QByteArray *bytes = nullptr);
