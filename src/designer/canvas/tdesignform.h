#pragma once

#include "designcanvas.h"
#include "designcommands.h"
#include "tdveditorform.h"

#include <QMainWindow>

#include <functional>

class QAction;
class QKeyEvent;
class QMenu;
class QUndoStack;

// "工程设计": the drawing window of a project edited on screen. Objects are selected,
// moved and resized on the canvas and edited in the floating value editor; the menus
// add and remove objects; every change is an undo step, and the undo stack's clean
// state is whether there is something to save. Closing resets DesignSender.ini and
// emits DesignClosed.
class TDesignForm : public QMainWindow, private DVEditorTarget
{
    Q_OBJECT
public:
    explicit TDesignForm(const QString &projectName, QWidget *parent = nullptr);
    ~TDesignForm() override;

    // Loads the project (run once when the window is first shown). False, after an
    // error box, when the project cannot be read; the window then closes.
    bool FormShow();
    // "保存窗口设计": loads the file fresh, writes the design section and saves it.
    bool SaveDesign();

    // The extra stop button designer's positioning: the next press on the canvas
    // calls `placed` with its client coordinates, restores the cursor and ends the mode.
    void BeginExtraButtonPositioning(std::function<void(int x, int y)> placed);
    // "随机数动画设置".
    void OpenAnimationSettings();

    QString ProjectName() const { return m_projectName; }
    bool IsModified() const;
    const FormSection &Form() const { return m_document->Form(); }
    bool IsPictureProject() const { return m_pictureProject; }
    DesignCanvas *Canvas() const { return m_canvas; }
    TDVEditorForm *ValueEditor() const { return m_editor; }
    QUndoStack *UndoStack() const { return m_undo; }
    DesignObject Selected() const { return m_selected; }
    // Selects an object as a press on it does (the window for DesignPart::Window).
    void SelectObject(const DesignObject &object);
    // Takes the value editor back (requester "DesignPage", the selected object's rows)
    // after another designer window used it.
    void ShowInValueEditor();

signals:
    // The window has closed and DesignSender.ini has been reset: the menu shows again.
    void DesignClosed();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void CreateMenus();
    void ShowDocument();
    void ShowWindowGeometry();
    void UpdateMenus();
    void ShowSelectedProperties();
    void ShowValueEditor();
    void WriteGeometryRows();
    QRect SelectedRect() const;
    void Change(const QString &text, const FormSection &after);
    void WindowChanged();
    void WarnOfUnusableMedia();
    void WarnOfHiddenStopButton(const QDomDocument &document, const QSize &clientSize);

    // Canvas and handles
    void CanvasMouseDown(const QPoint &point);
    void CanvasMouseMove(const QPoint &point, bool leftButtonHeld);
    void CanvasMouseUp(const QPoint &point);
    void SizedMouseDown(HandleDirection direction);
    void SizedMouseMove(HandleDirection direction, int dx, int dy);
    void SizedMouseUp(HandleDirection direction);
    void PlaceRemark(const QPoint &point);
    // The selected object shown at `rect` while a drag or a run of keys moves it; the
    // document follows in one undo step when the move ends (nothing when it changed nothing).
    void ShowSelectedAt(const QRect &rect);
    void PushGeometryStep(GeometryCommand::Kind kind, const QRect &start);

    // Keys on the canvas: arrows move the selected object (Shift: by 10), Shift+Ctrl+arrows
    // resize it, Tab and Shift+Tab select the next or previous object. Keys pressed in a
    // row make one undo step, taken when the key is let go or the canvas loses the focus.
    bool CanvasKeyPress(const QKeyEvent *event);
    void EndKeyRun();
    void SelectNeighbour(bool forward);

    // Menus
    void RandEditClick();
    void UseBoxClick(DesignPart part, bool edit);
    void AddBoxClick(DesignPart part, bool edit);
    void DeleteBoxClick(DesignPart part);
    void ShowPicNameClick();
    void AddRemarkClick();
    void DelRemarkClick();
    void UseGoRandButtonClick();
    void UseShortCutClick();
    void ChangeShortCutClick();

    // DVEditorTarget
    void PropertyChanged(const QString &key, const QString &value) override;
    void PropertyClicked(const QString &key) override;

    QString m_projectName;
    DesignDocument *m_document;
    DesignCanvas *m_canvas;
    TDVEditorForm *m_editor;
    QUndoStack *m_undo;
    int m_pmode = 0;
    bool m_pictureProject = false;
    bool m_loaded = false;
    bool m_loadTried = false;
    int m_syncing = 0;        // window moves and resizes made by the program, not the user
    bool m_typingProperty = false;
    QString m_shownAlign; // the window alignment last shown; "" before the load

    DesignObject m_selected;
    int m_currentRemark = -1;
    bool m_dragging = false;
    bool m_resizing = false;
    QPoint m_dragOrigin;
    QRect m_pressRect;
    bool m_placingRemark = false;
    bool m_keyRun = false;
    GeometryCommand::Kind m_keyRunKind = GeometryCommand::Kind::Move;
    QRect m_keyRunStart;
    std::function<void(int, int)> m_placeExtraButton;

    QMenu *m_randBoxMenu, *m_randRecordMenu, *m_picNameMenu;
    QAction *m_rbUseEdit, *m_rbUseLabel, *m_rbAddEdit, *m_rbAddLabel, *m_rbDelete;
    QAction *m_rrUseMemo, *m_rrUseLabel, *m_rrAddMemo, *m_rrAddLabel, *m_rrDelete;
    QMenu *m_rbAddMenu, *m_rrAddMenu;
    QAction *m_showPicName, *m_addRemark, *m_delRemark, *m_useGoRandButton;
    QAction *m_useShortCut, *m_shortCutLabel, *m_changeShortCut;
};
