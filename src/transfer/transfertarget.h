// The window that receives a transfer: which foreign window is the target, the
// caption and indicator that show it, and the order of bringing it forward and
// pasting. The main window drives it with its two timers:
//   TransTimer1 (TransTimer1Interval ms, running only while the program is not the
//     active application) calls trackTick(settings.AutoPasteFlg);
//   PasteTimer (single shot, settings.PasteTimerInterval ms) calls pasteTick().
// A transfer is: content = PrepareTransfer(...), put it on the clipboard, then
// if CheckBox2 is checked and autoPaste() returns AutoPasteResult::StartPasteTimer,
// start PasteTimer; then, with AllClearFlg, empty Edit1 and Memo1.
#pragma once

#include <QColor>
#include <QObject>
#include <QPalette>
#include <QString>

#include <functional>

#include "windowsystem.h"

struct Settings;

struct TransferTarget
{
    bool hasTarget = false;
    ForeignWindowId window = 0;
    QString title; // as recorded, at most TargetTitleLimit code units
    bool operator==(const TransferTarget &) const = default;
};

inline constexpr int TransTimer1Interval = 250;
inline constexpr int TargetTitleLimit = 254;

// The colour of the indicator circle Shape1: white at start, red (255, 0, 0) while
// a target is known, the system window colour (the palette's base colour) once a
// target has been forgotten.
enum class TargetLamp { Start, Known, Forgotten };
QColor TargetLampColour(TargetLamp lamp, const QPalette &palette);

// "VelmorUC" without a target, "VelmorUC [ " + title + " ]" with one.
QString TransferCaption(const TransferTarget &target);
// A title cut to TargetTitleLimit code units, never inside a surrogate pair.
QString ClipTargetTitle(const QString &title);
// The desktop, the help viewer and the program's own windows, by title.
bool IsIgnoredTargetTitle(const QString &title);

enum class TrackResult {
    Off,           // automatic paste is off
    NoWindow,      // no display, or nothing in front
    Ignored,       // the desktop, a panel, the help viewer or one of our own windows
    AlreadyTarget, // the target itself is in front
    Recorded,      // a new target
};

enum class AutoPasteResult {
    NoTarget,        // nothing happens; the text is on the clipboard
    StartPasteTimer, // the target is in front; start PasteTimer
    AlreadyPending,  // the target is in front and a keystroke is already due
    TargetForgotten, // it could not be brought forward (it is gone)
};

class TransferSession : public QObject
{
    Q_OBJECT

public:
    explicit TransferSession(WindowSystem &windows, QObject *parent = nullptr);

    const TransferTarget &target() const { return m_target; }
    TargetLamp lamp() const { return m_lamp; }
    QString caption() const { return TransferCaption(m_target); }
    bool pastePending() const { return m_pastePending; }

    // Windows of this program (for example a dialog whose title does not begin with
    // "VelmorUC"), told apart by the window code; never a target.
    void setOwnWindowTest(std::function<bool(ForeignWindowId)> isOwnWindow);

    // Whether TransTimer1 runs in the given application state.
    static bool trackingWanted(bool applicationActive) { return !applicationActive; }

    // One tick of TransTimer1.
    TrackResult trackTick(bool autoPasteFlg);
    // Brings the target forward; see AutoPasteResult.
    AutoPasteResult autoPaste();
    // The single tick of PasteTimer: the paste keystroke to the window in front.
    void pasteTick();
    // Clears the target and restores caption and indicator.
    void forgetTarget();
    // CheckBox2 (or the line window's check box) was toggled.
    void autoPasteToggled(bool checked, Settings &settings);

Q_SIGNALS:
    // The caption and the lamp changed (main window and, when open, line window).
    void targetChanged();

private:
    WindowSystem &m_windows;
    std::function<bool(ForeignWindowId)> m_isOwnWindow;
    TransferTarget m_target;
    TargetLamp m_lamp = TargetLamp::Start;
    bool m_pastePending = false;
};
