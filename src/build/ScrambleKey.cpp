#include "build/ScrambleKey.h"

#include <cstring>

void Scramble(const ScrambleKey& key, char* bytes, size_t size)
{
    // Three exclusive-ors in a row are one with their combination; a word at a
    // time keeps large files quick.
    const uint8_t combined = uint8_t(key[0] ^ key[1] ^ key[2]);
    uint64_t wide = 0x0101010101010101ULL * combined;
    size_t i = 0;
    for (; i + sizeof wide <= size; i += sizeof wide) {
        uint64_t word;
        std::memcpy(&word, bytes + i, sizeof word);
        word ^= wide;
        std::memcpy(bytes + i, &word, sizeof word);
    }
    for (; i < size; ++i)
        bytes[i] = char(uint8_t(bytes[i]) ^ combined);
}
