#include "support/platform/LaunchEditor.h"

#include "support/paths/Globals.h"
#include "support/paths/LogicalPath.h"
#include "support/platform/Processes.h"
#include "support/paths/QuestPaths.h"

QString LaunchEditor(const QString& file, const QString& folder)
{
    const QString script = folder.isEmpty() ? file : folder + QLatin1Char('\\') + file;
    const QString editor = NativePath(ScriptEditorPath());
    StartDetached(editor, editor, {NativePath(script)}, NativePath(QString()));
    return script;
}
