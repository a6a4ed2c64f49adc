#include "screens/ScreenFixture.h"

TEST_F(ScreenTest, APlacedSpritesBottomRightCornerLiesUnderThePointer)
{
    const CPlacedSprite blue = Item("blue"); // 16 x 16
    screen->AddPlacedSprite(blue, 103, 50);
    const CPlacedSprite* placed = screen->placedSprites.Tail();
    EXPECT_EQ(103 - 15 - 16, placed->x);
    EXPECT_EQ(50 - 15 - 16, placed->y);
    EXPECT_EQ(1, screen->modified);
    EXPECT_EQ(kBlue565, Pixel(placed->x, placed->y)); // rendered at once

    g_doubleSize = 1;
    screen->AddPlacedSprite(blue, 207, 101);
    EXPECT_EQ(103 - 31, screen->placedSprites.Tail()->x);
    EXPECT_EQ(50 - 31, screen->placedSprites.Tail()->y);
}

TEST_F(ScreenTest, APlacedCopyHasNoEntityNameAndNoHighlight)
{
    CPlacedSprite item = Item("ent");
    item.entityName = "bob";
    item.highlighted = 1;
    screen->AddPlacedSprite(item, 40, 40);
    const CPlacedSprite* placed = screen->placedSprites.Tail();
    EXPECT_TRUE(placed->entityName.isEmpty());
    EXPECT_EQ(0, placed->highlighted);
    EXPECT_EQ(item.sprite, placed->sprite);
    EXPECT_EQ(item.sheet, placed->sheet);
    EXPECT_EQ("ent", placed->code);
}

TEST_F(ScreenTest, AFillDraggedBackwardsIsStoredNormalised)
{
    screen->AddFill(Item("red"), 200, 150, 20, 10);
    ASSERT_EQ(1, screen->fills.Count());
    const CFill* f = screen->fills.Head();
    EXPECT_EQ(std::make_tuple(20, 10, 200, 150), std::make_tuple(f->left, f->top, f->right, f->bottom));
    EXPECT_EQ(library->FindSprite("red"), f->tile.sprite);
    EXPECT_EQ(1, screen->modified);
}

TEST_F(ScreenTest, AFillIsClampedHalvedInDoubleSizeAndNeedsTwoUnitsEachWay)
{
    screen->AddFill(Item("red"), -30, -4, 900, 700);
    const CFill* f = screen->fills.Tail();
    EXPECT_EQ(std::make_tuple(0, 0, 640, 480), std::make_tuple(f->left, f->top, f->right, f->bottom));
    // Clamped first: x1 = -50 becomes 0, so this one is 1 wide.
    screen->AddFill(Item("red"), -50, 0, 1, 40);
    screen->AddFill(Item("red"), 10, 10, 40, 11);
    EXPECT_EQ(1, screen->fills.Count());
    screen->AddFill(Item("red"), 10, 10, 12, 12);
    EXPECT_EQ(2, screen->fills.Count());

    g_doubleSize = 1;
    screen->AddFill(Item("red"), 20, 40, 23, 100); // halves to 10..11: too narrow
    EXPECT_EQ(2, screen->fills.Count());
    screen->AddFill(Item("red"), 21, 41, 101, 61);
    f = screen->fills.Tail();
    EXPECT_EQ(std::make_tuple(10, 20, 50, 30), std::make_tuple(f->left, f->top, f->right, f->bottom));
}

TEST_F(ScreenTest, HoleFillsMakeHoleRecordsThatGoWithTheirFill)
{
    screen->AddFill(Item("hole001"), 10, 10, 50, 40);
    screen->AddFill(Item("red"), 10, 10, 50, 40);
    screen->AddFill(Item("hole002"), 60, 70, 30, 20);
    ASSERT_EQ(2, screen->holes.Count());
    const CHoleRecord* second = screen->holes.At(1);
    EXPECT_EQ(std::make_tuple(30, 20, 60, 70, 2),
              std::make_tuple(second->left, second->top, second->right, second->bottom, second->kind));
    EXPECT_EQ(screen->fills.At(2), second->fill);

    // Codes are compared exactly.
    CFill stray;
    screen->AddHoleRecord("Hole001", CRect{0, 0, 5, 5}, &stray);
    screen->AddHoleRecord("hole0010", CRect{0, 0, 5, 5}, &stray);
    EXPECT_EQ(2, screen->holes.Count());

    screen->RemoveFill(screen->fills.At(0));
    ASSERT_EQ(1, screen->holes.Count());
    EXPECT_EQ(2, screen->holes.Head()->kind);
    screen->RemoveHoleOfFill(&stray); // not there: nothing happens
    EXPECT_EQ(1, screen->holes.Count());
    screen->RemoveAll();
    EXPECT_TRUE(screen->holes.IsEmpty());
    EXPECT_TRUE(screen->fills.IsEmpty());
}

TEST_F(ScreenTest, HitTestFindsTheSpriteAddedLastWithStrictEdges)
{
    CPlacedSprite* under = Place("blue", 10, 10);  // 10..26
    CPlacedSprite* over = Place("cyan", 20, 20);   // 20..28
    EXPECT_EQ(over, screen->HitTest(22, 22, 0, 0));
    EXPECT_EQ(under, screen->HitTest(12, 12, 0, 0));
    EXPECT_EQ(nullptr, screen->HitTest(10, 12, 0, 0)); // on the left edge
    EXPECT_EQ(under, screen->HitTest(25, 11, 0, 0));
    EXPECT_EQ(nullptr, screen->HitTest(26, 11, 0, 0)); // on the right edge
    // The box moves by the offsets (the screen's margin on the view).
    EXPECT_EQ(under, screen->HitTest(27, 27, 15, 15));
    EXPECT_EQ(over, screen->HitTest(37, 37, 15, 15));
    g_doubleSize = 1;
    EXPECT_EQ(under, screen->HitTest(54, 54, 15, 15)); // halved to 27, 27
}

TEST_F(ScreenTest, UnresolvedSpritesAreNeverHitNorDrawn)
{
    base.Write(QStringLiteral("questdata\\Q\\screens\\1-2.lnd"), "1\r\n20\r\n20\r\ngone\r\n\r\n0\r\n");
    ASSERT_EQ(1, screen->Load());
    screen->Render();
    EXPECT_EQ(nullptr, screen->HitTest(12, 12, 0, 0));
    for (int y = 0; y < 240; ++y)
        for (int x = 0; x < 320; ++x)
            ASSERT_EQ(kWhite, Pixel(x, y)) << x << "," << y;
}

TEST_F(ScreenTest, RemovingAPlacedSpriteMarksTheScreenEvenWhenItWasNotThere)
{
    CPlacedSprite* placed = Place("blue", 0, 0);
    screen->modified = 0;
    CPlacedSprite stranger;
    screen->RemovePlacedSprite(&stranger);
    EXPECT_EQ(1, screen->modified);
    EXPECT_EQ(1, screen->placedSprites.Count());
    screen->RemovePlacedSprite(placed);
    EXPECT_TRUE(screen->placedSprites.IsEmpty());
    EXPECT_EQ(kWhite, Pixel(0, 0));
}
