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
#include <QKeyEvent>

using namespace dialogdriving;

namespace {
struct SpriteDialogs : ::testing::Test {
    CFakeUi ui;
    CSheetDesigner designer{ui, ui, ui};
    Messages messages;
    CDesignerSprite* Add(const QByteArray& code)
    {
        auto sprite = std::make_unique<CDesignerSprite>();
        sprite->code = code;
        sprite->rectangle = CRect{4, 4, 36, 20};
        return designer.sprites.Append(std::move(sprite), "sprite");
    }
    // Everything the properties dialog may change.
    static auto Values(const CDesignerSprite& s)
    {
        return std::make_tuple(s.code, s.maskCode, s.alpha, s.background, s.onTop, s.fill, s.entity, s.rectangle.left,
                               s.rectangle.top, s.rectangle.right, s.rectangle.bottom);
    }
    void Tick(QWidget& dialog, const char* id)
    {
        QTest::mouseClick(Control<QCheckBox>(dialog, id), Qt::LeftButton, {}, QPoint(6, 6));
    }
};
} // namespace

TEST_F(SpriteDialogs, SpritePropertiesShowANewSpriteWithItsLabelsAndTooltips)
{
    CSpritePropertiesDlg dialog(Add(""), &designer);
    EXPECT_EQ(QStringLiteral("Sprite Properties"), dialog.windowTitle());
    EXPECT_EQ(QStringLiteral("255"), Text(dialog, "1032"));
    EXPECT_TRUE(Control<QCheckBox>(dialog, "1034")->isChecked());
    ExpectControls(dialog, {
        {"1030", nullptr, "Unique identifier for this sprite"},
        {"1031", nullptr, "Identifier of sprite used for collision detection"},
        {"1032", nullptr, "How transparent the sprite is in the game"},
        {"1034", "Background sprite", "Makes sprite appear in Screen Designer"},
        {"1035", "On top layer", "Makes sprite appear above others - like treetops"},
        {"1036", "Display as a Fill tile", "Makes sprite a fill tile in the Screen Designer"},
        {"1037", "Sprite represents an Entity", "Places an entity in the game, rather than this sprite"},
        {"1043", "Redefine", "Redefine this sprites rectangle"},
        {"1041", "&Delete", "Deletes this sprite"},
    });
    CSpritePropertiesDlg without(nullptr, &designer);
    EXPECT_EQ(QDialog::Rejected, without.exec()); // ends at once
}

TEST_F(SpriteDialogs, OkChecksTheFieldsInTheirOrderAndAFailedOkThenEscapeChangesNothing)
{
    Add("taken");
    CDesignerSprite* sprite = Add("mine");
    const auto before = Values(*sprite);
    const char* const tooLong = "abcdefghijklmnopqr";
    const struct {
        const char *alpha, *mask, *code, *message, *caption, *focused;
    } rows[] = {
        {"", tooLong, "", "Please enter a positive integer.", "Tessellmancery", "1032"},
        {"256", tooLong, "7up", "Please enter an integer between 0 and 255.", "Tessellmancery", "1032"},
        {"1", tooLong, tooLong, "Please enter no more than 17 characters.", "Tessellmancery", "1031"},
        {"1", "m", tooLong, "Please enter no more than 17 characters.", "Tessellmancery", "1030"},
        {"1", "m", "", "The sprite code you have entered is invalid", "Error", "1030"},
        {"1", "m", "7up", "The first character of the sprite code cannot be a number.", "Error", "1030"},
        // The sheet file's reader would take these lines for its markers.
        {"1", "m", "my[ENTITY]", "The sprite code cannot contain [ENTITY] or [BACKGROUND].", "Error", "1030"},
        {"1", "m", "[BACKGROUND]", "The sprite code cannot contain [ENTITY] or [BACKGROUND].", "Error", "1030"},
        {"1", "a[FILL]", "fine[FILL]", "The sprite mask code cannot contain [FILL].", "Error", "1031"},
        {"1", "m", "taken", "That sprite code is already in use on this sheet\nPlease choose another one", "Error", "1030"},
    };
    for (const auto& r : rows) {
        CSpritePropertiesDlg dialog(sprite, &designer);
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        // Typing stops at 17 characters; a longer text comes from a file.
        for (const char* id : {"1030", "1031"})
            Control<QLineEdit>(dialog, id)->setMaxLength(40);
        Retype(dialog, "1032", QLatin1String(r.alpha));
        Retype(dialog, "1031", QLatin1String(r.mask));
        Retype(dialog, "1030", QLatin1String(r.code));
        Tick(dialog, "1037");
        Click(dialog, "1");
        EXPECT_TRUE(dialog.isVisible()) << r.message;
        EXPECT_EQ(QLatin1String(r.message), messages.texts.value(messages.texts.size() - 1));
        EXPECT_EQ(QLatin1String(r.caption), messages.captions.value(messages.captions.size() - 1));
        EXPECT_TRUE(Control<QLineEdit>(dialog, r.focused)->hasFocus()) << r.message;
        QTest::keyClick(&dialog, Qt::Key_Escape);
        EXPECT_EQ(QDialog::Rejected, dialog.result());
        EXPECT_EQ(before, Values(*sprite)) << r.message;
    }
    EXPECT_EQ(10, messages.texts.size());
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
        Tick(dialog, id);
    Click(dialog, "1");
    EXPECT_EQ(QDialog::Accepted, dialog.result());
    EXPECT_TRUE(messages.texts.isEmpty());
    EXPECT_EQ(std::make_tuple(QByteArray("mine"), QByteArray("nowhere"), 7u, 0, 1, 1, 1, 4, 4, 36, 20),
              Values(*sprite));
}

TEST_F(SpriteDialogs, AnUntouchedCodeAndMaskKeepTheirBytesAndAreShownAsLatin1WhenNotUtf8)
{
    CDesignerSprite* sprite = Add("caf\xE9");
    sprite->maskCode = "m\xFF";
    CSpritePropertiesDlg dialog(sprite, &designer);
    dialog.show();
    EXPECT_EQ(QStringLiteral("caf\u00E9 m\u00FF"), Text(dialog, "1030") + QLatin1Char(' ') + Text(dialog, "1031"));
    Click(dialog, "1");
    EXPECT_EQ(std::make_pair(QByteArray("caf\xE9"), QByteArray("m\xFF")), std::make_pair(sprite->code, sprite->maskCode));
    designer.hovered = sprite;
    EXPECT_EQ(QStringLiteral("caf\u00E9"), designer.SpriteLines().at(0).text);
    EXPECT_EQ(QStringLiteral("caf\u00E9 - Right-Click to edit this sprite"), designer.StatusLines().value(2));
}

TEST_F(SpriteDialogs, TypingAndPastingStopBetweenCharactersAtWhatTheSheetFileKeeps)
{
    // A code keeps 32 bytes, a title 63: 16 and 31 characters of two bytes, 10 and 21 of three.
    for (const QString& character : {QStringLiteral("\u00E9"), QStringLiteral("\u20AC")}) {
        CSpritePropertiesDlg properties(Add("old"), &designer);
        QLineEdit* code = Control<QLineEdit>(properties, "1030");
        code->clear();
        for (int i = 0; i < 17; ++i) { // typed, one key at a time
            QKeyEvent key(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, character);
            QApplication::sendEvent(code, &key);
        }
        EXPECT_EQ(character.repeated(32 / int(character.toUtf8().size())), code->text());
        CSheetPropertiesDlg sheet{QString()};
        Control<QLineEdit>(sheet, "1052")->insert(character.repeated(40)); // pasted
        EXPECT_EQ(character.repeated(63 / int(character.toUtf8().size())), Text(sheet, "1052"));
    }
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

    sprite->rectangle = CRect{};
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
        for (const auto& [id, value] : {std::pair{"1044", "4"}, {"1045", "4"}, {"1046", "x"}, {"1047", "12"}})
            Retype(dialog, id, QLatin1String(value));
        Click(dialog, "1");
        EXPECT_EQ(QStringList{QStringLiteral("Please enter an integer.")}, messages.texts);
        EXPECT_EQ(CRect(21, 21, 53, 37), rect);
        Retype(dialog, "1046", QStringLiteral("20"));
        Click(dialog, "1");
    }
    EXPECT_EQ(CRect(4, 4, 36, 20), rect); // x 4, y 4, w 16, h 8 in the file
    CRedefineSpriteDlg cancelled(&rect);
    cancelled.show();
    Retype(cancelled, "1044", QStringLiteral("-2147483648"));
    Click(cancelled, "2");
    EXPECT_EQ(4, rect.left);
    CRedefineSpriteDlg dialog(&rect);
    dialog.show();
    Retype(dialog, "1044", QStringLiteral("-2147483648")); // held, never wrapped
    Click(dialog, "1");
    EXPECT_EQ(INT32_MIN, rect.left);
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
    ExpectControls(dialog, {
        {"1038", nullptr, "List of sprites on this sheet"},
        {"1039", "Edit Sprite", "Edits the selected sprite"},
        {"1040", "Edit Animation", "Edits the animation the selected sprite is in"},
        {"1041", "Delete Sprite", "Deletes the selected sprite"},
    });
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
    EXPECT_TRUE(animation->frames.IsEmpty()); // no frame outlives its sprite
}

TEST_F(SpriteDialogs, TheAnimationDialogAddsAndRemovesFramesAndTakesTheSpeedOnlyOnOk)
{
    Add("A");
    Add("B");
    CSpriteAnimation other;
    other.AddFrame(Add("C"));
    CSpriteAnimation* animation = designer.animations.Append(std::make_unique<CSpriteAnimation>(), "Anim");
    for (bool ok : {false, true}) {
        CAnimatedSpriteDlg dialog(animation, &designer);
        EXPECT_EQ(QStringLiteral("Animated Sprite Properties"), dialog.windowTitle());
        EXPECT_EQ(QStringLiteral("5"), Text(dialog, "1049"));
        ExpectControls(dialog, {
            {"1045", nullptr, "Sprites in this animation"},
            {"1046", nullptr, "All the Sprites on this sheet"},
            {"1047", "<< &Add", "Add the selected sprite to the animation"},
            {"1048", "&Remove >>", "Remove the selected sprite from the animation"},
            {"1049", nullptr, "How fast the frames of animation change"},
        });
        dialog.show();
        if (!ok) {
            Click(dialog, "1047");
            Click(dialog, "1048");
            Select(dialog, "1046", 2); // C, in another animation
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
        }
        // Not a number, out of range, then a speed OK takes (Cancel does not).
        for (const char* speed : ok ? std::vector<const char*>{"fast", "100000", "12.5"} : std::vector{"12.5"}) {
            Retype(dialog, "1049", QLatin1String(speed));
            Click(dialog, ok ? "1" : "2");
        }
        EXPECT_EQ(ok ? 12.5f : 5.0f, animation->speed);
        EXPECT_EQ(2, animation->frames.Count()); // frames stay however the dialog ends
    }
    EXPECT_EQ((QStringList{
                  QStringLiteral("Please select a sprite to add to the animation\nfrom the list on the right."),
                  QStringLiteral("Please select a sprite to remove from the animation\nfrom the list on the left."),
                  QStringLiteral("This sprite is already in an animation, it cannot\nbe in more than one."),
                  QStringLiteral("Please enter a number."), QStringLiteral("Please enter a number between 0 and 99999.")}),
              messages.texts);
    EXPECT_EQ(QStringLiteral("Attention"), messages.captions.value(2));
}

TEST_F(SpriteDialogs, TheSheetTitleTakesAtMost64CharactersAndWhatTheFileKeeps)
{
    CSheetPropertiesDlg dialog(QString(70, QLatin1Char('t')));
    EXPECT_EQ(QStringLiteral("Sprite Sheet Properties"), dialog.windowTitle());
    EXPECT_EQ(QStringLiteral("Enter a name for this sheet"), Tip(dialog, "1052"));
    dialog.show();
    Click(dialog, "1");
    EXPECT_EQ(QStringList{QStringLiteral("Please enter no more than 64 characters.")}, messages.texts);
    EXPECT_TRUE(dialog.isVisible());
    Retype(dialog, "1052", QString(64, QLatin1Char('u'))); // typing stops at the file's 63 bytes
    Click(dialog, "1");
    EXPECT_EQ(QDialog::Accepted, dialog.result());
    EXPECT_EQ(QString(63, QLatin1Char('u')), dialog.title);
}
