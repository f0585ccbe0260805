#pragma once

#include "projectcatalogue.h"

#include <QStringList>
#include <QVector>

// The project menu's copy of the catalogue and the edits made on it: order, names,
// remarks, read-only flags and icons. Renaming and deleting touch a project's file, so
// they also write the catalogue at once: catalogue and files never disagree. The rest
// reaches Data/menu.xml when the menu closes (SaveOnClose), merged with what other
// programs added in the meantime.
class MenuCatalogue
{
public:
    MenuCatalogue() = default;  // an empty menu
    // Reads Data/menu.xml. Throws SuiteError.
    static MenuCatalogue Load();

    const QVector<CatalogueEntry> &Entries() const { return entries; }
    int Count() const { return int(entries.size()); }
    const CatalogueEntry &At(int index) const { return entries.at(index); }

    // Entry `from` goes to `to`; the ones in between move one place towards `from`.
    void Move(int from, int to);

    // Gives entry `index` and its file a new name. Returns the reasons a name is
    // refused (the wizard's rules; nothing changed then). Throws SuiteError when the
    // file or the catalogue cannot be changed; both are then as they were.
    QStringList Rename(int index, const QString &newName);

    // Deletes the project's file and its catalogue entry, both or neither. Throws
    // SuiteError saying what failed. Returns a note when the project is gone but a
    // left-over file could not be removed; empty otherwise.
    QString Delete(int index);

    void SetIcon(int index, int pic);
    void SetRemarkAndReadOnly(int index, const QString &remark, bool readOnly);

    // Writes the menu's entries in the menu's order; entries another program added to
    // the file since it was read follow them, in their own order, and entries another
    // program renamed or deleted meanwhile stay gone. Throws SuiteError.
    void SaveOnClose() const;

    // Indexes of the entries whose name or remark holds `text` (any case), in order;
    // every index for an empty text.
    QVector<int> Filter(const QString &text) const;

private:
    explicit MenuCatalogue(QVector<CatalogueEntry> entries) : entries(std::move(entries)) {}

    QVector<CatalogueEntry> entries;
};
