#include "support/platform/LaunchEditor.h"

#include "support/io/TextCodec.h"
#include "support/paths/Globals.h"
#include "support/paths/LogicalPath.h"
#include "support/paths/QuestPaths.h"
#include "support/platform/DiagnosticLog.h"
#include "support/platform/Processes.h"
#include "support/ui/MessagePort.h"

namespace {
const char kCannotRun[] = "Couldn't find or run the script editor!";
const char kEditorCaption[] = "cgenie.exe";
} // namespace

QString LaunchEditor(CMessagePort& ui, const QString& file, const QString& folder)
{
    const QString script = folder.isEmpty() ? file : folder + QLatin1Char('\\') + file;
    const QString editor = NativePath(ScriptEditorPath());
    const DetachedStart start = StartDetachedWatched(editor, editor, {NativePath(script)}, NativePath(QString()),
                                                     kEditorWatchMs);
    if (start.started && (!start.ended || start.exitCode == 0))
        return script;
    // What the editor program said is the best reason there is; without a
    // word from it the start itself failed.
    const QString said = DisplayBytes(start.errorOutput).trimmed();
    const QString text = said.isEmpty() ? QLatin1String(kCannotRun) : said;
    LogLine(text);
    ui.MessageBox(text, QLatin1String(kEditorCaption));
    return script;
}
