// Editing a symbol database as the two table editors do: where a new row goes, the
// numbering of the rows, the rows a save would drop, and the look-ups by code and No.
#pragma once

#include <QList>
#include <QString>

#include "symboldb.h"

// The row 追加 creates: empty code and names, aux "0", in the given group.
SymbolRecord EmptySymbolRecord(qint32 group);

// Where 追加 puts a new row of group G. selected is the selected row's index, or -1.
// With a selection: after the last row of the selected row's group that follows it
// without a gap. Without one: after the last row of G, else before the first row of
// the smallest later group that has rows, else at the end.
qsizetype AddRowPosition(const QList<SymbolRecord> &records, qsizetype selected, qint32 group);

// Every row's No becomes its 1-based position.
void RenumberSymbolRecords(QList<SymbolRecord> &records);

// The Nos of the rows that a save leaves out because their code is not valid.
QList<int> RowsWithoutValidCode(const QList<SymbolRecord> &records);
// The question asked before such a save: how many rows, and which.
QString DroppedRowsQuestion(const QList<int> &nos);

// The first row whose code text equals code exactly; -1 when there is none.
qsizetype FindRecordByCode(const QList<SymbolRecord> &records, QStringView code);
// The row whose No, written in decimal, is exactly the text ("7", not "07"); -1 when
// there is none.
qsizetype FindRecordByNoText(const QList<SymbolRecord> &records, QStringView noText);

// The aux list position of an aux text: its integer value, 0 when it is not a number,
// -1 (nothing chosen) when it is empty.
int AuxListIndex(const QString &aux);
// The three entries of the aux list.
QStringList AuxListTexts();
