#include "quest/MapDrawing.h"

#include "display/Display.h"
#include "display/LineBatch.h"

#include <algorithm>

void DrawCellBlock(CDisplay& target, const CSurface* picture, int left, int top, int width, int height)
{
    if (picture) {
        target.DrawSurface(left, top, picture, nullptr, 1);
        return;
    }
    target.FillRect(0, left, top, left + width, top + height);
    target.FillRect(0xFFFFFF, left + 2, top + 2, left + width - 2, top + height - 2);
}

void DrawGroupOutline(CLineBatch& lines, int targetWidth, int targetHeight, int64_t left, int64_t top, int64_t right,
                      int64_t bottom, uint32_t value)
{
    // Groups come from files people edit; edges far outside the target are
    // held just outside it, which draws the same pixels without walking
    // millions of invisible ones (and without overflowing).
    auto held = [](int64_t v, int size) { return int(std::clamp<int64_t>(v, -1, int64_t(size) + 1)); };
    for (int inset : {2, 3})
        lines.Outline(held(left + inset, targetWidth), held(top + inset, targetHeight),
                      held(right - inset, targetWidth), held(bottom - inset, targetHeight), value);
}
