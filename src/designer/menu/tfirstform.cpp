#include "tfirstform.h"

#include "tdesignform.h"

#include "aboutform.h"
#include "apppaths.h"
#include "commandbar.h"
#include "configform.h"
#include "domutil.h"
#include "encodedxml.h"
#include "gripbar.h"
#include "guarded.h"
#include "handoff.h"
#include "iconsform.h"
#include "infostrip.h"
#include "launcher.h"
#include "makerinfo.h"
#include "menugeometry.h"
#include "messages.h"
#include "projectheader.h"
#include "projectpwdform.h"
#include "propertyform.h"
#include "selectionframe.h"
#include "softsettings.h"
#include "suiteerror.h"
#include "tdesignform.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QScrollBar>
#include <QShortcut>
#include <QShowEvent>
#include <QTimer>
#include <QUrl>
#include <QWheelEvent>

namespace {
constexpr int kSlideTicks = 12;
constexpr int kSlideDistance = 78;  // 1 + 2 + … + 12
constexpr int kGridBelowGrip = 36;
const QString kDefaultWallpaper = QStringLiteral("Img/背景图片.jpg");

QAction *namedAction(QMenu *menu, const QString &text, const char *name)
{
    QAction *action = menu->addAction(text);
    action->setObjectName(QLatin1String(name));
    return action;
}

void bringToFront(QWidget *window)
{
    window->show();
    if (window->isMinimized())
        window->showNormal();
    window->raise();
    window->activateWindow();
}
} // namespace

QString HelpFilePath()
{
    const QString chinese = InstalledDataPath(QStringLiteral("Zelmora 帮助文档.html"));
    if (QLocale().language() != QLocale::English)
        return chinese;
    const QString english = InstalledDataPath(QStringLiteral("Zelmora Help.html"));
    return QFileInfo::exists(english) ? english : chinese;
}

TFirstForm::TFirstForm(QWidget *parent) : QWidget(parent)
{
    FormCreate();
}

TFirstForm::~TFirstForm() = default;

void TFirstForm::FormCreate()
{
    setObjectName(QStringLiteral("TFirstForm"));
    setWindowTitle(tr("Zelmora 向导界面"));
    setMinimumSize(MenuGrid::MinClientWidth, 260);
    resize(745, 560);

    StartProgram = [](const QString &program) { return StartSuiteProgram(program); };
    OpenUrl = [](const QUrl &url) { return QDesktopServices::openUrl(url); };
    ChooseWallpaper = [this] {
        return QFileDialog::getOpenFileName(this, tr("更改壁纸"), InstalledDataPath(QStringLiteral("Img")),
                                            QStringLiteral("JPEG Image File (*.jpg *.jpeg)"));
    };

    ProjBgImg = new QLabel(this);
    ProjBgImg->setObjectName(QStringLiteral("ProjBgImg"));
    ProjBgImg->setScaledContents(true);
    ProjBgImg->setMouseTracking(true);
    ProjBgImg->installEventFilter(this);
    QString wallpaper = ExpandApplicationPrefix(DefaultWallpaperSetting);
    try {
        wallpaper = ReadSoftSettings().wallpaperPath;
    } catch (const SuiteError &) {
        // An unreadable Soft.ini leaves the default wallpaper; the settings dialog says why.
    }
    LoadWallpaper(wallpaper);

    SetSelBox = new SelectionFrame(SelectionFrame::Style::Selected, QSize(125, 92), this);
    SetSelBox->setObjectName(QStringLiteral("SetSelBox"));

    try {
        catalogue = MenuCatalogue::Load();
    } catch (const SuiteError &error) {
        // Said once the window is up; the file stays as it is, closing leaves it alone.
        catalogueError = error.message();
        catalogueReadable = false;
    }
    QVector<int> all;
    for (int i = 0; i < catalogue.Count(); ++i) {
        icons.Insert(i, catalogue.At(i));
        all << i;
    }
    icons.SetShown(all);

    MoveSelBox = new SelectionFrame(SelectionFrame::Style::Hover, QSize(125, 92), this);
    MoveSelBox->setObjectName(QStringLiteral("MoveSelBox"));

    ProjRenameEdit = new QLineEdit(this);
    ProjRenameEdit->setObjectName(QStringLiteral("ProjRenameEdit"));
    ProjRenameEdit->setStyleSheet(QStringLiteral("QLineEdit { color: white; background: navy; border: 1px solid white; }"));
    ProjRenameEdit->setFont(MenuCaptionFont());
    ProjRenameEdit->setGeometry(0, -30, 120, 27);
    ProjRenameEdit->installEventFilter(this);
    ProjRenameEdit->setAccessibleName(tr("新的工程名称"));
    // Parked out of sight between renames, where Tab must not lose the focus in it.
    ProjRenameEdit->setFocusPolicy(Qt::ClickFocus);
    connect(ProjRenameEdit, &QLineEdit::returnPressed, this, [this] {
        CommitRename();
        if (!renaming)
            FocusCurrentIcon();
    });

    MenuPanel = new CommandBar(this);
    MenuPanel->setGeometry(0, 0, width(), CommandBar::BarHeight);
    connect(MenuPanel, &CommandBar::CommandClicked, this, &TFirstForm::CommandClicked);
    MoveImg = new GripBar(this);
    MoveImg->setGeometry(0, CommandBar::BarHeight, width(), GripBar::BarHeight);
    connect(MoveImg, &GripBar::Clicked, this, &TFirstForm::MoveImgClick);

    ProjSearchEdit = new QLineEdit(MoveImg);
    ProjSearchEdit->setObjectName(QStringLiteral("ProjSearchEdit"));
    ProjSearchEdit->setPlaceholderText(tr("输入工程名称或备注中的文字，Esc 键取消"));
    ProjSearchEdit->setClearButtonEnabled(true);
    ProjSearchEdit->setAccessibleName(tr("查找工程"));
    ProjSearchEdit->installEventFilter(this);
    ProjSearchEdit->hide();
    connect(ProjSearchEdit, &QLineEdit::textChanged, this, &TFirstForm::ApplyFilter);
    auto *findKey = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_F), this);
    connect(findKey, &QShortcut::activated, this, &TFirstForm::GoProjSearchClick);

    InfoPanel = new InfoStrip(this);
    InfoPanel->ShowGeneralView(catalogue.Count());
    connect(InfoPanel, &InfoStrip::Clicked, this, &TFirstForm::InfoPanelClick);
    connect(InfoPanel, &InfoStrip::QQGroupClicked, this, &TFirstForm::InfoQQGroupClick);
    connect(InfoPanel, &InfoStrip::BlogClicked, this, [this] { OpenUrl(QUrl(MakerInfo::BlogAddress)); });

    ProjScrollBar = new QScrollBar(Qt::Vertical, this);
    ProjScrollBar->setObjectName(QStringLiteral("ProjScrollBar"));
    ProjScrollBar->setSingleStep(MenuGrid::RowHeight);
    ProjScrollBar->hide();
    connect(ProjScrollBar, &QScrollBar::valueChanged, this, [this](int value) {
        CommitRenameIfWritable();
        ScrollGridTo(HomeTop() - value);
    });

    CopyText = new QLineEdit(this);
    CopyText->setObjectName(QStringLiteral("CopyText"));
    CopyText->hide();

    BgMenu = new QMenu(this);
    BgMenu->setObjectName(QStringLiteral("BgMenu"));
    connect(namedAction(BgMenu, tr("更改壁纸(&C)"), "ChangeBgPic"), &QAction::triggered, this,
            &TFirstForm::ChangeBgPicClick);
    connect(namedAction(BgMenu, tr("使用默认壁纸(&D)"), "UseDefaultBgPic"), &QAction::triggered, this,
            &TFirstForm::UseDefaultBgPicClick);
    SelProjMenu = new QMenu(this);
    SelProjMenu->setObjectName(QStringLiteral("SelProjMenu"));
    connect(namedAction(SelProjMenu, tr("打开(&S)"), "Menu_Show"), &QAction::triggered, this,
            &TFirstForm::Menu_ShowClick);
    // The project's quick-draw bar, which floats over whatever else is on the screen.
    connect(namedAction(SelProjMenu, tr("悬浮抽取(&F)"), "Menu_QuickDraw"), &QAction::triggered, this, [this] {
        if (selected >= 0)
            StartSuiteProgram(ProgramRuntime, QString(),
                              {QStringLiteral("--float"), QStringLiteral("--project"), catalogue.At(selected).name});
    });
    connect(namedAction(SelProjMenu, tr("编辑(&E)"), "Menu_Edit"), &QAction::triggered, this,
            &TFirstForm::Menu_EditClick);
    connect(namedAction(SelProjMenu, tr("重命名(&R)"), "Menu_Rename"), &QAction::triggered, this,
            &TFirstForm::Menu_RenameClick);
    connect(namedAction(SelProjMenu, tr("删除(&D)"), "Menu_Delete"), &QAction::triggered, this,
            &TFirstForm::Menu_DeleteClick);
    connect(namedAction(SelProjMenu, tr("属性(&O)"), "Menu_Property"), &QAction::triggered, this,
            &TFirstForm::Menu_PropertyClick);
    connect(namedAction(SelProjMenu, tr("更改图标(&I)"), "Menu_SetIcon"), &QAction::triggered, this,
            &TFirstForm::Menu_SetIconClick);

    MoveMenuTimer = new QTimer(this);
    MoveMenuTimer->setObjectName(QStringLiteral("MoveMenuTimer"));
    MoveMenuTimer->setInterval(15);
    connect(MoveMenuTimer, &QTimer::timeout, this, &TFirstForm::MoveMenuTimerTimer);
    Delay1ms = new QTimer(this);
    Delay1ms->setObjectName(QStringLiteral("Delay1ms"));
    Delay1ms->setInterval(1);
    Delay1ms->setSingleShot(true);
    connect(Delay1ms, &QTimer::timeout, this, &TFirstForm::Delay1msTimer);

    gridOrigin = MenuGrid::StartOrigin;
    selected = -1;
    FormResize();
}

void TFirstForm::LoadWallpaper(const QString &path)
{
    QPixmap picture(path);
    // A wallpaper that has gone missing gives way to the default one.
    if (picture.isNull())
        picture = QPixmap(InstalledDataPath(kDefaultWallpaper));
    if (picture.isNull()) {
        picture = QPixmap(16, 16);
        picture.fill(QColor(40, 70, 120));
    }
    ProjBgImg->setPixmap(picture);
}

// ---- show and start-up ------------------------------------------------------

void TFirstForm::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TFirstForm::FormShow()
{
    Guarded(this, [this] {
        pendingProject = ReadDesignSender();
        // The hand-off is read once: a later start of the menu must not open it again.
        if (!pendingProject.isEmpty())
            ResetDesignSender();
    });
    // The keyboard starts in the grid, on the current icon.
    if (icons.TabStop() >= 0)
        icons.Icon(icons.TabStop())->setFocus(Qt::OtherFocusReason);
    Delay1ms->start();
}

void TFirstForm::Delay1msTimer()
{
    Delay1ms->stop();
    if (!catalogueError.isEmpty()) {
        ShowError(this, tr("读取失败"), catalogueError);
        catalogueError.clear();
    }
    // The windows are drawn for "微软雅黑"; main() lets an installed CJK face stand in,
    // which needs at least one such face.
    if (QFontDatabase::families(QFontDatabase::SimplifiedChinese).isEmpty())
        ShowInformation(this, tr("您的系统缺少微软雅黑字体"),
                        tr("检测到您的系统没有中文字体，为了您能够正常使用本软件，"
                           "请您尽快安装中文字体（例如 fonts-wqy-microhei）！"));
    if (!pendingProject.isEmpty())
        OpenDesignWindow(pendingProject);
}

void TFirstForm::OpenDesignWindow(const QString &projectName)
{
    pendingProject = projectName;
    if (designWindow) {
        // One design at a time: a second request brings the open one forward.
        bringToFront(designWindow);
        return;
    }
    designWindow = new TDesignForm(projectName);
    connect(designWindow, &TDesignForm::DesignClosed, this, [this] {
        designWindow->deleteLater();
        designWindow = nullptr;
        ShowMenuAgain();
    });
    designWindow->show();
    hide();
}

TDesignForm *TFirstForm::DesignWindow() const
{
    return designWindow;
}

void TFirstForm::ShowMenuAgain()
{
    bringToFront(this);
}

void TFirstForm::BringForward()
{
    bringToFront(designWindow ? static_cast<QWidget *>(designWindow) : this);
}

// ---- layout -----------------------------------------------------------------

void TFirstForm::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    FormResize();
}

void TFirstForm::FormResize()
{
    CommitRenameIfWritable();
    MoveSelBox->Park();
    SetSelBox->Park();
    const int clientWidth = std::max(width(), MenuGrid::MinClientWidth);
    MenuPanel->resize(clientWidth, CommandBar::BarHeight);
    MoveImg->resize(clientWidth, GripBar::BarHeight);
    ProjSearchEdit->setGeometry(std::max(4, clientWidth - 274), 3, std::min(270, clientWidth - 8), 24);
    ProjBgImg->setGeometry(0, 0, clientWidth, height() - InfoStrip::StripHeight);
    InfoPanel->setGeometry(0, height() - InfoStrip::StripHeight, clientWidth, InfoStrip::StripHeight);
    InfoPanel->Relayout(clientWidth);

    columns = ColumnsForWidth(clientWidth);
    // Fewer rows or a taller window: rows scrolled away above come back rather than
    // leaving the window empty below.
    ScrollGridTo(std::max(gridOrigin.y(), HomeTop() - std::max(0, GridHeight() - ViewHeight())));
}

int TFirstForm::HomeTop() const
{
    return MoveImg->y() + kGridBelowGrip;
}

int TFirstForm::LowestTop() const
{
    const int rows = columns > 0 ? int(icons.Shown().size() + columns - 1) / columns : 0;
    return HomeTop() - std::max(0, rows - 1) * MenuGrid::RowHeight;
}

int TFirstForm::ViewHeight() const
{
    return height() - InfoStrip::StripHeight - (MoveImg->y() + GripBar::BarHeight);
}

int TFirstForm::GridHeight() const
{
    return (kGridBelowGrip - GripBar::BarHeight) + HomeTop() - LowestTop() + MenuGrid::RowHeight;
}

void TFirstForm::ScrollGridTo(int top)
{
    MoveSelBox->Park();
    SetSelBox->Park();
    // Between the grid's home under the grip and its last row there: some row always
    // stays in view.
    gridOrigin.setY(std::clamp(top, LowestTop(), HomeTop()));
    icons.PlaceShown(columns, gridOrigin);
    UpdateScrollBar();
}

void TFirstForm::UpdateScrollBar()
{
    const QSignalBlocker quiet(ProjScrollBar);
    ProjScrollBar->setRange(0, HomeTop() - LowestTop());
    ProjScrollBar->setPageStep(std::max(MenuGrid::RowHeight, ViewHeight()));
    ProjScrollBar->setValue(HomeTop() - gridOrigin.y());
    const int barWidth = ProjScrollBar->sizeHint().width();
    ProjScrollBar->setGeometry(std::max(width(), MenuGrid::MinClientWidth) - barWidth, MoveImg->y() + GripBar::BarHeight,
                               barWidth, std::max(0, ViewHeight()));
    ProjScrollBar->setVisible(GridHeight() > ViewHeight());
    ProjScrollBar->raise();
}

void TFirstForm::FrameOn(SelectionFrame *frame, int index)
{
    const QLabel *icon = icons.Icon(index);
    frame->move(icon->x() - 30, icon->y() - 6);
}

// ---- sliding and scrolling ----------------------------------------------------

void TFirstForm::MoveImgClick()
{
    if (MoveMenuTimer->isActive())
        return;
    CommitRenameIfWritable();
    MoveSelBox->Park();
    SetSelBox->Park();
    slideMode = SlideMode::Menu;
    MoveMenuTimer->start();
}

void TFirstForm::MoveMenuTimerTimer()
{
    ++tick;
    if (slideMode == SlideMode::Menu) {
        MoveSelBox->Park();
        const int dy = menuShown ? -tick : tick;
        MenuPanel->move(0, MenuPanel->y() + dy);
        MoveImg->move(0, MoveImg->y() + dy);
        if (renaming)
            ProjRenameEdit->move(ProjRenameEdit->x(), ProjRenameEdit->y() + dy);
        icons.MoveShownBy(dy);
        if (++step == kSlideTicks) {
            menuShown = !menuShown;
            step = 0;
            tick = 0;
            MoveMenuTimer->stop();
            gridOrigin.ry() += menuShown ? kSlideDistance : -kSlideDistance;
            UpdateScrollBar();
            MenuPanel->SetKeyboardReachable(menuShown);
            // The focus never stays on a command slid out of sight.
            if (!menuShown && MenuPanel->isAncestorOf(QApplication::focusWidget()))
                FocusCurrentIcon();
        }
        return;
    }
    // Springing the grid back up under the grip.
    icons.MoveShownBy(-tick);
    if (icons.Icon(icons.Shown().first())->y() <= HomeTop()) {
        tick = 0;
        MoveMenuTimer->stop();
        icons.AlignShownRows(columns, gridOrigin.y());
        UpdateScrollBar();
    }
}

void TFirstForm::BgImgMouseDown(QMouseEvent *event)
{
    CommitRenameIfWritable();
    if (event->button() != Qt::LeftButton)
        return;
    wallpaperDragging = true;
    lastY = qRound(event->globalPosition().y());
    SetSelBox->Park();
    InfoPanel->ShowGeneralView(catalogue.Count());
}

void TFirstForm::BgImgMouseMove(QMouseEvent *event)
{
    if (wallpaperDragging && !(event->buttons() & Qt::LeftButton))
        BgImgMouseUp();
    if (!wallpaperDragging) {
        MoveSelBox->Park();
        return;
    }
    const int y = qRound(event->globalPosition().y());
    icons.MoveShownBy(y - lastY);
    lastY = y;
}

void TFirstForm::BgImgMouseUp()
{
    if (!wallpaperDragging)
        return;
    wallpaperDragging = false;
    if (icons.Shown().isEmpty() || MoveMenuTimer->isActive())
        return;
    const int firstTop = icons.Icon(icons.Shown().first())->y();
    if (firstTop <= HomeTop()) {
        ScrollGridTo(firstTop);
        return;
    }
    gridOrigin.setY(HomeTop());
    slideMode = SlideMode::Projects;
    tick = 0;
    MoveMenuTimer->start();
}

void TFirstForm::WheelScroll(int angleDelta)
{
    if (icons.Shown().isEmpty() || angleDelta == 0 || MoveMenuTimer->isActive() || dragging || wallpaperDragging)
        return;
    CommitRenameIfWritable();
    // One row per notch.
    ScrollGridTo(gridOrigin.y() + (angleDelta > 0 ? MenuGrid::RowHeight : -MenuGrid::RowHeight));
}

// ---- projects: hover, press, drag ------------------------------------------------

void TFirstForm::ProjMouseMove(int index, QMouseEvent *event)
{
    // A release that never came (a message box took it) ends the drag here.
    if (dragging && !(event->buttons() & Qt::LeftButton))
        CancelDrag();
    if (dragging) {
        const QPoint delta = event->position().toPoint() - pressPoint;
        icons.Icon(index)->move(icons.Icon(index)->pos() + delta);
        icons.Label(index)->move(icons.Label(index)->pos() + delta);
        return;
    }
    if (!dragging && !renaming && !MoveMenuTimer->isActive()) {
        selected = index;
        FrameOn(MoveSelBox, index);
    }
}

void TFirstForm::ProjMouseDown(int index, QMouseEvent *event)
{
    CancelDrag();
    CommitRenameIfWritable();
    selected = index;
    pressedIndex = -1;
    if (event->button() == Qt::LeftButton) {
        pressedIndex = index;
        // Reordering needs the whole list on screen, not a search's part of it.
        dragging = icons.AllShown() && !MoveMenuTimer->isActive();
        pressPoint = event->position().toPoint();
        pressPosition = icons.Icon(index)->pos();
        icons.BringForward(index, MoveSelBox);
    }
    ShowProjectInfo(index);
}

void TFirstForm::ProjMouseUp(int index)
{
    const bool wasDragging = dragging;
    dragging = false;
    const QLabel *icon = icons.Icon(index);
    if (!wasDragging || icon->pos() == pressPosition) {
        ProjClick(index);
        return;
    }
    const int target = DropTarget(icon->pos(), gridOrigin, columns, icons.Count());
    catalogue.Move(index, target);
    icons.Move(index, target);
    for (int i = std::min(index, target); i <= std::max(index, target); ++i)
        icons.Place(i, i, columns, gridOrigin);
    selected = target;
    pressedIndex = -1;
    // The hover frame stood where the icon was picked up.
    MoveSelBox->Park();
    FrameOn(SetSelBox, target);
}

void TFirstForm::CancelDrag()
{
    if (!dragging)
        return;
    dragging = false;
    // Back into its cell: the list is whole while dragging, so index and cell agree.
    if (icons.Icon(pressedIndex))
        icons.Place(pressedIndex, pressedIndex, columns, gridOrigin);
}

void TFirstForm::ProjClick(int index)
{
    selected = index;
    FrameOn(SetSelBox, index);
}

void TFirstForm::ShowProjectInfo(int index)
{
    const CatalogueEntry &entry = catalogue.At(index);
    ProjectInfo info;
    info.icon = icons.Picture(entry.pic);
    info.name = entry.name;
    info.remark = entry.remark;
    try {
        const QDomDocument document = LoadEncodedDocument(ProjectFilePath(entry.name));
        const ProjectHeader header = ReadProjectHeader(document);
        info.author = header.author;
        info.range = header.range;
        info.createTime = header.createTime;
        info.editTime = header.editTime;
        const QDomElement rand =
            FindChildElement(FindChildElement(document.documentElement(), QStringLiteral("RandQuery")), QStringLiteral("Rand"));
        info.type = rand.attribute(QStringLiteral("Type"));
        info.mode = rand.attribute(QStringLiteral("Mode"));
    } catch (const SuiteError &) {
        info.type = tr("（工程文件无法读取）");
    }
    InfoPanel->ShowProjectView(info);
}

void TFirstForm::RefreshProjectInfo(int index)
{
    if (InfoPanel->ShowsProject() && selected == index)
        ShowProjectInfo(index);
}

void TFirstForm::InfoPanelClick()
{
    CommitRenameIfWritable();
}

void TFirstForm::InfoQQGroupClick()
{
    CopyText->setText(MakerInfo::QQGroupNumber);
    QApplication::clipboard()->setText(CopyText->text());
    ShowInformation(this, tr("已复制"), tr("QQ群号已经自动复制到剪贴板！"));
}

bool TFirstForm::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (watched == ProjRenameEdit || watched == ProjSearchEdit) {
        const int key = type == QEvent::KeyPress ? static_cast<QKeyEvent *>(event)->key() : 0;
        if (key == Qt::Key_Escape) {
            if (watched == ProjRenameEdit) {
                renaming = false;
                ProjRenameEdit->move(ProjRenameEdit->x(), -30);
            } else {
                ProjSearchEdit->clear();
                ProjSearchEdit->hide();
            }
            FocusCurrentIcon();
            return true;
        }
        // From the search box down into its results.
        if (watched == ProjSearchEdit && (key == Qt::Key_Down || key == Qt::Key_Return || key == Qt::Key_Enter)) {
            if (!icons.Shown().isEmpty())
                FocusIcon(icons.Shown().first());
            return true;
        }
        return QWidget::eventFilter(watched, event);
    }
    // Icons get this filter while they are made; IndexOf knows them only once they are listed.
    const int index = watched == ProjBgImg ? -1 : icons.IndexOf(watched);
    if (watched != ProjBgImg && index < 0)
        return QWidget::eventFilter(watched, event);
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseMove:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
        MouseEventOn(index, static_cast<QMouseEvent *>(event));
        return true;
    case QEvent::Wheel:
        WheelScroll(static_cast<QWheelEvent *>(event)->angleDelta().y());
        return true;
    case QEvent::KeyPress:
        if (index >= 0 && IconKeyPress(index, static_cast<QKeyEvent *>(event)))
            return true;
        return QWidget::eventFilter(watched, event);
    case QEvent::FocusIn:
        if (index >= 0)
            icons.SetTabStop(index);
        return QWidget::eventFilter(watched, event);
    case QEvent::ContextMenu: {
        // X11 asks for the menu on the press; a menu opened then can take the right
        // button's release as a choice of the command under the pointer, "打开". The
        // mouse's menu opens on the release instead.
        const auto *context = static_cast<QContextMenuEvent *>(event);
        if (context->reason() != QContextMenuEvent::Mouse)
            PopupMenuFor(index, context->globalPos());
        return true;
    }
    default:
        return QWidget::eventFilter(watched, event);
    }
}

void TFirstForm::MouseEventOn(int index, QMouseEvent *event)
{
    const bool left = event->button() == Qt::LeftButton;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        index < 0 ? BgImgMouseDown(event) : ProjMouseDown(index, event);
        break;
    case QEvent::MouseMove:
        index < 0 ? BgImgMouseMove(event) : ProjMouseMove(index, event);
        break;
    case QEvent::MouseButtonRelease:
        if (left)
            index < 0 ? BgImgMouseUp() : ProjMouseUp(index);
        else if (event->button() == Qt::RightButton)
            PopupMenuFor(index, event->globalPosition().toPoint());
        break;
    case QEvent::MouseButtonDblClick:
        // Only the second left click on the icon the first one pressed opens it.
        if (index >= 0 && left && pressedIndex == index) {
            CancelDrag();
            selected = index;
            Menu_ShowClick();
        }
        break;
    default:
        break;
    }
}

void TFirstForm::PopupMenuFor(int index, QPoint globalPos)
{
    CancelDrag();
    pressedIndex = -1;
    if (index >= 0)
        selected = index;
    QMenu *menu = index < 0 ? BgMenu : SelProjMenu;
    // The menu key can arrive twice, as a key and as the platform's menu request.
    if (!menu->isVisible())
        menu->popup(globalPos);
}

// ---- keyboard --------------------------------------------------------------------

bool TFirstForm::IconKeyPress(int index, const QKeyEvent *event)
{
    const int key = event->key();
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (key == Qt::Key_Menu || (key == Qt::Key_F10 && modifiers == Qt::ShiftModifier)) {
        const QLabel *icon = icons.Icon(index);
        PopupMenuFor(index, icon->mapToGlobal(icon->rect().center()));
        return true;
    }
    if (modifiers != Qt::NoModifier || dragging)
        return false;
    const QVector<int> &shown = icons.Shown();
    const int cell = int(shown.indexOf(index));
    int target = -1;
    switch (key) {
    case Qt::Key_Left:
        target = cell - 1;
        break;
    case Qt::Key_Right:
        target = cell + 1;
        break;
    case Qt::Key_Up:
        target = cell - columns;
        break;
    case Qt::Key_Down:
        // Into the last, shorter row from any column above it.
        target = cell / columns < (int(shown.size()) - 1) / columns ? std::min(cell + columns, int(shown.size()) - 1) : -1;
        break;
    case Qt::Key_Home:
        target = 0;
        break;
    case Qt::Key_End:
        target = int(shown.size()) - 1;
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        selected = index;
        Menu_ShowClick();
        return true;
    case Qt::Key_F2:
        selected = index;
        Menu_RenameClick();
        return true;
    case Qt::Key_Delete: {
        const int countBefore = catalogue.Count();
        selected = index;
        Menu_DeleteClick();
        // The icon that moved up into the deleted one's cell takes the focus.
        const QVector<int> &left = icons.Shown();
        if (catalogue.Count() < countBefore && !left.isEmpty())
            FocusIcon(left.at(std::min(cell, int(left.size()) - 1)));
        return true;
    }
    default:
        return false;
    }
    if (target >= 0 && target < shown.size() && !MoveMenuTimer->isActive())
        FocusIcon(shown.at(target));
    return true;
}

void TFirstForm::FocusIcon(int index)
{
    CommitRenameIfWritable();
    selected = index;
    ScrollIntoView(index);
    MoveSelBox->Park();
    FrameOn(SetSelBox, index);
    icons.Icon(index)->setFocus(Qt::OtherFocusReason);
    ShowProjectInfo(index);
}

void TFirstForm::FocusCurrentIcon()
{
    const int index = icons.Shown().contains(selected) ? selected : icons.TabStop();
    if (index >= 0)
        FocusIcon(index);
    else
        setFocus(Qt::OtherFocusReason);
}

void TFirstForm::ScrollIntoView(int index)
{
    const int row = int(icons.Shown().indexOf(index)) / columns;
    const int top = icons.Icon(index)->y();
    const int viewBottom = height() - InfoStrip::StripHeight;
    if (top < HomeTop())
        ScrollGridTo(HomeTop() - row * MenuGrid::RowHeight);
    else if (top + MenuGrid::RowHeight > viewBottom)
        ScrollGridTo(viewBottom - (row + 1) * MenuGrid::RowHeight);
}

// ---- search ----------------------------------------------------------------------

void TFirstForm::GoProjSearchClick()
{
    ProjSearchEdit->show();
    ProjSearchEdit->raise();
    ProjSearchEdit->setFocus();
    ProjSearchEdit->selectAll();
}

void TFirstForm::ApplyFilter(const QString &text)
{
    CommitRenameIfWritable();
    icons.SetShown(catalogue.Filter(text));
    // A new search shows its results from the top, wherever the grid was scrolled to.
    ScrollGridTo(HomeTop());
}

void TFirstForm::RelayoutShown()
{
    icons.SetShown(catalogue.Filter(ProjSearchEdit->text()));
    ScrollGridTo(gridOrigin.y());
}

// ---- context commands ----------------------------------------------------------------

void TFirstForm::Menu_ShowClick()
{
    if (selected < 0)
        return;
    const int index = selected;
    const QString name = catalogue.At(index).name;
    if (Guarded(this, [index, &name] { WriteEditProject(index, name); }))
        StartProgram(ProgramRuntime);
}

void TFirstForm::Menu_EditClick()
{
    if (selected < 0)
        return;
    const QString name = catalogue.At(selected).name;
    ProjectHeader header;
    try {
        header = ReadProjectHeader(LoadEncodedDocument(ProjectFilePath(name)));
    } catch (const SuiteError &error) {
        ShowError(this, tr("读取失败"), error.message());
        return;
    }
    if (header.editWithPwd && !AskEditPassword(this, header.editPwd))
        return;
    OpenDesignWindow(name);
}

void TFirstForm::Menu_RenameClick()
{
    if (selected < 0)
        return;
    if (catalogue.At(selected).readOnly) {
        ShowInformation(this, tr("只读工程"), tr("您不能修改只读工程的名称！"));
        return;
    }
    const QLabel *icon = icons.Icon(selected);
    renameIndex = selected;
    renaming = true;
    MoveSelBox->Park();
    ProjRenameEdit->setGeometry(icon->x() - 28, icon->y() + MenuGrid::LabelOffsetY - 4, 120, 27);
    ProjRenameEdit->setText(catalogue.At(selected).name);
    ProjRenameEdit->selectAll();
    ProjRenameEdit->setFocus();
}

void TFirstForm::CommitRenameIfWritable()
{
    if (renaming && !catalogue.At(renameIndex).readOnly)
        CommitRename();
}

void TFirstForm::CommitRename()
{
    if (!renaming)
        return;
    QStringList problems;
    try {
        problems = catalogue.Rename(renameIndex, ProjRenameEdit->text());
    } catch (const SuiteError &error) {
        ShowError(this, tr("重命名失败"), error.message());
        return;
    }
    for (const QString &problem : std::as_const(problems))
        ShowError(this, tr("参数有误"), problem);
    if (!problems.isEmpty())
        return;
    renaming = false;
    ProjRenameEdit->move(ProjRenameEdit->x(), -30);
    icons.SetName(renameIndex, catalogue.At(renameIndex).name);
    RefreshProjectInfo(renameIndex);
}

void TFirstForm::Menu_DeleteClick()
{
    if (selected < 0)
        return;
    if (catalogue.At(selected).readOnly) {
        ShowInformation(this, tr("只读工程"), tr("该工程为只读，您不能删除该工程！"));
        return;
    }
    if (AskYesNoCancel(this, tr("提示"), tr("您确定要删除掉当前工程？工程删除后将无法恢复。"))
        != QMessageBox::Yes)
        return;
    const int index = selected;
    QString note;
    try {
        note = catalogue.Delete(index);
    } catch (const SuiteError &error) {
        ShowError(this, tr("删除失败"), error.message());
        return;
    }
    if (renaming && renameIndex == index) {
        renaming = false;
        ProjRenameEdit->move(ProjRenameEdit->x(), -30);
    } else if (renaming && renameIndex > index) {
        --renameIndex;
    }
    icons.Remove(index);
    selected = -1;
    RelayoutShown();
    InfoPanel->ShowGeneralView(catalogue.Count());
    if (!note.isEmpty())
        ShowWarning(this, tr("提示"), note);
}

void TFirstForm::Menu_PropertyClick()
{
    if (selected < 0)
        return;
    const int index = selected;
    const CatalogueEntry entry = catalogue.At(index);
    QDomDocument document;
    try {
        document = LoadEncodedDocument(ProjectFilePath(entry.name));
    } catch (const SuiteError &error) {
        ShowError(this, tr("读取失败"), error.message());
        return;
    }
    const ProjectHeader header = ReadProjectHeader(document);
    if (header.editWithPwd && !AskEditPassword(this, header.editPwd))
        return;
    TPropertyForm form(this);
    connect(&form, &TPropertyForm::Saved, this, [this, index](const QString &remark, bool readOnly) {
        catalogue.SetRemarkAndReadOnly(index, remark, readOnly);
        RefreshProjectInfo(index);
    });
    form.FillProperties(entry, document);
    form.exec();
}

void TFirstForm::Menu_SetIconClick()
{
    if (selected < 0)
        return;
    if (catalogue.At(selected).readOnly) {
        ShowInformation(this, tr("只读工程"), tr("您不能修改只读工程的图标！"));
        return;
    }
    if (!iconsForm)
        iconsForm = new TIconsForm(this);
    iconsForm->Ask([this] { GetSelIcons(); });
}

void TFirstForm::GetSelIcons()
{
    const int chosen = iconsForm->ChosenIndex();
    if (chosen < 0) {
        ShowError(iconsForm, tr("未选择图标"), tr("请选择您要使用的图标！"));
        return;
    }
    catalogue.SetIcon(selected, chosen);
    icons.SetPicture(selected, chosen);
    RefreshProjectInfo(selected);
    iconsForm->accept();
}

// ---- wallpaper and command bar ------------------------------------------------------

void TFirstForm::ChangeBgPicClick()
{
    const QString file = ChooseWallpaper();
    if (file.isEmpty())
        return;
    LoadWallpaper(file);
    Guarded(this, [&file] { WriteWallpaperPath(file); });
}

void TFirstForm::UseDefaultBgPicClick()
{
    const QString file = InstalledDataPath(kDefaultWallpaper);
    LoadWallpaper(file);
    Guarded(this, [&file] { WriteWallpaperPath(file); });
}

void TFirstForm::CommandClicked(const QString &command)
{
    if (command == QLatin1String("GoShowApp")) {
        StartProgram(ProgramRuntime);
    } else if (command == QLatin1String("GoCreateProj")) {
        StartProgram(ProgramWizard);
        close();
    } else if (command == QLatin1String("GoProjManage")) {
        StartProgram(ProgramManager);
    } else if (command == QLatin1String("GoProjSearch")) {
        GoProjSearchClick();
    } else if (command == QLatin1String("GoConfig")) {
        if (!configForm)
            configForm = new TConfigForm(this);
        configForm->show();
        configForm->raise();
    } else if (command == QLatin1String("GoAbout")) {
        if (!aboutForm)
            aboutForm = new TAboutForm(this);
        aboutForm->show();
        aboutForm->raise();
    } else if (command == QLatin1String("GoHelp")) {
        OpenUrl(QUrl::fromLocalFile(HelpFilePath()));
    } else if (command == QLatin1String("GoAsk")) {
        OpenUrl(QUrl(QStringLiteral("mailto:") + MakerInfo::FeedbackMail));
    }
}

// ---- closing -------------------------------------------------------------------------

void TFirstForm::closeEvent(QCloseEvent *event)
{
    // The design window asks about unsaved changes; a cancelled close keeps both open.
    if (designWindow && !designWindow->close()) {
        event->ignore();
        return;
    }
    CommitRenameIfWritable();
    try {
        if (catalogueReadable)
            catalogue.SaveOnClose();
    } catch (const SuiteError &error) {
        ShowError(this, tr("保存失败"), error.message());
    }
    event->accept();
}
