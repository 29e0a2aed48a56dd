// What the line window's transfer puts on the clipboard: the whole line as rich text,
// in the line's font at the size chosen in the window, or, in the rich text II mode,
// the document of "Work.rtf" at the pad's font and size.
#pragma once

#include <QString>

#include "transfercontent.h"

struct Settings;

// lineFont: the font the line shows (UsrMainFont or UsrSubFont by page); lineSize: the
// size box's value; phonetic: the phonetic page is shown (no proofing). In mode 4
// "Work.rtf" in sysFolder is replaced and the rich text is in the pad's font and
// size; when the file cannot be written, errorMessage names it and the line goes as
// rich text of the line's font instead, so the user still gets it.
TransferContent PrepareLineTransfer(const QString &line, TransferMode mode, const QString &lineFont,
                                    int lineSize, bool phonetic, const Settings &settings,
                                    const QString &sysFolder, QString *errorMessage = nullptr);

// The size box's text as a transfer size: a whole number from 1 to 1638 points (the
// largest an RTF size can carry in practice); anything else keeps the current size.
int LineTransferSize(const QString &text, int current);
