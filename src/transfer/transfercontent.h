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
    // Afterwards: give the source field the focus, and select all of its text.
    bool focusSource = false;
    bool selectAllInSource = false;
    bool operator==(const TransferContent &) const = default;
};

// Line breaks of an editor's text as CR LF.
QString TransferSourceText(QStringView editorText);

// The content of a mode without touching any file: mode 4 gets the document it
// would write to "Work.rtf". The fonts and sizes come from settings.
TransferContent TransferContentFor(TransferMode mode, const TransferFields &fields,
                                   const Settings &settings);

// As TransferContentFor, and for mode 4 "Work.rtf" in sysFolder is replaced, its
// bytes becoming the rich-text flavour. When the file cannot be written,
// errorMessage names it and the content is that of mode 0, so the user still gets
// the text.
TransferContent PrepareTransfer(TransferMode mode, const TransferFields &fields,
                                const Settings &settings, const QString &sysFolder,
                                QString *errorMessage = nullptr);

// text/plain, and text/rtf with text/richtext for rich content. The caller owns it
// (QClipboard::setMimeData takes it over).
QMimeData *TransferMimeData(const TransferContent &content);
