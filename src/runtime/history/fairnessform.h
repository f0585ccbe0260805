#pragma once

#include "fairsettings.h"
#include "querysection.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QSpinBox;
class QTableWidget;

// "公平性检验": the project's fair settings simulated from today's history (nothing is
// written), beside the real history: per entry the expected and counted turns and the
// longest wait, the χ² figure with its p-value, the spread against plain random draws and
// who has waited longest.
class TFairnessForm : public QDialog
{
    Q_OBJECT
public:
    TFairnessForm(QString project, int pmode, QueryParams query, FairSettings settings, QWidget *parent = nullptr);

    // Runs the check with the number of draws chosen.
    void CheckClick();

    QSpinBox *FairDrawsValue;
    QPushButton *FairCheckButton;
    QTableWidget *FairnessTableView;
    QLabel *FairSummary;

private:
    QString project;
    int pmode;
    QueryParams query;
    FairSettings settings;
};
