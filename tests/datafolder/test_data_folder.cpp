#include "apppaths.h"
#include "querysection.h"
#include "softsettings.h"
#include "valueencodings.h"

#include <QDir>
#include <QDomDocument>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

static void WriteText(const QString &path, const QByteArray &bytes)
{
    QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

static QByteArray ReadBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// CI runs as root, which writes into any folder whatever its rights; the installation is
// therefore made read-only for data with its marker file, as the package does.
class TestDataFolder : public QObject
{
    Q_OBJECT
    QTemporaryDir *install = nullptr;
    QTemporaryDir *home = nullptr;

    QString installPath(const QString &relative) const { return install->path() + QLatin1Char('/') + relative; }

    void markInstalled() { WriteText(installPath(QLatin1String(kPerUserDataMarker)), {}); }

private slots:
    void init()
    {
        install = new QTemporaryDir;
        home = new QTemporaryDir;
        WriteText(installPath(QStringLiteral("Data/menu.xml")), "<menu/>");
        WriteText(installPath(QStringLiteral("Data/Projects/课堂点名.rpj")), "roll call");
        WriteText(installPath(QStringLiteral("Data/Demo/0.rpj")), "template");
        WriteText(installPath(QStringLiteral("EditProject.ini")), "[EditProject]");
        WriteText(installPath(QStringLiteral("Img/示例图片1.jpg")), "picture");
        SetInstallDir(install->path());
        qputenv("HOME", home->path().toUtf8());
        qputenv("XDG_DATA_HOME", (home->path() + QStringLiteral("/userdata")).toUtf8());
    }

    void cleanup()
    {
        SetAppDir(QString());
        SetInstallDir(QString());
        delete install;
        delete home;
    }

    // Where the programs write: beside themselves in a writable, unmarked folder (the
    // assembled build, a USB stick), in the user's folder in an installed one, and in the
    // --appdir folder whenever one is given.
    void dataFolderDecision()
    {
        const QString user = home->path() + QStringLiteral("/user/");
        QCOMPARE(ChooseDataDir(install->path(), user), install->path() + QLatin1Char('/'));
        QString failure;
        QVERIFY(PrepareDataDir(&failure));
        QCOMPARE(AppDir(), install->path() + QLatin1Char('/'));
        QVERIFY(!QFileInfo::exists(home->path() + QStringLiteral("/userdata")));

        markInstalled();
        QCOMPARE(ChooseDataDir(install->path(), user), user);
        SetAppDir(QString());
        QVERIFY2(PrepareDataDir(&failure), qPrintable(failure));
        QCOMPARE(AppDir(), home->path() + QStringLiteral("/userdata/zelmora/"));
        QCOMPARE(ProjectFilePath(QStringLiteral("课堂点名")),
                 home->path() + QStringLiteral("/userdata/zelmora/Data/Projects/课堂点名.rpj"));

        QTemporaryDir chosen;
        SetAppDir(chosen.path());
        QVERIFY(PrepareDataDir(&failure));
        QCOMPARE(AppDir(), chosen.path() + QLatin1Char('/'));
        QVERIFY(QDir(chosen.path()).isEmpty());
    }

    // A new data folder holds the writable things of the installation and nothing that is
    // read from the installation; the user may change the copies.
    void seedingCopiesWhatTheProgramsWrite()
    {
        const QString data = home->path() + QStringLiteral("/data");
        QString failure;
        QVERIFY2(SeedDataDir(install->path(), data, &failure), qPrintable(failure));
        QCOMPARE(ReadBytes(data + QStringLiteral("/Data/menu.xml")), QByteArray("<menu/>"));
        QCOMPARE(ReadBytes(data + QStringLiteral("/Data/Projects/课堂点名.rpj")), QByteArray("roll call"));
        QCOMPARE(ReadBytes(data + QStringLiteral("/EditProject.ini")), QByteArray("[EditProject]"));
        QVERIFY(!QFileInfo::exists(data + QStringLiteral("/Data/Demo")));
        QVERIFY(!QFileInfo::exists(data + QStringLiteral("/Img")));
        QVERIFY(!QFileInfo::exists(data + QStringLiteral("/Soft.ini")));
        QVERIFY(QFileInfo(data + QStringLiteral("/Data/menu.xml")).isWritable());
        QCOMPARE(QDir(home->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 QStringList{QStringLiteral("data")});
    }

    // An existing data folder is the user's: a later start, e.g. after an upgrade that
    // installs other samples, leaves projects and catalogue alone.
    void existingDataFolderIsKept()
    {
        const QString data = home->path() + QStringLiteral("/data");
        WriteText(data + QStringLiteral("/Data/menu.xml"), "<mine/>");
        WriteText(installPath(QStringLiteral("Data/Projects/新样例.rpj")), "new sample");
        QString failure;
        QVERIFY(SeedDataDir(install->path(), data, &failure));
        QCOMPARE(ReadBytes(data + QStringLiteral("/Data/menu.xml")), QByteArray("<mine/>"));
        QVERIFY(!QFileInfo::exists(data + QStringLiteral("/Data/Projects/新样例.rpj")));
    }

    // A seed that fails half-way leaves neither a data folder nor a temporary one, so the
    // next start seeds again from scratch; a folder that cannot be created is reported.
    void failedSeedLeavesNothing()
    {
        QVERIFY(QFile::link(installPath(QStringLiteral("gone.rpj")), installPath(QStringLiteral("Data/Projects/坏.rpj"))));
        const QString data = home->path() + QStringLiteral("/data");
        QString failure;
        QVERIFY(!SeedDataDir(install->path(), data, &failure));
        QVERIFY(failure.contains(QStringLiteral("Data/Projects")));
        QVERIFY(QDir(home->path()).isEmpty());

        WriteText(home->path() + QStringLiteral("/file"), "not a folder");
        failure.clear();
        QVERIFY(!SeedDataDir(install->path(), home->path() + QStringLiteral("/file/data"), &failure));
        QVERIFY(failure.contains(QStringLiteral("无法创建数据文件夹")));
        QCOMPARE(ReadBytes(home->path() + QStringLiteral("/file")), QByteArray("not a folder"));

        markInstalled();
        qputenv("XDG_DATA_HOME", (home->path() + QStringLiteral("/file")).toUtf8());
        failure.clear();
        QVERIFY(!PrepareDataDir(&failure));
        QVERIFY(!failure.isEmpty());
    }

    // Two users of one installation get folders of their own, under XDG_DATA_HOME when set
    // and under ~/.local/share otherwise.
    void eachUserHasOwnData()
    {
        markInstalled();
        QTemporaryDir second;
        QString failure;
        QVERIFY(PrepareDataDir(&failure));
        const QString first = AppDir();
        WriteText(ProjectFilePath(QStringLiteral("我的工程")), "mine");

        SetAppDir(QString());
        qunsetenv("XDG_DATA_HOME");
        qputenv("HOME", second.path().toUtf8());
        QVERIFY(PrepareDataDir(&failure));
        QCOMPARE(AppDir(), second.path() + QStringLiteral("/.local/share/zelmora/"));
        QVERIFY(AppDir() != first);
        QVERIFY(QFileInfo::exists(ProjectFilePath(QStringLiteral("课堂点名"))));
        QVERIFY(!QFileInfo::exists(ProjectFilePath(QStringLiteral("我的工程"))));
    }

    // Stored "[Application]" and "Application:" paths find installed pictures when the data
    // folder has none, prefer the data folder's copy, and are stored back with the marker.
    void installedDataIsReadFromInstallation()
    {
        QTemporaryDir data;
        SetAppDir(data.path());
        const QString installed = installPath(QStringLiteral("Img/示例图片1.jpg"));
        QCOMPARE(FromAppPath(QStringLiteral("[Application]Img/示例图片1.jpg")), installed);
        QCOMPARE(FromAppPath(QStringLiteral("[Application]Img/无此图片.jpg")),
                 data.path() + QStringLiteral("/Img/无此图片.jpg"));
        QCOMPARE(ExpandApplicationPrefix(QStringLiteral("Application:Img\\示例图片1.jpg")), installed);
        QCOMPARE(InstalledDataPath(QStringLiteral("Data/Demo/0.rpj")), installPath(QStringLiteral("Data/Demo/0.rpj")));
        QCOMPARE(ToAppPath(installed), QStringLiteral("[Application]Img/示例图片1.jpg"));
        QCOMPARE(CollapseApplicationPrefix(installed), QStringLiteral("Application:Img/示例图片1.jpg"));

        const QString stored = QStringLiteral("[Application]Img/示例图片1.jpg|[Application]Img/我的.jpg");
        QDomDocument document;
        QVERIFY(document.setContent(QStringLiteral(
            "<Root><RandQuery><Rand PMode=\"5\"><Query ImgList=\"%1\" RanCount=\"1\" AutoDel=\"否\"/></Rand></RandQuery></Root>")
                                        .arg(stored)));
        const QuerySection section = ReadQuerySection(document);
        const QString list = section.params.value(QueryParamIndex(5, QStringLiteral("ImgList")));
        QCOMPARE(list, installed + QLatin1Char('|') + data.path() + QStringLiteral("/Img/我的.jpg"));

        WriteText(data.path() + QStringLiteral("/Img/示例图片1.jpg"), "own copy");
        QCOMPARE(FromAppPath(QStringLiteral("[Application]Img/示例图片1.jpg")),
                 data.path() + QStringLiteral("/Img/示例图片1.jpg"));
    }
};

QTEST_GUILESS_MAIN(TestDataFolder)
#include "test_data_folder.moc"
