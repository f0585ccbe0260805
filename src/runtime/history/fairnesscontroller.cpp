#include "fairnesscontroller.h"

#include "drawsession.h"
#include "encodedxml.h"
#include "fairnessstore.h"
#include "historycontroller.h"
#include "messages.h"
#include "randform.h"
#include "sessionfairness.h"
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

// The fair settings of a list project, or of a custom project's list items.
std::pair<FairSettings, ItemFairSettings> ProjectFairness(const TRandForm &form)
{
    const bool list = TypeDrawsFairly(form.ProjectType());
    if (!list && !TypeHasFairItems(form.ProjectType()))
        return {};
    try {
        const QDomDocument document = LoadEncodedDocument(form.ProjectPath());
        if (list)
            return {ReadFairSettings(document), {}};
        return {FairSettings{}, ReadItemFairSettings(document)};
    } catch (const SuiteError &) {
        // Just loaded by the window; should it have gone meanwhile, draws stay plain.
        return {};
    }
}

SessionFairness *MakeSessionFairness(TRandForm &form, HistoryController *history)
{
    const auto [list, items] = ProjectFairness(form);
    return new SessionFairness(form.Session(), history ? history->History() : nullptr, list, items);
}

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
    : QObject(&form), form(form),
      fairness(MakeSessionFairness(form, history))
{
    noticeLine = new QLabel(&form);
    noticeLine->setObjectName(QStringLiteral("FairNotice"));
    noticeLine->setStyleSheet(QStringLiteral("QLabel { background: rgba(0, 0, 0, 225); color: white; padding: 4px 10px;"
                                             " border-radius: 4px; }"));
    noticeLine->setAttribute(Qt::WA_TransparentForMouseEvents);
    QFont font = noticeLine->font();
    font.setPointSize(13);
    noticeLine->setFont(font);
    noticeLine->hide();
    noticeTimer = new QTimer(this);
    noticeTimer->setSingleShot(true);
    noticeTimer->setInterval(kNoticeMs);
    connect(noticeTimer, &QTimer::timeout, noticeLine, &QWidget::hide);

    connect(fairness, &SessionFairness::Notice, this, &FairnessController::ShowNotice);
    connect(fairness, &SessionFairness::RoundCompleted, this, [this] { ShowNotice(tr("新一轮开始")); });
    connect(fairness, &SessionFairness::SlotReplaced, this, &FairnessController::ReplaceShown);
    // After the session's own hook, which takes the draw's results.
    connect(&form.Session(), &DrawSession::BatchFinal, this, [this] {
        replacedSlots.clear();
        emit ShownResultsChanged();
    });
    if (const QString fallback = fairness->FallbackNotice(); !fallback.isEmpty())
        QTimer::singleShot(0, this, [this, fallback] { ShowNotice(fallback); });

    Menu_RestartRound = new QAction(tr("重新开始一轮"), this);
    Menu_RestartRound->setObjectName(QStringLiteral("Menu_RestartRound"));
    Menu_RestartRound->setEnabled(fairness->CanRestartRound());
    Menu_FairnessCheck = new QAction(tr("公平性检验"), this);
    Menu_FairnessCheck->setObjectName(QStringLiteral("Menu_FairnessCheck"));
    Menu_FairnessCheck->setEnabled(TypeDrawsFairly(form.ProjectType()) || !fairness->FairItems().isEmpty());
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

QStringList FairnessController::ShownResults() const
{
    return fairness->Results();
}

bool FairnessController::CanMark() const
{
    return TypeDrawsFairly(form.ProjectType()) && !fairness->Results().isEmpty() && !form.InDraw();
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

bool FairnessController::MarkSlot(int slot, const QString &mark)
{
    if (!CanMark())
        return false;
    QString message;
    if (!fairness->Mark(slot, mark, &message)) {
        if (!message.isEmpty())
            ShowError(&form, mark == kMarkAbsent ? tr("无法重新抽取") : tr("标记未保存"), message);
        return false;
    }
    ShowMarks();
    return true;
}

void FairnessController::ShowMarks()
{
    QStringList lines;
    for (int slot = 0; slot < fairness->Results().size(); ++slot) {
        QStringList parts;
        if (!replacedSlots.value(slot).isEmpty())
            parts << replacedSlots.at(slot);
        if (!fairness->MarkOf(slot).isEmpty())
            parts << tr("%1：%2").arg(fairness->Results().at(slot), fairness->MarkOf(slot));
        if (!parts.isEmpty())
            lines << parts.join(tr("，"));
    }
    ShowNotice(lines.join(QStringLiteral("　·　")));
}

void FairnessController::ReplaceShown(int slot, const QString &absent, const QString &replacement)
{
    // The results as they were shown, to find the slot in the texts.
    QStringList before = fairness->Results();
    before[slot] = absent;
    auto replaceIn = [&](const QString &text, qsizetype searchFrom) {
        const auto [start, length] = ResultSpans(text.mid(searchFrom), before).at(slot);
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
    // The record ends with this draw: its results are looked for from its last line.
    const QString record = form.RecordText();
    if (!record.isEmpty()) {
        const qsizetype lineBreak = record.lastIndexOf(QLatin1Char('\n'), record.size() - 2);
        const QString changed = replaceIn(record, lineBreak < 0 ? 0 : lineBreak + 1);
        if (changed != record)
            form.SetRecordText(changed);
    }
    while (replacedSlots.size() <= slot)
        replacedSlots.append(QString());
    replacedSlots[slot] = QStringLiteral("%1 缺席 → %2").arg(absent, replacement);
    emit ShownResultsChanged();
}

int FairnessController::SlotAt(int characterIndex) const
{
    if (!form.RandBoxEdit)
        return -1;
    const QList<std::pair<int, int>> spans = ResultSpans(form.RandBoxEdit->text(), fairness->Results());
    for (int slot = 0; slot < spans.size(); ++slot) {
        const auto [start, length] = spans.at(slot);
        if (start >= 0 && characterIndex >= start && characterIndex <= start + length)
            return slot;
    }
    return -1;
}

int FairnessController::SelectedSlot() const
{
    if (fairness->Results().size() == 1)
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
            action->setChecked(fairness->MarkOf(markedSlot) == marks.at(key));
            connect(action, &QAction::triggered, this, [this, markedSlot, mark = marks.at(key)] { MarkSlot(markedSlot, mark); });
        }
    };
    const QStringList results = fairness->Results();
    if (slot >= 0) {
        menu.addSection(results.at(slot));
        addMarks(&menu, slot);
    } else {
        for (int each = 0; each < results.size(); ++each)
            addMarks(menu.addMenu(results.at(each)), each);
    }
    menu.exec(globalPos);
}

bool FairnessController::eventFilter(QObject *watched, QEvent *event)
{
    if (!CanMark())
        return QObject::eventFilter(watched, event);
    const bool onBox = watched == form.RandBoxEdit || watched == form.RandBoxLabel;
    if (onBox && event->type() == QEvent::ContextMenu) {
        auto *menuEvent = static_cast<QContextMenuEvent *>(event);
        int slot = fairness->Results().size() == 1 ? 0 : -1;
        if (slot < 0 && form.RandBoxEdit && watched == form.RandBoxEdit)
            slot = SlotAt(form.RandBoxEdit->cursorPositionAt(menuEvent->pos()));
        PopupMarkMenu(menuEvent->globalPos(), slot);
        return true;
    }
    if (event->type() == QEvent::KeyPress && (watched == &form || onBox)) {
        auto *key = static_cast<QKeyEvent *>(event);
        const int number = key->key() - Qt::Key_1;
        const bool plainKey = key->modifiers() == Qt::NoModifier || key->modifiers() == Qt::KeypadModifier;
        if (plainKey && number >= 0 && number < MarkTexts().size()) {
            if (const int slot = SelectedSlot(); slot >= 0) {
                MarkSlot(slot, MarkTexts().at(number));
                return true;
            }
        }
    }
    return QObject::eventFilter(watched, event);
}

void FairnessController::Menu_RestartRoundClick()
{
    QString message;
    if (fairness->RestartRound(&message))
        ShowNotice(tr("新一轮开始"));
    else if (!message.isEmpty())
        ShowError(&form, tr("操作失败"), message);
}

void FairnessController::Menu_FairnessCheckClick()
{
    if (fairnessWindow) {
        fairnessWindow->raise();
        fairnessWindow->activateWindow();
        return;
    }
    const DrawProject &project = form.Session().Project();
    fairnessWindow =
        new TFairnessForm(project.name, project.pmode, project.query, fairness->Settings(), fairness->FairItems(), &form);
    fairnessWindow->setAttribute(Qt::WA_DeleteOnClose);
    fairnessWindow->show();
}

FairnessController *AttachFairnessTools(TRandForm &form, QMenu *recordMenu, HistoryController *history)
{
    return new FairnessController(form, recordMenu, history);
}
