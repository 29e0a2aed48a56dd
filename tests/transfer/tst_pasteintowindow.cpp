// The whole delivery on a private X server with openbox: the target is tracked
// while an editor is in front, the program's own window comes back, the content
// of a mode goes on the clipboard, the editor is brought forward and Ctrl+V pastes
// exactly that content into it.
#include <QApplication>
#include <QClipboard>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <memory>

#include "../platform/xvfbsession.h"
#include "settings.h"
#include "transfercontent.h"
#include "transfertarget.h"
#include "x11windowsystem.h"

namespace {
QString g_noServer; // why there is no private X server, empty when there is one
QByteArray g_display;
} // namespace

class tst_PasteIntoWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void transfer_data();
    void transfer();
    void vanishedEditorForgotten();

private:
    bool waitActive(ForeignWindowId window);
    QJsonObject nextPaste();

    std::unique_ptr<X11WindowSystem> windows;
    QProcess receiver;
    QByteArray receiverOutput;
    ForeignWindowId editor = 0;
    std::unique_ptr<QWidget> own;
    const QString editorTitle = QStringLiteral("Receiver é 日本語");
};

bool tst_PasteIntoWindow::waitActive(ForeignWindowId window)
{
    return QTest::qWaitFor([&] { return windows->activeWindow() == window; }, 5000);
}

QJsonObject tst_PasteIntoWindow::nextPaste()
{
    const bool arrived = QTest::qWaitFor(
        [&] {
            receiverOutput += receiver.readAllStandardOutput();
            return receiverOutput.contains('\n');
        },
        10000);
    const qsizetype end = receiverOutput.indexOf('\n');
    if (!arrived || end < 0)
        return {};
    const QByteArray line = receiverOutput.left(end);
    receiverOutput.remove(0, end + 1);
    return QJsonDocument::fromJson(line).object();
}

void tst_PasteIntoWindow::initTestCase()
{
    if (!g_noServer.isEmpty())
        QSKIP(qPrintable(QStringLiteral("no private X server: ") + g_noServer));
    windows = std::make_unique<X11WindowSystem>(g_display);
    QVERIFY(windows->available());

    own = std::make_unique<QWidget>();
    own->setWindowTitle(QStringLiteral("VelmorUC"));
    own->resize(300, 200);
    own->show();
    QVERIFY(QTest::qWaitForWindowExposed(own.get()));

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), QString::fromLatin1(g_display));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    receiver.setProcessEnvironment(env);
    receiver.start(QStringLiteral(VELMOR_PASTE_RECEIVER), {editorTitle});
    QVERIFY(receiver.waitForStarted(5000));
    QVERIFY2(receiver.waitForReadyRead(10000), "the receiver did not start");
    QVERIFY(receiver.readLine().startsWith("ready"));
    // The window manager gives the new window the focus.
    QVERIFY2(QTest::qWaitFor(
                 [&] {
                     const ForeignWindowId w = windows->activeWindow();
                     if (w != 0 && windows->windowTitle(w) == editorTitle)
                         editor = w;
                     return editor != 0;
                 },
                 10000),
             "the receiver never came to the front");
}

void tst_PasteIntoWindow::cleanupTestCase()
{
    if (receiver.state() != QProcess::NotRunning) {
        receiver.terminate();
        if (!receiver.waitForFinished(3000))
            receiver.kill();
        receiver.waitForFinished(3000);
    }
    own.reset();
}

void tst_PasteIntoWindow::transfer_data()
{
    QTest::addColumn<int>("mode");
    for (int mode : {0, 1, 2, 3, 4, 10, 11, 12, 13})
        QTest::addRow("%d", mode) << mode;
}

void tst_PasteIntoWindow::transfer()
{
    QFETCH(int, mode);
    const ForeignWindowId ownId = ForeignWindowId(own->winId());
    TransferSession session(*windows);
    session.setOwnWindowTest([&](ForeignWindowId w) { return w == ownId; });
    Settings settings;
    settings.UsrMainFont = QStringLiteral("Liberation Serif");
    settings.UsrMainFontSize = 13;

    // The user works in the editor: the tick records it.
    QVERIFY(windows->activateWindow(editor));
    QVERIFY(waitActive(editor));
    QCOMPARE(session.trackTick(true), TrackResult::Recorded);
    QCOMPARE(session.caption(), QStringLiteral("VelmorUC [ ") + editorTitle + " ]");

    // Back in the program: its own window changes nothing.
    QVERIFY(windows->activateWindow(ownId));
    QVERIFY(waitActive(ownId));
    QCOMPARE(session.trackTick(true), TrackResult::Ignored);
    QCOMPARE(session.target().window, editor);

    QTemporaryDir sys;
    TransferFields fields;
    fields.padText = QStringLiteral("Ça va\nə");
    fields.phoneticText = QStringLiteral("ʃə");
    const TransferContent content = PrepareTransfer(mode, fields, settings, sys.path());
    QApplication::clipboard()->setMimeData(TransferMimeData(content));
    QCOMPARE(session.autoPaste(), AutoPasteResult::StartPasteTimer);
    QTimer::singleShot(settings.PasteTimerInterval, &session, &TransferSession::pasteTick);

    const QJsonObject pasted = nextPaste();
    QVERIFY2(!pasted.isEmpty(), "nothing was pasted");
    QCOMPARE(pasted.value("plain").toString(), content.plainText);
    const QByteArray rtf = QByteArray::fromBase64(pasted.value("rtf").toString().toLatin1());
    QCOMPARE(rtf, content.rtf);
    const bool rich = mode == 0 || mode == 4 || mode == 10;
    QCOMPARE(pasted.value("formats").toArray().contains(QStringLiteral("text/rtf")), rich);
    if (mode == 0)
        QVERIFY(rtf.contains("\\fcharset0 Liberation Serif;}}") && rtf.contains("\\fs26"));

    // For a look at the screen: VELMOR_TEST_SCREENSHOT=<folder> keeps one per mode.
    const QString shots = qEnvironmentVariable("VELMOR_TEST_SCREENSHOT");
    if (!shots.isEmpty()) {
        QTest::qWait(200);
        QProcess::execute(QStringLiteral("import"),
                          {QStringLiteral("-display"), QString::fromLatin1(g_display),
                           QStringLiteral("-window"), QStringLiteral("root"),
                           shots + QStringLiteral("/paste-mode-%1.png").arg(mode)});
    }
}

void tst_PasteIntoWindow::vanishedEditorForgotten()
{
    TransferSession session(*windows);
    QVERIFY(windows->activateWindow(editor));
    QVERIFY(waitActive(editor));
    QCOMPARE(session.trackTick(true), TrackResult::Recorded);
    receiver.terminate();
    QVERIFY(receiver.waitForFinished(5000));
    QVERIFY(QTest::qWaitFor([&] { return windows->activeWindow() != editor; }, 5000));
    QCOMPARE(session.autoPaste(), AutoPasteResult::TargetForgotten);
    QCOMPARE(session.caption(), QStringLiteral("VelmorUC"));
    QCOMPARE(session.lamp(), TargetLamp::Forgotten);
}

int main(int argc, char **argv)
{
    XvfbSession server;
    if (server.start(true, &g_noServer)) {
        g_display = server.display();
        qputenv("DISPLAY", g_display);
        qputenv("QT_QPA_PLATFORM", "xcb");
    } else {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    int status = 0;
    {
        QApplication app(argc, argv);
        tst_PasteIntoWindow test;
        status = QTest::qExec(&test, argc, argv);
    }
    return status;
}

#include "tst_pasteintowindow.moc"
