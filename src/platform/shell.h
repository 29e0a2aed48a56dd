// Opening a file with the program the desktop associates with it.
#pragma once

#include <QString>

#include <functional>

class Shell
{
public:
    // Why no program of the desktop shows a file; the text names no file.
    using OpenFailed = std::function<void(const QString &reason)>;

    virtual ~Shell() = default;
    // failed is called, at once or when the desktop gives up, if nothing shows the file:
    // a desktop without a viewer must not swallow the command.
    virtual void openFile(const QString &path, OpenFailed failed) = 0;
};
