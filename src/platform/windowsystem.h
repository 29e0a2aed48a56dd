// The desktop's windows as the transfer sees them: which window is in front, its
// title, bringing it forward, the paste keystroke, and the Caps Lock state.
#pragma once

#include <QString>

#include <cstdint>

using ForeignWindowId = std::uint64_t; // 0: no window

class WindowSystem
{
public:
    virtual ~WindowSystem() = default;
    // False without a display: no window is ever found and nothing is sent.
    virtual bool available() const = 0;
    virtual ForeignWindowId activeWindow() const = 0;
    virtual QString windowTitle(ForeignWindowId window) const = 0;
    // The desktop and panels are never a target.
    virtual bool isDesktopOrPanel(ForeignWindowId window) const = 0;
    virtual bool activateWindow(ForeignWindowId window) = 0;
    // The keystroke that pastes in that window (Shift+Insert in a terminal, else
    // Ctrl+V), sent to whichever window has the keyboard focus.
    virtual bool sendPasteKeystroke(ForeignWindowId window) = 0;
    virtual bool capsLockOn() const = 0;
    virtual void setCapsLock(bool on) = 0;
};
