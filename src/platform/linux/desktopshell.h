// Opens files with the desktop's associated program.
#pragma once

#include "shell.h"

class DesktopShell : public Shell
{
public:
    bool openFile(const QString &path) override;
};
