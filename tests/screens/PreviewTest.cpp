#include "screens/ScreenFixture.h"

#include "quest/PreviewReader.h"
#include "quest/Quest.h"
#include "screens/PreviewWriter.h"
#include "screens/ScreenScript.h"

#include <QProcess>

namespace {
const QString kPreview = QStringLiteral("questdata\\Q\\screens\\1-2.bmp");
const QString kScript = QStringLiteral("questdata\\Q\\scripts\\screen\\1-2.ves");

QByteArray Repeated(const QByteArray& line, int times)
{
    QByteArray b;
    for (int i = 0; i < times; ++i)
        b += line;
    return b;
}
} // namespace

TEST_F(ScreenTest, AnEmptyScreensPreviewIs12288LinesOfWhite)
{
    screen->Render();
    ASSERT_EQ(1, screen->Save());
    EXPECT_EQ(Repeated("65535\r\n", 128 * 96), base.Read(kPreview));
}

TEST_F(ScreenTest, ThePreviewIsTheScreenReducedAndReadsBackExactly)
{
    screen->AddFill(Item("red"), 0, 0, 160, 240);
    screen->AddFill(Item("hole001"), 200, 20, 300, 120);
    Place("blue", 170, 150);
    Place("cyan", 300, 220);
    ASSERT_EQ(1, screen->Save());
    const QByteArray bytes = base.Read(kPreview);
    EXPECT_EQ(128 * 96, bytes.count("\r\n"));
    EXPECT_EQ(0, bytes.count("\n") - bytes.count("\r\n"));

    CSurface expected;
    expected.Create(128, 96);
    expected.StretchFrom(*screen->preview);
    CSurface read;
    read.Create(128, 96);
    ASSERT_TRUE(ReadPreviewFile(kPreview, read));
    int differences = 0;
    for (int y = 0; y < 96; ++y)
        for (int x = 0; x < 128; ++x)
            differences += read.Pixel(x, y) != expected.Pixel(x, y);
    EXPECT_EQ(0, differences);
    EXPECT_EQ(kRed565, read.Pixel(0, 0));
    EXPECT_EQ(kWhite, read.Pixel(127, 0));
    EXPECT_EQ(kCyan565, read.Pixel(121, 89)); // 302, 222 reduced
    EXPECT_EQ(PreviewFileBytes(expected), bytes);
}

TEST_F(ScreenTest, TheFirstSaveMakesTheScriptFromTheTemplateAndLaterSavesLeaveIt)
{
    const QByteArray standard = base.Read(QStringLiteral("questdata\\standardscreen.ves"));
    ASSERT_FALSE(standard.isEmpty());
    ASSERT_EQ(1, screen->Save());
    EXPECT_EQ(standard, base.Read(kScript));
    base.Write(kScript, "main() { /* edited */ }\n");
    ASSERT_EQ(1, screen->Save());
    EXPECT_EQ("main() { /* edited */ }\n", base.Read(kScript));
    // An empty script is replaced at the next save.
    base.Write(kScript, "");
    ASSERT_EQ(1, screen->Save());
    EXPECT_EQ(standard, base.Read(kScript));
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(ScreenTest, WithoutTheTemplateTheScreenQuietlyHasNoScript)
{
    QFile::remove(base.Path(QStringLiteral("questdata\\standardscreen.ves")));
    ASSERT_EQ(1, screen->Save());
    EXPECT_TRUE(base.Exists(kPreview));
    EXPECT_FALSE(base.Exists(kScript));
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(0, EnsureScreenScript(1, 2));
}

TEST_F(ScreenTest, APreviewThatCannotBeWrittenIsReportedAndMakesNoScript)
{
    QDir().mkpath(base.Path(kPreview)); // a folder where the file should go
    EXPECT_EQ(0, screen->Save());      // the screen file itself was saved, the save as a whole failed
    EXPECT_TRUE(base.Exists(QStringLiteral("questdata\\Q\\screens\\1-2.lnd")));
    ASSERT_EQ(1u, ui.messages.size());
    EXPECT_EQ(QStringLiteral("Couldn't Open Image Preview file for saving"), ui.messages[0].text);
    EXPECT_EQ(kPreview, ui.messages[0].caption);
    EXPECT_FALSE(base.Exists(kScript));
}

TEST_F(ScreenTest, WithoutADisplayNoPreviewIsWritten)
{
    CDisplay notReady;
    CSurface preview;
    preview.Create(320, 240);
    EXPECT_EQ(0, WritePreviewFile(preview, CScreen::BasePath(1, 2), &notReady, ui));
    EXPECT_FALSE(base.Exists(kPreview));
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(ScreenTest, SavingAsksTheMapToReloadTheCellsPreview)
{
    CQuest map(ui, ui, ui);
    std::vector<std::pair<int, int>> asked;
    screen->previewSaved = [&](int column, int row, bool) {
        asked.emplace_back(column, row);
        map.files.LoadPreview(map.map.Cell(column, row), column, row);
    };
    screen->AddFill(Item("red"), 0, 0, 320, 240);
    ASSERT_EQ(1, screen->Save());
    ASSERT_EQ((std::vector<std::pair<int, int>>{{1, 2}}), asked);
    const CMapCell& cell = map.map.Cell(1, 2);
    ASSERT_TRUE(cell.HoldsScreen());
    EXPECT_EQ(kRed565, map.map.Preview(1, 2)->Pixel(64, 48));
    EXPECT_TRUE(map.map.Preview(1, 2)->colourKeyed);
    EXPECT_TRUE(ui.messages.empty());
}

// The sample quest that ships with the program must be what the program's own
// code makes of its screen files and sheet.
TEST(DemoQuest, ShippedPreviewsAreTheRenderingsOfTheShippedScreens)
{
    CTempBase base(true);
    ASSERT_TRUE(base.CopyShippedWorkspace());
    g_questName = QStringLiteral("Demo");
    CFakeUi ui;
    CDisplay display;
    display.Initialise(nullptr, 1024, 768);
    CSheetLibrary library(&display, ui);
    ASSERT_EQ(1, library.sheets.Count());
    int screens = 0;
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 5; ++column) {
            CScreen screen(&display, &ui, &library);
            ASSERT_EQ(S_OK, screen.Create());
            screen.mapCellX = column;
            screen.mapCellY = row;
            if (!screen.Load())
                continue;
            ++screens;
            for (const CPlacedSprite* p : screen.placedSprites)
                EXPECT_NE(nullptr, p->sprite) << p->code.constData();
            for (const CFill* f : screen.fills)
                EXPECT_NE(nullptr, f->tile.sprite) << f->tile.code.constData();
            screen.Render();
            CSurface small;
            small.Create(128, 96);
            small.StretchFrom(*screen.preview);
            EXPECT_EQ(PreviewFileBytes(small), base.Read(screen.BasePath() + QStringLiteral(".bmp")))
                << column << "-" << row;
        }
    }
    EXPECT_EQ(6, screens);
    EXPECT_TRUE(ui.messages.empty());
}

TEST(TessellPreviews, RewritesEveryPreviewOfTheQuest)
{
    const QString tool = QStringLiteral(TESSELL_BINARY_DIR "/tools/tessell");
    ASSERT_TRUE(QFileInfo::exists(tool)) << "build the target tessell";
    CTempBase base(true);
    ASSERT_TRUE(base.CopyShippedWorkspace());
    const QString preview = QStringLiteral("questdata\\Demo\\screens\\2-1.bmp");
    const QByteArray shipped = base.Read(preview);
    QFile::remove(base.Path(preview));
    base.Write(QStringLiteral("questdata\\Demo\\screens\\3-2.bmp"), "1\r\n2\r\n");

    QProcess run;
    run.setWorkingDirectory(base.root);
    run.start(tool, {QStringLiteral("previews"), QStringLiteral("Demo")});
    ASSERT_TRUE(run.waitForFinished(60000));
    EXPECT_EQ(0, run.exitCode()) << run.readAllStandardError().constData();
    EXPECT_EQ(shipped, base.Read(preview));
    EXPECT_EQ(QFile(QStringLiteral(TESSELL_SOURCE_DIR "/workspace/questdata/Demo/screens/3-2.bmp")).size(),
              base.Read(QStringLiteral("questdata\\Demo\\screens\\3-2.bmp")).size());
    EXPECT_TRUE(QString::fromLocal8Bit(run.readAllStandardError()).contains(QStringLiteral("Rewrote 6 preview(s)")));

    run.start(tool, {QStringLiteral("previews"), QStringLiteral("Nowhere")});
    ASSERT_TRUE(run.waitForFinished(60000));
    EXPECT_EQ(1, run.exitCode());
    EXPECT_EQ(QStringLiteral("No map file save\\Nowhere.qss for the quest \"Nowhere\"\n"),
              QString::fromLocal8Bit(run.readAllStandardError()));
}

TEST_F(ScreenTest, ThePreviewReaderTakesLinesAsNineCharacterPieces)
{
    base.Write(kPreview, "  12\r\n+7\n-1\r\n123456789012\r\n\r\r\n99999999\r\nx5\n65535");
    CSurface read;
    read.Create(128, 96);
    read.Fill(Rgb(255, 255, 255));
    ASSERT_TRUE(ReadPreviewFile(kPreview, read));
    std::vector<int> firsts;
    for (int x = 0; x < 10; ++x)
        firsts.push_back(read.Pixel(x, 0));
    // "123456789012" arrives as "123456789" (kept to 16 bits) and "012".
    EXPECT_EQ((std::vector<int>{12, 7, 65535, 123456789 % 65536, 12, 0, 99999999 % 65536, 0, 65535, 0}), firsts);
    EXPECT_EQ(0, read.Pixel(127, 95)); // missing lines give 0
}
