// When the running trigger tables are rebuilt: at start-up, and when a table editor or
// the options dialog closes. Each function rebuilds what is due and tells the main
// window which pads to redraw.
#pragma once

#include <QString>
#include <QStringList>

#include "triggerinput.h"

struct Settings;

struct TableRebuild
{
    bool phonetic = false; // phonetic tables rebuilt: redraw the phonetic keyboard
    bool letter = false;   // letter tables rebuilt: RefreshTriggerKeyboard
    TableIssues issues;    // lines skipped by the loads
};

// Main window creation, after the settings are loaded: letter tables, then phonetic.
TableRebuild LoadTablesAtStart(TriggerInputStates &states, const QString &tableFolder,
                               const Settings &settings);

// savedPaths: the full paths the editor wrote while it was open.
TableRebuild RebuildAfterSymbolEditor(TriggerInputStates &states, const QStringList &savedPaths,
                                      const QString &tableFolder, const Settings &settings);
TableRebuild RebuildAfterCandidateEditor(TriggerInputStates &states, const QStringList &savedPaths,
                                         const QString &tableFolder, const Settings &settings);

// The table choice the options dialog can change.
struct TableChoice
{
    QString tableFolder;
    QString PhUDBFile;
    QString PhCandFile;
    bool operator==(const TableChoice &) const = default;
};
// Only the phonetic tables, and only when the choice changed; the letter tables keep
// their content until the next start.
TableRebuild RebuildAfterOptions(TriggerInputStates &states, const TableChoice &before,
                                 const TableChoice &after);
