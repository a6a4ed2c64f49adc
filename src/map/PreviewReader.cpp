#include "map/PreviewReader.h"

#include "display/Surface.h"
#include "support/LineHelpers.h"
#include "support/LogicalPath.h"

#include <QFile>

#include <algorithm>
#include <charconv>
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

} // namespace

bool ReadPreviewFile(const QString& logicalPath, CSurface& surface)
{
    QFile file(NativePath(logicalPath));
    if (!file.open(QIODevice::ReadOnly))
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
            // The usual line, digits and a line end, needs no buffer.
            uint32_t digits = 0;
            const char* const d = std::from_chars(p, p + std::min<ptrdiff_t>(8, end - p), digits).ptr;
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
            if (i < columns)
                row[i] = uint16_t(uint32_t(ParseDecimalInt(piece, size_t(length))));
        }
    }
    return true;
}
