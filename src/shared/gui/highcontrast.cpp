#include "highcontrast.h"

#include <QApplication>
#include <QStyleFactory>

namespace {
bool &HighContrastFlag()
{
    static bool on = false;
    return on;
}
} // namespace

bool HighContrastOn()
{
    return HighContrastFlag();
}

QPalette HighContrastPalette()
{
    const QColor black(0, 0, 0);
    const QColor white(255, 255, 255);
    const QColor yellow(255, 255, 0);
    const QColor grey(190, 190, 190);  // 11:1 on black, for what is disabled or a hint
    QPalette palette(white, black);
    for (const QPalette::ColorRole role : {QPalette::Window, QPalette::Base, QPalette::AlternateBase, QPalette::Button,
                                           QPalette::ToolTipBase})
        palette.setColor(role, black);
    for (const QPalette::ColorRole role :
         {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::ToolTipText, QPalette::BrightText})
        palette.setColor(role, white);
    palette.setColor(QPalette::Highlight, yellow);
    palette.setColor(QPalette::HighlightedText, black);
    palette.setColor(QPalette::Link, yellow);
    palette.setColor(QPalette::LinkVisited, yellow);
    palette.setColor(QPalette::PlaceholderText, grey);
    // Frames and bevels the style draws from these stay visible on black.
    palette.setColor(QPalette::Light, white);
    palette.setColor(QPalette::Midlight, grey);
    palette.setColor(QPalette::Mid, grey);
    palette.setColor(QPalette::Dark, grey);
    palette.setColor(QPalette::Shadow, white);
    for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, grey);
    return palette;
}

void UseHighContrastLook()
{
    HighContrastFlag() = true;
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setPalette(HighContrastPalette());
    // Buttons on black need a frame of their own, and the focus one that shows from afar.
    qApp->setStyleSheet(QStringLiteral(
        "QPushButton, QToolButton { color: white; background: black; border: 2px solid white; padding: 4px 10px; }"
        "QPushButton:focus, QToolButton:focus { border: 3px solid yellow; }"
        "QPushButton:disabled, QToolButton:disabled { color: #bebebe; border-color: #bebebe; }"
        "QCheckBox:focus, QRadioButton:focus { color: yellow; }"));
}
