#pragma once
#include <QString>

// "questdata\" + the open quest's name + "\" + the file name.
QString QuestFilePath(const QString& fileName);
