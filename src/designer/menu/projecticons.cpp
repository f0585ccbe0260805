#include "projecticons.h"

#include "apppaths.h"
#include "commandbar.h"
#include "menugeometry.h"
#include "selectionframe.h"

#include <QLabel>
#include <QPainter>
#include <QWidget>

namespace {
constexpr int kLabelMaxWidth = 116;

// An icon that draws the focus ring while it has the keyboard focus.
class IconLabel : public QLabel
{
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent *event) override
    {
        QLabel::paintEvent(event);
        if (!hasFocus())
            return;
        QPainter painter(this);
        PaintFocusRing(painter, rect());
    }
};
} // namespace

QLabel *ProjectIcons::Icon(int index) const
{
    return index >= 0 && index < items.size() ? items.at(index).icon : nullptr;
}

QLabel *ProjectIcons::Label(int index) const
{
    return index >= 0 && index < items.size() ? items.at(index).label : nullptr;
}

int ProjectIcons::IndexOf(const QObject *part) const
{
    for (int i = 0; i < items.size(); ++i) {
        if (items.at(i).icon == part || items.at(i).label == part)
            return i;
    }
    return -1;
}

QPixmap ProjectIcons::Picture(int pic)
{
    auto cached = pictures.constFind(pic);
    if (cached != pictures.constEnd())
        return *cached;
    QPixmap pixmap(InstalledDataPath(QStringLiteral("Icons/png-%1.png").arg(pic)));
    if (pixmap.isNull()) {
        // A missing picture still leaves something to click on.
        pixmap = QPixmap(MenuGrid::IconSize, MenuGrid::IconSize);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setBrush(QColor(200, 200, 210));
        painter.setPen(QPen(Qt::white, 2));
        painter.drawRoundedRect(QRectF(4, 4, 56, 56), 10, 10);
    }
    pictures.insert(pic, pixmap);
    return pixmap;
}

void ProjectIcons::Insert(int index, const CatalogueEntry &entry)
{
    static const QFont captionFont = MenuCaptionFont();
    static const QPalette captionPalette = [] {
        QPalette palette;
        palette.setColor(QPalette::WindowText, Qt::white);
        return palette;
    }();
    Item item;
    item.icon = new IconLabel(owner);
    item.icon->setFocusPolicy(Qt::ClickFocus);
    item.icon->resize(MenuGrid::IconSize, MenuGrid::IconSize);
    item.icon->setScaledContents(true);
    item.label = new QLabel(owner);
    // A palette, not a style sheet: hundreds of labels would each parse one.
    item.label->setFont(captionFont);
    item.label->setPalette(captionPalette);
    for (QLabel *part : {item.icon, item.label}) {
        part->setMouseTracking(true);
        part->installEventFilter(owner);
    }
    items.insert(index, item);
    SetPicture(index, entry.pic);
    SetName(index, entry.name);
}

void ProjectIcons::Remove(int index)
{
    if (tabStop == items.at(index).icon)
        tabStop = nullptr;
    delete items.at(index).icon;
    delete items.at(index).label;
    items.remove(index);
}

void ProjectIcons::Move(int from, int to)
{
    items.move(from, to);
}

void ProjectIcons::SetName(int index, const QString &name)
{
    const Item &item = items.at(index);
    item.label->setText(item.label->fontMetrics().elidedText(name, Qt::ElideRight, kLabelMaxWidth));
    item.label->setToolTip(name);
    item.label->adjustSize();
    item.label->setObjectName(QStringLiteral("ProjLabel_") + name);
    item.icon->setObjectName(QStringLiteral("ProjIcon_") + name);
    // A screen reader announces the icon by its project's whole name.
    item.icon->setAccessibleName(name);
    Recentre(item);
}

void ProjectIcons::SetPicture(int index, int pic)
{
    items.at(index).icon->setPixmap(Picture(pic));
}

void ProjectIcons::SetTabStop(int index)
{
    QLabel *icon = Icon(index);
    if (icon == tabStop)
        return;
    if (tabStop)
        tabStop->setFocusPolicy(Qt::ClickFocus);
    tabStop = icon;
    if (tabStop)
        tabStop->setFocusPolicy(Qt::StrongFocus);
}

int ProjectIcons::TabStop() const
{
    return IndexOf(tabStop);
}

void ProjectIcons::SetShown(QVector<int> indexes)
{
    shown = std::move(indexes);
    // Tab must still reach the grid when a search or a deletion took the current icon away.
    if (!shown.contains(TabStop()))
        SetTabStop(shown.isEmpty() ? -1 : shown.first());
}

void ProjectIcons::Recentre(const Item &item)
{
    item.label->move(LabelLeft(item.icon->x(), item.label->width()), item.icon->y() + MenuGrid::LabelOffsetY);
}

void ProjectIcons::Place(int index, int cell, int columns, QPoint gridOrigin)
{
    const Item &item = items.at(index);
    item.icon->move(CellPosition(cell, columns, gridOrigin));
    Recentre(item);
}

void ProjectIcons::PlaceShown(int columns, QPoint gridOrigin)
{
    QVector<bool> visible(items.size(), false);
    for (int cell = 0; cell < shown.size(); ++cell) {
        Place(shown.at(cell), cell, columns, gridOrigin);
        visible[shown.at(cell)] = true;
    }
    for (int i = 0; i < items.size(); ++i) {
        items.at(i).icon->setVisible(visible.at(i));
        items.at(i).label->setVisible(visible.at(i));
    }
}

void ProjectIcons::MoveShownBy(int dy)
{
    for (const int index : std::as_const(shown)) {
        const Item &item = items.at(index);
        item.icon->move(item.icon->x(), item.icon->y() + dy);
        item.label->move(item.label->x(), item.label->y() + dy);
    }
}

void ProjectIcons::AlignShownRows(int columns, int gridTop)
{
    for (int cell = 0; cell < shown.size(); ++cell) {
        const Item &item = items.at(shown.at(cell));
        item.icon->move(item.icon->x(), gridTop + cell / columns * MenuGrid::RowHeight);
        item.label->move(item.label->x(), item.icon->y() + MenuGrid::LabelOffsetY);
    }
}

void ProjectIcons::BringForward(int index, QWidget *cover)
{
    items.at(index).icon->stackUnder(cover);
    items.at(index).label->stackUnder(cover);
}
