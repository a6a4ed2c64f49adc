#pragma once
// A quest "Q" in a temporary base directory whose only sheet is the test sheet
// "tiles", a ready display, a library over it and one screen at cell 1-2.
#include "display/Display.h"
#include "helpers/FakeUi.h"
#include "helpers/TempBase.h"
#include "screens/Screen.h"
#include "sheets/SheetFixture.h"
#include "sheets/SheetLibrary.h"
#include "support/paths/Globals.h"

#include <gtest/gtest.h>

#include <QDir>

#include <memory>

class ScreenTest : public ::testing::Test {
protected:
    ScreenTest()
    {
        g_questName = QStringLiteral("Q");
        g_doubleSize = 0;
        for (const char* folder : {"questdata/Q/screens", "questdata/Q/scripts/screen"})
            QDir().mkpath(base.root + QLatin1Char('/') + QLatin1String(folder));
        sheetfixture::WriteSheet(base, QStringLiteral("tiles"), sheetfixture::TilesImage(), sheetfixture::TilesSpt());
        sheetfixture::ListSheets(base, QStringLiteral("Q"), {"tiles"});
        display.Initialise(nullptr, 1024, 768);
        library = std::make_unique<CSheetLibrary>(&display, ui);
        screen = NewScreen(1, 2);
    }
    ~ScreenTest() override { g_doubleSize = 0; }

    std::unique_ptr<CScreen> NewScreen(int column, int row)
    {
        auto s = std::make_unique<CScreen>(&display, &ui, library.get());
        EXPECT_EQ(S_OK, s->Create());
        s->mapCellX = column;
        s->mapCellY = row;
        return s;
    }

    // A palette item for a code of the sheet.
    CPlacedSprite Item(const char* code) const
    {
        CPlacedSprite item;
        item.code = code;
        item.sprite = library->FindSprite(item.code);
        item.sheet = library->FindSheetOf(item.sprite);
        return item;
    }

    // Places a sprite with its top-left corner at (x, y) in world units.
    CPlacedSprite* Place(const char* code, int x, int y)
    {
        const CPlacedSprite item = Item(code);
        screen->AddPlacedSprite(item, x + kScreenMargin + item.Width(), y + kScreenMargin + item.Height());
        return screen->placedSprites.Tail();
    }

    uint16_t Pixel(int x, int y) const { return screen->preview->Pixel(x, y); }

    CTempBase base;
    CFakeUi ui;
    CDisplay display;
    std::unique_ptr<CSheetLibrary> library;
    std::unique_ptr<CScreen> screen;
};

constexpr uint16_t kWhite = 0xFFFF;
constexpr uint16_t kRed565 = 0xF800;
constexpr uint16_t kGreen565 = 0x07E0;
constexpr uint16_t kBlue565 = 0x001F;
constexpr uint16_t kYellow565 = 0xFFE0;
constexpr uint16_t kBlack565 = 0x0000;
constexpr uint16_t kCyan565 = 0x07FF;
