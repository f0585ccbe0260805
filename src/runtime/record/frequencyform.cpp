#include "frequencyform.h"

#include "gradient.h"
#include "messages.h"
#include "savefilechooser.h"
#include "suiteerror.h"
#include "textfile.h"

#include <QBarSeries>
#include <QBarSet>
#include <QBuffer>
#include <QCursor>
#include <QButtonGroup>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QFontMetricsF>
#include <QGraphicsPolygonItem>
#include <QGraphicsSimpleTextItem>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineSeries>
#include <QPieSeries>
#include <QPieSlice>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTimer>
#include <QToolTip>
#include <QVBoxLayout>
#include <QValueAxis>

#include <cmath>

namespace {

// Share of the plot the bars take together: a few bars stay slim, many fill the plot.
qreal BarsWidth(qsizetype bars)
{
    return std::min(0.8, 0.15 * qreal(bars));
}
constexpr qreal kPieSize = 0.62;         // pie diameter as a share of the plot's smaller side
constexpr qreal kPieDepthShare = 0.16;   // pie thickness as a share of its radius

QPointF OnCircle(const QPointF &centre, qreal radius, qreal degreesFromTop)
{
    const qreal radians = qDegreesToRadians(degreesFromTop);
    return centre + QPointF(radius * std::sin(radians), -radius * std::cos(radians));
}

} // namespace

void FitCountAxis(QValueAxis *axis, qint64 highest)
{
    constexpr int kMostSteps = 6;
    const qreal top = std::max<qreal>(1, std::ceil(qreal(highest) * 1.15));
    qreal step = 1;
    for (int factor = 0; top / step > kMostSteps; factor = (factor + 1) % 3)
        step *= factor == 1 ? 2.5 : 2;
    axis->setRange(0, std::ceil(top / step) * step);
    axis->setTickType(QValueAxis::TicksDynamic);
    axis->setTickAnchor(0);
    axis->setTickInterval(step);
    axis->setLabelFormat(QStringLiteral("%d"));
}

FrequencyTableModel::FrequencyTableModel(QVector<FrequencyEntry> table, QObject *parent)
    : QAbstractTableModel(parent), table(std::move(table))
{
}

int FrequencyTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(table.size());
}

int FrequencyTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : 3;
}

QVariant FrequencyTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= table.size())
        return {};
    if (role == Qt::TextAlignmentRole)
        return index.column() == 1 ? int(Qt::AlignLeft | Qt::AlignVCenter) : int(Qt::AlignCenter);
    if (role != Qt::DisplayRole)
        return {};
    const FrequencyEntry &entry = table.at(index.row());
    switch (index.column()) {
    case 0:
        return QString::number(index.row() + 1);
    case 1:
        return entry.result;
    default:
        return QString::number(entry.count);
    }
}

QVariant FrequencyTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal)
        return QAbstractTableModel::headerData(section, orientation, role);
    static const QStringList headers = {tr("编号"), tr("随机数"), tr("频数")};
    return headers.value(section);
}

TFrequencyForm::TFrequencyForm(const QStringList &results, const QString &style, bool show3D, QWidget *parent)
    : RecordDialog(parent), table(FrequencyTable(results))
{
    setObjectName(QStringLiteral("TFrequencyForm"));
    setWindowTitle(tr("随机数频数统计"));
    resize(900, 560);

    FreGrid = new QTableView(this);
    FreGrid->setObjectName(QStringLiteral("FreGrid"));
    FreGrid->setAccessibleName(tr("频数表"));
    FreGrid->setModel(new FrequencyTableModel(table, FreGrid));
    FreGrid->verticalHeader()->hide();
    FreGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    FreGrid->setSelectionBehavior(QAbstractItemView::SelectRows);
    FreGrid->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    FreGrid->setColumnWidth(0, 50);
    FreGrid->setColumnWidth(2, 60);
    FreGrid->setFixedWidth(260);

    FChart = new QChart;
    FChart->setObjectName(QStringLiteral("FChart"));
    QString title = tr("频数统计图");
    if (table.size() > kChartPointLimit)
        title += tr("（仅显示前%1项）").arg(kChartPointLimit);
    FChart->setTitle(title);
    QFont titleFont = FChart->titleFont();
    titleFont.setPointSize(14);
    titleFont.setBold(true);
    FChart->setTitleFont(titleFont);
    // The dialog's gradient shows through the chart.
    FChart->setBackgroundVisible(false);
    FChart->legend()->hide();
    FChartView = new QChartView(FChart, this);
    FChartView->setObjectName(QStringLiteral("FChartView"));
    FChartView->setAccessibleName(tr("频数统计图"));
    FChartView->setRenderHint(QPainter::Antialiasing);
    FChartView->setStyleSheet(QStringLiteral("background: transparent"));
    FChartView->setMinimumSize(560, 400);

    BuildSeries();

    auto *styleGroup = new QButtonGroup(this);
    auto addStyle = [&](const QString &name, const QString &caption) {
        auto *radio = new QRadioButton(caption, this);
        radio->setObjectName(name);
        styleGroup->addButton(radio);
        return radio;
    };
    UseBars = addStyle(QStringLiteral("UseBars"), tr("柱状图"));
    UseLines = addStyle(QStringLiteral("UseLines"), tr("折线图"));
    UseSectors = addStyle(QStringLiteral("UseSectors"), tr("扇形图"));
    Show3D = new QCheckBox(tr("使用3D效果"), this);
    Show3D->setObjectName(QStringLiteral("Show3D"));
    BSaveChart = new QPushButton(tr("保存统计图"), this);
    BSaveChart->setObjectName(QStringLiteral("BSaveChart"));
    BSaveTable = new QPushButton(tr("导出频数表"), this);
    BSaveTable->setObjectName(QStringLiteral("BSaveTable"));

    auto *controls = new QHBoxLayout;
    controls->addWidget(UseBars);
    controls->addWidget(UseLines);
    controls->addWidget(UseSectors);
    controls->addSpacing(16);
    controls->addWidget(Show3D);
    controls->addStretch();
    controls->addWidget(BSaveChart);
    controls->addWidget(BSaveTable);

    auto *top = new QHBoxLayout;
    top->addWidget(FreGrid);
    top->addWidget(FChartView, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addLayout(controls);

    // The stored style and depth, then both applied.
    const ChartStyle initial = style == QLatin1String("Lines")     ? ChartStyle::Lines
                               : style == QLatin1String("Sectors") ? ChartStyle::Sectors
                                                                   : ChartStyle::Bars;
    (initial == ChartStyle::Lines ? UseLines : initial == ChartStyle::Sectors ? UseSectors : UseBars)->setChecked(true);
    Show3D->setChecked(show3D);
    ApplyChartStyle(initial);

    connect(UseBars, &QRadioButton::toggled, this, [this](bool on) { if (on) ApplyChartStyle(ChartStyle::Bars); });
    connect(UseLines, &QRadioButton::toggled, this, [this](bool on) { if (on) ApplyChartStyle(ChartStyle::Lines); });
    connect(UseSectors, &QRadioButton::toggled, this,
            [this](bool on) { if (on) ApplyChartStyle(ChartStyle::Sectors); });
    connect(Show3D, &QCheckBox::toggled, this, &TFrequencyForm::RebuildDepth);
    connect(FChart, &QChart::plotAreaChanged, this, &TFrequencyForm::RebuildDepth);
    connect(FBars, &QBarSeries::hovered, this,
            [this](bool hovered, int, QBarSet *set) { ShowResultTip(FBars->barSets().indexOf(set), hovered); });
    connect(FLines, &QLineSeries::hovered, this,
            [this](const QPointF &point, bool hovered) { ShowResultTip(qRound(point.x()), hovered); });
    connect(BSaveChart, &QPushButton::clicked, this, &TFrequencyForm::BSaveChartClick);
    connect(BSaveTable, &QPushButton::clicked, this, &TFrequencyForm::BSaveTableClick);
}

void TFrequencyForm::BuildSeries()
{
    const qsizetype shown = std::min<qsizetype>(table.size(), kChartPointLimit);
    qsizetype highest = 0;
    for (qsizetype i = 0; i < shown; ++i) {
        pointColours.append(QColor(int(colourSource.Below(256)), int(colourSource.Below(256)),
                                   int(colourSource.Below(256))));
        highest = std::max(highest, table.at(i).count);
    }
    QFont labelFont = font();
    labelFont.setPointSize(9);

    // Bars: one set per result, so each bar carries its own colour and label.
    FBars = new QBarSeries;
    FBars->setObjectName(QStringLiteral("FBars"));
    FBars->setBarWidth(BarsWidth(shown));
    FBars->setLabelsVisible(true);
    FBars->setLabelsPosition(QAbstractBarSeries::LabelsOutsideEnd);
    barsAxisX = new QCategoryAxis;
    barsAxisX->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    barsAxisX->setRange(-0.5, 0.5);
    barsAxisX->setGridLineVisible(false);
    barsAxisX->setLabelsFont(labelFont);
    for (qsizetype i = 0; i < shown; ++i) {
        auto *set = new QBarSet(table.at(i).result);
        set->append(qreal(table.at(i).count));
        set->setColor(pointColours.at(i));
        set->setBorderColor(pointColours.at(i).darker(140));
        set->setLabelColor(Qt::black);
        set->setLabelFont(CountFont());
        FBars->append(set);
        barsAxisX->append(table.at(i).result, BarCentre(i));
    }
    barsAxisY = new QValueAxis;
    FitCountAxis(barsAxisY, highest);

    // Lines: one point per result, x = its position in the table.
    FLines = new QLineSeries;
    FLines->setObjectName(QStringLiteral("FLines"));
    FLines->setPointsVisible(true);
    FLines->setMarkerSize(10);
    QPen linePen(QColor(0, 84, 147));
    linePen.setWidthF(2.5);
    FLines->setPen(linePen);
    linesAxisX = new QCategoryAxis;
    linesAxisX->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    linesAxisX->setRange(-0.5, std::max<qreal>(0.5, qreal(shown) - 0.5));
    linesAxisX->setLabelsFont(labelFont);
    for (qsizetype i = 0; i < shown; ++i) {
        FLines->append(qreal(i), qreal(table.at(i).count));
        FLines->setPointConfiguration(int(i), QXYSeries::PointConfiguration::Color, pointColours.at(i));
        linesAxisX->append(table.at(i).result, qreal(i));
    }
    linesAxisY = new QValueAxis;
    FitCountAxis(linesAxisY, highest);

    // Pie: one slice per result.
    FSectors = new QPieSeries;
    FSectors->setObjectName(QStringLiteral("FSectors"));
    FSectors->setPieSize(kPieSize);
    for (qsizetype i = 0; i < shown; ++i) {
        QPieSlice *slice = FSectors->append(table.at(i).result, qreal(table.at(i).count));
        slice->setColor(pointColours.at(i));
        slice->setBorderColor(pointColours.at(i).darker(140));
        slice->setLabelVisible(true);
        // Long arms keep the labels clear of the pie's rim in the 3D view.
        slice->setLabelArmLengthFactor(0.3);
        slice->setLabelFont(labelFont);
    }


    FChart->addSeries(FBars);
    FChart->addSeries(FLines);
    FChart->addSeries(FSectors);
    FChart->addAxis(barsAxisX, Qt::AlignBottom);
    FChart->addAxis(barsAxisY, Qt::AlignLeft);
    FChart->addAxis(linesAxisX, Qt::AlignBottom);
    FChart->addAxis(linesAxisY, Qt::AlignLeft);
    FBars->attachAxis(barsAxisX);
    FBars->attachAxis(barsAxisY);
    FLines->attachAxis(linesAxisX);
    FLines->attachAxis(linesAxisY);
}

void TFrequencyForm::ApplyChartStyle(ChartStyle style)
{
    activeStyle = style;
    FBars->setVisible(style == ChartStyle::Bars);
    barsAxisX->setVisible(style == ChartStyle::Bars);
    barsAxisY->setVisible(style == ChartStyle::Bars);
    FLines->setVisible(style == ChartStyle::Lines);
    linesAxisX->setVisible(style == ChartStyle::Lines);
    linesAxisY->setVisible(style == ChartStyle::Lines);
    FSectors->setVisible(style == ChartStyle::Sectors);
    // The axes change the plot area; the depth follows once the layout has settled.
    RebuildDepth();
    QTimer::singleShot(0, this, &TFrequencyForm::RebuildDepth);
}

void TFrequencyForm::resizeEvent(QResizeEvent *event)
{
    RecordDialog::resizeEvent(event);
    QTimer::singleShot(0, this, &TFrequencyForm::RebuildDepth);
}

void TFrequencyForm::showEvent(QShowEvent *event)
{
    RecordDialog::showEvent(event);
    QTimer::singleShot(0, this, &TFrequencyForm::RebuildDepth);
}

void TFrequencyForm::PlaceBarLabels(bool withDepth)
{
    // With depth the top face sits where an outside label would go, so the count moves
    // into the bar, written in black or white, whichever reads on the bar's colour.
    const auto position = withDepth ? QAbstractBarSeries::LabelsInsideEnd : QAbstractBarSeries::LabelsOutsideEnd;
    if (FBars->labelsPosition() == position)
        return;
    FBars->setLabelsPosition(position);
    const QList<QBarSet *> sets = FBars->barSets();
    for (qsizetype i = 0; i < sets.size(); ++i) {
        const bool dark = qGray(pointColours.at(i).rgb()) < 128;
        sets.at(i)->setLabelColor(withDepth && dark ? Qt::white : Qt::black);
    }
}

void TFrequencyForm::LabelLinePoints()
{
    // The series' own point labels are drawn under its markers; these sit above them.
    const QFont labelFont = CountFont();
    const QList<QPointF> points = FLines->points();
    for (const QPointF &point : points) {
        auto *label = new QGraphicsSimpleTextItem(QString::number(qint64(point.y())), FChart);
        label->setFont(labelFont);
        const QRectF box = label->boundingRect();
        // Clear of the marker, which is drawn about twice its nominal size across.
        label->setPos(FChart->mapToPosition(point, FLines)
                      - QPointF(box.width() / 2, box.height() + 1.4 * FLines->markerSize()));
        label->setZValue(1);
        overlayItems.append(label);
    }
}

void TFrequencyForm::FitAxisLabels(QCategoryAxis *axis, qreal labelSpacing,
                                   const std::function<qreal(qsizetype)> &position)
{
    // The chart cuts a label that is wider than its share of the axis down to "…";
    // a label is only shown where it has room whole. The room covers the label's text
    // margins and the axis' padding on both sides.
    constexpr qreal kRoom = 12;
    const qsizetype names = pointColours.size();
    if (names == 0 || labelSpacing <= 0)
        return;
    const QFontMetricsF metrics(axis->labelsFont());
    qreal widest = 0;
    for (qsizetype i = 0; i < names; ++i)
        widest = std::max(widest, metrics.horizontalAdvance(table.at(i).result));
    const bool level = widest + kRoom <= labelSpacing;
    // Upright names need a line's height each; where even that is too much, every
    // `step`-th name stands, the first always among them.
    const qsizetype step = level ? 1 : std::max<qsizetype>(1, qsizetype(std::ceil((metrics.height() + kRoom) / labelSpacing)));
    const int angle = level ? 0 : -90;
    if (axis->labelsAngle() != angle)
        axis->setLabelsAngle(angle);
    QStringList wanted;
    for (qsizetype i = 0; i < names; i += step)
        wanted.append(table.at(i).result);
    if (axis->categoriesLabels() == wanted)
        return;
    for (const QString &label : axis->categoriesLabels())
        axis->remove(label);
    for (qsizetype i = 0; i < names; i += step)
        axis->append(table.at(i).result, position(i));
}

qreal TFrequencyForm::BarCentre(qsizetype index) const
{
    // The bars of the one category share its width, side by side.
    const qreal slot = FBars->barWidth() / qreal(pointColours.size());
    return -FBars->barWidth() / 2 + (qreal(index) + 0.5) * slot;
}

void TFrequencyForm::ShowResultTip(qsizetype index, bool hovered)
{
    if (!hovered || index < 0 || index >= pointColours.size()) {
        QToolTip::hideText();
        return;
    }
    const FrequencyEntry &entry = table.at(index);
    QToolTip::showText(QCursor::pos(), tr("%1：%2").arg(entry.result).arg(entry.count), FChartView);
}

QFont TFrequencyForm::CountFont() const
{
    QFont countFont = font();
    countFont.setBold(true);
    return countFont;
}

qreal TFrequencyForm::WidestCountLabel() const
{
    const QFontMetricsF metrics(CountFont());
    qreal widest = 0;
    for (const QPointF &point : FLines->points())
        widest = std::max(widest, metrics.horizontalAdvance(QString::number(qint64(point.y()))));
    return widest;
}

void TFrequencyForm::RebuildDepth()
{
    // Counts over bars and points, like the names under them, only where they fit
    // side by side.
    constexpr qreal kCountRoom = 4;
    const qreal plotWidth = FChart->plotArea().width();
    const qreal points = qreal(pointColours.size());
    const qreal barSpacing = points > 0 ? plotWidth * FBars->barWidth() / points : 0;
    const qreal pointSpacing = points > 0 ? plotWidth / points : 0;
    if (plotWidth > 0 && points > 0) {
        FitAxisLabels(barsAxisX, barSpacing, [this](qsizetype i) { return BarCentre(i); });
        FitAxisLabels(linesAxisX, pointSpacing, [](qsizetype i) { return qreal(i); });
        const bool countsFit = WidestCountLabel() + kCountRoom <= barSpacing;
        if (FBars->isLabelsVisible() != countsFit)
            FBars->setLabelsVisible(countsFit);
    }
    qDeleteAll(overlayItems);
    overlayItems.clear();
    qDeleteAll(depthFaces);
    depthFaces.clear();
    const bool withDepth = Show3D && Show3D->isChecked();
    PlaceBarLabels(withDepth);
    if (activeStyle == ChartStyle::Lines && WidestCountLabel() + kCountRoom <= pointSpacing)
        LabelLinePoints();
    if (!withDepth || pointColours.isEmpty())
        return;
    switch (activeStyle) {
    case ChartStyle::Bars:
        AddBarDepth();
        break;
    case ChartStyle::Lines:
        AddLineDepth();
        break;
    case ChartStyle::Sectors:
        AddSectorDepth();
        break;
    }
}

void TFrequencyForm::AddFace(const QPolygonF &polygon, const QColor &colour)
{
    // Children of the chart below its own items: the series' front faces cover the
    // joints, so the faces read as the sides of solid bodies.
    auto *face = new QGraphicsPolygonItem(polygon, FChart);
    face->setBrush(colour);
    QPen edge(colour.darker(130));
    edge.setWidthF(0.8);
    face->setPen(edge);
    face->setZValue(-1);
    depthFaces.append(face);
}

void TFrequencyForm::AddBarDepth()
{
    const int count = int(pointColours.size());
    const qreal slot = FBars->barWidth() / count;
    for (int i = 0; i < count; ++i) {
        const qreal left = -FBars->barWidth() / 2 + i * slot;
        const qreal value = FBars->barSets().at(i)->at(0);
        const QPointF topLeft = FChart->mapToPosition(QPointF(left, value), FBars);
        const QPointF bottomRight = FChart->mapToPosition(QPointF(left + slot, 0), FBars);
        const qreal width = bottomRight.x() - topLeft.x();
        const qreal depth = std::clamp(width * 0.45, 2.0, 16.0);
        const QPointF offset(depth, -depth * 0.75);
        const QPointF topRight(bottomRight.x(), topLeft.y());
        const QColor colour = pointColours.at(i);
        AddFace(QPolygonF({topLeft, topRight, topRight + offset, topLeft + offset}), colour.lighter(125));
        AddFace(QPolygonF({topRight, bottomRight, bottomRight + offset, topRight + offset}), colour.darker(145));
    }
}

void TFrequencyForm::AddLineDepth()
{
    const QPointF offset(14, -10);
    const QList<QPointF> points = FLines->points();
    for (qsizetype i = 0; i + 1 < points.size(); ++i) {
        const QPointF from = FChart->mapToPosition(points.at(i), FLines);
        const QPointF to = FChart->mapToPosition(points.at(i + 1), FLines);
        AddFace(QPolygonF({from, to, to + offset, from + offset}), pointColours.at(i).lighter(115));
    }
    if (points.size() == 1) {
        const QPointF at = FChart->mapToPosition(points.first(), FLines);
        AddFace(QPolygonF({at - QPointF(6, 0), at + QPointF(6, 0), at + QPointF(6, 0) + offset,
                           at - QPointF(6, 0) + offset}),
                pointColours.first().lighter(115));
    }
}

void TFrequencyForm::AddSectorDepth()
{
    const QRectF plot = FChart->plotArea();
    const QPointF centre(plot.left() + plot.width() * FSectors->horizontalPosition(),
                         plot.top() + plot.height() * FSectors->verticalPosition());
    const qreal radius = std::min(plot.width(), plot.height()) * FSectors->pieSize() / 2;
    const QPointF down(0, radius * kPieDepthShare);
    const QList<QPieSlice *> slices = FSectors->slices();
    // The rim is visible where the circle faces the viewer: from 90 to 270 degrees
    // (clockwise from the top).
    for (qsizetype i = 0; i < slices.size(); ++i) {
        const qreal start = std::max<qreal>(slices.at(i)->startAngle(), 90);
        const qreal end = std::min<qreal>(slices.at(i)->startAngle() + slices.at(i)->angleSpan(), 270);
        if (end <= start)
            continue;
        QPolygonF rim;
        const int steps = std::max(2, int((end - start) / 3));
        for (int s = 0; s <= steps; ++s)
            rim.append(OnCircle(centre, radius, start + (end - start) * s / steps));
        for (int s = steps; s >= 0; --s)
            rim.append(OnCircle(centre, radius, start + (end - start) * s / steps) + down);
        AddFace(rim, pointColours.at(i).darker(150));
    }
}

void TFrequencyForm::BSaveChartClick()
{
    const QString path = ChooseSaveFileName(this, tr("保存统计图"), tr("PNG 图片 (*.png)"),
                                            QStringLiteral(".png"));
    if (path.isEmpty())
        return;
    QImage picture(FChartView->size(), QImage::Format_RGB32);
    picture.fill(Qt::white);
    PaintGradient(DialogGradient, picture);
    static_cast<QWidget *>(FChartView)->render(&picture);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!picture.save(&buffer, "PNG")) {
        ShowError(this, tr("保存失败"), tr("统计图无法转换为PNG图片。"));
        return;
    }
    try {
        WriteFileAtomically(path, bytes);
    } catch (const SuiteError &error) {
        ShowError(this, tr("保存失败"), error.message());
    }
}

void TFrequencyForm::BSaveTableClick()
{
    const QString path = ChooseSaveFileName(this, tr("导出频数表"), tr("CSV 表格 (*.csv)"),
                                            QStringLiteral(".csv"));
    if (path.isEmpty())
        return;
    try {
        WriteFileAtomically(path, FrequencyTableCsv(table));
    } catch (const SuiteError &error) {
        ShowError(this, tr("保存失败"), error.message());
    }
}
