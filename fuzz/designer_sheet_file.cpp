// A sheet file as the sheet designer reads it: its own reading over bytes,
// then the designer open on it, drawn, pointed at and saved. The model read
// must hold together (every frame a sprite of the list, every animated sprite
// tied to an animation of the list), and a file the designer saved must read
// back and save the same.
#include "FuzzBase.h"

#include "common/VirtualKeys.h"
#include "display/Display.h"
#include "sheets/DesignerSheetFile.h"
#include "sheets/SheetDesigner.h"

// The designer draws its status lines with the system's fonts; fontconfig's
// caches live until the process ends and are no finding of ours.
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libfontconfig.so\n";
}

namespace {
void CheckModel(const CTaggedList<CDesignerSprite>& sprites, const CTaggedList<CSpriteAnimation>& animations)
{
    for (const CSpriteAnimation* animation : animations)
        for (const CDesignerSprite* frame : animation->frames) {
            FuzzCheck(sprites.Contains(frame), "every frame is a sprite of the list");
            FuzzCheck(frame->animated && frame->animation == animation, "every frame is tied to its animation");
        }
    for (const CDesignerSprite* sprite : sprites)
        if (sprite->animation)
            FuzzCheck(animations.Contains(sprite->animation), "every animation a sprite names is in the list");
}

QByteArray Saved(const QByteArray& bytes)
{
    QByteArray title;
    CTaggedList<CDesignerSprite> sprites;
    CTaggedList<CSpriteAnimation> animations;
    ReadDesignerSheet(bytes, title, sprites, animations);
    CheckModel(sprites, animations);
    const SheetFileRecords records = SheetFileRecordsOf(sprites);
    const QByteArray saved = SheetFileBytes(title, records.sprites);
    animations.Clear();
    return saved;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzSetUp();
    static CFuzzUi ui;
    static CDisplay* display = [] {
        auto* d = new CDisplay;
        d->Initialise(nullptr, 1024, 768);
        FuzzWriteSampleSheet(QStringLiteral("fuzz")); // its bitmap stays; the sheet file is the input
        return d;
    }();
    const QByteArray input(reinterpret_cast<const char*>(data), qsizetype(size));

    const QByteArray once = Saved(input);
    FuzzCheck(Saved(once) == once, "a saved sheet file reads back and saves the same");

    FuzzWrite(QStringLiteral("sprite sheets\\fuzz.spt"), input);
    CSheetDesigner designer(ui, ui, ui);
    designer.display = display;
    designer.Open(QStringLiteral("fuzz"));
    CheckModel(designer.sprites, designer.animations);
    designer.draw(display);
    designer.onLButtonDown(0, 40, 40);
    designer.onMouseMove(0, 100, 90);
    designer.onLButtonUp(0, 100, 90);
    designer.onKeyDown(VK_RIGHT, 1, 0);
    designer.onMouseMove(0, 20, 20);
    designer.onRButtonDown(0, 20, 20); // every dialog is cancelled
    designer.SpriteLines();
    if (CDesignerSprite* first = designer.sprites.Head())
        designer.DeleteSprite(first);
    CheckModel(designer.sprites, designer.animations);
    designer.draw(display);
    designer.Save();
    return 0;
}
