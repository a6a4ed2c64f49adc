#pragma once
// What the sheet designer holds of a sheet: the title, every sprite with all
// its fields (the values its file gave among them) and every animation with
// its speed and frames, the frames and the animated sprites as positions in
// the sprite list. The designer's undo keeps one before and after each edit
// and puts it back whole.
#include "common/Rect.h"
#include "common/TaggedList.h"
#include "sheets/DesignerSprite.h"
#include "sheets/SpriteAnimation.h"

#include <QByteArray>

#include <optional>
#include <vector>

struct SheetContent {
    struct Sprite {
        CRect rectangle;
        QByteArray code;
        int32_t onTop = 0;
        QByteArray maskCode;
        int32_t fill = 0;
        int32_t entity = 0;
        int32_t background = 1;
        uint32_t alpha = 255;
        int32_t animated = 0;
        int animation = -1; // the position of its animation, -1 for none
        std::optional<CDesignerSprite::FrameRead> frameRead;
        bool operator==(const Sprite&) const = default;
    };
    struct Animation {
        float speed = 5.0f;
        std::vector<int> frames; // positions in the sprite list
        bool operator==(const Animation&) const = default;
    };
    QByteArray title;
    std::vector<Sprite> sprites;
    std::vector<Animation> animations;
    bool operator==(const SheetContent&) const = default;
};

SheetContent ContentOf(const QByteArray& title, const CTaggedList<CDesignerSprite>& sprites,
                       const CTaggedList<CSpriteAnimation>& animations);
// Empties the lists and makes them anew from the content. Every pointer into
// the old sprites and animations is left dangling: the caller drops them.
void RestoreContent(const SheetContent& content, QByteArray& title, CTaggedList<CDesignerSprite>& sprites,
                    CTaggedList<CSpriteAnimation>& animations);
