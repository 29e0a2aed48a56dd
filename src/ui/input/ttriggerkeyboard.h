// The trigger keyboard ("候補入力"): a picture of the 49 keys of the JIS keyboard whose
// letter triggers stand out, with "CAPS", "直", "復" and "一覧". It shows; the owner
// decides what a click does (the signals).
#pragma once

#include <QColor>
#include <QWidget>

#include <array>

#include "triggerkeyboard.h"

class QCheckBox;
class QLabel;
class QPushButton;
class TriggerKeyLabel;

struct TriggerKeyboardColours
{
    QColor lower;   // ImageColor1: background in lower state
    QColor upper;   // ImageColor1U: background in upper state
    QColor trigger; // ImageColor1T: keys and labels of triggers, bold
    QColor label;   // ImageColor1C: labels of other characters
    bool operator==(const TriggerKeyboardColours &) const = default;
};

class TTriggerKeyboard : public QWidget
{
    Q_OBJECT

public:
    // letterTables is read at every refresh and must outlive the page.
    // capsHeightFactor: 1.3 on the main window, 1.2 on the line window.
    TTriggerKeyboard(const CandidateTables *letterTables, const TriggerKeyboardColours &colours,
                     double capsHeightFactor, QWidget *parent = nullptr);

    void SetKeyboardCase(KeyboardCase state);
    void RefreshTriggerKeyboard();
    void LayoutTriggerKeyboard();
    KeyboardCase keyboardCase() const { return m_case; }
    QColor backgroundColour() const;

    void setColours(const TriggerKeyboardColours &colours);
    const TriggerKeyboardColours &colours() const { return m_colours; }
    // The ticks of "直" and "復" without reporting a change.
    void setOptionTicks(bool oneInput, bool triggerRevival);

    QPushButton *key(int i) const { return m_keys[i]; }
    QLabel *label(int i) const;
    QPushButton *capsButton() const { return m_caps; }
    QCheckBox *directBox() const { return m_direct; }
    QCheckBox *revivalBox() const { return m_revival; }
    QPushButton *listButton() const { return m_listing; }
    // The character key i shows now (0 for none).
    char16_t keyCharacter(int i) const;
    const TriggerKeyboardLayout &layoutValues() const { return m_layout; }

Q_SIGNALS:
    void keyClicked(QChar c);          // any enabled key
    void triggerLabelClicked(QChar c); // a label whose character is a trigger
    void directToggled(bool on);       // "直"
    void revivalToggled(bool on);      // "復"
    void listRequested();              // "一覧"

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    const CandidateTables *m_tables;
    TriggerKeyboardColours m_colours;
    double m_capsHeightFactor;
    KeyboardCase m_case = KeyboardCase::Lower;
    std::array<QPushButton *, TriggerKeyCount> m_keys{};
    std::array<TriggerKeyLabel *, TriggerKeyCount> m_labels{};
    std::array<TriggerKeyFace, TriggerKeyCount> m_faces{};
    QPushButton *m_caps = nullptr;
    QCheckBox *m_direct = nullptr;
    QCheckBox *m_revival = nullptr;
    QPushButton *m_listing = nullptr;
    TriggerKeyboardLayout m_layout;
    // Fitting fonts to a size the page never shows loads fonts for nothing.
    bool m_layoutPending = false;
};
