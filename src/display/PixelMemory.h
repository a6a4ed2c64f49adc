#pragma once
// Zeroed images for the drawing layer. A buffer of a megabyte or more that is
// drawn into (the back buffer, a large sheet) is mapped in 2 MB huge pages
// where the system offers them: its first touch then costs a fault or two
// instead of one fault per 4 KB page, which under a virtual machine is most of
// the time it takes to draw the first frame into it.
#include <QImage>

// A width x height image of the format, every byte zero; a null image when
// there is no memory for it. A large one whose rows are a whole number of
// kilobytes has a cache line more a row than Qt would give it.
QImage ZeroedImage(int width, int height, QImage::Format format);

// Copies `image` into `kept`, which is made anew (laid out as ZeroedImage lays
// it out, on plain pages) only when its size or format differs: a frame or
// band kept over and over reuses one buffer. Rows laid out otherwise are
// copied one by one. The last bytes go first, as they are the ones a frame
// drew last. False, `kept` null, when there is no memory for it.
bool CopyIntoKept(const QImage& image, QImage& kept);
