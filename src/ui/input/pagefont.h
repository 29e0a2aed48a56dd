// Fonts of the on-screen pages: FitFontSize measured with a real font.
#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QString>

#include <functional>

#include "triggerkeyboard.h"

// The font of a family at a point size (at least 1).
inline QFont PageFont(const QString &family, int points, bool bold = false)
{
    QFont f(family);
    f.setPointSize(qMax(1, points));
    f.setBold(bold);
    return f;
}

// The size of a text in a family at a point size.
inline std::function<QSize(int)> TextMeasure(const QString &family, const QString &text,
                                             bool bold = false)
{
    return [family, text, bold](int points) {
        return QFontMetrics(PageFont(family, points, bold)).size(Qt::TextSingleLine, text);
    };
}

// The FitFontSize of a text in a family within maxWidth x maxHeight, at least 1 point.
inline int FitFontPoints(const QString &family, const QString &text, int maxWidth, int maxHeight,
                         bool bold = false)
{
    return qMax(1, FitFontSize(TextMeasure(family, text, bold), maxWidth, maxHeight));
}
