// Screen files that people edited by hand or that were cut short: what a
// screen makes of each, row by row, and that what it read is written back
// without loss.
#include "helpers/FileBytes.h"
#include "screens/ScreenFile.h"
#include "screens/ScreenFixture.h"
#include "support/io/TextFile.h"

#include <QFile>

namespace {

// p[x,y,code,'name'(+ when the code resolved)] f[left,top,right,bottom,code] h[kinds]
QString Summary(const CScreen& screen)
{
    QStringList placed, fills, holes;
    for (const CPlacedSprite* p : screen.placedSprites)
        placed << QStringLiteral("%1,%2,%3,'%4'%5")
                      .arg(p->x).arg(p->y).arg(QString::fromLatin1(p->code), QString::fromLatin1(p->entityName))
                      .arg(p->sprite ? QStringLiteral("+") : QString());
    for (const CFill* f : screen.fills)
        fills << QStringLiteral("%1,%2,%3,%4,%5").arg(f->left).arg(f->top).arg(f->right).arg(f->bottom)
                     .arg(QString::fromLatin1(f->tile.code));
    for (const CHoleRecord* h : screen.holes)
        holes << QString::number(h->kind);
    return QStringLiteral("p[%1] f[%2] h[%3]")
        .arg(placed.join(QLatin1Char(' ')), fills.join(QLatin1Char(' ')), holes.join(QLatin1Char(' ')));
}

struct BadScreenRow {
    const char* name;
    QByteArray file;
    QString screen;
};

std::vector<BadScreenRow> Rows()
{
    return {
        {"a placed sprite cut short is dropped", Lines({"2", "20", "40", "red", "", "10"}), "p[10,20,red,''+] f[] h[]"},
        {"a fill cut short is dropped", Lines({"0", "2", "0", "0", "16", "16", "red", "0", "0", "64"}),
         "p[] f[0,0,8,8,red] h[]"},
        {"overlong code and name lines are cut to 32 and the lines after them stay in place",
         Lines({"1", "2", "4", QByteArray(100, 'c'), QByteArray(100, 'n'), "1", "0", "0", "16", "16", "red"}),
         QStringLiteral("p[1,2,%1,'%2'] f[0,0,8,8,red] h[]").arg(QString(32, QLatin1Char('c')), QString(32, QLatin1Char('n')))},
        {"an empty file", "", "p[] f[] h[]"},
        {"the placed sprites alone", Lines({"1", "0", "0", "blue", ""}), "p[0,0,blue,''+] f[] h[]"},
        {"counts of -1", Lines({"-1", "1", "0", "0", "16", "16", "red", "-1"}), "p[] f[0,0,8,8,red] h[]"},
        {"counts of 0", Lines({"0", "0"}), "p[] f[] h[]"},
        {"2,000,000,000 placed sprites end with the file", Lines({"2000000000", "20", "40", "red", ""}),
         "p[10,20,red,''+] f[] h[]"},
        {"2,000,000,000 fills end with the file", Lines({"0", "2000000000", "0", "0", "16", "16", "hole001"}),
         "p[] f[0,0,8,8,hole001] h[1]"},
        {"non-numeric numbers", Lines({"1", "abc", "12px", "red", "", "x"}), "p[0,6,red,''+] f[] h[]"},
        {"odd, negative and extreme coordinates", Lines({"2", "7", "-7", "red", "", "2147483647", "-2147483648", "red", "", "0"}),
         "p[3,-3,red,''+ 1073741823,-1073741824,red,''+] f[] h[]"},
        {"NUL bytes end a line's text", Lines({"1", "0", "0", QByteArray("re\0d", 4), QByteArray("a\0b", 3), "0"}),
         "p[0,0,re,'a'] f[] h[]"},
        {"CR without LF is no line end", "1\r20\r40\rred\r\r0\r", "p[] f[] h[]"},
        {"LF alone", "1\n20\n40\nred\nx\n0\n", "p[10,20,red,'x'+] f[] h[]"},
        {"names beginning with * read as no name", Lines({"2", "0", "0", "ent", "*", "0", "0", "red", "*Bob", "0"}),
         "p[0,0,ent,''+ 0,0,red,''+] f[] h[]"},
        {"fills are kept the way round they came, holes found by exact code",
         Lines({"0", "3", "64", "48", "0", "0", "hole002", "0", "0", "8", "8", "HOLE001", "-2000000000", "-2000000000",
                "2000000000", "2000000000", "red"}),
         "p[] f[32,24,0,0,hole002 0,0,4,4,HOLE001 -1000000000,-1000000000,1000000000,1000000000,red] h[2]"},
    };
}

TEST_F(ScreenTest, EveryBadScreenFileRowGivesItsScreenAndWritesItBackWhole)
{
    const QString path = QStringLiteral("questdata\\Q\\screens\\1-2.lnd");
    for (const BadScreenRow& row : Rows()) {
        SCOPED_TRACE(row.name);
        base.Write(path, row.file);
        EXPECT_EQ(screen->Load(), 1);
        EXPECT_EQ(Summary(*screen), row.screen);
        EXPECT_EQ(screen->modified, 0);
        screen->Render(); // a fill far beyond the screen is drawn only where it shows
        // What was read is written back as read and reads back the same (an
        // unnamed entity is written "*", which reads as no name).
        const QByteArray written = ScreenFileBytes(*screen);
        CTextReader again;
        again.OpenBytes(written);
        auto reread = NewScreen(1, 2);
        ReadScreenFile(again, *reread);
        EXPECT_EQ(Summary(*reread), row.screen);
        EXPECT_EQ(ScreenFileBytes(*reread), written);
    }
    EXPECT_TRUE(ui.messages.empty());
    // The last row's red fill covers the whole screen.
    EXPECT_EQ(Pixel(160, 120), Pixel(319, 239));
    EXPECT_NE(Pixel(160, 120), kWhite);
}

TEST_F(ScreenTest, NonUtf8NamesAndCodesAreKeptByteForByte)
{
    const QByteArray file = Lines({"1", "20", "40", "r\xe9" "d", "G\xfcnter", "1", "0", "0", "16", "16", "gr\xfcn"});
    base.Write(QStringLiteral("questdata\\Q\\screens\\1-2.lnd"), file);
    ASSERT_EQ(screen->Load(), 1);
    EXPECT_EQ(screen->placedSprites.Head()->entityName, QByteArray("G\xfcnter"));
    EXPECT_EQ(ScreenFileBytes(*screen), file);
}

TEST_F(ScreenTest, AMissingOrFolderScreenFileLoadsEmptyWithoutAMessage)
{
    base.Write(QStringLiteral("questdata\\Q\\screens\\1-2.lnd"), Lines({"1", "0", "0", "red", "", "0"}));
    ASSERT_EQ(screen->Load(), 1);
    QFile::remove(base.Path(QStringLiteral("questdata\\Q\\screens\\1-2.lnd")));
    EXPECT_EQ(screen->Load(), 0);
    EXPECT_EQ(Summary(*screen), QStringLiteral("p[] f[] h[]"));
    QDir().mkpath(base.Path(QStringLiteral("questdata\\Q\\screens\\1-2.lnd")));
    EXPECT_EQ(screen->Load(), 0);
    EXPECT_TRUE(ui.messages.empty());
}

} // namespace

namespace {

TEST_F(ScreenTest, AHighlightedSpriteMillionsOfPixelsWideIsFramedWhereItShows)
{
    // A sheet edited by hand may make a sprite far larger than its bitmap.
    CSheetSprite huge;
    huge.code = "huge";
    huge.rectangles.Append(std::make_unique<CRect>(CRect{0, 0, 1 << 29, 20}), "Rect");
    CPlacedSprite* placed = Place("blue", 0, 0);
    placed->sprite = &huge;
    placed->x = -100;
    placed->y = 50;
    placed->highlighted = 1;
    screen->Render();
    for (int x : {0, 5, 319}) {
        EXPECT_EQ(Pixel(x, 50), 0) << x;
        EXPECT_EQ(Pixel(x, 70), 0) << x;
    }
    EXPECT_EQ(placed->frameX, -100);
    EXPECT_EQ(placed->frameY, 50);
}

} // namespace
