// Every way out of the program (Exit and the window's close both end in
// SaveOnExit) asks the active designer about its unsaved work first.
#include "display/Display.h"
#include "document/QuestDoc.h"
#include "helpers/FakeUi.h"
#include "helpers/TempBase.h"

#include <QDir>
#include <QImage>

#include <gtest/gtest.h>

namespace {
struct UnsavedWork : ::testing::Test {
    CTempBase base;
    CFakeUi ui;
    CDisplay display;
    CQuestDoc doc{ui};
    UnsavedWork()
    {
        ui.nameAnswers = {QStringLiteral("Forest")};
        doc.StartCreateQuest();
        display.Initialise(nullptr, 1024, 768);
        doc.sheetDesigner->display = doc.screenDesigner->display = &display;
        QImage(32, 32, QImage::Format_RGB32).save(base.Path(QStringLiteral("sprite sheets\\meadow.bmp")), "BMP");
        ui.onSpriteProperties = [](CDesignerSprite& sprite, CSheetDesigner&) {
            sprite.code = "one";
            return int(CUiPort::AnswerOk);
        };
    }
    // A sprite stamped on cell 1,1 or cut from the sheet; the file it is saved to.
    QString Edit(bool sheet)
    {
        const QString file = sheet ? QStringLiteral("sprite sheets\\meadow.spt") : QStringLiteral("questdata\\Forest\\screens\\1-1.lnd");
        base.Write(file, "before\r\n");
        if (sheet) {
            doc.OpenSheetDesigner(QStringLiteral("meadow"));
            doc.sheetDesigner->drag = CRect{31, 31, 47, 47};
            doc.OnCommand(ID_CREATE_SPRITE);
        } else {
            doc.OpenScreenDesigner(1, 1);
            doc.screenDesigner->current->AddPlacedSprite(CPlacedSprite(), 100, 100);
        }
        return file;
    }
};
} // namespace

TEST_F(UnsavedWork, LeavingAsksTheActiveDesignerAndCancelOrAFailedSaveStays)
{
    const struct {
        bool sheet;
        int answer;
        bool blocked; // the designer's file is a folder
        bool leaves, saved;
    } rows[] = {
        {false, CUiPort::AnswerYes, false, true, true}, {false, CUiPort::AnswerNo, false, true, false},
        {false, CUiPort::AnswerCancel, false, false, false}, {false, CUiPort::AnswerYes, true, false, false},
        {true, CUiPort::AnswerYes, false, true, true}, {true, CUiPort::AnswerNo, false, true, false},
        {true, CUiPort::AnswerCancel, false, false, false}, {true, CUiPort::AnswerYes, true, false, false},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(testing::Message() << r.sheet << r.answer << r.blocked);
        QFile::remove(base.Path(QStringLiteral("save\\Forest.qss")));
        const QString file = Edit(r.sheet);
        if (r.blocked) {
            QFile::remove(base.Path(file));
            QDir().mkpath(base.Path(file));
        }
        ui.messages.clear();
        ui.messageAnswers = {r.answer};
        EXPECT_EQ(r.leaves, doc.SaveOnExit());
        ASSERT_EQ(r.blocked ? 2u : 1u, ui.messages.size()); // a failed save says so
        EXPECT_EQ(r.sheet ? QStringLiteral("Do you want to save your changes?") : QStringLiteral("Save the current screen?"),
                  ui.messages[0].text);
        EXPECT_EQ(std::make_pair(QStringLiteral("Tessellmancery"), CUiPort::ButtonsYesNoCancel),
                  std::make_pair(ui.messages[0].caption, ui.messages[0].buttons));
        EXPECT_EQ(r.saved, !r.blocked && base.Read(file) != "before\r\n");
        EXPECT_EQ(r.leaves, base.Exists(QStringLiteral("save\\Forest.qss"))); // the map file only once it may go
        QDir(base.Path(file)).removeRecursively();
        doc.BackToMap();
    }
}

TEST_F(UnsavedWork, AScreenWhosePreviewCannotBeWrittenFailsToSaveAndStaysOnTheMap)
{
    Edit(false);
    doc.OnCommand(ID_SAVE_SCREEN); // the cell has a preview, white at its corner
    QFile::remove(base.Path(QStringLiteral("questdata\\Forest\\screens\\1-1.bmp")));
    QDir().mkpath(base.Path(QStringLiteral("questdata\\Forest\\screens\\1-1.bmp")));
    doc.screenDesigner->current->AddPlacedSprite(CPlacedSprite(), 100, 100);
    ui.messageAnswers = {CUiPort::AnswerYes, CUiPort::AnswerNo};
    EXPECT_FALSE(doc.SaveOnExit()); // Yes: the preview's message, and the program stays
    EXPECT_EQ(QStringLiteral("Couldn't Open Image Preview file for saving"), ui.messages.back().text);
    const CMapCell& cell = doc.quest.map.Cell(1, 1);
    ASSERT_TRUE(cell.HoldsScreen()); // drawn as a cell without a preview: black, white inset by 2
    EXPECT_TRUE(cell.previewUnwritten);
    EXPECT_EQ(nullptr, doc.quest.map.Preview(1, 1));
    EXPECT_TRUE(doc.SaveOnExit()); // asked again, No: the map file keeps the screen
    EXPECT_EQ(3u, ui.messages.size());
    EXPECT_TRUE(base.Read(QStringLiteral("save\\Forest.qss")).startsWith("Vantraglen Tessellmancery Map File\r\n1\r\n1\r\n1\r\n"));
}
