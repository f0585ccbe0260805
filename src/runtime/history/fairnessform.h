#pragma once

#include "fairnessreport.h"
#include "fairsettings.h"
#include "querysection.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QTableWidget;

// "公平性检验": the project's fair settings simulated from today's history (nothing is
// written), beside the real history: per entry the expected and counted turns and the
// longest wait, the χ² figure with its p-value, the spread against plain random draws and
// who has waited longest. A custom project's list items drawn fairly are checked one at a
// time, chosen above the table.
class TFairnessForm : public QDialog
{
    Q_OBJECT
public:
    // `items`: the fair settings of a custom project's list items (`settings` is then unused).
    TFairnessForm(QString project, int pmode, QueryParams query, FairSettings settings, ItemFairSettings items = {},
                  QWidget *parent = nullptr);

    // Runs the check with the number of draws chosen.
    void CheckClick();

    QComboBox *FairItemChoice = nullptr; // custom projects only
    QSpinBox *FairDrawsValue;
    QPushButton *FairCheckButton;
    QTableWidget *FairnessTableView;
    QLabel *FairSummary;

private:
    void ShowModeLine();

    FairnessSubject subject;
    ItemFairSettings items;
    QLabel *modeLine;
};
