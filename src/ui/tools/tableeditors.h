// The three table tools as the main window runs them: each opens modally, and after
// an editor closes the tables it wrote are rebuilt and the keyboards redrawn.
#pragma once

#include "folders.h"
#include "platform.h"
#include "settings.h"

class InputController;
class QWidget;

struct TableToolContext
{
    const Settings &settings;
    const AppFolders &folders;
    const Platform &platform;
    InputController *input = nullptr;
    QWidget *parent = nullptr;
};

// The window places of the two editors in the table of remembered positions.
inline constexpr int SymDBFrmPlace = 6;
inline constexpr int CandEditorFrmPlace = 7;
// The word-book editor's and the search detail window's.
inline constexpr int EditorFrmPlace = 3;
inline constexpr int SeaResFrmPlace = 4;

void RunSymDBEditor(const TableToolContext &context, WindowRect &bounds);
void RunCandEditor(const TableToolContext &context, WindowRect &bounds);
void RunHtmlListTool(const TableToolContext &context);
