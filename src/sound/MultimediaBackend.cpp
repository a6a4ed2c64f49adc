#include "sound/SoundBackend.h"

#include <QAudioDevice>
#include <QAudioOutput>
#include <QMediaDevices>
#include <QMediaPlayer>
#include <QSoundEffect>
#include <QUrl>

#include <memory>

namespace {

class CMultimediaBackend final : public CSoundBackend {
public:
    ~CMultimediaBackend() override { Stop(); }

    bool HasAudioOutput() override { return !QMediaDevices::audioOutputs().isEmpty(); }

    void PlayEffect(const QString& nativePath, std::function<void()> failed) override
    {
        Stop();
        m_effect = std::make_unique<QSoundEffect>();
        QSoundEffect* effect = m_effect.get();
        QObject::connect(effect, &QSoundEffect::statusChanged, effect, [effect, failed] {
            if (effect->status() == QSoundEffect::Error)
                failed();
        });
        m_effect->setSource(QUrl::fromLocalFile(nativePath));
        m_effect->play(); // once the file is loaded
    }

    void PlayMedia(const QString& nativePath, std::function<void()> failed) override
    {
        Stop();
        m_output = std::make_unique<QAudioOutput>();
        m_player = std::make_unique<QMediaPlayer>();
        // Without a media backend the player can do nothing and says nothing.
        if (!m_player->isAvailable()) {
            failed();
            return;
        }
        QMediaPlayer* player = m_player.get();
        player->setAudioOutput(m_output.get());
        QObject::connect(player, &QMediaPlayer::errorOccurred, player, [failed] { failed(); });
        QObject::connect(player, &QMediaPlayer::mediaStatusChanged, player,
                         [failed](QMediaPlayer::MediaStatus status) {
                             if (status == QMediaPlayer::InvalidMedia)
                                 failed();
                         });
        player->setSource(QUrl::fromLocalFile(nativePath));
        player->play();
    }

    void Stop() override
    {
        if (m_effect)
            m_effect->stop();
        if (m_player)
            m_player->stop();
        m_effect.reset();
        m_player.reset();
        m_output.reset();
    }

private:
    std::unique_ptr<QSoundEffect> m_effect;
    std::unique_ptr<QMediaPlayer> m_player;
    std::unique_ptr<QAudioOutput> m_output;
};

} // namespace

extern "C" Q_DECL_EXPORT CSoundBackend* TessellMakeSoundBackend()
{
    return new CMultimediaBackend;
}
