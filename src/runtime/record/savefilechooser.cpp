#include "savefilechooser.h"

#include <QFileDialog>

namespace {
SaveFileChooser &chooser()
{
    static SaveFileChooser replacement;
    return replacement;
}
} // namespace

void SetSaveFileChooser(SaveFileChooser replacement)
{
    chooser() = std::move(replacement);
}

QString ChooseSaveFileName(QWidget *parent, const QString &caption, const QString &filter, const QString &suffix)
{
    QString name = chooser() ? chooser()(parent, caption, filter)
                             : QFileDialog::getSaveFileName(parent, caption, QString(), filter);
    if (!name.isEmpty() && !name.endsWith(suffix, Qt::CaseInsensitive))
        name += suffix;
    return name;
}
