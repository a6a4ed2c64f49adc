// Undo and Redo through the menus and keys of the screen and sheet designers,
// the keys the menus show in each mode, and the question on the way out.
#include "display/Display.h"
#include "document/QuestDoc.h"
#include "helpers/FakeUi.h"
#include "helpers/TempBase.h"

#include <QDir>
#include <QImage>

#include <gtest/gtest.h>

namespace {
enum class HistoryMode { Map, Screen, Sheet };

struct HistoryCommands : ::testing::Test {
    CTempBase base;
    CFakeUi ui;
    CDisplay display;
    CQuestDoc doc{ui};
    const QString screenFile = QStringLiteral("questdata\\Forest\\screens\\1-1.lnd");
    const QString sheetFile = QStringLiteral("sprite sheets\\meadow.spt");
    HistoryCommands()
    {
        ui.nameAnswers = {QStringLiteral("Forest")};
        doc.StartCreateQuest();
        display.Initialise(nullptr, 1024, 768);
        doc.sheetDesigner->display = doc.screenDesigner->display = &display;
        QImage(32, 32, QImage::Format_RGB32).save(base.Path(QStringLiteral("sprite sheets\\meadow.bmp")), "BMP");
    }
    void Enter(HistoryMode mode)
    {
        // Two sprites whose codes no sheet holds; a sheet of one sprite.
        base.Write(screenFile, "2\r\n20\r\n20\r\ntree\r\n\r\n40\r\n40\r\na&b\r\n\r\n0\r\n");
        base.Write(sheetFile, "Meadow\r\n[BACKGROUND]\r\none\r\n0\r\n0\r\n8\r\n8\r\n\r\nFALSE\r\n255\r\n[EE]\r\n");
        if (mode == HistoryMode::Screen)
            doc.OpenScreenDesigner(1, 1);
        else if (mode == HistoryMode::Sheet)
            doc.OpenSheetDesigner(QStringLiteral("meadow"));
    }
    // One edit of the active designer: the last sprite deleted, or the title.
    void Edit()
    {
        if (doc.ScreenDesignerActive()) {
            doc.OnAccelerator(QStringLiteral("T"));
        } else {
            ui.titleAnswers = {QStringLiteral("Edited")};
            doc.OnCommand(ID_SHEET_PROPERTIES);
        }
    }
    QStringList Items()
    {
        QStringList items;
        for (int id : {ID_UNDO, ID_REDO})
            items << doc.CurrentLabel(id) + (doc.IsEnabled(id) ? QString() : QStringLiteral(" (greyed)"));
        return items;
    }
};
} // namespace

TEST_F(HistoryCommands, UndoAndRedoNameWhatTheyTakeBackAndAreGreyedWithNothingThere)
{
    EXPECT_EQ((QStringList{"&Undo\tCtrl+Z (greyed)", "&Redo\tCtrl+Shift+Z (greyed)"}), Items()); // the map designer
    Enter(HistoryMode::Screen);
    EXPECT_EQ((QStringList{"&Undo\tCtrl+Z (greyed)", "&Redo\tCtrl+Shift+Z (greyed)"}), Items());
    Edit();
    EXPECT_EQ((QStringList{"&Undo Delete a&&b\tCtrl+Z", "&Redo\tCtrl+Shift+Z (greyed)"}), Items());
    Edit();
    doc.OnAccelerator(QStringLiteral("Ctrl+Z"));
    EXPECT_EQ((QStringList{"&Undo Delete a&&b\tCtrl+Z", "&Redo Delete tree\tCtrl+Shift+Z"}), Items());
    doc.OnAccelerator(QStringLiteral("Ctrl+Z"));
    EXPECT_EQ((QStringList{"&Undo\tCtrl+Z (greyed)", "&Redo Delete a&&b\tCtrl+Shift+Z"}), Items());
    EXPECT_EQ(2, doc.screenDesigner->current->placedSprites.Count());
    doc.OnAccelerator(QStringLiteral("Ctrl+Y"));
    doc.OnAccelerator(QStringLiteral("Ctrl+Shift+Z"));
    EXPECT_EQ(0, doc.screenDesigner->current->placedSprites.Count());
    ui.messageAnswers = {CUiPort::AnswerNo};
    doc.LeaveToMap();
    Enter(HistoryMode::Sheet);
    EXPECT_EQ((QStringList{"&Undo\tCtrl+Z (greyed)", "&Redo\tCtrl+Shift+Z (greyed)"}), Items()); // a history of its own
    Edit();
    EXPECT_EQ((QStringList{"&Undo Sheet properties\tCtrl+Z", "&Redo\tCtrl+Shift+Z (greyed)"}), Items());
    doc.OnCommand(ID_UNDO);
    EXPECT_EQ("Meadow", doc.sheetDesigner->title);
    doc.OnCommand(ID_REDO);
    EXPECT_EQ("Edited", doc.sheetDesigner->title);
}

TEST_F(HistoryCommands, UndoingBackToTheSavedStateLeavesWithoutAQuestion)
{
    const struct {
        HistoryMode mode;
        int editsBeforeSave, editsAfter, undos;
        bool asked;
    } rows[] = {
        {HistoryMode::Screen, 0, 1, 1, false}, {HistoryMode::Screen, 1, 1, 1, false},
        {HistoryMode::Screen, 1, 0, 1, true},  {HistoryMode::Screen, 0, 2, 1, true},
        {HistoryMode::Sheet, 0, 1, 1, false},  {HistoryMode::Sheet, 1, 1, 1, false},
        {HistoryMode::Sheet, 1, 0, 1, true},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(testing::Message() << int(r.mode) << r.editsBeforeSave << r.editsAfter << r.undos);
        Enter(r.mode);
        for (int i = 0; i < r.editsBeforeSave; ++i)
            Edit();
        if (r.editsBeforeSave)
            doc.OnAccelerator(QStringLiteral("Ctrl+S"));
        for (int i = 0; i < r.editsAfter; ++i)
            Edit();
        for (int i = 0; i < r.undos; ++i)
            doc.OnAccelerator(QStringLiteral("Ctrl+Z"));
        ui.messages.clear();
        ui.messageAnswers = {CUiPort::AnswerNo};
        doc.LeaveToMap();
        EXPECT_EQ(r.asked, !ui.messages.empty());
        EXPECT_TRUE(doc.MapDesignerActive());
    }
}

TEST_F(HistoryCommands, EachKeyTheMenusShowActsInItsOwnMode)
{
    const QString mapFile = QStringLiteral("save\\Forest.qss");
    const struct {
        HistoryMode mode;
        const char* key;
        const char* effect;
    } rows[] = {
        {HistoryMode::Map, "Ctrl+S", "map file"},
        {HistoryMode::Screen, "Ctrl+S", "screen file"},
        {HistoryMode::Sheet, "Ctrl+S", "sheet file"},
        {HistoryMode::Map, "Ctrl+F", "engine asked for"},
        {HistoryMode::Screen, "Ctrl+F", "engine asked for"},
        {HistoryMode::Sheet, "Ctrl+F", "engine asked for"},
        {HistoryMode::Sheet, "Space", "colour 1"},
        {HistoryMode::Screen, "Space", ""},
        {HistoryMode::Screen, "Ctrl+Up", "cell 1,0"},
        {HistoryMode::Screen, "Ctrl+Left", "cell 0,1"},
        {HistoryMode::Screen, "Ctrl+Right", "cell 2,1"},
        {HistoryMode::Screen, "Ctrl+Down", "cell 1,2"},
        {HistoryMode::Map, "Ctrl+Down", ""},
        {HistoryMode::Sheet, "Ctrl+Down", ""},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(testing::Message() << int(r.mode) << r.key);
        Enter(r.mode);
        for (const QString& file : {mapFile, screenFile, sheetFile})
            base.Write(file, "old");
        ui.calls.clear();
        ui.fileAnswers.clear();
        doc.OnAccelerator(QLatin1String(r.key));
        QStringList effects;
        if (base.Read(mapFile) != "old")
            effects << QStringLiteral("map file");
        if (base.Read(screenFile) != "old")
            effects << QStringLiteral("screen file");
        if (base.Read(sheetFile) != "old")
            effects << QStringLiteral("sheet file");
        if (!ui.calls.filter(QStringLiteral("ChooseOpenFile")).isEmpty())
            effects << QStringLiteral("engine asked for");
        if (doc.sheetDesigner->selectionColour != 0)
            effects << QStringLiteral("colour %1").arg(doc.sheetDesigner->selectionColour);
        if (r.mode == HistoryMode::Screen && (doc.screenDesigner->cellX != 1 || doc.screenDesigner->cellY != 1))
            effects << QStringLiteral("cell %1,%2").arg(doc.screenDesigner->cellX).arg(doc.screenDesigner->cellY);
        EXPECT_EQ(QString::fromLatin1(r.effect), effects.join(QStringLiteral("; ")));
        doc.sheetDesigner->selectionColour = 0;
        ui.messageAnswers = {CUiPort::AnswerNo, CUiPort::AnswerNo};
        doc.LeaveToMap();
    }
}
