#pragma once

#include "fairnessform.h"

#include <QObject>
#include <QPointer>
#include <QStringList>

class HistoryController;
class QAction;
class QLabel;
class QMenu;
class QTimer;
class SessionFairness;
class TRandForm;

// Where each result stands in the shown text: start and length, or start -1 when the
// text does not hold it. Results are looked for one after the other.
QList<std::pair<int, int>> ResultSpans(const QString &text, const QStringList &results);

// The drawing window's view of fair turns and marks (SessionFairness): says "新一轮开始"
// when a round is complete, offers "重新开始一轮" and "公平性检验" in the record menu, and
// lets the teacher mark each shown result ("缺席", "已回答", "未回答", "跳过") by a
// right-click on it or the keys 1–4 (with the result selected, or the only one). An
// absent result is replaced in the result box and the record; the other results stay.
class FairnessController : public QObject
{
    Q_OBJECT
public:
    FairnessController(TRandForm &form, QMenu *recordMenu, HistoryController *history);
    ~FairnessController() override;

    // Marks a shown result. False (message shown) when the mark could not be kept or
    // nobody is left to draw in place of an absent one.
    bool MarkSlot(int slot, const QString &mark);
    // Whether the shown results can be marked now (a list project, after a draw, not
    // during one).
    bool CanMark() const;

    void Menu_RestartRoundClick();
    void Menu_FairnessCheckClick();

    SessionFairness &Fairness() const { return *fairness; }
    QStringList ShownResults() const;
    // The line at the bottom of the window ("新一轮开始", marks, history trouble).
    QLabel *NoticeLine() const { return noticeLine; }
    TFairnessForm *FairnessWindow() const { return fairnessWindow; }

    QAction *Menu_RestartRound;
    QAction *Menu_FairnessCheck;

signals:
    // The shown results changed: a draw finished or a slot was drawn again (the result
    // box shows them already).
    void ShownResultsChanged();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void ShowNotice(const QString &text);
    // What was marked in the shown draw, one entry a slot: "张三：已回答", "李四 缺席 → 王五".
    void ShowMarks();
    // The slot at a character of the result box, or the selected one; -1 when none.
    int SlotAt(int characterIndex) const;
    int SelectedSlot() const;
    void PopupMarkMenu(const QPoint &globalPos, int slot);
    void ReplaceShown(int slot, const QString &absent, const QString &replacement);

    TRandForm &form;
    SessionFairness *fairness;
    QLabel *noticeLine;
    QTimer *noticeTimer;
    QPointer<TFairnessForm> fairnessWindow;
    QStringList replacedSlots; // "absent 缺席 → replacement" of the shown draw, by slot
};

// Gives the drawing window fair turns and marks. Call once after AttachHistoryTools.
FairnessController *AttachFairnessTools(TRandForm &form, QMenu *recordMenu, HistoryController *history);
