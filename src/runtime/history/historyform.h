#pragma once

#include "fairnessstore.h"
#include "historystore.h"
#include "recorddialogs.h"

#include <QAbstractTableModel>

#include <memory>
#include <optional>

class QChart;
class QChartView;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSortFilterProxyModel;
class QTabWidget;
class QTableView;

// The draws of a filter, newest first, read a page at a time as the view scrolls.
class HistoryDrawModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    static constexpr int kPageSize = 200;

    explicit HistoryDrawModel(const HistoryStore &store, QObject *parent = nullptr);
    void SetFilter(const HistoryFilter &filter);
    // Marks shown after the results they belong to: "李四（缺席）".
    void SetMarks(const QList<DrawMark> &marks);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    bool canFetchMore(const QModelIndex &parent) const override;
    void fetchMore(const QModelIndex &parent) override;

private:
    const HistoryStore &store;
    HistoryFilter filter;
    QList<HistoryEntry> rows;
    bool complete = true;
    QHash<qint64, QHash<int, QString>> marksOfDraw; // draw time (ms) → slot → mark
};

// How often each result was drawn and marked: result, count, then one column per mark
// (sorted through a proxy).
class HistoryCountModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;
    void SetCounts(QList<ResultCount> counts, MarkCounts marks = {});
    const QList<ResultCount> &Counts() const { return counts; }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    QList<ResultCount> counts;
    MarkCounts marks;
};

// "抽取历史": the kept draws filtered by project and days, how often each result was
// drawn ("次数统计", with a bar chart in the frequency chart's style), CSV export of
// either tab and clearing one project's history.
class THistoryForm : public RecordDialog
{
    Q_OBJECT
public:
    // More results than this are counted in the table but not drawn as bars.
    static constexpr int kChartBarLimit = 40;

    // `notice`: what the drawing window's recorder has to say (damaged file put aside,
    // writes refused); `keepHistory` false shows that recording is off.
    THistoryForm(const QString &databasePath, const QString &currentProject, const QString &notice,
                 bool keepHistory, QWidget *parent = nullptr);
    ~THistoryForm() override;

    // Reads the filter boxes; a date typed wrongly is refused with a message and the
    // view stays as it was. Returns whether the filter was applied.
    bool BFilterClick();
    void BExportClick();
    void BClearClick();

    QComboBox *ProjectBox;
    QLineEdit *FromDateEdit;
    QLineEdit *ToDateEdit;
    QPushButton *BFilter;
    QLabel *NoticeLabel;
    QLabel *SummaryLabel;
    QTabWidget *HistoryTabs;
    QTableView *DrawGrid;
    QTableView *CountGrid;
    QChartView *CountChart;
    QPushButton *BExport;
    QPushButton *BClear;
    QPushButton *BClose;

private:
    void FillProjects(const QString &chosen);
    void ShowNotice();
    void Refresh();
    void BuildChart();

    HistoryStore store;
    bool storeOpen = false;
    FairnessStore marks;
    QString recorderNotice;
    bool keepHistory;
    HistoryFilter filter;
    HistoryDrawModel *drawModel;
    HistoryCountModel *countModel;
    QSortFilterProxyModel *countSorter;
};
