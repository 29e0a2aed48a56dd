// The receiver editor of the paste tests, run on a private X server: it says "ready",
// comes to the front, and writes one JSON line for every paste it receives.
#pragma once

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTest>

#include "windowsystem.h"

class PasteReceiver
{
public:
    ~PasteReceiver() { stop(); }

    // Starts the receiver and waits until the window manager has put it in front.
    // Empty on success, else why it failed.
    QString start(const QString &program, const QByteArray &display, const QString &title,
                  const WindowSystem &windows)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("DISPLAY"), QString::fromLatin1(display));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        m_process.setProcessEnvironment(env);
        m_process.start(program, {title});
        if (!m_process.waitForStarted(5000) || !m_process.waitForReadyRead(10000) ||
            !m_process.readLine().startsWith("ready"))
            return QStringLiteral("the receiver did not start");
        const bool inFront = QTest::qWaitFor(
            [&] {
                const ForeignWindowId w = windows.activeWindow();
                if (w != 0 && windows.windowTitle(w) == title)
                    m_window = w;
                return m_window != 0;
            },
            10000);
        return inFront ? QString() : QStringLiteral("the receiver never came to the front");
    }

    ForeignWindowId window() const { return m_window; }

    // The next paste the receiver reported, or an empty object after ten seconds.
    QJsonObject nextPaste()
    {
        const bool arrived = QTest::qWaitFor(
            [&] {
                m_output += m_process.readAllStandardOutput();
                return m_output.contains('\n');
            },
            10000);
        const qsizetype end = m_output.indexOf('\n');
        if (!arrived || end < 0)
            return {};
        const QByteArray line = m_output.left(end);
        m_output.remove(0, end + 1);
        return QJsonDocument::fromJson(line).object();
    }

    // Closes the receiver as its user would; true once it has ended.
    bool close()
    {
        m_process.terminate();
        return m_process.waitForFinished(5000);
    }

    void stop()
    {
        if (m_process.state() == QProcess::NotRunning)
            return;
        m_process.terminate();
        if (!m_process.waitForFinished(3000))
            m_process.kill();
        m_process.waitForFinished(3000);
    }

private:
    QProcess m_process;
    QByteArray m_output;
    ForeignWindowId m_window = 0;
};
