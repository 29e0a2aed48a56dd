// Where a word's voice file lies: in the book's voice folder, or beside the book.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

// voiceFolder + "/" + name, or wordBookFolder + "/" + name when the book has no voice
// folder. Empty for an empty name, which names no file.
QString ResolveVoicePath(const QString &voiceFolder, const QString &wordBookFolder,
                         const QString &name);
// The resolved path when it names an existing file (a folder does not count), else empty.
QString ExistingVoicePath(const QString &voiceFolder, const QString &wordBookFolder,
                          const QString &name);

// Where the player window goes when a word dialog opens it: beside the dialog, to the
// right, else to the left, else below or above, so it covers none of the dialog's
// fields; kept inside the screen area. frame is the player's size with its frame.
QPoint PlayerPositionBeside(const QRect &dialog, const QSize &frame, const QRect &screen);
