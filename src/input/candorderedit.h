// Editing a candidate-order file as the candidate-order editor does: its trigger keys,
// the three ways a key's line is found, the new-file layout, registering a key, and the
// places of the 60 keys of its on-screen keyboard.
#pragma once

#include <QList>
#include <QRect>
#include <QSet>
#include <QString>
#include <QStringList>

#include "symboldb.h"

// The distinct characters of KeyLayoutTable (58: the backslash stands twice, key 9 has
// none), in the order of the editor's sorted trigger list (by code).
QList<QChar> CandidateEditorKeys();

// The trigger field of a key as the editor writes it: the key, "0022" for the double quote.
QString TriggerFieldOf(QChar key);

// Only lines that split into exactly 10 fields are considered; -1 when none fits.
// The line whose candidates are shown: trigger field "0022" for the double quote, or
// a trigger field that begins with the key.
qsizetype ShownLineOf(const QStringList &lines, QChar key);
// Whether some line of the key (as above) has a candidate; empty lines are passed over.
bool KeyHasCandidates(const QStringList &lines, QChar key);
// The same for every key at once, splitting each line once.
QSet<QChar> KeysWithCandidates(const QStringList &lines, const QList<QChar> &keys);
// The line that registering replaces: trigger field exactly the key ("0022" for the
// double quote).
qsizetype RegisteredLineOf(const QStringList &lines, QChar key);

// A new file: one line per key, the quoted trigger field followed by nine commas.
QStringList NewCandidateOrderLines(const QList<QChar> &keys);

// The line registering writes: every field quoted, nine candidate codes (empty texts
// for empty slots).
QString CandidateOrderLine(QChar key, const QStringList &codes);
// Replaces the key's line with the registered one, or appends it.
void RegisterCandidates(QStringList &lines, QChar key, const QStringList &codes);

// The Nos of the nine candidates of a line: the No of the first row whose code text is
// the field exactly, empty when there is none.
QStringList CandidateNos(const QString &line, const QList<SymbolRecord> &records);
// The codes of nine No texts: the code text of the row with that No, or empty.
QStringList CandidateCodesOfNos(const QStringList &nos, const QList<SymbolRecord> &records);

// The texts of the editor's messages.
QString RegisteredMessage(QChar key);
QString OverwriteQuestion(const QString &path);

// The 60 keys of the editor's keyboard in a panel of the given size (key 9 included,
// though it is never drawn): four staggered rows from 36 pixels below the top, the
// split keys half high with their lower halves (keys 48 to 59) just below them.
QList<QRect> CandidateKeyboardRects(int width, int height);
