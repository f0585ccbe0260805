#include "extrascreenform.h"

#include "editorplacement.h"
#include "messages.h"
#include "propertytemplates.h"
#include "suiteerror.h"
#include "tbgsetform.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>

namespace {
const QString kMemo = QStringLiteral("Memo");
const QString kLabel = QStringLiteral("Label");
} // namespace

ExtraScreenBackground::ExtraScreenBackground(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("BgImg"));
}

void ExtraScreenBackground::SetFill(const BackgroundFill &fill)
{
    m_painter.SetFill(fill);
    update();
}

void ExtraScreenBackground::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    m_painter.Paint(painter, size());
}

void ExtraScreenBackground::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && pressed)
        pressed();
}

TExtraScreenForm::TExtraScreenForm(TDVEditorForm *editor, QWidget *parent)
    : QMainWindow(parent, Qt::Window), m_editor(editor)
{
    setObjectName(QStringLiteral("ExtraScreenForm"));
    setWindowTitle(tr("独立窗口设置"));

    FormMenu = new QMenuBar(this);
    FormMenu->setObjectName(QStringLiteral("FormMenu"));
    setMenuBar(FormMenu);
    RandSave = FormMenu->addAction(tr("保存当前设置"));
    RandSave->setObjectName(QStringLiteral("RandSave"));
    RandConvert = FormMenu->addAction(tr("切换为非文本框"));
    RandConvert->setObjectName(QStringLiteral("RandConvert"));
    QMenu *formats = FormMenu->addMenu(tr("使用格式"));
    UseRBFormat = formats->addAction(tr("使用生成框格式"));
    UseRBFormat->setObjectName(QStringLiteral("UseRBFormat"));
    UseRRFormat = formats->addAction(tr("使用记录框格式"));
    UseRRFormat->setObjectName(QStringLiteral("UseRRFormat"));
    for (QAction *format : {UseRBFormat, UseRRFormat}) {
        format->setCheckable(true);
        connect(format, &QAction::triggered, this, [this, format] { FormatClick(format); });
    }
    // The settings live in the animation dialog, which writes them when it saves.
    connect(RandSave, &QAction::triggered, this, &TExtraScreenForm::close);
    connect(RandConvert, &QAction::triggered, this, &TExtraScreenForm::RandConvertClick);

    BgImg = new ExtraScreenBackground(this);
    BgImg->pressed = [this] { SelectWindow(); };
    setCentralWidget(BgImg);

    RandMemo = new QPlainTextEdit(tr("随机数将显示在这里"), BgImg);
    RandMemo->setObjectName(QStringLiteral("RandMemo"));
    RandMemo->setReadOnly(true);
    RandMemo->setContextMenuPolicy(Qt::NoContextMenu);
    RandMemo->viewport()->setCursor(Qt::ArrowCursor);
    RandLabel = new QLabel(tr("随机数将显示在这里"), BgImg);
    RandLabel->setObjectName(QStringLiteral("RandLabel"));
    RandLabel->setWordWrap(true);
    RandLabel->hide();
    RandLabelBorder = new QLabel(BgImg);
    RandLabelBorder->setObjectName(QStringLiteral("RandLabelBorder"));
    RandLabelBorder->setAttribute(Qt::WA_TransparentForMouseEvents);
    RandLabelBorder->setStyleSheet(QStringLiteral("border: 1px dashed #ffffff; background: transparent;"));
    RandLabelBorder->hide();

    m_selection = new CanvasSelection(BgImg);
    connect(m_selection, &CanvasSelection::Pressed, this, [this] { m_pressRect = ResultBox()->geometry(); });
    connect(m_selection, &CanvasSelection::Dragged, this, &TExtraScreenForm::HandleDragged);
    connect(m_selection, &CanvasSelection::Released, this, &TExtraScreenForm::HandleReleased);
    // The filter compares against both boxes: installed once both exist.
    RandMemo->viewport()->installEventFilter(this);
    RandLabel->installEventFilter(this);
    resize(500, 300);
}

void TExtraScreenForm::Open(ExtraScreen *state)
{
    // Geometry changes while loading are not the user's.
    m_state = nullptr;
    m_boxSelected = m_windowSelected = false;
    m_selection->Park();
    // The stored height is the drawing window's; this window adds its menu bar.
    resize(state->width, state->height + FormMenu->sizeHint().height());
    if (state->formAlign == kFormCentred)
        CentreOnScreen(this);
    else
        move(state->left, state->top);
    ApplyBackground(state->background);
    show();
    raise();
    layout()->activate();

    const bool memo = state->randType == kMemo;
    RandMemo->setVisible(memo);
    RandLabel->setVisible(!memo);
    RandConvert->setText(memo ? tr("切换为非文本框") : tr("切换为文本框"));
    // The drawing window gives the box equal margins on both sides.
    ResultBox()->setGeometry(MarginBox(state->borderDistanceX, state->borderDistanceY, BgImg->size()));
    UseRBFormat->setChecked(state->useFormat == QStringLiteral("RandBox"));
    UseRRFormat->setChecked(state->useFormat == QStringLiteral("RandRecord"));
    m_state = state;
    ApplyBoxLook();

    m_editor->SetRequirer(kRequirerExtraScreen);
    m_editor->ClearRows();
    PlaceValueEditor(m_editor, this);
    m_editor->show();
}

QWidget *TExtraScreenForm::ResultBox() const
{
    return RandLabel->isVisibleTo(BgImg) ? static_cast<QWidget *>(RandLabel) : RandMemo;
}

void TExtraScreenForm::ApplyBoxLook()
{
    const Qt::Alignment alignment = BoxTextAlignment(TextToAlignment(m_state->randAlign));
    ::ApplyFont(RandMemo, m_state->randFont);
    ::ApplyFont(RandLabel, m_state->randFont);
    SetBaseColour(RandMemo, ToQColor(m_state->randBgColour));
    RandMemo->document()->setDefaultTextOption(QTextOption(alignment));
    RandMemo->setPlainText(tr("随机数将显示在这里"));
    RandLabel->setAlignment(alignment);
}

void TExtraScreenForm::ApplyBackground(const BackgroundFill &fill)
{
    try {
        BgImg->SetFill(fill);
    } catch (const SuiteError &error) {
        ShowError(this, tr("参数有误"), error.message());
    }
}

void TExtraScreenForm::SelectResultBox()
{
    if (!m_state)
        return;
    m_boxSelected = true;
    m_windowSelected = false;
    m_selection->Place(ResultBox()->geometry());
    const bool memo = ResultBox() == RandMemo;
    m_editor->ShowProperties(memo ? kExtraMemoProperties : kExtraLabelProperties,
                             {{QStringLiteral("对齐方式"), m_state->randAlign},
                              {QStringLiteral("水平间距"), QString::number(ResultBox()->x())},
                              {QStringLiteral("竖直间距"), QString::number(ResultBox()->y())}},
                             this);
}

void TExtraScreenForm::SelectWindow()
{
    if (!m_state)
        return;
    m_boxSelected = false;
    m_windowSelected = true;
    m_selection->Park();
    m_editor->ShowProperties(kExtraWindowProperties,
                             {{QStringLiteral("对齐方式"), m_state->formAlign},
                              {QStringLiteral("位置X"), QString::number(x())},
                              {QStringLiteral("位置Y"), QString::number(y())},
                              {QStringLiteral("高度"), QString::number(BgImg->height())},
                              {QStringLiteral("宽度"), QString::number(width())}},
                             this);
}

void TExtraScreenForm::HandleDragged(HandleDirection direction, int dx, int dy)
{
    // Shown as the drawing window will draw it: the edge dragged sets the margin of both
    // opposite sides.
    const QRect resized = EqualMarginRect(direction, m_pressRect, dx, dy, BgImg->size());
    ResultBox()->setGeometry(resized);
    m_selection->Place(resized);
}

void TExtraScreenForm::HandleReleased()
{
    StoreState();
    m_editor->SetValue(QStringLiteral("水平间距"), QString::number(ResultBox()->x()));
    m_editor->SetValue(QStringLiteral("竖直间距"), QString::number(ResultBox()->y()));
}

void TExtraScreenForm::RandConvertClick()
{
    if (!m_state)
        return;
    QWidget *from = ResultBox();
    const bool toMemo = from == RandLabel;
    QWidget *to = toMemo ? static_cast<QWidget *>(RandMemo) : RandLabel;
    to->setGeometry(from->geometry());
    from->hide();
    to->show();
    RandLabelBorder->hide();
    m_state->randType = toMemo ? kMemo : kLabel;
    // Font, alignment and the memo's colour are the window's, so the new box takes them.
    ApplyBoxLook();
    RandConvert->setText(toMemo ? tr("切换为非文本框") : tr("切换为文本框"));
    const QString replacedHeading = toMemo ? QStringLiteral("非文本框") : QStringLiteral("文本框");
    if (m_editor->Target() == this && m_editor->Heading() == replacedHeading)
        SelectResultBox();
    else if (m_boxSelected)
        m_selection->Place(to->geometry());
}

void TExtraScreenForm::FormatClick(QAction *chosen)
{
    QAction *other = chosen == UseRBFormat ? UseRRFormat : UseRBFormat;
    if (chosen->isChecked())
        other->setChecked(false);
    StoreState();
}

void TExtraScreenForm::PropertyChanged(const QString &key, const QString &value)
{
    if (!m_state || key != QStringLiteral("对齐方式"))
        return;
    if (m_windowSelected) {
        m_state->formAlign = value;
        if (value == kFormCentred)
            CentreOnScreen(this);
    } else if (m_boxSelected) {
        m_state->randAlign = value == kAlignCentre || value == kAlignRight ? value : kAlignLeft;
        ApplyBoxLook();
    }
}

void TExtraScreenForm::PropertyClicked(const QString &key)
{
    if (!m_state)
        return;
    if (key == QStringLiteral("字体")) {
        if (const std::optional<FontSpec> font = m_editor->ChooseFont(m_state->randFont)) {
            m_state->randFont = *font;
            ApplyBoxLook();
        }
    } else if (key == QStringLiteral("背景颜色")) {
        if (const std::optional<Rgb> colour = m_editor->ChooseColour(m_state->randBgColour)) {
            m_state->randBgColour = *colour;
            ApplyBoxLook();
        }
    } else if (key == QStringLiteral("背景")) {
        if (!m_bgSet) {
            m_bgSet = new TBgSetForm(this);
            connect(m_bgSet, &TBgSetForm::BackgroundChosen, this, [this](const BackgroundFill &fill) {
                if (!m_state)
                    return;
                m_state->background = fill;
                ApplyBackground(fill);
            });
        }
        m_bgSet->SetRequirer(kRequirerExtraScreen);
        m_bgSet->SetBackground(m_state->background);
        m_bgSet->open();
    }
}

void TExtraScreenForm::WindowGeometryChanged()
{
    if (!m_state)
        return;
    StoreState();
    if (!m_windowSelected)
        return;
    m_editor->SetValue(QStringLiteral("位置X"), QString::number(x()));
    m_editor->SetValue(QStringLiteral("位置Y"), QString::number(y()));
    m_editor->SetValue(QStringLiteral("高度"), QString::number(BgImg->height()));
    m_editor->SetValue(QStringLiteral("宽度"), QString::number(width()));
}

void TExtraScreenForm::StoreState()
{
    if (!m_state)
        return;
    m_state->left = x();
    m_state->top = y();
    m_state->width = width();
    m_state->height = BgImg->height();
    m_state->borderDistanceX = ResultBox()->x();
    m_state->borderDistanceY = ResultBox()->y();
    m_state->randType = ResultBox() == RandMemo ? kMemo : kLabel;
    m_state->useFormat = UseRBFormat->isChecked()   ? QStringLiteral("RandBox")
                         : UseRRFormat->isChecked() ? QStringLiteral("RandRecord")
                                                    : QString();
}

bool TExtraScreenForm::eventFilter(QObject *watched, QEvent *event)
{
    const bool onBox = watched == RandLabel || watched == RandMemo->viewport();
    if (!onBox)
        return QMainWindow::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        SelectResultBox();
        return true;
    case QEvent::Enter:
        if (watched == RandLabel) {
            RandLabelBorder->setGeometry(RandLabel->geometry().adjusted(-1, -1, 1, 1));
            RandLabelBorder->show();
            RandLabelBorder->raise();
        }
        break;
    case QEvent::Leave:
        RandLabelBorder->hide();
        break;
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, event);
}

void TExtraScreenForm::closeEvent(QCloseEvent *event)
{
    StoreState();
    m_selection->Park();
    m_boxSelected = m_windowSelected = false;
    m_editor->SetRequirer(QString());
    m_editor->ClearRows();
    m_editor->hide();
    QMainWindow::closeEvent(event);
}

void TExtraScreenForm::moveEvent(QMoveEvent *event)
{
    QMainWindow::moveEvent(event);
    WindowGeometryChanged();
}

void TExtraScreenForm::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    if (m_state) {
        // The margins stay; the box grows and shrinks with the window as it will when drawn.
        layout()->activate();
        ResultBox()->setGeometry(MarginBox(ResultBox()->x(), ResultBox()->y(), BgImg->size()));
        if (m_boxSelected)
            m_selection->Place(ResultBox()->geometry());
    }
    WindowGeometryChanged();
}
