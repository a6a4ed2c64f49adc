#include "support/Globals.h"

QString g_baseDirectory;
QString g_questName;
