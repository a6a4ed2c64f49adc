#include "map/PreviewReader.h"

#include "display/Surface.h"
#include "support/LineHelpers.h"
#include "support/LogicalPath.h"

#include <QFile>

bool ReadPreviewFile(const QString& logicalPath, CSurface& surface)
{
    QFile file(NativePath(logicalPath));
    if (!file.open(QIODevice::ReadOnly))
        return false;
    // A preview is about 80 KB; anything much larger is not a preview, and only
    // its first lines are looked at anyway.
    QByteArray data = file.read(kPreviewWidth * kPreviewHeight * 16);
    data.replace("\r\n", "\n"); // read as text
    const char* p = data.constData();
    const char* const end = p + data.size();
    for (int j = 0; j < kPreviewHeight && j < surface.Height(); ++j) {
        uint16_t* row = surface.Row(j);
        for (int i = 0; i < kPreviewWidth; ++i) {
            uint32_t value = 0;
            if (p < end) {
                // One buffer of at most 9 characters, ending after a line feed.
                const char* pieceEnd = p;
                const char* limit = std::min(end, p + 9);
                while (pieceEnd < limit && *pieceEnd++ != '\n') {
                }
                value = uint32_t(ParseDecimalInt(QByteArray::fromRawData(p, int(pieceEnd - p))));
                p = pieceEnd;
            }
            if (i < surface.Width())
                row[i] = uint16_t(value);
        }
    }
    return true;
}
