#include "quest/QuestBuild.h"

#include "build/CompileList.h"
#include "build/NameList.h"
#include "build/NameListExport.h"
#include "build/VirtualArchive.h"
#include "quest/BuildChecks.h"
#include "quest/Quest.h"
#include "quest/QuestFolder.h"
#include "quest/QuestMap.h"
#include "support/io/NativeFolders.h"
#include "support/paths/Globals.h"
#include "support/paths/LogicalPath.h"
#include "support/paths/QuestPaths.h"
#include "support/platform/DiagnosticLog.h"
#include "support/platform/Processes.h"
#include "support/platform/Settings.h"
#include "support/ui/MessagePort.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {
const QString kErrorCaption = QStringLiteral("Error");
// A build that left listed resources out says which, so that its success is
// not taken for a whole quest.
QString SuccessMessage(const QStringList& leftOut)
{
    QString text = QStringLiteral("Success!\nWrote QST file, you can now\nload this into Vantraglen");
    if (!leftOut.isEmpty())
        text += QStringLiteral("\n\nLeft out of the quest file:\n") + leftOut.join(QLatin1Char('\n'));
    return text;
}
} // namespace

CQuestBuild::CQuestBuild(CQuest& quest, CMessagePort& messages)
    : m_quest(quest), m_messages(messages),
      m_compileList(std::make_unique<CCompileList>(messages))
{
}

CQuestBuild::~CQuestBuild() = default;

bool CQuestBuild::StartPositionOnScreen() const
{
    return ::StartPositionOnScreen(m_quest.map);
}

bool CQuestBuild::AllScreensInGroups() const
{
    return ScreensOutsideGroups(m_quest.map).empty();
}

void CQuestBuild::Step(const QString& step)
{
    m_messages.Progress(step, m_stepsDone++, m_stepsTotal);
}

bool CQuestBuild::AddMapFile()
{
    // The map file goes in as it is now.
    m_quest.files.SaveMapFile();
    if (!m_archive->AddFile(MapFilePath(), QStringLiteral("qss"), 1)) {
        m_messages.MessageBox(QStringLiteral("Couldn't Write QSS file to the archive"), kErrorCaption);
        return false;
    }
    return true;
}

bool CQuestBuild::AddScreens()
{
    for (int index = 0; index < kMapCellCount; ++index) {
        if (!m_quest.map.CellAt(index).HoldsScreen())
            continue;
        const int column = index % kMapColumns;
        const int row = index / kMapColumns;
        const QString name = ScreenName(column, row);
        Step(QStringLiteral("screen ") + name);
        const QString lnd = ScreenFilePath(column, row);
        if (!m_archive->AddFile(lnd, name + QStringLiteral(".lnd"), 1)) {
            m_messages.MessageBox(QLatin1String(kCouldNotWriteLnd), lnd);
            return false;
        }
        if (!m_compileList->CompileIfChanged(ScreenScriptPath(column, row)))
            return false;
        const QString amx = CompiledScreenScriptPath(column, row);
        if (!m_archive->AddFile(amx, QStringLiteral("LS") + name + QStringLiteral(".amx"), 0)) {
            m_messages.MessageBox(QLatin1String(kCouldNotWriteLnd), amx);
            return false;
        }
    }
    return true;
}

bool CQuestBuild::AddGroups()
{
    for (CGroup* group : m_quest.map.groups.groups) {
        const QString name = QString::number(group->id);
        Step(QStringLiteral("group ") + name);
        if (!m_compileList->CompileIfChanged(GroupScriptPath(group->id)))
            return false;
        const QString amx = CompiledGroupScriptPath(group->id);
        if (!m_archive->AddFile(amx, QStringLiteral("GS") + name + QStringLiteral(".amx"), 0)) {
            m_messages.MessageBox(QLatin1String(kCouldNotWriteLnd), amx);
            return false;
        }
    }
    return true;
}

bool CQuestBuild::AddMainScript()
{
    Step(QStringLiteral("main script"));
    if (!m_compileList->CompileIfChanged(MainScriptPath()))
        return false;
    const QString amx = CompiledMainScriptPath();
    if (!m_archive->AddFile(amx, QStringLiteral("main.amx"), 0)) {
        m_messages.MessageBox(QStringLiteral("Couldn't Write main script to the archive"), amx);
        return false;
    }
    return true;
}

// The parts go into the archive in the order the engine expects: the map file,
// the entities, every screen, every group, the main script, the sheets, the sounds.
bool CQuestBuild::CollectQuest()
{
    if (!AddMapFile())
        return false;
    Step(QStringLiteral("entities"));
    // The scripts of the map, in the order they are added below.
    QStringList mapScripts;
    for (int index = 0; index < kMapCellCount; ++index)
        if (m_quest.map.CellAt(index).HoldsScreen())
            mapScripts.append(ScreenScriptPath(index % kMapColumns, index / kMapColumns));
    for (const CGroup* group : m_quest.map.groups.groups)
        mapScripts.append(GroupScriptPath(group->id));
    mapScripts.append(MainScriptPath());
    if (!ExportEntities(m_quest.entityList, *m_archive, *m_compileList, m_messages, &m_leftOut, mapScripts))
        return false;
    if (!AddScreens() || !AddGroups() || !AddMainScript())
        return false;
    Step(QStringLiteral("sprite sheets"));
    if (!ExportSheets(m_quest.sheetList, *m_archive, m_messages, &m_leftOut))
        return false;
    Step(QStringLiteral("sounds"));
    return ExportSounds(m_quest.soundList, *m_archive, m_quest.map.properties.includeSound != 0, m_messages, &m_leftOut)
           > 0;
}

int CQuestBuild::BuildQuest(bool showSuccess)
{
    const QString questFile = QuestArchivePath();
    // A map file read only in part is neither packed nor rewritten unasked.
    if (m_quest.files.MapFileEndsEarly()) {
        m_messages.MessageBox(m_quest.files.MapFileEnd() + QStringLiteral(
                                  ".\nSave the quest to write the map file whole, then build again."),
                              MapFilePath());
        return 0;
    }
    if (!m_compileList->LoadCompileList()) {
        LogLine(QLatin1String(kCompileListFailure));
        return 0;
    }
    if (!StartPositionOnScreen()) {
        m_messages.MessageBox(QLatin1String(kStartNotOnScreen), QStringLiteral("Attention"));
        return 0;
    }
    if (!AllScreensInGroups()) {
        m_messages.MessageBox(QLatin1String(kScreensNotInGroups), QStringLiteral("Attention"));
        return 0;
    }
    m_archive = std::make_unique<CVirtualArchive>(questFile);
    m_leftOut.clear();
    // The folder the lists for the engine and the quest file go into.
    MakeNativeFolder(NativePath(EngineListFolderPath()), true);
    // What a build walks through, so that a long build can tell how far it is.
    m_stepsDone = 0;
    m_stepsTotal = m_quest.map.ScreenCount() + m_quest.map.groups.Count() + 1
                   + int(m_quest.entityList.Names().size()) + 4;
    const bool collected = CollectQuest();
    m_compileList->FinishCompilesAhead(); // a compile the build stopped before
    if (collected)
        Step(QStringLiteral("writing ") + questFile);
    m_messages.Progress(QString(), m_stepsTotal, m_stepsTotal); // the build is over either way
    if (!collected)
        return 0;
    if (m_archive->Build() == CVirtualArchive::BuildOk) {
        if (showSuccess)
            m_messages.MessageBox(SuccessMessage(m_leftOut), questFile);
        else if (!m_leftOut.isEmpty()) // the engine is not started on a quest file taken for whole
            m_messages.MessageBox(QStringLiteral("Wrote QST file, but left out of it:\n") + m_leftOut.join(QLatin1Char('\n')),
                                  QStringLiteral("Warning"));
        return 1;
    }
    m_messages.MessageBox(QStringLiteral("Could not write QST file"), kErrorCaption);
    return 0;
}

void CQuestBuild::RecompileAllScripts(bool mapDesignerActive)
{
    if (!m_compileList->RecompileAll())
        return;
    if (mapDesignerActive)
        BuildQuest(false);
}

int CQuestBuild::FindEngine()
{
    // The engine need not be called ".exe" on every system, so all files are offered too.
    const QString chosen = m_messages.ChooseOpenFile(QStringLiteral("*.exe"), QStringLiteral("Vantraglen.exe"),
                                                     QStringLiteral("Vantraglen.exe |*.exe|All Files (*)|*||"));
    if (chosen.isEmpty())
        return 0;
    WriteSetting(QStringLiteral("options"), QStringLiteral("VGlocation"), chosen);
    return 1;
}

bool CQuestBuild::TestQuest(bool mapDesignerActive)
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
    if (StartDetached(engine, QStringLiteral("1"), {questFile}, engineFolder))
        return true;
    // Told as the compiler's failed start is: nothing else would show that
    // the engine never ran.
    m_messages.MessageBox(QStringLiteral("Couldn't find or run Vantraglen!"), engine);
    LogLine(QStringLiteral("Couldn't find or run Vantraglen!"));
    return false;
}

void CQuestBuild::CopyQuest()
{
    QString name;
    if (!m_messages.AskName(QStringLiteral("Enter name for Quest Copy"),
                            QStringLiteral("Enter a name for the copied quest:"), name))
        return;
    if (g_questName.isEmpty()) {
        m_messages.MessageBox(QStringLiteral("There is no open quest to copy"), kErrorCaption);
        return;
    }
    // The copy must land in a folder of its own, never in "questdata\" itself or
    // over another quest.
    const QString problem = QuestNameProblem(name);
    if (!problem.isEmpty()) {
        m_messages.MessageBox(problem, kErrorCaption);
        return;
    }
    const bool copied = CopyQuestFolder(QuestFolderPath(g_questName), QuestFolderPath(name), MapFilePath(),
                                        MapFilePath(name));
    if (!copied) {
        m_messages.MessageBox(QStringLiteral("Couldn't copy the quest, not every file could be copied"), kErrorCaption);
        return;
    }
    m_messages.MessageBox(QStringLiteral("Quest Copied!"), QStringLiteral("Complete"));
}
