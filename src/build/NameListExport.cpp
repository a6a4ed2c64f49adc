#include "build/NameListExport.h"

#include "build/CompileList.h"
#include "build/NameList.h"
#include "build/VirtualArchive.h"
#include "display/BitmapFile.h"
#include "support/io/NativeFile.h"
#include "support/io/TextCodec.h"
#include "support/io/TextFile.h"
#include "support/paths/LogicalPath.h"
#include "support/paths/QuestPaths.h"
#include "support/platform/DiagnosticLog.h"
#include "support/ui/MessagePort.h"

#include <QFile>


namespace {

// A name as a message line can show it: control characters as \xNN.
QString ShownName(const QString& name)
{
    QString shown;
    for (QChar c : name) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            shown += QStringLiteral("\\x")
                     + QString::number(c.unicode(), 16).toUpper().rightJustified(2, QLatin1Char('0'));
        else
            shown += c;
    }
    return shown;
}

// Names from the tree lists become paths below "entities\", "sounds\" and
// "sprite sheets\", and names inside the archive; one that would reach
// outside its folder or break the archive's directory is left out, and the
// build says so.
bool Accept(const QString& kind, const QString& name, const QString& longestArchiveName, QStringList* leftOut)
{
    const QString problem = ResourceNameProblem(name, longestArchiveName);
    if (problem.isEmpty())
        return true;
    LogLine(QStringLiteral("Resource name left out of the quest file, ") + problem + QLatin1Char(':'));
    LogLine(ShownName(name));
    if (leftOut)
        leftOut->append(kind + QStringLiteral(" \"") + ShownName(name) + QStringLiteral("\": ") + problem);
    return false;
}

// A file a list names goes into the archive; one that cannot (missing,
// unreadable) is named in the build's result, so that a quest file without
// it is never reported as whole.
void Pack(CVirtualArchive& archive, const QString& source, const QString& archiveName, int scramble,
          const QString& kind, const QString& name, QStringList* leftOut)
{
    if (!archive.AddFile(source, archiveName, scramble) && leftOut)
        leftOut->append(kind + QStringLiteral(" \"") + ShownName(name) + QStringLiteral("\": ") + ShownName(source)
                        + QStringLiteral(" could not be read"));
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

QString ResourceNameProblem(const QString& name, const QString& longestArchiveName)
{
    if (name.isEmpty())
        return QStringLiteral("the name is empty");
    if (name == QLatin1String(".") || name == QLatin1String(".."))
        return QStringLiteral("the name stands for a folder, not a file");
    for (QChar c : name) {
        if (c == QLatin1Char('/') || c == QLatin1Char('\\'))
            return QStringLiteral("the name holds a path separator");
        if (c == QLatin1Char(':'))
            return QStringLiteral("the name holds a drive colon");
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            return QStringLiteral("the name holds a control character");
        if (c == QLatin1Char('~'))
            return QStringLiteral("the name holds \"~\", which the quest file cannot store");
    }
    if (EncodeText(longestArchiveName).size() > CVirtualArchive::kMaxName)
        return QStringLiteral("its name in the quest file would be longer than %1 bytes")
            .arg(CVirtualArchive::kMaxName);
    return QString();
}

QString SheetBitmapEndProblem(const QString& sheet)
{
    QFile bitmap;
    if (!OpenLogicalFileForReading(bitmap, SheetBitmapPath(sheet)))
        return QString();
    return BitmapEndProblem(bitmap);
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

int ExportEntities(CNameList& entities, CVirtualArchive& archive, CCompileList& compileList, CMessagePort& ui,
                   QStringList* leftOut, const QStringList& compiledAfter)
{
    CTextWriter file;
    if (!OpenList(file, EngineListPath(QStringLiteral("entities.txt")), ui))
        return 0;
    entities.ReadTreeFile(EntityListPath(), QLatin1String(kEntityListMissing), ui);
    QStringList scripts;
    for (const QString& name : entities.Names())
        if (ResourceNameProblem(name, QStringLiteral("ES") + name + QStringLiteral(".amx")).isEmpty())
            scripts.append(EntityScriptPath(name));
    compileList.ExpectToCompile(scripts + compiledAfter);
    for (const QString& name : entities.Names()) {
        const QString compiledName = QStringLiteral("ES") + name + QStringLiteral(".amx");
        if (!Accept(QStringLiteral("entity"), name, compiledName, leftOut))
            continue;
        file.Line(name);
        file.Line(QByteArray::number(EntityFlag(name)));
        if (!compileList.CompileIfChanged(EntityScriptPath(name))) {
            file.Commit();
            return 0;
        }
        Pack(archive, CompiledEntityScriptPath(name), compiledName, 0, QStringLiteral("entity"), name, leftOut);
    }
    if (!CommitList(file, EngineListPath(QStringLiteral("entities.txt")), ui))
        return 0;
    archive.AddFile(EngineListPath(QStringLiteral("entities.txt")), QStringLiteral("entities.txt"), 1);
    return 1;
}

int ExportSheets(CNameList& sheets, CVirtualArchive& archive, CMessagePort& ui, QStringList* leftOut)
{
    CTextWriter file;
    if (!OpenList(file, EngineListPath(QStringLiteral("sheets.txt")), ui))
        return 0;
    sheets.ReadTreeFile(SheetListPath(), QLatin1String(kSheetListMissing), ui);
    for (const QString& name : sheets.Names()) {
        if (!Accept(QStringLiteral("sprite sheet"), name, name + QStringLiteral(".spt"), leftOut))
            continue;
        // A bitmap cut short would show its missing rows black in the engine.
        if (const QString damage = SheetBitmapEndProblem(name); !damage.isEmpty()) {
            ui.MessageBox(damage, SheetBitmapPath(name));
            return 0;
        }
        file.Line(name);
        Pack(archive, SheetFilePath(name), name + QStringLiteral(".spt"), 1, QStringLiteral("sprite sheet"), name,
             leftOut);
        Pack(archive, SheetBitmapPath(name), name + QStringLiteral(".bmp"), 0, QStringLiteral("sprite sheet"), name,
             leftOut);
    }
    if (!CommitList(file, EngineListPath(QStringLiteral("sheets.txt")), ui))
        return 0;
    archive.AddFile(EngineListPath(QStringLiteral("sheets.txt")), QStringLiteral("sheets.txt"), 1);
    return 1;
}

int ExportSounds(CNameList& sounds, CVirtualArchive& archive, bool includeSound, CMessagePort& ui,
                 QStringList* leftOut)
{
    CTextWriter file;
    if (!OpenList(file, EngineListPath(QStringLiteral("soundlist.txt")), ui))
        return 0;
    sounds.ReadTreeFile(SoundListPath(), QLatin1String(kSoundListMissing), ui);
    if (includeSound) {
        for (const QString& name : sounds.Names()) {
            if (!Accept(QStringLiteral("sound"), name, name, leftOut))
                continue;
            file.Line(name);
            Pack(archive, SoundPath(name), name, 1, QStringLiteral("sound"), name, leftOut);
        }
    }
    if (!CommitList(file, EngineListPath(QStringLiteral("soundlist.txt")), ui))
        return 0;
    archive.AddFile(EngineListPath(QStringLiteral("soundlist.txt")), QStringLiteral("soundlist.txt"), 1);
    return 1;
}
