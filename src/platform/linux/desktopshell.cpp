#include "desktopshell.h"

#include <QDesktopServices>
#include <QUrl>

bool DesktopShell::openFile(const QString &path)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}
