#pragma once

#include <QDialog>
#include <QImage>
#include <QVector>

#include <functional>

class QLabel;
class QPushButton;
class QScrollArea;
class SelectionFrame;

// "请选择您要使用的图标": the 140 project icons Icons/png-0.png … png-139.png in a
// scrolling box; a press chooses one. The opener's OK handler reads the choice.
class TIconsForm : public QDialog
{
    Q_OBJECT
public:
    static constexpr int IconCount = 140;

    explicit TIconsForm(QWidget *parent = nullptr);

    // Attaches `okHandler` to BOK and shows the window modally; the handler accepts
    // the window when it is satisfied and is detached again afterwards.
    int Ask(std::function<void()> okHandler);

    // The chosen icon number, −1 for none.
    int ChosenIndex() const { return chosenIndex; }
    QLabel *IconAt(int index) const { return icons.value(index); }

    QScrollArea *IconsBox;
    SelectionFrame *MoveSelBox;
    SelectionFrame *SetSelBox;
    QPushButton *BOK;
    QPushButton *BCancel;

protected:
    void showEvent(QShowEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void FormShow();
    void IconsMouseMove(int index);
    void IconsMouseDown(int index);
    void IconsBoxMouseDown();

    QWidget *iconsPanel;
    QVector<QLabel *> icons;
    int chosenIndex = -1;
    std::function<void()> okHandler;
    QImage background;
};
