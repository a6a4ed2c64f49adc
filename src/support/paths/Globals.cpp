#include "support/paths/Globals.h"

QString g_baseDirectory;
QString g_questName;
int32_t g_doubleSize = 0;
