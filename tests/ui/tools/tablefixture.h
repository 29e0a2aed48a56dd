// A table folder in a private home and fake platform services, for the table tools.
#pragma once

#include <QDir>
#include <QFile>

#include <memory>

#include "fakedialogs.h"
#include "fakeplatform.h"
#include "folders.h"
#include "platform.h"
#include "settings.h"
#include "testhome.h"
#include "textfile.h"

struct TableFixture
{
    TestHome home;
    FakeDialogs dialogs;
    FakeShell shell;
    FakeInputMethod inputMethod;
    Platform platform;
    Settings settings;
    AppFolders folders;
    WindowRect bounds;

    TableFixture()
    {
        platform.dialogs = &dialogs;
        platform.shell = &shell;
        platform.inputMethod = &inputMethod;
        folders.UserTableFolder = home.path(QStringLiteral("Tbl"));
        folders.SystemTableFolder = home.path(QStringLiteral("SysTbl"));
        folders.TableFolder = folders.UserTableFolder;
        QDir().mkpath(folders.UserTableFolder);
        QDir().mkpath(folders.SystemTableFolder);
    }
    QString table(const QString &name) const { return folders.TableFolder + u'/' + name; }
    void write(const QString &name, const QStringList &lines) const
    {
        WriteAnsiFile(table(name), lines);
    }
    QByteArray bytes(const QString &name) const
    {
        QFile f(table(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
};
