// The program as a whole: started as a process with its own private home.
#include "testhome.h"

#include <QElapsedTimer>
#include <QProcess>

#include <functional>
#include <QTest>

class tst_Program : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void firstStartLaysOutTheDataTree();
    void secondCopyExitsAtOnce();
    void crashedCopyDoesNotBlock();

private:
    bool startProgram(QProcess &process, const TestHome &home);
    QString m_binary;
};

void tst_Program::initTestCase()
{
    m_binary = qEnvironmentVariable("VELMORUC_BINARY");
    if (m_binary.isEmpty() || !QFileInfo::exists(m_binary))
        QSKIP("VELMORUC_BINARY does not name the program");
}

bool tst_Program::startProgram(QProcess &process, const TestHome &home)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("HOME", home.root);
    env.insert("XDG_RUNTIME_DIR", home.path("run"));
    env.insert("XDG_DATA_HOME", home.path("data"));
    env.insert("XDG_CONFIG_HOME", home.path("config"));
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.remove("APPDATA");
    env.remove("PROGRAMFILES");
    env.remove("XDG_DOCUMENTS_DIR");
    process.setProcessEnvironment(env);
    process.start(m_binary, {});
    return process.waitForStarted();
}

static bool waitFor(const std::function<bool()> &condition, int ms = 15000)
{
    QElapsedTimer timer;
    timer.start();
    while (!condition()) {
        if (timer.elapsed() > ms)
            return false;
        QTest::qWait(20);
    }
    return true;
}

void tst_Program::firstStartLaysOutTheDataTree()
{
    TestHome home;
    QProcess program;
    QVERIFY(startProgram(program, home));
    const QString sys = home.path("data/Kestrane/VelmorUC/Sys");
    QVERIFY(waitFor([&] { return QFileInfo::exists(sys + "/Leaf200.txt"); }));
    program.kill();
    program.waitForFinished();

    QFile marker(sys + "/Leaf200.txt");
    QVERIFY(marker.open(QIODevice::ReadOnly));
    QCOMPARE(marker.readAll(), QByteArray("AKN\r\n"));
    // The installed system files come from the build tree's share folder.
    QVERIFY(QFileInfo::exists(sys + "/GroupName.txt"));
    QVERIFY(QFileInfo(home.path("data/Kestrane/VelmorUC/Tbl")).isDir());
    const QString docs = home.path("Documents/Kestrane/VelmorUC");
    for (const char *name : {"bookA", "bookG", "usr", "EnglishA", "EnglishG", "FrenchA", "FrenchG",
                             "GermanA", "GermanG", "SpanishA", "SpanishG", "ItalianA", "ItalianG",
                             "PortugueseA", "PortugueseG"})
        QVERIFY2(QFileInfo(docs + "/" + name).isDir(), name);
}

void tst_Program::secondCopyExitsAtOnce()
{
    TestHome home;
    QProcess first;
    QVERIFY(startProgram(first, home));
    const QString lock = home.path("run/青空初夏の贈り物.lock");
    QVERIFY(waitFor([&] { return QFileInfo::exists(lock); }));
    QTest::qWait(300);

    QProcess second;
    QElapsedTimer timer;
    timer.start();
    QVERIFY(startProgram(second, home));
    QVERIFY(second.waitForFinished(5000));
    QCOMPARE(second.exitStatus(), QProcess::NormalExit);
    QCOMPARE(second.exitCode(), 0);
    QVERIFY2(timer.elapsed() < 3000, qPrintable(QString::number(timer.elapsed())));

    QCOMPARE(first.state(), QProcess::Running);
    QVERIFY(QFileInfo::exists(lock));
    first.kill();
    first.waitForFinished();
}

void tst_Program::crashedCopyDoesNotBlock()
{
    TestHome home;
    QProcess crashed;
    QVERIFY(startProgram(crashed, home));
    const QString lock = home.path("run/青空初夏の贈り物.lock");
    QVERIFY(waitFor([&] { return QFileInfo::exists(lock); }));
    crashed.kill(); // leaves its lock file behind
    crashed.waitForFinished();
    QVERIFY(QFileInfo::exists(lock));

    QProcess next;
    QVERIFY(startProgram(next, home));
    QVERIFY(!next.waitForFinished(1500)); // still running: it took the lock over
    next.kill();
    next.waitForFinished();
}

QTEST_GUILESS_MAIN(tst_Program)
#include "tst_program.moc"
