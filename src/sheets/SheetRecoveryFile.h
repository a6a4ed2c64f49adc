#pragma once
// The sheet designer's recovery file: the unsaved sheet as the designer holds
// it, which its sheet file cannot say whole (the frames after an animation's
// first keep their own codes and fields only in memory). Laid out as a sheet
// file whose every sprite is a still block, counted, then what the frames
// need:
//   the title
//   the number of sprites n, then n still blocks in list order
//   the number of animations m, then for each its speed, its number of
//   frames k and k lines each with a frame's position in the sprite list
//   for each sprite two lines: its animated flag and the position of its
//   animation (-1 for none)
#include "common/TaggedList.h"
#include "sheets/DesignerSprite.h"
#include "sheets/SpriteAnimation.h"

#include <QByteArray>

QByteArray SheetRecoveryBytes(const QByteArray& title, const CTaggedList<CDesignerSprite>& sprites,
                              const CTaggedList<CSpriteAnimation>& animations);
// Reads the bytes into empty lists. What a file cut short or made by hand
// lacks stays as a new sprite has it; positions that name nothing are passed
// over. False when the bytes have no title line.
bool ReadSheetRecovery(const QByteArray& bytes, QByteArray& title, CTaggedList<CDesignerSprite>& sprites,
                       CTaggedList<CSpriteAnimation>& animations);
