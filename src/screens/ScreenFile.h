#pragma once
// The screen file (".lnd"): the placed sprites (x, y, code, entity name) and
// the fills (left, top, right, bottom, code), one value per line, every
// coordinate doubled.
#include <QByteArray>
#include <QString>

class CScreen;
class CTextReader;

// Where a screen file ended before its counts were met: the number of lines
// it holds and the record that is missing ("sprite 12 of 14"); 0 and empty
// for a whole file.
struct ScreenFileEnd {
    int atLine = 0;
    QString missing;
    bool EndsEarly() const { return atLine > 0; }
};

// "The screen file ends early at line 57, before sprite 12 of 14".
QString ScreenFileEndText(const ScreenFileEnd& end);

// The file's bytes. An unnamed entity sprite is written with the name "*",
// which tells the engine the entity has no name.
QByteArray ScreenFileBytes(const CScreen& screen);

// Reads the elements into the (emptied) screen, halving every coordinate
// toward zero and resolving codes through the screen's library. The elements
// end with the file: one cut short is dropped, and the end says where.
ScreenFileEnd ReadScreenFile(CTextReader& file, CScreen& screen);
