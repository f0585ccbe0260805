#pragma once

#include <QObject>
#include <QString>

class QAudioOutput;
class QMediaPlayer;

// One music player of the drawing window. The media player is created on first use,
// so projects without music start fast. A missing file or a machine without a sound
// device never shows an error: the channel reports Failed and stays silent.
class MusicChannel : public QObject
{
    Q_OBJECT
public:
    MusicChannel(const QString &name, QObject *parent);

    // Plays the file from its start. Returns false (and plays nothing) when it does not
    // exist.
    bool Play(const QString &path);
    void Resume();
    void Pause();
    void Stop();
    bool IsPlaying() const;
    bool IsPaused() const;
    QString CurrentPath() const { return m_path; }

signals:
    void Ended();
    void Failed();

private:
    void CreatePlayer();

    QMediaPlayer *m_player = nullptr;
    QAudioOutput *m_output = nullptr;
    QString m_path;
};
