#pragma once
// A group of screens: a rectangle of the map in map units, with a script named
// after its id and an optional music track.
#include "common/TaggedList.h"

#include <QString>

#include <cstdint>

class CGroup {
public:
    int32_t left = 0, top = 0, right = 0, bottom = 0; // map units, inclusive edges
    int32_t id = 0;
    QString music;
    int32_t reserved = 0; // carried through the map file untouched

    // Whether (px + ox, py + oy) lies in the group, edges included.
    bool Contains(int px, int py, int ox = 0, int oy = 0) const
    {
        const int64_t x = int64_t(px) + ox;
        const int64_t y = int64_t(py) + oy;
        return left <= x && x <= right && top <= y && y <= bottom;
    }
};

// The quest's groups in insertion order, and the selected one.
class CGroupList {
public:
    CTaggedList<CGroup> groups;
    CGroup* selected = nullptr;

    CGroup* Append(std::unique_ptr<CGroup> group) { return groups.Append(std::move(group), "Group"); }
    // Unlinks and destroys the group; the selection becomes none when it was selected.
    void Remove(CGroup* group)
    {
        if (selected == group)
            selected = nullptr;
        groups.Remove(group);
    }
    void Clear()
    {
        selected = nullptr;
        groups.Clear();
    }
    int Count() const { return groups.Count(); }
};
