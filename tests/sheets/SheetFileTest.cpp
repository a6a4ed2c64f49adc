#include "helpers/DecimalCommaLocale.h"
#include "helpers/FakeUi.h"
#include "helpers/FileBytes.h"
#include "helpers/TempBase.h"
#include "sheets/SheetFileReader.h"
#include "sheets/SheetFileWriter.h"
#include "support/io/TextFile.h"

#include <gtest/gtest.h>

namespace {

struct Read {
    bool ok = false;
    QByteArray title;
    CTaggedList<CSheetSprite> sprites;
};

std::unique_ptr<Read> ReadBytes(const QByteArray& bytes)
{
    auto result = std::make_unique<Read>();
    CTextReader file;
    file.OpenBytes(bytes);
    result->ok = ReadSheetFile(file, result->title, result->sprites);
    return result;
}

std::vector<CRect> Rects(const CSheetSprite& s)
{
    std::vector<CRect> rects;
    for (const CRect* r : s.rectangles)
        rects.push_back(*r);
    return rects;
}

// The sheet of the format's example: Forest, a still background tree and a
// two-frame animated entity bat.
struct ForestSheet {
    SheetFileAnimation bat;
    std::vector<SheetFileSprite> sprites;
    ForestSheet()
    {
        SheetFileSprite tree;
        tree.code = "tree";
        tree.background = 1;
        tree.rect = {0, 0, 32, 48};
        bat.speed = 5.0f;
        bat.frames = {{64, 0, 16, 16}, {80, 0, 16, 16}};
        bat.firstFrameCode = "bat";
        SheetFileSprite first;
        first.code = "bat";
        first.entity = 1;
        first.onTop = 1;
        first.animated = 1;
        first.animation = &bat;
        // The second frame is a sprite of its own in the designer; the
        // animation is written once, under the first frame's code.
        SheetFileSprite second = first;
        second.code = "bat_2";
        second.entity = 0;
        sprites = {tree, second, first};
    }
};

} // namespace

TEST(SheetFileWriter, WritesTheTwentyEightLinesOfTheForestExample)
{
    ForestSheet forest;
    const QByteArray expected = Lines({"Forest", "[BACKGROUND]", "tree", "0", "0", "32", "48", "", "FALSE", "255",
                                       "[EE]", "[ENTITY]", "bat", "ANIMATED", "2", "5.000000", "64", "0", "16", "16",
                                       "80", "0", "16", "16", "", "TRUE", "255", "[EE]"});
    EXPECT_EQ(expected, SheetFileBytes(QStringLiteral("Forest"), forest.sprites));
    EXPECT_EQ(28, expected.count("\r\n"));
}

TEST(SheetFileWriter, WritesTheSpeedWithAPointUnderADecimalCommaLocale)
{
    ForestSheet forest;
    forest.bat.speed = 12.5f;
    const QByteArray inC = SheetFileBytes(QStringLiteral("Forest"), forest.sprites);
    ASSERT_TRUE(CDecimalCommaLocale::Get().Ready()) << CDecimalCommaLocale::Get().Error().toStdString();
    CDecimalCommaScope comma;
    ASSERT_TRUE(comma.Active());
    const QByteArray inComma = SheetFileBytes(QStringLiteral("Forest"), forest.sprites);
    EXPECT_EQ(inC, inComma);
    EXPECT_TRUE(inComma.contains("\r\n2\r\n12.500000\r\n64\r\n"));
    auto read = ReadBytes(inComma);
    ASSERT_TRUE(read->ok);
    EXPECT_EQ((std::vector<CRect>{{64, 0, 80, 16}, {80, 0, 96, 16}}), Rects(*read->sprites.At(1)));
}

TEST(SheetFileWriter, TheForestExampleReadsBackToTheSameCodesRectanglesAndFlags)
{
    ForestSheet forest;
    auto read = ReadBytes(SheetFileBytes(QStringLiteral("Forest"), forest.sprites));
    ASSERT_TRUE(read->ok);
    EXPECT_EQ("Forest", read->title);
    ASSERT_EQ(2, read->sprites.Count());
    const CSheetSprite* tree = read->sprites.At(0);
    EXPECT_EQ("tree", tree->code);
    EXPECT_EQ((std::vector<CRect>{{0, 0, 32, 48}}), Rects(*tree));
    EXPECT_EQ((std::array<int, 5>{1, 0, 0, 0, 0}),
              (std::array<int, 5>{tree->background, tree->entity, tree->fill, tree->animated, tree->onTop}));
    const CSheetSprite* bat = read->sprites.At(1);
    EXPECT_EQ("bat", bat->code);
    EXPECT_EQ((std::vector<CRect>{{64, 0, 80, 16}, {80, 0, 96, 16}}), Rects(*bat));
    EXPECT_EQ((std::array<int, 5>{0, 1, 0, 1, 1}),
              (std::array<int, 5>{bat->background, bat->entity, bat->fill, bat->animated, bat->onTop}));
    EXPECT_EQ(16, bat->Width());
    EXPECT_EQ(16, bat->Height());
}

TEST(SheetFileWriter, WritesMarkersFillMaskAlphaAndSpeed)
{
    SheetFileSprite both;
    both.code = "slime";
    both.entity = 1;
    both.background = 1;
    both.fill = 1;
    both.mask = "slimemask";
    both.alpha = 128;
    both.rect = {1, 2, 3, 4};
    SheetFileAnimation spin;
    spin.speed = 12.5f;
    spin.frames = {{5, 6, 7, 8}};
    spin.firstFrameCode = "spin";
    SheetFileSprite animated;
    animated.code = "spin";
    animated.fill = 1; // an animated block never has "[FILL]"
    animated.animated = 1;
    animated.animation = &spin;
    EXPECT_EQ(Lines({"T", "[ENTITY]", "[BACKGROUND]", "slime", "1", "2", "3", "4", "[FILL]", "slimemask", "FALSE",
                     "128", "[EE]", "spin", "ANIMATED", "1", "12.500000", "5", "6", "7", "8", "", "FALSE", "255",
                     "[EE]"}),
              SheetFileBytes(QStringLiteral("T"), {both, animated}));
}

TEST(SheetFileWriter, LeavesOutAnimationsWithoutFramesAndWritesAnimatedSpritesWithoutOneAsStill)
{
    SheetFileAnimation empty;
    empty.firstFrameCode = "ghost";
    SheetFileSprite ghost;
    ghost.code = "ghost";
    ghost.animated = 1;
    ghost.animation = &empty;
    SheetFileSprite loose;
    loose.code = "loose";
    loose.animated = 1; // marked animated but carrying no animation
    loose.rect = {0, 0, 8, 8};
    EXPECT_EQ(Lines({"T", "loose", "0", "0", "8", "8", "", "FALSE", "255", "[EE]"}),
              SheetFileBytes(QStringLiteral("T"), {ghost, loose}));
}

TEST(SheetFileWriter, KeepsEveryFieldOnItsOwnLine)
{
    SheetFileSprite s;
    s.code = "abcdefghijklmnopqrstuvwxyz0123456789"; // 36 bytes: a code field holds 32
    s.mask = "two\r\nlines";
    const QByteArray bytes = SheetFileBytes(QString(70, QLatin1Char('t')) + QStringLiteral("\nx"), {s});
    EXPECT_EQ(Lines({"ttttttttttttttttttttttttttttttttttttttttttttttttttttttttttttttt", "abcdefghijklmnopqrstuvwxyz012345",
                     "0", "0", "0", "0", "two", "FALSE", "255", "[EE]"}),
              bytes);
}

TEST(SheetFileWriter, CutsATypedTitleBeforeALetterThatDoesNotFit)
{
    SheetFileSprite s;
    s.code = "c";
    const QByteArray bytes = SheetFileBytes(QString(62, QLatin1Char('t')) + QStringLiteral("\u00e9"), {s});
    EXPECT_EQ(bytes.left(bytes.indexOf("\r\n")), QByteArray(62, 't'));
}

TEST(SheetFileWriter, WritesTheFileOrLeavesTheOldOneWithTheMessage)
{
    CTempBase base;
    CFakeUi ui;
    ForestSheet forest;
    base.Write(QStringLiteral("sprite sheets\\forest.spt"), "old");
    EXPECT_EQ(0, WriteSheetFile(QStringLiteral("forest"), QStringLiteral("Forest"), {}, ui));
    EXPECT_EQ("old", base.Read(QStringLiteral("sprite sheets\\forest.spt")));
    EXPECT_TRUE(ui.messages.empty());

    EXPECT_EQ(1, WriteSheetFile(QStringLiteral("forest"), QStringLiteral("Forest"), forest.sprites, ui));
    EXPECT_EQ(SheetFileBytes(QStringLiteral("Forest"), forest.sprites), base.Read(QStringLiteral("sprite sheets\\forest.spt")));

    for (const char* bad : {"missing\\forest", "../forest"}) {
        ui.messages.clear();
        EXPECT_EQ(0, WriteSheetFile(QString::fromLatin1(bad), QStringLiteral("Forest"), forest.sprites, ui));
        ASSERT_EQ(1u, ui.messages.size()) << bad;
        EXPECT_EQ(QStringLiteral("Couldn't open SPT file for writing"), ui.messages[0].text);
        EXPECT_EQ(QStringLiteral("sprite sheets\\") + QString::fromLatin1(bad) + QStringLiteral(".spt"),
                  ui.messages[0].caption);
    }
    EXPECT_FALSE(base.Exists(QStringLiteral("forest.spt")));
}

TEST(SheetFileReader, KeepsA32CharacterCodeWholeAndCutsLongerOnes)
{
    auto read = ReadBytes(Lines({"T", "abcdefghijklmnopqrstuvwxyz012345", "0", "0", "8", "8", "", "FALSE", "255",
                                 "[EE]",
                                 "abcdefghijklmnopqrstuvwxyz0123456789abcdefghijklmnopqrstuvwxyz0123456789", "1", "2",
                                 "3", "4", "", "TRUE", "255", "[EE]"}));
    ASSERT_EQ(2, read->sprites.Count());
    EXPECT_EQ("abcdefghijklmnopqrstuvwxyz012345", read->sprites.At(0)->code);
    // The 72-character line is cut, and its rest is not taken for the next line.
    EXPECT_EQ("abcdefghijklmnopqrstuvwxyz012345", read->sprites.At(1)->code);
    EXPECT_EQ((CRect{1, 2, 4, 6}), *read->sprites.At(1)->FirstRect());
    EXPECT_EQ(1, read->sprites.At(1)->onTop);
}

TEST(SheetFileReader, FindsMarkersByContainmentInEitherOrder)
{
    auto read = ReadBytes(Lines({"T", "[ENTITY]", "[BACKGROUND]", "a", "0", "0", "1", "1", "", "FALSE", "0", "[EE]",
                                 "  [BACKGROUND] x", "xx[ENTITY]", "b", "0", "0", "1", "1", "", "FALSE", "0", "[EE]",
                                 "[BACKGROUND]", "c", "0", "0", "1", "1", "", "FALSE", "0", "[EE]"}));
    ASSERT_EQ(3, read->sprites.Count());
    for (int i : {0, 1}) {
        EXPECT_EQ(1, read->sprites.At(i)->entity) << i;
        EXPECT_EQ(1, read->sprites.At(i)->background) << i;
    }
    EXPECT_EQ("b", read->sprites.At(1)->code);
    EXPECT_EQ(0, read->sprites.At(2)->entity);
    EXPECT_EQ(1, read->sprites.At(2)->background);
}

TEST(SheetFileReader, StepsBackWhenAStillSpriteHasNoFillLine)
{
    // "TRUE" right after the numbers is the mask line, so the on-top line is
    // "FALSE"; if the reader did not step back it would take "FALSE" as the mask
    // line and "255" as the on-top line.
    auto read = ReadBytes(Lines({"T", "plain", "1", "2", "3", "4", "TRUE", "FALSE", "255", "[EE]", "tile", "5", "6",
                                 "7", "8", "x[FILL]x", "", "TRUE", "255", "[EE]"}));
    ASSERT_EQ(2, read->sprites.Count());
    EXPECT_EQ(0, read->sprites.At(0)->fill);
    EXPECT_EQ(0, read->sprites.At(0)->onTop);
    EXPECT_EQ(1, read->sprites.At(1)->fill);
    EXPECT_EQ(1, read->sprites.At(1)->onTop);
    EXPECT_EQ((CRect{5, 6, 12, 14}), *read->sprites.At(1)->FirstRect());
}

TEST(SheetFileReader, AnAnimationOfNoFramesHasNoRectangles)
{
    auto read = ReadBytes(Lines({"T", "[ENTITY]", "ghost", "ANIMATED", "0", "5.000000", "", "FALSE", "255", "[EE]",
                                 "next", "0", "0", "2", "2", "", "FALSE", "255", "[EE]"}));
    ASSERT_EQ(2, read->sprites.Count());
    const CSheetSprite* ghost = read->sprites.At(0);
    EXPECT_EQ(1, ghost->animated);
    EXPECT_TRUE(ghost->rectangles.IsEmpty());
    EXPECT_EQ(-1, ghost->Width());
    EXPECT_EQ(-1, ghost->Height());
    EXPECT_EQ("next", read->sprites.At(1)->code);
}

TEST(SheetFileReader, OnTopLineSetsClearsOrLeavesTheFlag)
{
    auto read = ReadBytes(Lines({"T", "a", "0", "0", "1", "1", "", "isTRUE", "0", "[EE]", "b", "0", "0", "1", "1", "",
                                 "FALSE", "0", "[EE]", "c", "0", "0", "1", "1", "", "maybe", "0", "[EE]"}));
    ASSERT_EQ(3, read->sprites.Count());
    EXPECT_EQ(1, read->sprites.At(0)->onTop);
    EXPECT_EQ(0, read->sprites.At(1)->onTop);
    EXPECT_EQ(0, read->sprites.At(2)->onTop);
}

TEST(SheetFileReader, DropsTheBlockTheEndOfTheFileCutsShort)
{
    const QByteArray whole = Lines({"T", "a", "0", "0", "1", "1", "", "FALSE", "0", "[EE]"});
    const QByteArray next = Lines({"[ENTITY]", "b", "ANIMATED", "2", "1.0", "0", "0", "1", "1", "1", "0", "1", "1", "",
                                   "FALSE", "0", "[EE]"});
    // Every cut of the second block, down to its first line, leaves only the first.
    for (int cut = 1; cut < next.count("\r\n"); ++cut) {
        const int at = int(next.indexOf("\r\n", 0));
        int end = at;
        for (int k = 1; k < cut; ++k)
            end = int(next.indexOf("\r\n", end + 2));
        auto read = ReadBytes(whole + next.left(end + 2));
        ASSERT_EQ(1, read->sprites.Count()) << cut;
        EXPECT_EQ("a", read->sprites.At(0)->code);
    }
    auto complete = ReadBytes(whole + next);
    EXPECT_EQ(2, complete->sprites.Count());
    // The last line may lack its line end.
    auto unended = ReadBytes(whole + next.left(next.size() - 2));
    EXPECT_EQ(2, unended->sprites.Count());
}

TEST(SheetFileReader, AnEmptyFileHasNoTitleAndATitleOnlyFileNoSprites)
{
    EXPECT_FALSE(ReadBytes("")->ok);
    auto titleOnly = ReadBytes("Just a title\n");
    EXPECT_TRUE(titleOnly->ok);
    EXPECT_EQ("Just a title", titleOnly->title);
    EXPECT_TRUE(titleOnly->sprites.IsEmpty());
}

TEST(SheetFileReader, HoldsAbsurdNumbersWithoutOverflow)
{
    auto read = ReadBytes(Lines({"T", "huge", "2147483647", "-2147483648", "2147483647", "99999999999", "", "FALSE",
                                 "0", "[EE]", "count", "ANIMATED", "2147483647", "1", "0", "0", "1", "1"}));
    ASSERT_EQ(1, read->sprites.Count()); // the animation's frames end with the file
    const CRect r = *read->sprites.At(0)->FirstRect();
    EXPECT_EQ((CRect{1 << 29, -(1 << 29), 1 << 30, 0}), r);
}
