#include "display/Display.h"
#include "helpers/FakeUi.h"
#include "helpers/TempBase.h"
#include "sheets/SheetFixture.h"
#include "sheets/SheetLibrary.h"
#include "support/paths/Globals.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace sheetfixture;

namespace {

// A sheet that offers the screen designer nothing: one fill tile.
QByteArray FillOnlySpt(const char* code)
{
    return QByteArray("Fills\r\n") + Still("[BACKGROUND]\r\n", code, 0, 0, 8, 8, true, "FALSE");
}

QByteArray OneSpriteSpt(const char* code)
{
    return QByteArray("Sprites\r\n") + Still("[BACKGROUND]\r\n", code, 8, 0, 16, 16, false, "FALSE");
}

class SheetLibraryTest : public ::testing::Test {
protected:
    SheetLibraryTest() { display.Initialise(nullptr, 1024, 768); g_questName = QStringLiteral("Q"); }
    CTempBase base;
    CDisplay display;
    CFakeUi ui;
};

QStringList Codes(const CTaggedList<CSheetSprite, false>& list)
{
    QStringList codes;
    for (const CSheetSprite* s : list)
        codes << QString::fromLatin1(s->code);
    return codes;
}

} // namespace

TEST_F(SheetLibraryTest, LoadsASheetsBitmapKeyedOnGreenAndItsSprites)
{
    WriteSheet(base, QStringLiteral("tiles"), TilesImage(), TilesSpt());
    CSpriteSheet sheet;
    ASSERT_EQ(1, sheet.Load(QStringLiteral("sprite sheets\\tiles"), &display, ui));
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(QStringLiteral("sprite sheets\\tiles"), sheet.name);
    EXPECT_EQ(QStringLiteral("Tiles"), sheet.title);
    ASSERT_TRUE(sheet.surface);
    EXPECT_EQ(64, sheet.surface->Width());
    EXPECT_TRUE(sheet.surface->colourKeyed);
    EXPECT_EQ(0x07E0, sheet.surface->KeyValue());
    EXPECT_EQ(0xF800, sheet.surface->Pixel(0, 0));   // red
    EXPECT_EQ(0x07E0, sheet.surface->Pixel(15, 7));  // the keyed middle of blue
    EXPECT_EQ(7, sheet.sprites.Count());
    EXPECT_EQ("blue", sheet.FindSprite("blue")->code);
    EXPECT_EQ(nullptr, sheet.FindSprite("Blue"));
    EXPECT_TRUE(sheet.ContainsSprite(sheet.FindSprite("cyan")));
    EXPECT_FALSE(sheet.ContainsSprite(nullptr));
    EXPECT_TRUE(sheet.HasDesignerSprites());
}

TEST_F(SheetLibraryTest, ASheetFailsWithoutDisplayBitmapOrSheetFile)
{
    WriteSheet(base, QStringLiteral("tiles"), TilesImage(), TilesSpt());
    CDisplay notReady;
    CSpriteSheet a;
    EXPECT_EQ(0, a.Load(QStringLiteral("sprite sheets\\tiles"), &notReady, ui));
    EXPECT_FALSE(a.surface);

    WriteBitmap(base, QStringLiteral("nofile"), TilesImage());
    CSpriteSheet b;
    EXPECT_EQ(0, b.Load(QStringLiteral("sprite sheets\\nofile"), &display, ui));
    EXPECT_TRUE(b.surface); // the bitmap stays
    EXPECT_TRUE(b.sprites.IsEmpty());
    ASSERT_EQ(1u, ui.messages.size());
    EXPECT_EQ(QStringLiteral("SPT file not found!"), ui.messages[0].text);
    EXPECT_EQ(QStringLiteral("sprite sheets\\nofile.spt"), ui.messages[0].caption);

    base.Write(QStringLiteral("sprite sheets\\nobitmap.spt"), TilesSpt());
    base.Write(QStringLiteral("sprite sheets\\broken.bmp"), "BM not really a bitmap");
    base.Write(QStringLiteral("sprite sheets\\broken.spt"), TilesSpt());
    for (const char* name : {"nobitmap", "broken"}) {
        CSpriteSheet c;
        EXPECT_EQ(0, c.Load(QStringLiteral("sprite sheets\\") + QLatin1String(name), &display, ui)) << name;
        EXPECT_FALSE(c.surface);
        EXPECT_TRUE(c.sprites.IsEmpty());
    }
    EXPECT_EQ(1u, ui.messages.size()); // a missing bitmap says nothing

    base.Write(QStringLiteral("sprite sheets\\empty.spt"), "");
    WriteBitmap(base, QStringLiteral("empty"), TilesImage());
    CSpriteSheet d;
    EXPECT_EQ(1, d.Load(QStringLiteral("sprite sheets\\empty"), &display, ui));
    EXPECT_TRUE(d.title.isEmpty());
}

TEST_F(SheetLibraryTest, TakesOnlyNameLinesAndSkipsFolders)
{
    WriteSheet(base, QStringLiteral("tiles"), TilesImage(), TilesSpt());
    WriteSheet(base, QStringLiteral("second"), TilesImage(), OneSpriteSpt("other"));
    // The path line of the first entry names a sheet that exists; it must not be
    // taken. The folder entry is skipped, and a name that would leave the sheet
    // folder is listed but never opened.
    base.Write(QStringLiteral("questdata\\Q\\sheets.txt"),
               "second\r\ntiles\r\nTrees\\\r\nTrees\\\r\nTrees\\second\r\nsecond\r\n..\\..\\x\r\n..\r\nlast");
    CSheetLibrary library(&display, ui);
    ASSERT_EQ(3, library.sheets.Count());
    EXPECT_EQ(QStringLiteral("sprite sheets\\tiles"), library.sheets.At(0)->name);
    EXPECT_EQ(QStringLiteral("sprite sheets\\second"), library.sheets.At(1)->name);
    EXPECT_EQ(QStringLiteral("sprite sheets\\.."), library.sheets.At(2)->name);
    EXPECT_TRUE(library.sheets.At(2)->sprites.IsEmpty());
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(SheetLibraryTest, AFolderIsNeverTakenForASheetWhateverItsLength)
{
    WriteSheet(base, QStringLiteral("tiles"), TilesImage(), TilesSpt());
    QByteArray list = "\\\r\n\\\r\n"; // an empty-named folder
    for (int length : {126, 127, 128, 200}) {
        const QByteArray folder(length, 'f');
        list += folder + "\\\r\n" + folder + "\\\r\n";
    }
    // A sheet name longer than the line buffer is cut to 127 characters.
    list += QByteArray(130, 's') + "\r\n" + QByteArray(130, 's') + "\r\ntiles\r\ntiles\r\n";
    base.Write(QStringLiteral("questdata\\Q\\sheets.txt"), list);
    CSheetLibrary library(&display, ui);
    ASSERT_EQ(2, library.sheets.Count());
    EXPECT_EQ(QStringLiteral("sprite sheets\\") + QString(127, QLatin1Char('s')), library.sheets.At(0)->name);
    EXPECT_EQ(QStringLiteral("sprite sheets\\tiles"), library.sheets.At(1)->name);
}

TEST_F(SheetLibraryTest, ASheetIsFoundWhateverTheCaseOfItsFiles)
{
    // As quests made on case-insensitive systems name them.
    WriteSheet(base, QStringLiteral("Meadow"), TilesImage(), TilesSpt());
    const QString folder = base.root + QStringLiteral("/sprite sheets/");
    QFile::rename(folder + QStringLiteral("Meadow.spt"), folder + QStringLiteral("MEADOW.spt"));
    ListSheets(base, QStringLiteral("Q"), {"meadow"});
    CSheetLibrary library(&display, ui);
    ASSERT_EQ(1, library.sheets.Count());
    EXPECT_EQ(QStringLiteral("sprite sheets\\meadow"), library.sheets.At(0)->name);
    EXPECT_TRUE(library.sheets.At(0)->surface);
    EXPECT_EQ(7, library.sheets.At(0)->sprites.Count());
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(SheetLibraryTest, AMissingSheetListLeavesAnEmptyLibraryWithTheMessage)
{
    CSheetLibrary library(&display, ui);
    EXPECT_TRUE(library.sheets.IsEmpty());
    EXPECT_EQ(nullptr, library.selectedSheet);
    ASSERT_EQ(1u, ui.messages.size());
    EXPECT_EQ(QStringLiteral("Couldn't Open Sprite Sheet File!"), ui.messages[0].text);
    EXPECT_EQ(QStringLiteral("Error"), ui.messages[0].caption);
    library.SelectSheet(1); // nothing to select
    EXPECT_EQ(nullptr, library.selectedSheet);
}

TEST_F(SheetLibraryTest, KeepsSheetsWhoseFilesAreMissing)
{
    WriteSheet(base, QStringLiteral("tiles"), TilesImage(), TilesSpt());
    WriteBitmap(base, QStringLiteral("nospt"), TilesImage());
    ListSheets(base, QStringLiteral("Q"), {"nospt", "gone", "tiles"});
    CSheetLibrary library(&display, ui);
    ASSERT_EQ(3, library.sheets.Count());
    EXPECT_TRUE(library.sheets.At(0)->surface);
    EXPECT_FALSE(library.sheets.At(1)->surface);
    ASSERT_EQ(1u, ui.messages.size());
    EXPECT_EQ(QStringLiteral("sprite sheets\\nospt.spt"), ui.messages[0].caption);
    // Construction selects with step 0, which cannot step past a sheet that
    // offers nothing; the designer's step +1 does.
    EXPECT_EQ(0, library.selectedIndex);
    EXPECT_EQ(library.sheets.At(0), library.selectedSheet);
    library.SelectSheet(+1);
    EXPECT_EQ(library.sheets.At(2), library.selectedSheet);
}

TEST_F(SheetLibraryTest, BuildsTheFillListSheetBySheetAndFindsSpritesAndTheirSheets)
{
    WriteSheet(base, QStringLiteral("tiles"), TilesImage(), TilesSpt());
    WriteSheet(base, QStringLiteral("more"), TilesImage(), FillOnlySpt("red"));
    ListSheets(base, QStringLiteral("Q"), {"more", "tiles"});
    CSheetLibrary library(&display, ui);
    EXPECT_EQ((QStringList{"red", "red", "yellow", "hole001", "hole002"}), Codes(library.fillList));
    CSpriteSheet* more = library.sheets.At(0);
    CSpriteSheet* tiles = library.sheets.At(1);
    EXPECT_EQ(more->sprites.Head(), library.FindSprite("red")); // the first sheet wins
    EXPECT_EQ(tiles->FindSprite("cyan"), library.FindSprite("cyan"));
    EXPECT_EQ(nullptr, library.FindSprite("CYAN"));
    EXPECT_EQ(tiles, library.FindSheetOf(tiles->FindSprite("red")));
    EXPECT_EQ(more, library.FindSheetOf(library.FindSprite("red")));
    EXPECT_EQ(nullptr, library.FindSheetOf(nullptr));
    CSheetSprite stranger;
    EXPECT_EQ(nullptr, library.FindSheetOf(&stranger));
}

TEST_F(SheetLibraryTest, SelectionSkipsSheetsThatOfferNothingAndWraps)
{
    WriteSheet(base, QStringLiteral("f1"), TilesImage(), FillOnlySpt("a"));
    WriteSheet(base, QStringLiteral("f2"), TilesImage(), FillOnlySpt("b"));
    WriteSheet(base, QStringLiteral("s3"), TilesImage(), OneSpriteSpt("c"));
    ListSheets(base, QStringLiteral("Q"), {"f1", "f2", "s3"});
    CSheetLibrary library(&display, ui);
    library.selectedIndex = 0;
    library.selectedSheet = library.sheets.At(0);
    library.SelectSheet(+1);
    EXPECT_EQ(2, library.selectedIndex);
    library.SelectSheet(+1); // wraps to 0, skips 0 and 1, lands on 2 again
    EXPECT_EQ(2, library.selectedIndex);
    library.SelectSheet(-1);
    EXPECT_EQ(2, library.selectedIndex);
    EXPECT_EQ(library.sheets.At(2), library.selectedSheet);
}

TEST_F(SheetLibraryTest, StepsBeyondEitherEndWrapToTheOtherEnd)
{
    for (const char* n : {"a", "b", "c"})
        WriteSheet(base, QString::fromLatin1(n), TilesImage(), OneSpriteSpt(n));
    ListSheets(base, QStringLiteral("Q"), {"a", "b", "c"});
    CSheetLibrary library(&display, ui);
    EXPECT_EQ(0, library.selectedIndex);
    library.SelectSheet(-1);
    EXPECT_EQ(2, library.selectedIndex);
    library.SelectSheet(-5); // below 0: the last sheet, not a modular step
    EXPECT_EQ(2, library.selectedIndex);
    library.SelectSheet(+1);
    EXPECT_EQ(0, library.selectedIndex);
    library.SelectSheet(+2);
    EXPECT_EQ(2, library.selectedIndex);
    library.SelectSheet(+7); // at or beyond the count: sheet 0
    EXPECT_EQ(0, library.selectedIndex);
}

TEST_F(SheetLibraryTest, WhenNoSheetOffersAnythingTheLastTriedStaysSelected)
{
    for (const char* n : {"a", "b"})
        WriteSheet(base, QString::fromLatin1(n), TilesImage(), FillOnlySpt(n));
    ListSheets(base, QStringLiteral("Q"), {"a", "b"});
    CSheetLibrary library(&display, ui);
    EXPECT_EQ(0, library.selectedIndex); // step 0, tried three times
    library.SelectSheet(+1);             // 1, 0, 1
    EXPECT_EQ(1, library.selectedIndex);
    EXPECT_EQ(library.sheets.At(1), library.selectedSheet);
}

TEST_F(SheetLibraryTest, ThePalettesScrollTravelsWithTheSheet)
{
    for (const char* n : {"a", "b"})
        WriteSheet(base, QString::fromLatin1(n), TilesImage(), OneSpriteSpt(n));
    ListSheets(base, QStringLiteral("Q"), {"a", "b"});
    CSheetLibrary library(&display, ui);
    int32_t scroll = 120;
    library.SelectSheet(+1, &scroll);
    EXPECT_EQ(120, library.sheets.At(0)->rememberedScroll);
    EXPECT_EQ(0, scroll);
    scroll = 40;
    library.SelectSheet(+1, &scroll);
    EXPECT_EQ(120, scroll);
    EXPECT_EQ(40, library.sheets.At(1)->rememberedScroll);
    library.SelectSheet(+1); // without a palette nothing is remembered
    EXPECT_EQ(40, library.sheets.At(1)->rememberedScroll);
}
