#include "document/QuestDoc.h"
#include "helpers/FakeUi.h"
#include "helpers/QtPrinters.h"
#include "helpers/TempBase.h"
#include "quest/QuestProperties.h"
#include "support/paths/Globals.h"

#include <QFile>
#include <QTest>

#include <gtest/gtest.h>

namespace {
struct MapCommandFixture : ::testing::Test {
    CTempBase base;
    CFakeUi ui;
    CQuestDoc doc{ui};
    MapCommandFixture()
    {
        ui.nameAnswers = {QStringLiteral("Forest")};
        EXPECT_TRUE(doc.StartCreateQuest());
        ui.calls.clear();
    }
};
} // namespace

TEST_F(MapCommandFixture, QuestPropertiesChangesTheValuesOnlyThroughItsDialog)
{
    doc.OnCommand(ID_QUEST_PROPERTIES); // cancelled
    EXPECT_EQ(QStringList{QStringLiteral("QuestProperties")}, ui.calls);
    EXPECT_EQ(QuestProperties(), doc.quest.map.properties);

    ui.onQuestProperties = [](QuestProperties& p) {
        p.startX = 500;
        p.fullName = QStringLiteral("Ravens of Orl");
    };
    doc.OnCommand(ID_QUEST_PROPERTIES);
    EXPECT_EQ(500, doc.quest.map.properties.startX);
    doc.OnCommand(ID_SAVE_MAP);
    EXPECT_TRUE(base.Read(QStringLiteral("save\\Forest.qss")).endsWith("500\r\n120\r\nRavens of Orl\r\n0\r\n1\r\n"));
}

TEST_F(MapCommandFixture, QuestPropertiesBelongsToTheMap)
{
    doc.OpenScreenDesigner(1, 1);
    doc.OnCommand(ID_QUEST_PROPERTIES);
    doc.OnCommand(ID_EDIT_MAIN_SCRIPT);
    EXPECT_TRUE(ui.calls.isEmpty());
}

TEST_F(MapCommandFixture, EditMainScriptOpensTheQuestsMainScript)
{
    base.Write(QStringLiteral("editor\\cgenie"), "#!/bin/sh\nprintf '%s' \"$1\" > \"$(dirname \"$0\")/../launched.tmp\"\n"
                                                 "mv \"$(dirname \"$0\")/../launched.tmp\" \"$(dirname \"$0\")/../launched.txt\"\n");
    QFile::setPermissions(base.Path(QStringLiteral("editor\\cgenie")),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    doc.OnCommand(ID_EDIT_MAIN_SCRIPT);
    const QString launched = base.Path(QStringLiteral("launched.txt"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFile::exists(launched); }, 10000));
    EXPECT_EQ(base.Path(QStringLiteral("questdata\\Forest\\scripts\\main\\main.ves")),
              QString::fromLocal8Bit(base.Read(QStringLiteral("launched.txt"))));
}

TEST_F(MapCommandFixture, OpenAsksToSaveAfterTheFileIsChosenAndCancelKeepsTheQuest)
{
    CQuestMap& map = doc.quest.map;
    map.properties.startX = 7;
    ui.fileAnswers = {base.Path(QStringLiteral("save\\Forest.qss"))};
    ui.messageAnswers = {CUiPort::AnswerCancel};
    doc.OnCommand(ID_OPEN_QUEST);
    ASSERT_EQ(1u, ui.messages.size());
    EXPECT_EQ(QStringLiteral("Do you want to save the current quest?"), ui.messages[0].text);
    EXPECT_EQ(QStringLiteral("Attention"), ui.messages[0].caption);
    EXPECT_EQ(CUiPort::ButtonsYesNoCancel, ui.messages[0].buttons);
    EXPECT_EQ(7, map.properties.startX);

    ui.fileAnswers = {base.Path(QStringLiteral("save\\Forest.qss"))};
    ui.messageAnswers = {CUiPort::AnswerYes}; // saved first, so the reload keeps the value
    doc.OnCommand(ID_OPEN_QUEST);
    EXPECT_EQ(7, map.properties.startX);
    EXPECT_EQ(QStringLiteral("Forest"), g_questName);
}

TEST_F(MapCommandFixture, NewMakesAnEmptyMapAndLeavesTheOtherQuestAlone)
{
    ui.onScreenProperties = nullptr;
    doc.quest.map.properties.fullName = QStringLiteral("Kept");
    doc.OnCommand(ID_SAVE_MAP);
    const QByteArray forest = base.Read(QStringLiteral("save\\Forest.qss"));
    ui.nameAnswers = {QStringLiteral("Marsh")};
    doc.OnCommand(ID_NEW_QUEST);
    EXPECT_EQ(QStringLiteral("Marsh"), g_questName);
    EXPECT_EQ(QStringLiteral("Untitled Quest"), doc.quest.map.properties.fullName);
    EXPECT_EQ(forest, base.Read(QStringLiteral("save\\Forest.qss")));
    EXPECT_TRUE(base.Exists(QStringLiteral("questdata\\Marsh\\scripts\\main\\main.ves")));
}
