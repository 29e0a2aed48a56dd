// The on-screen keyboard of the candidate-order editor: the 60 keys of KeyLayoutTable,
// drawn by one widget, showing which key is selected and which keys have candidates.
#pragma once

#include <QFont>
#include <QRect>
#include <QSet>
#include <QWidget>

class QLabel;

class TCandKeyboard : public QWidget
{
    Q_OBJECT

public:
    explicit TCandKeyboard(QWidget *parent = nullptr);

    // selected: QChar() for none.
    void setKeyColours(QChar selected, const QSet<QChar> &withCandidates);
    QChar selectedKey() const { return m_selected; }
    bool hasCandidates(QChar key) const { return m_withCandidates.contains(key); }

    // The face of key i, as drawn.
    struct KeyFace
    {
        QColor face;
        QColor text;
    };
    KeyFace faceOf(int key) const;
    QRect keyRect(int key) const;
    // The key under a point, -1 for none.
    int keyAt(const QPoint &point) const;

Q_SIGNALS:
    // A key with a character was pressed and released.
    void keyChosen(QChar key);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void layoutKeys();

    QList<QRect> m_rects;
    QFont m_upperFont;
    QFont m_lowerFont;
    QChar m_selected;
    QSet<QChar> m_withCandidates;
    int m_pressed = -1;
    QLabel *m_caption = nullptr;
};
