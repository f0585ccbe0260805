#include "tcalsetform.h"

#include "gridcells.h"
#include "groupstatistics.h"
#include "yesno.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {
const QString kAnd = QStringLiteral("且");
const QString kOr = QStringLiteral("或");
const QString kGetValue = QStringLiteral("取当前值");
const QString kReset = QStringLiteral("重新取值");
constexpr int kChipGap = 8;

// The relations as the project stores them; the grid shows their captions.
const char *const kRelations[] = {
    QT_TRANSLATE_NOOP("TCalSetForm", "等于"),           QT_TRANSLATE_NOOP("TCalSetForm", "不等于"),
    QT_TRANSLATE_NOOP("TCalSetForm", "大于"),           QT_TRANSLATE_NOOP("TCalSetForm", "小于"),
    QT_TRANSLATE_NOOP("TCalSetForm", "大于或等于"),     QT_TRANSLATE_NOOP("TCalSetForm", "小于或等于"),
    QT_TRANSLATE_NOOP("TCalSetForm", "介于(开区间)"),   QT_TRANSLATE_NOOP("TCalSetForm", "介于(闭区间)"),
    QT_TRANSLATE_NOOP("TCalSetForm", "未介于(开区间)"), QT_TRANSLATE_NOOP("TCalSetForm", "未介于(闭区间)")};

bool isRelation(const QString &word)
{
    for (const char *relation : kRelations)
        if (word == QString::fromUtf8(relation))
            return true;
    return false;
}

GridCellDelegate::Relations relationCaptions()
{
    GridCellDelegate::Relations relations;
    for (const char *relation : kRelations)
        relations.append({QString::fromUtf8(relation), TCalSetForm::tr(relation)});
    return relations;
}

QTableWidget *makeGrid(const QString &name, const QStringList &headers, QWidget *parent)
{
    QTableWidget *grid = MakeValueGrid(name, headers, parent);
    grid->horizontalHeader()->setStretchLastSection(true);
    grid->setMinimumHeight(130);
    return grid;
}

// A caption without its closing colon (Chinese or English).
QString withoutColon(const QString &caption)
{
    QString text = caption.trimmed();
    if (text.endsWith(QStringLiteral("：")) || text.endsWith(QLatin1Char(':')))
        text.chop(1);
    return text;
}
} // namespace

TCalSetForm::TCalSetForm(QWidget *parent) : ModeDialog(parent, false)
{
    setObjectName(QStringLiteral("TCalSetForm"));
    setWindowTitle(tr("计算模式 参数设置"));

    varValue = new QLineEdit(this);
    varValue->setObjectName(QStringLiteral("VarValue"));
    goVar = new QPushButton(tr("确定"), this);
    goVar->setObjectName(QStringLiteral("GoVar"));
    goVar->setAutoDefault(false);
    // Enter confirms the variables typed; once they stand it does nothing.
    goVar->setDefault(true);
    connect(goVar, &QPushButton::clicked, this, &TCalSetForm::GoVarClick);
    varsReset = MakeLinkButton(this, QStringLiteral("VarsReset"), tr("重置所有变量"));
    connect(varsReset, &QPushButton::clicked, this, &TCalSetForm::VarsResetClick);

    varListPanel = new QWidget(this);
    varListPanel->setObjectName(QStringLiteral("VarListPanel"));
    varListPanel->setMinimumHeight(40);
    varListPanel->setStyleSheet(QStringLiteral("QWidget#VarListPanel { background: rgba(255,255,255,90); }"));

    randVarList = makeGrid(QStringLiteral("RandVarList"),
                           {tr("变量名"), tr("最小值"), tr("最大值"),
                            tr("精确度")},
                           this);
    randVarList->setItemDelegate(new GridCellDelegate({{1, 2}, 3, -1}, {}, {}, randVarList));
    randVarList->viewport()->installEventFilter(this);
    equalVarList = makeGrid(QStringLiteral("EqualVarList"), {tr("变量名"), tr("关系表达式")}, this);

    conditionList = makeGrid(QStringLiteral("ConditionList"),
                             {tr("条件编号"), tr("表达式1"), tr("关系"),
                              tr("表达式2")},
                             this);
    conditionList->setItemDelegate(new GridCellDelegate({{}, -1, 2}, relationCaptions(),
                                                        [this](int row) { ConditionEditStarted(row); }, conditionList));
    for (QTableWidget *grid : {randVarList, equalVarList, conditionList})
        grid->setColumnWidth(0, 64);
    connect(randVarList, &QTableWidget::cellClicked, this, [this](int row, int column) {
        if (column == 3)
            randVarList->editItem(randVarList->item(row, column));
    });
    connect(conditionList, &QTableWidget::cellClicked, this, [this](int row, int column) {
        if (column == 2)
            conditionList->editItem(conditionList->item(row, column));
    });

    varMenu = new QMenu(this);
    varMenu->setObjectName(QStringLiteral("VarMenu"));
    QAction *delVar = AddMenuAction(varMenu, QStringLiteral("DelVar"), tr("删除当前变量(&V)"));
    for (QTableWidget *grid : {randVarList, equalVarList}) {
        grid->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(grid, &QWidget::customContextMenuRequested, this, [this, grid, delVar](const QPoint &pos) {
            delVar->disconnect(this);
            connect(delVar, &QAction::triggered, this, [this, grid] { DelVarClick(grid); });
            varMenu->popup(grid->viewport()->mapToGlobal(pos));
        });
    }
    QMenu *conditionMenu = MakeContextMenu(conditionList, QStringLiteral("ConditionMenu"));
    connect(AddMenuAction(conditionMenu, QStringLiteral("DelCondition"), tr("删除当前条件(&C)")),
            &QAction::triggered, this, &TCalSetForm::DelConditionClick);

    conditionAnd = new QRadioButton(tr("且"), this);
    conditionAnd->setObjectName(QStringLiteral("ConditionAnd"));
    conditionAnd->setChecked(true);
    conditionOr = new QRadioButton(tr("或"), this);
    conditionOr->setObjectName(QStringLiteral("ConditionOr"));
    conditionReset = new QRadioButton(tr("重新取值"), this);
    conditionReset->setObjectName(QStringLiteral("ConditionReset"));
    conditionReset->setChecked(true);
    conditionGetValue = new QRadioButton(tr("取当前值"), this);
    conditionGetValue->setObjectName(QStringLiteral("ConditionGetValue"));
    auto *relationBox = new QGroupBox(tr("下列条件关系："), this);
    auto *relationLayout = new QHBoxLayout(relationBox);
    relationLayout->addWidget(conditionAnd);
    relationLayout->addWidget(conditionOr);
    auto *actionBox = new QGroupBox(tr("当相关变量符合下列条件时："), this);
    auto *actionLayout = new QHBoxLayout(actionBox);
    actionLayout->addWidget(conditionReset);
    actionLayout->addWidget(conditionGetValue);

    conditionBox = new QGroupBox(tr("取值条件列表："), this);
    conditionBox->setObjectName(QStringLiteral("ConditionArea"));
    auto *conditionLayout = new QGridLayout(conditionBox);
    conditionLayout->addWidget(conditionList, 0, 0, 3, 1);
    conditionLayout->addWidget(actionBox, 0, 1);
    conditionLayout->addWidget(relationBox, 1, 1);
    conditionLayout->setRowStretch(2, 1);
    conditionLayout->setColumnStretch(0, 1);

    formatRow = MakeFormatRow(this);
    formatRow.label->setObjectName(QStringLiteral("GroupFormatLabel"));
    connect(formatRow.insert, &QPushButton::pressed, this, &TCalSetForm::ShowFormatList);
    countRow = MakeCountRow(this, DragCounter(), tr("生成的随机数数量："), 120);
    countRow.label->setObjectName(QStringLiteral("RanCountLabel"));

    moveVarBox = new QFrame(this);
    moveVarBox->setObjectName(QStringLiteral("MoveVarBox"));
    moveVarBox->setAttribute(Qt::WA_TransparentForMouseEvents);
    moveVarBox->setStyleSheet(QStringLiteral("QFrame#MoveVarBox { border: 3px solid #800000; background: transparent; }"));
    moveVarBox->hide();
    dragGhost = new QLabel(this);
    dragGhost->setAttribute(Qt::WA_TransparentForMouseEvents);
    dragGhost->setStyleSheet(QStringLiteral("QLabel { background: #fff8d0; border: 1px solid #800000; padding: 2px 4px; }"));
    dragGhost->hide();

    auto *varRow = new QHBoxLayout;
    varRow->addWidget(new QLabel(tr("变量列表："), this));
    varRow->addWidget(varValue, 1);
    varRow->addWidget(goVar);
    varRow->addWidget(varsReset);

    auto *gridRow = new QGridLayout;
    gridRow->addWidget(new QLabel(tr("随机变量设置："), this), 0, 0);
    gridRow->addWidget(new QLabel(tr("关系变量设置："), this), 0, 1);
    gridRow->addWidget(randVarList, 1, 0);
    gridRow->addWidget(equalVarList, 1, 1);
    gridRow->setColumnStretch(0, 3);
    gridRow->setColumnStretch(1, 2);

    QVBoxLayout *layout = MakeMainLayout();
    layout->addLayout(varRow);
    layout->addWidget(varListPanel);
    layout->addLayout(gridRow, 1);
    layout->addWidget(conditionBox, 1);
    layout->addLayout(formatRow.layout);
    layout->addLayout(countRow.layout);
    AddButtonRow(layout);

    conditionList->setRowCount(1);
    countRow.value->setText(QStringLiteral("2"));
    setMinimumWidth(720);
    adjustSize();
}

QLabel *TCalSetForm::Chip(const QString &name) const
{
    const qsizetype i = variables.indexOf(name);
    return i < 0 ? nullptr : chips.at(i);
}

bool TCalSetForm::ConfirmVariables(bool showErrors)
{
    auto refuse = [&](const QString &text) {
        if (showErrors)
            ShowParameterError(text, tr("变量错误"));
        return false;
    };
    const QString text = varValue->text();
    if (text.isEmpty())
        return refuse(tr("变量列表不能为空！"));
    const QStringList names = SplitText(text, QStringLiteral(","));
    for (const QString &name : names) {
        if (name.isEmpty())
            return refuse(tr("变量名不能为空！"));
        if (name.at(0).isDigit())
            return refuse(tr("变量的起始字符不能为数字！"));
        // A name is stored inside "|"-joined rows and between "[" and "]" in the format.
        if (name.contains(QLatin1Char('|')) || name.contains(QLatin1Char('[')) || name.contains(QLatin1Char(']')))
            return refuse(tr("变量名中不得含有“|”“[”或“]”！"));
    }
    if (QSet<QString>(names.begin(), names.end()).size() != names.size())
        return refuse(tr("变量名不得重复！"));
    if (names.size() > MaxVariables)
        return refuse(tr("变量总数不得超过100个！"));

    ClearVariables();
    variables = names;
    for (const QString &name : names) {
        auto *chip = new QLabel(QStringLiteral("[%1]").arg(name), varListPanel);
        chip->setObjectName(QStringLiteral("IdLabel"));
        chip->setProperty("varName", name);
        chip->setCursor(Qt::OpenHandCursor);
        chip->setStyleSheet(QStringLiteral("QLabel { background: #fff8d0; border: 1px solid #808080; padding: 2px 4px; }"
                                           "QLabel:disabled { background: #d8d8d8; color: #909090; }"));
        chip->installEventFilter(this);
        chip->show();
        chips << chip;
    }
    LayoutChips();
    goVar->setEnabled(false);
    varValue->setReadOnly(true);
    UpdateChips();
    return true;
}

void TCalSetForm::GoVarClick()
{
    ConfirmVariables(true);
}

void TCalSetForm::ClearVariables()
{
    qDeleteAll(chips);
    chips.clear();
    variables.clear();
    LayoutChips();
}

void TCalSetForm::LayoutChips()
{
    // Left to right, 8 pixels apart, wrapping at the panel's width.
    const int width = qMax(varListPanel->width(), 680);
    int x = kChipGap, y = kChipGap, lineHeight = 0;
    for (QLabel *chip : chips) {
        const QSize size = chip->sizeHint();
        if (x + size.width() > width && x > kChipGap) {
            x = kChipGap;
            y += lineHeight + kChipGap;
            lineHeight = 0;
        }
        chip->setGeometry(QRect(QPoint(x, y), size));
        x += size.width() + kChipGap;
        lineHeight = qMax(lineHeight, size.height());
    }
    varListPanel->setMinimumHeight(qMax(40, y + lineHeight + kChipGap));
}

bool TCalSetForm::InGrids(const QString &name) const
{
    for (const QTableWidget *grid : {randVarList, equalVarList})
        for (int row = 0; row < grid->rowCount(); ++row)
            if (GridCell(grid, row, 0) == name)
                return true;
    return false;
}

void TCalSetForm::UpdateChips()
{
    for (int i = 0; i < chips.size(); ++i)
        chips.at(i)->setEnabled(!InGrids(variables.at(i)));
}

void TCalSetForm::VarsResetClick()
{
    ClearVariables();
    randVarList->setRowCount(0);
    equalVarList->setRowCount(0);
    goVar->setEnabled(true);
    varValue->setReadOnly(false);
}

void TCalSetForm::DropVariable(const QString &name, QWidget *target)
{
    QLabel *chip = Chip(name);
    if (!chip || !chip->isEnabled())
        return;
    if (target == randVarList)
        AppendGridRow(randVarList, {name, QStringLiteral("0"), QStringLiteral("10"), QStringLiteral("1")});
    else if (target == equalVarList)
        AppendGridRow(equalVarList, {name, QString()});
    else
        return;
    chip->setEnabled(false);
}

void TCalSetForm::DelVarClick(QTableWidget *grid)
{
    const int row = grid->currentRow();
    if (row < 0 || row >= grid->rowCount())
        return;
    grid->removeRow(row);
    UpdateChips();
}

QWidget *TCalSetForm::GridUnder(const QPoint &globalPos) const
{
    for (QTableWidget *grid : {randVarList, equalVarList})
        if (grid->rect().contains(grid->mapFromGlobal(globalPos)))
            return grid;
    return nullptr;
}

bool TCalSetForm::eventFilter(QObject *watched, QEvent *event)
{
    auto *chip = qobject_cast<QLabel *>(watched);
    if (chip && chips.contains(chip)) {
        auto *mouse = dynamic_cast<QMouseEvent *>(event); // null for the other events, which the switch passes by
        switch (event->type()) {
        case QEvent::MouseButtonPress:
            if (mouse->button() == Qt::LeftButton && chip->isEnabled()) {
                draggedChip = chip;
                dragGhost->setText(chip->text());
                dragGhost->adjustSize();
                dragGhost->move(mapFromGlobal(mouse->globalPosition().toPoint()) - QPoint(8, 8));
                dragGhost->show();
                dragGhost->raise();
            }
            return true;
        case QEvent::MouseMove:
            if (draggedChip == chip) {
                const QPoint global = mouse->globalPosition().toPoint();
                dragGhost->move(mapFromGlobal(global) - QPoint(8, 8));
                if (QWidget *grid = GridUnder(global)) {
                    moveVarBox->setGeometry(QRect(grid->mapTo(this, QPoint(0, 0)), grid->size()).adjusted(-3, -3, 3, 3));
                    moveVarBox->show();
                    moveVarBox->raise();
                    dragGhost->raise();
                } else {
                    moveVarBox->hide();
                }
            }
            return true;
        case QEvent::MouseButtonRelease:
            if (draggedChip == chip) {
                draggedChip = nullptr;
                dragGhost->hide();
                moveVarBox->hide();
                DropVariable(chip->property("varName").toString(), GridUnder(mouse->globalPosition().toPoint()));
            }
            return true;
        default:
            break;
        }
    }
    if (watched == randVarList->viewport()) {
        if (event->type() == QEvent::MouseButtonPress) {
            auto *mouse = static_cast<QMouseEvent *>(event);
            const QModelIndex index = randVarList->indexAt(mouse->position().toPoint());
            if (mouse->button() == Qt::LeftButton && index.isValid() && (index.column() == 1 || index.column() == 2)) {
                dragRow = index.row();
                dragColumn = index.column();
            }
        } else if (event->type() == QEvent::MouseButtonRelease) {
            dragRow = -1;
        } else if (event->type() == QEvent::MouseMove && dragRow >= 0) {
            DragGridValueCell(randVarList, DragCounter(), dragRow, dragColumn, 3,
                              qRound(static_cast<QMouseEvent *>(event)->position().x()));
            return true;
        }
    }
    return ModeDialog::eventFilter(watched, event);
}

bool TCalSetForm::ConditionNumbered(int row) const
{
    return !GridCell(conditionList, row, 0).isEmpty();
}

void TCalSetForm::RenumberConditions()
{
    int number = 0;
    for (int row = 0; row < conditionList->rowCount(); ++row)
        if (ConditionNumbered(row))
            SetGridCell(conditionList, row, 0, QString::number(++number));
}

void TCalSetForm::ConditionEditStarted(int row)
{
    if (row < 0 || row >= conditionList->rowCount() || ConditionNumbered(row))
        return;
    SetGridCell(conditionList, row, 0, QString::number(row + 1));
    // One empty row always waits at the end.
    AppendGridRow(conditionList, {});
}

void TCalSetForm::DelConditionClick()
{
    const int row = conditionList->currentRow();
    if (row < 0 || !ConditionNumbered(row))
        return;
    conditionList->removeRow(row);
    RenumberConditions();
    if (conditionList->rowCount() == 0 || ConditionNumbered(conditionList->rowCount() - 1))
        AppendGridRow(conditionList, {});
}

void TCalSetForm::ShowFormatList()
{
    QList<FormatChoice> choices;
    for (const QString &name : variables) {
        const QString placeholder = QStringLiteral("[%1]").arg(name);
        choices.append({placeholder, placeholder});
    }
    QLineEdit *format = formatRow.value;
    PopUpFormatList(formatRow, choices, [format](const QString &placeholder) { format->insert(placeholder); });
}

void TCalSetForm::SetConditionsShown(bool shown)
{
    conditionBox->setVisible(shown);
}

void TCalSetForm::FillGrid(QTableWidget *grid, const QString &rows, int columns)
{
    grid->setRowCount(0);
    if (rows.isEmpty())
        return;
    for (const QString &row : SplitText(rows, QStringLiteral("|"))) {
        QStringList parts = SplitText(row, QStringLiteral(","));
        if (columns == 2) {
            // An expression may itself hold commas: only the first one ends the name.
            const qsizetype comma = row.indexOf(QLatin1Char(','));
            parts = comma < 0 ? QStringList{row, QString()} : QStringList{row.left(comma), row.mid(comma + 1)};
        }
        AppendGridRow(grid, parts);
    }
}

void TCalSetForm::LoadProject(int type, const QueryParams &params)
{
    pmode = type;
    const QueryFields field(pmode, params);
    VarsResetClick();
    varValue->setText(field("Vars"));
    if (!varValue->text().isEmpty())
        ConfirmVariables(true);
    FillGrid(randVarList, field("RandVars"), 4);
    FillGrid(equalVarList, field("EqualVars"), 2);
    UpdateChips();
    formatRow.value->setText(field("GroupFormat"));
    countRow.value->setText(field("RanCount"));
    countRow.repeat->setChecked(field("AllowRepeat") == kYes);

    conditionList->setRowCount(0);
    const QString conditions = field("Conditions");
    if (!conditions.isEmpty()) {
        for (const QString &row : SplitText(conditions, QStringLiteral("|"))) {
            // The relation word separates the two expressions, which may hold commas.
            const QStringList parts = SplitText(row, QStringLiteral(","));
            qsizetype relation = 1;
            for (qsizetype i = 0; i < parts.size(); ++i)
                if (isRelation(parts.at(i))) {
                    relation = i;
                    break;
                }
            AppendGridRow(conditionList, {QString::number(conditionList->rowCount() + 1),
                                      QStringList(parts.mid(0, relation)).join(QLatin1Char(',')),
                                      parts.value(relation), QStringList(parts.mid(relation + 1)).join(QLatin1Char(','))});
        }
    }
    AppendGridRow(conditionList, {});
    (field("ConditionRelat") == kOr ? conditionOr : conditionAnd)->setChecked(true);
    (field("ConditionType") == kGetValue ? conditionGetValue : conditionReset)->setChecked(true);

    if (pmode == 11 || pmode == 13) {
        formatRow.label->setText(tr("题目格式："));
        countRow.label->setText(pmode == 11 ? tr("四则运算题目数量：") : tr("生成的方程组数量："));
    }
    SetConditionsShown(pmode != 13);
    adjustSize();
}

QString TCalSetForm::GridRows(const QTableWidget *grid, int firstColumn, int lastColumn) const
{
    QStringList rows;
    for (int row = 0; row < grid->rowCount(); ++row) {
        if (grid == conditionList && !ConditionNumbered(row))
            continue;
        QStringList cells;
        for (int column = firstColumn; column <= lastColumn; ++column)
            cells << GridCell(grid, row, column);
        rows << cells.join(QLatin1Char(','));
    }
    return rows.join(QLatin1Char('|'));
}

QueryParams TCalSetForm::EncodeProject(int type, const QueryParams &current) const
{
    if (type != 11 && type != 13 && type != 14)
        return current;
    QueryParams params{ProjectTypeAt(type).mode, varValue->text(), formatRow.value->text(),
                       GridRows(randVarList, 0, 3), GridRows(equalVarList, 0, 1)};
    if (type != 13) {
        params << (ConditionNumbered(0) ? GridRows(conditionList, 1, 3) : QString())
               << (conditionOr->isChecked() ? kOr : kAnd) << (conditionGetValue->isChecked() ? kGetValue : kReset);
    }
    params << countRow.value->text() << YesNoText(countRow.repeat->isChecked());
    return params;
}

bool TCalSetForm::ValidateInput()
{
    if (goVar->isEnabled()) {
        ShowParameterError(tr("您尚未设置任何变量！"), tr("未设置变量"));
        return false;
    }
    if (formatRow.value->text().isEmpty()) {
        ShowParameterError(tr("%1不能为空！").arg(withoutColon(formatRow.label->text())));
        return false;
    }
    if (countRow.value->text().isEmpty()) {
        ShowParameterError(tr("%1不能为空！").arg(withoutColon(countRow.label->text())));
        return false;
    }

    bool valid = true;
    for (QLabel *chip : chips) {
        if (chip->isEnabled()) {
            ShowParameterError(tr("部分变量尚未设置，请您将此类变量移到随机变量列表或关系变量列表中！"),
                               tr("变量未设置"));
            valid = false;
            break;
        }
    }

    for (int row = 0; row < randVarList->rowCount(); ++row) {
        const QString min = GridCell(randVarList, row, 1), max = GridCell(randVarList, row, 2),
                      pred = GridCell(randVarList, row, 3);
        if (min.isEmpty() || max.isEmpty() || pred.isEmpty()) {
            ShowParameterError(tr("随机变量列表中不得有空项！"));
            valid = false;
            break;
        }
        const QString problem = RangeRowProblem(min, max, pred);
        if (!problem.isEmpty()) {
            ShowParameterError(tr("随机变量列表第%1行：").arg(row + 1) + problem);
            valid = false;
            break;
        }
    }

    for (int row = 0; row < equalVarList->rowCount(); ++row) {
        const QString expression = GridCell(equalVarList, row, 1);
        if (expression.trimmed().isEmpty()) {
            ShowParameterError(tr("关系变量列表中不得有空项！"));
            valid = false;
            break;
        }
        if (expression.contains(QLatin1Char('|'))) {
            ShowParameterError(tr("关系变量列表第%1行：关系表达式中不得含有“|”！").arg(row + 1));
            valid = false;
            break;
        }
    }

    for (int row = 0; pmode != 13 && row < conditionList->rowCount(); ++row) {
        if (!ConditionNumbered(row))
            continue;
        const QString first = GridCell(conditionList, row, 1), relation = GridCell(conditionList, row, 2),
                      second = GridCell(conditionList, row, 3);
        if (first.trimmed().isEmpty() || relation.isEmpty() || second.trimmed().isEmpty()) {
            ShowParameterError(tr("请您将取值条件填写完整，或者删除不完整的取值条件！"));
            valid = false;
            break;
        }
        // An interval holds its two bounds in the second expression.
        if (relation.contains(QStringLiteral("介于")) && SplitText(second, QStringLiteral(",")).size() != 2) {
            ShowParameterError(tr("取值条件第%1行：区间的表达式2应写成“下限,上限”！").arg(row + 1));
            valid = false;
            break;
        }
        if ((first + second).contains(QLatin1Char('|'))) {
            ShowParameterError(tr("取值条件第%1行：表达式中不得含有“|”！").arg(row + 1));
            valid = false;
            break;
        }
    }
    return valid;
}
