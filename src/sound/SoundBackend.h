#pragma once
// What plays sounds for the editor: Qt Multimedia behind a plain interface, in
// a module of its own (tessellmancery-sound) that the editor loads when the
// first sound is played. Qt Multimedia brings Qt Network, PulseAudio and the
// codecs with it, about twenty libraries that an editor which plays no sound
// would otherwise load and map at every start.
#include <QString>

#include <functional>

class CSoundBackend {
public:
    virtual ~CSoundBackend() = default;

    // Whether the computer has somewhere to play sound.
    virtual bool HasAudioOutput() = 0;
    // Start a WAV file as a sound effect, or any other file through the media
    // player, and return at once. `failed` is called when the sound turns out
    // to be unplayable: from the event loop, or before the call returns when
    // nothing can play it at all, and perhaps more than once.
    virtual void PlayEffect(const QString& nativePath, std::function<void()> failed) = 0;
    virtual void PlayMedia(const QString& nativePath, std::function<void()> failed) = 0;
    // Stops and drops whatever plays; no `failed` comes for it after this.
    virtual void Stop() = 0;
};

// The module's one exported function, which makes its backend.
using MakeSoundBackendFunction = CSoundBackend* (*)();
inline constexpr char kMakeSoundBackendSymbol[] = "TessellMakeSoundBackend";
