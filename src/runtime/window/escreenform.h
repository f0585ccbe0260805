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

    // The text between two results of a frame; lines break only there.
    void SetResultSeparator(const QString &separator) { m_separator = separator; }
    // The result control's text (RandMemo or RandLabel): the frame's results, broken
    // into lines between results where the control is too narrow for all of them.
    void ShowFrameText(const QString &text);
    // The frame as given, without the line breaks added for the width.
    QString FrameText() const { return m_frameText; }
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
    QString BreakBetweenResults(const QString &text, const QFont &font, int width) const;

    WindowBackgroundPainter m_background;
    QString m_separator = QStringLiteral("  ");
    QString m_frameText;
    bool m_useResultBoxFormat = false;
};
