#include "app/SoundPlayer.h"

#include "app/MediaBackendProbe.h"
#include "support/io/NativeFile.h"
#include "support/io/TextCodec.h"
#include "sound/SoundBackend.h"
#include "support/paths/LogicalPath.h"
#include "support/platform/DiagnosticLog.h"
#include "support/ui/MessagePort.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>

CSoundPlayer::CSoundPlayer(CMessagePort& messages, QObject* parent) : QObject(parent), m_messages(messages)
{
    hasAudioOutput = [this] {
        CSoundBackend* backend = Backend();
        return backend && backend->HasAudioOutput();
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

CSoundBackend* CSoundPlayer::Backend()
{
#ifdef TESSELL_HAVE_MULTIMEDIA
    if (!m_backendTried) {
        m_backendTried = true;
        // The module's installed place beside the installed programs, else
        // the one the build made. It stays loaded to the end.
        QStringList places{QStringLiteral(TESSELL_BUILT_SOUND_MODULE)};
        if (QCoreApplication::instance())
            places.prepend(QDir::cleanPath(QCoreApplication::applicationDirPath() + QLatin1Char('/')
                                           + QStringLiteral(TESSELL_INSTALLED_SOUND_MODULE)));
        for (const QString& place : places) {
            if (!QFileInfo(place).isFile())
                continue;
            QLibrary module(place);
            const auto make = reinterpret_cast<MakeSoundBackendFunction>(module.resolve(kMakeSoundBackendSymbol));
            if (make) {
                m_backend.reset(make());
                break;
            }
            LogLine(QStringLiteral("The sound playback module could not be loaded: ") + module.errorString());
        }
    }
#endif
    return m_backend.get();
}

void CSoundPlayer::Stop()
{
    if (m_backend)
        m_backend->Stop();
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
    CSoundBackend* backend = Backend();
    if (!backend) {
        m_messages.MessageBox(NoPlaybackMessage(logicalPath), Caption());
        return;
    }
    if (!hasAudioOutput()) {
        m_messages.MessageBox(NoAudioOutputMessage(logicalPath), Caption());
        return;
    }
    if (QFileInfo(nativePath).suffix().compare(QLatin1String("wav"), Qt::CaseInsensitive) == 0) {
        m_playing = logicalPath;
        backend->PlayEffect(nativePath, [this] { ReportFailure(); });
        return;
    }
    if (!mediaBackendReady()) {
        m_messages.MessageBox(MissingPluginsMessage(logicalPath), Caption());
        return;
    }
    m_playing = logicalPath;
    backend->PlayMedia(nativePath, [this] { ReportFailure(); });
}

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
