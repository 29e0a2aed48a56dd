// The three roots below which the program keeps its files.
#pragma once

#include <QString>

class FolderRoots
{
public:
    virtual ~FolderRoots() = default;
    // Where the installed files live: the "Kestrane/VelmorUC" folder goes below it.
    virtual QString programFilesRoot() const = 0;
    // Per-user application data.
    virtual QString appDataRoot() const = 0;
    // The user's documents folder.
    virtual QString documentsFolder() const = 0;
};
