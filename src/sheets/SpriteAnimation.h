#pragma once
// An animation of the sheet designer: sprites of one sheet shown in turn at a
// speed. Its frames borrow the designer's sprites; a sprite stands in at most
// one animation, maybe several times in it, and its animated flag stays set
// while a frame with its code remains there.
#include "common/TaggedList.h"
#include "sheets/DesignerSprite.h"

#include <vector>

class CSpriteAnimation {
public:
    virtual ~CSpriteAnimation() = default;

    // Appends the sprite and ties it to this animation.
    void AddFrame(CDesignerSprite* sprite);
    // Removes the first frame that is this very sprite; unties the sprite when
    // no frame with its code is left.
    void RemoveFrame(CDesignerSprite* sprite);
    // Removes every frame that is this very sprite (it is being destroyed).
    void RemoveEveryFrameOf(const CDesignerSprite* sprite);
    // Whether the first frame's code is the sprite's code.
    bool IsFirstFrame(const CDesignerSprite* sprite) const;
    // One line per frame, its code.
    std::vector<SpriteLine> FrameLines() const;

    float speed = 5.0f;
    CTaggedList<CDesignerSprite, false> frames; // tag "sprite", display order
};
