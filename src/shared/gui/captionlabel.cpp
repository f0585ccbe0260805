#include "captionlabel.h"

#include <QAbstractItemView>
#include <QLabel>

QLabel *MakeCaptionLabel(const QString &caption, QWidget *field, QWidget *parent)
{
    auto *label = new QLabel(caption, parent);
    label->setBuddy(field);
    // Lists and grids are not named by a buddy: they take the caption's words themselves.
    if (qobject_cast<QAbstractItemView *>(field))
        field->setAccessibleName(QString(caption).remove(QLatin1Char('&')).remove(QStringLiteral("：")).trimmed());
    return label;
}
