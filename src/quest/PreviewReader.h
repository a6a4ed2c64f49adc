#pragma once
// Reads a screen preview file: 128 x 96 lines, one 16-bit pixel value per line,
// rows top to bottom. Each line is read into a 10-byte buffer, so a longer line
// arrives as several values, as it always has.
#include <QString>

class CSurface;

constexpr int kPreviewWidth = 128;
constexpr int kPreviewHeight = 96;

constexpr int kPreviewLines = kPreviewWidth * kPreviewHeight;

// Fills a 128 x 96 surface from the file at the logical path. False when the
// file cannot be opened; missing lines give 0. `linesHeld`, when given, is set
// to how many lines the file holds when it ends before the last pixel, else to
// kPreviewLines.
bool ReadPreviewFile(const QString& logicalPath, CSurface& surface, int* linesHeld = nullptr);
// How many lines the preview file at the logical path holds, as ReadPreviewFile
// gives them in `linesHeld`, without reading a pixel: kPreviewLines when it
// holds them all, -1 when it cannot be opened.
int PreviewLinesHeld(const QString& logicalPath);
