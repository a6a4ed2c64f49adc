#include "screens/ScreenDesigner.h"

#include "display/Display.h"
#include "screens/ScreenDesignerPort.h"
#include "screens/ScreenHost.h"
#include "sheets/SheetLibrary.h"
#include "support/io/TextCodec.h"
#include "support/paths/Globals.h"
#include "support/paths/QuestPaths.h"
#include "support/platform/LaunchEditor.h"
#include "support/platform/Settings.h"
#include "support/ui/MessagePort.h"
#include "support/ui/WindowPort.h"

#include <algorithm>

namespace {
const QString kOptions = QStringLiteral("Options");
constexpr int kWorkWidth = 512;
constexpr int kWorkHeight = 384;
constexpr int kCompositeWidth = 350;
constexpr int kCompositeHeight = 270;
// Double size needs a screen at least this wide.
constexpr int kDoubleSizeScreenWidth = 900;
} // namespace

CScreenDesigner::CScreenDesigner(CMessagePort& messages, CWindowPort& window, CScreenDesignerPort& port,
                                 CScreenHost* host)
    : recovery([this] { return current ? ScreenFileBytes(*current) : QByteArray(); }), m_messages(messages),
      m_window(window), m_port(port), m_host(host)
{
    ReadSettings();
}

CScreenDesigner::~CScreenDesigner()
{
    // The screens and palettes borrow the library's sprites.
    for (auto& screen : screens)
        screen.reset();
    spritePalette.reset();
    fillPalette.reset();
    library.reset();
}

void CScreenDesigner::ReadSettings()
{
    stackAtBottom = ReadSetting(kOptions, QStringLiteral("Stack"), 1).toInt() != 0 ? 1 : 0;
    doubleSize = ReadSetting(kOptions, QStringLiteral("Zoom"), 1).toInt() != 0 ? 1 : 0;
    if (m_port.ScreenWidth() < kDoubleSizeScreenWidth)
        doubleSize = 0;
}

int CScreenDesigner::Snap(int v, int step) const
{
    const int s = Scale();
    int used = snapToWidth ? (step > 0 ? step : 8 * s) : 2 * s;
    if (used <= 0)
        used = 8 * s;
    // The smallest multiple of the step that is at least v, for negative v too.
    const int64_t quotient = v >= 0 ? (int64_t(v) + used - 1) / used : -(int64_t(-int64_t(v)) / used);
    return int(std::clamp<int64_t>(quotient * used - s, INT32_MIN, INT32_MAX));
}

void CScreenDesigner::OpenAtCell(int column, int row)
{
    g_doubleSize = doubleSize;
    cellX = column;
    cellY = row;
    repeat = Repeat();
    carried = nullptr;
    chosenFill = nullptr;
    fillDrag = FillDrag();
    selection = Selection();

    const bool canDraw = display && display->IsReady();
    work.reset();
    composite.reset();
    if (canDraw) {
        display->CreateSurface(&work, kWorkWidth, kWorkHeight);
        display->CreateSurface(&composite, kCompositeWidth, kCompositeHeight);
        for (CSurface* surface : {work.get(), composite.get()}) {
            if (surface) {
                surface->SetColourKey(kKeyGreen);
                surface->Fill(kKeyGreen);
            }
        }
    }

    for (auto& screen : screens)
        screen.reset();
    current = nullptr;
    spritePalette.reset();
    fillPalette.reset();
    library.reset();
    library = std::make_unique<CSheetLibrary>(display, m_messages);
    spritePalette = std::make_unique<CSpritePalette>();
    fillPalette = std::make_unique<CFillPalette>();
    SelectSheet(1);

    if (canDraw)
        display->Clear(0);
    RebuildSpritePalette();
    fillPalette->Build(*library);

    LoadScreens();

    m_window.SetMenu(kScreenMenu);
    m_port.ShowScrollBars(false);
    if (doubleSize)
        m_port.ResizeMainFrame(1024, 768);

    if (m_host)
        m_host->ReloadEntityList();
    if (doubleSize)
        m_port.CreateEntityWindow(740, 160);
    else
        m_port.CreateEntityWindow(470, 100);
    m_port.FocusMainWindow();
    OfferRecovery();
}

void CScreenDesigner::LoadScreens()
{
    // A screen's edits are its own: the history starts anew with each.
    undoStack.clear();
    recovery.Start(ScreenRecoveryPath(cellX, cellY));
    m_namedEntity = nullptr;
    current = nullptr;
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) {
            auto screen = std::make_unique<CScreen>(display, &m_messages, library.get());
            if (display && display->IsReady())
                screen->Create();
            screen->mapCellX = cellX - 1 + column;
            screen->mapCellY = cellY - 1 + row;
            // A neighbour off the map stays empty: there is no file to read.
            if (screen->mapCellX >= 0 && screen->mapCellX <= 255 && screen->mapCellY >= 0 && screen->mapCellY <= 255)
                screen->Load();
            screen->Render();
            screens[size_t(row * 3 + column)] = std::move(screen);
        }
    }
    current = Screen(1, 1);
    if (m_host)
        current->previewSaved = [host = m_host](int column, int row, bool previewWritten) {
            host->ScreenSaved(column, row, previewWritten);
        };
    Compose();
}

void CScreenDesigner::Compose()
{
    if (!composite || !work)
        return;
    const CRect whole{0, 0, composite->Width(), composite->Height()};
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) {
            const CScreen* screen = Screen(column, row);
            if (!screen || !screen->preview)
                continue;
            const CSurface& preview = *screen->preview;
            CopySurface(preview, CRect{0, 0, preview.Width(), preview.Height()}, *composite, column * 320 - 305,
                        row * 240 - 225, 1, whole);
            // The keyed copy left out the outlines drawn in the key colour.
            screen->DrawKeyColouredHoles(*composite, column * 320 - 305, row * 240 - 225);
        }
    }
    CopySurface(*composite, whole, *work, 0, 0, 1, CRect{0, 0, work->Width(), work->Height()});
}

void CScreenDesigner::RebuildSpritePalette()
{
    if (spritePalette)
        spritePalette->Build(library ? library->selectedSheet : nullptr, stackAtBottom != 0, doubleSize != 0);
}

void CScreenDesigner::SelectSheet(int step)
{
    if (!library || !spritePalette)
        return;
    library->SelectSheet(step, &spritePalette->scroll);
}

void CScreenDesigner::Refresh()
{
    if (current)
        current->Render();
    Compose();
    DrawAndPresent();
}

void CScreenDesigner::DrawAndPresent()
{
    if (!display || !display->IsReady())
        return;
    draw(display);
    display->Present();
}

bool CScreenDesigner::AskToSave()
{
    if (!current || !current->modified)
        return true;
    const int answer = m_messages.MessageBox(QStringLiteral("Save the current screen?"),
                                             QStringLiteral("Tessellmancery"), CMessagePort::ButtonsYesNoCancel);
    if (answer == CMessagePort::AnswerCancel)
        return false;
    // A screen that could not be saved keeps the designer where it is, so
    // that the edits are not lost on the way out.
    if (answer == CMessagePort::AnswerYes)
        return SaveCurrent();
    recovery.Discard();
    return true;
}

void CScreenDesigner::SaveScreen()
{
    if (!current)
        return;
    SaveCurrent();
    DrawAndPresent();
}

bool CScreenDesigner::BackToMap()
{
    if (!AskToSave())
        return false;
    m_port.CloseEntityWindow();
    m_port.ShowScrollBars(true);
    if (m_host)
        m_host->ReturnToMap();
    return true;
}

void CScreenDesigner::DeleteLastSprite()
{
    if (!current || current->placedSprites.IsEmpty())
        return;
    const ScreenContent before = ContentOf(*current);
    const QString text = QStringLiteral("Delete ") + DisplayBytes(current->placedSprites.Tail()->code);
    ForgetPlaced(current->placedSprites.Tail());
    current->RemovePlacedSprite(current->placedSprites.Tail());
    Record(text, before);
    Refresh();
}

void CScreenDesigner::DeleteLastFill()
{
    if (!current || current->fills.IsEmpty())
        return;
    const ScreenContent before = ContentOf(*current);
    const QString text = QStringLiteral("Delete fill ") + DisplayBytes(current->fills.Tail()->tile.code);
    current->RemoveFill(current->fills.Tail());
    Record(text, before);
    Refresh();
}

void CScreenDesigner::ClearScreen()
{
    if (!current)
        return;
    if (m_messages.MessageBox(QStringLiteral("Are you sure you want to clear the screen?"), QStringLiteral("Confirm"),
                              CMessagePort::ButtonsYesNo)
        != CMessagePort::AnswerYes)
        return;
    const ScreenContent before = ContentOf(*current);
    ForgetPlaced(nullptr);
    current->RemoveAll();
    Record(QStringLiteral("Clear Screen"), before);
    Refresh();
}

void CScreenDesigner::EditScript()
{
    LaunchEditor(m_messages, ScreenScriptPath(cellX, cellY));
}

void CScreenDesigner::ToggleSnap()
{
    snapToWidth = snapToWidth ? 0 : 1;
    Refresh();
}

void CScreenDesigner::ToggleStack()
{
    stackAtBottom = stackAtBottom ? 0 : 1;
    RebuildSpritePalette();
    WriteSetting(kOptions, QStringLiteral("Stack"), int(stackAtBottom));
    Refresh();
}

void CScreenDesigner::ToggleDoubleSize()
{
    if (m_messages.MessageBox(QStringLiteral("This will save the current screen, continue?"),
                              QStringLiteral("Attention"), CMessagePort::ButtonsYesNo)
        != CMessagePort::AnswerYes)
        return;
    // A screen that could not be saved keeps the designer as it is: opening
    // the cell again would read the edits away.
    if (current && !SaveCurrent())
        return;
    doubleSize = doubleSize ? 0 : 1;
    WriteSetting(kOptions, QStringLiteral("Zoom"), int(doubleSize));
    OpenAtCell(cellX, cellY);
    DrawAndPresent();
}

void CScreenDesigner::GoToNeighbour(int dx, int dy)
{
    if (!AskToSave())
        return;
    const int column = std::clamp(cellX + dx, 0, 255);
    const int row = std::clamp(cellY + dy, 0, 255);
    if (column == cellX && row == cellY)
        return;
    cellX = column;
    cellY = row;
    carried = nullptr;
    fillDrag = FillDrag();
    ForgetPlaced(nullptr);
    UpdateWorldPosition(); // the pointer now lies over the new cell
    LoadScreens();
    DrawAndPresent();
    OfferRecovery();
}

void CScreenDesigner::ForgetPlaced(const CPlacedSprite* placed)
{
    if (placed && selection.placed != placed)
        return;
    // The entity window must not keep a sprite that is about to go.
    if (selection.placed && selection.placed->sprite && selection.placed->sprite->entity) {
        m_port.SetEntity(nullptr, 0, 0, QString(), nullptr);
        m_port.ShowEntityWindow(false);
        m_namedEntity = nullptr;
    }
    selection = Selection();
}
