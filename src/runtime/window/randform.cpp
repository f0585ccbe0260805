#include "randform.h"

#include "apppaths.h"
#include "codec.h"
#include "encodedxml.h"
#include "escreenform.h"
#include "guarded.h"
#include "handoff.h"
#include "highcontrast.h"
#include "launcher.h"
#include "messages.h"
#include "musicchannel.h"
#include "pwdform.h"
#include "querysection.h"
#include "readablecolours.h"
#include "randengine.h"
#include "stopbuttonplace.h"
#include "timesform.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QFileInfo>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QScreen>
#include <QStyle>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QToolButton>

namespace {

const QString kPlaceholder = QStringLiteral("#随机数#");
const QString kStopByShortCut = QStringLiteral("ShortCut");
const QString kStopByTimes = QStringLiteral("Times");
const QString kStopByButton = QStringLiteral("Button");
const QString kRandButton = QStringLiteral("RandButton");

// Captions of the draw button when the project names none.
QString StopCaption()
{
    return QCoreApplication::translate("TRandForm", "停止");
}

QString DefaultDrawCaption()
{
    return QCoreApplication::translate("TRandForm", "生成随机数");
}

QTimer *NewTimer(QObject *parent, const QString &name, int interval, bool singleShot)
{
    auto *timer = new QTimer(parent);
    timer->setObjectName(name);
    timer->setInterval(interval);
    timer->setSingleShot(singleShot);
    return timer;
}

QAction *NewAction(QObject *parent, const QString &name, const QString &caption)
{
    auto *action = new QAction(caption, parent);
    action->setObjectName(name);
    return action;
}

QLabel *NewTextLabel(QWidget *parent, const QString &name, QLabel *label = nullptr)
{
    if (!label)
        label = new QLabel(parent);
    label->setObjectName(name);
    // Results and captions are shown as typed, never interpreted as markup.
    label->setTextFormat(Qt::PlainText);
    return label;
}

// A record label reads from the top while its text fits; once the record grows past
// the label's height the newest lines stay in view and the oldest go out at the top
// (a label cannot scroll).
class RecordLabel : public QLabel
{
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent *event) override
    {
        const QRect area = contentsRect();
        if (heightForWidth(width()) <= height()) {
            QLabel::paintEvent(event);
            return;
        }
        // The whole text laid out as the label would, its end lined up with the bottom.
        const int flags = int(alignment() & Qt::AlignHorizontal_Mask) | Qt::AlignTop | Qt::TextWordWrap;
        const int textHeight = fontMetrics().boundingRect(QRect(0, 0, area.width(), 1 << 24), flags, text()).height();
        QPainter painter(this);
        painter.setClipRect(area);
        style()->drawItemText(&painter, QRect(area.left(), area.bottom() + 1 - textHeight, area.width(), textHeight),
                              flags, palette(), isEnabled(), text(), foregroundRole());
    }
};

// The project name becomes a file name: a name that could leave the project folder is
// no project.
bool IsUsableProjectName(const QString &name)
{
    return !name.isEmpty() && !name.contains('/') && !name.contains('\\') && name != "." && name != "..";
}

QVector<QColor> ToQColors(const QVector<Rgb> &colours)
{
    QVector<QColor> result;
    for (const Rgb &colour : colours)
        result.append(ToQColor(colour));
    return result;
}

// The picture's caption in one of the three name formats.
QString PictureCaption(const QString &path, const QString &nameFormat)
{
    const QString fileName = QFileInfo(path).fileName();
    if (nameFormat == QStringLiteral("图片名称+扩展名"))
        return fileName;
    if (nameFormat == QStringLiteral("仅图片名称"))
        return fileName.section('.', 0, 0);
    return path;
}

// Window sizes a screen can show; anything else is a damaged project, refused before a
// window of that size is built.
constexpr int kMaxWindowSide = 10000;

void CheckWindowSize(const QString &what, int width, int height)
{
    if (width < 1 || height < 1 || width > kMaxWindowSide || height > kMaxWindowSide)
        throw SuiteError(QCoreApplication::translate("TRandForm", "%1的大小（宽%2，高%3）不在1到%4像素之间。")
                             .arg(what).arg(width).arg(height).arg(kMaxWindowSide));
}

// A picture as the picture box shows it: stretched pictures scaled to the box (keeping
// their proportions), others cut to the part the box can show (its centre or its top
// left). Decoding reads only what is needed; safe on any thread.
QImage LoadBoxPicture(const QString &path, const QSize &box, bool stretch, bool centre)
{
    QImageReader reader(path);
    reader.setAutoTransform(true);
    if (stretch && reader.size().isValid() && !box.isEmpty())
        reader.setScaledSize(reader.size().scaled(box, Qt::KeepAspectRatio));
    QImage image = reader.read();
    if (image.isNull() || stretch || box.isEmpty())
        return image;
    const QSize visible = image.size().boundedTo(box);
    const QPoint origin = centre ? QPoint((image.width() - visible.width()) / 2, (image.height() - visible.height()) / 2)
                                 : QPoint(0, 0);
    return visible == image.size() ? image : image.copy(QRect(origin, visible));
}

int CacheCostKb(const QPixmap &picture)
{
    return qMax(1, int(qint64(picture.width()) * picture.height() * 4 / 1024));
}

// An animation must have a way to stop: a stop type and key this window understands.
void CheckStopSettings(const StopSet &stop)
{
    if (stop.type != kStopByShortCut && stop.type != kStopByTimes && stop.type != kStopByButton)
        throw SuiteError(QCoreApplication::translate("TRandForm", "停止动画的方式“%1”无法识别，动画将无法停止。").arg(stop.type));
    if (stop.type == kStopByShortCut && QKeySequence(stop.shortCut).isEmpty())
        throw SuiteError(QCoreApplication::translate("TRandForm", "停止动画的快捷键“%1”无法识别，动画将无法停止。").arg(stop.shortCut));
}

// A window placed at its designed position but kept on the screen: a project designed
// on a larger screen must not open out of sight (on a classroom projector, say).
void KeepOnScreen(QWidget *window)
{
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const QRect outer = window->frameGeometry();
    const int left = qMax(screen.left(), qMin(outer.left(), screen.right() + 1 - outer.width()));
    const int top = qMax(screen.top(), qMin(outer.top(), screen.bottom() + 1 - outer.height()));
    if (left != outer.left() || top != outer.top())
        window->move(window->pos() + QPoint(left - outer.left(), top - outer.top()));
}

int CycleIntervalMs(int value, const QString &unit)
{
    return qMax(1, IntervalMilliseconds(value, unit));
}

} // namespace

TRandForm::TRandForm(QWidget *parent, RandomSources sources)
    : QWidget(parent), m_question(this), m_session(new DrawSession(std::move(sources), this))
{
    setObjectName("TRandForm");
    m_pictureCache.setMaxCost(96 * 1024); // kilobytes of decoded pictures kept

    TitleLabel = NewTextLabel(this, "TitleLabel");

    ShortCutLabel = new QMenu(this);
    ShortCutLabel->setObjectName("ShortCutLabel");
    Menu_Go = NewAction(this, "Menu_Go", DefaultDrawCaption());
    Menu_Stop = NewAction(this, "Menu_Stop", tr("终止生成"));
    Menu_Stop->setEnabled(false);
    ShortCutLabel->addAction(Menu_Go);
    ShortCutLabel->addAction(Menu_Stop);
    Menu_QuickDraw = NewAction(this, "Menu_QuickDraw", tr("悬浮抽取"));
    ShortCutLabel->addAction(Menu_QuickDraw);
    connect(Menu_QuickDraw, &QAction::triggered, this, [this] {
        StartSuiteProgram(ProgramRuntime, QString(), {QStringLiteral("--float"), QStringLiteral("--project"), m_projectName});
    });
    addAction(Menu_Go); // so their keys work while the window has the focus
    addAction(Menu_Stop);
    connect(Menu_Go, &QAction::triggered, this, &TRandForm::GoRandButtonClick);
    connect(Menu_Stop, &QAction::triggered, this, &TRandForm::StopDraw);

    PlayMusic = NewTimer(this, "PlayMusic", 10, true);
    PlayBgMusic = NewTimer(this, "PlayBgMusic", 10, true);
    PicChangeTimer = NewTimer(this, "PicChangeTimer", 100, false);
    RBColorTimer = NewTimer(this, "RBColorTimer", 100, false);
    connect(PlayMusic, &QTimer::timeout, this, &TRandForm::PlayMusicTimer);
    connect(PlayBgMusic, &QTimer::timeout, this, &TRandForm::PlayBgMusicTimer);
    connect(PicChangeTimer, &QTimer::timeout, this, &TRandForm::PicChangeTimerTimer);
    connect(RBColorTimer, &QTimer::timeout, this, &TRandForm::RBColorTimerTimer);

    MusicPlayer = new MusicChannel("MusicPlayer", this);
    BgMusicPlayer = new MusicChannel("BgMusicPlayer", this);
    // The background music resumes once the after-draw music is over (or cannot play).
    connect(MusicPlayer, &MusicChannel::Ended, this, [this] {
        if (!InDraw())
            PlayBgMusic->start();
    });
    connect(MusicPlayer, &MusicChannel::Failed, this, [this] {
        if (!InDraw())
            PlayBgMusic->start();
    });
    // Background music goes on: the same file again, or another one of a random list.
    connect(BgMusicPlayer, &MusicChannel::Ended, this, [this] {
        if (!MusicPlayer->IsPlaying())
            PlayBgMusic->start();
    });

    TrayMenu = new QMenu(this);
    TrayMenu->setObjectName("TrayMenu");
    Tray_Show = NewAction(this, "Tray_Show", tr("显示"));
    Tray_Hide = NewAction(this, "Tray_Hide", tr("隐藏"));
    TrayMenu->addAction(Tray_Show);
    TrayMenu->addAction(Tray_Hide);
    connect(Tray_Show, &QAction::triggered, this, [this] {
        show();
        raise();
        activateWindow();
    });
    connect(Tray_Hide, &QAction::triggered, this, &QWidget::hide);
    RandTray = new QSystemTrayIcon(this);
    RandTray->setObjectName("RandTray");
    RandTray->setContextMenu(TrayMenu);
    connect(RandTray, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        if (reason == QSystemTrayIcon::Trigger)
            RandTrayClick();
    });

    m_session->SetResetQuestion(
        [this](const QString &caption, const QString &text) { return m_question.AskReset(caption, text); });
    connect(m_session, &DrawSession::StateChanged, this, &TRandForm::ShowDrawState);
    connect(m_session, &DrawSession::FrameShown, this, &TRandForm::ShowFrame);
    connect(m_session, &DrawSession::BatchFinal, this, &TRandForm::ShowRandClick);
    connect(m_session, &DrawSession::Refused, this, &TRandForm::ShowDrawRefusal);
}

TRandForm::~TRandForm()
{
    m_cancelPreload = true;
    m_pictureLoader.waitForDone();
}

// ---- start-up ----------------------------------------------------------------

TRandForm::StartupOutcome TRandForm::EndStartup()
{
    emit EndApplication();
    return StartupOutcome::Ended;
}

TRandForm::StartupOutcome TRandForm::FormShow(const QString &projectName)
{
    // The engine draws from its own OS-seeded sources (created with it), so nothing is
    // seeded here from the clock.
    // Until the window shows, its messages have no parent: they then stand in the middle
    // of the screen, not at the corner where the hidden window would be.
    if (!IsCodecBound() && !BindCodec()) {
        ShowError(nullptr, tr("工程无法打开"), CodecBindError());
        return EndStartup();
    }

    Guarded(nullptr, [this] { m_soft = ReadSoftSettings(); });
    if (const auto separator = RandSpliterCharacters(m_soft.randSpliter))
        m_separator = *separator;

    m_projectName = projectName;
    if (m_projectName.isEmpty()) {
        EditProjectHandOff handOff;
        Guarded(nullptr, [&handOff] { handOff = ReadEditProject(); });
        m_projectName = handOff.name;
    }
    m_projectPath = IsUsableProjectName(m_projectName) ? ProjectFilePath(m_projectName) : QString();
    if (m_projectPath.isEmpty() || !QFileInfo(m_projectPath).isFile()) {
        ShowError(nullptr, tr("默认工程不存在"), tr("您设定的默认工程已不存在，请您使用Varnel打开您需要的工程！"));
        return EndStartup();
    }

    try {
        LoadProject();
    } catch (const SuiteError &error) {
        ShowError(nullptr, tr("工程无法打开"),
                  tr("工程“%1”无法打开：%2\n请从备份中恢复该工程文件，或重新创建该工程。").arg(m_projectName, error.message()));
        return EndStartup();
    }

    // A query the engine refuses is reported when a draw is asked for: the window opens.
    m_session->Open(SessionProject());

    if (m_header.accessByPwd) {
        AskAccessPassword();
        return StartupOutcome::AwaitingPassword;
    }
    ShowMainWindow();
    PlayBgMusic->start();
    return StartupOutcome::Shown;
}

void TRandForm::LoadProject()
{
    const QDomDocument document = LoadEncodedDocument(m_projectPath);
    // Read everything before anything is shown, so a malformed project changes nothing.
    m_pictureProject = IsPictureProject(document);
    m_form = ReadFormSection(document, m_pictureProject);
    if (HighContrastOn())
        MakeFormHighContrast(m_form, m_pictureProject);
    m_animate = ReadAnimateSection(document);
    if (HighContrastOn())
        MakeExtraScreenHighContrast(m_animate.inRand.extraScreen);
    const QuerySection query = ReadQuerySection(document);
    m_pmode = query.pmode;
    m_query = query.params;
    m_header = ReadProjectHeader(document);
    m_recordSettings = ReadRecordSettings(document);
    m_speech = ReadSpeechSettings(document);
    CheckWindowSize(tr("抽取窗口"), m_form.window.width, m_form.window.height);
    if (m_animate.inRandOn)
        CheckStopSettings(m_animate.inRand.stopSet);
    if (m_animate.inRandOn && m_animate.inRand.randVisibleType == QStringLiteral("ExtraScreen")) {
        const ExtraScreen &screen = m_animate.inRand.extraScreen;
        CheckWindowSize(tr("随机数动画框"), screen.width, screen.height);
    }

    ApplyForm();
    if (m_pictureProject)
        ApplyPicture();
    ApplyResultBox();
    ApplyRecordBox();
    ApplyButtonAndKeys();
    ApplyRemarks();
    ApplyAnimate();
}

void TRandForm::ApplyForm()
{
    const FormWindow &window = m_form.window;
    // Objects sit at designed positions: the window keeps its designed size.
    setFixedSize(window.width, window.height);
    if (window.align != kFormCentred)
        move(window.left, window.top);

    TitleLabel->setText(m_form.title.caption);
    ApplyFont(TitleLabel, m_form.title.font);
    PlaceWidget(TitleLabel, m_form.title.position, window.width);
    TitleLabel->setAlignment(LabelAlignment(m_form.title.position.align));
    setWindowTitle(m_form.title.caption);

    m_background.SetFill(m_form.background.fill);
    const WindowBackground &background = m_form.background;
    if (background.musicType == QStringLiteral("Path") || background.musicType == QStringLiteral("Rand"))
        m_bgMusic = background.musicPaths;
}

void TRandForm::ApplyPicture()
{
    const PictureBox &box = m_form.picture;
    RandPic = new QLabel(this);
    RandPic->setObjectName("RandPic");
    RandPic->setGeometry(box.position.left, box.position.top, box.position.width, box.position.height);
    RandPic->setAlignment(box.centre ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignTop);
    bool ok = false;
    const int interval = box.interval.trimmed().toInt(&ok);
    if (ok && interval > 0)
        PicChangeTimer->setInterval(interval);

    const int listIndex = QueryParamIndex(5, QStringLiteral("ImgList"));
    if (m_pmode == 5 && listIndex > 0 && listIndex < m_query.size()) {
        QStringList paths;
        for (const QString &path : m_query.at(listIndex).split('|', Qt::SkipEmptyParts))
            paths << FromAppPath(path);
        PreloadPictures(paths);
    }

    const PictureNameLine &name = m_form.pictureName;
    PicNameLabel = NewTextLabel(this, "PicNameLabel");
    ApplyFont(PicNameLabel, name.font);
    PlaceWidget(PicNameLabel, name.position, width());
    PicNameLabel->setAlignment(LabelAlignment(name.position.align));
    PicNameLabel->setVisible(name.visible);
}

void TRandForm::ApplyResultBox()
{
    const ResultBox &box = m_form.randBox;
    if (!box.enabled)
        return;
    if (box.type == QStringLiteral("Edit")) {
        RandBoxEdit = new QLineEdit(this);
        RandBoxEdit->setObjectName("RandBoxEdit");
        RandBoxEdit->setReadOnly(box.readOnly);
        // Large result text would otherwise touch the box's frame.
        RandBoxEdit->setTextMargins(6, 0, 6, 0);
        // A right click on the result offers the window's draw menu, not the toolkit's
        // untranslated editing menu.
        RandBoxEdit->setContextMenuPolicy(Qt::NoContextMenu);
        RandBoxEdit->setAccessibleName(tr("抽取结果"));
        ApplyFont(RandBoxEdit, box.font);
        SetBaseColour(RandBoxEdit, ToQColor(box.colour));
        PlaceWidget(RandBoxEdit, box.position, width());
    } else {
        RandBoxLabel = NewTextLabel(this, "RandBoxLabel");
        RandBoxLabel->setWordWrap(true);
        ApplyFont(RandBoxLabel, box.font);
        PlaceWidget(RandBoxLabel, box.position, width());
        RandBoxLabel->setAlignment(LabelAlignment(box.position.align));
        RandBoxLabel->setAccessibleName(tr("抽取结果"));
    }
}

void TRandForm::ApplyRecordBox()
{
    const ResultBox &box = m_form.randRecord;
    if (!box.enabled)
        return;
    if (box.type == QStringLiteral("Memo")) {
        RandRecordMemo = new QPlainTextEdit(this);
        RandRecordMemo->setObjectName("RandRecordMemo");
        RandRecordMemo->setReadOnly(box.readOnly);
        RandRecordMemo->setAccessibleName(tr("抽取记录"));
        ApplyFont(RandRecordMemo, box.font);
        SetBaseColour(RandRecordMemo, ToQColor(box.colour));
        PlaceWidget(RandRecordMemo, box.position, width());
    } else {
        RandRecordLabel = NewTextLabel(this, "RandRecordLabel", new RecordLabel(this));
        RandRecordLabel->setWordWrap(true);
        RandRecordLabel->setAccessibleName(tr("抽取记录"));
        ApplyFont(RandRecordLabel, box.font);
        PlaceWidget(RandRecordLabel, box.position, width());
        RandRecordLabel->setAlignment((LabelAlignment(box.position.align) & Qt::AlignHorizontal_Mask) | Qt::AlignTop);
    }
}

void TRandForm::ApplyButtonAndKeys()
{
    const DrawButton &button = m_form.goRandButton;
    if (button.enabled) {
        m_drawButtonCaption = button.caption.isEmpty() ? DefaultDrawCaption() : button.caption;
        GoRandButton = new QPushButton(m_drawButtonCaption, this);
        GoRandButton->setObjectName("GoRandButton");
        ApplyFont(GoRandButton, button.font);
        PlaceWidget(GoRandButton, button.position, width());
        connect(GoRandButton, &QPushButton::clicked, this, &TRandForm::GoRandButtonClick);
    }
    if (m_form.goRandShortCut.enabled)
        Menu_Go->setShortcut(QKeySequence(m_form.goRandShortCut.shortCut));
}

void TRandForm::ApplyRemarks()
{
    for (int i = 0; i < m_form.remarks.size(); ++i) {
        const RemarkLabel &remark = m_form.remarks.at(i);
        QLabel *label = NewTextLabel(this, QStringLiteral("Remark%1").arg(i + 1));
        label->setText(remark.caption);
        label->setWordWrap(true);
        ApplyFont(label, remark.font);
        label->setGeometry(remark.position.left, remark.position.top, remark.position.width, remark.position.height);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        // A remark is text over the window: a click on it goes to what lies below (a
        // remark over the draw button must not leave part of the button dead).
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
}

void TRandForm::ApplyAnimate()
{
    const InRandAnimation &inRand = m_animate.inRand;
    if (m_animate.inRandOn) {
        if (inRand.randVisibleType == QStringLiteral("ExtraScreen") && IsTextProject()) {
            EScreen = new TEScreenForm(this);
            EScreen->ApplySettings(inRand.extraScreen);
            EScreen->SetResultSeparator(m_separator);
            connect(EScreen, &TEScreenForm::StopRequested, this, &TRandForm::StopDraw);
        }
        const StopSet &stop = inRand.stopSet;
        if (stop.type == kStopByShortCut) {
            Menu_Stop->setShortcut(QKeySequence(stop.shortCut));
            if (EScreen)
                EScreen->SetStopShortcut(QKeySequence(stop.shortCut));
        } else if (stop.type == kStopByTimes && stop.timesVisible) {
            TimesForm = new TTimesForm(this);
            TimesForm->SetCountFont(ToQFont(stop.timesFont), ToQColor(stop.timesFont.colour));
        } else if (stop.type == kStopByButton && stop.buttonType != kRandButton) {
            CreateExtraStopButton(stop.extraButton);
        }
        if (inRand.music.enabled)
            m_inDrawMusic = inRand.music.path;
    }
    if (m_animate.afterRandOn && m_animate.afterRandMusic.enabled)
        m_afterDrawMusic = m_animate.afterRandMusic.path;

    if (m_animate.boxRecordOn && IsTextProject()) {
        const BoxRecordAnimation &cycles = m_animate.boxRecord;
        if (cycles.randBox.useFontColour)
            m_boxFontCycle.colours = ToQColors(cycles.randBox.fontColours);
        if (cycles.randBox.useBgColour)
            m_boxBgCycle.colours = ToQColors(cycles.randBox.bgColours);
        if (cycles.randRecord.useFontColour)
            m_recordFontCycle.colours = ToQColors(cycles.randRecord.fontColours);
        if (cycles.randRecord.useBgColour)
            m_recordBgCycle.colours = ToQColors(cycles.randRecord.bgColours);
        RBColorTimer->setInterval(CycleIntervalMs(cycles.intervalValue, cycles.intervalUnit));
        RBColorTimer->start();
    }
}

void TRandForm::CreateExtraStopButton(const ExtraButton &button)
{
    const QPixmap picture(button.imagePath);
    const QString text = button.text.isEmpty() ? StopCaption() : button.text;
    if (button.type == QStringLiteral("TextButton")) {
        auto *pushButton = new QPushButton(text, this);
        ApplyFont(pushButton, button.font);
        ExtraStopButton = pushButton;
    } else {
        auto *toolButton = new QToolButton(this);
        toolButton->setAutoRaise(true);
        const bool speedButton = button.type == QStringLiteral("SpeedButton");
        if (!picture.isNull()) {
            toolButton->setIcon(QIcon(picture));
            toolButton->setIconSize(speedButton ? picture.size().boundedTo(QSize(button.height, button.height))
                                                : QSize(button.width, button.height));
        }
        // A stop button must stay visible and usable when its picture is missing.
        if (speedButton || picture.isNull()) {
            toolButton->setText(text);
            ApplyFont(toolButton, button.font);
            toolButton->setToolButtonStyle(picture.isNull() ? Qt::ToolButtonTextOnly : Qt::ToolButtonTextBesideIcon);
        } else {
            toolButton->setToolButtonStyle(Qt::ToolButtonIconOnly);
        }
        ExtraStopButton = toolButton;
    }
    ExtraStopButton->setObjectName(button.type);
    ExtraStopButton->setGeometry(button.positionX, button.positionY, button.width, button.height);
    ExtraStopButton->hide();
    connect(ExtraStopButton, &QAbstractButton::clicked, this, &TRandForm::StopDraw);
}

void TRandForm::ShowMainWindow()
{
    show();
    if (m_form.window.align == kFormCentred)
        CentreOnScreen(this);
    else
        KeepOnScreen(this);
    // The draw key works at once, without a click into the window first.
    raise();
    activateWindow();
    if (QSystemTrayIcon::isSystemTrayAvailable()) {
        RandTray->setIcon(windowIcon().isNull() ? style()->standardIcon(QStyle::SP_DesktopIcon) : windowIcon());
        RandTray->setToolTip(windowTitle());
        RandTray->show();
    }
}

void TRandForm::AskAccessPassword()
{
    PwdForm = new TPwdForm(this);
    PwdForm->setWindowModality(Qt::ApplicationModal);
    PwdForm->PwdLabel->setText(tr("当前工程已加密，请输入访问密码："));
    PwdForm->Pwd->clear();
    connect(PwdForm, &TPwdForm::OkClicked, this, &TRandForm::GetPwd);
    connect(PwdForm, &QDialog::rejected, this, &TRandForm::RandExit);
    PwdForm->show();
    // Its parent, the main window, is not shown yet: the dialog goes where the window will.
    CentreOnScreen(PwdForm);
    PwdForm->activateWindow();
}

void TRandForm::GetPwd()
{
    if (PwdForm->Pwd->text() != m_header.accessPwd) {
        ShowError(PwdForm, tr("密码错误"), tr("您输入的密码有误，请重新输入！"));
        return;
    }
    PwdForm->disconnect(this);
    PwdForm->accept();
    PwdForm->deleteLater();
    PwdForm = nullptr;
    ShowMainWindow();
    PlayBgMusic->start();
}

void TRandForm::RandExit()
{
    emit EndApplication();
}

// ---- the draw cycle: run by the session, shown here ---------------------------------

DrawProject TRandForm::SessionProject() const
{
    DrawProject project;
    project.name = m_projectName;
    project.pmode = m_pmode;
    project.query = m_query;
    const InRandAnimation &inRand = m_animate.inRand;
    project.animation.enabled = m_animate.inRandOn;
    project.animation.frameIntervalMs = CycleIntervalMs(inRand.intervalValue, inRand.intervalUnit);
    // A count below one still stops the draw, after its first frame.
    if (inRand.stopSet.type == kStopByTimes)
        project.animation.stopAfterFrames = qMax(1, inRand.stopSet.times);
    project.listAutoRestore = m_soft.listAutoRestore;
    project.pictureNameSetting = m_form.pictureName.type;
    project.resultSeparator = m_separator;
    return project;
}

bool TRandForm::StopsByDrawButton() const
{
    const StopSet &stop = m_animate.inRand.stopSet;
    return stop.type == kStopByButton && stop.buttonType == kRandButton;
}

void TRandForm::GoRandButtonClick()
{
    if (!InDraw())
        m_session->Start();
    else if (StopsByDrawButton() || m_stopFallback)
        m_session->Stop();
}

void TRandForm::StopDraw()
{
    m_session->Stop();
}

void TRandForm::ShowDrawState(DrawSession::State state)
{
    if (state == DrawSession::State::Drawing)
        ShowDrawStarted();
    else
        ShowDrawEnded();
}

void TRandForm::ShowDrawStarted()
{
    const InRandAnimation &inRand = m_animate.inRand;
    const StopSet &stop = inRand.stopSet;
    if (GoRandButton)
        GoRandButton->setEnabled(false);
    if (!m_inDrawMusic.isEmpty()) {
        if (BgMusicPlayer->IsPlaying())
            BgMusicPlayer->Pause();
        MusicPlayer->Play(m_inDrawMusic);
    }

    // Without a visible draw button the draw key is the only way to stop a draw that
    // the draw button stops.
    const bool drawButtonHidden = inRand.hideGoRandButton && GoRandButton && !StopsByDrawButton();
    Menu_Go->setEnabled(StopsByDrawButton() && !GoRandButton);
    Menu_Stop->setEnabled(stop.type == kStopByShortCut);
    if (EScreen)
        EScreen->Menu_Stop->setEnabled(true);

    if (drawButtonHidden) {
        GoRandButton->hide();
        m_drawButtonHidden = true;
    }
    if (IsTextProject()) {
        if (inRand.hideRandRecord && RecordBox()) {
            RecordBox()->hide();
            m_recordHidden = true;
            update();
        }
        if (EScreen) {
            EScreen->show();
            KeepOnScreen(EScreen);
            EScreen->raise();
            m_extraScreenShown = true;
        }
    }
    PicChangeTimer->stop();

    if (stop.type == kStopByTimes) {
        if (TimesForm)
            TimesForm->ShowOver(m_extraScreenShown ? EScreen->frameGeometry() : frameGeometry(), m_session->FramesLeft());
    } else if (stop.type == kStopByButton) {
        if (StopsByDrawButton() && GoRandButton) {
            GoRandButton->setEnabled(true);
            GoRandButton->setText(StopCaption());
        } else if (ExtraStopButton && ExtraStopButtonUsable()) {
            ExtraStopButton->show();
            ExtraStopButton->raise();
        } else if (ExtraStopButton) {
            StartStopFallback();
        }
    }
}

bool TRandForm::ExtraStopButtonUsable() const
{
    QRect cover;
    if (m_extraScreenShown) {
        const QRect outer = EScreen->frameGeometry();
        cover = QRect(mapFromGlobal(outer.topLeft()), outer.size());
    }
    return ExtraStopButtonFault(ExtraStopButton->geometry(), size(), cover) == StopButtonFault::None;
}

// The designed stop button cannot be clicked (no size, outside the window, under the
// result window): the draw button stops the draw and the stop key works, named in the
// window, so a draw never runs on with no way to end it.
void TRandForm::StartStopFallback()
{
    m_stopFallback = true;
    if (GoRandButton) {
        GoRandButton->show();
        GoRandButton->raise();
        GoRandButton->setEnabled(true);
        GoRandButton->setText(StopCaption());
    }
    const StopSet &stop = m_animate.inRand.stopSet;
    QKeySequence key(stop.shortCut);
    if (key.isEmpty() || (m_form.goRandShortCut.enabled && key == QKeySequence(m_form.goRandShortCut.shortCut)))
        key = QKeySequence(Qt::Key_Escape);
    Menu_Stop->setShortcut(key);
    Menu_Stop->setEnabled(true);
    if (EScreen)
        EScreen->SetStopShortcut(key);
    if (!StopKeyLabel) {
        StopKeyLabel = NewTextLabel(this, "StopKeyLabel");
        StopKeyLabel->setStyleSheet(
            QStringLiteral("QLabel { color: white; background: rgb(30, 30, 40); padding: 4px 8px; }"));
    }
    StopKeyLabel->setText(tr("按 %1 停止生成").arg(key.toString(QKeySequence::NativeText)));
    StopKeyLabel->adjustSize();
    StopKeyLabel->move(8, height() - StopKeyLabel->height() - 8);
    StopKeyLabel->show();
    StopKeyLabel->raise();
}

void TRandForm::ShowDrawEnded()
{
    if (GoRandButton) {
        if (m_drawButtonHidden)
            GoRandButton->show();
        GoRandButton->setEnabled(true);
        GoRandButton->setText(m_drawButtonCaption);
    }
    m_drawButtonHidden = false;
    if (m_recordHidden && RecordBox()) {
        RecordBox()->show();
        update();
    }
    m_recordHidden = false;
    if (m_extraScreenShown)
        EScreen->hide();
    m_extraScreenShown = false;
    Menu_Go->setEnabled(true);
    Menu_Stop->setEnabled(false);
    if (EScreen)
        EScreen->Menu_Stop->setEnabled(false);
    if (TimesForm)
        TimesForm->hide();
    if (ExtraStopButton)
        ExtraStopButton->hide();
    if (StopKeyLabel)
        StopKeyLabel->hide();
    m_stopFallback = false;
    if (!m_inDrawMusic.isEmpty())
        MusicPlayer->Stop();
}

void TRandForm::ShowDrawRefusal(const QString &message)
{
    ShowError(this, tr("无法生成随机数"), message);
}

QString TRandForm::FormatBatch(const QStringList &results, const QString &format) const
{
    QString text;
    for (const QString &result : results) {
        QString item = format;
        text += item.replace(kPlaceholder, result);
        text += m_separator;
    }
    if (!results.isEmpty())
        text.chop(m_separator.size());
    return text;
}

void TRandForm::ShowFrame(const Batch &batch)
{
    if (m_pictureProject && !batch.picturePaths.isEmpty())
        ShowPicture(batch.picturePaths.first());
    if (m_extraScreenShown) {
        const QString &format = EScreen->UsesResultBoxFormat() ? m_form.randBox.format : m_form.randRecord.format;
        EScreen->ShowFrameText(FormatBatch(batch.results, format));
    } else if (IsTextProject()) {
        SetResultBoxText(FormatBatch(batch.results, m_form.randBox.format));
    }
    if (TimesForm && TimesForm->isVisible())
        TimesForm->SetRemaining(m_session->FramesLeft());
}

void TRandForm::ShowRandClick(const Batch &batch)
{
    if (m_pictureProject) {
        m_slides = batch.picturePaths;
        m_slideIndex = 0;
        // The drawn picture shows at once, not one slide interval later.
        if (!m_slides.isEmpty()) {
            PicChangeTimerTimer();
            PicChangeTimer->start();
        }
    }
    QString boxText;
    if (IsTextProject()) {
        boxText = FormatBatch(batch.results, m_form.randBox.format);
        SetResultBoxText(boxText);
        AppendToRecord(FormatBatch(batch.results, m_form.randRecord.format));
        emit BatchAppended();
    }
    AnnounceResult(boxText.isEmpty() ? batch.results.join(m_separator) : boxText);
    emit DrawFinished(batch.results, batch.picturePaths, boxText);
    PlayMusic->start();
}

void TRandForm::AnnounceResult(const QString &text)
{
    QWidget *box = ResultBoxWidget();
    QWidget *target = box ? box : static_cast<QWidget *>(this);
    // The result becomes the box's description. A changed description reaches screen
    // readers through the platform's bridge for every kind of box, where a value change
    // would be dropped (neither an edit box nor a label has a value); the same result
    // drawn twice is announced again.
    const bool unchanged = target->accessibleDescription() == text;
    target->setAccessibleDescription(text);
    if (unchanged) {
        QAccessibleEvent event(target, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&event);
    }
}

void TRandForm::SetResultBoxText(const QString &text)
{
    if (RandBoxEdit) {
        RandBoxEdit->setText(text);
        RandBoxEdit->setCursorPosition(0);
    } else if (RandBoxLabel) {
        RandBoxLabel->setText(text);
    }
}

void TRandForm::AppendToRecord(const QString &text)
{
    const bool newLine = m_form.randRecord.newLine;
    if (RandRecordMemo) {
        if (RandRecordMemo->document()->isEmpty()) {
            RandRecordMemo->setPlainText(text);
        } else if (newLine) {
            RandRecordMemo->appendPlainText(text);
        } else {
            QTextCursor cursor(RandRecordMemo->document());
            cursor.movePosition(QTextCursor::End);
            cursor.insertText(m_separator + text);
        }
        RandRecordMemo->moveCursor(QTextCursor::End);
        RandRecordMemo->ensureCursorVisible();
    } else if (RandRecordLabel) {
        const QString record = RandRecordLabel->text();
        if (record.isEmpty())
            RandRecordLabel->setText(text);
        else
            RandRecordLabel->setText(record + (newLine ? QStringLiteral("\n") : m_separator) + text);
    }
}

// ---- music, pictures, colours, tray -------------------------------------------------

void TRandForm::PlayMusicTimer()
{
    PlayMusic->stop();
    // Without after-draw music the background music resumes at once.
    if (m_afterDrawMusic.isEmpty() || !MusicPlayer->Play(m_afterDrawMusic))
        PlayBgMusic->start();
}

void TRandForm::PlayBgMusicTimer()
{
    PlayBgMusic->stop();
    if (m_bgMusic.isEmpty() || InDraw())
        return;
    if (BgMusicPlayer->IsPaused()) {
        BgMusicPlayer->Resume();
        return;
    }
    if (BgMusicPlayer->IsPlaying())
        return;
    const QString path = m_form.background.musicType == QStringLiteral("Rand")
                             ? m_bgMusic.at(QRandomGenerator::global()->bounded(qsizetype(m_bgMusic.size())))
                             : m_bgMusic.first();
    BgMusicPlayer->Play(path);
}

void TRandForm::PicChangeTimerTimer()
{
    if (m_slides.isEmpty()) {
        PicChangeTimer->stop();
        return;
    }
    if (m_slideIndex >= m_slides.size())
        m_slideIndex = 0;
    ShowPicture(m_slides.at(m_slideIndex));
    ++m_slideIndex;
    if (m_slideIndex >= m_slides.size())
        m_slideIndex = 0;
}

QPixmap TRandForm::PictureFor(const QString &path)
{
    if (const QPixmap *cached = m_pictureCache.object(path))
        return *cached;
    const QPixmap picture = QPixmap::fromImage(
        LoadBoxPicture(path, RandPic->size(), m_form.picture.allowStretch, m_form.picture.centre));
    // A missing file is remembered too, so an animation does not look for it every frame.
    m_pictureCache.insert(path, new QPixmap(picture), CacheCostKb(picture));
    return picture;
}

void TRandForm::PreloadPictures(const QStringList &paths)
{
    const QSize box = RandPic->size();
    const bool stretch = m_form.picture.allowStretch;
    const bool centre = m_form.picture.centre;
    // The window waits for this task before it goes, so posting to it stays safe.
    m_pictureLoader.start([this, paths, box, stretch, centre] {
        for (const QString &path : paths) {
            if (m_cancelPreload)
                return;
            const QImage image = LoadBoxPicture(path, box, stretch, centre);
            QMetaObject::invokeMethod(this, [this, path, image] {
                if (!m_pictureCache.contains(path)) {
                    const QPixmap picture = QPixmap::fromImage(image);
                    m_pictureCache.insert(path, new QPixmap(picture), CacheCostKb(picture));
                }
            }, Qt::QueuedConnection);
        }
    });
}

void TRandForm::ShowPicture(const QString &path)
{
    if (!RandPic)
        return;
    RandPic->setPixmap(PictureFor(path));
    if (PicNameLabel && m_pmode == 5)
        PicNameLabel->setText(PictureCaption(path, m_form.pictureName.type));
}

void TRandForm::RBColorTimerTimer()
{
    auto apply = [](ColourCycle &cycle, auto &&setColour) {
        if (cycle.colours.isEmpty())
            return;
        setColour(cycle.colours.at(cycle.index));
        cycle.index = (cycle.index + 1) % cycle.colours.size();
    };
    if (QWidget *box = ResultBoxWidget()) {
        apply(m_boxFontCycle, [box](const QColor &colour) { SetTextColour(box, colour); });
        if (RandBoxEdit)
            apply(m_boxBgCycle, [this](const QColor &colour) { SetBaseColour(RandBoxEdit, colour); });
    }
    if (QWidget *record = RecordBox()) {
        apply(m_recordFontCycle, [record](const QColor &colour) { SetTextColour(record, colour); });
        if (RandRecordMemo)
            apply(m_recordBgCycle, [this](const QColor &colour) { SetBaseColour(RandRecordMemo, colour); });
    }
}

void TRandForm::RandTrayClick()
{
    setVisible(!isVisible());
}

// ---- boxes for the record tools ---------------------------------------------------

QWidget *TRandForm::ResultBoxWidget() const
{
    return RandBoxEdit ? static_cast<QWidget *>(RandBoxEdit) : static_cast<QWidget *>(RandBoxLabel);
}

QWidget *TRandForm::RecordBox() const
{
    return RandRecordMemo ? static_cast<QWidget *>(RandRecordMemo) : static_cast<QWidget *>(RandRecordLabel);
}

RecordShape TRandForm::RecordBoxShape() const
{
    return RecordShape{m_separator, RandRecordLabel ? RecordBoxKind::Label : RecordBoxKind::Memo};
}

QString TRandForm::RecordText() const
{
    if (RandRecordMemo)
        return RandRecordMemo->toPlainText();
    return RandRecordLabel ? RandRecordLabel->text() : QString();
}

void TRandForm::SetRecordText(const QString &text)
{
    if (RandRecordMemo) {
        QString plain = text;
        RandRecordMemo->setPlainText(plain.replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    } else if (RandRecordLabel) {
        RandRecordLabel->setText(text);
    }
}

QString TRandForm::NumberFormat()
{
    if (m_pmode != 1)
        return QString();
    try {
        const QStringList extra = m_session->Engine().Extra();
        return extra.isEmpty() ? QString() : extra.first();
    } catch (const SuiteError &) {
        return QString(); // a refused project has drawn nothing to format
    }
}

// ---- window events ----------------------------------------------------------------

void TRandForm::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    m_background.Paint(painter, size());

    auto drawBorder = [&painter](const QRect &area, int width, const QString &colourText) {
        Rgb colour;
        try {
            colour = TextToColour(colourText);
        } catch (const SuiteError &) {
            colour = Rgb{}; // a malformed border colour in Soft.ini draws black
        }
        QPen pen(ToQColor(colour));
        pen.setWidth(qMax(1, width));
        pen.setJoinStyle(Qt::MiterJoin);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(area);
    };
    if (m_soft.randLabelBorder) {
        for (QLabel *label : {RandBoxLabel, RandRecordLabel}) {
            if (label && label->isVisible())
                drawBorder(label->geometry(), m_soft.RBorderWidthPixels(), m_soft.rBorderColor);
        }
    }
    if (m_soft.imgBorder && RandPic && RandPic->isVisible())
        drawBorder(RandPic->geometry().adjusted(-1, -1, 0, 0), m_soft.ImgBorderWidthPixels(), m_soft.imgBorderColor);
}

void TRandForm::closeEvent(QCloseEvent *event)
{
    m_session->Cancel();
    PicChangeTimer->stop();
    RBColorTimer->stop();
    emit Closing();
    MusicPlayer->Stop();
    BgMusicPlayer->Stop();
    if (EScreen)
        EScreen->hide();
    RandTray->hide();
    event->accept();
    emit Closed();
}

void TRandForm::contextMenuEvent(QContextMenuEvent *event)
{
    ShortCutLabel->popup(event->globalPos());
}
