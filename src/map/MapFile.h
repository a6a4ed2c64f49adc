#pragma once
// The map file save\{quest}.qss: a line-oriented text file holding the cells
// that hold a screen (in grid order), the groups (in list order) and the quest
// properties.
#include <QByteArray>
#include <QString>

class CQuestMap;

extern const char kMapFileMagic[]; // "Vantraglen Tessellmancery Map File"

// The longest string field the map file can carry: its readers take at most 63
// characters per line including the line end.
constexpr int kMapStringFieldLimit = 62;

// The map file's bytes for the model. String fields longer than the file can
// carry are cut (at a character boundary) to kMapStringFieldLimit bytes.
QByteArray MapFileBytes(const CQuestMap& map);

// Cuts a string so that its UTF-8 form fits in `limit` bytes.
QString CutToBytes(const QString& text, int limit);
