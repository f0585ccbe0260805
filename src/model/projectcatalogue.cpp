#include "projectcatalogue.h"

#include "domutil.h"
#include "encodedxml.h"
#include "suiteerror.h"
#include "textfile.h"
#include "valueencodings.h"
#include <QCoreApplication>

namespace {
const QString kProjects = QStringLiteral("Projects");
const QString kProject = QStringLiteral("Project");
const QString kCount = QStringLiteral("Count");
// Some hundred bytes per project: far beyond any menu, far below what would take the
// machine's memory.
constexpr qint64 kMaxCatalogueBytes = qint64(16) << 20;

QString catalogueError(const QString &detail)
{
    return QCoreApplication::translate("Model", "项目目录文件 menu.xml 有误：%1").arg(detail);
}

void writeEntry(QDomElement element, const CatalogueEntry &entry)
{
    element.setAttribute(QStringLiteral("Name"), entry.name);
    element.setAttribute(QStringLiteral("Remark"), entry.remark);
    element.setAttribute(QStringLiteral("ReadOnly"), BoolToText(entry.readOnly));
    element.setAttribute(QStringLiteral("Pic"), QString::number(entry.pic));
}
} // namespace

ProjectCatalogue ProjectCatalogue::LoadCatalogue(const QString &path)
{
    QDomDocument document;
    try {
        document = LoadXmlFile(path, kMaxCatalogueBytes);
    } catch (const SuiteError &e) {
        throw SuiteError(catalogueError(e.message()));
    }
    if (FindChildElement(document.documentElement(), kProjects).isNull())
        throw SuiteError(catalogueError(QCoreApplication::translate("Model", "缺少 Projects 元素。")));
    return ProjectCatalogue(document);
}

QDomElement ProjectCatalogue::projectsElement() const
{
    return FindChildElement(m_document.documentElement(), kProjects);
}

int ProjectCatalogue::Count() const
{
    return ReadEntries().size();
}

QVector<CatalogueEntry> ProjectCatalogue::ReadEntries() const
{
    const QDomElement projects = projectsElement();
    const int count = ReadIntAttribute(projects, kCount);
    QVector<CatalogueEntry> entries;
    QDomElement element = projects.firstChildElement(kProject);
    for (int i = 0; i < count && !element.isNull(); ++i) {
        CatalogueEntry entry;
        entry.pic = ReadIntAttribute(element, QStringLiteral("Pic"));
        entry.name = element.attribute(QStringLiteral("Name"));
        entry.remark = element.attribute(QStringLiteral("Remark"));
        entry.readOnly = TextToBool(element.attribute(QStringLiteral("ReadOnly")));
        entries << entry;
        element = element.nextSiblingElement(kProject);
    }
    return entries;
}

void ProjectCatalogue::AppendEntry(const QString &name, int pic)
{
    QDomElement projects = projectsElement();
    projects.setAttribute(kCount, QString::number(ReadIntAttribute(projects, kCount) + 1));
    QDomElement element = m_document.createElement(kProject);
    writeEntry(element, CatalogueEntry{name, QString(), false, pic});
    projects.appendChild(element);
}

void ProjectCatalogue::RemoveEntryAt(int index)
{
    QDomElement projects = projectsElement();
    QDomElement element = projects.firstChildElement(kProject);
    for (int i = 0; i < index && !element.isNull(); ++i)
        element = element.nextSiblingElement(kProject);
    if (index < 0 || element.isNull())
        throw SuiteError(QCoreApplication::translate("Model", "项目目录中没有第 %1 个项目。").arg(index + 1));
    projects.setAttribute(kCount, QString::number(ReadIntAttribute(projects, kCount) - 1));
    projects.removeChild(element);
}

void ProjectCatalogue::RewriteEntries(const QVector<CatalogueEntry> &entries)
{
    const QDomElement first = projectsElement().firstChildElement(kProject);
    // Checked before the first write, so a refused rewrite leaves the document as it was.
    int elementCount = 0;
    for (QDomElement e = first; !e.isNull(); e = e.nextSiblingElement(kProject))
        ++elementCount;
    if (elementCount < entries.size())
        throw SuiteError(
            QCoreApplication::translate("Model", "项目目录中的项目少于要写入的 %1 个。").arg(entries.size()));
    QDomElement element = first;
    for (const CatalogueEntry &entry : entries) {
        writeEntry(element, entry);
        element = element.nextSiblingElement(kProject);
    }
}

void ProjectCatalogue::SaveCatalogue(const QString &path) const
{
    WriteFileAtomically(path, m_document.toByteArray(1));
}

void UpdateCatalogue(const QString &path, const std::function<void(ProjectCatalogue &)> &change)
{
    ProjectCatalogue catalogue = ProjectCatalogue::LoadCatalogue(path);
    change(catalogue);
    catalogue.SaveCatalogue(path);
}
