// The two candidate windows: TCandFrm for phonetic symbols (action DispCand) and
// TBandFrm for letters (action DispBand). Both show the ten offered slots of their
// channel above the caret and hand back the user's choice; the caller inserts it.
#pragma once

#include <QColor>
#include <QDialog>
#include <QList>
#include <QString>

#include <array>
#include <optional>

#include "candidatewindow.h"
#include "triggertables.h"

class QLabel;
class QTimer;
class QToolButton;
class CandidateCell;

// What a window shows; the caller fills it from the channel and the settings.
struct CandidateWindowSetup
{
    CandidateSlots offered{};
    QList<TUnicodeDB> names;
    QColor background;
    QColor numberColour;
    QString glyphFamily;
    int glyphPointSize = CandidateFontSize;
};

class TCandidateWindow : public QDialog
{
    Q_OBJECT

public:
    TCandidateWindow(const CandidateWindowSetup &setup, QWidget *parent);
    ~TCandidateWindow() override;

    // English-name mode ("E" down), shared by both windows for the run.
    static bool englishNameMode();
    static void setEnglishNameMode(bool on);

    // 8 pixels above the caret of the field, pulled in at the right edge of its screen.
    void placeAbove(QWidget *field);

    int selectedSlot() const { return m_selected; }
    // Closed by a choice, a key or the close button.
    bool isFinished() const { return m_finished; }
    // The text to insert when the window closed by a choice; none when it closed without.
    std::optional<QString> choice() const { return m_choice; }

    const CandidateSlots &offered() const { return m_setup.offered; }
    QLabel *nameLabel() const { return m_nameLabel; }
    QLabel *codeLabel() const { return m_codeLabel; }
    QLabel *numberLabel(int slot) const { return m_numberLabels[slot]; }
    QToolButton *closeButton() const { return m_closeButton; }
    QToolButton *englishButton() const { return m_englishButton; }
    QWidget *cell(int slot) const;
    QTimer *clickTimer() const { return m_clickTimer; }

protected:
    bool event(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void select(int slot);
    void cellClicked(int slot);
    void chooseAndClose(const QString &text);
    void updateLabels();
    bool handleKey(QKeyEvent *key);

    CandidateWindowSetup m_setup;
    int m_selected = 0;
    std::optional<QString> m_choice;
    std::array<CandidateCell *, 10> m_cells{};
    std::array<QLabel *, 10> m_numberLabels{};
    QLabel *m_nameLabel = nullptr;
    QLabel *m_codeLabel = nullptr;
    QToolButton *m_closeButton = nullptr;
    QToolButton *m_englishButton = nullptr;
    QTimer *m_clickTimer = nullptr;
    bool m_finished = false;
    bool m_dragging = false;
    QPoint m_dragOffset;
};

// The phonetic window ("候補表示").
class TCandFrm : public TCandidateWindow
{
    Q_OBJECT
public:
    TCandFrm(const CandidateWindowSetup &setup, QWidget *parent);
};

// The letter window ("候補表示２", the band window).
class TBandFrm : public TCandidateWindow
{
    Q_OBJECT
public:
    TBandFrm(const CandidateWindowSetup &setup, QWidget *parent);
};
