// Opening a file with the program the desktop associates with it.
#pragma once

#include <QString>

class Shell
{
public:
    virtual ~Shell() = default;
    virtual bool openFile(const QString &path) = 0;
};
