#include "projectheader.h"

#include "domutil.h"
#include "suiteerror.h"
#include "valueencodings.h"
#include <QCoreApplication>

namespace {
QDomElement versionElement(QDomDocument &document)
{
    return ChildElement(ProjectRootElement(document), QStringLiteral("Version"));
}
} // namespace

QDomElement ProjectRootElement(QDomDocument &document)
{
    QDomElement root = document.documentElement();
    if (root.isNull()) {
        root = document.createElement(QStringLiteral("Project"));
        document.appendChild(root);
    }
    return root;
}

ProjectHeader ReadProjectHeader(const QDomDocument &document)
{
    const QDomElement version = FindChildElement(document.documentElement(), QStringLiteral("Version"));
    ProjectHeader header;
    header.value = version.attribute(QStringLiteral("Value"));
    header.createTime = version.attribute(QStringLiteral("CreateTime"));
    header.editTime = version.attribute(QStringLiteral("EditTime"));
    header.author = version.attribute(QStringLiteral("Author"));
    header.range = version.attribute(QStringLiteral("Range"));
    header.accessByPwd = TextToBool(version.attribute(QStringLiteral("AccessByPwd")));
    header.editWithPwd = TextToBool(version.attribute(QStringLiteral("EditWithPwd")));
    header.accessPwd = version.attribute(QStringLiteral("AccessPwd"));
    header.editPwd = version.attribute(QStringLiteral("EditPwd"));
    return header;
}

void WriteProjectProperties(QDomDocument &document, const ProjectHeader &header)
{
    // A lock without a password could never be opened again.
    if (header.accessByPwd && header.accessPwd.isEmpty())
        throw SuiteError(QCoreApplication::translate("Model", "启用访问密码时，访问密码不能为空！"));
    if (header.editWithPwd && header.editPwd.isEmpty())
        throw SuiteError(QCoreApplication::translate("Model", "启用编辑密码时，编辑密码不能为空！"));
    QDomElement version = versionElement(document);
    version.setAttribute(QStringLiteral("Author"), header.author);
    version.setAttribute(QStringLiteral("Range"), header.range);
    version.setAttribute(QStringLiteral("AccessByPwd"), BoolToText(header.accessByPwd));
    version.setAttribute(QStringLiteral("EditWithPwd"), BoolToText(header.editWithPwd));
    version.setAttribute(QStringLiteral("AccessPwd"), header.accessPwd);
    version.setAttribute(QStringLiteral("EditPwd"), header.editPwd);
}

void StampCreation(QDomDocument &document, const QString &timeText)
{
    QDomElement version = versionElement(document);
    version.setAttribute(QStringLiteral("CreateTime"), timeText);
    version.setAttribute(QStringLiteral("EditTime"), timeText);
}

void StampEditTime(QDomDocument &document, const QString &timeText)
{
    versionElement(document).setAttribute(QStringLiteral("EditTime"), timeText);
}

void SetFormatVersion(QDomDocument &document, const QString &value)
{
    versionElement(document).setAttribute(QStringLiteral("Value"), value);
}

QString ReadProjectTitle(const QDomDocument &document)
{
    const QDomElement form = FindChildElement(document.documentElement(), QStringLiteral("Form"));
    return FindChildElement(form, QStringLiteral("Title")).attribute(QStringLiteral("Caption"));
}

void WriteProjectTitle(QDomDocument &document, const QString &caption)
{
    if (caption.isEmpty())
        throw SuiteError(QCoreApplication::translate("Model", "工程标题不能为空！"));
    QDomElement form = ChildElement(ProjectRootElement(document), QStringLiteral("Form"));
    ChildElement(form, QStringLiteral("Title")).setAttribute(QStringLiteral("Caption"), caption);
}

QString DateTimeText(const QDateTime &time)
{
    return time.toLocalTime().toString(QStringLiteral("yyyy/M/d H:mm:ss"));
}

QString CurrentDateTimeText()
{
    return DateTimeText(QDateTime::currentDateTime());
}
