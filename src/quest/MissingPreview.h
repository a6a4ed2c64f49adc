#pragma once
// The picture of a screen that is on the map without a preview (its preview
// file could not be written): the block the map draws for a cell without one,
// a black block holding a white one inset by 2 pixels on each side.
#include "display/Surface.h"

#include <memory>

std::unique_ptr<CSurface> MissingPreviewSurface();
