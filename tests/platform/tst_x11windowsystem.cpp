#include <QElapsedTimer>
#include <QTest>
#include <QThread>

#include <functional>

#include "x11windowsystem.h"
#include "xvfbsession.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/keysym.h>

class tst_X11WindowSystem : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void withoutDisplay();
    void pasteKeystroke_data();
    void pasteKeystroke();
    void desktop_data();
    void desktop();
};

namespace {

// The test's own client: plain X windows that record the keys they receive.
class Client
{
public:
    explicit Client(const QByteArray &display) : d(XOpenDisplay(display.constData())) {}
    ~Client()
    {
        if (d)
            XCloseDisplay(d);
    }

    Window create(const QByteArray &utf8Title, const QByteArray &latin1Name, int x)
    {
        const Window w = XCreateSimpleWindow(d, DefaultRootWindow(d), x, 40, 300, 200, 0,
                                             BlackPixel(d, 0), WhitePixel(d, 0));
        XSelectInput(d, w, KeyPressMask | KeyReleaseMask | StructureNotifyMask | FocusChangeMask);
        XClassHint hint{const_cast<char *>("receiver"), const_cast<char *>("Receiver")};
        XSetClassHint(d, w, &hint);
        if (!latin1Name.isNull())
            XStoreName(d, w, latin1Name.constData());
        if (!utf8Title.isNull())
            XChangeProperty(d, w, XInternAtom(d, "_NET_WM_NAME", False),
                            XInternAtom(d, "UTF8_STRING", False), 8, PropModeReplace,
                            reinterpret_cast<const unsigned char *>(utf8Title.constData()),
                            int(utf8Title.size()));
        return w;
    }

    void setType(Window w, const char *type)
    {
        const Atom value = XInternAtom(d, type, False);
        XChangeProperty(d, w, XInternAtom(d, "_NET_WM_WINDOW_TYPE", False), XA_ATOM, 32,
                        PropModeReplace, reinterpret_cast<const unsigned char *>(&value), 1);
    }

    bool mapAndWait(Window w)
    {
        XMapWindow(d, w);
        XFlush(d);
        return waitFor([&] {
            XWindowAttributes a{};
            XGetWindowAttributes(d, w, &a);
            return a.map_state == IsViewable;
        });
    }

    // Pumps the client's events while waiting.
    bool waitFor(const std::function<bool()> &condition, int ms = 5000)
    {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < ms) {
            pump();
            if (condition())
                return true;
            QThread::msleep(20);
        }
        pump();
        return condition();
    }

    void pump()
    {
        XSync(d, False);
        while (XPending(d)) {
            XEvent e;
            XNextEvent(d, &e);
            if (e.type == KeyPress || e.type == KeyRelease) {
                const KeySym sym = XLookupKeysym(&e.xkey, 0);
                keys.append({e.xkey.window, e.type == KeyPress, sym, e.xkey.state});
            }
        }
    }

    struct Key
    {
        Window window;
        bool press;
        KeySym sym;
        unsigned state;
    };

    Display *d;
    QList<Key> keys;
};

} // namespace

void tst_X11WindowSystem::withoutDisplay()
{
    const QByteArray saved = qgetenv("DISPLAY");
    qunsetenv("DISPLAY");
    {
        X11WindowSystem none;
        QVERIFY(!none.available());
        QCOMPARE(none.activeWindow(), ForeignWindowId(0));
        QCOMPARE(none.windowTitle(42), QString());
        QVERIFY(!none.isDesktopOrPanel(42));
        QVERIFY(!none.activateWindow(42));
        QVERIFY(!none.sendPasteKeystroke(42));
        QVERIFY(!none.capsLockOn());
        none.setCapsLock(true);
        QVERIFY(!none.capsLockOn());
    }
    if (!saved.isNull())
        qputenv("DISPLAY", saved);
    // A display that does not answer is the same as none.
    X11WindowSystem unreachable(QByteArrayLiteral(":4093"));
    QVERIFY(!unreachable.available());
    QVERIFY(!unreachable.activateWindow(1));
}

void tst_X11WindowSystem::pasteKeystroke_data()
{
    QTest::addColumn<QString>("instance");
    QTest::addColumn<QString>("className");
    QTest::addColumn<bool>("terminal");
    QTest::newRow("xterm") << "xterm" << "XTerm" << true;
    QTest::newRow("uxterm") << "uxterm" << "UXTerm" << true;
    QTest::newRow("gnome-terminal") << "gnome-terminal-server" << "Gnome-terminal" << true;
    QTest::newRow("urxvt") << "urxvt" << "URxvt" << true;
    QTest::newRow("st") << "st-256color" << "st-256color" << true;
    QTest::newRow("wezterm") << "org.wezfurlong.wezterm" << "org.wezfurlong.wezterm" << true;
    QTest::newRow("Alacritty") << "Alacritty" << "Alacritty" << true;
    QTest::newRow("editor") << "mousepad" << "Mousepad" << false;
    QTest::newRow("browser") << "chromium" << "Chromium" << false;
    QTest::newRow("word processor") << "libreoffice" << "libreoffice-writer" << false;
    QTest::newRow("name that only begins like one") << "stalonetray" << "stalonetray" << false;
    QTest::newRow("no class") << "" << "" << false;
}

void tst_X11WindowSystem::pasteKeystroke()
{
    QFETCH(QString, instance);
    QFETCH(QString, className);
    QFETCH(bool, terminal);
    QCOMPARE(PasteKeystrokeForClass(instance, className),
             terminal ? PasteKeystroke::ShiftInsert : PasteKeystroke::CtrlV);
}

void tst_X11WindowSystem::desktop_data()
{
    QTest::addColumn<bool>("windowManager");
    QTest::newRow("bare server") << false;
    QTest::newRow("openbox") << true;
}

void tst_X11WindowSystem::desktop()
{
    QFETCH(bool, windowManager);
    XvfbSession server;
    QString why;
    if (!server.start(windowManager, &why))
        QSKIP(qPrintable(QStringLiteral("no private X server: ") + why));

    X11WindowSystem windows(server.display());
    QVERIFY(windows.available());
    Client client(server.display());
    QVERIFY(client.d);

    const QString editorTitle = QStringLiteral("Receiver é 日本語");
    const Window editor = client.create(editorTitle.toUtf8(), QByteArray("Receiver"), 20);
    const QString mailTitle = QStringLiteral("Zweites Fenster ä");
    const Window mail = client.create(QByteArray(), mailTitle.toLatin1(), 400);
    const Window dock = client.create(QByteArray("panel"), QByteArray("panel"), 700);
    client.setType(dock, "_NET_WM_WINDOW_TYPE_DOCK");
    QVERIFY(client.mapAndWait(editor));
    QVERIFY(client.mapAndWait(mail));
    QVERIFY(client.mapAndWait(dock));

    // Titles: _NET_WM_NAME in UTF-8, or WM_NAME in Latin-1.
    QCOMPARE(windows.windowTitle(editor), editorTitle);
    QCOMPARE(windows.windowTitle(mail), mailTitle);

    // Panels and the root count as the desktop.
    QVERIFY(windows.isDesktopOrPanel(dock));
    QVERIFY(!windows.isDesktopOrPanel(editor));
    QVERIFY(windows.isDesktopOrPanel(DefaultRootWindow(client.d)));

    // Bringing each window forward makes it the active one.
    QVERIFY(windows.activateWindow(editor));
    QVERIFY2(client.waitFor([&] { return windows.activeWindow() == editor; }),
             qPrintable(QString::number(windows.activeWindow())));
    QVERIFY(windows.activateWindow(mail));
    QVERIFY(client.waitFor([&] { return windows.activeWindow() == mail; }));
    QCOMPARE(windows.windowTitle(windows.activeWindow()), mailTitle);

    // A minimised window comes back when a window manager is there to restore it.
    if (windowManager) {
        XIconifyWindow(client.d, mail, DefaultScreen(client.d));
        XFlush(client.d);
        QVERIFY(client.waitFor([&] { return windows.activeWindow() != mail; }));
        QVERIFY(windows.activateWindow(mail));
        QVERIFY(client.waitFor([&] { return windows.activeWindow() == mail; }));
        QVERIFY(client.waitFor([&] {
            XWindowAttributes a{};
            XGetWindowAttributes(client.d, mail, &a);
            return a.map_state == IsViewable;
        }));
    }

    // Ctrl+V reaches the window in front.
    client.keys.clear();
    QVERIFY(windows.sendPasteKeystroke(mail));
    QVERIFY(client.waitFor([&] { return client.keys.size() >= 4; }));
    // Ctrl down, V down, Ctrl up, then V up.
    QCOMPARE(client.keys.size(), 4);
    const KeySym order[4] = {XK_Control_L, XK_v, XK_Control_L, XK_v};
    const bool press[4] = {true, true, false, false};
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(client.keys[i].window, mail);
        QCOMPARE(client.keys[i].sym, order[i]);
        QCOMPARE(client.keys[i].press, press[i]);
    }
    QVERIFY(client.keys[1].state & ControlMask);

    // Caps Lock, read and set.
    const bool before = windows.capsLockOn();
    windows.setCapsLock(!before);
    QVERIFY(client.waitFor([&] { return windows.capsLockOn() == !before; }));
    windows.setCapsLock(!before); // already so: no toggle
    QThread::msleep(50);
    QCOMPARE(windows.capsLockOn(), !before);
    windows.setCapsLock(before);
    QVERIFY(client.waitFor([&] { return windows.capsLockOn() == before; }));

    // A closed window cannot come forward, and asking about it does no harm.
    XDestroyWindow(client.d, editor);
    XSync(client.d, False);
    QVERIFY(!windows.activateWindow(editor));
    QCOMPARE(windows.windowTitle(editor), QString());
    QVERIFY(!windows.isDesktopOrPanel(editor));
    // A window that was closed but kept (withdrawn) cannot either.
    XUnmapWindow(client.d, mail);
    XSync(client.d, False);
    QVERIFY(client.waitFor([&] {
        XWindowAttributes a{};
        XGetWindowAttributes(client.d, mail, &a);
        return a.map_state != IsViewable;
    }));
    QThread::msleep(100);
    QVERIFY(!windows.activateWindow(mail));
}

QTEST_APPLESS_MAIN(tst_X11WindowSystem)
#include "tst_x11windowsystem.moc"
