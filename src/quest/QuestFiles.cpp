#include "quest/QuestFiles.h"

#include "quest/MapFile.h"
#include "quest/QuestDialogPort.h"
#include "quest/QuestFolder.h"
#include "quest/QuestMap.h"
#include "support/io/NativeFile.h"
#include "support/io/TextFile.h"
#include "support/paths/Globals.h"
#include "support/paths/LogicalPath.h"
#include "support/paths/QuestPaths.h"
#include "support/platform/RecentFiles.h"
#include "support/ui/MessagePort.h"
#include "support/ui/WindowPort.h"

#include <QFile>
#include <QFileInfo>

namespace {
QString WindowTitle()
{
    return g_questName + QStringLiteral(" - Tessellmancery");
}
} // namespace

CQuestFiles::CQuestFiles(CQuestMap& map, CMessagePort& messages, CWindowPort& window, CQuestDialogPort& dialogs)
    : m_map(map), m_messages(messages), m_window(window), m_dialogs(dialogs)
{
}

bool CQuestFiles::SaveMapFile()
{
    const QString path = MapFilePath();
    // Without an open quest there is no map file to write (it would be "save\.qss").
    if (g_questName.isEmpty()) {
        m_messages.MessageBox(QStringLiteral("Couldn't Open Save file"), path);
        return false;
    }
    // What is written is what will be read again: string fields the file cannot
    // carry whole are cut in the model too.
    m_map.properties.fullName = MapStringField(m_map.properties.fullName);
    for (CGroup* g : m_map.groups.groups)
        g->music = MapStringField(g->music);
    CTextWriter file;
    if (!file.Open(path)) {
        m_messages.MessageBox(QStringLiteral("Couldn't Open Save file"), path);
        return false;
    }
    file.Raw(MapFileBytes(m_map));
    if (file.Commit()) {
        m_mapFileEnd.clear();
        return true;
    }
    m_messages.MessageBox(QStringLiteral("Couldn't Open Save file"), path);
    return false;
}

MapFileReading CQuestFiles::LoadMapFile(const QString& path, const QString& questName)
{
    QFile file;
    if (!OpenLogicalFileForReading(file, path)) {
        m_messages.MessageBox(QStringLiteral("Couldn't Open Save file for reading"), path);
        return MapFileReading();
    }
    const MapFileReading reading = ReadMapFileBytes(file.readAll(), m_map);
    if (!reading.isMapFile) {
        m_messages.MessageBox(QStringLiteral("Invalid Map File"), path);
        return reading;
    }
    g_questName = questName;
    m_mapFileEnd = reading.EndsEarly() ? MapFileEndText(reading) : QString();
    // A map may hold 65,536 screens: their previews are looked up in their
    // folder, opened once, and only one not there as written by its path.
    const QString firstPreview = NativePathAsWritten(PreviewPath(0, 0));
    const CFolderReadCheck screens(firstPreview.left(firstPreview.lastIndexOf(QLatin1Char('/'))));
    for (const MapFileReading::Cell& screen : reading.screens) {
        const QByteArray name = PreviewFileName(screen.column, screen.row).toLatin1();
        SetPreview(m_map.Cell(screen.column, screen.row), screen.column, screen.row, screens.CanRead(name));
    }
    // What the file does not hold reads as 0 or empty; the person decides
    // whether the quest as shown is what they want to save.
    if (reading.EndsEarly())
        m_messages.MessageBox(m_mapFileEnd + QStringLiteral(
                                  ".\nWhat is missing was read as 0 or empty. Check the quest's properties and "
                                  "groups, then save the quest to write the map file whole; until then it is not "
                                  "built."),
                              path);
    m_window.SetWindowTitle(WindowTitle());
    m_window.RequestFrame();
    return reading;
}

int CQuestFiles::OpenQuest(bool askToSave)
{
    const QString chosen = m_messages.ChooseOpenFile(QStringLiteral("*.qss"), QStringLiteral("save\\*.qss"),
                                                     QStringLiteral("QSS files (*.qss)|*.qss|All Files (*.*)|*.*||"));
    if (chosen.isEmpty())
        return 0;
    return OpenQuestFile(chosen, askToSave);
}

int CQuestFiles::OpenQuestFile(const QString& chosen, bool askToSave)
{
    if (askToSave) {
        const int answer = m_messages.MessageBox(QStringLiteral("Do you want to save the current quest?"),
                                                 QStringLiteral("Attention"), CMessagePort::ButtonsYesNoCancel);
        if (answer == CMessagePort::AnswerCancel)
            return 0;
        if (answer == CMessagePort::AnswerYes)
            SaveMapFile();
    }
    const QString fileName = QFileInfo(chosen).fileName();
    const QString questName = fileName.section(QLatin1Char('.'), 0, 0);
    if (questName.isEmpty() || !IsSafeFileName(questName)) {
        m_messages.MessageBox(QStringLiteral("Invalid Map File"), chosen);
        return 1;
    }
    if (LoadMapFile(chosen, questName).isMapFile)
        AddRecentFile(chosen);
    return 1;
}

int CQuestFiles::OpenRecentQuest(int index)
{
    const QString path = RecentFiles().value(index);
    if (path.isEmpty())
        return 0;
    // Asked before the question about saving: there is nothing to open.
    if (!QFileInfo(path).isFile()) {
        RemoveRecentFile(path);
        m_messages.MessageBox(QStringLiteral("This map file is no longer there; it is taken off the recent files"),
                              path);
        return 0;
    }
    return OpenQuestFile(path, true);
}

bool CQuestFiles::NewQuestCommand()
{
    QString name;
    if (!m_dialogs.AskQuestName(name))
        return false;
    return NewQuestNamed(name);
}

bool CQuestFiles::NewQuestNamed(const QString& name)
{
    const QString problem = QuestNameProblem(name);
    if (!problem.isEmpty()) {
        m_messages.MessageBox(problem, QStringLiteral("Error"));
        return false;
    }
    g_questName = name;
    NewQuest();
    return true;
}

void CQuestFiles::NewQuest()
{
    m_mapFileEnd.clear();
    m_map.NewModel();
    CreateQuestFolder(g_questName);
    m_window.SetWindowTitle(WindowTitle());
    SaveMapFile();
    m_window.RequestFrame();
}

void CQuestFiles::LoadPreview(CMapCell& cell, int column, int row)
{
    SetPreview(cell, column, row, false);
}

void CQuestFiles::SetPreview(CMapCell& cell, int column, int row, bool opens)
{
    // Only whether the file opens is looked at here; its pixels are read when
    // the cell is drawn, so that opening a large map reads no preview.
    const QString path = PreviewPath(column, row);
    if (!opens)
        opens = CanOpenLogicalFileForReading(path);
    cell.holdsScreen = opens;
    cell.previewUnwritten = false;
    m_map.previews.Forget(column, row);
    if (!opens)
        m_messages.MessageBox(QStringLiteral("Couldn't open screen preview"), path);
}

void CQuestFiles::DeleteScreen(CMapCell& cell)
{
    const int column = m_map.ColumnOf(cell);
    const int row = m_map.RowOf(cell);
    m_map.SetScreen(column, row, false);
    for (const QString& path : {ScreenFilePath(column, row), PreviewPath(column, row), ScreenScriptPath(column, row)}) {
        QFile file;
        OpenNativeFile(file, NativePath(path), QIODevice::WriteOnly | QIODevice::Truncate); // emptied, or made empty
    }
}

int CQuestFiles::CopyScreenFiles(int sourceColumn, int sourceRow, int destColumn, int destRow, bool* complete)
{
    if (sourceColumn == destColumn && sourceRow == destRow)
        return 0;
    bool allCopied = true;
    const std::pair<QString, QString> copies[] = {
        {ScreenFilePath(sourceColumn, sourceRow), ScreenFilePath(destColumn, destRow)},
        {PreviewPath(sourceColumn, sourceRow), PreviewPath(destColumn, destRow)},
        {ScreenScriptPath(sourceColumn, sourceRow), ScreenScriptPath(destColumn, destRow)},
    };
    for (const auto& [from, to] : copies) {
        // A file the screen does not have is passed over; one that exists and
        // cannot be copied means the screen did not arrive whole.
        if (!IsLogicalFile(from))
            continue;
        if (!CopyFileReplacing(from, to))
            allCopied = false;
    }
    if (complete)
        *complete = allCopied;
    return 1;
}

void CQuestFiles::MoveOrCopyScreen(CMapCell& cell, int destColumn, int destRow, bool copy)
{
    if (!CQuestMap::ValidCellCoordinates(destColumn, destRow))
        return;
    CMapCell& destination = m_map.Cell(destColumn, destRow);
    if (destination.HoldsScreen()
        && m_messages.MessageBox(QStringLiteral("Destination map cell is currently used, do you want to overwrite it?"),
                                 QStringLiteral("Moving Screen"), CMessagePort::ButtonsYesNo)
               != CMessagePort::AnswerYes)
        return;
    bool complete = true;
    if (!CopyScreenFiles(m_map.ColumnOf(cell), m_map.RowOf(cell), destColumn, destRow, &complete)) {
        m_messages.MessageBox(QStringLiteral("Couldn't copy screen files"), QStringLiteral("Error"));
        return;
    }
    // A move whose copy failed part-way keeps its source: emptying it would
    // lose the screen.
    if (!complete)
        m_messages.MessageBox(QStringLiteral("Couldn't copy screen files"), QStringLiteral("Error"));
    destination.inside = cell.inside;
    LoadPreview(destination, destColumn, destRow);
    if (!copy && complete)
        DeleteScreen(cell);
}
