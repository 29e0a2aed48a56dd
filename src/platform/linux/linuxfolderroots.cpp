#include "linuxfolderroots.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

QString LinuxFolderRoots::programFilesRoot() const
{
    if (qEnvironmentVariableIsSet("PROGRAMFILES"))
        return qEnvironmentVariable("PROGRAMFILES");
    return QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/../share"));
}

QString LinuxFolderRoots::appDataRoot() const
{
    if (qEnvironmentVariableIsSet("APPDATA"))
        return qEnvironmentVariable("APPDATA");
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
}

QString LinuxFolderRoots::documentsFolder() const
{
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}
