#pragma once

#include <QDialog>
#include <QImage>

class QPushButton;

// "关于本软件": the program's name and version and how to reach its maker.
class TAboutForm : public QDialog
{
    Q_OBJECT
public:
    explicit TAboutForm(QWidget *parent = nullptr);

    QPushButton *Button1;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage background;
};
