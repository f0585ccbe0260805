#include "historycontroller.h"

#include "apppaths.h"
#include "encodedxml.h"
#include "historyform.h"
#include "historyrecorder.h"
#include "messages.h"
#include "randform.h"
#include "recordcontroller.h"
#include "speaker.h"
#include "speechform.h"
#include "speechtext.h"
#include "suiteerror.h"

#include <QAction>
#include <QEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QTimer>

namespace {
constexpr int kPicturesType = 5;
const QString kSpeakCaption = QStringLiteral("朗读抽取结果");
} // namespace

HistoryController::HistoryController(TRandForm &form, QMenu *recordMenu) : QObject(&form), form(form)
{
    HistoryNoticeLabel = new QLabel(&form);
    HistoryNoticeLabel->setObjectName(QStringLiteral("HistoryNoticeLabel"));
    HistoryNoticeLabel->setWordWrap(true);
    HistoryNoticeLabel->setToolTip(QStringLiteral("单击关闭此提示"));
    HistoryNoticeLabel->setStyleSheet(QStringLiteral("QLabel { background: #fff4ce; color: #7a4b00;"
                                                     " border-top: 1px solid #e0c060; padding: 4px 8px; }"));
    HistoryNoticeLabel->hide();
    HistoryNoticeLabel->installEventFilter(this);
    if (form.Settings().keepHistory) {
        recorder = std::make_unique<HistoryRecorder>(HistoryDatabasePath());
        // From the writer's thread, queued to this one.
        connect(recorder.get(), &HistoryRecorder::NoticeChanged, this, &HistoryController::ShowRecorderNotice);
    }
    try {
        speech = ReadSpeechSettings(LoadEncodedDocument(form.ProjectPath()));
    } catch (const SuiteError &) {
        // Just loaded by the window; should it have gone meanwhile, speech stays off.
    }

    Menu_History = new QAction(QStringLiteral("历史记录…"), this);
    Menu_History->setObjectName(QStringLiteral("Menu_History"));
    Menu_Speak = new QAction(kSpeakCaption, this);
    Menu_Speak->setObjectName(QStringLiteral("Menu_Speak"));
    Menu_Speak->setCheckable(true);
    Menu_Speak->setChecked(speech.enabled);
    Menu_SpeechSet = new QAction(QStringLiteral("朗读设置…"), this);
    Menu_SpeechSet->setObjectName(QStringLiteral("Menu_SpeechSet"));
    connect(Menu_History, &QAction::triggered, this, &HistoryController::Menu_HistoryClick);
    connect(Menu_Speak, &QAction::triggered, this, &HistoryController::Menu_SpeakClick);
    connect(Menu_SpeechSet, &QAction::triggered, this, &HistoryController::Menu_SpeechSetClick);

    for (QMenu *menu : {form.ShortCutLabel, recordMenu}) {
        if (!menu)
            continue;
        menu->addSeparator();
        menu->addActions({Menu_History, Menu_Speak, Menu_SpeechSet});
        // Whether speech works is learnt when it is first needed: starting a speech
        // engine can take a moment.
        connect(menu, &QMenu::aboutToShow, this, &HistoryController::EnsureSpeaker);
    }
    if (speech.enabled)
        QTimer::singleShot(0, this, &HistoryController::EnsureSpeaker);
}

HistoryController::~HistoryController() = default;

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
            Menu_Speak->setText(QStringLiteral("%1（不可用：%2）").arg(kSpeakCaption, reason));
            Menu_Speak->setToolTip(reason);
        }
    }
    return speaker->UnavailableReason().isEmpty() ? speaker.get() : nullptr;
}

void HistoryController::AfterDraw(const QStringList &results, const QStringList &picturePaths, const QString &boxText)
{
    QStringList kept;
    if (form.ProjectType() == kPicturesType) {
        for (const QString &path : picturePaths)
            kept << QFileInfo(path).completeBaseName();
    } else {
        kept = results;
    }
    ++drawsThisRun;
    if (recorder && kept.size() <= kMaxHistoryResults)
        recorder->Record({0, QDateTime::currentDateTime(), form.ProjectName(), drawsThisRun, kSourceWindow, kept});
    if (speech.enabled) {
        if (Speaker *voice = EnsureSpeaker())
            voice->Say(SpeechTextFor(form.ProjectType(), boxText, kept), speech.rate, speech.volume);
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
            voice->Say(SpeechTextFor(1, QStringLiteral("张三，李四"), {}), rate, volume);
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
            throw SuiteError(QStringLiteral("工程文件没有内容。"));
        WriteSpeechSettings(document, settings);
        SaveEncodedDocument(document, form.ProjectPath());
    } catch (const SuiteError &error) {
        ShowError(&form, QStringLiteral("保存失败"), QStringLiteral("朗读设置未能保存：%1").arg(error.message()));
        return false;
    }
    speech = settings;
    return true;
}

HistoryController *AttachHistoryTools(TRandForm &form, RecordController *record)
{
    auto *history = new HistoryController(form, record ? record->RandMenu() : nullptr);
    QObject::connect(&form, &TRandForm::DrawFinished, history, &HistoryController::AfterDraw);
    return history;
}
