// A screen file (questdata\Fuzz\screens\0-0.lnd) as the screen designer loads
// it, resolved against a sample sheet, rendered and hit-tested. Whatever was
// read must write back and read back the same.
#include "FuzzBase.h"

#include "display/Display.h"
#include "screens/Screen.h"
#include "screens/ScreenFile.h"
#include "sheets/SheetLibrary.h"
#include "support/io/TextFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzSetUp();
    static CFuzzUi ui;
    static CDisplay* display = [] {
        auto* d = new CDisplay;
        d->Initialise(nullptr, 1024, 768);
        FuzzWriteSampleSheet(QStringLiteral("sample"));
        FuzzWrite(QStringLiteral("questdata\\Fuzz\\sheets.txt"), QByteArray("sample\r\nsample\r\n"));
        return d;
    }();
    static CSheetLibrary library(display, ui);
    FuzzWrite(CScreen::BasePath(0, 0) + QStringLiteral(".lnd"), data, size);

    CScreen screen(display, &ui, &library);
    screen.Create();
    FuzzCheck(screen.Load() == 1, "a screen file that opens loads");
    screen.Render();
    for (const auto& [x, y] : {std::pair{10, 10}, std::pair{160, 120}, std::pair{-5, 300}})
        screen.HitTest(x, y, 0, 0);
    FuzzCheck(screen.holes.Count() <= screen.fills.Count(), "at most one hole per fill");

    const QByteArray first = ScreenFileBytes(screen);
    CTextReader again;
    again.OpenBytes(first);
    CScreen reread(display, &ui, &library);
    reread.Create();
    ReadScreenFile(again, reread);
    FuzzCheck(ScreenFileBytes(reread) == first, "a written screen file reads back the same");
    return 0;
}
