#include "tprojmanageform.h"

#include "apppaths.h"
#include "gradient.h"
#include "messages.h"
#include "projectcatalogue.h"
#include "suiteerror.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QFileDialog>
#include <QGridLayout>
#include <QInputDialog>
#include <QLabel>
#include <QListWidget>
#include <QProgressDialog>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {
constexpr int kClientWidth = 639;
constexpr int kClientHeight = 375;
const QString kLineSeparator = QStringLiteral(" | ");
// Captions several commands share.
QString ChooseCaption()
{
    return QCoreApplication::translate("TProjManageForm", "请选择项目");
}

QString DoneCaption()
{
    return QCoreApplication::translate("TProjManageForm", "保存完毕");
}

QString QuestionCaption()
{
    return QCoreApplication::translate("TProjManageForm", "提示");
}
// Imports of at least this many projects show their progress at once.
constexpr qsizetype kProgressWindowFrom = 50;

QPushButton *makeButton(const QString &name, const QString &caption, QWidget *parent)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setMinimumSize(118, 30);
    return button;
}

QCheckBox *makeSelectAll(const QString &name, QWidget *parent)
{
    auto *box = new QCheckBox(QCoreApplication::translate("TProjManageForm", "全选"), parent);
    box->setObjectName(name);
    return box;
}

QListWidget *makeCheckList(const QString &name, QWidget *parent)
{
    auto *list = new QListWidget(parent);
    list->setObjectName(name);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    return list;
}

void appendTickedLine(QListWidget *list, const QString &text, bool ticked)
{
    auto *item = new QListWidgetItem(text, list);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    item->setCheckState(ticked ? Qt::Checked : Qt::Unchecked);
}

QVector<int> tickedRows(const QListWidget *list)
{
    QVector<int> rows;
    for (int row = 0; row < list->count(); ++row) {
        if (list->item(row)->checkState() == Qt::Checked)
            rows << row;
    }
    return rows;
}

void tickAll(QListWidget *list, bool ticked)
{
    for (int row = 0; row < list->count(); ++row)
        list->item(row)->setCheckState(ticked ? Qt::Checked : Qt::Unchecked);
}

// The select-all box shows whether every line is ticked; setting it ticks nothing.
void showWhetherAllTicked(const QListWidget *list, QCheckBox *selectAll)
{
    const QSignalBlocker detached(selectAll);
    selectAll->setChecked(list->count() > 0 && tickedRows(list).size() == list->count());
}

// The lines of a completion message about the projects that did not simply arrive.
QString resultNotes(const QVector<ProjectResult> &results)
{
    QStringList notes;
    for (const ProjectResult &result : results) {
        switch (result.outcome) {
        case ExchangeOutcome::Renamed:
            notes << QCoreApplication::translate("TProjManageForm", "“%1”以新名称“%2”保存。").arg(result.source, QFileInfo(result.target).fileName());
            break;
        case ExchangeOutcome::Skipped:
            notes << QCoreApplication::translate("TProjManageForm", "“%1”已跳过：%2。").arg(result.source, result.problem);
            break;
        case ExchangeOutcome::Failed:
            notes << QCoreApplication::translate("TProjManageForm", "“%1”失败：%2").arg(result.source, result.problem);
            break;
        default:
            break;
        }
    }
    return notes.join(QLatin1Char('\n'));
}

int arrivedCount(const QVector<ProjectResult> &results)
{
    return int(std::count_if(results.cbegin(), results.cend(), [](const ProjectResult &r) { return r.Arrived(); }));
}

// Completion: the given message when something arrived, with notes on the rest; a
// warning listing what went wrong when nothing did.
void reportResults(QWidget *parent, const QVector<ProjectResult> &results, const QString &doneText,
                   const QString &nothingCaption)
{
    const QString notes = resultNotes(results);
    if (arrivedCount(results) > 0)
        ShowInformation(parent, DoneCaption(), notes.isEmpty() ? doneText : doneText + QStringLiteral("\n\n") + notes);
    else
        ShowWarning(parent, nothingCaption, notes);
}

ClashChoice askReplaceOrSkip(QWidget *parent, const QString &file)
{
    return AskYesNo(parent, QuestionCaption(), QCoreApplication::translate("TProjManageForm", "文件“%1”已经存在，是否替换？").arg(file)) == QMessageBox::Yes
        ? ClashChoice::Replace
        : ClashChoice::Skip;
}
} // namespace

TProjManageForm::TProjManageForm(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TProjManageForm"));
    setWindowTitle(tr("工程管理"));
    setFixedSize(kClientWidth, kClientHeight);

    pages = new QTabWidget(this);
    pages->setObjectName(QStringLiteral("PageControl"));
    pages->setGeometry(8, 8, kClientWidth - 16, kClientHeight - 16);
    pages->addTab(BuildImportPage(), tr("导入工程"));
    pages->addTab(BuildExportPage(), tr("导出工程"));

    chooseFiles = [this] {
        return QFileDialog::getOpenFileNames(
            this, tr("载入工程文件"), QString(),
            tr("所有工程文件(*.rproj *.rprojs);;随机数工程文件 (*.rproj);;随机数工程打包文件 (*.rprojs)"));
    };
    choosePackageFile = [this] {
        // The window asks about an existing file itself, after ".rprojs" is appended.
        return QFileDialog::getSaveFileName(this, tr("打包导出工程"), QString(),
                                            tr("随机数工程打包文件 (*.rprojs)"), nullptr,
                                            QFileDialog::DontConfirmOverwrite);
    };
    chooseFolder = [this] {
        return QFileDialog::getExistingDirectory(this, tr("请选择导出工程的文件夹"));
    };
    askEditPassword = [this](const QString &project) {
        bool ok = false;
        const QString typed = QInputDialog::getText(
            this, tr("输入编辑密码"),
            tr("工程“%1”设有编辑密码，替换它需要输入编辑密码：").arg(project), QLineEdit::Password, QString(), &ok);
        return ok ? typed : QString();
    };
    FormCreate();
}

TProjManageForm::~TProjManageForm()
{
    RemoveExtractedFiles(waiting);
}

QWidget *TProjManageForm::BuildImportPage()
{
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("ProjInSheet"));
    auto *grid = new QGridLayout(page);
    grid->addWidget(new QLabel(tr("请选择您要导入的工程："), page), 0, 0);
    projInList = makeCheckList(QStringLiteral("ProjInList"), page);
    projInList->setAccessibleName(tr("要导入的工程"));
    grid->addWidget(projInList, 1, 0);
    auto *buttons = new QVBoxLayout;
    auto *loadProj = makeButton(QStringLiteral("LoadProj"), tr("载入工程文件"), page);
    auto *clearProj = makeButton(QStringLiteral("ClearProj"), tr("清除工程列表"), page);
    auto *bringInProj = makeButton(QStringLiteral("BringInProj"), tr("导入"), page);
    auto *cancel = makeButton(QStringLiteral("BCancel"), tr("取消"), page);
    buttons->addWidget(loadProj);
    buttons->addWidget(clearProj);
    buttons->addStretch();
    buttons->addWidget(bringInProj);
    buttons->addWidget(cancel);
    grid->addLayout(buttons, 1, 1);
    projInSelAll = makeSelectAll(QStringLiteral("ProjInSelAll"), page);
    grid->addWidget(projInSelAll, 2, 0);

    connect(loadProj, &QPushButton::clicked, this, &TProjManageForm::LoadProjClick);
    connect(clearProj, &QPushButton::clicked, this, &TProjManageForm::ClearProjClick);
    connect(bringInProj, &QPushButton::clicked, this, &TProjManageForm::BringInProjClick);
    connect(cancel, &QPushButton::clicked, this, &TProjManageForm::BCancelClick);
    connect(projInSelAll, &QCheckBox::clicked, this, &TProjManageForm::ProjInSelAllClick);
    connect(projInList, &QListWidget::itemChanged, this, &TProjManageForm::ProjInListClickCheck);
    return page;
}

QWidget *TProjManageForm::BuildExportPage()
{
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("ProjOutSheet"));
    auto *grid = new QGridLayout(page);
    grid->addWidget(new QLabel(tr("请选择您要导出的工程："), page), 0, 0);
    projOutList = makeCheckList(QStringLiteral("ProjOutList"), page);
    projOutList->setAccessibleName(tr("要导出的工程"));
    grid->addWidget(projOutList, 1, 0);
    auto *buttons = new QVBoxLayout;
    auto *takeOutProjs = makeButton(QStringLiteral("TakeOutProjs"), tr("打包导出"), page);
    auto *takeOutProj = makeButton(QStringLiteral("TakeOutProj"), tr("导出单文件"), page);
    auto *cancel = makeButton(QStringLiteral("BCancel2"), tr("取消"), page);
    buttons->addWidget(takeOutProjs);
    buttons->addWidget(takeOutProj);
    buttons->addStretch();
    buttons->addWidget(cancel);
    grid->addLayout(buttons, 1, 1);
    projOutSelAll = makeSelectAll(QStringLiteral("ProjOutSelAll"), page);
    grid->addWidget(projOutSelAll, 2, 0);

    connect(takeOutProjs, &QPushButton::clicked, this, &TProjManageForm::TakeOutProjsClick);
    connect(takeOutProj, &QPushButton::clicked, this, &TProjManageForm::TakeOutProjClick);
    connect(cancel, &QPushButton::clicked, this, &TProjManageForm::BCancelClick);
    connect(projOutSelAll, &QCheckBox::clicked, this, &TProjManageForm::ProjOutSelAllClick);
    connect(projOutList, &QListWidget::itemChanged, this, &TProjManageForm::ProjOutListClickCheck);
    return page;
}

void TProjManageForm::SetOpenFilesChooser(std::function<QStringList()> chooser)
{
    chooseFiles = std::move(chooser);
}

void TProjManageForm::SetPackageFileChooser(std::function<QString()> chooser)
{
    choosePackageFile = std::move(chooser);
}

void TProjManageForm::SetFolderChooser(std::function<QString()> chooser)
{
    chooseFolder = std::move(chooser);
}

void TProjManageForm::SetEditPasswordAsker(std::function<QString(const QString &project)> asker)
{
    askEditPassword = std::move(asker);
}

void TProjManageForm::paintEvent(QPaintEvent *)
{
    PaintDialogBackground(this);
}

void TProjManageForm::FormCreate()
{
    // The codec is bound by the program at start-up (main), before any window.
    FillExportList();
}

void TProjManageForm::FillExportList()
{
    QVector<CatalogueEntry> entries;
    try {
        entries = ProjectCatalogue::LoadCatalogue(CatalogueFilePath()).ReadEntries();
    } catch (const SuiteError &error) {
        ShowError(this, tr("读取失败"), error.message());
    }
    const QSignalBlocker quiet(projOutList);
    projOutList->clear();
    for (const CatalogueEntry &entry : entries) {
        const QString remark = entry.remark.isEmpty() ? tr("无") : entry.remark;
        appendTickedLine(projOutList, entry.name + kLineSeparator + tr("备注：") + remark, false);
    }
    showWhetherAllTicked(projOutList, projOutSelAll);
}

void TProjManageForm::LoadProjClick()
{
    const QStringList files = chooseFiles();
    if (!files.isEmpty())
        LoadFiles(files);
}

void TProjManageForm::LoadFiles(const QStringList &paths)
{
    const LoadedImportFiles loaded = LoadImportFiles(paths);
    {
        const QSignalBlocker quiet(projInList);
        for (const ImportCandidate &candidate : loaded.candidates) {
            appendTickedLine(projInList, candidate.LineText(), true);
            waiting << candidate;
        }
    }
    showWhetherAllTicked(projInList, projInSelAll);
    if (!loaded.problems.isEmpty()) {
        QStringList lines;
        for (const ImportFileProblem &problem : loaded.problems)
            lines << tr("%1：%2").arg(problem.subject, problem.text);
        ShowWarning(this, tr("载入工程文件"),
                    tr("以下内容无法载入，其余工程已列出：\n\n") + lines.join(QLatin1Char('\n')));
    }
}

void TProjManageForm::ClearProjClick()
{
    // Files extracted from a package belong to their line; they go with it.
    RemoveExtractedFiles(waiting);
    waiting.clear();
    projInList->clear();
    showWhetherAllTicked(projInList, projInSelAll);
}

void TProjManageForm::ProjInSelAllClick()
{
    tickAll(projInList, projInSelAll->isChecked());
}

void TProjManageForm::ProjOutSelAllClick()
{
    tickAll(projOutList, projOutSelAll->isChecked());
}

void TProjManageForm::ProjInListClickCheck()
{
    showWhetherAllTicked(projInList, projInSelAll);
}

void TProjManageForm::ProjOutListClickCheck()
{
    showWhetherAllTicked(projOutList, projOutSelAll);
}

void TProjManageForm::BringInProjClick()
{
    const QVector<int> rows = tickedRows(projInList);
    if (rows.isEmpty()) {
        ShowInformation(this, ChooseCaption(), tr("请选择要导入的项目！"));
        return;
    }
    QVector<ImportCandidate> chosen;
    for (int row : rows)
        chosen << waiting.at(row);
    auto askClash = [this](const QString &taken, const QString &freeName) {
        switch (AskYesNoCancel(this, QuestionCaption(),
                               tr("名称为“%1”的工程已经存在。\n\n"
                                  "选择“是”替换现有的工程，选择“否”以新名称“%2”导入，"
                                  "选择“取消”不导入这个工程。")
                                   .arg(taken, freeName))) {
        case QMessageBox::Yes:
            return ClashChoice::Replace;
        case QMessageBox::No:
            return ClashChoice::Rename;
        default:
            return ClashChoice::Skip;
        }
    };
    // Replacing a protected project takes its edit password; a wrong one is said and asked again.
    auto mayReplaceProtected = [this](const QString &name, const QString &editPassword) {
        for (;;) {
            const QString typed = askEditPassword(name);
            if (typed.isNull())
                return false;
            if (typed == editPassword)
                return true;
            ShowError(this, tr("密码错误"), tr("您输入的密码有误，请重新输入！"));
        }
    };
    // Many projects take a while: a progress window, whose 取消 keeps what is imported so far.
    QProgressDialog progressWindow(tr("正在导入工程…"), tr("取消"), 0, int(chosen.size()), this);
    progressWindow.setObjectName(QStringLiteral("ImportProgress"));
    progressWindow.setWindowTitle(tr("导入工程"));
    progressWindow.setWindowModality(Qt::WindowModal);
    progressWindow.setMinimumDuration(chosen.size() >= kProgressWindowFrom ? 0 : 2000);
    progressWindow.setAutoReset(false); // reaching the end must not forget a 取消
    auto progress = [&progressWindow](qsizetype done, qsizetype) {
        progressWindow.setValue(int(done));
        return !progressWindow.wasCanceled();
    };
    QVector<ProjectResult> results;
    QString failure;
    try {
        results = ImportProjects(chosen, askClash, mayReplaceProtected, progress);
    } catch (const SuiteError &error) {
        failure = error.message();
    }
    const bool cancelled = progressWindow.wasCanceled();
    progressWindow.reset();
    // The import removed the extracted files of the chosen lines: those lines go.
    const QSignalBlocker quiet(projInList);
    for (auto row = rows.crbegin(); row != rows.crend(); ++row) {
        if (waiting.at(*row).extracted) {
            waiting.removeAt(*row);
            delete projInList->takeItem(*row);
        }
    }
    showWhetherAllTicked(projInList, projInSelAll);
    if (!failure.isEmpty()) {
        ShowError(this, tr("导入失败"), failure);
        return;
    }
    FillExportList();
    if (cancelled && results.size() < chosen.size())
        results << ProjectResult{tr("其余 %1 个工程").arg(chosen.size() - results.size()), QString(),
                                 ExchangeOutcome::Skipped, ExchangeFailure::None, tr("导入已取消"), QString(), false};
    reportResults(this, results, tr("您选择的工程已经成功导入，重新运行主程序后生效。"),
                  tr("没有导入工程"));
}

QStringList TProjManageForm::TickedExportNames() const
{
    QStringList names;
    for (int row : tickedRows(projOutList))
        names << projOutList->item(row)->text().section(kLineSeparator, 0, 0);
    return names;
}

void TProjManageForm::TakeOutProjClick()
{
    const QStringList names = TickedExportNames();
    if (names.isEmpty()) {
        ShowInformation(this, ChooseCaption(), tr("请选择要导出的项目！"));
        return;
    }
    const QString folder = chooseFolder();
    if (folder.isEmpty())
        return;
    const auto results = ExportSingleFiles(names, folder, [this](const QString &taken, const QString &) {
        return askReplaceOrSkip(this, taken);
    });
    reportResults(this, results, tr("您选择的工程已经导出完毕！文件扩展名为rproj。"),
                  tr("没有导出工程"));
}

void TProjManageForm::TakeOutProjsClick()
{
    const QStringList names = TickedExportNames();
    if (names.isEmpty()) {
        ShowInformation(this, ChooseCaption(), tr("请选择要导出的项目！"));
        return;
    }
    const QString file = choosePackageFile();
    if (file.isEmpty())
        return;
    const PackResult pack = ExportPackage(names, file, [this](const QString &taken, const QString &) {
        return askReplaceOrSkip(this, taken);
    });
    reportResults(this, pack.projects, tr("您选择的工程已经导出完毕！文件扩展名为rprojs。"),
                  tr("没有导出工程"));
}

void TProjManageForm::BCancelClick()
{
    close();
}

void TProjManageForm::closeEvent(QCloseEvent *event)
{
    RemoveExtractedFiles(waiting);
    waiting.clear();
    QWidget::closeEvent(event);
}
