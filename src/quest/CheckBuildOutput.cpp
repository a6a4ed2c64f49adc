// The quest check's look at what the build writes: the lists for the engine
// in "output\temp\", each script's compiled file in the "amx" folder beside it
// and the quest file. The build makes a missing folder; what it cannot make
// or write is reported.
#include "build/CompileList.h"
#include "quest/QuestCheckParts.h"
#include "support/io/NativeFolders.h"
#include "support/paths/LogicalPath.h"
#include "support/paths/QuestPaths.h"

namespace {

QString ParentOf(const QString& native)
{
    return native.left(native.lastIndexOf(QLatin1Char('/')));
}

// The logical folder a script's compiled file goes into.
QString CompiledFolderOf(const QString& script)
{
    const QString output = CCompileList::OutputPath(script);
    return output.left(output.lastIndexOf(QLatin1Char('\\')));
}

// Why the build cannot write into the folder (making it and the missing ones
// above it first when `parents`), or an empty string when it can.
QString FolderProblem(const QString& native, bool parents)
{
    if (IsNativeFolder(native))
        return IsNativeWritable(native) ? QString() : QStringLiteral("is a folder the build may not write into");
    if (NativePathExists(native))
        return QStringLiteral("is a file where the build needs a folder");
    const QString parent = ParentOf(native);
    if (IsNativeFolder(parent))
        return IsNativeWritable(parent) ? QString() : QStringLiteral("is missing, and the build may not make it");
    if (parents && !parent.isEmpty() && FolderProblem(parent, true).isEmpty())
        return QString();
    // A script's folder that is missing holds no script to compile: that
    // script is reported missing.
    return parents ? QStringLiteral("is missing, and so is the folder it belongs in") : QString();
}

void AddProblem(CQuestProblems& problems, const QString& logical, const QString& problem, const QString& what)
{
    QString text = problem;
    text[0] = text[0].toUpper();
    problems.Add(QuestProblemKind::BuildOutput, logical, text + QStringLiteral(", so ") + what);
}

} // namespace

void CheckBuildOutput(CQuestProblems& problems, bool screens, bool groups, bool entities)
{
    const QString lists = EngineListFolderPath();
    if (const QString problem = FolderProblem(NativePath(lists), true); !problem.isEmpty())
        AddProblem(problems, lists, problem, QStringLiteral("the build cannot write the lists for the engine"));

    const QString archive = QuestArchivePath();
    const QString archiveNative = NativePath(archive);
    if (IsNativeFolder(archiveNative)) {
        AddProblem(problems, archive, QStringLiteral("is a folder"), QStringLiteral("the build cannot write the quest file"));
    } else if (const QString problem = FolderProblem(ParentOf(archiveNative), true); !problem.isEmpty()) {
        const QString folder = archive.left(archive.lastIndexOf(QLatin1Char('\\')));
        AddProblem(problems, folder, problem, QStringLiteral("the build cannot write the quest file"));
    }

    // The quest's own "amx" folders, and the one the entity scripts compile into.
    QStringList scriptFolders;
    if (entities)
        scriptFolders << CompiledFolderOf(EntityScriptPath(QStringLiteral("x")));
    if (screens)
        scriptFolders << CompiledFolderOf(ScreenScriptPath(0, 0));
    if (groups)
        scriptFolders << CompiledFolderOf(GroupScriptPath(0));
    scriptFolders << CompiledFolderOf(MainScriptPath());
    for (const QString& folder : scriptFolders)
        if (const QString problem = FolderProblem(NativePath(folder), false); !problem.isEmpty())
            AddProblem(problems, folder, problem, QStringLiteral("the compiled scripts have nowhere to go"));
}
