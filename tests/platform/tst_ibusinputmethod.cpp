// The IBus backend against a real daemon: its own X server, its own D-Bus session
// (dbus-run-session) and a private home, so no desktop of the developer is touched.
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

#include "fakedialogs.h"
#include "fakeplatform.h"
#include "folders.h"
#include "ibusinputmethod.h"
#include "testhome.h"
#include "textfile.h"
#include "tmainfrm.h"
#include "xvfbsession.h"

namespace {

QString g_noServer; // why the private X server did not start

// The engine as the desktop's own command reports it.
QString ibusEngine(const QStringList &args = {})
{
    QProcess ibus;
    ibus.start(QStringLiteral("ibus"), QStringList{QStringLiteral("engine")} + args);
    if (!ibus.waitForFinished(10000) || ibus.exitCode() != 0)
        return QStringLiteral("<failed>");
    return QString::fromUtf8(ibus.readAllStandardOutput()).trimmed();
}

} // namespace

class tst_IBusInputMethod : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void withoutDaemonNothingHappens();
    void focusSwitchesTheEngine();
    void cleanupTestCase();

private:
    bool startDaemon(QString *why);
    QProcess m_daemon;
};

void tst_IBusInputMethod::withoutDaemonNothingHappens()
{
    QVERIFY2(g_noServer.isEmpty(), qPrintable(g_noServer));
    IBusInputMethod ibus;
    QElapsedTimer clock;
    clock.start();
    QCOMPARE(IBusInputMethod::busAddress(), QString());
    QCOMPARE(ibus.currentLayout(), QString());
    QVERIFY(!ibus.selectLayout(QStringLiteral("xkb:jp::jpn")));
    QVERIFY(ibus.availableLayouts().isEmpty());
    QVERIFY(clock.elapsed() < 2000);
}

bool tst_IBusInputMethod::startDaemon(QString *why)
{
    const QString session = QStandardPaths::findExecutable(QStringLiteral("dbus-run-session"));
    const QString daemon = QStandardPaths::findExecutable(QStringLiteral("ibus-daemon"));
    if (session.isEmpty() || daemon.isEmpty()) {
        *why = QStringLiteral("dbus-run-session or ibus-daemon is not installed (scripts/deps.sh)");
        return false;
    }
    m_daemon.setProgram(QStringLiteral("timeout"));
    m_daemon.setArguments({QStringLiteral("300"), session, QStringLiteral("--"), daemon,
                           QStringLiteral("--single"), QStringLiteral("--panel=disable"),
                           QStringLiteral("--emoji-extension=disable")});
    m_daemon.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_daemon.start();
    if (!m_daemon.waitForStarted(5000)) {
        *why = QStringLiteral("ibus-daemon did not start: ") + m_daemon.errorString();
        return false;
    }
    // Ready once it answers on the bus named in its address file.
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 30000) {
        if (m_daemon.state() != QProcess::Running) {
            *why = QStringLiteral("ibus-daemon ended at once");
            return false;
        }
        if (!IBusInputMethod::busAddress().isEmpty() &&
            ibusEngine({QStringLiteral("xkb:us::eng")}) != QStringLiteral("<failed>"))
            return true;
        QTest::qWait(200);
    }
    *why = QStringLiteral("ibus-daemon did not answer within 30 s");
    return false;
}

void tst_IBusInputMethod::focusSwitchesTheEngine()
{
    QVERIFY2(g_noServer.isEmpty(), qPrintable(g_noServer));
    QString why;
    QVERIFY2(startDaemon(&why), qPrintable(why));
    QCOMPARE(ibusEngine(), QStringLiteral("xkb:us::eng"));

    IBusInputMethod ibus;
    QCOMPARE(ibus.currentLayout(), QStringLiteral("xkb:us::eng"));
    QVERIFY(ibus.availableLayouts().contains(QStringLiteral("xkb:jp::jpn")));

    FakeDialogs dialogs;
    FakeFolderRoots roots;
    roots.programFiles = QDir::home().filePath(QStringLiteral("programs"));
    roots.appData = QDir::home().filePath(QStringLiteral("appdata"));
    roots.documents = QDir::home().filePath(QStringLiteral("Documents"));
    FakeShell shell;
    FakeWindowSystem windows;
    Platform platform{&dialogs, &roots, &windows, &ibus, &shell};
    const AppFolders folders = ResolveFolders(roots);
    CreateFolders(folders, dialogs);
    QVERIFY(WriteAnsiFile(folders.SysFolder + QStringLiteral("/VelmorUC.rng"),
                          {QStringLiteral("CusJpImeStr,xkb:jp::jpn")}));
    TMainFrm w(platform, folders);
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    w.Memo1->setFocus();
    w.Edit1->setFocus();
    QTRY_COMPARE_WITH_TIMEOUT(ibusEngine(), QStringLiteral("xkb:jp::jpn"), 10000);

    // An engine that does not exist changes nothing and says nothing.
    w.settings().CusJpImeStr = QStringLiteral("no-such-engine");
    w.Memo1->setFocus();
    w.Edit1->setFocus();
    QCOMPARE(ibusEngine(), QStringLiteral("xkb:jp::jpn"));
    QVERIFY(!ibus.selectLayout(QStringLiteral("no-such-engine")));
    QVERIFY(dialogs.shown.isEmpty());
    w.close();
}

void tst_IBusInputMethod::cleanupTestCase()
{
    if (m_daemon.state() == QProcess::NotRunning)
        return;
    QProcess::execute(QStringLiteral("ibus"), {QStringLiteral("exit")});
    if (!m_daemon.waitForFinished(10000)) {
        m_daemon.terminate();
        m_daemon.waitForFinished(3000);
    }
}

int main(int argc, char **argv)
{
    TestHome home;
    qunsetenv("IBUS_ADDRESS");
    qunsetenv("WAYLAND_DISPLAY");
    qputenv("QT_IM_MODULE", "compose");
    QByteArray display;
    return RunOnPrivateXServer<tst_IBusInputMethod>(argc, argv, &g_noServer, &display);
}

#include "tst_ibusinputmethod.moc"
