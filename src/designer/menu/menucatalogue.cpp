#include "menucatalogue.h"

#include "apppaths.h"
#include "fileerror.h"
#include "projectname.h"
#include "suiteerror.h"

#include <QCoreApplication>
#include <QFile>
#include <QSet>

namespace {
int indexOfName(const QVector<CatalogueEntry> &entries, const QString &name)
{
    for (int i = 0; i < entries.size(); ++i) {
        if (entries.at(i).name == name)
            return i;
    }
    return -1;
}

// Makes the catalogue hold exactly `wanted`, in that order.
void replaceEntries(ProjectCatalogue &catalogue, const QVector<CatalogueEntry> &wanted)
{
    while (catalogue.Count() > wanted.size())
        catalogue.RemoveEntryAt(catalogue.Count() - 1);
    while (catalogue.Count() < wanted.size())
        catalogue.AppendEntry(QString(), 0);
    catalogue.RewriteEntries(wanted);
}

QString fileName(const QString &path)
{
    return path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
}
} // namespace

MenuCatalogue MenuCatalogue::Load()
{
    return MenuCatalogue(ProjectCatalogue::LoadCatalogue(CatalogueFilePath()).ReadEntries());
}

void MenuCatalogue::Move(int from, int to)
{
    if (from == to)
        return;
    entries.move(from, to);
}

QStringList MenuCatalogue::Rename(int index, const QString &newName)
{
    const QString oldName = entries.at(index).name;
    if (newName == oldName)
        return {};
    QStringList otherNames;
    for (const CatalogueEntry &entry : std::as_const(entries))
        otherNames << entry.name;
    otherNames.removeAt(index);
    const QStringList problems = ProjectNameProblems(newName, otherNames);
    if (!problems.isEmpty())
        return problems;

    const QString oldPath = ProjectFilePath(oldName);
    const QString newPath = ProjectFilePath(newName);
    // A file nobody lists still holds a project of that name.
    if (QFile::exists(newPath))
        return {QCoreApplication::translate("MenuCatalogue", "项目名称不能与现有的项目名称重复！")};
    QFile file(oldPath);
    if (!file.rename(newPath))
        throw SuiteError(QCoreApplication::translate("MenuCatalogue", "工程文件“%1”无法重命名：%2").arg(fileName(oldPath), FileErrorText(file)));
    try {
        UpdateCatalogue(CatalogueFilePath(), [&](ProjectCatalogue &catalogue) {
            QVector<CatalogueEntry> onDisk = catalogue.ReadEntries();
            const int diskIndex = indexOfName(onDisk, oldName);
            if (diskIndex < 0)
                throw SuiteError(QCoreApplication::translate("MenuCatalogue", "项目目录中没有名为“%1”的工程。").arg(oldName));
            onDisk[diskIndex].name = newName;
            catalogue.RewriteEntries(onDisk);
        });
    } catch (const SuiteError &) {
        QFile::rename(newPath, oldPath);
        throw;
    }
    entries[index].name = newName;
    return {};
}

QString MenuCatalogue::Delete(int index)
{
    const QString name = entries.at(index).name;
    const QString path = ProjectFilePath(name);
    // The file steps aside first, so a catalogue that cannot be written gets it back.
    const QString asidePath = path + QStringLiteral(".deleting");
    const bool hadFile = QFile::exists(path);
    if (hadFile) {
        QFile::remove(asidePath);
        QFile file(path);
        if (!file.rename(asidePath))
            throw SuiteError(QCoreApplication::translate("MenuCatalogue", "工程文件“%1”无法删除：%2。工程未被删除。").arg(fileName(path), FileErrorText(file)));
    }
    try {
        UpdateCatalogue(CatalogueFilePath(), [&](ProjectCatalogue &catalogue) {
            const int diskIndex = indexOfName(catalogue.ReadEntries(), name);
            if (diskIndex >= 0)
                catalogue.RemoveEntryAt(diskIndex);
        });
    } catch (const SuiteError &error) {
        if (hadFile)
            QFile::rename(asidePath, path);
        throw SuiteError(error.message() + QCoreApplication::translate("MenuCatalogue", "工程未被删除。"));
    }
    entries.removeAt(index);
    if (hadFile && !QFile::remove(asidePath))
        return QCoreApplication::translate("MenuCatalogue", "工程已删除，但无法移除文件“%1”，您可以稍后手动删除它。").arg(fileName(asidePath));
    return {};
}

void MenuCatalogue::SetIcon(int index, int pic)
{
    entries[index].pic = pic;
}

void MenuCatalogue::SetRemarkAndReadOnly(int index, const QString &remark, bool readOnly)
{
    entries[index].remark = remark;
    entries[index].readOnly = readOnly;
}

void MenuCatalogue::SaveOnClose() const
{
    UpdateCatalogue(CatalogueFilePath(), [this](ProjectCatalogue &catalogue) {
        const QVector<CatalogueEntry> onDisk = catalogue.ReadEntries();
        QSet<QString> namesOnDisk;
        for (const CatalogueEntry &entry : onDisk)
            namesOnDisk.insert(entry.name);
        // The menu's names are the ones it read plus its own renames, which reached the
        // file at once. So a menu name missing from the file now was renamed or deleted by
        // another program: writing it back would list a project whose file is gone.
        QVector<CatalogueEntry> wanted;
        QSet<QString> known;
        for (const CatalogueEntry &entry : entries) {
            known.insert(entry.name);
            if (namesOnDisk.contains(entry.name))
                wanted << entry;
        }
        // And a name in the file the menu never held was added (or renamed to) elsewhere.
        for (const CatalogueEntry &entry : onDisk) {
            if (!known.contains(entry.name)) {
                wanted << entry;
                known.insert(entry.name);
            }
        }
        replaceEntries(catalogue, wanted);
    });
}

QVector<int> MenuCatalogue::Filter(const QString &text) const
{
    QVector<int> matches;
    for (int i = 0; i < entries.size(); ++i) {
        const CatalogueEntry &entry = entries.at(i);
        if (text.isEmpty() || entry.name.contains(text, Qt::CaseInsensitive)
            || entry.remark.contains(text, Qt::CaseInsensitive))
            matches << i;
    }
    return matches;
}
