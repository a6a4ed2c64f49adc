// Sheet files and sheet lists that people edited by hand or that were cut
// short: what the sheet library makes of each, row by row.
#include "display/Display.h"
#include "helpers/FakeUi.h"
#include "helpers/FileBytes.h"
#include "sheets/SheetFixture.h"
#include "sheets/SheetLibrary.h"
#include "sheets/SpriteSheet.h"
#include "support/io/TextCodec.h"
#include "support/paths/Globals.h"

#include <QDir>

#include <gtest/gtest.h>

namespace {

// code/flags/rectangles: flags are e(ntity) b(ackground) f(ill) a(nimated)
// t(op); each rectangle is "left,top,width,height".
QString Sprites(const CSpriteSheet& sheet)
{
    QStringList sprites;
    for (const CSheetSprite* s : sheet.sprites) {
        QString flags;
        if (s->entity)
            flags += QLatin1Char('e');
        if (s->background)
            flags += QLatin1Char('b');
        if (s->fill)
            flags += QLatin1Char('f');
        if (s->animated)
            flags += QLatin1Char('a');
        if (s->onTop)
            flags += QLatin1Char('t');
        QStringList rects;
        for (const CRect* r : s->rectangles)
            rects << QStringLiteral("%1,%2,%3,%4").arg(r->left).arg(r->top).arg(r->Width()).arg(r->Height());
        sprites << QString::fromLatin1(s->code) + QLatin1Char('/') + flags + QLatin1Char('/') + rects.join(QLatin1Char(' '));
    }
    return sprites.join(QStringLiteral(" | "));
}

const QByteArray kTree = Lines({"tree", "0", "0", "8", "8", "", "FALSE", "255", "[EE]"});

struct BadSheetRow {
    const char* name;
    QByteArray file;
    QString title;
    QString sprites;
};

std::vector<BadSheetRow> Rows()
{
    return {
        {"a block cut short is dropped, the blocks before it stay",
         "T\r\n" + kTree + Lines({"bat", "ANIMATED", "2", "5.000000", "1", "2"}), "T", "tree//0,0,8,8"},
        {"markers and then the end of the file", "T\r\n" + kTree + Lines({"[ENTITY]", "[BACKGROUND]"}), "T",
         "tree//0,0,8,8"},
        {"an overlong code line is cut to 32 and the lines after it stay in place",
         Lines({"T", QByteArray(100, 'c'), "1", "2", "3", "4", "[FILL]", "", "TRUE", "255", "[EE]"}), "T",
         QString(32, QLatin1Char('c')) + QStringLiteral("/ft/1,2,3,4")},
        {"an overlong title keeps 63 characters", QByteArray(100, 'T') + "\r\n" + kTree, QString(63, QLatin1Char('T')),
         "tree//0,0,8,8"},
        {"the title alone", "T\r\n", "T", ""},
        {"an empty file", "", "", ""},
        {"a frame count of -1 gives an animation without frames",
         Lines({"T", "bat", "ANIMATED", "-1", "5.000000", "", "TRUE", "255", "[EE]"}) + kTree, "T",
         "bat/at/ | tree//0,0,8,8"},
        {"a frame count of 0", Lines({"T", "bat", "ANIMATED", "0", "5.000000", "", "FALSE", "255", "[EE]"}), "T", "bat/a/"},
        {"a frame count of 2,000,000,000 ends with the file",
         "T\r\n" + kTree + Lines({"bat", "ANIMATED", "2000000000", "5.0", "1", "2", "3", "4"}),
         "T", "tree//0,0,8,8"},
        {"non-numeric numbers", Lines({"T", "rock", "abc", "12px", " 8", "", "", "FALSE", "255", "[EE]"}), "T",
         "rock//0,12,8,0"},
        {"numbers no bitmap can reach are held", Lines({"T", "big", "2000000000", "-2000000000", "-1", "2000000000", "",
                                                        "FALSE", "255", "[EE]"}),
         "T", "big//536870912,-536870912,-1,536870912"},
        {"NUL bytes end a line's text", Lines({"T", QByteArray("tr\0ee", 5), "0", "0", "8", "8", "", "FALSE", "255", "[EE]"}),
         "T", "tr//0,0,8,8"},
        {"CR without LF is no line end", "T\rtree\r0\r0\r8\r8\r\rFALSE\r255\r[EE]\r",
         "T\rtree\r0\r0\r8\r8\r\rFALSE\r255\r[EE]\r", ""},
        {"LF alone", "T\ntree\n0\n0\n8\n8\n\nTRUE\n255\n[EE]\n", "T", "tree/t/0,0,8,8"},
        {"non-UTF-8 text keeps its bytes", Lines({"For\xeat", "b\xe2t", "0", "0", "8", "8", "", "FALSE", "255", "[EE]"}),
         DecodeText("For\xeat"), QStringLiteral("b\u00e2t//0,0,8,8")},
    };
}

struct SheetBadInputTest : ::testing::Test {
    SheetBadInputTest()
    {
        sheetfixture::WriteBitmap(base, QStringLiteral("bad"), sheetfixture::TilesImage());
        display.Initialise(nullptr, 1024, 768);
    }
    CTempBase base;
    CFakeUi ui;
    CDisplay display;
};

TEST_F(SheetBadInputTest, EverySheetFileRowGivesItsTitleAndSprites)
{
    for (const BadSheetRow& row : Rows()) {
        SCOPED_TRACE(row.name);
        base.Write(QStringLiteral("sprite sheets\\bad.spt"), row.file);
        CSpriteSheet sheet;
        EXPECT_EQ(sheet.Load(QStringLiteral("sprite sheets\\bad"), &display, ui), 1);
        EXPECT_EQ(sheet.title, row.title);
        EXPECT_EQ(Sprites(sheet), row.sprites);
        for (const CSheetSprite* sprite : sheet.sprites)
            EXPECT_EQ(sheet.FindSprite(sprite->code), sprite);
        EXPECT_TRUE(ui.messages.empty());
    }
}

TEST_F(SheetBadInputTest, AMissingOrFolderSheetFileLeavesTheSheetEmptyWithTheMessage)
{
    QDir().mkpath(base.Path(QStringLiteral("sprite sheets\\bad.spt")));
    CSpriteSheet sheet;
    EXPECT_EQ(sheet.Load(QStringLiteral("sprite sheets\\bad"), &display, ui), 0);
    EXPECT_TRUE(sheet.sprites.IsEmpty());
    EXPECT_NE(sheet.surface, nullptr);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, QStringLiteral("SPT file not found!"));
    EXPECT_EQ(ui.messages[0].caption, QStringLiteral("sprite sheets\\bad.spt"));
}

// The quest's sheet list as the library reads it: name lines only.
struct BadListRow {
    const char* name;
    QByteArray file;
    QString sheets; // every listed sheet's name, then "+" when it loaded sprites
};

std::vector<BadListRow> ListRows()
{
    return {
        {"a path line without its name line", Lines({"bad", "bad", "bad"}), "sprite sheets\\bad+"},
        {"an overlong name line is cut to 127 characters and the pairs stay",
         Lines({"x", QByteArray(200, 'n'), "bad", "bad"}),
         QStringLiteral("sprite sheets\\") + QString(127, QLatin1Char('n')) + QStringLiteral(" sprite sheets\\bad+")},
        {"names that would leave the folder are listed but never opened",
         Lines({"p", "..\\bad", "p", "../bad", "p", "C:bad", "bad", "bad"}),
         "sprite sheets\\..\\bad sprite sheets\\../bad sprite sheets\\C:bad sprite sheets\\bad+"},
        {"folders are no sheets", Lines({"F\\", "F\\", "F\\bad", "bad"}), "sprite sheets\\bad+"},
        {"NUL bytes end a name", Lines({"p", QByteArray("bad\0junk", 8)}), "sprite sheets\\bad+"},
        {"CR without LF is no line end", "bad\rbad\rbad\r", ""},
        {"an empty list", "", ""},
    };
}

TEST_F(SheetBadInputTest, EverySheetListRowGivesItsSheets)
{
    g_questName = QStringLiteral("Q");
    base.Write(QStringLiteral("sprite sheets\\bad.spt"), "T\r\n" + kTree);
    for (const BadListRow& row : ListRows()) {
        SCOPED_TRACE(row.name);
        base.Write(QStringLiteral("questdata\\Q\\sheets.txt"), row.file);
        CSheetLibrary library(&display, ui);
        QStringList sheets;
        for (const CSpriteSheet* sheet : library.sheets)
            sheets << sheet->name + (sheet->sprites.IsEmpty() ? QString() : QStringLiteral("+"));
        EXPECT_EQ(sheets.join(QLatin1Char(' ')), row.sheets);
    }
    EXPECT_TRUE(ui.messages.empty());
}

} // namespace
