#pragma once
// The part of the Ui port that shows the sheet designer's dialogs, each on the
// sprite, rectangle, title or animation it edits.
class CDesignerSprite;
class CSheetDesigner;
class CSpriteAnimation;
class QString;
struct CRect;

class CSheetDesignerPort {
public:
    virtual ~CSheetDesignerPort() = default;

    // Sprite Properties (dialog 164) on a sprite of the designer: OK (1) when
    // its values were written to the sprite, Cancel (2) when it was left as it
    // was, 5001 when its Delete button was pressed.
    virtual int SpritePropertiesDialog(CDesignerSprite& sprite, CSheetDesigner& designer) = 0;
    // Redefine sprite's dimentions (dialog 166) on a rectangle in designer
    // units; every end but Cancel writes it back. False on Cancel.
    virtual bool RedefineSpriteDialog(CRect& rectangle) = 0;
    // Sprite List (dialog 165) on the designer's sprites.
    virtual void SpriteListDialog(CSheetDesigner& designer) = 0;
    // Sprite Sheet Properties (dialog 168) on the title. False on Cancel.
    virtual bool SheetPropertiesDialog(QString& title) = 0;
    // Animated Sprite Properties (dialog 167) on an animation of the designer.
    virtual void AnimatedSpriteDialog(CSpriteAnimation& animation, CSheetDesigner& designer) = 0;
};
