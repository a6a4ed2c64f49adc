#include "map/MapDrawing.h"

#include "display/Display.h"

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

void DrawGroupOutline(CDisplay& target, int64_t left, int64_t top, int64_t right, int64_t bottom, uint32_t value)
{
    // Groups come from files people edit; edges far outside the target are
    // held just outside it, which draws the same pixels without walking
    // millions of invisible ones (and without overflowing).
    auto held = [](int64_t v, int size) { return int(std::clamp<int64_t>(v, -1, int64_t(size) + 1)); };
    for (int inset : {2, 3})
        target.Outline(held(left + inset, target.width), held(top + inset, target.height),
                       held(right - inset, target.width), held(bottom - inset, target.height), value);
}
