#include "quest/PreviewReader.h"

#include "display/Surface.h"
#include "support/io/LineHelpers.h"
#include "support/io/NativeFile.h"

#include <QFile>

#include <algorithm>
#include <bit>
#include <cstring>
#include <cstdint>

namespace {

// Reads the next character of the file as text: CR LF counts as one line feed.
inline bool NextTextChar(const char*& p, const char* end, char& c)
{
    if (p >= end)
        return false;
    if (*p == '\r' && p + 1 < end && p[1] == '\n') {
        c = '\n';
        p += 2;
    } else {
        c = *p++;
    }
    return true;
}

// The usual line, one to six digits and LF or CR LF, read from the eight
// bytes at p at once (as one 64-bit word whose first byte is the first
// character): the bytes the line takes, its value in `value`; 0 for any other
// line.
inline int ShortLineAt(const char* p, uint32_t& value)
{
    uint64_t word = 0;
    std::memcpy(&word, p, sizeof word);
    if constexpr (std::endian::native != std::endian::little)
        word = __builtin_bswap64(word);
    // Digits become 0 to 9; every other byte gets a bit in its high half,
    // either as it stands or with 6 added. Carries only pass out of bytes
    // that are no digits, so the first marked byte is the first non-digit.
    const uint64_t values = word ^ 0x3030303030303030u;
    const uint64_t others = (values | (values + 0x0606060606060606u)) & 0xF0F0F0F0F0F0F0F0u;
    const int count = std::countr_zero(others) / 8; // 8 when all are digits
    if (count == 0 || count > 6)
        return 0;
    const uint64_t after = word >> (8 * count);
    int taken = 0;
    if ((after & 0xFF) == '\n')
        taken = count + 1;
    else if ((after & 0xFFFF) == ('\r' | '\n' << 8))
        taken = count + 2;
    else
        return 0;
    // The digits moved to the word's end, zeros before them, then joined in
    // pairs, fours and the eight.
    uint64_t v = values << (8 * (8 - count));
    v = v * 10 + (v >> 8);
    v = (((v & 0x000000FF000000FFu) * (100 + (1000000ull << 32)))
         + (((v >> 16) & 0x000000FF000000FFu) * (1 + (10000ull << 32))))
        >> 32;
    value = uint32_t(v);
    return taken;
}

} // namespace

bool ReadPreviewFile(const QString& logicalPath, CSurface& surface, int* linesHeld)
{
    if (linesHeld)
        *linesHeld = kPreviewLines;
    QFile file;
    if (!OpenLogicalFileForReading(file, logicalPath))
        return false;
    // A preview is about 80 KB; anything much larger is not a preview, and only
    // its first lines are looked at anyway.
    const QByteArray data = file.read(kPreviewWidth * kPreviewHeight * 16);
    const char* p = data.constData();
    const char* const end = p + data.size();
    const int rows = std::min(kPreviewHeight, surface.Height());
    const int columns = std::min(kPreviewWidth, surface.Width());
    for (int j = 0; j < rows; ++j) {
        uint16_t* row = surface.Row(j);
        for (int i = 0; i < kPreviewWidth; ++i) {
            uint32_t digits = 0;
            if (end - p >= 8) {
                if (const int taken = ShortLineAt(p, digits)) {
                    p += taken;
                    if (i < columns)
                        row[i] = uint16_t(digits);
                    continue;
                }
            }
            // Longer digits and a line end need no buffer either.
            const char* d = p;
            for (const char* const last = p + std::min<ptrdiff_t>(8, end - p); d < last && uint8_t(*d - '0') < 10; ++d)
                digits = digits * 10 + uint32_t(*d - '0');
            if (d > p && d < end && (*d == '\n' || (*d == '\r' && d + 1 < end && d[1] == '\n'))) {
                p = d + (*d == '\n' ? 1 : 2);
                if (i < columns)
                    row[i] = uint16_t(digits);
                continue;
            }
            // Anything else: one buffer of at most 9 characters, ending after a
            // line feed.
            char piece[9];
            int length = 0;
            char c = 0;
            while (length < 9 && NextTextChar(p, end, c)) {
                piece[length++] = c;
                if (c == '\n')
                    break;
            }
            if (length == 0 && linesHeld && *linesHeld == kPreviewLines)
                *linesHeld = j * kPreviewWidth + i; // the file has ended
            if (i < columns)
                row[i] = uint16_t(uint32_t(ParseDecimalInt(piece, size_t(length))));
        }
    }
    return true;
}
