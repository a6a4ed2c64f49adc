// Writing fails half-way (a full disk), the folder is missing, or a folder
// stands where the file should be: the map file, screens copied over another
// cell and a whole quest build leave every previous file byte for byte and
// say what the user must know.
#include "document/QuestDoc.h"
#include "helpers/FakeUi.h"
#include "helpers/FileBytes.h"
#include "helpers/TempBase.h"
#include "quest/Quest.h"
#include "support/io/TextFile.h"
#include "support/paths/Globals.h"
#include "support/platform/Settings.h"

#include <QDateTime>
#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace {

// Makes every text writer opened while it lives fail after `bytes` bytes.
struct FullDisk {
    explicit FullDisk(qint64 bytes) { CTextWriter::FailWritesAfter(bytes); }
    ~FullDisk() { CTextWriter::FailWritesAfter(-1); }
};

const QString kMapFile = QStringLiteral("save\\Forest.qss");

TEST(MapWriteFailureTest, TheMapFileStaysWholeAndTheMessageIsShown)
{
    for (const char* mode : {"half-way", "missing folder", "folder in place"}) {
        SCOPED_TRACE(mode);
        CTempBase base;
        g_questName = QStringLiteral("Forest");
        CFakeUi ui;
        CQuest quest(ui, ui, ui);
        quest.map.properties.fullName = QStringLiteral("A new name that makes the file longer");
        const QByteArray old = "Vantraglen Tessellmancery Map File\r\n0\r\n0\r\n1\r\n2\r\nOld\r\n0\r\n1\r\n";
        if (QLatin1String(mode) == QLatin1String("half-way")) {
            base.Write(kMapFile, old);
            FullDisk disk(40);
            quest.files.SaveMapFile();
            EXPECT_EQ(base.Read(kMapFile), old);
        } else if (QLatin1String(mode) == QLatin1String("missing folder")) {
            QDir(base.Path(QStringLiteral("save"))).removeRecursively();
            quest.files.SaveMapFile();
            EXPECT_FALSE(base.Exists(QStringLiteral("save")));
        } else {
            base.Write(kMapFile + QStringLiteral("\\inside"), old);
            quest.files.SaveMapFile();
            EXPECT_EQ(base.Read(kMapFile + QStringLiteral("\\inside")), old);
        }
        ASSERT_EQ(ui.messages.size(), 1u);
        EXPECT_EQ(ui.messages[0].text, QStringLiteral("Couldn't Open Save file"));
        EXPECT_EQ(ui.messages[0].caption, kMapFile);
        // No temporary file is left beside it.
        EXPECT_EQ(QDir(base.Path(QStringLiteral("save"))).entryList(QDir::Files | QDir::Hidden),
                  QLatin1String(mode) == QLatin1String("half-way") ? QStringList{"Forest.qss"} : QStringList());
    }
}

TEST(MapWriteFailureTest, AScreenCopiedOverAnotherCellReplacesNoFileHalfWay)
{
    CTempBase base;
    g_questName = QStringLiteral("Forest");
    CFakeUi ui;
    CQuest quest(ui, ui, ui);
    const QString screens = QStringLiteral("questdata\\Forest\\screens\\");
    const QString scripts = QStringLiteral("questdata\\Forest\\scripts\\screen\\");
    for (const char* cell : {"0-0", "1-0"}) {
        const QString c = QLatin1String(cell);
        base.Write(screens + c + QStringLiteral(".lnd"), QByteArray("1\r\n0\r\n0\r\nsprite of ") + cell + "\r\n\r\n0\r\n");
        base.Write(screens + c + QStringLiteral(".bmp"), WhitePreview());
        base.Write(scripts + c + QStringLiteral(".ves"), QByteArray("// the script of ") + cell + "\r\n");
    }
    quest.files.LoadPreview(quest.map.Cell(0, 0), 0, 0);
    quest.files.LoadPreview(quest.map.Cell(1, 0), 1, 0);
    ui.messageAnswers.push_back(CUiPort::AnswerYes); // overwrite the used cell
    {
        FullDisk disk(5);
        quest.files.MoveOrCopyScreen(quest.map.Cell(0, 0), 1, 0, false);
    }
    EXPECT_EQ(base.Read(screens + QStringLiteral("1-0.lnd")), QByteArray("1\r\n0\r\n0\r\nsprite of 1-0\r\n\r\n0\r\n"));
    EXPECT_EQ(base.Read(screens + QStringLiteral("1-0.bmp")), WhitePreview());
    EXPECT_EQ(base.Read(scripts + QStringLiteral("1-0.ves")), QByteArray("// the script of 1-0\r\n"));
    // The move did not arrive whole, so its source is kept.
    EXPECT_EQ(base.Read(screens + QStringLiteral("0-0.lnd")), QByteArray("1\r\n0\r\n0\r\nsprite of 0-0\r\n\r\n0\r\n"));
    EXPECT_TRUE(quest.map.Cell(0, 0).HoldsScreen());
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[1].text, QStringLiteral("Couldn't copy screen files"));
    EXPECT_EQ(ui.messages[1].caption, QStringLiteral("Error"));
}

// The fixture quest "Trail", built once so that every file a build writes exists.
struct BuiltQuest : ::testing::Test {
    CTempBase base;
    CFakeUi ui;
    CQuestDoc doc{ui};
    CQuest& quest = doc.quest;
    const QStringList written{QStringLiteral("save\\Trail.qss"), QStringLiteral("compiler\\compilelist.txt"),
                              QStringLiteral("output\\temp\\entities.txt"), QStringLiteral("output\\temp\\sheets.txt"),
                              QStringLiteral("output\\temp\\soundlist.txt"), QStringLiteral("output\\Trail.qst")};

    BuiltQuest()
    {
        EXPECT_TRUE(CopyTree(QStringLiteral(TESSELL_FIXTURES_DIR "/trail"), base.root));
        for (const char* cell : {"0-0", "1-0"})
            base.Write(QStringLiteral("questdata\\Trail\\screens\\%1.bmp").arg(QLatin1String(cell)), WhitePreview());
        quest.files.LoadMapFile(QStringLiteral("save\\Trail.qss"), QStringLiteral("Trail"));
        WriteSetting(QStringLiteral("options"), QStringLiteral("VGlocation"), QStringLiteral("none"));
        EXPECT_EQ(quest.build.BuildQuest(false), 1);
        EXPECT_TRUE(ui.messages.empty());
        // The next build changes the map file and recompiles an entity.
        quest.map.properties.fullName = QStringLiteral("The Trail, renamed");
        QFile bat(base.Path(QStringLiteral("entities\\bat.ves")));
        EXPECT_TRUE(bat.open(QIODevice::ReadWrite));
        EXPECT_TRUE(bat.setFileTime(QDateTime::currentDateTimeUtc().addSecs(5), QFileDevice::FileModificationTime));
    }

    std::vector<QByteArray> Files() const
    {
        std::vector<QByteArray> files;
        for (const QString& file : written)
            files.push_back(base.Read(file));
        return files;
    }
};

TEST_F(BuiltQuest, ABuildOnAFullDiskLeavesEveryFileItWritesAsItWas)
{
    const std::vector<QByteArray> before = Files();
    {
        FullDisk disk(10);
        EXPECT_EQ(quest.build.BuildQuest(true), 0);
    }
    EXPECT_TRUE(Files() == before);
    // The map file, the compile list and the entity list each say so.
    ASSERT_EQ(ui.messages.size(), 3u);
    EXPECT_EQ(ui.messages[0].text, QStringLiteral("Couldn't Open Save file"));
    EXPECT_EQ(ui.messages[0].caption, QStringLiteral("save\\Trail.qss"));
    EXPECT_EQ(ui.messages[1].text, QStringLiteral("Couldn't Create compilelist.txt"));
    EXPECT_EQ(ui.messages[1].caption, QStringLiteral("Error"));
    EXPECT_EQ(ui.messages[2].text, QStringLiteral("Couldn't create the list file for the engine"));
    EXPECT_EQ(ui.messages[2].caption, QStringLiteral("output\\temp\\entities.txt"));
}

TEST_F(BuiltQuest, AFolderInPlaceOfTheQuestFileFailsTheBuildWithItsMessage)
{
    QFile::remove(base.Path(QStringLiteral("output\\Trail.qst")));
    base.Write(QStringLiteral("output\\Trail.qst\\keep"), "kept");
    EXPECT_EQ(quest.build.BuildQuest(true), 0);
    EXPECT_EQ(base.Read(QStringLiteral("output\\Trail.qst\\keep")), QByteArray("kept"));
    EXPECT_FALSE(base.Exists(QStringLiteral("tempQST")));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, QStringLiteral("Could not write QST file"));
    EXPECT_EQ(ui.messages[0].caption, QStringLiteral("Error"));
}

} // namespace
