#include "storedvaluetext.h"
#include "tlistsetform.h"

#include "dialogrows.h"
#include "gridcells.h"
#include "groupstatistics.h"
#include "listmemo.h"
#include "messages.h"
#include "suiteerror.h"
#include "yesno.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QFileInfo>
#include <QGroupBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>

#include <cmath>

namespace {
const QString kByPower = QStringLiteral("加权");
const QString kByPercent = QStringLiteral("百分比");
const char *const kSpliterNames[] = {QT_TRANSLATE_NOOP("TListSetForm", "空格"),     QT_TRANSLATE_NOOP("TListSetForm", "半角逗号"),
                                     QT_TRANSLATE_NOOP("TListSetForm", "半角分号"), QT_TRANSLATE_NOOP("TListSetForm", "全角逗号"),
                                     QT_TRANSLATE_NOOP("TListSetForm", "全角分号"), QT_TRANSLATE_NOOP("TListSetForm", "全角空格")};
constexpr int kWeightColumn = 2;

// The weight column takes whole numbers only; percentages at most two digits.
class WeightDelegate : public QStyledItemDelegate
{
public:
    WeightDelegate(std::function<bool()> percent, QObject *parent)
        : QStyledItemDelegate(parent), usesPercent(std::move(percent))
    {
    }
    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QWidget *editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (auto *line = qobject_cast<QLineEdit *>(editor); line && index.column() == kWeightColumn) {
            // Weights and percentages are whole numbers.
            AllowOnlyCharacters(line, QStringLiteral("0123456789"));
            if (usesPercent())
                line->setMaxLength(2);
        }
        return editor;
    }

private:
    std::function<bool()> usesPercent;
};
} // namespace

TListSetForm::TListSetForm(QWidget *parent) : ModeDialog(parent, true)
{
    setObjectName(QStringLiteral("TListSetForm"));
    setWindowTitle(tr("列举模式 参数设置"));

    randListSet = new QLabel(tr("随机数名单："), this);
    randListSet->setObjectName(QStringLiteral("RandListSet"));
    randListValue = new ListMemo(this);
    randListValue->setObjectName(QStringLiteral("RandListValue"));
    randListSet->setBuddy(randListValue);
    connect(randListValue, &QPlainTextEdit::textChanged, this, &TListSetForm::RandListValueChange);
    connect(randListValue, &ListMemo::TablePasted, this, &TListSetForm::PasteTable);
    importFromFile = new QPushButton(tr("从文件导入…"), this);
    importFromFile->setObjectName(QStringLiteral("ImportFromFile"));
    importFromFile->setAutoDefault(false);
    connect(importFromFile, &QPushButton::clicked, this, &TListSetForm::ImportFromFileClick);

    rLists = new QTableWidget(0, 3, this);
    rLists->setObjectName(QStringLiteral("RLists"));
    rLists->setHorizontalHeaderLabels({tr("编号"), tr("随机数列表"), tr("概率")});
    rLists->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    rLists->setColumnWidth(0, 48);
    rLists->setColumnWidth(2, 64);
    rLists->verticalHeader()->hide();
    rLists->verticalHeader()->setSectionsMovable(true);
    rLists->setItemDelegate(new WeightDelegate([this] { return UsesPercent(); }, rLists));
    rLists->viewport()->installEventFilter(this);
    connect(rLists->verticalHeader(), &QHeaderView::sectionMoved, this, &TListSetForm::RowMoved);
    for (QWidget *view : {static_cast<QWidget *>(randListValue), static_cast<QWidget *>(rLists)})
        view->setMinimumSize(380, 150);

    QMenu *menu = MakeContextMenu(rLists, QStringLiteral("RMenu"));
    connect(AddMenuAction(menu, QStringLiteral("RMenu_DelRow"), tr("删除当前行")), &QAction::triggered, this,
            &TListSetForm::DelRowClick);
    connect(AddMenuAction(menu, QStringLiteral("RMenu_AddRow"), tr("新增一行")), &QAction::triggered, this,
            &TListSetForm::AddRowClick);

    posSetAble = new QCheckBox(tr("设置概率"), this);
    posSetAble->setObjectName(QStringLiteral("PosSetAble"));
    posByPower = new QRadioButton(tr("加权"), this);
    posByPower->setObjectName(QStringLiteral("PosByPower"));
    posByPower->setChecked(true);
    posByPercent = new QRadioButton(tr("百分比"), this);
    posByPercent->setObjectName(QStringLiteral("PosByPercent"));
    connect(posSetAble, &QCheckBox::clicked, this, [this] {
        CarryItemsOver();
        PosSetAbleClick();
    });
    connect(posByPower, &QRadioButton::clicked, this, &TListSetForm::PosMethodClick);
    connect(posByPercent, &QRadioButton::clicked, this, &TListSetForm::PosMethodClick);

    spliterValue = new QComboBox(this);
    spliterValue->setObjectName(QStringLiteral("SpliterValue"));
    // The project stores the Chinese name whatever the window shows.
    for (const char *name : kSpliterNames)
        spliterValue->addItem(tr(name), QString::fromUtf8(name));
    connect(spliterValue, &QComboBox::currentIndexChanged, this, &TListSetForm::RandListValueChange);

    ranCountLabel = new QLabel(tr("生成的随机数数量："), this);
    ranCountLabel->setObjectName(QStringLiteral("RanCountLabel"));
    ranCountValue = MakeCountEdit(this, DragCounter(), QStringLiteral("RanCountValue"));
    repeatAllowed = new QCheckBox(tr("是否允许重复？"), this);
    repeatAllowed->setObjectName(QStringLiteral("RepeatAllowed"));
    autoDel = new QCheckBox(tr("生成随机数后，自动排除已生成的随机数"), this);
    autoDel->setObjectName(QStringLiteral("AutoDel"));

    auto *probabilityRow = new QHBoxLayout;
    probabilityRow->addWidget(posSetAble);
    probabilityRow->addSpacing(12);
    probabilityRow->addWidget(posByPower);
    probabilityRow->addWidget(posByPercent);
    probabilityRow->addStretch(1);

    auto *form = new QFormLayout;
    form->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    form->addRow(tr("分隔符："), spliterValue);
    ranCountLabel->setBuddy(ranCountValue);
    form->addRow(ranCountLabel, ranCountValue);

    auto *listTitleRow = new QHBoxLayout;
    listTitleRow->addWidget(randListSet);
    listTitleRow->addStretch(1);
    listTitleRow->addWidget(importFromFile);

    QVBoxLayout *layout = MakeMainLayout();
    layout->addLayout(listTitleRow);
    layout->addWidget(randListValue, 1);
    layout->addWidget(rLists, 1);
    layout->addLayout(probabilityRow);
    layout->addLayout(form);
    layout->addWidget(repeatAllowed);
    layout->addWidget(autoDel);
    layout->addWidget(MakeFairBox());
    AddButtonRow(layout);

    SetRowCount(1);
    ranCountValue->setText(QStringLiteral("5"));
    FairChoiceChange();
    PosSetAbleClick();
    adjustSize();
}

QGroupBox *TListSetForm::MakeFairBox()
{
    fairBox = new QGroupBox(tr("公平抽取"), this);
    fairBox->setObjectName(QStringLiteral("FairBox"));
    fairMode = new QButtonGroup(fairBox);
    auto *choices = new QHBoxLayout;
    const QStringList names{QStringLiteral("FairPlain"), QStringLiteral("FairRotation"), QStringLiteral("FairBalanced")};
    const QStringList tips{tr("每次抽取互不相关（原来的方式）"),
                           tr("每人都被抽到一次之前，不会有人被抽到第二次；跨抽取、跨窗口、跨重启"),
                           tr("人人都可能被抽到，但一段时间内被抽到越多，机会越小")};
    for (int i = 0; i < names.size(); ++i) {
        auto *button = new QRadioButton(StoredValueText(FairModeTexts().at(i)), fairBox);
        button->setObjectName(names.at(i));
        button->setToolTip(tips.at(i));
        fairMode->addButton(button, i);
        choices->addWidget(button);
    }
    choices->addStretch(1);
    fairMode->button(0)->setChecked(true);

    fairPeriodValue = new QComboBox(fairBox);
    fairPeriodValue->setObjectName(QStringLiteral("FairPeriodValue"));
    for (const QString &period : FairPeriodTexts())
        fairPeriodValue->addItem(StoredValueText(period), period);
    fairPeriodValue->setCurrentIndex(int(FairSettings{}.period));
    fairStrengthValue = new QComboBox(fairBox);
    fairStrengthValue->setObjectName(QStringLiteral("FairStrengthValue"));
    for (const QString &strength : FairStrengthTexts())
        fairStrengthValue->addItem(StoredValueText(strength), strength);
    fairStrengthValue->setCurrentIndex(fairStrengthValue->findData(FairStrengthText(FairSettings{}.strength)));
    fairSkipValue = new QSpinBox(fairBox);
    fairSkipValue->setObjectName(QStringLiteral("FairSkipValue"));
    fairSkipValue->setRange(0, 9999);
    fairFormula = new QLabel(fairBox);
    fairFormula->setObjectName(QStringLiteral("FairFormula"));
    fairFormula->setWordWrap(true);

    auto *balance = new QHBoxLayout;
    balance->addWidget(new QLabel(tr("统计范围："), fairBox));
    balance->addWidget(fairPeriodValue);
    balance->addSpacing(8);
    balance->addWidget(new QLabel(tr("力度："), fairBox));
    balance->addWidget(fairStrengthValue);
    balance->addSpacing(8);
    balance->addWidget(new QLabel(tr("跳过最近抽中的人数："), fairBox));
    balance->addWidget(fairSkipValue);
    balance->addStretch(1);

    auto *column = new QVBoxLayout(fairBox);
    column->addLayout(choices);
    column->addLayout(balance);
    column->addWidget(fairFormula);

    connect(fairMode, &QButtonGroup::idClicked, this, &TListSetForm::FairChoiceChange);
    connect(fairPeriodValue, &QComboBox::currentIndexChanged, this, &TListSetForm::FairChoiceChange);
    connect(fairStrengthValue, &QComboBox::currentIndexChanged, this, &TListSetForm::FairChoiceChange);
    connect(fairSkipValue, &QSpinBox::valueChanged, this, &TListSetForm::FairChoiceChange);
    // Shown for whole projects of the list types and the list items of custom projects.
    fairBox->hide();
    return fairBox;
}

FairSettings TListSetForm::ChosenFairness() const
{
    FairSettings settings;
    settings.mode = FairMode(std::max(0, fairMode->checkedId()));
    settings.period = FairPeriod(fairPeriodValue->currentIndex());
    settings.strength = FairStrengthPower(fairStrengthValue->currentData().toString());
    settings.skip = fairSkipValue->value();
    return settings;
}

void TListSetForm::FairChoiceChange()
{
    const FairSettings settings = ChosenFairness();
    const bool balanced = settings.mode == FairMode::Balanced;
    for (QWidget *control : {static_cast<QWidget *>(fairPeriodValue), static_cast<QWidget *>(fairStrengthValue),
                             static_cast<QWidget *>(fairSkipValue)})
        control->setEnabled(balanced);
    fairFormula->setText(balanced ? FairFormulaText(settings)
                         : settings.mode == FairMode::Rotation
                             ? tr("每人都被抽到一次后才开始新一轮；加权名单在一轮之内保持权重")
                             : tr("每次抽取互不相关"));
}

void TListSetForm::LoadFairness(const FairSettings &settings)
{
    fairMode->button(int(settings.mode))->setChecked(true);
    fairPeriodValue->setCurrentIndex(int(settings.period));
    fairStrengthValue->setCurrentIndex(fairStrengthValue->findData(FairStrengthText(settings.strength)));
    fairSkipValue->setValue(settings.skip);
    FairChoiceChange();
}

void TListSetForm::OfferFairness(const FairSettings &settings)
{
    fairBox->show();
    LoadFairness(settings);
    adjustSize();
}

FairSettings TListSetForm::EncodeFairness(const FairSettings &current) const
{
    return fairBox->isHidden() ? current : ChosenFairness();
}

bool TListSetForm::ValidateFairness(qlonglong count)
{
    const FairSettings settings = ChosenFairness();
    if (fairBox->isHidden() || settings.mode == FairMode::Plain)
        return true;
    if (!autoDel->isHidden() && autoDel->isChecked()) {
        ShowParameterError(tr("“%1”抽取已经记住谁被抽到过，不能同时使用自动排除功能，请取消其中之一！")
                               .arg(StoredValueText(FairModeText(settings.mode))));
        return false;
    }
    const QStringList items = CurrentItems();
    QSet<QString> distinct(items.cbegin(), items.cend());
    distinct.remove(QString());
    if (count > distinct.size()) {
        ShowParameterError(tr("“%1”抽取每次抽出的人互不相同，名单中不同的条目（%2 个）不能少于每次抽取的数量，"
                                          "请重新设置！")
                               .arg(StoredValueText(FairModeText(settings.mode)))
                               .arg(distinct.size()));
        return false;
    }
    if (settings.mode != FairMode::Balanced)
        return true;
    const int allowed = MaxFairSkip(int(distinct.size()), int(count));
    if (settings.skip > allowed) {
        ShowParameterError(tr("“跳过最近抽中的人数”最多为 %1（名单中不同的条目 %2 个，减去每次抽取的 %3 个），"
                                          "请减小！")
                               .arg(allowed)
                               .arg(distinct.size())
                               .arg(count));
        return false;
    }
    return true;
}

bool TListSetForm::UsesPercent() const
{
    return posByPercent->isChecked();
}

int TListSetForm::DataRows() const
{
    return rLists->rowCount();
}

QString TListSetForm::Cell(int row, int column) const
{
    return GridCell(rLists, row, column);
}

void TListSetForm::SetCell(int row, int column, const QString &text)
{
    SetGridCell(rLists, row, column, text);
}

void TListSetForm::Renumber()
{
    for (int row = 0; row < DataRows(); ++row)
        SetCell(row, 0, QString::number(row + 1));
}

void TListSetForm::SetRowCount(int rows)
{
    const int before = DataRows();
    rLists->setRowCount(rows);
    for (int row = before; row < rows; ++row) {
        SetCell(row, 1, QString());
        SetCell(row, kWeightColumn, QStringLiteral("1"));
    }
    Renumber();
}

void TListSetForm::SetListCaption(const QString &caption)
{
    randListSet->setText(caption);
}

void TListSetForm::SetCountCaption(const QString &caption)
{
    ranCountLabel->setText(caption);
}

void TListSetForm::SetAutoDelCaption(const QString &caption)
{
    autoDel->setText(caption);
}

void TListSetForm::ShowOptions(bool probabilities, bool repeats, bool exclusion, bool count)
{
    if (!probabilities && posSetAble->isChecked()) {
        posSetAble->setChecked(false);
        PosSetAbleClick();
    }
    posSetAble->setVisible(probabilities);
    posByPower->setVisible(probabilities);
    posByPercent->setVisible(probabilities);
    repeatAllowed->setVisible(repeats);
    autoDel->setVisible(exclusion);
    ranCountLabel->setVisible(count);
    ranCountValue->setVisible(count);
    adjustSize();
}

void TListSetForm::PosSetAbleClick()
{
    const bool withProbabilities = posSetAble->isChecked();
    posByPower->setEnabled(withProbabilities);
    posByPercent->setEnabled(withProbabilities);
    autoDel->setEnabled(!withProbabilities);
    rLists->setVisible(withProbabilities);
    randListValue->setVisible(!withProbabilities);
}

void TListSetForm::CarryItemsOver()
{
    // Switching between the plain list and the rows must not leave the user facing an
    // empty box while the names just typed sit hidden in the other one.
    const QString separator = SpliterChar(SpliterName());
    if (posSetAble->isChecked()) {
        const QString text = randListValue->toPlainText();
        for (int row = 0; row < DataRows(); ++row)
            if (!Cell(row, 1).isEmpty())
                return;
        if (text.isEmpty())
            return;
        // One row per item, each with an equal chance to start from.
        const QStringList items = SplitText(text, separator);
        SetRowCount(0);
        SetRowCount(int(items.size()));
        for (int row = 0; row < items.size(); ++row)
            SetCell(row, 1, items.at(row));
        PosMethodClick();
    } else if (randListValue->toPlainText().isEmpty()) {
        QStringList items;
        for (int row = 0; row < DataRows(); ++row)
            if (!Cell(row, 1).isEmpty())
                items << Cell(row, 1);
        randListValue->setPlainText(items.join(separator));
    }
}

void TListSetForm::PosMethodClick()
{
    QTableWidgetItem *header = rLists->horizontalHeaderItem(kWeightColumn);
    if (UsesPercent()) {
        header->setText(tr("概率/%"));
        const QString share = QString::number(100 / qMax(1, DataRows()));
        for (int row = 0; row < DataRows(); ++row)
            SetCell(row, kWeightColumn, share);
    } else {
        header->setText(tr("概率"));
        for (int row = 0; row < DataRows(); ++row)
            SetCell(row, kWeightColumn, QStringLiteral("1"));
    }
}

void TListSetForm::AddRowClick()
{
    // A new row gets weight 1; the weights the user already set stay as they are.
    SetRowCount(DataRows() + 1);
    if (UsesPercent()) {
        const QString share = QString::number(100 / DataRows());
        for (int row = 0; row < DataRows(); ++row)
            SetCell(row, kWeightColumn, share);
    }
}

void TListSetForm::DelRowClick()
{
    if (DataRows() < 2) {
        SetCell(0, 1, QString());
        SetCell(0, kWeightColumn, QString());
        return;
    }
    const int row = rLists->currentRow();
    if (row < 0)
        return;
    rLists->removeRow(row);
    Renumber();
}

void TListSetForm::RowMoved()
{
    // The header only moved the row on screen; put the rows themselves into the shown
    // order so that reading and numbering follow what the user sees.
    QHeaderView *header = rLists->verticalHeader();
    QList<QStringList> rows;
    for (int visual = 0; visual < DataRows(); ++visual) {
        const int logical = header->logicalIndex(visual);
        rows << QStringList{Cell(logical, 1), Cell(logical, kWeightColumn)};
    }
    const QSignalBlocker blocker(header);
    header->reset();
    for (int visual = 0; visual < DataRows(); ++visual)
        if (header->logicalIndex(visual) != visual)
            header->moveSection(header->visualIndex(visual), visual);
    for (int row = 0; row < rows.size(); ++row) {
        SetCell(row, 1, rows.at(row).at(0));
        SetCell(row, kWeightColumn, rows.at(row).at(1));
    }
    Renumber();
}

void TListSetForm::RandListValueChange()
{
    if (countFollowsList)
        ranCountValue->setText(QString::number(ListItemCount(randListValue->toPlainText(), SpliterName())));
}

bool TListSetForm::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == rLists->viewport() && posSetAble->isChecked()) {
        if (event->type() == QEvent::MouseButtonPress) {
            auto *mouse = static_cast<QMouseEvent *>(event);
            const QModelIndex index = rLists->indexAt(mouse->position().toPoint());
            if (mouse->button() == Qt::LeftButton && index.isValid() && index.column() == kWeightColumn) {
                dragRow = index.row();
                lastDragX = qRound(mouse->position().x());
            }
        } else if (event->type() == QEvent::MouseButtonRelease) {
            dragRow = -1;
        } else if (event->type() == QEvent::MouseMove && dragRow >= 0) {
            DragWeight(dragRow, qRound(static_cast<QMouseEvent *>(event)->position().x()));
            return true;
        }
    }
    return ModeDialog::eventFilter(watched, event);
}

void TListSetForm::DragWeight(int row, int x)
{
    const QString text = Cell(row, kWeightColumn);
    if (UsesPercent()) {
        // Percentages follow every move, between 1 and 99.
        bool ok = false;
        const double value = QLocale::c().toDouble(text.isEmpty() ? QStringLiteral("1") : text, &ok);
        const bool right = x > lastDragX;
        lastDragX = x;
        if (!ok)
            return;
        double next = value;
        if (right && value < 99)
            next = value + 1;
        else if (!right && value > 1)
            next = value - 1;
        SetCell(row, kWeightColumn, FormatPlainNumber(next));
        return;
    }
    const int direction = DragCounter()->RegisterMove(x);
    if (direction != 0)
        SetCell(row, kWeightColumn, StepCountText(text, direction));
}

void TListSetForm::LoadList(bool withProbabilities, const QString &list)
{
    posSetAble->setChecked(withProbabilities);
    if (withProbabilities) {
        const QStringList pieces = SplitText(list, QStringLiteral("&"));
        (pieces.value(0) == kByPercent ? posByPercent : posByPower)->setChecked(true);
        rLists->horizontalHeaderItem(kWeightColumn)->setText(UsesPercent() ? tr("概率/%")
                                                                           : tr("概率"));
        rLists->setRowCount(0);
        SetRowCount(qMax(1, int(pieces.size()) - 1));
        for (int i = 1; i < pieces.size(); ++i) {
            const QStringList row = SplitText(pieces.at(i), QStringLiteral(":"));
            SetCell(i - 1, 1, UnescapeListText(row.value(0)));
            SetCell(i - 1, kWeightColumn, row.value(1));
        }
        randListValue->clear();
    } else {
        randListValue->setPlainText(UnescapeListText(list));
    }
    PosSetAbleClick();
}

void TListSetForm::LoadProject(int pmode, const QueryParams &params)
{
    const QueryFields field(pmode, params);
    const QString list = pmode == 7 ? field("List") : field("Lists");
    SelectSpliter(field("Spliter"));
    LoadList(field("PosSetAble") == kYes, list);
    ranCountValue->setText(field("RanCount"));
    repeatAllowed->setChecked(field("AllowRepeat") == kYes);
    autoDel->setChecked(field("AutoDel") == kYes);

    fairBox->setVisible(TypeDrawsFairly(pmode));
    switch (pmode) {
    case 2:
        SetListCaption(tr("名单："));
        SetCountCaption(tr("每次点名人数"));
        break;
    case 3:
        SetListCaption(tr("名单："));
        ShowOptions(false, false, false, true);
        ranCountValue->setEnabled(false);
        countFollowsList = true;
        RandListValueChange();
        break;
    case 7:
        SetListCaption(tr("单词/字词名单："));
        SetCountCaption(tr("每次抽取数量"));
        SetAutoDelCaption(tr("抽取一个单词/字词后，自动排除该单词/字词"));
        ShowOptions(false, true, true, true);
        repeatAllowed->setEnabled(false);
        break;
    case 9:
        SetListCaption(tr("抽奖人员名单："));
        ShowOptions(false, false, true, true);
        break;
    default:
        break;
    }
    adjustSize();
}

QueryParams TListSetForm::EncodeProject(int pmode, const QueryParams &current) const
{
    QueryParams params = current;
    const ProjectType &type = ProjectTypeAt(pmode);
    while (params.size() < type.attributes.size() + 1)
        params << QString();
    params[0] = type.mode;
    for (int i = 0; i < type.attributes.size(); ++i) {
        const QString &attribute = type.attributes.at(i);
        QString value;
        if (attribute == QLatin1String("PosSetAble"))
            value = YesNoText(posSetAble->isChecked());
        else if (attribute == QLatin1String("Lists") || attribute == QLatin1String("List"))
            value = EncodeList();
        else if (attribute == QLatin1String("Spliter"))
            value = SpliterName();
        else if (attribute == QLatin1String("RanCount"))
            value = ranCountValue->text();
        else if (attribute == QLatin1String("AllowRepeat"))
            value = YesNoText(repeatAllowed->isChecked());
        else if (attribute == QLatin1String("AutoDel"))
            value = YesNoText(autoDel->isChecked());
        else
            continue;
        params[i + 1] = value;
    }
    return params;
}

void TListSetForm::LoadGroupQuery(const QString &groupQuery, const QString &spliterName)
{
    const QStringList f = SplitGroupFields(groupQuery);
    SelectSpliter(spliterName);
    LoadList(f.value(0) == kYes, f.value(1));
    repeatAllowed->setChecked(f.value(2) == kYes);
    autoDel->setChecked(f.value(3) == kYes);
    ranCountValue->setText(f.value(4));
}

QString TListSetForm::EncodeGroupQuery() const
{
    return QStringList{YesNoText(posSetAble->isChecked()), EncodeList(), YesNoText(repeatAllowed->isChecked()),
                       YesNoText(autoDel->isChecked()), ranCountValue->text()}
        .join(QStringLiteral("||"));
}

QString TListSetForm::SpliterName() const
{
    return spliterValue->currentData().toString();
}

void TListSetForm::SelectSpliter(const QString &name)
{
    // An unknown name leaves the choice as it is.
    const int index = spliterValue->findData(name);
    if (index >= 0)
        spliterValue->setCurrentIndex(index);
}

QString SpliterCaption(const QString &name)
{
    for (const char *known : kSpliterNames)
        if (name == QString::fromUtf8(known))
            return TListSetForm::tr(known);
    return name;
}

QString TListSetForm::EncodeList() const
{
    if (!posSetAble->isChecked())
        return EscapeListText(randListValue->toPlainText());
    QString list = UsesPercent() ? kByPercent : kByPower;
    for (int row = 0; row < DataRows(); ++row)
        list += QLatin1Char('&') + EscapeListText(Cell(row, 1)) + QLatin1Char(':') + Cell(row, kWeightColumn);
    return list;
}

int TListSetForm::PossibleCount() const
{
    if (!posSetAble->isChecked())
        return ListItemCount(randListValue->toPlainText(), SpliterName());
    int count = 0;
    for (int row = 0; row < DataRows(); ++row)
        count += ListItemCount(Cell(row, 1), SpliterName());
    return count;
}

void TListSetForm::OfferLinesAsItems()
{
    // A list pasted from elsewhere comes one name per line. Line breaks do not separate
    // items, so without this the whole text would be a single item, drawn all at once.
    const QString text = randListValue->toPlainText();
    if (posSetAble->isChecked() || !text.contains(QLatin1Char('\n')))
        return;
    const QString separator = SpliterChar(SpliterName());
    if (separator.isEmpty()
        || AskYesNo(this, tr("提示"),
                    tr("名单中含有换行，而换行不是分隔符，整段文字会被当作一项抽取。\n"
                                   "是否把每一行作为单独的一项（以“%1”分隔）？")
                        .arg(SpliterCaption(SpliterName())))
               != QMessageBox::Yes)
        return;
    QStringList items;
    for (const QString &line : text.split(QLatin1Char('\n'))) {
        if (!line.trimmed().isEmpty())
            items << line.trimmed();
    }
    randListValue->setPlainText(items.join(separator));
}

bool TListSetForm::ValidateInput()
{
    OfferLinesAsItems();
    bool valid = true;
    const bool withProbabilities = posSetAble->isChecked();
    if (withProbabilities && autoDel->isChecked()) {
        ShowParameterError(tr("不能在设置概率的同时使用自动排除随机数功能！"), tr("设置有误"));
        valid = false;
    }
    const QString emptyMessage = tr("相关参数不能为空，请填写完整！");
    if (ranCountValue->text().isEmpty()) {
        ShowParameterError(emptyMessage);
        valid = false;
    }
    bool rowsComplete = true;
    if (!withProbabilities) {
        rowsComplete = !randListValue->toPlainText().isEmpty();
    } else {
        for (int row = 0; row < DataRows() && rowsComplete; ++row)
            rowsComplete = !Cell(row, 1).isEmpty() && !Cell(row, kWeightColumn).isEmpty();
    }
    if (!rowsComplete) {
        ShowParameterError(emptyMessage);
        valid = false;
    }

    if (withProbabilities && rowsComplete) {
        // A weight that is not a number, or weights that give nothing a chance, would
        // leave the draw without a row to pick.
        double total = 0;
        bool numbers = true;
        for (int row = 0; row < DataRows() && numbers; ++row) {
            bool ok = false;
            const double weight = QLocale::c().toDouble(Cell(row, kWeightColumn), &ok);
            // The draw takes whole weights of at least 0 and whole percentages above 0.
            if (!ok || !std::isfinite(weight) || weight < 0 || weight != std::floor(weight)
                || (UsesPercent() && weight == 0)) {
                ShowParameterError(tr("名单第%1行的概率“%2”必须是%3整数，请重新填写！")
                                       .arg(row + 1)
                                       .arg(Cell(row, kWeightColumn),
                                            UsesPercent() ? tr("大于0的") : tr("不小于0的")));
                valid = numbers = false;
            }
            total += weight;
        }
        if (numbers && UsesPercent() && total != 100) {
            ShowParameterError(tr("名单概率总和必须为100%！"));
            valid = false;
        } else if (numbers && total <= 0) {
            ShowParameterError(tr("名单概率总和必须大于0！"));
            valid = false;
        }
    }

    bool countOk = false;
    const qlonglong count = ranCountValue->text().toLongLong(&countOk);
    if (countOk && !repeatAllowed->isChecked() && PossibleCount() < count) {
        ShowParameterError(tr("在不允许重复的情况下，随机数名单中的可生成随机数数量小于要生成的随机数数量，"
                                          "请重新设置！"));
        valid = false;
    }
    if (countOk && !ValidateFairness(count))
        valid = false;
    return valid;
}

void TListSetForm::ImportFromFileClick()
{
    const QString path = ChooseImportFile(this);
    if (!path.isEmpty())
        ImportFile(path);
}

TImportListForm *TListSetForm::ImportFile(const QString &path)
{
    try {
        return ShowImportPreview(ReadNameTable(path), QFileInfo(path).fileName());
    } catch (const SuiteError &error) {
        ShowError(this, tr("导入失败"), error.message());
    } catch (const std::bad_alloc &) {
        // The readers' limits keep a file far below this; should one slip through, the
        // wizard and the project being edited stay.
        ShowError(this, tr("导入失败"),
                  tr("文件“%1”需要的内存超出了本机可用的内存，未导入任何内容。").arg(QFileInfo(path).fileName()));
    } catch (const std::exception &error) {
        ShowError(this, tr("导入失败"),
                  tr("读取文件“%1”时出错（%2），未导入任何内容。")
                      .arg(QFileInfo(path).fileName(), QString::fromLocal8Bit(error.what())));
    }
    return nullptr;
}

void TListSetForm::PasteTable(const QString &text)
{
    ImportedSheet sheet;
    try {
        sheet = ParsePastedTable(text);
    } catch (const SuiteError &error) {
        ShowError(this, tr("粘贴失败"), error.message());
        return;
    }
    if (sheet.rows.isEmpty())
        return;
    // Cells separated by tabs come from a spreadsheet: the preview asks for the column.
    if (text.contains(QLatin1Char('\t'))) {
        ShowImportPreview({{sheet}, QString()}, tr("粘贴的表格"));
        return;
    }
    // Lines of names: each line holds one name, or several separated as the list separates
    // them or by blanks.
    const QString separator = SpliterChar(SpliterName());
    const bool header = LooksLikeHeader(sheet, 0);
    TImportListForm::Choice choice;
    for (const QString &line : NamesOfColumn(sheet, 0, header))
        choice.names << SplitPastedLine(line, separator);
    if (choice.names.isEmpty())
        return;
    // Pasting over the whole list replaces it, anywhere else the names follow it.
    const QString typed = randListValue->toPlainText();
    choice.append = !typed.isEmpty() && randListValue->textCursor().selectedText().size() < typed.size();
    choice.separatorName =
        SeparatorKeepingItemsWhole(choice.append ? CurrentItems() + choice.names : choice.names, SpliterName());
    if (!choice.separatorName.isEmpty() && choice.separatorName != SpliterName()
        && AskYesNo(this, tr("提示"),
                    tr("粘贴的名字中含有分隔符“%1”，为使每个名字保持完整，分隔符要改为“%2”。\n"
                                   "是否改用“%2”并粘贴？")
                        .arg(SpliterCaption(SpliterName()), SpliterCaption(choice.separatorName)))
               != QMessageBox::Yes)
        return;
    PutImportedNames(choice);
}

TImportListForm *TListSetForm::ShowImportPreview(ImportedTable table, const QString &sourceName)
{
    auto *preview = new TImportListForm(std::move(table), sourceName, CurrentItems(), SpliterName(), this);
    connect(preview, &QDialog::accepted, this, [this, preview] { PutImportedNames(preview->Chosen()); });
    preview->open();
    return preview;
}

QStringList TListSetForm::CurrentItems() const
{
    const QString separator = SpliterChar(SpliterName());
    QStringList items;
    if (!posSetAble->isChecked()) {
        if (!randListValue->toPlainText().isEmpty())
            items = SplitText(randListValue->toPlainText(), separator);
    } else {
        for (int row = 0; row < DataRows(); ++row)
            if (!Cell(row, 1).isEmpty())
                items << SplitText(Cell(row, 1), separator);
    }
    return items;
}

void TListSetForm::PutImportedNames(const TImportListForm::Choice &choice)
{
    if (choice.names.isEmpty())
        return;
    if (choice.separatorName.isEmpty()) {
        ShowError(this, tr("导入失败"),
                  tr("名单中已用到全部六种分隔符，无法让每个姓名保持完整，请先在表格中修改这些姓名。"));
        return;
    }
    // Items already there are re-joined when the separator has to change, so each stays one item.
    const QString before = SpliterChar(SpliterName());
    const QString separator = SpliterChar(choice.separatorName);
    auto rejoined = [&](const QString &items) { return SplitText(items, before).join(separator); };
    if (!posSetAble->isChecked()) {
        QString text = choice.append ? randListValue->toPlainText() : QString();
        if (!text.isEmpty()) {
            text = rejoined(text);
            if (!text.endsWith(separator))
                text += separator;
        }
        SelectSpliter(choice.separatorName);
        randListValue->setPlainText(text + choice.names.join(separator));
        return;
    }
    // With probabilities every name is a row of its own with an equal chance.
    QStringList rows;
    QStringList weights;
    for (int row = 0; choice.append && row < DataRows(); ++row) {
        if (!Cell(row, 1).isEmpty()) {
            rows << rejoined(Cell(row, 1));
            weights << Cell(row, kWeightColumn);
        }
    }
    rows << choice.names;
    SelectSpliter(choice.separatorName);
    SetRowCount(0);
    SetRowCount(int(rows.size()));
    for (int row = 0; row < rows.size(); ++row) {
        SetCell(row, 1, rows.at(row));
        SetCell(row, kWeightColumn, row < weights.size() ? weights.at(row) : QStringLiteral("1"));
    }
    if (UsesPercent())
        PosMethodClick();
}
