#include "quest/QuestCheck.h"

#include "build/NameListExport.h"
#include "display/Display.h"
#include "quest/BuildChecks.h"
#include "quest/PreviewReader.h"
#include "quest/QuestCheckParts.h"
#include "quest/QuestDialogPort.h"
#include "quest/QuestFiles.h"
#include "quest/QuestMap.h"
#include "screens/HoleRecord.h"
#include "screens/Screen.h"
#include "sheets/SheetLibrary.h"
#include "support/io/NativeFile.h"
#include "support/io/NativeFolders.h"
#include "support/io/TextCodec.h"
#include "support/paths/LogicalPath.h"
#include "support/paths/QuestPaths.h"
#include "support/ui/MessagePort.h"
#include "support/ui/WindowPort.h"

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

// A sprite code stands for an entity by its own name or, for a script that
// serves many sprites, with its last character replaced by "#".
QString HashForm(const QString& name)
{
    return name.isEmpty() ? name : name.left(name.size() - 1) + QLatin1Char('#');
}

class CQuestChecker {
public:
    std::vector<QuestProblem> Run(const QString& quest);

private:
    // The messages shown since `from`, as problems of one kind.
    void TakeMessages(size_t from, QuestProblemKind kind);
    bool ReadMapFile(const QString& quest);
    void CheckCompileList();
    void CheckScreen(int column, int row, const CSheetLibrary& library);
    void CheckPreview(int column, int row);
    void CheckScreenElements(const CScreen& screen);
    // A script the build compiles: reported when missing, else its sounds
    // are looked at and it is compiled.
    void CheckScript(const QString& path, QuestProblemKind missingKind, const QString& missingText);

    CMessageCollector m_ui;
    CQuestMap m_map;
    QuestLists m_lists;
    SheetCheck m_sheetCheck;
    QStringList m_scripts; // the scripts that exist, in the order the build compiles them
    CQuestProblems m_problems;
};

void CQuestChecker::TakeMessages(size_t from, QuestProblemKind kind)
{
    for (size_t k = from; k < m_ui.messages.size(); ++k)
        m_problems.Add(kind, m_ui.messages[k].caption, m_ui.messages[k].text);
}

bool CQuestChecker::ReadMapFile(const QString& quest)
{
    if (!IsSafeFileName(quest)) {
        m_problems.Add(QuestProblemKind::MapFile, MapFilePath(quest),
                       QStringLiteral("Couldn't Open Save file for reading"));
        return false;
    }
    CWindowPort noWindow;
    CQuestDialogPort noDialogs;
    CQuestFiles files(m_map, m_ui, noWindow, noDialogs);
    const MapFileReading reading = files.LoadMapFile(MapFilePath(quest), quest);
    if (!reading.isMapFile) {
        TakeMessages(0, QuestProblemKind::MapFile);
        return false;
    }
    // What the map file itself lacks comes first: the editor says so as it
    // loads, and the build refuses the file.
    if (reading.EndsEarly()) {
        m_problems.Add(QuestProblemKind::MapFile, MapFilePath(), MapFileEndText(reading), reading.endsEarlyAtLine);
        m_ui.messages.pop_back();
    }
    // What is left are the previews that did not load: the editor leaves those
    // cells empty, and so does the build.
    TakeMessages(0, QuestProblemKind::ScreenFiles);
    if (reading.cellsOffGrid == 1)
        m_problems.Add(QuestProblemKind::MapFile, MapFilePath(),
                       QStringLiteral("A cell record lies off the 256 x 256 grid, the editor passes over it"));
    else if (reading.cellsOffGrid > 1)
        m_problems.Add(QuestProblemKind::MapFile, MapFilePath(),
                       QStringLiteral("%1 cell records lie off the 256 x 256 grid, the editor passes over them")
                           .arg(reading.cellsOffGrid));
    return true;
}

void CQuestChecker::CheckCompileList()
{
    // The build reads the list, or makes it empty when it is missing.
    const QString list = NativePath(CompileListPath());
    const QString folder = list.left(list.lastIndexOf(QLatin1Char('/')));
    const bool usable = NativePathExists(list) ? IsNativeFile(list) && IsNativeReadable(list)
                                               : IsNativeFolder(folder) && IsNativeWritable(folder);
    if (!usable)
        m_problems.Add(QuestProblemKind::BuildCheck, CompileListPath(), QLatin1String(kCompileListFailure));
}

void CQuestChecker::CheckPreview(int column, int row)
{
    // A preview that did not load at all has been named with the editor's message.
    const int lines = PreviewLinesHeld(PreviewPath(column, row));
    if (lines >= 0 && lines < kPreviewLines)
        m_problems.Add(QuestProblemKind::ScreenFiles, PreviewPath(column, row),
                       QStringLiteral("The preview ends early at line %1, a preview holds %2 lines: the rest of the "
                                      "map's picture of this screen is black")
                           .arg(lines)
                           .arg(kPreviewLines),
                       qMax(lines, 1));
}

void CQuestChecker::CheckScreenElements(const CScreen& screen)
{
    const QString path = screen.FilePath();
    QList<QByteArray> unknown;
    QList<QByteArray> entities;
    auto note = [&](const CPlacedSprite& element) {
        // Hole fills are drawn by their outlines, whatever the sheets hold; a
        // code of a sheet that did not load is that sheet's problem.
        if (!element.sprite && HoleKind(element.code) == 0 && !unknown.contains(element.code)
            && !m_sheetCheck.codesOfUnloadedSheets.contains(element.code) && !m_sheetCheck.someCodesUnknown)
            unknown << element.code;
        if (element.IsEntity() && !entities.contains(element.code))
            entities << element.code;
    };
    for (const CPlacedSprite* placed : screen.placedSprites)
        note(*placed);
    for (const CFill* fill : screen.fills)
        note(fill->tile);
    for (const QByteArray& code : unknown)
        m_problems.Add(QuestProblemKind::SpriteCodes, path,
                       QStringLiteral("Sprite code \"%1\" is on no sheet of the quest, so it is never drawn")
                           .arg(DecodeText(code)));
    for (const QByteArray& code : entities) {
        const QString name = DecodeText(code);
        // A listed entity's script is looked for with the list.
        if (m_lists.entities.Contains(name) || m_lists.entities.Contains(HashForm(name)))
            continue;
        m_problems.Add(QuestProblemKind::Entities, path,
                       QStringLiteral("Entity \"%1\" is not in the quest's entity list %2").arg(name, EntityListPath()));
        if (!HasEntityScript(name) && !HasEntityScript(HashForm(name)))
            m_problems.Add(QuestProblemKind::Entities, path,
                           QStringLiteral("Entity \"%1\" has no script %2").arg(name, EntityScriptPath(name)));
    }
}

void CQuestChecker::CheckScreen(int column, int row, const CSheetLibrary& library)
{
    if (!IsLogicalFile(ScreenFilePath(column, row))) {
        m_problems.Add(QuestProblemKind::ScreenFiles, ScreenFilePath(column, row), QLatin1String(kCouldNotWriteLnd));
    } else {
        CScreen screen(nullptr, nullptr, &library);
        screen.mapCellX = column;
        screen.mapCellY = row;
        screen.Load();
        // What a file cut short holds past its end is not there to look at.
        if (screen.fileEnd.EndsEarly())
            m_problems.Add(QuestProblemKind::ScreenFiles, screen.FilePath(), ScreenFileEndText(screen.fileEnd),
                           screen.fileEnd.atLine);
        else
            CheckScreenElements(screen);
    }
    CheckPreview(column, row);
    CheckScript(ScreenScriptPath(column, row), QuestProblemKind::ScreenFiles,
                QStringLiteral("The screen's script is missing, the build cannot compile it"));
}

void CQuestChecker::CheckScript(const QString& path, QuestProblemKind missingKind, const QString& missingText)
{
    if (!IsLogicalFile(path)) {
        m_problems.Add(missingKind, path, missingText);
        return;
    }
    CheckPlayedSounds(m_problems, path, m_lists, m_map.properties.includeSound != 0);
    m_scripts << path;
}

std::vector<QuestProblem> CQuestChecker::Run(const QString& quest)
{
    if (!ReadMapFile(quest))
        return m_problems.List();
    CheckCompileList();
    if (!StartPositionOnScreen(m_map))
        m_problems.Add(QuestProblemKind::BuildCheck, MapFilePath(), QLatin1String(kStartNotOnScreen));
    for (int index : ScreensOutsideGroups(m_map))
        m_problems.Add(QuestProblemKind::BuildCheck, ScreenFilePath(index % kMapColumns, index / kMapColumns),
                       QLatin1String(kScreensNotInGroups));
    CheckResourceLists(m_problems, m_lists);
    CheckBuildOutput(m_problems, m_map.ScreenCount() > 0, m_map.groups.Count() > 0,
                     !m_lists.entities.Names().isEmpty());
    m_sheetCheck = CheckSheets(m_problems, m_lists);
    // The entity scripts come first in the build, in the list's order.
    for (const QString& name : m_lists.entities.Names())
        if (HasEntityScript(name)) {
            CheckPlayedSounds(m_problems, EntityScriptPath(name), m_lists, m_map.properties.includeSound != 0);
            m_scripts << EntityScriptPath(name);
        }
    // Sprites are found on the sheets the editor loads; what it would say about
    // a sheet's files, the lists' and the sheets' checks have said.
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
    CheckScriptErrors(m_problems, m_scripts);

    std::vector<QuestProblem>& problems = m_problems.List();
    std::stable_sort(problems.begin(), problems.end(),
                     [](const QuestProblem& a, const QuestProblem& b) { return a.kind < b.kind; });
    return problems;
}

} // namespace

void CQuestProblems::Add(QuestProblemKind kind, const QString& path, const QString& text, int line)
{
    QString flat = text;
    flat.replace(QLatin1Char('\n'), QLatin1Char(' '));
    m_problems.push_back({kind, path, line, flat.simplified()});
}

bool HasEntityScript(const QString& name)
{
    return ResourceNameProblem(name, name).isEmpty() && IsLogicalFile(EntityScriptPath(name));
}

QString QuestProblemKindName(QuestProblemKind kind)
{
    switch (kind) {
    case QuestProblemKind::MapFile:
        return QStringLiteral("map-file");
    case QuestProblemKind::BuildCheck:
        return QStringLiteral("build-check");
    case QuestProblemKind::BuildOutput:
        return QStringLiteral("build-output");
    case QuestProblemKind::ScreenFiles:
        return QStringLiteral("screen-files");
    case QuestProblemKind::Scripts:
        return QStringLiteral("scripts");
    case QuestProblemKind::ScriptErrors:
        return QStringLiteral("script-errors");
    case QuestProblemKind::Sheets:
        return QStringLiteral("sheets");
    case QuestProblemKind::SpriteCodes:
        return QStringLiteral("sprite-codes");
    case QuestProblemKind::Entities:
        return QStringLiteral("entities");
    case QuestProblemKind::Sounds:
        return QStringLiteral("sounds");
    case QuestProblemKind::ResourceLists:
        return QStringLiteral("resource-lists");
    }
    return QString();
}

std::vector<QuestProblem> CheckQuest(const QString& quest)
{
    return CQuestChecker().Run(quest);
}
