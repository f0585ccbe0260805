#include "timportlistform.h"

#include "gradient.h"
#include "querysection.h"
#include "tlistsetform.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

ImportFileChooser &FileChooser()
{
    static ImportFileChooser chooser;
    return chooser;
}

} // namespace

void SetImportFileChooser(ImportFileChooser chooser)
{
    FileChooser() = std::move(chooser);
}

QString ChooseImportFile(QWidget *parent)
{
    if (FileChooser())
        return FileChooser()(parent);
    return QFileDialog::getOpenFileName(parent, TImportListForm::tr("从文件导入名单"),
                                        QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation),
                                        TImportListForm::tr("名单文件 (*.xlsx *.csv *.tsv *.txt *.xls);;所有文件 (*)"));
}

TImportListForm::TImportListForm(ImportedTable importedTable, const QString &sourceName,
                                 const QStringList &items, const QString &spliterName, QWidget *parent)
    : QDialog(parent), table(std::move(importedTable)), existingItems(items), separatorName(spliterName)
{
    setObjectName(QStringLiteral("TImportListForm"));
    setWindowTitle(tr("导入名单"));
    setAttribute(Qt::WA_DeleteOnClose);
    // The list dialogs stay on top; their preview must not open behind them.
    setWindowFlag(Qt::WindowStaysOnTopHint);

    fileLabel = new QLabel(this);
    fileLabel->setObjectName(QStringLiteral("FileLabel"));
    fileLabel->setText(table.sourceNote.isEmpty() ? sourceName
                                                  : tr("%1（%2）").arg(sourceName, table.sourceNote));
    fileLabel->setWordWrap(true);

    sheetValue = new QComboBox(this);
    sheetValue->setObjectName(QStringLiteral("SheetValue"));
    for (const ImportedSheet &sheet : std::as_const(table.sheets))
        sheetValue->addItem(sheet.name);
    columnValue = new QComboBox(this);
    columnValue->setObjectName(QStringLiteral("ColumnValue"));
    columnValue->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    headerRow = new QCheckBox(tr("第一行是标题"), this);
    headerRow->setObjectName(QStringLiteral("HeaderRow"));
    byRows = new QCheckBox(tr("按行读取（每格一个名字）"), this);
    byRows->setObjectName(QStringLiteral("ByRows"));
    splitNames = new QCheckBox(tr("拆分格中的多个名字（按 、，,;； 分开）"), this);
    splitNames->setObjectName(QStringLiteral("SplitNames"));

    previewGrid = new QTableWidget(this);
    previewGrid->setObjectName(QStringLiteral("PreviewGrid"));
    previewGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    previewGrid->setSelectionBehavior(QAbstractItemView::SelectColumns);
    previewGrid->setSelectionMode(QAbstractItemView::SingleSelection);
    previewGrid->setMinimumSize(560, 280);
    previewGrid->horizontalHeader()->setDefaultSectionSize(110);
    previewGrid->horizontalHeader()->setStretchLastSection(true);
    previewGrid->verticalHeader()->setDefaultSectionSize(24);
    rowsNote = new QLabel(this);
    rowsNote->setObjectName(QStringLiteral("RowsNote"));

    nameCount = new QLabel(this);
    nameCount->setObjectName(QStringLiteral("NameCount"));
    nameCount->setWordWrap(true);
    QFont bold = nameCount->font();
    bold.setBold(true);
    nameCount->setFont(bold);

    replaceList = new QRadioButton(tr("替换现有名单"), this);
    replaceList->setObjectName(QStringLiteral("ReplaceList"));
    replaceList->setChecked(true);
    appendList = new QRadioButton(tr("追加到现有名单"), this);
    appendList->setObjectName(QStringLiteral("AppendList"));

    bOK = new QPushButton(tr("确定"), this);
    bOK->setObjectName(QStringLiteral("BOK"));
    bOK->setDefault(true);
    bCancel = new QPushButton(tr("取消"), this);
    bCancel->setObjectName(QStringLiteral("BCancel"));
    bCancel->setAutoDefault(false);
    connect(bOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(bCancel, &QPushButton::clicked, this, &QDialog::reject);

    auto *choices = new QHBoxLayout;
    // A text file or a pasted table has one sheet: no choice to offer.
    if (table.sheets.size() > 1) {
        auto *sheetLabel = new QLabel(tr("工作表："), this);
        sheetLabel->setBuddy(sheetValue);
        choices->addWidget(sheetLabel);
        choices->addWidget(sheetValue);
        choices->addSpacing(16);
    } else {
        sheetValue->hide();
    }
    auto *columnLabel = new QLabel(tr("姓名所在列："), this);
    columnLabel->setBuddy(columnValue);
    choices->addWidget(columnLabel);
    choices->addWidget(columnValue);
    choices->addSpacing(16);
    choices->addWidget(headerRow);
    choices->addStretch(1);
    auto *layoutChoices = new QHBoxLayout;
    layoutChoices->addWidget(byRows);
    layoutChoices->addWidget(splitNames);
    layoutChoices->addStretch(1);

    auto *modeRow = new QHBoxLayout;
    modeRow->addWidget(replaceList);
    modeRow->addWidget(appendList);
    modeRow->addStretch(1);
    modeRow->addWidget(bOK);
    modeRow->addWidget(bCancel);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 12, 14, 12);
    layout->setSpacing(8);
    layout->addWidget(fileLabel);
    layout->addLayout(choices);
    layout->addLayout(layoutChoices);
    layout->addWidget(previewGrid, 1);
    layout->addWidget(rowsNote);
    layout->addWidget(nameCount);
    layout->addLayout(modeRow);

    connect(sheetValue, &QComboBox::currentIndexChanged, this, &TImportListForm::SheetValueChange);
    connect(columnValue, &QComboBox::currentIndexChanged, this, &TImportListForm::ColumnValueChange);
    // A click on a column's header or on any of its cells chooses that column.
    connect(previewGrid->horizontalHeader(), &QHeaderView::sectionClicked, columnValue, &QComboBox::setCurrentIndex);
    connect(previewGrid, &QTableWidget::cellClicked, this, [this](int, int column) { columnValue->setCurrentIndex(column); });
    connect(headerRow, &QCheckBox::toggled, this, [this] {
        MarkHeaderRow();
        UpdateCount();
    });
    connect(byRows, &QCheckBox::toggled, this, [this](bool rows) {
        columnValue->setEnabled(!rows);
        MarkHeaderRow();
        UpdateCount();
    });
    connect(splitNames, &QCheckBox::toggled, this, &TImportListForm::UpdateCount);
    connect(appendList, &QRadioButton::toggled, this, &TImportListForm::UpdateCount);

    // Open on the first sheet that has something in it.
    int firstFilled = 0;
    while (firstFilled + 1 < table.sheets.size() && table.sheets.at(firstFilled).rows.isEmpty())
        ++firstFilled;
    sheetValue->setCurrentIndex(firstFilled);
    SheetValueChange();
    resize(720, 520);
}

void TImportListForm::paintEvent(QPaintEvent *)
{
    // The gradient of the wizard's other windows.
    PaintDialogBackground(this);
}

const ImportedSheet &TImportListForm::Sheet() const
{
    return table.sheets.at(qMax(0, sheetValue->currentIndex()));
}

void TImportListForm::SheetValueChange()
{
    FillGrid();
    FillColumns();
}

void TImportListForm::FillColumns()
{
    const ImportedSheet &sheet = Sheet();
    const int column = GuessNameColumn(sheet);
    QSignalBlocker blocker(columnValue);
    columnValue->clear();
    const int columns = qMax(1, sheet.ColumnCount());
    for (int c = 0; c < columns; ++c) {
        const QString first = sheet.rows.isEmpty() ? QString() : sheet.rows.first().value(c).trimmed();
        columnValue->addItem(first.isEmpty() ? tr("%1 列").arg(ColumnLetters(c))
                                             : tr("%1 列（%2）").arg(ColumnLetters(c), first.left(12)));
    }
    columnValue->setCurrentIndex(column);
    blocker.unblock();
    // Rows of names (a list typed across) are offered only where they are likely.
    const bool rows = LooksLikeRowsOfNames(sheet);
    {
        const QSignalBlocker rowsBlocker(byRows);
        byRows->setVisible(rows);
        byRows->setChecked(rows);
        columnValue->setEnabled(!rows);
    }
    ColumnValueChange();
}

void TImportListForm::ColumnValueChange()
{
    {
        const QSignalBlocker blocker(headerRow);
        headerRow->setChecked(LooksLikeHeader(Sheet(), columnValue->currentIndex()));
    }
    MarkHeaderRow();
    // "张三、李四、王五" in every cell: offered split, and split unless the user says otherwise.
    int joinedLines = 0;
    QStringList names = NamesOfColumn(Sheet(), columnValue->currentIndex(), headerRow->isChecked(), &joinedLines);
    const bool joined = NamesHoldListSeparators(names);
    {
        const QSignalBlocker blocker(splitNames);
        splitNames->setVisible(joined);
        splitNames->setChecked(joined);
    }
    // Long lists: the names just read are the chosen ones unless they are split or read by rows.
    if (joined || byRows->isChecked())
        UpdateCount();
    else
        ShowCount(std::move(names), joinedLines);
}

void TImportListForm::FillGrid()
{
    const ImportedSheet &sheet = Sheet();
    const int rows = qMin(int(sheet.rows.size()), kShownRows);
    const int columns = sheet.ColumnCount();
    previewGrid->clear();
    previewGrid->setRowCount(rows);
    previewGrid->setColumnCount(columns);
    QStringList headers;
    for (int c = 0; c < columns; ++c)
        headers << ColumnLetters(c);
    previewGrid->setHorizontalHeaderLabels(headers);
    // The sheet's own row numbers: rows left out as empty leave gaps, as in the sheet.
    QStringList rowNumbers;
    for (int r = 0; r < rows; ++r)
        rowNumbers << QString::number(sheet.RowNumber(r));
    previewGrid->setVerticalHeaderLabels(rowNumbers);
    for (int r = 0; r < rows; ++r) {
        const QStringList &row = sheet.rows.at(r);
        for (int c = 0; c < row.size(); ++c)
            if (!row.at(c).isEmpty())
                previewGrid->setItem(r, c, new QTableWidgetItem(row.at(c)));
    }
    QString note;
    if (sheet.rows.isEmpty())
        note = tr("该工作表是空的。");
    else if (sheet.rows.size() > kShownRows)
        note = tr("共 %1 行，这里显示前 %2 行。").arg(sheet.rows.size()).arg(kShownRows);
    else
        note = tr("共 %1 行。").arg(sheet.rows.size());
    if (sheet.columnsLeftOut)
        note += tr("第 %1 列以右的单元格没有读入。").arg(ImportLimits::kMaxColumns);
    rowsNote->setText(note);
}

void TImportListForm::MarkHeaderRow()
{
    // The header is no name: greyed and left out of the column's selection.
    const bool header = headerRow->isChecked();
    for (int c = 0; c < previewGrid->columnCount() && previewGrid->rowCount() > 0; ++c) {
        if (QTableWidgetItem *item = previewGrid->item(0, c)) {
            item->setFlags(header ? Qt::ItemIsEnabled : Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            item->setForeground(header ? palette().brush(QPalette::Disabled, QPalette::Text) : palette().text());
            QFont font = item->font();
            font.setItalic(header);
            item->setFont(font);
        }
    }
    previewGrid->clearSelection();
    if (!byRows->isChecked())
        previewGrid->selectColumn(columnValue->currentIndex());
}

QStringList TImportListForm::ChosenNames(int *joinedLines) const
{
    const QStringList names = byRows->isChecked()
                                ? NamesOfRows(Sheet(), headerRow->isChecked(), joinedLines)
                                : NamesOfColumn(Sheet(), columnValue->currentIndex(), headerRow->isChecked(), joinedLines);
    return splitNames->isChecked() && !byRows->isChecked() ? SplitListSeparators(names) : names;
}

TImportListForm::Choice TImportListForm::Chosen() const
{
    return ChoiceOf(ChosenNames(nullptr));
}

TImportListForm::Choice TImportListForm::ChoiceOf(QStringList names) const
{
    Choice choice;
    choice.names = std::move(names);
    choice.append = appendList->isChecked();
    choice.separatorName = SeparatorKeepingItemsWhole(choice.append ? existingItems + choice.names : choice.names,
                                                      separatorName);
    return choice;
}

void TImportListForm::UpdateCount()
{
    int joinedLines = 0;
    QStringList names = ChosenNames(&joinedLines);
    ShowCount(std::move(names), joinedLines);
}

void TImportListForm::ShowCount(QStringList chosenNames, int joinedLines)
{
    const Choice choice = ChoiceOf(std::move(chosenNames));
    const QStringList &names = choice.names;
    QStringList lines;
    if (names.isEmpty()) {
        lines << tr("所选的列中没有姓名，请换一列或换一个工作表。");
    } else {
        constexpr int kShownNames = 8;
        lines << tr("将导入 %1 个姓名：%2%3")
                     .arg(names.size())
                     .arg(names.mid(0, kShownNames).join(tr("、")),
                          names.size() > kShownNames ? tr("……") : QString());
        if (joinedLines > 0)
            lines << tr("其中 %1 个姓名中的换行已改为空格。").arg(joinedLines);
        const int whole = CountNamesHolding(names, SpliterChar(separatorName));
        if (whole > 0)
            lines << tr("其中 %1 个姓名含有分隔符“%2”，每个都作为一项完整导入。").arg(whole).arg(SpliterCaption(separatorName));
        if (choice.separatorName.isEmpty())
            lines << tr("名单中已用到全部六种分隔符，无法让每个姓名保持完整，请先在表格中修改这些姓名。");
        else if (choice.separatorName != separatorName)
            lines << tr("为使这些姓名不被拆开，分隔符将改为“%1”。").arg(SpliterCaption(choice.separatorName));
    }
    nameCount->setText(lines.join(QLatin1Char('\n')));
    bOK->setEnabled(!names.isEmpty() && !choice.separatorName.isEmpty());
}
