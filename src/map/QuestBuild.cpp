// The quest build and the commands around it: Write Quest file, Recompile all
// scripts, Find engine, Test Quest and the quest copy.
#include "map/MapDesigner.h"

#include "build/CompileList.h"
#include "build/NameListExport.h"
#include "build/VirtualArchive.h"
#include "document/QuestDoc.h"
#include "map/QuestFolder.h"
#include "support/DiagnosticLog.h"
#include "support/Globals.h"
#include "support/LogicalPath.h"
#include "support/Processes.h"
#include "support/QuestFilePath.h"
#include "support/Settings.h"
#include "support/UiPort.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace {

const QString kErrorCaption = QStringLiteral("Error");

QString CellName(int column, int row)
{
    return QStringLiteral("%1-%2").arg(column).arg(row);
}

// What a build walks through, so that a long build can tell how far it is.
int BuildSteps(const CQuestMap& map, const CQuestDoc* doc)
{
    return map.ScreenCount() + map.groups.Count() + 1 + (doc ? doc->entityList->Names().size() : 0) + 4;
}

} // namespace

QString CMapDesigner::QuestArchivePath()
{
    return QStringLiteral("output\\") + g_questName + QStringLiteral(".qst");
}

bool CMapDesigner::StartPositionOnScreen() const
{
    const int64_t sx = map.properties.startX;
    const int64_t sy = map.properties.startY;
    for (int index = 0; index < kMapCellCount; ++index) {
        const CMapCell& cell = map.CellAt(index);
        if (!cell.HoldsScreen())
            continue;
        const int64_t i = index % kMapColumns;
        const int64_t j = index / kMapColumns;
        if (i * kScreenWidth <= sx && sx <= i * kScreenWidth + kScreenWidth && j * kScreenHeight <= sy
            && sy <= j * kScreenHeight + kScreenHeight)
            return true;
    }
    return false;
}

bool CMapDesigner::AllScreensInGroups() const
{
    for (int index = 0; index < kMapCellCount; ++index) {
        const CMapCell& cell = map.CellAt(index);
        if (cell.HoldsScreen() && !map.FindGroupAt(cell.x + kCellWidth / 2, cell.y + kCellHeight / 2))
            return false;
    }
    return true;
}

int CMapDesigner::BuildQuest(bool showSuccess)
{
    const QString questFile = QuestArchivePath();
    if (!compileList->LoadCompileList()) {
        LogLine(QStringLiteral("Can't build compile list!"));
        return 0;
    }
    if (!StartPositionOnScreen()) {
        ui->MessageBox(QStringLiteral("The player's starting position has to be on\na screen, change this in the "
                                      "quest properties\nOption screen"),
                       QStringLiteral("Attention"));
        return 0;
    }
    if (!AllScreensInGroups()) {
        ui->MessageBox(QStringLiteral("One or more of your screens is not in a group, you can\ncreate a group by "
                                      "right-clicking and dragging in the map\ndesigner, please put all you screens "
                                      "in a group and try again."),
                       QStringLiteral("Attention"));
        return 0;
    }
    archive = std::make_unique<CVirtualArchive>(questFile);

    int done = 0;
    const int total = BuildSteps(map, document);
    auto progress = [&](const QString& step) { ui->Progress(step, done++, total); };
    auto collect = [&]() -> bool {
        // The map file goes in as it is now.
        SaveMapFile();
        const QString mapFile = QStringLiteral("save\\") + g_questName + QStringLiteral(".qss");
        if (!archive->AddFile(mapFile, QStringLiteral("qss"), 1)) {
            ui->MessageBox(QStringLiteral("Couldn't Write QSS file to the archive"), kErrorCaption);
            return false;
        }
        progress(QStringLiteral("entities"));
        if (!document || !ExportEntities(*document->entityList, *archive, *compileList, *ui))
            return false;
        for (int index = 0; index < kMapCellCount; ++index) {
            const CMapCell& cell = map.CellAt(index);
            if (!cell.HoldsScreen())
                continue;
            const QString n = CellName(index % kMapColumns, index / kMapColumns);
            progress(QStringLiteral("screen ") + n);
            const QString lnd = QuestFilePath(QStringLiteral("screens\\") + n + QStringLiteral(".lnd"));
            if (!archive->AddFile(lnd, n + QStringLiteral(".lnd"), 1)) {
                ui->MessageBox(QStringLiteral("Couldn't Write LND file to the archive"), lnd);
                return false;
            }
            if (!compileList->CompileIfChanged(QuestFilePath(QStringLiteral("scripts\\screen\\") + n + QStringLiteral(".ves"))))
                return false;
            const QString amx = QuestFilePath(QStringLiteral("scripts\\screen\\amx\\") + n + QStringLiteral(".amx"));
            if (!archive->AddFile(amx, QStringLiteral("LS") + n + QStringLiteral(".amx"), 0)) {
                ui->MessageBox(QStringLiteral("Couldn't Write LND file to the archive"), amx);
                return false;
            }
        }
        for (CGroup* group : map.groups.groups) {
            const QString n = QString::number(group->id);
            progress(QStringLiteral("group ") + n);
            if (!compileList->CompileIfChanged(QuestFilePath(QStringLiteral("scripts\\group\\") + n + QStringLiteral(".ves"))))
                return false;
            const QString amx = QuestFilePath(QStringLiteral("scripts\\group\\amx\\") + n + QStringLiteral(".amx"));
            if (!archive->AddFile(amx, QStringLiteral("GS") + n + QStringLiteral(".amx"), 0)) {
                ui->MessageBox(QStringLiteral("Couldn't Write LND file to the archive"), amx);
                return false;
            }
        }
        progress(QStringLiteral("main script"));
        if (!compileList->CompileIfChanged(QuestFilePath(QStringLiteral("scripts\\main\\main.ves"))))
            return false;
        const QString mainAmx = QuestFilePath(QStringLiteral("scripts\\main\\amx\\main.amx"));
        if (!archive->AddFile(mainAmx, QStringLiteral("main.amx"), 0)) {
            ui->MessageBox(QStringLiteral("Couldn't Write main script to the archive"), mainAmx);
            return false;
        }
        progress(QStringLiteral("sprite sheets"));
        if (!ExportSheets(*document->sheetList, *archive, *ui))
            return false;
        progress(QStringLiteral("sounds"));
        return ExportSounds(*document->soundList, *archive, map.properties.includeSound != 0, *ui) > 0;
    };
    const bool collected = collect();
    if (collected)
        progress(QStringLiteral("writing ") + questFile);
    ui->Progress(QString(), total, total); // the build is over either way
    if (!collected)
        return 0;
    if (archive->Build() == CVirtualArchive::BuildOk) {
        if (showSuccess)
            ui->MessageBox(QStringLiteral("Success!\nWrote QST file, you can now\nload this into Vantraglen"), questFile);
        return 1;
    }
    ui->MessageBox(QStringLiteral("Could not write QST file"), kErrorCaption);
    return 0;
}

void CMapDesigner::RecompileAllScripts(bool mapDesignerActive)
{
    if (!compileList->RecompileAll())
        return;
    if (mapDesignerActive)
        BuildQuest(false);
}

int CMapDesigner::FindEngine()
{
    // The engine need not be called ".exe" on every system, so all files are offered too.
    const QString chosen = ui->ChooseOpenFile(QStringLiteral("*.exe"), QStringLiteral("Vantraglen.exe"),
                                              QStringLiteral("Vantraglen.exe |*.exe|All Files (*)|*||"));
    if (chosen.isEmpty())
        return 0;
    WriteSetting(QStringLiteral("options"), QStringLiteral("VGlocation"), chosen);
    return 1;
}

bool CMapDesigner::TestQuest(bool mapDesignerActive)
{
    QString engine = ReadSetting(QStringLiteral("options"), QStringLiteral("VGlocation"), QStringLiteral("none")).toString();
    if (engine == QLatin1String("none")) {
        if (!FindEngine())
            return false;
        engine = ReadSetting(QStringLiteral("options"), QStringLiteral("VGlocation"), QStringLiteral("none")).toString();
    }
    if (mapDesignerActive && !BuildQuest(false))
        return false;
    // The quest file's full path is one argument, whatever blanks it holds.
    const QString questFile = NativePath(QuestArchivePath());
    const QString engineFolder = QFileInfo(engine).absolutePath();
    return StartDetached(engine, QStringLiteral("1"), {questFile}, engineFolder);
}

void CMapDesigner::CopyQuest()
{
    QString name;
    if (!ui->AskName(QStringLiteral("Enter name for Quest Copy"), QStringLiteral("Enter a name for the copied quest:"),
                     name))
        return;
    if (g_questName.isEmpty()) {
        ui->MessageBox(QStringLiteral("There is no open quest to copy"), kErrorCaption);
        return;
    }
    // The copy must land in a folder of its own, never in "questdata\" itself or
    // over another quest.
    const QString problem = QuestNameProblem(name);
    if (!problem.isEmpty()) {
        ui->MessageBox(problem, kErrorCaption);
        return;
    }
    const bool copied = CopyQuestFolder(QStringLiteral("questdata\\") + g_questName,
                                        QStringLiteral("questdata\\") + name,
                                        QStringLiteral("save\\") + g_questName + QStringLiteral(".qss"),
                                        QStringLiteral("save\\") + name + QStringLiteral(".qss"));
    if (!copied) {
        ui->MessageBox(QStringLiteral("Couldn't copy the quest, not every file could be copied"), kErrorCaption);
        return;
    }
    ui->MessageBox(QStringLiteral("Quest Copied!"), QStringLiteral("Complete"));
}
