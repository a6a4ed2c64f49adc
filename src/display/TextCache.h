#pragma once
// The pixels a text gave when it was last drawn, kept with the pixels that lay
// under it. Drawing a text in a given font and colour depends only on the
// pixels under it (at whole-pixel positions the glyphs fall the same way), so
// where the pixels under the text are the same again, the kept result is the
// frame's result, wherever the text stands: designers draw the same labels
// and status lines over the same ground frame after frame.
#include "display/Surface.h"

#include <QHash>
#include <QRect>
#include <QString>

#include <functional>
#include <vector>

class CTextCache {
public:
    // `measure` gives the rectangle, relative to a text's top-left position,
    // that holds every pixel drawing the text can change.
    explicit CTextCache(std::function<QRect(const QString&)> measure) : m_measure(std::move(measure)) {}

    // Puts the kept result at (x, y) when the pixels of the text's rectangle
    // there are the ones it was drawn over; true when it did.
    bool Reuse(CSurface& surface, const QString& text, Colour colour, int x, int y);
    // Draws through `draw` and keeps what it gave, when the whole rectangle
    // lies on the surface (otherwise only draws).
    void DrawAndKeep(CSurface& surface, const QString& text, Colour colour, int x, int y,
                     const std::function<void()>& draw);

    // How many texts were put from kept results.
    int Reused() const { return m_reused; }

private:
    struct Key {
        QString text;
        Colour colour;
        bool operator==(const Key& other) const { return colour == other.colour && text == other.text; }
    };
    friend size_t qHash(const Key& key, size_t seed) { return qHashMulti(seed, key.text, key.colour); }
    struct Kept {
        QRect box; // the measured rectangle, relative to the text's position
        std::vector<uint16_t> under;
        std::vector<uint16_t> result;
    };
    // A measured rectangle at (x, y), or an empty one where it is not wholly on the surface.
    static QRect Placed(const CSurface& surface, const QRect& box, int x, int y);

    std::function<QRect(const QString&)> m_measure;
    QHash<Key, Kept> m_kept;
    QHash<QString, QRect> m_boxes;
    int m_reused = 0;
};
