#pragma once

#include "recorddialogs.h"

#include <QStringList>

class QCheckBox;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

// "随机数统计": the count and the numeric summary of the record's results.
class TStatForm : public RecordDialog
{
    Q_OBJECT
public:
    // `results` gives the record's results at the moment "统计" is pressed.
    TStatForm(std::function<QStringList()> results, const QString &numberFormat, QWidget *parent = nullptr);

    void BStatClick();

private:
    std::function<QStringList()> results;
    QString numberFormat;
    QCheckBox *StatRanCount;
    QListWidget *StatNum;
    QPushButton *BStat;
    QPlainTextEdit *StatMemo;
};
