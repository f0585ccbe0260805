#pragma once

#include <QDialog>
#include <QImage>

class QLabel;
class QLineEdit;
class QPushButton;

// The access-password dialog of a protected project. The opener connects OkClicked
// (it checks the password and accepts the dialog when it is right); "取消", the close
// box and Escape reject it.
class TPwdForm : public QDialog
{
    Q_OBJECT
public:
    explicit TPwdForm(QWidget *parent = nullptr);

    QLabel *PwdLabel;
    QLineEdit *Pwd;
    QPushButton *BOK;
    QPushButton *BCancel;

signals:
    void OkClicked();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage m_background;
};
