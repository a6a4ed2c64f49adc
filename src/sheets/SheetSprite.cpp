#include "sheets/SheetSprite.h"

int32_t CSheetSprite::Width() const
{
    const CRect* r = FirstRect();
    return r ? r->Width() : -1;
}

int32_t CSheetSprite::Height() const
{
    const CRect* r = FirstRect();
    return r ? r->Height() : -1;
}
