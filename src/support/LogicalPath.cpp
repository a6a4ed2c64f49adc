#include "support/LogicalPath.h"

#include "support/Globals.h"

#include <QDir>

QString NativePath(const QString& logicalPath)
{
    QString path = logicalPath;
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (QDir::isAbsolutePath(path) || g_baseDirectory.isEmpty())
        return QDir::cleanPath(path);
    return QDir::cleanPath(g_baseDirectory + QLatin1Char('/') + path);
}

QString RelativeNativePath(const QString& logicalPath)
{
    const QString native = NativePath(logicalPath);
    if (g_baseDirectory.isEmpty())
        return QDir::toNativeSeparators(native);
    return QDir::toNativeSeparators(QDir(g_baseDirectory).relativeFilePath(native));
}

QString JoinLogical(const QString& folder, const QString& name)
{
    if (folder.isEmpty())
        return name;
    if (folder.endsWith(QLatin1Char('\\')))
        return folder + name;
    return folder + QLatin1Char('\\') + name;
}

bool IsSafeFileName(const QString& name)
{
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        return false;
    for (QChar c : name) {
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c == QLatin1Char(':') || c.unicode() < 0x20
            || c.unicode() == 0x7F)
            return false;
        if (c == QLatin1Char('*') || c == QLatin1Char('?') || c == QLatin1Char('"') || c == QLatin1Char('<')
            || c == QLatin1Char('>') || c == QLatin1Char('|'))
            return false;
    }
    return true;
}
