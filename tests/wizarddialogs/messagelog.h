#pragma once

#include "messages.h"

#include <QAbstractButton>
#include <QPushButton>
#include <QStringList>

// Collects the message boxes a dialog shows (answering questions with `answer`) and
// counts the hand-backs through a stand-in Commander button.
struct MessageLog
{
    explicit MessageLog(QMessageBox::StandardButton answer = QMessageBox::Yes)
    {
        SetMessageHandler([this, answer](const ShownMessage &message) {
            captions << message.caption;
            texts << message.text;
            return message.buttons.testFlag(answer) ? answer : QMessageBox::Ok;
        });
        QObject::connect(&commander, &QPushButton::clicked, [this] { ++handBacks; });
    }
    ~MessageLog() { SetMessageHandler({}); }
    void clear()
    {
        captions.clear();
        texts.clear();
        handBacks = 0;
    }

    QStringList captions;
    QStringList texts;
    QPushButton commander;
    int handBacks = 0;
};
