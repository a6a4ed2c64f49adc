#include "common/DialogResults.h"
#include "dialogs/AnimatedSpriteDlg.h"
#include "dialogs/DialogDriving.h"
#include "dialogs/RedefineSpriteDlg.h"
#include "dialogs/SheetPropertiesDlg.h"
#include "dialogs/SpriteListDlg.h"
#include "dialogs/SpritePropertiesDlg.h"
#include "helpers/FakeUi.h"
#include "sheets/SheetDesigner.h"

#include <QApplication>

using namespace dialogdriving;

namespace {
struct SpriteDialogs : ::testing::Test {
    CFakeUi ui;
    CSheetDesigner designer{ui};
    Messages messages;
    CDesignerSprite* Add(const QByteArray& code)
    {
        auto sprite = std::make_unique<CDesignerSprite>();
        sprite->code = code;
        sprite->rectangle = CRect{4, 4, 36, 20};
        return designer.sprites.Append(std::move(sprite), "sprite");
    }
    // Everything the properties dialog may change, for comparing.
    static auto Values(const CDesignerSprite& s)
    {
        return std::make_tuple(s.code, s.maskCode, s.alpha, s.background, s.onTop, s.fill, s.entity, s.rectangle.left,
                               s.rectangle.top, s.rectangle.right, s.rectangle.bottom);
    }
};
} // namespace

TEST_F(SpriteDialogs, SpritePropertiesShowANewSpriteWithItsLabelsAndTooltips)
{
    CDesignerSprite* sprite = Add("");
    CSpritePropertiesDlg dialog(sprite, &designer);
    EXPECT_EQ(QStringLiteral("Sprite Properties"), dialog.windowTitle());
    EXPECT_EQ(QStringLiteral("255"), Text(dialog, "1032"));
    const std::tuple<const char*, const char*, bool, const char*> boxes[] = {
        {"1034", "Background sprite", true, "Makes sprite appear in Screen Designer"},
        {"1035", "On top layer", false, "Makes sprite appear above others - like treetops"},
        {"1036", "Display as a Fill tile", false, "Makes sprite a fill tile in the Screen Designer"},
        {"1037", "Sprite represents an Entity", false, "Places an entity in the game, rather than this sprite"},
    };
    for (const auto& [id, label, checked, tip] : boxes) {
        EXPECT_EQ(QLatin1String(label), Control<QCheckBox>(dialog, id)->text());
        EXPECT_EQ(checked, Control<QCheckBox>(dialog, id)->isChecked()) << id;
        EXPECT_EQ(QLatin1String(tip), Control<QCheckBox>(dialog, id)->toolTip());
    }
    const std::pair<const char*, const char*> tips[] = {
        {"1030", "Unique identifier for this sprite"},
        {"1031", "Identifier of sprite used for collision detection"},
        {"1032", "How transparent the sprite is in the game"},
    };
    for (const auto& [id, tip] : tips)
        EXPECT_EQ(QLatin1String(tip), Control<QLineEdit>(dialog, id)->toolTip());
    EXPECT_EQ(QStringLiteral("Redefine this sprites rectangle"), Control<QPushButton>(dialog, "1043")->toolTip());
    EXPECT_EQ(QStringLiteral("&Delete"), Control<QPushButton>(dialog, "1041")->text());
    EXPECT_EQ(QStringLiteral("Deletes this sprite"), Control<QPushButton>(dialog, "1041")->toolTip());
    CSpritePropertiesDlg without(nullptr, &designer);
    EXPECT_EQ(QDialog::Rejected, without.exec()); // ends at once
}

TEST_F(SpriteDialogs, OkChecksTheFieldsInTheirOrderAndAFailedOkThenEscapeChangesNothing)
{
    Add("taken");
    CDesignerSprite* sprite = Add("mine");
    const auto before = Values(*sprite);
    const struct {
        const char *alpha, *mask, *code, *message, *caption, *focused;
    } rows[] = {
        {"", "abcdefghijklmnopqr", "", "Please enter a positive integer.", "Tessellmancery", "1032"},
        {"256", "abcdefghijklmnopqr", "7up", "Please enter an integer between 0 and 255.", "Tessellmancery", "1032"},
        {"1", "abcdefghijklmnopqr", "abcdefghijklmnopqr", "Please enter no more than 17 characters.", "Tessellmancery", "1031"},
        {"1", "m", "abcdefghijklmnopqr", "Please enter no more than 17 characters.", "Tessellmancery", "1030"},
        {"1", "m", "", "The sprite code you have entered is invalid", "Error", "1030"},
        {"1", "m", "7up", "The first character of the sprite code cannot be a number.", "Error", "1030"},
        {"1", "m", "taken", "That sprite code is already in use on this sheet\nPlease choose another one", "Error", "1030"},
    };
    for (const auto& r : rows) {
        CSpritePropertiesDlg dialog(sprite, &designer);
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        // Typing stops at 17 characters; a longer text comes from elsewhere.
        Control<QLineEdit>(dialog, "1031")->setMaxLength(40);
        Control<QLineEdit>(dialog, "1030")->setMaxLength(40);
        Retype(dialog, "1032", QLatin1String(r.alpha));
        Retype(dialog, "1031", QLatin1String(r.mask));
        Retype(dialog, "1030", QLatin1String(r.code));
        QTest::mouseClick(Control<QCheckBox>(dialog, "1037"), Qt::LeftButton, {}, QPoint(6, 6));
        Click(dialog, "1");
        EXPECT_TRUE(dialog.isVisible()) << r.message;
        EXPECT_EQ(QLatin1String(r.message), messages.texts.value(messages.texts.size() - 1));
        EXPECT_EQ(QLatin1String(r.caption), messages.captions.value(messages.captions.size() - 1));
        EXPECT_TRUE(Control<QLineEdit>(dialog, r.focused)->hasFocus()) << r.message;
        QTest::keyClick(&dialog, Qt::Key_Escape);
        EXPECT_EQ(QDialog::Rejected, dialog.result());
        EXPECT_EQ(before, Values(*sprite)) << r.message;
    }
    EXPECT_EQ(7, messages.texts.size());
}

TEST_F(SpriteDialogs, OkWritesEveryValueAndAcceptsTheSpritesOwnCode)
{
    Add("other");
    CDesignerSprite* sprite = Add("mine");
    CSpritePropertiesDlg dialog(sprite, &designer);
    dialog.show();
    Retype(dialog, "1031", QStringLiteral("nowhere")); // a mask is never checked
    Retype(dialog, "1032", QStringLiteral("7a"));      // digits only
    for (const char* id : {"1034", "1035", "1036", "1037"})
        QTest::mouseClick(Control<QCheckBox>(dialog, id), Qt::LeftButton, {}, QPoint(6, 6));
    Click(dialog, "1");
    EXPECT_EQ(QDialog::Accepted, dialog.result());
    EXPECT_TRUE(messages.texts.isEmpty());
    EXPECT_EQ(std::make_tuple(QByteArray("mine"), QByteArray("nowhere"), 7u, 0, 1, 1, 1, 4, 4, 36, 20),
              Values(*sprite));
}

TEST_F(SpriteDialogs, DeleteEndsWith5001RedefineChangesTheRectangleAtOnceAndTheCloseBoxDoesNothing)
{
    CDesignerSprite* sprite = Add("mine");
    ui.onRedefineSprite = [](CRect& r) {
        r = CRect{0, 0, 8, 8};
        return true;
    };
    CSpritePropertiesDlg dialog(sprite, &designer);
    dialog.show();
    Click(dialog, "1043");
    EXPECT_EQ(QStringList{QStringLiteral("RedefineSprite")}, ui.calls);
    EXPECT_EQ(CRect(0, 0, 8, 8), sprite->rectangle);
    dialog.close();
    EXPECT_TRUE(dialog.isVisible());
    Click(dialog, "1041");
    EXPECT_EQ(kDeleteSprite, dialog.result());
    EXPECT_FALSE(dialog.isVisible());

    CSpritePropertiesDlg again(sprite, &designer);
    again.show();
    Click(again, "1043");
    QTest::keyClick(&again, Qt::Key_Escape);
    EXPECT_EQ(CRect(0, 0, 8, 8), sprite->rectangle); // Escape keeps the new rectangle
}

TEST_F(SpriteDialogs, RedefineShowsTheCornersInSheetPixelsAndWritesThemBackInDesignerUnits)
{
    CRect rect{21, 21, 53, 37};
    {
        CRedefineSpriteDlg dialog(&rect);
        EXPECT_EQ(QStringLiteral("Redefine sprite's dimentions"), dialog.windowTitle());
        EXPECT_EQ((QStringList{"12", "12", "28", "20"}),
                  (QStringList{Text(dialog, "1044"), Text(dialog, "1045"), Text(dialog, "1046"), Text(dialog, "1047")}));
        dialog.show();
        Retype(dialog, "1044", QStringLiteral("4"));
        Retype(dialog, "1045", QStringLiteral("4"));
        Retype(dialog, "1046", QStringLiteral("x"));
        Retype(dialog, "1047", QStringLiteral("12"));
        Click(dialog, "1");
        EXPECT_EQ(QStringList{QStringLiteral("Please enter an integer.")}, messages.texts);
        EXPECT_EQ(CRect(21, 21, 53, 37), rect);
        Retype(dialog, "1046", QStringLiteral("20"));
        Click(dialog, "1");
        EXPECT_EQ(QDialog::Accepted, dialog.result());
    }
    EXPECT_EQ(CRect(4, 4, 36, 20), rect); // x 4, y 4, w 16, h 8 in the file
    CRedefineSpriteDlg dialog(&rect);
    dialog.show();
    Retype(dialog, "1044", QStringLiteral("-2147483648")); // held, never wrapped
    Click(dialog, "1");
    EXPECT_EQ(INT32_MIN, rect.left);
    CRedefineSpriteDlg cancelled(&rect);
    cancelled.show();
    Retype(cancelled, "1045", QStringLiteral("99"));
    Click(cancelled, "2");
    EXPECT_EQ(4, rect.top);
}

TEST_F(SpriteDialogs, TheSpriteListEditsDeletesAndOpensAnimationsOfTheSelectedLine)
{
    CDesignerSprite* a = Add("A");
    Add("B");
    CSpriteAnimation* animation = designer.animations.Append(std::make_unique<CSpriteAnimation>(), "Anim");
    animation->AddFrame(a);
    CSpriteListDlg dialog(&designer);
    EXPECT_EQ(QStringLiteral("Sprite List"), dialog.windowTitle());
    EXPECT_EQ((QStringList{QStringLiteral("A    (Anim)"), QStringLiteral("B")}), Lines(dialog, "1038"));
    const std::pair<const char*, const char*> tips[] = {
        {"1039", "Edits the selected sprite"},
        {"1040", "Edits the animation the selected sprite is in"},
        {"1041", "Deletes the selected sprite"},
    };
    for (const auto& [id, tip] : tips)
        EXPECT_EQ(QLatin1String(tip), Control<QPushButton>(dialog, id)->toolTip());
    EXPECT_EQ(QStringLiteral("List of sprites on this sheet"), Control<QListWidget>(dialog, "1038")->toolTip());
    dialog.show();
    for (const char* id : {"1039", "1040", "1041"})
        Click(dialog, id); // nothing selected: nothing happens
    EXPECT_TRUE(ui.calls.isEmpty());
    Select(dialog, "1038", 1);
    Click(dialog, "1040");
    EXPECT_EQ(QStringList{QStringLiteral("This sprite is not part of an animated sprite\npress Ctrl+A to create an "
                                         "animated sprite")},
              messages.texts);
    EXPECT_EQ(QStringLiteral("Attention"), messages.captions.value(0));
    ui.onSpriteProperties = [](CDesignerSprite& s, CSheetDesigner&) {
        s.code = "Brick";
        return int(CUiPort::AnswerOk);
    };
    Select(dialog, "1038", 1);
    Click(dialog, "1039");
    EXPECT_EQ((QStringList{QStringLiteral("A    (Anim)"), QStringLiteral("Brick")}), Lines(dialog, "1038"));
    Select(dialog, "1038", 0);
    Click(dialog, "1040");
    EXPECT_EQ((QStringList{QStringLiteral("SpriteProperties(B)"), QStringLiteral("AnimatedSprite")}), ui.calls);
    for (int i = 0; i < 2; ++i) {
        Select(dialog, "1038", 0);
        Click(dialog, "1041");
    }
    EXPECT_TRUE(Lines(dialog, "1038").isEmpty());
    EXPECT_TRUE(designer.sprites.IsEmpty());
    EXPECT_TRUE(animation->frames.IsEmpty());
}

TEST_F(SpriteDialogs, TheAnimationDialogAddsAndRemovesFramesAndTakesTheSpeedOnOk)
{
    CDesignerSprite* a = Add("A");
    CDesignerSprite* b = Add("B");
    CDesignerSprite* elsewhere = Add("C");
    CSpriteAnimation other;
    other.AddFrame(elsewhere);
    CSpriteAnimation* animation = designer.animations.Append(std::make_unique<CSpriteAnimation>(), "Anim");
    {
        CAnimatedSpriteDlg dialog(animation, &designer);
        EXPECT_EQ(QStringLiteral("Animated Sprite Properties"), dialog.windowTitle());
        EXPECT_EQ(QStringLiteral("5"), Text(dialog, "1049"));
        EXPECT_EQ((QStringList{"A", "B", QStringLiteral("C    (Anim)")}), Lines(dialog, "1046"));
        EXPECT_EQ(QStringLiteral("<< &Add"), Control<QPushButton>(dialog, "1047")->text());
        EXPECT_EQ(QStringLiteral("&Remove >>"), Control<QPushButton>(dialog, "1048")->text());
        EXPECT_EQ(QStringLiteral("How fast the frames of animation change"), Control<QLineEdit>(dialog, "1049")->toolTip());
        dialog.show();
        Click(dialog, "1047");
        Click(dialog, "1048");
        Select(dialog, "1046", 2);
        Click(dialog, "1047");
        for (int row : {0, 1, 0}) {
            Select(dialog, "1046", row);
            Click(dialog, "1047");
        }
        EXPECT_EQ((QStringList{"A", "B", "A"}), Lines(dialog, "1045"));
        Select(dialog, "1045", 2);
        Click(dialog, "1048"); // the first frame that is this sprite goes
        EXPECT_EQ((QStringList{"B", "A"}), Lines(dialog, "1045"));
        EXPECT_EQ((QStringList{"A", "B", QStringLiteral("C    (Anim)")}), Lines(dialog, "1046")); // not refreshed
        for (const char* speed : {"fast", "100000"}) {
            Retype(dialog, "1049", QLatin1String(speed));
            Click(dialog, "1");
            EXPECT_TRUE(dialog.isVisible());
        }
        Retype(dialog, "1049", QStringLiteral("12.5"));
        Click(dialog, "2");
    }
    EXPECT_EQ((QStringList{
                  QStringLiteral("Please select a sprite to add to the animation\nfrom the list on the right."),
                  QStringLiteral("Please select a sprite to remove from the animation\nfrom the list on the left."),
                  QStringLiteral("This sprite is already in an animation, it cannot\nbe in more than one."),
                  QStringLiteral("Please enter a number."), QStringLiteral("Please enter a number between 0 and 99999.")}),
              messages.texts);
    EXPECT_EQ(QStringLiteral("Attention"), messages.captions.value(2));
    EXPECT_EQ(5.0f, animation->speed); // Cancel keeps the speed, and the frames
    EXPECT_EQ(2, animation->frames.Count());
    EXPECT_EQ(animation, a->animation);
    EXPECT_EQ(animation, b->animation);
    CAnimatedSpriteDlg dialog(animation, &designer);
    dialog.show();
    Retype(dialog, "1049", QStringLiteral("12.5"));
    Click(dialog, "1");
    EXPECT_EQ(12.5f, animation->speed);
}

TEST_F(SpriteDialogs, TheSheetTitleTakesAtMost64Characters)
{
    CSheetPropertiesDlg dialog(QString(70, QLatin1Char('t')));
    EXPECT_EQ(QStringLiteral("Sprite Sheet Properties"), dialog.windowTitle());
    EXPECT_EQ(QStringLiteral("Enter a name for this sheet"), Control<QLineEdit>(dialog, "1052")->toolTip());
    dialog.show();
    Click(dialog, "1");
    EXPECT_EQ(QStringList{QStringLiteral("Please enter no more than 64 characters.")}, messages.texts);
    EXPECT_TRUE(dialog.isVisible());
    Retype(dialog, "1052", QString(64, QLatin1Char('u')));
    Click(dialog, "1");
    EXPECT_EQ(QDialog::Accepted, dialog.result());
    EXPECT_EQ(QString(64, QLatin1Char('u')), dialog.title);
}
