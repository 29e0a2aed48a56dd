// A private X server for one test: Xvfb on a display it picks itself, optionally
// with the openbox window manager. The test's own DISPLAY is never touched.
#pragma once

#include <QApplication>
#include <QByteArray>
#include <QElapsedTimer>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QTest>
#include <QThread>

#include <X11/Xlib.h>

class XvfbSession
{
public:
    ~XvfbSession() { stop(); }

    // False, with the reason, when Xvfb (or the window manager) cannot start.
    bool start(bool withWindowManager, QString *why)
    {
        const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
        if (xvfb.isEmpty()) {
            *why = QStringLiteral("Xvfb is not installed");
            return false;
        }
        // -displayfd: the server chooses a free display and writes its number.
        setCommand(m_server, xvfb,
                   {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                    QStringLiteral("0"), QStringLiteral("1024x768x24"), QStringLiteral("-nolisten"),
                    QStringLiteral("tcp"), QStringLiteral("-noreset")});
        m_server.setProcessChannelMode(QProcess::SeparateChannels);
        m_server.start();
        if (!m_server.waitForStarted(5000)) {
            *why = QStringLiteral("Xvfb did not start: ") + m_server.errorString();
            return false;
        }
        QByteArray number;
        QElapsedTimer clock;
        clock.start();
        while (!number.contains('\n') && clock.elapsed() < 15000) {
            if (m_server.state() != QProcess::Running) {
                *why = QStringLiteral("Xvfb ended: ") +
                       QString::fromLocal8Bit(m_server.readAllStandardError());
                return false;
            }
            m_server.waitForReadyRead(200);
            number += m_server.readAllStandardOutput();
        }
        if (!number.contains('\n')) {
            *why = QStringLiteral("Xvfb reported no display");
            return false;
        }
        m_display = ':' + number.trimmed();
        if (!withWindowManager)
            return true;

        const QString openbox = QStandardPaths::findExecutable(QStringLiteral("openbox"));
        if (openbox.isEmpty()) {
            *why = QStringLiteral("openbox is not installed");
            return false;
        }
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("DISPLAY"), QString::fromLatin1(m_display));
        m_windowManager.setProcessEnvironment(env);
        setCommand(m_windowManager, openbox, {QStringLiteral("--sm-disable")});
        m_windowManager.start();
        if (!m_windowManager.waitForStarted(5000)) {
            *why = QStringLiteral("openbox did not start");
            return false;
        }
        if (!waitForWindowManager()) {
            *why = QStringLiteral("openbox did not take the screen");
            return false;
        }
        return true;
    }

    QByteArray display() const { return m_display; }

    void stop()
    {
        for (QProcess *p : {&m_windowManager, &m_server}) {
            if (p->state() != QProcess::NotRunning) {
                p->terminate();
                if (!p->waitForFinished(3000)) {
                    p->kill();
                    p->waitForFinished(3000);
                }
            }
        }
    }

private:
    // Under timeout(1) where it exists, so that a test that dies leaves no server
    // running for long.
    static void setCommand(QProcess &process, const QString &program, const QStringList &args)
    {
        const QString timeout = QStandardPaths::findExecutable(QStringLiteral("timeout"));
        if (timeout.isEmpty()) {
            process.setProgram(program);
            process.setArguments(args);
            return;
        }
        process.setProgram(timeout);
        process.setArguments(QStringList{QStringLiteral("600"), program} + args);
    }

    bool waitForWindowManager()
    {
        Display *d = XOpenDisplay(m_display.constData());
        if (!d)
            return false;
        const Atom check = XInternAtom(d, "_NET_SUPPORTING_WM_CHECK", False);
        bool ready = false;
        QElapsedTimer clock;
        clock.start();
        while (!ready && clock.elapsed() < 10000) {
            Atom type = 0;
            int format = 0;
            unsigned long count = 0, rest = 0;
            unsigned char *data = nullptr;
            if (XGetWindowProperty(d, DefaultRootWindow(d), check, 0, 1, False, AnyPropertyType,
                                   &type, &format, &count, &rest, &data) == Success &&
                type != 0)
                ready = true;
            if (data)
                XFree(data);
            if (!ready)
                QThread::msleep(50);
        }
        XCloseDisplay(d);
        // Let it finish reading its configuration.
        QThread::msleep(200);
        return ready;
    }

    QProcess m_server;
    QProcess m_windowManager;
    QByteArray m_display;
};

// The main of a test that runs on its own X server with openbox: Xvfb is started
// before the application, so the test's windows live there. Without one the test runs
// offscreen and noServer says why, for the test to skip.
template <typename Test>
int RunOnPrivateXServer(int argc, char **argv, QString *noServer, QByteArray *display)
{
    XvfbSession server;
    if (server.start(true, noServer)) {
        *display = server.display();
        qputenv("DISPLAY", *display);
        qputenv("QT_QPA_PLATFORM", "xcb");
    } else {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    int status = 0;
    {
        QApplication app(argc, argv);
        Test test;
        status = QTest::qExec(&test, argc, argv);
    }
    return status;
}
