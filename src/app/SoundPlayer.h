#pragma once
// Plays one sound at a time without waiting: WAV files as sound effects,
// MIDI, tracker modules and every other format through the media player. A
// sound that cannot be played is reported by a message naming its file; a
// new sound stops the one before it. The playback module is loaded when the
// first sound is played (sound/SoundBackend.h).
#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class CMessagePort;
class CSoundBackend;

class CSoundPlayer : public QObject {
    Q_OBJECT
public:
    explicit CSoundPlayer(CMessagePort& messages, QObject* parent = nullptr);
    ~CSoundPlayer() override;

    // Starts a sound file (a logical path) and returns at once.
    void Play(const QString& logicalPath);
    void Stop();
    // Whether a sound has been started and has not failed or been stopped.
    bool Playing() const;

    // Whether the computer has somewhere to play sound; tests may replace it.
    std::function<bool()> hasAudioOutput;
    // Whether the media player (every format but WAV) can be made; tests may replace it.
    std::function<bool()> mediaBackendReady;

    // The caption of the player's messages, and the messages themselves.
    static QString Caption();
    static QString MissingFileMessage(const QString& logicalPath);
    static QString NoAudioOutputMessage(const QString& logicalPath);
    static QString UnplayableMessage(const QString& logicalPath);
    static QString NoPlaybackMessage(const QString& logicalPath);
    static QString MissingPluginsMessage(const QString& logicalPath);

private:
    // The playback module's backend, loaded the first time; null when there
    // is no module to load.
    CSoundBackend* Backend();
    // Reports a failure of the sound now playing, once, after the signal that
    // told of it has returned.
    void ReportFailure();

    CMessagePort& m_messages;
    QString m_playing; // the logical path of the sound started last
    bool m_failed = false;
    std::unique_ptr<CSoundBackend> m_backend;
    bool m_backendTried = false;
};
