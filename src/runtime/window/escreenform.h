#pragma once

#include "displaysection.h"
#include "widgetlook.h"

#include <QWidget>

class QAction;
class QLabel;
class QMenu;
class QPlainTextEdit;

// The separate borderless window that shows the frames of an animated draw when the
// project asks for it. Its popup menu's "停止" ends the draw (StopRequested).
class TEScreenForm : public QWidget
{
    Q_OBJECT
public:
    explicit TEScreenForm(QWidget *parent = nullptr);

    // Applies the project's settings. Throws SuiteError for a malformed background.
    void ApplySettings(const ExtraScreen &settings);
    // The stop key of a draw stopped by key (empty: none).
    void SetStopShortcut(const QKeySequence &key);

    // The result control's text (RandMemo or RandLabel).
    void ShowFrameText(const QString &text);
    QString FrameText() const;
    // "RandBox": the frames use the result box's format, anything else the record's.
    bool UsesResultBoxFormat() const { return m_useResultBoxFormat; }

    QLabel *RandLabel = nullptr;
    QPlainTextEdit *RandMemo = nullptr;
    QMenu *PopupMenu1;
    QAction *Menu_Stop;

signals:
    void StopRequested();

protected:
    void paintEvent(QPaintEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    WindowBackgroundPainter m_background;
    bool m_useResultBoxFormat = false;
};
