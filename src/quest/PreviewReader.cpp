#include "quest/PreviewReader.h"

#include "display/Surface.h"
#include "support/io/LineHelpers.h"
#include "support/io/NativeFile.h"

#include <QFile>

#include <algorithm>
#include <bit>
#include <cstring>
#include <cstdint>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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

// The bits of the line feeds among the 64 bytes at p, the first byte's the lowest.
inline uint64_t LineFeedBits(const char* p)
{
#if defined(__SSE2__)
    const __m128i feed = _mm_set1_epi8('\n');
    uint64_t bits = 0;
    for (int k = 0; k < 4; ++k) {
        const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 16 * k));
        bits |= uint64_t(uint16_t(_mm_movemask_epi8(_mm_cmpeq_epi8(block, feed)))) << (16 * k);
    }
    return bits;
#else
    uint64_t bits = 0;
    for (int i = 0; i < 64; ++i)
        bits |= uint64_t(p[i] == '\n') << i;
    return bits;
#endif
}

// How many values the bytes give when no line holds more than eight bytes
// before its line feed, as in every preview the editor writes: each line is
// then one value, and the bytes after the last line feed one more. -1 when a
// longer line is found: it may give several values.
int64_t ValuesOfShortLines(const char* p, const char* const end)
{
    int64_t values = 0;
    int run = 0; // bytes since the last line feed
    for (; end - p >= 64; p += 64) {
        const uint64_t feeds = LineFeedBits(p);
        if (feeds == 0 || run + std::countr_zero(feeds) > 8)
            return -1;
        // Nine bytes in a row without a line feed, wholly among these 64.
        const uint64_t others = ~feeds;
        uint64_t nineOthers = others;
        for (int k = 1; k <= 8; ++k)
            nineOthers &= others >> k;
        if (nineOthers)
            return -1;
        values += std::popcount(feeds);
        run = std::countl_zero(feeds);
    }
    for (; p < end; ++p) {
        if (*p == '\n')
            ++values, run = 0;
        else if (++run > 8)
            return -1;
    }
    return values + (run > 0);
}

// The bytes of the preview file at the logical path, false when it cannot be
// opened. A preview is about 80 KB; anything much larger is not a preview, and
// only its first lines are looked at anyway.
bool ReadPreviewBytes(const QString& logicalPath, QByteArray& data)
{
    QFile file;
    if (!OpenLogicalFileForReading(file, logicalPath))
        return false;
    data = file.read(qint64(kPreviewLines) * 16);
    return true;
}

// The pixels of a preview's bytes (see ReadPreviewFile).
void DecodePreview(const QByteArray& data, CSurface& surface, int* linesHeld)
{
    if (linesHeld)
        *linesHeld = kPreviewLines;
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
}

} // namespace

bool ReadPreviewFile(const QString& logicalPath, CSurface& surface, int* linesHeld)
{
    if (linesHeld)
        *linesHeld = kPreviewLines;
    QByteArray data;
    if (!ReadPreviewBytes(logicalPath, data))
        return false;
    DecodePreview(data, surface, linesHeld);
    return true;
}

int PreviewLinesHeld(const QString& logicalPath)
{
    QByteArray data;
    if (!ReadPreviewBytes(logicalPath, data))
        return -1;
    const int64_t values = ValuesOfShortLines(data.constData(), data.constData() + data.size());
    if (values >= 0)
        return int(std::min<int64_t>(values, kPreviewLines));
    // Long lines: counted as the pixels are read.
    CSurface surface;
    surface.Create(kPreviewWidth, kPreviewHeight);
    int lines = kPreviewLines;
    DecodePreview(data, surface, &lines);
    return lines;
}
