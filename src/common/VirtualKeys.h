#pragma once
// The platform's virtual-key codes: what the view hands to a designer's
// onKeyDown and onKeyUp as the character, and the bits of the key flags that
// come with it. A key without a code here is not forwarded at all.
#include <cstdint>

enum VirtualKeyCode : uint32_t {
    VK_BACK = 0x08,
    VK_TAB = 0x09,
    VK_RETURN = 0x0D,
    VK_SHIFT = 0x10,
    VK_CONTROL = 0x11,
    VK_MENU = 0x12, // Alt
    VK_ESCAPE = 0x1B,
    VK_SPACE = 0x20,
    VK_PRIOR = 0x21, // Page Up
    VK_NEXT = 0x22,  // Page Down
    VK_END = 0x23,
    VK_HOME = 0x24,
    VK_LEFT = 0x25,
    VK_UP = 0x26,
    VK_RIGHT = 0x27,
    VK_DOWN = 0x28,
    VK_INSERT = 0x2D,
    VK_DELETE = 0x2E,
    // The digits '0' to '9' (0x30 to 0x39) and the letters 'A' to 'Z' (0x41 to
    // 0x5A) are their own characters' codes, whatever the Shift key says.
    VK_NUMPAD0 = 0x60, // the keypad's digits run on to VK_NUMPAD0 + 9
    VK_MULTIPLY = 0x6A,
    VK_ADD = 0x6B,
    VK_SUBTRACT = 0x6D,
    VK_DECIMAL = 0x6E,
    VK_DIVIDE = 0x6F,
    VK_F1 = 0x70, // the function keys run on to VK_F1 + 11, F12
};

// The key flags, laid out as the platform's key-message flags.
// The key was already down before this key-down: an auto-repeat. Always set
// on a key-up.
constexpr uint32_t kKeyWasDown = 1u << 30;
// The key is being released: set on every key-up.
constexpr uint32_t kKeyReleased = 1u << 31;
