// The fields that take part in trigger input, found by the target of a channel. The
// main window's pad and phonetic line are registered at start-up; the word dialogs,
// the word-book editor, the search page and the line window register their fields
// when they are built.
#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>

#include <array>
#include <optional>

#include "triggerinput.h"

// Puts the candidate into a text field (QPlainTextEdit, QTextEdit or QLineEdit): the
// selection is replaced, the caret ends after the text, the edit can be undone. Other
// widgets are left alone; false then.
bool InsertIntoField(QWidget *field, QStringView candidate);

// The caret rectangle of a text field in the field's own coordinates.
QRect CaretRectOf(QWidget *field);

class TriggerFieldRegistry
{
public:
    // A field that is destroyed leaves its place empty by itself.
    void setField(TriggerField kind, QWidget *field);
    QWidget *field(TriggerField kind) const;
    // The field that receives a candidate of the channel for the target; null for a
    // value without a field, or a field that is gone.
    QWidget *fieldOfTarget(InputChannel channel, InsertTarget target) const;

private:
    static constexpr int FieldCount = static_cast<int>(TriggerField::LineWindowField) + 1;
    std::array<QPointer<QWidget>, FieldCount> m_fields;
};
