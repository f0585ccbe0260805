#pragma once

#include "fairnessform.h"
#include "fairsettings.h"
#include "generator.h"

#include <QDateTime>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <QStringList>

#include <memory>

class FairnessStore;
class HistoryController;
class QAction;
class QLabel;
class QMenu;
class QTimer;
class TRandForm;

// Where each result stands in the shown text: start and length, or start -1 when the
// text does not hold it. Results are looked for one after the other.
QList<std::pair<int, int>> ResultSpans(const QString &text, const QStringList &results);

// The drawing window's fair turns and marks: gives the engine the project's rotation or
// balance (kept in the history), says "新一轮开始" when a round is complete, offers
// "重新开始一轮" and "公平性检验" in the record menu, and lets the teacher mark each shown
// result ("缺席", "已回答", "未回答", "跳过") by a right-click on it or the keys 1–4.
// An absent result is drawn again in its slot alone; the other results stay.
class FairnessController : public QObject
{
    Q_OBJECT
public:
    FairnessController(TRandForm &form, QMenu *recordMenu, HistoryController *history);
    ~FairnessController() override;

    // Hooks after a draw stopped: the batch's fair outcome, then (once the history has
    // kept the draw) the results that may be marked.
    void AfterBatch(const Batch &batch);
    void AfterDraw(const QStringList &results);

    // Marks a shown result; "缺席" draws its slot again. False (message shown) when the
    // mark could not be kept or nobody is left to draw.
    bool MarkSlot(int slot, const QString &mark);

    void Menu_RestartRoundClick();
    void Menu_FairnessCheckClick();

    const QStringList &ShownResults() const { return shown; }
    // The line at the bottom of the window ("新一轮开始", marks, history trouble).
    QLabel *NoticeLine() const { return noticeLine; }
    TFairnessForm *FairnessWindow() const { return fairnessWindow; }

    QAction *Menu_RestartRound;
    QAction *Menu_FairnessCheck;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void ShowNotice(const QString &text);
    bool Marks() const;
    // The slot under a point of the result box, or the selected one; -1 when none.
    int SlotAt(int characterIndex) const;
    int SelectedSlot() const;
    void PopupMarkMenu(const QPoint &globalPos, int slot);
    void ReplaceShown(int slot, const QString &replacement);

    TRandForm &form;
    HistoryController *history;
    FairSettings settings;
    std::unique_ptr<FairnessStore> store;
    QLabel *noticeLine;
    QTimer *noticeTimer;
    QPointer<TFairnessForm> fairnessWindow;

    // The results of the last draw as shown, and where each was kept in the history (a
    // redrawn slot is a draw of its own).
    struct ShownSlot
    {
        QDateTime drawTime;
        int slotInDraw = 0;
        QString mark;
    };
    QStringList shown;
    QList<ShownSlot> shownSlots;
    QSet<QString> absentees;
    bool roundEnded = false;
    QString batchNotice;
};

// Gives the drawing window fair turns and marks. Call once after AttachHistoryTools.
FairnessController *AttachFairnessTools(TRandForm &form, QMenu *recordMenu, HistoryController *history);
