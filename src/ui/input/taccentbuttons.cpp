#include "taccentbuttons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPushButton>

#include "pagefont.h"

namespace {

const QString ButtonFamily = QStringLiteral("Times New Roman");

void drawPicture(QPainter &p, const QRect &box, int row, const QColor &face)
{
    p.save();
    p.translate(box.topLeft());
    const QRect inside(0, 0, box.width(), box.height());
    p.fillRect(inside, face);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(inside.adjusted(0, 0, -1, -1));

    const AccentPictureShape s = AccentPictureOf(row, box.width(), box.height());
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, s.penWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    switch (s.kind) {
    case AccentPictureShape::FilledPolygon:
        p.setBrush(Qt::black);
        p.drawPolygon(QPolygon(s.points));
        break;
    case AccentPictureShape::Polyline:
        p.drawPolyline(QPolygon(s.points));
        break;
    case AccentPictureShape::FilledEllipses:
        p.setBrush(Qt::black);
        for (const QRect &e : s.ellipseBoxes)
            p.drawEllipse(e);
        break;
    case AccentPictureShape::CubicCurve: {
        QPainterPath path(s.points.value(0));
        path.cubicTo(s.points.value(1), s.points.value(2), s.points.value(3));
        p.drawPath(path);
        break;
    }
    }
    p.restore();
}

} // namespace

TAccentButtons::TAccentButtons(const QColor &lower, const QColor &upper, QWidget *parent)
    : QWidget(parent), m_lower(lower), m_upper(upper)
{
    setObjectName(QStringLiteral("AccentButtons"));
}

void TAccentButtons::ensureBuilt()
{
    if (m_built)
        return;
    m_built = true;
    for (int i = 0; i < AccentButtonCount; ++i) {
        auto *b = new QPushButton(this);
        b->setObjectName(QStringLiteral("AccentBtn%1").arg(i));
        b->setFocusPolicy(Qt::NoFocus);
        connect(b, &QPushButton::clicked, this, [this, b] {
            if (!b->text().isEmpty())
                Q_EMIT characterClicked(b->text());
        });
        m_buttons[i] = b;
    }
    m_caps = new QPushButton(QStringLiteral("CAPS"), this);
    m_caps->setObjectName(QStringLiteral("AccentCapsButton"));
    m_caps->setCheckable(true);
    m_caps->setFocusPolicy(Qt::NoFocus);
    QPalette blue = m_caps->palette();
    blue.setColor(QPalette::ButtonText, QColor(0, 0, 255));
    m_caps->setPalette(blue);
    connect(m_caps, &QPushButton::clicked, this, [this](bool down) {
        SetAccentCase(down ? KeyboardCase::Upper : KeyboardCase::Lower);
    });
    for (QWidget *w : findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        w->show();
    applyCase();
    LayoutAccentButtons();
}

QPushButton *TAccentButtons::button(int i)
{
    ensureBuilt();
    return i >= 0 && i < AccentButtonCount ? m_buttons[i] : nullptr;
}

QPushButton *TAccentButtons::capsButton()
{
    ensureBuilt();
    return m_caps;
}

QColor TAccentButtons::backgroundColour() const
{
    return m_case == KeyboardCase::Upper ? m_upper : m_lower;
}

void TAccentButtons::setColours(const QColor &lower, const QColor &upper)
{
    m_lower = lower;
    m_upper = upper;
    update();
}

void TAccentButtons::SetAccentCase(KeyboardCase state)
{
    m_case = state;
    applyCase();
    update();
}

void TAccentButtons::applyCase()
{
    if (!m_built)
        return;
    for (int i = 0; i < AccentButtonCount; ++i) {
        const char16_t c = AccentButtonChar(i, m_case);
        m_buttons[i]->setEnabled(c != 0);
        m_buttons[i]->setText(c ? QString(QChar(c)) : QString());
    }
}

void TAccentButtons::LayoutAccentButtons()
{
    m_layout = ::LayoutAccentButtons(width(), height());
    if (!m_built)
        return;
    const QSize size = m_layout.buttons[0].size();
    const QFont font =
        PageFont(ButtonFamily, FitFontPoints(ButtonFamily, QStringLiteral("W"), size.width(),
                                             size.height()));
    for (int i = 0; i < AccentButtonCount; ++i) {
        m_buttons[i]->setFont(font);
        m_buttons[i]->setGeometry(m_layout.buttons[i]);
    }
    m_caps->setFont(PageFont(ButtonFamily,
                             FitFontPoints(ButtonFamily, QStringLiteral("CAPS"),
                                           m_layout.caps.width() - 8, m_layout.caps.height())));
    m_caps->setGeometry(m_layout.caps);
    update();
}

void TAccentButtons::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QColor c = backgroundColour();
    p.fillRect(rect(), c);
    p.setPen(c);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    const QColor face = palette().color(QPalette::Button);
    for (int r = 0; r < AccentPictureCount; ++r)
        if (m_layout.pictures[r].width() > 2 && m_layout.pictures[r].height() > 2)
            drawPicture(p, m_layout.pictures[r], r, face);
}

void TAccentButtons::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    LayoutAccentButtons();
}

void TAccentButtons::showEvent(QShowEvent *event)
{
    ensureBuilt();
    QWidget::showEvent(event);
}
