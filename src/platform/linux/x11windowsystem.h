// The desktop's windows on X11: EWMH properties through Xlib, bringing a window
// forward, keystrokes and Caps Lock through libxdo. Without a display every query
// finds nothing and every action reports failure, quietly.
#pragma once

#include <QByteArray>
#include <QStringList>

#include "windowsystem.h"

struct xdo;

// Terminals take Ctrl+V as "insert the next key literally"; Shift+Insert pastes in
// every one of them.
enum class PasteKeystroke { CtrlV, ShiftInsert };

// The WM_CLASS names (instance or class, any letter case) of the terminals.
const QStringList &TerminalWindowClasses();
// "gnome-terminal-server" and "st-256color" are terminals too, as is a class named
// in reverse-domain form ("org.wezfurlong.wezterm").
PasteKeystroke PasteKeystrokeForClass(const QString &instanceName, const QString &className);

class X11WindowSystem : public WindowSystem
{
public:
    // An empty name means the DISPLAY of the environment.
    explicit X11WindowSystem(const QByteArray &displayName = {});
    ~X11WindowSystem() override;
    X11WindowSystem(const X11WindowSystem &) = delete;
    X11WindowSystem &operator=(const X11WindowSystem &) = delete;

    bool available() const override;
    ForeignWindowId activeWindow() const override;
    QString windowTitle(ForeignWindowId window) const override;
    bool isDesktopOrPanel(ForeignWindowId window) const override;
    bool activateWindow(ForeignWindowId window) override;
    // The window's WM_CLASS; empty strings when it has none.
    QStringList windowClass(ForeignWindowId window) const;
    PasteKeystroke pasteKeystrokeFor(ForeignWindowId window) const;
    // Ctrl down, V down, Ctrl up, V up (or the same with Shift and Insert for a
    // terminal), to whichever window has the keyboard focus.
    bool sendPasteKeystroke(ForeignWindowId window) override;
    bool capsLockOn() const override;
    void setCapsLock(bool on) override;

private:
    struct xdo *m_xdo = nullptr; // owns the display connection
};
