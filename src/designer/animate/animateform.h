#pragma once

#include "displaysection.h"
#include "extrabuttonform.h"
#include "extrascreenform.h"

#include <QDialog>
#include <QImage>

class ColourListStrip;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QWidget;
class TDVEditorForm;

// "动画设置": edits the `Animate` part of a project: the animation while drawing (frame
// interval, hidden button and record, frames in the result box or a separate window,
// how it stops, music), music after the draw, and the colour cycles of the result and
// record boxes. Opened from the design canvas; saves straight into the project file.
//
// The separate window and the separate stop button are designed in their own windows
// (with the design canvas' value editor), which edit ExtraScreenState() and
// ExtraButtonState(); the save writes what they hold. The stop button designer places
// the button through the canvas: the opener gives it a positioner.
class TAnimateForm : public QDialog
{
    Q_OBJECT
public:
    explicit TAnimateForm(TDVEditorForm *editor, QWidget *parent = nullptr);

    // Loads the project's animation settings into the dialog. The design's draw key is
    // taken from the file until SetDesignDrawKey gives the canvas' current one. Shows
    // the error and returns false when the project cannot be read.
    bool LoadProject(const QString &projectName);
    void SetDesignDrawKey(bool enabled, const QString &key);
    // The drawing window's client size, from the file until the canvas gives its own;
    // the save warns when the separate stop button does not lie visibly inside it.
    void SetDesignWindowSize(const QSize &size) { m_windowSize = size; }

    QString ProjectName() const { return m_projectName; }
    bool IsPictureProject() const { return m_pictureProject; }
    ExtraScreen &ExtraScreenState() { return m_section.inRand.extraScreen; }
    ExtraButton &ExtraButtonState() { return m_section.inRand.stopSet.extraButton; }

    // `BSave`: runs the checks, writes `Animate` and closes. False when a check refused
    // or the file could not be written (the dialog stays open).
    bool BSaveClick();
    // Every way of closing (BSave, BCancel, the title bar, Esc) ends here.
    void done(int result) override;

    // The four colour lists the strip can edit, in the order of their links.
    enum class CycleList { RandBoxFont, RandBoxBg, RandRecordFont, RandRecordBg };
    void ShowCycleList(CycleList list);
    QVector<Rgb> &CycleColours(CycleList list);

    // Controls, named as the dialog's designer names them.
    QCheckBox *UseInRand, *UseAfterRand, *UseBoxRecord;
    QTabWidget *PageLists;
    QWidget *InRandSet, *AfterRandSet, *BoxRecordSet;
    QLineEdit *IntervalValue;
    QComboBox *IntervalUnit;
    QCheckBox *HideGoRandButton, *HideRandRecord;
    QRadioButton *RandUseRandBox, *RandUseExtraScreen;
    QPushButton *RandExtraScreenSet;
    QRadioButton *StopByTimes, *StopByShortCut, *StopByButton;
    QLineEdit *StopTimesValue;
    QCheckBox *StopTimesVisible;
    QPushButton *StopTimesSetFont;
    QComboBox *StopShortCutValue;
    QRadioButton *StopUseRandButton, *StopUseExtraButton;
    QPushButton *StopExtraButtonSet;
    QCheckBox *UseBgMusic;
    QLineEdit *BgMusicPath;
    QPushButton *BgMusicLoad;
    QCheckBox *UseAfterMusic;
    QLineEdit *AfterMusicPath;
    QPushButton *AfterMusicLoad;
    QLineEdit *CIntervalValue;
    QComboBox *CIntervalUnit;
    QCheckBox *UseRandBox, *UseRandRecord;
    QCheckBox *UseRBFontColor, *UseRBBgColor, *UseRRFontColor, *UseRRBgColor;
    QPushButton *SetRBFontColor, *SetRBBgColor, *SetRRFontColor, *SetRRBgColor;
    ColourListStrip *ColorSet;
    QLabel *NeedNoBox, *NeedNoBox2;
    QPushButton *BSave, *BCancel;

    TExtraScreenForm *ExtraScreenForm;
    TExtraButtonForm *ExtraButtonForm;

signals:
    // The dialog closed (saved or not): the canvas shows itself again.
    void Closed();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void WarnOfHiddenStopButton();
    void BuildInRandPage();
    void BuildAfterRandPage();
    void BuildBoxRecordPage();
    void ShowSection();
    void UpdateEnabling();
    void StopTimesSetFontClick();
    void ChooseMusic(QLineEdit *path);
    // The dialog's values over the loaded section (parts out of use keep what they held).
    // Returns the refusal text of a missing number, or empty.
    QString CollectSection(AnimateSection &section) const;
    QString SaveRefusal() const;

    QString m_projectName;
    bool m_pictureProject = false;
    bool m_drawKeyEnabled = false;
    QString m_drawKey;
    QSize m_windowSize;
    AnimateSection m_section;
    QList<QPushButton *> m_listLinks;
    QImage m_background;
};
