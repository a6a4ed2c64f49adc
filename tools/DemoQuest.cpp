#include "DemoQuest.h"

#include "console/ConsoleUi.h"

#include "display/Display.h"

#include "quest/Quest.h"
#include "quest/QuestFolder.h"
#include "screens/Screen.h"
#include "sheets/SheetFileWriter.h"
#include "sheets/SheetLibrary.h"
#include "support/io/NativeFile.h"
#include "support/io/TextFile.h"
#include "support/paths/Globals.h"
#include "support/paths/LogicalPath.h"
#include "support/paths/QuestPaths.h"

#include <QFile>

#include <initializer_list>

namespace {

// The sprites of the sample sheet; the rectangles are those the bitmap script
// (scripts/make-sample-sheet) draws its tiles at.
std::vector<SheetFileSprite> MeadowSprites(const SheetFileAnimation& wisp)
{
    auto still = [](const char* code, SheetFileFrame rect, int fill, int onTop) {
        SheetFileSprite s;
        s.code = code;
        s.rect = rect;
        s.background = 1;
        s.fill = fill;
        s.onTop = onTop;
        return s;
    };
    std::vector<SheetFileSprite> sprites{
        still("grassfill", {0, 0, 32, 32}, 1, 0),
        still("waterfill", {32, 0, 32, 32}, 1, 0),
        still("pathfill", {64, 0, 32, 32}, 1, 0),
        still("hole001", {96, 0, 16, 16}, 1, 0),
        still("hole002", {112, 0, 16, 16}, 1, 0),
        still("tree", {128, 0, 32, 48}, 0, 0),
        still("canopy", {160, 0, 48, 32}, 0, 1),
        still("rock", {208, 0, 32, 32}, 0, 0),
        still("grass", {0, 48, 16, 16}, 0, 0),
        still("water", {16, 48, 16, 16}, 0, 0),
        still("path", {32, 48, 16, 16}, 0, 0),
        still("flowers", {48, 48, 16, 16}, 0, 0),
        still("pebble", {96, 48, 16, 16}, 0, 0),
    };
    sprites[7].mask = "rock"; // the rock collides with its own shape
    SheetFileSprite entity;
    entity.code = "wisp";
    entity.entity = 1;
    entity.animated = 1;
    entity.animation = &wisp;
    sprites.push_back(entity);
    return sprites;
}

bool WriteText(const QString& logical, const QByteArray& bytes)
{
    CTextWriter file;
    if (!file.Open(logical))
        return false;
    file.Raw(bytes);
    return file.Commit();
}

// Paints one screen through the screen model, as the designer would.
class CPainter {
public:
    CPainter(CScreen& screen, const CSheetLibrary& library) : m_screen(screen), m_library(library) {}

    void Fill(const char* code, int left, int top, int right, int bottom)
    {
        CPlacedSprite tile;
        Resolve(tile, code);
        m_screen.AddFill(tile, left, top, right, bottom);
    }
    // Places a sprite with its top-left corner at (x, y).
    CPlacedSprite* Sprite(const char* code, int x, int y, const char* name = "")
    {
        CPlacedSprite item;
        Resolve(item, code);
        m_screen.AddPlacedSprite(item, x + kScreenMargin + item.Width(), y + kScreenMargin + item.Height());
        CPlacedSprite* placed = m_screen.placedSprites.Tail();
        placed->entityName = name;
        return placed;
    }

private:
    void Resolve(CPlacedSprite& item, const char* code)
    {
        item.code = code;
        item.sprite = m_library.FindSprite(item.code);
        item.sheet = m_library.FindSheetOf(item.sprite);
    }
    CScreen& m_screen;
    const CSheetLibrary& m_library;
};

void PaintScreen(CPainter& p, int column, int row)
{
    p.Fill("grassfill", 0, 0, 320, 240);
    if (column == 1 && row == 1) {
        p.Fill("pathfill", 144, 112, 320, 144);
        for (int x : {8, 56, 104})
            p.Sprite("tree", x, 8);
        p.Sprite("tree", 16, 176);
        p.Sprite("rock", 240, 40);
        p.Sprite("flowers", 72, 128);
        p.Sprite("flowers", 96, 152);
        p.Sprite("pebble", 200, 176);
        p.Sprite("wisp", 120, 80, "guide");
    } else if (column == 2 && row == 1) {
        p.Fill("pathfill", 0, 112, 320, 144);
        p.Fill("hole001", 208, 32, 256, 80);
        p.Sprite("tree", 40, 24);
        p.Sprite("canopy", 32, 12);
        p.Sprite("tree", 120, 168);
        p.Sprite("rock", 272, 176);
        p.Sprite("flowers", 160, 48);
        p.Sprite("wisp", 180, 184);
    } else if (column == 3 && row == 1) {
        p.Fill("pathfill", 0, 112, 104, 144);
        p.Fill("waterfill", 112, 24, 312, 216);
        p.Fill("hole002", 176, 80, 256, 160);
        for (int y : {8, 200})
            p.Sprite("rock", 80, y);
        p.Sprite("pebble", 128, 8);
        p.Sprite("water", 96, 120);
    } else if (column == 1 && row == 2) {
        p.Fill("pathfill", 144, 0, 176, 240);
        for (int x : {8, 56, 208, 256})
            p.Sprite("tree", x, 184);
        p.Sprite("canopy", 240, 172);
        p.Sprite("rock", 40, 56);
        p.Sprite("flowers", 96, 96);
        p.Sprite("path", 128, 112);
    } else if (column == 2 && row == 2) {
        p.Fill("pathfill", 0, 96, 176, 128);
        p.Fill("pathfill", 144, 0, 176, 96);
        for (int x : {200, 248})
            p.Sprite("flowers", x, 48);
        p.Sprite("tree", 24, 16);
        p.Sprite("rock", 232, 168);
        p.Sprite("pebble", 64, 176);
        p.Sprite("wisp", 260, 110, "keeper");
    } else if (column == 3 && row == 2) {
        p.Fill("waterfill", 112, 0, 312, 120);
        p.Fill("waterfill", 160, 120, 312, 200);
        p.Sprite("rock", 120, 150);
        p.Sprite("tree", 32, 40);
        p.Sprite("grass", 100, 120);
        p.Sprite("flowers", 48, 176);
    }
}

} // namespace

const CommandSpec kDemoCommand{
    QStringLiteral("tessell demo [--force]"),
    QStringLiteral("Writes the sample sheet file \"sprite sheets\\meadow.spt\" and makes the sample quest Demo, "
                   "painting its screens\nthrough the editor's screen model. Nothing is written when Demo exists, "
                   "nor when meadow.spt differs from the sample."),
    {QStringLiteral("--force")},
    QStringLiteral("  --force  replace a meadow.spt that differs from the sample"),
    0,
    0,
};

int MakeDemoQuest(CDisplay& display, CConsoleUi& ui, bool replaceSheet)
{
    // Nothing is written before both are known to be in order: an existing
    // Demo stays as it is, and so does a sheet file someone has changed.
    if (const QString problem = QuestNameProblem(QStringLiteral("Demo")); !problem.isEmpty()) {
        ui.MessageBox(problem, QStringLiteral("Error"), CMessagePort::ButtonsOk);
        return 1;
    }
    SheetFileAnimation wisp;
    wisp.speed = 4.0f;
    wisp.frames = {{64, 48, 16, 16}, {80, 48, 16, 16}};
    wisp.firstFrameCode = "wisp";
    const std::vector<SheetFileSprite> sprites = MeadowSprites(wisp);
    const QString sheetPath = SheetFilePath(QStringLiteral("meadow"));
    QFile existing;
    if (OpenLogicalFileForReading(existing, sheetPath) && !replaceSheet
        && existing.readAll() != SheetFileBytes(QStringLiteral("Meadow"), sprites)) {
        ui.MessageBox(QStringLiteral("The sheet file differs from the sample one, so it is left as it is and Demo "
                                     "is not made; \"tessell demo --force\" replaces it"),
                      sheetPath, CMessagePort::ButtonsOk);
        return 1;
    }
    if (!WriteSheetFile(QStringLiteral("meadow"), QStringLiteral("Meadow"), sprites, ui))
        return 1;

    CQuest quest(ui, ui, ui);
    if (!quest.files.NewQuestNamed(QStringLiteral("Demo")))
        return 1;
    // The resource trees: the sheet in a folder, the entity in another.
    if (!WriteText(SheetListPath(), "Outdoors\\\r\nOutdoors\\\r\nOutdoors\\meadow\r\nmeadow\r\n")
        || !WriteText(EntityListPath(),
                      "Creatures\\\r\nCreatures\\\r\nCreatures\\wisp\r\nwisp\r\n"))
        return 1;

    CSheetLibrary library(&display, ui);
    for (int row : {1, 2}) {
        for (int column : {1, 2, 3}) {
            CScreen screen(&display, &ui, &library);
            if (screen.Create() != S_OK)
                return 1;
            screen.mapCellX = column;
            screen.mapCellY = row;
            screen.previewSaved = [&quest](int c, int r, bool) { quest.files.LoadPreview(quest.map.Cell(c, r), c, r); };
            CPainter painter(screen, library);
            PaintScreen(painter, column, row);
            if (!screen.Save())
                return 1;
        }
    }
    // Two groups: the meadow (columns 1-2) and the lake shore (column 3).
    const int rects[2][4] = {{128, 96, 384, 288}, {384, 96, 512, 288}};
    for (int id = 0; id < 2; ++id) {
        auto group = std::make_unique<CGroup>();
        group->id = id;
        group->left = rects[id][0];
        group->top = rects[id][1];
        group->right = rects[id][2];
        group->bottom = rects[id][3];
        quest.map.groups.Append(std::move(group));
        CopyFileReplacing(ScreenScriptTemplatePath(), GroupScriptPath(id));
    }
    quest.map.properties.startX = 320 + 160;
    quest.map.properties.startY = 240 + 120;
    quest.map.properties.fullName = QStringLiteral("The Meadow Vale");
    quest.files.SaveMapFile();
    return ui.messageCount == 0 ? 0 : 1;
}

int DemoCommand(const QStringList& args)
{
    ParsedCommand parsed;
    if (const int code = ParseCommand(kDemoCommand, args, parsed); code >= 0)
        return code;
    CConsoleUi ui;
    CDisplay display;
    if (display.Initialise(nullptr, 1024, 768) != S_OK)
        return 1;
    const int result = MakeDemoQuest(display, ui, parsed.Has(QStringLiteral("--force")));
    if (result == 0)
        PrintError(QStringLiteral("Made the sheet file \"sprite sheets\\meadow.spt\" and the quest \"Demo\""));
    return result;
}
