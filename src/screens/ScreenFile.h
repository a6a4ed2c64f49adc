#pragma once
// The screen file (".lnd"): the placed sprites (x, y, code, entity name) and
// the fills (left, top, right, bottom, code), one value per line, every
// coordinate doubled.
#include <QByteArray>

class CScreen;
class CTextReader;

// The file's bytes. An unnamed entity sprite gets the name "*" (in the screen
// too), which tells the engine the entity has no name.
QByteArray ScreenFileBytes(CScreen& screen);

// Reads the elements into the (emptied) screen, halving every coordinate
// toward zero and resolving codes through the screen's library. The elements
// end with the file: one cut short is dropped.
void ReadScreenFile(CTextReader& file, CScreen& screen);
