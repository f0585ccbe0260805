#include "historycontroller.h"

#include "apppaths.h"
#include "encodedxml.h"
#include "historyform.h"
#include "historyrecorder.h"
#include "messages.h"
#include "randform.h"
#include "recordcontroller.h"
#include "sessionhistory.h"
#include "speaker.h"
#include "speechform.h"
#include "speechtext.h"
#include "suiteerror.h"

#include <QCoreApplication>
#include <QAction>
#include <QEvent>
#include <QLabel>
#include <QMenu>
#include <QTimer>

namespace {
QString SpeakCaption()
{
    return QCoreApplication::translate("HistoryController", "朗读抽取结果");
}
} // namespace

HistoryController::HistoryController(TRandForm &form, QMenu *recordMenu) : QObject(&form), form(form)
{
    HistoryNoticeLabel = new QLabel(&form);
    HistoryNoticeLabel->setObjectName(QStringLiteral("HistoryNoticeLabel"));
    HistoryNoticeLabel->setWordWrap(true);
    HistoryNoticeLabel->setToolTip(tr("单击关闭此提示"));
    HistoryNoticeLabel->setStyleSheet(QStringLiteral("QLabel { background: #fff4ce; color: #7a4b00;"
                                                     " border-top: 1px solid #e0c060; padding: 4px 8px; }"));
    HistoryNoticeLabel->hide();
    HistoryNoticeLabel->installEventFilter(this);
    if (form.Settings().keepHistory) {
        history = std::make_unique<SessionHistory>(form.Session(), kSourceWindow, SessionHistory::Opening::AtOnce);
        if (HistoryRecorder *recorder = history->Recorder()) {
            // From the writer's thread, queued to this one; what it said before this
            // connection is read directly.
            connect(recorder, &HistoryRecorder::NoticeChanged, this, &HistoryController::ShowRecorderNotice);
            ShowRecorderNotice(recorder->Notice());
        }
    }
    speech = form.LoadedSpeechSettings();

    Menu_History = new QAction(tr("历史记录…"), this);
    Menu_History->setObjectName(QStringLiteral("Menu_History"));
    Menu_Speak = new QAction(SpeakCaption(), this);
    Menu_Speak->setObjectName(QStringLiteral("Menu_Speak"));
    Menu_Speak->setCheckable(true);
    Menu_Speak->setChecked(speech.enabled);
    Menu_SpeechSet = new QAction(tr("朗读设置…"), this);
    Menu_SpeechSet->setObjectName(QStringLiteral("Menu_SpeechSet"));
    connect(Menu_History, &QAction::triggered, this, &HistoryController::Menu_HistoryClick);
    connect(Menu_Speak, &QAction::triggered, this, &HistoryController::Menu_SpeakClick);
    connect(Menu_SpeechSet, &QAction::triggered, this, &HistoryController::Menu_SpeechSetClick);

    for (QMenu *menu : {form.ShortCutLabel, recordMenu}) {
        if (!menu)
            continue;
        menu->addSeparator();
        menu->addActions({Menu_History, Menu_Speak, Menu_SpeechSet});
        menu->setToolTipsVisible(true);
        // Whether speech works is learnt when it is first needed: starting a speech
        // engine can take a moment.
        connect(menu, &QMenu::aboutToShow, this, &HistoryController::EnsureSpeaker);
    }
    if (speech.enabled)
        QTimer::singleShot(0, this, &HistoryController::EnsureSpeaker);
}

HistoryController::~HistoryController() = default;

HistoryRecorder *HistoryController::Recorder() const
{
    return history ? history->Recorder() : nullptr;
}

void HistoryController::ShowRecorderNotice(const QString &notice)
{
    if (notice.isEmpty()) {
        HistoryNoticeLabel->hide();
        return;
    }
    if (notice == noticeShown)
        return;
    noticeShown = notice;
    HistoryNoticeLabel->setText(notice);
    const int height = HistoryNoticeLabel->heightForWidth(form.width());
    HistoryNoticeLabel->setGeometry(0, form.height() - height, form.width(), height);
    HistoryNoticeLabel->raise();
    HistoryNoticeLabel->show();
}

bool HistoryController::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == HistoryNoticeLabel && event->type() == QEvent::MouseButtonPress) {
        HistoryNoticeLabel->hide();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

THistoryForm *HistoryController::HistoryWindow() const
{
    return historyWindow;
}

Speaker *HistoryController::EnsureSpeaker()
{
    if (!speaker) {
        speaker = CreateSpeaker();
        const QString reason = speaker->UnavailableReason();
        Menu_Speak->setEnabled(reason.isEmpty());
        Menu_SpeechSet->setEnabled(reason.isEmpty());
        if (!reason.isEmpty()) {
            // The reason can be a long sentence: as a tip it does not stretch the menu.
            Menu_Speak->setText(tr("%1（不可用）").arg(SpeakCaption()));
            Menu_Speak->setToolTip(reason);
        }
    }
    return speaker->UnavailableReason().isEmpty() ? speaker.get() : nullptr;
}

void HistoryController::SpeakDraw(const QStringList &results, const QStringList &picturePaths, const QString &boxText)
{
    if (!speech.enabled)
        return;
    if (Speaker *voice = EnsureSpeaker()) {
        const QStringList names = DrawnNames(form.ProjectType(), results, picturePaths);
        voice->Say(SpeechTextFor(form.ProjectType(), boxText, names), speech.rate, speech.volume);
    }
}

void HistoryController::Menu_HistoryClick()
{
    if (historyWindow) {
        historyWindow->raise();
        historyWindow->activateWindow();
        return;
    }
    // What this run drew is in the window's view.
    HistoryRecorder *recorder = Recorder();
    if (recorder)
        recorder->Flush();
    historyWindow = new THistoryForm(HistoryDatabasePath(), form.ProjectName(), recorder ? recorder->Notice() : QString(),
                                     form.Settings().keepHistory, &form);
    historyWindow->setAttribute(Qt::WA_DeleteOnClose);
    historyWindow->show();
}

void HistoryController::Menu_SpeakClick(bool checked)
{
    SpeechSettings changed = speech;
    changed.enabled = checked;
    if (!SaveSpeech(changed))
        Menu_Speak->setChecked(speech.enabled);
}

void HistoryController::Menu_SpeechSetClick()
{
    auto trial = [this](int rate, int volume) {
        if (Speaker *voice = EnsureSpeaker())
            voice->Say(SpeechTextFor(1, tr("张三，李四"), {}), rate, volume);
    };
    auto *dialog = new TSpeechForm(speech, trial, &form);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::accepted, this, [this, dialog] { SaveSpeech(dialog->Settings()); });
    dialog->open();
}

bool HistoryController::SaveSpeech(const SpeechSettings &settings)
{
    try {
        QDomDocument document = LoadEncodedDocument(form.ProjectPath());
        if (document.documentElement().isNull())
            throw SuiteError(tr("工程文件没有内容。"));
        WriteSpeechSettings(document, settings);
        SaveEncodedDocument(document, form.ProjectPath());
    } catch (const SuiteError &error) {
        ShowError(&form, tr("保存失败"), tr("朗读设置未能保存：%1").arg(error.message()));
        return false;
    }
    speech = settings;
    return true;
}

HistoryController *AttachHistoryTools(TRandForm &form, RecordController *record)
{
    auto *history = new HistoryController(form, record ? record->RandMenu() : nullptr);
    QObject::connect(&form, &TRandForm::DrawFinished, history, &HistoryController::SpeakDraw);
    return history;
}
