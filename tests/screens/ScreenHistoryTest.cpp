// The screen designer's edit history: every edit is undone and redone whole,
// and the saved state is the clean one.
#include "screens/ScreenDesignerFixture.h"

#include "common/VirtualKeys.h"
#include "screens/ScreenFile.h"

#include <map>
#include <random>

namespace {
const QString kScreenHistoryFile = QStringLiteral("questdata\\Q\\screens\\1-2.lnd");

struct ScreenHistoryTest : ScreenDesignerTest {
    // A sprite of the strip stamped at a view point.
    void Stamp(const char* code, int x, int y)
    {
        Carry(code);
        designer->onLButtonDown(0, x, y);
    }
    // Drops what is carried without starting a fill drag.
    void DropCarried() { designer->onRButtonDown(0, 340, 100); }
    // One random edit of the kinds a person makes, through the designer's
    // own input, its menu commands and the entity window.
    // True when the edit may have been merged into the one before it.
    bool RandomEdit(std::mt19937& random)
    {
        auto pick = [&random](int n) { return int(random() % uint32_t(n)); };
        const char* sprites[] = {"blue", "ent", "cyan"};
        const char* tiles[] = {"red", "yellow", "hole001"};
        switch (pick(10)) {
        case 0:
        case 1:
            Stamp(sprites[pick(3)], 20 + pick(320), 20 + pick(240));
            break;
        case 2:
            designer->DeleteLastSprite();
            break;
        case 3:
            designer->DeleteLastFill();
            break;
        case 4:
            ChooseFill(tiles[pick(3)]);
            designer->onRButtonDown(0, 20 + pick(300), 20 + pick(220));
            designer->onRButtonUp(0, 20 + pick(320), 20 + pick(240));
            break;
        case 5: // pick a placed sprite, and Delete it
        case 6: // or, when it is an entity, type a name in its window
            if (Current().placedSprites.IsEmpty())
                break;
            {
                const CPlacedSprite* target = Current().placedSprites.At(pick(Current().placedSprites.Count()));
                DropCarried();
                designer->onLButtonDown(0, target->x + 17, target->y + 17);
            }
            if (pick(2) == 0 && ui.entity && ui.entityNameChanged) {
                const int visit = pick(3);
                for (int letter = 0, n = 1 + pick(3); letter < n; ++letter) {
                    ui.entity->entityName += char('a' + pick(26));
                    ui.entityNameChanged(visit);
                }
                return true;
            } else {
                designer->onKeyDown(VK_DELETE, 1, 0);
            }
            break;
        case 7:
            for (uint32_t key : {uint32_t('1' + pick(4)), uint32_t('R'), uint32_t("NESW"[pick(4)])})
                designer->onKeyDown(key, 1, 0);
            break;
        case 8:
            if (pick(8) == 0) {
                ui.messageAnswers = {CUiPort::AnswerYes};
                designer->ClearScreen();
            }
            break;
        default:
            designer->Undo(); // later edits take the place of what was undone
            break;
        }
        return false;
    }
    QByteArray Bytes() { return ScreenFileBytes(Current()); }
};
} // namespace

TEST_F(ScreenHistoryTest, UndoingEveryRandomEditGivesTheSavedFileAndRedoingThemTheEditedOne)
{
    for (unsigned seed : {1u, 2u, 3u}) {
        SCOPED_TRACE(seed);
        QFile::remove(base.Path(kScreenHistoryFile));
        Open();
        Stamp("blue", 60, 60);
        Stamp("ent", 120, 90);
        ChooseFill("red");
        designer->onRButtonDown(0, 40, 40);
        designer->onRButtonUp(0, 100, 80);
        designer->SaveScreen();
        const QByteArray saved = base.Read(kScreenHistoryFile);
        Open(); // the history starts at the saved screen
        ASSERT_EQ(saved, Bytes());
        std::mt19937 random(seed);
        // What the screen held at each place in the history: every step
        // taken back or made again must give it back.
        std::map<int, QByteArray> held{{0, saved}};
        for (int i = 0; i < 300; ++i) {
            const int at = designer->undoStack.index();
            if (RandomEdit(random) || designer->undoStack.index() != at)
                held[designer->undoStack.index()] = Bytes();
        }
        Stamp("cyan", 200, 200); // an edit after the last undo ends the history
        const QByteArray edited = Bytes();
        held[designer->undoStack.index()] = edited;
        ASSERT_NE(saved, edited);
        while (designer->undoStack.canUndo()) {
            designer->Undo();
            ASSERT_EQ(held[designer->undoStack.index()], Bytes()) << designer->undoStack.index();
        }
        EXPECT_EQ(saved, Bytes());
        EXPECT_EQ(0, Current().modified); // back where it was saved
        while (designer->undoStack.canRedo()) {
            designer->Redo();
            ASSERT_EQ(held[designer->undoStack.index()], Bytes()) << designer->undoStack.index();
        }
        EXPECT_EQ(edited, Bytes());
        designer->SaveScreen();
        EXPECT_EQ(edited, base.Read(kScreenHistoryFile));
    }
}
