#pragma once
// The sheet designer's side of the sheet file (".spt"): its own reading, which
// keeps what the sheet library passes over (title, mask, on top, alpha and
// speed) and turns the frames after the first of an animated block into
// sprites of their own; and the records its save hands to the one writer.
#include "common/TaggedList.h"
#include "sheets/DesignerSprite.h"
#include "sheets/SheetFileWriter.h"
#include "sheets/SpriteAnimation.h"

#include <QByteArray>

#include <deque>
#include <vector>

class CTextReader;

// Reads a sheet file's bytes into empty lists. Each block is a sprite with
// background cleared unless "[BACKGROUND]" says so; a block that the end of
// the file cuts short before its code line is dropped, one cut later keeps
// what was read (empty lines, zeros and a new sprite's alpha for the rest;
// every number read is written back as read). The frames of an
// animated block after the first are sprites named code_2, code_3 ... with the
// defaults of a new sprite, listed before the block's own sprite; frames stop
// at the end of the file, whatever the count says. False when the bytes have
// no first line (no title, no sprites).
bool ReadDesignerSheet(const QByteArray& bytes, QByteArray& title, CTaggedList<CDesignerSprite>& sprites,
                       CTaggedList<CSpriteAnimation>& animations);
// Reads the next block of a sheet file as the above does. False when the end
// of the file came before its code line (nothing is appended then).
bool ReadDesignerSheetBlock(CTextReader& file, CTaggedList<CDesignerSprite>& sprites,
                            CTaggedList<CSpriteAnimation>& animations);

// What the writer is handed for the designer's sprites: one record per sprite
// in list order, in sheet pixels, each animated sprite pointing at its
// animation's record.
struct SheetFileRecords {
    std::vector<SheetFileSprite> sprites;
    std::deque<SheetFileAnimation> animations; // the sprites borrow these
};
SheetFileRecords SheetFileRecordsOf(const CTaggedList<CDesignerSprite>& sprites);
