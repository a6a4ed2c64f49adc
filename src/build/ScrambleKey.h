#pragma once
// The three bytes every scrambled archive entry is combined with. They come
// from the build setting TESSELL_SCRAMBLE_KEY (default 0x5A;0xC3;0x1F) and
// must be the ones the engine unscrambles with.
#include <array>
#include <cstddef>
#include <cstdint>

#if !defined(TESSELL_SCRAMBLE_KEY0) || !defined(TESSELL_SCRAMBLE_KEY1) || !defined(TESSELL_SCRAMBLE_KEY2)
#error "TESSELL_SCRAMBLE_KEY0..2 come from the build (TESSELL_SCRAMBLE_KEY)"
#endif

static_assert(TESSELL_SCRAMBLE_KEY0 >= 0 && TESSELL_SCRAMBLE_KEY0 <= 255, "scramble key bytes are 0..255");
static_assert(TESSELL_SCRAMBLE_KEY1 >= 0 && TESSELL_SCRAMBLE_KEY1 <= 255, "scramble key bytes are 0..255");
static_assert(TESSELL_SCRAMBLE_KEY2 >= 0 && TESSELL_SCRAMBLE_KEY2 <= 255, "scramble key bytes are 0..255");

using ScrambleKey = std::array<uint8_t, 3>;

constexpr ScrambleKey kScrambleKey = {uint8_t(TESSELL_SCRAMBLE_KEY0), uint8_t(TESSELL_SCRAMBLE_KEY1),
                                      uint8_t(TESSELL_SCRAMBLE_KEY2)};

// Combines every byte with the first, the second and the third key byte in
// turn. Doing it twice gives the bytes back.
void Scramble(const ScrambleKey& key, char* bytes, size_t size);
