#pragma once
// What a screen holds, as its screen file keeps it: every placed sprite (code,
// entity name, the starred name line it was read with, position) and every
// fill (rectangle and code), in list order. The screen designer's undo keeps
// one before and after each edit and puts it back whole.
#include <QByteArray>

#include <cstdint>
#include <vector>

class CScreen;

struct ScreenContent {
    struct Placed {
        QByteArray code;
        QByteArray entityName;
        QByteArray starredName;
        int32_t x = 0;
        int32_t y = 0;
        bool operator==(const Placed&) const = default;
    };
    struct Area {
        QByteArray code;
        int32_t left = 0;
        int32_t top = 0;
        int32_t right = 0;
        int32_t bottom = 0;
        bool operator==(const Area&) const = default;
    };
    std::vector<Placed> placed;
    std::vector<Area> fills;
    bool operator==(const ScreenContent&) const = default;
};

ScreenContent ContentOf(const CScreen& screen);
// Replaces the screen's sprites, fills and holes with the content, each code
// resolved again through the screen's sheet library, and renders it. Every
// pointer into the old elements is left dangling: the caller drops them.
void RestoreContent(CScreen& screen, const ScreenContent& content);
