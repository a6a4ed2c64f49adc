// The quest check compiles the scripts a build would compile (those the
// compile list does not show up to date) with the quest's own compiler, into
// a temporary folder: the quest's "amx" folders, the compile list and the
// compiler's error file stay as they are.
#include "build/CompileList.h"
#include "build/ScriptErrors.h"
#include "quest/QuestCheckParts.h"
#include "support/io/NativeFolders.h"
#include "support/paths/QuestPaths.h"
#include "support/platform/Processes.h"
#include "support/ui/MessagePort.h"

#include <QRegularExpression>
#include <QTemporaryDir>

namespace {

// An error line of the classic form, "file(line) Error [017]: text", as
// the file, its line and the rest.
bool SplitErrorLine(const QString& line, QString& file, int& number, QString& text)
{
    static const QRegularExpression pattern(
        QStringLiteral("^(.+?)\\((\\d+)(?: -- \\d+)?\\) ((?:Error|Fatal|Warning) \\[.*)$"));
    const QRegularExpressionMatch m = pattern.match(line.trimmed());
    if (!m.hasMatch())
        return false;
    file = m.captured(1);
    number = m.captured(2).toInt();
    text = m.captured(3);
    return true;
}

// What the build's errors dialog would list for the script, one problem a line.
void ReportErrors(CQuestProblems& problems, const QString& script, const QString& errorFile)
{
    const QStringList lines = ReadScriptErrors(errorFile);
    if (lines.isEmpty())
        problems.Add(QuestProblemKind::ScriptErrors, script, QLatin1String(kScriptsHaveErrors));
    for (const QString& line : lines) {
        QString file;
        QString text;
        int number = 0;
        if (SplitErrorLine(line, file, number, text))
            problems.Add(QuestProblemKind::ScriptErrors, file, text, number);
        else
            problems.Add(QuestProblemKind::ScriptErrors, script, line);
    }
}

} // namespace

void CheckScriptErrors(CQuestProblems& problems, const QStringList& scripts)
{
    CMessagePort quiet;
    CCompileList list(quiet);
    // Read only: a missing list is an empty one, and nothing is made.
    list.LoadCompileList(false);
    QStringList changed;
    for (const QString& script : scripts)
        if (!list.IsUpToDate(script) && !changed.contains(script))
            changed << script;
    if (changed.isEmpty())
        return;
    QTemporaryDir folder;
    if (!folder.isValid()) {
        problems.Add(QuestProblemKind::ScriptErrors, CompilerPath(),
                     QStringLiteral("No temporary folder could be made to compile the scripts into"));
        return;
    }
    const QString output = folder.filePath(QStringLiteral("script.amx"));
    const QString errors = folder.filePath(QStringLiteral("errors.txt"));
    for (const QString& script : changed) {
        RemoveNativeFile(errors);
        switch (CCompileList::RunCompiler(script, output, errors)) {
        case kRunFailedToStart:
            problems.Add(QuestProblemKind::ScriptErrors, CompilerPath(), QLatin1String(kCannotRun));
            return; // the same for every script
        case 0:
        case 1:
            break;
        case 2:
            ReportErrors(problems, script, errors);
            break;
        default:
            problems.Add(QuestProblemKind::ScriptErrors, script, QLatin1String(kScriptsHaveErrors));
            break;
        }
    }
}
