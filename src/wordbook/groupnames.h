// The group names offered for a word book, kept in "GroupName.txt" in the system
// folder: one name a line, ANSI code page (UTF-8 with mark when a name needs it).
#pragma once

#include <QString>
#include <QStringList>

#include "textfile.h"

inline constexpr char16_t GroupFileName[] = u"GroupName.txt";
inline constexpr int MaxGroupCount = 30;

QString GroupFilePath(const QString &sysFolder);
// The two names the selectors offer while there is no file.
QStringList DefaultGroupNames();

struct GroupFileResult
{
    bool exists = false;
    bool ok = true; // false when the file exists but could not be read
    QString errorMessage;
    QStringList names;
};

GroupFileResult ReadGroupFile(const QString &sysFolder);
// What a group selector offers: the file's names, or the two defaults without a file.
QStringList GroupList(const QString &sysFolder);
// What the group editor starts with: the file's names, or none.
QStringList EditorGroupList(const QString &sysFolder);
WriteResult WriteGroupFile(const QString &sysFolder, const QStringList &names);

// The item a selector shows at first: the first equal to the preferred name, else the
// first item; -1 for an empty list.
int PreferredGroupIndex(const QStringList &items, const QString &preferred);

// The Enter key in a group selector.
struct GroupEnterResult
{
    bool handled = false;   // false for a text that is empty once trimmed
    bool writeFile = false; // items is a new list to write and reload
    QStringList items;      // the selector's items afterwards
    int selectedIndex = -1; // the item to select
    QString lastGroup;      // the new LastGroup: the selected item's text
    bool operator==(const GroupEnterResult &) const = default;
};

// Typing in a group selector: the new LastGroup, which a blank text leaves as it was.
QString LastGroupAfterTyping(const QString &text, const QString &lastGroup);
// An existing name is selected; a new one goes first and the list is to be written.
GroupEnterResult GroupSelectorEnter(const QStringList &items, const QString &text);

// The group editor's save check.
enum class GroupCountCheck { Ok, Empty, TooMany };
GroupCountCheck CheckGroupCount(qsizetype count);
// The warning for a refused save; empty for Ok.
QString GroupCountWarning(GroupCountCheck check);
inline QString GroupSavedInformation()
{
    return QStringLiteral("グループ名ファイルを保存しました。");
}
// "個数： 3個"
QString GroupCountLabel(qsizetype count);

// Which buttons of the group editor are available after a click on the list.
struct GroupEditorButtons
{
    bool add = true;
    bool insert = false;
    bool remove = false;
    bool up = false;
    bool down = false;
    bool operator==(const GroupEditorButtons &) const = default;
};

// The state right after opening.
GroupEditorButtons GroupEditorOpenButtons(qsizetype count);
// selected: index of the selected item or -1.
GroupEditorButtons GroupEditorButtonsFor(qsizetype count, int selected);
