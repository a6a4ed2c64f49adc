#pragma once
// One screen of the map: the sprites placed on it, its fills and the holes the
// hole fills make, read from and written to its screen file, and rendered into
// a 320 x 240 preview surface after every change.
#include "common/Rect.h"
#include "common/TaggedList.h"
#include "display/DisplayResult.h"
#include "display/Surface.h"
#include "screens/Fill.h"
#include "screens/HoleRecord.h"
#include "screens/PlacedSprite.h"
#include "screens/ScreenFile.h"

#include <QPen>
#include <QString>

#include <functional>
#include <memory>

class CDisplay;
class CSheetLibrary;
class CMessagePort;

class CScreen {
public:
    // The display makes the preview surface; the library resolves codes.
    CScreen(CDisplay* display, CMessagePort* ui, const CSheetLibrary* library);
    virtual ~CScreen();

    // Makes the pens and the 320 x 240 preview surface keyed on green. 0 or the
    // display's failure code.
    HResult Create();

    // Reads the screen file of the map cell. 0, with an empty screen and no
    // message, when the file cannot be opened. `fileEnd` says whether the file
    // held every element its counts promise.
    int Load();
    // Writes the screen file, the preview file and (when missing or empty) the
    // screen's script, then asks the map to reload the cell's preview. 0, with
    // "Couldn't Open LND file for saving", when the screen file cannot be
    // written; 0 too, after the preview's own message, when the screen file
    // was written but its preview could not be (the screen stays modified).
    int Save();

    // Stamps a copy of a palette item so that its bottom-right corner lies under
    // the pointer (view pixels, halved in double size).
    void AddPlacedSprite(const CPlacedSprite& item, int pointerX, int pointerY);
    // Adds a fill of the fill sprite over the dragged corners (view pixels from
    // the screen's top-left corner); nothing when narrower or lower than 2.
    void AddFill(const CPlacedSprite& fillSprite, int x1, int y1, int x2, int y2);
    void AddHoleRecord(const QByteArray& code, const CRect& rect, CFill* fill);
    void RemoveHoleOfFill(const CFill* fill);
    void RemovePlacedSprite(CPlacedSprite* element);
    // Removes a fill and its hole record.
    void RemoveFill(CFill* fill);
    // Empties the screen of sprites, fills and holes.
    void RemoveAll();
    // The sheet sprite and sheet of the placed sprite's code, through the library.
    void Resolve(CPlacedSprite& placed) const;
    // The placed sprite added last whose box strictly contains the point (moved
    // by the offsets); the point is halved in double size.
    CPlacedSprite* HitTest(int x, int y, int offsetX, int offsetY) const;

    // Redraws the preview surface: white, normal fills, normal sprites, on-top
    // fills, on-top sprites, hole outlines.
    void Render();
    // The outlines of the "hole002" holes are the colour key, which a keyed
    // copy of the preview leaves out: the designer draws them again in a green
    // just beside the key, here with the screen's top-left corner at (x, y).
    void DrawKeyColouredHoles(CSurface& target, int x, int y) const;

    // questdata\{quest}\screens\{x}-{y}.lnd, and the same without extension.
    QString FilePath() const;
    QString BasePath() const;
    static QString BasePath(int column, int row);

    QPen redDashedPen;
    QPen greenDashedPen;
    std::unique_ptr<CSurface> preview;
    CTaggedList<CPlacedSprite> placedSprites; // tag "sprite"
    CTaggedList<CFill> fills;                 // tag "Fill"
    CTaggedList<CHoleRecord> holes;           // tag "hole"
    int32_t mapCellX = 0;
    int32_t mapCellY = 0;
    int32_t modified = 0;
    ScreenFileEnd fileEnd; // what the last Load found at the file's end

    // Called once the screen file is saved, with the cell's column and row and
    // whether its preview was written, so that the map reloads that cell's
    // preview. The screen knows nothing of the map.
    std::function<void(int column, int row, bool previewWritten)> previewSaved;

    const CSheetLibrary* library;

private:
    void DrawPlaced(CPlacedSprite& placed);
    void DrawFill(const CFill& fill);
    void DrawHoles();
    void DrawHoleOutlines(CSurface& target, int x, int y, bool keyColouredOnly) const;

    CDisplay* m_display;
    CMessagePort* m_ui;
};

constexpr int kScreenSurfaceWidth = 320;
constexpr int kScreenSurfaceHeight = 240;
// The screen's margin on the designer's view, in world units.
constexpr int kScreenMargin = 15;
// The designer's colour of "hole002" outlines, which the preview draws in the
// colour key: the next green the 16-bit pixels hold.
constexpr Colour kShownHoleGreen = Rgb(0, 248, 0);
