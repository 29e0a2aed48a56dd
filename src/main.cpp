#include "desktopshell.h"
#include "folders.h"
#include "fontfamilies.h"
#include "ibusinputmethod.h"
#include "linuxfolderroots.h"
#include "lockfileinstancelock.h"
#include "messageboxdialogs.h"
#include "platform.h"
#include "tmainfrm.h"
#include "wordbookfolders.h"
#include "x11windowsystem.h"

#include <QApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QStatusBar>
#include <QTranslator>

int main(int argc, char *argv[])
{
    // A second copy ends at once, before it opens a window or touches a file.
    LockFileInstanceLock lock;
    if (!lock.tryLock())
        return 0;

    // The menus stay in the window, where the help shows them. Asking the session bus for
    // a global menu bar would also cost every start without a bus a D-Bus launch.
    QApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("VelmorUC"));
    QApplication::setDesktopFileName(QStringLiteral("velmoruc"));
    QTranslator qtTranslator;
    if (qtTranslator.load(QStringLiteral("qtbase_ja"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTranslator);
    RegisterFontSubstitutes();

    LinuxFolderRoots roots;
    MessageBoxDialogs dialogs;
    DesktopShell shell;
    Platform platform;
    platform.dialogs = &dialogs;
    platform.roots = &roots;
    platform.shell = &shell;
    // Without an X display it finds no window: a transfer then only fills the clipboard.
    X11WindowSystem windows;
    platform.windows = &windows;
    // Without a running IBus daemon no field switches anything.
    IBusInputMethod inputMethod;
    platform.inputMethod = &inputMethod;

    const AppFolders folders = ResolveFolders(roots);
    CreateFolders(folders, dialogs);
    QDir::setCurrent(folders.ProgramFolder);

    // Only this copy runs now, so no temporary file found is still being written.
    const TextReadResult folderList =
        ReadTextFile(FolderListPath(folders.SysFolder), TextFileKind::Ansi);
    const QString leftovers = DiscardLeftoversAtStart(
        folders, folderList.ok ? FolderMenuItems(folderList.lines) : QStringList());

    TMainFrm window(platform, folders);
    window.show();
    // After show(): the status bar hides its panels for a message only when they are
    // visible.
    if (!leftovers.isEmpty())
        window.statusBar()->showMessage(leftovers, 30000);
    return app.exec();
}
