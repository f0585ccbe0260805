#include "tcreateform.h"
#include "apppaths.h"
#include "captionlabel.h"
#include "colourlisteditor.h"
#include "displaysection.h"
#include "domutil.h"
#include "encodedxml.h"
#include "gradient.h"
#include "guarded.h"
#include "handoff.h"
#include "launcher.h"
#include "messages.h"
#include "modedialog.h"
#include "modedialogfactory.h"
#include "projectcatalogue.h"
#include "projectheader.h"
#include "projectname.h"
#include "readablecolours.h"
#include "startingremarks.h"
#include "suiteerror.h"
#include "trandqueryform.h"
#include "yesno.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QTimer>
#include <QVBoxLayout>

namespace {

constexpr int kClientWidth = 680;
constexpr int kClientHeight = 520;
constexpr int kPanelLeft = 8;
constexpr int kPanelTop = 60;
constexpr int kPanelHeight = 400;
constexpr int kButtonTop = 474;
constexpr int kButtonWidth = 88;
constexpr int kButtonHeight = 32;

QRadioButton *radio(const QString &name, const QString &caption, QWidget *parent)
{
    auto *button = new QRadioButton(caption, parent);
    button->setObjectName(name);
    return button;
}

QCheckBox *check(const QString &name, const QString &caption, bool checked, QWidget *parent)
{
    auto *box = new QCheckBox(caption, parent);
    box->setObjectName(name);
    box->setChecked(checked);
    return box;
}

QGroupBox *section(const QString &title, QWidget *parent)
{
    auto *box = new QGroupBox(title, parent);
    box->setStyleSheet(QStringLiteral("QGroupBox { font-weight: bold; }"
                                      "QGroupBox * { font-weight: normal; }"));
    return box;
}
} // namespace

QString TemplateFileName(int pmode)
{
    static const QStringList names = {
        QStringLiteral("0.rpj"),
        QStringLiteral("1.RandRangeNum.rpj"),
        QStringLiteral("2.RandName.rpj"),
        QStringLiteral("3.RandSort.rpj"),
        QStringLiteral("4.RandTasks.rpj"),
        QStringLiteral("5.RandImages.rpj"),
        QStringLiteral("6.RandPwd.rpj"),
        QStringLiteral("7.RandWords.rpj"),
        QStringLiteral("8.RandCoordinate.rpj"),
        QStringLiteral("9.RandAward(One).rpj"),
        QStringLiteral("10.RandAward(More).rpj"),
        QStringLiteral("11.RandCalculation.rpj"),
        QStringLiteral("12.RandEquation(1Times).rpj"),
        QStringLiteral("13.RandEquation(2Times).rpj"),
        QStringLiteral("14.RandCustomCal.rpj"),
    };
    return names.value(pmode);
}

TCreateForm::TCreateForm(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TCreateForm"));
    setWindowTitle(tr("工程创建向导"));
    setFixedSize(kClientWidth, kClientHeight);

    choosePicture = [this] {
        return QFileDialog::getOpenFileName(this, tr("选择背景图片"), InstalledDataPath(QStringLiteral("Img")),
                                            tr("图片文件 (*.jpg *.jpeg *.png *.bmp *.gif)"));
    };
    chooseColour = [this](const QColor &current) {
        return QColorDialog::getColor(current, this, tr("选择背景颜色"));
    };
    startDesigner = [] { StartSuiteProgram(ProgramDesigner); };

    BuildStepIndicator();
    panels[0] = BuildStep1();
    panels[1] = BuildStep2();
    panels[2] = BuildStep3();
    for (QWidget *panel : panels) {
        panel->setGeometry(kPanelLeft, kPanelTop, kClientWidth - 2 * kPanelLeft, kPanelHeight);
        panel->hide();
    }
    panels[0]->show();

    bPrev = new QPushButton(tr("上一步"), this);
    bPrev->setObjectName(QStringLiteral("BPrev"));
    bNext = new QPushButton(tr("下一步"), this);
    bNext->setObjectName(QStringLiteral("BNext"));
    bCancel = new QPushButton(tr("取消"), this);
    bCancel->setObjectName(QStringLiteral("BCancel"));
    bPrev->setEnabled(false);
    PlaceButtons();
    connect(bPrev, &QPushButton::clicked, this, &TCreateForm::BPrevClick);
    connect(bNext, &QPushButton::clicked, this, &TCreateForm::BNextClick);
    // Nothing has been written yet: cancelling leaves every file as it was.
    connect(bCancel, &QPushButton::clicked, this, &QWidget::close);
    connect(new QShortcut(QKeySequence::Cancel, this), &QShortcut::activated, bCancel, &QPushButton::click);

    changeStep = new QTimer(this);
    changeStep->setObjectName(QStringLiteral("ChangeStep"));
    changeStep->setInterval(15);
    connect(changeStep, &QTimer::timeout, this, &TCreateForm::ChangeStepTimer);

    ShowStepIndicator(1);
    BgSetsClick();
}

TCreateForm::~TCreateForm() = default;

ModeDialog *TCreateForm::OpenModeDialog() const
{
    return modeDialog;
}

TRandQueryForm *TCreateForm::QueryEditor() const
{
    return queryEditor;
}

void TCreateForm::SetPictureChooser(std::function<QString()> chooser)
{
    choosePicture = std::move(chooser);
}

void TCreateForm::SetColourChooser(std::function<QColor(const QColor &)> chooser)
{
    chooseColour = std::move(chooser);
}

void TCreateForm::SetDesignerStarter(std::function<void()> starter)
{
    startDesigner = std::move(starter);
}

bool TCreateForm::IsSliding() const
{
    return changeStep->isActive();
}

void TCreateForm::BuildStepIndicator()
{
    const QStringList captions = {tr("第一步：设定工程名称及类型"),
                                  tr("第二步：设定随机数参数"),
                                  tr("第三步：设置随机数窗口基本信息")};
    const int width = (kClientWidth - 2 * kPanelLeft - 8) / 3;
    for (int i = 0; i < 3; ++i) {
        stepBg[i] = new QFrame(this);
        stepBg[i]->setObjectName(QStringLiteral("Step%1Bg").arg(i + 1));
        stepBg[i]->setGeometry(kPanelLeft + i * (width + 4), 10, width, 38);
        stepLabel[i] = new QLabel(captions.at(i), stepBg[i]);
        stepLabel[i]->setObjectName(QStringLiteral("Step%1Label").arg(i + 1));
        stepLabel[i]->setAlignment(Qt::AlignCenter);
        stepLabel[i]->setGeometry(0, 0, width, 38);
    }
}

void TCreateForm::ShowStepIndicator(int shownStep)
{
    for (int i = 0; i < 3; ++i) {
        const bool current = i + 1 == shownStep;
        stepBg[i]->setStyleSheet(current ? QStringLiteral("QFrame { background: #800000; border-radius: 4px; }")
                                         : QStringLiteral("QFrame { background: rgba(255,255,255,90);"
                                                          " border-radius: 4px; }"));
        stepLabel[i]->setStyleSheet(current ? QStringLiteral("color: white; font-weight: bold; background: transparent;")
                                            : QStringLiteral("color: black; font-weight: normal; background: transparent;"));
    }
}

QWidget *TCreateForm::BuildStep1()
{
    auto *panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("Step1Panel"));
    auto *layout = new QVBoxLayout(panel);
    layout->setContentsMargins(12, 12, 12, 12);

    auto *nameRow = new QHBoxLayout;
    auto *nameLabel = new QLabel(tr("项目名称："), panel);
    nameRow->addWidget(nameLabel);
    projNameValue = new QLineEdit(panel);
    nameLabel->setBuddy(projNameValue);
    projNameValue->setObjectName(QStringLiteral("ProjNameValue"));
    projNameValue->setMaxLength(100);
    nameRow->addWidget(projNameValue, 1);
    layout->addLayout(nameRow);
    layout->addSpacing(10);

    auto *typeBox = section(tr("工程类型："), panel);
    typeBox->setObjectName(QStringLiteral("ProjSelect"));
    auto *grid = new QGridLayout(typeBox);
    grid->setVerticalSpacing(14);
    projSelect = new QButtonGroup(this);
    for (int i = 0; i < kProjectTypeCount; ++i) {
        auto *item = radio(QStringLiteral("ProjSelectItem%1").arg(i), ProjectTypeCaption(i), typeBox);
        projSelect->addButton(item, i);
        grid->addWidget(item, i / 4, i % 4);
    }
    projSelect->button(0)->setChecked(true);
    layout->addWidget(typeBox);
    layout->addStretch(1);
    return panel;
}

QWidget *TCreateForm::BuildStep2()
{
    auto *panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("Step2Panel"));
    auto *layout = new QVBoxLayout(panel);
    layout->setContentsMargins(12, 12, 12, 12);
    randInfo = MakeRandInfo(panel);
    layout->addWidget(MakeCaptionLabel(tr("随机数配置："), randInfo, panel));
    layout->addWidget(randInfo, 1);

    auto *row = new QHBoxLayout;
    row->addStretch(1);
    randInfoEdit = MakeRandInfoEdit(panel);
    row->addWidget(randInfoEdit);
    layout->addLayout(row);
    connect(randInfoEdit, &QPushButton::clicked, this, &TCreateForm::RandInfoEditClick);

    commander = MakeCommander(panel);
    connect(commander, &QPushButton::clicked, this, &TCreateForm::CommanderClick);
    return panel;
}

QWidget *TCreateForm::BuildStep3()
{
    auto *panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("Step3Panel"));
    auto *layout = new QVBoxLayout(panel);
    layout->setContentsMargins(12, 6, 12, 6);
    layout->setSpacing(6);

    auto *titleRow = new QHBoxLayout;
    auto *titleLabel = new QLabel(tr("窗口标题："), panel);
    titleRow->addWidget(titleLabel);
    projTitle = new QLineEdit(panel);
    titleLabel->setBuddy(projTitle);
    projTitle->setObjectName(QStringLiteral("ProjTitle"));
    titleRow->addWidget(projTitle, 1);
    layout->addLayout(titleRow);

    // Background kind and its value.
    auto *bgBox = section(tr("背景："), panel);
    auto *bgLayout = new QGridLayout(bgBox);
    bgOfColor = radio(QStringLiteral("BgOfColor"), tr("固定颜色"), bgBox);
    bgOfChangingColor = radio(QStringLiteral("BgOfChangingColor"), tr("渐变色"), bgBox);
    bgOfPic = radio(QStringLiteral("BgOfPic"), tr("背景图片"), bgBox);
    bgOfChangingColor->setChecked(true);
    auto *bgGroup = new QButtonGroup(bgBox);
    for (QRadioButton *button : {bgOfColor, bgOfChangingColor, bgOfPic}) {
        bgGroup->addButton(button);
        connect(button, &QRadioButton::clicked, this, &TCreateForm::BgSetsClick);
    }
    bgLayout->addWidget(bgOfColor, 0, 0);
    bgLayout->addWidget(bgOfChangingColor, 0, 1);
    bgLayout->addWidget(bgOfPic, 0, 2);

    auto *valueRow = new QHBoxLayout;
    colorShow = new QPushButton(bgBox);
    colorShow->setObjectName(QStringLiteral("ColorShow"));
    colorShow->setFixedSize(160, 26);
    colorShow->setToolTip(tr("单击选择背景颜色"));
    cColorShow = new QPushButton(bgBox);
    cColorShow->setObjectName(QStringLiteral("CColorShow"));
    cColorShow->setFixedSize(160, 26);
    cColorShow->setToolTip(tr("单击编辑渐变色"));
    picPathValue = new QLineEdit(bgBox);
    picPathValue->setObjectName(QStringLiteral("PicPathValue"));
    picPathValue->setReadOnly(true);
    picPathLoad = new QPushButton(tr("载入"), bgBox);
    picPathLoad->setObjectName(QStringLiteral("PicPathLoad"));
    bgPicStretch = check(QStringLiteral("BgPicStretch"), tr("背景图片自动缩放："), true, bgBox);
    bgPicStretch->setLayoutDirection(Qt::RightToLeft);
    valueRow->addWidget(colorShow);
    valueRow->addWidget(cColorShow);
    valueRow->addWidget(picPathValue, 1);
    valueRow->addWidget(picPathLoad);
    valueRow->addWidget(bgPicStretch);
    valueRow->addStretch(0);
    bgLayout->addLayout(valueRow, 1, 0, 1, 3);
    connect(colorShow, &QPushButton::clicked, this, &TCreateForm::ColorShowClick);
    connect(cColorShow, &QPushButton::clicked, this, &TCreateForm::CColorShowClick);
    connect(picPathLoad, &QPushButton::clicked, this, &TCreateForm::PicPathLoadClick);
    layout->addWidget(bgBox);

    // Result box and record box; a picture project shows a note instead.
    auto *boxBox = section(tr("生成框与记录框："), panel);
    auto *boxStack = new QGridLayout(boxBox);
    boxChoices = new QWidget(boxBox);
    auto *boxGrid = new QGridLayout(boxChoices);
    boxGrid->setContentsMargins(0, 0, 0, 0);
    randBoxSet = check(QStringLiteral("RandBoxSet"), tr("生成框："), true, boxChoices);
    randBoxByEdit = radio(QStringLiteral("RandBoxByEdit"), tr("使用文本框"), boxChoices);
    randBoxByLabel = radio(QStringLiteral("RandBoxByLabel"), tr("使用非文本框"), boxChoices);
    randBoxByEdit->setChecked(true);
    auto *randBoxGroup = new QButtonGroup(boxChoices);
    randBoxGroup->addButton(randBoxByEdit);
    randBoxGroup->addButton(randBoxByLabel);
    randRecordSet = check(QStringLiteral("RandRecordSet"), tr("记录框："), false, boxChoices);
    randRecordByMemo = radio(QStringLiteral("RandRecordByMemo"), tr("使用文本框"), boxChoices);
    randRecordByLabel = radio(QStringLiteral("RandRecordByLabel"), tr("使用非文本框"), boxChoices);
    randRecordByMemo->setChecked(true);
    auto *recordGroup = new QButtonGroup(boxChoices);
    recordGroup->addButton(randRecordByMemo);
    recordGroup->addButton(randRecordByLabel);
    boxGrid->addWidget(randBoxSet, 0, 0);
    boxGrid->addWidget(randBoxByEdit, 0, 1);
    boxGrid->addWidget(randBoxByLabel, 0, 2);
    boxGrid->addWidget(randRecordSet, 1, 0);
    boxGrid->addWidget(randRecordByMemo, 1, 1);
    boxGrid->addWidget(randRecordByLabel, 1, 2);
    boxGrid->setColumnStretch(3, 1);
    needNoBox = new QLabel(tr("当前工程类型无需设置此参数"), boxBox);
    needNoBox->setObjectName(QStringLiteral("NeedNoBox"));
    needNoBox->setAlignment(Qt::AlignCenter);
    needNoBox->hide();
    boxStack->addWidget(boxChoices, 0, 0);
    boxStack->addWidget(needNoBox, 0, 0);
    connect(randBoxSet, &QCheckBox::clicked, this, &TCreateForm::UpdateBoxChoices);
    connect(randRecordSet, &QCheckBox::clicked, this, &TCreateForm::UpdateBoxChoices);
    layout->addWidget(boxBox);

    // How a draw is started.
    auto *goBox = section(tr("随机数生成方式："), panel);
    auto *goLayout = new QHBoxLayout(goBox);
    goRandButton = check(QStringLiteral("GoRandButton"), tr("使用按钮"), true, goBox);
    goRandShortCut = check(QStringLiteral("GoRandShortCut"), tr("使用快捷键"), true, goBox);
    goRandShortCutValue = new QComboBox(goBox);
    goRandShortCutValue->setObjectName(QStringLiteral("GoRandShortCutValue"));
    for (int i = 1; i <= 12; ++i)
        goRandShortCutValue->addItem(QStringLiteral("F%1").arg(i));
    for (int i = 1; i <= 12; ++i)
        goRandShortCutValue->addItem(QStringLiteral("Shift+F%1").arg(i));
    goLayout->addWidget(goRandButton);
    goLayout->addSpacing(24);
    goLayout->addWidget(goRandShortCut);
    goLayout->addWidget(goRandShortCutValue);
    goLayout->addStretch(1);
    connect(goRandShortCut, &QCheckBox::clicked, this, &TCreateForm::UpdateBoxChoices);
    layout->addWidget(goBox);

    auto *animBox = section(tr("动画："), panel);
    auto *animLayout = new QVBoxLayout(animBox);
    animLayout->setSpacing(2);
    useInRand = check(QStringLiteral("UseInRand"), tr("在随机数生成时使用动画"), true, animBox);
    useAfterRand = check(QStringLiteral("UseAfterRand"), tr("在随机数生成后使用动画"), true, animBox);
    useBoxRecord = check(QStringLiteral("UseBoxRecord"), tr("使用生成框、记录框动画"), false, animBox);
    animLayout->addWidget(useInRand);
    animLayout->addWidget(useAfterRand);
    animLayout->addWidget(useBoxRecord);
    layout->addWidget(animBox);
    layout->addStretch(1);

    UpdateBoxChoices();
    return panel;
}

void TCreateForm::PlaceButtons()
{
    const int nextLeft = kClientWidth / 2 - 44;
    bNext->setGeometry(nextLeft, kButtonTop, kButtonWidth, kButtonHeight);
    bPrev->setGeometry(nextLeft - 94, kButtonTop, kButtonWidth, kButtonHeight);
    bCancel->setGeometry(nextLeft + 94, kButtonTop, kButtonWidth, kButtonHeight);
}

void TCreateForm::paintEvent(QPaintEvent *)
{
    PaintDialogBackground(this);
}

void TCreateForm::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!shownOnce) {
        shownOnce = true;
        FormShow();
    }
}

void TCreateForm::FormShow()
{
    // The codec is bound by the program at start-up (main), before any window.
    QString editedProject;
    Guarded(this, [&] { editedProject = ReadRandEditSender(); });
    if (editedProject.isEmpty()) {
        gradientText = DefaultBackgroundGradient;
        PaintSwatches();
        return;
    }
    projectName = editedProject;
    QTimer::singleShot(1, this, [this] { OpenQueryEditor(projectName); });
}

void TCreateForm::OpenQueryEditor(const QString &name)
{
    hide();
    queryEditor = new TRandQueryForm(name);
    // It takes the wizard's place on the screen.
    queryEditor->move(geometry().center() - queryEditor->rect().center());
    queryEditor->show();
}

// ---- navigation ------------------------------------------------------------

void TCreateForm::BNextClick()
{
    if (IsSliding())
        return;
    switch (step) {
    case 1:
        AcceptStep1();
        break;
    case 2:
        AcceptStep2();
        break;
    case 3:
        AcceptStep3();
        break;
    }
}

void TCreateForm::BPrevClick()
{
    if (IsSliding() || step == 1)
        return;
    if (step == 2) {
        ShowStepIndicator(1);
        goingBack = true;
        StartSlide(2, 1);
    } else {
        ShowStepIndicator(2);
        StartSlide(3, 2);
    }
}

void TCreateForm::AcceptStep1()
{
    bool failed = false;
    auto fail = [&](const QString &text) {
        ShowError(this, tr("参数有误"), text);
        failed = true;
    };
    QVector<CatalogueEntry> entries;
    try {
        entries = ProjectCatalogue::LoadCatalogue(CatalogueFilePath()).ReadEntries();
    } catch (const SuiteError &error) {
        ShowError(this, tr("读取失败"), error.message());
        return;
    }
    const QString name = projNameValue->text();
    QStringList existingNames;
    for (const CatalogueEntry &entry : entries)
        existingNames << entry.name;
    for (const QString &problem : ProjectNameProblems(name, existingNames))
        fail(problem);
    // A project file the catalogue does not list would stop the creation at the very end;
    // say so while the name can still be changed here.
    if (!failed && QFile::exists(ProjectFilePath(name)))
        fail(tr("项目文件“%1”已经存在，请更换项目名称！").arg(name + QStringLiteral(".rpj")));
    if (failed)
        return;

    typeIndex = projSelect->checkedId();
    projectName = name;
    ShowStepIndicator(2);
    StartSlide(1, 2);
}

void TCreateForm::AcceptStep2()
{
    if ((typeIndex == 0 || typeIndex == 14) && params.value(1).isEmpty()) {
        ShowError(this, tr("参数有误"), tr("请设置随机数相关参数！"));
        return;
    }
    ShowStepIndicator(3);
    StartSlide(2, 3);
}

void TCreateForm::AcceptStep3()
{
    bool failed = false;
    auto fail = [&](const QString &text) {
        ShowError(this, tr("参数有误"), text);
        failed = true;
    };
    if (projTitle->text().isEmpty())
        fail(tr("窗口标题不能为空！"));
    if (bgOfChangingColor->isChecked() && gradientText.isEmpty())
        fail(tr("请设置渐变色！"));
    if (bgOfPic->isChecked() && picPathValue->text().isEmpty())
        fail(tr("背景图片地址不能为空！"));
    if (typeIndex != 5 && !randBoxSet->isChecked() && !randRecordSet->isChecked())
        fail(tr("您至少需要选择生成框或记录框中的一个，否则随机数将无法显示！"));
    if (!goRandButton->isChecked() && !goRandShortCut->isChecked())
        fail(tr("您至少需要选择使用按钮或快捷键中的一个，否则将无法生成随机数！"));
    if (!failed)
        CreateProject();
}

// ---- slide -----------------------------------------------------------------

void TCreateForm::StartSlide(int fromStep, int toStep)
{
    slideSpeed = 60;
    outgoingPanel = panels[fromStep - 1];
    incomingPanel = panels[toStep - 1];
    slideTarget = toStep;
    const int travel = outgoingPanel->width() + 2 * kPanelLeft;
    incomingPanel->move(toStep > fromStep ? kPanelLeft + travel : kPanelLeft - travel, kPanelTop);
    incomingPanel->show();
    changeStep->start();
}

void TCreateForm::ChangeStepTimer()
{
    --slideSpeed;
    const bool forward = slideTarget > step;
    const int dx = forward ? -slideSpeed : slideSpeed;
    outgoingPanel->move(outgoingPanel->x() + dx, kPanelTop);
    incomingPanel->move(incomingPanel->x() + dx, kPanelTop);
    const bool arrived = forward ? incomingPanel->x() < 9 : incomingPanel->x() >= 8;
    // The speed runs down each tick; a slide that has not arrived by then ends anyway.
    if (arrived || slideSpeed <= 1)
        FinishSlide();
}

void TCreateForm::FinishSlide()
{
    changeStep->stop();
    incomingPanel->move(kPanelLeft, kPanelTop);
    outgoingPanel->hide();
    const int fromStep = step;
    step = slideTarget;
    if (step == 2 && fromStep == 1) {
        bPrev->setEnabled(true);
        setWindowTitle(tr("工程创建向导 第二步"));
        PlaceButtons();
        randInfo->clear();
        params = DefaultQueryParams(typeIndex);
        fair = FairSettings{};
        itemFair = ItemFairSettings{};
        // A dialog left open for another type cannot edit this one's parameters.
        if (modeDialog && modeDialogType != typeIndex)
            modeDialog->close();
        ShowDescription();
    } else if (step == 3) {
        bNext->setText(tr("完成"));
        // The caption names the step shown, as it does for the second.
        setWindowTitle(tr("工程创建向导 第三步"));
        BgSetsClick();
        randRecordSet->setEnabled(typeIndex != 5);
        needNoBox->setVisible(typeIndex == 5);
        boxChoices->setVisible(typeIndex != 5);
        UpdateBoxChoices();
    } else if (step == 1) {
        bPrev->setEnabled(false);
        goingBack = false;
        setWindowTitle(tr("工程创建向导"));
    } else if (step == 2) {
        bNext->setText(tr("下一步"));
        setWindowTitle(tr("工程创建向导 第二步"));
    }
}

// ---- step 2 ----------------------------------------------------------------

void TCreateForm::ShowDescription()
{
    ShowQueryDescription(randInfo, params, typeIndex);
}

void TCreateForm::RandInfoEditClick()
{
    OpenProjectDialog(modeDialog, this, commander, typeIndex, params, verifiable, fair, itemFair);
    modeDialogType = typeIndex;
}

void TCreateForm::CommanderClick()
{
    if (TakeProjectDialogResult(modeDialog, typeIndex, params, verifiable, fair, itemFair))
        ShowDescription();
}

// ---- step 3 ----------------------------------------------------------------

void TCreateForm::BgSetsClick()
{
    colorShow->setVisible(bgOfColor->isChecked());
    cColorShow->setVisible(bgOfChangingColor->isChecked());
    const bool picture = bgOfPic->isChecked();
    picPathValue->setVisible(picture);
    picPathLoad->setVisible(picture);
    bgPicStretch->setVisible(picture);
    if (picture && picPathValue->text().isEmpty() && step == 3)
        PicPathLoadClick();
    PaintSwatches();
}

void TCreateForm::PicPathLoadClick()
{
    const QString path = choosePicture ? choosePicture() : QString();
    if (!path.isEmpty())
        picPathValue->setText(path);
}

void TCreateForm::ColorShowClick()
{
    if (!chooseColour)
        return;
    const QColor chosen = chooseColour(backgroundColour);
    if (chosen.isValid()) {
        backgroundColour = chosen;
        PaintSwatches();
    }
}

void TCreateForm::CColorShowClick()
{
    if (!colourListEditor) {
        colourListEditor = new TCColorEditForm(this);
        colourListEditor->setWindowFlag(Qt::Window);
        connect(colourListEditor, &TCColorEditForm::GradientSaved, this, [this](const QString &text) {
            gradientText = text;
            PaintSwatches();
        });
    }
    colourListEditor->SetRequirer(kRequirerCreatePage);
    colourListEditor->SetGradientText(gradientText);
    colourListEditor->show();
    colourListEditor->raise();
}

void TCreateForm::PaintSwatches()
{
    colorShow->setStyleSheet(QStringLiteral("QPushButton { background: %1; border: 1px solid #404040; }")
                                 .arg(backgroundColour.name()));
    QImage image(cColorShow->size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    try {
        if (!gradientText.isEmpty())
            PaintGradient(gradientText, image);
    } catch (const SuiteError &) {
        image.fill(Qt::white);
    }
    cColorShow->setIcon(QPixmap::fromImage(image));
    cColorShow->setIconSize(image.size());
    cColorShow->setStyleSheet(QStringLiteral("QPushButton { border: 1px solid #404040; padding: 0; }"));
}

void TCreateForm::UpdateBoxChoices()
{
    randBoxByEdit->setEnabled(randBoxSet->isChecked());
    randBoxByLabel->setEnabled(randBoxSet->isChecked());
    const bool record = randRecordSet->isChecked() && randRecordSet->isEnabled();
    randRecordByMemo->setEnabled(record);
    randRecordByLabel->setEnabled(record);
    goRandShortCutValue->setEnabled(goRandShortCut->isChecked());
}

// ---- creation --------------------------------------------------------------

// The box kinds and the background chosen above may put the results on a ground they
// cannot be read on (white text in a white edit box): the text colour follows the ground.
static void KeepBoxTextReadable(QDomDocument &document)
{
    const bool pictureProject = IsPictureProject(document);
    FormSection shown = ReadFormSection(document, pictureProject);
    MakeBoxesReadable(shown, pictureProject);
    QDomElement form = ChildElement(ProjectRootElement(document), QStringLiteral("Form"));
    auto setFont = [&form](const QString &name, const FontSpec &font) {
        ChildElement(form, name).setAttribute(QStringLiteral("Font"), FontToText(font));
    };
    if (pictureProject) {
        setFont(QStringLiteral("PicName"), shown.pictureName.font);
        return;
    }
    for (const auto &[name, box] : {std::pair{QStringLiteral("RandBox"), &shown.randBox},
                                    std::pair{QStringLiteral("RandRecord"), &shown.randRecord}})
        if (box->enabled)
            setFont(name, box->font);
}

void TCreateForm::CreateProject()
{
    const QString projectPath = ProjectFilePath(projectName);
    try {
        // A file of that name that the catalogue does not list belongs to someone:
        // never overwrite it.
        if (QFile::exists(projectPath))
            throw SuiteError(tr("项目文件“%1”已经存在，请返回第一步更换项目名称！")
                                 .arg(projectName + QStringLiteral(".rpj")));

        QDomDocument document =
            LoadProjectDocumentAnyForm(InstalledDataPath(QStringLiteral("Data/Demo/") + TemplateFileName(typeIndex)));
        QDomElement root = ProjectRootElement(document);
        QDomElement form = ChildElement(root, QStringLiteral("Form"));
        ChildElement(form, QStringLiteral("Title")).setAttribute(QStringLiteral("Caption"), projTitle->text());

        BackgroundFill fill;
        if (bgOfColor->isChecked()) {
            fill.type = kBgOfColor;
            fill.colour = Rgb{backgroundColour.red(), backgroundColour.green(), backgroundColour.blue()};
        } else if (bgOfChangingColor->isChecked()) {
            fill.type = kBgOfChangingColor;
            fill.gradient = gradientText;
        } else {
            fill.type = kBgOfPic;
            fill.picturePath = picPathValue->text();
            fill.stretch = bgPicStretch->isChecked();
        }
        QDomElement background = ChildElement(form, QStringLiteral("Background"));
        background.setAttribute(QStringLiteral("Type"), fill.type);
        background.setAttribute(QStringLiteral("Color"), BackgroundValueText(fill));

        if (typeIndex != 5) {
            QDomElement randBox = ChildElement(form, QStringLiteral("RandBox"));
            randBox.setAttribute(QStringLiteral("Enabled"), YesNoText(randBoxSet->isChecked()));
            randBox.setAttribute(QStringLiteral("Type"),
                                 randBoxByLabel->isChecked() ? QStringLiteral("Label") : QStringLiteral("Edit"));
            QDomElement record = ChildElement(form, QStringLiteral("RandRecord"));
            record.setAttribute(QStringLiteral("Enabled"), YesNoText(randRecordSet->isChecked()));
            record.setAttribute(QStringLiteral("Type"),
                                randRecordByLabel->isChecked() ? QStringLiteral("Label") : QStringLiteral("Memo"));
            ChildElement(form, QStringLiteral("GoRandButton"))
                .setAttribute(QStringLiteral("Enabled"), YesNoText(goRandButton->isChecked()));
            QDomElement shortCut = ChildElement(form, QStringLiteral("GoRandShortCut"));
            shortCut.setAttribute(QStringLiteral("Enabled"), YesNoText(goRandShortCut->isChecked()));
            shortCut.setAttribute(QStringLiteral("ShortCut"), goRandShortCutValue->currentText());
        }

        QDomElement animate = ChildElement(root, QStringLiteral("Animate"));
        animate.setAttribute(QStringLiteral("InRand"), YesNoText(useInRand->isChecked()));
        animate.setAttribute(QStringLiteral("AfterRand"), YesNoText(useAfterRand->isChecked()));
        animate.setAttribute(QStringLiteral("BoxRecord"), YesNoText(useBoxRecord->isChecked()));

        FitChoiceRemarks(document, typeIndex, params);
        StampCreation(document, CurrentDateTimeText());
        WriteQuerySection(document, params, typeIndex);
        if (TypeDrawsFairly(typeIndex))
            WriteFairSettings(document, fair);
        if (TypeHasFairItems(typeIndex))
            WriteItemFairSettings(document, itemFair);
        KeepBoxTextReadable(document);
        WriteVerifiableOption(document, verifiable && typeIndex != 6);
        SaveEncodedDocument(document, projectPath);

        // The project file stands; only now may the catalogue name it. If the catalogue
        // cannot take it, the file goes again so no half-made project remains.
        try {
            UpdateCatalogue(CatalogueFilePath(), [this](ProjectCatalogue &catalogue) {
                for (const CatalogueEntry &entry : catalogue.ReadEntries())
                    if (entry.name == projectName)
                        throw SuiteError(tr("项目名称不能与现有的项目名称重复！"));
                catalogue.AppendEntry(projectName, 0);
            });
        } catch (...) {
            QFile::remove(projectPath);
            throw;
        }
    } catch (const SuiteError &error) {
        ShowError(this, tr("项目创建失败"), error.message());
        return;
    }

    ShowInformation(this, tr("项目创建完毕"), tr("项目创建完毕，即将进入随机数设计界面。"));
    close();
    if (Guarded(this, [this] { WriteDesignSender(projectName); }) && startDesigner)
        startDesigner();
}
