#pragma once

#include <QWidget>

class QLabel;

// The count-down window of a draw that stops after a number of frames: a borderless
// window kept on top of the window that shows the frames, with the remaining number in
// its top right corner. Only a badge around the number is solid (a window shape, so it
// works without a compositing desktop); the frames stay visible, the results in the
// middle included, and the window never takes the mouse.
class TTimesForm : public QWidget
{
    Q_OBJECT
public:
    explicit TTimesForm(QWidget *parent = nullptr);

    QLabel *TimesBox;

    void SetCountFont(const QFont &font, const QColor &colour);
    // Takes the outer geometry of the window it covers and shows `remaining`.
    void ShowOver(const QRect &coveredFrameGeometry, int remaining);
    void SetRemaining(int remaining);

protected:
    void paintEvent(QPaintEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void PlaceTimesBox();
    QRect BadgeRect() const;
};
