#include "screens/ScreenScript.h"

#include "support/paths/LogicalPath.h"
#include "support/paths/QuestPaths.h"

#include <QFile>
#include <QSaveFile>

int EnsureScreenScript(int column, int row)
{
    const QString script = NativePath(ScreenScriptPath(column, row));
    const QString templatePath = NativePath(ScreenScriptTemplatePath());
    QFile existing(script);
    if (!existing.open(QIODevice::ReadOnly)) {
        // Never over a file that is there but unreadable.
        return QFile::copy(templatePath, script) ? 1 : 0;
    }
    const bool empty = existing.read(1).isEmpty();
    existing.close();
    if (!empty)
        return 1;
    QFile source(templatePath);
    if (!source.open(QIODevice::ReadOnly))
        return 0;
    QSaveFile target(script);
    if (!target.open(QIODevice::WriteOnly))
        return 0;
    target.write(source.readAll());
    return target.commit() ? 1 : 0;
}
