#include "tshape.h"

#include <QPainter>

TShape::TShape(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TranslucentBackground);
}

void TShape::setBrushColor(const QColor &colour)
{
    if (colour == m_brush)
        return;
    m_brush = colour;
    update();
}

void TShape::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(palette().color(QPalette::Dark), 1.2));
    p.setBrush(m_brush);
    const qreal side = qMin(width(), height()) - 2;
    p.drawEllipse(QRectF((width() - side) / 2, (height() - side) / 2, side, side));
}
