#include "handoff.h"

#include "apppaths.h"
#include "inifile.h"

namespace {
const QString kSender = QStringLiteral("Sender");
const QString kProjName = QStringLiteral("ProjName");
const QString kFromCreatePage = QStringLiteral("FromCreatePage");
const QString kDesigner = QStringLiteral("Designer");
const QString kProject = QStringLiteral("Project");

void WriteFlagAndName(const QString &path, const QString &flagKey, bool flag, const QString &name)
{
    IniFile ini(path);
    ini.WriteBool(kSender, flagKey, flag);
    ini.WriteString(kSender, kProjName, name);
}

QString PendingName(const QString &path, const QString &flagKey)
{
    const IniFile ini(path);
    return ini.ReadBool(kSender, flagKey, false) ? ini.ReadString(kSender, kProjName) : QString();
}
} // namespace

QString DesignSenderPath()
{
    return AppDir() + QStringLiteral("DesignSender.ini");
}

void WriteDesignSender(const QString &projectName)
{
    WriteFlagAndName(DesignSenderPath(), kFromCreatePage, true, projectName);
}

void ResetDesignSender()
{
    WriteFlagAndName(DesignSenderPath(), kFromCreatePage, false, QString());
}

QString ReadDesignSender()
{
    return PendingName(DesignSenderPath(), kFromCreatePage);
}

QString RandEditSenderPath()
{
    return AppDir() + QStringLiteral("RandEditSender.ini");
}

void WriteRandEditSender(const QString &projectName)
{
    WriteFlagAndName(RandEditSenderPath(), kDesigner, true, projectName);
}

void ResetRandEditSender()
{
    WriteFlagAndName(RandEditSenderPath(), kDesigner, false, QString());
}

QString ReadRandEditSender()
{
    return PendingName(RandEditSenderPath(), kDesigner);
}

QString EditProjectPath()
{
    return AppDir() + QStringLiteral("EditProject.ini");
}

void WriteEditProject(int id, const QString &projectName)
{
    IniFile ini(EditProjectPath());
    ini.WriteInteger(kProject, QStringLiteral("Id"), id);
    ini.WriteString(kProject, QStringLiteral("Name"), projectName);
}

EditProjectHandOff ReadEditProject()
{
    const IniFile ini(EditProjectPath());
    EditProjectHandOff handOff;
    handOff.id = ini.ReadInteger(kProject, QStringLiteral("Id"), 0);
    handOff.name = ini.ReadString(kProject, QStringLiteral("Name"));
    return handOff;
}
