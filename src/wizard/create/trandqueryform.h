#pragma once

#include "fairsettings.h"

#include <QPointer>
#include <QWidget>

#include "querysection.h"

class QPlainTextEdit;
class QPushButton;
class ModeDialog;

// "更改随机数参数": edits the generation parameters of an existing project, and turns
// the template-based types into custom ones. Closing it (saved or not) clears the
// designer's request in RandEditSender.ini.
class TRandQueryForm : public QWidget
{
    Q_OBJECT
public:
    explicit TRandQueryForm(const QString &projectName, QWidget *parent = nullptr);

    int TypeIndex() const { return typeIndex; }
    const QueryParams &Params() const { return params; }
    bool Verifiable() const { return verifiable; }
    bool IsLoaded() const { return loaded; }
    ModeDialog *OpenModeDialog() const;

    void RandInfoEditClick();
    void BOKClick();
    void ConvertToCustomClick();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void FormShow();
    void CommanderClick();
    void ShowQuery();

    QString projectName;
    int typeIndex = 0;
    QueryParams params;
    FairSettings fair;
    ItemFairSettings itemFair; // a custom project's list items
    // The project option "可验证抽取".
    bool verifiable = false;
    bool loaded = false;
    bool shownOnce = false;
    QPointer<ModeDialog> modeDialog;

    QPlainTextEdit *randInfo;
    QPushButton *randInfoEdit;
    QPushButton *convertToCustom;
    QPushButton *bOK;
    QPushButton *bCancel;
    QPushButton *commander;
};
