#include "apppaths.h"
#include "guarded.h"
#include "handoff.h"
#include "inifile.h"
#include "launcher.h"
#include "messages.h"
#include "softsettings.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

static void WriteBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

static QString ReadAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

class TestSettingsFiles : public QObject
{
    Q_OBJECT
    QTemporaryDir *dir = nullptr;
    QList<ShownMessage> shown;

private slots:
    void init()
    {
        dir = new QTemporaryDir;
        SetAppDir(dir->path());
        shown.clear();
        SetMessageHandler([this](const ShownMessage &m) {
            shown.append(m);
            return QMessageBox::Ok;
        });
    }

    void cleanup()
    {
        SetMessageHandler({});
        SetAppDir(QString());
        delete dir;
    }

    void missingSoftIniGivesEveryDefault()
    {
        const SoftSettings s = ReadSoftSettings();
        QCOMPARE(s.wallpaperPath, AppDir() + QStringLiteral("Img/背景图片.jpg"));
        QCOMPARE(s.randSpliter, QString());
        QCOMPARE(s.listAutoRestore, false);
        QCOMPARE(s.randLabelBorder, false);
        QCOMPARE(s.rBorderWidth, QStringLiteral("1"));
        QCOMPARE(s.RBorderWidthPixels(), 1);
        QCOMPARE(s.rBorderColor, QStringLiteral("0,0,0"));
        QCOMPARE(s.imgBorder, false);
        QCOMPARE(s.ImgBorderWidthPixels(), 1);
        QCOMPARE(s.imgBorderColor, QStringLiteral("0,0,0"));
        QCOMPARE(s.show3D, true);
        QCOMPARE(s.frequencyStyle, QStringLiteral("Bars"));
        QVERIFY(!QFile::exists(SoftIniPath()));  // reading never creates the file
    }

    void handWrittenWindowsFileReads()
    {
        const QByteArray text = "\xEF\xBB\xBF; edited by hand\r\n"
                                "[GuideBackground]\r\n"
                                "Path=Application:Img\\\xE6\x98\x9F\xE7\xA9\xBA.jpg\r\n"
                                "[Rand]\r\n"
                                "RandSpliter=\"\xE5\x85\xA8\xE8\xA7\x92\xE9\x80\x97\xE5\x8F\xB7\"\r\n"
                                "ListAutoRestore=5\r\n"
                                "[show]\r\n"
                                "randlabelborder = -1\r\n"
                                "RBorderWidth=3\r\n"
                                "RBorderColor=0,0,0\r\n"
                                "ImgBorder=yes\r\n"
                                "ImgBorderWidth=wide\r\n"
                                "ImgBorderColor=255,128,0\r\n"
                                "[Frequency]\r\n"
                                "Show3D=0\r\n"
                                "Style=Sectors\r\n";
        WriteBytes(SoftIniPath(), text);
        const SoftSettings s = ReadSoftSettings();
        QCOMPARE(s.wallpaperPath, AppDir() + QStringLiteral("Img/星空.jpg"));
        QCOMPARE(s.randSpliter, QStringLiteral("全角逗号"));
        QCOMPARE(s.listAutoRestore, true);   // any nonzero integer
        QCOMPARE(s.randLabelBorder, true);   // names compare without case
        QCOMPARE(s.RBorderWidthPixels(), 3);
        QCOMPARE(s.rBorderColor, QStringLiteral("0,0,0"));
        QCOMPARE(s.imgBorder, false);        // not a number: the default
        QCOMPARE(s.imgBorderWidth, QStringLiteral("wide"));
        QCOMPARE(s.ImgBorderWidthPixels(), 1);
        QCOMPARE(s.imgBorderColor, QStringLiteral("255,128,0"));
        QCOMPARE(s.show3D, false);
        QCOMPARE(s.frequencyStyle, QStringLiteral("Sectors"));
    }

    void utf16FileReads()
    {
        QByteArray bytes("\xFF\xFE");
        const QString text = QStringLiteral("[Rand]\r\nRandSpliter=全角分号\r\n");
        bytes.append(reinterpret_cast<const char *>(text.utf16()), text.size() * 2);
        WriteBytes(SoftIniPath(), bytes);
        QCOMPARE(ReadSoftSettings().randSpliter, QStringLiteral("全角分号"));
    }

    void keysAreWrittenOneAtATimeKeepingTheRest()
    {
        WriteBytes(SoftIniPath(), "[GuideBackground]\r\nPath=/photos/sea.jpg\r\n"
                                  "[Show]\r\n; chosen by the school\r\nRBorderColor=9,9,9\r\nExtra=kept\r\n"
                                  "[Frequency]\r\nStyle=Lines\r\n");
        SoftSettings s;
        s.randSpliter = QStringLiteral("半角分号");
        s.listAutoRestore = true;
        s.randLabelBorder = true;
        s.rBorderWidth = QStringLiteral("3");
        s.rBorderColor = QStringLiteral("255,0,0");
        s.imgBorderWidth = QStringLiteral("2");
        WriteRandShowSettings(s);

        const QString raw = ReadAll(SoftIniPath());
        QVERIFY(raw.contains(QStringLiteral("ListAutoRestore=1")));
        QVERIFY(raw.contains(QStringLiteral("ImgBorder=0")));
        QVERIFY(raw.contains(QStringLiteral("; chosen by the school")));
        QVERIFY(raw.contains(QStringLiteral("Extra=kept")));
        QCOMPARE(raw.count(QStringLiteral("RBorderColor")), 1);

        const SoftSettings back = ReadSoftSettings();
        QCOMPARE(back.wallpaperPath, QStringLiteral("/photos/sea.jpg"));
        QCOMPARE(back.randSpliter, QStringLiteral("半角分号"));
        QCOMPARE(back.RBorderWidthPixels(), 3);
        QCOMPARE(back.rBorderColor, QStringLiteral("255,0,0"));
        QCOMPARE(back.imgBorderWidth, QStringLiteral("2"));
        QCOMPARE(back.frequencyStyle, QStringLiteral("Lines"));

        // A key written by another program after this one loaded the file survives.
        IniFile first(SoftIniPath());
        QCOMPARE(first.ReadString("Rand", "RandSpliter"), QStringLiteral("半角分号"));
        IniFile(SoftIniPath()).WriteString("Other", "Key", "v");
        first.WriteString("Rand", "RandSpliter", "双空格");
        QCOMPARE(IniFile(SoftIniPath()).ReadString("Other", "Key"), QStringLiteral("v"));
    }

    void wallpaperInsideTheApplicationDirectorySurvivesAMove()
    {
        WriteWallpaperPath(AppDir() + QStringLiteral("Img/海边.jpg"));
        QVERIFY(ReadAll(SoftIniPath()).contains(QStringLiteral("Path=Application:Img/海边.jpg")));

        QTemporaryDir moved;
        QVERIFY(QFile::copy(SoftIniPath(), moved.path() + "/Soft.ini"));
        SetAppDir(moved.path());
        QCOMPARE(ReadSoftSettings().wallpaperPath, AppDir() + QStringLiteral("Img/海边.jpg"));

        WriteWallpaperPath(QStringLiteral("/elsewhere/pic.png"));
        QCOMPARE(ReadSoftSettings().wallpaperPath, QStringLiteral("/elsewhere/pic.png"));
    }

    void designAndParameterHandOffs()
    {
        QCOMPARE(ReadDesignSender(), QString());
        WriteDesignSender(QStringLiteral("三年二班点名"));
        QVERIFY(ReadAll(DesignSenderPath()).contains("FromCreatePage=1"));
        QCOMPARE(ReadDesignSender(), QStringLiteral("三年二班点名"));
        ResetDesignSender();
        const QString reset = ReadAll(DesignSenderPath());
        QVERIFY(reset.contains("FromCreatePage=0"));
        QVERIFY(reset.contains(QRegularExpression("ProjName=\\s*(\\n|$)")));
        QCOMPARE(ReadDesignSender(), QString());

        // A stale name without the flag is no hand-off.
        WriteBytes(RandEditSenderPath(), "[Sender]\r\nDesigner=0\r\nProjName=旧工程\r\n");
        QCOMPARE(ReadRandEditSender(), QString());
        WriteRandEditSender(QStringLiteral("抽奖"));
        QCOMPARE(ReadRandEditSender(), QStringLiteral("抽奖"));
        ResetRandEditSender();
        QCOMPARE(ReadRandEditSender(), QString());
        QCOMPARE(IniFile(RandEditSenderPath()).ReadString("Sender", "ProjName", "x"), QString());
    }

    void editProjectIsReplacedWhole()
    {
        const EditProjectHandOff none = ReadEditProject();
        QCOMPARE(none.id, 0);
        QCOMPARE(none.name, QString());
        WriteEditProject(4, QStringLiteral("口算练习"));
        WriteEditProject(1, QStringLiteral("密码生成"));
        const EditProjectHandOff read = ReadEditProject();
        QCOMPARE(read.id, 1);
        QCOMPARE(read.name, QStringLiteral("密码生成"));
    }

    void unusableFilesRaiseAccessErrors()
    {
        // The INI path is a directory: reading and writing both fail.
        QVERIFY(QDir(AppDir()).mkdir("Soft.ini"));
        QVERIFY_THROWS_EXCEPTION(IniAccessError, ReadSoftSettings());
        QVERIFY_THROWS_EXCEPTION(IniAccessError, WriteWallpaperPath("/x.jpg"));

        // The application "directory" is a file: writes fail, reads give defaults.
        const QString file = AppDir() + "plain-file";
        WriteBytes(file, "x");
        SetAppDir(file);
        QCOMPARE(ReadEditProject().name, QString());
        QVERIFY_THROWS_EXCEPTION(IniAccessError, WriteEditProject(0, "a"));
        QVERIFY_THROWS_EXCEPTION(IniAccessError, ResetDesignSender());
    }

    void guardedBlockShowsRightsMessageAndSkipsTheRest()
    {
        const QString file = AppDir() + "plain-file";
        WriteBytes(file, "x");
        SetAppDir(file);
        bool reachedStart = false;
        const bool done = Guarded(nullptr, [&] {
            WriteEditProject(2, QStringLiteral("班级点名"));
            reachedStart = true;
        });
        QVERIFY(!done);
        QVERIFY(!reachedStart);
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0].icon, QMessageBox::Critical);
        QCOMPARE(shown[0].caption, QStringLiteral("软件权限不足"));
        // It names what could not be written, with advice that holds on this system.
        QVERIFY2(shown[0].text.startsWith(QStringLiteral("无法写入配置文件“%1EditProject.ini”。").arg(AppDir())),
                 qPrintable(shown[0].text));
        QVERIFY(!shown[0].text.contains(QStringLiteral("管理员")));

        // Other failures show their own text; a clean block runs to its end.
        shown.clear();
        QVERIFY(!Guarded(nullptr, [] { throw SuiteError(QStringLiteral("工程文件已损坏。")); }));
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0].text, QStringLiteral("工程文件已损坏。"));
        shown.clear();
        QVERIFY(Guarded(nullptr, [] {}));
        QVERIFY(shown.isEmpty());
    }

    void startsAProgramWithoutWaiting()
    {
#ifdef Q_OS_UNIX
        const QString marker = AppDir() + "started";
        const QString script = AppDir() + "FakeProgram";
        WriteBytes(script, QStringLiteral("#!/bin/sh\nsleep 3\necho \"$#\" > '%1'\n").arg(marker).toUtf8());
        QFile::setPermissions(script, QFile::permissions(script) | QFile::ExeOwner);
        QElapsedTimer timer;
        timer.start();
        QVERIFY(StartSuiteProgram("FakeProgram", AppDir()));
        QVERIFY(timer.elapsed() < 2500);  // did not wait for the three-second program
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(marker) && !ReadAll(marker).isEmpty(), 20000);
        QCOMPARE(ReadAll(marker).trimmed(), QStringLiteral("0"));  // no arguments
#endif
        QVERIFY(!StartSuiteProgram("NoSuchProgram", AppDir()));
    }
};

QTEST_MAIN(TestSettingsFiles)
#include "test_settings_files.moc"
