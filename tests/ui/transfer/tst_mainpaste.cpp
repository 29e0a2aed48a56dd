// The main window delivering into another program on a private X server with
// openbox: the receiver editor comes to the front and becomes the target (the
// caption names it), the user comes back, types in the pad, presses F9, and the
// receiver gets exactly the transferred text; for the rich mode also the document
// in the pad font and size. Read back with xclip: the clipboard's targets and
// flavours, PRIMARY, and the user's clipboard given back after the paste. An xterm
// (raw mode, cat into a file) gets exactly the pad text through Shift+Insert.
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#include "../main/mainfrmfixture.h"
#include "transfercontroller.h"
#include "x11windowsystem.h"
// Xlib's macros last, after every Qt header.
#include "../../platform/pastereceiver.h"
#include "../../platform/xvfbsession.h"

namespace {
QString g_noServer; // why there is no private X server, empty when there is one
QByteArray g_display;
} // namespace

class tst_MainPaste : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void f9PastesIntoReceiver_data();
    void f9PastesIntoReceiver();
    void clipboardFlavours();
    void clipboardGivenBack();
    void closedReceiverForgotten();
    void terminalReceivesPadText_data();
    void terminalReceivesPadText();

private:
    bool waitActive(ForeignWindowId window);
    void comeBack();
    void screenshot(const QString &name);
    void typeAndTransfer(const QString &item, const QString &typed);
    QByteArray xclipOut(const QString &selection, const QString &target);
    bool xclipIn(const QString &selection, const QString &target, const QByteArray &bytes);
    QProcessEnvironment displayEnvironment() const;

    std::unique_ptr<MainFrmFixture> fixture;
    std::unique_ptr<X11WindowSystem> windows;
    std::unique_ptr<TMainFrm> w;
    PasteReceiver receiver;
    QProcess terminal;
    QList<QProcess *> owners; // xclip processes that hold a selection
    QTemporaryDir scratch;
    ForeignWindowId editor = 0;
    ForeignWindowId mainId = 0;
    const QString editorTitle = QStringLiteral("Receiver ü");
};

bool tst_MainPaste::waitActive(ForeignWindowId window)
{
    return QTest::qWaitFor([&] { return windows->activeWindow() == window; }, 5000);
}

void tst_MainPaste::comeBack()
{
    QVERIFY(windows->activateWindow(mainId));
    QVERIFY(waitActive(mainId));
    QVERIFY(QTest::qWaitFor(
        [] { return QGuiApplication::applicationState() == Qt::ApplicationActive; }, 5000));
    QVERIFY(!w->TransTimer1->isActive());
    w->Memo1->setFocus();
}

// VELMOR_TEST_SCREENSHOT=<folder> keeps a picture of the screen at each step.
void tst_MainPaste::screenshot(const QString &name)
{
    const QString shots = qEnvironmentVariable("VELMOR_TEST_SCREENSHOT");
    if (shots.isEmpty())
        return;
    QTest::qWait(200);
    QProcess::execute(QStringLiteral("import"),
                      {QStringLiteral("-display"), QString::fromLatin1(g_display),
                       QStringLiteral("-window"), QStringLiteral("root"),
                       shots + u'/' + name + QStringLiteral(".png")});
}

QProcessEnvironment tst_MainPaste::displayEnvironment() const
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), QString::fromLatin1(g_display));
    return env;
}

// xclip is served by this program's event loop, so it is waited for, not blocked on.
QByteArray tst_MainPaste::xclipOut(const QString &selection, const QString &target)
{
    QProcess xclip;
    xclip.setProcessEnvironment(displayEnvironment());
    xclip.start(QStringLiteral("xclip"), {QStringLiteral("-selection"), selection,
                                          QStringLiteral("-o"), QStringLiteral("-t"), target});
    if (!xclip.waitForStarted(5000))
        return "xclip did not start";
    if (!QTest::qWaitFor([&] { return xclip.state() == QProcess::NotRunning; }, 10000))
        return "xclip did not finish";
    return xclip.readAllStandardOutput();
}

// xclip keeps the selection until another client takes it.
bool tst_MainPaste::xclipIn(const QString &selection, const QString &target,
                            const QByteArray &bytes)
{
    auto *xclip = new QProcess;
    owners.append(xclip);
    xclip->setProcessEnvironment(displayEnvironment());
    xclip->start(QStringLiteral("xclip"), {QStringLiteral("-selection"), selection,
                                           QStringLiteral("-t"), target, QStringLiteral("-i")});
    if (!xclip->waitForStarted(5000))
        return false;
    xclip->write(bytes);
    xclip->closeWriteChannel();
    return QTest::qWaitFor([&] { return xclipOut(selection, target) == bytes; }, 5000);
}

void tst_MainPaste::typeAndTransfer(const QString &item, const QString &typed)
{
    w->TransModeMenu->findChild<QAction *>(item)->trigger();
    const bool phonetic = item.startsWith(QLatin1String("Sub"));
    comeBack();
    w->Memo1->clear();
    w->Edit1->clear();
    QWidget *field = phonetic ? static_cast<QWidget *>(w->Edit1) : w->Memo1;
    field->setFocus();
    for (const QChar c : typed)
        QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(c), Qt::NoModifier);
    QCOMPARE(phonetic ? w->Edit1->text() : w->Memo1->toPlainText(), typed);
    QTest::keyClick(field, Qt::Key_F9);
}

void tst_MainPaste::initTestCase()
{
    if (!g_noServer.isEmpty())
        QSKIP(qPrintable(QStringLiteral("no private X server: ") + g_noServer));
    windows = std::make_unique<X11WindowSystem>(g_display);
    QVERIFY(windows->available());

    fixture = std::make_unique<MainFrmFixture>();
    fixture->platform.windows = windows.get();
    fixture->writeSettings({"UsrMainFont,\"Liberation Serif\"", "UsrMainFontSize,13",
                            "AutoPasteFlg,1", "PasteTimerInterval,400"});
    w = fixture->create();
    w->show();
    QVERIFY(QTest::qWaitForWindowActive(w.get()));
    mainId = ForeignWindowId(w->winId());
    QVERIFY(waitActive(mainId));

    // The window manager gives the new window the focus; the program, now in the
    // background, records it.
    const QString why =
        receiver.start(QStringLiteral(VELMOR_PASTE_RECEIVER), g_display, editorTitle, *windows);
    QVERIFY2(why.isEmpty(), qPrintable(why));
    editor = receiver.window();
    const QString caption = QStringLiteral("VelmorUC [ ") + editorTitle + QStringLiteral(" ]");
    QTRY_COMPARE_WITH_TIMEOUT(w->windowTitle(), caption, 3000);
    QVERIFY(w->TransTimer1->isActive());
    // What the desktop shows, not only what the window holds.
    QTRY_COMPARE_WITH_TIMEOUT(windows->windowTitle(mainId), caption, 3000);
    QCOMPARE(w->Shape1->brushColor(), QColor(255, 0, 0));
    screenshot(QStringLiteral("mainpaste-target"));
}

void tst_MainPaste::cleanupTestCase()
{
    receiver.stop();
    if (terminal.state() != QProcess::NotRunning) {
        terminal.terminate();
        terminal.waitForFinished(3000);
    }
    for (QProcess *owner : std::as_const(owners)) {
        owner->kill();
        owner->waitForFinished(3000);
        delete owner;
    }
    w.reset();
    fixture.reset();
}

void tst_MainPaste::f9PastesIntoReceiver_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("plain");
    QTest::newRow("Main1 rich text")
        << "Main1" << QStringLiteral("Ça va, José") << QStringLiteral("Ça va, José");
    QTest::newRow("Main2 hexadecimal references")
        << "Main2" << QStringLiteral("né") << QStringLiteral("&#x006E;&#x00E9;");
    QTest::newRow("Main4 text") << "Main4" << QStringLiteral("Grüße") << QStringLiteral("Grüße");
    QTest::newRow("Sub4 phonetic text") << "Sub4" << QStringLiteral("ʃə") << QStringLiteral("ʃə");
}

void tst_MainPaste::f9PastesIntoReceiver()
{
    QFETCH(QString, item);
    QFETCH(QString, typed);
    QFETCH(QString, plain);
    typeAndTransfer(item, typed);
    if (QTest::currentTestFailed())
        return;

    const QJsonObject pasted = receiver.nextPaste();
    QVERIFY2(!pasted.isEmpty(), "nothing was pasted");
    QCOMPARE(pasted.value("plain").toString(), plain);
    const QByteArray rtf = QByteArray::fromBase64(pasted.value("rtf").toString().toLatin1());
    const bool rich = item == QLatin1String("Main1");
    QCOMPARE(pasted.value("formats").toArray().contains(QStringLiteral("text/rtf")), rich);
    if (rich) {
        QVERIFY(rtf.contains("\\froman\\fprq2\\fcharset0 Liberation Serif;}}"));
        QVERIFY(rtf.contains("\\fs26\\u199?\\u97?"));
    }
    // The receiver is in front again and still the target.
    QVERIFY(waitActive(editor));
    QCOMPARE(w->windowTitle(), QStringLiteral("VelmorUC [ ") + editorTitle + QStringLiteral(" ]"));
    screenshot(QStringLiteral("mainpaste-") + item);
}

void tst_MainPaste::clipboardFlavours()
{
    w->ComboBox3->setCurrentIndex(w->ComboBox3->findText(QStringLiteral("フランス語")));
    w->ComboBox3Change();
    QCOMPARE(w->windowTitle(), QStringLiteral("VelmorUC [ ") + editorTitle + QStringLiteral(" ]"));
    typeAndTransfer(QStringLiteral("Main1"), QStringLiteral("où <b>"));
    QVERIFY(!receiver.nextPaste().isEmpty());

    const QList<QByteArray> targets =
        xclipOut(QStringLiteral("clipboard"), QStringLiteral("TARGETS")).split('\n');
    for (const char *target : {"text/plain", "UTF8_STRING", "text/rtf", "text/html"})
        QVERIFY2(targets.contains(target), target);
    QCOMPARE(xclipOut(QStringLiteral("clipboard"), QStringLiteral("text/rtf")),
             QByteArray("{\\rtf1\\ansi\\ansicpg932\\deff0\\deflang1033\\deflangfe1041"
                        "{\\fonttbl{\\f0\\froman\\fprq2\\fcharset0 Liberation Serif;}}"
                        "\\viewkind4\\uc1\\pard\\lang1036\\f0\\fs26"
                        "\\u111?\\u249?\\u32?\\u60?\\u98?\\u62?}"));
    QCOMPARE(xclipOut(QStringLiteral("clipboard"), QStringLiteral("text/html")),
             QByteArray("<meta charset=\"utf-8\"><span lang=\"fr-FR\" style=\"font-family:"
                        "'Liberation Serif';font-size:13pt;white-space:pre-wrap\">"
                        "o&#249; &#60;b&#62;</span>"));
    // PRIMARY holds the plain text only.
    QCOMPARE(QString::fromUtf8(xclipOut(QStringLiteral("primary"), QStringLiteral("UTF8_STRING"))),
             QStringLiteral("où <b>"));
    const QList<QByteArray> primaryTargets =
        xclipOut(QStringLiteral("primary"), QStringLiteral("TARGETS")).split('\n');
    QVERIFY(!primaryTargets.contains("text/rtf"));
}

void tst_MainPaste::clipboardGivenBack()
{
    // Another program owns both selections, with formats that are not text.
    const QByteArray picture("\x89PNG\r\n\x1a\n-not-really-", 20);
    QVERIFY(xclipIn(QStringLiteral("clipboard"), QStringLiteral("image/png"), picture));
    QVERIFY(xclipIn(QStringLiteral("primary"), QStringLiteral("text/plain"), "chosen"));
    QVERIFY(!w->Transfers->restoreTimer()->isActive());

    QAction *restore = w->TransModeMenu->findChild<QAction *>("RestoreClipboard");
    QVERIFY(restore && !restore->isChecked());
    restore->trigger();
    typeAndTransfer(QStringLiteral("Main4"), QStringLiteral("señor"));
    QCOMPARE(receiver.nextPaste().value("plain").toString(), QStringLiteral("señor"));
    // Given back after the paste delay.
    QTRY_COMPARE_WITH_TIMEOUT(xclipOut(QStringLiteral("clipboard"), QStringLiteral("image/png")),
                              picture, 5000);
    QCOMPARE(xclipOut(QStringLiteral("primary"), QStringLiteral("text/plain")),
             QByteArray("chosen"));
    restore->trigger();
    QVERIFY(!w->settings().RestoreClipboardFlg);
}

void tst_MainPaste::closedReceiverForgotten()
{
    QVERIFY(receiver.close());
    QVERIFY(QTest::qWaitFor([&] { return windows->activeWindow() != editor; }, 5000));
    comeBack();
    w->TransModeMenu->findChild<QAction *>("Main4")->trigger();
    w->Memo1->setPlainText(QStringLiteral("adiós"));
    QTest::keyClick(w->Memo1, Qt::Key_F9);
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("adiós"));
    QCOMPARE(w->windowTitle(), QStringLiteral("VelmorUC"));
    QCOMPARE(w->Shape1->brushColor(), w->Shape1->palette().color(QPalette::Base));
    QVERIFY(!w->PasteTimer->isActive());
}

void tst_MainPaste::terminalReceivesPadText_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QByteArray>("received");
    QTest::newRow("Main2 hexadecimal references")
        << "Main2" << QStringLiteral("né") << QByteArray("&#x006E;&#x00E9;");
    QTest::newRow("Main4 text") << "Main4" << QStringLiteral("Grüße, ça va")
                                << QStringLiteral("Grüße, ça va").toUtf8();
}

void tst_MainPaste::terminalReceivesPadText()
{
    QFETCH(QString, item);
    QFETCH(QString, typed);
    QFETCH(QByteArray, received);
    const QString out = scratch.filePath(QStringLiteral("terminal.out"));
    const QString ready = scratch.filePath(QStringLiteral("terminal.ready"));
    if (terminal.state() == QProcess::NotRunning) {
        const QString xterm = QStandardPaths::findExecutable(QStringLiteral("xterm"));
        QVERIFY2(!xterm.isEmpty(), "xterm is not installed (scripts/deps.sh installs it)");
        QProcessEnvironment env = displayEnvironment();
        env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
        terminal.setProcessEnvironment(env);
        terminal.start(
            xterm,
            {QStringLiteral("-u8"), QStringLiteral("-T"), QStringLiteral("Terminal"),
             QStringLiteral("-e"), QStringLiteral("/bin/sh"), QStringLiteral("-c"),
             QStringLiteral("stty raw -echo && : > '%1' && exec cat > '%2'").arg(ready, out)});
        QVERIFY(terminal.waitForStarted(5000));
        QVERIFY(QTest::qWaitFor([&] { return QFile::exists(ready); }, 10000));
        QTRY_COMPARE_WITH_TIMEOUT(w->windowTitle(), QStringLiteral("VelmorUC [ Terminal ]"), 5000);
    }
    QFile file(out);
    const qint64 before = QFileInfo(out).size();
    typeAndTransfer(item, typed);
    QVERIFY(
        QTest::qWaitFor([&] { return QFileInfo(out).size() >= before + received.size(); }, 5000));
    QTest::qWait(300); // nothing more follows, not even a Ctrl+V byte
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll().mid(before), received);
    screenshot(QStringLiteral("mainpaste-terminal-") + item);
}

int main(int argc, char **argv)
{
    return RunOnPrivateXServer<tst_MainPaste>(argc, argv, &g_noServer, &g_display);
}

#include "tst_mainpaste.moc"
