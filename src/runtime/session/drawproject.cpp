#include "drawproject.h"

#include "apppaths.h"
#include "encodedxml.h"
#include "querysection.h"
#include "softsettings.h"
#include "suiteerror.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

QDomDocument LoadNamedProjectDocument(const QString &name)
{
    const QString path = ProjectFilePath(name);
    // Anything else there (a folder, a link loop, a device) the loader names.
    if (!QFileInfo::exists(path) && !QFileInfo(path).isSymLink())
        throw SuiteError(QCoreApplication::translate("DrawSession", "工程“%1”不存在（%2）。").arg(name, QDir::toNativeSeparators(path)));
    return LoadEncodedDocument(path);
}

DrawProject UnanimatedDrawProject(const QString &name, QuerySection query, const SoftSettings &soft)
{
    DrawProject project;
    project.name = name;
    project.pmode = query.pmode;
    project.query = std::move(query.params);
    project.listUtf8 = std::move(query.listUtf8);
    project.listAutoRestore = soft.listAutoRestore;
    project.resultSeparator = RandSpliterCharacters(soft.randSpliter).value_or(QString());
    return project;
}
