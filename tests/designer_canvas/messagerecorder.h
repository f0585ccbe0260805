#pragma once

#include "messages.h"

#include <QStringList>

// Records the boxes shown while it lives and answers questions with `answer`.
struct MessageRecorder
{
    explicit MessageRecorder(QMessageBox::StandardButton answer = QMessageBox::Ok)
    {
        SetMessageHandler([this, answer](const ShownMessage &message) {
            captions << message.caption;
            texts << message.text;
            return answer;
        });
    }
    ~MessageRecorder() { SetMessageHandler({}); }

    QStringList captions;
    QStringList texts;
};
