// The suite speaks Chinese on a system whose language is English when the settings ask
// for it: the toolkit's dialogs and the dates they show.
#include "appdirarguments.h"
#include "chineseui.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFileSystemModel>
#include <QTemporaryDir>
#include <QtTest>

class TestChineseUi : public QObject
{
    Q_OBJECT
private slots:
    void datesAndLocaleAreChinese()
    {
        const QDateTime moment(QDate(2026, 12, 7), QTime(9, 5));
        QCOMPARE(QLocale::system().toString(moment.date(), QLocale::ShortFormat), QStringLiteral("2026/12/7"));
        QCOMPARE(QLocale().language(), QLocale::Chinese);
    }

    void fileDialogsSpeakChinese()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("sub")));
        QFileSystemModel model;
        const QModelIndex root = model.setRootPath(dir.path());
        QTRY_COMPARE(model.rowCount(root), 1);
        const QModelIndex folder = model.index(0, 0, root);
        QCOMPARE(model.index(0, 2, root).data().toString(), QStringLiteral("文件夹"));
        const QString modified = model.index(0, 3, root).data().toString();
        QVERIFY2(modified.startsWith(QString::number(QDate::currentDate().year()) + QLatin1Char('/')), qPrintable(modified));
        QVERIFY(folder.isValid());
        QCOMPARE(model.headerData(0, Qt::Horizontal).toString(), QStringLiteral("名称"));
    }
};

int main(int argc, char **argv)
{
    // A system set to English in every way the environment can say it, and the
    // settings asking for Chinese.
    qputenv("LANG", "en_US.UTF-8");
    qputenv("LC_ALL", "en_US.UTF-8");
    qputenv("LANGUAGE", "en_US");
    QTemporaryDir dataDir;
    QFile ini(dataDir.filePath(QStringLiteral("Soft.ini")));
    if (!ini.open(QIODevice::WriteOnly) || ini.write("[Interface]\nLanguage=中文\n") < 0)
        return 1;
    ini.close();
    AppDirArguments arguments(argv[0], dataDir.path());
    UseInterfaceLanguage();
    QApplication application(arguments.count, arguments.values);
    TestChineseUi test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_chinese_ui.moc"
