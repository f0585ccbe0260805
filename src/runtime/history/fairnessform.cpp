#include "fairnessform.h"

#include "apppaths.h"
#include "fairnessreport.h"
#include "storedvaluetext.h"
#include "suiteerror.h"

#include <QCoreApplication>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

constexpr int kDefaultDraws = 200; // about a term of roll-calls

QTableWidgetItem *NumberItem(double value, int decimals = 0)
{
    auto *item = new QTableWidgetItem(QString::number(value, 'f', decimals));
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    item->setData(Qt::UserRole, value);
    return item;
}

QString SummaryOf(const QString &title, const FairnessTable &table)
{
    return QCoreApplication::translate("TFairnessForm", "%1：χ² = %2（自由度 %3），p = %4，与期望次数的均方根偏差 %5")
        .arg(title, QString::number(table.chiSquare, 'f', 2))
        .arg(table.freedom)
        .arg(QString::number(table.pValue, 'g', 3), QString::number(table.spread, 'f', 2));
}

} // namespace

TFairnessForm::TFairnessForm(QString project, int pmode, QueryParams query, FairSettings settings,
                             ItemFairSettings items, QWidget *parent)
    : QDialog(parent), subject{std::move(project), pmode, std::move(query), settings, {}}, items(std::move(items))
{
    setObjectName(QStringLiteral("TFairnessForm"));
    setWindowTitle(tr("公平性检验 - %1").arg(subject.project));
    if (!this->items.isEmpty()) {
        FairItemChoice = new QComboBox(this);
        FairItemChoice->setObjectName(QStringLiteral("FairItemChoice"));
        FairItemChoice->addItems(this->items.keys());
        FairItemChoice->setAccessibleName(tr("名单项目"));
        subject.item = FairItemChoice->currentText();
        subject.settings = this->items.value(subject.item);
        connect(FairItemChoice, &QComboBox::currentTextChanged, this, [this](const QString &item) {
            subject.item = item;
            subject.settings = this->items.value(item);
            ShowModeLine();
            CheckClick();
        });
    }
    FairDrawsValue = new QSpinBox(this);
    FairDrawsValue->setObjectName(QStringLiteral("FairDrawsValue"));
    FairDrawsValue->setRange(1, 1'000'000);
    FairDrawsValue->setValue(kDefaultDraws);
    FairCheckButton = new QPushButton(tr("开始检验"), this);
    FairCheckButton->setObjectName(QStringLiteral("FairCheckButton"));
    FairCheckButton->setDefault(true);
    connect(FairCheckButton, &QPushButton::clicked, this, &TFairnessForm::CheckClick);
    FairnessTableView = new QTableWidget(0, 6, this);
    FairnessTableView->setObjectName(QStringLiteral("FairnessTable"));
    FairnessTableView->setHorizontalHeaderLabels({tr("条目"), tr("期望次数"),
                                                  tr("模拟次数"), tr("模拟最长间隔"),
                                                  tr("历史次数"), tr("历史最长间隔")});
    FairnessTableView->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    FairnessTableView->verticalHeader()->hide();
    FairnessTableView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    FairnessTableView->setSortingEnabled(true);
    FairSummary = new QLabel(this);
    FairSummary->setObjectName(QStringLiteral("FairSummary"));
    FairSummary->setWordWrap(true);
    FairSummary->setTextInteractionFlags(Qt::TextSelectableByMouse);

    modeLine = new QLabel(this);
    modeLine->setBuddy(FairDrawsValue);
    ShowModeLine();
    auto *top = new QHBoxLayout;
    if (FairItemChoice) {
        auto *itemLabel = new QLabel(tr("名单项目："), this);
        itemLabel->setBuddy(FairItemChoice);
        top->addWidget(itemLabel);
        top->addWidget(FairItemChoice);
    }
    top->addWidget(modeLine);
    top->addWidget(FairDrawsValue);
    top->addWidget(FairCheckButton);
    top->addStretch(1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(FairnessTableView, 1);
    layout->addWidget(FairSummary);
    resize(720, 520);
    CheckClick();
}

void TFairnessForm::ShowModeLine()
{
    modeLine->setText(tr("“%1”抽取，从今天的历史出发模拟抽取次数：").arg(StoredValueText(FairModeText(subject.settings.mode))));
}

void TFairnessForm::CheckClick()
{
    FairnessCheck check;
    try {
        GeneratorSource random;
        check = CheckFairness(HistoryDatabasePath(), subject, FairDrawsValue->value(), random);
    } catch (const SuiteError &error) {
        FairnessTableView->setRowCount(0);
        FairSummary->setText(error.message());
        return;
    }
    FairnessTableView->setSortingEnabled(false);
    FairnessTableView->setRowCount(int(check.simulated.rows.size()));
    for (int row = 0; row < check.simulated.rows.size(); ++row) {
        const FairnessRow &simulated = check.simulated.rows.at(row);
        FairnessTableView->setItem(row, 0, new QTableWidgetItem(simulated.entry));
        FairnessTableView->setItem(row, 1, NumberItem(simulated.expected, 1));
        FairnessTableView->setItem(row, 2, NumberItem(double(simulated.count)));
        FairnessTableView->setItem(row, 3, NumberItem(double(simulated.longestWait)));
        if (check.history) {
            const FairnessRow &real = check.history->rows.at(row);
            FairnessTableView->setItem(row, 4, NumberItem(double(real.count)));
            FairnessTableView->setItem(row, 5, NumberItem(double(real.longestWait)));
        }
    }
    FairnessTableView->setSortingEnabled(true);
    QStringList lines{SummaryOf(tr("模拟 %1 次").arg(check.simulated.draws), check.simulated),
                      tr("同样次数的普通抽取：均方根偏差 %1").arg(check.plain.spread, 0, 'f', 2)};
    if (check.history && check.history->draws > 0) {
        lines << SummaryOf(tr("历史 %1 次").arg(check.history->draws), *check.history);
        lines << tr("最久未被抽到：%1（已 %2 次抽取未被抽到）")
                     .arg(check.history->longestUnseen)
                     .arg(check.history->unseenFor);
    }
    if (!check.notice.isEmpty())
        lines << check.notice;
    FairSummary->setText(lines.join(QLatin1Char('\n')));
}
