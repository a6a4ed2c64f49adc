#pragma once
// The checks a quest build makes on the map before it collects anything, and
// the texts the build shows. The quest check reports with the same texts, so a
// problem reads the same whether the build or the check finds it.
#include <vector>

class CQuestMap;

extern const char kCompileListFailure[];   // "Can't build compile list!"
extern const char kStartNotOnScreen[];     // "The player's starting position has to be on\na screen, ..."
extern const char kScreensNotInGroups[];   // "One or more of your screens is not in a group, ..."
extern const char kCouldNotWriteLnd[];     // "Couldn't Write LND file to the archive"

// The player's start (world units) lies on a cell that holds a screen; a point
// on the border between two screens counts for both.
bool StartPositionOnScreen(const CQuestMap& map);
// The grid indexes of the screens whose block's centre lies in no group, in
// grid order.
std::vector<int> ScreensOutsideGroups(const CQuestMap& map);
