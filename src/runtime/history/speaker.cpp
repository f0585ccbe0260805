#include "speaker.h"

#include <QCoreApplication>
#include <QTextToSpeech>
#include <QVoice>

namespace {
SpeakerFactory &factoryOverride()
{
    static SpeakerFactory factory;
    return factory;
}
} // namespace

SystemSpeaker::SystemSpeaker()
{
    const QStringList engines = QTextToSpeech::availableEngines();
    if (engines.isEmpty()) {
        reason = QCoreApplication::translate("Speaker", "未找到 Qt 的语音插件（请安装 qt6-speech-speechd-plugin、speech-dispatcher"
                                                          " 与 speech-dispatcher-espeak-ng）");
        return;
    }
    const QString engine = engines.contains(QStringLiteral("speechd")) ? QStringLiteral("speechd") : engines.first();
    speech = std::make_unique<QTextToSpeech>(engine);
    if (speech->state() == QTextToSpeech::Error) {
        // The engine's own text is English and names no remedy.
        reason = QCoreApplication::translate("Speaker", "无法连接语音服务 speech-dispatcher（请安装 speech-dispatcher 与"
                                                          " speech-dispatcher-espeak-ng，并确认语音服务可以启动）");
        speech.reset();
        return;
    }
    if (speech->availableVoices().isEmpty() && speech->availableLocales().isEmpty()) {
        reason = QCoreApplication::translate("Speaker", "语音服务没有可用的声音（请安装 speech-dispatcher-espeak-ng）");
        speech.reset();
    }
}

SystemSpeaker::~SystemSpeaker() = default;

void SystemSpeaker::Say(const SpokenText &text, int rate, int volume)
{
    if (!speech || text.text.isEmpty())
        return;
    // A voice for the text's language, chosen now: voices can come and go while the
    // program runs (a speech server restarted, a voice installed).
    for (const QLocale &locale : speech->availableLocales()) {
        if (locale.language() == text.language) {
            if (speech->locale() != locale)
                speech->setLocale(locale);
            const QList<QVoice> voices = speech->availableVoices();
            if (!voices.isEmpty() && !voices.contains(speech->voice()))
                speech->setVoice(voices.first());
            break;
        }
    }
    speech->setRate(qBound(-10, rate, 10) / 10.0);
    speech->setVolume(qBound(0, volume, 100) / 100.0);
    speech->stop();
    speech->say(text.text);
}

void SetSpeakerFactory(SpeakerFactory factory)
{
    factoryOverride() = std::move(factory);
}

std::unique_ptr<Speaker> CreateSpeaker()
{
    if (factoryOverride())
        return factoryOverride()();
    return std::make_unique<SystemSpeaker>();
}
