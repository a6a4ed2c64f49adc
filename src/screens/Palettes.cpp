#include "screens/Palettes.h"

#include "sheets/SheetLibrary.h"
#include "sheets/SpriteSheet.h"

#include <algorithm>

CPlacedSprite* CPalette::ItemAt(int x, int y) const
{
    for (CPlacedSprite* item : items) {
        const int64_t left = ItemLeft(*item);
        const int64_t top = ItemTop(*item);
        if (left < x && x < left + item->Width() && top < y && y < top + item->Height())
            return item;
    }
    return nullptr;
}

CPlacedSprite& CPalette::AddItem(CSheetSprite* sprite, CSpriteSheet* sheet, int x, int y)
{
    auto item = std::make_unique<CPlacedSprite>();
    item->code = sprite->code;
    item->sprite = sprite;
    item->sheet = sheet;
    item->x = x;
    item->y = y;
    return *items.Append(std::move(item), "PlacedSprite");
}

CSpritePalette::CSpritePalette()
{
    originX = 0;
    originY = 277;
}

void CSpritePalette::Build(CSpriteSheet* sheet, bool stack, bool doubleSize)
{
    items.Clear();
    if (!sheet)
        return;
    const int64_t limit = stack ? (doubleSize ? 80 : 100) : 1;
    // Sizes come from sheet files people edit; 64 bits keep a huge sprite from
    // overflowing the layout.
    int64_t columnX = 0;
    int64_t columnWidth = -1;
    int64_t y = 0;
    int64_t nextColumnX = 0;
    for (CSheetSprite* sprite : sheet->sprites) {
        if (!sprite->IsDesignerSprite())
            continue;
        const int64_t width = sprite->Width();
        const int64_t height = sprite->Height();
        if (columnWidth < 0)
            columnWidth = width;
        int64_t itemX = columnX;
        int64_t itemY = y;
        if (width > columnWidth || y + height + 5 > limit) {
            columnX = nextColumnX;
            columnWidth = width;
            itemX = columnX;
            itemY = 0;
            y = height + 5;
        } else {
            y = y + height + 5;
        }
        nextColumnX = columnX + columnWidth + 5;
        AddItem(sprite, sheet, int(std::clamp<int64_t>(itemX, INT32_MIN / 2, INT32_MAX / 2)),
                int(std::clamp<int64_t>(itemY, INT32_MIN / 2, INT32_MAX / 2)));
    }
}

CFillPalette::CFillPalette()
{
    originX = 355;
    originY = 5;
}

int32_t& CFillPalette::Scroll()
{
    static int32_t scroll = 0;
    return scroll;
}

void CFillPalette::Build(const CSheetLibrary& library)
{
    items.Clear();
    int x = 0;
    int y = 0;
    for (CSheetSprite* sprite : library.fillList) {
        if (!sprite->background || sprite->animated || sprite->entity)
            continue;
        AddItem(sprite, library.FindSheetOf(sprite), x, y);
        x += std::clamp(sprite->Width(), 0, 32) + 5;
        if (x > 140) {
            x = 0;
            y += 21;
        }
    }
}
