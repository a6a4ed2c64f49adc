#include "app/MediaBackendProbe.h"

#include <QLibrary>

#include <cstdlib>

namespace {

// The elements Qt's GStreamer player and audio output are built from.
const char* const kNeededElements[] = {"uridecodebin", "videoconvert", "videoscale", "audioconvert",
                                       "audioresample", "volume", "autoaudiosink"};

bool UsesGStreamer()
{
    const QByteArray chosen = qgetenv("QT_MEDIA_BACKEND");
    return chosen.isEmpty() || chosen == "gstreamer";
}

bool GStreamerHasElements()
{
    // Looked up at run time: GStreamer's library comes with Qt's backend, its
    // headers need not be installed to build this program.
    QLibrary gstreamer(QStringLiteral("gstreamer-1.0"), 0);
    if (!gstreamer.load())
        return true; // without GStreamer, Qt's GStreamer backend is not loaded either
    using InitCheck = int (*)(int*, char***, void**);
    using FactoryFind = void* (*)(const char*);
    using ObjectUnref = void (*)(void*);
    const auto initCheck = reinterpret_cast<InitCheck>(gstreamer.resolve("gst_init_check"));
    const auto factoryFind = reinterpret_cast<FactoryFind>(gstreamer.resolve("gst_element_factory_find"));
    const auto objectUnref = reinterpret_cast<ObjectUnref>(gstreamer.resolve("gst_object_unref"));
    if (!initCheck || !factoryFind || !objectUnref || !initCheck(nullptr, nullptr, nullptr))
        return false;
    for (const char* element : kNeededElements) {
        void* factory = factoryFind(element);
        if (!factory)
            return false;
        objectUnref(factory);
    }
    return true;
}

} // namespace

bool MediaBackendReady()
{
    static const bool ready = !UsesGStreamer() || GStreamerHasElements();
    return ready;
}
