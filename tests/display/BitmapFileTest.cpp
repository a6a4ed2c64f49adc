// Plain bitmaps are read straight into 16-bit pixels; every bitmap must give
// the pixels of Qt's reader followed by CSurface::DrawBitmap.
#include "display/BitmapFile.h"
#include "display/Display.h"

#include <QBuffer>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {
void Put32(QByteArray& bytes, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        bytes += char((v >> (8 * i)) & 0xFF);
}

// A bitmap of width x |height| (negative: rows stored from the top), each
// pixel's bytes made from its position; the last row cut by `cut` bytes.
QByteArray Bitmap(int width, int height, int bits, uint32_t compression = 0, int cut = 0)
{
    const int rows = std::abs(height);
    const int stride = (width * bits / 8 + 3) / 4 * 4;
    QByteArray pixels;
    for (int y = 0; y < rows; ++y) {
        for (int x = 0; x < width; ++x)
            for (int b = 0; b < bits / 8; ++b)
                pixels += char((x * 53 + y * 29 + b * 101) & 0xFF);
        pixels += QByteArray(stride - width * bits / 8, '\x7f');
    }
    pixels.chop(cut);
    QByteArray bytes = "BM";
    Put32(bytes, uint32_t(54 + pixels.size()));
    Put32(bytes, 0);
    Put32(bytes, 54);
    Put32(bytes, 40);
    Put32(bytes, uint32_t(width));
    Put32(bytes, uint32_t(height));
    bytes += char(1);
    bytes += char(0);
    bytes += char(bits);
    bytes += char(0);
    Put32(bytes, compression);
    Put32(bytes, uint32_t(pixels.size()));
    for (int i = 0; i < 4; ++i)
        Put32(bytes, 0);
    return bytes + pixels;
}

QByteArray SavedByQt(QImage::Format format)
{
    QImage image(7, 5, format);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 7; ++x)
            image.setPixelColor(x, y, QColor((x * 40) % 256, (y * 60) % 256, (x * y * 17) % 256));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes;
}
} // namespace

TEST(PlainBitmap, GivesThePixelsOfQtsReaderAndDrawBitmap)
{
    const struct {
        const char* name;
        QByteArray bytes;
        bool plain; // read here rather than by Qt
        bool cutShort = false; // pixels missing: loaded nowhere, though Qt would show them black
    } cases[] = {
        {"24 bits, rows padded", Bitmap(5, 3, 24), true},
        {"24 bits, one pixel", Bitmap(1, 1, 24), true},
        {"24 bits, from the top", Bitmap(6, -4, 24), true},
        {"32 bits", Bitmap(3, 4, 32), true},
        {"32 bits, from the top", Bitmap(2, -3, 32), true},
        {"the last row's padding missing", Bitmap(5, 3, 24, 0, 1), false, false},
        {"saved by Qt", SavedByQt(QImage::Format_RGB32), true},
        {"saved by Qt with alpha", SavedByQt(QImage::Format_ARGB32), true},
        {"8 bits with a palette", SavedByQt(QImage::Format_Indexed8), false},
        {"bit fields", Bitmap(4, 4, 32, 3), false},
        {"a pixel cut off", Bitmap(5, 3, 24, 0, 2), false, true},
    };
    QTemporaryDir dir;
    CDisplay display;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = dir.filePath(QStringLiteral("sheet.bmp"));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(c.bytes);
        file.close();
        QByteArray bytes = c.bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        EXPECT_EQ(ReadPlainBitmap(buffer) != nullptr, c.plain);
        std::unique_ptr<CSurface> read;
        const HResult result = display.CreateSurfaceFromBitmap(&read, path);
        const QImage image(path);
        if (image.isNull() || c.cutShort) {
            EXPECT_EQ(result, E_FAIL);
            continue;
        }
        ASSERT_EQ(result, S_OK);
        CSurface expected;
        ASSERT_EQ(expected.Create(image.width(), image.height()), S_OK);
        ASSERT_EQ(expected.DrawBitmap(image), S_OK);
        ASSERT_EQ(read->Width(), expected.Width());
        ASSERT_EQ(read->Height(), expected.Height());
        int wrong = 0;
        for (int y = 0; y < expected.Height(); ++y)
            for (int x = 0; x < expected.Width(); ++x)
                wrong += read->Pixel(x, y) != expected.Pixel(x, y);
        EXPECT_EQ(wrong, 0);
    }
}

TEST(PlainBitmap, NoReaderLoadsABitmapCutShortAtAnyOfItsParts)
{
    // A 24-bit bitmap (read here) and an 8-bit one with a table of 40 colours (left to Qt).
    const QByteArray plain = Bitmap(5, 3, 24);
    QImage paletted(7, 5, QImage::Format_Indexed8);
    paletted.setColorTable(QList<QRgb>(40, qRgb(9, 99, 199)));
    paletted.fill(3);
    QByteArray indexed;
    QBuffer buffer(&indexed);
    buffer.open(QIODevice::WriteOnly);
    paletted.save(&buffer, "BMP"); // pixels from byte 54 + 160
    const struct {
        const QByteArray& bytes;
        qsizetype keep;
    } cuts[] = {{plain, 1},       {plain, 10},        {plain, 16},          {plain, 40},          {plain, 54 + 7},
                // The last row's padding holds no pixel: a bitmap is short of
                // a pixel only when more than that is missing.
                {plain, plain.size() - 2}, {indexed, 54 + 8}, {indexed, 54 + 160 + 9}, {indexed, indexed.size() - 2}};
    QTemporaryDir dir;
    CDisplay display;
    const QString path = dir.filePath(QStringLiteral("sheet.bmp"));
    for (const auto& c : cuts) {
        for (const QByteArray& bytes : {c.bytes, c.bytes.left(c.keep)}) {
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write(bytes);
            file.close();
            std::unique_ptr<CSurface> read;
            EXPECT_EQ(bytes == c.bytes ? S_OK : E_FAIL, display.CreateSurfaceFromBitmap(&read, path)) << c.keep;
        }
    }
}
