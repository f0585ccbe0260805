#include "iconsform.h"

#include "apppaths.h"
#include "gradient.h"
#include "selectionframe.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QShowEvent>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QWheelEvent>

namespace {
constexpr int kColumns = 7;
constexpr int kCellWidth = 80;
constexpr int kRowHeight = 67;
constexpr int kWheelStep = 35;
const QPoint kFrameOffset(-8, -3);

QPoint iconPosition(int index)
{
    return {(index % kColumns) * kCellWidth + 3, (index / kColumns) * kRowHeight + 3};
}
} // namespace

TIconsForm::TIconsForm(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TIconsForm"));
    setWindowTitle(tr("请选择您要使用的图标"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setFixedSize(598, 413);

    IconsBox = new QScrollArea(this);
    IconsBox->setObjectName(QStringLiteral("IconsBox"));
    IconsBox->setGeometry(10, 10, 578, 349);
    IconsBox->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    IconsBox->setStyleSheet(QStringLiteral("QScrollArea { background: white; border: 1px solid #7a9cc6; }"));
    IconsBox->verticalScrollBar()->setSingleStep(31);
    IconsBox->viewport()->installEventFilter(this);

    iconsPanel = new QWidget;
    iconsPanel->setObjectName(QStringLiteral("IconsPanel"));
    iconsPanel->setStyleSheet(QStringLiteral("#IconsPanel { background: white; }"));
    const int rows = (IconCount + kColumns - 1) / kColumns;
    iconsPanel->resize(kColumns * kCellWidth + 6, rows * kRowHeight + 6);
    iconsPanel->installEventFilter(this);
    IconsBox->setWidget(iconsPanel);

    SetSelBox = new SelectionFrame(SelectionFrame::Style::Selected, QSize(80, 70), iconsPanel);
    SetSelBox->setObjectName(QStringLiteral("SetSelBox"));
    MoveSelBox = new SelectionFrame(SelectionFrame::Style::Hover, QSize(80, 70), iconsPanel);
    MoveSelBox->setObjectName(QStringLiteral("MoveSelBox"));

    BOK = new QPushButton(tr("保存"), this);
    BOK->setObjectName(QStringLiteral("BOK"));
    BOK->setDefault(true);
    BOK->setGeometry(406, 371, 86, 30);
    BCancel = new QPushButton(tr("取消"), this);
    BCancel->setObjectName(QStringLiteral("BCancel"));
    BCancel->setGeometry(502, 371, 86, 30);

    connect(BOK, &QPushButton::clicked, this, [this] {
        if (okHandler)
            okHandler();
    });
    connect(BCancel, &QPushButton::clicked, this, &QDialog::reject);
}

int TIconsForm::Ask(std::function<void()> handler)
{
    okHandler = std::move(handler);
    const int result = exec();
    okHandler = nullptr;
    return result;
}

void TIconsForm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TIconsForm::FormShow()
{
    if (icons.isEmpty()) {
        for (int i = 0; i < IconCount; ++i) {
            auto *icon = new QLabel(iconsPanel);
            icon->setObjectName(QStringLiteral("Icon%1").arg(i));
            icon->setGeometry(QRect(iconPosition(i), QSize(64, 64)));
            icon->setPixmap(QPixmap(InstalledDataPath(QStringLiteral("Icons/png-%1.png").arg(i))));
            icon->setScaledContents(true);
            icon->setMouseTracking(true);
            icon->installEventFilter(this);
            icon->show();
            icons << icon;
        }
        MoveSelBox->raise();
    }
    chosenIndex = -1;
    MoveSelBox->Park();
    SetSelBox->Park();
}

void TIconsForm::IconsMouseMove(int index)
{
    MoveSelBox->move(iconPosition(index) + kFrameOffset);
}

void TIconsForm::IconsMouseDown(int index)
{
    chosenIndex = index;
    SetSelBox->move(iconPosition(index) + kFrameOffset);
}

void TIconsForm::IconsBoxMouseDown()
{
    chosenIndex = -1;
    SetSelBox->Park();
}

void TIconsForm::mousePressEvent(QMouseEvent *event)
{
    // FormClick: a click beside the box clears both marks, and with the mark the choice:
    // 保存 must not apply an icon the user no longer sees chosen.
    MoveSelBox->Park();
    IconsBoxMouseDown();
    QDialog::mousePressEvent(event);
}

bool TIconsForm::eventFilter(QObject *watched, QEvent *event)
{
    const int index = icons.indexOf(qobject_cast<QLabel *>(watched));
    switch (event->type()) {
    case QEvent::Enter:
    case QEvent::MouseMove:
        if (index >= 0)
            IconsMouseMove(index);
        break;
    case QEvent::MouseButtonPress:
        if (index >= 0)
            IconsMouseDown(index);
        else if (watched == iconsPanel)
            IconsBoxMouseDown();
        return index >= 0 || watched == iconsPanel;
    case QEvent::Wheel:
        if (watched == IconsBox->viewport()) {
            const auto *wheel = static_cast<QWheelEvent *>(event);
            QScrollBar *bar = IconsBox->verticalScrollBar();
            bar->setValue(bar->value() + (wheel->angleDelta().y() < 0 ? kWheelStep : -kWheelStep));
            return true;
        }
        break;
    default:
        break;
    }
    return QDialog::eventFilter(watched, event);
}

void TIconsForm::paintEvent(QPaintEvent *)
{
    if (background.size() != size()) {
        background = QImage(size(), QImage::Format_RGB32);
        background.fill(Qt::white);
        PaintGradient(DialogGradient, background);
    }
    QPainter(this).drawImage(0, 0, background);
}
