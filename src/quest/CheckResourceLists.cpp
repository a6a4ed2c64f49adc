// The quest check's look at the three tree lists and at the sounds the
// scripts play.
#include "build/NameListExport.h"
#include "build/ScriptSounds.h"
#include "quest/QuestCheckParts.h"
#include "support/io/NativeFile.h"
#include "support/paths/QuestPaths.h"
#include "support/ui/MessagePort.h"

#include <QHash>

#include <algorithm>
#include <functional>

namespace {

// Keeps the message a list that cannot be read would show.
class CListMessages : public CMessagePort {
public:
    int MessageBox(const QString& text, const QString& caption, Buttons buttons) override
    {
        problems->Add(QuestProblemKind::ResourceLists, caption, text);
        ++count;
        return QuietAnswer(buttons);
    }
    CQuestProblems* problems = nullptr;
    int count = 0;
};

// Reads one list, reporting the lines its readers take apart; true when it
// could be read.
bool ReadList(CQuestProblems& problems, CNameList& list, TreeListReading& reading, const QString& path,
              const char* message)
{
    CListMessages messages;
    messages.problems = &problems;
    list.ReadTreeFile(path, QLatin1String(message), messages, &reading);
    if (messages.count > 0)
        return false;
    for (const TreeListReading::Oddity& oddity : reading.oddities)
        problems.Add(QuestProblemKind::ResourceLists, path, oddity.text, oddity.line);
    return true;
}

// A list's problems in the order of their lines.
void InLineOrder(CQuestProblems& problems, size_t from)
{
    std::vector<QuestProblem>& all = problems.List();
    std::stable_sort(all.begin() + qsizetype(from), all.end(),
                     [](const QuestProblem& a, const QuestProblem& b) { return a.line < b.line; });
}

// What is wrong with each name: one the build cannot use, a name cut to the
// name field, a name listed twice, or a file it names that is not there.
void CheckNames(CQuestProblems& problems, const QString& listPath, const TreeListReading& reading,
                const std::function<QStringList(const QString&)>& filesOf,
                const std::function<QString(const QString&)>& longestArchiveName)
{
    QHash<QString, int> firstLine;
    for (const TreeListReading::Name& entry : reading.names) {
        const QString& name = entry.name;
        auto add = [&](const QString& text) { problems.Add(QuestProblemKind::ResourceLists, listPath, text, entry.line); };
        if (const QString problem = ResourceNameProblem(name, longestArchiveName(name)); !problem.isEmpty()) {
            // The build's own log lines for such a name, on one line.
            add(QStringLiteral("Resource name left out of the quest file, ") + problem + QStringLiteral(": ") + name);
            continue;
        }
        if (!entry.wholeLine.isEmpty()) {
            add(QStringLiteral("The name \"%1\" is longer than the %2 characters a name holds, so the build takes "
                               "it as \"%3\"")
                    .arg(entry.wholeLine)
                    .arg(kResourceNameLength)
                    .arg(name));
            continue;
        }
        if (firstLine.contains(name)) {
            add(QStringLiteral("Names \"%1\" again (first at line %2), so the build puts it into the quest file "
                               "twice")
                    .arg(name)
                    .arg(firstLine.value(name)));
            continue;
        }
        firstLine.insert(name, entry.line);
        for (const QString& file : filesOf(name))
            if (!IsLogicalFile(file))
                add(QStringLiteral("Names \"%1\", but there is no file %2").arg(name, file));
    }
}

} // namespace

void CheckResourceLists(CQuestProblems& problems, QuestLists& lists)
{
    size_t from = problems.List().size();
    lists.entitiesRead =
        ReadList(problems, lists.entities, lists.entityReading, EntityListPath(), kEntityListMissing);
    if (lists.entitiesRead)
        CheckNames(
            problems, EntityListPath(), lists.entityReading,
            [](const QString& name) { return QStringList{EntityScriptPath(name)}; },
            [](const QString& name) { return QStringLiteral("ES") + name + QStringLiteral(".amx"); });
    InLineOrder(problems, from);
    from = problems.List().size();
    lists.sheetsRead = ReadList(problems, lists.sheets, lists.sheetReading, SheetListPath(), kSheetListMissing);
    if (lists.sheetsRead)
        CheckNames(
            problems, SheetListPath(), lists.sheetReading,
            [](const QString& name) { return QStringList{SheetFilePath(name), SheetBitmapPath(name)}; },
            [](const QString& name) { return name + QStringLiteral(".spt"); });
    InLineOrder(problems, from);
    from = problems.List().size();
    lists.soundsRead = ReadList(problems, lists.sounds, lists.soundReading, SoundListPath(), kSoundListMissing);
    if (lists.soundsRead)
        CheckNames(
            problems, SoundListPath(), lists.soundReading,
            [](const QString& name) { return QStringList{SoundPath(name)}; },
            [](const QString& name) { return name; });
    InLineOrder(problems, from);
}

void CheckPlayedSounds(CQuestProblems& problems, const QString& scriptPath, const QuestLists& lists,
                       bool includeSound)
{
    for (const PlayedSound& sound : SoundsPlayedBy(scriptPath)) {
        if (!ResourceNameProblem(sound.name, sound.name).isEmpty() || !IsLogicalFile(SoundPath(sound.name))) {
            problems.Add(QuestProblemKind::Sounds, scriptPath,
                         QStringLiteral("Plays the sound \"%1\", but there is no file %2")
                             .arg(sound.name, SoundPath(sound.name)),
                         sound.line);
        } else if (includeSound && lists.soundsRead && !lists.sounds.Contains(sound.name)) {
            problems.Add(QuestProblemKind::Sounds, scriptPath,
                         QStringLiteral("Plays the sound \"%1\", which the quest's sound list %2 does not name, so "
                                        "the build leaves it out of the quest file")
                             .arg(sound.name, SoundListPath()),
                         sound.line);
        }
    }
}
