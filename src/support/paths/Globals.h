#pragma once
// The run's globals: the base directory every logical path is relative to,
// and the name of the open quest. Tests set them freely.
#include <QString>

#include <cstdint>

extern QString g_baseDirectory;
extern QString g_questName;
// The screen designer's double-size mode, read by the screen model and the
// palettes to map view pixels to world units (1 on, 0 off).
extern int32_t g_doubleSize;
