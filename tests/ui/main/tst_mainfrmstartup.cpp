// The main window's life: created from the settings file, placed, closed, saved.
#include "tmainfrm.h"

#include "fakedialogs.h"
#include "fakeplatform.h"
#include "testhome.h"
#include "textfile.h"

#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QProcess>
#include <QScreen>
#include <QTest>

class tst_MainFrmStartup : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void opensCentredWithoutSettings();
    void opensWhereItWasClosed();
    void widthMissingCentres();
    void offScreenRectangleCentres();
    void focusInPad();
    void closeSavesSettings();
    void noSaveFlgWritesNothing();
    void failedSaveIsReportedByName();
    void junkSettingsStillStart();
    void unreadableProgramFolderStillStarts();

private:
    std::unique_ptr<TMainFrm> create();
    QString settingsPath() const { return m_folders.SysFolder + "/VelmorUC.rng"; }
    void writeSettings(const QStringList &lines) { QVERIFY(WriteAnsiFile(settingsPath(), lines).ok); }

    std::unique_ptr<TestHome> m_home;
    FakeFolderRoots m_roots;
    FakeDialogs m_dialogs;
    Platform m_platform;
    AppFolders m_folders;
};

void tst_MainFrmStartup::init()
{
    m_home = std::make_unique<TestHome>();
    m_roots.programFiles = m_home->path("programs");
    m_roots.appData = m_home->path("appdata");
    m_roots.documents = m_home->path("Documents");
    m_dialogs = FakeDialogs();
    m_platform = Platform();
    m_platform.dialogs = &m_dialogs;
    m_platform.roots = &m_roots;
    m_folders = ResolveFolders(m_roots);
    CreateFolders(m_folders, m_dialogs);
}

void tst_MainFrmStartup::cleanup()
{
    m_home.reset();
}

std::unique_ptr<TMainFrm> tst_MainFrmStartup::create()
{
    return std::make_unique<TMainFrm>(m_platform, m_folders);
}

void tst_MainFrmStartup::opensCentredWithoutSettings()
{
    auto w = create();
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    QCOMPARE(w->size(), QSize(900, 690));
    QCOMPARE(w->pos(), QPoint((screen.width() - 900) / 2, (screen.height() - 690) / 2));
    QCOMPARE(w->windowTitle(), QString("VelmorUC"));
    QVERIFY(m_dialogs.shown.isEmpty());
}

void tst_MainFrmStartup::opensWhereItWasClosed()
{
    writeSettings({"MainFrmLeft,40", "MainFrmTop,30", "MainFrmWidth,700", "MainFrmHeight,500"});
    auto w = create();
    QCOMPARE(w->pos(), QPoint(40, 30));
    QCOMPARE(w->size(), QSize(700, 500));
}

void tst_MainFrmStartup::widthMissingCentres()
{
    writeSettings({"MainFrmLeft,40", "MainFrmTop,30", "MainFrmHeight,500"});
    auto w = create();
    QCOMPARE(w->size(), QSize(900, 690));
}

void tst_MainFrmStartup::offScreenRectangleCentres()
{
    writeSettings({"MainFrmLeft,20000", "MainFrmTop,20000", "MainFrmWidth,700",
                   "MainFrmHeight,500"});
    auto w = create();
    QCOMPARE(w->size(), QSize(900, 690));
    QVERIFY(QGuiApplication::primaryScreen()->geometry().intersects(w->geometry()));
}

void tst_MainFrmStartup::focusInPad()
{
    auto w = create();
    w->show();
    QVERIFY(QTest::qWaitForWindowActive(w.get()));
    auto *memo = w->findChild<QPlainTextEdit *>("Memo1");
    QVERIFY(memo);
    QTRY_COMPARE(QApplication::focusWidget(), memo);
}

void tst_MainFrmStartup::closeSavesSettings()
{
    writeSettings({"TransMode,12", "LastGroup,\"旅行\""});
    auto w = create();
    QCOMPARE(w->settings().TransMode, 12);
    w->settings().AutoPasteFlg = false;
    w->show();
    w->move(33, 44);
    w->resize(800, 560); // within the test screen: a larger size is saved as the screen's
    QVERIFY(w->close());
    const TextReadResult saved = ReadTextFile(settingsPath(), TextFileKind::Ansi);
    QVERIFY(saved.ok);
    QCOMPARE(saved.lines.size(), 62);
    QVERIFY(saved.lines.contains("TransMode,12"));
    QVERIFY(saved.lines.contains("AutoPasteFlg,0"));
    QVERIFY(saved.lines.contains("LastGroup,\"旅行\""));
    QVERIFY(saved.lines.contains("MainFrmWidth,800"));
    QVERIFY(saved.lines.contains("MainFrmHeight,560"));
}

void tst_MainFrmStartup::noSaveFlgWritesNothing()
{
    auto w = create();
    w->setNoSaveFlg(true);
    QVERIFY(w->close());
    QVERIFY(!QFileInfo::exists(settingsPath()));
}

void tst_MainFrmStartup::failedSaveIsReportedByName()
{
    auto w = create();
    // A folder where the settings file should go makes the save fail.
    QVERIFY(QDir().mkpath(settingsPath()));
    QVERIFY(w->close());
    QCOMPARE(m_dialogs.shown.size(), 1);
    QCOMPARE(m_dialogs.shown[0].kind, FakeDialogs::Kind::Warning);
    QVERIFY2(m_dialogs.shown[0].text.contains(settingsPath()), qPrintable(m_dialogs.shown[0].text));
}

void tst_MainFrmStartup::junkSettingsStillStart()
{
    QByteArray junk;
    for (int i = 0; i < 100000; ++i)
        junk.append(i % 7 ? "usrmainfont,Times New Roman\r\n" : "\x81\xFF\0\x01,\"\r\n");
    junk.append("CandColor,clNoSuchColour\r\nTransMode,4\r\n");
    QVERIFY(WriteFileBytes(settingsPath(), junk).ok);
    auto w = create();
    QCOMPARE(w->settings().TransMode, 4);
    QCOMPARE(w->settings().UsrMainFont, QString("Times New Roman"));
    QCOMPARE(w->settings().CandColor, Colour::clYellow);
    QVERIFY(m_dialogs.shown.isEmpty());
}

void tst_MainFrmStartup::unreadableProgramFolderStillStarts()
{
    // No installed files at all: nothing is copied, the marker is still written.
    auto w = create();
    QVERIFY(QFileInfo::exists(m_folders.SysFolder + "/Leaf200.txt"));
    QVERIFY(m_dialogs.shown.isEmpty());
    QVERIFY(w->findChild<QPlainTextEdit *>("Memo1"));
}

QTEST_MAIN(tst_MainFrmStartup)
#include "tst_mainfrmstartup.moc"
