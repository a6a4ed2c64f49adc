#include "quest/QuestCheck.h"

#include "build/NameList.h"
#include "build/NameListExport.h"
#include "build/ScriptSounds.h"
#include "display/Display.h"
#include "quest/BuildChecks.h"
#include "quest/QuestFiles.h"
#include "quest/QuestMap.h"
#include "screens/HoleRecord.h"
#include "screens/Screen.h"
#include "sheets/SheetLibrary.h"
#include "support/paths/LogicalPath.h"
#include "support/paths/QuestPaths.h"
#include "support/ui/MessagePort.h"
#include "support/ui/WindowPort.h"
#include "quest/QuestDialogPort.h"
#include "support/io/TextCodec.h"

#include <QFileInfo>

#include <algorithm>

namespace {

// Keeps every message the editor's readers show: the caption is the path of
// the file it is about.
class CMessageCollector : public CMessagePort {
public:
    int MessageBox(const QString& text, const QString& caption, Buttons buttons) override
    {
        messages.push_back({text, caption});
        return QuietAnswer(buttons);
    }
    struct Message {
        QString text;
        QString caption;
    };
    std::vector<Message> messages;
};

QString OneLine(const QString& text)
{
    QString flat = text;
    flat.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return flat.simplified();
}

bool IsFile(const QString& logicalPath)
{
    return QFileInfo(NativePath(logicalPath)).isFile();
}

// A sprite code stands for an entity by its own name or, for a script that
// serves many sprites, with its last character replaced by "#".
QString HashForm(const QString& name)
{
    return name.isEmpty() ? name : name.left(name.size() - 1) + QLatin1Char('#');
}

bool HasEntityScript(const QString& name)
{
    return ResourceNameProblem(name, name).isEmpty() && IsFile(EntityScriptPath(name));
}

class CQuestChecker {
public:
    std::vector<QuestProblem> Run(const QString& quest);

private:
    void Add(QuestProblemKind kind, const QString& path, const QString& text)
    {
        m_problems.push_back({kind, path, OneLine(text)});
    }
    // The messages shown since `from`, as problems of one kind.
    void TakeMessages(size_t from, QuestProblemKind kind);
    void CheckCompileList();
    bool ReadList(CNameList& list, const QString& path, const char* message);
    void CheckListedFiles(const QString& listPath, const QString& name, const QStringList& files);
    void CheckResourceLists();
    void CheckScreen(int column, int row, const CSheetLibrary& library);
    void CheckScreenElements(const CScreen& screen);
    void CheckScript(const QString& path, QuestProblemKind missingKind, const QString& missingText);
    void CheckSounds(const QString& scriptPath);

    CMessageCollector m_ui;
    CQuestMap m_map;
    CNameList m_entities;
    CNameList m_sheets;
    CNameList m_sounds;
    std::vector<QuestProblem> m_problems;
};

void CQuestChecker::TakeMessages(size_t from, QuestProblemKind kind)
{
    for (size_t k = from; k < m_ui.messages.size(); ++k)
        Add(kind, m_ui.messages[k].caption, m_ui.messages[k].text);
}

void CQuestChecker::CheckCompileList()
{
    // The build reads the list, or makes it empty when it is missing.
    const QFileInfo list(NativePath(CompileListPath()));
    const QFileInfo folder(list.absolutePath());
    const bool usable = list.exists() ? list.isFile() && list.isReadable() : folder.isDir() && folder.isWritable();
    if (!usable)
        Add(QuestProblemKind::BuildCheck, CompileListPath(), QLatin1String(kCompileListFailure));
}

bool CQuestChecker::ReadList(CNameList& list, const QString& path, const char* message)
{
    const size_t before = m_ui.messages.size();
    list.ReadTreeFile(path, QLatin1String(message), m_ui);
    TakeMessages(before, QuestProblemKind::ResourceLists);
    return m_ui.messages.size() == before;
}

void CQuestChecker::CheckListedFiles(const QString& listPath, const QString& name, const QStringList& files)
{
    if (const QString problem = ResourceNameProblem(name, name); !problem.isEmpty()) {
        // The build's own log lines for such a name, on one line.
        Add(QuestProblemKind::ResourceLists, listPath,
            QStringLiteral("Resource name left out of the quest file, ") + problem + QStringLiteral(": ") + name);
        return;
    }
    for (const QString& file : files)
        if (!IsFile(file))
            Add(QuestProblemKind::ResourceLists, listPath,
                QStringLiteral("Names \"%1\", but there is no file %2").arg(name, file));
}

void CQuestChecker::CheckResourceLists()
{
    if (ReadList(m_entities, EntityListPath(), kEntityListMissing))
        for (const QString& name : m_entities.Names()) {
            CheckListedFiles(EntityListPath(), name, {EntityScriptPath(name)});
            if (HasEntityScript(name))
                CheckSounds(EntityScriptPath(name));
        }
    if (ReadList(m_sheets, SheetListPath(), kSheetListMissing))
        for (const QString& name : m_sheets.Names())
            CheckListedFiles(SheetListPath(), name, {SheetFilePath(name), SheetBitmapPath(name)});
    if (ReadList(m_sounds, SoundListPath(), kSoundListMissing))
        for (const QString& name : m_sounds.Names())
            CheckListedFiles(SoundListPath(), name, {SoundPath(name)});
}

void CQuestChecker::CheckScript(const QString& path, QuestProblemKind missingKind, const QString& missingText)
{
    if (IsFile(path))
        CheckSounds(path);
    else
        Add(missingKind, path, missingText);
}

void CQuestChecker::CheckSounds(const QString& scriptPath)
{
    for (const QString& sound : SoundsPlayedBy(scriptPath))
        if (!ResourceNameProblem(sound, sound).isEmpty() || !IsFile(SoundPath(sound)))
            Add(QuestProblemKind::Sounds, scriptPath,
                QStringLiteral("Plays the sound \"%1\", but there is no file %2").arg(sound, SoundPath(sound)));
}

void CQuestChecker::CheckScreenElements(const CScreen& screen)
{
    const QString path = screen.FilePath();
    QList<QByteArray> unknown;
    QList<QByteArray> entities;
    auto note = [&](const CPlacedSprite& element) {
        // Hole fills are drawn by their outlines, whatever the sheets hold.
        if (!element.sprite && HoleKind(element.code) == 0 && !unknown.contains(element.code))
            unknown << element.code;
        if (element.IsEntity() && !entities.contains(element.code))
            entities << element.code;
    };
    for (const CPlacedSprite* placed : screen.placedSprites)
        note(*placed);
    for (const CFill* fill : screen.fills)
        note(fill->tile);
    for (const QByteArray& code : unknown)
        Add(QuestProblemKind::SpriteCodes, path,
            QStringLiteral("Sprite code \"%1\" is on no sheet of the quest, so it is never drawn").arg(DecodeText(code)));
    for (const QByteArray& code : entities) {
        const QString name = DecodeText(code);
        // A listed entity's script is looked for with the list.
        if (m_entities.Contains(name) || m_entities.Contains(HashForm(name)))
            continue;
        Add(QuestProblemKind::Entities, path,
            QStringLiteral("Entity \"%1\" is not in the quest's entity list %2").arg(name, EntityListPath()));
        if (!HasEntityScript(name) && !HasEntityScript(HashForm(name)))
            Add(QuestProblemKind::Entities, path,
                QStringLiteral("Entity \"%1\" has no script %2").arg(name, EntityScriptPath(name)));
    }
}

void CQuestChecker::CheckScreen(int column, int row, const CSheetLibrary& library)
{
    if (!IsFile(ScreenFilePath(column, row))) {
        Add(QuestProblemKind::ScreenFiles, ScreenFilePath(column, row), QLatin1String(kCouldNotWriteLnd));
    } else {
        CScreen screen(nullptr, nullptr, &library);
        screen.mapCellX = column;
        screen.mapCellY = row;
        screen.Load();
        CheckScreenElements(screen);
    }
    CheckScript(ScreenScriptPath(column, row), QuestProblemKind::ScreenFiles,
                QStringLiteral("The screen's script is missing, the build cannot compile it"));
}

std::vector<QuestProblem> CQuestChecker::Run(const QString& quest)
{
    if (!IsSafeFileName(quest)) {
        Add(QuestProblemKind::MapFile, MapFilePath(quest), QStringLiteral("Couldn't Open Save file for reading"));
        return m_problems;
    }
    CWindowPort noWindow;
    CQuestDialogPort noDialogs;
    CQuestFiles files(m_map, m_ui, noWindow, noDialogs);
    const MapFileReading reading = files.LoadMapFile(MapFilePath(quest), quest);
    if (!reading.isMapFile) {
        TakeMessages(0, QuestProblemKind::MapFile);
        return m_problems;
    }
    // What is left are the previews that did not load: the editor leaves those
    // cells empty, and so does the build.
    TakeMessages(0, QuestProblemKind::ScreenFiles);
    if (reading.cellsOffGrid == 1)
        Add(QuestProblemKind::MapFile, MapFilePath(),
            QStringLiteral("A cell record lies off the 256 x 256 grid, the editor passes over it"));
    else if (reading.cellsOffGrid > 1)
        Add(QuestProblemKind::MapFile, MapFilePath(),
            QStringLiteral("%1 cell records lie off the 256 x 256 grid, the editor passes over them")
                .arg(reading.cellsOffGrid));

    CheckCompileList();
    if (!StartPositionOnScreen(m_map))
        Add(QuestProblemKind::BuildCheck, MapFilePath(), QLatin1String(kStartNotOnScreen));
    for (int index : ScreensOutsideGroups(m_map))
        Add(QuestProblemKind::BuildCheck, ScreenFilePath(index % kMapColumns, index / kMapColumns),
            QLatin1String(kScreensNotInGroups));

    CheckResourceLists();
    // Sprites are found on the sheets the editor loads; what it would say about
    // a sheet's files, the lists' check has said.
    CDisplay display;
    display.Initialise(nullptr, 1, 1);
    CMessagePort quiet;
    const CSheetLibrary library(&display, quiet);
    for (int index = 0; index < kMapCellCount; ++index)
        if (m_map.CellAt(index).HoldsScreen())
            CheckScreen(index % kMapColumns, index / kMapColumns, library);
    for (const CGroup* group : m_map.groups.groups)
        CheckScript(GroupScriptPath(group->id), QuestProblemKind::Scripts,
                    QStringLiteral("The group's script is missing, the build cannot compile it"));
    CheckScript(MainScriptPath(), QuestProblemKind::Scripts,
                QStringLiteral("The main script is missing, the build cannot compile it"));

    std::stable_sort(m_problems.begin(), m_problems.end(),
                     [](const QuestProblem& a, const QuestProblem& b) { return a.kind < b.kind; });
    return m_problems;
}

} // namespace

std::vector<QuestProblem> CheckQuest(const QString& quest)
{
    return CQuestChecker().Run(quest);
}
