#include "support/paths/InstalledFiles.h"

#include "support/paths/LogicalPath.h"
#include "support/paths/QuestPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {
// The installed files' places relative to the installed programs' folder,
// set by the build (cmake/Install.cmake).
QString NextToProgram(const char* relative)
{
    if (!QCoreApplication::instance() || !*relative)
        return QString();
    return QDir::cleanPath(QCoreApplication::applicationDirPath() + QLatin1Char('/') + QString::fromUtf8(relative));
}
} // namespace

QString InstalledCompiler()
{
    const QString path = NextToProgram(TESSELL_INSTALLED_COMPILER);
    return !path.isEmpty() && QFileInfo(path).isExecutable() && QFileInfo(path).isFile() ? path : QString();
}

QString InstalledBaseDirectory()
{
    const QString path = NextToProgram(TESSELL_INSTALLED_BASE);
    return !path.isEmpty() && QFileInfo(path + QStringLiteral("/questdata")).isDir() ? path : QString();
}

QString CompilerProgram()
{
    const QString own = NativePath(CompilerPath());
    if (QFileInfo(own).isFile())
        return own;
    const QString installed = InstalledCompiler();
    return installed.isEmpty() ? own : installed;
}
