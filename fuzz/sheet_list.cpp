// The quest's sheet list (questdata\Fuzz\sheets.txt) as the sheet library
// reads it: name lines only, folders skipped, every other name loaded from
// "sprite sheets\". No listed name may reach a file outside that folder.
#include "FuzzBase.h"

#include "display/Display.h"
#include "sheets/SheetLibrary.h"
#include "support/paths/LogicalPath.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzSetUp();
    static CDisplay* display = [] {
        auto* d = new CDisplay;
        d->Initialise(nullptr, 1024, 768);
        FuzzWriteSampleSheet(QStringLiteral("sample"));
        return d;
    }();
    FuzzWrite(QStringLiteral("questdata\\Fuzz\\sheets.txt"), data, size);
    CFuzzUi ui;
    CSheetLibrary library(display, ui);
    const QString folder = QStringLiteral("sprite sheets\\");
    for (CSpriteSheet* sheet : library.sheets) {
        FuzzCheck(sheet->name.startsWith(folder), "every sheet lies in \"sprite sheets\\\"");
        if (sheet->surface || !sheet->sprites.IsEmpty())
            FuzzCheck(IsSafeFileName(sheet->name.mid(folder.size())), "only plain names are loaded");
    }
    int32_t scroll = 0;
    library.SelectSheet(1, &scroll);
    library.SelectSheet(-3, &scroll);
    library.FindSprite("tree");
    return 0;
}
