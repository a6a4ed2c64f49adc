#pragma once
// A screen designer open on cell 1-2 of the quest "Q", whose sheets are the
// test sheet "tiles" and, when asked for, more; the document around it is a
// recording host.
#include "display/Display.h"
#include "helpers/FakeUi.h"
#include "helpers/TempBase.h"
#include "screens/ScreenDesigner.h"
#include "screens/ScreenHost.h"
#include "sheets/SheetFixture.h"
#include "sheets/SheetLibrary.h"
#include "support/paths/Globals.h"
#include "support/platform/Settings.h"

#include <QDir>

#include <gtest/gtest.h>

struct CRecordingScreenHost : CScreenHost {
    void ReturnToMap() override { ++returns; }
    void ReloadEntityList() override { ++entityListReads; }
    void ScreenSaved(int column, int row, bool) override { saved.push_back({column, row}); }
    int returns = 0;
    int entityListReads = 0;
    std::vector<std::pair<int, int>> saved;
};

class ScreenDesignerTest : public ::testing::Test {
protected:
    ScreenDesignerTest()
    {
        g_questName = QStringLiteral("Q");
        g_doubleSize = 0;
        CFillPalette::Scroll() = 0;
        for (const char* folder : {"questdata/Q/screens", "questdata/Q/scripts/screen"})
            QDir().mkpath(base.root + QLatin1Char('/') + QLatin1String(folder));
        sheetfixture::WriteSheet(base, QStringLiteral("tiles"), sheetfixture::TilesImage(), sheetfixture::TilesSpt());
        sheetfixture::ListSheets(base, QStringLiteral("Q"), {"tiles"});
        display.Initialise(nullptr, 1024, 768);
        WriteSetting(QStringLiteral("Options"), QStringLiteral("Zoom"), 0);
        WriteSetting(QStringLiteral("Options"), QStringLiteral("Stack"), 1);
    }
    ~ScreenDesignerTest() override { g_doubleSize = 0; }

    // Makes the designer (reading the settings) and opens it on a cell.
    CScreenDesigner& Open(int column = 1, int row = 2)
    {
        designer = std::make_unique<CScreenDesigner>(ui, ui, ui, &host);
        designer->display = &display;
        designer->OpenAtCell(column, row);
        return *designer;
    }

    // Picks a sprite of the strip, or a fill tile, by its code: a click inside its box.
    void Carry(const char* code) { ClickItem(*designer->spritePalette, code); }
    void ChooseFill(const char* code) { ClickItem(*designer->fillPalette, code); }
    void ClickItem(const CPalette& palette, const char* code)
    {
        const int s = designer->Scale();
        for (CPlacedSprite* item : palette.items)
            if (item->code == code) {
                designer->onLButtonDown(0, (palette.ItemLeft(*item) + 1) * s, (palette.ItemTop(*item) + 1) * s);
                return;
            }
        ADD_FAILURE() << "no " << code << " in the palette";
    }
    CScreen& Current() { return *designer->current; }
    uint16_t BackPixel(int x, int y) const { return display.BackBuffer()->Pixel(x, y); }

    CTempBase base;
    CFakeUi ui;
    CRecordingScreenHost host;
    CDisplay display;
    std::unique_ptr<CScreenDesigner> designer;
};
