#include "sheets/DesignerSheetFile.h"

#include "support/io/FieldLine.h"
#include "support/io/LineHelpers.h"
#include "support/io/TextFile.h"

#include <cfloat>
#include <cmath>
#include <map>

namespace {

// A line, or an empty one at the end of the file.
QByteArray Line(CTextReader& file)
{
    QByteArray line;
    ReadFieldLine(file, line);
    return line;
}

// A number line; 0 at the end of the file.
int32_t Number(CTextReader& file)
{
    return ParseDecimalInt(Line(file));
}

float Speed(CTextReader& file)
{
    // Held finite, so that a saved file always has a number on this line.
    const float speed = ParseDecimalFloat(Line(file));
    return std::isfinite(speed) ? speed : std::copysign(FLT_MAX, speed);
}

void ReadFrame(CTextReader& file, CDesignerSprite& sprite)
{
    const int32_t x = Number(file);
    const int32_t y = Number(file);
    const int32_t w = Number(file);
    sprite.SetRead(x, y, w, Number(file));
}

void ReadAnimation(CTextReader& file, CDesignerSprite& sprite, CTaggedList<CDesignerSprite>& sprites,
                   CTaggedList<CSpriteAnimation>& animations)
{
    auto animation = std::make_unique<CSpriteAnimation>();
    const int32_t count = Number(file);
    animation->speed = Speed(file);
    CDesignerSprite* frame = &sprite;
    for (int32_t i = 0; i < count; ++i) {
        if (i > 0) {
            if (file.AtEnd())
                break;
            auto next = std::make_unique<CDesignerSprite>();
            next->code = sprite.code + '_' + QByteArray::number(i + 1);
            frame = sprites.Append(std::move(next), "sprite");
        }
        ReadFrame(file, *frame);
        animation->AddFrame(frame);
    }
    sprite.animated = 1;
    sprite.animation = animation.get();
    animations.Append(std::move(animation), "Anim");
}

} // namespace

bool ReadDesignerSheetBlock(CTextReader& file, CTaggedList<CDesignerSprite>& sprites,
                            CTaggedList<CSpriteAnimation>& animations)
{
    auto sprite = std::make_unique<CDesignerSprite>();
    sprite->background = 0;
    QByteArray line;
    if (!ReadFieldLine(file, line))
        return false;
    for (;;) {
        if (LineHas(line, "[ENTITY]"))
            sprite->entity = 1;
        else if (LineHas(line, "[BACKGROUND]"))
            sprite->background = 1;
        else
            break;
        if (!ReadFieldLine(file, line))
            return false;
    }
    sprite->code = FieldBytes(line, kCodeLength);

    line = Line(file);
    if (LineHas(line, "ANIMATED")) {
        ReadAnimation(file, *sprite, sprites, animations);
    } else {
        // That line was already x of a still sprite.
        const int32_t x = ParseDecimalInt(line);
        const int32_t y = Number(file);
        const int32_t w = Number(file);
        sprite->SetRead(x, y, w, Number(file));
        const qint64 position = file.Tell();
        if (LineHas(Line(file), "[FILL]"))
            sprite->fill = 1;
        else
            file.Seek(position);
    }
    sprite->maskCode = FieldBytes(Line(file), kCodeLength);
    line = Line(file);
    if (LineHas(line, "TRUE"))
        sprite->onTop = 1;
    else if (LineHas(line, "FALSE"))
        sprite->onTop = 0;
    // A block the end of the file cut short keeps a new sprite's alpha, not 0.
    if (ReadFieldLine(file, line))
        sprite->alpha = uint32_t(ParseDecimalInt(line));
    Line(file); // the end line, not looked at
    sprites.Append(std::move(sprite), "sprite");
    return true;
}

bool ReadDesignerSheet(const QByteArray& bytes, QByteArray& title, CTaggedList<CDesignerSprite>& sprites,
                       CTaggedList<CSpriteAnimation>& animations)
{
    CTextReader file;
    file.OpenBytes(bytes);
    if (!ReadFieldLine(file, title))
        return false;
    while (!file.AtEnd())
        if (!ReadDesignerSheetBlock(file, sprites, animations))
            break;
    return true;
}

SheetFileRecords SheetFileRecordsOf(const CTaggedList<CDesignerSprite>& sprites)
{
    SheetFileRecords records;
    std::map<const CSpriteAnimation*, const SheetFileAnimation*> written;
    for (const CDesignerSprite* sprite : sprites) {
        SheetFileSprite record;
        record.code = sprite->code;
        record.rect = sprite->FileFrame();
        record.entity = sprite->entity;
        record.background = sprite->background;
        record.fill = sprite->fill;
        record.onTop = sprite->onTop;
        record.mask = sprite->maskCode;
        record.alpha = sprite->alpha;
        record.animated = sprite->animated;
        if (const CSpriteAnimation* animation = sprite->animation) {
            const SheetFileAnimation*& made = written[animation];
            if (!made) {
                SheetFileAnimation& a = records.animations.emplace_back();
                a.speed = animation->speed;
                for (const CDesignerSprite* frame : animation->frames)
                    a.frames.push_back(frame->FileFrame());
                if (!animation->frames.IsEmpty())
                    a.firstFrameCode = animation->frames.Head()->code;
                made = &a;
            }
            record.animation = made;
        }
        records.sprites.push_back(record);
    }
    return records;
}
