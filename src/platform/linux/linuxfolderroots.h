// PROGRAMFILES and APPDATA when set, else the folder beside the executable and the
// XDG data home; the documents folder from the XDG user folders.
#pragma once

#include "folderroots.h"

class LinuxFolderRoots : public FolderRoots
{
public:
    QString programFilesRoot() const override;
    QString appDataRoot() const override;
    QString documentsFolder() const override;
};
