// The screen designer's frame: the palettes onto the work surface over its
// grey area, the work surface onto the white back buffer scaled, then the
// frames, separator lines, status texts and the selection on top.
#include "display/Display.h"
#include "display/LineBatch.h"
#include "screens/ScreenDesigner.h"
#include "sheets/SheetLibrary.h"
#include "sheets/SpriteSheet.h"
#include "support/io/TextCodec.h"

#include <algorithm>

namespace {

constexpr uint32_t kBlack = 0;

// Holds a coordinate just outside a surface of that size, which draws the same
// pixels for a line or frame without overflowing.
int Held(int64_t v, int size)
{
    return int(std::clamp<int64_t>(v, -1, int64_t(size) + 1));
}

// Holds a position for a copy far enough out that the copy is cut the same,
// without overflowing on a sprite from a hand-made sheet.
int Near(int64_t v)
{
    return int(std::clamp<int64_t>(v, -(int64_t(1) << 24), int64_t(1) << 24));
}

} // namespace

void CScreenDesigner::draw(CDisplay* target)
{
    if (!target || !target->IsReady() || !work)
        return;
    const int s = Scale();
    work->FillRect(Rgb(200, 200, 200), 350, 0, work->Width(), work->Height());
    work->FillRect(Rgb(200, 200, 200), 0, 270, 350, work->Height());
    DrawPalettes();

    // The frames and separator lines go over the scaled work surface as its
    // rows are written.
    CLineBatch lines;
    if (chosenFill && fillPalette) {
        const int64_t left = fillPalette->ItemLeft(*chosenFill);
        const int64_t top = fillPalette->ItemTop(*chosenFill);
        lines.Outline(Held(left * s, target->width), Held(top * s, target->height),
                      Held((left + chosenFill->Width()) * s, target->width),
                      Held((top + chosenFill->Height()) * s, target->height), kBlack);
    }
    lines.Line(350 * s, 0, 350 * s, 270 * s, kBlack);
    lines.Line(0, 270 * s, 350 * s, 270 * s, kBlack);
    lines.Outline(15 * s, 15 * s, 335 * s, 255 * s, kBlack);
    target->DrawSurfaceOverClear(work.get(), s, target->BackBuffer()->ConvertColour(Rgb(255, 255, 255)), &lines);
    DrawStatus();
    if (selection.active)
        target->Outline(Held(selection.rect.left, target->width), Held(selection.rect.top, target->height),
                        Held(selection.rect.right, target->width), Held(selection.rect.bottom, target->height),
                        kBlack);
}

void CScreenDesigner::DrawPalettes()
{
    const CRect whole{0, 0, work->Width(), work->Height()};
    auto drawItem = [&](const CPalette& palette, CPlacedSprite& item) {
        if (!item.sprite || !item.sheet || !item.sheet->surface || !item.sprite->FirstRect())
            return;
        if (!item.sprite->background && !item.sprite->entity)
            return;
        const int64_t left = palette.ItemLeft(item);
        const int64_t top = palette.ItemTop(item);
        // A highlighted item's frame (the chosen fill tile's) is drawn on the
        // back buffer, one pixel wide in double size too.
        CopySurface(*item.sheet->surface, *item.sprite->FirstRect(), *work, Near(left), Near(top), 1, whole);
    };
    if (spritePalette) {
        const int displayWidth = display ? display->width : work->Width();
        for (CPlacedSprite* item : spritePalette->items) {
            const int64_t left = spritePalette->ItemLeft(*item);
            if (left + item->Width() < 0 || left > displayWidth)
                continue;
            drawItem(*spritePalette, *item);
        }
    }
    if (fillPalette) {
        const int lowest = doubleSize ? 220 : 200;
        for (CPlacedSprite* item : fillPalette->items) {
            const int64_t top = fillPalette->ItemTop(*item);
            if (top + item->Height() < 0 || top > lowest)
                continue;
            drawItem(*fillPalette, *item);
        }
    }
}

void CScreenDesigner::DrawStatus()
{
    // The double-size positions; normal size moves them by x - 365 and
    // y * 10 / 13 - 150, except the sheet's two.
    auto at = [this](int x, int y) {
        return doubleSize ? std::pair{x, y} : std::pair{x - 365, y * 10 / 13 - 150};
    };
    const Colour grey = Rgb(200, 200, 200);
    const Colour black = Rgb(0, 0, 0);
    auto text = [&](const QString& line, std::pair<int, int> where) {
        display->Text(nullptr, line, where.first, where.second, grey, black);
    };
    text(QStringLiteral("x = %1,  y = %2").arg(worldX).arg(worldY), at(720, 470));
    text(QStringLiteral("Map Cell: %1,%2").arg(cellX).arg(cellY), at(720, 490));
    text(snapToWidth ? QStringLiteral("Snap to width ON ") : QStringLiteral("Snap to width OFF"), at(720, 510));
    text(QStringLiteral("Sheet: "), doubleSize ? std::pair{720, 530} : std::pair{5, 365});
    const CSpriteSheet* sheet = library ? library->selectedSheet : nullptr;
    const QString title = sheet && sheet->title.size() >= 2 ? DisplayText(sheet->title) : QStringLiteral("<no name>");
    text(title, doubleSize ? std::pair{770, 530} : std::pair{55, 365});
}

void CScreenDesigner::DrawCarried(int x, int y)
{
    if (!carried || !carried->sheet || !carried->sheet->surface || !carried->sprite || !carried->sprite->FirstRect())
        return;
    const int s = Scale();
    const int64_t left = int64_t(Snap(x)) - int64_t(carried->Width()) * s;
    const int64_t top = int64_t(Snap(y)) - int64_t(carried->Height()) * s;
    display->DrawSurface(Near(left), Near(top), carried->sheet->surface.get(),
                         carried->sprite->FirstRect(), s);
}
