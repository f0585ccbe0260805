#pragma once

#include "speechtext.h"

#include <QString>

#include <functional>
#include <memory>

class QTextToSpeech;

// Reads texts aloud. The drawing window talks to this interface only, so tests hand it
// a speaker that records what it was given and needs no sound device.
class Speaker
{
public:
    virtual ~Speaker() = default;
    // Empty when texts can be read aloud; otherwise why not, in words for the user.
    virtual QString UnavailableReason() const = 0;
    // Starts reading and returns at once. `rate` -10 … 10, `volume` 0 … 100. A text in
    // a language without a voice is read with the engine's default voice.
    virtual void Say(const SpokenText &text, int rate, int volume) = 0;
};

// Qt TextToSpeech: the speech-dispatcher engine when there is one (espeak-ng's voices
// behind it read Chinese and English), else the first engine found.
class SystemSpeaker : public Speaker
{
public:
    SystemSpeaker();
    ~SystemSpeaker() override;
    QString UnavailableReason() const override { return reason; }
    void Say(const SpokenText &text, int rate, int volume) override;

private:
    std::unique_ptr<QTextToSpeech> speech;
    QString reason;
};

using SpeakerFactory = std::function<std::unique_ptr<Speaker>()>;
// The factory the drawing window uses unless a test sets another (empty: the system's).
void SetSpeakerFactory(SpeakerFactory factory);
std::unique_ptr<Speaker> CreateSpeaker();
