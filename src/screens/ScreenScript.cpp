#include "screens/ScreenScript.h"

#include "support/io/NativeFile.h"
#include "support/io/TextFile.h"
#include "support/paths/LogicalPath.h"
#include "support/paths/QuestPaths.h"

#include <QFile>

int EnsureScreenScript(int column, int row)
{
    const QString script = NativePath(ScreenScriptPath(column, row));
    QFile existing;
    if (OpenNativeFile(existing, script, QIODevice::ReadOnly)) {
        const bool empty = existing.read(1).isEmpty();
        existing.close();
        if (!empty)
            return 1;
    } else if (IsNativeFile(script)) {
        return 0; // never over a file that is there but unreadable
    }
    QFile source;
    if (!OpenLogicalFileForReading(source, ScreenScriptTemplatePath()))
        return 0;
    CTextWriter target;
    if (!target.Open(ScreenScriptPath(column, row)))
        return 0;
    target.Raw(source.readAll());
    return target.Commit() ? 1 : 0;
}
