#include "extrabuttonform.h"

#include "gradient.h"
#include "editorplacement.h"
#include "messages.h"
#include "propertytemplates.h"
#include "widgetlook.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

namespace {
const QString kImgButton = QStringLiteral("ImgButton");
const QString kTextButton = QStringLiteral("TextButton");
const QString kSpeedButton = QStringLiteral("SpeedButton");
const QRect kModelArea(16, 48, 488, 236);
const QPoint kModelOrigin(40, 72);

QRadioButton *KindRadio(QWidget *parent, const QString &name, const QString &text, int left)
{
    auto *radio = new QRadioButton(text, parent);
    radio->setObjectName(name);
    radio->setGeometry(left, 12, 120, 24);
    return radio;
}
} // namespace

TExtraButtonForm::TExtraButtonForm(TDVEditorForm *editor, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint), m_editor(editor)
{
    setObjectName(QStringLiteral("TExtraButtonForm"));
    setWindowTitle(tr("独立按钮设置"));
    setFixedSize(520, 340);

    auto *kindTitle = new QLabel(tr("按钮类型："), this);
    kindTitle->setGeometry(16, 12, 76, 24);
    UseImgButton = KindRadio(this, QStringLiteral("UseImgButton"), tr("图片按钮"), 92);
    UseTextButton = KindRadio(this, QStringLiteral("UseTextButton"), tr("文字按钮"), 200);
    UseSpeedButton = KindRadio(this, QStringLiteral("UseSpeedButton"), tr("文字+图片按钮"), 308);
    UseImgButton->setChecked(true);
    for (QRadioButton *radio : {UseImgButton, UseTextButton, UseSpeedButton})
        connect(radio, &QRadioButton::clicked, this, &TExtraButtonForm::KindClick);

    ImgButtonSet = new QLabel(this);
    ImgButtonSet->setObjectName(QStringLiteral("ImgButtonSet"));
    ImgButtonSet->setAlignment(Qt::AlignCenter);
    ImgButtonSet->setGeometry(QRect(kModelOrigin, QSize(100, 40)));
    ImgBorder = new QLabel(this);
    ImgBorder->setObjectName(QStringLiteral("ImgBorder"));
    ImgBorder->setAttribute(Qt::WA_TransparentForMouseEvents);
    ImgBorder->setStyleSheet(QStringLiteral("border: 1px dashed #3050c0; background: transparent;"));
    ImgBorder->hide();
    TextButtonSet = new QPushButton(tr("停止"), this);
    TextButtonSet->setObjectName(QStringLiteral("TextButtonSet"));
    TextButtonSet->setGeometry(QRect(kModelOrigin, QSize(100, 40)));
    SpeedButtonSet = new QToolButton(this);
    SpeedButtonSet->setObjectName(QStringLiteral("SpeedButtonSet"));
    SpeedButtonSet->setText(tr("停止"));
    SpeedButtonSet->setAutoRaise(true);
    SpeedButtonSet->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    SpeedButtonSet->setGeometry(QRect(kModelOrigin, QSize(120, 44)));
    for (QWidget *model : std::initializer_list<QWidget *>{ImgButtonSet, TextButtonSet, SpeedButtonSet}) {
        model->installEventFilter(this);
        model->setCursor(Qt::SizeAllCursor);
        model->hide();
    }

    m_selection = new CanvasSelection(this);
    connect(m_selection, &CanvasSelection::Pressed, this, [this] { m_pressRect = VisibleModel()->geometry(); });
    connect(m_selection, &CanvasSelection::Dragged, this, &TExtraButtonForm::HandleDragged);
    connect(m_selection, &CanvasSelection::Released, this, &TExtraButtonForm::HandleReleased);

    PositionInfo = new QLabel(this);
    PositionInfo->setObjectName(QStringLiteral("PositionInfo"));
    PositionInfo->setGeometry(16, 298, 300, 28);
    BSave = new QPushButton(tr("保存"), this);
    BSave->setObjectName(QStringLiteral("BSave"));
    BSave->setGeometry(324, 296, 86, 30);
    BCancel = new QPushButton(tr("取消"), this);
    BCancel->setObjectName(QStringLiteral("BCancel"));
    BCancel->setGeometry(418, 296, 86, 30);
    // Both close: what the window shows is what the animation dialog saves.
    connect(BSave, &QPushButton::clicked, this, &TExtraButtonForm::close);
    connect(BCancel, &QPushButton::clicked, this, &TExtraButtonForm::close);

    m_background = QImage(size(), QImage::Format_RGB32);
    PaintGradient(DialogGradient, m_background);
}

void TExtraButtonForm::Open(ExtraButton *state)
{
    m_state = state;
    UseImgButton->setChecked(state->type == kImgButton);
    UseTextButton->setChecked(state->type == kTextButton);
    UseSpeedButton->setChecked(state->type == kSpeedButton);
    if (!UseTextButton->isChecked() && !UseSpeedButton->isChecked())
        UseImgButton->setChecked(true);
    const QString text = state->text.isEmpty() ? tr("停止") : state->text;
    TextButtonSet->setText(text);
    SpeedButtonSet->setText(text);
    ApplyFont(state->font);
    for (QWidget *model : std::initializer_list<QWidget *>{ImgButtonSet, TextButtonSet, SpeedButtonSet})
        model->setVisible(model == VisibleModel());
    VisibleModel()->resize(state->width, state->height);
    ApplyPicture(state->imagePath);
    PositionInfo->setText(tr("按钮位置：(%1, %2)").arg(state->positionX).arg(state->positionY));

    CentreOnScreen(this);
    show();
    raise();
    m_editor->SetRequirer(kRequirerExtraButton);
    PlaceValueEditor(m_editor, this);
    m_editor->show();
    SelectModel();
}

QString TExtraButtonForm::Kind() const
{
    return UseTextButton->isChecked() ? kTextButton : UseSpeedButton->isChecked() ? kSpeedButton : kImgButton;
}

QWidget *TExtraButtonForm::VisibleModel() const
{
    const QString kind = Kind();
    if (kind == kTextButton)
        return TextButtonSet;
    if (kind == kSpeedButton)
        return SpeedButtonSet;
    return ImgButtonSet;
}

void TExtraButtonForm::KindClick()
{
    for (QWidget *model : std::initializer_list<QWidget *>{ImgButtonSet, TextButtonSet, SpeedButtonSet})
        model->setVisible(model == VisibleModel());
    ImgBorder->hide();
    SelectModel();
    StoreState();
}

void TExtraButtonForm::SelectModel()
{
    m_selected = true;
    m_selection->Place(VisibleModel()->geometry());
    ShowRows();
}

void TExtraButtonForm::ShowRows()
{
    const QString kind = Kind();
    const QString list = kind == kTextButton    ? kTextButtonProperties
                         : kind == kSpeedButton ? kSpeedButtonProperties
                                                : kImgButtonProperties;
    const QSize size = VisibleModel()->size();
    m_editor->ShowProperties(list,
                             {{QStringLiteral("文本"), TextButtonSet->text()},
                              {QStringLiteral("高度"), QString::number(size.height())},
                              {QStringLiteral("宽度"), QString::number(size.width())}},
                             this);
}

void TExtraButtonForm::HandleDragged(HandleDirection direction, int dx, int dy)
{
    // The models resize like an edit box on the canvas: every edge follows its handle.
    const QRect resized = ResizedRect(direction, m_pressRect, kAlignCustom, dx, dy);
    VisibleModel()->setGeometry(resized);
    m_selection->Place(resized);
    m_editor->SetValue(QStringLiteral("高度"), QString::number(resized.height()));
    m_editor->SetValue(QStringLiteral("宽度"), QString::number(resized.width()));
}

void TExtraButtonForm::HandleReleased()
{
    if (SpeedButtonSet->isVisible() && m_state)
        ApplyPicture(m_state->imagePath);
    StoreState();
}

void TExtraButtonForm::PropertyChanged(const QString &key, const QString &value)
{
    if (key != QStringLiteral("文本"))
        return;
    TextButtonSet->setText(value);
    SpeedButtonSet->setText(value);
    StoreState();
}

void TExtraButtonForm::PropertyClicked(const QString &key)
{
    if (!m_state)
        return;
    if (key == QStringLiteral("字体")) {
        if (const std::optional<FontSpec> font = m_editor->ChooseFont(m_state->font)) {
            m_state->font = *font;
            ApplyFont(*font);
        }
    } else if (key == QStringLiteral("图片")) {
        const QString path = m_editor->ChoosePicture();
        if (!path.isEmpty()) {
            m_state->imagePath = path;
            ApplyPicture(path);
        }
    } else if (key == QStringLiteral("位置")) {
        ShowInformation(this, tr("请确定按钮的位置"),
                        tr("请您在项目设计界面确定按钮的位置，按下鼠标左键后定位生效。"));
        if (!m_positioner)
            return;
        m_editor->hide();
        hide();
        m_positioner([this](int x, int y) { ButtonPlaced(x, y); });
    }
    StoreState();
}

void TExtraButtonForm::ButtonPlaced(int x, int y)
{
    if (!m_state)
        return;
    m_state->positionX = x;
    m_state->positionY = y;
    PositionInfo->setText(tr("按钮位置：(%1, %2)").arg(x).arg(y));
    ShowInformation(this, tr("按钮已定位"), tr("按钮已完成定位，坐标为(%1,%2)").arg(x).arg(y));
    show();
    raise();
    m_editor->SetRequirer(kRequirerExtraButton);
    m_editor->show();
    SelectModel();
}

void TExtraButtonForm::ApplyPicture(const QString &path)
{
    const QPixmap picture(path);
    if (picture.isNull()) {
        ImgButtonSet->setPixmap({});
        ImgButtonSet->setText(path.isEmpty() ? tr("（未选择图片）") : tr("（图片无法读取）"));
        ImgButtonSet->setStyleSheet(QStringLiteral("color: #304050; background: rgba(255,255,255,90);"));
        SpeedButtonSet->setIcon({});
        return;
    }
    ImgButtonSet->setStyleSheet({});
    ImgButtonSet->setPixmap(picture);
    // Sized as the drawing window sizes it: the glyph fits the button's height.
    const int height = SpeedButtonSet->height();
    SpeedButtonSet->setIcon(QIcon(picture));
    SpeedButtonSet->setIconSize(picture.size().boundedTo(QSize(height, height)));
}

void TExtraButtonForm::ApplyFont(const FontSpec &font)
{
    ::ApplyFont(TextButtonSet, font);
    ::ApplyFont(SpeedButtonSet, font);
}

void TExtraButtonForm::StoreState()
{
    if (!m_state)
        return;
    m_state->type = Kind();
    m_state->width = VisibleModel()->width();
    m_state->height = VisibleModel()->height();
    m_state->text = TextButtonSet->text();
}

bool TExtraButtonForm::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != ImgButtonSet && watched != TextButtonSet && watched != SpeedButtonSet)
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        SelectModel();
        return true; // a model is not a button here: pressing it selects it
    case QEvent::MouseButtonRelease:
        return true;
    case QEvent::Enter:
        if (watched == ImgButtonSet) {
            ImgBorder->setGeometry(ImgButtonSet->geometry().adjusted(-1, -1, 1, 1));
            ImgBorder->show();
            ImgBorder->raise();
        }
        break;
    case QEvent::Leave:
        ImgBorder->hide();
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void TExtraButtonForm::closeEvent(QCloseEvent *event)
{
    StoreState();
    m_selection->Park();
    m_editor->ClearRows();
    m_editor->hide();
    QWidget::closeEvent(event);
}

void TExtraButtonForm::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawImage(0, 0, m_background);
    painter.fillRect(kModelArea, QColor(255, 255, 255, 110));
    painter.setPen(QPen(QColor(0, 90, 160), 1, Qt::DashLine));
    painter.drawRect(kModelArea.adjusted(0, 0, -1, -1));
}
