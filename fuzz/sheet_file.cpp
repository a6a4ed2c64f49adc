// A sheet file ("sprite sheets\fuzz.spt", beside a valid bitmap) as the sheet
// library loads it, with the look-ups the screen designer makes on its sprites.
#include "FuzzBase.h"

#include "display/Display.h"
#include "sheets/SheetLibrary.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzSetUp();
    static CDisplay* display = [] {
        auto* d = new CDisplay;
        d->Initialise(nullptr, 1024, 768);
        FuzzWriteSampleSheet(QStringLiteral("fuzz")); // its bitmap stays; the sheet file is the input
        FuzzWrite(QStringLiteral("questdata\\Fuzz\\sheets.txt"), QByteArray("fuzz\r\nfuzz\r\n"));
        return d;
    }();
    FuzzWrite(QStringLiteral("sprite sheets\\fuzz.spt"), data, size);
    CFuzzUi ui;
    CSheetLibrary library(display, ui);
    FuzzCheck(library.sheets.Count() == 1, "the listed sheet is in the library");
    for (CSheetSprite* sprite : library.sheets.Head()->sprites) {
        FuzzCheck(sprite->code.size() <= 32, "a code holds at most 32 characters");
        const CRect* first = sprite->FirstRect();
        if (!first)
            FuzzCheck(sprite->Width() == -1 && sprite->Height() == -1, "a sprite without rectangles is -1 by -1");
        FuzzCheck(library.FindSprite(sprite->code) != nullptr, "every code is found");
        FuzzCheck(library.FindSheetOf(sprite) == library.sheets.Head(), "every sprite has its sheet");
    }
    int32_t scroll = 7;
    library.SelectSheet(1, &scroll);
    library.SelectSheet(-1, &scroll);
    return 0;
}
