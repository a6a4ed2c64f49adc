#pragma once
// The part of the Ui port the screen designer needs of the main window and of
// its entity information window (152), a modeless window that shows and edits
// the name of the entity sprite picked on the screen.
#include <functional>

class CPlacedSprite;
class QString;

class CScreenDesignerPort {
public:
    virtual ~CScreenDesignerPort() = default;

    virtual void ShowScrollBars(bool shown) = 0;
    // Resizes the main window without moving it.
    virtual void ResizeMainFrame(int width, int height) = 0;
    // The width of the whole screen the editor is shown on, in pixels.
    virtual int ScreenWidth() = 0;
    // Gives the keyboard focus back to the main window.
    virtual void FocusMainWindow() = 0;

    // Makes the entity window, hidden, with its top-left corner at this point
    // of the main window's client area, without resizing it.
    virtual void CreateEntityWindow(int clientX, int clientY) = 0;
    // Hands the window the placed entity, the world offset of its screen and
    // its type. A name typed there is stored in the entity at once, and
    // `nameChanged` is called (the screen is then modified).
    virtual void SetEntity(CPlacedSprite* entity, int worldX, int worldY, const QString& type,
                           std::function<void()> nameChanged) = 0;
    // Shows the window with the entity's coordinates, or hides it.
    virtual void ShowEntityWindow(bool shown) = 0;
    virtual void CloseEntityWindow() = 0;
};
