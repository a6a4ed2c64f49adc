#pragma once
// The abstract designer: one editing mode of the editor. The view forwards every
// paint, mouse, key and scroll event to the active designer through these
// operations; each does nothing unless a designer overrides it.
#include <cstdint>

class CDisplay;

// The platform's scroll codes.
enum ScrollCode {
    SB_LINELEFT = 0,
    SB_LINERIGHT = 1,
    SB_PAGELEFT = 2,
    SB_PAGERIGHT = 3,
    SB_THUMBPOSITION = 4,
    SB_THUMBTRACK = 5,
};

// The platform's mouse-key flags the mouse slots receive.
enum MouseKeyFlag : uint32_t {
    MK_LBUTTON = 0x0001,
    MK_RBUTTON = 0x0002,
    MK_SHIFT = 0x0004,
    MK_CONTROL = 0x0008,
    MK_MBUTTON = 0x0010,
};

// Which scroll bar an event comes from.
enum ScrollBarKind { HorizontalBar = 0, VerticalBar = 1 };

class CDesigner {
public:
    virtual ~CDesigner() = default;                                                  // slot 0
    virtual void activate() {}                                                       // slot 1
    virtual void draw(CDisplay* display) { (void)display; }                          // slot 2
    virtual void onMouseMove(uint32_t flags, int x, int y) { (void)flags; (void)x; (void)y; }     // slot 3
    virtual void onLButtonDown(uint32_t flags, int x, int y) { (void)flags; (void)x; (void)y; }   // slot 4
    virtual void onHScroll(int code, int position) { (void)code; (void)position; }   // slot 5
    virtual void onVScroll(int code, int position) { (void)code; (void)position; }   // slot 6
    virtual void onKeyDown(uint32_t character, uint32_t repeat, uint32_t flags) { (void)character; (void)repeat; (void)flags; } // slot 7
    virtual void onKeyUp(uint32_t character, uint32_t repeat, uint32_t flags) { (void)character; (void)repeat; (void)flags; }   // slot 8
    virtual void onRButtonDown(uint32_t flags, int x, int y) { (void)flags; (void)x; (void)y; }   // slot 9
    virtual void onRButtonUp(uint32_t flags, int x, int y) { (void)flags; (void)x; (void)y; }     // slot 10
    virtual void onLButtonUp(uint32_t flags, int x, int y) { (void)flags; (void)x; (void)y; }     // slot 11

    CDisplay* display = nullptr;   // borrowed; set when the view makes the display
};
