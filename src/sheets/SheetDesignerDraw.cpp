// The sheet designer's frame: the sheet at double size on the grey-blue
// ground, the pointer's and the drag's status lines below it, every sprite's
// outline, the hovered sprite and the drag rectangle in the selection colour.
#include "display/Display.h"
#include "sheets/SheetDesigner.h"
#include "support/io/TextCodec.h"

#include <algorithm>
#include <vector>

void CSheetDesigner::draw(CDisplay* target)
{
    if (!target || !target->IsReady())
        return;
    CSurface& back = *target->BackBuffer();
    // The sheet is copied unkeyed, so the ground needs clearing only around it.
    const bool sheetShown = surface && surface->IsValid();
    if (sheetShown) {
        const int64_t right = int64_t(originX) + 2 * int64_t(surface->Width());
        const int64_t bottom = int64_t(originY) + 2 * int64_t(surface->Height());
        const auto clampX = [&](int64_t v) { return int(std::clamp<int64_t>(v, 0, target->width)); };
        const auto clampY = [&](int64_t v) { return int(std::clamp<int64_t>(v, 0, target->height)); };
        const int left = clampX(originX), top = clampY(originY), r = clampX(right), b = clampY(bottom);
        target->FillRect(kSheetBackground, 0, 0, target->width, top);
        target->FillRect(kSheetBackground, 0, b, target->width, target->height);
        target->FillRect(kSheetBackground, 0, top, left, b);
        target->FillRect(kSheetBackground, r, top, target->width, b);
        target->DrawSurface(originX, originY, surface.get(), nullptr, 2);
    } else {
        target->Clear(kSheetBackground);
    }
    DrawStatus(*target);
    std::vector<CRect> outlines;
    outlines.reserve(size_t(sprites.Count()));
    for (const CDesignerSprite* sprite : sprites)
        outlines.push_back(ScreenRect(*sprite));
    DrawOutlines(back, outlines, outlinePen);
    const CPen& selection = selectionPens[size_t(selectionColour)];
    if (hovered)
        DrawOutline(back, ScreenRect(*hovered), selection);
    DrawOutline(back, drag, selection);
}

void CSheetDesigner::DrawStatus(CDisplay& target)
{
    // Below the sheet; without one, where a sheet of no height would end.
    const int sheetHeight = surface && surface->IsValid() ? surface->Height() : 0;
    const int64_t below = int64_t(originY) + 2 * int64_t(sheetHeight);
    const auto at = [&](int offset) { return int(std::clamp<int64_t>(below + offset, INT32_MIN / 2, INT32_MAX / 2)); };
    const Colour ground = Rgb(170, 170, 170);
    const Colour black = Rgb(0, 0, 0);
    const QStringList lines = StatusLines();
    const int offsets[] = {3, 22, 42};
    for (int i = 0; i < int(lines.size()); ++i)
        target.Text(nullptr, lines[i], originX, at(offsets[i]), ground, black);
}

QStringList CSheetDesigner::StatusLines() const
{
    QStringList lines;
    lines << QStringLiteral("MouseX = %1, MouseY = %2").arg(pointerX / 2 - 3).arg(pointerY / 2 - 3);
    lines << QStringLiteral("Width = %1, Height = %2")
                 .arg((int64_t(drag.right) - drag.left) / 2)
                 .arg((int64_t(drag.bottom) - drag.top) / 2);
    if (hovered)
        lines << DisplayBytes(hovered->code) + QStringLiteral(" - Right-Click to edit this sprite");
    return lines;
}

void CSheetDesigner::DrawAndPresent()
{
    if (!display || !display->IsReady())
        return;
    draw(display);
    display->Present();
}
