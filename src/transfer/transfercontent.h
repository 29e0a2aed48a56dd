// What a transfer puts on the clipboard in each mode, and what the window does to
// the source field afterwards. The window only reads its fields into
// TransferFields, puts TransferMimeData() on the clipboard and applies the focus
// and selection flags.
#pragma once

#include <QByteArray>
#include <QString>

#include "transfermode.h"

class QMimeData;
struct Settings;

enum class TransferField { Pad, Phonetic };

// The two fields as the editors give them; line breaks in any form (CR LF, LF,
// CR, U+2029, U+2028).
struct TransferFields
{
    QString padText;           // Memo1, whole text
    QString padSelection;      // Memo1, selected text; empty when nothing is selected
    QString phoneticText;      // Edit1, whole text
    QString phoneticSelection; // Edit1, selected text
    bool operator==(const TransferFields &) const = default;
};

struct TransferContent
{
    bool copies = false; // false for a value that is not a mode: nothing is copied
    TransferField source = TransferField::Pad;
    QString sourceText; // what was encoded, lines joined with CR LF
    QString plainText;  // the text/plain flavour
    QByteArray rtf;     // the text/rtf flavour of modes 0, 4 and 10, else empty
    QString html;       // the text/html flavour beside it
    QByteArray workRtf; // mode 4: what "Work.rtf" receives
    // Afterwards: give the source field the focus, and select all of its text.
    bool focusSource = false;
    bool selectAllInSource = false;
    bool operator==(const TransferContent &) const = default;
};

// Line breaks of an editor's text as CR LF.
QString TransferSourceText(QStringView editorText);

// The language a pad transfer carries, from the language selector; none (no
// proofing) for the phonetic modes and for the general entry "欧　文".
int TransferLanguageId(TransferMode mode, const Settings &settings);
// The BCP 47 tag of the same language for the HTML flavour; empty for none.
QString TransferLanguageTag(TransferMode mode, const Settings &settings);
// The rich flavours of a text in one font and size: RTF that pastes inline and HTML.
// Returns the RTF family word of the font.
QString SetRichFlavours(TransferContent &content, int size, const QString &fontName,
                     int languageId, const QString &languageTag);

// The content of a mode without touching any file: mode 4 gets the document it
// would write to "Work.rtf". The fonts and sizes come from settings.
TransferContent TransferContentFor(TransferMode mode, const TransferFields &fields,
                                   const Settings &settings);

// As TransferContentFor, and for mode 4 "Work.rtf" in sysFolder is replaced with
// workRtf. When the file cannot be written, errorMessage names it; the clipboard
// still gets the text.
TransferContent PrepareTransfer(TransferMode mode, const TransferFields &fields,
                                const Settings &settings, const QString &sysFolder,
                                QString *errorMessage = nullptr);

// text/plain, and text/rtf with text/richtext and text/html for rich content. The caller owns it
// (QClipboard::setMimeData takes it over).
QMimeData *TransferMimeData(const TransferContent &content);
// The PRIMARY selection of a transfer: the plain text, which terminals paste.
QMimeData *TransferSelectionMimeData(const TransferContent &content);
