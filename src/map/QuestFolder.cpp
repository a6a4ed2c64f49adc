#include "map/QuestFolder.h"

#include "support/DiagnosticLog.h"
#include "support/LogicalPath.h"
#include "support/QuestPaths.h"
#include "support/TextFile.h"

#include <QDir>
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
