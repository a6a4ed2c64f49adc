#pragma once
// The run's two globals: the base directory every logical path is relative to,
// and the name of the open quest. Tests set them freely.
#include <QString>

extern QString g_baseDirectory;
extern QString g_questName;
