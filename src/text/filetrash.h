// Removing a file the user may still want: into the desktop trash, so that it can be
// taken back; erased only where its file system has no trash.
#pragma once

#include <QString>
#include <QStringList>

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

// A save cut off by a crash leaves its temporary file beside the file it was to
// replace: the file's name, a dot and six letters or digits ("book.utx.a1B2c3").
// suffixes are the extensions of the files the program writes, without the dot.
bool IsSaveLeftoverName(const QString &fileName, const QStringList &suffixes);

struct LeftoverCleanup
{
    int discarded = 0;      // moved to the trash (or erased where there is none)
    QStringList failedPaths; // files that could be neither trashed nor erased
};

// Discards the leftovers in the given folders (not their subfolders).
LeftoverCleanup DiscardSaveLeftovers(const QStringList &folders, const QStringList &suffixes);
