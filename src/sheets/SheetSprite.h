#pragma once
// One sprite of a loaded sheet: its code, its rectangles on the sheet bitmap
// (one for a still sprite, one per frame for an animation) and its flags.
#include "common/Rect.h"
#include "common/TaggedList.h"

#include <QByteArray>

#include <cstdint>

class CSheetSprite {
public:
    virtual ~CSheetSprite() = default;

    // Width and height of the first rectangle; -1 without one.
    int32_t Width() const;
    int32_t Height() const;
    const CRect* FirstRect() const { return rectangles.Head(); }
    // Offered on the screen designer's sprite strip: not a fill tile, and a
    // background or an entity sprite.
    bool IsDesignerSprite() const { return !fill && (background || entity); }

    QByteArray code = "___none"; // at most 32 bytes
    CTaggedList<CRect> rectangles; // tag "Rect"
    int32_t onTop = 0;
    int32_t animated = 0;
    int32_t fill = 0;
    int32_t entity = 0;
    int32_t background = 0;
};
