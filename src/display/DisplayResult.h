#pragma once
// Result codes of the drawing layer: 0 on success, otherwise one of these.
#include <cstdint>

using HResult = int32_t;
constexpr HResult S_OK = 0;
constexpr HResult E_FAIL = int32_t(0x80004005u);
constexpr HResult E_POINTER = int32_t(0x80004003u);
constexpr HResult E_INVALIDARG = int32_t(0x80070057u);
constexpr HResult E_NOTIMPL = int32_t(0x80004001u);

// A colour as red, green and blue packed with red in the low byte.
using Colour = uint32_t;
constexpr Colour Rgb(uint8_t r, uint8_t g, uint8_t b) { return Colour(r) | (Colour(g) << 8) | (Colour(b) << 16); }
constexpr Colour kNoColour = 0xFFFFFFFFu;
// The key colour of every sprite and screen surface: pure green.
constexpr Colour kKeyGreen = Rgb(0, 255, 0);
