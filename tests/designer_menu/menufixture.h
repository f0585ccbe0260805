#pragma once

#include "projectcatalogue.h"

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// An application directory of its own for each test: the installation's icons and
// pictures, and a catalogue of sample projects whose files are the installation's
// encoded sample documents under new names.
class MenuFixture
{
public:
    // Projects named as given, each a copy of the sample "课堂点名"; Pic = 10 + index.
    void Build(const QStringList &names);

    QString Path(const QString &relative) const;
    // Every file below Data/, with its content.
    QMap<QString, QByteArray> Snapshot() const;
    QVector<CatalogueEntry> EntriesOnDisk() const;
    QString CountOnDisk() const;
    // Adds an entry to the file the way the manager's import does.
    void AppendBehindTheBack(const QString &name);

private:
    QTemporaryDir dir;
};

QByteArray ReadBytes(const QString &path);
