#include "screens/PlacedSprite.h"

#include "sheets/SheetSprite.h"

std::unique_ptr<CPlacedSprite> CPlacedSprite::Copy() const
{
    auto copy = std::make_unique<CPlacedSprite>();
    copy->code = code;
    copy->sprite = sprite;
    copy->sheet = sheet;
    copy->x = x;
    copy->y = y;
    return copy;
}

bool CPlacedSprite::OnTop() const
{
    return sprite && sprite->onTop;
}

bool CPlacedSprite::IsEntity() const
{
    return sprite && sprite->entity;
}

int32_t CPlacedSprite::Width() const
{
    return sprite ? sprite->Width() : -1;
}

int32_t CPlacedSprite::Height() const
{
    return sprite ? sprite->Height() : -1;
}
