#include "triggerfields.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextEdit>

namespace {

// Replaces the range the logic chose through the document's cursor, which keeps undo.
void applyToDocument(QTextCursor cursor, const TextEdit &edit, QStringView candidate)
{
    // One block of its own: undo takes back the candidate, not the typing before it.
    cursor.beginEditBlock();
    cursor.setPosition(int(edit.replaceStart));
    cursor.setPosition(int(edit.replaceStart + edit.replaceLength), QTextCursor::KeepAnchor);
    if (candidate.isEmpty()) {
        cursor.removeSelectedText();
    } else {
        cursor.insertText(candidate.toString());
        // The document would merge the typing that follows into this insertion; an
        // unchanged format, applied last, keeps the candidate a step of its own.
        QTextCursor inserted = cursor;
        inserted.setPosition(int(edit.replaceStart));
        inserted.setPosition(int(edit.replaceStart + candidate.size()), QTextCursor::KeepAnchor);
        inserted.mergeCharFormat(QTextCharFormat());
    }
    cursor.endEditBlock();
}

template <typename Edit> bool insertIntoDocumentEdit(Edit *edit, QStringView candidate)
{
    QTextCursor cursor = edit->textCursor();
    // Positions of the document count a paragraph break as one unit, as the plain text
    // with "\n" does, so the logic's positions apply unchanged.
    const QString text = edit->document()->toRawText();
    const int start = cursor.selectionStart();
    const int length = cursor.selectionEnd() - start;
    const TextEdit result = InsertCandidate(text, start, length, cursor.position(), candidate);
    applyToDocument(cursor, result, candidate);
    cursor.setPosition(int(result.caret));
    edit->setTextCursor(cursor);
    edit->ensureCursorVisible();
    return true;
}

} // namespace

bool InsertIntoField(QWidget *field, QStringView candidate)
{
    if (auto *plain = qobject_cast<QPlainTextEdit *>(field))
        return insertIntoDocumentEdit(plain, candidate);
    if (auto *rich = qobject_cast<QTextEdit *>(field))
        return insertIntoDocumentEdit(rich, candidate);
    if (auto *line = qobject_cast<QLineEdit *>(field)) {
        const QString text = line->text();
        const int start = line->hasSelectedText() ? line->selectionStart() : line->cursorPosition();
        const int length = line->hasSelectedText() ? int(line->selectedText().size()) : 0;
        const TextEdit result =
            InsertCandidate(text, start, length, line->cursorPosition(), candidate);
        // insert() replaces the selection as one undoable step.
        line->setSelection(int(result.replaceStart), int(result.replaceLength));
        if (result.replaceLength == 0)
            line->setCursorPosition(int(result.replaceStart));
        line->insert(candidate.toString());
        line->setCursorPosition(int(result.caret));
        return true;
    }
    return false;
}

QRect CaretRectOf(QWidget *field)
{
    if (!field)
        return {};
    // The query answers in the widget's coordinates for the line and the text edits,
    // whether the input method is on or not.
    return field->inputMethodQuery(Qt::ImCursorRectangle).toRect();
}

void TriggerFieldRegistry::setField(TriggerField kind, QWidget *field)
{
    m_fields[static_cast<int>(kind)] = field;
}

QWidget *TriggerFieldRegistry::field(TriggerField kind) const
{
    return m_fields[static_cast<int>(kind)].data();
}

QWidget *TriggerFieldRegistry::fieldOfTarget(InputChannel channel, InsertTarget target) const
{
    const std::optional<TriggerField> kind = FieldOfTarget(channel, target);
    return kind ? field(*kind) : nullptr;
}
