#include "tablerebuild.h"

#include <QDir>

#include "settings.h"

namespace {

// Paths name the same file when they are the same text once "." and doubled
// separators are tidied away.
bool wasSaved(const QStringList &savedPaths, const QString &path)
{
    const QString wanted = QDir::cleanPath(path);
    for (const QString &saved : savedPaths)
        if (QDir::cleanPath(saved) == wanted)
            return true;
    return false;
}

TableRebuild rebuildIfSaved(TriggerInputStates &states, const QStringList &savedPaths,
                            const QString &tableFolder, const Settings &settings,
                            const QString &phoneticFile, const QString &letterFile)
{
    TableRebuild r;
    if (wasSaved(savedPaths, TablePath(tableFolder, phoneticFile))) {
        r.issues += ReloadPhoneticTables(states.phonetic.tables, tableFolder, settings);
        r.phonetic = true;
    }
    if (wasSaved(savedPaths, TablePath(tableFolder, letterFile))) {
        r.issues += ReloadLetterTables(states.letter.tables, tableFolder);
        r.letter = true;
    }
    return r;
}

} // namespace

TableRebuild LoadTablesAtStart(TriggerInputStates &states, const QString &tableFolder,
                               const Settings &settings)
{
    TableRebuild r;
    r.issues += ReloadLetterTables(states.letter.tables, tableFolder);
    r.letter = true;
    r.issues += ReloadPhoneticTables(states.phonetic.tables, tableFolder, settings);
    r.phonetic = true;
    return r;
}

TableRebuild RebuildAfterSymbolEditor(TriggerInputStates &states, const QStringList &savedPaths,
                                      const QString &tableFolder, const Settings &settings)
{
    return rebuildIfSaved(states, savedPaths, tableFolder, settings, settings.PhUDBFile,
                          QString::fromUtf16(LetterSymbolFile));
}

TableRebuild RebuildAfterCandidateEditor(TriggerInputStates &states, const QStringList &savedPaths,
                                         const QString &tableFolder, const Settings &settings)
{
    return rebuildIfSaved(states, savedPaths, tableFolder, settings, settings.PhCandFile,
                          QString::fromUtf16(LetterCandidateFile));
}

TableRebuild RebuildAfterOptions(TriggerInputStates &states, const TableChoice &before,
                                 const TableChoice &after)
{
    TableRebuild r;
    if (before == after)
        return r;
    Settings names;
    names.PhUDBFile = after.PhUDBFile;
    names.PhCandFile = after.PhCandFile;
    r.issues = ReloadPhoneticTables(states.phonetic.tables, after.tableFolder, names);
    r.phonetic = true;
    return r;
}
