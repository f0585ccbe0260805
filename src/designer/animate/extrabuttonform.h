#pragma once

#include "canvasselection.h"
#include "displaysection.h"
#include "tdveditorform.h"

#include <QImage>
#include <QWidget>

#include <functional>

class QLabel;
class QPushButton;
class QRadioButton;
class QToolButton;

// "独立按钮设置": designs the separate button that stops a draw animation. Three models
// (picture, push button with text, flat button with text and picture) each keep their
// own size; the visible one is resized with the eight handles and edited in the value
// editor (requester "ExtraButtonPage"). Its place in the drawing window is fixed by a
// click on the design canvas. Edits the animation dialog's ExtraButton in place.
class TExtraButtonForm : public QWidget, public DVEditorTarget
{
    Q_OBJECT
public:
    // Starts positioning on the design canvas; the canvas calls `placed` with the
    // client coordinates of the next press.
    using CanvasPositioner = std::function<void(std::function<void(int x, int y)> placed)>;

    TExtraButtonForm(TDVEditorForm *editor, QWidget *parent = nullptr);

    void SetCanvasPositioner(CanvasPositioner positioner) { m_positioner = std::move(positioner); }

    // Shows the window on `state` (kept until the next Open) with the editor beside it.
    void Open(ExtraButton *state);
    ExtraButton *State() const { return m_state; }

    // The model of the chosen kind (ImgButtonSet, TextButtonSet or SpeedButtonSet).
    QWidget *VisibleModel() const;
    // Selects the visible model: handles around it, its rows in the editor.
    void SelectModel();
    // The stop button's place in the drawing window, from a canvas press.
    void ButtonPlaced(int x, int y);

    void PropertyChanged(const QString &key, const QString &value) override;
    void PropertyClicked(const QString &key) override;

    QRadioButton *UseImgButton, *UseTextButton, *UseSpeedButton;
    QLabel *ImgButtonSet;
    QLabel *ImgBorder;
    QPushButton *TextButtonSet;
    QToolButton *SpeedButtonSet;
    QLabel *PositionInfo;
    QPushButton *BSave, *BCancel;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void KindClick();
    void HandleDragged(HandleDirection direction, int dx, int dy);
    void HandleReleased();
    void ApplyPicture(const QString &path);
    void ApplyFont(const FontSpec &font);
    void ShowRows();
    void StoreState();
    QString Kind() const;

    TDVEditorForm *m_editor;
    CanvasSelection *m_selection;
    CanvasPositioner m_positioner;
    ExtraButton *m_state = nullptr;
    QRect m_pressRect;
    bool m_selected = false;
    QImage m_background;
};
