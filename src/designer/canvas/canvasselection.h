#pragma once

#include "handlegeometry.h"

#include <QObject>
#include <QRect>
#include <QWidget>

class QLabel;

// One of the eight grips around the selected object: blue, red while pressed. It
// reports the pointer's offset from where it was pressed.
class SelectionHandle : public QWidget
{
    Q_OBJECT
public:
    SelectionHandle(HandleDirection direction, QWidget *parent);
    HandleDirection Direction() const { return m_direction; }

signals:
    void Pressed(HandleDirection direction);
    void Dragged(HandleDirection direction, int dx, int dy);
    void Released(HandleDirection direction);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    HandleDirection m_direction;
    bool m_pressed = false;
    QPoint m_pressGlobal;
};

// The eight handles of the selected object. Hidden handles are parked just outside the
// client area.
class CanvasSelection : public QObject
{
    Q_OBJECT
public:
    explicit CanvasSelection(QWidget *canvas);

    void Place(const QRect &object);
    void Park();
    bool IsPlaced() const { return m_placed; }
    SelectionHandle *Handle(HandleDirection direction) const;

signals:
    void Pressed(HandleDirection direction);
    void Dragged(HandleDirection direction, int dx, int dy);
    void Released(HandleDirection direction);

private:
    QWidget *m_canvas;
    QList<SelectionHandle *> m_handles;
    bool m_placed = false;
};

// The four dotted lines `DottedTop`, `DottedBottom`, `DottedLeft`, `DottedRight` that
// frame the object under the pointer.
class HoverFrame
{
public:
    explicit HoverFrame(QWidget *canvas);
    void Frame(const QRect &object);
    void Hide();
    bool IsShown() const { return m_shown; }

private:
    QWidget *m_canvas;
    QLabel *m_top, *m_bottom, *m_left, *m_right;
    bool m_shown = false;
};
