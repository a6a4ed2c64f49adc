#pragma once
// The program's icon, in the sizes the program ships (16 to 256 pixels). The
// pictures are read when the window system first asks for one, not when the
// main window is made: decoding six PNG files (and looking for the image
// plugins first) is a good part of a start that shows no icon at all, as
// under most Wayland compositors and the offscreen platform.
#include <QIcon>

QIcon ApplicationIcon();
