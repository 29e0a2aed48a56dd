// The font lists of the selectors: installed families of a writing system, and the
// families that stand in for the Windows names the settings keep.
#pragma once

#include <QComboBox>
#include <QFontDatabase>
#include <QStringList>

// Smoothly scalable families of the writing system that draw Latin letters, each once by
// its plain name (no " [foundry]"), without names beginning with "@" or "$", sorted.
// A stored name this desktop lacks is still the user's choice (fontconfig draws it with
// a substitute), so each of current is offered rather than lost.
QStringList ScalableFontFamilies(QFontDatabase::WritingSystem writingSystem,
                                 const QStringList &current);

// Registers the stand-ins, used only where the named family is missing: fontconfig
// alone draws "Segoe UI" with a font that sets the tilde of ɔ̃ under the letter, and
// the Japanese names with one that has no Japanese. Call once, after QApplication.
void RegisterFontSubstitutes();

// A selector of the families ScalableFontFamilies offers. Asking every installed font
// whether it draws letters takes longer than the rest of start-up, so until the list is
// opened, scrolled or typed into, the box holds only the family it shows.
class FontFamilyBox : public QComboBox
{
public:
    explicit FontFamilyBox(QFontDatabase::WritingSystem writingSystem, QWidget *parent = nullptr);

    // Shows family without emitting a change; a name the list lacks is added.
    void showFamily(const QString &family);
    void fillFamilies();

    void showPopup() override;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    QFontDatabase::WritingSystem m_writingSystem;
    bool m_filled = false;
};

// A typed font size brought within what the widget's screen can show (1 point at least);
// 0 when the text is no number.
int ScreenFontPoints(const QWidget *widget, const QString &typed);

// The largest point size from largest down to smallest at which every text is narrower
// than width (or smallest when none is). Each size measured loads a font, so the search
// starts from the proportional guess instead of stepping down from the top.
int LargestFittingPoints(QFont font, const QStringList &texts, int width, int smallest,
                         int largest);
