#include "support/paths/QuestPaths.h"

#include "support/paths/Globals.h"

namespace {
QString InQuest(const QString& tail)
{
    return QuestFilePath(tail);
}
} // namespace

QString QuestFolderPath(const QString& quest)
{
    return QStringLiteral("questdata\\") + quest;
}

QString QuestFilePath(const QString& fileName)
{
    return QuestFolderPath(g_questName) + QLatin1Char('\\') + fileName;
}

QString MapFilePath(const QString& quest)
{
    return QStringLiteral("save\\") + quest + QStringLiteral(".qss");
}

QString MapFilePath()
{
    return MapFilePath(g_questName);
}

QString QuestArchivePath()
{
    return QStringLiteral("output\\") + g_questName + QStringLiteral(".qst");
}

QString ScreenName(int column, int row)
{
    return QStringLiteral("%1-%2").arg(column).arg(row);
}

QString ScreenBasePath(int column, int row)
{
    return InQuest(QStringLiteral("screens\\") + ScreenName(column, row));
}

QString ScreenFilePath(int column, int row)
{
    return ScreenBasePath(column, row) + QStringLiteral(".lnd");
}

QString PreviewPath(int column, int row)
{
    return ScreenBasePath(column, row) + QStringLiteral(".bmp");
}

QString PreviewFileName(int column, int row)
{
    return ScreenName(column, row) + QStringLiteral(".bmp");
}

QString ScreenScriptPath(int column, int row)
{
    return InQuest(QStringLiteral("scripts\\screen\\") + ScreenName(column, row) + QStringLiteral(".ves"));
}

QString CompiledScreenScriptPath(int column, int row)
{
    return InQuest(QStringLiteral("scripts\\screen\\amx\\") + ScreenName(column, row) + QStringLiteral(".amx"));
}

QString GroupScriptPath(int groupId)
{
    return InQuest(QStringLiteral("scripts\\group\\%1.ves").arg(groupId));
}

QString CompiledGroupScriptPath(int groupId)
{
    return InQuest(QStringLiteral("scripts\\group\\amx\\%1.amx").arg(groupId));
}

QString MainScriptPath()
{
    return MainScriptPath(g_questName);
}

QString MainScriptPath(const QString& quest)
{
    return QuestFolderPath(quest) + QStringLiteral("\\scripts\\main\\main.ves");
}

QString CompiledMainScriptPath()
{
    return InQuest(QStringLiteral("scripts\\main\\amx\\main.amx"));
}

QString EntityListPath()
{
    return InQuest(QStringLiteral("entitylist.txt"));
}

QString SoundListPath()
{
    return InQuest(QStringLiteral("soundlist.txt"));
}

QString SheetListPath()
{
    return InQuest(QStringLiteral("sheets.txt"));
}

QString TemplatePath(const QString& fileName)
{
    return QStringLiteral("questdata\\") + fileName;
}

QString ScreenScriptTemplatePath()
{
    return TemplatePath(QStringLiteral("standardscreen.ves"));
}

QString CompilerPath()
{
    return QStringLiteral("compiler\\sc");
}

QString CompileListPath()
{
    return QStringLiteral("compiler\\compilelist.txt");
}

QString CompilerErrorFilePath()
{
    return QStringLiteral("compiler\\errors.txt");
}

QString CompilerErrorFileAheadPath(int slot)
{
    return slot == 0 ? QStringLiteral("compiler\\errors-next-1.txt") : QStringLiteral("compiler\\errors-next-2.txt");
}

QString EntityScriptPath(const QString& entity)
{
    return QStringLiteral("entities\\") + entity + QStringLiteral(".ves");
}

QString CompiledEntityScriptPath(const QString& entity)
{
    return QStringLiteral("entities\\amx\\") + entity + QStringLiteral(".amx");
}

QString SheetFolderPath(const QString& entry)
{
    return QStringLiteral("sprite sheets\\") + entry;
}

QString SheetFilePath(const QString& sheet)
{
    return SheetFolderPath(sheet) + QStringLiteral(".spt");
}

QString SheetBitmapPath(const QString& sheet)
{
    return SheetFolderPath(sheet) + QStringLiteral(".bmp");
}

QString SoundPath(const QString& sound)
{
    return QStringLiteral("sounds\\") + sound;
}

QString EngineListFolderPath()
{
    return QStringLiteral("output\\temp");
}

QString EngineListPath(const QString& fileName)
{
    return EngineListFolderPath() + QLatin1Char('\\') + fileName;
}

QString ScriptEditorPath()
{
    return QStringLiteral("editor\\cgenie");
}

QString RecoveryPath(const QString& logicalPath)
{
    return QStringLiteral("recovery\\") + logicalPath;
}

QString ScreenRecoveryPath(int column, int row)
{
    return RecoveryPath(ScreenFilePath(column, row));
}

QString SheetRecoveryPath(const QString& sheet)
{
    return RecoveryPath(SheetFilePath(sheet));
}
