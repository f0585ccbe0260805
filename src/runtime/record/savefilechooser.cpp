#include "savefilechooser.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QStandardPaths>

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

namespace {
// The toolkit's own save dialog (where the desktop offers none) in Chinese like the
// rest of the window, opening in the user's documents rather than the program folder.
QString AskSaveFileName(QWidget *parent, const QString &caption, const QString &filter, const QString &suggestedName)
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QFileDialog dialog(parent, caption, QDir(documents).exists() ? documents : QDir::homePath(), filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    if (!suggestedName.isEmpty())
        dialog.selectFile(suggestedName);
    dialog.setLabelText(QFileDialog::LookIn, QCoreApplication::translate("SaveFileChooser", "保存位置："));
    dialog.setLabelText(QFileDialog::FileName, QCoreApplication::translate("SaveFileChooser", "文件名："));
    dialog.setLabelText(QFileDialog::FileType, QCoreApplication::translate("SaveFileChooser", "保存类型："));
    dialog.setLabelText(QFileDialog::Accept, QCoreApplication::translate("SaveFileChooser", "保存"));
    dialog.setLabelText(QFileDialog::Reject, QCoreApplication::translate("SaveFileChooser", "取消"));
    if (dialog.exec() != QDialog::Accepted)
        return QString();
    return dialog.selectedFiles().value(0);
}
} // namespace

QString ChooseSaveFileName(QWidget *parent, const QString &caption, const QString &filter, const QString &suffix,
                           const QString &suggestedName)
{
    QString name = chooser() ? chooser()(parent, caption, filter, suggestedName)
                             : AskSaveFileName(parent, caption, filter, suggestedName);
    if (!name.isEmpty() && !name.endsWith(suffix, Qt::CaseInsensitive))
        name += suffix;
    return name;
}
