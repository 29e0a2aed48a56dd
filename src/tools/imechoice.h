// The switch to the user's Japanese input method when a field for Japanese or
// phonetic input gains the focus, and the choice made in the dialog "日本語IMEの変更".
#pragma once

#include <QString>

#include <initializer_list>

class InputMethod;
class QObject;
struct Settings;

// The layout the user wants for Japanese input: CusJpImeStr, or none when it is empty
// (this platform has no standard Japanese layout to fall back on).
QString WantedJapaneseLayout(const Settings &settings);

// Switches to the wanted layout only when it differs from the active one. Without an
// input method framework, or with none wanted, nothing happens; a layout that cannot
// be switched to is ignored. The single entry every Japanese field calls.
void SelectJapaneseLayout(InputMethod *inputMethod, const Settings &settings);

// Calls SelectJapaneseLayout each time one of the fields gains the focus. settings
// and inputMethod must outlive the fields (they belong to the main window and the
// program); the watcher goes with each field.
void SelectJapaneseLayoutOnFocus(std::initializer_list<QObject *> fields,
                                 InputMethod *inputMethod, const Settings &settings);

// The dialog's state for a stored identifier: the second radio button, the enabled
// "識別子を得る" and the identifier shown, or the first with all empty.
struct ImeDialogState
{
    bool custom = false; // RadioButton2
    QString identifier;  // Edit3
    bool operator==(const ImeDialogState &) const = default;
};
ImeDialogState ImeDialogStateFor(const QString &cusJpImeStr);
