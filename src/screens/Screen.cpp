#include "screens/Screen.h"

#include "display/Display.h"
#include "screens/PreviewWriter.h"
#include "screens/ScreenFile.h"
#include "screens/ScreenScript.h"
#include "sheets/SheetLibrary.h"
#include "support/io/TextFile.h"
#include "support/paths/Globals.h"
#include "support/paths/QuestPaths.h"
#include "support/ui/MessagePort.h"

#include <algorithm>
#include <cstdlib>

namespace {

QPen DashedPen(const QColor& colour)
{
    QPen pen(colour);
    pen.setWidth(1);
    pen.setCosmetic(true);
    // The long dash of the system's dashed one-pixel pen.
    pen.setDashPattern({18, 6});
    return pen;
}

} // namespace

CScreen::CScreen(CDisplay* display, CMessagePort* ui, const CSheetLibrary* sheetLibrary)
    : library(sheetLibrary), m_display(display), m_ui(ui)
{
}

CScreen::~CScreen()
{
    // Hole records point into the fills.
    holes.Clear();
    fills.Clear();
    placedSprites.Clear();
}

HResult CScreen::Create()
{
    redDashedPen = DashedPen(QColor(255, 0, 0));
    greenDashedPen = DashedPen(QColor(0, 255, 0));
    placedSprites.Clear();
    holes.Clear();
    fills.Clear();
    modified = 0;
    if (!m_display)
        return E_POINTER;
    std::unique_ptr<CSurface> surface;
    const HResult result = m_display->CreateSurface(&surface, kScreenSurfaceWidth, kScreenSurfaceHeight);
    if (result != S_OK)
        return result;
    surface->SetColourKey(kKeyGreen);
    preview = std::move(surface);
    return S_OK;
}

QString CScreen::BasePath(int column, int row)
{
    return ScreenBasePath(column, row);
}

QString CScreen::BasePath() const
{
    return BasePath(mapCellX, mapCellY);
}

QString CScreen::FilePath() const
{
    return BasePath() + QStringLiteral(".lnd");
}

int CScreen::Load()
{
    holes.Clear();
    fills.Clear();
    placedSprites.Clear();
    CTextReader file;
    const bool opened = file.Open(FilePath());
    fileEnd = opened ? ReadScreenFile(file, *this) : ScreenFileEnd();
    modified = 0;
    return opened ? 1 : 0;
}

int CScreen::Save()
{
    const QString path = FilePath();
    CTextWriter file;
    if (!file.Open(path)) {
        if (m_ui)
            m_ui->MessageBox(QStringLiteral("Couldn't Open LND file for saving"), path);
        return 0;
    }
    // The name the file gives an unnamed entity is its name from now on.
    for (CPlacedSprite* placed : placedSprites)
        if (placed->IsEntity() && placed->entityName.isEmpty())
            placed->entityName = "*";
    file.Raw(ScreenFileBytes(*this));
    if (!file.Commit()) {
        if (m_ui)
            m_ui->MessageBox(QStringLiteral("Couldn't Open LND file for saving"), path);
        return 0;
    }
    // Without a display there is no picture to write; one that could not be
    // written has had its message, and the save as a whole failed.
    const bool previewDue = preview && m_ui;
    const bool previewWritten = previewDue && WritePreviewFile(*preview, BasePath(), m_display, *m_ui);
    if (previewWritten)
        EnsureScreenScript(mapCellX, mapCellY);
    if (previewSaved)
        previewSaved(mapCellX, mapCellY, previewWritten);
    if (previewDue && !previewWritten)
        return 0;
    modified = 0;
    return 1;
}

void CScreen::AddPlacedSprite(const CPlacedSprite& item, int pointerX, int pointerY)
{
    if (g_doubleSize) {
        pointerX /= 2;
        pointerY /= 2;
    }
    auto copy = item.Copy();
    copy->x = pointerX - kScreenMargin - item.Width();
    copy->y = pointerY - kScreenMargin - item.Height();
    placedSprites.Append(std::move(copy), "sprite");
    Render();
    modified = 1;
}

void CScreen::AddFill(const CPlacedSprite& fillSprite, int x1, int y1, int x2, int y2)
{
    x1 = std::max(x1, 0);
    y1 = std::max(y1, 0);
    x2 = std::min(x2, 640);
    y2 = std::min(y2, 480);
    if (g_doubleSize) {
        x1 /= 2;
        y1 /= 2;
        x2 /= 2;
        y2 /= 2;
    }
    if (std::abs(int64_t(x2) - x1) < 2 || std::abs(int64_t(y2) - y1) < 2)
        return;
    auto fill = std::make_unique<CFill>();
    fill->tile.code = fillSprite.code;
    fill->tile.sprite = fillSprite.sprite;
    fill->tile.sheet = fillSprite.sheet;
    fill->SetRect(x1, y1, x2, y2);
    CFill* raw = fills.Append(std::move(fill), "Fill");
    AddHoleRecord(raw->tile.code, CRect{raw->left, raw->top, raw->right, raw->bottom}, raw);
    Render();
    modified = 1;
}

void CScreen::AddHoleRecord(const QByteArray& code, const CRect& rect, CFill* fill)
{
    const int32_t kind = HoleKind(code);
    if (kind == 0)
        return;
    auto hole = std::make_unique<CHoleRecord>();
    hole->left = rect.left;
    hole->top = rect.top;
    hole->right = rect.right;
    hole->bottom = rect.bottom;
    hole->kind = kind;
    hole->fill = fill;
    holes.Append(std::move(hole), "hole");
}

void CScreen::RemoveHoleOfFill(const CFill* fill)
{
    for (CHoleRecord* hole : holes) {
        if (hole->fill == fill) {
            holes.Remove(hole);
            return;
        }
    }
}

void CScreen::RemovePlacedSprite(CPlacedSprite* element)
{
    placedSprites.Remove(element);
    Render();
    modified = 1;
}

void CScreen::RemoveFill(CFill* fill)
{
    RemoveHoleOfFill(fill);
    fills.Remove(fill);
    Render();
    modified = 1;
}

void CScreen::RemoveAll()
{
    holes.Clear();
    fills.Clear();
    placedSprites.Clear();
    Render();
    modified = 1;
}

void CScreen::Resolve(CPlacedSprite& placed) const
{
    placed.sprite = library ? library->FindSprite(placed.code) : nullptr;
    placed.sheet = library ? library->FindSheetOf(placed.sprite) : nullptr;
}

CPlacedSprite* CScreen::HitTest(int x, int y, int offsetX, int offsetY) const
{
    if (g_doubleSize) {
        x /= 2;
        y /= 2;
    }
    return placedSprites.FindFromTail([&](const CPlacedSprite* p) {
        if (!p->sprite)
            return false;
        const int64_t left = int64_t(p->x) + offsetX;
        const int64_t top = int64_t(p->y) + offsetY;
        return left < x && x < left + p->Width() && top < y && y < top + p->Height();
    });
}
