#include "quest/BuildChecks.h"

#include "quest/QuestMap.h"

const char kCompileListFailure[] = "Can't build compile list!";
const char kStartNotOnScreen[] =
    "The player's starting position has to be on\na screen, change this in the quest properties\nOption screen";
const char kScreensNotInGroups[] =
    "One or more of your screens is not in a group, you can\ncreate a group by right-clicking and dragging in the "
    "map\ndesigner, please put all you screens in a group and try again.";
const char kCouldNotWriteLnd[] = "Couldn't Write LND file to the archive";

bool StartPositionOnScreen(const CQuestMap& map)
{
    const int64_t sx = map.properties.startX;
    const int64_t sy = map.properties.startY;
    for (int index = 0; index < kMapCellCount; ++index) {
        if (!map.CellAt(index).HoldsScreen())
            continue;
        const int64_t i = index % kMapColumns;
        const int64_t j = index / kMapColumns;
        if (i * kScreenWidth <= sx && sx <= i * kScreenWidth + kScreenWidth && j * kScreenHeight <= sy
            && sy <= j * kScreenHeight + kScreenHeight)
            return true;
    }
    return false;
}

std::vector<int> ScreensOutsideGroups(const CQuestMap& map)
{
    std::vector<int> outside;
    for (int index = 0; index < kMapCellCount; ++index) {
        const CMapCell& cell = map.CellAt(index);
        if (cell.HoldsScreen() && !map.FindGroupAt(CellLeft(index) + kCellWidth / 2, CellTop(index) + kCellHeight / 2))
            outside.push_back(index);
    }
    return outside;
}
