#include "display/Display.h"
#include "document/QuestDoc.h"
#include "helpers/FakeUi.h"
#include "helpers/TempBase.h"

#include <QImage>

#include <gtest/gtest.h>

namespace {
struct SheetDoc : ::testing::Test {
    CTempBase base;
    CFakeUi ui;
    CDisplay display;
    CQuestDoc doc{ui};
    SheetDoc()
    {
        display.Initialise(nullptr, 1024, 768);
        doc.sheetDesigner->display = &display;
        QImage image(32, 32, QImage::Format_RGB32);
        image.fill(Qt::white);
        image.save(base.Path(QStringLiteral("sprite sheets\\meadow.bmp")), "BMP");
        base.Write(QStringLiteral("sprite sheets\\meadow.spt"), "Meadow\r\n");
    }
};
} // namespace

TEST_F(SheetDoc, TheSheetMenuActsOnlyWhileTheSheetDesignerIsActive)
{
    const int sheetCommands[] = {ID_SAVE_SHEET,      ID_CREATE_SPRITE,   ID_LIST_SPRITES,
                                 ID_CYCLE_COLOURS,   ID_CREATE_ANIMATED, ID_SHEET_PROPERTIES};
    for (int id : sheetCommands)
        doc.OnCommand(id);
    EXPECT_TRUE(ui.calls.isEmpty());
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(0, doc.sheetDesigner->selectionColour);

    doc.OpenSheetDesigner(QStringLiteral("meadow"));
    EXPECT_EQ(doc.sheetDesigner.get(), doc.activeDesigner);
    EXPECT_EQ(std::vector<int>{kSheetMenu}, ui.menus);
    EXPECT_EQ(1, ui.framesRequested);
    for (int id : sheetCommands)
        doc.OnCommand(id);
    EXPECT_EQ((QStringList{QStringLiteral("SpriteList"), QStringLiteral("AnimatedSprite"),
                           QStringLiteral("SheetProperties(Meadow)")}),
              ui.calls);
    ASSERT_EQ(1u, ui.messages.size()); // Create Sprite without a drag
    EXPECT_EQ(QStringLiteral("Attention"), ui.messages[0].caption);
    EXPECT_EQ(1, doc.sheetDesigner->selectionColour);
    doc.OnCommand(ID_SAVE_MAP); // the map's commands wait for the map
    EXPECT_EQ(1u, ui.messages.size());
}

TEST_F(SheetDoc, BackToMapAsksFirstThenTheMapDesignerDrawsAtOnce)
{
    doc.OpenSheetDesigner(QStringLiteral("meadow"));
    doc.OnCommand(ID_CREATE_ANIMATED); // a change
    ui.messageAnswers = {CUiPort::AnswerCancel};
    doc.OnCommand(ID_BACK_TO_MAP);
    EXPECT_EQ(doc.sheetDesigner.get(), doc.activeDesigner);
    ASSERT_EQ(1u, ui.messages.size());
    EXPECT_EQ(QStringLiteral("Do you want to save your changes?"), ui.messages[0].text);
    ui.messageAnswers = {CUiPort::AnswerNo};
    doc.OnCommand(ID_BACK_TO_MAP_SHEET);
    EXPECT_EQ(doc.mapDesigner.get(), doc.activeDesigner);
    EXPECT_EQ((std::vector<int>{kSheetMenu, kMapMenu}), ui.menus);
    EXPECT_EQ(2, ui.framesRequested);
}

TEST_F(SheetDoc, AMissingBitmapLeavesTheMapDesignerActiveAndTheSnapFollowsTheScreenDesignersSize)
{
    doc.OpenSheetDesigner(QStringLiteral("gone"));
    EXPECT_EQ(doc.mapDesigner.get(), doc.activeDesigner);
    EXPECT_EQ(QStringLiteral("sprite sheets\\gone.bmp"), ui.messages.at(0).caption);
    doc.screenDesigner->doubleSize = 0;
    EXPECT_EQ(31, doc.sheetDesigner->Snap(33));
    doc.screenDesigner->doubleSize = 1;
    EXPECT_EQ(30, doc.sheetDesigner->Snap(33));
}
