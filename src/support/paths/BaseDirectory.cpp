#include "support/paths/BaseDirectory.h"

#include "support/io/NativeFolders.h"
#include "support/paths/InstalledFiles.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {
// Copies every folder and file below `from` into `to`, keeping the files'
// permissions (the external editor stays runnable). False when one failed.
bool CopyTree(const QString& from, const QString& to)
{
    if (!QDir().mkpath(to))
        return false;
    bool whole = true;
    QDirIterator it(from, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString target = to + QLatin1Char('/') + QDir(from).relativeFilePath(source);
        if (it.fileInfo().isDir())
            whole = QDir().mkpath(target) && whole;
        else
            whole = (QFileInfo::exists(target) || QFile::copy(source, target)) && whole;
    }
    return whole;
}
} // namespace

bool IsBaseDirectory(const QString& nativePath)
{
    return IsNativeFolder(nativePath + QStringLiteral("/questdata"));
}

BaseDirectoryChoice ChooseBaseDirectory(const QString& given)
{
    BaseDirectoryChoice choice;
    if (!given.isEmpty()) {
        choice.path = QDir::isAbsolutePath(given) ? given : CurrentNativeFolder() + QLatin1Char('/') + given;
        return choice;
    }
    const QString here = CurrentNativeFolder(); // its bytes kept, whatever they are
    const QString installed = InstalledBaseDirectory();
    const QString userFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (IsBaseDirectory(here) || installed.isEmpty() || userFolder.isEmpty()) {
        choice.path = here;
        return choice;
    }
    choice.path = userFolder;
    if (IsBaseDirectory(userFolder))
        return choice;
    if (CopyTree(installed, userFolder))
        choice.madeFrom = installed;
    else
        choice.problem = QStringLiteral("The base directory %1 could not be made whole from %2").arg(userFolder, installed);
    return choice;
}
