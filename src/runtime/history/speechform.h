#pragma once

#include "displaysection.h"
#include "recorddialogs.h"

#include <functional>

class QSlider;

// "朗读设置": the voice's rate and volume for the current project, with a trial.
class TSpeechForm : public RecordDialog
{
    Q_OBJECT
public:
    // `trial` speaks a sample with the rate and volume given.
    TSpeechForm(const SpeechSettings &settings, std::function<void(int rate, int volume)> trial,
                QWidget *parent = nullptr);
    SpeechSettings Settings() const;

    QSlider *RateSlider;
    QSlider *VolumeSlider;
    QPushButton *BTry;
    QPushButton *BOK;
    QPushButton *BCancel;

private:
    SpeechSettings settings;
};
