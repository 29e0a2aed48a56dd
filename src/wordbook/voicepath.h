// Where a word's voice file lies: in the book's voice folder, or beside the book.
#pragma once

#include <QString>

// voiceFolder + "/" + name, or wordBookFolder + "/" + name when the book has no voice
// folder. Empty for an empty name, which names no file.
QString ResolveVoicePath(const QString &voiceFolder, const QString &wordBookFolder,
                         const QString &name);
// The resolved path when it names an existing file (a folder does not count), else empty.
QString ExistingVoicePath(const QString &voiceFolder, const QString &wordBookFolder,
                          const QString &name);
