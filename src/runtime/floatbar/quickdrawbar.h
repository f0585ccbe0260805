#pragma once

#include "barsettings.h"
#include "displaysection.h"
#include "drawsession.h"

#include <QWidget>

#include <memory>

class GlobalKeySource;
class QAction;
class QActionGroup;
class QMenu;
class QSystemTrayIcon;
class QuickDrawResult;
class SessionHistory;
class Speaker;

// The quick-draw bar: a small pill that floats above every window (a presentation, a
// whiteboard) and draws from one project with a click or the global key. It never takes
// the keyboard focus, so the program in front keeps it. It is one more view on a
// DrawSession: the history and speech listen as they do in the drawing window. The result
// shows in QuickDrawResult beside the bar, then fades. Idle, nothing of it runs.
//
// Its place (per arrangement of screens), size, opacity, result time and key are kept in
// Soft.ini [QuickDraw].
class QuickDrawBar : public QWidget
{
    Q_OBJECT
public:
    QuickDrawBar(std::unique_ptr<GlobalKeySource> keySource, RandomSources sources = RandomSources::FromSystem(),
                 QWidget *parent = nullptr);
    ~QuickDrawBar() override;

    // Opens the project for the following draws. A project that cannot be drawn (missing,
    // locked with a password, refused parameters) says why in the result label; the bar
    // stays and offers the other projects.
    bool OpenProject(const QString &name);
    QString ProjectName() const { return m_projectName; }

    // The click and the global key.
    void Draw();

    DrawSession &Session() { return m_session; }
    QuickDrawResult *ResultLabel() const { return m_result; }
    QMenu *BarMenu() const { return m_menu; }
    // Where the bar stands on the screen. Kept by the bar itself, which alone moves it:
    // the toolkit's idea of a frameless window's place can lag behind the window manager.
    QRect Placed() const { return QRect(m_place, size()); }
    // Why the global key does not work, or "" when it does.
    QString KeyProblem() const;

signals:
    // Shown in the result label: a draw's text or a notice.
    void ResultShown(const QString &text);
    void QuitRequested();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    void BuildMenu();
    void FillProjectMenu();
    QMenu *ChoiceMenu(const QString &title, const char *name, const QList<std::pair<QString, int>> &choices,
                      int current, void (QuickDrawBar::*apply)(int));
    void SetOpacityPercent(int percent);
    void SetBarHeight(int height);
    void SetShowSeconds(int seconds);
    void ChangeKey();
    void GrabKey();
    void ToggleAutostart(bool on);
    void OpenDrawingWindow();

    void ShowBatch(const Batch &batch);
    void ShowNotice(const QString &text);
    void Speak(const QString &text, const QStringList &names);
    // Runs a settings write; a failure is said in the result label.
    void Store(const std::function<void()> &write);
    void PlaceAt(const QPoint &place);
    void RestorePlace();
    void KeepPlace();
    QList<QRect> ScreenAreas() const;

    DrawSession m_session;
    std::unique_ptr<SessionHistory> m_history;
    std::unique_ptr<Speaker> m_speaker;
    std::unique_ptr<GlobalKeySource> m_key;
    SpeechSettings m_speech;
    QString m_projectName;
    QString m_openProblem; // why the open project cannot be drawn
    QString m_separator;
    // The list ran out: the next click starts it again.
    bool m_resetOnNextAsk = false;
    QString m_pendingNotice;
    QuickDrawSettings m_settings;

    QuickDrawResult *m_result;
    QMenu *m_menu;
    QMenu *m_projectMenu = nullptr;
    QAction *m_keyAction = nullptr;
    QAction *m_autostartAction = nullptr;
    QSystemTrayIcon *m_tray = nullptr;
    QPoint m_place;
    QPoint m_pressOffset;
    QPoint m_pressPos;
    bool m_dragging = false;
};
