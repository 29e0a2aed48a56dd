// Opens files with the desktop's associated program (xdg-open).
#pragma once

#include "shell.h"

class DesktopShell : public Shell
{
public:
    void openFile(const QString &path, OpenFailed failed) override;
};
