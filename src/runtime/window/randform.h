#pragma once

#include "displaysection.h"
#include "drawsession.h"
#include "projectheader.h"
#include "recordtools.h"
#include "softsettings.h"
#include "widgetlook.h"
#include "windowquestion.h"

#include <QCache>

#include <atomic>
#include <QPixmap>
#include <QThreadPool>
#include <QVector>
#include <QWidget>

class MusicChannel;
class QAbstractButton;
class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QSystemTrayIcon;
class QTimer;
class TEScreenForm;
class TPwdForm;
class TTimesForm;

// Dellamy's drawing window: opens the project named in EditProject.ini, shows it as
// designed and draws on request, with or without animation. The draw cycle itself runs
// in its DrawSession (Session()); the window forwards its button and keys to it and
// shows the frames and the final batches it announces.
//
// For the record tools: the record box is RecordBox() (RandRecordMemo or
// RandRecordLabel, or none), its text is read and replaced through RecordText /
// SetRecordText. BatchAppended is emitted right after each final batch has been
// appended to the record (automatic line break and sort hang there); Closing is emitted
// when the window closes, before anything is torn down (write-back of the record
// settings hangs there); Closed follows once every Closing handler has returned, so a
// message box a handler shows has been answered before the program may end.
class TRandForm : public QWidget
{
    Q_OBJECT
public:
    // `sources`: seeded ones make the window's draws repeatable (tests).
    explicit TRandForm(QWidget *parent = nullptr, RandomSources sources = RandomSources::FromSystem());
    ~TRandForm() override;

    enum class StartupOutcome {
        Shown,            // the window is up
        AwaitingPassword, // the password dialog is open; the window shows once it is right
        Ended             // a message said why; EndApplication has been emitted
    };
    // The start-up: settings, the project, its display, the engine, the password. The
    // project is `projectName`, or when empty the one EditProject.ini names.
    StartupOutcome FormShow(const QString &projectName = QString());

    // The draw request of the button and the draw key.
    void GoRandButtonClick();
    // Ends a running animated draw; its final batch is the result.
    void StopDraw();
    bool InDraw() const { return m_session->InDraw(); }
    // Frames shown by the running or the last animated draw (the final batch not counted).
    int FramesShown() const { return m_session->FramesShown(); }
    // The draw cycle this window shows; other views and listeners attach here.
    DrawSession &Session() { return *m_session; }

    // ---- for the record tools
    QWidget *RecordBox() const;
    RecordShape RecordBoxShape() const;
    QString RecordText() const;
    void SetRecordText(const QString &text);
    QString ResultSeparator() const { return m_separator; }
    QString ProjectName() const { return m_projectName; }
    QString ProjectPath() const { return m_projectPath; }
    int ProjectType() const { return m_pmode; }
    // The number format of a number project (empty for other types).
    QString NumberFormat();
    const SoftSettings &Settings() const { return m_soft; }
    // Settings of the record tools and of speech, as the project file held them at start.
    const RecordSettings &LoadedRecordSettings() const { return m_recordSettings; }
    const SpeechSettings &LoadedSpeechSettings() const { return m_speech; }

    // Controls, named as the window's designer names them. Boxes the project does not
    // have stay null.
    QLabel *TitleLabel;
    QPushButton *GoRandButton = nullptr;
    QLineEdit *RandBoxEdit = nullptr;
    QLabel *RandBoxLabel = nullptr;
    QPlainTextEdit *RandRecordMemo = nullptr;
    QLabel *RandRecordLabel = nullptr;
    QLabel *RandPic = nullptr;
    QLabel *PicNameLabel = nullptr;
    QAbstractButton *ExtraStopButton = nullptr; // "ImgButton", "TextButton" or "SpeedButton"
    // Shown during a draw whose separate stop button cannot be clicked: names the stop key.
    QLabel *StopKeyLabel = nullptr;
    QMenu *ShortCutLabel;
    QAction *Menu_Go;
    QAction *Menu_Stop;
    QAction *Menu_QuickDraw; // starts the quick-draw bar for this project
    QTimer *PlayMusic;
    QTimer *PlayBgMusic;
    QTimer *PicChangeTimer;
    QTimer *RBColorTimer;
    MusicChannel *MusicPlayer;
    MusicChannel *BgMusicPlayer;
    QSystemTrayIcon *RandTray;
    QMenu *TrayMenu;
    QAction *Tray_Show;
    QAction *Tray_Hide;
    TEScreenForm *EScreen = nullptr;
    TTimesForm *TimesForm = nullptr;
    TPwdForm *PwdForm = nullptr;

signals:
    void BatchAppended();
    // A draw has stopped (every project type): its results (escaped), the pictures
    // drawn and the result box's text. The history and speech hang here.
    void DrawFinished(const QStringList &results, const QStringList &picturePaths, const QString &boxText);
    void Closing();
    void Closed();
    // The start-up ended the program (missing or unreadable project, password dialog
    // closed). The caller ends the event loop.
    void EndApplication();

protected:
    void paintEvent(QPaintEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    struct ColourCycle
    {
        QVector<QColor> colours;
        int index = 0;
    };

    StartupOutcome EndStartup();
    void LoadProject();
    void ApplyForm();
    void ApplyPicture();
    void ApplyResultBox();
    void ApplyRecordBox();
    void ApplyButtonAndKeys();
    void ApplyRemarks();
    void ApplyAnimate();
    void CreateExtraStopButton(const ExtraButton &button);
    void ShowMainWindow();
    void AskAccessPassword();
    void GetPwd();
    void RandExit();

    DrawProject SessionProject() const;
    void ShowDrawState(DrawSession::State state);
    void ShowDrawStarted();
    void ShowDrawEnded();
    void ShowFrame(const Batch &batch);
    void ShowRandClick(const Batch &batch);
    void ShowDrawRefusal(const QString &message);
    QString FormatBatch(const QStringList &results, const QString &format) const;
    // Screen readers speak the final result (whatever the suite's own speech does):
    // an accessibility event on the result box, or on the window when it has none.
    void AnnounceResult(const QString &text);
    void SetResultBoxText(const QString &text);
    void AppendToRecord(const QString &text);

    void PlayMusicTimer();
    void PlayBgMusicTimer();
    void PicChangeTimerTimer();
    void ShowPicture(const QString &path);
    QPixmap PictureFor(const QString &path);
    void PreloadPictures(const QStringList &paths);
    void RBColorTimerTimer();
    void RandTrayClick();

    QWidget *ResultBoxWidget() const;
    bool IsTextProject() const { return m_pmode != 5; }
    bool StopsByDrawButton() const;
    bool ExtraStopButtonUsable() const;
    void StartStopFallback();

    // Project
    QString m_projectName;
    QString m_projectPath;
    FormSection m_form;
    AnimateSection m_animate;
    ProjectHeader m_header;
    int m_pmode = 0;
    QueryParams m_query;
    bool m_pictureProject = false;
    SoftSettings m_soft;
    RecordSettings m_recordSettings;
    SpeechSettings m_speech;

    // Display
    WindowBackgroundPainter m_background;
    QString m_separator = QStringLiteral("  ");
    QCache<QString, QPixmap> m_pictureCache;
    // Decodes a picture project's pictures off the user-interface thread; waited for
    // (after cancelling) when the window goes.
    QThreadPool m_pictureLoader;
    std::atomic<bool> m_cancelPreload{false};
    QStringList m_slides;
    int m_slideIndex = 0;
    ColourCycle m_boxFontCycle, m_boxBgCycle, m_recordFontCycle, m_recordBgCycle;
    QString m_drawButtonCaption;

    // Draw cycle
    WindowRemainingQuestion m_question;
    DrawSession *m_session;
    bool m_extraScreenShown = false;
    bool m_recordHidden = false;
    bool m_drawButtonHidden = false;
    bool m_stopFallback = false; // the draw button and the stop key stand in for the stop button
    QString m_inDrawMusic;
    QString m_afterDrawMusic;
    QStringList m_bgMusic;
};
