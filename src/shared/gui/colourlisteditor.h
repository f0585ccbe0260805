#pragma once

#include "gradient.h"

#include <QDialog>
#include <QImage>

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
    // Geometry of the form the marker rules are written against.
    static constexpr int kPreviewLeft = 218;
    static constexpr int kPreviewTop = 38;
    static constexpr int kPreviewWidth = 420;   // 4.2 pixels per percent when horizontal
    static constexpr int kPreviewHeight = 235;  // 2.35 pixels per percent when vertical
    static constexpr int kMarkerSize = 20;
    static constexpr int kCellWidth = 27;
    static constexpr int kMaxStops = 5;

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
    void paintEvent(QPaintEvent *event) override;

private:
    friend class StopStrip;
    friend class GradientMarker;

    void LoadFromText();
    void ColorSetMouseDown(int x);
    void ColorSetDblClick();
    void AddNewColorClick();
    void DelNowColorClick();
    void DirectionClick();
    void SaveConfigClick();
    void MarkerDrag(const QPoint &pointerOnForm);
    void Repaint();
    void PlaceMarkers();

    QList<GradientStop> m_stops;
    int m_selected = 0;
    QString m_result;
    QImage m_background;

    StopStrip *m_strip;
    QList<QLabel *> m_idLabels;
    QLabel *m_stopInfo;
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
