#include "tdesignform.h"

#include "animateform.h"
#include "apppaths.h"
#include "designproperties.h"
#include "editorplacement.h"
#include "encodedxml.h"
#include "guarded.h"
#include "handoff.h"
#include "launcher.h"
#include "mediacheck.h"
#include "messages.h"
#include "projectheader.h"
#include "querysection.h"
#include "readablecolours.h"
#include "stopbuttonplace.h"
#include "suiteerror.h"
#include "tbgmusicform.h"
#include "tbgsetform.h"
#include "veditform.h"

#include <QAction>
#include <QCloseEvent>
#include <QFontMetrics>
#include <QMenuBar>
#include <QKeyEvent>
#include <QUndoStack>

namespace {

const QString kPlaceholderFormat = QStringLiteral("#随机数#");

QAction *NewAction(QMenu *menu, const QString &name, const QString &caption, bool checkable = false)
{
    QAction *action = menu->addAction(caption);
    action->setObjectName(name);
    action->setCheckable(checkable);
    return action;
}

QStringList DrawKeys()
{
    QStringList keys;
    for (int i = 1; i <= 12; ++i)
        keys << QStringLiteral("F%1").arg(i);
    for (int i = 1; i <= 12; ++i)
        keys << QStringLiteral("Shift+F%1").arg(i);
    return keys;
}

// A box or button brought back after it was absent from the project gets a usable
// place and size when it never had one.
void GiveDefaultPlace(Position &position, int top, int width, int height)
{
    if (position.width > 0 && position.height > 0)
        return;
    position = Position{top, 20, width, height, kAlignCustom};
}

Position PositionFromRect(const QRect &rect, const QString &align)
{
    return Position{rect.top(), rect.left(), rect.width(), rect.height(), align};
}

} // namespace

TDesignForm::TDesignForm(const QString &projectName, QWidget *parent)
    : QMainWindow(parent), m_projectName(projectName)
{
    setObjectName(QStringLiteral("TDesignForm"));
    setWindowTitle(tr("工程设计"));
    setAttribute(Qt::WA_DeleteOnClose, false);

    m_document = new DesignDocument(this);
    m_canvas = new DesignCanvas(this);
    setCentralWidget(m_canvas);
    m_canvas->setFocusPolicy(Qt::StrongFocus);
    m_canvas->setAccessibleName(tr("窗口设计画布"));
    m_canvas->setAccessibleDescription(
        tr("Tab 键选择下一个对象，方向键移动所选对象（按住 Shift 每次 10 像素），Shift+Ctrl+方向键调整大小"));
    m_canvas->installEventFilter(this);
    m_editor = new TDVEditorForm(this);
    m_undo = new QUndoStack(this);
    m_undo->setObjectName(QStringLiteral("DesignUndo"));

    connect(m_document, &DesignDocument::Changed, this, &TDesignForm::ShowDocument);
    connect(m_canvas, &DesignCanvas::MousePressed, this, &TDesignForm::CanvasMouseDown);
    connect(m_canvas, &DesignCanvas::MouseMoved, this, &TDesignForm::CanvasMouseMove);
    connect(m_canvas, &DesignCanvas::MouseReleased, this, &TDesignForm::CanvasMouseUp);
    connect(m_canvas, &DesignCanvas::Resized, this, &TDesignForm::WindowChanged);
    CanvasSelection *selection = m_canvas->Selection();
    connect(selection, &CanvasSelection::Pressed, this, &TDesignForm::SizedMouseDown);
    connect(selection, &CanvasSelection::Dragged, this, &TDesignForm::SizedMouseMove);
    connect(selection, &CanvasSelection::Released, this, &TDesignForm::SizedMouseUp);
    connect(m_undo, &QUndoStack::cleanChanged, this, [this](bool clean) {
        setWindowTitle(clean ? tr("工程设计") : tr("工程设计 *"));
    });
    CreateMenus();
}

TDesignForm::~TDesignForm() = default;

void TDesignForm::CreateMenus()
{
    QMenu *project = menuBar()->addMenu(tr("工程"));
    project->setObjectName(QStringLiteral("ProjectMenu"));
    QAction *save = NewAction(project, QStringLiteral("SaveDesign"), tr("保存窗口设计"));
    save->setShortcut(QKeySequence(QStringLiteral("Ctrl+S")));
    connect(save, &QAction::triggered, this, &TDesignForm::SaveDesign);
    QAction *randEdit = NewAction(project, QStringLiteral("RandEdit"), tr("随机数参数设置"));
    randEdit->setShortcut(QKeySequence(QStringLiteral("Ctrl+N")));
    connect(randEdit, &QAction::triggered, this, &TDesignForm::RandEditClick);
    QAction *animate = NewAction(project, QStringLiteral("AnimateSet"), tr("随机数动画设置"));
    animate->setShortcut(QKeySequence(QStringLiteral("Ctrl+T")));
    connect(animate, &QAction::triggered, this, &TDesignForm::OpenAnimationSettings);

    QMenu *edit = menuBar()->addMenu(tr("编辑"));
    edit->setObjectName(QStringLiteral("EditMenu"));
    QAction *undo = m_undo->createUndoAction(this, tr("撤销"));
    undo->setObjectName(QStringLiteral("UndoDesign"));
    undo->setShortcut(QKeySequence(QStringLiteral("Ctrl+Z")));
    QAction *redo = m_undo->createRedoAction(this, tr("重做"));
    redo->setObjectName(QStringLiteral("RedoDesign"));
    redo->setShortcut(QKeySequence(QStringLiteral("Ctrl+Y")));
    edit->addAction(undo);
    edit->addAction(redo);
    edit->addSeparator();
    QAction *valueEditor = NewAction(edit, QStringLiteral("ShowValueEditor"), tr("属性窗口"));
    valueEditor->setShortcut(QKeySequence(QStringLiteral("F4")));
    connect(valueEditor, &QAction::triggered, this, [this] {
        ShowInValueEditor();
        m_editor->raise();
    });

    m_randBoxMenu = menuBar()->addMenu(tr("生成框"));
    m_randBoxMenu->setObjectName(QStringLiteral("RandBoxMenu"));
    m_rbUseEdit = NewAction(m_randBoxMenu, QStringLiteral("RBUseEdit"), tr("使用文本框"), true);
    m_rbUseLabel = NewAction(m_randBoxMenu, QStringLiteral("RBUseLabel"), tr("使用非文本框"), true);
    m_rbAddMenu = m_randBoxMenu->addMenu(tr("添加生成框"));
    m_rbAddMenu->setObjectName(QStringLiteral("RBAdd"));
    m_rbAddEdit = NewAction(m_rbAddMenu, QStringLiteral("RBAddEdit"), tr("文本框"));
    m_rbAddLabel = NewAction(m_rbAddMenu, QStringLiteral("RBAddLabel"), tr("非文本框"));
    m_rbDelete = NewAction(m_randBoxMenu, QStringLiteral("RBDelete"), tr("删除生成框"));
    connect(m_rbUseEdit, &QAction::triggered, this, [this] { UseBoxClick(DesignPart::RandBox, true); });
    connect(m_rbUseLabel, &QAction::triggered, this, [this] { UseBoxClick(DesignPart::RandBox, false); });
    connect(m_rbAddEdit, &QAction::triggered, this, [this] { AddBoxClick(DesignPart::RandBox, true); });
    connect(m_rbAddLabel, &QAction::triggered, this, [this] { AddBoxClick(DesignPart::RandBox, false); });
    connect(m_rbDelete, &QAction::triggered, this, [this] { DeleteBoxClick(DesignPart::RandBox); });

    m_randRecordMenu = menuBar()->addMenu(tr("记录框"));
    m_randRecordMenu->setObjectName(QStringLiteral("RandRecordMenu"));
    m_rrUseMemo = NewAction(m_randRecordMenu, QStringLiteral("RRUseMemo"), tr("使用文本框"), true);
    m_rrUseLabel = NewAction(m_randRecordMenu, QStringLiteral("RRUseLabel"), tr("使用非文本框"), true);
    m_rrAddMenu = m_randRecordMenu->addMenu(tr("添加记录框"));
    m_rrAddMenu->setObjectName(QStringLiteral("RRAdd"));
    m_rrAddMemo = NewAction(m_rrAddMenu, QStringLiteral("RRAddMemo"), tr("文本框"));
    m_rrAddLabel = NewAction(m_rrAddMenu, QStringLiteral("RRAddLabel"), tr("非文本框"));
    m_rrDelete = NewAction(m_randRecordMenu, QStringLiteral("RRDelete"), tr("删除记录框"));
    connect(m_rrUseMemo, &QAction::triggered, this, [this] { UseBoxClick(DesignPart::RandRecord, true); });
    connect(m_rrUseLabel, &QAction::triggered, this, [this] { UseBoxClick(DesignPart::RandRecord, false); });
    connect(m_rrAddMemo, &QAction::triggered, this, [this] { AddBoxClick(DesignPart::RandRecord, true); });
    connect(m_rrAddLabel, &QAction::triggered, this, [this] { AddBoxClick(DesignPart::RandRecord, false); });
    connect(m_rrDelete, &QAction::triggered, this, [this] { DeleteBoxClick(DesignPart::RandRecord); });

    m_picNameMenu = menuBar()->addMenu(tr("图片名称"));
    m_picNameMenu->setObjectName(QStringLiteral("PicNameMenu"));
    m_showPicName = NewAction(m_picNameMenu, QStringLiteral("ShowPicName"), tr("显示图片名称"), true);
    connect(m_showPicName, &QAction::triggered, this, &TDesignForm::ShowPicNameClick);

    QMenu *remarks = menuBar()->addMenu(tr("备注"));
    remarks->setObjectName(QStringLiteral("RemarksMenu"));
    m_addRemark = NewAction(remarks, QStringLiteral("AddRemark"), tr("添加备注"));
    m_addRemark->setShortcut(QKeySequence(QStringLiteral("Ctrl+R")));
    m_delRemark = NewAction(remarks, QStringLiteral("DelRemark"), tr("删除当前备注"));
    m_delRemark->setShortcut(QKeySequence(QStringLiteral("Shift+Del")));
    connect(m_addRemark, &QAction::triggered, this, &TDesignForm::AddRemarkClick);
    connect(m_delRemark, &QAction::triggered, this, &TDesignForm::DelRemarkClick);

    QMenu *button = menuBar()->addMenu(tr("生成随机数按钮"));
    button->setObjectName(QStringLiteral("GoRandButtonMenu"));
    m_useGoRandButton = NewAction(button, QStringLiteral("UseGoRandButton"), tr("使用按钮"), true);
    connect(m_useGoRandButton, &QAction::triggered, this, &TDesignForm::UseGoRandButtonClick);
    QMenu *shortCut = button->addMenu(tr("快捷键"));
    shortCut->setObjectName(QStringLiteral("ShortCutMenu"));
    m_useShortCut = NewAction(shortCut, QStringLiteral("UseShortCut"), tr("使用快捷键"), true);
    m_shortCutLabel = NewAction(shortCut, QStringLiteral("ShortCutLabel"), tr("当前快捷键：%1").arg(QString()));
    m_shortCutLabel->setEnabled(false);
    m_changeShortCut = NewAction(shortCut, QStringLiteral("ChangeShortCut"), tr("更改快捷键"));
    connect(m_useShortCut, &QAction::triggered, this, &TDesignForm::UseShortCutClick);
    connect(m_changeShortCut, &QAction::triggered, this, &TDesignForm::ChangeShortCutClick);
}

// ---- load, show, save, close ---------------------------------------------------

bool TDesignForm::FormShow()
{
    m_editor->SetRequirer(kRequirerDesign);
    try {
        const QDomDocument document = LoadEncodedDocument(ProjectFilePath(m_projectName));
        m_pictureProject = ::IsPictureProject(document);
        const FormSection form = ReadFormSection(document, m_pictureProject);
        m_pmode = ReadQuerySection(document).pmode;
        ++m_syncing;
        m_document->SetForm(form);
        --m_syncing;
    } catch (const SuiteError &error) {
        ShowError(this, tr("打开工程失败"), error.message());
        return false;
    }
    m_undo->clear();
    m_randBoxMenu->menuAction()->setVisible(m_pmode != 5);
    m_randRecordMenu->menuAction()->setVisible(m_pmode != 5);
    m_picNameMenu->menuAction()->setVisible(m_pmode == 5);
    m_loaded = true;
    SelectObject({});
    ShowValueEditor();
    WarnOfUnusableMedia();
    return true;
}

// The stored picture and music stay as they are; the user is only told.
void TDesignForm::WarnOfUnusableMedia()
{
    const WindowBackground &background = Form().background;
    QStringList problems;
    if (background.fill.type == kBgOfPic)
        problems << BackgroundPictureProblem(background.fill.picturePath);
    if (!background.musicType.isEmpty())
        problems << BackgroundMusicProblems(background.musicPaths);
    problems.removeAll(QString());
    if (!problems.isEmpty())
        ShowWarning(this, UnusableMediaCaption(), problems.join(QLatin1Char('\n')));
}

void TDesignForm::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (m_loadTried)
        return;
    m_loadTried = true;
    if (!FormShow())
        QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
}

void TDesignForm::ShowWindowGeometry()
{
    const FormWindow &window = Form().window;
    ++m_syncing;
    const QSize client(window.width, window.height);
    if (m_canvas->size() != client)
        resize(client.width(), client.height() + menuBar()->sizeHint().height());
    // Centred when the design is loaded and when "居中" is chosen, not after every edit:
    // the user may have moved the window aside to work.
    if (window.align == kFormCentred) {
        if (m_shownAlign != kFormCentred)
            CentreOnScreen(this);
    } else if (pos() != QPoint(window.left, window.top)) {
        move(window.left, window.top);
    }
    m_shownAlign = window.align;
    --m_syncing;
}

void TDesignForm::ShowDocument()
{
    ShowWindowGeometry();
    m_canvas->ShowForm(Form(), m_pictureProject);
    // The frame marked where an object was; the next pointer move frames what is there now.
    m_canvas->Hover().Hide();
    if (!IsShown(Form(), m_pictureProject, m_selected))
        m_selected = {};
    if (m_currentRemark >= Form().remarks.size())
        m_currentRemark = -1;
    if (m_selected.part == DesignPart::Window)
        m_canvas->Selection()->Park();
    else
        m_canvas->Selection()->Place(SelectedRect());
    UpdateMenus();
    if (m_typingProperty)
        WriteGeometryRows(); // the row being typed into stays as it is
    else if (m_loaded)
        ShowSelectedProperties();
}

void TDesignForm::UpdateMenus()
{
    const FormSection &form = Form();
    const bool boxIsEdit = form.randBox.type == QStringLiteral("Edit");
    m_rbUseEdit->setChecked(form.randBox.enabled && boxIsEdit);
    m_rbUseLabel->setChecked(form.randBox.enabled && !boxIsEdit);
    m_rbUseEdit->setEnabled(form.randBox.enabled);
    m_rbUseLabel->setEnabled(form.randBox.enabled);
    m_rbAddMenu->setEnabled(!form.randBox.enabled);
    m_rbDelete->setEnabled(form.randBox.enabled);
    const bool recordIsMemo = form.randRecord.type == QStringLiteral("Memo");
    m_rrUseMemo->setChecked(form.randRecord.enabled && recordIsMemo);
    m_rrUseLabel->setChecked(form.randRecord.enabled && !recordIsMemo);
    m_rrUseMemo->setEnabled(form.randRecord.enabled);
    m_rrUseLabel->setEnabled(form.randRecord.enabled);
    m_rrAddMenu->setEnabled(!form.randRecord.enabled);
    m_rrDelete->setEnabled(form.randRecord.enabled);
    m_showPicName->setChecked(form.pictureName.visible);
    m_addRemark->setEnabled(form.remarks.size() < kMaxRemarks);
    m_delRemark->setEnabled(!form.remarks.isEmpty());
    m_useGoRandButton->setChecked(form.goRandButton.enabled);
    m_useShortCut->setChecked(form.goRandShortCut.enabled);
    m_shortCutLabel->setText(tr("当前快捷键：%1").arg(form.goRandShortCut.shortCut));
    m_shortCutLabel->setVisible(form.goRandShortCut.enabled);
    m_changeShortCut->setVisible(form.goRandShortCut.enabled);
}

bool TDesignForm::IsModified() const
{
    return !m_undo->isClean();
}

bool TDesignForm::SaveDesign()
{
    FormSection form = Form();
    if (form.window.align != kFormCentred) {
        form.window.left = pos().x();
        form.window.top = pos().y();
    }
    QDomDocument document;
    try {
        const QString path = ProjectFilePath(m_projectName);
        document = LoadEncodedDocument(path);
        WriteDesignSection(document, form, m_pictureProject, CurrentDateTimeText());
        SaveEncodedDocument(document, path);
    } catch (const SuiteError &error) {
        ShowError(this, tr("保存失败"), error.message());
        return false;
    }
    m_undo->setClean();
    WarnOfHiddenStopButton(document, QSize(form.window.width, form.window.height));
    return true;
}

// A window made smaller can leave the separate stop button outside it.
void TDesignForm::WarnOfHiddenStopButton(const QDomDocument &document, const QSize &clientSize)
{
    QString warning;
    try {
        warning = StopButtonWarning(ReadAnimateSection(document), clientSize);
    } catch (const SuiteError &) {
        return; // a malformed animation is the animation dialog's and the drawing window's to report
    }
    if (!warning.isEmpty())
        ShowWarning(this, HiddenStopButtonCaption(), warning);
}

void TDesignForm::closeEvent(QCloseEvent *event)
{
    m_editor->hide();
    m_canvas->Selection()->Park();
    if (m_loaded && IsModified()) {
        const auto answer = AskYesNoCancel(this, tr("提示"),
                                           tr("当前工程已编辑，是否保存已编辑的内容？"));
        if (answer == QMessageBox::Cancel || (answer == QMessageBox::Yes && !SaveDesign())) {
            event->ignore();
            m_editor->show();
            if (m_selected.part != DesignPart::Window)
                m_canvas->Selection()->Place(SelectedRect());
            return;
        }
    }
    event->accept();
    Guarded(this, [] { ResetDesignSender(); });
    emit DesignClosed();
}

void TDesignForm::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    // Placed over the design window when there is no room beside it, the editor must not
    // end up under it when a window manager raises the design window.
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && m_editor->isVisible())
        m_editor->raise();
}

void TDesignForm::moveEvent(QMoveEvent *event)
{
    QMainWindow::moveEvent(event);
    WindowChanged();
}

// The user moved or resized the window: one undo step per gesture.
void TDesignForm::WindowChanged()
{
    if (m_syncing || !m_loaded || !isVisible())
        return;
    FormWindow after = Form().window;
    after.width = m_canvas->width();
    after.height = m_canvas->height();
    if (after.align != kFormCentred) {
        after.left = pos().x();
        after.top = pos().y();
    }
    if (after == Form().window)
        return;
    m_undo->push(new WindowCommand(m_document, Form().window, after));
}

void TDesignForm::Change(const QString &text, const FormSection &after)
{
    if (after == Form())
        return;
    m_undo->push(new StructureCommand(m_document, text, Form(), after));
}

// ---- selection and the value editor -----------------------------------------

QRect TDesignForm::SelectedRect() const
{
    if (m_selected.part == DesignPart::Window)
        return frameGeometry();
    return m_canvas->ObjectRect(m_selected);
}

void TDesignForm::SelectObject(const DesignObject &object)
{
    m_selected = IsShown(Form(), m_pictureProject, object) ? object : DesignObject{};
    if (m_selected.part == DesignPart::Remark)
        m_currentRemark = m_selected.remark;
    if (m_selected.part == DesignPart::Window)
        m_canvas->Selection()->Park();
    else
        m_canvas->Selection()->Place(SelectedRect());
    ShowSelectedProperties();
    if (m_loaded && isVisible())
        ShowValueEditor();
}

void TDesignForm::ShowInValueEditor()
{
    m_editor->SetRequirer(kRequirerDesign);
    ShowSelectedProperties();
    ShowValueEditor();
}

// Brings the value editor back when it was closed with its ✕, on the screen that shows
// the design and beside the window when there is room.
void TDesignForm::ShowValueEditor()
{
    if (m_editor->isVisible())
        return;
    PlaceValueEditor(m_editor, this);
    m_editor->show();
}

void TDesignForm::ShowSelectedProperties()
{
    m_editor->ShowProperties(PropertyListFor(Form(), m_selected), PropertyValues(Form(), m_selected, SelectedRect()),
                             this);
}

void TDesignForm::WriteGeometryRows()
{
    const QRect rect = SelectedRect();
    m_editor->SetValue(QStringLiteral("位置X"), QString::number(rect.left()));
    m_editor->SetValue(QStringLiteral("位置Y"), QString::number(rect.top()));
    m_editor->SetValue(QStringLiteral("高度"), QString::number(rect.height()));
    m_editor->SetValue(QStringLiteral("宽度"), QString::number(rect.width()));
}

void TDesignForm::PropertyChanged(const QString &key, const QString &value)
{
    FormSection after = Form();
    if (m_selected.part == DesignPart::Window && key == QStringLiteral("对齐方式")) {
        after.window.left = pos().x(); // "自定义" keeps the window where it stands
        after.window.top = pos().y();
    }
    if (!ApplyProperty(after, m_selected, key, value, m_canvas->width()) || after == Form())
        return;
    const RowSpec row = RowSpecFor(kRequirerDesign, m_editor->Heading(), key);
    const bool typed = row.style == RowStyle::Text || row.style == RowStyle::Digits;
    m_typingProperty = typed;
    m_undo->push(new PropertyCommand(m_document, m_selected, key, typed, Form(), after));
    m_typingProperty = false;
}

void TDesignForm::PropertyClicked(const QString &key)
{
    FormSection after = Form();
    if (key == QStringLiteral("字体")) {
        FontSpec *font = FontOf(after, m_selected);
        if (!font)
            return;
        const auto chosen = m_editor->ChooseFont(*font);
        if (!chosen)
            return;
        *font = *chosen;
    } else if (key == QStringLiteral("背景颜色")) {
        ResultBox *box = m_selected.part == DesignPart::RandBox      ? &after.randBox
                         : m_selected.part == DesignPart::RandRecord ? &after.randRecord
                                                                     : nullptr;
        if (!box)
            return;
        const auto chosen = m_editor->ChooseColour(box->colour);
        if (!chosen)
            return;
        box->colour = *chosen;
    } else if (key == QStringLiteral("背景")) {
        TBgSetForm dialog(this);
        dialog.SetRequirer(kRequirerDesign);
        dialog.SetBackground(after.background.fill);
        connect(&dialog, &TBgSetForm::BackgroundChosen, this,
                [&after](const BackgroundFill &fill) { after.background.fill = fill; });
        dialog.exec();
    } else if (key == QStringLiteral("背景音乐")) {
        TBgMusicForm dialog(this);
        dialog.SetMusic(after.background.musicType, after.background.musicPaths);
        connect(&dialog, &TBgMusicForm::MusicChosen, this, [&after](const QString &type, const QStringList &paths) {
            after.background.musicType = type;
            after.background.musicPaths = paths;
        });
        dialog.exec();
    } else {
        return;
    }
    if (after != Form())
        m_undo->push(new PropertyCommand(m_document, m_selected, key, false, Form(), after));
}

// ---- mouse ----------------------------------------------------------------------

void TDesignForm::BeginExtraButtonPositioning(std::function<void(int x, int y)> placed)
{
    m_placeExtraButton = std::move(placed);
    m_placingRemark = false;
    m_canvas->setCursor(Qt::CrossCursor);
}

void TDesignForm::CanvasMouseDown(const QPoint &point)
{
    EndKeyRun();
    if (m_placeExtraButton) {
        // A press on an object counts at the same client point as one beside it.
        const auto placed = std::move(m_placeExtraButton);
        m_placeExtraButton = nullptr;
        m_canvas->unsetCursor();
        placed(point.x(), point.y());
        return;
    }
    if (m_placingRemark) {
        m_placingRemark = false;
        m_canvas->unsetCursor();
        PlaceRemark(point);
        return;
    }
    const DesignObject object = m_canvas->ObjectAt(point);
    if (object.part != DesignPart::Window) {
        m_dragging = true;
        m_dragOrigin = point;
        SelectObject(object);
        m_pressRect = SelectedRect();
    } else {
        SelectObject({});
    }
}

void TDesignForm::CanvasMouseMove(const QPoint &point, bool leftButtonHeld)
{
    if (m_dragging && leftButtonHeld) {
        const Position *position = PositionOf(Form(), m_selected);
        const QPoint delta = point - m_dragOrigin;
        const QRect rect = MovedRect(m_pressRect, position ? position->align : QString(), delta.x(), delta.y());
        ShowSelectedAt(rect);
        return;
    }
    const DesignObject object = m_canvas->ObjectAt(point);
    if (object.part == DesignPart::Window)
        m_canvas->Hover().Hide();
    else
        m_canvas->Hover().Frame(m_canvas->ObjectRect(object));
}

void TDesignForm::CanvasMouseUp(const QPoint &)
{
    if (!m_dragging)
        return;
    m_dragging = false;
    PushGeometryStep(GeometryCommand::Kind::Move, m_pressRect);
}

void TDesignForm::SizedMouseDown(HandleDirection)
{
    m_resizing = m_selected.part != DesignPart::Window;
    m_pressRect = SelectedRect();
}

void TDesignForm::SizedMouseMove(HandleDirection direction, int dx, int dy)
{
    if (!m_resizing)
        return;
    const Position *position = PositionOf(Form(), m_selected);
    const QRect rect = ResizedRect(direction, m_pressRect, position ? position->align : QString(), dx, dy);
    ShowSelectedAt(rect);
}

void TDesignForm::SizedMouseUp(HandleDirection)
{
    if (!m_resizing)
        return;
    m_resizing = false;
    PushGeometryStep(GeometryCommand::Kind::Resize, m_pressRect);
}

void TDesignForm::ShowSelectedAt(const QRect &rect)
{
    m_canvas->SetObjectRect(m_selected, rect);
    m_canvas->Selection()->Place(rect);
    m_canvas->Hover().Hide();
}

void TDesignForm::PushGeometryStep(GeometryCommand::Kind kind, const QRect &start)
{
    const Position *position = PositionOf(Form(), m_selected);
    const QRect rect = SelectedRect();
    if (!position || rect == start)
        return;
    m_undo->push(new GeometryCommand(m_document, kind, m_selected, *position, PositionFromRect(rect, position->align)));
}

// ---- keyboard ---------------------------------------------------------------------

bool TDesignForm::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_canvas) {
        switch (event->type()) {
        case QEvent::KeyPress:
            return CanvasKeyPress(static_cast<QKeyEvent *>(event));
        case QEvent::KeyRelease:
            if (!static_cast<QKeyEvent *>(event)->isAutoRepeat())
                EndKeyRun();
            break;
        case QEvent::FocusOut:
            EndKeyRun();
            break;
        default:
            break;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

bool TDesignForm::CanvasKeyPress(const QKeyEvent *event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    const int key = event->key();
    if (key == Qt::Key_Backtab || (key == Qt::Key_Tab && modifiers == Qt::ShiftModifier)) {
        SelectNeighbour(false);
        return true;
    }
    if (key == Qt::Key_Tab && modifiers == Qt::NoModifier) {
        SelectNeighbour(true);
        return true;
    }
    int dx = 0;
    int dy = 0;
    switch (key) {
    case Qt::Key_Left: dx = -1; break;
    case Qt::Key_Right: dx = 1; break;
    case Qt::Key_Up: dy = -1; break;
    case Qt::Key_Down: dy = 1; break;
    default: return false;
    }
    const bool resize = modifiers == (Qt::ShiftModifier | Qt::ControlModifier);
    if (!resize && modifiers != Qt::NoModifier && modifiers != Qt::ShiftModifier)
        return false;
    const Position *position = PositionOf(Form(), m_selected);
    if (!position || m_dragging || m_resizing)
        return true;
    const GeometryCommand::Kind kind = resize ? GeometryCommand::Kind::Resize : GeometryCommand::Kind::Move;
    if (m_keyRun && m_keyRunKind != kind)
        EndKeyRun();
    if (!m_keyRun) {
        m_keyRun = true;
        m_keyRunKind = kind;
        m_keyRunStart = SelectedRect();
    }
    const QRect now = SelectedRect();
    QRect rect;
    if (resize) {
        rect = ResizedRect(HandleDirection::RightBottom, now, position->align, dx, dy);
        if (rect.width() < 1 || rect.height() < 1)
            return true;
    } else {
        const int step = modifiers == Qt::ShiftModifier ? 10 : 1;
        rect = MovedRect(now, position->align, dx * step, dy * step);
    }
    ShowSelectedAt(rect);
    WriteGeometryRows();
    return true;
}

void TDesignForm::EndKeyRun()
{
    if (!m_keyRun)
        return;
    m_keyRun = false;
    PushGeometryStep(m_keyRunKind, m_keyRunStart);
}

void TDesignForm::SelectNeighbour(bool forward)
{
    EndKeyRun();
    const QVector<DesignObject> objects = ShownObjects(Form(), m_pictureProject);
    if (objects.isEmpty())
        return;
    const int current = int(objects.indexOf(m_selected));
    int next;
    if (current < 0)
        next = forward ? 0 : int(objects.size()) - 1;
    else
        next = (current + (forward ? 1 : -1) + int(objects.size())) % int(objects.size());
    SelectObject(objects.at(next));
}

// ---- menus ------------------------------------------------------------------------

void TDesignForm::RandEditClick()
{
    if (Guarded(this, [this] { WriteRandEditSender(m_projectName); }))
        StartSuiteProgram(ProgramWizard);
}

void TDesignForm::OpenAnimationSettings()
{
    auto *animate = new TAnimateForm(m_editor, this);
    animate->setAttribute(Qt::WA_DeleteOnClose);
    if (!animate->LoadProject(m_projectName)) {
        delete animate;
        return;
    }
    // The canvas' draw key counts, saved or not.
    animate->SetDesignDrawKey(Form().goRandShortCut.enabled, Form().goRandShortCut.shortCut);
    animate->SetDesignWindowSize(QSize(Form().window.width, Form().window.height));
    animate->ExtraButtonForm->SetCanvasPositioner([this](std::function<void(int, int)> placed) {
        show();
        raise();
        activateWindow();
        BeginExtraButtonPositioning(std::move(placed));
    });
    connect(animate, &TAnimateForm::Closed, this, [this] {
        m_placeExtraButton = nullptr;
        m_canvas->unsetCursor();
        show();
        ShowInValueEditor();
    });
    m_editor->hide();
    hide();
    animate->show();
}

void TDesignForm::UseBoxClick(DesignPart part, bool edit)
{
    FormSection after = Form();
    ResultBox &box = part == DesignPart::RandBox ? after.randBox : after.randRecord;
    const QString editType = part == DesignPart::RandBox ? QStringLiteral("Edit") : QStringLiteral("Memo");
    const QString type = edit ? editType : QStringLiteral("Label");
    if (!box.enabled || box.type == type)
        return;
    // The other control takes the place where the box stands now.
    box.position.left = PlacedLeft(box.position, m_canvas->width());
    if (edit)
        box.position.align = kAlignCustom;
    box.type = type;
    MakeBoxReadable(box, after.background.fill);
    Change(edit ? tr("使用文本框") : tr("使用非文本框"), after);
}

void TDesignForm::AddBoxClick(DesignPart part, bool edit)
{
    FormSection after = Form();
    const bool result = part == DesignPart::RandBox;
    ResultBox &box = result ? after.randBox : after.randRecord;
    if (box.enabled)
        return;
    box.enabled = true;
    box.type = edit ? (result ? QStringLiteral("Edit") : QStringLiteral("Memo")) : QStringLiteral("Label");
    if (box.format.isEmpty())
        box.format = kPlaceholderFormat;
    GiveDefaultPlace(box.position, result ? 80 : 160, 300, result ? 40 : 120);
    MakeBoxReadable(box, after.background.fill);
    Change(result ? tr("添加生成框") : tr("添加记录框"), after);
}

void TDesignForm::DeleteBoxClick(DesignPart part)
{
    FormSection after = Form();
    const bool result = part == DesignPart::RandBox;
    const ResultBox &other = result ? after.randRecord : after.randBox;
    if (!other.enabled) {
        ShowError(this, tr("操作无效"), tr("您必须保留生成框和记录框中的一个，否则将无法生成随机数！"));
        return;
    }
    (result ? after.randBox : after.randRecord).enabled = false;
    Change(result ? tr("删除生成框") : tr("删除记录框"), after);
}

void TDesignForm::ShowPicNameClick()
{
    FormSection after = Form();
    after.pictureName.visible = !after.pictureName.visible;
    Change(tr("显示图片名称"), after);
}

void TDesignForm::AddRemarkClick()
{
    if (Form().remarks.size() >= kMaxRemarks)
        return;
    m_placeExtraButton = nullptr;
    m_placingRemark = true;
    m_canvas->setCursor(Qt::SizeAllCursor);
    ShowInformation(this, tr("创建备注"),
                    tr("在窗口内的任意一处点击鼠标左键，即可在该处创建备注。"));
}

void TDesignForm::PlaceRemark(const QPoint &point)
{
    FormSection after = Form();
    if (after.remarks.size() >= kMaxRemarks)
        return;
    RemarkLabel remark;
    remark.caption = tr("备注%1").arg(after.remarks.size() + 1);
    remark.font = after.title.font;
    remark.font.size = qMax(1, remark.font.size - 2);
    const QSize text = QFontMetrics(ToQFont(remark.font)).size(0, remark.caption);
    remark.position = Position{point.y(), point.x(), text.width() + 8, text.height() + 4, QString()};
    after.remarks << remark;
    Change(tr("添加备注"), after);
    SelectObject({DesignPart::Remark, int(after.remarks.size()) - 1});
}

void TDesignForm::DelRemarkClick()
{
    FormSection after = Form();
    if (after.remarks.isEmpty())
        return;
    const int index = m_currentRemark >= 0 && m_currentRemark < after.remarks.size() ? m_currentRemark
                                                                                     : int(after.remarks.size()) - 1;
    after.remarks.removeAt(index);
    m_currentRemark = -1;
    m_selected = {};
    Change(tr("删除当前备注"), after);
}

void TDesignForm::UseGoRandButtonClick()
{
    FormSection after = Form();
    after.goRandButton.enabled = !after.goRandButton.enabled;
    if (after.goRandButton.enabled)
        GiveDefaultPlace(after.goRandButton.position, after.window.height - 70, 140, 40);
    Change(tr("使用按钮"), after);
}

void TDesignForm::UseShortCutClick()
{
    FormSection after = Form();
    after.goRandShortCut.enabled = !after.goRandShortCut.enabled;
    if (after.goRandShortCut.shortCut.isEmpty())
        after.goRandShortCut.shortCut = QStringLiteral("F2");
    Change(tr("使用快捷键"), after);
}

void TDesignForm::ChangeShortCutClick()
{
    auto *keyEditor = findChild<TVEditForm *>(QStringLiteral("TVEditForm"));
    if (!keyEditor)
        keyEditor = new TVEditForm(this);
    // The grid shows its keys: this one is only ever read back here, so it is the caption.
    const QString keyRow = tr("快捷键", "row of the key editor");
    keyEditor->InsertRow(keyRow, Form().goRandShortCut.shortCut, TVEditForm::RowKind::PickListOnly, DrawKeys());
    keyEditor->SetOkHandler([this, keyEditor, keyRow] {
        FormSection after = Form();
        after.goRandShortCut.shortCut = keyEditor->Value(keyRow);
        keyEditor->accept();
        Change(tr("更改快捷键"), after);
    });
    keyEditor->open();
}
