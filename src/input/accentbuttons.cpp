#include "accentbuttons.h"

namespace {

constexpr char16_t kLower[AccentButtonCount + 1] =
    u"\u00E0\u00E8\u00EC\u00F2\u00F9"   // grave
    u"\u00E1\u00E9\u00ED\u00F3\u00FA"   // acute
    u"\u00E2\u00EA\u00EE\u00F4\u00FB"   // circumflex
    u"\u00E4\u00EB\u00EF\u00F6\u00FC"   // diaeresis
    u"\u00E3\u00F5\u00F1"               // tilde
    u"\u2019\u0153\u00E6\u00E7\u00DF"   // column 6
    u"\u00B7\u2022\u2013\u2014\u2010\u2026\u00BF?\u00A1!";
constexpr char16_t kUpper[AccentButtonCount + 1] =
    u"\u00C0\u00C8\u00CC\u00D2\u00D9"
    u"\u00C1\u00C9\u00CD\u00D3\u00DA"
    u"\u00C2\u00CA\u00CE\u00D4\u00DB"
    u"\u00C4\u00CB\u00CF\u00D6\u00DC"
    u"\u00C3\u00D5\u00D1"
    u"\u20AC\u0152\u00C6\u00C7\u2040"
    u"\u2039\u203A\u00AB\u00BB\u201C\u201D\u2018\u2019\u201E\u201F";
static_assert(sizeof(kLower) / sizeof(char16_t) == AccentButtonCount + 1);
static_assert(sizeof(kUpper) / sizeof(char16_t) == AccentButtonCount + 1);

constexpr int LeftMargin = 16;
constexpr int TopMargin = 12;
constexpr int Gap = 12;

// Row and column of a button: rows of accents in columns 1 to 5, column 6 down the
// rows, then two signs per row in columns 7 and 8.
QPoint placeOf(int button)
{
    if (button < 20)
        return {1 + button % 5, button / 5};
    if (button < 23)
        return {1 + button - 20, 4};
    if (button < 28)
        return {6, button - 23};
    const int n = button - 28;
    return {7 + n % 2, n / 2};
}

} // namespace

char16_t AccentButtonChar(int button, KeyboardCase state)
{
    if (button < 0 || button >= AccentButtonCount)
        return 0;
    return state == KeyboardCase::Upper ? kUpper[button] : kLower[button];
}

AccentButtonsLayout LayoutAccentButtons(int W, int H)
{
    AccentButtonsLayout l;
    l.U = int((W - LeftMargin * 1.4 - 3 * Gap) / 9);
    l.R = int((H - TopMargin * 1.3) / 5);
    const QSize size(l.U - 2, l.R * 9 / 10);
    for (int r = 0; r < AccentPictureCount; ++r)
        l.pictures[r] = QRect(QPoint(LeftMargin, TopMargin + l.R * r), size);
    for (int i = 0; i < AccentButtonCount; ++i) {
        const QPoint at = placeOf(i);
        const int c = at.x();
        int left;
        if (c <= 5)
            left = LeftMargin + Gap + l.U * c;
        else if (c == 6)
            left = LeftMargin + 2 * Gap + 6 * l.U;
        else
            left = LeftMargin + 3 * Gap + l.U * c;
        l.buttons[i] = QRect(QPoint(left, TopMargin + l.R * at.y()), size);
    }
    l.caps = QRect(LeftMargin + Gap + 4 * l.U + 4, TopMargin + 4 * l.R, 2 * l.U, l.R);
    return l;
}

AccentPictureShape AccentPictureOf(int row, int w, int h)
{
    const int x = w / 6;
    const int y = h / 5;
    AccentPictureShape s;
    switch (row) {
    case 0:
        s.kind = AccentPictureShape::FilledPolygon;
        s.penWidth = 2;
        s.points = {{x, y}, {3 * x, y}, {5 * x, 4 * y}, {4 * x, 4 * y}};
        break;
    case 1:
        s.kind = AccentPictureShape::FilledPolygon;
        s.penWidth = 2;
        s.points = {{3 * x, y}, {5 * x, y}, {2 * x, 4 * y}, {x, 4 * y}};
        break;
    case 2:
        s.kind = AccentPictureShape::Polyline;
        s.penWidth = 4;
        s.points = {{x, 3 * y}, {3 * x, y}, {5 * x, 3 * y}};
        break;
    case 3: {
        s.kind = AccentPictureShape::FilledEllipses;
        s.penWidth = 2;
        // Boxes as left, top, right, bottom edges.
        auto box = [](int l, int t, int r, int b) { return QRect(l, t, r - l, b - t); };
        s.ellipseBoxes = {box(int(1.5 * x), y, int(2.5 * x), 2 * y),
                          box(int(3.5 * x), y, int(4.5 * x), 2 * y)};
        break;
    }
    default:
        s.kind = AccentPictureShape::CubicCurve;
        s.penWidth = 4;
        s.points = {{x, 2 * y}, {2 * x, -y}, {4 * x, 4 * y}, {5 * x, y}};
        break;
    }
    return s;
}
