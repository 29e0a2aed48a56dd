// Fakes of the remaining platform services, for tests.
#pragma once

#include "folderroots.h"
#include "inputmethod.h"
#include "instancelock.h"
#include "shell.h"
#include "windowsystem.h"

#include <QHash>
#include <QStringList>

class FakeFolderRoots : public FolderRoots
{
public:
    QString programFiles, appData, documents;
    QString programFilesRoot() const override { return programFiles; }
    QString appDataRoot() const override { return appData; }
    QString documentsFolder() const override { return documents; }
};

class FakeInstanceLock : public InstanceLock
{
public:
    bool heldElsewhere = false;
    bool tryLock() override { return !heldElsewhere; }
};

class FakeShell : public Shell
{
public:
    QStringList opened;
    bool hasViewer = true;
    void openFile(const QString &path, OpenFailed failed) override
    {
        opened.append(path);
        if (!hasViewer && failed)
            failed(QStringLiteral("表示するプログラムがありません。"));
    }
};

class FakeInputMethod : public InputMethod
{
public:
    QString current;
    QStringList layouts;
    QStringList selected;
    QString currentLayout() const override { return current; }
    QStringList availableLayouts() const override { return layouts; }
    bool selectLayout(const QString &layout) override
    {
        if (!layouts.contains(layout))
            return false;
        selected.append(layout);
        current = layout;
        return true;
    }
};

// A desktop of scripted windows: the test says which one is in front.
class FakeWindowSystem : public WindowSystem
{
public:
    bool hasDisplay = true;
    ForeignWindowId active = 0;
    QHash<ForeignWindowId, QString> titles;
    QList<ForeignWindowId> panels;
    QList<ForeignWindowId> activated;
    QList<ForeignWindowId> pasted;
    bool activateSucceeds = true;
    bool caps = false;

    bool available() const override { return hasDisplay; }
    ForeignWindowId activeWindow() const override { return hasDisplay ? active : 0; }
    QString windowTitle(ForeignWindowId w) const override { return titles.value(w); }
    bool isDesktopOrPanel(ForeignWindowId w) const override { return panels.contains(w); }
    bool activateWindow(ForeignWindowId w) override
    {
        activated.append(w);
        if (activateSucceeds)
            active = w;
        return activateSucceeds;
    }
    bool sendPasteKeystroke(ForeignWindowId w) override
    {
        pasted.append(w);
        return hasDisplay;
    }
    bool capsLockOn() const override { return caps; }
    void setCapsLock(bool on) override { caps = on; }
};
