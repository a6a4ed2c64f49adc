#pragma once
// Writes a sheet file (".spt") from the sheet designer's sprites: the title,
// then one block per sprite, each animation once under the code of its first
// frame. The designer hands its sprites over in the file's own units (bitmap
// pixels).
#include <QByteArray>
#include <QString>

#include <cstdint>
#include <vector>

class CMessagePort;

struct SheetFileFrame {
    int32_t x = 0;
    int32_t y = 0;
    int32_t w = 0;
    int32_t h = 0;
    bool operator==(const SheetFileFrame&) const = default;
};

struct SheetFileAnimation {
    float speed = 5.0f;
    std::vector<SheetFileFrame> frames;   // in frame order
    QByteArray firstFrameCode;            // code of the sprite that is frame 1
};

struct SheetFileSprite {
    QByteArray code;
    SheetFileFrame rect;                  // a still sprite's rectangle
    int32_t entity = 0;
    int32_t background = 0;
    int32_t fill = 0;
    int32_t onTop = 0;
    QByteArray mask;                      // empty for no mask
    uint32_t alpha = 255;
    int32_t animated = 0;
    const SheetFileAnimation* animation = nullptr; // borrowed; set on animated sprites
};

// The file's bytes (CR LF line ends). An animated sprite that carries an
// animation is written only as that animation's first frame; every other
// sprite as a still block.
QByteArray SheetFileBytes(const QString& title, const std::vector<SheetFileSprite>& sprites);
// The same with the title's bytes as they stand (the designer keeps a title
// read from a file as its bytes).
QByteArray SheetFileBytes(const QByteArray& title, const std::vector<SheetFileSprite>& sprites);

// One sprite's block as a still sprite, whatever animation it is in (the
// sheet designer's recovery file keeps every sprite so).
QByteArray SheetFileStillBlock(const SheetFileSprite& sprite);

// Writes "sprite sheets\" + sheetName + ".spt". A sheet without sprites is not
// written (the old file stays) and gives 0. When the file cannot be created:
// "Couldn't open SPT file for writing", caption the path, and 0. 1 on success.
int WriteSheetFile(const QString& sheetName, const QString& title, const std::vector<SheetFileSprite>& sprites,
                   CMessagePort& ui);
int WriteSheetFile(const QString& sheetName, const QByteArray& title, const std::vector<SheetFileSprite>& sprites,
                   CMessagePort& ui);

// The longest title a reader takes whole (one 64-byte line buffer).
constexpr int kSheetTitleLength = 63;
