#pragma once
// The screen designer's mode: opened on one map cell from the map designer,
// left again with "Back to Map layout". Painting screens is not built yet; this
// mode only shows which screen is open.
#include "common/Designer.h"

#include <cstdint>

class CWindowPort;

class CScreenDesigner : public CDesigner {
public:
    explicit CScreenDesigner(CWindowPort* window) : window(window) {}

    // Opens the screen of this cell and sets the screen menu.
    void OpenScreen(int column, int row);
    void draw(CDisplay* display) override;

    int column = 0;
    int row = 0;
    // The flags shown as check marks in the screen menu.
    int32_t snapToWidth = 0;
    int32_t stackAtBottom = 0;
    int32_t doubleSize = 0;
    CWindowPort* window;
};
