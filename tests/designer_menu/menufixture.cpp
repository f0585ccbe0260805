#include "menufixture.h"

#include "apppaths.h"
#include "codec.h"
#include "domutil.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QtTest>

QByteArray ReadBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void MenuFixture::Build(const QStringList &names)
{
    QVERIFY(BindCodec(QStringLiteral(SUITE_APP_DIR)));
    QDir root(dir.path());
    root.removeRecursively();
    QVERIFY(QDir().mkpath(dir.path() + QStringLiteral("/Data/Projects")));
    for (const char *shared : {"Icons", "Img"})
        QVERIFY(QFile::link(QStringLiteral(SUITE_APP_DIR "/") + QLatin1String(shared),
                            dir.path() + QLatin1Char('/') + QLatin1String(shared)));
    SetAppDir(dir.path());
    const QString sample = QStringLiteral(SUITE_APP_DIR "/Data/Projects/课堂点名.rpj");
    QString projects;
    for (int i = 0; i < names.size(); ++i) {
        QVERIFY(QFile::copy(sample, ProjectFilePath(names.at(i))));
        projects += QStringLiteral("<Project Name=\"%1\" Remark=\"备注%2\" ReadOnly=\"否\" Pic=\"%3\"/>")
                        .arg(names.at(i))
                        .arg(i)
                        .arg(10 + i);
    }
    QFile menu(CatalogueFilePath());
    QVERIFY(menu.open(QIODevice::WriteOnly));
    menu.write(QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Menu><Projects Count=\"%1\">%2</Projects></Menu>\n")
                   .arg(names.size())
                   .arg(projects)
                   .toUtf8());
}

QString MenuFixture::Path(const QString &relative) const
{
    return dir.path() + QLatin1Char('/') + relative;
}

QMap<QString, QByteArray> MenuFixture::Snapshot() const
{
    QMap<QString, QByteArray> files;
    QDirIterator it(Path(QStringLiteral("Data")), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        files.insert(path, ReadBytes(path));
    }
    return files;
}

QVector<CatalogueEntry> MenuFixture::EntriesOnDisk() const
{
    return ProjectCatalogue::LoadCatalogue(CatalogueFilePath()).ReadEntries();
}

QString MenuFixture::CountOnDisk() const
{
    const ProjectCatalogue catalogue = ProjectCatalogue::LoadCatalogue(CatalogueFilePath());
    return FindChildElement(catalogue.document().documentElement(), QStringLiteral("Projects"))
        .attribute(QStringLiteral("Count"));
}

void MenuFixture::AppendBehindTheBack(const QString &name)
{
    QVERIFY(QFile::copy(QStringLiteral(SUITE_APP_DIR "/Data/Projects/课堂点名.rpj"), ProjectFilePath(name)));
    UpdateCatalogue(CatalogueFilePath(), [&name](ProjectCatalogue &catalogue) { catalogue.AppendEntry(name, 1); });
}
