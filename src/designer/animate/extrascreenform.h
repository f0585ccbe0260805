#pragma once

#include "canvasselection.h"
#include "displaysection.h"
#include "tdveditorform.h"
#include "widgetlook.h"

#include <QMainWindow>

#include <functional>

class QAction;
class QLabel;
class QMenuBar;
class QPlainTextEdit;
class TBgSetForm;

// The client area of the separate window's model: paints the window's background and
// reports presses on it (selecting the window itself).
class ExtraScreenBackground : public QWidget
{
public:
    explicit ExtraScreenBackground(QWidget *parent);
    void SetFill(const BackgroundFill &fill); // throws SuiteError for a malformed gradient
    std::function<void()> pressed;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    WindowBackgroundPainter m_painter;
};

// "独立窗口设置": a live model of the separate window that shows the frames of a draw.
// The user sizes and places this window on the screen, and places and sizes the result
// box (memo or label) inside it; properties go through the value editor (requester
// "ExtraScreenPage"). Edits the animation dialog's ExtraScreen in place.
class TExtraScreenForm : public QMainWindow, public DVEditorTarget
{
    Q_OBJECT
public:
    TExtraScreenForm(TDVEditorForm *editor, QWidget *parent = nullptr);

    // Shows the window as `state` describes it (kept until the next Open).
    void Open(ExtraScreen *state);
    ExtraScreen *State() const { return m_state; }

    // The visible result box: RandMemo or RandLabel.
    QWidget *ResultBox() const;
    void SelectResultBox();
    void SelectWindow();
    bool ResultBoxSelected() const { return m_boxSelected; }
    // `RandConvert`: memo ↔ label, same place, size and font.
    void RandConvertClick();

    void PropertyChanged(const QString &key, const QString &value) override;
    void PropertyClicked(const QString &key) override;

    ExtraScreenBackground *BgImg = nullptr;
    QPlainTextEdit *RandMemo = nullptr;
    QLabel *RandLabel = nullptr;
    QLabel *RandLabelBorder = nullptr;
    QMenuBar *FormMenu = nullptr;
    QAction *RandSave, *RandConvert, *UseRBFormat, *UseRRFormat;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void HandleDragged(HandleDirection direction, int dx, int dy);
    void HandleReleased();
    void ApplyBoxLook();
    void ApplyBackground(const BackgroundFill &fill);
    void FormatClick(QAction *chosen);
    void WindowGeometryChanged();
    void StoreState();

    TDVEditorForm *m_editor;
    CanvasSelection *m_selection;
    TBgSetForm *m_bgSet = nullptr;
    ExtraScreen *m_state = nullptr;
    bool m_boxSelected = false;
    bool m_windowSelected = false;
    QRect m_pressRect;
};
