#pragma once

#include <QDomDocument>
#include <QString>
#include <QVector>
#include <functional>

// The catalogue Data/menu.xml: the ordered list of projects the menu shows. Plain XML,
// never encoded. Every reader stops at the last Project element even when Count claims
// more.

struct CatalogueEntry
{
    QString name;
    QString remark;
    bool readOnly = false;
    int pic = 0; // icon number: Icons/png-<pic>.png
    friend bool operator==(const CatalogueEntry &, const CatalogueEntry &) = default;
};

class ProjectCatalogue
{
public:
    // Throws SuiteError naming the file when it is missing or not XML.
    static ProjectCatalogue LoadCatalogue(const QString &path);

    QVector<CatalogueEntry> ReadEntries() const;
    int Count() const; // the number of entries ReadEntries gives

    // New last entry: empty remark, not read-only; Count + 1.
    void AppendEntry(const QString &name, int pic);
    // Count − 1, then the i-th Project element goes. Throws SuiteError for a bad index.
    void RemoveEntryAt(int index);
    // Positional: element k receives entry k; elements beyond the list stay.
    void RewriteEntries(const QVector<CatalogueEntry> &entries);

    // Atomic replace: a failed save leaves the old file intact. Throws SuiteError.
    void SaveCatalogue(const QString &path) const;

    const QDomDocument &document() const { return m_document; }

private:
    explicit ProjectCatalogue(QDomDocument document) : m_document(std::move(document)) {}
    QDomElement projectsElement() const;

    QDomDocument m_document;
};

// Loads the catalogue as it is on disk now, applies `change`, saves it. For writers that
// must keep entries another program added since they last read the file.
void UpdateCatalogue(const QString &path, const std::function<void(ProjectCatalogue &)> &change);
