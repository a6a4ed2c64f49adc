#include "sheets/SheetContent.h"

SheetContent ContentOf(const QByteArray& title, const CTaggedList<CDesignerSprite>& sprites,
                       const CTaggedList<CSpriteAnimation>& animations)
{
    SheetContent content;
    content.title = title;
    for (const CDesignerSprite* s : sprites) {
        content.sprites.push_back({s->rectangle, s->code, s->onTop, s->maskCode, s->fill, s->entity, s->background,
                                   s->alpha, s->animated, animations.IndexOf(s->animation), s->frameRead});
    }
    for (const CSpriteAnimation* a : animations) {
        SheetContent::Animation& animation = content.animations.emplace_back();
        animation.speed = a->speed;
        for (const CDesignerSprite* frame : a->frames)
            animation.frames.push_back(sprites.IndexOf(frame));
    }
    return content;
}

void RestoreContent(const SheetContent& content, QByteArray& title, CTaggedList<CDesignerSprite>& sprites,
                    CTaggedList<CSpriteAnimation>& animations)
{
    // The animations borrow the sprites.
    animations.Clear();
    sprites.Clear();
    title = content.title;
    std::vector<CSpriteAnimation*> made;
    for (const SheetContent::Animation& a : content.animations) {
        auto animation = std::make_unique<CSpriteAnimation>();
        animation->speed = a.speed;
        made.push_back(animations.Append(std::move(animation), "Anim"));
    }
    std::vector<CDesignerSprite*> placed;
    for (const SheetContent::Sprite& s : content.sprites) {
        auto sprite = std::make_unique<CDesignerSprite>();
        sprite->rectangle = s.rectangle;
        sprite->code = s.code;
        sprite->onTop = s.onTop;
        sprite->maskCode = s.maskCode;
        sprite->fill = s.fill;
        sprite->entity = s.entity;
        sprite->background = s.background;
        sprite->alpha = s.alpha;
        sprite->animated = s.animated;
        sprite->animation = s.animation >= 0 && size_t(s.animation) < made.size() ? made[size_t(s.animation)] : nullptr;
        sprite->frameRead = s.frameRead;
        placed.push_back(sprites.Append(std::move(sprite), "sprite"));
    }
    // The frames as they stood, without the ties Add frame would make anew.
    for (size_t i = 0; i < content.animations.size(); ++i)
        for (int frame : content.animations[i].frames)
            if (frame >= 0 && size_t(frame) < placed.size())
                made[i]->frames.Append(placed[size_t(frame)], "sprite");
}
