#include "support/LaunchEditor.h"

#include "support/Globals.h"
#include "support/LogicalPath.h"
#include "support/Processes.h"
#include "support/QuestPaths.h"

QString LaunchEditor(const QString& file, const QString& folder)
{
    const QString script = folder.isEmpty() ? file : folder + QLatin1Char('\\') + file;
    const QString editor = NativePath(ScriptEditorPath());
    StartDetached(editor, editor, {NativePath(script)}, NativePath(QString()));
    return script;
}
