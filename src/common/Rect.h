#pragma once
// A rectangle of signed 32-bit edges; right and bottom are exclusive unless the
// caller says otherwise.
#include <cstdint>

struct CRect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;

    int32_t Width() const { return right - left; }
    int32_t Height() const { return bottom - top; }
    bool operator==(const CRect&) const = default;
};
