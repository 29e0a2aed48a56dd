// The phonetic keyboard ("発音記号"): the 60 keys of KeyLayoutTable, painted in one
// widget, in which only the phonetic triggers are active, and "一覧". It shows; the owner
// offers a released key's symbols (keyReleased). The main window and the line window each
// have one. The page is drawn the first time it is shown.
#pragma once

#include <QColor>
#include <QPointer>
#include <QWidget>

#include <array>

#include "phonetickeyboard.h"

class QPushButton;

class TPhoneticKeyboard : public QWidget
{
    Q_OBJECT

public:
    // phoneticTables is read at every refresh and must outlive the page. background:
    // PhoneticPadColor.
    TPhoneticKeyboard(const CandidateTables *phoneticTables, const QColor &background,
                      QWidget *parent = nullptr);

    // The field the symbols go to. While it is hidden the page takes no input and says
    // why, so no chosen symbol disappears into a field nobody sees.
    void setTargetField(QWidget *field);
    bool acceptsInput() const;

    // Lays the page out and re-evaluates which keys are active.
    void RefreshPhoneticKeyboard();
    void setBackground(const QColor &background);
    QColor background() const { return m_background; }

    bool isActiveKey(int key) const;
    int pressedKey() const { return m_pressed; }
    // Where key i is drawn now (moved 2 pixels while pressed).
    QRect keyRect(int key) const;
    int keyFontSize(int key) const;
    QPushButton *listButton();
    const PhoneticKeyboardLayout &layoutValues() const { return m_layout; }

Q_SIGNALS:
    void keyReleased(QChar c);
    void listRequested();

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void ensureBuilt();
    int keyAt(const QPoint &at) const;

    const CandidateTables *m_tables;
    QColor m_background;
    QPointer<QWidget> m_target;
    bool m_targetSet = false;
    bool m_built = false;
    PhoneticKeyboardLayout m_layout;
    std::array<bool, KeyLayoutCount> m_active{};
    // Text sizes of the full keys, the upper halves and the lower halves.
    int m_fullPoints = 8;
    int m_upperHalfPoints = 8;
    int m_lowerHalfPoints = 8;
    int m_pressed = -1;
    QPushButton *m_listing = nullptr;
};
