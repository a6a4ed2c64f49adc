#include "build/NameList.h"
#include "helpers/FakeUi.h"
#include "helpers/QtPrinters.h"
#include "helpers/TempBase.h"
#include "support/paths/Globals.h"
#include "support/paths/QuestPaths.h"

#include <gtest/gtest.h>

namespace {
struct NameListFixture : ::testing::Test {
    CTempBase base;
    CFakeUi ui;
    CNameList list;
    NameListFixture() { g_questName = QStringLiteral("Forest"); }
    void WriteSounds(const QByteArray& bytes) const { base.Write(QStringLiteral("questdata\\Forest\\soundlist.txt"), bytes); }
    void ReadSounds() { list.ReadTreeFile(SoundListPath(), QStringLiteral("Couldnt open sound List"), ui); }
};
} // namespace

TEST_F(NameListFixture, ReadsTheNameLineOfEachPairAndSkipsFolders)
{
    WriteSounds("sounds\\music\\\r\nmusic\\\r\nsounds\\music\\theme.mid\r\ntheme.mid\r\nsounds\\hit.wav\nhit.wav\n");
    ReadSounds();
    EXPECT_EQ((QStringList{QStringLiteral("theme.mid"), QStringLiteral("hit.wav")}), list.Names());
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(NameListFixture, RereadingReplacesTheNamesAndALonePathLineAtTheEndIsDropped)
{
    list.Append(QStringLiteral("old"));
    WriteSounds("a\r\nfirst\r\nb\r\n");
    ReadSounds();
    EXPECT_EQ(QStringList{QStringLiteral("first")}, list.Names());
}

TEST_F(NameListFixture, AMissingFileIsReportedWithItsPathAndTheOldNamesStay)
{
    list.Append(QStringLiteral("old"));
    ReadSounds();
    ASSERT_EQ(1u, ui.messages.size());
    EXPECT_EQ(QStringLiteral("Couldnt open sound List"), ui.messages[0].text);
    EXPECT_EQ(QStringLiteral("questdata\\Forest\\soundlist.txt"), ui.messages[0].caption);
    EXPECT_EQ(CUiPort::ButtonsOk, ui.messages[0].buttons);
    EXPECT_EQ(QStringList{QStringLiteral("old")}, list.Names());
}

TEST_F(NameListFixture, NamesAreCutTo32CharactersAndLongPathLinesKeepThePairing)
{
    const QByteArray longPath = "sounds\\" + QByteArray(300, 'p') + ".wav";
    const QByteArray longName = QByteArray(40, 'n');
    WriteSounds(longPath + "\r\n" + longName + "\r\nsounds\\b.mid\r\nb.mid\r\n");
    ReadSounds();
    EXPECT_EQ((QStringList{QString(32, QLatin1Char('n')), QStringLiteral("b.mid")}), list.Names());
}

TEST_F(NameListFixture, ContainsIsExactAndCaseSensitive)
{
    list.Append(QStringLiteral("Bat"));
    EXPECT_TRUE(list.Contains(QStringLiteral("Bat")));
    EXPECT_FALSE(list.Contains(QStringLiteral("bat")));
    EXPECT_FALSE(list.Contains(QStringLiteral("Ba")));
    EXPECT_FALSE(list.Contains(QStringLiteral("Bat ")));
}

TEST_F(NameListFixture, MusicChoicesAreABlankThenEveryNameWithoutWav)
{
    EXPECT_TRUE(list.MusicChoices().isEmpty()); // not even the blank
    WriteSounds("x\r\ntheme.mid\r\nx\r\nhit.wav\r\nx\r\ntown.mod\r\nx\r\nLOUD.WAV\r\n");
    ReadSounds();
    EXPECT_EQ((QStringList{QStringLiteral(" "), QStringLiteral("theme.mid"), QStringLiteral("town.mod"),
                           QStringLiteral("LOUD.WAV")}),
              list.MusicChoices());
    WriteSounds("x\r\nhit.wav\r\n");
    ReadSounds();
    EXPECT_EQ(QStringList{QStringLiteral(" ")}, list.MusicChoices()); // only sound effects: just "no music"
}
