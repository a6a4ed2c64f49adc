#pragma once
// A hole made by a fill of the hole codes: kind 1 "hole001", kind 2 "hole002".
// The screen draws it as a dashed outline instead of tiling it.
#include <QByteArray>

#include <cstdint>

class CFill;

struct CHoleRecord {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;
    int32_t kind = 0;
    CFill* fill = nullptr; // borrowed: the fill it came from
};

// The hole kind of a code: 1, 2, or 0 for any other code (exact comparison).
int32_t HoleKind(const QByteArray& code);
