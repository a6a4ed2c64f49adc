#pragma once
// The map file save\{quest}.qss: a line-oriented text file holding the cells
// that hold a screen (in grid order), the groups (in list order) and the quest
// properties. One writer and one reader, both over bytes; the editor, the
// command-line tool and the fuzz target all go through them.
#include <QByteArray>
#include <QString>

#include <vector>

class CQuestMap;

extern const char kMapFileMagic[]; // "Vantraglen Tessellmancery Map File"

// The longest string field the map file can carry: its readers (the engine's
// too) take at most 63 characters per line including the line end. Longer
// lines in a hand-made file are read cut to this length.
constexpr int kMapStringFieldLimit = 62;

// The map file's bytes for the model. A string field is cut at its first line
// break and to kMapStringFieldLimit bytes, never inside a UTF-8 character.
QByteArray MapFileBytes(const CQuestMap& map);

// A string field as the map file carries it: what reading it back gives.
QString MapStringField(const QString& text);

// What reading a map file found.
struct MapFileReading {
    // False when the bytes do not begin with the map file's first line; the
    // model is then left as it was.
    bool isMapFile = false;
    struct Cell {
        int column;
        int row;
    };
    // The cells the file names that lie on the grid, in the file's order (a
    // cell named twice is there twice).
    std::vector<Cell> screens;
    // Cell records whose coordinates lie off the grid; they were passed over.
    int cellsOffGrid = 0;
    // When the file ends before the reader has every field: the number of
    // lines it holds, and the first field that is missing ("the quest's
    // \"Include Sound\" flag"). What is missing reads as 0 or empty. 0 and
    // empty for a whole file.
    int endsEarlyAtLine = 0;
    QString missingField;
    bool EndsEarly() const { return endsEarlyAtLine > 0; }
};

// "The map file ends early at line 37, before the quest's "Include Sound" flag".
QString MapFileEndText(const MapFileReading& reading);

// Reads a map file's bytes into the model: the grid and groups are emptied,
// the properties reset, then filled from the file. Previews are not touched;
// loading them is the caller's, as are the messages.
MapFileReading ReadMapFileBytes(const QByteArray& bytes, CQuestMap& map);
