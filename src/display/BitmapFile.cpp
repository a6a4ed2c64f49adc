#include "display/BitmapFile.h"

#include "display/Surface.h"
#include "display/VectorCode.h"

#include <QIODevice>

#include <cstdint>
#include <cstring>

namespace {

uint32_t Little32(const uchar* p)
{
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

uint16_t Little16(const uchar* p)
{
    return uint16_t(p[0] | p[1] << 8);
}

// One row of blue, green, red bytes (and a fourth, unused, at 32 bits) as 5-6-5.
TESSELL_ROW_LOOP
void ConvertRowLoop(const uchar* __restrict from, uint16_t* __restrict to, int width, int bytesPerPixel)
{
    if (bytesPerPixel == 4) {
        for (int x = 0; x < width; ++x, from += 4)
            to[x] = uint16_t(((uint32_t(from[2]) >> 3) << 11) | ((uint32_t(from[1]) >> 2) << 5) | (uint32_t(from[0]) >> 3));
        return;
    }
    for (int x = 0; x < width; ++x, from += 3)
        to[x] = uint16_t(((uint32_t(from[2]) >> 3) << 11) | ((uint32_t(from[1]) >> 2) << 5) | (uint32_t(from[0]) >> 3));
}

const auto ConvertRow = ChooseRowLoop<ConvertRowLoop>();

} // namespace

std::unique_ptr<CSurface> ReadPlainBitmap(QIODevice& device)
{
    // The file header (14 bytes) and the 40 bytes of the info header.
    constexpr qsizetype kFileHeader = 14;
    constexpr uint32_t kInfoHeader = 40;
    // Qt's reader refuses images of more than 256 MB (at 32 bits a pixel);
    // those stay its to refuse.
    constexpr int64_t kLargestBytes = int64_t(256) << 20;
    const QByteArray headers = device.read(kFileHeader + kInfoHeader);
    if (headers.size() < kFileHeader + qsizetype(kInfoHeader) || !headers.startsWith("BM"))
        return nullptr;
    const uchar* const file = reinterpret_cast<const uchar*>(headers.constData());
    const uint32_t pixelsAt = Little32(file + 10);
    const uchar* const info = file + kFileHeader;
    const uint32_t infoSize = Little32(info);
    const int32_t width = int32_t(Little32(info + 4));
    const int32_t height = int32_t(Little32(info + 8));
    const uint16_t planes = Little16(info + 12);
    const uint16_t bits = Little16(info + 14);
    const uint32_t compression = Little32(info + 16);
    // Only the plain kinds: the plain info header (the later ones carry colour
    // masks and spaces), uncompressed (BI_RGB) 24 or 32 bits, one plane.
    if (infoSize != kInfoHeader || uint64_t(kFileHeader) + infoSize > pixelsAt || planes != 1 || compression != 0
        || (bits != 24 && bits != 32))
        return nullptr;
    const int64_t rows = height < 0 ? -int64_t(height) : int64_t(height);
    if (width <= 0 || rows == 0 || width > kLargestBytes || rows > kLargestBytes
        || int64_t(width) * rows * 4 > kLargestBytes)
        return nullptr;
    const int bytesPerPixel = bits / 8;
    const int64_t stride = (int64_t(width) * bytesPerPixel + 3) / 4 * 4;
    // Every row whole, its padding too (Qt's reader takes a row cut short as
    // missing); nothing past the last row is read.
    const int64_t wanted = int64_t(pixelsAt) + stride * rows - headers.size();
    if (!device.isSequential() && wanted > device.size() - device.pos())
        return nullptr;
    const QByteArray rest = device.read(wanted);
    if (rest.size() < wanted)
        return nullptr;
    const uchar* const pixels = reinterpret_cast<const uchar*>(rest.constData()) + (pixelsAt - headers.size());
    auto surface = std::make_unique<CSurface>();
    if (surface->Create(width, int(rows)) != S_OK)
        return nullptr;
    // Rows are stored from the bottom up, unless the height is negative.
    for (int64_t y = 0; y < rows; ++y) {
        const int64_t stored = height < 0 ? y : rows - 1 - y;
        ConvertRow(pixels + stored * stride, surface->Row(int(y)), width, bytesPerPixel);
    }
    return surface;
}

bool BitmapCutShort(QIODevice& device)
{
    if (device.isSequential() || !device.seek(0))
        return false;
    const int64_t size = device.size();
    // The file header and the largest info header (124 bytes).
    const QByteArray head = device.read(14 + 124);
    if (!head.startsWith("BM"))
        return false;
    const auto* p = reinterpret_cast<const uchar*>(head.constData());
    if (head.size() < 18)
        return true;
    const int64_t pixelsAt = Little32(p + 10);
    const int64_t infoSize = Little32(p + 14);
    if (infoSize < 12 || 14 + infoSize > size)
        return true;
    int64_t width = 0, height = 0, bits = 0, compression = 0, imageSize = 0;
    if (infoSize == 12) { // the old core header: 16-bit sizes
        width = Little16(p + 18);
        height = Little16(p + 20);
        bits = Little16(p + 24);
    } else {
        if (infoSize < 16)
            return false; // no header any reader takes
        width = int32_t(Little32(p + 18));
        height = int32_t(Little32(p + 22));
        bits = Little16(p + 28);
        compression = infoSize >= 20 ? Little32(p + 30) : 0;
        imageSize = infoSize >= 24 ? Little32(p + 34) : 0;
    }
    // The colour masks and table lie before the pixels, which lie in the file.
    if (pixelsAt > size)
        return true;
    if (width <= 0 || height == 0 || bits <= 0)
        return false; // no picture any reader takes
    const int64_t rows = height < 0 ? -height : height;
    if (compression == 1 || compression == 2) // run-length coded: the stored size says how much
        return pixelsAt + imageSize > size || pixelsAt >= size;
    const int64_t stride = (width * bits + 31) / 32 * 4;
    return rows > (size - pixelsAt) / stride; // every row whole (taken so as not to overflow)
}
