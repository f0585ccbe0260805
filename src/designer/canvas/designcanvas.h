#pragma once

#include "canvasselection.h"
#include "designobject.h"
#include "widgetlook.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// The client area of the design window: the drawing window's objects shown as the
// drawing window shows them, over its background. The objects take no mouse input of
// their own; the canvas reports presses, moves and releases in client coordinates and
// finds the object under a point.
class DesignCanvas : public QWidget
{
    Q_OBJECT
public:
    explicit DesignCanvas(QWidget *parent = nullptr);

    // Shows the design (the canvas has the window's client size already).
    void ShowForm(const FormSection &form, bool pictureProject);

    // The topmost object at a client point; the window when none.
    DesignObject ObjectAt(const QPoint &point) const;
    QWidget *WidgetOf(const DesignObject &object) const;
    QRect ObjectRect(const DesignObject &object) const;
    // Places an object's control while it is dragged (the document follows on release).
    void SetObjectRect(const DesignObject &object, const QRect &rect);

    CanvasSelection *Selection() const { return m_selection; }
    HoverFrame &Hover() { return m_hover; }

    QLabel *TitleLabel;
    QLineEdit *RandBoxEdit;
    QLabel *RandBoxLabel;
    QPlainTextEdit *RandRecordMemo;
    QLabel *RandRecordLabel;
    QPushButton *GoRandButton;
    QLabel *RandPic;
    QLabel *PicNameLabel;
    QList<QLabel *> Remarks;

signals:
    void MousePressed(const QPoint &point);
    void MouseMoved(const QPoint &point, bool leftButtonHeld);
    void MouseReleased(const QPoint &point);
    void Resized();

protected:
    void resizeEvent(QResizeEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void ShowPicture(const FormSection &form);
    void ShowRemarks(const FormSection &form);

    WindowBackgroundPainter m_background;
    CanvasSelection *m_selection;
    HoverFrame m_hover;
};
