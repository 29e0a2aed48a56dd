// A main window over a private home and fake platform services, for the window tests.
#pragma once

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSplitter>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <QToolButton>

#include <memory>

#include "fakedialogs.h"
#include "fakeplatform.h"
#include "fontfamilies.h"
#include "folders.h"
#include "modalcloser.h"
#include "platform.h"
#include "settings.h"
#include "testhome.h"
#include "textfile.h"
#include "tmainfrm.h"
#include "tshape.h"

struct MainFrmFixture
{
    TestHome home;
    FakeDialogs dialogs;
    FakeFolderRoots roots;
    FakeShell shell;
    FakeInputMethod inputMethod;
    FakeWindowSystem windows;
    Platform platform;
    AppFolders folders;
    // Commands that open a dialog must not block the tests that only trigger them.
    ModalCloser modalCloser;

    MainFrmFixture()
    {
        roots.programFiles = home.path(QStringLiteral("programs"));
        roots.appData = home.path(QStringLiteral("appdata"));
        roots.documents = home.path(QStringLiteral("Documents"));
        platform.dialogs = &dialogs;
        platform.roots = &roots;
        platform.shell = &shell;
        platform.inputMethod = &inputMethod;
        platform.windows = &windows;
        folders = ResolveFolders(roots);
        CreateFolders(folders, dialogs);
        QDir().mkpath(folders.ProgramFolder);
    }

    QString settingsPath() const { return folders.SysFolder + QStringLiteral("/VelmorUC.rng"); }
    // Writes a settings file the next window will read.
    void writeSettings(const QStringList &lines) const { WriteAnsiFile(settingsPath(), lines); }

    std::unique_ptr<TMainFrm> create()
    {
        auto window = std::make_unique<TMainFrm>(platform, folders);
        dialogs.shown.clear();
        return window;
    }
};

inline QMenu *findMenu(TMainFrm &w, const char *name)
{
    return w.MainMenu1->findChild<QMenu *>(QLatin1String(name));
}
