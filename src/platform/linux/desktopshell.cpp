#include "desktopshell.h"

#include <QProcess>

// QDesktopServices::openUrl reports success as soon as xdg-open starts, even where no
// program takes the file; xdg-open's exit status tells. It may also stay for as long as
// the viewer runs, so it is watched, never waited for.
void DesktopShell::openFile(const QString &path, OpenFailed failed)
{
    auto *process = new QProcess;
    process->setProgram(QStringLiteral("xdg-open"));
    process->setArguments({path});
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    QObject::connect(process, &QProcess::errorOccurred, process,
                     [process, failed](QProcess::ProcessError error) {
                         if (error != QProcess::FailedToStart)
                             return;
                         if (failed)
                             failed(QStringLiteral("ファイルを開くプログラム（xdg-open）が"
                                                   "このデスクトップにありません。"));
                         process->deleteLater();
                     });
    QObject::connect(process, &QProcess::finished, process,
                     [process, failed](int exitCode, QProcess::ExitStatus status) {
                         if ((status != QProcess::NormalExit || exitCode != 0) && failed)
                             failed(QStringLiteral("このデスクトップにはこのファイルを表示する"
                                                   "プログラムがありません。"));
                         process->deleteLater();
                     });
    process->start();
}
