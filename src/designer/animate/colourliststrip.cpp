#include "colourliststrip.h"

#include "messages.h"
#include "widgetlook.h"

#include <QColorDialog>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QPainter>

namespace {
constexpr int kNumberHeight = 18;
constexpr int kCellHeight = 26;
} // namespace

ColourListStrip::ColourListStrip(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("ColorSet"));
    setFixedSize(kCellWidth * kCellCount, kNumberHeight + kCellHeight);
    setToolTip(tr("单击选择颜色，双击修改颜色，右击新增或删除颜色"));
    for (int i = 0; i < kCellCount; ++i) {
        auto *id = new QLabel(QString::number(i + 1), this);
        id->setObjectName(QStringLiteral("Id%1").arg(i));
        id->setAlignment(Qt::AlignCenter);
        id->setGeometry(i * kCellWidth, 0, kCellWidth, kNumberHeight);
        id->setAttribute(Qt::WA_TransparentForMouseEvents);
        id->hide();
        m_ids << id;
    }

    m_menu = new QMenu(this);
    m_menu->setObjectName(QStringLiteral("CListsMenu"));
    QAction *add = m_menu->addAction(tr("新增颜色"));
    add->setObjectName(QStringLiteral("AddNewColor"));
    QAction *del = m_menu->addAction(tr("删除当前颜色"));
    del->setObjectName(QStringLiteral("DelNowColor"));
    connect(add, &QAction::triggered, this, &ColourListStrip::AddColour);
    connect(del, &QAction::triggered, this, &ColourListStrip::DeleteColour);

    m_colorDialog = new QColorDialog(this);
    m_colorDialog->setObjectName(QStringLiteral("SetColor"));
    m_colorDialog->setWindowTitle(tr("选择颜色"));
}

void ColourListStrip::Edit(QVector<Rgb> *list)
{
    m_list = list;
    m_selected = 0;
    Refresh();
}

void ColourListStrip::SelectAt(int x)
{
    const int index = x / kCellWidth;
    if (!m_list || x < 0 || index >= m_list->size())
        return;
    m_selected = index;
    Refresh();
}

void ColourListStrip::AddColour()
{
    if (!m_list)
        return;
    if (m_list->size() >= kCellCount) {
        ShowError(window(), tr("颜色总数超出限制"), tr("最多只能设置七种颜色！"));
        return;
    }
    m_list->append(Rgb{255, 255, 255});
    Refresh();
}

void ColourListStrip::DeleteColour()
{
    if (!m_list)
        return;
    if (m_list->size() <= 1) {
        ShowError(window(), tr("颜色总数至少为一种"), tr("必须保留至少一种颜色！"));
        return;
    }
    m_list->removeAt(m_selected);
    m_selected = std::min(m_selected, int(m_list->size()) - 1);
    Refresh();
}

void ColourListStrip::ChooseColour()
{
    if (!m_list || m_selected >= m_list->size())
        return;
    m_colorDialog->setCurrentColor(ToQColor(m_list->at(m_selected)));
    if (m_colorDialog->exec() != QDialog::Accepted || !m_colorDialog->selectedColor().isValid())
        return;
    (*m_list)[m_selected] = ToRgb(m_colorDialog->selectedColor());
    Refresh();
}

void ColourListStrip::Clear()
{
    m_list = nullptr;
    m_selected = 0;
    Refresh();
}

QRect ColourListStrip::CellRect(int index) const
{
    return QRect(index * kCellWidth + 2, kNumberHeight, kCellWidth - 4, kCellHeight - 2);
}

void ColourListStrip::Refresh()
{
    const int count = m_list ? int(m_list->size()) : 0;
    for (int i = 0; i < kCellCount; ++i) {
        QLabel *id = m_ids[i];
        id->setVisible(i < count);
        QFont font = id->font();
        font.setBold(i == m_selected && i < count);
        id->setFont(font);
    }
    update();
}

void ColourListStrip::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const int count = m_list ? int(m_list->size()) : 0;
    for (int i = 0; i < kCellCount; ++i) {
        const QRect cell = CellRect(i);
        if (i >= count) {
            // An empty cell takes the window's colour; after closing all cells are white.
            painter.fillRect(cell, m_list ? palette().color(QPalette::Window) : QColor(Qt::white));
            painter.setPen(QPen(QColor(150, 160, 170), 1, Qt::DotLine));
            painter.drawRect(cell.adjusted(0, 0, -1, -1));
            continue;
        }
        painter.fillRect(cell, ToQColor(m_list->at(i)));
        painter.setPen(QPen(QColor(40, 40, 60), 1));
        painter.drawRect(cell.adjusted(0, 0, -1, -1));
        if (i == m_selected) {
            painter.setPen(QPen(QColor(0, 0, 127), 2));
            painter.drawRect(cell.adjusted(-1, -1, 0, 0));
        }
    }
}

void ColourListStrip::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        SelectAt(int(event->position().x()));
}

void ColourListStrip::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        ChooseColour();
}

void ColourListStrip::contextMenuEvent(QContextMenuEvent *event)
{
    if (m_list)
        m_menu->popup(event->globalPos());
}
