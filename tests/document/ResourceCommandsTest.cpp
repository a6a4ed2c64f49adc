// The three resource managers reached from the menu, each on its tree file,
// and the sheet manager's way into the sheet designer letting the designer in
// use keep its unsaved work.
#include "display/Display.h"
#include "document/QuestDoc.h"
#include "helpers/FakeUi.h"
#include "helpers/FileBytes.h"
#include "helpers/TempBase.h"

#include "resources/ResourceManager.h"
#include "support/paths/Globals.h"

#include <QImage>

#include <gtest/gtest.h>

namespace {

struct ResourceDoc : ::testing::Test {
    CTempBase base;
    CFakeUi ui;
    CDisplay display;
    CQuestDoc doc{ui};
    ResourceDoc()
    {
        g_questName = QStringLiteral("Forest");
        display.Initialise(nullptr, 1024, 768);
        doc.sheetDesigner->display = &display;
        QImage image(32, 32, QImage::Format_RGB32);
        image.fill(Qt::white);
        for (const char* sheet : {"meadow", "caves"}) {
            image.save(base.Path(QStringLiteral("sprite sheets\\%1.bmp").arg(QLatin1String(sheet))), "BMP");
            base.Write(QStringLiteral("sprite sheets\\%1.spt").arg(QLatin1String(sheet)), "Meadow\r\n");
        }
        base.Write(QStringLiteral("questdata\\Forest\\entitylist.txt"), Lines({"wisp", "wisp"}));
        base.Write(QStringLiteral("questdata\\Forest\\soundlist.txt"), Lines({"a.wav", "a.wav"}));
        base.Write(QStringLiteral("questdata\\Forest\\sheets.txt"), Lines({"meadow", "meadow"}));
    }
};

} // namespace

TEST_F(ResourceDoc, EachManagerOpensOnItsTreeUnderItsTitleLine)
{
    QStringList seen;
    ui.onResourceManager = [&](CResourceManager& manager) {
        seen << manager.kind.dialogTitle + QLatin1Char(':') + manager.tree.item(0)->text() + QLatin1Char(':')
                    + manager.tree.item(1)->text();
        return 1;
    };
    doc.OnCommand(ID_ENTITY_MANAGER);
    doc.OnCommand(ID_SOUND_MANAGER);
    doc.OnCommand(ID_GRAPHICS_MANAGER);
    EXPECT_EQ(seen, QStringList({QStringLiteral("Entity Manager:Entities in project::wisp"),
                                 QStringLiteral("Sound Manager:Sound Files in Project::a.wav"),
                                 QStringLiteral("Sprite Sheet Manager:Sprite Sheets in Project::meadow")}));
}

TEST_F(ResourceDoc, EditingASheetLetsTheSheetDesignerInUseAskAboutItsChanges)
{
    doc.OpenSheetDesigner(QStringLiteral("meadow"));
    doc.OnCommand(ID_CREATE_ANIMATED); // a change to the meadow sheet
    int ended = -1;
    ui.onResourceManager = [&](CResourceManager& manager) {
        manager.treeCtrl.currentComponent = CTreeList::ComponentOf(manager.tree.item(1));
        manager.treeCtrl.Command(ID_EDIT_FILE);
        ended = manager.EndRequested() ? manager.EndResult() : -1;
        return ended;
    };
    ui.messageAnswers = {CUiPort::AnswerCancel};
    doc.OnCommand(ID_GRAPHICS_MANAGER);
    EXPECT_EQ(ended, -1); // the person stayed with the meadow's changes
    EXPECT_TRUE(doc.sheetDesigner->modified);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, QStringLiteral("Do you want to save your changes?"));

    ui.messageAnswers = {CUiPort::AnswerNo};
    doc.OnCommand(ID_GRAPHICS_MANAGER);
    EXPECT_EQ(ended, 0);
    EXPECT_EQ(doc.activeDesigner, doc.sheetDesigner.get());
    EXPECT_FALSE(doc.sheetDesigner->modified);
}
