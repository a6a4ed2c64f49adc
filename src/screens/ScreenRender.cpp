// Rendering a screen into its preview surface, in five layers over white:
// normal fills, normal sprites, on-top fills, on-top sprites, hole outlines.
#include "display/Display.h"
#include "screens/Screen.h"
#include "sheets/SpriteSheet.h"

#include <QPainter>
#include <QPolygon>

#include <algorithm>

namespace {

// A one-pixel frame whose four lines each stop before their end point, as the
// display's outlines do.
void Frame(CSurface& surface, int left, int top, int right, int bottom, uint16_t value)
{
    auto put = [&](int x, int y) {
        if (x >= 0 && x < surface.Width() && y >= 0 && y < surface.Height())
            surface.SetPixel(x, y, value);
    };
    // Only the part on the surface is walked: a sprite from a hand-made sheet
    // may be millions of pixels wide.
    for (int x = std::max(left, 0); x < std::min(right, surface.Width()); ++x) {
        put(x, top);
        put(x, bottom);
    }
    for (int y = std::max(top, 0); y < std::min(bottom, surface.Height()); ++y) {
        put(left, y);
        put(right, y);
    }
}

} // namespace

void CScreen::Render()
{
    if (!preview)
        return;
    preview->Fill(Rgb(255, 255, 255));
    for (const bool onTop : {false, true}) {
        for (const CFill* fill : fills)
            if (fill->tile.sprite && fill->tile.OnTop() == onTop)
                DrawFill(*fill);
        for (CPlacedSprite* placed : placedSprites)
            if (placed->sprite && placed->OnTop() == onTop)
                DrawPlaced(*placed);
    }
    DrawHoles();
}

void CScreen::DrawPlaced(CPlacedSprite& placed)
{
    const CRect* source = placed.sprite->FirstRect();
    if (!source || !placed.sheet || !placed.sheet->surface)
        return;
    const CRect whole{0, 0, preview->Width(), preview->Height()};
    CopySurface(*placed.sheet->surface, *source, *preview, placed.x, placed.y, 1, whole);
    if (placed.highlighted) {
        placed.frameX = placed.x;
        placed.frameY = placed.y;
        Frame(*preview, placed.x, placed.y, placed.x + source->Width(), placed.y + source->Height(), 0);
    }
}

void CScreen::DrawFill(const CFill& fill)
{
    // Hole fills are shown by their outlines only.
    if (HoleKind(fill.tile.code) != 0)
        return;
    const CRect* source = fill.tile.sprite->FirstRect();
    if (!source || !fill.tile.sheet || !fill.tile.sheet->surface)
        return;
    const int64_t w = source->Width();
    const int64_t h = source->Height();
    if (w <= 0 || h <= 0)
        return; // a tile of no size would never step on
    // Only the tiles that reach the surface are drawn; the rows and columns
    // keep the steps they have from the fill's own top-left corner.
    const int64_t visibleLeft = std::max<int64_t>(fill.left, 0);
    const int64_t visibleTop = std::max<int64_t>(fill.top, 0);
    const int64_t visibleRight = std::min<int64_t>(fill.right, preview->Width());
    const int64_t visibleBottom = std::min<int64_t>(fill.bottom, preview->Height());
    if (visibleLeft >= visibleRight || visibleTop >= visibleBottom)
        return;
    const CRect clip{int32_t(visibleLeft), int32_t(visibleTop), int32_t(visibleRight), int32_t(visibleBottom)};
    const int64_t firstRow = fill.top + (visibleTop - fill.top) / h * h;
    const int64_t firstColumn = fill.left + (visibleLeft - fill.left) / w * w;
    const CSurface& sheet = *fill.tile.sheet->surface;
    for (int64_t y = firstRow; y < visibleBottom; y += h)
        for (int64_t x = firstColumn; x < visibleRight; x += w)
            CopySurface(sheet, *source, *preview, int(x), int(y), 1, clip);
}

void CScreen::DrawHoles()
{
    DrawHoleOutlines(*preview, 0, 0, false);
}

void CScreen::DrawKeyColouredHoles(CSurface& target, int x, int y) const
{
    DrawHoleOutlines(target, x, y, true);
}

void CScreen::DrawHoleOutlines(CSurface& target, int x, int y, bool keyColouredOnly) const
{
    if (holes.IsEmpty())
        return;
    QPainter painter(&target.Image());
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.translate(x, y);
    QPen shownGreen = greenDashedPen;
    shownGreen.setColor(QColor(int(kShownHoleGreen & 0xFF), int(kShownHoleGreen >> 8 & 0xFF), int(kShownHoleGreen >> 16 & 0xFF)));
    for (const CHoleRecord* hole : holes) {
        if (keyColouredOnly && hole->kind != 2)
            continue;
        painter.setPen(hole->kind == 1 ? redDashedPen : keyColouredOnly ? shownGreen : greenDashedPen);
        const QPolygon outline({QPoint(hole->left, hole->top), QPoint(hole->right, hole->top),
                                QPoint(hole->right, hole->bottom), QPoint(hole->left, hole->bottom),
                                QPoint(hole->left, hole->top)});
        painter.drawPolyline(outline);
    }
}
