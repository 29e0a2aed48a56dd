#include "x11windowsystem.h"

#include <QList>
#include <QString>

#include <unistd.h>

extern "C" {
#include <xdo.h>
}
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace {

int g_trappedError = 0;

int trapError(Display *, XErrorEvent *event)
{
    g_trappedError = event->error_code;
    return 0;
}

// A vanished window must not end the program: Xlib's default handler exits on any
// protocol error, so each request that names a foreign window runs inside a trap.
class ErrorTrap
{
public:
    explicit ErrorTrap(Display *display) : m_display(display)
    {
        XSync(m_display, False);
        g_trappedError = 0;
        m_previous = XSetErrorHandler(trapError);
    }
    ~ErrorTrap()
    {
        XSync(m_display, False);
        XSetErrorHandler(m_previous);
    }
    bool failed()
    {
        XSync(m_display, False);
        return g_trappedError != 0;
    }

private:
    Display *m_display;
    XErrorHandler m_previous = nullptr;
};

Atom atom(Display *display, const char *name)
{
    return XInternAtom(display, name, False);
}

// The items of a property of 32-bit format (windows, atoms, cardinals).
QList<unsigned long> longProperty(Display *display, Window window, Atom property, Atom type)
{
    QList<unsigned long> items;
    Atom actualType = 0;
    int format = 0;
    unsigned long count = 0, remaining = 0;
    unsigned char *data = nullptr;
    ErrorTrap trap(display);
    const int status = XGetWindowProperty(display, window, property, 0, 1024, False, type,
                                          &actualType, &format, &count, &remaining, &data);
    if (status == Success && !trap.failed() && data && format == 32 && actualType == type) {
        const auto *values = reinterpret_cast<const unsigned long *>(data);
        for (unsigned long i = 0; i < count; ++i)
            items.append(values[i]);
    }
    if (data)
        XFree(data);
    return items;
}

bool hasProperty(Display *display, Window window, Atom property, Atom type)
{
    Atom actualType = 0;
    int format = 0;
    unsigned long count = 0, remaining = 0;
    unsigned char *data = nullptr;
    ErrorTrap trap(display);
    const int status = XGetWindowProperty(display, window, property, 0, 1, False, type, &actualType,
                                          &format, &count, &remaining, &data);
    if (data)
        XFree(data);
    return status == Success && !trap.failed() && actualType == type;
}

bool windowManagerSupports(Display *display, const char *name)
{
    const Window root = DefaultRootWindow(display);
    return longProperty(display, root, atom(display, "_NET_SUPPORTED"), XA_ATOM)
        .contains(atom(display, name));
}

bool isTerminalName(const QString &name)
{
    const QString lower = name.toLower();
    for (const QString &terminal : TerminalWindowClasses()) {
        if (lower == terminal || lower.startsWith(terminal + u'-') ||
            lower.endsWith(u'.' + terminal))
            return true;
    }
    return false;
}

} // namespace

const QStringList &TerminalWindowClasses()
{
    static const QStringList names = {
        QStringLiteral("xterm"),          QStringLiteral("uxterm"),
        QStringLiteral("gnome-terminal"), QStringLiteral("konsole"),
        QStringLiteral("xfce4-terminal"), QStringLiteral("mate-terminal"),
        QStringLiteral("lxterminal"),     QStringLiteral("terminator"),
        QStringLiteral("tilix"),          QStringLiteral("kitty"),
        QStringLiteral("alacritty"),      QStringLiteral("foot"),
        QStringLiteral("wezterm"),        QStringLiteral("urxvt"),
        QStringLiteral("st"),             QStringLiteral("qterminal"),
    };
    return names;
}

PasteKeystroke PasteKeystrokeForClass(const QString &instanceName, const QString &className)
{
    return isTerminalName(instanceName) || isTerminalName(className) ? PasteKeystroke::ShiftInsert
                                                                     : PasteKeystroke::CtrlV;
}

X11WindowSystem::X11WindowSystem(const QByteArray &displayName)
{
    QByteArray name = displayName;
    if (name.isEmpty())
        name = qgetenv("DISPLAY");
    if (name.isEmpty())
        return;
    Display *display = XOpenDisplay(name.constData());
    if (!display)
        return;
    m_xdo = xdo_new_with_opened_display(display, name.constData(), 1);
    if (!m_xdo)
        XCloseDisplay(display);
}

X11WindowSystem::~X11WindowSystem()
{
    if (m_xdo)
        xdo_free(m_xdo);
}

bool X11WindowSystem::available() const
{
    return m_xdo != nullptr;
}

ForeignWindowId X11WindowSystem::activeWindow() const
{
    if (!m_xdo)
        return 0;
    Display *display = m_xdo->xdpy;
    const Window root = DefaultRootWindow(display);
    const Atom activeAtom = atom(display, "_NET_ACTIVE_WINDOW");
    if (hasProperty(display, root, activeAtom, XA_WINDOW)) {
        const QList<unsigned long> active = longProperty(display, root, activeAtom, XA_WINDOW);
        return active.isEmpty() ? 0 : ForeignWindowId(active.first());
    }
    // No window manager that tells: the window with the keyboard focus.
    Window focused = 0;
    int revert = 0;
    {
        ErrorTrap trap(display);
        XGetInputFocus(display, &focused, &revert);
        if (trap.failed())
            return 0;
    }
    if (focused == None || focused == PointerRoot || focused == root)
        return 0;
    // The top-level window that holds the focused child.
    Window sane = 0;
    {
        ErrorTrap trap(display);
        if (xdo_get_focused_window_sane(m_xdo, &sane) != XDO_SUCCESS || trap.failed())
            sane = 0;
    }
    if (sane == 0 || sane == root)
        sane = focused;
    return ForeignWindowId(sane);
}

QString X11WindowSystem::windowTitle(ForeignWindowId window) const
{
    if (!m_xdo || window == 0)
        return QString();
    Display *display = m_xdo->xdpy;
    {
        Atom actualType = 0;
        int format = 0;
        unsigned long count = 0, remaining = 0;
        unsigned char *data = nullptr;
        ErrorTrap trap(display);
        const int status = XGetWindowProperty(
            display, Window(window), atom(display, "_NET_WM_NAME"), 0, 4096, False,
            atom(display, "UTF8_STRING"), &actualType, &format, &count, &remaining, &data);
        const bool ok = status == Success && !trap.failed() && data && format == 8 &&
                        actualType == atom(display, "UTF8_STRING");
        QString title;
        if (ok)
            title = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(count));
        if (data)
            XFree(data);
        if (ok)
            return title;
    }
    // WM_NAME, in whatever encoding its type says (STRING, COMPOUND_TEXT, UTF8_STRING).
    XTextProperty property{};
    QString title;
    ErrorTrap trap(display);
    if (XGetWMName(display, Window(window), &property) && !trap.failed() && property.value) {
        char **list = nullptr;
        int count = 0;
        if (Xutf8TextPropertyToTextList(display, &property, &list, &count) >= Success && list &&
            count > 0) {
            for (int i = 0; i < count; ++i)
                title += QString::fromUtf8(list[i]);
        }
        if (list)
            XFreeStringList(list);
    }
    if (property.value)
        XFree(property.value);
    return title;
}

bool X11WindowSystem::isDesktopOrPanel(ForeignWindowId window) const
{
    if (!m_xdo)
        return false;
    Display *display = m_xdo->xdpy;
    if (Window(window) == DefaultRootWindow(display))
        return true;
    const QList<unsigned long> types =
        longProperty(display, Window(window), atom(display, "_NET_WM_WINDOW_TYPE"), XA_ATOM);
    return types.contains(atom(display, "_NET_WM_WINDOW_TYPE_DESKTOP")) ||
           types.contains(atom(display, "_NET_WM_WINDOW_TYPE_DOCK"));
}

bool X11WindowSystem::activateWindow(ForeignWindowId window)
{
    if (!m_xdo || window == 0)
        return false;
    Display *display = m_xdo->xdpy;
    XWindowAttributes attributes{};
    {
        ErrorTrap trap(display);
        if (!XGetWindowAttributes(display, Window(window), &attributes) || trap.failed())
            return false; // gone
    }
    if (attributes.map_state != IsViewable) {
        // Minimised windows come back; withdrawn ones (closed but kept) do not.
        const Atom wmState = atom(display, "WM_STATE");
        const QList<unsigned long> state = longProperty(display, Window(window), wmState, wmState);
        if (state.isEmpty() || state.first() != IconicState)
            return false;
    }
    const bool managed = windowManagerSupports(display, "_NET_ACTIVE_WINDOW");
    ErrorTrap trap(display);
    int result = XDO_ERROR;
    if (managed) {
        result = xdo_activate_window(m_xdo, Window(window));
    } else {
        XMapRaised(display, Window(window));
        result = xdo_focus_window(m_xdo, Window(window));
    }
    XFlush(display);
    return result == XDO_SUCCESS && !trap.failed();
}

QStringList X11WindowSystem::windowClass(ForeignWindowId window) const
{
    if (!m_xdo || window == 0)
        return {QString(), QString()};
    XClassHint hint{};
    ErrorTrap trap(m_xdo->xdpy);
    const bool ok = XGetClassHint(m_xdo->xdpy, Window(window), &hint) && !trap.failed();
    QStringList names{ok && hint.res_name ? QString::fromLocal8Bit(hint.res_name) : QString(),
                      ok && hint.res_class ? QString::fromLocal8Bit(hint.res_class) : QString()};
    if (hint.res_name)
        XFree(hint.res_name);
    if (hint.res_class)
        XFree(hint.res_class);
    return names;
}

PasteKeystroke X11WindowSystem::pasteKeystrokeFor(ForeignWindowId window) const
{
    const QStringList names = windowClass(window);
    return PasteKeystrokeForClass(names.value(0), names.value(1));
}

bool X11WindowSystem::sendPasteKeystroke(ForeignWindowId window)
{
    if (!m_xdo)
        return false;
    const char *keys =
        pasteKeystrokeFor(window) == PasteKeystroke::ShiftInsert ? "shift+Insert" : "ctrl+v";
    ErrorTrap trap(m_xdo->xdpy);
    const int result = xdo_send_keysequence_window(m_xdo, CURRENTWINDOW, keys, 12000);
    XFlush(m_xdo->xdpy);
    return result == XDO_SUCCESS && !trap.failed();
}

bool X11WindowSystem::capsLockOn() const
{
    if (!m_xdo)
        return false;
    return (xdo_get_input_state(m_xdo) & LockMask) != 0;
}

void X11WindowSystem::setCapsLock(bool on)
{
    if (!m_xdo || capsLockOn() == on)
        return;
    ErrorTrap trap(m_xdo->xdpy);
    xdo_send_keysequence_window(m_xdo, CURRENTWINDOW, "Caps_Lock", 12000);
    XFlush(m_xdo->xdpy);
}
