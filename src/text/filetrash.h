// Removing a file the user may still want: into the desktop trash, so that it can be
// taken back; erased only where its file system has no trash.
#pragma once

#include <QString>

enum class DiscardStatus {
    Trashed, // in the trash; pathInTrash tells where
    Erased,  // no trash for this file system: the file is gone
    Missing, // there was no such file; nothing changed
    Failed,  // the file is still there; errorMessage names it
};

struct DiscardResult
{
    DiscardStatus status = DiscardStatus::Missing;
    QString pathInTrash;
    QString errorMessage;
    bool removed() const { return status == DiscardStatus::Trashed || status == DiscardStatus::Erased; }
};

DiscardResult DiscardFile(const QString &path);

// True when both files hold the same bytes (false when either cannot be read).
bool SameFileBytes(const QString &a, const QString &b);
