#pragma once
// The preview file (".bmp" by name, text by content): the screen's 320 x 240
// picture reduced to 128 x 96, one 16-bit pixel value per line, rows from the
// top, written "%d". The map shows these without loading any sheet.
#include <QByteArray>
#include <QString>

class CDisplay;
class CSurface;
class CMessagePort;

// The lines of a 128 x 96 surface.
QByteArray PreviewFileBytes(const CSurface& small);

// Writes basePath + ".bmp" from the screen's preview surface. 0 when the
// temporary surface cannot be made (nothing written, no message) or the file
// cannot be written ("Couldn't Open Image Preview file for saving", caption
// the path); 1 when written.
int WritePreviewFile(const CSurface& screenPreview, const QString& basePath, CDisplay* display, CMessagePort& ui);
