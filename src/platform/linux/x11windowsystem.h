// The desktop's windows on X11: EWMH properties through Xlib, bringing a window
// forward, keystrokes and Caps Lock through libxdo. Without a display every query
// finds nothing and every action reports failure, quietly.
#pragma once

#include <QByteArray>

#include "windowsystem.h"

struct xdo;

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
    // Ctrl down, V down, Ctrl up, V up, to whichever window has the keyboard focus.
    bool sendPasteKeystroke(ForeignWindowId window) override;
    bool capsLockOn() const override;
    void setCapsLock(bool on) override;

private:
    struct xdo *m_xdo = nullptr; // owns the display connection
};
