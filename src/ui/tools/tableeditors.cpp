#include "tableeditors.h"

#include "imechoice.h"
#include "inputcontroller.h"
#include "tablerebuild.h"
#include "tcandeditorfrm.h"
#include "thtmllistfrm.h"
#include "tsymdbfrm.h"

namespace {

void rebuild(const TableToolContext &c, bool symbolEditor, const QStringList &savedPaths)
{
    if (!c.input || savedPaths.isEmpty())
        return;
    TriggerInputStates &states = c.input->states();
    const TableRebuild r =
        symbolEditor
            ? RebuildAfterSymbolEditor(states, savedPaths, c.folders.TableFolder, c.settings)
            : RebuildAfterCandidateEditor(states, savedPaths, c.folders.TableFolder, c.settings);
    c.input->TablesRebuilt(r);
}

} // namespace

void RunSymDBEditor(const TableToolContext &context, WindowRect &bounds)
{
    TSymDBFrm editor(context.settings, context.folders, context.platform, bounds, context.parent);
    // Japanese names are typed here.
    SelectJapaneseLayout(context.platform.inputMethod, context.settings);
    editor.exec();
    rebuild(context, true, editor.savedPaths());
}

void RunCandEditor(const TableToolContext &context, WindowRect &bounds)
{
    TCandEditorFrm editor(context.settings, context.folders, context.platform, bounds,
                          context.parent);
    SelectJapaneseLayout(context.platform.inputMethod, context.settings);
    editor.exec();
    rebuild(context, false, editor.savedPaths());
}

void RunHtmlListTool(const TableToolContext &context)
{
    THtmlListFrm tool(context.settings, context.folders, context.platform, context.parent);
    tool.exec();
}
