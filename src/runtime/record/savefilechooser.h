#pragma once

#include <QString>

#include <functional>

class QWidget;

// Asks the user for the name of a file to write, offering `suggestedName` (may be
// empty). Tests replace the dialog.
using SaveFileChooser =
    std::function<QString(QWidget *parent, const QString &caption, const QString &filter, const QString &suggestedName)>;

// Pass an empty function to restore the real file dialog.
void SetSaveFileChooser(SaveFileChooser chooser);

// The chosen name with `suffix` (".txt", ".png", …) appended when it does not already
// end with it (in any letter case); empty when the user cancelled.
QString ChooseSaveFileName(QWidget *parent, const QString &caption, const QString &filter, const QString &suffix,
                           const QString &suggestedName = QString());
