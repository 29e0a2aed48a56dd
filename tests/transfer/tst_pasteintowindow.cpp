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

#include "../platform/pastereceiver.h"
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

    std::unique_ptr<X11WindowSystem> windows;
    PasteReceiver receiver;
    ForeignWindowId editor = 0;
    std::unique_ptr<QWidget> own;
    const QString editorTitle = QStringLiteral("Receiver é 日本語");
};

bool tst_PasteIntoWindow::waitActive(ForeignWindowId window)
{
    return QTest::qWaitFor([&] { return windows->activeWindow() == window; }, 5000);
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

    const QString why =
        receiver.start(QStringLiteral(VELMOR_PASTE_RECEIVER), g_display, editorTitle, *windows);
    QVERIFY2(why.isEmpty(), qPrintable(why));
    editor = receiver.window();
}

void tst_PasteIntoWindow::cleanupTestCase()
{
    receiver.stop();
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

    const QJsonObject pasted = receiver.nextPaste();
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
    QVERIFY(receiver.close());
    QVERIFY(QTest::qWaitFor([&] { return windows->activeWindow() != editor; }, 5000));
    QCOMPARE(session.autoPaste(), AutoPasteResult::TargetForgotten);
    QCOMPARE(session.caption(), QStringLiteral("VelmorUC"));
    QCOMPARE(session.lamp(), TargetLamp::Forgotten);
}

int main(int argc, char **argv)
{
    return RunOnPrivateXServer<tst_PasteIntoWindow>(argc, argv, &g_noServer, &g_display);
}

#include "tst_pasteintowindow.moc"
