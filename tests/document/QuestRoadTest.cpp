// The road a quest author takes with a sheet of their own: made from a bitmap
// in the sheet manager, cut into a sprite and an entity in the sheet designer,
// added to the quest with its entity and the entity's sound, stamped on a
// screen, and built into the quest file.
#include "build/ArchiveReader.h"
#include "common/VirtualKeys.h"
#include "display/Display.h"
#include "document/QuestDoc.h"
#include "helpers/FakeUi.h"
#include "helpers/FileBytes.h"
#include "helpers/TempBase.h"
#include "resources/ResourceManager.h"
#include "resources/SheetEntityImport.h"
#include "sheets/DesignerSprite.h"
#include "support/platform/Settings.h"

#include <QDir>
#include <QImage>

#include <gtest/gtest.h>

namespace {

// Carries a sprite of the screen designer's strip, stepping through the sheets
// until it shows, and stamps it at a point of the screen.
void Stamp(CScreenDesigner& designer, const QByteArray& code, int x, int y)
{
    for (int step = 0; step < 10; ++step) {
        for (CPlacedSprite* item : designer.spritePalette->items)
            if (item->code == code) {
                designer.onLButtonDown(0, designer.spritePalette->ItemLeft(*item) + 1,
                                       designer.spritePalette->ItemTop(*item) + 1);
                designer.onLButtonDown(0, x, y);
                designer.onRButtonDown(0, 0, 0); // let go of the carried copy
                return;
            }
        designer.onKeyDown(VK_DOWN, 1, 0);
    }
    ADD_FAILURE() << "no sheet shows " << code.constData();
}

QStringList ArchiveNames(const CArchiveReader& reader)
{
    QStringList names;
    for (const ArchiveEntry& entry : reader.Entries())
        names << QString::fromLatin1(entry.name);
    return names;
}

} // namespace

TEST(QuestRoad, ASheetCutInTheEditorReachesTheQuestFileWithItsEntityAndItsSound)
{
    CTempBase base(true);
    ASSERT_TRUE(base.CopyShippedWorkspace());
    WriteSetting(QStringLiteral("Options"), QStringLiteral("Zoom"), 0);
    QImage picture(64, 32, QImage::Format_RGB32);
    picture.fill(QColor(90, 90, 90));
    ASSERT_TRUE(QDir().mkpath(base.Path(QStringLiteral("pictures"))));
    ASSERT_TRUE(picture.save(base.Path(QStringLiteral("pictures\\caves.bmp")), "BMP"));
    base.Write(QStringLiteral("entities\\ghost.ves"),
               "native PlaySound(const sound[]);\r\n\r\nmain()\r\n{\r\n    PlaySound(\"boo.wav\");\r\n}\r\n");
    base.Write(QStringLiteral("sounds\\boo.wav"), "RIFFboo");

    CFakeUi ui;
    CDisplay display;
    display.Initialise(nullptr, 1024, 768);
    CQuestDoc doc{ui};
    doc.mapDesigner->display = &display;
    doc.screenDesigner->display = &display;
    doc.sheetDesigner->display = &display;
    ui.fileAnswers = {base.Path(QStringLiteral("save\\Demo.qss"))};
    ASSERT_EQ(1, doc.StartOpenQuest());

    // "Create New" in the sheet manager, on the bitmap.
    ui.onResourceManager = [&](CResourceManager& manager) {
        ui.fileAnswers.push_back(base.Path(QStringLiteral("pictures\\caves.bmp")));
        manager.CreateNew();
        return manager.EndResult();
    };
    doc.OnCommand(ID_GRAPHICS_MANAGER);
    ASSERT_EQ(doc.sheetDesigner.get(), doc.activeDesigner);
    EXPECT_EQ(base.Read(QStringLiteral("sprite sheets\\caves.bmp")), base.Read(QStringLiteral("pictures\\caves.bmp")));

    // Two sprites cut, the second an entity; saved; back to the map.
    CSheetDesigner& sheet = *doc.sheetDesigner;
    QByteArrayList codes = {"rock", "ghost"};
    ui.onSpriteProperties = [&](CDesignerSprite& sprite, CSheetDesigner&) {
        sprite.code = codes.takeFirst();
        sprite.entity = sprite.code == "ghost";
        return int(CUiPort::AnswerOk);
    };
    sheet.drag = CRect{31, 31, 63, 63};
    sheet.CreateSprite();
    sheet.drag = CRect{63, 31, 95, 63};
    sheet.CreateSprite();
    sheet.Save();
    doc.OnCommand(ID_BACK_TO_MAP_SHEET);
    ASSERT_EQ(doc.mapDesigner.get(), doc.activeDesigner);
    EXPECT_TRUE(ui.messages.empty()) << ui.MessageTexts().join(QLatin1Char('|')).toStdString();

    // The sheet added to the quest again: its entity and the entity's sound come with it.
    QStringList offered;
    ui.onSheetEntities = [&](CSheetEntitiesImport& import) {
        offered = import.Names();
        import.folder = QStringLiteral("Caves");
        import.Confirm();
        return int(CUiPort::AnswerOk);
    };
    ui.onResourceManager = [&](CResourceManager& manager) {
        const auto found = manager.tree.findItems(QStringLiteral("caves"), Qt::MatchExactly | Qt::MatchRecursive);
        EXPECT_EQ(found.size(), 1);
        manager.treeCtrl.KeyDown(VK_DELETE, found.value(0));
        ui.fileAnswers.push_back(base.Path(QStringLiteral("sprite sheets\\caves.spt")));
        manager.treeCtrl.currentComponent = nullptr; // the title line
        manager.treeCtrl.Command(ID_ADD_FILE);
        return int(CUiPort::AnswerOk);
    };
    doc.OnCommand(ID_GRAPHICS_MANAGER);
    EXPECT_EQ(offered, QStringList({QStringLiteral("ghost")}));
    EXPECT_TRUE(base.Read(QStringLiteral("questdata\\Demo\\sheets.txt")).endsWith(Lines({"caves", "caves"})));
    EXPECT_TRUE(base.Read(QStringLiteral("questdata\\Demo\\entitylist.txt"))
                    .endsWith(Lines({"Caves\\", "Caves\\", "Caves\\ghost", "ghost"})));
    EXPECT_TRUE(base.Read(QStringLiteral("questdata\\Demo\\soundlist.txt"))
                    .endsWith(Lines({"Caves\\", "Caves\\", "Caves\\boo.wav", "boo.wav"})));
    EXPECT_EQ(doc.quest.sheetList.Names().count(QStringLiteral("caves")), 1);

    // Both stamped on a screen, saved, and the quest built.
    doc.OpenScreenDesigner(1, 1);
    Stamp(*doc.screenDesigner, "rock", 100, 100);
    Stamp(*doc.screenDesigner, "ghost", 200, 100);
    doc.OnCommand(ID_SAVE_SCREEN);
    doc.OnCommand(ID_BACK_TO_MAP);
    const QByteArray screen = base.Read(QStringLiteral("questdata\\Demo\\screens\\1-1.lnd"));
    EXPECT_TRUE(screen.contains("\r\nrock\r\n")) << screen.constData();
    EXPECT_TRUE(screen.contains("\r\nghost\r\n")) << screen.constData();
    ui.messages.clear();
    doc.OnCommand(ID_WRITE_QUEST);
    ASSERT_FALSE(ui.messages.empty());
    EXPECT_TRUE(ui.messages.back().text.startsWith(QStringLiteral("Success!"))) << ui.messages.back().text.toStdString();

    CArchiveReader reader;
    ASSERT_TRUE(reader.Open(base.Path(QStringLiteral("output\\Demo.qst"))));
    const QStringList names = ArchiveNames(reader);
    for (const char* name : {"caves.spt", "caves.bmp", "1-1.lnd", "ESghost.amx", "boo.wav"})
        EXPECT_TRUE(names.contains(QLatin1String(name))) << name << " in " << names.join(QLatin1Char(' ')).toStdString();
    QByteArray packedScreen;
    ASSERT_TRUE(reader.Read(int(names.indexOf(QStringLiteral("1-1.lnd"))), packedScreen));
    EXPECT_EQ(packedScreen, screen);
}
