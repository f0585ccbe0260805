#include "fairnesscontroller.h"

#include "apppaths.h"
#include "encodedxml.h"
#include "fairnessform.h"
#include "fairnessstore.h"
#include "historycontroller.h"
#include "messages.h"
#include "randform.h"
#include "suiteerror.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTimer>

namespace {

// Long enough to read a line, short enough not to hide the next draw's results.
constexpr int kNoticeMs = 6000;

} // namespace

QList<std::pair<int, int>> ResultSpans(const QString &text, const QStringList &results)
{
    QList<std::pair<int, int>> spans;
    qsizetype from = 0;
    for (const QString &result : results) {
        const qsizetype at = result.isEmpty() ? -1 : text.indexOf(result, from);
        spans.append({int(at), int(result.size())});
        if (at >= 0)
            from = at + result.size();
    }
    return spans;
}

FairnessController::FairnessController(TRandForm &form, QMenu *recordMenu, HistoryController *history)
    : QObject(&form), form(form), history(history)
{
    if (TypeDrawsFairly(form.ProjectType())) {
        try {
            settings = ReadFairSettings(LoadEncodedDocument(form.ProjectPath()));
        } catch (const SuiteError &) {
            // Just loaded by the window; should it have gone meanwhile, draws stay plain.
        }
    }
    noticeLine = new QLabel(&form);
    noticeLine->setObjectName(QStringLiteral("FairNotice"));
    noticeLine->setStyleSheet(QStringLiteral("QLabel { background: rgba(0, 0, 0, 170); color: white; padding: 4px 10px;"
                                             " border-radius: 4px; }"));
    noticeLine->setAttribute(Qt::WA_TransparentForMouseEvents);
    noticeLine->hide();
    noticeTimer = new QTimer(this);
    noticeTimer->setSingleShot(true);
    noticeTimer->setInterval(kNoticeMs);
    connect(noticeTimer, &QTimer::timeout, noticeLine, &QWidget::hide);

    const bool keeps = history && history->Recorder();
    if (keeps && TypeDrawsFairly(form.ProjectType()))
        store = std::make_unique<FairnessStore>(HistoryDatabasePath(), form.ProjectName());
    if (settings.mode != FairMode::Plain) {
        if (store)
            form.Engine().SetFairness(settings, store.get());
        else
            QTimer::singleShot(0, this, [this] { ShowNotice(FairWithoutHistoryNotice(settings.mode)); });
    }

    Menu_RestartRound = new QAction(QStringLiteral("重新开始一轮"), this);
    Menu_RestartRound->setObjectName(QStringLiteral("Menu_RestartRound"));
    Menu_RestartRound->setEnabled(form.Engine().FairnessInUse() == FairMode::Rotation);
    Menu_FairnessCheck = new QAction(QStringLiteral("公平性检验"), this);
    Menu_FairnessCheck->setObjectName(QStringLiteral("Menu_FairnessCheck"));
    Menu_FairnessCheck->setEnabled(TypeDrawsFairly(form.ProjectType()));
    connect(Menu_RestartRound, &QAction::triggered, this, &FairnessController::Menu_RestartRoundClick);
    connect(Menu_FairnessCheck, &QAction::triggered, this, &FairnessController::Menu_FairnessCheckClick);
    for (QMenu *menu : {form.ShortCutLabel, recordMenu}) {
        if (menu)
            menu->addActions({Menu_RestartRound, Menu_FairnessCheck});
    }

    form.installEventFilter(this);
    for (QWidget *box : {static_cast<QWidget *>(form.RandBoxEdit), static_cast<QWidget *>(form.RandBoxLabel)}) {
        if (box)
            box->installEventFilter(this);
    }
}

FairnessController::~FairnessController() = default;

bool FairnessController::Marks() const
{
    return TypeDrawsFairly(form.ProjectType()) && !shown.isEmpty() && !form.InDraw();
}

void FairnessController::ShowNotice(const QString &text)
{
    noticeLine->setText(text);
    noticeLine->adjustSize();
    noticeLine->move((form.width() - noticeLine->width()) / 2, form.height() - noticeLine->height() - 8);
    noticeLine->raise();
    noticeLine->show();
    noticeTimer->start();
}

void FairnessController::AfterBatch(const Batch &batch)
{
    roundEnded = batch.newRound;
    batchNotice = batch.fairNotice;
}

void FairnessController::AfterDraw(const QStringList &results)
{
    shown = results;
    absentees.clear();
    shownSlots.clear();
    const QDateTime time = history ? history->LastDrawTime() : QDateTime();
    for (int slot = 0; slot < results.size(); ++slot)
        shownSlots.append({time, slot, QString()});
    QStringList lines;
    if (!batchNotice.isEmpty())
        lines << batchNotice;
    if (roundEnded)
        lines << QStringLiteral("新一轮开始");
    if (!lines.isEmpty())
        ShowNotice(lines.join(QLatin1Char('\n')));
    roundEnded = false;
    batchNotice.clear();
}

bool FairnessController::MarkSlot(int slot, const QString &mark)
{
    if (!Marks() || slot < 0 || slot >= shown.size() || !MarkTexts().contains(mark))
        return false;
    const QString result = shown.at(slot);
    if (store && shownSlots.at(slot).drawTime.isValid()
        && !store->SetMark({form.ProjectName(), shownSlots.at(slot).drawTime, shownSlots.at(slot).slotInDraw, result, mark})) {
        ShowError(&form, QStringLiteral("标记未保存"), store->Notice());
        return false;
    }
    shownSlots[slot].mark = mark;
    if (mark != kMarkAbsent) {
        ShowNotice(QStringLiteral("%1：%2").arg(result, mark));
        return true;
    }
    // The absent one is shown but not drawn: the slot alone is drawn again from who remains.
    absentees.insert(result);
    QSet<QString> keep(absentees);
    for (int other = 0; other < shown.size(); ++other) {
        if (other != slot)
            keep.insert(shown.at(other));
    }
    QString replacement;
    QString notice;
    try {
        replacement = form.Engine().ReplaceAbsent(result, keep, &notice);
    } catch (const SuiteError &error) {
        ShowError(&form, QStringLiteral("无法重新抽取"), error.message());
        return false;
    }
    ReplaceShown(slot, replacement);
    // The new name is a draw of its own in the history (and is read aloud like one).
    if (history)
        history->AfterDraw({replacement}, {}, replacement);
    shownSlots[slot] = {history ? history->LastDrawTime() : QDateTime(), 0, QString()};
    QString line = QStringLiteral("%1 缺席，改抽：%2").arg(result, replacement);
    if (!notice.isEmpty())
        line += QLatin1Char('\n') + notice;
    ShowNotice(line);
    return true;
}

void FairnessController::ReplaceShown(int slot, const QString &replacement)
{
    // The result box shows this batch alone.
    auto replaceIn = [&](const QString &text, qsizetype searchFrom) {
        const QList<std::pair<int, int>> spans = ResultSpans(text.mid(searchFrom), shown);
        const auto [start, length] = spans.at(slot);
        if (start < 0)
            return text;
        QString changed = text;
        changed.replace(searchFrom + start, length, replacement);
        return changed;
    };
    if (form.RandBoxEdit) {
        form.RandBoxEdit->setText(replaceIn(form.RandBoxEdit->text(), 0));
        form.RandBoxEdit->setCursorPosition(0);
    } else if (form.RandBoxLabel) {
        form.RandBoxLabel->setText(replaceIn(form.RandBoxLabel->text(), 0));
    }
    // The record ends with this batch: its results are looked for from the last line.
    const QString record = form.RecordText();
    if (!record.isEmpty()) {
        qsizetype lineStart = record.lastIndexOf(QLatin1Char('\n'), record.size() - 2);
        lineStart = lineStart < 0 ? 0 : lineStart + 1;
        const QString changed = replaceIn(record, lineStart);
        if (changed != record)
            form.SetRecordText(changed);
    }
    shown[slot] = replacement;
}

int FairnessController::SlotAt(int characterIndex) const
{
    if (!form.RandBoxEdit)
        return -1;
    const QList<std::pair<int, int>> spans = ResultSpans(form.RandBoxEdit->text(), shown);
    for (int slot = 0; slot < spans.size(); ++slot) {
        const auto [start, length] = spans.at(slot);
        if (start >= 0 && characterIndex >= start && characterIndex <= start + length)
            return slot;
    }
    return -1;
}

int FairnessController::SelectedSlot() const
{
    if (shown.size() == 1)
        return 0;
    if (form.RandBoxEdit && form.RandBoxEdit->hasSelectedText())
        return SlotAt(form.RandBoxEdit->selectionStart());
    return -1;
}

void FairnessController::PopupMarkMenu(const QPoint &globalPos, int slot)
{
    QMenu menu(&form);
    menu.setObjectName(QStringLiteral("MarkMenu"));
    auto addMarks = [this](QMenu *target, int markedSlot) {
        const QStringList marks = MarkTexts();
        for (int key = 0; key < marks.size(); ++key) {
            QAction *action = target->addAction(QStringLiteral("%1\t%2").arg(marks.at(key)).arg(key + 1));
            action->setCheckable(true);
            action->setChecked(shownSlots.value(markedSlot).mark == marks.at(key));
            connect(action, &QAction::triggered, this, [this, markedSlot, mark = marks.at(key)] { MarkSlot(markedSlot, mark); });
        }
    };
    if (slot >= 0) {
        menu.addSection(shown.at(slot));
        addMarks(&menu, slot);
    } else {
        for (int each = 0; each < shown.size(); ++each)
            addMarks(menu.addMenu(shown.at(each)), each);
    }
    menu.exec(globalPos);
}

bool FairnessController::eventFilter(QObject *watched, QEvent *event)
{
    if (!Marks())
        return QObject::eventFilter(watched, event);
    const bool onBox = watched == form.RandBoxEdit || watched == form.RandBoxLabel;
    if (onBox && event->type() == QEvent::ContextMenu) {
        auto *menuEvent = static_cast<QContextMenuEvent *>(event);
        int slot = shown.size() == 1 ? 0 : -1;
        if (slot < 0 && form.RandBoxEdit && watched == form.RandBoxEdit)
            slot = SlotAt(form.RandBoxEdit->cursorPositionAt(menuEvent->pos()));
        PopupMarkMenu(menuEvent->globalPos(), slot);
        return true;
    }
    if (event->type() == QEvent::KeyPress && (watched == &form || onBox)) {
        auto *key = static_cast<QKeyEvent *>(event);
        const int number = key->key() - Qt::Key_1;
        if (key->modifiers() == Qt::NoModifier || key->modifiers() == Qt::KeypadModifier) {
            if (number >= 0 && number < MarkTexts().size()) {
                const int slot = SelectedSlot();
                if (slot >= 0) {
                    MarkSlot(slot, MarkTexts().at(number));
                    return true;
                }
            }
        }
    }
    return QObject::eventFilter(watched, event);
}

void FairnessController::Menu_RestartRoundClick()
{
    if (!store)
        return;
    if (!store->RestartRotation()) {
        ShowError(&form, QStringLiteral("操作失败"), store->Notice());
        return;
    }
    ShowNotice(QStringLiteral("新一轮开始"));
}

void FairnessController::Menu_FairnessCheckClick()
{
    if (fairnessWindow) {
        fairnessWindow->raise();
        fairnessWindow->activateWindow();
        return;
    }
    fairnessWindow = new TFairnessForm(form.ProjectName(), form.ProjectType(), form.Query(), settings, &form);
    fairnessWindow->setAttribute(Qt::WA_DeleteOnClose);
    fairnessWindow->show();
}

FairnessController *AttachFairnessTools(TRandForm &form, QMenu *recordMenu, HistoryController *history)
{
    auto *fairness = new FairnessController(form, recordMenu, history);
    QObject::connect(&form, &TRandForm::FinalBatch, fairness, &FairnessController::AfterBatch);
    // After the history's own hook, which gives the draw its time.
    QObject::connect(&form, &TRandForm::DrawFinished, fairness,
                     [fairness](const QStringList &results) { fairness->AfterDraw(results); });
    return fairness;
}
