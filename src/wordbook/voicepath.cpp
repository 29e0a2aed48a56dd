#include "voicepath.h"

#include <QFileInfo>

QString ResolveVoicePath(const QString &voiceFolder, const QString &wordBookFolder,
                         const QString &name)
{
    if (name.isEmpty())
        return {};
    return (voiceFolder.isEmpty() ? wordBookFolder : voiceFolder) + u'/' + name;
}

QString ExistingVoicePath(const QString &voiceFolder, const QString &wordBookFolder,
                          const QString &name)
{
    const QString path = ResolveVoicePath(voiceFolder, wordBookFolder, name);
    return !path.isEmpty() && QFileInfo(path).isFile() ? path : QString();
}

QPoint PlayerPositionBeside(const QRect &dialog, const QSize &frame, const QRect &screen)
{
    constexpr int Gap = 8;
    const auto clampY = [&](int y) {
        return qBound(screen.top(), y, qMax(screen.top(), screen.bottom() + 1 - frame.height()));
    };
    const auto clampX = [&](int x) {
        return qBound(screen.left(), x, qMax(screen.left(), screen.right() + 1 - frame.width()));
    };
    if (dialog.right() + Gap + frame.width() <= screen.right())
        return {dialog.right() + 1 + Gap, clampY(dialog.top())};
    if (dialog.left() - Gap - frame.width() >= screen.left())
        return {dialog.left() - Gap - frame.width(), clampY(dialog.top())};
    if (dialog.bottom() + Gap + frame.height() <= screen.bottom())
        return {clampX(dialog.left()), dialog.bottom() + 1 + Gap};
    if (dialog.top() - Gap - frame.height() >= screen.top())
        return {clampX(dialog.left()), dialog.top() - Gap - frame.height()};
    // A dialog as large as the screen: the bottom right corner hides the least.
    return {clampX(screen.right()), clampY(screen.bottom())};
}
