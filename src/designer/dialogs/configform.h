#pragma once

#include "dragnumberedit.h"

#include <QColor>
#include <QDialog>
#include <QImage>

#include <functional>

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QPushButton;

// "系统设置": the runtime's settings in Soft.ini — the separator between generated
// values, the automatic list restore, the borders of label boxes and pictures, and
// the language and the high-contrast look of every program.
class TConfigForm : public QDialog
{
    Q_OBJECT
public:
    explicit TConfigForm(QWidget *parent = nullptr);

    QColor RBorderColorValue() const { return rBorderColour; }
    QColor ImgBorderColorValue() const { return imgBorderColour; }

    // The colour dialog behind both swatches; tests replace it. Returns an invalid
    // colour when the user cancels.
    std::function<QColor(const QColor &current)> ChooseColour;

    QComboBox *RandSpliterValue;
    // "自动", "中文" or "English": the language each program takes at its next start.
    QComboBox *LanguageValue;
    // The high-contrast look of every program, from its next start.
    QCheckBox *HighContrast;
    QCheckBox *ListAutoRestore;
    QCheckBox *ShowRandLabelBorder;
    QLabel *RBorderWidthLabel;
    DragNumberEdit *RBorderWidth;
    QLabel *RBorderColorLabel;
    QFrame *RBorderColor;
    QCheckBox *ShowImgBorder;
    QLabel *ImgBorderWidthLabel;
    DragNumberEdit *ImgBorderWidth;
    QLabel *ImgBorderColorLabel;
    QFrame *ImgBorderColor;
    QPushButton *BOK;
    QPushButton *BCancel;

protected:
    void showEvent(QShowEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void FormShow();
    void BOKClick();
    void ShowRandLabelBorderClick();
    void ShowImgBorderClick();
    void RBorderColorMouseDown(QFrame *swatch);
    void SetSwatch(QFrame *swatch, const QColor &colour);

    DragStepCounter widthDragCounter;
    QColor rBorderColour;
    QColor imgBorderColour;
    QImage background;
};
