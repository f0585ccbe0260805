#include "historyform.h"

#include "frequencyform.h"
#include "historyreport.h"
#include "messages.h"
#include "randomsource.h"
#include "savefilechooser.h"
#include "suiteerror.h"
#include "textfile.h"

#include <QCoreApplication>
#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QSplitter>
#include <QTabWidget>
#include <QTableView>
#include <QValueAxis>
#include <QVBoxLayout>

#include <cmath>
#include <limits>

namespace {

QString AllProjectsText()
{
    return QCoreApplication::translate("THistoryForm", "全部工程");
}

enum DrawColumn { kTimeColumn, kProjectColumn, kBatchColumn, kSourceColumn, kResultsColumn, kDrawColumns };
enum CountColumn { kResultColumn, kCountColumn, kFirstMarkColumn };

QTableView *NewGrid(const QString &name, QWidget *parent)
{
    auto *grid = new QTableView(parent);
    grid->setObjectName(name);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->verticalHeader()->setVisible(false);
    grid->verticalHeader()->setDefaultSectionSize(24);
    grid->setAlternatingRowColors(true);
    return grid;
}

} // namespace

// ---- HistoryDrawModel -------------------------------------------------------

HistoryDrawModel::HistoryDrawModel(const HistoryStore &store, QObject *parent)
    : QAbstractTableModel(parent), store(store)
{
}

void HistoryDrawModel::SetFilter(const HistoryFilter &newFilter)
{
    beginResetModel();
    filter = newFilter;
    rows = store.Draws(filter, kPageSize);
    complete = rows.size() < kPageSize;
    endResetModel();
}

int HistoryDrawModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(rows.size());
}

int HistoryDrawModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : kDrawColumns;
}

void HistoryDrawModel::SetMarks(const QList<DrawMark> &marks)
{
    beginResetModel();
    marksOfDraw.clear();
    for (const DrawMark &mark : marks)
        marksOfDraw[mark.drawTime.toMSecsSinceEpoch()].insert(mark.slot, mark.mark);
    endResetModel();
}

QVariant HistoryDrawModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rows.size())
        return QVariant();
    const HistoryEntry &entry = rows.at(index.row());
    if (role == Qt::TextAlignmentRole && index.column() == kBatchColumn)
        return int(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole)
        return QVariant();
    switch (index.column()) {
    case kTimeColumn:
        return HistoryTimeText(entry.time);
    case kProjectColumn:
        return entry.project;
    case kBatchColumn:
        return entry.batch;
    case kSourceColumn:
        return entry.source;
    case kResultsColumn: {
        const auto marked = marksOfDraw.constFind(entry.time.toMSecsSinceEpoch());
        if (marked == marksOfDraw.cend())
            return HistoryResultsText(entry.results);
        QStringList shown = entry.results;
        for (auto mark = marked->cbegin(); mark != marked->cend(); ++mark) {
            if (mark.key() >= 0 && mark.key() < shown.size())
                shown[mark.key()] += tr("（%1）").arg(mark.value());
        }
        return HistoryResultsText(shown);
    }
    default:
        return QVariant();
    }
}

QVariant HistoryDrawModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    static const QStringList headers{tr("时间"), tr("工程"), tr("次序"),
                                     tr("来源"), tr("结果")};
    return headers.value(section);
}

bool HistoryDrawModel::canFetchMore(const QModelIndex &parent) const
{
    return !parent.isValid() && !complete;
}

void HistoryDrawModel::fetchMore(const QModelIndex &parent)
{
    if (parent.isValid() || complete || rows.isEmpty())
        return;
    const HistoryEntry &last = rows.constLast();
    const QList<HistoryEntry> page =
        store.Draws(filter, kPageSize, HistoryCursor{HistoryStore::DayNumber(last.time.toLocalTime().date()), last.id});
    complete = page.size() < kPageSize;
    if (page.isEmpty())
        return;
    beginInsertRows(QModelIndex(), int(rows.size()), int(rows.size() + page.size() - 1));
    rows += page;
    endInsertRows();
}

// ---- HistoryCountModel ------------------------------------------------------

void HistoryCountModel::SetCounts(QList<ResultCount> newCounts, MarkCounts newMarks)
{
    beginResetModel();
    counts = std::move(newCounts);
    marks = std::move(newMarks);
    endResetModel();
}

int HistoryCountModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(counts.size());
}

int HistoryCountModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : kFirstMarkColumn + int(MarkTexts().size());
}

QVariant HistoryCountModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= counts.size())
        return QVariant();
    const ResultCount &count = counts.at(index.row());
    if (role == Qt::TextAlignmentRole && index.column() != kResultColumn)
        return int(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole)
        return QVariant();
    // Counts as numbers, so the view sorts 9 before 10.
    if (index.column() == kResultColumn)
        return count.result;
    if (index.column() == kCountColumn)
        return count.count;
    return marks.value(count.result).value(MarkTexts().value(index.column() - kFirstMarkColumn));
}

QVariant HistoryCountModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (section >= kFirstMarkColumn)
        return MarkTexts().value(section - kFirstMarkColumn);
    return section == kResultColumn ? tr("结果") : tr("次数");
}

// ---- THistoryForm -----------------------------------------------------------

THistoryForm::THistoryForm(const QString &databasePath, const QString &currentProject, const QString &notice,
                           bool keepHistory, QWidget *parent)
    : RecordDialog(parent), recorderNotice(notice), keepHistory(keepHistory), marks(databasePath, QString())
{
    setObjectName(QStringLiteral("THistoryForm"));
    setWindowTitle(tr("抽取历史"));
    resize(900, 600);

    // Without a file there is no history yet; opening creates an empty one. A look at
    // every page first, so damage anywhere is found before the counts are shown.
    storeOpen = store.Open(databasePath);
    if (storeOpen)
        store.CheckIntegrity();

    ProjectBox = new QComboBox(this);
    ProjectBox->setObjectName(QStringLiteral("ProjectBox"));
    ProjectBox->setMinimumWidth(180);
    FromDateEdit = new QLineEdit(this);
    FromDateEdit->setObjectName(QStringLiteral("FromDateEdit"));
    FromDateEdit->setPlaceholderText(tr("如 2026/12/1"));
    ToDateEdit = new QLineEdit(this);
    ToDateEdit->setObjectName(QStringLiteral("ToDateEdit"));
    ToDateEdit->setPlaceholderText(tr("不限"));
    for (QLineEdit *edit : {FromDateEdit, ToDateEdit})
        edit->setMaximumWidth(130);
    BFilter = new QPushButton(tr("筛选"), this);
    BFilter->setObjectName(QStringLiteral("BFilter"));

    auto *filterRow = new QHBoxLayout;
    auto addLabelled = [this, filterRow](const QString &text, QWidget *field) {
        auto *label = new QLabel(text, this);
        label->setBuddy(field);
        filterRow->addWidget(label);
        filterRow->addWidget(field);
    };
    addLabelled(tr("工程："), ProjectBox);
    filterRow->addSpacing(12);
    addLabelled(tr("日期从："), FromDateEdit);
    addLabelled(tr("到："), ToDateEdit);
    filterRow->addWidget(BFilter);
    filterRow->addStretch();

    NoticeLabel = new QLabel(this);
    NoticeLabel->setObjectName(QStringLiteral("NoticeLabel"));
    NoticeLabel->setWordWrap(true);
    NoticeLabel->setStyleSheet(QStringLiteral("QLabel { background: #fff4ce; color: #7a4b00; border: 1px solid #e0c060;"
                                              " padding: 6px; }"));

    HistoryTabs = new QTabWidget(this);
    HistoryTabs->setObjectName(QStringLiteral("HistoryTabs"));
    drawModel = new HistoryDrawModel(store, this);
    DrawGrid = NewGrid(QStringLiteral("DrawGrid"), HistoryTabs);
    DrawGrid->setModel(drawModel);
    DrawGrid->horizontalHeader()->setStretchLastSection(true);
    DrawGrid->setColumnWidth(kTimeColumn, 170);
    DrawGrid->setColumnWidth(kProjectColumn, 150);
    DrawGrid->setColumnWidth(kBatchColumn, 60);
    DrawGrid->setColumnWidth(kSourceColumn, 70);
    HistoryTabs->addTab(DrawGrid, tr("抽取记录"));

    auto *countPage = new QSplitter(Qt::Horizontal, HistoryTabs);
    countModel = new HistoryCountModel(this);
    countSorter = new QSortFilterProxyModel(this);
    countSorter->setSourceModel(countModel);
    CountGrid = NewGrid(QStringLiteral("CountGrid"), countPage);
    CountGrid->setModel(countSorter);
    CountGrid->setSortingEnabled(true);
    CountGrid->horizontalHeader()->setSectionResizeMode(kResultColumn, QHeaderView::Stretch);
    CountGrid->horizontalHeader()->setSectionResizeMode(kCountColumn, QHeaderView::ResizeToContents);
    CountChart = new QChartView(countPage);
    CountChart->setObjectName(QStringLiteral("CountChart"));
    CountChart->setRenderHint(QPainter::Antialiasing);
    CountChart->setMinimumWidth(420);
    countPage->addWidget(CountGrid);
    countPage->addWidget(CountChart);
    countPage->setStretchFactor(1, 1);
    countPage->setSizes({280, 600});
    HistoryTabs->addTab(countPage, tr("次数统计"));

    SummaryLabel = new QLabel(this);
    SummaryLabel->setObjectName(QStringLiteral("SummaryLabel"));
    BExport = new QPushButton(tr("导出…"), this);
    BExport->setObjectName(QStringLiteral("BExport"));
    BClear = new QPushButton(tr("清空历史"), this);
    BClear->setObjectName(QStringLiteral("BClear"));
    BClose = new QPushButton(tr("关闭"), this);
    BClose->setObjectName(QStringLiteral("BClose"));
    auto *buttonRow = new QHBoxLayout;
    buttonRow->addWidget(SummaryLabel);
    buttonRow->addStretch();
    buttonRow->addWidget(BExport);
    buttonRow->addWidget(BClear);
    buttonRow->addWidget(BClose);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(filterRow);
    layout->addWidget(NoticeLabel);
    layout->addWidget(HistoryTabs, 1);
    layout->addLayout(buttonRow);

    connect(BFilter, &QPushButton::clicked, this, &THistoryForm::BFilterClick);
    for (QLineEdit *edit : {FromDateEdit, ToDateEdit})
        connect(edit, &QLineEdit::returnPressed, this, &THistoryForm::BFilterClick);
    connect(ProjectBox, &QComboBox::activated, this, &THistoryForm::BFilterClick);
    connect(BExport, &QPushButton::clicked, this, &THistoryForm::BExportClick);
    connect(BClear, &QPushButton::clicked, this, &THistoryForm::BClearClick);
    connect(BClose, &QPushButton::clicked, this, &QDialog::close);

    FillProjects(currentProject);
    filter.project = currentProject;
    ShowNotice();
    Refresh();
}

THistoryForm::~THistoryForm() = default;

void THistoryForm::FillProjects(const QString &chosen)
{
    QStringList projects = storeOpen ? store.Projects() : QStringList();
    if (!chosen.isEmpty() && !projects.contains(chosen))
        projects.prepend(chosen);
    ProjectBox->clear();
    ProjectBox->addItem(AllProjectsText(), QString());
    for (const QString &project : std::as_const(projects))
        ProjectBox->addItem(project, project);
    ProjectBox->setCurrentIndex(std::max(0, ProjectBox->findData(chosen)));
}

void THistoryForm::ShowNotice()
{
    QStringList lines;
    if (!recorderNotice.isEmpty())
        lines << recorderNotice;
    if (!store.Notice().isEmpty() && store.Notice() != recorderNotice)
        lines << store.Notice();
    if (!keepHistory)
        lines << tr("历史记录已关闭（Soft.ini 中 [History] Keep = 否），新的抽取不会记入历史。");
    NoticeLabel->setText(lines.join(QLatin1Char('\n')));
    NoticeLabel->setVisible(!lines.isEmpty());
}

bool THistoryForm::BFilterClick()
{
    HistoryFilter chosen;
    chosen.project = ProjectBox->currentData().toString();
    for (auto [edit, date] : {std::pair{FromDateEdit, &chosen.from}, std::pair{ToDateEdit, &chosen.to}}) {
        const QString text = edit->text().trimmed();
        if (text.isEmpty())
            continue;
        const std::optional<QDate> parsed = ParseHistoryDate(text);
        if (!parsed) {
            ShowError(this, tr("参数有误"),
                      tr("“%1”不是有效的日期，请按 2026/12/7 的格式输入。").arg(text));
            edit->setFocus();
            edit->selectAll();
            return false;
        }
        *date = *parsed;
    }
    if (chosen.from.isValid() && chosen.to.isValid() && chosen.from > chosen.to) {
        ShowError(this, tr("参数有误"), tr("起始日期不能晚于结束日期。"));
        FromDateEdit->setFocus();
        return false;
    }
    filter = chosen;
    // Draws made meanwhile may have added projects.
    FillProjects(chosen.project);
    Refresh();
    return true;
}

void THistoryForm::Refresh()
{
    drawModel->SetFilter(filter);
    const QList<DrawMark> kept = storeOpen ? marks.Marks(filter) : QList<DrawMark>();
    drawModel->SetMarks(kept);
    countModel->SetCounts(storeOpen ? store.Counts(filter) : QList<ResultCount>(), CountMarks(kept));
    countSorter->sort(-1);
    CountGrid->horizontalHeader()->setSortIndicator(-1, Qt::DescendingOrder);
    const qint64 draws = storeOpen ? store.CountDraws(filter) : 0;
    SummaryLabel->setText(tr("共 %1 次抽取，%2 个不同的结果").arg(draws).arg(countModel->Counts().size()));
    BuildChart();
    // A read above may have found the file damaged and rescued it.
    ShowNotice();
}

void THistoryForm::BuildChart()
{
    auto *chart = new QChart;
    chart->setTitle(tr("次数统计图"));
    chart->legend()->setVisible(false);
    chart->setBackgroundRoundness(0);
    const QList<ResultCount> &counts = countModel->Counts();
    const qsizetype shown = std::min<qsizetype>(counts.size(), kChartBarLimit);
    if (shown > 0) {
        // As the frequency chart: one set per result, each in a colour of its own with
        // its count over the bar.
        GeneratorSource colourSource;
        QFont labelFont = font();
        labelFont.setPointSize(9);
        auto *bars = new QBarSeries;
        bars->setBarWidth(std::min(0.8, 0.15 * qreal(shown)));
        bars->setLabelsVisible(true);
        bars->setLabelsPosition(QAbstractBarSeries::LabelsOutsideEnd);
        auto *axisX = new QCategoryAxis;
        axisX->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
        axisX->setRange(-0.5, 0.5);
        axisX->setGridLineVisible(false);
        axisX->setLabelsFont(labelFont);
        if (shown > 10)
            axisX->setLabelsAngle(-60);
        for (qsizetype i = 0; i < shown; ++i) {
            const QColor colour(int(colourSource.Below(256)), int(colourSource.Below(256)), int(colourSource.Below(256)));
            auto *set = new QBarSet(counts.at(i).result);
            set->append(qreal(counts.at(i).count));
            set->setColor(colour);
            set->setBorderColor(colour.darker(140));
            set->setLabelColor(Qt::black);
            bars->append(set);
            axisX->append(counts.at(i).result, -bars->barWidth() / 2 + (qreal(i) + 0.5) * bars->barWidth() / qreal(shown));
        }
        auto *axisY = new QValueAxis;
        axisY->setLabelsFont(labelFont);
        FitCountAxis(axisY, counts.first().count);
        chart->addSeries(bars);
        chart->addAxis(axisX, Qt::AlignBottom);
        chart->addAxis(axisY, Qt::AlignLeft);
        bars->attachAxis(axisX);
        bars->attachAxis(axisY);
        if (counts.size() > shown)
            chart->setTitle(tr("次数统计图（次数最多的 %1 个结果）").arg(shown));
    }
    QChart *old = CountChart->chart();
    CountChart->setChart(chart);
    delete old;
}

void THistoryForm::BExportClick()
{
    const bool countsTab = HistoryTabs->currentIndex() == 1;
    const QString suggested = QStringLiteral("%1-%2-%3.csv")
                                  .arg(filter.project.isEmpty() ? AllProjectsText() : filter.project,
                                       countsTab ? tr("次数统计") : tr("抽取历史"),
                                       QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd")));
    const QString fileName = ChooseSaveFileName(this, countsTab ? tr("导出次数统计") : tr("导出抽取记录"),
                                                tr("CSV 文件 (*.csv)"), QStringLiteral(".csv"), suggested);
    if (fileName.isEmpty())
        return;
    QByteArray csv;
    if (countsTab) {
        // In the order the table shows.
        QList<ResultCount> rows;
        for (int row = 0; row < countSorter->rowCount(); ++row)
            rows << countModel->Counts().at(countSorter->mapToSource(countSorter->index(row, 0)).row());
        csv = HistoryCountsCsv(rows);
    } else {
        csv = HistoryDrawsCsv(storeOpen ? store.Draws(filter, std::numeric_limits<int>::max()) : QList<HistoryEntry>());
    }
    try {
        WriteFileAtomically(fileName, csv);
    } catch (const SuiteError &error) {
        ShowError(this, tr("导出失败"),
                  tr("%1\n请选择一个可以写入的文件夹。").arg(error.message()));
        return;
    }
    ShowInformation(this, tr("提示"), tr("已导出到“%1”。").arg(QDir::toNativeSeparators(fileName)));
}

void THistoryForm::BClearClick()
{
    const QString project = ProjectBox->currentData().toString();
    if (project.isEmpty()) {
        ShowInformation(this, tr("提示"), tr("请先在“工程”中选择要清空历史的工程。"));
        return;
    }
    if (AskYesNo(this, tr("提示"),
                 tr("确定要清空工程“%1”的全部抽取历史吗？此操作不能撤销。").arg(project))
        != QMessageBox::Yes)
        return;
    if (!storeOpen || !store.ClearProject(project)) {
        ShowError(this, tr("操作失败"), tr("抽取历史未能清空：%1").arg(store.Notice()));
        return;
    }
    Refresh();
}
