// The voice player module: Qt Multimedia behind the program's VoicePlayer.
#include <QAudioOutput>
#include <QMediaPlayer>
#include <QUrl>

#include "voiceplayer.h"

namespace {

class QtVoicePlayer final : public VoicePlayer
{
public:
    QtVoicePlayer()
    {
        m_player.setAudioOutput(&m_audio);
        QObject::connect(&m_player, &QMediaPlayer::durationChanged, &m_player, [this](qint64 ms) {
            if (durationChanged)
                durationChanged(ms);
        });
        QObject::connect(&m_player, &QMediaPlayer::positionChanged, &m_player, [this](qint64 ms) {
            if (positionChanged)
                positionChanged(ms);
        });
        QObject::connect(&m_player, &QMediaPlayer::playbackStateChanged, &m_player, [this] {
            if (stateChanged)
                stateChanged();
        });
    }

    void setFile(const QString &path) override
    {
        m_player.setSource(path.isEmpty() ? QUrl() : QUrl::fromLocalFile(path));
    }
    bool hasFile() const override { return !m_player.source().isEmpty(); }
    void play() override { m_player.play(); }
    void pause() override { m_player.pause(); }
    void stop() override { m_player.stop(); }
    void setPosition(qint64 ms) override { m_player.setPosition(ms); }
    State state() const override
    {
        switch (m_player.playbackState()) {
        case QMediaPlayer::PlayingState:
            return State::Playing;
        case QMediaPlayer::PausedState:
            return State::Paused;
        default:
            return State::Stopped;
        }
    }

private:
    QAudioOutput m_audio;
    QMediaPlayer m_player;
};

} // namespace

extern "C" Q_DECL_EXPORT VoicePlayer *velmor_create_voice_player()
{
    return new QtVoicePlayer;
}
