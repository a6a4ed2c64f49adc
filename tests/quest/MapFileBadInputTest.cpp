// Map files and preview files that people edited by hand, cut short or made
// elsewhere: what the map designer makes of each, row by row.
#include "helpers/FakeUi.h"
#include "helpers/FileBytes.h"
#include "helpers/TempBase.h"
#include "map/MapDesigner.h"
#include "quest/PreviewReader.h"
#include "quest/Quest.h"
#include "support/io/TextCodec.h"
#include "support/paths/Globals.h"

#include <QDir>

#include <gtest/gtest.h>

namespace {

const QByteArray M = "Vantraglen Tessellmancery Map File";

// The whole model in one line: cells (column-row/inside), groups
// (id:left,top,right,bottom,reserved,'music') and the five properties.
QString Summary(const CQuest& quest)
{
    QStringList cells;
    for (int i = 0; i < kMapCellCount; ++i) {
        const CMapCell& cell = quest.map.CellAt(i);
        if (cell.HoldsScreen())
            cells << QStringLiteral("%1-%2/%3").arg(i % kMapColumns).arg(i / kMapColumns).arg(cell.inside);
    }
    QStringList groups;
    for (const CGroup* g : quest.map.groups.groups)
        groups << QStringLiteral("%1:%2,%3,%4,%5,%6,'%7'")
                      .arg(g->id).arg(g->left).arg(g->top).arg(g->right).arg(g->bottom).arg(g->reserved)
                      .arg(g->music);
    const QuestProperties& p = quest.map.properties;
    return QStringLiteral("cells[%1] groups[%2] props[%3,%4,%5,%6,%7]")
        .arg(cells.join(QLatin1Char(' ')), groups.join(QLatin1Char(' ')))
        .arg(p.startX).arg(p.startY).arg(p.fullName).arg(p.finalVersion).arg(p.includeSound);
}

struct BadMapRow {
    const char* name;
    QByteArray file;
    QString model;    // Summary after loading
    QString messages; // "text|caption" of each message, joined by " / "
};

const QString kPath = QStringLiteral("save\\Forest.qss");
const QString kInvalid = QStringLiteral("Invalid Map File|save\\Forest.qss");
// What the designer holds before each row: one good quest, so that a refused
// file can be seen to leave it alone.
const QString kBefore = QStringLiteral("cells[2-1/1] groups[0:256,96,384,192,0,''] props[160,120,Untitled Quest,0,1]");
const QString kDefaults = QStringLiteral("props[0,0,Untitled Quest,0,0]");

// What the editor says of a map file cut short, as it loads what there is.
QString Early(int line, const QString& field)
{
    return QStringLiteral("The map file ends early at line %1, before %2.\nWhat is missing was read as 0 or empty. "
                          "Check the quest's properties and groups, then save the quest to write the map file "
                          "whole; until then it is not built.|save\\Forest.qss")
        .arg(line)
        .arg(field);
}

std::vector<BadMapRow> Rows()
{
    const QByteArray longName(100, 'm');
    return {
        {"truncated inside a cell record", Lines({M, "2", "2", "1"}),
         QStringLiteral("cells[2-1/0] groups[] ") + kDefaults, Early(4, "a cell record's inside flag")},
        {"truncated inside a group record", Lines({M, "1", "2", "1", "1", "1", "5", "0", "0"}),
         QStringLiteral("cells[2-1/1] groups[5:0,0,0,0,0,''] ") + kDefaults, Early(9, "a group record's right edge")},
        {"overlong string line keeps the fields after it in place",
         Lines({M, "0", "1", "3", "0", "0", "128", "96", "9", longName, "160", "120", "Name", "1", "0"}),
         QStringLiteral("cells[] groups[3:0,0,128,96,9,'%1'] props[160,120,Name,1,0]").arg(QString(62, QLatin1Char('m'))),
         ""},
        {"overlong number line", Lines({M, "0", "0", "1" + QByteArray(40, '0'), "   -7", "N", "1", "1"}),
         QStringLiteral("cells[] groups[] props[2147483647,-7,N,1,1]"), ""},
        {"magic line only", Lines({M}), QStringLiteral("cells[] groups[] ") + kDefaults,
         Early(1, "the count of screens")},
        {"empty file", "", kBefore, kInvalid},
        {"counts of -1", Lines({M, "-1", "-1", "10", "20", "Name", "1", "0"}),
         QStringLiteral("cells[] groups[] props[10,20,Name,1,0]"), ""},
        {"counts of 0", Lines({M, "0", "0", "10", "20", "Name", "0", "1"}),
         QStringLiteral("cells[] groups[] props[10,20,Name,0,1]"), ""},
        {"2,000,000,000 cells end with the file", Lines({M, "2000000000", "2", "1", "1"}),
         QStringLiteral("cells[2-1/1] groups[] ") + kDefaults, Early(5, "cell record 2 of 2000000000")},
        {"2,000,000,000 groups end with the file",
         Lines({M, "0", "2000000000", "4", "0", "0", "128", "96", "0", "theme.mid"}),
         QStringLiteral("cells[] groups[4:0,0,128,96,0,'theme.mid'] ") + kDefaults,
         Early(10, "group record 2 of 2000000000")},
        {"non-numeric numbers", Lines({M, "x1", "abc", "12abc", "  -34", "Name", "+1", "one"}),
         QStringLiteral("cells[] groups[] props[12,-34,Name,1,0]"), ""},
        {"NUL bytes end a line's text", Lines({M, "0", "0", QByteArray("1\0" "9", 3), "2", QByteArray("Fo\0rest", 7), "1", "1"}),
         QStringLiteral("cells[] groups[] props[1,2,Fo,1,1]"), ""},
        {"NUL byte in the magic line", Lines({QByteArray("Vantraglen\0Tessellmancery Map File", 34), "0", "0"}), kBefore,
         kInvalid},
        {"CR without LF is no line end", M + "\r0\r0\r160\r120\rName\r0\r1\r", kBefore, kInvalid},
        {"CR LF and LF alike", M + "\n1\r\n2\n1\n0\r\n0\n5\n6\nName\n1\n1", 
         QStringLiteral("cells[2-1/0] groups[] props[5,6,Name,1,1]"), ""},
        {"non-UTF-8 names keep their bytes",
         Lines({M, "0", "1", "0", "0", "0", "128", "96", "0", "th\xe8me.mid", "1", "2", "For\xeat", "0", "1"}),
         DecodeText("cells[] groups[0:0,0,128,96,0,'th\xe8me.mid'] props[1,2,For\xeat,0,1]"), ""},
        {"cells off the grid are passed over", Lines({M, "2", "300", "1", "1", "2", "1", "1", "0", "1", "2", "N", "0", "1"}),
         QStringLiteral("cells[2-1/1] groups[] props[1,2,N,0,1]"), ""},
        {"a cell without its preview stays empty", Lines({M, "2", "5", "5", "1", "2", "1", "1", "0", "1", "2", "N", "0", "1"}),
         QStringLiteral("cells[2-1/1] groups[] props[1,2,N,0,1]"),
         QStringLiteral("Couldn't open screen preview|questdata\\Forest\\screens\\5-5.bmp")},
    };
}

TEST(MapFileBadInputTest, EveryRowGivesItsModelAndMessages)
{
    CTempBase base;
    g_questName = QStringLiteral("Forest");
    base.Write(QStringLiteral("questdata\\Forest\\screens\\2-1.bmp"), WhitePreview());
    const QByteArray good = Lines({M, "1", "2", "1", "1", "1", "0", "256", "96", "384", "192", "0", "", "160", "120",
                                   "Untitled Quest", "0", "1"});
    for (const BadMapRow& row : Rows()) {
        SCOPED_TRACE(row.name);
        CFakeUi ui;
        CQuest quest(ui, ui, ui);
        base.Write(kPath, good);
        quest.files.LoadMapFile(kPath, QStringLiteral("Forest"));
        ASSERT_EQ(Summary(quest), kBefore);
        g_questName = QStringLiteral("Before");
        ui.messages.clear();

        base.Write(kPath, row.file);
        quest.files.LoadMapFile(kPath, QStringLiteral("Forest"));
        QStringList messages;
        for (const RecordedMessage& m : ui.messages)
            messages << m.text + QLatin1Char('|') + m.caption;
        EXPECT_EQ(Summary(quest), row.model);
        EXPECT_EQ(messages.join(QStringLiteral(" / ")), row.messages);
        // A refused file leaves the open quest as it was, name included.
        EXPECT_EQ(g_questName, row.messages == kInvalid ? QStringLiteral("Before") : QStringLiteral("Forest"));
        g_questName = QStringLiteral("Forest");
    }
}

TEST(MapFileBadInputTest, ANonUtf8NameIsSavedByteForByteAndShownAsLatin1)
{
    CTempBase base;
    g_questName = QStringLiteral("Forest");
    CFakeUi ui;
    CQuest quest(ui, ui, ui);
    const QByteArray file = Lines({M, "0", "1", "0", "0", "0", "128", "96", "0", "th\xe8me.mid", "1", "2", "For\xeat",
                                   "0", "1"});
    base.Write(kPath, file);
    quest.files.LoadMapFile(kPath, QStringLiteral("Forest"));
    EXPECT_EQ(DisplayText(quest.map.properties.fullName), QStringLiteral("For\u00eat"));
    quest.files.SaveMapFile();
    EXPECT_EQ(base.Read(kPath), file);
    EXPECT_TRUE(ui.messages.empty());
}

// Preview files: 12,288 lines of one pixel value each, read with a 10-byte
// buffer, so a longer line arrives as two values.
struct BadPreviewRow {
    const char* name;
    QByteArray file;
    std::vector<uint16_t> firstPixels; // the first pixels, in row order
    uint16_t rest;                      // every pixel after them
};

std::vector<BadPreviewRow> PreviewRows()
{
    return {
        {"truncated after three lines", "1\r\n2\r\n3\r\n", {1, 2, 3}, 0},
        {"empty file", "", {}, 0},
        {"an overlong line arrives in pieces of nine", "1234567890123\r\n7\r\n", {52501, 123, 7}, 0},
        {"-1, 0 and 2,000,000,000", "-1\r\n0\r\n2000000000\r\n5\r\n", {65535, 0, 49664, 0, 5}, 0},
        {"values beyond 16 bits keep their low bits", "70000\r\n65536\r\n", {4464, 0}, 0},
        {"non-numeric lines", "abc\r\n12ab\r\n 7\r\n\xff\xfe\r\n", {0, 12, 7, 0}, 0},
        {"NUL bytes", QByteArray("12\0 34\r\n9\r\n", 10), {12, 9}, 0},
        {"CR without LF joins lines", "100\r200\r300\r\n400\r\n", {100, 0, 400}, 0},
        {"LF alone", "5\n6\n", {5, 6}, 0},
    };
}

TEST(PreviewFileBadInputTest, EveryRowGivesItsPixels)
{
    CTempBase base;
    g_questName = QStringLiteral("Forest");
    const QString path = QStringLiteral("questdata\\Forest\\screens\\0-0.bmp");
    for (const BadPreviewRow& row : PreviewRows()) {
        SCOPED_TRACE(row.name);
        base.Write(path, row.file);
        CSurface surface;
        ASSERT_EQ(surface.Create(kPreviewWidth, kPreviewHeight), S_OK);
        for (int y = 0; y < kPreviewHeight; ++y)
            for (int x = 0; x < kPreviewWidth; ++x)
                surface.SetPixel(x, y, 0x1234);
        ASSERT_TRUE(ReadPreviewFile(path, surface));
        std::vector<uint16_t> pixels;
        bool restSame = true;
        for (int i = 0; i < kPreviewWidth * kPreviewHeight; ++i) {
            const uint16_t pixel = surface.Pixel(i % kPreviewWidth, i / kPreviewWidth);
            if (i < int(row.firstPixels.size()))
                pixels.push_back(pixel);
            else if (pixel != row.rest)
                restSame = false;
        }
        EXPECT_EQ(pixels, row.firstPixels);
        EXPECT_TRUE(restSame);
    }
}

TEST(PreviewFileBadInputTest, AHugeFileIsReadOnlyAsFarAsAPreviewGoes)
{
    CTempBase base;
    g_questName = QStringLiteral("Forest");
    const QString path = QStringLiteral("questdata\\Forest\\screens\\0-0.bmp");
    // 4 MB: a preview followed by garbage; the picture is the first 12,288 lines.
    QByteArray bytes = WhitePreview();
    bytes += QByteArray(4 << 20, '7');
    base.Write(path, bytes);
    CFakeUi ui;
    CQuest quest(ui, ui, ui);
    CMapCell& cell = quest.map.Cell(0, 0);
    quest.files.LoadPreview(cell, 0, 0);
    ASSERT_TRUE(cell.HoldsScreen());
    EXPECT_EQ(quest.map.Preview(0, 0)->Pixel(0, 0), 65535);
    EXPECT_EQ(quest.map.Preview(0, 0)->Pixel(127, 95), 65535);
    EXPECT_TRUE(ui.messages.empty());
}

TEST(PreviewFileBadInputTest, AMissingOrFolderPreviewLeavesTheCellEmptyWithTheMessage)
{
    CTempBase base;
    g_questName = QStringLiteral("Forest");
    CFakeUi ui;
    CQuest quest(ui, ui, ui);
    QDir().mkpath(base.Path(QStringLiteral("questdata\\Forest\\screens\\1-1.bmp"))); // a folder in its place
    for (int column : {0, 1}) {
        CMapCell& cell = quest.map.Cell(column, 1);
        quest.files.LoadPreview(cell, column, 1);
        EXPECT_FALSE(cell.HoldsScreen());
    }
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[0].text, QStringLiteral("Couldn't open screen preview"));
    EXPECT_EQ(ui.messages[0].caption, QStringLiteral("questdata\\Forest\\screens\\0-1.bmp"));
    EXPECT_EQ(ui.messages[1].caption, QStringLiteral("questdata\\Forest\\screens\\1-1.bmp"));
}

} // namespace

namespace {

TEST(MapFileBadInputTest, TheLargestGroupIdThereIsLeavesTheNextGroupAnUnusedId)
{
    CTempBase base;
    g_questName = QStringLiteral("Forest");
    CFakeUi ui;
    CQuest quest(ui, ui, ui);
    QDir().mkpath(base.Path(QStringLiteral("questdata\\Forest\\scripts\\group")));
    base.Write(kPath, Lines({M, "0", "3", "2147483647", "0", "0", "128", "96", "0", "", "0", "128", "0", "256", "96", "0",
                             "", "2", "256", "0", "384", "96", "0", "", "1", "2", "N", "0", "1"}));
    quest.files.LoadMapFile(kPath, QStringLiteral("Forest"));
    ASSERT_EQ(quest.map.groups.Count(), 3);
    EXPECT_EQ(quest.map.NextGroupId(), 1);
    // The group dragged out next gets it, and its script file is named by it.
    CMapDesigner designer(quest, ui, ui, ui);
    ASSERT_EQ(designer.AddGroup(0, 200, 128, 296, 0, 0), 1);
    EXPECT_EQ(quest.map.groups.groups.Tail()->id, 1);
    EXPECT_TRUE(base.Exists(QStringLiteral("questdata\\Forest\\scripts\\group\\1.ves")));
    EXPECT_EQ(quest.map.NextGroupId(), 3);
}

} // namespace

// The build neither packs nor rewrites a map file it read only in part; once
// the person has saved the quest as the editor shows it, it builds.
TEST(MapFileBadInputTest, AMapFileThatEndsEarlyIsBuiltOnlyOnceSaved)
{
    CTempBase base(true);
    ASSERT_TRUE(base.CopyShippedWorkspace());
    const QString path = QStringLiteral("save\\Demo.qss");
    const QByteArray cut = base.Read(path).split('\n').mid(0, 37).join('\n') + '\n';
    base.Write(path, cut);
    CFakeUi ui;
    CQuest quest(ui, ui, ui);
    quest.files.LoadMapFile(path, QStringLiteral("Demo"));
    ui.messages.clear();
    EXPECT_EQ(0, quest.build.BuildQuest(true));
    ASSERT_EQ(1u, ui.messages.size());
    EXPECT_EQ(QStringLiteral("The map file ends early at line 37, before the quest's full name.\nSave the quest to "
                             "write the map file whole, then build again."),
              ui.messages[0].text);
    EXPECT_EQ(path, ui.messages[0].caption);
    EXPECT_EQ(cut, base.Read(path));
    EXPECT_FALSE(base.Exists(QStringLiteral("output\\Demo.qst")));
    ASSERT_TRUE(quest.files.SaveMapFile());
    EXPECT_EQ(1, quest.build.BuildQuest(false));
}
