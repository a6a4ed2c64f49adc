#pragma once
// Whether Qt's media player can be made safely. Qt's GStreamer backend builds
// its pipeline from GStreamer elements when a player is made and crashes when
// one of them is missing (GStreamer installed without its base plugins), so
// the elements are looked for first. Another backend needs no such check.
#include <QString>

// True when the media backend in use has what it needs, or is not GStreamer.
bool MediaBackendReady();
