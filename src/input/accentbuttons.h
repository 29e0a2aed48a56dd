// The accent-button page ("ACボタン") without widgets: the two sets of 38 characters,
// where each button and accent picture sits, and what each picture draws.
#pragma once

#include <QList>
#include <QPoint>
#include <QRect>

#include <array>

#include "triggerinput.h"

inline constexpr int AccentButtonCount = 38;
inline constexpr int AccentPictureCount = 5; // grave, acute, circumflex, diaeresis, tilde

// Entry i of the lower or upper set; 0 disables the button (outside 0 to 37 too).
char16_t AccentButtonChar(int button, KeyboardCase state);

struct AccentButtonsLayout
{
    int U = 0; // column unit
    int R = 0; // row pitch
    std::array<QRect, AccentButtonCount> buttons;
    std::array<QRect, AccentPictureCount> pictures;
    QRect caps;
    bool operator==(const AccentButtonsLayout &) const = default;
};
// W x H: the page size.
AccentButtonsLayout LayoutAccentButtons(int W, int H);

// One accent picture drawn in black on its framed button-face square.
struct AccentPictureShape
{
    enum Kind { FilledPolygon, Polyline, FilledEllipses, CubicCurve };
    Kind kind = FilledPolygon;
    int penWidth = 1;
    // Polygon corners; the polyline's points; the curve's start, two control points, end.
    QList<QPoint> points;
    QList<QRect> ellipseBoxes;
    bool operator==(const AccentPictureShape &) const = default;
};
// The picture of row r (0 to 4) in a picture of w x h pixels.
AccentPictureShape AccentPictureOf(int row, int w, int h);
