// A screen preview file (questdata\Fuzz\screens\0-0.bmp, 128 x 96 lines of
// pixel values) as the map designer loads it into a cell. The preview of any
// file is a whole 128 x 96 picture, and its pixels written as a preview file
// read back unchanged. Its lines counted without reading a pixel (as the
// quest check counts them) are the lines reading it counts.
#include "FuzzBase.h"

#include "display/Surface.h"
#include "quest/MapCell.h"
#include "quest/PreviewReader.h"
#include "quest/Quest.h"
#include "screens/PreviewWriter.h"
#include "support/paths/QuestPaths.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzSetUp();
    static CFuzzUi ui;
    static CQuest quest(ui, ui, ui);
    FuzzWrite(PreviewPath(0, 0), data, size);
    CMapCell& cell = quest.map.Cell(0, 0);
    quest.files.LoadPreview(cell, 0, 0);
    FuzzCheck(cell.HoldsScreen(), "a preview file that opens puts a screen on the cell");
    const CSurface* preview = quest.map.Preview(0, 0);
    FuzzCheck(preview != nullptr, "a preview file that opens gives the cell a preview");
    FuzzCheck(preview->Width() == kPreviewWidth && preview->Height() == kPreviewHeight, "a preview is 128 x 96");

    CSurface read;
    read.Create(kPreviewWidth, kPreviewHeight);
    int lines = -1;
    FuzzCheck(ReadPreviewFile(PreviewPath(0, 0), read, &lines), "a preview file opens");
    FuzzCheck(PreviewLinesHeld(PreviewPath(0, 0)) == lines, "lines counted alone are the lines read");

    const QByteArray written = PreviewFileBytes(*preview);
    FuzzWrite(PreviewPath(1, 0), written);
    CSurface again;
    again.Create(kPreviewWidth, kPreviewHeight);
    FuzzCheck(ReadPreviewFile(PreviewPath(1, 0), again), "a written preview opens");
    for (int y = 0; y < kPreviewHeight; ++y)
        for (int x = 0; x < kPreviewWidth; ++x)
            FuzzCheck(again.Pixel(x, y) == preview->Pixel(x, y), "a written preview reads back the same");
    return 0;
}
