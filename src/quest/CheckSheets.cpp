// The quest check's look at the listed sheets: a bitmap the editor cannot
// load, or that the build would pack cut short, and a sprite code that two
// sheets define (a screen file stores only the code, so the sheet searched
// first always wins).
#include "build/NameListExport.h"
#include "display/Display.h"
#include "quest/QuestCheckParts.h"
#include "sheets/SheetFileReader.h"
#include "sheets/SheetSprite.h"
#include "support/io/NativeFile.h"
#include "support/io/TextCodec.h"
#include "support/io/TextFile.h"
#include "support/paths/LogicalPath.h"
#include "support/paths/QuestPaths.h"

#include <QHash>

namespace {

struct CodeAt {
    QString sheetFile;
    int line = 0;
};

// Whether the editor loads the bitmap; the reason it does not, when it is there.
bool BitmapLoads(CQuestProblems& problems, const QString& sheet)
{
    const QString path = SheetBitmapPath(sheet);
    if (!IsLogicalFile(path))
        return false; // the list's check names the missing file
    if (const QString damage = SheetBitmapEndProblem(sheet); !damage.isEmpty()) {
        problems.Add(QuestProblemKind::Sheets, path, damage);
        return false;
    }
    CDisplay display;
    display.Initialise(nullptr, 1, 1);
    std::unique_ptr<CSurface> surface;
    if (display.CreateSurfaceFromBitmap(&surface, NativePath(path)) == S_OK)
        return true;
    problems.Add(QuestProblemKind::Sheets, path, QStringLiteral("The bitmap cannot be read: it is no picture the "
                                                                 "editor can load, so the sheet shows nothing"));
    return false;
}

} // namespace

SheetCheck CheckSheets(CQuestProblems& problems, const QuestLists& lists)
{
    SheetCheck check;
    if (!lists.sheetsRead)
        return check;
    QHash<QByteArray, CodeAt> firstDefinition;
    QStringList seen;
    for (const TreeListReading::Name& entry : lists.sheetReading.names) {
        const QString& sheet = entry.name;
        if (!IsSafeFileName(sheet) || !ResourceNameProblem(sheet, sheet + QStringLiteral(".spt")).isEmpty()
            || seen.contains(sheet))
            continue; // the library never opens it, or has it already
        seen << sheet;
        const bool bitmapLoads = BitmapLoads(problems, sheet);
        CTextReader file;
        if (!file.Open(SheetFilePath(sheet))) {
            check.someCodesUnknown = true;
            continue;
        }
        QByteArray title;
        CTaggedList<CSheetSprite> sprites;
        std::vector<int> lines;
        ReadSheetFile(file, title, sprites, &lines);
        int k = 0;
        for (const CSheetSprite* sprite : sprites) {
            const int line = lines[size_t(k++)];
            if (!bitmapLoads) {
                check.codesOfUnloadedSheets.insert(sprite->code);
                continue;
            }
            const auto first = firstDefinition.constFind(sprite->code);
            if (first == firstDefinition.constEnd()) {
                firstDefinition.insert(sprite->code, {SheetFilePath(sheet), line});
            } else if (first->sheetFile != SheetFilePath(sheet)) {
                problems.Add(QuestProblemKind::Sheets, SheetFilePath(sheet),
                             QStringLiteral("Sprite code \"%1\" is defined by %2 too (line %3), which is searched "
                                            "first, so screens never show this one")
                                 .arg(DecodeText(sprite->code), first->sheetFile)
                                 .arg(first->line),
                             line);
            }
        }
    }
    return check;
}
