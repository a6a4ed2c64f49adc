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
#include <utility>

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
    std::vector<PaletteCopy> copies;
    copies.reserve(m_paletteCopies.size());
    auto copyOf = [&](const CPalette& palette, const CPlacedSprite& item) {
        if (!item.sprite || !item.sheet || !item.sheet->surface || !item.sprite->FirstRect())
            return;
        if (!item.sprite->background && !item.sprite->entity)
            return;
        const CSurface& sheet = *item.sheet->surface;
        // A highlighted item's frame (the chosen fill tile's) is drawn on the
        // back buffer, one pixel wide in double size too.
        copies.push_back(PaletteCopy{&sheet, sheet.Image().cacheKey(), sheet.KeyValue(), sheet.colourKeyed,
                                     *item.sprite->FirstRect(), Near(palette.ItemLeft(item)),
                                     Near(palette.ItemTop(item))});
    };
    if (spritePalette) {
        const int displayWidth = display ? display->width : work->Width();
        for (const CPlacedSprite* item : spritePalette->items) {
            const int64_t left = spritePalette->ItemLeft(*item);
            if (left + item->Width() < 0 || left > displayWidth)
                continue;
            copyOf(*spritePalette, *item);
        }
    }
    if (fillPalette) {
        const int lowest = doubleSize ? 220 : 200;
        for (const CPlacedSprite* item : fillPalette->items) {
            const int64_t top = fillPalette->ItemTop(*item);
            if (top + item->Height() < 0 || top > lowest)
                continue;
            copyOf(*fillPalette, *item);
        }
    }
    if (copies == m_paletteCopies && std::as_const(*work).Image().cacheKey() == m_workAfterPalettes)
        return;
    work->FillRect(Rgb(200, 200, 200), 350, 0, work->Width(), work->Height());
    work->FillRect(Rgb(200, 200, 200), 0, 270, 350, work->Height());
    const CRect whole{0, 0, work->Width(), work->Height()};
    for (const PaletteCopy& copy : copies)
        CopySurface(*copy.sheet, copy.rect, *work, copy.left, copy.top, 1, whole);
    m_paletteCopies = std::move(copies);
    m_workAfterPalettes = std::as_const(*work).Image().cacheKey();
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
