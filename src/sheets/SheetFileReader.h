#pragma once
// Reads a sheet file (".spt") by the sheet library's rules: the title line,
// then one block per sprite. Markers, "ANIMATED", "[FILL]", "TRUE" and "FALSE"
// are recognised by containment; a still sprite's "[FILL]" line may be missing
// (the reader looks one line ahead and steps back); the mask, speed, alpha and
// "[EE]" lines are passed over; a block cut short by the end of the file is
// dropped.
#include "common/TaggedList.h"
#include "sheets/SheetSprite.h"

#include <QByteArray>

#include <vector>

class CTextReader;

// False when the file has no title line (an empty file); the sprites read are
// appended to `sprites` with tag "sprite", and with `codeLines` the line of
// each one's code.
bool ReadSheetFile(CTextReader& file, QByteArray& title, CTaggedList<CSheetSprite>& sprites,
                   std::vector<int>* codeLines = nullptr);

// A rectangle from a sheet file's x, y, w, h. Values no bitmap can reach are
// held within +-2^29, so that edges and sizes never overflow.
CRect SheetRect(int32_t x, int32_t y, int32_t w, int32_t h);
