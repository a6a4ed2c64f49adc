#include "support/QuestFilePath.h"

#include "support/Globals.h"

QString QuestFilePath(const QString& fileName)
{
    return QStringLiteral("questdata\\") + g_questName + QLatin1Char('\\') + fileName;
}
