#pragma once

#include <QString>

class QPushButton;
class QWidget;

// A flat, underlined button that reads as a link ("点此设置"); a click acts at once.
// `bold` marks the link of what is currently chosen.
QPushButton *MakeLinkButton(QWidget *parent, const QString &name, const QString &text);
void SetLinkBold(QPushButton *link, bool bold);
