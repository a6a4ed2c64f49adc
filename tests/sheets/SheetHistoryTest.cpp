// The sheet designer's edit history: every edit is undone and redone whole,
// and the saved state is the clean one.
#include "sheets/SheetDesignerFixture.h"

#include "common/DialogResults.h"
#include "sheets/DesignerSheetFile.h"
#include "sheets/SheetFileWriter.h"
#include "sheets/SheetRecoveryFile.h"

#include <map>
#include <random>

namespace {
struct SheetHistoryTest : SheetDesignerTest {
    CDesignerSprite* AnySprite(std::mt19937& random) const
    {
        return designer.sprites.IsEmpty() ? nullptr : designer.sprites.At(int(random() % uint32_t(designer.sprites.Count())));
    }
    // One random edit of the kinds a person makes, through the designer's
    // commands and what its dialogs do.
    void RandomEdit(std::mt19937& random, int& made)
    {
        auto pick = [&random](int n) { return int(random() % uint32_t(n)); };
        switch (pick(8)) {
        case 0:
        case 1: {
            const int left = 15 + 8 * pick(12), top = 15 + 8 * pick(5);
            Cut("s" + QByteArray::number(++made), left, top, left + 8 * (1 + pick(4)), top + 8 * (1 + pick(3)));
            break;
        }
        case 2: { // Sprite Properties: OK with new values, a redefined rectangle then Escape, Escape, or Delete
            const int end = pick(4);
            const uint32_t alpha = uint32_t(pick(256));
            const int shift = 2 * (1 + pick(3));
            ui.onSpriteProperties = [end, alpha, shift](CDesignerSprite& sprite, CSheetDesigner&) {
                if (end == 0) {
                    sprite.alpha = alpha;
                    sprite.onTop = !sprite.onTop;
                    return int(kDialogOk);
                }
                if (end == 1)
                    sprite.rectangle.right += shift;
                return end == 3 ? int(kDeleteSprite) : int(CUiPort::AnswerCancel);
            };
            designer.EditSpriteProperties(AnySprite(random));
            break;
        }
        case 3:
        case 4: { // an animated sprite made, or one changed: frames added or taken out, its speed
            const bool make = designer.animations.IsEmpty() || pick(2) == 0;
            CSpriteAnimation* changed = make ? nullptr : designer.animations.At(pick(designer.animations.Count()));
            ui.onAnimatedSprite = [this, &random, pick](CSpriteAnimation& animation, CSheetDesigner&) {
                animation.speed = float(pick(40)) / 4.0f;
                if (!animation.frames.IsEmpty() && pick(2) == 0) {
                    animation.RemoveFrame(animation.frames.Tail());
                    return;
                }
                CDesignerSprite* frame = AnySprite(random);
                if (frame && (!frame->animation || frame->animation == &animation))
                    animation.AddFrame(frame);
            };
            if (make)
                designer.CreateAnimatedSprite();
            else
                designer.EditAnimation(changed);
            break;
        }
        case 5:
            ui.titleAnswers = {QStringLiteral("Title %1").arg(pick(5))};
            designer.SheetProperties();
            break;
        default:
            designer.Undo(); // later edits take the place of what was undone
            break;
        }
    }
    // The sheet file the designer would write, and the whole of what it holds.
    QByteArray Bytes() const
    {
        return SheetFileBytes(designer.title, SheetFileRecordsOf(designer.sprites).sprites) + "--\r\n"
            + SheetRecoveryBytes(designer.title, designer.sprites, designer.animations);
    }
};
} // namespace

TEST_F(SheetHistoryTest, UndoingEveryRandomEditGivesTheSavedFileAndRedoingThemTheEditedOne)
{
    for (unsigned seed : {1u, 2u, 3u}) {
        SCOPED_TRACE(seed);
        QFile::remove(base.Path(QStringLiteral("sprite sheets\\meadow.spt")));
        designer.Open(QStringLiteral("meadow"));
        Cut("first", 31, 31, 63, 47);
        Cut("second", 15, 15, 23, 23);
        ASSERT_EQ(CSheetDesigner::SaveResult::Saved, designer.Save());
        const QByteArray savedFile = SheetFile();
        designer.Open(QStringLiteral("meadow")); // the history starts at the saved sheet
        const QByteArray saved = Bytes();
        std::mt19937 random(seed);
        int made = 0;
        // What the sheet held at each place in the history: every step
        // taken back or made again must give it back.
        std::map<int, QByteArray> held{{0, saved}};
        for (int i = 0; i < 300; ++i) {
            const int at = designer.undoStack.index();
            RandomEdit(random, made);
            if (designer.undoStack.index() != at)
                held[designer.undoStack.index()] = Bytes();
        }
        ui.titleAnswers = {QStringLiteral("Last")}; // an edit after the last undo ends the history
        designer.SheetProperties();
        const QByteArray edited = Bytes();
        held[designer.undoStack.index()] = edited;
        ASSERT_NE(saved, edited);
        while (designer.undoStack.canUndo()) {
            designer.Undo();
            ASSERT_EQ(held[designer.undoStack.index()], Bytes()) << designer.undoStack.index();
        }
        EXPECT_EQ(saved, Bytes());
        EXPECT_EQ(0, designer.modified); // back where it was saved
        designer.Save();
        EXPECT_EQ(savedFile, SheetFile());
        while (designer.undoStack.canRedo()) {
            designer.Redo();
            ASSERT_EQ(held[designer.undoStack.index()], Bytes()) << designer.undoStack.index();
        }
        EXPECT_EQ(edited, Bytes());
    }
}
