#include "quickdrawbar.h"

#include "apppaths.h"
#include "autostart.h"
#include "barplacement.h"
#include "codec.h"
#include "drawproject.h"
#include "globalkey.h"
#include "handoff.h"
#include "historystore.h"
#include "inifile.h"
#include "launcher.h"
#include "projectcatalogue.h"
#include "projectheader.h"
#include "projectname.h"
#include "querysection.h"
#include "quickdrawresult.h"
#include "sessionhistory.h"
#include "speaker.h"
#include "suiteerror.h"

#include <QCoreApplication>
#include <QActionGroup>
#include <QContextMenuEvent>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QKeySequenceEdit>
#include <QLabel>
#include <QLinearGradient>
#include <QMenu>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QStyleHints>
#include <QSystemTrayIcon>
#include <QVBoxLayout>

namespace {

const QString kDefaultSeparator = QStringLiteral("  ");
constexpr int kSnapReach = 24;

void PaintPill(QPainter &painter, const QRectF &area)
{
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient fill(area.topLeft(), area.bottomLeft());
    fill.setColorAt(0, QColor(0x3f, 0x7c, 0xd9));
    fill.setColorAt(1, QColor(0x1d, 0x3b, 0x6e));
    painter.setPen(QPen(QColor(0xf2, 0xb1, 0x34), qMax(2.0, area.height() / 24)));
    painter.setBrush(fill);
    const qreal radius = area.height() / 2;
    painter.drawRoundedRect(area.adjusted(1, 1, -1, -1), radius, radius);
    QFont face = painter.font();
    face.setPixelSize(qMax(10, int(area.height() * 0.4)));
    face.setBold(true);
    painter.setFont(face);
    painter.setPen(Qt::white);
    painter.drawText(area, Qt::AlignCenter, QCoreApplication::translate("QuickDrawBar", "抽取"));
}

QIcon PillIcon()
{
    QPixmap pixmap(64, 32);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    PaintPill(painter, pixmap.rect());
    return QIcon(pixmap);
}

} // namespace

QuickDrawBar::QuickDrawBar(std::unique_ptr<GlobalKeySource> keySource, RandomSources sources, QWidget *parent)
    : QWidget(parent, kFloatingWindowFlags),
      m_session(std::move(sources)), m_key(std::move(keySource)), m_result(new QuickDrawResult)
{
    setObjectName(QStringLiteral("QuickDrawBar"));
    setWindowTitle(tr("悬浮抽取"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::PointingHandCursor);

    try {
        m_settings = ReadQuickDrawSettings();
    } catch (const SuiteError &error) {
        m_pendingNotice = tr("无法读取 Soft.ini，按默认设置显示：%1").arg(error.message());
    }
    setFixedSize(m_settings.barHeight * 2, m_settings.barHeight);
    setMask(RoundedWindowRegion(size(), height() / 2));
    setWindowOpacity(m_settings.opacityPercent / 100.0);

    // In a classroom nobody answers a question box: the list starts again on the click
    // after the one that found it empty.
    m_session.SetResetQuestion([this](const QString &, const QString &) {
        if (m_resetOnNextAsk) {
            m_resetOnNextAsk = false;
            return true;
        }
        m_resetOnNextAsk = true;
        return false;
    });
    connect(&m_session, &DrawSession::BatchFinal, this, &QuickDrawBar::ShowBatch);
    connect(&m_session, &DrawSession::Refused, this, &QuickDrawBar::ShowNotice);
    connect(&m_session, &DrawSession::ListExhausted, this,
            [this] { ShowNotice(tr("名单已全部抽完。再点击一次，名单从头开始。")); });
    connect(m_key.get(), &GlobalKeySource::Pressed, this, &QuickDrawBar::Draw);

    BuildMenu();
    GrabKey();
    if (QSystemTrayIcon::isSystemTrayAvailable()) {
        m_tray = new QSystemTrayIcon(PillIcon(), this);
        m_tray->setObjectName(QStringLiteral("QuickDrawTray"));
        m_tray->setToolTip(windowTitle());
        m_tray->setContextMenu(m_menu);
        connect(m_tray, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
            if (reason == QSystemTrayIcon::Trigger)
                Draw();
        });
        m_tray->show();
    }
    RestorePlace();
}

QuickDrawBar::~QuickDrawBar()
{
    if (m_history)
        m_history->Finish();
    // The label is a window of its own; it goes with the bar.
    delete m_result;
}

QString QuickDrawBar::KeyProblem() const
{
    return m_key->Problem();
}

// ---- the project and the draw --------------------------------------------------------

bool QuickDrawBar::OpenProject(const QString &name)
{
    m_history.reset();
    m_projectName = name;
    m_openProblem.clear();
    m_resetOnNextAsk = false;
    try {
        if (name.isEmpty())
            throw SuiteError(tr("没有默认工程。请在右键菜单“切换工程”中选择一个工程。"));
        if (const QString problem = ProjectNameFileProblem(name); !problem.isEmpty())
            throw SuiteError(problem);
        if (!IsCodecBound() && !BindCodec())
            throw SuiteError(CodecBindError());
        const QDomDocument document = LoadNamedProjectDocument(name);
        if (ReadProjectHeader(document).accessByPwd)
            throw SuiteError(tr("工程设有访问密码，不能悬浮抽取。请在抽取窗口中输入密码后抽取。"));
        // Its draws need the commitment shown first and a certificate, which the window makes.
        if (ReadVerifiableOption(document))
            throw SuiteError(tr("工程设为可验证抽取，请在抽取窗口中抽取，以便公布承诺并生成证书。"));
        SoftSettings soft;
        try {
            soft = ReadSoftSettings();
        } catch (const IniAccessError &) {
            // The defaults stay in force, as in the drawing window.
        }
        const DrawProject project = UnanimatedDrawProject(name, ReadQuerySection(document), soft);
        m_speech = ReadSpeechSettings(document);
        m_separator = project.resultSeparator.isEmpty() ? kDefaultSeparator : project.resultSeparator;
        m_session.Open(project, DrawSession::Preparation::Now);
        if (soft.keepHistory)
            m_history = std::make_unique<SessionHistory>(m_session, kSourceQuickDraw, SessionHistory::Opening::AtOnce);
    } catch (const SuiteError &error) {
        m_openProblem = tr("工程“%1”无法抽取：%2").arg(name, error.message());
    }
    setToolTip(tr("%1：点击抽取，右键打开菜单").arg(name.isEmpty() ? windowTitle() : name));
    if (m_tray)
        m_tray->setToolTip(toolTip());
    if (!m_openProblem.isEmpty()) {
        ShowNotice(m_openProblem);
        return false;
    }
    if (!m_pendingNotice.isEmpty())
        ShowNotice(std::exchange(m_pendingNotice, QString()));
    return true;
}

void QuickDrawBar::Draw()
{
    if (!m_openProblem.isEmpty()) {
        ShowNotice(m_openProblem);
        return;
    }
    const bool restoring = m_resetOnNextAsk;
    const int drawsBefore = m_session.DrawsFinished();
    m_session.Start();
    // Some types restore their list without drawing; a click is always one result.
    if (restoring && !m_resetOnNextAsk && m_session.DrawsFinished() == drawsBefore)
        m_session.Start();
}

void QuickDrawBar::ShowBatch(const Batch &batch)
{
    const QStringList names = DrawnNames(m_session.Project().pmode, batch.results, batch.picturePaths);
    const QString text = names.join(m_separator);
    m_result->ShowBeside(m_resetOnNextAsk ? text + tr("\n（名单已抽完，下次点击从头开始）") : text,
                         QuickDrawResult::Kind::Result, Placed(), m_settings.showSeconds * 1000);
    emit ResultShown(text);
    Speak(text, names);
}

void QuickDrawBar::ShowNotice(const QString &text)
{
    m_result->ShowBeside(text, QuickDrawResult::Kind::Notice, Placed(), m_settings.showSeconds * 1000);
    emit ResultShown(text);
}

void QuickDrawBar::Speak(const QString &text, const QStringList &names)
{
    if (!m_speech.enabled)
        return;
    if (!m_speaker)
        m_speaker = CreateSpeaker();
    if (m_speaker->UnavailableReason().isEmpty())
        m_speaker->Say(SpeechTextFor(m_session.Project().pmode, text, names), m_speech.rate, m_speech.volume);
}

// ---- the menu --------------------------------------------------------------------------

QMenu *QuickDrawBar::ChoiceMenu(const QString &title, const char *name, const QList<std::pair<QString, int>> &choices,
                                int current, void (QuickDrawBar::*apply)(int))
{
    QMenu *menu = m_menu->addMenu(title);
    menu->setObjectName(QLatin1String(name));
    auto *group = new QActionGroup(menu);
    for (const auto &choice : choices) {
        const int value = choice.second;
        QAction *action = menu->addAction(choice.first);
        action->setCheckable(true);
        action->setChecked(value == current);
        action->setData(value);
        group->addAction(action);
        connect(action, &QAction::triggered, this, [this, apply, value] { (this->*apply)(value); });
    }
    return menu;
}

void QuickDrawBar::BuildMenu()
{
    m_menu = new QMenu(this);
    m_menu->setObjectName(QStringLiteral("QuickDrawMenu"));
    QAction *draw = m_menu->addAction(tr("抽取"), this, &QuickDrawBar::Draw);
    draw->setObjectName(QStringLiteral("Menu_Draw"));
    m_menu->addSeparator();
    m_projectMenu = m_menu->addMenu(tr("切换工程"));
    m_projectMenu->setObjectName(QStringLiteral("Menu_SwitchProject"));
    connect(m_projectMenu, &QMenu::aboutToShow, this, &QuickDrawBar::FillProjectMenu);
    m_menu->addAction(tr("打开抽取窗口"), this, &QuickDrawBar::OpenDrawingWindow)
        ->setObjectName(QStringLiteral("Menu_OpenWindow"));
    m_menu->addSeparator();

    QList<std::pair<QString, int>> opacities;
    for (int percent = 100; percent >= 30; percent -= 10)
        opacities.append({QStringLiteral("%1%").arg(percent), percent});
    const int shownOpacity = (m_settings.opacityPercent + 5) / 10 * 10;
    ChoiceMenu(tr("透明度"), "Menu_Opacity", opacities, shownOpacity, &QuickDrawBar::SetOpacityPercent);
    ChoiceMenu(tr("大小"), "Menu_Size",
               {{tr("小"), 44}, {tr("中"), 60}, {tr("大"), 84}}, m_settings.barHeight,
               &QuickDrawBar::SetBarHeight);
    QList<std::pair<QString, int>> showTimes;
    for (int seconds : {2, 3, 5, 8, 15})
        showTimes.append({tr("%1 秒").arg(seconds), seconds});
    ChoiceMenu(tr("显示时长"), "Menu_ShowTime", showTimes, m_settings.showSeconds, &QuickDrawBar::SetShowSeconds);
    m_keyAction = m_menu->addAction(QString(), this, &QuickDrawBar::ChangeKey);
    m_keyAction->setObjectName(QStringLiteral("Menu_GlobalKey"));
    m_autostartAction = m_menu->addAction(tr("开机启动"));
    m_autostartAction->setObjectName(QStringLiteral("Menu_Autostart"));
    m_autostartAction->setCheckable(true);
    connect(m_autostartAction, &QAction::triggered, this, &QuickDrawBar::ToggleAutostart);
    connect(m_menu, &QMenu::aboutToShow, this, [this] { m_autostartAction->setChecked(AutostartEntryExists()); });
    m_menu->addSeparator();
    m_menu->addAction(tr("退出"), this, &QuickDrawBar::QuitRequested)->setObjectName(QStringLiteral("Menu_Quit"));
}

void QuickDrawBar::FillProjectMenu()
{
    m_projectMenu->clear();
    QVector<CatalogueEntry> entries;
    try {
        entries = ProjectCatalogue::LoadCatalogue(CatalogueFilePath()).ReadEntries();
    } catch (const SuiteError &error) {
        m_projectMenu->addAction(error.message())->setEnabled(false);
        return;
    }
    if (entries.isEmpty())
        m_projectMenu->addAction(tr("（没有工程）"))->setEnabled(false);
    for (const CatalogueEntry &entry : entries) {
        QAction *action = m_projectMenu->addAction(entry.name);
        action->setCheckable(true);
        action->setChecked(entry.name == m_projectName);
        connect(action, &QAction::triggered, this, [this, name = entry.name] { OpenProject(name); });
    }
}

void QuickDrawBar::Store(const std::function<void()> &write)
{
    try {
        write();
    } catch (const SuiteError &error) {
        ShowNotice(tr("设置未能保存：%1").arg(error.message()));
    }
}

void QuickDrawBar::SetOpacityPercent(int percent)
{
    m_settings.opacityPercent = percent;
    setWindowOpacity(percent / 100.0);
    Store([percent] { WriteQuickDrawSetting(QuickDrawIni::kOpacity, QString::number(percent)); });
}

void QuickDrawBar::SetBarHeight(int barHeight)
{
    m_settings.barHeight = barHeight;
    // The bar grows from its centre and stays on its screen.
    const QPoint centre = Placed().center();
    setFixedSize(barHeight * 2, barHeight);
    setMask(RoundedWindowRegion(size(), barHeight / 2));
    PlaceAt(PlacedOnScreens(QRect(centre - QPoint(barHeight, barHeight / 2), size()), ScreenAreas()));
    update();
    Store([barHeight] { WriteQuickDrawSetting(QuickDrawIni::kSize, QString::number(barHeight)); });
    KeepPlace();
}

void QuickDrawBar::SetShowSeconds(int seconds)
{
    m_settings.showSeconds = seconds;
    Store([seconds] { WriteQuickDrawSetting(QuickDrawIni::kShowSeconds, QString::number(seconds)); });
}

void QuickDrawBar::GrabKey()
{
    const QKeySequence key = QKeySequence::fromString(m_settings.key, QKeySequence::PortableText);
    const QString shown = key.toString(QKeySequence::NativeText);
    if (m_key->Grab(key)) {
        m_keyAction->setText(tr("全局快捷键：%1…").arg(shown));
        m_keyAction->setToolTip(QString());
    } else {
        m_keyAction->setText(tr("全局快捷键不可用：%1").arg(m_key->Problem()));
        m_keyAction->setToolTip(m_key->Problem());
    }
    m_menu->setToolTipsVisible(true);
}

void QuickDrawBar::ChangeKey()
{
    // The user asked for this dialog, so it may take the keyboard while it is open.
    QDialog dialog;
    dialog.setObjectName(QStringLiteral("QuickDrawKeyDialog"));
    dialog.setWindowTitle(tr("全局快捷键"));
    auto *layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLabel(tr("按下新的快捷键（如 Ctrl+Alt+R）：")));
    auto *edit = new QKeySequenceEdit(QKeySequence::fromString(m_settings.key, QKeySequence::PortableText));
    edit->setObjectName(QStringLiteral("KeyEdit"));
    layout->addWidget(edit);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    if (dialog.exec() != QDialog::Accepted || edit->keySequence().isEmpty())
        return;
    m_settings.key = QKeySequence(edit->keySequence()[0]).toString(QKeySequence::PortableText);
    GrabKey();
    Store([this] { WriteQuickDrawSetting(QuickDrawIni::kKey, m_settings.key); });
}

void QuickDrawBar::ToggleAutostart(bool on)
{
    try {
        if (on)
            WriteAutostartEntry(ProgramDir() + ProgramRuntime, {QStringLiteral("--float"), QStringLiteral("--project"), m_projectName});
        else
            RemoveAutostartEntry();
    } catch (const SuiteError &error) {
        ShowNotice(error.message());
    }
    m_autostartAction->setChecked(AutostartEntryExists());
}

void QuickDrawBar::OpenDrawingWindow()
{
    int index = 0;
    try {
        const QVector<CatalogueEntry> entries = ProjectCatalogue::LoadCatalogue(CatalogueFilePath()).ReadEntries();
        for (int i = 0; i < entries.size(); ++i) {
            if (entries.at(i).name == m_projectName)
                index = i;
        }
        WriteEditProject(index, m_projectName);
    } catch (const SuiteError &error) {
        ShowNotice(tr("无法打开抽取窗口：%1").arg(error.message()));
        return;
    }
    if (!StartSuiteProgram(ProgramRuntime))
        ShowNotice(tr("无法启动抽取窗口（%1）。").arg(ProgramRuntime));
}

// ---- place, drag and paint -------------------------------------------------------------

QList<QRect> QuickDrawBar::ScreenAreas() const
{
    QList<QRect> areas;
    QScreen *primary = QGuiApplication::primaryScreen();
    if (primary)
        areas << primary->geometry();
    for (QScreen *screen : QGuiApplication::screens()) {
        if (screen != primary)
            areas << screen->geometry();
    }
    return areas;
}

void QuickDrawBar::PlaceAt(const QPoint &place)
{
    m_place = place;
    move(place);
}

void QuickDrawBar::RestorePlace()
{
    const QList<QRect> screens = ScreenAreas();
    std::optional<QPoint> saved;
    try {
        saved = ReadBarPlace(ScreenLayoutKey(screens));
    } catch (const SuiteError &) {
        // Said with the settings' notice; the bar takes its first place.
    }
    if (!saved && !screens.isEmpty()) {
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        saved = QPoint(area.right() + 1 - width() - kSnapReach, area.top() + area.height() / 3);
    }
    if (saved)
        PlaceAt(PlacedOnScreens(QRect(*saved, size()), screens));
}

void QuickDrawBar::KeepPlace()
{
    const QPoint place = m_place;
    const QString layout = ScreenLayoutKey(ScreenAreas());
    Store([&] { WriteBarPlace(layout, place); });
}

void QuickDrawBar::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    PaintPill(painter, rect());
}

void QuickDrawBar::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    m_pressPos = event->globalPosition().toPoint();
    m_pressOffset = m_pressPos - m_place;
    m_dragging = false;
}

void QuickDrawBar::mouseMoveEvent(QMouseEvent *event)
{
    if (!(event->buttons() & Qt::LeftButton))
        return;
    const QPoint global = event->globalPosition().toPoint();
    if (!m_dragging && (global - m_pressPos).manhattanLength() < QGuiApplication::styleHints()->startDragDistance())
        return;
    m_dragging = true;
    PlaceAt(global - m_pressOffset);
}

void QuickDrawBar::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    if (!m_dragging) {
        Draw();
        return;
    }
    m_dragging = false;
    PlaceAt(SnappedToEdges(Placed(), ScreenAreas(), kSnapReach));
    KeepPlace();
}

void QuickDrawBar::contextMenuEvent(QContextMenuEvent *event)
{
    m_menu->popup(event->globalPos());
}
