#include "sheets/SheetRecoveryFile.h"

#include "sheets/DesignerSheetFile.h"
#include "sheets/SheetFileWriter.h"
#include "support/io/FieldLine.h"
#include "support/io/LineHelpers.h"
#include "support/io/TextFile.h"

#include <cfloat>
#include <cmath>
#include <vector>

namespace {

void Number(QByteArray& out, int64_t value)
{
    out += QByteArray::number(value);
    out += "\r\n";
}

int32_t ReadNumber(CTextReader& file)
{
    QByteArray line;
    ReadFieldLine(file, line);
    return ParseDecimalInt(line);
}

} // namespace

QByteArray SheetRecoveryBytes(const QByteArray& title, const CTaggedList<CDesignerSprite>& sprites,
                              const CTaggedList<CSpriteAnimation>& animations)
{
    // The title line as the sheet file writes it.
    QByteArray out = SheetFileBytes(title, {});
    const SheetFileRecords records = SheetFileRecordsOf(sprites);
    Number(out, int64_t(records.sprites.size()));
    for (const SheetFileSprite& sprite : records.sprites)
        out += SheetFileStillBlock(sprite);
    Number(out, animations.Count());
    for (const CSpriteAnimation* animation : animations) {
        out += FloatText(animation->speed) + "\r\n";
        Number(out, animation->frames.Count());
        for (const CDesignerSprite* frame : animation->frames)
            Number(out, sprites.IndexOf(frame));
    }
    for (const CDesignerSprite* sprite : sprites) {
        Number(out, sprite->animated);
        Number(out, animations.IndexOf(sprite->animation));
    }
    return out;
}

bool ReadSheetRecovery(const QByteArray& bytes, QByteArray& title, CTaggedList<CDesignerSprite>& sprites,
                       CTaggedList<CSpriteAnimation>& animations)
{
    CTextReader file;
    file.OpenBytes(bytes);
    if (!ReadFieldLine(file, title))
        return false;
    const int32_t count = ReadNumber(file);
    for (int32_t i = 0; i < count && !file.AtEnd(); ++i)
        if (!ReadDesignerSheetBlock(file, sprites, animations))
            break;
    std::vector<CDesignerSprite*> listed;
    for (CDesignerSprite* sprite : sprites)
        listed.push_back(sprite);
    const int32_t animationCount = ReadNumber(file);
    for (int32_t i = 0; i < animationCount && !file.AtEnd(); ++i) {
        auto animation = std::make_unique<CSpriteAnimation>();
        QByteArray line;
        ReadFieldLine(file, line);
        const float speed = ParseDecimalFloat(line);
        animation->speed = std::isfinite(speed) ? speed : std::copysign(FLT_MAX, speed);
        const int32_t frames = ReadNumber(file);
        for (int32_t k = 0; k < frames && !file.AtEnd(); ++k) {
            const int32_t at = ReadNumber(file);
            if (at >= 0 && size_t(at) < listed.size())
                animation->frames.Append(listed[size_t(at)], "sprite");
        }
        animations.Append(std::move(animation), "Anim");
    }
    for (CDesignerSprite* sprite : listed) {
        if (file.AtEnd())
            break;
        sprite->animated = ReadNumber(file);
        const int32_t at = ReadNumber(file);
        sprite->animation = at >= 0 && at < animations.Count() ? animations.At(at) : nullptr;
    }
    return true;
}
