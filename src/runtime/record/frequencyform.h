#pragma once

#include "recorddialogs.h"
#include "randomsource.h"

#include <QAbstractTableModel>
#include <QColor>
#include <QFont>
#include <QList>

#include <functional>

class QBarSeries;
class QCategoryAxis;
class QChart;
class QChartView;
class QGraphicsItem;
class QGraphicsPolygonItem;
class QLineSeries;
class QPieSeries;
class QTableView;
class QValueAxis;

// A count axis with a little room above the highest count for the labels, and ticks
// at whole steps (1, 2, 5, 10, 20, …): counts have no fractions to show. The frequency
// chart and the history's count chart share it.
void FitCountAxis(QValueAxis *axis, qint64 highest);

// The rows of FreGrid: number, result, count.
class FrequencyTableModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    explicit FrequencyTableModel(QVector<FrequencyEntry> table, QObject *parent = nullptr);
    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    QVector<FrequencyEntry> table;
};

// "随机数频数统计": how often each distinct result occurs, as a table and as a bar, line
// or pie chart, flat or with depth.
class TFrequencyForm : public RecordDialog
{
    Q_OBJECT
public:
    enum class ChartStyle { Bars, Lines, Sectors };

    // More distinct results than this are listed in the table but not drawn: the chart
    // would be unreadable and slow to lay out.
    static constexpr int kChartPointLimit = 100;

    // `style` and `show3D` are the Frequency settings of Soft.ini ("Bars", "Lines" or
    // "Sectors"; any other text gives bars).
    TFrequencyForm(const QStringList &results, const QString &style, bool show3D, QWidget *parent = nullptr);

    // Makes only the chosen series visible, with its axes.
    void ApplyChartStyle(ChartStyle style);
    ChartStyle ActiveStyle() const { return activeStyle; }
    // The chart's three series (owned by the chart, not by the window).
    QBarSeries *Bars() const { return FBars; }
    QLineSeries *Lines() const { return FLines; }
    QPieSeries *Sectors() const { return FSectors; }
    // Number of faces currently drawn to give the chart its depth (0 when flat).
    int DepthFaceCount() const { return int(depthFaces.size()); }

    void BSaveChartClick();
    void BSaveTableClick();

protected:
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void BuildSeries();
    void RebuildDepth();
    // Names the results under bars or points: level where the names fit side by side,
    // else upright, else every second, third … name upright; some names always show.
    // `position` gives the axis value of the i-th result.
    void FitAxisLabels(QCategoryAxis *axis, qreal labelSpacing, const std::function<qreal(qsizetype)> &position);
    // Axis value under the middle of the index-th bar.
    qreal BarCentre(qsizetype index) const;
    // Full name and count of the result under the pointer, for the names the axis
    // leaves out or cuts short.
    void ShowResultTip(qsizetype index, bool hovered);
    // The counts over bars and points are written in the window's own face.
    QFont CountFont() const;
    // Width of the widest count as it is written over a bar or a point.
    qreal WidestCountLabel() const;
    void PlaceBarLabels(bool withDepth);
    void LabelLinePoints();
    void AddFace(const QPolygonF &polygon, const QColor &colour);
    void AddBarDepth();
    void AddLineDepth();
    void AddSectorDepth();

    QVector<FrequencyEntry> table;
    QList<QColor> pointColours;
    GeneratorSource colourSource;
    ChartStyle activeStyle = ChartStyle::Bars;

    QTableView *FreGrid;
    QChartView *FChartView;
    QChart *FChart;
    QBarSeries *FBars;
    QLineSeries *FLines;
    QPieSeries *FSectors;
    QCategoryAxis *barsAxisX;
    QValueAxis *barsAxisY;
    QCategoryAxis *linesAxisX;
    QValueAxis *linesAxisY;
    QRadioButton *UseBars;
    QRadioButton *UseLines;
    QRadioButton *UseSectors;
    QCheckBox *Show3D;
    QPushButton *BSaveChart;
    QPushButton *BSaveTable;
    QList<QGraphicsPolygonItem *> depthFaces;
    QList<QGraphicsItem *> overlayItems; // labels drawn over the series
};
