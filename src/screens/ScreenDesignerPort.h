#pragma once
// The part of the Ui port the screen designer needs of the main window and of
// its entity information window (152), a modeless window that shows and edits
// the name of the entity sprite picked on the screen. Without a window each
// call does nothing.
#include <functional>

class CPlacedSprite;
class QString;

class CScreenDesignerPort {
public:
    virtual ~CScreenDesignerPort() = default;

    virtual void ShowScrollBars([[maybe_unused]] bool shown) {}
    // Resizes the main window without moving it.
    virtual void ResizeMainFrame([[maybe_unused]] int width, [[maybe_unused]] int height) {}
    // The width of the whole screen the editor is shown on, in pixels.
    virtual int ScreenWidth() { return 1280; }
    // Gives the keyboard focus back to the main window.
    virtual void FocusMainWindow() {}

    // Makes the entity window, hidden, with its top-left corner at this point
    // of the main window's client area, without resizing it.
    virtual void CreateEntityWindow([[maybe_unused]] int clientX, [[maybe_unused]] int clientY) {}
    // Hands the window the placed entity, the world offset of its screen and
    // its type. A name typed there is stored in the entity at once, and
    // `nameChanged` is called (the screen is then modified) with the number
    // of the visit of the name field it was typed in: the number changes
    // when the field is left, so the names typed in one visit are one edit.
    virtual void SetEntity([[maybe_unused]] CPlacedSprite* entity, [[maybe_unused]] int worldX,
                           [[maybe_unused]] int worldY, [[maybe_unused]] const QString& type,
                           [[maybe_unused]] std::function<void(int visit)> nameChanged)
    {
    }
    // Shows the window with the entity's coordinates, or hides it.
    virtual void ShowEntityWindow([[maybe_unused]] bool shown) {}
    virtual void CloseEntityWindow() {}
};
