#pragma once
// The drawing layer: an off-screen 16-bit back buffer that the designers draw a
// whole frame into, and Present, which hands the finished frame to the view.
#include "common/Rect.h"
#include "display/DisplayResult.h"
#include "display/Surface.h"
#include "display/TextCache.h"

#include <QFont>
#include <QHash>
#include <QImage>
#include <QStaticText>
#include <QString>

#include <functional>
#include <memory>

class CLineBatch;

class CDisplay {
public:
    CDisplay();
    ~CDisplay();

    // Makes the back buffer of width x height; `window` is the view it is
    // presented in (only remembered). 0 or E_FAIL.
    HResult Initialise(void* window, int width, int height);
    HResult Release();
    bool IsReady() const { return m_backBuffer != nullptr; }

    HResult CreateSurface(std::unique_ptr<CSurface>* out, int width, int height);
    // Loads the bitmap from the program's resources by that name, then from the
    // file of that (native) path.
    HResult CreateSurfaceFromBitmap(std::unique_ptr<CSurface>* out, const QString& name);

    // Raw pixel values go into the back buffer unchanged.
    HResult Clear(uint32_t value);
    void FillRect(uint32_t value, int left, int top, int right, int bottom);
    void Line(int x1, int y1, int x2, int y2, uint32_t value);
    void Outline(int left, int top, int right, int bottom, uint32_t value);
    HResult Text(const QFont* font, const QString& text, int x, int y, Colour background, Colour textColour);

    // Copies the source rectangle (or the whole surface) to (x, y), scaled by a
    // whole number, leaving out key-colour pixels of a keyed surface.
    HResult DrawSurface(int x, int y, const CSurface* surface, const CRect* source, int scale);
    // Draws the whole surface at (0, 0) scaled, its key pixels in the raw pixel
    // value `background`, and the rest of the back buffer in that value too: the
    // pixels of Clear(background) followed by DrawSurface(0, 0, surface,
    // nullptr, scale), in one pass over the back buffer. The lines, when given,
    // are drawn over it (as by their DrawInto) and forgotten.
    HResult DrawSurfaceOverClear(const CSurface* surface, int scale, uint32_t background,
                                 CLineBatch* lines = nullptr);
    // The same into another surface, cut at the clip rectangle; the source must be keyed.
    HResult DrawSurfaceOnto(int x, int y, const CSurface* source, CSurface* destination, const CRect* sourceRect,
                            int scale, const CRect* clip);

    // Hands the whole back buffer to whoever shows it.
    HResult Present();
    void SetPresenter(std::function<void(const QImage&)> presenter) { m_presenter = std::move(presenter); }
    int PresentCount() const { return m_presentCount; }
    // How many texts were put from the pixels they gave before.
    int TextsReused() const { return m_texts.Reused(); }

    int width = 100;
    int height = 100;
    int offsetX1 = 0, offsetY1 = 0, offsetX2 = 0, offsetY2 = 0;

    CSurface* BackBuffer() { return m_backBuffer.get(); }
    const CSurface* BackBuffer() const { return m_backBuffer.get(); }

private:
    void* m_window = nullptr;
    std::unique_ptr<CSurface> m_backBuffer;
    std::function<void(const QImage&)> m_presenter;
    int m_presentCount = 0;
    // Texts drawn in the default font keep their layout: designers draw the
    // same few status lines frame after frame.
    QHash<QString, QStaticText> m_textLayouts;
    // What texts in the default font gave, put again where the ground under them is the same.
    CTextCache m_texts;
};

// Copies a rectangle of one surface into another at (x, y), scaled, cut at the
// clip rectangle and at the destination's edges, leaving out key pixels when
// the source is keyed.
void CopySurface(const CSurface& source, const CRect& sourceRect, CSurface& destination, int x, int y, int scale,
                 const CRect& clip);
