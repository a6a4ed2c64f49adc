#pragma once
// A rectangle of a screen tiled with one fill sprite.
#include "screens/PlacedSprite.h"

#include <cstdint>

class CFill {
public:
    virtual ~CFill() = default;
    // Sets the rectangle, swapping edges given the wrong way round.
    void SetRect(int32_t l, int32_t t, int32_t r, int32_t b);

    CPlacedSprite tile; // only its code, sprite and sheet matter
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 32;
    int32_t bottom = 32;
};
