#pragma once
// The screen designer's two palettes: the strip of sprites of the selected
// sheet along the bottom, and the grid of fill tiles of every sheet on the
// right. Each holds placed-sprite items laid out from an origin on the
// designer's work surface and scrolls one way.
#include "common/TaggedList.h"
#include "screens/PlacedSprite.h"

#include <cstdint>

class CSheetLibrary;
class CSpriteSheet;
class CSurface;

class CPalette {
public:
    virtual ~CPalette() = default;

    // The item whose box on the work surface strictly contains the point, or none.
    CPlacedSprite* ItemAt(int x, int y) const;
    // An item's box on the work surface, scrolled.
    virtual int ItemLeft(const CPlacedSprite& item) const = 0;
    virtual int ItemTop(const CPlacedSprite& item) const = 0;

    CTaggedList<CPlacedSprite> items; // tag "PlacedSprite"
    int32_t originX = 0;
    int32_t originY = 0;

protected:
    CPlacedSprite& AddItem(CSheetSprite* sprite, CSpriteSheet* sheet, int x, int y);
};

// Sprites of the selected sheet that are not fill tiles and are background or
// entity sprites, in columns; scrolls horizontally.
class CSpritePalette : public CPalette {
public:
    CSpritePalette();
    // Lays out the sheet's sprites: columns up to `columnLimit` high (100, or
    // 80 in double size, when stacking; 1 without, so every sprite stands in a
    // column of its own).
    void Build(CSpriteSheet* sheet, bool stack, bool doubleSize);
    int ItemLeft(const CPlacedSprite& item) const override { return originX + item.x - scroll; }
    int ItemTop(const CPlacedSprite& item) const override { return originY + item.y; }

    int32_t scroll = 0; // travels with the sheet
};

// The library's fill tiles that are background sprites, not animated and not
// entities, in rows of up to 140 pixels; scrolls vertically. Its scroll offset
// is kept program-wide, so it outlives the palette.
class CFillPalette : public CPalette {
public:
    CFillPalette();
    void Build(const CSheetLibrary& library);
    int ItemLeft(const CPlacedSprite& item) const override { return originX + item.x; }
    int ItemTop(const CPlacedSprite& item) const override { return originY + item.y - Scroll(); }
    static int32_t& Scroll();
};
