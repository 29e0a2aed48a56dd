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

// A transferred run carries either a Windows language id or no proofing at all
// (phonetic symbols, or no language chosen), so that a word processor does not
// check European words as Japanese.
inline constexpr int NoProofing = 0;
// The Windows language id of a locale ("fr_FR" gives 1036); NoProofing for none.
int WindowsLanguageId(const QString &locale);

// The rich text an editing component puts on the clipboard for a selection of the
// text: the header, font table and size of BuildRtfDocument, the run tagged with
// its language, lines as \par and no paragraph mark after the last line, so that
// it pastes inline, inside the receiver's paragraph.
QString BuildRtfFragment(int charset, int size, QStringView text, const QString &fontName,
                         int languageId);
QString BuildRtfFragment(int charset, int size, QStringView text, const QString &fontName,
                         QStringView familyWord, int languageId);

// The text/html flavour beside the rich text: one span in the font family and size,
// every character outside ASCII and every markup character as a reference, blanks
// kept, line breaks as <br>. languageTag is a BCP 47 tag or empty.
QString TransferHtml(QStringView text, const QString &fontName, int size,
                     const QString &languageTag);

// The document as RTF bytes: ASCII as it is, the font name in code page 932. A
// character code page 932 lacks becomes "\uN?", and a double-byte character whose
// bytes an RTF reader would take for "\", "{" or "}" is written as \'hh pairs.
QByteArray RtfDocumentBytes(QStringView document);

QString WorkRtfPath(const QString &sysFolder);
// Replaces "Work.rtf" in sysFolder with the document and CR LF; bytes, when given,
// receives what was written.
WriteResult WriteWorkRtf(const QString &sysFolder, int charset, int size, QStringView text,
                         const QString &fontName, QByteArray *bytes = nullptr);
