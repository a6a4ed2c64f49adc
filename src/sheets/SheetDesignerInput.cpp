// The sheet designer's mouse and keyboard: the pointer snapped to the grid,
// the drag that outlines a new sprite, right-clicks that open the sprites
// under the pointer, and the keys that move the view and cycle the colours.
#include "common/VirtualKeys.h"
#include "display/Display.h"
#include "sheets/SheetDesigner.h"
#include "sheets/SheetHost.h"

#include <algorithm>

int CSheetDesigner::Snap(int v) const
{
    // The smallest multiple of 8 not below v, for negative v too.
    const int64_t multiple = v >= 0 ? (int64_t(v) + 7) / 8 * 8 : -(-int64_t(v) / 8 * 8);
    const int less = m_host && m_host->ScreenDoubleSize() ? 2 : 1;
    return int(std::clamp<int64_t>(multiple - less - 8, INT32_MIN, INT32_MAX));
}

CRect CSheetDesigner::ScreenRect(const CDesignerSprite& sprite) const
{
    const int32_t dx = originX + 3;
    const int32_t dy = originY + 3;
    const CRect& r = sprite.rectangle;
    // Rectangles from hand-made files are held far off the view, never wrapped.
    auto shift = [](int32_t v, int32_t by) { return int32_t(std::clamp<int64_t>(int64_t(v) + by, INT32_MIN, INT32_MAX)); };
    return CRect{shift(r.left, dx), shift(r.top, dy), shift(r.right, dx), shift(r.bottom, dy)};
}

CDesignerSprite* CSheetDesigner::SpriteAt(int x, int y) const
{
    return sprites.FindFromTail([&](const CDesignerSprite* sprite) {
        const CRect r = ScreenRect(*sprite);
        return r.left <= x && x <= r.right && r.top <= y && y <= r.bottom;
    });
}

void CSheetDesigner::onMouseMove(uint32_t flags, int x, int y)
{
    // The picture shows the state before this move.
    if (display && display->IsReady())
        draw(display);
    const int sx = Snap(x);
    const int sy = Snap(y);
    pointerX = sx;
    pointerY = sy;
    // A release this designer never heard of (it went to a dialog opened
    // while the button was down) still ended the drag.
    if (dragging && !(flags & MK_LBUTTON))
        dragging = 0;
    if (dragging) {
        drag.right = sx;
        drag.bottom = sy;
    }
    if (display && display->IsReady()) {
        display->Line(sx - 10, sy, sx + 10, sy, 0);
        display->Line(sx, sy - 10, sx, sy + 10, 0);
        display->Present();
    }
    hovered = dragging ? nullptr : SpriteAt(sx, sy);
}

void CSheetDesigner::onLButtonDown(uint32_t flags, int x, int y)
{
    (void)flags;
    if (dragging)
        return;
    dragging = 1;
    const int sx = Snap(x);
    const int sy = Snap(y);
    drag = CRect{sx, sy, sx, sy};
}

void CSheetDesigner::onLButtonUp(uint32_t flags, int x, int y)
{
    (void)flags;
    (void)x;
    (void)y;
    dragging = 0;
}

void CSheetDesigner::onRButtonDown(uint32_t flags, int x, int y)
{
    (void)flags;
    const int sx = Snap(x);
    const int sy = Snap(y);
    // Overlapping sprites get their dialogs one after another; a deletion
    // ends the round.
    for (int i = 0; i < sprites.Count(); ++i) {
        CDesignerSprite* sprite = sprites.At(i);
        const CRect r = ScreenRect(*sprite);
        if (r.left <= sx && sx <= r.right && r.top <= sy && sy <= r.bottom && EditSpriteProperties(sprite) < 0)
            return;
    }
}

void CSheetDesigner::onKeyDown(uint32_t character, uint32_t repeat, uint32_t flags)
{
    (void)repeat;
    (void)flags;
    switch (character) {
    case VK_SPACE:
        CycleSelectionColour();
        return;
    case VK_UP:
        originY -= 8;
        break;
    case VK_DOWN:
        originY += 8;
        break;
    case VK_LEFT:
        originX -= 8;
        break;
    case VK_RIGHT:
        originX += 8;
        break;
    default:
        return;
    }
    // The drag rectangle stays where it is on the view while the sheet moves.
    DrawAndPresent();
}

void CSheetDesigner::CycleSelectionColour()
{
    selectionColour = selectionColour + 1 >= int32_t(selectionPens.size()) ? 0 : selectionColour + 1;
    DrawAndPresent();
}
