#pragma once

#include "displaysection.h"

#include <QDialog>
#include <QImage>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class TCColorEditForm;

// "设置背景": plain colour, gradient or picture for the drawing window (requester
// "DesignPage") or the extra result window ("ExtraScreenPage"). The opener sets the
// requester and its current background, shows the dialog, and applies what
// BackgroundChosen hands back; `BOK` refuses a picture background without a picture.
class TBgSetForm : public QDialog
{
    Q_OBJECT
public:
    explicit TBgSetForm(QWidget *parent = nullptr);

    void SetRequirer(const QString &requirer);
    QString Requirer() const;

    // The requester's current background; a gradient never set shows the default one.
    void SetBackground(const BackgroundFill &fill);
    // The background as the controls show it now.
    BackgroundFill Background() const;

    // Opens the picture file dialog `PicturnLoad` (also a click on `PicPathValue`).
    void PicPathLoadClick();

signals:
    void BackgroundChosen(const BackgroundFill &fill);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void TypeClick();
    void ColorShowClick();
    void CColorShowClick();
    void BOKClick();
    void PaintPreview();

    QLabel *m_requirer;
    QRadioButton *m_bgOfColor;
    QRadioButton *m_bgOfChangingColor;
    QRadioButton *m_bgOfPic;
    QLabel *m_colorShow;
    QLabel *m_cColorShow;
    QLineEdit *m_picPathValue;
    QPushButton *m_picPathLoad;
    QCheckBox *m_bgPicStretch;
    QPushButton *m_ok;
    QPushButton *m_cancel;
    TCColorEditForm *m_gradientEditor = nullptr;
    Rgb m_colour{255, 255, 255};
    QString m_gradient;
    QImage m_background;
};
