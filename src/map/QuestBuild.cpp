#include "map/QuestBuild.h"

#include "build/CompileList.h"
#include "build/NameList.h"
#include "build/NameListExport.h"
#include "build/VirtualArchive.h"
#include "map/BuildChecks.h"
#include "map/MapHost.h"
#include "map/QuestFiles.h"
#include "map/QuestFolder.h"
#include "map/QuestMap.h"
#include "support/DiagnosticLog.h"
#include "support/Globals.h"
#include "support/LogicalPath.h"
#include "support/MessagePort.h"
#include "support/Processes.h"
#include "support/QuestPaths.h"
#include "support/Settings.h"

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

CQuestBuild::CQuestBuild(CQuestMap& map, CQuestFiles& files, CMessagePort& messages, CMapHost* host)
    : m_map(map), m_files(files), m_messages(messages), m_host(host),
      m_compileList(std::make_unique<CCompileList>(messages))
{
}

CQuestBuild::~CQuestBuild() = default;

bool CQuestBuild::StartPositionOnScreen() const
{
    return ::StartPositionOnScreen(m_map);
}

bool CQuestBuild::AllScreensInGroups() const
{
    return ScreensOutsideGroups(m_map).empty();
}

void CQuestBuild::Step(const QString& step)
{
    m_messages.Progress(step, m_stepsDone++, m_stepsTotal);
}

bool CQuestBuild::AddMapFile()
{
    // The map file goes in as it is now.
    m_files.SaveMapFile();
    if (!m_archive->AddFile(MapFilePath(), QStringLiteral("qss"), 1)) {
        m_messages.MessageBox(QStringLiteral("Couldn't Write QSS file to the archive"), kErrorCaption);
        return false;
    }
    return true;
}

bool CQuestBuild::AddScreens()
{
    for (int index = 0; index < kMapCellCount; ++index) {
        if (!m_map.CellAt(index).HoldsScreen())
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
    for (CGroup* group : m_map.groups.groups) {
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
    if (!m_host || !ExportEntities(m_host->EntityList(), *m_archive, *m_compileList, m_messages, &m_leftOut))
        return false;
    if (!AddScreens() || !AddGroups() || !AddMainScript())
        return false;
    Step(QStringLiteral("sprite sheets"));
    if (!ExportSheets(m_host->SheetList(), *m_archive, m_messages, &m_leftOut))
        return false;
    Step(QStringLiteral("sounds"));
    return ExportSounds(m_host->SoundList(), *m_archive, m_map.properties.includeSound != 0, m_messages, &m_leftOut)
           > 0;
}

int CQuestBuild::BuildQuest(bool showSuccess)
{
    const QString questFile = QuestArchivePath();
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
    // What a build walks through, so that a long build can tell how far it is.
    m_stepsDone = 0;
    m_stepsTotal = m_map.ScreenCount() + m_map.groups.Count() + 1
                   + (m_host ? int(m_host->EntityList().Names().size()) : 0) + 4;
    const bool collected = CollectQuest();
    if (collected)
        Step(QStringLiteral("writing ") + questFile);
    m_messages.Progress(QString(), m_stepsTotal, m_stepsTotal); // the build is over either way
    if (!collected)
        return 0;
    if (m_archive->Build() == CVirtualArchive::BuildOk) {
        if (showSuccess)
            m_messages.MessageBox(SuccessMessage(m_leftOut), questFile);
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
    return StartDetached(engine, QStringLiteral("1"), {questFile}, engineFolder);
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
