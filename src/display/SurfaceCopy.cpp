// Copies between surfaces: whole rows at a time, leaving out a keyed
// source's key pixels, unscaled or scaled by a whole number.
#include "display/Display.h"
#include "display/VectorCode.h"

#include <cstring>
#include <type_traits>

#if TESSELL_AVX2_BUILD
#include <immintrin.h>
#endif

namespace {

// A row written in blocks of sixteen pixels, or of eight in a row shorter
// than sixteen, each block `combine(source, destination)`: the last block is
// moved back to end with the row. It is worked out from the destination as it
// was, before any block is written, so the pixels it shares with the block
// before come out as that block wrote them, and no load waits for a store.
// (Blocks go out through references: a vector returned by value would change
// the calling convention between the two builds.) Inline: most rows of a
// frame are a few hundred bytes, too short for the C library's copy to pay for
// its call and its choice of method.
template <class Block, class Combine>
TESSELL_ROW_LOOP
#if defined(__GNUC__) && !defined(__clang__)
// (GCC would otherwise see a plain copy's loop as a copy and call the library for it.)
__attribute__((optimize("no-tree-loop-distribute-patterns")))
#endif
void RowInBlocks(uint16_t* __restrict to, const uint16_t* __restrict from, int count, const Combine& combine)
{
    constexpr int kPixels = int(sizeof(Block) / sizeof(uint16_t));
    auto blockAt = [&](int at, Block& out) {
        Block source, kept;
        std::memcpy(&source, from + at, sizeof source);
        std::memcpy(&kept, to + at, sizeof kept);
        combine(source, kept, out);
    };
    // A row of whole blocks (sprites of 16, 32 or 48 pixels, a preview's
    // 128) needs no last block.
    const bool ragged = count % kPixels != 0;
    Block last, out;
    if (ragged)
        blockAt(count - kPixels, last);
    for (int i = 0; i + kPixels <= count; i += kPixels) {
        blockAt(i, out);
        std::memcpy(to + i, &out, sizeof out);
    }
    if (ragged)
        std::memcpy(to + count - kPixels, &last, sizeof last);
}


// A row copied but where the source has the key.
TESSELL_ROW_LOOP
void KeyedRowCopy(uint16_t* __restrict to, const uint16_t* __restrict from, int count, uint16_t key)
{
    auto keyed = [key](const auto& source, const auto& kept, auto& out) {
        using Block = std::decay_t<decltype(source)>;
        const Block isKey = (Block)(source == (Block{} + key));
        out = (kept & isKey) | (source & ~isKey);
    };
    if (count >= 16)
        RowInBlocks<Block16>(to, from, count, keyed);
    else if (count >= 8)
        RowInBlocks<Block8>(to, from, count, keyed);
    else
        for (int i = 0; i < count; ++i)
            to[i] = from[i] == key ? to[i] : from[i];
}

// A row copied whole.
TESSELL_ROW_LOOP
void CopyRow(uint16_t* __restrict to, const uint16_t* __restrict from, int count)
{
    if (count < 16) {
        std::memcpy(to, from, size_t(count) * sizeof(uint16_t));
        return;
    }
    RowInBlocks<Block16>(to, from, count, [](const Block16& source, const Block16&, Block16& out) { out = source; });
}

#if TESSELL_AVX2_BUILD
// Keyed rows written through a mask, where the processor has AVX-512's word
// instructions (on 256-bit registers, which no processor runs slower): only
// the pixels that are not the key are stored, so the destination is never
// read, and a row's end takes a shorter mask, not a block moved back (a
// masked load reads nothing past it). Sprites are copied a few dozen pixels a
// row, where reading and blending the destination was most of the work. A
// function of its own, called once a copy: code for these instructions
// cannot be inlined into code built without them.
__attribute__((target("avx512bw,avx512vl,avx2"))) void MaskedKeyedRows(uint16_t* to, qsizetype stride,
                                                                       const uint16_t* from, qsizetype sourceStride,
                                                                       int count, int rows, uint16_t key,
                                                                       const uint8_t* kinds)
{
    const __m256i keys = _mm256_set1_epi16(short(key));
    const int whole = count / 16 * 16;
    const __mmask16 tail = __mmask16((1u << (count - whole)) - 1);
    for (int r = 0; r < rows; ++r, to += stride, from += sourceStride) {
        const uint8_t kind = kinds ? kinds[r] : uint8_t(CSurface::kSomeKeyRow);
        if (kind == CSurface::kAllKeyRow)
            continue;
        if (kind == CSurface::kNoKeyRow) {
            // A row without the key is a plain copy, and plain stores are
            // cheaper than masked ones.
            for (int i = 0; i < whole; i += 16)
                _mm256_storeu_si256(reinterpret_cast<__m256i*>(to + i),
                                    _mm256_loadu_si256(reinterpret_cast<const __m256i*>(from + i)));
            if (tail)
                _mm256_mask_storeu_epi16(to + whole, tail, _mm256_maskz_loadu_epi16(tail, from + whole));
            continue;
        }
        for (int i = 0; i < whole; i += 16) {
            const __m256i v = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(from + i));
            const __mmask16 shown = _mm256_cmpneq_epi16_mask(v, keys);
            _mm256_mask_storeu_epi16(to + i, shown, v);
        }
        if (tail) {
            const __m256i v = _mm256_maskz_loadu_epi16(tail, from + whole);
            const __mmask16 shown = _mm256_mask_cmpneq_epi16_mask(tail, v, keys);
            _mm256_mask_storeu_epi16(to + whole, shown, v);
        }
    }
}
#endif

template <bool kMasked>
TESSELL_ROW_LOOP
void CopySurfaceLoop(const CSurface& source, const CRect& sourceRect, CSurface& destination, int x, int y, int scale,
                     const CRect& clip)
{
    if (scale < 1)
        return;
    // Clip the source rectangle to the source surface.
    CRect src = sourceRect;
    const int shiftX = qMax(0, -src.left);
    const int shiftY = qMax(0, -src.top);
    src.left += shiftX;
    src.top += shiftY;
    x += shiftX * scale;
    y += shiftY * scale;
    src.right = qMin(src.right, source.Width());
    src.bottom = qMin(src.bottom, source.Height());
    if (src.right <= src.left || src.bottom <= src.top)
        return;
    const int clipLeft = qMax(clip.left, 0);
    const int clipTop = qMax(clip.top, 0);
    const int clipRight = qMin(clip.right, destination.Width());
    const int clipBottom = qMin(clip.bottom, destination.Height());
    const bool keyed = source.colourKeyed;
    const uint16_t key = source.KeyValue();
    if (scale == 1) {
        // Unscaled copies (map previews, sprites) are most of every frame: cut
        // once, then copy whole rows, keeping the destination's pixel wherever
        // the source has the key (a form the compiler turns into vector code).
        const int left = qMax(x, clipLeft);
        const int top = qMax(y, clipTop);
        const int right = qMin(x + (src.right - src.left), clipRight);
        const int bottom = qMin(y + (src.bottom - src.top), clipBottom);
        const int count = right - left;
        if (count <= 0 || top >= bottom)
            return;
        // Rows wholly of the key leave the destination as it is, rows without
        // it are plain copies (previews have whole rows of each). Working the
        // rows out costs a look at each whole row, so only a copy of most of
        // the source's width is worth it (not a sprite from its sheet).
        const uint8_t* kinds = keyed && count * 2 >= source.Width() ? source.KeyRowKinds() : nullptr;
        const qsizetype sourceStride = source.Stride();
        const qsizetype stride = destination.Stride();
        const uint16_t* sourceRows = source.Row(0);
        uint16_t* rowsOut = destination.Row(0);
#if TESSELL_AVX2_BUILD
        if constexpr (kMasked)
            if (keyed) {
                const int firstRow = src.top + (top - y);
                MaskedKeyedRows(rowsOut + top * stride + left, stride,
                                sourceRows + firstRow * sourceStride + src.left + (left - x), sourceStride, count,
                                bottom - top, key, kinds ? kinds + firstRow : nullptr);
                return;
            }
#endif
        for (int dy = top; dy < bottom; ++dy) {
            const int sy = src.top + (dy - y);
            const uint16_t* __restrict from = sourceRows + sy * sourceStride + src.left + (left - x);
            uint16_t* __restrict to = rowsOut + dy * stride + left;
            if (kinds && kinds[sy] == CSurface::kAllKeyRow)
                continue;
            if (!keyed || (kinds && kinds[sy] == CSurface::kNoKeyRow)) {
                CopyRow(to, from, count);
                continue;
            }
            KeyedRowCopy(to, from, count, key);
        }
        return;
    }
    if (clipLeft >= clipRight || clipTop >= clipBottom)
        return;
    // Scaled: only the source pixels whose copies reach the clip are walked.
    auto floorDiv = [](int64_t a, int64_t b) { return a >= 0 ? a / b : -((-a + b - 1) / b); };
    auto ceilDiv = [&](int64_t a, int64_t b) { return -floorDiv(-a, b); };
    const int64_t columns = src.right - src.left;
    const int64_t rows = src.bottom - src.top;
    const int64_t colFrom = std::max<int64_t>(0, floorDiv(int64_t(clipLeft) - x, scale));
    const int64_t colTo = std::min<int64_t>(columns, ceilDiv(int64_t(clipRight) - x, scale));
    const int64_t rowFrom = std::max<int64_t>(0, floorDiv(int64_t(clipTop) - y, scale));
    const int64_t rowTo = std::min<int64_t>(rows, ceilDiv(int64_t(clipBottom) - y, scale));
    if (colFrom >= colTo || rowFrom >= rowTo)
        return;
    // The destination columns written, cut at the clip.
    const int64_t spanLeft = std::max<int64_t>(clipLeft, int64_t(x) + colFrom * scale);
    const int64_t spanRight = std::min<int64_t>(clipRight, int64_t(x) + colTo * scale);
    // Rows are reached by their strides: asking the images for every row costs
    // a good part of a frame.
    const qsizetype sourceStride = source.Stride();
    const qsizetype stride = destination.Stride();
    const uint16_t* sourceRows = source.Row(0) + src.left;
    uint16_t* rowsOut = destination.Row(0);
    for (int64_t r = rowFrom; r < rowTo; ++r) {
        const uint16_t* srow = sourceRows + (src.top + r) * sourceStride;
        const int64_t top = std::max<int64_t>(clipTop, int64_t(y) + r * scale);
        const int64_t bottom = std::min<int64_t>(clipBottom, int64_t(y) + (r + 1) * scale);
        uint16_t* first = rowsOut + top * stride;
        if (!keyed && scale == 2) {
            // Each source pixel twice, as one 32-bit word where the pair is
            // whole; the row under it is then a copy (two rows written side by
            // side would fight over the same cache sets).
            int64_t dx = spanLeft;
            if ((dx - x) & 1) {
                first[dx] = srow[(dx - x) >> 1];
                ++dx;
            }
            const int64_t pairs = (spanRight - dx) / 2;
            const uint16_t* __restrict from = srow + ((dx - x) >> 1);
            uint16_t* __restrict to = first + dx;
            for (int64_t i = 0; i < pairs; ++i) {
                const uint32_t v = uint32_t(from[i]) * 0x10001u;
                std::memcpy(to + 2 * i, &v, sizeof v);
            }
            dx += 2 * pairs;
            if (dx < spanRight)
                first[dx] = srow[(dx - x) >> 1];
        } else {
            for (int64_t c = colFrom; c < colTo; ++c) {
                const uint16_t value = srow[c];
                if (keyed && value == key)
                    continue;
                const int64_t from = std::max<int64_t>(spanLeft, int64_t(x) + c * scale);
                const int64_t to = std::min<int64_t>(spanRight, int64_t(x) + (c + 1) * scale);
                for (int64_t dx = from; dx < to; ++dx)
                    first[dx] = value;
            }
        }
        // The other rows of a scaled row are the same; a keyed copy keeps what
        // lies under its key pixels, row by row.
        for (int64_t dy = top + 1; dy < bottom; ++dy) {
            uint16_t* row = rowsOut + dy * stride;
            if (!keyed) {
                std::memcpy(row + spanLeft, first + spanLeft, size_t(spanRight - spanLeft) * sizeof(uint16_t));
                continue;
            }
            for (int64_t c = colFrom; c < colTo; ++c) {
                const uint16_t value = srow[c];
                if (value == key)
                    continue;
                const int64_t from = std::max<int64_t>(spanLeft, int64_t(x) + c * scale);
                const int64_t to = std::min<int64_t>(spanRight, int64_t(x) + (c + 1) * scale);
                for (int64_t dx = from; dx < to; ++dx)
                    row[dx] = value;
            }
        }
    }
}

// The masked build where the processor has AVX-512's word instructions,
// else the build ChooseRowLoop gives.
auto* ChooseCopySurfaceRows()
{
#if TESSELL_AVX2_BUILD
    __builtin_cpu_init();
    if (__builtin_cpu_supports("avx512bw") && __builtin_cpu_supports("avx512vl"))
        return &RowLoopBuilds<CopySurfaceLoop<true>>::Avx2;
#endif
    return ChooseRowLoop<CopySurfaceLoop<false>>();
}

const auto CopySurfaceRows = ChooseCopySurfaceRows();

} // namespace

void CopySurface(const CSurface& source, const CRect& sourceRect, CSurface& destination, int x, int y, int scale,
                 const CRect& clip)
{
    CopySurfaceRows(source, sourceRect, destination, x, y, scale, clip);
}
