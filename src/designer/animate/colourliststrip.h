#pragma once

#include "valueencodings.h"

#include <QList>
#include <QWidget>

class QColorDialog;
class QLabel;
class QMenu;

// The animation dialog's strip `ColorSet`: seven 27-pixel cells numbered by the labels
// `Id0` … `Id6`, showing the colour list being edited (one to seven colours). A click
// selects a cell, a double click recolours it, the context menu `CListsMenu` adds a
// white colour (`AddNewColor`) or deletes the selected one (`DelNowColor`). The list
// itself belongs to the dialog; the strip edits it in place.
class ColourListStrip : public QWidget
{
    Q_OBJECT
public:
    static constexpr int kCellWidth = 27;
    static constexpr int kCellCount = 7;

    explicit ColourListStrip(QWidget *parent = nullptr);

    // Starts editing `list` (null: nothing). The first cell is selected.
    void Edit(QVector<Rgb> *list);
    QVector<Rgb> *EditedList() const { return m_list; }
    int Selected() const { return m_selected; }

    // The strip's actions, also reached through its mouse and menu.
    void SelectAt(int x);
    void AddColour();
    void DeleteColour();
    void ChooseColour();

    // Closing the dialog: no list, numbers hidden, cells white.
    void Clear();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    QRect CellRect(int index) const;
    void Refresh();

    QVector<Rgb> *m_list = nullptr;
    int m_selected = 0;
    QList<QLabel *> m_ids;
    QMenu *m_menu;
    QColorDialog *m_colorDialog;
};
