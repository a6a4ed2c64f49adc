#pragma once
// The quest-wide settings edited in the quest properties dialog.
#include <QString>

#include <cstdint>

struct QuestProperties {
    int32_t startX = 160; // player's starting position, world units
    int32_t startY = 120;
    QString fullName = QStringLiteral("Untitled Quest");
    int32_t finalVersion = 0;
    int32_t includeSound = 1;

    bool operator==(const QuestProperties&) const = default;
};
