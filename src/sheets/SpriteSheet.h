#pragma once
// One loaded sprite sheet: the bitmap (keyed on pure green) and the sprites its
// sheet file cuts from it.
#include "common/TaggedList.h"
#include "display/Surface.h"
#include "sheets/SheetSprite.h"

#include <QString>

#include <memory>

class CDisplay;
class CMessagePort;

class CSpriteSheet {
public:
    virtual ~CSpriteSheet() = default;

    // Stores the name ("sprite sheets\" + the listed name), loads name + ".bmp"
    // and then name + ".spt". 0 when the display is not ready, the bitmap cannot
    // be loaded or keyed, or the sheet file is missing ("SPT file not found!",
    // caption the path); an empty sheet file counts as success.
    int Load(const QString& sheetName, CDisplay* display, CMessagePort& ui);

    bool ContainsSprite(const CSheetSprite* sprite) const { return sprite && sprites.Contains(sprite); }
    // The first sprite whose code equals `code` byte for byte, or none.
    CSheetSprite* FindSprite(const QByteArray& code) const;
    // Whether any sprite is offered on the screen designer's sprite strip.
    bool HasDesignerSprites() const;

    std::unique_ptr<CSurface> surface;
    CTaggedList<CSheetSprite> sprites; // tag "sprite", file order
    QString name;
    QString title;
    int32_t rememberedScroll = 0;
};
