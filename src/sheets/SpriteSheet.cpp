#include "sheets/SpriteSheet.h"

#include "display/Display.h"
#include "sheets/SheetFileReader.h"
#include "support/io/TextCodec.h"
#include "support/io/TextFile.h"
#include "support/paths/LogicalPath.h"
#include "support/ui/MessagePort.h"

int CSpriteSheet::Load(const QString& sheetName, CDisplay* display, CMessagePort& ui)
{
    name = sheetName;
    if (!display || !display->IsReady())
        return 0;
    std::unique_ptr<CSurface> bitmap;
    if (display->CreateSurfaceFromBitmap(&bitmap, NativePath(name + QStringLiteral(".bmp"))) != S_OK)
        return 0;
    if (bitmap->SetColourKey(kKeyGreen) != S_OK)
        return 0;
    surface = std::move(bitmap);

    const QString path = name + QStringLiteral(".spt");
    CTextReader file;
    if (!file.Open(path)) {
        ui.MessageBox(QStringLiteral("SPT file not found!"), path);
        return 0;
    }
    QByteArray titleBytes;
    if (ReadSheetFile(file, titleBytes, sprites))
        title = DecodeText(titleBytes);
    return 1;
}

CSheetSprite* CSpriteSheet::FindSprite(const QByteArray& code) const
{
    for (CSheetSprite* sprite : sprites)
        if (sprite->code == code)
            return sprite;
    return nullptr;
}

bool CSpriteSheet::HasDesignerSprites() const
{
    for (const CSheetSprite* sprite : sprites)
        if (sprite->IsDesignerSprite())
            return true;
    return false;
}
