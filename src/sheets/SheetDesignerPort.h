#pragma once
// The part of the Ui port that shows the sheet designer's dialogs, each on the
// sprite, rectangle, title or animation it edits. Without a person each dialog
// is cancelled (Unanswered.h).
#include "support/ui/MessagePort.h"

class CDesignerSprite;
class CSheetDesigner;
class CSpriteAnimation;
struct CRect;

class CSheetDesignerPort {
public:
    virtual ~CSheetDesignerPort() = default;

    // Sprite Properties (dialog 164) on a sprite of the designer: OK (1) when
    // its values were written to the sprite, Cancel (2) when it was left as it
    // was, 5001 when its Delete button was pressed.
    virtual int SpritePropertiesDialog([[maybe_unused]] CDesignerSprite& sprite,
                                       [[maybe_unused]] CSheetDesigner& designer)
    {
        LogUnanswered("SpritePropertiesDialog");
        return CMessagePort::AnswerCancel;
    }
    // Redefine sprite's dimentions (dialog 166) on a rectangle in designer
    // units; every end but Cancel writes it back. False on Cancel.
    virtual bool RedefineSpriteDialog([[maybe_unused]] CRect& rectangle)
    {
        LogUnanswered("RedefineSpriteDialog");
        return false;
    }
    // Sprite List (dialog 165) on the designer's sprites.
    virtual void SpriteListDialog([[maybe_unused]] CSheetDesigner& designer) { LogUnanswered("SpriteListDialog"); }
    // Sprite Sheet Properties (dialog 168) on the title. False on Cancel.
    virtual bool SheetPropertiesDialog([[maybe_unused]] QString& title)
    {
        LogUnanswered("SheetPropertiesDialog");
        return false;
    }
    // Animated Sprite Properties (dialog 167) on an animation of the designer.
    virtual void AnimatedSpriteDialog([[maybe_unused]] CSpriteAnimation& animation,
                                      [[maybe_unused]] CSheetDesigner& designer)
    {
        LogUnanswered("AnimatedSpriteDialog");
    }
};
