#include "app/SoundPlayer.h"

#include "app/MediaBackendProbe.h"
#include "support/io/NativeFile.h"
#include "support/io/TextCodec.h"
#include "support/paths/LogicalPath.h"
#include "support/ui/MessagePort.h"

#include <QFileInfo>
#include <QUrl>

#ifdef TESSELL_HAVE_MULTIMEDIA
#include <QAudioDevice>
#include <QAudioOutput>
#include <QMediaDevices>
#include <QMediaPlayer>
#include <QSoundEffect>
#endif

CSoundPlayer::CSoundPlayer(CMessagePort& messages, QObject* parent) : QObject(parent), m_messages(messages)
{
    hasAudioOutput = [] {
#ifdef TESSELL_HAVE_MULTIMEDIA
        return !QMediaDevices::audioOutputs().isEmpty();
#else
        return false;
#endif
    };
    mediaBackendReady = MediaBackendReady;
}

CSoundPlayer::~CSoundPlayer()
{
    Stop();
}

QString CSoundPlayer::Caption()
{
    return QStringLiteral("Sound Manager");
}

QString CSoundPlayer::MissingFileMessage(const QString& logicalPath)
{
    return QStringLiteral("The sound file %1 can't be found.").arg(DisplayText(logicalPath));
}

QString CSoundPlayer::NoAudioOutputMessage(const QString& logicalPath)
{
    return QStringLiteral("The sound %1 can't be played: this computer has no audio output.")
        .arg(DisplayText(logicalPath));
}

QString CSoundPlayer::UnplayableMessage(const QString& logicalPath)
{
    return QStringLiteral("The sound %1 can't be played: nothing on this computer plays its format, or the file is "
                          "damaged.")
        .arg(DisplayText(logicalPath));
}

QString CSoundPlayer::NoPlaybackMessage(const QString& logicalPath)
{
    return QStringLiteral("The sound %1 can't be played: this program was built without sound playback.")
        .arg(DisplayText(logicalPath));
}

QString CSoundPlayer::MissingPluginsMessage(const QString& logicalPath)
{
    return QStringLiteral("The sound %1 can't be played: the GStreamer plugins that play sounds are not installed on "
                          "this computer.")
        .arg(DisplayText(logicalPath));
}

void CSoundPlayer::Stop()
{
#ifdef TESSELL_HAVE_MULTIMEDIA
    if (m_effect)
        m_effect->stop();
    if (m_player)
        m_player->stop();
#endif
    m_effect.reset();
    m_player.reset();
    m_output.reset();
    m_playing.clear();
}

bool CSoundPlayer::Playing() const
{
    return !m_playing.isEmpty() && !m_failed;
}

void CSoundPlayer::Play(const QString& logicalPath)
{
    Stop();
    m_failed = false;
    const QString nativePath = NativePath(logicalPath);
    if (!IsNativeFile(nativePath)) {
        m_messages.MessageBox(MissingFileMessage(logicalPath), Caption());
        return;
    }
#ifndef TESSELL_HAVE_MULTIMEDIA
    m_messages.MessageBox(NoPlaybackMessage(logicalPath), Caption());
#else
    if (!hasAudioOutput()) {
        m_messages.MessageBox(NoAudioOutputMessage(logicalPath), Caption());
        return;
    }
    if (QFileInfo(nativePath).suffix().compare(QLatin1String("wav"), Qt::CaseInsensitive) == 0) {
        m_playing = logicalPath;
        PlayEffect(nativePath);
        return;
    }
    if (!mediaBackendReady()) {
        m_messages.MessageBox(MissingPluginsMessage(logicalPath), Caption());
        return;
    }
    m_playing = logicalPath;
    PlayMedia(nativePath);
#endif
}

#ifdef TESSELL_HAVE_MULTIMEDIA
void CSoundPlayer::PlayEffect(const QString& nativePath)
{
    m_effect = std::make_unique<QSoundEffect>();
    QSoundEffect* effect = m_effect.get();
    connect(effect, &QSoundEffect::statusChanged, this, [this, effect] {
        if (effect->status() == QSoundEffect::Error)
            ReportFailure();
    });
    m_effect->setSource(QUrl::fromLocalFile(nativePath));
    m_effect->play(); // once the file is loaded
}

void CSoundPlayer::PlayMedia(const QString& nativePath)
{
    m_output = std::make_unique<QAudioOutput>();
    m_player = std::make_unique<QMediaPlayer>();
    // Without a media backend the player can do nothing and says nothing.
    if (!m_player->isAvailable()) {
        ReportFailure();
        return;
    }
    m_player->setAudioOutput(m_output.get());
    connect(m_player.get(), &QMediaPlayer::errorOccurred, this, [this] { ReportFailure(); });
    connect(m_player.get(), &QMediaPlayer::mediaStatusChanged, this, [this](QMediaPlayer::MediaStatus status) {
        if (status == QMediaPlayer::InvalidMedia)
            ReportFailure();
    });
    m_player->setSource(QUrl::fromLocalFile(nativePath));
    m_player->play();
}
#else
void CSoundPlayer::PlayEffect(const QString&) {}
void CSoundPlayer::PlayMedia(const QString&) {}
#endif

void CSoundPlayer::ReportFailure()
{
    if (m_failed || m_playing.isEmpty())
        return;
    m_failed = true;
    const QString text = UnplayableMessage(m_playing);
    // The player's own signal is still being handled: the message waits for it.
    QMetaObject::invokeMethod(
        this, [this, text] { m_messages.MessageBox(text, Caption()); }, Qt::QueuedConnection);
}
