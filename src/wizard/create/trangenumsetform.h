#pragma once

#include "modedialog.h"

class QCheckBox;
class QComboBox;

// Number of values on the grid min, min + pred, … ≤ max, computed in single precision
// as stored projects were checked; 0 when the precision gives no grid.
qint64 NumberGridSize(float min, float max, float pred);

// The number-range dialog: parameters of project type 1 and of number-range groups.
class TRangeNumSetForm : public ModeDialog
{
    Q_OBJECT
public:
    explicit TRangeNumSetForm(QWidget *parent = nullptr);

    void LoadProject(int pmode, const QueryParams &params) override;
    QueryParams EncodeProject(int pmode, const QueryParams &current) const override;

    // A number-range group query: min||max||precision||format||repeat||count.
    void LoadGroupQuery(const QString &groupQuery);
    QString EncodeGroupQuery() const;

    // What the last successful validation found, for the group editor's own checks.
    qint64 PossibleCount() const { return possibleCount; }
    int WantedCount() const { return wantedCount; }
    bool RepeatsAllowed() const;

protected:
    bool ValidateInput() override;

private:
    void LoadValues(const QString &min, const QString &max, const QString &pred, const QString &format,
                    const QString &count, bool repeat);
    double CurrentPrecision() const;

    DragNumberEdit *maxValue;
    DragNumberEdit *minValue;
    QComboBox *predValue;
    QComboBox *formatValue;
    DragNumberEdit *ranCountValue;
    QCheckBox *repeatAllowed;
    qint64 possibleCount = 0;
    int wantedCount = 0;
};
