#include "musicchannel.h"

#include <QAudioOutput>
#include <QFileInfo>
#include <QMediaPlayer>
#include <QUrl>

MusicChannel::MusicChannel(const QString &name, QObject *parent) : QObject(parent)
{
    setObjectName(name);
}

void MusicChannel::CreatePlayer()
{
    m_player = new QMediaPlayer(this);
    m_output = new QAudioOutput(this);
    m_player->setAudioOutput(m_output);
    connect(m_player, &QMediaPlayer::mediaStatusChanged, this, [this](QMediaPlayer::MediaStatus status) {
        if (status == QMediaPlayer::EndOfMedia)
            emit Ended();
        else if (status == QMediaPlayer::InvalidMedia)
            emit Failed();
    });
    connect(m_player, &QMediaPlayer::errorOccurred, this, [this](QMediaPlayer::Error error) {
        if (error != QMediaPlayer::NoError)
            emit Failed();
    });
}

bool MusicChannel::Play(const QString &path)
{
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return false;
    if (!m_player)
        CreatePlayer();
    if (path != m_path) {
        m_path = path;
        m_player->setSource(QUrl::fromLocalFile(path));
    } else {
        m_player->setPosition(0);
    }
    m_player->play();
    return true;
}

void MusicChannel::Resume()
{
    if (m_player && !m_path.isEmpty())
        m_player->play();
}

void MusicChannel::Pause()
{
    if (m_player)
        m_player->pause();
}

void MusicChannel::Stop()
{
    if (m_player)
        m_player->stop();
}

bool MusicChannel::IsPlaying() const
{
    return m_player && m_player->playbackState() == QMediaPlayer::PlayingState;
}

bool MusicChannel::IsPaused() const
{
    return m_player && m_player->playbackState() == QMediaPlayer::PausedState;
}
