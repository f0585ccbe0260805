#include "statform.h"

#include "messages.h"
#include "suiteerror.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QHBoxLayout>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

TStatForm::TStatForm(std::function<QStringList()> results, const QString &numberFormat, QWidget *parent)
    : RecordDialog(parent), results(std::move(results)), numberFormat(numberFormat)
{
    setObjectName(QStringLiteral("TStatForm"));
    setWindowTitle(tr("随机数统计"));

    auto *options = new QVBoxLayout;
    StatRanCount = new QCheckBox(tr("随机数总量"), this);
    StatRanCount->setObjectName(QStringLiteral("StatRanCount"));
    StatRanCount->setChecked(true);
    options->addWidget(StatRanCount);

    StatNum = new QListWidget(this);
    StatNum->setObjectName(QStringLiteral("StatNum"));
    StatNum->setAccessibleName(tr("统计项目"));
    for (const QString &caption : {tr("最小值"), tr("最大值"), tr("极差"), tr("平均值"), tr("方差"), tr("标准差")}) {
        auto *item = new QListWidgetItem(caption, StatNum);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Checked);
    }
    StatNum->setFixedSize(150, StatNum->sizeHintForRow(0) * kStatItemCount + 2 * StatNum->frameWidth() + 10);
    options->addWidget(StatNum);

    BStat = new QPushButton(tr("统计"), this);
    BStat->setObjectName(QStringLiteral("BStat"));
    BStat->setDefault(true);
    connect(BStat, &QPushButton::clicked, this, &TStatForm::BStatClick);
    options->addWidget(BStat);
    options->addStretch();

    StatMemo = new QPlainTextEdit(this);
    StatMemo->setObjectName(QStringLiteral("StatMemo"));
    StatMemo->setAccessibleName(tr("统计结果"));
    StatMemo->setReadOnly(true);
    StatMemo->setMinimumSize(260, 200);
    // Its own short menu in Chinese instead of the toolkit's English editing menu; the
    // figures are copied whole unless part of them is selected.
    auto *memoMenu = new QMenu(this);
    memoMenu->setObjectName(QStringLiteral("StatMemoMenu"));
    memoMenu->addAction(tr("复制"), this, [this] {
        if (StatMemo->textCursor().hasSelection())
            StatMemo->copy();
        else
            QApplication::clipboard()->setText(StatMemo->toPlainText());
    });
    memoMenu->addAction(tr("全选"), StatMemo, &QPlainTextEdit::selectAll);
    StatMemo->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(StatMemo, &QWidget::customContextMenuRequested, this,
            [this, memoMenu](const QPoint &at) { memoMenu->popup(StatMemo->mapToGlobal(at)); });

    auto *layout = new QHBoxLayout(this);
    layout->addLayout(options);
    layout->addWidget(StatMemo, 1);
}

void TStatForm::BStatClick()
{
    StatMemo->clear();
    QVector<bool> checked;
    for (int i = 0; i < StatNum->count(); ++i)
        checked.append(StatNum->item(i)->checkState() == Qt::Checked);
    QStringList before;
    try {
        StatMemo->setPlainText(StatisticsLines(results(), StatRanCount->isChecked(), checked, numberFormat, &before)
                                   .join(QLatin1Char('\n')));
    } catch (const SuiteError &error) {
        StatMemo->setPlainText(before.join(QLatin1Char('\n')));
        ShowError(this, StatTypeErrorCaption(), error.message());
    }
}
