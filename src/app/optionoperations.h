// The one-shot operations of the options dialog on the user's files: resetting the
// customisation, refreshing the user's tables, removing and restoring the sample
// word books. Questions and messages go through the Dialogs service.
#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class Dialogs;
struct AppFolders;

// The sample folders of "全削除" and "全復活", in their order.
QStringList SampleRemovalFolderNames();

// "カスタマイズの初期化": after the question, deletes the settings file. True when it
// was deleted: the program is then to close without saving. A file that cannot be
// deleted is reported with its name.
bool ResetCustomisation(const AppFolders &folders, Dialogs &dialogs);

// "テーブルデータの更新": the installed tables replace the user's, without asking; a
// user's table that differs goes to the trash first. True when at least one file was
// handled and the message shown: the program is then to close.
bool UpdateUserTables(const AppFolders &folders, Dialogs &dialogs);

struct SampleRemoval
{
    int removed = 0;
    QStringList kept;   // "bookA/Verbs.utx": changed since they were copied
    QStringList failed; // messages naming the files that could not be removed
};
// "全削除": for each folder with sample files of the installed names, asks and, on Yes,
// moves those that still hold the installed bytes to the trash. afterFolder runs
// after each folder (the word-book list's rescan). Ends with the message, which names
// the books kept.
SampleRemoval RemoveSampleBooks(const AppFolders &folders, Dialogs &dialogs,
                                const std::function<void()> &afterFolder);
QString SampleRemovalQuestion(int count);
QString SampleRemovalMessage(const SampleRemoval &removal);

// "全復活": copies the installed samples back, asking before each existing file, runs
// afterCopy (the rescan) and shows the message. The count of files handled.
int RestoreSampleBooks(const AppFolders &folders, Dialogs &dialogs,
                       const std::function<void()> &afterCopy);
