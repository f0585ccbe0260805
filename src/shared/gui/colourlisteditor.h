#pragma once

#include "gradient.h"

#include <QDialog>

class QColorDialog;
class QLabel;
class QMenu;
class QPushButton;
class QRadioButton;
class GradientMarker;
class StopStrip;

// "渐变色设置": edits a gradient text of two to five stops with a live preview. The
// opener names itself with SetRequirer ("Create3Page", "DesignPage", "BgSetPage",
// "ExtraScreenPage", "EScreenPage", "CreatePage"), passes its current text with
// SetGradientText and shows the window. `SaveConfig` composes the text, keeps it
// (GradientText) and emits GradientSaved before closing; `Exit` closes and keeps the
// previous text.
class TCColorEditForm : public QDialog
{
    Q_OBJECT
public:
    explicit TCColorEditForm(QWidget *parent = nullptr);

    void SetRequirer(const QString &name);
    QString Requirer() const;

    // The requester's current gradient; read again each time the window is shown.
    void SetGradientText(const QString &text);
    // The last saved (or given) gradient text.
    QString GradientText() const;

    // The stops and direction being edited.
    const QList<GradientStop> &Stops() const { return m_stops; }
    QString Direction() const;
    int SelectedStop() const { return m_selected; }

signals:
    void GradientSaved(const QString &text);

protected:
    void showEvent(QShowEvent *event) override;

private:
    friend class StopStrip;
    friend class GradientMarker;

    void LoadFromText();
    void SelectStop(int index);
    void RecolourSelected();
    void AddNewColorClick();
    void DelNowColorClick();
    void DirectionChanged();
    void SaveConfigClick();
    void MoveMarkerDrag(int pointerOnForm);
    void Repaint();
    void PlaceMarker();

    QList<GradientStop> m_stops;
    int m_selected = 0;
    QString m_result;

    StopStrip *m_strip;
    QList<QLabel *> m_idLabels;
    QLabel *m_preview;
    GradientMarker *m_vertPos;
    GradientMarker *m_horiPos;
    QRadioButton *m_dirHori;
    QRadioButton *m_dirVert;
    QMenu *m_menu;
    QColorDialog *m_colorDialog;
    QPushButton *m_save;
    QPushButton *m_exit;
    QLabel *m_requirer;
};
