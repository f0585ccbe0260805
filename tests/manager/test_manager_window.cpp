// The manager's window: list lines, the select-all boxes, the dialogs' outcomes and the
// messages of export and import, and the files a double-click hands it.
#include "managerfixture.h"

#include "codec.h"
#include "messages.h"
#include "tprojmanageform.h"

#include <QApplication>
#include <QCheckBox>
#include <QListWidget>
#include <QProgressDialog>
#include <QPushButton>
#include <QTimer>

namespace {
QStringList Lines(const QListWidget *list)
{
    QStringList lines;
    for (int row = 0; row < list->count(); ++row)
        lines << list->item(row)->text();
    return lines;
}

int TickedCount(const QListWidget *list)
{
    int ticked = 0;
    for (int row = 0; row < list->count(); ++row)
        ticked += list->item(row)->checkState() == Qt::Checked;
    return ticked;
}

// Ticks or clears a line as a click on its box does.
void SetTicked(QListWidget *list, int row, bool ticked)
{
    list->item(row)->setCheckState(ticked ? Qt::Checked : Qt::Unchecked);
}
} // namespace

class TestManagerWindow : public QObject
{
    Q_OBJECT

    QList<ShownMessage> m_shown;
    QMessageBox::StandardButton m_answer = QMessageBox::Yes;

    template <typename T> static T *Find(QWidget *form, const char *name)
    {
        T *child = form->findChild<T *>(QString::fromLatin1(name));
        if (!child)
            qFatal("no control %s", name);
        return child;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(BindCodec(QStringLiteral(SUITE_APP_DIR)));
        SetMessageHandler([this](const ShownMessage &message) {
            m_shown << message;
            return message.buttons.testFlag(QMessageBox::Ok) ? QMessageBox::Ok : m_answer;
        });
    }
    void init() { m_shown.clear(); }

    void selectAllBoxesFollowTheLinesWithoutTickingThem()
    {
        AppDirFixture app;
        app.AddProject(QStringLiteral("甲"), 1, QStringLiteral("一班"));
        app.AddProject(QStringLiteral("乙"));
        app.AddProject(QStringLiteral("丙"));
        TProjManageForm form;
        QCOMPARE(form.windowTitle(), QStringLiteral("工程管理"));
        QCOMPARE(form.size(), QSize(639, 375));
        auto *outList = Find<QListWidget>(&form, "ProjOutList");
        auto *outAll = Find<QCheckBox>(&form, "ProjOutSelAll");
        QCOMPARE(Lines(outList), QStringList({"甲 | 备注：一班", "乙 | 备注：无", "丙 | 备注：无"}));
        QCOMPARE(TickedCount(outList), 0);
        outAll->click();
        QCOMPARE(TickedCount(outList), 3);
        SetTicked(outList, 1, false);
        QVERIFY(!outAll->isChecked());
        QCOMPARE(TickedCount(outList), 2);
        SetTicked(outList, 1, true);
        QVERIFY(outAll->isChecked());

        // The import list: loaded lines come ticked, so the box is ticked.
        const QString a = app.Path("a.rproj");
        const QString b = app.Path("b.rproj");
        QVERIFY(QFile::copy(ProjectFilePath(QStringLiteral("甲")), a));
        QVERIFY(QFile::copy(ProjectFilePath(QStringLiteral("乙")), b));
        form.SetOpenFilesChooser([&] { return QStringList{a, b}; });
        Find<QPushButton>(&form, "LoadProj")->click();
        auto *inList = Find<QListWidget>(&form, "ProjInList");
        auto *inAll = Find<QCheckBox>(&form, "ProjInSelAll");
        QCOMPARE(Lines(inList), QStringList({"a.rproj | " + a, "b.rproj | " + b}));
        QVERIFY(inAll->isChecked());
        SetTicked(inList, 0, false);
        QVERIFY(!inAll->isChecked());
        QCOMPARE(TickedCount(inList), 1);
        inAll->click();
        QCOMPARE(TickedCount(inList), 2);
        inAll->click();
        QCOMPARE(TickedCount(inList), 0);
        QVERIFY(m_shown.isEmpty());
    }

    void exportFromTheWindowAsksAndNeverCountsARefusedCopy()
    {
        AppDirFixture app;
        app.AddProject(QStringLiteral("甲"));
        TProjManageForm form;
        const QString folder = app.Path("out");
        QVERIFY(QDir().mkpath(folder));
        form.SetFolderChooser([&] { return folder; });
        auto *outList = Find<QListWidget>(&form, "ProjOutList");

        Find<QPushButton>(&form, "TakeOutProj")->click();
        QCOMPARE(m_shown.size(), 1);
        QCOMPARE(m_shown.at(0).caption, QStringLiteral("请选择项目"));
        QCOMPARE(m_shown.at(0).text, QStringLiteral("请选择要导出的项目！"));

        SetTicked(outList, 0, true);
        m_shown.clear();
        form.TakeOutProjClick();
        QCOMPARE(m_shown.size(), 1);
        QCOMPARE(m_shown.at(0).icon, QMessageBox::Information);
        QCOMPARE(m_shown.at(0).caption, QStringLiteral("保存完毕"));
        QCOMPARE(m_shown.at(0).text, QStringLiteral("您选择的工程已经导出完毕！文件扩展名为rproj。"));
        QVERIFY(QFile::exists(folder + QStringLiteral("/甲.rproj")));

        // The same again: the question is answered No, so nothing is reported exported.
        WriteBytes(folder + QStringLiteral("/甲.rproj"), "keep");
        m_shown.clear();
        m_answer = QMessageBox::No;
        form.TakeOutProjClick();
        QCOMPARE(m_shown.size(), 2);
        QCOMPARE(m_shown.at(0).caption, QStringLiteral("提示"));
        QVERIFY(m_shown.at(0).text.contains(QStringLiteral("甲.rproj")));
        QCOMPARE(m_shown.at(1).icon, QMessageBox::Warning);
        QVERIFY(m_shown.at(1).text.contains(QStringLiteral("已跳过")));
        QCOMPARE(ReadBytes(folder + QStringLiteral("/甲.rproj")), QByteArray("keep"));

        // Packed: the extension is added once; an existing package is asked about.
        form.SetPackageFileChooser([&] { return folder + QStringLiteral("/包"); });
        m_shown.clear();
        form.TakeOutProjsClick();
        QCOMPARE(m_shown.size(), 1);
        QCOMPARE(m_shown.at(0).text, QStringLiteral("您选择的工程已经导出完毕！文件扩展名为rprojs。"));
        QVERIFY(QFile::exists(folder + QStringLiteral("/包.rprojs")));
        m_shown.clear();
        m_answer = QMessageBox::Yes;
        form.TakeOutProjsClick();
        QCOMPARE(m_shown.size(), 2);
        QCOMPARE(m_shown.at(0).caption, QStringLiteral("提示"));
        QCOMPARE(m_shown.at(1).caption, QStringLiteral("保存完毕"));
        QCOMPARE(QDir(folder).entryList({QStringLiteral("*.rprojs*")}), QStringList{QStringLiteral("包.rprojs")});
    }

    void importFromTheWindowAsksAboutClashesAndLeavesNoTemporaryFiles()
    {
        AppDirFixture app;
        app.AddProject(QStringLiteral("甲"));
        app.AddProject(QStringLiteral("乙"));
        TProjManageForm form;
        const QString package = app.Path("包.rprojs");
        ExportPackage({QStringLiteral("甲"), QStringLiteral("乙")}, package,
                      [](const QString &, const QString &) { return ClashChoice::Skip; });
        const QString single = app.Path("新.rproj");
        QVERIFY(QFile::copy(ProjectFilePath(QStringLiteral("甲")), single));

        Find<QPushButton>(&form, "BringInProj")->click();
        QCOMPARE(m_shown.size(), 1);
        QCOMPARE(m_shown.at(0).text, QStringLiteral("请选择要导入的项目！"));

        form.LoadFiles({package, single});
        auto *inList = Find<QListWidget>(&form, "ProjInList");
        QCOMPARE(Lines(inList), QStringList({"甲 | " + TempDir() + "甲.rproj", "乙 | " + TempDir() + "乙.rproj",
                                             "新.rproj | " + single}));
        SetTicked(inList, 1, false);
        m_shown.clear();
        m_answer = QMessageBox::No; // import under a new name
        form.BringInProjClick();
        QCOMPARE(m_shown.size(), 2);
        QCOMPARE(m_shown.at(0).icon, QMessageBox::Question);
        QVERIFY(m_shown.at(0).text.contains(QStringLiteral("甲 (2)")));
        QCOMPARE(m_shown.at(1).caption, QStringLiteral("保存完毕"));
        QVERIFY(m_shown.at(1).text.startsWith(QStringLiteral("您选择的工程已经成功导入，重新运行主程序后生效。")));
        QCOMPARE(app.Names(), QStringList({"甲", "乙", "甲 (2)", "新"}));
        // The imported package line went with its file; the unticked one waits.
        QCOMPARE(Lines(inList), QStringList({"乙 | " + TempDir() + "乙.rproj", "新.rproj | " + single}));
        QCOMPARE(app.TempFiles(), QStringList{QStringLiteral("乙.rproj")});
        QVERIFY(Lines(Find<QListWidget>(&form, "ProjOutList")).contains(QStringLiteral("甲 (2) | 备注：无")));

        Find<QPushButton>(&form, "ClearProj")->click();
        QCOMPARE(inList->count(), 0);
        QVERIFY(app.TempFiles().isEmpty());

        // Closing the window removes what is still extracted.
        form.LoadFiles({package});
        QCOMPARE(app.TempFiles().size(), 2);
        Find<QPushButton>(&form, "BCancel")->click();
        QVERIFY(app.TempFiles().isEmpty());
    }

    void replacingAProtectedProjectAsksForItsEditPassword()
    {
        AppDirFixture app;
        app.AddProject(QStringLiteral("甲"));
        app.ProtectProject(QStringLiteral("甲"), QStringLiteral("口令"));
        const QByteArray original = ReadBytes(ProjectFilePath(QStringLiteral("甲")));
        const QString single = app.Path("甲.rproj");
        WriteBytes(single, MakeProjectDocument(2, QStringLiteral("新版")).toByteArray());
        TProjManageForm form;
        QStringList typed;
        QStringList askedFor;
        form.SetEditPasswordAsker([&](const QString &project) {
            askedFor << project;
            return typed.isEmpty() ? QString() : typed.takeFirst();
        });
        m_answer = QMessageBox::Yes; // replace

        form.LoadFiles({single});
        form.BringInProjClick(); // the password window cancelled
        QCOMPARE(askedFor, QStringList{QStringLiteral("甲")});
        QCOMPARE(ReadBytes(ProjectFilePath(QStringLiteral("甲"))), original);
        QVERIFY(m_shown.last().text.contains(QStringLiteral("编辑密码")));

        // A wrong password is said and asked again; the right one replaces.
        typed = QStringList{QStringLiteral("错的"), QStringLiteral("口令")};
        m_shown.clear();
        form.BringInProjClick();
        QCOMPARE(m_shown.at(1).caption, QStringLiteral("密码错误"));
        QCOMPARE(m_shown.last().caption, QStringLiteral("保存完毕"));
        QVERIFY(ReadBytes(ProjectFilePath(QStringLiteral("甲"))) != original);
        QCOMPARE(app.Names(), QStringList{QStringLiteral("甲")});
    }

    void cancellingALargeImportKeepsWhatCameInListed()
    {
        AppDirFixture app;
        QStringList names;
        for (int i = 0; i < 60; ++i) {
            names << QStringLiteral("学生%1").arg(i);
            app.AddProject(names.last());
        }
        const QString package = app.Path("班.rprojs");
        ExportPackage(names, package, [](const QString &, const QString &) { return ClashChoice::Skip; });
        AppDirFixture target;
        TProjManageForm form;
        form.show();
        form.LoadFiles({package});
        // 取消 as soon as the progress window lets events through.
        QTimer::singleShot(0, &form, [&form] { form.findChild<QProgressDialog *>(QStringLiteral("ImportProgress"))->cancel(); });
        form.BringInProjClick();
        const QStringList listed = target.Names();
        QVERIFY(!listed.isEmpty() && listed.size() < names.size());
        QStringList files = QDir(ProjectsDir()).entryList(QDir::Files);
        for (QString &file : files)
            file.chop(4); // ".rpj"
        QCOMPARE(QSet<QString>(files.cbegin(), files.cend()), QSet<QString>(listed.cbegin(), listed.cend()));
        QVERIFY2(m_shown.last().text.contains(QStringLiteral("导入已取消")), qPrintable(m_shown.last().text));
        QVERIFY(target.TempFiles().isEmpty());
    }

    void filesItCannotListAreNamedInOneMessage()
    {
        AppDirFixture app;
        app.AddProject(QStringLiteral("甲"));
        TProjManageForm form;
        const QString good = app.Path("好.rproj");
        QVERIFY(QFile::copy(ProjectFilePath(QStringLiteral("甲")), good));
        WriteBytes(app.Path("说明.txt"), "text");
        form.LoadFiles({app.Path("说明.txt"), good, app.Path("不存在.rproj")});
        QCOMPARE(Lines(Find<QListWidget>(&form, "ProjInList")), QStringList{"好.rproj | " + good});
        QCOMPARE(m_shown.size(), 1);
        QCOMPARE(m_shown.at(0).icon, QMessageBox::Warning);
        QVERIFY(m_shown.at(0).text.contains(QStringLiteral("说明.txt")));
        QVERIFY(m_shown.at(0).text.contains(QStringLiteral("不存在.rproj")));
    }
};

QTEST_MAIN(TestManagerWindow)
#include "test_manager_window.moc"
