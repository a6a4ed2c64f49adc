#pragma once
// Writes a PNG picture a band of rows at a time, so that a picture larger
// than memory can be written: each band's 16-bit pixels are turned into
// 8-bit red, green and blue as Qt turns them, compressed and handed on at
// once. The picture is 8-bit RGB without alpha, as Qt's PNG writer makes
// of a 16-bit image.
#include <QImage>

#include <cstddef>
#include <functional>
#include <memory>

class CPngRowWriter {
public:
    // `out` takes every piece of the file in order; it answers false when it
    // cannot take more.
    using Sink = std::function<bool(const char* bytes, size_t size)>;
    CPngRowWriter(int width, int height, Sink out);
    ~CPngRowWriter();

    // The next rows, top down: a band `width` pixels wide in any format Qt
    // converts. False once anything failed (the sink refused, or more rows
    // than `height`).
    bool WriteRows(const QImage& band);
    // Ends the file; false when it is not whole (fewer rows than `height`).
    bool Finish();

    // The compression this writer uses (see the source for why).
    static constexpr int kZlibLevel = 1;

private:
    struct State;
    std::unique_ptr<State> m_state;
};
