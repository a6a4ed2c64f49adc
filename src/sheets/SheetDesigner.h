#pragma once
// The sprite-sheet designer: the mode in which one sheet bitmap is cut into
// named sprites. It shows the bitmap at twice its size, takes a rectangle
// dragged out on an 8-pixel grid as a new sprite, edits sprites, animations
// and the title in their dialogs and saves the sheet file. Entered from the
// sheet manager, left with "Back to map Layout".
#include "common/Designer.h"
#include "common/Rect.h"
#include "common/TaggedList.h"
#include "display/Pen.h"
#include "display/Surface.h"
#include "sheets/DesignerSprite.h"
#include "sheets/SheetContent.h"
#include "sheets/SpriteAnimation.h"
#include "support/io/RecoveryFile.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QUndoStack>

#include <array>
#include <memory>
#include <vector>

class CMessagePort;
class CSheetDesignerPort;
class CSheetHost;
class CWindowPort;

class CSheetDesigner : public CDesigner {
public:
    CSheetDesigner(CMessagePort& messages, CWindowPort& window, CSheetDesignerPort& port, CSheetHost* host = nullptr);
    ~CSheetDesigner() override;

    void draw(CDisplay* display) override;
    void onMouseMove(uint32_t flags, int x, int y) override;
    void onLButtonDown(uint32_t flags, int x, int y) override;
    void onLButtonUp(uint32_t flags, int x, int y) override;
    void onRButtonDown(uint32_t flags, int x, int y) override;
    void onKeyDown(uint32_t character, uint32_t repeat, uint32_t flags) override;

    // Opens "sprite sheets\{name}" (its bitmap and sheet file) and shows the
    // sheet menu. A bitmap that cannot be loaded is reported and the designer
    // goes back to the map, keeping what it held.
    void Open(const QString& name);

    // The sheet menu's commands.
    enum class SaveResult { Saved, NothingToWrite, Failed };
    SaveResult Save();
    // Asks "Do you want to save your changes?" when the sheet is modified.
    // False on Cancel or when the sheet could not be saved. No drops the
    // recovery file.
    bool AskToSave();
    // Takes the last edit back, or makes the last one taken back again.
    void Undo();
    void Redo();
    // False when the user chose to stay (or the sheet could not be saved).
    bool BackToMap();
    void CreateSprite();
    void CreateAnimatedSprite();
    void ListSprites();
    void SheetProperties();
    void CycleSelectionColour();

    // 1 when the properties dialog ended normally, -2 when the sprite was
    // deleted from it, -1 without a sprite. Its OK is an edit, and so is a
    // rectangle redefined before Escape.
    int EditSpriteProperties(CDesignerSprite* sprite);
    // Unlinks and destroys the sprite, first taking it out of every
    // animation, so that no frame outlives its sprite.
    void DeleteSprite(CDesignerSprite* sprite);
    // The animated sprite dialog on an animation of this designer.
    void EditAnimation(CSpriteAnimation* animation);
    // One line per sprite in list order: its code, "    (Anim)" after it for
    // an animated sprite.
    std::vector<SpriteLine> SpriteLines() const;
    // Whether a sprite of the sheet other than `except` has this code (exact
    // comparison).
    bool CodeInUse(const QByteArray& code, const CDesignerSprite* except) const;
    CSheetDesignerPort& Port() const { return m_port; }

    // A view coordinate as the pointer snaps: up to a multiple of 8, less 1
    // (2 while the screen designer shows double size), less 8.
    int Snap(int v) const;
    // A sprite's rectangle on the view.
    CRect ScreenRect(const CDesignerSprite& sprite) const;
    // The last sprite in list order whose view rectangle holds the point,
    // edges included.
    CDesignerSprite* SpriteAt(int x, int y) const;
    // The status lines below the sheet: the pointer, the drag's size and, with
    // a sprite under the pointer, its code.
    QStringList StatusLines() const;

    // The state of the table of fields.
    QString sheetName;
    QByteArray title; // the file's bytes
    std::unique_ptr<CSurface> surface;
    CTaggedList<CDesignerSprite> sprites;      // tag "sprite"
    CTaggedList<CSpriteAnimation> animations;  // tag "Anim"
    int32_t originX = 7;
    int32_t originY = 7;
    CRect drag{-5, -5, -5, -5};
    int32_t dragging = 0;
    int32_t pointerX = 0;
    int32_t pointerY = 0;
    CDesignerSprite* hovered = nullptr;
    int32_t selectionColour = 0;
    // Follows the edit history: set while the sheet is not as it was saved.
    int32_t modified = 0;
    // Yellow, black, white, green, blue, magenta.
    std::array<CPen, 6> selectionPens;
    CPen outlinePen;
    // The open sheet's edits, emptied when another sheet is opened; its clean
    // state is the sheet as saved. Beside it, the recovery file of the edits
    // not yet saved.
    QUndoStack undoStack;
    CRecoveryKeeper recovery;

private:
    // The edit history (SheetDesignerHistory.cpp). An edit runs from
    // BeginEdit to EndEdit; edits inside another (the sprite deleted from its
    // properties dialog) are part of it. It is pushed when it changed the
    // sheet, or when `made` says a dialog's OK made it whatever it changed.
    void BeginEdit();
    void EndEdit(const QString& text, bool made = false);
    void RestoreEdit(const SheetContent& content);
    // After a push, undo or redo: the modified flag follows the clean state
    // and the recovery file hears of the edit.
    void HistoryChanged();
    // On opening: a recovery file newer than the sheet file is offered back.
    void OfferRecovery();
    void DrawAndPresent();
    void DrawStatus(CDisplay& target);

    CMessagePort& m_messages;
    CWindowPort& m_window;
    CSheetDesignerPort& m_port;
    CSheetHost* m_host;
    int m_editDepth = 0;
    bool m_editMade = false;
    SheetContent m_editBefore;
};

// The back buffer's colour behind the sheet.
constexpr uint32_t kSheetBackground = 21845;
