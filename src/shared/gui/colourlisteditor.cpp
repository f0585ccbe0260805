#include "colourlisteditor.h"

#include "messages.h"
#include "suiteerror.h"

#include <QColorDialog>
#include <QContextMenuEvent>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>

#include <algorithm>
#include <cmath>

namespace {
constexpr double kVertScale = 2.35;  // pixels per percent
constexpr double kHoriScale = 4.2;
constexpr int kStripLeft = 24;
constexpr int kStripTop = 62;
constexpr int kStripHeight = 30;
constexpr int kVertMarkerLeft = TCColorEditForm::kPreviewLeft - TCColorEditForm::kMarkerSize - 2;
constexpr int kHoriMarkerTop = TCColorEditForm::kPreviewTop + TCColorEditForm::kPreviewHeight + 2;
// Marker offsets along the axis: the marker's centre points at the stop.
constexpr int kVertMarkerMin = TCColorEditForm::kPreviewTop - TCColorEditForm::kMarkerSize / 2;   // 28
constexpr int kVertMarkerMax = kVertMarkerMin + TCColorEditForm::kPreviewHeight;                  // 263
constexpr int kHoriMarkerMin = TCColorEditForm::kPreviewLeft - TCColorEditForm::kMarkerSize / 2;  // 208
constexpr int kHoriMarkerMax = kHoriMarkerMin + TCColorEditForm::kPreviewWidth;                   // 628

int VertMarkerTop(int position)
{
    return int(std::floor(position * kVertScale)) + kVertMarkerMin;
}

int HoriMarkerLeft(int position)
{
    return int(std::floor(position * kHoriScale)) + kHoriMarkerMin;
}

QColor ColourOf(const GradientStop &stop)
{
    return QColor(stop.red, stop.green, stop.blue);
}
} // namespace

// The strip of colour cells: one 27-pixel cell per stop, the selected one framed.
class StopStrip : public QWidget
{
public:
    explicit StopStrip(TCColorEditForm *form) : QWidget(form), m_form(form)
    {
        setObjectName(QStringLiteral("ColorSet"));
        setFixedSize(TCColorEditForm::kCellWidth * TCColorEditForm::kMaxStops, kStripHeight);
        setToolTip(TCColorEditForm::tr("单击选择颜色，双击修改颜色，右击新增或删除颜色"));
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        const int cell = TCColorEditForm::kCellWidth;
        for (int i = 0; i < m_form->m_stops.size(); ++i) {
            const QRect box(i * cell + 2, 2, cell - 4, height() - 4);
            painter.fillRect(box, ColourOf(m_form->m_stops[i]));
            painter.setPen(QPen(QColor(40, 40, 60), 1));
            painter.drawRect(box.adjusted(0, 0, -1, -1));
            if (i == m_form->m_selected) {
                painter.setPen(QPen(Qt::white, 2));
                painter.drawRect(QRect(i * cell + 1, 1, cell - 2, height() - 2));
            }
        }
    }
    void mousePressEvent(QMouseEvent *event) override
    {
        m_form->ColorSetMouseDown(int(event->position().x()));
    }
    void mouseDoubleClickEvent(QMouseEvent *event) override
    {
        if (event->button() == Qt::LeftButton)
            m_form->ColorSetDblClick();
    }
    void contextMenuEvent(QContextMenuEvent *event) override
    {
        m_form->m_menu->popup(event->globalPos());
    }

private:
    TCColorEditForm *m_form;
};

// A position marker beside the preview; dragging it moves the selected stop.
class GradientMarker : public QWidget
{
public:
    GradientMarker(TCColorEditForm *form, bool vertical) : QWidget(form), m_form(form), m_vertical(vertical)
    {
        setObjectName(vertical ? QStringLiteral("VertPos") : QStringLiteral("HoriPos"));
        setFixedSize(TCColorEditForm::kMarkerSize, TCColorEditForm::kMarkerSize);
        setCursor(vertical ? Qt::SizeVerCursor : Qt::SizeHorCursor);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        QPainterPath arrow;
        const double s = TCColorEditForm::kMarkerSize;
        if (m_vertical) {  // points right, at the preview
            arrow.moveTo(3, 3);
            arrow.lineTo(s - 2, s / 2);
            arrow.lineTo(3, s - 3);
        } else {           // points up, at the preview
            arrow.moveTo(3, s - 3);
            arrow.lineTo(s / 2, 2);
            arrow.lineTo(s - 3, s - 3);
        }
        arrow.closeSubpath();
        painter.setPen(QPen(Qt::white, 1.5));
        painter.setBrush(QColor(20, 40, 110));
        painter.drawPath(arrow);
    }
    void mousePressEvent(QMouseEvent *event) override
    {
        m_dragging = event->button() == Qt::LeftButton;
    }
    void mouseMoveEvent(QMouseEvent *event) override
    {
        if (m_dragging)
            m_form->MarkerDrag(mapTo(m_form, event->position().toPoint()));
    }
    void mouseReleaseEvent(QMouseEvent *) override { m_dragging = false; }

private:
    TCColorEditForm *m_form;
    bool m_vertical;
    bool m_dragging = false;
};

TCColorEditForm::TCColorEditForm(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TCColorEditForm"));
    setWindowTitle(tr("渐变色设置"));
    setFixedSize(660, 352);

    auto *title = new QLabel(tr("颜色列表："), this);
    title->setGeometry(kStripLeft, 14, 150, 22);

    for (int i = 0; i < kMaxStops; ++i) {
        auto *id = new QLabel(QString::number(i + 1), this);
        id->setObjectName(QStringLiteral("Id%1").arg(i));
        id->setAlignment(Qt::AlignCenter);
        id->setGeometry(kStripLeft + i * kCellWidth, 40, kCellWidth, 20);
        m_idLabels << id;
    }
    m_strip = new StopStrip(this);
    m_strip->move(kStripLeft, kStripTop);

    m_stopInfo = new QLabel(this);
    m_stopInfo->setObjectName(QStringLiteral("StopInfo"));
    m_stopInfo->setGeometry(kStripLeft, 98, 175, 54);
    m_stopInfo->setWordWrap(true);

    auto *hint = new QLabel(tr("双击颜色块修改颜色；\n右击颜色块新增或删除颜色；\n拖动预览旁的箭头调整位置。"), this);
    hint->setGeometry(kStripLeft, 154, 175, 58);
    hint->setStyleSheet(QStringLiteral("color: #1d3557;"));

    auto *direction = new QGroupBox(tr("渐变方向"), this);
    direction->setGeometry(kStripLeft, 218, 160, 62);
    m_dirHori = new QRadioButton(tr("水平"), direction);
    m_dirHori->setObjectName(QStringLiteral("DirHori"));
    m_dirHori->setGeometry(12, 28, 64, 24);
    m_dirVert = new QRadioButton(tr("竖直"), direction);
    m_dirVert->setObjectName(QStringLiteral("DirVert"));
    // A longer caption (another language) gets the room it needs.
    m_dirHori->resize(std::max(64, m_dirHori->sizeHint().width()), 24);
    m_dirVert->setGeometry(std::max(84, m_dirHori->geometry().right() + 8), 28,
                           std::max(64, m_dirVert->sizeHint().width()), 24);
    m_dirVert->setChecked(true);
    connect(m_dirHori, &QRadioButton::clicked, this, &TCColorEditForm::DirectionClick);
    connect(m_dirVert, &QRadioButton::clicked, this, &TCColorEditForm::DirectionClick);

    auto *previewTitle = new QLabel(tr("效果预览："), this);
    previewTitle->setGeometry(kPreviewLeft, 14, 150, 22);
    m_preview = new QLabel(this);
    m_preview->setObjectName(QStringLiteral("ColorShow"));
    m_preview->setGeometry(kPreviewLeft, kPreviewTop, kPreviewWidth, kPreviewHeight);
    m_preview->setFrameStyle(QFrame::Box | QFrame::Plain);

    m_vertPos = new GradientMarker(this, true);
    m_horiPos = new GradientMarker(this, false);
    m_vertPos->move(kVertMarkerLeft, kVertMarkerMin);
    m_horiPos->move(kHoriMarkerMin, kHoriMarkerTop);
    m_horiPos->hide();

    m_menu = new QMenu(this);
    m_menu->setObjectName(QStringLiteral("CListsMenu"));
    QAction *add = m_menu->addAction(tr("新增颜色"));
    add->setObjectName(QStringLiteral("AddNewColor"));
    QAction *del = m_menu->addAction(tr("删除当前颜色"));
    del->setObjectName(QStringLiteral("DelNowColor"));
    connect(add, &QAction::triggered, this, &TCColorEditForm::AddNewColorClick);
    connect(del, &QAction::triggered, this, &TCColorEditForm::DelNowColorClick);

    m_colorDialog = new QColorDialog(this);
    m_colorDialog->setObjectName(QStringLiteral("SetColor"));
    m_colorDialog->setWindowTitle(tr("选择颜色"));

    m_save = new QPushButton(tr("保存设置"), this);
    m_save->setObjectName(QStringLiteral("SaveConfig"));
    m_save->setGeometry(438, 306, 96, 32);
    m_save->setDefault(true);
    m_exit = new QPushButton(tr("取消"), this);
    m_exit->setObjectName(QStringLiteral("Exit"));
    m_exit->setGeometry(542, 306, 96, 32);
    connect(m_save, &QPushButton::clicked, this, &TCColorEditForm::SaveConfigClick);
    connect(m_exit, &QPushButton::clicked, this, &QDialog::reject);

    m_requirer = new QLabel(this);
    m_requirer->setObjectName(QStringLiteral("requirer"));
    m_requirer->hide();

    m_background = QImage(size(), QImage::Format_RGB32);
    PaintGradient(DialogGradient, m_background);

    m_result = DefaultBackgroundGradient;
    LoadFromText();
}

void TCColorEditForm::SetRequirer(const QString &name)
{
    m_requirer->setText(name);
}

QString TCColorEditForm::Requirer() const
{
    return m_requirer->text();
}

void TCColorEditForm::SetGradientText(const QString &text)
{
    m_result = text;
}

QString TCColorEditForm::GradientText() const
{
    return m_result;
}

QString TCColorEditForm::Direction() const
{
    return m_dirHori->isChecked() ? GradientHori : GradientVert;
}

void TCColorEditForm::showEvent(QShowEvent *event)
{
    // A window restored from the task bar keeps the edits in progress.
    if (!event->spontaneous())
        LoadFromText();
    QDialog::showEvent(event);
}

void TCColorEditForm::LoadFromText()
{
    Gradient gradient;
    try {
        gradient = ParseGradient(m_result);
        if (gradient.stops.size() < 2)
            throw SuiteError(tr("渐变色设置有误：至少需要两种颜色。"));
    } catch (const SuiteError &error) {
        // Keep the editor usable: report a malformed text and start from the default
        // (an empty one simply means no gradient has been chosen yet).
        if (!m_result.isEmpty())
            ShowError(this, tr("参数有误"), error.message() + tr("\n已改用默认渐变色。"));
        gradient = ParseGradient(DefaultBackgroundGradient);
    }
    m_stops = gradient.stops;
    m_selected = 0;
    (gradient.direction == GradientHori ? m_dirHori : m_dirVert)->setChecked(true);
    DirectionClick();
}

void TCColorEditForm::ColorSetMouseDown(int x)
{
    const int index = x / kCellWidth;
    if (x < 0 || index >= m_stops.size())
        return;
    m_selected = index;
    Repaint();
}

void TCColorEditForm::ColorSetDblClick()
{
    m_colorDialog->setCurrentColor(ColourOf(m_stops[m_selected]));
    if (m_colorDialog->exec() != QDialog::Accepted)
        return;
    const QColor chosen = m_colorDialog->selectedColor();
    if (!chosen.isValid())
        return;
    GradientStop &stop = m_stops[m_selected];
    stop.red = chosen.red();
    stop.green = chosen.green();
    stop.blue = chosen.blue();
    Repaint();
}

void TCColorEditForm::AddNewColorClick()
{
    if (m_stops.size() >= kMaxStops) {
        ShowError(this, tr("颜色总数超出限制"), tr("最多只能设置五种颜色！"));
        return;
    }
    m_stops.append(GradientStop{255, 255, 255, 100});
    Repaint();
}

void TCColorEditForm::DelNowColorClick()
{
    if (m_stops.size() <= 2) {
        ShowError(this, tr("颜色总数至少为两种"), tr("必须保留至少两种颜色！"));
        return;
    }
    m_stops.removeAt(m_selected);
    m_stops.first().position = 0;
    m_stops.last().position = 100;
    m_selected = std::min(m_selected, int(m_stops.size()) - 1);
    Repaint();
}

void TCColorEditForm::DirectionClick()
{
    const bool hori = m_dirHori->isChecked();
    m_horiPos->setVisible(hori);
    m_vertPos->setVisible(!hori);
    Repaint();
}

void TCColorEditForm::MarkerDrag(const QPoint &pointerOnForm)
{
    // The end stops stay at the ends of the gradient.
    if (m_selected <= 0 || m_selected >= m_stops.size() - 1)
        return;
    const GradientStop &previous = m_stops[m_selected - 1];
    const GradientStop &next = m_stops[m_selected + 1];
    int position = 0;
    if (m_dirHori->isChecked()) {
        const int left = pointerOnForm.x() - kMarkerSize / 2;
        if (left < kHoriMarkerMin || left > kHoriMarkerMax || left <= HoriMarkerLeft(previous.position)
            || left >= HoriMarkerLeft(next.position))
            return;
        position = int(std::floor((pointerOnForm.x() - kPreviewLeft) / kHoriScale));
    } else {
        const int top = pointerOnForm.y() - kMarkerSize / 2;
        if (top < kVertMarkerMin || top > kVertMarkerMax || top <= VertMarkerTop(previous.position)
            || top >= VertMarkerTop(next.position))
            return;
        position = int(std::floor((pointerOnForm.y() - kPreviewTop) / kVertScale));
    }
    m_stops[m_selected].position = position;
    Repaint();
}

void TCColorEditForm::PlaceMarkers()
{
    const int position = m_stops[m_selected].position;
    m_vertPos->move(kVertMarkerLeft, VertMarkerTop(position));
    m_horiPos->move(HoriMarkerLeft(position), kHoriMarkerTop);
    const bool movable = m_selected > 0 && m_selected < m_stops.size() - 1;
    const QString tip = movable ? tr("拖动以调整当前颜色的位置")
                                : tr("首尾两种颜色的位置固定");
    m_vertPos->setToolTip(tip);
    m_horiPos->setToolTip(tip);
}

void TCColorEditForm::Repaint()
{
    for (int i = 0; i < kMaxStops; ++i) {
        QLabel *id = m_idLabels[i];
        id->setVisible(i < m_stops.size());
        QFont f = id->font();
        f.setBold(i == m_selected);
        id->setFont(f);
    }
    const GradientStop &stop = m_stops[m_selected];
    m_stopInfo->setText(tr("当前颜色：第%1种\nRGB(%2,%3,%4)\n位置：%5%")
                            .arg(m_selected + 1).arg(stop.red).arg(stop.green).arg(stop.blue).arg(stop.position));
    m_strip->update();
    PlaceMarkers();

    QImage preview(kPreviewWidth, kPreviewHeight, QImage::Format_RGB32);
    preview.fill(Qt::white);
    PaintGradient(Gradient{m_stops, Direction()}, preview);
    m_preview->setPixmap(QPixmap::fromImage(preview));
}

void TCColorEditForm::SaveConfigClick()
{
    m_result = ComposeGradient(m_stops, Direction());
    emit GradientSaved(m_result);
    accept();
}

void TCColorEditForm::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawImage(0, 0, m_background);
}
