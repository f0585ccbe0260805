#pragma once

#include "fairsettings.h"

#include <QColor>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>

#include "querysection.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTimer;
class ModeDialog;
class TCColorEditForm;
class TRandQueryForm;

// The creation wizard: name and type, the parameters of the type, the first look of
// the drawing window; then the project is created and the designer started. When the
// designer asked for the parameter editor instead, the wizard hides and the query
// editor takes over.
class TCreateForm : public QWidget
{
    Q_OBJECT
public:
    explicit TCreateForm(QWidget *parent = nullptr);
    ~TCreateForm() override;

    // Outside effects, replaceable so tests run without dialogs or other programs.
    void SetPictureChooser(std::function<QString()> chooser);
    void SetColourChooser(std::function<QColor(const QColor &)> chooser);
    void SetDesignerStarter(std::function<void()> starter);

    int Step() const { return step; }
    bool IsSliding() const;
    int TypeIndex() const { return typeIndex; }
    QString ProjectName() const { return projectName; }
    const QueryParams &Params() const { return params; }
    bool Verifiable() const { return verifiable; }
    QString CurrentGradient() const { return gradientText; }
    // The open mode dialog, if any.
    ModeDialog *OpenModeDialog() const;
    TRandQueryForm *QueryEditor() const;

    void BNextClick();
    void BPrevClick();
    void RandInfoEditClick();

protected:
    void showEvent(QShowEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void BuildStepIndicator();
    QWidget *BuildStep1();
    QWidget *BuildStep2();
    QWidget *BuildStep3();
    void PlaceButtons();
    void FormShow();
    void ShowStepIndicator(int shownStep);
    void StartSlide(int fromStep, int toStep);
    void ChangeStepTimer();
    void FinishSlide();
    void AcceptStep1();
    void AcceptStep2();
    void AcceptStep3();
    void CommanderClick();
    void ShowDescription();
    void BgSetsClick();
    void PicPathLoadClick();
    void ColorShowClick();
    void CColorShowClick();
    void PaintSwatches();
    void UpdateBoxChoices();
    void CreateProject();
    void OpenQueryEditor(const QString &name);

    // Wizard state.
    int step = 1;
    bool goingBack = false;
    qint16 slideSpeed = 0;
    int typeIndex = 0;
    QString projectName;
    QueryParams params;
    FairSettings fair;
    ItemFairSettings itemFair; // a custom project's list items
    // The project option "可验证抽取".
    bool verifiable = false;
    QString gradientText;
    QColor backgroundColour = Qt::white;
    bool shownOnce = false;

    // Slide in progress.
    QWidget *outgoingPanel = nullptr;
    QWidget *incomingPanel = nullptr;
    int slideTarget = 0;

    std::function<QString()> choosePicture;
    std::function<QColor(const QColor &)> chooseColour;
    std::function<void()> startDesigner;

    QPointer<ModeDialog> modeDialog;
    int modeDialogType = -1; // the project type the open mode dialog edits
    QPointer<TCColorEditForm> colourListEditor;
    QPointer<TRandQueryForm> queryEditor;

    QTimer *changeStep;
    QFrame *stepBg[3];
    QLabel *stepLabel[3];
    QWidget *panels[3];
    QPushButton *bPrev;
    QPushButton *bNext;
    QPushButton *bCancel;

    QLineEdit *projNameValue;
    QButtonGroup *projSelect;

    QPlainTextEdit *randInfo;
    QPushButton *randInfoEdit;
    QPushButton *commander;

    QLineEdit *projTitle;
    QRadioButton *bgOfColor;
    QRadioButton *bgOfChangingColor;
    QRadioButton *bgOfPic;
    QPushButton *colorShow;
    QPushButton *cColorShow;
    QLineEdit *picPathValue;
    QPushButton *picPathLoad;
    QCheckBox *bgPicStretch;
    QWidget *boxChoices;
    QLabel *needNoBox;
    QCheckBox *randBoxSet;
    QRadioButton *randBoxByEdit;
    QRadioButton *randBoxByLabel;
    QCheckBox *randRecordSet;
    QRadioButton *randRecordByMemo;
    QRadioButton *randRecordByLabel;
    QCheckBox *goRandButton;
    QCheckBox *goRandShortCut;
    QComboBox *goRandShortCutValue;
    QCheckBox *useInRand;
    QCheckBox *useAfterRand;
    QCheckBox *useBoxRecord;
};

// The starting document of a project type under Data/Demo/.
QString TemplateFileName(int pmode);
