#include "screens/PreviewWriter.h"

#include "display/Display.h"
#include "support/io/TextFile.h"
#include "support/ui/MessagePort.h"

#include <memory>

namespace {
constexpr int kWidth = 128;
constexpr int kHeight = 96;
} // namespace

QByteArray PreviewFileBytes(const CSurface& small)
{
    // At most five digits and CR LF per pixel.
    QByteArray out(qsizetype(small.Width()) * small.Height() * 7, Qt::Uninitialized);
    char* q = out.data();
    for (int y = 0; y < small.Height(); ++y) {
        const uint16_t* row = small.Row(y);
        for (int x = 0; x < small.Width(); ++x) {
            // Unsigned decimal, then CR LF.
            char digits[5];
            unsigned value = row[x];
            int n = 0;
            do {
                digits[n++] = char('0' + value % 10);
                value /= 10;
            } while (value);
            while (n)
                *q++ = digits[--n];
            *q++ = '\r';
            *q++ = '\n';
        }
    }
    out.truncate(q - out.constData());
    return out;
}

int WritePreviewFile(const CSurface& screenPreview, const QString& basePath, CDisplay* display, CMessagePort& ui)
{
    const QString path = basePath + QStringLiteral(".bmp");
    std::unique_ptr<CSurface> small;
    if (!display || display->CreateSurface(&small, kWidth, kHeight) != S_OK)
        return 0;
    small->SetColourKey(kKeyGreen);
    CTextWriter file;
    if (!file.Open(path)) {
        ui.MessageBox(QStringLiteral("Couldn't Open Image Preview file for saving"), path);
        return 0;
    }
    small->StretchFrom(screenPreview);
    file.Raw(PreviewFileBytes(*small));
    if (!file.Commit()) {
        ui.MessageBox(QStringLiteral("Couldn't Open Image Preview file for saving"), path);
        return 0;
    }
    return 1;
}
