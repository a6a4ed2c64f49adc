#include "helpers/DecimalCommaLocale.h"
#include "helpers/FileBytes.h"
#include "sheets/DesignerSheetFile.h"
#include "sheets/SheetDesignerFixture.h"
#include "sheets/SpriteSheet.h"
#include "support/io/TextCodec.h"

#include <QFile>

#include <cstdio>

namespace {
const QByteArray kTitle = Lines({"Meadow"});

QByteArray Block(const char* markers, const char* code, QByteArrayList body)
{
    QByteArray b = markers;
    b += QByteArray(code) + "\r\n";
    for (const QByteArray& line : body)
        b += line + "\r\n";
    return b;
}

struct Sheet {
    bool ok = false;
    QByteArray title;
    CTaggedList<CDesignerSprite> sprites;
    CTaggedList<CSpriteAnimation> animations;
    explicit Sheet(const QByteArray& bytes) { ok = ReadDesignerSheet(bytes, title, sprites, animations); }
    QByteArrayList Codes() const
    {
        QByteArrayList codes;
        for (const CDesignerSprite* s : sprites)
            codes << s->code;
        return codes;
    }
};

QByteArrayList FrameCodes(const CSpriteAnimation& a)
{
    QByteArrayList codes;
    for (const CDesignerSprite* s : a.frames)
        codes << s->code;
    return codes;
}
} // namespace

TEST(DesignerSheetFile, KeepsMaskOnTopAlphaAndSpeedAndMakesTheLaterFramesSpritesOfTheirOwn)
{
    const Sheet sheet(kTitle + Block("[ENTITY]\r\n", "bat", {"ANIMATED", "3", "2.5", "64", "0", "16", "16", "80", "0",
                                                             "16", "16", "96", "0", "16", "16", "batmask", "TRUE",
                                                             "128", "[EE]"})
                      + Block("", "rock", {"0", "8", "8", "4", "", "TRUE", "7", "[EE]"}));
    ASSERT_TRUE(sheet.ok);
    EXPECT_EQ(QByteArray("Meadow"), sheet.title);
    EXPECT_EQ((QByteArrayList{"bat_2", "bat_3", "bat", "rock"}), sheet.Codes());
    ASSERT_EQ(1, sheet.animations.Count());
    const CSpriteAnimation& bat = *sheet.animations.Head();
    EXPECT_EQ(2.5f, bat.speed);
    EXPECT_EQ((QByteArrayList{"bat", "bat_2", "bat_3"}), FrameCodes(bat));
    const CDesignerSprite* own = sheet.sprites.At(2);
    EXPECT_EQ(CRect(124, -4, 156, 28), own->rectangle);
    EXPECT_EQ(CRect(156, -4, 188, 28), sheet.sprites.At(0)->rectangle);
    EXPECT_EQ((std::array<uint32_t, 6>{1, 0, 1, 128, 1, 0}),
              (std::array<uint32_t, 6>{uint32_t(own->entity), uint32_t(own->background), uint32_t(own->onTop),
                                       own->alpha, uint32_t(own->animated), uint32_t(own->fill)}));
    EXPECT_EQ(QByteArray("batmask"), own->maskCode);
    for (const CDesignerSprite* frame : {sheet.sprites.At(0), sheet.sprites.At(1)}) // a new sprite's defaults
        EXPECT_EQ((std::array<uint32_t, 5>{1, 0, 255, 1, 0}),
                  (std::array<uint32_t, 5>{uint32_t(frame->background), uint32_t(frame->onTop), frame->alpha,
                                           uint32_t(frame->animated), uint32_t(frame->entity)}));
    const CDesignerSprite* rock = sheet.sprites.At(3);
    EXPECT_EQ((std::array<uint32_t, 3>{0, 1, 7}),
              (std::array<uint32_t, 3>{uint32_t(rock->background), uint32_t(rock->onTop), rock->alpha}));
    EXPECT_EQ(CRect(-4, 12, 12, 20), rock->rectangle); // no [FILL]: the mask line after the number is kept
}

TEST(DesignerSheetFile, BadInputKeepsWhatWasReadAndStopsAtTheEndOfTheFile)
{
    const struct {
        QByteArray bytes;
        QByteArrayList codes;
        int frames; // of the last animation, -1 for none
    } rows[] = {
        {"", {}, -1},
        {kTitle + "[ENTITY]\r\n", {}, -1},                        // cut before the code line: dropped
        {kTitle + "tree\r\n12\r\n", {"tree"}, -1},                // cut after it: kept
        {kTitle + Block("", "bat", {"ANIMATED", "2000000000", "5", "1", "2", "3", "4", "5"}), {"bat_2", "bat"}, 2},
        {kTitle + Block("", "bat", {"ANIMATED", "-3", "5", "", "FALSE", "255", "[EE]"}), {"bat"}, 0},
        {kTitle + Block("", "big", {"2147483647", "-2147483648", "2147483647", "9", "", "FALSE", "255", "[EE]"}),
         {"big"}, -1},
    };
    for (const auto& r : rows) {
        const Sheet sheet(r.bytes);
        EXPECT_EQ(!r.bytes.isEmpty(), sheet.ok);
        EXPECT_EQ(r.codes, sheet.Codes()) << r.bytes.constData();
        EXPECT_EQ(r.frames, sheet.animations.IsEmpty() ? -1 : sheet.animations.Tail()->frames.Count());
    }
    const Sheet big(rows[5].bytes);
    EXPECT_EQ(CRect(ToDesignerUnits(1 << 29), ToDesignerUnits(-(1 << 29)), ToDesignerUnits(1 << 30), ToDesignerUnits(-(1 << 29) + 9)),
              big.sprites.Head()->rectangle);
}

TEST_F(SheetDesignerTest, ThreeFramesAreSavedAsOneBlockUnderTheFirstAndReopenAsItsNumberedFrames)
{
    WriteSheetFile(kTitle);
    designer.Open(QStringLiteral("meadow"));
    Cut("A", 31, 31, 47, 47);
    Cut("B", 47, 31, 63, 47);
    Cut("C", 63, 31, 79, 47);
    Sprite("A")->onTop = 1;
    Sprite("A")->maskCode = "Amask";
    ui.onAnimatedSprite = [this](CSpriteAnimation& a, CSheetDesigner&) {
        for (const char* code : {"A", "B", "C"})
            a.AddFrame(Sprite(code));
    };
    designer.CreateAnimatedSprite();
    EXPECT_EQ((QStringList{QStringLiteral("A    (Anim)"), QStringLiteral("B    (Anim)"), QStringLiteral("C    (Anim)")}),
              [&] { QStringList t; for (const SpriteLine& l : designer.SpriteLines()) t << l.text; return t; }());
    designer.Save();
    EXPECT_EQ(kTitle + Lines({"[BACKGROUND]", "A", "ANIMATED", "3", "5.000000", "12", "12", "8", "8", "20", "12", "8",
                              "8", "28", "12", "8", "8", "Amask", "TRUE", "255", "[EE]"}),
              SheetFile());
    designer.Open(QStringLiteral("meadow"));
    EXPECT_EQ((QByteArrayList{"A_2", "A_3", "A"}), Codes());
    EXPECT_EQ(1, Sprite("A")->onTop);
    EXPECT_EQ(0, Sprite("A_2")->onTop);
    for (const CDesignerSprite* s : designer.sprites) {
        EXPECT_EQ(1, s->animated);
        EXPECT_EQ(1, s->background);
        EXPECT_EQ(designer.animations.Head(), s->animation);
    }
}

TEST_F(SheetDesignerTest, FramesFollowTheirRulesAndADeletedSpriteLeavesItsAnimation)
{
    WriteSheetFile(kTitle);
    designer.Open(QStringLiteral("meadow"));
    Cut("A", 31, 31, 47, 47);
    Cut("B", 47, 31, 63, 47);
    CSpriteAnimation animation;
    CDesignerSprite* a = Sprite("A");
    CDesignerSprite* b = Sprite("B");
    animation.AddFrame(a);
    animation.AddFrame(a);
    animation.AddFrame(b);
    animation.RemoveFrame(a); // one of the two goes; A stays animated
    EXPECT_EQ((QByteArrayList{"A", "B"}), FrameCodes(animation));
    EXPECT_EQ(1, a->animated);
    animation.RemoveFrame(a); // the first frame goes: B carries the animation now
    EXPECT_EQ(0, a->animated);
    EXPECT_EQ(nullptr, a->animation);
    EXPECT_TRUE(animation.IsFirstFrame(b));
    EXPECT_FALSE(animation.IsFirstFrame(a));
    // The designer's own animation: deleting a frame sprite takes it out.
    CSpriteAnimation* own = designer.animations.Append(std::make_unique<CSpriteAnimation>(), "Anim");
    animation.RemoveFrame(b);
    own->AddFrame(a);
    own->AddFrame(b);
    own->AddFrame(a);
    designer.DeleteSprite(a);
    EXPECT_EQ(QByteArrayList{"B"}, FrameCodes(*own));
    designer.Save();
    EXPECT_EQ(kTitle + Lines({"[BACKGROUND]", "B", "ANIMATED", "1", "5.000000", "20", "12", "8", "8", "", "FALSE",
                              "255", "[EE]"}),
              SheetFile());
}

TEST_F(SheetDesignerTest, AnAnimationOfNoFramesIsReadAnimatedAndNotWrittenAgain)
{
    WriteSheetFile(kTitle + Block("", "ghost", {"ANIMATED", "0", "5.000000", "", "FALSE", "255", "[EE]"})
                   + Block("", "rock", {"0", "0", "8", "8", "", "FALSE", "255", "[EE]"}));
    designer.Open(QStringLiteral("meadow"));
    ASSERT_EQ((QByteArrayList{"ghost", "rock"}), Codes());
    EXPECT_EQ(1, Sprite("ghost")->animated);
    EXPECT_EQ(0, Sprite("ghost")->animation->frames.Count());
    designer.Save();
    EXPECT_EQ(kTitle + Lines({"rock", "0", "0", "8", "8", "", "FALSE", "255", "[EE]"}), SheetFile());
}

TEST_F(SheetDesignerTest, ASpeedOf12Point5IsWrittenWithAPointUnderADecimalCommaLocaleAndReadBack)
{
    ASSERT_TRUE(CDecimalCommaLocale::Get().Ready()) << CDecimalCommaLocale::Get().Error().toStdString();
    CDecimalCommaScope comma;
    ASSERT_TRUE(comma.Active());
    WriteSheetFile(kTitle + Block("", "bat", {"ANIMATED", "1", "12.5", "0", "0", "8", "8", "", "FALSE", "255", "[EE]"}));
    designer.Open(QStringLiteral("meadow"));
    ASSERT_EQ(1, designer.animations.Count());
    EXPECT_EQ(12.5f, designer.animations.Head()->speed);
    designer.Save();
    EXPECT_TRUE(SheetFile().contains("\r\nANIMATED\r\n1\r\n12.500000\r\n0\r\n")) << SheetFile().constData();
}

TEST_F(SheetDesignerTest, TheSheetLibraryReadsWhatTheDesignerCutWithTheSameCodesRectanglesAndFlags)
{
    WriteSheetFile(kTitle);
    designer.Open(QStringLiteral("meadow"));
    Cut("tile", 15, 15, 31, 31);
    Cut("orc", 31, 15, 63, 47);
    Sprite("tile")->fill = 1;
    Sprite("orc")->entity = 1;
    Sprite("orc")->background = 0;
    Sprite("orc")->onTop = 1;
    designer.Save();
    CSpriteSheet sheet;
    ASSERT_EQ(1, sheet.Load(QStringLiteral("sprite sheets\\meadow"), &display, ui));
    ASSERT_EQ(2, sheet.sprites.Count());
    const CSheetSprite* tile = sheet.sprites.At(0);
    const CSheetSprite* orc = sheet.sprites.At(1);
    EXPECT_EQ(QByteArray("tile"), tile->code);
    EXPECT_EQ(CRect(4, 4, 12, 12), *tile->FirstRect());
    EXPECT_EQ((std::array<int, 4>{1, 0, 1, 0}), (std::array<int, 4>{tile->fill, tile->entity, tile->background, tile->onTop}));
    EXPECT_EQ(QByteArray("orc"), orc->code);
    EXPECT_EQ(CRect(12, 4, 28, 20), *orc->FirstRect());
    EXPECT_EQ((std::array<int, 4>{0, 1, 0, 1}), (std::array<int, 4>{orc->fill, orc->entity, orc->background, orc->onTop}));
}

TEST_F(SheetDesignerTest, AReadAndSaveKeepsEveryValueReadAndACutBlockANewSpritesAlpha)
{
    const QByteArrayList tail = {"m", "TRUE", "-3", "[EE]"};
    const struct {
        QByteArray read, written;
    } rows[] = {
        {Block("", "rock", QByteArrayList{"-1000000000", "0", "2000000000", "5"} + tail), {}},
        {Block("", "big", QByteArrayList{"2147483647", "-2147483648", "2147483647", "-2147483648"} + tail), {}},
        {Block("", "bat", QByteArrayList{"ANIMATED", "2", "5.000000", "2147483647", "1", "2", "3", "-2147483648", "4",
                                         "2000000000", "6"} + tail), {}},
        {Block("", "tree", {"12"}), Block("", "tree", {"12", "0", "0", "0", "", "FALSE", "255", "[EE]"})},
        {Block("", "tree", {"1", "2", "3", "4", "m", "TRUE"}), Block("", "tree", {"1", "2", "3", "4", "m", "TRUE", "255", "[EE]"})},
    };
    for (const auto& r : rows) {
        WriteSheetFile(kTitle + r.read);
        designer.Open(QStringLiteral("meadow"));
        designer.Save();
        EXPECT_EQ(kTitle + (r.written.isEmpty() ? r.read : r.written), SheetFile());
    }
}

TEST_F(SheetDesignerTest, ATypedTitleIsCutBetweenCharactersToTheFilesSixtyThreeBytes)
{
    WriteSheetFile(kTitle + Block("", "rock", {"0", "0", "8", "8", "", "FALSE", "255", "[EE]"}));
    for (const QString& character : {QStringLiteral("a"), QStringLiteral("\u00E9"), QStringLiteral("\u20AC")}) {
        designer.Open(QStringLiteral("meadow"));
        ui.titleAnswers = {character.repeated(70)};
        designer.SheetProperties();
        designer.Save();
        EXPECT_EQ(character.repeated(63 / character.toUtf8().size()).toUtf8(), SheetFile().split('\r').at(0));
    }
}

TEST_F(SheetDesignerTest, ASheetWhoseNameIsNotUtf8OpensAndSavesByItsBytes)
{
    WriteSheetFile(kTitle + Block("[BACKGROUND]\r\n", "tree", {"0", "0", "8", "8", "", "FALSE", "255", "[EE]"}));
    const QByteArray folder = QFile::encodeName(base.Path(QStringLiteral("sprite sheets"))) + '/';
    for (const char* extension : {".bmp", ".spt"})
        ASSERT_EQ(0, ::rename((folder + "meadow" + extension).constData(),
                              (folder + "m\xe9" "adow" + extension).constData()));
    designer.Open(DecodeText("m\xe9" "adow"));
    ASSERT_NE(designer.surface, nullptr);
    ASSERT_EQ(Codes(), QByteArrayList{"tree"});
    designer.title = "Moor";
    ASSERT_EQ(designer.Save(), CSheetDesigner::SaveResult::Saved);
    QFile saved;
    ASSERT_TRUE(saved.open(::fopen((folder + "m\xe9" "adow.spt").constData(), "rb"), QIODevice::ReadOnly,
                           QFileDevice::AutoCloseHandle));
    EXPECT_TRUE(saved.readAll().startsWith("Moor\r\n[BACKGROUND]\r\ntree\r\n"));
}
