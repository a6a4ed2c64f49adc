#include "quest/QuestFolder.h"

#include "support/io/NativeFile.h"
#include "support/io/NativeFolders.h"
#include "support/io/TextFile.h"
#include "support/paths/LogicalPath.h"
#include "support/paths/QuestPaths.h"
#include "support/platform/DiagnosticLog.h"

#include <QFile>

namespace {
void MakeFolder(const QString& logical)
{
    MakeNativeFolder(NativePath(logical)); // an existing folder is passed over
}
} // namespace

int CreateEmptyFile(const QString& folder, const QString& name)
{
    QFile file;
    if (!OpenNativeFile(file, NativePath(JoinLogical(folder, name)), QIODevice::WriteOnly | QIODevice::Truncate)) {
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
    if (!IsNativeFile(from))
        return false;
    if (IsSameNativeFile(from, to))
        return true;
    QFile source;
    if (!OpenNativeFile(source, from, QIODevice::ReadOnly))
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
// A plain copy of one file's bytes to a new file.
bool CopyNativeFile(const QString& from, const QString& to)
{
    QFile source;
    QFile target;
    if (!OpenNativeFile(source, from, QIODevice::ReadOnly)
        || NativePathExists(to)
        || !OpenNativeFile(target, to, QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    while (!source.atEnd()) {
        const QByteArray chunk = source.read(1 << 20);
        if (chunk.isEmpty() || target.write(chunk) != chunk.size())
            return false;
    }
    return source.error() == QFileDevice::NoError && target.flush();
}

// Every file and folder below `from`, whatever bytes their names hold. A link
// is copied as what it points at; one that points nowhere cannot be copied.
bool CopyFolderContents(const QString& from, const QString& to)
{
    for (const FolderEntry& entry : ListNativeFolder(from)) {
        const QString source = from + QLatin1Char('/') + entry.name;
        const QString target = to + QLatin1Char('/') + entry.name;
        if (entry.isFolder) {
            if (!MakeNativeFolder(target) || !CopyFolderContents(source, target))
                return false;
        } else if (!CopyNativeFile(source, target)) {
            return false;
        }
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
    if (!IsNativeFolder(from) || NativePathExists(to) || NativePathExists(toMap) || to.startsWith(from + QLatin1Char('/')))
        return false;
    if (!MakeNativeFolder(to))
        return false;
    if (CopyFolderContents(from, to) && CopyNativeFile(NativePath(fromMapFile), toMap))
        return true;
    RemoveNativeTree(to);
    RemoveNativeFile(toMap);
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
    if (NativePathExists(NativePath(QuestFolderPath(name))) || NativePathExists(NativePath(MapFilePath(name))))
        return QStringLiteral("A quest called \"%1\" already exists, please choose another name").arg(name);
    return QString();
}
