#include "quest/QuestFolder.h"

#include "support/platform/DiagnosticLog.h"
#include "support/paths/LogicalPath.h"
#include "support/paths/QuestPaths.h"
#include "support/io/TextFile.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace {
void MakeFolder(const QString& logical)
{
    QDir().mkdir(NativePath(logical)); // an existing folder is passed over
}
} // namespace

int CreateEmptyFile(const QString& folder, const QString& name)
{
    QFile file(NativePath(JoinLogical(folder, name)));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        LogLine(QStringLiteral("File Could Not be Created: "));
        LogLine(name);
        return 0;
    }
    return 1;
}

bool CopyFileReplacing(const QString& fromLogical, const QString& toLogical)
{
    const QString from = NativePath(fromLogical);
    const QString to = NativePath(toLogical);
    if (!QFileInfo(from).isFile())
        return false;
    if (QFileInfo(from).canonicalFilePath() == QFileInfo(to).canonicalFilePath())
        return true;
    QFile source(from);
    if (!source.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = source.readAll();
    // The target may be a user's screen or script: it is replaced whole or
    // not at all.
    CTextWriter target;
    if (!target.Open(toLogical))
        return false;
    target.Raw(bytes);
    return target.Commit();
}

int CreateQuestFolder(const QString& questName)
{
    const QString q = QuestFolderPath(questName);
    MakeFolder(q);
    CreateEmptyFile(q, QStringLiteral("sheets.txt"));
    CreateEmptyFile(q, QStringLiteral("entitylist.txt"));
    CreateEmptyFile(q, QStringLiteral("soundlist.txt"));
    MakeFolder(q + QStringLiteral("\\screens"));
    CreateEmptyFile(q + QStringLiteral("\\screens"), QStringLiteral("keep.me"));
    MakeFolder(q + QStringLiteral("\\scripts"));
    MakeFolder(q + QStringLiteral("\\scripts\\group"));
    MakeFolder(q + QStringLiteral("\\scripts\\group\\amx"));
    CreateEmptyFile(q + QStringLiteral("\\scripts\\group\\amx"), QStringLiteral("keep.me"));
    MakeFolder(q + QStringLiteral("\\scripts\\screen"));
    MakeFolder(q + QStringLiteral("\\scripts\\screen\\amx"));
    CreateEmptyFile(q + QStringLiteral("\\scripts\\screen\\amx"), QStringLiteral("keep.me"));
    MakeFolder(q + QStringLiteral("\\scripts\\main"));
    CreateEmptyFile(q + QStringLiteral("\\scripts\\main"), QStringLiteral("main.ves"));
    MakeFolder(q + QStringLiteral("\\scripts\\main\\amx"));
    CreateEmptyFile(q + QStringLiteral("\\scripts\\main\\amx"), QStringLiteral("keep.me"));
    CopyTemplates(questName);
    return 1;
}

void CopyTemplates(const QString& questName)
{
    const QString q = QuestFolderPath(questName);
    CopyFileReplacing(TemplatePath(QStringLiteral("standardmain.ves")), MainScriptPath(questName));
    for (const char* list : {"entitylist.txt", "soundlist.txt", "sheets.txt"})
        CopyFileReplacing(TemplatePath(QLatin1String(list)), q + QLatin1Char('\\') + QLatin1String(list));
}

namespace {
bool Occupied(const QString& native)
{
    const QFileInfo info(native);
    return info.exists() || info.isSymLink();
}

bool CopyFolderContents(const QString& from, const QString& to)
{
    QDirIterator it(from, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString target = to + QLatin1Char('/') + QDir(from).relativeFilePath(path);
        if (!(it.fileInfo().isDir() ? QDir().mkpath(target) : QFile::copy(path, target)))
            return false;
    }
    return true;
}
} // namespace

bool CopyQuestFolder(const QString& fromFolder, const QString& toFolder, const QString& fromMapFile,
                     const QString& toMapFile)
{
    const QString from = NativePath(fromFolder);
    const QString to = NativePath(toFolder);
    const QString toMap = NativePath(toMapFile);
    // Only what this copy makes may be removed again, and the copy never goes
    // into the folder it copies.
    if (!QFileInfo(from).isDir() || Occupied(to) || Occupied(toMap) || to.startsWith(from + QLatin1Char('/')))
        return false;
    if (!QDir().mkdir(to))
        return false;
    if (CopyFolderContents(from, to) && QFile::copy(NativePath(fromMapFile), toMap))
        return true;
    QDir(to).removeRecursively();
    if (Occupied(toMap))
        QFile::remove(toMap);
    return false;
}

QString QuestNameProblem(const QString& name)
{
    if (name.isEmpty())
        return QStringLiteral("That is not a valid Quest Name");
    // The name becomes a folder and a file name; a quest is reopened by its map
    // file's name cut before the first ".", so a dot would lose the rest.
    if (!IsSafeFileName(name) || name.contains(QLatin1Char('.')) || name.trimmed() != name)
        return QStringLiteral("A quest name may not hold \\ / : * ? \" < > | or a dot, control characters, "
                              "or begin or end with a blank");
    if (QFileInfo::exists(NativePath(QuestFolderPath(name))) || QFileInfo::exists(NativePath(MapFilePath(name))))
        return QStringLiteral("A quest called \"%1\" already exists, please choose another name").arg(name);
    return QString();
}
