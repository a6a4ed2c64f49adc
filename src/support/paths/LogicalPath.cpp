#include "support/paths/LogicalPath.h"

#include "support/io/FolderListing.h"
#include "support/io/NativeFolders.h"
#include "support/paths/Globals.h"
#include "support/platform/DiagnosticLog.h"

#include <QDir>
#include <QFileInfo>

namespace {

void LogAmbiguous(const QString& logicalPath)
{
    // Logging finds its own file through NativePath; never twice at once.
    static bool logging = false;
    if (logging)
        return;
    logging = true;
    LogLine(QStringLiteral("More than one file matches this path but for letter case, it is used as written: ")
            + logicalPath);
    logging = false;
}

// Whether a relative path with "/" separators is already clean: no empty, "."
// or ".." component.
bool IsCleanRelative(QStringView path)
{
    if (path.isEmpty())
        return false;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= path.size(); ++i) {
        if (i < path.size() && path[i] != QLatin1Char('/'))
            continue;
        const qsizetype length = i - start;
        if (length == 0 || (path[start] == QLatin1Char('.') && (length == 1 || (length == 2 && path[start + 1] == QLatin1Char('.')))))
            return false;
        start = i + 1;
    }
    return true;
}

// What QDir::isAbsolutePath says. On this system that is a leading "/" for
// every path but a resource path (":..."), seen without building a QFileInfo.
bool IsAbsolute(const QString& path)
{
#ifdef Q_OS_UNIX
    if (!path.startsWith(QLatin1Char(':')))
        return path.startsWith(QLatin1Char('/'));
#endif
    return QDir::isAbsolutePath(path);
}

// QDir::cleanPath(g_baseDirectory + "/" + path) for a relative path. Joining a
// clean path to the cleaned base directory gives the same, without cleaning
// the whole again for every file: most paths are clean.
QString JoinedToBase(const QString& path)
{
#ifdef Q_OS_UNIX
    thread_local QString base;
    thread_local QString cleanBase;
    thread_local bool plainBase = false;
    if (base.isNull() || base != g_baseDirectory) {
        base = g_baseDirectory;
        cleanBase = QDir::cleanPath(base);
        plainBase = cleanBase == QLatin1String("/")
            || (cleanBase.startsWith(QLatin1Char('/')) && IsCleanRelative(QStringView(cleanBase).mid(1)));
    }
    if (plainBase && IsCleanRelative(path))
        return cleanBase.endsWith(QLatin1Char('/')) ? cleanBase + path : cleanBase + QLatin1Char('/') + path;
#endif
    return QDir::cleanPath(g_baseDirectory + QLatin1Char('/') + path);
}

// Quests made on case-insensitive systems name their files in any case. Below
// `base`, every component that does not exist as written is matched against
// its folder's entries ignoring case; from the first one that matches nothing
// on, the rest is kept as given (a file or folder about to be made).
QString ResolveCase(const QString& base, const QString& relative, const QString& logicalPath, const QString& asWritten)
{
    const QStringList components = relative.split(QLatin1Char('/'));
    QString path = base;
    for (qsizetype i = 0; i < components.size(); ++i) {
        const QString exact = path + QLatin1Char('/') + components[i];
        if (NativePathExists(exact)) {
            path = exact;
            continue;
        }
        const QStringList matches = EntriesIgnoringCase(path, components[i]);
        if (matches.size() > 1) {
            LogAmbiguous(logicalPath);
            return asWritten;
        }
        if (matches.isEmpty())
            return path + QLatin1Char('/') + components.mid(i).join(QLatin1Char('/'));
        path += QLatin1Char('/') + matches.front();
    }
    return path;
}

} // namespace

QString NativePathAsWritten(const QString& logicalPath)
{
    QString path = logicalPath;
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (IsAbsolute(path) || g_baseDirectory.isEmpty())
        return QDir::cleanPath(path);
    return JoinedToBase(path);
}

QString NativePath(const QString& logicalPath)
{
    QString path = logicalPath;
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (IsAbsolute(path) || g_baseDirectory.isEmpty())
        return QDir::cleanPath(path);
    const QString asWritten = JoinedToBase(path);
    // The directory scans are only for paths that do not exist as written.
    if (NativePathExists(asWritten))
        return asWritten;
    const QString relative = QDir::cleanPath(path);
    if (relative == QLatin1String(".") || relative == QLatin1String("..")
        || relative.startsWith(QLatin1String("../")))
        return asWritten;
    return ResolveCase(QDir::cleanPath(g_baseDirectory), relative, logicalPath, asWritten);
}

QString RelativeNativePath(const QString& logicalPath)
{
    const QString native = NativePath(logicalPath);
    if (g_baseDirectory.isEmpty())
        return QDir::toNativeSeparators(native);
    const QString relative = QDir(g_baseDirectory).relativeFilePath(native);
    // A path outside the base directory is given whole.
    if (relative == QLatin1String("..") || relative.startsWith(QLatin1String("../")))
        return QDir::toNativeSeparators(native);
    return QDir::toNativeSeparators(relative);
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
