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

QString BitmapEndProblem(QIODevice& device)
{
    if (device.isSequential())
        return QString();
    // The file header (14 bytes) and the start of the info header: 12 bytes
    // for the old core header, 24 of the others.
    const QByteArray headers = device.peek(14 + 24);
    if (!headers.startsWith("BM"))
        return QString();
    const auto* const file = reinterpret_cast<const uchar*>(headers.constData());
    const uchar* const info = file + 14;
    const bool core = headers.size() >= 14 + 4 && Little32(info) == 12;
    qint64 promised = 14 + (core ? 12 : 40);
    if (headers.size() >= 14 + (core ? 12 : 24)) {
        const int64_t width = core ? Little16(info + 4) : int32_t(Little32(info + 4));
        const int64_t height = core ? Little16(info + 6) : int32_t(Little32(info + 8));
        const int64_t bits = core ? Little16(info + 10) : Little16(info + 14);
        const uint32_t compression = core ? 0 : Little32(info + 16);
        // Rows without compression are padded to four bytes (the last row's
        // padding holds no pixel and may be missing); a compressed bitmap's
        // header says how many bytes its pixels take.
        const bool plain = compression == 0 || compression == 3 || compression == 6;
        const int64_t rows = height < 0 ? -height : height;
        const int64_t pixels = plain ? (rows > 0 ? (width * bits + 31) / 32 * 4 * (rows - 1) + (width * bits + 7) / 8 : 0)
                                     : (headers.size() >= 14 + 24 ? int64_t(Little32(info + 20)) : 0);
        promised = qMax(promised, qint64(Little32(file + 10))) + (width > 0 && pixels > 0 ? pixels : 0);
    }
    const qint64 size = device.size();
    if (size >= promised)
        return QString();
    return QStringLiteral("The bitmap ends early: its headers promise %1 bytes, the file holds %2")
        .arg(promised)
        .arg(size);
}

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
