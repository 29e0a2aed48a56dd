#include "transfertarget.h"

#include "settings.h"

QString TransferCaption(const TransferTarget &target)
{
    if (!target.hasTarget)
        return QStringLiteral("VelmorUC");
    return QStringLiteral("VelmorUC [ ") + target.title + QStringLiteral(" ]");
}

QColor TargetLampColour(TargetLamp lamp, const QPalette &palette)
{
    switch (lamp) {
    case TargetLamp::Known:
        return QColor(255, 0, 0);
    case TargetLamp::Forgotten:
        return palette.color(QPalette::Base);
    case TargetLamp::Start:
        break;
    }
    return QColor(Qt::white);
}

QString ClipTargetTitle(const QString &title)
{
    if (title.size() <= TargetTitleLimit)
        return title;
    qsizetype n = TargetTitleLimit;
    if (title.at(n - 1).isHighSurrogate() && title.at(n).isLowSurrogate())
        --n;
    return title.left(n);
}

bool IsIgnoredTargetTitle(const QString &title)
{
    if (title == QLatin1String("Program Manager"))
        return true;
    // The help page opens in a browser, whose title begins with the page's.
    if (title.startsWith(QLatin1String("VelmorHelp")))
        return true;
    if (title.trimmed() == QStringLiteral("スタート メニュー"))
        return true;
    return title.startsWith(QLatin1String("VelmorUC"));
}

TransferSession::TransferSession(WindowSystem &windows, QObject *parent)
    : QObject(parent), m_windows(windows)
{}

void TransferSession::setOwnWindowTest(std::function<bool(ForeignWindowId)> isOwnWindow)
{
    m_isOwnWindow = std::move(isOwnWindow);
}

TrackResult TransferSession::trackTick(bool autoPasteFlg)
{
    if (!autoPasteFlg)
        return TrackResult::Off;
    if (!m_windows.available())
        return TrackResult::NoWindow;
    const ForeignWindowId window = m_windows.activeWindow();
    if (window == 0)
        return TrackResult::NoWindow;
    if (m_target.hasTarget && window == m_target.window)
        return TrackResult::AlreadyTarget;
    if (m_windows.isDesktopOrPanel(window) || (m_isOwnWindow && m_isOwnWindow(window)))
        return TrackResult::Ignored;
    const QString title = ClipTargetTitle(m_windows.windowTitle(window));
    if (IsIgnoredTargetTitle(title))
        return TrackResult::Ignored;
    m_target = TransferTarget{true, window, title};
    m_lamp = TargetLamp::Known;
    Q_EMIT targetChanged();
    return TrackResult::Recorded;
}

AutoPasteResult TransferSession::autoPaste()
{
    if (!m_target.hasTarget)
        return AutoPasteResult::NoTarget;
    if (!m_windows.activateWindow(m_target.window)) {
        forgetTarget();
        return AutoPasteResult::TargetForgotten;
    }
    if (m_pastePending)
        return AutoPasteResult::AlreadyPending;
    m_pastePending = true;
    return AutoPasteResult::StartPasteTimer;
}

void TransferSession::pasteTick()
{
    if (!m_pastePending)
        return;
    m_pastePending = false;
    m_windows.sendPasteKeystroke(m_windows.activeWindow());
}

void TransferSession::forgetTarget()
{
    m_target = TransferTarget{};
    m_lamp = TargetLamp::Forgotten;
    Q_EMIT targetChanged();
}

void TransferSession::autoPasteToggled(bool checked, Settings &settings)
{
    settings.AutoPasteFlg = checked;
    if (!checked)
        forgetTarget();
}
