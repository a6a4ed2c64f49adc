// The property dialogs of the map: the standard field checks, Move/Copy
// Screen, Quest Properties, Screen Properties and the name dialog.
#include "common/DialogResults.h"
#include "dialogs/DialogDriving.h"
#include "dialogs/DialogMessage.h"
#include "dialogs/FieldChecks.h"
#include "dialogs/MoveScreenDlg.h"
#include "dialogs/NameEntryDlg.h"
#include "dialogs/QuestPropertiesDlg.h"
#include "dialogs/ScreenPropertiesDlg.h"
#include "helpers/FakeUi.h"
#include "helpers/QtPrinters.h"
#include "helpers/TempBase.h"
#include "quest/MapCell.h"
#include "quest/QuestProperties.h"
#include "support/paths/Globals.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace dialogdriving;


// ---- the standard field checks ----

TEST(FieldChecks, WholeNumbersMayHaveBlanksAroundThemAndNothingElse)
{
    EXPECT_EQ(12, ParseIntegerField(QStringLiteral("12")));
    EXPECT_EQ(-7, ParseIntegerField(QStringLiteral(" \t-7  ")));
    EXPECT_EQ(3, ParseIntegerField(QStringLiteral("+3")));
    EXPECT_EQ(INT32_MIN, ParseIntegerField(QStringLiteral("-2147483648")));
    for (const char* bad : {"", " ", "-", "12a", "1 2", "0x10", "1.5", "2147483648", "99999999999999999999"})
        EXPECT_FALSE(ParseIntegerField(QLatin1String(bad)).has_value()) << bad;
    EXPECT_EQ(4294967295u, ParseUnsignedField(QStringLiteral("4294967295")));
    EXPECT_EQ(255u, ParseUnsignedField(QStringLiteral(" +255 ")));
    for (const char* bad : {"-1", "-0", "4294967296", "abc", ""})
        EXPECT_FALSE(ParseUnsignedField(QLatin1String(bad)).has_value()) << bad;
    EXPECT_EQ(1.5, ParseNumberField(QStringLiteral(" 1.5")));
    EXPECT_EQ(-2000.0, ParseNumberField(QStringLiteral("-2e3")));
    for (const char* bad : {"", "abc", "inf", "nan", "1,5", "1e999"})
        EXPECT_FALSE(ParseNumberField(QLatin1String(bad)).has_value()) << bad;
}

TEST(FieldChecks, TheStandardMessagesCarryTheirNumbers)
{
    EXPECT_EQ(QStringLiteral("Please enter an integer."), IntegerMessage());
    EXPECT_EQ(QStringLiteral("Please enter a positive integer."), PositiveIntegerMessage());
    EXPECT_EQ(QStringLiteral("Please enter a number."), NumberMessage());
    EXPECT_EQ(QStringLiteral("Please enter an integer between 0 and 255."), IntegerRangeMessage(0, 255));
    EXPECT_EQ(QStringLiteral("Please enter an integer between -5 and 4294967295."), IntegerRangeMessage(-5, 4294967295LL));
    EXPECT_EQ(QStringLiteral("Please enter a number between 0.5 and 2."), NumberRangeMessage(0.5, 2.0));
    EXPECT_EQ(QStringLiteral("Please enter no more than 20 characters."), MaxCharsMessage(20));
}

TEST(FieldChecks, TheFirstFailingFieldIsReportedOnceAndGetsTheFocus)
{
    Messages messages;
    QWidget window;
    auto* first = new QLineEdit(QStringLiteral("seven"), &window);
    auto* second = new QLineEdit(QStringLiteral("also bad"), &window);
    auto* third = new QLineEdit(QStringLiteral("2.5"), &window);
    window.show();
    QApplication::setActiveWindow(&window);
    CFieldExchange exchange(&window);
    int32_t a = 99;
    double c = 0;
    EXPECT_FALSE(exchange.Integer(first, a));
    EXPECT_FALSE(exchange.Integer(second, a));
    EXPECT_FALSE(exchange.Number(third, c));
    EXPECT_FALSE(exchange.Ok());
    EXPECT_EQ(99, a);
    EXPECT_EQ(QStringList{QStringLiteral("Please enter an integer.")}, messages.texts);
    EXPECT_EQ(QStringList{QStringLiteral("Tessellmancery")}, messages.captions);
    EXPECT_EQ(QStringLiteral("seven"), first->selectedText());
    EXPECT_TRUE(first->hasFocus());

    CFieldExchange numbers(&window);
    EXPECT_TRUE(numbers.Number(third, c));
    EXPECT_EQ(2.5, c);
    EXPECT_FALSE(numbers.NumberRange(third, c, 3.0, 4.5));
    EXPECT_EQ(QStringLiteral("Please enter a number between 3 and 4.5."), messages.texts.last());
    CFieldExchange lengths(&window);
    QString text;
    EXPECT_FALSE(lengths.MaxChars(second, text, 4));
    EXPECT_EQ(QStringLiteral("Please enter no more than 4 characters."), messages.texts.last());
    EXPECT_TRUE(text.isEmpty());
}

// ---- Move/Copy Screen ----

TEST(MoveScreenDlg, StartsAtZeroAndReturnsTheTypedCell)
{
    CMoveScreenDlg dialog;
    EXPECT_EQ(QStringLiteral("Move/Copy Screen"), dialog.windowTitle());
    bool found = false;
    for (QLabel* label : dialog.findChildren<QLabel*>())
        found |= label->text() == QStringLiteral("Enter the Coordinates of the Cell you want to move this screen to:");
    EXPECT_TRUE(found);
    dialog.show();
    EXPECT_EQ(QStringLiteral("0"), Text(dialog, "1061"));
    EXPECT_EQ(QStringLiteral("0"), Text(dialog, "1062"));
    Retype(dialog, "1061", QStringLiteral("12"));
    Retype(dialog, "1062", QStringLiteral("255"));
    Click(dialog, "1");
    EXPECT_EQ(QDialog::Accepted, dialog.result());
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(12u, dialog.column);
    EXPECT_EQ(255u, dialog.row);
}

TEST(MoveScreenDlg, OnlyWholeNumbersFromZeroTo255PassAndTheDialogStaysOpenUntilThen)
{
    Messages messages;
    CMoveScreenDlg dialog;
    dialog.show();
    Retype(dialog, "1061", QStringLiteral("abc"));
    Click(dialog, "1");
    Retype(dialog, "1061", QStringLiteral("-1"));
    Click(dialog, "1");
    Retype(dialog, "1061", QStringLiteral("256"));
    Click(dialog, "1");
    Retype(dialog, "1061", QStringLiteral("4"));
    Retype(dialog, "1062", QStringLiteral("300"));
    Click(dialog, "1");
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ((QStringList{QStringLiteral("Please enter a positive integer."),
                           QStringLiteral("Please enter a positive integer."),
                           QStringLiteral("Please enter an integer between 0 and 255."),
                           QStringLiteral("Please enter an integer between 0 and 255.")}),
              messages.texts);
    EXPECT_EQ(0u, dialog.column); // nothing taken from a refused OK
    Retype(dialog, "1062", QStringLiteral("3"));
    Click(dialog, "1");
    EXPECT_EQ(QDialog::Accepted, dialog.result());
    EXPECT_EQ(4u, dialog.column);
    EXPECT_EQ(3u, dialog.row);
}

TEST(MoveScreenDlg, CancelEndsWithTheCancelResult)
{
    CMoveScreenDlg dialog;
    dialog.show();
    Retype(dialog, "1061", QStringLiteral("9"));
    Click(dialog, "2");
    EXPECT_EQ(QDialog::Rejected, dialog.result());
    EXPECT_EQ(0u, dialog.column);
}

// ---- Quest Properties ----

TEST(QuestPropertiesDlg, ShowsTheFiveValuesWithTheirTooltips)
{
    QuestProperties properties;
    properties.startX = 480;
    properties.startY = -3;
    properties.fullName = QStringLiteral("The Sunken Keep");
    properties.finalVersion = 1;
    properties.includeSound = 0;
    CQuestPropertiesDlg dialog(&properties);
    EXPECT_EQ(QStringLiteral("Quest Properties"), dialog.windowTitle());
    EXPECT_EQ(QStringLiteral("480"), Text(dialog, "1022"));
    EXPECT_EQ(QStringLiteral("-3"), Text(dialog, "1023"));
    EXPECT_EQ(QStringLiteral("The Sunken Keep"), Text(dialog, "1008"));
    EXPECT_TRUE(Control<QCheckBox>(dialog, "1025")->isChecked());
    EXPECT_FALSE(Control<QCheckBox>(dialog, "1026")->isChecked());
    EXPECT_EQ(QStringLiteral("Final Version"), Control<QCheckBox>(dialog, "1025")->text());
    EXPECT_EQ(QStringLiteral("Include Sound"), Control<QCheckBox>(dialog, "1026")->text());
    EXPECT_EQ(QStringLiteral("X coordinate of the players starting position"), Control<QLineEdit>(dialog, "1022")->toolTip());
    EXPECT_EQ(QStringLiteral("Y coordinate of the players starting position"), Control<QLineEdit>(dialog, "1023")->toolTip());
    EXPECT_EQ(QStringLiteral("Check this if you plan to release this version"), Control<QCheckBox>(dialog, "1025")->toolTip());
    EXPECT_EQ(QStringLiteral("Compiles sound files into the quest file"), Control<QCheckBox>(dialog, "1026")->toolTip());
    EXPECT_EQ(QStringLiteral("Enter a title for your quest"), Control<QLineEdit>(dialog, "1008")->toolTip());
    EXPECT_EQ(80, Control<QLineEdit>(dialog, "1008")->maxLength());
}

TEST(QuestPropertiesDlg, OkCopiesAllFiveValuesAndCancelNone)
{
    Messages messages;
    QuestProperties properties;
    {
        CQuestPropertiesDlg dialog(&properties);
        dialog.show();
        Retype(dialog, "1022", QStringLiteral("-640"));
        Retype(dialog, "1023", QStringLiteral("999999")); // checked only by the build
        Retype(dialog, "1008", QStringLiteral("Ravens of Orl"));
        Tick(dialog, "1025");
        Tick(dialog, "1026");
        Click(dialog, "2");
        EXPECT_EQ(QDialog::Rejected, dialog.result());
    }
    EXPECT_EQ(QuestProperties(), properties);
    {
        CQuestPropertiesDlg dialog(&properties);
        dialog.show();
        Retype(dialog, "1022", QStringLiteral("-640"));
        Retype(dialog, "1023", QStringLiteral("999999"));
        Retype(dialog, "1008", QStringLiteral("Ravens of Orl"));
        Tick(dialog, "1025");
        Tick(dialog, "1026");
        Click(dialog, "1");
        EXPECT_EQ(QDialog::Accepted, dialog.result());
    }
    EXPECT_EQ(-640, properties.startX);
    EXPECT_EQ(999999, properties.startY);
    EXPECT_EQ(QStringLiteral("Ravens of Orl"), properties.fullName);
    EXPECT_EQ(1, properties.finalVersion);
    EXPECT_EQ(0, properties.includeSound);
    EXPECT_TRUE(messages.texts.isEmpty());
}

TEST(QuestPropertiesDlg, AStartThatIsNoIntegerKeepsTheDialogOpenAndTheValues)
{
    Messages messages;
    QuestProperties properties;
    CQuestPropertiesDlg dialog(&properties);
    dialog.show();
    Retype(dialog, "1022", QStringLiteral("12.5"));
    Retype(dialog, "1008", QStringLiteral("Renamed"));
    Click(dialog, "1");
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(QStringList{QStringLiteral("Please enter an integer.")}, messages.texts);
    EXPECT_EQ(QuestProperties(), properties);
    Retype(dialog, "1022", QStringLiteral("12"));
    Retype(dialog, "1023", QString());
    Click(dialog, "1");
    EXPECT_EQ(2, messages.texts.size());
    EXPECT_EQ(QuestProperties(), properties);
}

// ---- Screen Properties ----

namespace {
struct ScreenDialogFixture : ::testing::Test {
    CMapCell cell; // at column 2, row 1
};
} // namespace

TEST_F(ScreenDialogFixture, HasItsButtonsTooltipsAndTheInsideBox)
{
    cell.inside = 1;
    CScreenPropertiesDlg dialog(&cell, 2, 1);
    EXPECT_EQ(QStringLiteral("Screen Properties"), dialog.windowTitle());
    const std::pair<const char*, const char*> buttons[] = {
        {"1000", "&Edit Screen"}, {"1002", "&Delete Screen"}, {"1004", "Edit &Group"},
        {"1005", "&Move Screen"}, {"1006", "&Copy Screen"},   {"1001", "Edit &Script"},
    };
    for (const auto& [id, text] : buttons)
        EXPECT_EQ(QLatin1String(text), Control<QPushButton>(dialog, id)->text());
    EXPECT_EQ(QStringLiteral("Edit the appearance of this screen"), Control<QPushButton>(dialog, "1000")->toolTip());
    EXPECT_EQ(QStringLiteral("Delete this screen completely"), Control<QPushButton>(dialog, "1002")->toolTip());
    EXPECT_EQ(QStringLiteral("Edit the script file for this screen"), Control<QPushButton>(dialog, "1001")->toolTip());
    EXPECT_EQ(QStringLiteral("Edit the group this screen is in"), Control<QPushButton>(dialog, "1004")->toolTip());
    QCheckBox* inside = Control<QCheckBox>(dialog, "1003");
    EXPECT_EQ(QStringLiteral("Screen is Inside"), inside->text());
    EXPECT_EQ(QStringLiteral("Check if this screen is in a room or dungeon etc.."), inside->toolTip());
    EXPECT_TRUE(inside->isChecked());
}

TEST_F(ScreenDialogFixture, EveryButtonButDeleteStoresTheInsideBoxAndEndsWithItsCode)
{
    const std::pair<const char*, int> ends[] = {
        {"1000", kEditScreen}, {"1004", kEditGroup}, {"1005", kMoveScreen}, {"1006", kCopyScreen}, {"1", QDialog::Accepted},
    };
    for (const auto& [id, code] : ends) {
        cell.inside = 0;
        CScreenPropertiesDlg dialog(&cell, 2, 1);
        dialog.show();
        Tick(dialog, "1003");
        Click(dialog, id);
        EXPECT_EQ(code, dialog.result()) << id;
        EXPECT_FALSE(dialog.isVisible()) << id;
        EXPECT_EQ(1, cell.inside) << id;
    }
}

TEST_F(ScreenDialogFixture, EscapeLeavesTheInsideFlagUnchanged)
{
    CScreenPropertiesDlg dialog(&cell, 2, 1);
    dialog.show();
    Tick(dialog, "1003");
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(QDialog::Rejected, dialog.result());
    EXPECT_EQ(0, cell.inside);
}

TEST_F(ScreenDialogFixture, DeleteAsksFirstNoKeepsItOpenAndYesEndsWithoutStoringTheFlag)
{
    Messages messages;
    messages.answers = {QMessageBox::No, QMessageBox::Yes};
    CScreenPropertiesDlg dialog(&cell, 2, 1);
    dialog.show();
    Tick(dialog, "1003");
    Click(dialog, "1002");
    EXPECT_TRUE(dialog.isVisible());
    Click(dialog, "1002");
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(kDeleteScreen, dialog.result());
    EXPECT_EQ(0, cell.inside);
    EXPECT_EQ(QStringList(2, QStringLiteral("Are you sure? - this cannot be undone")), messages.texts);
    EXPECT_EQ(QStringList(2, QStringLiteral("Delete Screen")), messages.captions);
    EXPECT_EQ(QMessageBox::Yes | QMessageBox::No, messages.buttons[0]);
}

TEST_F(ScreenDialogFixture, WithoutACellItEndsAtOnce)
{
    CScreenPropertiesDlg dialog(nullptr, 0, 0);
    EXPECT_EQ(QDialog::Rejected, dialog.exec());
}

namespace {
// An external editor that writes the script path it was given beside the base.
} // namespace

TEST_F(ScreenDialogFixture, EditScriptOpensTheCellsScriptAndStaysOpen)
{
    CTempBase base;
    g_questName = QStringLiteral("Forest");
    InstallRecordingEditor(base);
    CScreenPropertiesDlg dialog(&cell, 2, 1);
    dialog.show();
    Click(dialog, "1001");
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(base.Path(QStringLiteral("questdata\\Forest\\scripts\\screen\\2-1.ves")), LaunchedScript(base));
}

TEST(NameEntryDlg, ShowsTheCallersTitleAndPromptAndChecksTheName)
{
    Messages messages;
    CNameEntryDlg dialog;
    dialog.title = QStringLiteral("New Folder");
    dialog.prompt = QStringLiteral("Enter a name for the folder:");
    dialog.show();
    EXPECT_EQ(QStringLiteral("New Folder"), dialog.windowTitle());
    EXPECT_EQ(QStringLiteral("Enter a name for the folder:"), Control<QLabel>(dialog, "1029")->text());
    EXPECT_EQ(20, Control<QLineEdit>(dialog, "1016")->maxLength());
    Click(dialog, "1");
    Retype(dialog, "1016", QStringLiteral("9lives"));
    Click(dialog, "1");
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ((QStringList{QStringLiteral("Invalid name"), QStringLiteral("The first character of name cannot be a number")}),
              messages.texts);
    EXPECT_EQ(QStringList(2, QStringLiteral("Error")), messages.captions);
    Retype(dialog, "1016", QStringLiteral("lives9"));
    Click(dialog, "1");
    EXPECT_EQ(QDialog::Accepted, dialog.result());
    EXPECT_EQ(QStringLiteral("lives9"), dialog.name);
}

TEST(NameEntryDlg, CancelLeavesTheNameAsItWas)
{
    CNameEntryDlg dialog;
    dialog.name = QStringLiteral("before");
    dialog.show();
    EXPECT_EQ(QStringLiteral("before"), Text(dialog, "1016"));
    Retype(dialog, "1016", QStringLiteral("after"));
    Click(dialog, "2");
    EXPECT_EQ(QDialog::Rejected, dialog.result());
    EXPECT_EQ(QStringLiteral("before"), dialog.name);
}
