#pragma once

#include <QWidget>

// The grip `MoveImg` under the command bar: purple with four short white lines; a click
// slides the command bar away or back.
class GripBar : public QWidget
{
    Q_OBJECT
public:
    static constexpr int BarHeight = 30;

    explicit GripBar(QWidget *parent);

signals:
    void Clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
};
