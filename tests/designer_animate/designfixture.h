#pragma once

// A project file in a temporary application directory, made from a starting document,
// and a recorder of the message boxes the windows show.
#include "apppaths.h"
#include "domutil.h"
#include "encodedxml.h"
#include "messages.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <memory>

inline QDomDocument StartingDocument(const QString &fileName)
{
    QFile file(QStringLiteral(SUITE_SOURCE_DIR "/data/Demo/") + fileName);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return ParseXmlText(QString::fromUtf8(file.readAll()), file.fileName());
}

inline QDomElement ElementAt(const QDomDocument &document, const QString &path)
{
    QDomElement element = document.documentElement();
    for (const QString &name : path.split('/'))
        element = FindChildElement(element, name);
    return element;
}

inline QString ElementText(const QDomElement &element)
{
    QString text;
    QTextStream stream(&text);
    element.save(stream, 0);
    return text;
}

struct DesignFixture
{
    std::unique_ptr<QTemporaryDir> dir = std::make_unique<QTemporaryDir>();
    QList<ShownMessage> messages;

    DesignFixture()
    {
        SetAppDir(dir->path());
        QDir(dir->path()).mkpath(QStringLiteral("Data/Projects"));
        SetMessageHandler([this](const ShownMessage &message) {
            messages.append(message);
            return QMessageBox::Ok;
        });
    }
    ~DesignFixture() { SetMessageHandler({}); }

    void Store(const QDomDocument &document, const QString &name) const
    {
        SaveEncodedDocument(document, ProjectFilePath(name));
    }
    QDomDocument Load(const QString &name) const { return LoadEncodedDocument(ProjectFilePath(name)); }
    QByteArray FileBytes(const QString &name) const
    {
        QFile file(ProjectFilePath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QStringList Texts() const
    {
        QStringList texts;
        for (const ShownMessage &message : messages)
            texts << message.caption + QStringLiteral("：") + message.text;
        return texts;
    }
};
