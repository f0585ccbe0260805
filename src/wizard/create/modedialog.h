#pragma once

#include <QDialog>
#include <QPointer>
#include <QString>

#include "dragnumberedit.h"
#include "fairsettings.h"
#include "querysection.h"

class QAbstractButton;
class QCheckBox;
class QLabel;
class QPushButton;
class QVBoxLayout;

// What every mode dialog of the wizard has in common.
//
// Opening (done by the wizard, the query editor or the group editor):
//     auto *dialog = new TRangeNumSetForm(opener);       // deletes itself when closed
//     dialog->SetRequirer(kRequirerCreatePage);           // or kRequirerGroupMode
//     dialog->SetCommander(openerCommanderButton);        // hidden button of the opener
//     dialog->LoadProject(pmode, params);                 // or the dialog's group loader
//     dialog->show();                                     // never exec(): non-modal
// The wizard and the query editor do this through OpenProjectDialog (modedialogfactory.h).
//
// Handing back: "保存设置" (SaveMode) runs ValidateInput(); when it passes and the
// requirer is "CreatePage" or "GroupMode", the dialog clicks the opener's Commander.
// The opener's CommanderClick then reads the dialog (EncodeProject for a whole
// project, the dialog's own group encoder for a group), stores the result and closes
// the dialog. Any other requirer hands nothing back. "取消" (Exit) just closes.
//
// Wrong input: ShowParameterError (error box, caption "参数有误"); the dialog stays
// open and nothing is handed back.

inline const QString kRequirerCreatePage = QStringLiteral("CreatePage");
inline const QString kRequirerGroupMode = QStringLiteral("GroupMode");

// Reads a project's parameters by attribute name, for LoadProject: field("RanCount").
// An attribute the project type does not have reads as empty text.
class QueryFields
{
public:
    QueryFields(int projectType, const QueryParams &projectParams) : pmode(projectType), params(projectParams) {}
    QString operator()(const char *attribute) const;

private:
    int pmode;
    const QueryParams &params;
};

// The opener's hidden `Commander` button, for SetCommander.
QPushButton *MakeCommander(QWidget *opener);

class ModeDialog : public QDialog
{
    Q_OBJECT
public:
    // `stayOnTop`: the list, picture, password, number-range and group dialogs keep
    // above other windows. The others (calculation, equation) are windows of their own
    // that neither stay on top nor keep above their opener, so they never hide its
    // buttons.
    explicit ModeDialog(QWidget *parent, bool stayOnTop);

    // The hidden label `Requirer` names the opener.
    void SetRequirer(const QString &requirer);
    QString Requirer() const;

    // The opener's hidden `Commander` button, clicked on a validated save.
    void SetCommander(QAbstractButton *commander);

    // Whole-project use (wizard and query editor): load the controls from the project's
    // parameters and apply the set-up of that project type (labels, hidden options);
    // EncodeProject builds the new parameters from the controls. `current` is what the
    // opener holds now, for the fields this dialog does not edit.
    virtual void LoadProject(int pmode, const QueryParams &params) = 0;
    virtual QueryParams EncodeProject(int pmode, const QueryParams &current) const = 0;
    // Fair turns of a list project, stored beside the parameters. Dialogs without a list
    // keep what the project has.
    virtual void LoadFairness(const FairSettings &) {}
    virtual FairSettings EncodeFairness(const FairSettings &current) const { return current; }
    // The same for the list items of a custom project, by item name.
    virtual void LoadItemFairness(const ItemFairSettings &) {}
    virtual ItemFairSettings EncodeItemFairness(const ItemFairSettings &current) const { return current; }

    // The project option "可验证抽取" beside the buttons (`VerifiableDraw`), shown only for a
    // whole project of a type that may carry it (not passwords, not a group).
    void ShowVerifiableOption(bool checked);
    bool VerifiableChecked() const;

    // SaveModeClick: validate, then hand back. Public so tests and openers can drive it.
    void SaveModeClick();

    QPushButton *SaveModeButton() const { return saveMode; }
    QPushButton *ExitButton() const { return exitButton; }

protected:
    // Checks the input; shows its own messages and returns false when anything is wrong.
    virtual bool ValidateInput() = 0;

    // Error box with caption "参数有误" (or the given caption).
    void ShowParameterError(const QString &text, const QString &caption = QString());

    // One move counter for all drag boxes of this dialog.
    DragStepCounter *DragCounter() { return &dragCounter; }

    // The dialog's column, with the margins of every mode dialog. Once the content is
    // in, AddButtonRow puts "保存设置" and "取消" below it, right-aligned.
    QVBoxLayout *MakeMainLayout();
    void AddButtonRow(QVBoxLayout *layout);

    void paintEvent(QPaintEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void HandBack();

    QLabel *requirerLabel;
    QPushButton *saveMode;
    QPushButton *exitButton;
    QCheckBox *verifiable;
    QPointer<QAbstractButton> commander;
    DragStepCounter dragCounter;
    bool keptOnTop;
};
