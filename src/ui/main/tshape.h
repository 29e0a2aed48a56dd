// A filled circle with a thin outline: the transfer target indicator.
#pragma once

#include <QColor>
#include <QWidget>

class TShape : public QWidget
{
    Q_OBJECT

public:
    explicit TShape(QWidget *parent = nullptr);
    QColor brushColor() const { return m_brush; }
    void setBrushColor(const QColor &colour);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_brush = Qt::white;
};
