#pragma once
// Every path of the base directory's layout, in one place: the quest folder
// below "questdata\", the map file, the built quest file, the compiler's files
// and the shared resource folders. All are logical paths (relative to the base
// directory, with backslashes); the quest is the open one (g_questName) unless
// one is named.
#include <QString>

// questdata\{quest} and questdata\{quest}\{fileName}
QString QuestFolderPath(const QString& quest);
QString QuestFilePath(const QString& fileName);

// save\{quest}.qss
QString MapFilePath(const QString& quest);
QString MapFilePath();
// output\{quest}.qst
QString QuestArchivePath();

// The files of the screen on a cell, named "{column}-{row}".
QString ScreenName(int column, int row);
// questdata\{quest}\screens\{column}-{row}, to which ".lnd" and ".bmp" are added.
QString ScreenBasePath(int column, int row);
QString ScreenFilePath(int column, int row);
QString PreviewPath(int column, int row);
// The preview's name in its folder, "{column}-{row}.bmp".
QString PreviewFileName(int column, int row);
QString ScreenScriptPath(int column, int row);
QString CompiledScreenScriptPath(int column, int row);

QString GroupScriptPath(int groupId);
QString CompiledGroupScriptPath(int groupId);
QString MainScriptPath();
QString MainScriptPath(const QString& quest);
QString CompiledMainScriptPath();

// The quest's three resource tree lists.
QString EntityListPath();
QString SoundListPath();
QString SheetListPath();

// The templates a new quest, screen or group starts from, in "questdata\".
QString TemplatePath(const QString& fileName);
QString ScreenScriptTemplatePath();

// The compiler and its files.
QString CompilerPath();
QString CompileListPath();
QString CompilerErrorFilePath();
// The error files of the scripts compiled beside the one before them, taken
// in turn (`slot` 0 or 1); each becomes compiler\errors.txt when its script's
// turn comes.
QString CompilerErrorFileAheadPath(int slot);

// The shared resources.
QString EntityScriptPath(const QString& entity);
QString CompiledEntityScriptPath(const QString& entity);
QString SheetFolderPath(const QString& entry);      // "sprite sheets\" + a sheet list entry
QString SheetFilePath(const QString& sheet);        // sprite sheets\{sheet}.spt
QString SheetBitmapPath(const QString& sheet);      // sprite sheets\{sheet}.bmp
QString SoundPath(const QString& sound);            // sounds\{sound}
// The lists written for the engine during a build: output\temp\{fileName}.
QString EngineListFolderPath();
QString EngineListPath(const QString& fileName);
// The external script editor.
QString ScriptEditorPath();

// The recovery files of unsaved work, in a folder of their own that mirrors
// the base directory: recovery\ + the work's own path.
QString RecoveryPath(const QString& logicalPath);
// recovery\questdata\{quest}\screens\{column}-{row}.lnd
QString ScreenRecoveryPath(int column, int row);
// recovery\sprite sheets\{sheet}.spt
QString SheetRecoveryPath(const QString& sheet);
