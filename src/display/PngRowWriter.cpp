#include "display/PngRowWriter.h"

#include <png.h>

#include <csetjmp>

// Map pictures are mostly the same few screens over and over. zlib's fastest
// level with no row filter already packs them several times over; the
// higher levels and the adaptive filters cost several times the time for a
// file a little smaller.
struct CPngRowWriter::State {
    png_structp png = nullptr;
    png_infop info = nullptr;
    Sink out;
    int width = 0;
    int height = 0;
    int written = 0;
    bool failed = false;
    bool finished = false;

    static void Write(png_structp png, png_bytep data, size_t size)
    {
        auto* state = static_cast<State*>(png_get_io_ptr(png));
        if (!state->failed && !state->out(reinterpret_cast<const char*>(data), size))
            state->failed = true;
    }
    static void Flush(png_structp) {}
    static void Error(png_structp png, png_const_charp) { png_longjmp(png, 1); }
    static void Warning(png_structp, png_const_charp) {}
};

CPngRowWriter::CPngRowWriter(int width, int height, Sink out) : m_state(std::make_unique<State>())
{
    State& s = *m_state;
    s.out = std::move(out);
    s.width = width;
    s.height = height;
    s.png = png_create_write_struct(PNG_LIBPNG_VER_STRING, &s, &State::Error, &State::Warning);
    if (s.png)
        s.info = png_create_info_struct(s.png);
    if (!s.png || !s.info || width <= 0 || height <= 0) {
        s.failed = true;
        return;
    }
    if (setjmp(png_jmpbuf(s.png))) {
        s.failed = true;
        return;
    }
    png_set_write_fn(s.png, &s, &State::Write, &State::Flush);
    png_set_IHDR(s.png, s.info, png_uint_32(width), png_uint_32(height), 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_set_compression_level(s.png, kZlibLevel);
    png_set_filter(s.png, PNG_FILTER_TYPE_BASE, PNG_FILTER_NONE);
    png_write_info(s.png, s.info);
}

CPngRowWriter::~CPngRowWriter()
{
    if (m_state->png)
        png_destroy_write_struct(&m_state->png, m_state->info ? &m_state->info : nullptr);
}

bool CPngRowWriter::WriteRows(const QImage& band)
{
    State& s = *m_state;
    if (s.failed || s.finished || band.width() != s.width || s.written + band.height() > s.height) {
        s.failed = true;
        return false;
    }
    const QImage rgb = band.convertToFormat(QImage::Format_RGB888);
    if (setjmp(png_jmpbuf(s.png))) {
        s.failed = true;
        return false;
    }
    for (int y = 0; y < rgb.height() && !s.failed; ++y)
        png_write_row(s.png, rgb.constScanLine(y));
    s.written += rgb.height();
    return !s.failed;
}

bool CPngRowWriter::Finish()
{
    State& s = *m_state;
    if (s.failed || s.finished || s.written != s.height)
        return false;
    if (setjmp(png_jmpbuf(s.png))) {
        s.failed = true;
        return false;
    }
    png_write_end(s.png, nullptr);
    s.finished = true;
    return !s.failed;
}
