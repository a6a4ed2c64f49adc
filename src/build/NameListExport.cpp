#include "build/NameListExport.h"

#include "build/CompileList.h"
#include "build/NameList.h"
#include "build/VirtualArchive.h"
#include "support/DiagnosticLog.h"
#include "support/LogicalPath.h"
#include "support/QuestPaths.h"
#include "support/TextFile.h"
#include "support/MessagePort.h"

const char kEntityListMissing[] = "Couldnt open entity List";
const char kSheetListMissing[] = "Couldnt open sheets List";
const char kSoundListMissing[] = "Couldnt open sound List";
const char kNameLeftOut[] = "Resource name left out of the quest file, it is not a plain file name:";

namespace {

// Names from the tree lists become paths below "entities\", "sounds\" and
// "sprite sheets\"; one that could reach outside its folder is left out.
bool Accept(const QString& name)
{
    if (IsPlainResourceName(name))
        return true;
    LogLine(QLatin1String(kNameLeftOut));
    LogLine(name);
    return false;
}

// The output lists are replaced whole. A list that cannot be created stops
// the build; the user is told which one, since nothing else would say why.
const char kListFailure[] = "Couldn't create the list file for the engine";

bool OpenList(CTextWriter& file, const QString& path, CMessagePort& ui)
{
    if (file.Open(path))
        return true;
    ui.MessageBox(QLatin1String(kListFailure), path);
    return false;
}

bool CommitList(CTextWriter& file, const QString& path, CMessagePort& ui)
{
    if (file.Commit())
        return true;
    ui.MessageBox(QLatin1String(kListFailure), path);
    return false;
}

} // namespace

bool IsPlainResourceName(const QString& name)
{
    return IsSafeFileName(name) && !name.contains(QLatin1String(".."));
}

int EntityFlag(const QString& name)
{
    CTextReader script;
    if (!script.Open(EntityScriptPath(name)))
        return 0;
    QByteArray piece;
    while (script.GetLine(piece, 64))
        if (piece.contains("main()"))
            return 0;
    return 1;
}

int ExportEntities(CNameList& entities, CVirtualArchive& archive, CCompileList& compileList, CMessagePort& ui)
{
    CTextWriter file;
    if (!OpenList(file, EngineListPath(QStringLiteral("entities.txt")), ui))
        return 0;
    entities.ReadTreeFile(EntityListPath(), QLatin1String(kEntityListMissing), ui);
    for (const QString& name : entities.Names()) {
        if (!Accept(name))
            continue;
        file.Line(name);
        file.Line(QByteArray::number(EntityFlag(name)));
        if (!compileList.CompileIfChanged(EntityScriptPath(name))) {
            file.Commit();
            return 0;
        }
        archive.AddFile(CompiledEntityScriptPath(name),
                        QStringLiteral("ES") + name + QStringLiteral(".amx"), 0);
    }
    if (!CommitList(file, EngineListPath(QStringLiteral("entities.txt")), ui))
        return 0;
    archive.AddFile(EngineListPath(QStringLiteral("entities.txt")), QStringLiteral("entities.txt"), 1);
    return 1;
}

int ExportSheets(CNameList& sheets, CVirtualArchive& archive, CMessagePort& ui)
{
    CTextWriter file;
    if (!OpenList(file, EngineListPath(QStringLiteral("sheets.txt")), ui))
        return 0;
    sheets.ReadTreeFile(SheetListPath(), QLatin1String(kSheetListMissing), ui);
    for (const QString& name : sheets.Names()) {
        if (!Accept(name))
            continue;
        file.Line(name);
        archive.AddFile(SheetFilePath(name), name + QStringLiteral(".spt"), 1);
        archive.AddFile(SheetBitmapPath(name), name + QStringLiteral(".bmp"), 0);
    }
    if (!CommitList(file, EngineListPath(QStringLiteral("sheets.txt")), ui))
        return 0;
    archive.AddFile(EngineListPath(QStringLiteral("sheets.txt")), QStringLiteral("sheets.txt"), 1);
    return 1;
}

int ExportSounds(CNameList& sounds, CVirtualArchive& archive, bool includeSound, CMessagePort& ui)
{
    CTextWriter file;
    if (!OpenList(file, EngineListPath(QStringLiteral("soundlist.txt")), ui))
        return 0;
    sounds.ReadTreeFile(SoundListPath(), QLatin1String(kSoundListMissing), ui);
    if (includeSound) {
        for (const QString& name : sounds.Names()) {
            if (!Accept(name))
                continue;
            file.Line(name);
            archive.AddFile(SoundPath(name), name, 1);
        }
    }
    if (!CommitList(file, EngineListPath(QStringLiteral("soundlist.txt")), ui))
        return 0;
    archive.AddFile(EngineListPath(QStringLiteral("soundlist.txt")), QStringLiteral("soundlist.txt"), 1);
    return 1;
}
