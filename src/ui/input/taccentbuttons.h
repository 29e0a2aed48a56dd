// The accent buttons ("ACボタン"): 38 buttons of accented vowels and typographic signs in
// rows introduced by pictures of their accents, with "CAPS". It shows; the owner decides
// where a clicked character goes (characterClicked). The main window and the line window
// each have one. The buttons are made the first time the page is shown.
#pragma once

#include <QColor>
#include <QWidget>

#include <array>

#include "accentbuttons.h"

class QPushButton;

class TAccentButtons : public QWidget
{
    Q_OBJECT

public:
    // lower: ImageColor2, upper: AccentUpperColor.
    TAccentButtons(const QColor &lower, const QColor &upper, QWidget *parent = nullptr);

    void SetAccentCase(KeyboardCase state);
    KeyboardCase accentCase() const { return m_case; }
    // Repaints at once when the colour of the state shown changed.
    void setColours(const QColor &lower, const QColor &upper);
    QColor backgroundColour() const;
    void LayoutAccentButtons();

    QPushButton *button(int i);
    QPushButton *capsButton();
    const AccentButtonsLayout &layoutValues() const { return m_layout; }

Q_SIGNALS:
    void characterClicked(const QString &text);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void ensureBuilt();
    void applyCase();

    QColor m_lower;
    QColor m_upper;
    KeyboardCase m_case = KeyboardCase::Lower;
    bool m_built = false;
    std::array<QPushButton *, AccentButtonCount> m_buttons{};
    QPushButton *m_caps = nullptr;
    AccentButtonsLayout m_layout;
};
