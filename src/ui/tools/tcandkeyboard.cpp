#include "tcandkeyboard.h"

#include <QFontMetrics>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

#include "candorderedit.h"
#include "keylayout.h"

namespace {

const QColor Navy(0x00, 0x00, 0x80);
const QColor Silver(0xC0, 0xC0, 0xC0);
const QColor Red(0xFF, 0x00, 0x00);

// From 8 points up while "W" stays narrower and lower than the share of the key.
QFont fittedFont(const QSize &key, double share)
{
    QFont font(QStringLiteral("Arial"));
    int points = 8;
    for (; points < 200; ++points) {
        font.setPointSize(points);
        const QFontMetrics m(font);
        if (m.horizontalAdvance(u'W') >= key.width() * share || m.height() >= key.height() * share)
            break;
    }
    font.setPointSize(points);
    return font;
}

} // namespace

TCandKeyboard::TCandKeyboard(QWidget *parent) : QWidget(parent)
{
    m_caption = new QLabel(QStringLiteral("■トリガーキー指定：（左のリストか下のボタンで指定）"), this);
    m_caption->move(8, 8);
    m_caption->adjustSize();
    setMinimumSize(300, 200);
    layoutKeys();
}

void TCandKeyboard::setKeyColours(QChar selected, const QSet<QChar> &withCandidates)
{
    m_selected = selected;
    m_withCandidates = withCandidates;
    update();
}

TCandKeyboard::KeyFace TCandKeyboard::faceOf(int key) const
{
    const QChar c(KeyLayoutChar(key));
    const QColor window = palette().color(QPalette::Window);
    if (!m_selected.isNull() && c == m_selected)
        return {Red, Qt::white};
    if (m_withCandidates.contains(c))
        return {window, Qt::black};
    return {window, Silver};
}

QRect TCandKeyboard::keyRect(int key) const
{
    return key >= 0 && key < m_rects.size() ? m_rects[key] : QRect();
}

int TCandKeyboard::keyAt(const QPoint &point) const
{
    for (int key = 0; key < m_rects.size(); ++key)
        if (KeyLayoutChar(key) != 0 && m_rects[key].contains(point))
            return key;
    return -1;
}

void TCandKeyboard::layoutKeys()
{
    m_rects = CandidateKeyboardRects(width(), height());
    m_upperFont = fittedFont(m_rects[0].size(), 0.7);
    m_lowerFont = fittedFont(m_rects[KeyLayoutLowerFirst].size(), 0.6);
}

void TCandKeyboard::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    layoutKeys();
}

void TCandKeyboard::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    for (int key = 0; key < m_rects.size(); ++key) {
        const char16_t c = KeyLayoutChar(key);
        if (c == 0)
            continue;
        QRect r = m_rects[key];
        if (key == m_pressed)
            r.translate(2, 2);
        const KeyFace face = faceOf(key);
        p.fillRect(r, face.face);
        p.setPen(QPen(Navy, 2));
        p.drawRect(r.adjusted(1, 1, -1, -1));
        p.setFont(key >= KeyLayoutLowerFirst ? m_lowerFont : m_upperFont);
        p.setPen(face.text);
        p.drawText(r, Qt::AlignCenter, QString(QChar(c)));
    }
}

void TCandKeyboard::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton ? keyAt(event->position().toPoint()) : -1;
    update();
}

void TCandKeyboard::mouseReleaseEvent(QMouseEvent *event)
{
    const int pressed = m_pressed;
    m_pressed = -1;
    update();
    if (pressed >= 0 && event->button() == Qt::LeftButton &&
        m_rects[pressed].adjusted(0, 0, 2, 2).contains(event->position().toPoint()))
        Q_EMIT keyChosen(QChar(KeyLayoutChar(pressed)));
}
