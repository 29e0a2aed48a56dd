// Choosing the word-book folder: the language's folders and direction captions, the
// dictionary toggle, and the folder list "FolList.txt" of the folder menu.
#pragma once

#include <QString>
#include <QStringList>

#include "folders.h"
#include "textfile.h"

inline constexpr char16_t FolderListFileName[] = u"FolList.txt";
inline constexpr int MaxFolderListLines = 10;

QString FolderListPath(const QString &sysFolder);
// The two lines of a new list: the "bookA" folder and the current dictionary folder.
QStringList DefaultFolderList(const AppFolders &folders);

struct FolderListResult
{
    bool ok = true; // false when the file could not be read or created
    QString errorMessage;
    QStringList lines;
};

// The list for the folder menu; a missing file is created first with the default lines.
FolderListResult EnsureFolderList(const AppFolders &folders);
// The lines that become items of the folder menu: every line but blank ones, which name
// no folder.
QStringList FolderMenuItems(const QStringList &lines);
WriteResult WriteFolderList(const QString &sysFolder, const QStringList &lines);

// "参照" with a chosen folder: a path not yet listed goes first and the list is cut to
// ten lines. changed is false (and the file is not to be written) when it was listed.
struct FolderListUpdate
{
    QStringList lines;
    bool changed = false;
    bool operator==(const FolderListUpdate &) const = default;
};
FolderListUpdate AddChosenFolder(const QStringList &lines, const QString &path);

// The language selector's choice: the language's folders and the captions of the two
// direction buttons.
struct LanguageChoice
{
    QString language;
    QString wordBookFolder;
    QString dictionaryFolder;
    QString foreignFirstCaption;  // RadioButton1, e.g. "英和"
    QString japaneseFirstCaption; // RadioButton2, e.g. "和英"
    bool operator==(const LanguageChoice &) const = default;
};

// Index of the selector item with this text, or -1.
int LanguageIndex(const QString &language);
// The captions by the language text; an unknown text gives "欧日" / "日欧".
QString ForeignFirstCaption(const QString &language);
QString JapaneseFirstCaption(const QString &language);
// By the selector index (0..6, as Languages()); an index out of range gives the first.
LanguageChoice ChooseLanguage(const AppFolders &folders, int index);

// The text of status-bar panel 1 after a folder change.
QString WordBookFolderStatusText(const QString &folder);

// The dictionary button "辞書": down shows the dictionary folder, up returns to the
// folder that was shown before.
struct DictionaryToggle
{
    bool down = false;
    QString rememberedFolder;

    // Pressed down: remembers current and gives the folder to show.
    QString press(const QString &current, const QString &dictionaryFolder);
    // Released: gives the remembered folder and forgets it.
    QString release();
    // A language change lets the button up without going back.
    void reset();
    bool operator==(const DictionaryToggle &) const = default;
};
