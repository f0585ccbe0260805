#include "linkbutton.h"

#include <QPushButton>

QPushButton *MakeLinkButton(QWidget *parent, const QString &name, const QString &text)
{
    auto *button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setFlat(true);
    button->setCursor(Qt::PointingHandCursor);
    button->setStyleSheet(QStringLiteral("QPushButton { color: #00007f; text-decoration: underline; border: none;"
                                         " background: transparent; }"
                                         "QPushButton:disabled { color: #7a8a99; }"));
    return button;
}

void SetLinkBold(QPushButton *link, bool bold)
{
    QFont font = link->font();
    font.setBold(bold);
    link->setFont(font);
}
