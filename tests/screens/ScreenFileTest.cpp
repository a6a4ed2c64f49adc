#include "helpers/FileBytes.h"
#include "screens/ScreenFixture.h"

namespace {
const QString kLnd = QStringLiteral("questdata\\Q\\screens\\1-2.lnd");
} // namespace

TEST_F(ScreenTest, SavesEveryElementWithDoubledCoordinates)
{
    Place("blue", 10, 20);
    Place("ent", -3, 5);                           // an unnamed entity
    Place("ent", 300, 230)->entityName = "bob";
    Place("cyan", 0, 0);
    screen->AddFill(Item("red"), 40, 30, 1, 2);    // dragged backwards
    screen->AddFill(Item("hole001"), 100, 100, 164, 132);
    ASSERT_EQ(1, screen->Save());
    EXPECT_EQ(Lines({"4", "20", "40", "blue", "", "-6", "10", "ent", "*", "600", "460", "ent", "bob", "0", "0",
                     "cyan", "", "2", "2", "4", "80", "60", "red", "200", "200", "328", "264", "hole001"}),
              base.Read(kLnd));
    EXPECT_EQ(0, screen->modified);
    // The unnamed entity now carries the name that says "no name".
    EXPECT_EQ("*", screen->placedSprites.At(1)->entityName);
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(ScreenTest, SaveAndLoadKeepEveryPosition)
{
    Place("blue", 10, 21);
    Place("cyan", -7, 333);
    Place("ent", 5, 5)->entityName = "named";
    screen->AddFill(Item("yellow"), 3, 5, 99, 77);
    ASSERT_EQ(1, screen->Save());
    auto again = NewScreen(1, 2);
    ASSERT_EQ(1, again->Load());
    ASSERT_EQ(3, again->placedSprites.Count());
    for (int i = 0; i < 3; ++i) {
        const CPlacedSprite* a = screen->placedSprites.At(i);
        const CPlacedSprite* b = again->placedSprites.At(i);
        EXPECT_EQ(std::make_tuple(a->x, a->y, a->code, a->entityName, a->sprite, a->sheet),
                  std::make_tuple(b->x, b->y, b->code, b->entityName, b->sprite, b->sheet))
            << i;
    }
    ASSERT_EQ(1, again->fills.Count());
    const CFill* f = again->fills.Head();
    EXPECT_EQ(std::make_tuple(3, 5, 99, 77), std::make_tuple(f->left, f->top, f->right, f->bottom));
    EXPECT_EQ(library->FindSprite("yellow"), f->tile.sprite);
    EXPECT_EQ(0, again->modified);
}

TEST_F(ScreenTest, LoadHalvesTowardZeroAndEmptiesStarredNames)
{
    base.Write(kLnd, Lines({"4", "7", "-7", "blue", "*", "-1", "1", "ent", "*whatever", "9", "11", "nosuchcode",
                            "keep me", "0", "0", "nosuchcode", "*kept", "1", "-7", "7", "41", "19", "red"}));
    ASSERT_EQ(1, screen->Load());
    ASSERT_EQ(4, screen->placedSprites.Count());
    const CPlacedSprite* a = screen->placedSprites.At(0);
    EXPECT_EQ(std::make_tuple(3, -3), std::make_tuple(a->x, a->y));
    EXPECT_TRUE(a->entityName.isEmpty());
    const CPlacedSprite* b = screen->placedSprites.At(1);
    EXPECT_EQ(std::make_tuple(0, 0), std::make_tuple(b->x, b->y));
    EXPECT_TRUE(b->entityName.isEmpty());
    const CPlacedSprite* c = screen->placedSprites.At(2);
    EXPECT_EQ(nullptr, c->sprite);
    EXPECT_EQ(nullptr, c->sheet);
    EXPECT_EQ("keep me", c->entityName);
    const CFill* f = screen->fills.Head();
    EXPECT_EQ(std::make_tuple(-3, 3, 20, 9), std::make_tuple(f->left, f->top, f->right, f->bottom));
    // A code no sheet holds is written back unchanged.
    ASSERT_EQ(1, screen->Save());
    EXPECT_EQ(Lines({"4", "6", "-6", "blue", "", "0", "0", "ent", "*", "8", "10", "nosuchcode", "keep me", "0", "0",
                     "nosuchcode", "*kept", "1", "-6", "6", "40", "18", "red"}),
              base.Read(kLnd));
}

TEST_F(ScreenTest, LoadReadsNothingForCountsOfZeroOrLessAndStopsAtTheEnd)
{
    base.Write(kLnd, Lines({"-2", "0"}));
    EXPECT_EQ(1, screen->Load());
    EXPECT_TRUE(screen->placedSprites.IsEmpty());
    EXPECT_TRUE(screen->fills.IsEmpty());

    // Counts far beyond the elements: the complete ones stay, the cut one goes.
    base.Write(kLnd, Lines({"1000000", "2", "2", "blue", "", "4", "4", "cyan"}));
    EXPECT_EQ(1, screen->Load());
    ASSERT_EQ(1, screen->placedSprites.Count());
    EXPECT_EQ("blue", screen->placedSprites.Head()->code);

    base.Write(kLnd, Lines({"0", "5", "0", "0", "8", "8", "red", "2", "2", "4"}));
    EXPECT_EQ(1, screen->Load());
    EXPECT_EQ(1, screen->fills.Count());

    // An overlong line is one line, cut.
    base.Write(kLnd, QByteArray("1\r\n2\r\n2\r\n") + QByteArray(80, 'c') + "\r\nname\r\n0\r\n");
    EXPECT_EQ(1, screen->Load());
    ASSERT_EQ(1, screen->placedSprites.Count());
    EXPECT_EQ(QByteArray(32, 'c'), screen->placedSprites.Head()->code);
    EXPECT_EQ("name", screen->placedSprites.Head()->entityName);
}

TEST_F(ScreenTest, AMissingFileLoadsAnEmptyScreenQuietly)
{
    Place("blue", 0, 0);
    screen->modified = 1;
    EXPECT_EQ(0, screen->Load());
    EXPECT_TRUE(screen->placedSprites.IsEmpty());
    EXPECT_EQ(0, screen->modified);
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(ScreenTest, LoadMakesHoleRecordsForHoleFills)
{
    base.Write(kLnd, Lines({"0", "3", "0", "0", "20", "20", "hole002", "2", "2", "8", "8", "red", "10", "12", "40",
                            "60", "hole001"}));
    ASSERT_EQ(1, screen->Load());
    ASSERT_EQ(2, screen->holes.Count());
    const CHoleRecord* h = screen->holes.At(0);
    EXPECT_EQ(std::make_tuple(0, 0, 10, 10, 2), std::make_tuple(h->left, h->top, h->right, h->bottom, h->kind));
    EXPECT_EQ(screen->fills.At(0), h->fill);
    EXPECT_EQ(1, screen->holes.At(1)->kind);
    EXPECT_EQ(screen->fills.At(2), screen->holes.At(1)->fill);
}

TEST_F(ScreenTest, AScreenFileThatCannotBeWrittenLeavesTheScreenModified)
{
    QDir(base.Path(QStringLiteral("questdata\\Q\\screens"))).removeRecursively();
    Place("blue", 0, 0);
    EXPECT_EQ(0, screen->Save());
    ASSERT_EQ(1u, ui.messages.size());
    EXPECT_EQ(QStringLiteral("Couldn't Open LND file for saving"), ui.messages[0].text);
    EXPECT_EQ(kLnd, ui.messages[0].caption);
    EXPECT_EQ(1, screen->modified);
    EXPECT_FALSE(base.Exists(QStringLiteral("questdata\\Q\\scripts\\screen\\1-2.ves")));
}
