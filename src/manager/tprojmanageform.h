#pragma once

#include <QString>
#include <QStringList>
#include <QVector>
#include <QWidget>

#include <functional>

#include "projectexchange.h"

class QCheckBox;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QTabWidget;

// The project manager's window: the import page lists files and packed projects waiting
// to be imported, the export page lists the catalogue. The work itself is done by
// projectexchange.h; the window asks, lists and reports.
class TProjManageForm : public QWidget
{
    Q_OBJECT
public:
    explicit TProjManageForm(QWidget *parent = nullptr);
    ~TProjManageForm() override;

    // The file and folder dialogs, replaceable so tests run without them. Each returns
    // nothing when the user cancels.
    void SetOpenFilesChooser(std::function<QStringList()> chooser);
    void SetPackageFileChooser(std::function<QString()> chooser);
    void SetFolderChooser(std::function<QString()> chooser);
    // Asks for the edit password of the named project before it is replaced; a null text
    // when the user cancels.
    void SetEditPasswordAsker(std::function<QString(const QString &project)> asker);

    // Appends the files as "载入工程文件" does (also for the files given on the command line).
    void LoadFiles(const QStringList &paths);

    void LoadProjClick();
    void ClearProjClick();
    void BringInProjClick();
    void TakeOutProjClick();
    void TakeOutProjsClick();
    void BCancelClick();

protected:
    void paintEvent(QPaintEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    QWidget *BuildImportPage();
    QWidget *BuildExportPage();
    void FormCreate();
    void FillExportList();
    void ProjInSelAllClick();
    void ProjOutSelAllClick();
    void ProjInListClickCheck();
    void ProjOutListClickCheck();
    QStringList TickedExportNames() const;

    QTabWidget *pages;
    QListWidget *projInList;
    QListWidget *projOutList;
    QCheckBox *projInSelAll;
    QCheckBox *projOutSelAll;
    // One per line of ProjInList, in the same order.
    QVector<ImportCandidate> waiting;

    std::function<QStringList()> chooseFiles;
    std::function<QString()> choosePackageFile;
    std::function<QString()> chooseFolder;
    std::function<QString(const QString &project)> askEditPassword;
};
