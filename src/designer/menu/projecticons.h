#pragma once

#include "projectcatalogue.h"

#include <QHash>
#include <QPixmap>
#include <QPoint>
#include <QVector>

class QLabel;
class QWidget;

// The project menu's icons with their name labels, in menu order, and which of them a
// search lets through. Where they stand follows from the grid the window passes in.
class ProjectIcons
{
public:
    // The widgets are children of `owner`, which also filters their events.
    explicit ProjectIcons(QWidget *owner) : owner(owner) {}

    int Count() const { return int(items.size()); }
    QLabel *Icon(int index) const;   // nullptr outside the list
    QLabel *Label(int index) const;  // nullptr outside the list
    // The index of the project an icon or label belongs to; −1 for anything else.
    int IndexOf(const QObject *part) const;

    void Insert(int index, const CatalogueEntry &entry);
    void Remove(int index);
    void Move(int from, int to);
    void SetName(int index, const QString &name);
    void SetPicture(int index, int pic);
    // The one icon Tab reaches: the current one, so Tab leaves the grid in one step
    // however many projects there are. The others take the focus from the arrow keys.
    void SetTabStop(int index);
    int TabStop() const;
    // Icons/png-<pic>.png, loaded once; a stand-in when the picture is missing.
    QPixmap Picture(int pic);

    // The projects on screen, in cell order: all of them unless a search is on.
    const QVector<int> &Shown() const { return shown; }
    bool AllShown() const { return shown.size() == items.size(); }
    void SetShown(QVector<int> indexes);

    void Place(int index, int cell, int columns, QPoint gridOrigin);
    // Places the shown projects cell by cell and hides the others.
    void PlaceShown(int columns, QPoint gridOrigin);
    void MoveShownBy(int dy);
    // Every shown icon onto the top of its grid row; left positions stay.
    void AlignShownRows(int columns, int gridTop);
    // Puts a project's icon and label above the others, just under `cover` (the
    // hover frame), so the bars and the info strip still cover it.
    void BringForward(int index, QWidget *cover);

private:
    struct Item
    {
        QLabel *icon;
        QLabel *label;
    };
    void Recentre(const Item &item);

    QWidget *owner;
    QVector<Item> items;
    QVector<int> shown;
    QLabel *tabStop = nullptr;
    QHash<int, QPixmap> pictures;
};
