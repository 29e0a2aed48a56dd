// Start-up to the first shown window under an X server, against a minimal Qt program
// that shows one empty window. Starts its own Xvfb when no display is set.
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <X11/Xlib.h>

#include <chrono>
#include <memory>
#include <optional>
#include <poll.h>

namespace {

struct XServer
{
    std::unique_ptr<QProcess> xvfb;
    QString display;
    Display *connection = nullptr;

    XServer()
    {
        display = qEnvironmentVariable("DISPLAY");
        if (display.isEmpty()) {
            xvfb = std::make_unique<QProcess>();
            xvfb->start(QStringLiteral("Xvfb"), {QStringLiteral("-displayfd"), QStringLiteral("1"),
                                                 QStringLiteral("-screen"), QStringLiteral("0"),
                                                 QStringLiteral("1280x1024x24"),
                                                 QStringLiteral("-nolisten"),
                                                 QStringLiteral("tcp")});
            if (!xvfb->waitForStarted(5000) || !xvfb->waitForReadyRead(10000))
                return;
            display = QLatin1Char(':') + QString::fromLatin1(xvfb->readLine().trimmed());
        }
        connection = XOpenDisplay(display.toLatin1().constData());
    }
    ~XServer()
    {
        if (connection)
            XCloseDisplay(connection);
        if (xvfb) {
            xvfb->kill();
            xvfb->waitForFinished();
        }
    }
};

XServer &server()
{
    static XServer s;
    return s;
}

// Starts the program and returns the seconds until a top-level window is mapped.
std::optional<double> timeToFirstWindow(const QString &program, const QStringList &arguments,
                                        const QProcessEnvironment &env)
{
    Display *dpy = server().connection;
    const Window root = DefaultRootWindow(dpy);
    XSelectInput(dpy, root, SubstructureNotifyMask);
    XSync(dpy, True);

    QProcess process;
    process.setProcessEnvironment(env);
    QElapsedTimer timer;
    timer.start();
    process.start(program, arguments);
    std::optional<double> seconds;
    const int fd = ConnectionNumber(dpy);
    while (!seconds && timer.elapsed() < 20000) {
        while (XPending(dpy)) {
            XEvent event;
            XNextEvent(dpy, &event);
            if (event.type == MapNotify) {
                seconds = timer.nsecsElapsed() / 1e9;
                break;
            }
        }
        if (!seconds) {
            pollfd p{fd, POLLIN, 0};
            poll(&p, 1, 5);
        }
    }
    process.kill();
    process.waitForFinished();
    XSelectInput(dpy, root, NoEventMask);
    return seconds;
}

QProcessEnvironment environmentFor(const QString &home)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), server().display);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    env.insert(QStringLiteral("HOME"), home);
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), home + QStringLiteral("/run"));
    env.insert(QStringLiteral("XDG_DATA_HOME"), home + QStringLiteral("/data"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/config"));
    env.remove(QStringLiteral("APPDATA"));
    env.remove(QStringLiteral("PROGRAMFILES"));
    return env;
}

void runStartup(benchmark::State &state, const QString &program,
                const QStringList &arguments = {})
{
    if (!server().connection) {
        state.SkipWithError("no X server (install xvfb)");
        return;
    }
    QTemporaryDir home;
    // Qt ignores a runtime folder others may read and falls back to a shared one, where
    // another copy's lock would keep the program from starting.
    QDir().mkpath(home.filePath(QStringLiteral("run")));
    QFile::setPermissions(home.filePath(QStringLiteral("run")),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    const QProcessEnvironment env = environmentFor(home.path());
    // The first start copies the installed files; the measured starts are the usual ones.
    timeToFirstWindow(program, arguments, env);
    for (auto _ : state) {
        QFile::remove(home.filePath(QStringLiteral("run/青空初夏の贈り物.lock")));
        const std::optional<double> seconds = timeToFirstWindow(program, arguments, env);
        if (!seconds) {
            state.SkipWithError("no window was shown");
            return;
        }
        state.SetIterationTime(*seconds);
    }
}

void BM_StartupVelmorUC(benchmark::State &state)
{
    runStartup(state, qEnvironmentVariable("VELMORUC_BINARY",
                                           QCoreApplication::applicationDirPath() +
                                               QStringLiteral("/../bin/velmoruc")));
}
BENCHMARK(BM_StartupVelmorUC)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

void BM_StartupMinimalWindow(benchmark::State &state)
{
    runStartup(state, QCoreApplication::applicationDirPath() + QStringLiteral("/minimalwindow"));
}
BENCHMARK(BM_StartupMinimalWindow)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

void BM_StartupMinimalWindowWithText(benchmark::State &state)
{
    runStartup(state, QCoreApplication::applicationDirPath() + QStringLiteral("/minimalwindow"),
               {QStringLiteral("--text")});
}
BENCHMARK(BM_StartupMinimalWindowWithText)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10);

void BM_StartupMinimalWindowWithJapanese(benchmark::State &state)
{
    runStartup(state, QCoreApplication::applicationDirPath() + QStringLiteral("/minimalwindow"),
               {QStringLiteral("--japanese")});
}
BENCHMARK(BM_StartupMinimalWindowWithJapanese)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
