#include "display/PixelMemory.h"

#include "support/platform/ZeroedPages.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace {
constexpr size_t kKeptPiece = size_t(64) << 10; // copied at a time, well inside the nearest caches

#ifdef Q_OS_LINUX
constexpr qsizetype kPoorRowBytes = 1024;
constexpr qsizetype kCacheLine = 64;

void Unmap(void* info)
{
    const auto* pages = static_cast<ZeroedPages*>(info);
    UnmapZeroedPages(*pages);
    delete pages;
}
#endif

// A zeroed image laid out as ZeroedImage says, on huge pages or not.
QImage ZeroedImageOn(int width, int height, QImage::Format format, bool hugePages)
{
    if (width <= 0 || height <= 0)
        return QImage();
#ifdef Q_OS_LINUX
    const int depth = QImage::toPixelFormat(format).bitsPerPixel();
    // Rows of whole 32-bit words, as Qt lays out the images it makes.
    qsizetype bytesPerLine = (qsizetype(width) * depth + 31) / 32 * 4;
    // Rows of a whole number of kilobytes (the back buffer's 1024 pixels)
    // would put every pixel of a column in the same few sets of the
    // processor's caches, so that drawing down a column (an outline, the edge
    // of a block) evicts, at each pixel, what it wrote a few rows above: such
    // rows get one cache line more.
    if (bytesPerLine % kPoorRowBytes == 0)
        bytesPerLine += kCacheLine;
    const size_t bytes = size_t(bytesPerLine) * size_t(height);
    if (depth > 0 && bytes >= kWorthHugePages && bytesPerLine <= INT32_MAX) {
        if (const ZeroedPages pages = MapZeroedPages(bytes, hugePages); pages.start) {
            auto* mapping = new ZeroedPages(pages);
            QImage image(static_cast<uchar*>(pages.start), width, height, bytesPerLine, format, Unmap, mapping);
            if (!image.isNull())
                return image;
            Unmap(mapping);
        }
    }
#else
    (void)hugePages; // plain memory only
#endif
    QImage image(width, height, format);
    if (!image.isNull())
        image.fill(0);
    return image;
}

} // namespace

QImage ZeroedImage(int width, int height, QImage::Format format)
{
    return ZeroedImageOn(width, height, format, true);
}

bool CopyIntoKept(const QImage& image, QImage& kept)
{
    if (kept.size() != image.size() || kept.format() != image.format())
        // Plain pages: a kept frame is only copied into, never drawn into,
        // and would leave a fifth of its two huge pages unused (half a
        // megabyte).
        kept = ZeroedImageOn(image.width(), image.height(), image.format(), false);
    if (kept.isNull())
        return false;
    // From the last bytes to the first: a frame is drawn from the top down,
    // so its last rows are the ones still in the processor's caches when it
    // is kept, and reading them first finds them there before the copy
    // itself pushes them out (a sixth of a map frame's time).
    if (kept.bytesPerLine() == image.bytesPerLine()) {
        uchar* const to = kept.bits();
        const uchar* const from = image.constBits();
        for (size_t end = size_t(image.sizeInBytes()); end > 0;) {
            const size_t start = end > kKeptPiece ? end - kKeptPiece : 0;
            std::memcpy(to + start, from + start, end - start);
            end = start;
        }
        return true;
    }
    // An image laid out otherwise (one Qt made) is copied row by row.
    const size_t rowBytes = size_t(std::min(kept.bytesPerLine(), image.bytesPerLine()));
    for (int y = image.height() - 1; y >= 0; --y)
        std::memcpy(kept.scanLine(y), image.constScanLine(y), rowBytes);
    return true;
}
