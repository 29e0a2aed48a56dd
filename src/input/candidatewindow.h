// What the two candidate windows (TCandFrm, TBandFrm) show and where they stand,
// without widgets: the window computes nothing of its own but paints these.
#pragma once

#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>

#include "triggerinput.h"

inline constexpr int CandidateWindowWidth = 524;
inline constexpr int CandidateWindowHeight = 100;
inline constexpr int CandidateTimerInterval = 50; // ms from a click to the insertion

// Top-left corner in screen coordinates: 8 pixels above the caret of the target field,
// pulled in at the right edge of the screen only. fieldRect is the field's screen
// rectangle, caret the caret position inside the field.
QPoint CandidateWindowPosition(const QRect &fieldRect, const QPoint &caret, int screenWidth);

// The cell rectangle of slot i in the candidate strip, and the strip in the window.
QRect CandidateStripRect();
QRect CandidateCellRect(int slot);
QPoint CandidateNumberLabelPos(int slot);

// The label texts for the selected slot; hints are the notes of each slot's character.
struct CandidateLabels
{
    QString name;      // "日本語名：" + Japanese name, or "NAME: " + English name
    QString code;      // "コード値： " + code, or "UNICODE: " + code
    QStringList hints; // ten, one per cell
    bool operator==(const CandidateLabels &) const = default;
};
CandidateLabels CandidateLabelTexts(const CandidateSlots &offered, int selected,
                                    const QList<TUnicodeDB> &names, bool englishNames);

// The keys of an open candidate window.
enum class CandidateKey { Enter, Space, Right, Left, Character, Other };
struct CandidateKeyResult
{
    int selected = 0;
    bool close = false;
    bool insert = false; // call InsertCandidate with text
    QString text;
    bool operator==(const CandidateKeyResult &) const = default;
};
// key-down of Enter, Space, Right, Left; Character with the typed character c (Escape
// included); Other for keys without a character. The character space after its key-down
// does nothing more.
CandidateKeyResult CandidateWindowKey(const CandidateSlots &offered, int selected, CandidateKey key,
                                      char16_t c = 0);

// What a cell draws for its slot's text. A combining mark sits on a dotted circle
// (U+25CC before it); an invisible character (a space, a joiner, a direction mark)
// shows the short form of its Unicode name instead, "NBSP", "ZWJ", "TSP"; anything else
// is drawn as it is. What is inserted stays the bare text.
struct CandidateGlyph
{
    QString text;
    bool standIn = false; // the short name, drawn small in a dashed box
    bool operator==(const CandidateGlyph &) const = default;
};
CandidateGlyph CandidateCellGlyph(const QString &slotText);
