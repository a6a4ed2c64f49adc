#include "map/MapDesigner.h"

#include "build/CompileList.h"
#include "build/VirtualArchive.h"
#include "display/Display.h"
#include "document/QuestDoc.h"
#include "map/MapFile.h"
#include "map/PreviewReader.h"
#include "map/QuestFolder.h"
#include "sheets/FieldLine.h"
#include "support/Globals.h"
#include "support/LineHelpers.h"
#include "support/LogicalPath.h"
#include "support/QuestFilePath.h"
#include "support/TextCodec.h"
#include "support/TextFile.h"
#include "support/UiPort.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cstdlib>

namespace {
QString WindowTitle()
{
    return g_questName + QStringLiteral(" - Tessellmancery");
}
} // namespace

CMapDesigner::CMapDesigner(CUiPort* port) : ui(port)
{
    compileList = std::make_unique<CCompileList>(*port);
}

CMapDesigner::~CMapDesigner() = default;

void CMapDesigner::activate()
{
    ui->SetMenu(134);
}

void CMapDesigner::RebuildVisibleCells()
{
    visibleCells.fill(nullptr);
    visibleCount = 0;
    const int i0 = scrollX / kCellWidth - 1;
    const int j0 = scrollY / kCellHeight - 1;
    for (int j = j0; j <= j0 + 9; ++j)
        for (int i = i0; i <= i0 + 9; ++i)
            if (CQuestMap::ValidCellCoordinates(i, j))
                visibleCells[size_t(visibleCount++)] = &map.Cell(i, j);
}

void CMapDesigner::draw(CDisplay* target)
{
    if (!target || !target->IsReady())
        return;
    RebuildVisibleCells();
    for (int k = 0; k < visibleCount; ++k) {
        const CMapCell& cell = *visibleCells[size_t(k)];
        const int left = BlockLeft(cell);
        const int top = BlockTop(cell);
        // Blocks wholly outside the back buffer would leave no pixel.
        if (left >= target->width || top >= target->height || left + kCellWidth <= 0 || top + kCellHeight <= 0)
            continue;
        if (cell.preview) {
            // The preview's green pixels are left out and show what lies beneath.
            target->DrawSurface(left, top, cell.preview.get(), nullptr, 1);
        } else {
            target->FillRect(0, left, top, left + kCellWidth, top + kCellHeight);
            target->FillRect(0xFFFFFF, left + 2, top + 2, left + 126, top + 94);
        }
        // Every cell shows its coordinates, the ones a screen is moved to.
        target->Text(nullptr, QStringLiteral("%1,%2").arg(cell.Column()).arg(cell.Row()), left + 5, top + 5,
                     Rgb(255, 255, 255), Rgb(0, 0, 0));
    }
    if (dragging) {
        target->Outline(dragX1 + 4, dragY1 + 4, dragX2 - 4, dragY2 - 4, 255);
        target->Outline(dragX1 + 5, dragY1 + 5, dragX2 - 5, dragY2 - 5, 255);
    }
    for (CGroup* group : map.groups.groups)
        DrawGroupOutline(target, *group, 255);
    if (map.groups.selected)
        DrawGroupOutline(target, *map.groups.selected, 65280);
}

void CMapDesigner::DrawGroupOutline(CDisplay* target, const CGroup& group, uint32_t value)
{
    // Groups come from files people edit; edges far outside the view are held
    // just outside it, which draws the same pixels without walking millions of
    // invisible ones (and without overflowing).
    auto held = [](int64_t v, int size) { return int(std::clamp<int64_t>(v, -1, int64_t(size) + 1)); };
    for (int inset : {2, 3}) {
        const int64_t left = int64_t(group.left) - scrollX + inset;
        const int64_t top = int64_t(group.top) - scrollY + inset;
        const int64_t right = int64_t(group.right) - scrollX - inset;
        const int64_t bottom = int64_t(group.bottom) - scrollY - inset;
        target->Outline(held(left, target->width), held(top, target->height), held(right, target->width),
                        held(bottom, target->height), value);
    }
}

void CMapDesigner::DrawAndPresent()
{
    if (!display || !display->IsReady())
        return;
    if (document && document->activeDesigner != this)
        return;
    draw(display);
    display->Present();
}

void CMapDesigner::onMouseMove(uint32_t flags, int x, int y)
{
    (void)flags;
    const bool canDraw = display && display->IsReady();
    if (canDraw) {
        draw(display);
        for (int k = 0; k < visibleCount; ++k) {
            const CMapCell& cell = *visibleCells[size_t(k)];
            const int left = BlockLeft(cell);
            const int top = BlockTop(cell);
            if (left < x && x < left + kCellWidth && top < y && y < top + kCellHeight) {
                display->FillRect(0, left + 60, top + 44, left + 68, top + 52);
                break;
            }
        }
    }
    if (dragging) {
        dragX2 = Snap(x, Horizontal);
        dragY2 = Snap(y, Vertical);
    }
    // The highlight follows on the next frame.
    map.SelectGroupAt(x, y, scrollX, scrollY);
    if (canDraw)
        display->Present();
}

int CMapDesigner::Snap(int value, Axis axis)
{
    RebuildVisibleCells();
    int result = 0;
    int64_t nearest = 999; // only distances below this count
    for (int k = 0; k < visibleCount; ++k) {
        const CMapCell& cell = *visibleCells[size_t(k)];
        const int edge = axis == Horizontal ? BlockLeft(cell) : BlockTop(cell);
        const int64_t distance = std::abs(int64_t(edge) - value);
        if (distance < nearest) {
            nearest = distance;
            result = edge;
        }
    }
    return result;
}

void CMapDesigner::onRButtonDown(uint32_t flags, int x, int y)
{
    (void)flags;
    if (CGroup* group = map.FindGroupAt(x, y, scrollX, scrollY)) {
        OpenGroupProperties(*group);
        DrawAndPresent();
        return;
    }
    dragX1 = dragX2 = Snap(x, Horizontal);
    dragY1 = dragY2 = Snap(y, Vertical);
    dragging = 1;
}

void CMapDesigner::onRButtonUp(uint32_t flags, int x, int y)
{
    (void)flags;
    (void)x;
    (void)y;
    if (!dragging)
        return;
    dragging = 0;
    if (AddGroup(dragX1, dragY1, dragX2, dragY2, scrollX, scrollY))
        SaveMapFile();
    DrawAndPresent();
}

int CMapDesigner::AddGroup(int x1, int y1, int x2, int y2, int sx, int sy)
{
    if (x1 == x2 || y1 == y2)
        return 0;
    const int left = std::min(x1, x2) + sx;
    const int top = std::min(y1, y2) + sy;
    const int right = std::max(x1, x2) + sx;
    const int bottom = std::max(y1, y2) + sy;
    if (map.RectangleOverlapsGroup(left, top, right, bottom)) {
        ui->MessageBox(QStringLiteral("Groups may not overlap one another"), QStringLiteral("Error"));
        return 0;
    }
    auto group = std::make_unique<CGroup>();
    group->left = left;
    group->top = top;
    group->right = right;
    group->bottom = bottom;
    group->id = map.NextGroupId();
    CopyFileReplacing(QStringLiteral("questdata\\standardscreen.ves"),
                      QuestFilePath(QStringLiteral("scripts\\group\\%1.ves").arg(group->id)));
    map.groups.Append(std::move(group));
    return 1;
}

void CMapDesigner::OpenGroupProperties(CGroup& group)
{
    // Without the document's sound list the dialog would end at once.
    if (!document || !document->soundList)
        return;
    ui->GroupPropertiesDialog(group, map.groups, *document->soundList);
}

void CMapDesigner::onLButtonDown(uint32_t flags, int x, int y)
{
    (void)flags;
    if (dragging)
        return;
    RebuildVisibleCells();
    for (int k = 0; k < visibleCount; ++k) {
        CMapCell& cell = *visibleCells[size_t(k)];
        const int left = BlockLeft(cell);
        const int top = BlockTop(cell);
        if (left < x && x < left + kCellWidth && top < y && y < top + kCellHeight) {
            ScreenPropertiesAction(cell);
            return;
        }
    }
}

void CMapDesigner::ScreenPropertiesAction(CMapCell& cell)
{
    const int column = cell.Column();
    const int row = cell.Row();
    const int result = ui->ScreenPropertiesDialog(cell, column, row);
    switch (result) {
    case kEditScreen:
        if (document)
            document->OpenScreenDesigner(column, row);
        return;
    case kDeleteScreen:
        // The dialog has asked its own question before ending with this code.
        DeleteScreen(cell);
        SaveMapFile();
        break;
    case kEditGroup:
        if (CGroup* group = map.FindGroupAt(cell.x + 5, cell.y + 5))
            OpenGroupProperties(*group);
        else
            ui->MessageBox(QStringLiteral("This screen is not in any group, right-click \nand drag to create a group"),
                           QStringLiteral("Error"));
        break;
    case kMoveScreen:
    case kCopyScreen: {
        int destColumn = 0;
        int destRow = 0;
        if (ui->MoveScreenDialog(destColumn, destRow))
            MoveOrCopyScreen(cell, destColumn, destRow, result == kCopyScreen);
        break;
    }
    default:
        break;
    }
    DrawAndPresent();
}

void CMapDesigner::onHScroll(int code, int position)
{
    Scroll(code, position, scrollX, kScrollLimitX, HorizontalBar);
}

void CMapDesigner::onVScroll(int code, int position)
{
    Scroll(code, position, scrollY, kScrollLimitY, VerticalBar);
}

void CMapDesigner::Scroll(int code, int position, int32_t& scroll, int32_t limit, ScrollBarKind bar)
{
    int64_t moved = scroll;
    switch (code) {
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK:
        moved = position;
        break;
    case SB_LINELEFT:
        moved -= 5;
        break;
    case SB_LINERIGHT:
        moved += 5;
        break;
    case SB_PAGELEFT:
        moved -= 500;
        break;
    case SB_PAGERIGHT:
        moved += 500;
        break;
    default:
        return;
    }
    // The bar follows the position it shows, so the two never part.
    scroll = int32_t(std::clamp<int64_t>(moved, 0, limit));
    ui->SetScrollPosition(bar, scroll);
    if (display && display->IsReady() && (!document || document->activeDesigner == this)) {
        display->Clear(0);
        draw(display);
        display->Present();
    }
}

QString CMapDesigner::ScreenFilePath(int column, int row)
{
    return QuestFilePath(QStringLiteral("screens\\%1-%2.lnd").arg(column).arg(row));
}

QString CMapDesigner::ScreenScriptPath(int column, int row)
{
    return QuestFilePath(QStringLiteral("scripts\\screen\\%1-%2.ves").arg(column).arg(row));
}

void CMapDesigner::DeleteScreen(CMapCell& cell)
{
    cell.preview.reset();
    const int column = cell.Column();
    const int row = cell.Row();
    for (const QString& path : {ScreenFilePath(column, row), PreviewPath(column, row), ScreenScriptPath(column, row)}) {
        QFile file(NativePath(path));
        file.open(QIODevice::WriteOnly | QIODevice::Truncate); // emptied, or made empty
    }
}

int CMapDesigner::CopyScreenFiles(int sourceColumn, int sourceRow, int destColumn, int destRow, bool* complete)
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
        if (!QFileInfo::exists(NativePath(from)))
            continue;
        if (!CopyFileReplacing(from, to))
            allCopied = false;
    }
    if (complete)
        *complete = allCopied;
    return 1;
}

void CMapDesigner::MoveOrCopyScreen(CMapCell& cell, int destColumn, int destRow, bool copy)
{
    if (!CQuestMap::ValidCellCoordinates(destColumn, destRow))
        return;
    CMapCell& destination = map.Cell(destColumn, destRow);
    if (destination.HoldsScreen()
        && ui->MessageBox(QStringLiteral("Destination map cell is currently used, do you want to overwrite it?"),
                          QStringLiteral("Moving Screen"), CUiPort::ButtonsYesNo)
               != CUiPort::AnswerYes)
        return;
    bool complete = true;
    if (!CopyScreenFiles(cell.Column(), cell.Row(), destColumn, destRow, &complete)) {
        ui->MessageBox(QStringLiteral("Couldn't copy screen files"), QStringLiteral("Error"));
        return;
    }
    // A move whose copy failed part-way keeps its source: emptying it would
    // lose the screen.
    if (!complete)
        ui->MessageBox(QStringLiteral("Couldn't copy screen files"), QStringLiteral("Error"));
    destination.inside = cell.inside;
    LoadPreview(destination, destColumn, destRow);
    if (!copy && complete)
        DeleteScreen(cell);
    DrawAndPresent();
}

void CMapDesigner::SaveMapFile()
{
    const QString path = QStringLiteral("save\\") + g_questName + QStringLiteral(".qss");
    // Without an open quest there is no map file to write (it would be "save\.qss").
    if (g_questName.isEmpty()) {
        ui->MessageBox(QStringLiteral("Couldn't Open Save file"), path);
        return;
    }
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

namespace {
// Map file lines are read into fixed buffers (32 bytes for a number, 64 for a
// string). The rest of a hand-made overlong line is passed over, so that it
// cannot shift every field after it into the wrong place.
int32_t ReadMapInt(CTextReader& file)
{
    QByteArray line;
    return ReadFieldLine(file, line, 32) ? ParseDecimalInt(line) : 0;
}

void ReadMapString(QString& text, CTextReader& file)
{
    QByteArray line;
    if (ReadFieldLine(file, line, 64))
        text = DecodeText(line);
}
} // namespace

void CMapDesigner::LoadMapFile(const QString& path, const QString& questName)
{
    CTextReader file;
    if (!file.Open(path)) {
        ui->MessageBox(QStringLiteral("Couldn't Open Save file for reading"), path);
        return;
    }
    QByteArray magic;
    if (!ReadFieldLine(file, magic, 64) || magic != kMapFileMagic) {
        ui->MessageBox(QStringLiteral("Invalid Map File"), path);
        return;
    }
    g_questName = questName;
    map.ResetGrid();
    // A truncated file leaves the defaults rather than the last quest's values.
    map.ResetProperties();
    // Counts come from a file people edit: the records end with the file, not
    // with the count.
    const int32_t cells = ReadMapInt(file);
    for (int32_t k = 0; k < cells && !file.AtEnd(); ++k) {
        const int32_t column = ReadMapInt(file);
        const int32_t row = ReadMapInt(file);
        const int32_t inside = ReadMapInt(file);
        if (!CQuestMap::ValidCellCoordinates(column, row))
            continue;
        CMapCell& cell = map.Cell(column, row);
        LoadPreview(cell, column, row);
        cell.inside = inside;
    }
    const int32_t groups = ReadMapInt(file);
    for (int32_t k = 0; k < groups && !file.AtEnd(); ++k) {
        auto group = std::make_unique<CGroup>();
        group->id = ReadMapInt(file);
        group->left = ReadMapInt(file);
        group->top = ReadMapInt(file);
        group->right = ReadMapInt(file);
        group->bottom = ReadMapInt(file);
        group->reserved = ReadMapInt(file);
        ReadMapString(group->music, file);
        map.groups.Append(std::move(group));
    }
    QuestProperties& p = map.properties;
    p.startX = ReadMapInt(file);
    p.startY = ReadMapInt(file);
    ReadMapString(p.fullName, file);
    p.finalVersion = ReadMapInt(file);
    p.includeSound = ReadMapInt(file);
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
