#pragma once

#include "displaysection.h"

#include <QObject>
#include <QPointer>
#include <QStringList>

#include <memory>

class HistoryRecorder;
class QAction;
class QLabel;
class QMenu;
class RecordController;
class SessionHistory;
class Speaker;
class THistoryForm;
class TRandForm;

// The drawing window's draw history and spoken results: keeps every finished draw in
// the history (unless Soft.ini's [History] Keep is "否"), reads the result aloud when
// the project asks for it, and offers "历史记录…", "朗读抽取结果" and "朗读设置…" in the
// window's menu and the record menu.
class HistoryController : public QObject
{
    Q_OBJECT
public:
    // `recordMenu` may be null (a project without a record box).
    HistoryController(TRandForm &form, QMenu *recordMenu);
    ~HistoryController() override;

    // Hook after a draw stopped: speaks it (the session's history keeps it). Never waits
    // for the voice.
    void SpeakDraw(const QStringList &results, const QStringList &picturePaths, const QString &boxText);

    void Menu_HistoryClick();
    void Menu_SpeakClick(bool checked);
    void Menu_SpeechSetClick();

    // Null when the history is switched off.
    HistoryRecorder *Recorder() const;
    THistoryForm *HistoryWindow() const;
    const SpeechSettings &Speech() const { return speech; }
    // The speaker, created on first need; its reason decides whether Menu_Speak is
    // enabled.
    Speaker *EnsureSpeaker();

    QAction *Menu_History;
    QAction *Menu_Speak;
    QAction *Menu_SpeechSet;
    // The drawing window's status line for the history: a draw that could not be kept,
    // a damaged file put aside. Each message shows once; a click puts it away.
    QLabel *HistoryNoticeLabel;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void ShowRecorderNotice(const QString &notice);

    // Stores the speech settings in the project file; false (message shown) when the
    // file cannot be written.
    bool SaveSpeech(const SpeechSettings &settings);

    TRandForm &form;
    std::unique_ptr<SessionHistory> history;
    std::unique_ptr<Speaker> speaker;
    SpeechSettings speech;
    QPointer<THistoryForm> historyWindow;
    QString noticeShown;
};

// Gives the drawing window its history and speech. Call once after
// TRandForm::FormShow (any outcome but Ended) and AttachRecordTools.
HistoryController *AttachHistoryTools(TRandForm &form, RecordController *record);
