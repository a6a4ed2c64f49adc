#include "map/MapDesigner.h"

#include "display/Display.h"
#include "map/MapFile.h"
#include "map/PreviewReader.h"
#include "map/QuestFolder.h"
#include "support/Globals.h"
#include "support/LineHelpers.h"
#include "support/LogicalPath.h"
#include "support/QuestFilePath.h"
#include "support/TextFile.h"
#include "support/UiPort.h"

#include <QFileInfo>

namespace {
QString WindowTitle()
{
    return g_questName + QStringLiteral(" - Tessellmancery");
}
} // namespace

CMapDesigner::CMapDesigner(CUiPort* port) : ui(port) {}

CMapDesigner::~CMapDesigner() = default;

void CMapDesigner::activate()
{
    ui->SetMenu(134);
}

void CMapDesigner::draw(CDisplay* target)
{
    (void)target;
}

void CMapDesigner::SaveMapFile()
{
    const QString path = QStringLiteral("save\\") + g_questName + QStringLiteral(".qss");
    // What is written is what will be read again: string fields the file cannot
    // carry whole are cut in the model too.
    map.properties.fullName = CutToBytes(map.properties.fullName, kMapStringFieldLimit);
    for (CGroup* g : map.groups.groups)
        g->music = CutToBytes(g->music, kMapStringFieldLimit);
    CTextWriter file;
    if (!file.Open(path)) {
        ui->MessageBox(QStringLiteral("Couldn't Open Save file"), path);
        return;
    }
    file.Raw(MapFileBytes(map));
    if (!file.Commit())
        ui->MessageBox(QStringLiteral("Couldn't Open Save file"), path);
}

void CMapDesigner::LoadMapFile(const QString& path, const QString& questName)
{
    CTextReader file;
    if (!file.Open(path)) {
        ui->MessageBox(QStringLiteral("Couldn't Open Save file for reading"), path);
        return;
    }
    QByteArray magic;
    if (!ReadByteLine(magic, file) || magic != kMapFileMagic) {
        ui->MessageBox(QStringLiteral("Invalid Map File"), path);
        return;
    }
    g_questName = questName;
    map.ResetGrid();
    // A truncated file leaves the defaults rather than the last quest's values.
    map.ResetProperties();
    // Counts come from a file people edit: the records end with the file, not
    // with the count.
    const int32_t cells = ReadIntLine(file);
    for (int32_t k = 0; k < cells && !file.AtEnd(); ++k) {
        const int32_t column = ReadIntLine(file);
        const int32_t row = ReadIntLine(file);
        const int32_t inside = ReadIntLine(file);
        if (!CQuestMap::ValidCellCoordinates(column, row))
            continue;
        CMapCell& cell = map.Cell(column, row);
        LoadPreview(cell, column, row);
        cell.inside = inside;
    }
    const int32_t groups = ReadIntLine(file);
    for (int32_t k = 0; k < groups && !file.AtEnd(); ++k) {
        auto group = std::make_unique<CGroup>();
        group->id = ReadIntLine(file);
        group->left = ReadIntLine(file);
        group->top = ReadIntLine(file);
        group->right = ReadIntLine(file);
        group->bottom = ReadIntLine(file);
        group->reserved = ReadIntLine(file);
        ReadStringLine(group->music, file);
        map.groups.Append(std::move(group));
    }
    QuestProperties& p = map.properties;
    p.startX = ReadIntLine(file);
    p.startY = ReadIntLine(file);
    ReadStringLine(p.fullName, file);
    p.finalVersion = ReadIntLine(file);
    p.includeSound = ReadIntLine(file);
    ui->SetWindowTitle(WindowTitle());
}

int CMapDesigner::OpenQuest(bool askToSave)
{
    const QString chosen = ui->ChooseOpenFile(QStringLiteral("*.qss"), QStringLiteral("save\\*.qss"),
                                              QStringLiteral("QSS files (*.qss)|*.qss|All Files (*.*)|*.*||"));
    if (chosen.isEmpty())
        return 0;
    if (askToSave) {
        const int answer = ui->MessageBox(QStringLiteral("Do you want to save the current quest?"),
                                          QStringLiteral("Attention"), CUiPort::ButtonsYesNoCancel);
        if (answer == CUiPort::AnswerCancel)
            return 0;
        if (answer == CUiPort::AnswerYes)
            SaveMapFile();
    }
    const QString fileName = QFileInfo(chosen).fileName();
    const QString questName = fileName.section(QLatin1Char('.'), 0, 0);
    if (questName.isEmpty() || !IsSafeFileName(questName)) {
        ui->MessageBox(QStringLiteral("Invalid Map File"), chosen);
        return 1;
    }
    LoadMapFile(chosen, questName);
    return 1;
}

bool CMapDesigner::NewQuestCommand()
{
    QString name;
    if (!ui->AskQuestName(name))
        return false;
    return NewQuestNamed(name);
}

bool CMapDesigner::NewQuestNamed(const QString& name)
{
    const QString problem = QuestNameProblem(name);
    if (!problem.isEmpty()) {
        ui->MessageBox(problem, QStringLiteral("Error"));
        return false;
    }
    g_questName = name;
    NewQuest();
    return true;
}

void CMapDesigner::NewQuest()
{
    map.NewModel();
    CreateQuestFolder(g_questName);
    ui->SetWindowTitle(WindowTitle());
    SaveMapFile();
}

QString CMapDesigner::PreviewPath(int column, int row)
{
    return QuestFilePath(QStringLiteral("screens\\%1-%2.bmp").arg(column).arg(row));
}

void CMapDesigner::LoadPreview(CMapCell& cell, int column, int row)
{
    cell.preview.reset();
    const QString path = PreviewPath(column, row);
    auto surface = std::make_unique<CSurface>();
    surface->Create(kPreviewWidth, kPreviewHeight);
    surface->SetColourKey(kKeyGreen);
    if (!ReadPreviewFile(path, *surface)) {
        ui->MessageBox(QStringLiteral("Couldn't open screen preview"), path);
        return;
    }
    cell.preview = std::move(surface);
}
