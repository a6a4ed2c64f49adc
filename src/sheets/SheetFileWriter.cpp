#include "sheets/SheetFileWriter.h"

#include "support/io/FieldLine.h"
#include "support/io/LineHelpers.h"
#include "support/io/TextCodec.h"
#include "support/io/TextFile.h"
#include "support/paths/LogicalPath.h"
#include "support/paths/QuestPaths.h"
#include "support/ui/MessagePort.h"

namespace {

void Line(QByteArray& out, const QByteArray& text)
{
    out += text;
    out += "\r\n";
}

void Number(QByteArray& out, int32_t value)
{
    Line(out, QByteArray::number(value));
}

void Frame(QByteArray& out, const SheetFileFrame& f)
{
    Number(out, f.x);
    Number(out, f.y);
    Number(out, f.w);
    Number(out, f.h);
}

void Block(QByteArray& out, const SheetFileSprite& sprite, const SheetFileAnimation* animation)
{
    if (sprite.entity)
        Line(out, "[ENTITY]");
    if (sprite.background)
        Line(out, "[BACKGROUND]");
    Line(out, FieldBytes(sprite.code, kCodeLength));
    if (animation) {
        Line(out, "ANIMATED");
        Number(out, int32_t(animation->frames.size()));
        Line(out, FloatText(animation->speed));
        for (const SheetFileFrame& f : animation->frames)
            Frame(out, f);
    } else {
        Frame(out, sprite.rect);
        if (sprite.fill)
            Line(out, "[FILL]");
    }
    Line(out, FieldBytes(sprite.mask, kCodeLength));
    Line(out, sprite.onTop ? "TRUE" : "FALSE");
    Number(out, int32_t(sprite.alpha));
    Line(out, "[EE]");
}

} // namespace

QByteArray SheetFileBytes(const QString& title, const std::vector<SheetFileSprite>& sprites)
{
    return SheetFileBytes(TextFieldBytes(title, kSheetTitleLength), sprites);
}

QByteArray SheetFileBytes(const QByteArray& title, const std::vector<SheetFileSprite>& sprites)
{
    QByteArray out;
    // Cut between characters: a title typed in UTF-8 never ends in half of one.
    Line(out, CutBytes(OneLine(title), kSheetTitleLength));
    for (const SheetFileSprite& sprite : sprites) {
        if (sprite.animated && sprite.animation) {
            const SheetFileAnimation* a = sprite.animation;
            // Each animation is written once, by the sprite that is its first frame.
            if (!a->frames.empty() && a->firstFrameCode == sprite.code)
                Block(out, sprite, a);
            continue;
        }
        Block(out, sprite, nullptr);
    }
    return out;
}

QByteArray SheetFileStillBlock(const SheetFileSprite& sprite)
{
    QByteArray out;
    Block(out, sprite, nullptr);
    return out;
}

int WriteSheetFile(const QString& sheetName, const QString& title, const std::vector<SheetFileSprite>& sprites,
                   CMessagePort& ui)
{
    return WriteSheetFile(sheetName, EncodeText(title), sprites, ui);
}

int WriteSheetFile(const QString& sheetName, const QByteArray& title, const std::vector<SheetFileSprite>& sprites,
                   CMessagePort& ui)
{
    if (sprites.empty())
        return 0;
    const QString path = SheetFilePath(sheetName);
    CTextWriter file;
    if (!IsSafeFileName(sheetName) || !file.Open(path)) {
        ui.MessageBox(QStringLiteral("Couldn't open SPT file for writing"), path);
        return 0;
    }
    file.Raw(SheetFileBytes(title, sprites));
    if (!file.Commit()) {
        ui.MessageBox(QStringLiteral("Couldn't open SPT file for writing"), path);
        return 0;
    }
    return 1;
}
