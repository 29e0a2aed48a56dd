// The folder tree in which all data lives, its creation at start-up, and the copy
// of the installed files on the first start of a version.
#pragma once

#include <QString>
#include <QStringList>

class Dialogs;
class FolderRoots;
struct Settings;

struct AppFolders
{
    QString ProgramFolder;     // installed, read-only files
    QString DataRoot;          // per-user application data
    QString SysFolder;         // settings, group and folder lists, Work.rtf, marker
    QString UserTableFolder;   // the user's tables
    QString SystemTableFolder; // the installed tables
    QString TableFolder;       // where the tables are loaded from
    QString DocumentsRoot;     // per-user documents
    QString UserTextFolder;    // start folder of the pad text dialogs
    QString WordBookFolder;    // word books of the selected language
    QString DictionaryFolder;  // dictionaries of the selected language

    // A folder below DocumentsRoot, such as "bookA".
    QString documentsFolder(const QString &name) const;
};

// One entry of the language selector and the folders it chooses.
struct LanguageFolders
{
    QString language;   // as shown and stored in SelectLang
    QString wordBook;   // folder name below DocumentsRoot
    QString dictionary; // folder name below DocumentsRoot
    QString locale;     // the language's ICU locale; empty for the general entry
};

// The seven languages in the order of the selector; the first is the default.
const QList<LanguageFolders> &Languages();
// The entry for a SelectLang value; any unknown value gives the default.
const LanguageFolders &LanguageFor(const QString &selectLang);

// Sample word-book folders, in the order they are copied on the first start.
QStringList SampleFolderNames();

AppFolders ResolveFolders(const FolderRoots &roots);
// Creates the main folders (warning on failure) and the language folders (silently).
void CreateFolders(const AppFolders &folders, Dialogs &dialogs);
void ChooseTableFolder(AppFolders &folders, bool sysTblFlg);
void ChooseLanguageFolders(AppFolders &folders, const QString &selectLang);

// The folders the program writes files in: the system and table folders, the documents
// root and every folder directly below it (word-book folders, "usr").
QStringList WrittenFolders(const AppFolders &folders);
// Moves to the trash what saves cut off by a crash left in those folders and in
// extraFolders; the status-bar text that tells of it, empty when there was nothing.
QString DiscardLeftoversAtStart(const AppFolders &folders, const QStringList &extraFolders);

// Copies every file of a folder into another; the count is of the copies attempted.
// dialogs may be null when askBeforeOverwriting is false.
int CopyFolderFiles(const QString &source, const QString &target, bool askBeforeOverwriting,
                    bool keepExisting, Dialogs *dialogs);

// "Ver 2.0" gives "Leaf200.txt".
QString VersionMarkerName(const QString &versionText);
inline constexpr char16_t ProgramVersionText[] = u"Ver 2.0";
QString VersionMarkerPath(const AppFolders &folders);
bool IsFirstStartOfVersion(const AppFolders &folders);
// The first-start copy of the installed system files, tables and sample books,
// then the version marker. False, with a message, when the marker cannot be written.
bool RunFirstStartCopy(const AppFolders &folders, const Settings &settings,
                       QString *errorMessage);
