#pragma once

#include <QImage>
#include <QVector>
#include <QWidget>

class QAbstractButton;
class QLabel;

// The project menu's command bar `MenuPanel`: eight commands, each a white glyph with a
// caption under it, on the menu gradient. Both parts of a command are clickable. For the
// keyboard and screen readers each command also has an unpainted button over its slot
// ("GoShowAppButton", …) that shows the focus ring: Tab reaches the bar at one of them,
// Left/Right/Home/End move between them, Enter or Space runs the command.
class CommandBar : public QWidget
{
    Q_OBJECT
public:
    static constexpr int BarHeight = 80;

    explicit CommandBar(QWidget *parent);

    // The caption label of a command ("GoShowApp", …).
    QLabel *Caption(const QString &command) const;

    // Whether Tab stops in the bar; not while it is slid out of sight.
    void SetKeyboardReachable(bool reachable);

signals:
    void CommandClicked(const QString &command);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Moves the focus to the command in `slot`, if there is one; the tab stop follows it.
    void FocusCommand(int slot);

    QImage menuBgImg;
    QVector<QAbstractButton *> commandKeys;
    int tabStop = 0;
    bool keyboardReachable = true;
};

// The font of the command captions and of the project names: "微软雅黑", 13 pixels.
QFont MenuCaptionFont();
