#pragma once

// An application directory of its own for each test: catalogue, project files, Temp/.
#include "apppaths.h"
#include "domutil.h"
#include "encodedxml.h"
#include "projectcatalogue.h"
#include "projectheader.h"
#include "querysection.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

inline QDomDocument MakeProjectDocument(int pmode, const QString &title)
{
    QDomDocument document = NewXmlDocument();
    ProjectRootElement(document);
    SetFormatVersion(document, kCurrentFormatVersion);
    WriteProjectProperties(document, ProjectHeader{});
    WriteProjectTitle(document, title);
    WriteQuerySection(document, DefaultQueryParams(pmode), pmode);
    return document;
}

inline QByteArray ReadBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline void WriteBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

class AppDirFixture
{
public:
    AppDirFixture()
    {
        QVERIFY(m_dir.isValid());
        QVERIFY(QDir(m_dir.path()).mkpath(QStringLiteral("Data/Projects")));
        WriteBytes(m_dir.filePath(QStringLiteral("Data/menu.xml")),
                   R"(<?xml version="1.0" encoding="UTF-8"?><Menu><Projects Count="0"/></Menu>)");
        SetAppDir(m_dir.path());
    }
    QString Path(const QString &relative = QString()) const
    {
        return relative.isEmpty() ? m_dir.path() : m_dir.filePath(relative);
    }
    // Saves an encoded project and lists it in the catalogue.
    void AddProject(const QString &name, int pmode = 1, const QString &remark = QString())
    {
        SaveEncodedDocument(MakeProjectDocument(pmode, name), ProjectFilePath(name));
        UpdateCatalogue(CatalogueFilePath(), [&](ProjectCatalogue &catalogue) {
            catalogue.AppendEntry(name, 0);
            if (!remark.isEmpty()) {
                QVector<CatalogueEntry> entries = catalogue.ReadEntries();
                entries.last().remark = remark;
                catalogue.RewriteEntries(entries);
            }
        });
    }
    // Turns on the project's edit password.
    void ProtectProject(const QString &name, const QString &editPassword)
    {
        QDomDocument document = LoadEncodedDocument(ProjectFilePath(name));
        ProjectHeader header = ReadProjectHeader(document);
        header.editWithPwd = true;
        header.editPwd = editPassword;
        WriteProjectProperties(document, header);
        SaveEncodedDocument(document, ProjectFilePath(name));
    }
    QVector<CatalogueEntry> Entries() const
    {
        return ProjectCatalogue::LoadCatalogue(CatalogueFilePath()).ReadEntries();
    }
    QStringList Names() const
    {
        QStringList names;
        for (const CatalogueEntry &entry : Entries())
            names << entry.name;
        return names;
    }
    QStringList TempFiles() const
    {
        return QDir(TempDir()).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
    }

private:
    QTemporaryDir m_dir;
};
