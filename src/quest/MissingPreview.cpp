#include "quest/MissingPreview.h"

#include "quest/PreviewReader.h"

std::unique_ptr<CSurface> MissingPreviewSurface()
{
    auto surface = std::make_unique<CSurface>();
    if (surface->Create(kPreviewWidth, kPreviewHeight) != S_OK)
        return nullptr;
    // Keyed as every preview is; neither of its two values is the key.
    surface->SetColourKey(kKeyGreen);
    surface->FillRect(Rgb(0, 0, 0), 0, 0, kPreviewWidth, kPreviewHeight);
    surface->FillRect(Rgb(255, 255, 255), 2, 2, kPreviewWidth - 2, kPreviewHeight - 2);
    return surface;
}
