#include "recorddialogs.h"

#include "dragnumberedit.h"
#include "gradient.h"
#include "messages.h"
#include "suiteerror.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

// The OK / cancel row every record dialog ends with.
QPushButton *AddButtonRow(QDialog *dialog, QBoxLayout *layout)
{
    auto *row = new QHBoxLayout;
    row->addStretch();
    auto *ok = new QPushButton(QCoreApplication::translate("RecordDialog", "确定"), dialog);
    ok->setObjectName(QStringLiteral("BOK"));
    ok->setDefault(true);
    auto *cancel = new QPushButton(QCoreApplication::translate("RecordDialog", "取消"), dialog);
    cancel->setObjectName(QStringLiteral("BCancel"));
    QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    row->addWidget(ok);
    row->addWidget(cancel);
    layout->addLayout(row);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    return ok;
}

QRadioButton *AddRadio(QGroupBox *box, QButtonGroup *group, const QString &name, const QString &caption)
{
    auto *radio = new QRadioButton(caption, box);
    radio->setObjectName(name);
    group->addButton(radio);
    box->layout()->addWidget(radio);
    return radio;
}

QGroupBox *NewRadioBox(const QString &title, Qt::Orientation orientation, QWidget *parent)
{
    auto *box = new QGroupBox(title, parent);
    if (orientation == Qt::Horizontal)
        box->setLayout(new QHBoxLayout);
    else
        box->setLayout(new QVBoxLayout);
    return box;
}

} // namespace

RecordDialog::RecordDialog(QWidget *parent) : QDialog(parent)
{
    setAttribute(Qt::WA_StyledBackground, false);
}

void RecordDialog::paintEvent(QPaintEvent *event)
{
    if (background.size() != size()) {
        background = QImage(size(), QImage::Format_RGB32);
        background.fill(palette().window().color());
        PaintGradient(DialogGradient, background);
    }
    QPainter painter(this);
    painter.drawImage(0, 0, background);
    QDialog::paintEvent(event);
}

DragNumberEdit *NewResultsPerLineEdit(DragStepCounter *counter, QWidget *parent)
{
    auto *edit = new DragNumberEdit(DragNumberEdit::Kind::Count, counter, parent);
    edit->setObjectName(QStringLiteral("NewLineRCount"));
    edit->SetAxis(DragNumberEdit::Axis::VerticalFromPress);
    edit->setCursor(Qt::SizeVerCursor);
    edit->setToolTip(QCoreApplication::translate("RecordDialog", "按住鼠标上下拖动可调整数值"));
    AllowOnlyCharacters(edit, QStringLiteral("0123456789"));
    edit->setText(QStringLiteral("5"));
    return edit;
}

TNewLineForm::TNewLineForm(std::function<void(int)> apply, QWidget *parent)
    : RecordDialog(parent), apply(std::move(apply))
{
    setObjectName(QStringLiteral("TNewLineForm"));
    setWindowTitle(tr("批量换行操作"));
    auto *layout = new QVBoxLayout(this);
    auto *prompt = new QLabel(tr("您希望每隔多少个随机数换一行？"), this);
    prompt->setObjectName(QStringLiteral("NewLineLabel"));
    layout->addWidget(prompt);
    NewLineRCount = NewResultsPerLineEdit(&counter, this);
    prompt->setBuddy(NewLineRCount);
    layout->addWidget(NewLineRCount);
    QPushButton *ok = AddButtonRow(this, layout);
    connect(ok, &QPushButton::clicked, this, &TNewLineForm::BOKClick);
}

void TNewLineForm::BOKClick()
{
    int perLine = 0;
    try {
        perLine = ParseResultsPerLine(NewLineRCount->text());
    } catch (const SuiteError &error) {
        ShowError(this, tr("参数有误"), error.message());
        return;
    }
    apply(perLine);
    accept();
}

TAutoNLineForm::TAutoNLineForm(const RecordSettings &current, std::function<void(int, int)> apply, QWidget *parent)
    : RecordDialog(parent), apply(std::move(apply))
{
    setObjectName(QStringLiteral("TAutoNLineForm"));
    setWindowTitle(tr("自动换行设置"));
    auto *layout = new QVBoxLayout(this);
    UseAutoNewLine = new QCheckBox(tr("使用自动换行"), this);
    UseAutoNewLine->setObjectName(QStringLiteral("UseAutoNewLine"));
    UseAutoNewLine->setChecked(current.autoNewLineCount > 0);
    layout->addWidget(UseAutoNewLine);
    auto *prompt = new QLabel(tr("您希望每隔多少个随机数换一行？"), this);
    prompt->setObjectName(QStringLiteral("NewLineLabel"));
    layout->addWidget(prompt);
    NewLineRCount = NewResultsPerLineEdit(&counter, this);
    prompt->setBuddy(NewLineRCount);
    NewLineRCount->setText(QString::number(current.autoNewLineCount > 0 ? current.autoNewLineCount : current.newLineRCount));
    layout->addWidget(NewLineRCount);
    QPushButton *ok = AddButtonRow(this, layout);
    connect(ok, &QPushButton::clicked, this, &TAutoNLineForm::BOKClick);
}

void TAutoNLineForm::BOKClick()
{
    if (!UseAutoNewLine->isChecked()) {
        bool ok = false;
        const int typed = NewLineRCount->text().toInt(&ok);
        apply(0, ok && typed >= kMinResultsPerLine && typed <= kMaxResultsPerLine ? typed : 0);
        accept();
        return;
    }
    int perLine = 0;
    try {
        perLine = ParseResultsPerLine(NewLineRCount->text());
    } catch (const SuiteError &error) {
        ShowError(this, tr("参数有误"), error.message());
        return;
    }
    apply(perLine, perLine);
    accept();
}

SortSchemeChoice::SortSchemeChoice(const SortScheme &initial, QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("SortSchemeChoice"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);

    auto *varietyBox = NewRadioBox(tr("排序方式："), Qt::Horizontal, this);
    auto *varietyGroup = new QButtonGroup(this);
    SortNum = AddRadio(varietyBox, varietyGroup, QStringLiteral("SortNum"), tr("数值"));
    SortStr = AddRadio(varietyBox, varietyGroup, QStringLiteral("SortStr"), tr("字符串"));
    layout->addWidget(varietyBox);

    auto *directionBox = NewRadioBox(tr("排序类型："), Qt::Horizontal, this);
    auto *directionGroup = new QButtonGroup(this);
    SortUpper = AddRadio(directionBox, directionGroup, QStringLiteral("SortUpper"), tr("升序"));
    SortLower = AddRadio(directionBox, directionGroup, QStringLiteral("SortLower"), tr("降序"));
    layout->addWidget(directionBox);

    auto *rangeBox = NewRadioBox(tr("排序范围："), Qt::Vertical, this);
    auto *rangeGroup = new QButtonGroup(this);
    SortGlobal = AddRadio(rangeBox, rangeGroup, QStringLiteral("SortGlobal"), tr("对全体随机数进行排序"));
    SortRows = AddRadio(rangeBox, rangeGroup, QStringLiteral("SortRows"), tr("对每行随机数进行逐行排序"));
    layout->addWidget(rangeBox);

    (initial.variety == SortVariety::Num ? SortNum : SortStr)->setChecked(true);
    (initial.direction == SortDirection::Lower ? SortLower : SortUpper)->setChecked(true);
    (initial.range == SortRange::Rows ? SortRows : SortGlobal)->setChecked(true);
}

SortScheme SortSchemeChoice::Scheme() const
{
    return SortScheme{SortNum->isChecked() ? SortVariety::Num : SortVariety::Str,
                      SortLower->isChecked() ? SortDirection::Lower : SortDirection::Upper,
                      SortRows->isChecked() ? SortRange::Rows : SortRange::Global};
}

TSortForm::TSortForm(std::function<void(const SortScheme &)> apply, QWidget *parent)
    : RecordDialog(parent), apply(std::move(apply))
{
    setObjectName(QStringLiteral("TSortForm"));
    setWindowTitle(tr("排序操作"));
    auto *layout = new QVBoxLayout(this);
    choice = new SortSchemeChoice(SortScheme{}, this);
    layout->addWidget(choice);
    QPushButton *ok = AddButtonRow(this, layout);
    connect(ok, &QPushButton::clicked, this, &TSortForm::BOKClick);
}

void TSortForm::BOKClick()
{
    try {
        apply(choice->Scheme());
    } catch (const SuiteError &error) {
        ShowError(this, StatTypeErrorCaption(), error.message());
        return;
    }
    accept();
}

TAutoSortForm::TAutoSortForm(const RecordSettings &current, Callbacks callbacks, QWidget *parent)
    : RecordDialog(parent), callbacks(std::move(callbacks))
{
    setObjectName(QStringLiteral("TAutoSortForm"));
    setWindowTitle(tr("自动排序设置"));
    auto *layout = new QVBoxLayout(this);
    AutoSortRange = new QListWidget(this);
    AutoSortRange->setObjectName(QStringLiteral("AutoSortRange"));
    AutoSortRange->setAccessibleName(tr("何时自动排序"));
    const bool flags[] = {current.autoSortAfterBatch, current.autoSortAfterNewLine};
    const QString captions[] = {tr("每次生成随机数后自动排序"), tr("手动换行操作后自动排序")};
    for (int i = 0; i < 2; ++i) {
        auto *item = new QListWidgetItem(captions[i], AutoSortRange);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        item->setCheckState(flags[i] ? Qt::Checked : Qt::Unchecked);
    }
    AutoSortRange->setFixedHeight(AutoSortRange->sizeHintForRow(0) * 2 + 2 * AutoSortRange->frameWidth() + 4);
    layout->addWidget(AutoSortRange);
    choice = new SortSchemeChoice(current.sortScheme, this);
    layout->addWidget(choice);
    QPushButton *ok = AddButtonRow(this, layout);
    connect(ok, &QPushButton::clicked, this, &TAutoSortForm::BOKClick);
}

void TAutoSortForm::BOKClick()
{
    const bool afterBatch = AutoSortRange->item(0)->checkState() == Qt::Checked;
    const bool afterNewLine = AutoSortRange->item(1)->checkState() == Qt::Checked;
    callbacks.storeFlags(afterBatch, afterNewLine);
    if (afterBatch || afterNewLine) {
        const SortScheme scheme = choice->Scheme();
        try {
            callbacks.sort(scheme);
        } catch (const SuiteError &error) {
            ShowError(this, StatTypeErrorCaption(), error.message());
            return;
        }
        callbacks.storeScheme(scheme);
    }
    accept();
}
