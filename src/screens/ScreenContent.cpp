#include "screens/ScreenContent.h"

#include "screens/Screen.h"

ScreenContent ContentOf(const CScreen& screen)
{
    ScreenContent content;
    content.placed.reserve(size_t(screen.placedSprites.Count()));
    for (const CPlacedSprite* p : screen.placedSprites)
        content.placed.push_back({p->code, p->entityName, p->starredName, p->x, p->y});
    content.fills.reserve(size_t(screen.fills.Count()));
    for (const CFill* f : screen.fills)
        content.fills.push_back({f->tile.code, f->left, f->top, f->right, f->bottom});
    return content;
}

void RestoreContent(CScreen& screen, const ScreenContent& content)
{
    screen.holes.Clear();
    screen.fills.Clear();
    screen.placedSprites.Clear();
    for (const ScreenContent::Placed& p : content.placed) {
        auto placed = std::make_unique<CPlacedSprite>();
        placed->code = p.code;
        placed->entityName = p.entityName;
        placed->starredName = p.starredName;
        placed->x = p.x;
        placed->y = p.y;
        screen.Resolve(*placed);
        screen.placedSprites.Append(std::move(placed), "sprite");
    }
    for (const ScreenContent::Area& a : content.fills) {
        auto fill = std::make_unique<CFill>();
        // As they were held: a screen file's edges may stand the wrong way round.
        fill->left = a.left;
        fill->top = a.top;
        fill->right = a.right;
        fill->bottom = a.bottom;
        fill->tile.code = a.code;
        screen.Resolve(fill->tile);
        CFill* raw = screen.fills.Append(std::move(fill), "Fill");
        screen.AddHoleRecord(raw->tile.code, CRect{a.left, a.top, a.right, a.bottom}, raw);
    }
    screen.Render();
}
