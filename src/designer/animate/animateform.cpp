#include "animateform.h"

#include "apppaths.h"
#include "colourliststrip.h"
#include "domutil.h"
#include "dragnumberedit.h"
#include "encodedxml.h"
#include "fontchooser.h"
#include "gradient.h"
#include "linkbutton.h"
#include "messages.h"
#include "querysection.h"
#include "stopbuttonplace.h"
#include "storedvaluetext.h"
#include "suiteerror.h"
#include "tmusicsetform.h"
#include "widgetlook.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

namespace {
const QString kRandBox = QStringLiteral("RandBox");
const QString kExtraScreen = QStringLiteral("ExtraScreen");
const QString kStopTimes = QStringLiteral("Times");
const QString kStopShortCut = QStringLiteral("ShortCut");
const QString kStopButton = QStringLiteral("Button");
const QString kRandButton = QStringLiteral("RandButton");
const QString kExtraButton = QStringLiteral("ExtraButton");
const QString kDigits = QStringLiteral("0123456789");
constexpr int kPictureProjectType = 5;

QStringList StopKeys()
{
    QStringList keys;
    for (int i = 1; i <= 12; ++i)
        keys << QStringLiteral("F%1").arg(i);
    for (QChar letter = u'A'; letter <= u'F'; letter = QChar(letter.unicode() + 1))
        keys << QStringLiteral("Alt+") + letter;
    for (int i = 1; i <= 12; ++i)
        keys << QStringLiteral("Shift+F%1").arg(i);
    return keys;
}

QLineEdit *NumberEdit(QWidget *parent, const QString &name, const QString &text)
{
    auto *edit = new QLineEdit(text, parent);
    edit->setObjectName(name);
    // A frame interval or count far beyond any use would overflow the stored integer.
    edit->setMaxLength(7);
    AllowOnlyCharacters(edit, kDigits);
    return edit;
}

// Selects the stored unit; an unknown one leaves the choice as it was.
void SelectUnit(QComboBox *list, const QString &unit)
{
    const int index = list->findData(unit);
    if (index >= 0)
        list->setCurrentIndex(index);
}

// The items show the unit in the interface language and hold the stored (Chinese) one.
QComboBox *UnitList(QWidget *parent, const QString &name, const QString &current)
{
    auto *list = new QComboBox(parent);
    list->setObjectName(name);
    list->addItem(StoredValueText(kUnitMilliseconds), kUnitMilliseconds);
    list->addItem(StoredValueText(kUnitSeconds), kUnitSeconds);
    SelectUnit(list, current);
    return list;
}

QCheckBox *CheckBox(QWidget *parent, const QString &name, const QString &text, bool checked)
{
    auto *box = new QCheckBox(text, parent);
    box->setObjectName(name);
    box->setChecked(checked);
    return box;
}

QRadioButton *Radio(QWidget *parent, const QString &name, const QString &text)
{
    auto *radio = new QRadioButton(text, parent);
    radio->setObjectName(name);
    return radio;
}

QLabel *NeedNoPanel(QWidget *parent, const QString &name)
{
    auto *panel = new QLabel(TAnimateForm::tr("当前工程类型无需设置此参数"), parent);
    panel->setObjectName(name);
    panel->setAlignment(Qt::AlignCenter);
    panel->setAutoFillBackground(true);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    QPalette palette = panel->palette();
    palette.setColor(QPalette::Window, QColor(226, 240, 248));
    palette.setColor(QPalette::WindowText, QColor(90, 100, 115));
    panel->setPalette(palette);
    panel->hide();
    return panel;
}

// A positive number typed into a digits-only box; 0 when empty or zero.
int PositiveNumber(const QLineEdit *edit)
{
    bool ok = false;
    const int value = edit->text().toInt(&ok);
    return ok && value > 0 ? value : 0;
}

// An interval the drawing window would have to cut, or "" when it is usable.
QString IntervalTooLong(int value, const QString &unit)
{
    if (RequestedIntervalMilliseconds(value, unit) <= kMaxIntervalMilliseconds)
        return {};
    return TAnimateForm::tr("动画间隔不能超过%1秒（%2毫秒），请重新设置！")
        .arg(kMaxIntervalMilliseconds / 1000)
        .arg(kMaxIntervalMilliseconds);
}

void KeepListUsable(QVector<Rgb> &colours)
{
    if (colours.size() > kMaxCycleColours)
        colours.resize(kMaxCycleColours);
    if (colours.isEmpty())
        colours.append(Rgb{255, 255, 255});
}
} // namespace

TAnimateForm::TAnimateForm(TDVEditorForm *editor, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TAnimateForm"));
    setWindowTitle(tr("动画设置"));
    setFixedSize(560, 508);

    UseInRand = CheckBox(this, QStringLiteral("UseInRand"), tr("在随机数生成时使用动画"), true);
    UseInRand->setGeometry(16, 12, 200, 24);
    UseAfterRand = CheckBox(this, QStringLiteral("UseAfterRand"), tr("在随机数生成后使用动画"), true);
    UseAfterRand->setGeometry(16, 38, 200, 24);
    UseBoxRecord = CheckBox(this, QStringLiteral("UseBoxRecord"), tr("使用生成框、记录框动画"), true);
    UseBoxRecord->setGeometry(260, 12, 200, 24);

    PageLists = new QTabWidget(this);
    PageLists->setObjectName(QStringLiteral("PageLists"));
    PageLists->setGeometry(12, 70, 536, 384);
    InRandSet = new QWidget;
    InRandSet->setObjectName(QStringLiteral("InRandSet"));
    AfterRandSet = new QWidget;
    AfterRandSet->setObjectName(QStringLiteral("AfterRandSet"));
    BoxRecordSet = new QWidget;
    BoxRecordSet->setObjectName(QStringLiteral("BoxRecordSet"));
    PageLists->addTab(InRandSet, tr("随机数生成时的动画设置"));
    PageLists->addTab(AfterRandSet, tr("生成随机数后的动画设置"));
    PageLists->addTab(BoxRecordSet, tr("生成框、记录框动画"));
    BuildInRandPage();
    BuildAfterRandPage();
    BuildBoxRecordPage();

    BSave = new QPushButton(tr("保存"), this);
    BSave->setObjectName(QStringLiteral("BSave"));
    BSave->setGeometry(356, 464, 90, 30);
    BSave->setDefault(true);
    BCancel = new QPushButton(tr("取消"), this);
    BCancel->setObjectName(QStringLiteral("BCancel"));
    BCancel->setGeometry(456, 464, 90, 30);
    connect(BSave, &QPushButton::clicked, this, &TAnimateForm::BSaveClick);
    connect(BCancel, &QPushButton::clicked, this, &TAnimateForm::close);

    ExtraScreenForm = new TExtraScreenForm(editor, this);
    ExtraButtonForm = new TExtraButtonForm(editor, this);
    connect(RandExtraScreenSet, &QPushButton::clicked, this, [this] { ExtraScreenForm->Open(&ExtraScreenState()); });
    connect(StopExtraButtonSet, &QPushButton::clicked, this, [this] { ExtraButtonForm->Open(&ExtraButtonState()); });
    // The button designer's own save tells at once; the dialog's save tells again.
    connect(ExtraButtonForm->BSave, &QPushButton::clicked, this, [this] {
        if (const QString warning = ExtraButtonWarning(ExtraButtonState(), m_windowSize); !warning.isEmpty())
            ShowWarning(this, HiddenStopButtonCaption(), warning);
    });

    for (QCheckBox *box : {UseInRand, UseAfterRand, UseBoxRecord, UseBgMusic, UseAfterMusic, UseRandBox, UseRandRecord,
                           UseRBFontColor, UseRBBgColor, UseRRFontColor, UseRRBgColor})
        connect(box, &QCheckBox::toggled, this, &TAnimateForm::UpdateEnabling);
    for (QRadioButton *radio : {RandUseRandBox, RandUseExtraScreen, StopByTimes, StopByShortCut, StopByButton,
                                StopUseRandButton, StopUseExtraButton})
        connect(radio, &QRadioButton::toggled, this, &TAnimateForm::UpdateEnabling);

    m_background = QImage(size(), QImage::Format_RGB32);
    PaintGradient(DialogGradient, m_background);
    for (const CycleList list : {CycleList::RandBoxFont, CycleList::RandBoxBg, CycleList::RandRecordFont, CycleList::RandRecordBg})
        KeepListUsable(CycleColours(list));
    ShowCycleList(CycleList::RandBoxFont);
    UpdateEnabling();
}

void TAnimateForm::BuildInRandPage()
{
    QWidget *page = InRandSet;
    auto *intervalTitle = new QLabel(tr("动画间隔："), page);
    intervalTitle->setGeometry(12, 12, 70, 24);
    IntervalValue = NumberEdit(page, QStringLiteral("IntervalValue"), QStringLiteral("20"));
    IntervalValue->setGeometry(84, 12, 70, 24);
    IntervalUnit = UnitList(page, QStringLiteral("IntervalUnit"), kUnitMilliseconds);
    IntervalUnit->setGeometry(160, 12, 70, 24);
    HideGoRandButton = CheckBox(page, QStringLiteral("HideGoRandButton"), tr("隐藏生成随机数按钮"), true);
    HideGoRandButton->setGeometry(260, 12, 160, 24);

    auto *display = new QGroupBox(tr("随机数显示"), page);
    display->setGeometry(12, 44, 506, 60);
    RandUseRandBox = Radio(display, QStringLiteral("RandUseRandBox"), tr("使用生成框"));
    RandUseRandBox->setGeometry(12, 26, 100, 24);
    RandUseExtraScreen = Radio(display, QStringLiteral("RandUseExtraScreen"), tr("使用独立窗口"));
    RandUseExtraScreen->setGeometry(118, 26, 110, 24);
    RandUseExtraScreen->setChecked(true);
    RandExtraScreenSet = MakeLinkButton(display, QStringLiteral("RandExtraScreenSet"), tr("点此设置"));
    RandExtraScreenSet->setGeometry(230, 26, 64, 24);
    HideRandRecord = CheckBox(display, QStringLiteral("HideRandRecord"), tr("隐藏记录框"), false);
    HideRandRecord->setGeometry(330, 26, 120, 24);
    NeedNoBox = NeedNoPanel(page, QStringLiteral("NeedNoBox"));
    NeedNoBox->setGeometry(display->geometry());

    auto *stop = new QGroupBox(tr("动画终止设置"), page);
    stop->setGeometry(12, 112, 506, 150);
    StopByTimes = Radio(stop, QStringLiteral("StopByTimes"), tr("持续到指定的次数后停止："));
    StopByTimes->setGeometry(12, 26, 186, 24);
    StopByTimes->setChecked(true);
    StopTimesValue = NumberEdit(stop, QStringLiteral("StopTimesValue"), QStringLiteral("500"));
    StopTimesValue->setGeometry(200, 26, 70, 24);
    StopTimesVisible = CheckBox(stop, QStringLiteral("StopTimesVisible"), tr("显示倒计次数"), true);
    StopTimesVisible->setGeometry(282, 26, 110, 24);
    StopTimesSetFont = MakeLinkButton(stop, QStringLiteral("StopTimesSetFont"), tr("设置字体"));
    StopTimesSetFont->setGeometry(400, 26, 64, 24);
    connect(StopTimesSetFont, &QPushButton::clicked, this, &TAnimateForm::StopTimesSetFontClick);

    StopByShortCut = Radio(stop, QStringLiteral("StopByShortCut"), tr("使用快捷键："));
    StopByShortCut->setGeometry(12, 60, 186, 24);
    StopShortCutValue = new QComboBox(stop);
    StopShortCutValue->setObjectName(QStringLiteral("StopShortCutValue"));
    StopShortCutValue->addItems(StopKeys());
    StopShortCutValue->setGeometry(200, 60, 100, 24);

    StopByButton = Radio(stop, QStringLiteral("StopByButton"), tr("使用终止按钮："));
    StopByButton->setGeometry(12, 94, 186, 24);
    auto *stopKinds = new QButtonGroup(this);
    for (QRadioButton *radio : {StopByTimes, StopByShortCut, StopByButton})
        stopKinds->addButton(radio);
    StopUseRandButton = Radio(stop, QStringLiteral("StopUseRandButton"), tr("使用生成随机数按钮"));
    StopUseRandButton->setGeometry(200, 94, 150, 24);
    StopUseRandButton->setChecked(true);
    StopUseExtraButton = Radio(stop, QStringLiteral("StopUseExtraButton"), tr("使用独立按钮"));
    StopUseExtraButton->setGeometry(200, 118, 110, 24);
    auto *buttonKinds = new QButtonGroup(this);
    buttonKinds->addButton(StopUseRandButton);
    buttonKinds->addButton(StopUseExtraButton);
    StopExtraButtonSet = MakeLinkButton(stop, QStringLiteral("StopExtraButtonSet"), tr("点此设置"));
    StopExtraButtonSet->setGeometry(312, 118, 64, 24);

    auto *music = new QGroupBox(tr("背景音乐"), page);
    music->setGeometry(12, 270, 506, 66);
    UseBgMusic = CheckBox(music, QStringLiteral("UseBgMusic"), tr("使用背景音乐："), false);
    UseBgMusic->setGeometry(12, 28, 120, 24);
    BgMusicPath = new QLineEdit(music);
    BgMusicPath->setObjectName(QStringLiteral("BgMusicPath"));
    BgMusicPath->setGeometry(134, 28, 284, 24);
    BgMusicLoad = new QPushButton(tr("浏览"), music);
    BgMusicLoad->setObjectName(QStringLiteral("BgMusicLoad"));
    BgMusicLoad->setGeometry(426, 27, 68, 26);
    connect(BgMusicLoad, &QPushButton::clicked, this, [this] { ChooseMusic(BgMusicPath); });
}

void TAnimateForm::BuildAfterRandPage()
{
    QWidget *page = AfterRandSet;
    auto *music = new QGroupBox(tr("生成随机数后播放音乐"), page);
    music->setGeometry(12, 12, 506, 66);
    UseAfterMusic = CheckBox(music, QStringLiteral("UseAfterMusic"), tr("使用背景音乐："), false);
    UseAfterMusic->setGeometry(12, 28, 120, 24);
    AfterMusicPath = new QLineEdit(music);
    AfterMusicPath->setObjectName(QStringLiteral("AfterMusicPath"));
    AfterMusicPath->setGeometry(134, 28, 284, 24);
    AfterMusicLoad = new QPushButton(tr("浏览"), music);
    AfterMusicLoad->setObjectName(QStringLiteral("AfterMusicLoad"));
    AfterMusicLoad->setGeometry(426, 27, 68, 26);
    connect(AfterMusicLoad, &QPushButton::clicked, this, [this] { ChooseMusic(AfterMusicPath); });
    auto *hint = new QLabel(tr("每次生成随机数后播放所选的音乐。"), page);
    hint->setGeometry(14, 88, 500, 40);
    hint->setWordWrap(true);
    hint->setStyleSheet(QStringLiteral("color: #1d3557;"));
}

void TAnimateForm::BuildBoxRecordPage()
{
    QWidget *page = BoxRecordSet;
    auto *intervalTitle = new QLabel(tr("变色间隔："), page);
    intervalTitle->setGeometry(12, 12, 70, 24);
    CIntervalValue = NumberEdit(page, QStringLiteral("CIntervalValue"), QStringLiteral("2"));
    CIntervalValue->setGeometry(84, 12, 70, 24);
    CIntervalUnit = UnitList(page, QStringLiteral("CIntervalUnit"), kUnitSeconds);
    CIntervalUnit->setGeometry(160, 12, 70, 24);

    // Per box: its switch, then each colour switch with the link of its list beneath.
    auto boxGroup = [page](const QString &title, int left) {
        auto *group = new QGroupBox(title, page);
        group->setGeometry(left, 44, 248, 150);
        return group;
    };
    QGroupBox *box = boxGroup(tr("生成框"), 12);
    UseRandBox = CheckBox(box, QStringLiteral("UseRandBox"), tr("使用生成框动画"), true);
    UseRandBox->setGeometry(12, 24, 200, 24);
    UseRBFontColor = CheckBox(box, QStringLiteral("UseRBFontColor"), tr("使用字体动画"), true);
    UseRBFontColor->setGeometry(28, 50, 200, 22);
    SetRBFontColor = MakeLinkButton(box, QStringLiteral("SetRBFontColor"), tr("设置生成框字体动画"));
    SetRBFontColor->setGeometry(48, 72, 180, 22);
    UseRBBgColor = CheckBox(box, QStringLiteral("UseRBBgColor"), tr("使用背景颜色动画"), true);
    UseRBBgColor->setGeometry(28, 98, 200, 22);
    SetRBBgColor = MakeLinkButton(box, QStringLiteral("SetRBBgColor"), tr("设置生成框背景颜色动画"));
    SetRBBgColor->setGeometry(48, 120, 180, 22);

    QGroupBox *record = boxGroup(tr("记录框"), 270);
    UseRandRecord = CheckBox(record, QStringLiteral("UseRandRecord"), tr("使用记录框动画"), true);
    UseRandRecord->setGeometry(12, 24, 200, 24);
    UseRRFontColor = CheckBox(record, QStringLiteral("UseRRFontColor"), tr("使用字体动画"), true);
    UseRRFontColor->setGeometry(28, 50, 200, 22);
    SetRRFontColor = MakeLinkButton(record, QStringLiteral("SetRRFontColor"), tr("设置记录框字体动画"));
    SetRRFontColor->setGeometry(48, 72, 180, 22);
    UseRRBgColor = CheckBox(record, QStringLiteral("UseRRBgColor"), tr("使用背景颜色动画"), true);
    UseRRBgColor->setGeometry(28, 98, 200, 22);
    SetRRBgColor = MakeLinkButton(record, QStringLiteral("SetRRBgColor"), tr("设置记录框背景颜色动画"));
    SetRRBgColor->setGeometry(48, 120, 180, 22);
    for (QPushButton *link : {SetRBFontColor, SetRBBgColor, SetRRFontColor, SetRRBgColor})
        link->setStyleSheet(link->styleSheet() + QStringLiteral("QPushButton { text-align: left; }"));

    auto *strip = new QGroupBox(tr("颜色列表（单击选择，双击修改，右击新增或删除）"), page);
    strip->setGeometry(12, 202, 506, 86);
    ColorSet = new ColourListStrip(strip);
    ColorSet->move(14, 28);

    m_listLinks = {SetRBFontColor, SetRBBgColor, SetRRFontColor, SetRRBgColor};
    for (int i = 0; i < m_listLinks.size(); ++i)
        connect(m_listLinks[i], &QPushButton::clicked, this, [this, i] { ShowCycleList(CycleList(i)); });

    NeedNoBox2 = NeedNoPanel(page, QStringLiteral("NeedNoBox2"));
    NeedNoBox2->setGeometry(0, 0, 536, 360);
}

bool TAnimateForm::LoadProject(const QString &projectName)
{
    try {
        const QDomDocument document = LoadEncodedDocument(ProjectFilePath(projectName));
        const int pmode = ReadQuerySection(document).pmode;
        AnimateSection section = ReadAnimateSection(document);
        const QDomElement drawKey =
            FindChildElement(FindChildElement(document.documentElement(), QStringLiteral("Form")),
                             QStringLiteral("GoRandShortCut"));
        m_projectName = projectName;
        m_pictureProject = pmode == kPictureProjectType;
        m_section = section;
        m_drawKeyEnabled = TextToBool(drawKey.attribute(QStringLiteral("Enabled")));
        m_drawKey = drawKey.attribute(QStringLiteral("ShortCut"));
        const FormWindow window = ReadFormSection(document, false).window;
        m_windowSize = QSize(window.width, window.height);
    } catch (const SuiteError &error) {
        ShowError(parentWidget(), tr("工程无法打开"), error.message());
        return false;
    }
    ShowSection();
    return true;
}

void TAnimateForm::SetDesignDrawKey(bool enabled, const QString &key)
{
    m_drawKeyEnabled = enabled;
    m_drawKey = key;
}

void TAnimateForm::ShowSection()
{
    const AnimateSection &a = m_section;
    const InRandAnimation &in = a.inRand;
    UseInRand->setChecked(a.inRandOn);
    UseAfterRand->setChecked(a.afterRandOn);
    UseBoxRecord->setChecked(a.boxRecordOn);

    HideGoRandButton->setChecked(in.hideGoRandButton);
    IntervalValue->setText(QString::number(in.intervalValue));
    SelectUnit(IntervalUnit, in.intervalUnit);
    const StopSet &stop = in.stopSet;
    StopByTimes->setChecked(stop.type == kStopTimes);
    StopByShortCut->setChecked(stop.type == kStopShortCut);
    StopByButton->setChecked(stop.type == kStopButton);
    StopTimesValue->setText(QString::number(stop.times));
    StopTimesVisible->setChecked(stop.timesVisible);
    StopShortCutValue->setCurrentIndex(std::max(0, int(StopShortCutValue->findText(stop.shortCut))));
    StopUseRandButton->setChecked(stop.buttonType != kExtraButton);
    StopUseExtraButton->setChecked(stop.buttonType == kExtraButton);
    UseBgMusic->setChecked(in.music.enabled);
    BgMusicPath->setText(in.music.path);
    UseAfterMusic->setChecked(a.afterRandMusic.enabled);
    AfterMusicPath->setText(a.afterRandMusic.path);

    // A picture project shows its frames in the picture box and has no result or record
    // box to colour: those settings stay as stored, covered by the "not needed" panels.
    NeedNoBox->setVisible(m_pictureProject);
    NeedNoBox2->setVisible(m_pictureProject);
    if (m_pictureProject) {
        NeedNoBox->raise();
        NeedNoBox2->raise();
    }
    HideRandRecord->setChecked(in.hideRandRecord);
    RandUseRandBox->setChecked(in.randVisibleType != kExtraScreen);
    RandUseExtraScreen->setChecked(in.randVisibleType == kExtraScreen);

    BoxRecordAnimation &cycles = m_section.boxRecord;
    CIntervalValue->setText(QString::number(cycles.intervalValue));
    SelectUnit(CIntervalUnit, cycles.intervalUnit);
    UseRandBox->setChecked(cycles.randBox.useFontColour || cycles.randBox.useBgColour);
    UseRBFontColor->setChecked(cycles.randBox.useFontColour);
    UseRBBgColor->setChecked(cycles.randBox.useBgColour);
    UseRandRecord->setChecked(cycles.randRecord.useFontColour || cycles.randRecord.useBgColour);
    UseRRFontColor->setChecked(cycles.randRecord.useFontColour);
    UseRRBgColor->setChecked(cycles.randRecord.useBgColour);
    for (QVector<Rgb> *list : {&cycles.randBox.fontColours, &cycles.randBox.bgColours, &cycles.randRecord.fontColours,
                               &cycles.randRecord.bgColours})
        KeepListUsable(*list);
    ShowCycleList(CycleList::RandBoxFont);
    UpdateEnabling();
}

QVector<Rgb> &TAnimateForm::CycleColours(CycleList list)
{
    BoxRecordAnimation &cycles = m_section.boxRecord;
    switch (list) {
    case CycleList::RandBoxBg:
        return cycles.randBox.bgColours;
    case CycleList::RandRecordFont:
        return cycles.randRecord.fontColours;
    case CycleList::RandRecordBg:
        return cycles.randRecord.bgColours;
    case CycleList::RandBoxFont:
        break;
    }
    return cycles.randBox.fontColours;
}

void TAnimateForm::ShowCycleList(CycleList list)
{
    ColorSet->Edit(&CycleColours(list));
    for (int i = 0; i < m_listLinks.size(); ++i)
        SetLinkBold(m_listLinks[i], i == int(list));
}

void TAnimateForm::UpdateEnabling()
{
    PageLists->setTabVisible(0, UseInRand->isChecked());
    PageLists->setTabVisible(1, UseAfterRand->isChecked());
    PageLists->setTabVisible(2, UseBoxRecord->isChecked());
    PageLists->setVisible(UseInRand->isChecked() || UseAfterRand->isChecked() || UseBoxRecord->isChecked());

    StopShortCutValue->setEnabled(StopByShortCut->isChecked());
    for (QWidget *control : std::initializer_list<QWidget *>{StopTimesValue, StopTimesVisible, StopTimesSetFont})
        control->setEnabled(StopByTimes->isChecked());
    StopUseRandButton->setEnabled(StopByButton->isChecked());
    StopUseExtraButton->setEnabled(StopByButton->isChecked());
    StopExtraButtonSet->setEnabled(StopByButton->isChecked() && StopUseExtraButton->isChecked());
    RandExtraScreenSet->setEnabled(RandUseExtraScreen->isChecked());
    BgMusicPath->setEnabled(UseBgMusic->isChecked());
    BgMusicLoad->setEnabled(UseBgMusic->isChecked());
    AfterMusicPath->setEnabled(UseAfterMusic->isChecked());
    AfterMusicLoad->setEnabled(UseAfterMusic->isChecked());

    const bool box = UseRandBox->isChecked();
    UseRBFontColor->setEnabled(box);
    UseRBBgColor->setEnabled(box);
    SetRBFontColor->setEnabled(box && UseRBFontColor->isChecked());
    SetRBBgColor->setEnabled(box && UseRBBgColor->isChecked());
    const bool record = UseRandRecord->isChecked();
    UseRRFontColor->setEnabled(record);
    UseRRBgColor->setEnabled(record);
    SetRRFontColor->setEnabled(record && UseRRFontColor->isChecked());
    SetRRBgColor->setEnabled(record && UseRRBgColor->isChecked());
}

void TAnimateForm::StopTimesSetFontClick()
{
    FontSpec &font = m_section.inRand.stopSet.timesFont;
    if (const std::optional<FontSpec> chosen = ChooseFontSpec(this, font))
        font = *chosen;
}

void TAnimateForm::ChooseMusic(QLineEdit *path)
{
    const QString file = QFileDialog::getOpenFileName(this, tr("选择音乐"), path->text(),
                                                      TMusicSetForm::MusicFilter());
    if (!file.isEmpty())
        path->setText(file);
}

QString TAnimateForm::SaveRefusal() const
{
    const bool inRand = UseInRand->isChecked();
    // Each check looks only at what the save writes: a part switched off keeps its old
    // content in the file and is not used by the drawing window.
    if (inRand && StopByShortCut->isChecked() && m_drawKeyEnabled && StopShortCutValue->currentText() == m_drawKey)
        return tr("终止快捷键与生成随机数快捷键相冲突，请重新设置终止快捷键！");
    if ((inRand && UseBgMusic->isChecked() && BgMusicPath->text().isEmpty())
        || (UseAfterRand->isChecked() && UseAfterMusic->isChecked() && AfterMusicPath->text().isEmpty()))
        return tr("背景音乐地址不能为空！");
    if (inRand && HideGoRandButton->isChecked() && StopByButton->isChecked() && StopUseRandButton->isChecked())
        return tr("若使用生成随机数按钮作为终止随机数的按钮，则不能隐藏生成随机数按钮！");
    return {};
}

QString TAnimateForm::CollectSection(AnimateSection &a) const
{
    const QString missingNumber = tr("动画间隔和终止次数必须是大于零的整数！");
    a.inRandOn = UseInRand->isChecked();
    a.afterRandOn = UseAfterRand->isChecked();
    a.boxRecordOn = UseBoxRecord->isChecked();
    if (a.inRandOn) {
        InRandAnimation &in = a.inRand;
        in.hideGoRandButton = HideGoRandButton->isChecked();
        if ((in.intervalValue = PositiveNumber(IntervalValue)) == 0)
            return missingNumber;
        in.intervalUnit = IntervalUnit->currentData().toString();
        if (const QString tooLong = IntervalTooLong(in.intervalValue, in.intervalUnit); !tooLong.isEmpty())
            return tooLong;
        if (!m_pictureProject) {
            in.hideRandRecord = HideRandRecord->isChecked();
            in.randVisibleType = RandUseExtraScreen->isChecked() ? kExtraScreen : kRandBox;
        }
        StopSet &stop = in.stopSet;
        stop.type = StopByTimes->isChecked() ? kStopTimes : StopByShortCut->isChecked() ? kStopShortCut : kStopButton;
        if (stop.type == kStopTimes) {
            if ((stop.times = PositiveNumber(StopTimesValue)) == 0)
                return missingNumber;
            stop.timesVisible = StopTimesVisible->isChecked();
        }
        stop.shortCut = StopShortCutValue->currentText();
        stop.buttonType = StopUseExtraButton->isChecked() ? kExtraButton : kRandButton;
        in.music = MusicSwitch{UseBgMusic->isChecked(), BgMusicPath->text()};
    }
    if (a.afterRandOn)
        a.afterRandMusic = MusicSwitch{UseAfterMusic->isChecked(), AfterMusicPath->text()};
    if (a.boxRecordOn && !m_pictureProject) {
        BoxRecordAnimation &cycles = a.boxRecord;
        if ((cycles.intervalValue = PositiveNumber(CIntervalValue)) == 0)
            return missingNumber;
        cycles.intervalUnit = CIntervalUnit->currentData().toString();
        if (const QString tooLong = IntervalTooLong(cycles.intervalValue, cycles.intervalUnit); !tooLong.isEmpty())
            return tooLong;
        cycles.randBox.useFontColour = UseRandBox->isChecked() && UseRBFontColor->isChecked();
        cycles.randBox.useBgColour = UseRandBox->isChecked() && UseRBBgColor->isChecked();
        cycles.randRecord.useFontColour = UseRandRecord->isChecked() && UseRRFontColor->isChecked();
        cycles.randRecord.useBgColour = UseRandRecord->isChecked() && UseRRBgColor->isChecked();
    }
    return {};
}

bool TAnimateForm::BSaveClick()
{
    QString refusal = SaveRefusal();
    AnimateSection section = m_section;
    if (refusal.isEmpty())
        refusal = CollectSection(section);
    if (!refusal.isEmpty()) {
        ShowError(this, tr("参数有误"), refusal);
        return false;
    }
    try {
        const QString path = ProjectFilePath(m_projectName);
        QDomDocument document = LoadEncodedDocument(path);
        WriteAnimateSection(document, section);
        SaveEncodedDocument(document, path);
    } catch (const SuiteError &error) {
        ShowError(this, tr("保存失败"), error.message());
        return false;
    }
    m_section = section;
    WarnOfHiddenStopButton();
    close();
    return true;
}

// Saved all the same: the drawing window falls back to the draw button and the stop key.
void TAnimateForm::WarnOfHiddenStopButton()
{
    if (const QString warning = StopButtonWarning(m_section, m_windowSize); !warning.isEmpty())
        ShowWarning(this, HiddenStopButtonCaption(), warning);
}

void TAnimateForm::done(int result)
{
    for (QWidget *designer : std::initializer_list<QWidget *>{ExtraScreenForm, ExtraButtonForm})
        if (designer->isVisible())
            designer->close();
    ColorSet->Clear();
    for (QPushButton *link : m_listLinks)
        SetLinkBold(link, false);
    QDialog::done(result);
    emit Closed();
}

void TAnimateForm::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawImage(0, 0, m_background);
}
