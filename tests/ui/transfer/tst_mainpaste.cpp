// The main window delivering into another program on a private X server with
// openbox: the receiver editor comes to the front and becomes the target (the
// caption names it), the user comes back, types in the pad, presses F9, and the
// receiver gets exactly the transferred text; for the rich mode also the document
// in the pad font and size.
#include <QApplication>
#include <QClipboard>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
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
    void closedReceiverForgotten();

private:
    bool waitActive(ForeignWindowId window);
    void comeBack();
    void screenshot(const QString &name);

    std::unique_ptr<MainFrmFixture> fixture;
    std::unique_ptr<X11WindowSystem> windows;
    std::unique_ptr<TMainFrm> w;
    PasteReceiver receiver;
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

int main(int argc, char **argv)
{
    return RunOnPrivateXServer<tst_MainPaste>(argc, argv, &g_noServer, &g_display);
}

#include "tst_mainpaste.moc"
