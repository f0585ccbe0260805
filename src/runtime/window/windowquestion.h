#pragma once

#include "generator.h"

class QWidget;

// The exhausted-list question of the drawing window: a Yes/No/Cancel question box;
// only Yes resets the list.
class WindowRemainingQuestion : public RemainingQuestion
{
public:
    explicit WindowRemainingQuestion(QWidget *parent) : m_parent(parent) {}
    bool AskReset(const QString &caption, const QString &text) override;

private:
    QWidget *m_parent;
};
