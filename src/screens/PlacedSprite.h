#pragma once
// A sprite placed on a screen (also an item of the designer's palettes): the
// code of its sheet sprite, the entity name the user gave it, and where it is.
#include <QByteArray>

#include <cstdint>
#include <memory>

class CSheetSprite;
class CSpriteSheet;

class CPlacedSprite {
public:
    virtual ~CPlacedSprite() = default;

    // A copy to place: code, sprite, sheet and position; no entity name, not
    // highlighted.
    std::unique_ptr<CPlacedSprite> Copy() const;
    // Drawn in the on-top layer (its sheet sprite is marked on top).
    bool OnTop() const;
    bool IsEntity() const;
    // Sprite width and height, -1 when the code did not resolve.
    int32_t Width() const;
    int32_t Height() const;

    QByteArray code;        // at most 32 bytes
    QByteArray entityName;  // at most 32 bytes; empty for ordinary sprites
    // The name line a screen file gave when it began with "*" (read as no
    // name); a sprite whose code no sheet holds is written back with it.
    QByteArray starredName;
    CSheetSprite* sprite = nullptr; // borrowed from the sheet library
    CSpriteSheet* sheet = nullptr;  // borrowed
    int32_t x = 0;
    int32_t y = 0;
    int32_t highlighted = 0;
    int32_t frameX = 0;
    int32_t frameY = 0;
};
