#pragma once

#include <QImage>
#include <QWidget>

class QLabel;

// The project menu's command bar `MenuPanel`: eight commands, each a white glyph with a
// caption under it, on the menu gradient. Both parts of a command are clickable.
class CommandBar : public QWidget
{
    Q_OBJECT
public:
    static constexpr int BarHeight = 80;

    explicit CommandBar(QWidget *parent);

    // The caption label of a command ("GoShowApp", …).
    QLabel *Caption(const QString &command) const;

signals:
    void CommandClicked(const QString &command);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QImage menuBgImg;
};

// The font of the command captions and of the project names: "微软雅黑", 13 pixels.
QFont MenuCaptionFont();
