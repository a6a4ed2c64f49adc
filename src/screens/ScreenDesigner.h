#pragma once
// The screen designer: the mode in which one screen of the map is painted. It
// shows the current screen with 15-pixel strips of its eight neighbours, a
// strip of the selected sheet's sprites to pick from and a grid of fill tiles.
// A carried sprite is stamped with the left button, fills are dragged with the
// right, the last sprite is repeated by keyboard, entity sprites are named in
// the entity window, and the neighbouring screens are a key away.
#include "common/Designer.h"
#include "common/Rect.h"
#include "display/Surface.h"
#include "screens/Palettes.h"
#include "screens/Screen.h"
#include "screens/ScreenContent.h"
#include "support/io/RecoveryFile.h"

#include <QString>
#include <QUndoStack>

#include <array>
#include <memory>
#include <vector>

class CMessagePort;
class CScreenDesignerPort;
class CScreenHost;
class CSheetLibrary;
class CWindowPort;

class CScreenDesigner : public CDesigner {
public:
    CScreenDesigner(CMessagePort& messages, CWindowPort& window, CScreenDesignerPort& port,
                    CScreenHost* host = nullptr);
    ~CScreenDesigner() override;

    void draw(CDisplay* display) override;
    void onMouseMove(uint32_t flags, int x, int y) override;
    void onLButtonDown(uint32_t flags, int x, int y) override;
    void onKeyDown(uint32_t character, uint32_t repeat, uint32_t flags) override;
    void onKeyUp(uint32_t character, uint32_t repeat, uint32_t flags) override;
    void onRButtonDown(uint32_t flags, int x, int y) override;
    void onRButtonUp(uint32_t flags, int x, int y) override;

    // Reads "Zoom" and "Stack" from the settings; double size stays off on a
    // screen narrower than 900 pixels (the setting is left as it is).
    void ReadSettings();
    // Opens the designer on a map cell: the library, the palettes, the nine
    // screens around the cell, the screen menu and the entity window.
    void OpenAtCell(int column, int row);
    // Copies the nine screens' previews into the composite and that onto the
    // work surface.
    void Compose();

    // Asks "Save the current screen?" when it is modified. False on Cancel
    // or when the screen could not be saved. No drops the recovery file.
    bool AskToSave();
    // Saves the current screen; the saved state is the clean state of the
    // edit history from now on. False when the save failed.
    bool SaveCurrent();
    // Takes the last edit back, or makes the last one taken back again.
    void Undo();
    void Redo();

    // The screen menu's commands.
    void SaveScreen();
    // False when the user chose to stay.
    bool BackToMap();
    void DeleteLastSprite();
    void DeleteLastFill();
    void ClearScreen();
    void EditScript();
    void ToggleSnap();
    void ToggleStack();
    void ToggleDoubleSize();
    // Goes to the neighbouring cell, asking to save a modified screen first.
    void GoToNeighbour(int dx, int dy);
    // The view's focus message.
    void FocusGained() { ctrlHeld = 0; }

    // A view coordinate snapped as the designer snaps: to the smallest multiple
    // of the step at least v, minus 1 (minus 2 in double size). The step is the
    // given one (8, or 16 in double size, when 0) with snap on, 2 (4) with it off.
    int Snap(int v, int step = 0) const;
    // 2 in double size, 1 otherwise.
    int Scale() const { return doubleSize ? 2 : 1; }
    CScreen* Screen(int column, int row) const { return screens[size_t(row * 3 + column)].get(); }

    // The state of the table of fields.
    std::unique_ptr<CSheetLibrary> library;
    std::unique_ptr<CSpritePalette> spritePalette;
    std::unique_ptr<CFillPalette> fillPalette;
    std::array<std::unique_ptr<CScreen>, 9> screens;
    CScreen* current = nullptr;
    std::unique_ptr<CSurface> composite;
    std::unique_ptr<CSurface> work;
    int32_t cellX = 0;
    int32_t cellY = 0;
    CPlacedSprite* carried = nullptr;
    CPlacedSprite* chosenFill = nullptr;
    struct FillDrag {
        int32_t running = 0;
        int32_t startX = 0;
        int32_t startY = 0;
    } fillDrag;
    struct Selection {
        int32_t active = 0;
        CPlacedSprite* placed = nullptr;
        CRect rect;
    } selection;
    int32_t snapToWidth = 1;
    int32_t stackAtBottom = 1;
    int32_t doubleSize = 1;
    int32_t ctrlHeld = 0;
    struct Repeat {
        int32_t armed = 0;
        int32_t direction = 0; // 0 north, 1 east, 2 south, 3 west
        int32_t count = 1;
        int32_t spritePlaced = 0;
    } repeat;
    // The pointer's world position, for the status line, and where it last
    // was on the view.
    int32_t worldX = 0;
    int32_t worldY = 0;
    int32_t pointerX = 0;
    int32_t pointerY = 0;
    // The current screen's edits, emptied when another screen is opened; its
    // clean state is the screen as saved. Beside it, the recovery file of
    // the edits not yet saved.
    QUndoStack undoStack;
    CRecoveryKeeper recovery;

private:
    // The edit history (ScreenDesignerHistory.cpp). Record pushes an edit
    // just made, from the content before it; nothing when it changed nothing.
    bool Record(const QString& text, const ScreenContent& before);
    void RestoreEdit(const ScreenContent& content);
    // After a push, undo or redo: the modified flag follows the clean state
    // and the recovery file hears of the edit.
    void HistoryChanged();
    // The entity window took a typed name: one edit per visit of its field.
    void EntityNameChanged(CPlacedSprite* entity, int visit);
    // On opening the current screen: a recovery file newer than its screen
    // file is offered back.
    void OfferRecovery();

    void LoadScreens();
    void RebuildSpritePalette();
    void SelectSheet(int step);
    // Whether a sprite whose top-left corner is at (left, top) on the view, of
    // that size, overlaps the screen.
    bool OverlapsScreen(int64_t left, int64_t top, int width, int height) const;
    void RunRepeat();
    void PickAt(int x, int y);
    // After an edit: the current screen rendered again, composed, drawn, presented.
    void Refresh();
    void DrawAndPresent();
    void DrawCarried(int x, int y);
    // The palettes and the grey around them on the work surface, unless the
    // last frame drew the same there and nothing wrote the surface since.
    void DrawPalettes();
    void DrawStatus();
    // Ends the selection when it is this placed sprite (any, when none is
    // given), so that nothing keeps a sprite that is removed.
    void ForgetPlaced(const CPlacedSprite* placed);
    // The status line's world position of the pointer's last view position
    // over the current cell.
    void UpdateWorldPosition();

    CMessagePort& m_messages;
    CWindowPort& m_window;
    CScreenDesignerPort& m_port;
    CScreenHost* m_host;
    // The entity the window shows, its name before the edit being typed, and
    // which visit of the name field that edit belongs to.
    const CPlacedSprite* m_namedEntity = nullptr;
    QByteArray m_nameBefore;
    int m_windowVisit = -1;
    int m_nameEdit = 0;
    // The palettes' copies onto the work surface at the last frame that drew
    // them, and the work surface's cache key after them (it changes with any
    // write). Reading the sprites back out of the sheets is a tenth of a
    // frame, and most frames (a pointer's move) draw the same palettes.
    struct PaletteCopy {
        const CSurface* sheet = nullptr;
        qint64 sheetKey = 0; // the sheet's pixels: changes with any write
        uint16_t keyValue = 0;
        bool keyed = false;
        CRect rect;
        int left = 0;
        int top = 0;
        bool operator==(const PaletteCopy&) const = default;
    };
    std::vector<PaletteCopy> m_paletteCopies;
    qint64 m_workAfterPalettes = 0;
};
