// The screen designer's mouse and keyboard: carrying and stamping sprites,
// picking from the palettes, selecting placed sprites, dragging fills, the
// keyboard repeat, and stepping through sheets, palettes and cells.
#include "common/VirtualKeys.h"
#include "display/Display.h"
#include "screens/ScreenDesigner.h"
#include "screens/ScreenDesignerPort.h"
#include "sheets/SheetLibrary.h"
#include "sheets/SpriteSheet.h"
#include "support/io/TextCodec.h"

#include <algorithm>

namespace {
int TileStep(const CPlacedSprite* tile, int scale)
{
    return tile ? tile->Width() * scale : 0;
}
int TileStepY(const CPlacedSprite* tile, int scale)
{
    return tile ? tile->Height() * scale : 0;
}
} // namespace

bool CScreenDesigner::OverlapsScreen(int64_t left, int64_t top, int width, int height) const
{
    const int s = Scale();
    const int64_t m = 15 * s;
    const int64_t w = int64_t(width) * s;
    const int64_t h = int64_t(height) * s;
    return m - w < left && left < 640 / (3 - s) + m && m - h < top && top < 480 / (3 - s) + m;
}

void CScreenDesigner::UpdateWorldPosition()
{
    if (doubleSize) {
        worldX = cellX * 320 + pointerX / 2 - 15;
        worldY = cellY * 240 + pointerY / 2 - 15;
    } else {
        worldX = cellX * 320 - 15 + pointerX;
        worldY = cellY * 240 - 15 + pointerY;
    }
}

void CScreenDesigner::onMouseMove(uint32_t flags, int x, int y)
{
    (void)flags;
    pointerX = x;
    pointerY = y;
    UpdateWorldPosition();
    if (!display || !display->IsReady())
        return;
    draw(display);
    if (fillDrag.running) {
        const int s = Scale();
        const int endX = Snap(x, TileStep(chosenFill, s));
        const int endY = Snap(y, TileStepY(chosenFill, s));
        display->Outline(std::min(fillDrag.startX, endX), std::min(fillDrag.startY, endY),
                         std::max(fillDrag.startX, endX), std::max(fillDrag.startY, endY), 0);
    }
    if (carried)
        DrawCarried(x, y);
    display->Present();
}

void CScreenDesigner::onLButtonDown(uint32_t flags, int x, int y)
{
    (void)flags;
    const int s = Scale();
    // A fill tile to draw fills with.
    if (x > 350 * s && fillPalette) {
        if (CPlacedSprite* tile = fillPalette->ItemAt(x / s, y / s)) {
            if (chosenFill)
                chosenFill->highlighted = 0;
            chosenFill = tile;
            chosenFill->highlighted = 1;
            DrawAndPresent();
            return;
        }
    }
    // Stamping the carried sprite, partly over the screen's edge too.
    if (carried && current) {
        const int64_t left = int64_t(Snap(x)) - int64_t(carried->Width()) * s;
        const int64_t top = int64_t(Snap(y)) - int64_t(carried->Height()) * s;
        if (OverlapsScreen(left, top, carried->Width(), carried->Height())) {
            const ScreenContent before = ContentOf(*current);
            current->AddPlacedSprite(*carried, Snap(x), Snap(y));
            Record(QStringLiteral("Stamp ") + DisplayBytes(carried->code), before);
            repeat.spritePlaced = 1;
            Compose();
            DrawAndPresent();
            return;
        }
    }
    // A sprite picked from the strip.
    if (y > 277 * s && !fillDrag.running && spritePalette) {
        carried = spritePalette->ItemAt(x / s, y / s);
        if (carried) {
            if (display && display->IsReady()) {
                draw(display);
                DrawCarried(x, y);
                display->Present();
            }
            return;
        }
    }
    if (0 < x && x < 335 * s && 0 < y && y < 255 * s && current)
        PickAt(x, y);
}

void CScreenDesigner::PickAt(int x, int y)
{
    const int s = Scale();
    CPlacedSprite* placed = current->HitTest(x, y, 15, 15);
    if (placed) {
        const int offset = 15 * s;
        selection.active = 1;
        selection.placed = placed;
        selection.rect = CRect{placed->x * s + offset, placed->y * s + offset,
                               (placed->x + placed->Width()) * s + offset, (placed->y + placed->Height()) * s + offset};
    } else {
        selection = Selection();
    }
    DrawAndPresent();
    if (placed && placed->sprite && placed->sprite->entity) {
        // A name typed there is an edit of its own, made of every letter
        // typed in one visit of the field.
        m_namedEntity = placed;
        m_nameBefore = placed->entityName;
        m_windowVisit = -1;
        ++m_nameEdit;
        m_port.SetEntity(placed, cellX * 320, cellY * 240, DisplayBytes(placed->code),
                         [this, placed](int visit) { EntityNameChanged(placed, visit); });
        m_port.ShowEntityWindow(true);
        m_port.FocusMainWindow();
        return;
    }
    // The window never keeps an entity that is not selected.
    m_namedEntity = nullptr;
    m_port.SetEntity(nullptr, 0, 0, QString(), nullptr);
    m_port.ShowEntityWindow(false);
}

void CScreenDesigner::onRButtonDown(uint32_t flags, int x, int y)
{
    (void)flags;
    if (carried) {
        carried = nullptr;
        DrawAndPresent();
    }
    const int s = Scale();
    if (chosenFill && !fillDrag.running && 0 < x && x < 335 * s && 0 < y && y < 255 * s) {
        fillDrag.running = 1;
        fillDrag.startX = Snap(x, TileStep(chosenFill, s));
        fillDrag.startY = Snap(y, TileStepY(chosenFill, s));
    }
}

void CScreenDesigner::onRButtonUp(uint32_t flags, int x, int y)
{
    (void)flags;
    if (fillDrag.running && chosenFill && current) {
        const int s = Scale();
        const int b = doubleSize ? 14 : -1;
        const int w = doubleSize ? 640 : 320;
        const int h = doubleSize ? 480 : 240;
        if (b <= x && x <= b + w + 32 && b <= y && y <= b + h + 32) {
            const int m = 15 * s;
            const ScreenContent before = ContentOf(*current);
            current->AddFill(*chosenFill, fillDrag.startX - m, fillDrag.startY - m,
                             Snap(x, TileStep(chosenFill, s)) - m, Snap(y, TileStepY(chosenFill, s)) - m);
            Record(QStringLiteral("Fill ") + DisplayBytes(chosenFill->code), before);
            Compose();
            fillDrag = FillDrag();
        }
    }
    DrawAndPresent();
}

void CScreenDesigner::onKeyUp(uint32_t character, uint32_t repeatCount, uint32_t flags)
{
    (void)repeatCount;
    (void)flags;
    if (character == VK_CONTROL)
        ctrlHeld = 0;
}

void CScreenDesigner::onKeyDown(uint32_t character, uint32_t repeatCount, uint32_t flags)
{
    (void)repeatCount;
    (void)flags;
    // A letter or digit with Ctrl held is a key the accelerator table lacks
    // (Ctrl+S, Ctrl+W): it never acts as the bare key.
    const bool letterOrDigit = (character >= 'A' && character <= 'Z') || (character >= '0' && character <= '9');
    if (ctrlHeld && letterOrDigit) {
        DrawAndPresent();
        return;
    }
    switch (character) {
    case VK_CONTROL:
        ctrlHeld = 1;
        break;
    case 'R':
        repeat.armed = 1;
        break;
    case 'N':
    case 'E':
    case 'S':
    case 'W':
        repeat.direction = character == 'N' ? 0 : character == 'E' ? 1 : character == 'S' ? 2 : 3;
        RunRepeat();
        break;
    case VK_DELETE:
        if (selection.active && selection.placed && current) {
            CPlacedSprite* placed = selection.placed;
            const ScreenContent before = ContentOf(*current);
            const QString text = QStringLiteral("Delete ") + DisplayBytes(placed->code);
            ForgetPlaced(placed);
            current->RemovePlacedSprite(placed);
            Record(text, before);
            Compose();
        }
        break;
    case VK_UP:
    case VK_DOWN:
        if (ctrlHeld) {
            GoToNeighbour(0, character == VK_UP ? -1 : 1);
        } else {
            SelectSheet(character == VK_UP ? -1 : 1);
            RebuildSpritePalette();
            carried = nullptr;
        }
        break;
    case VK_LEFT:
    case VK_RIGHT:
        if (ctrlHeld)
            GoToNeighbour(character == VK_LEFT ? -1 : 1, 0);
        else if (spritePalette)
            spritePalette->scroll += character == VK_RIGHT ? 40 : -40;
        break;
    case VK_PRIOR:
        CFillPalette::Scroll() += 40;
        break;
    case VK_NEXT:
        CFillPalette::Scroll() -= 40;
        break;
    default:
        if (character >= '0' && character <= '9')
            repeat.count = character == '0' ? 10 : int32_t(character - '0');
        break;
    }
    DrawAndPresent();
}

void CScreenDesigner::RunRepeat()
{
    if (!repeat.spritePlaced || !current || current->placedSprites.IsEmpty() || !repeat.armed)
        return;
    repeat.armed = 0;
    const CPlacedSprite model = *current->placedSprites.Tail();
    const int s = Scale();
    const int64_t w = model.Width();
    const int64_t h = model.Height();
    if (w <= 0 || h <= 0)
        return; // a sprite without a size has nowhere to step to
    int64_t cornerX = (model.x + w + 15) * s;
    int64_t cornerY = (model.y + h + 15) * s;
    const ScreenContent before = ContentOf(*current);
    for (int k = 0; k < repeat.count; ++k) {
        switch (repeat.direction) {
        case 0: cornerY -= h * s; break;
        case 1: cornerX += w * s; break;
        case 2: cornerY += h * s; break;
        default: cornerX -= w * s; break;
        }
        if (OverlapsScreen(cornerX - w * s, cornerY - h * s, int(w), int(h)))
            current->AddPlacedSprite(model, int(cornerX), int(cornerY));
    }
    // The whole run is one edit.
    Record(QStringLiteral("Repeat ") + DisplayBytes(model.code), before);
    Compose();
}
