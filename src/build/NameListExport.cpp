#include "build/NameListExport.h"

#include "build/CompileList.h"
#include "build/NameList.h"
#include "build/VirtualArchive.h"
#include "support/DiagnosticLog.h"
#include "support/LogicalPath.h"
#include "support/TextFile.h"
#include "support/UiPort.h"

namespace {

// Names from the tree lists become paths below "entities\", "sounds\" and
// "sprite sheets\"; one that could reach outside its folder is left out.
bool Accept(const QString& name)
{
    if (IsPlainResourceName(name))
        return true;
    LogLine(QStringLiteral("Resource name left out of the quest file, it is not a plain file name:"));
    LogLine(name);
    return false;
}

// The output lists are replaced whole. A list that cannot be created stops
// the build; the user is told which one, since nothing else would say why.
const char kListFailure[] = "Couldn't create the list file for the engine";

bool OpenList(CTextWriter& file, const char* path, CUiPort& ui)
{
    if (file.Open(QLatin1String(path)))
        return true;
    ui.MessageBox(QLatin1String(kListFailure), QLatin1String(path));
    return false;
}

bool CommitList(CTextWriter& file, const char* path, CUiPort& ui)
{
    if (file.Commit())
        return true;
    ui.MessageBox(QLatin1String(kListFailure), QLatin1String(path));
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
    if (!script.Open(QStringLiteral("entities\\") + name + QStringLiteral(".ves")))
        return 0;
    QByteArray piece;
    while (script.GetLine(piece, 64))
        if (piece.contains("main()"))
            return 0;
    return 1;
}

int ExportEntities(CNameList& entities, CVirtualArchive& archive, CCompileList& compileList, CUiPort& ui)
{
    CTextWriter file;
    if (!OpenList(file, "output\\temp\\entities.txt", ui))
        return 0;
    entities.ReadTreeFile(QStringLiteral("entitylist.txt"), QStringLiteral("Couldnt open entity List"), ui);
    for (const QString& name : entities.Names()) {
        if (!Accept(name))
            continue;
        file.Line(name);
        file.Line(QByteArray::number(EntityFlag(name)));
        if (!compileList.CompileIfChanged(QStringLiteral("entities\\") + name + QStringLiteral(".ves"))) {
            file.Commit();
            return 0;
        }
        archive.AddFile(QStringLiteral("entities\\amx\\") + name + QStringLiteral(".amx"),
                        QStringLiteral("ES") + name + QStringLiteral(".amx"), 0);
    }
    if (!CommitList(file, "output\\temp\\entities.txt", ui))
        return 0;
    archive.AddFile(QStringLiteral("output\\temp\\entities.txt"), QStringLiteral("entities.txt"), 1);
    return 1;
}

int ExportSheets(CNameList& sheets, CVirtualArchive& archive, CUiPort& ui)
{
    CTextWriter file;
    if (!OpenList(file, "output\\temp\\sheets.txt", ui))
        return 0;
    sheets.ReadTreeFile(QStringLiteral("sheets.txt"), QStringLiteral("Couldnt open sheets List"), ui);
    for (const QString& name : sheets.Names()) {
        if (!Accept(name))
            continue;
        file.Line(name);
        archive.AddFile(QStringLiteral("sprite sheets\\") + name + QStringLiteral(".spt"), name + QStringLiteral(".spt"), 1);
        archive.AddFile(QStringLiteral("sprite sheets\\") + name + QStringLiteral(".bmp"), name + QStringLiteral(".bmp"), 0);
    }
    if (!CommitList(file, "output\\temp\\sheets.txt", ui))
        return 0;
    archive.AddFile(QStringLiteral("output\\temp\\sheets.txt"), QStringLiteral("sheets.txt"), 1);
    return 1;
}

int ExportSounds(CNameList& sounds, CVirtualArchive& archive, bool includeSound, CUiPort& ui)
{
    CTextWriter file;
    if (!OpenList(file, "output\\temp\\soundlist.txt", ui))
        return 0;
    sounds.ReadTreeFile(QStringLiteral("soundlist.txt"), QStringLiteral("Couldnt open sound List"), ui);
    if (includeSound) {
        for (const QString& name : sounds.Names()) {
            if (!Accept(name))
                continue;
            file.Line(name);
            archive.AddFile(QStringLiteral("sounds\\") + name, name, 1);
        }
    }
    if (!CommitList(file, "output\\temp\\soundlist.txt", ui))
        return 0;
    archive.AddFile(QStringLiteral("output\\temp\\soundlist.txt"), QStringLiteral("soundlist.txt"), 1);
    return 1;
}
