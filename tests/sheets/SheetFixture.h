#pragma once
// Sheets for tests: a bitmap and a sheet file written into a temporary base
// directory, and a quest whose sheets.txt lists them.
#include "helpers/TempBase.h"

#include <QColor>
#include <QImage>
#include <QPainter>

#include <initializer_list>
#include <utility>

namespace sheetfixture {

// The colours of the test sheet "tiles" (64 x 16, key green elsewhere).
inline const QColor kRed(255, 0, 0);
inline const QColor kBlue(0, 0, 255);
inline const QColor kYellow(255, 255, 0);
inline const QColor kBlack(0, 0, 0);
inline const QColor kMagenta(255, 0, 255);
inline const QColor kCyan(0, 255, 255);
inline const QColor kKey(0, 255, 0);

inline void WriteBitmap(const CTempBase& base, const QString& name, const QImage& image)
{
    image.save(base.Path(QStringLiteral("sprite sheets\\") + name + QStringLiteral(".bmp")), "BMP");
}

// red 8x8 fill at 0,0; blue 16x16 sprite at 8,0 with a keyed 4x4 hole in its
// middle; yellow 8x8 on-top fill at 24,0; black hole001 and hole002 8x8 fills
// at 32,0 and 40,0; magenta 8x8 entity at 48,0; cyan 8x8 on-top sprite at 56,0.
inline QImage TilesImage()
{
    QImage image(64, 16, QImage::Format_RGB32);
    image.fill(kKey);
    QPainter p(&image);
    p.fillRect(0, 0, 8, 8, kRed);
    p.fillRect(8, 0, 16, 16, kBlue);
    p.fillRect(14, 6, 4, 4, kKey);
    p.fillRect(24, 0, 8, 8, kYellow);
    p.fillRect(32, 0, 8, 8, kBlack);
    p.fillRect(40, 0, 8, 8, kBlack);
    p.fillRect(48, 0, 8, 8, kMagenta);
    p.fillRect(56, 0, 8, 8, kCyan);
    return image;
}

inline QByteArray Still(const char* markers, const char* code, int x, int y, int w, int h, bool fill,
                        const char* onTop)
{
    QByteArray b = markers;
    b += QByteArray(code) + "\r\n";
    for (int v : {x, y, w, h})
        b += QByteArray::number(v) + "\r\n";
    if (fill)
        b += "[FILL]\r\n";
    b += QByteArray("\r\n") + onTop + "\r\n255\r\n[EE]\r\n";
    return b;
}

inline QByteArray TilesSpt()
{
    return QByteArray("Tiles\r\n") + Still("[BACKGROUND]\r\n", "red", 0, 0, 8, 8, true, "FALSE")
        + Still("[BACKGROUND]\r\n", "blue", 8, 0, 16, 16, false, "FALSE")
        + Still("[BACKGROUND]\r\n", "yellow", 24, 0, 8, 8, true, "TRUE")
        + Still("[BACKGROUND]\r\n", "hole001", 32, 0, 8, 8, true, "FALSE")
        + Still("[BACKGROUND]\r\n", "hole002", 40, 0, 8, 8, true, "FALSE")
        + Still("[ENTITY]\r\n", "ent", 48, 0, 8, 8, false, "FALSE")
        + Still("[BACKGROUND]\r\n", "cyan", 56, 0, 8, 8, false, "TRUE");
}

inline void WriteSheet(const CTempBase& base, const QString& name, const QImage& image, const QByteArray& spt)
{
    WriteBitmap(base, name, image);
    base.Write(QStringLiteral("sprite sheets\\") + name + QStringLiteral(".spt"), spt);
}

// Makes questdata\{quest}\ and its sheets.txt listing the names at the top level.
inline void ListSheets(const CTempBase& base, const QString& quest, std::initializer_list<const char*> names)
{
    QByteArray list;
    for (const char* n : names)
        list += QByteArray(n) + "\r\n" + QByteArray(n) + "\r\n";
    base.Write(QStringLiteral("questdata\\") + quest + QStringLiteral("\\sheets.txt"), list);
}

} // namespace sheetfixture
