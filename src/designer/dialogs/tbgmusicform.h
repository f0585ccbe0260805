#pragma once

#include <QDialog>
#include <QImage>
#include <QStringList>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class TMusicSetForm;

// The background music of the drawing window: none, one fixed file ("Path") or a
// random choice from a list ("Rand"). The opener passes the stored music with SetMusic,
// shows the dialog and stores what MusicChosen hands back (an empty type for none).
class TBgMusicForm : public QDialog
{
    Q_OBJECT
public:
    explicit TBgMusicForm(QWidget *parent = nullptr);

    void SetMusic(const QString &musicType, const QStringList &paths);
    // The random list kept for "Rand" (set by the list editor's SaveMode).
    QStringList RandomList() const { return m_randomList; }

    // `GoMusicMode`: opens the list editor on the kept list.
    void GoMusicModeClick();
    // The list editor, once it has been opened.
    TMusicSetForm *MusicSetForm() const { return m_musicSet; }

signals:
    void MusicChosen(const QString &musicType, const QStringList &paths);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void LoadMusicPathClick();
    void BOKClick();
    void WarnOfUnusableMusic(const QStringList &paths);
    void EnableControls();

    QCheckBox *m_useBgMusic;
    QRadioButton *m_pathMusic;
    QRadioButton *m_randMusic;
    QLineEdit *m_musicPath;
    QPushButton *m_loadMusicPath;
    QLabel *m_goMusicMode;
    TMusicSetForm *m_musicSet = nullptr;
    QStringList m_randomList;
    QImage m_background;
};
