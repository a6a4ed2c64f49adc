#include "sheets/SpriteAnimation.h"

#include "support/io/TextCodec.h"

void CSpriteAnimation::AddFrame(CDesignerSprite* sprite)
{
    if (!sprite)
        return;
    sprite->animation = this;
    sprite->animated = 1;
    frames.Append(sprite, "sprite");
}

void CSpriteAnimation::RemoveFrame(CDesignerSprite* sprite)
{
    if (!sprite || !frames.Remove(sprite))
        return;
    for (const CDesignerSprite* frame : frames)
        if (frame->code == sprite->code)
            return;
    sprite->animated = 0;
    sprite->animation = nullptr;
}

void CSpriteAnimation::RemoveEveryFrameOf(const CDesignerSprite* sprite)
{
    while (frames.Remove(sprite)) {
    }
}

bool CSpriteAnimation::IsFirstFrame(const CDesignerSprite* sprite) const
{
    return sprite && !frames.IsEmpty() && frames.Head()->code == sprite->code;
}

std::vector<SpriteLine> CSpriteAnimation::FrameLines() const
{
    std::vector<SpriteLine> lines;
    for (CDesignerSprite* frame : frames)
        lines.push_back({DisplayBytes(frame->code), frame});
    return lines;
}
