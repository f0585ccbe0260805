// The quick-draw bar without a desktop: where it may stand, what it draws and keeps,
// what it says when it cannot draw, its settings, and that it rests when idle.
#include "autostart.h"
#include "barplacement.h"
#include "barsettings.h"
#include "codec.h"
#include "globalkey.h"
#include "historystore.h"
#include "quickdrawbar.h"
#include "quickdrawresult.h"
#include "rollcallfixture.h"
#include "speaker.h"

#include <QAbstractEventDispatcher>
#include <QAction>
#include <QMenu>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {

class FakeKey : public GlobalKeySource
{
public:
    explicit FakeKey(QString problem = QString()) : m_problem(std::move(problem)) {}
    bool Grab(const QKeySequence &key) override
    {
        grabbed = key;
        return m_problem.isEmpty();
    }
    void Release() override {}
    QString Problem() const override { return m_problem; }
    void Press() { emit Pressed(); }
    QKeySequence grabbed;

private:
    QString m_problem;
};

class FakeSpeaker : public Speaker
{
public:
    explicit FakeSpeaker(QStringList &said) : m_said(said) {}
    QString UnavailableReason() const override { return QString(); }
    void Say(const SpokenText &text, int, int) override { m_said << text.text; }

private:
    QStringList &m_said;
};

} // namespace

class QuickDrawTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir;
    QStringList said;

    std::unique_ptr<QuickDrawBar> NewBar(FakeKey **key = nullptr, const QString &problem = QString())
    {
        auto source = std::make_unique<FakeKey>(problem);
        if (key)
            *key = source.get();
        auto bar = std::make_unique<QuickDrawBar>(std::move(source), RandomSources::Seeded(11));
        bar->show();
        return bar;
    }
    static void Click(QWidget *widget) { QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center()); }

private slots:
    void initTestCase() { QVERIFY(BindCodec(SUITE_APP_DIR)); }
    void init()
    {
        dir = std::make_unique<QTemporaryDir>();
        SetAppDir(dir->path());
        QDir(dir->path()).mkpath("Data/Projects");
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir->path() + "/config"));
        said.clear();
        SetSpeakerFactory([this] { return std::make_unique<FakeSpeaker>(said); });
    }
    void cleanup() { SetSpeakerFactory({}); }

    void placement()
    {
        const QList<QRect> screens{QRect(0, 0, 1280, 800), QRect(1280, 0, 1024, 768)};
        // Within reach of an edge: pulled onto it, each direction on its own.
        QCOMPARE(SnappedToEdges(QRect(20, 300, 120, 60), screens), QPoint(0, 300));
        QCOMPARE(SnappedToEdges(QRect(1140, 730, 120, 60), screens), QPoint(1160, 740));
        QCOMPARE(SnappedToEdges(QRect(600, 300, 120, 60), screens), QPoint(600, 300));
        // The second screen's own edges count, not the first one's.
        QCOMPARE(SnappedToEdges(QRect(2170, 12, 120, 60), screens), QPoint(2184, 0));
        // A place still on a screen stays; one off every screen comes back onto the primary.
        QCOMPARE(PlacedOnScreens(QRect(2000, 500, 120, 60), screens), QPoint(2000, 500));
        QCOMPARE(PlacedOnScreens(QRect(3000, -400, 120, 60), screens), QPoint(1160, 0));
        QCOMPARE(PlacedOnScreens(QRect(-5000, 5000, 120, 60), screens), QPoint(0, 740));
        QVERIFY(ScreenLayoutKey(screens) != ScreenLayoutKey({screens.first()}));
    }

    void drawIsKeptInTheHistoryAndSpoken()
    {
        SaveRollCall("点名", {{"甲", "乙", "丙", "丁"}, 1, false, true});
        QStringList shown;
        {
            FakeKey *key = nullptr;
            auto bar = NewBar(&key);
            QVERIFY(bar->OpenProject("点名"));
            connect(bar.get(), &QuickDrawBar::ResultShown, [&shown](const QString &text) { shown << text; });
            Click(bar.get());
            key->Press();
            QCOMPARE(shown.size(), 2);
            QVERIFY(bar->ResultLabel()->isVisible());
            QVERIFY(bar->ResultLabel()->text().startsWith(shown.last()));
            QCOMPARE(key->grabbed, QKeySequence("Ctrl+Alt+R"));
        } // the history is written when the bar goes
        QCOMPARE(said, shown);
        HistoryStore store;
        QVERIFY(store.Open(HistoryDatabasePath()));
        const QList<HistoryEntry> draws = store.DrawsOldestFirst({});
        QCOMPARE(draws.size(), 2);
        for (int i = 0; i < 2; ++i) {
            QCOMPARE(draws.at(i).source, kSourceQuickDraw);
            QCOMPARE(draws.at(i).project, QStringLiteral("点名"));
            QCOMPARE(draws.at(i).results, QStringList{shown.at(i)});
        }
    }

    void projectsThatCannotBeDrawnKeepTheBar_data()
    {
        QTest::addColumn<QString>("project");
        QTest::addColumn<QString>("said");
        QTest::newRow("missing") << "没有这个" << "不存在";
        QTest::newRow("locked") << "加密" << "访问密码";
        QTest::newRow("refused") << "太少" << "减少抽取数量";
        QTest::newRow("path") << "../点名" << "..";
        QTest::newRow("verifiable") << "可验证" << "抽取窗口";
    }
    void projectsThatCannotBeDrawnKeepTheBar()
    {
        QFETCH(QString, project);
        QFETCH(QString, said);
        SaveRollCall("加密", {{"甲", "乙"}, 1, true});
        SaveRollCall("太少", {{"甲", "乙"}, 5});
        SaveRollCall("可验证", {{"甲", "乙"}, 1, false, false, false, true});
        auto bar = NewBar();
        QVERIFY(!bar->OpenProject(project));
        QVERIFY(bar->isVisible());
        QVERIFY(bar->ResultLabel()->isVisible());
        QVERIFY2(bar->ResultLabel()->text().contains(said), qPrintable(bar->ResultLabel()->text()));
        // A click says it again and draws nothing.
        bar->ResultLabel()->hide();
        QSignalSpy finals(&bar->Session(), &DrawSession::BatchFinal);
        Click(bar.get());
        QVERIFY(bar->ResultLabel()->isVisible());
        QCOMPARE(finals.size(), 0);
    }

    void anEmptiedListStartsAgainOnTheNextClick()
    {
        SaveRollCall("两人", {{"甲", "乙"}, 1, false, false, true});
        auto bar = NewBar();
        QVERIFY(bar->OpenProject("两人"));
        QStringList shown;
        connect(bar.get(), &QuickDrawBar::ResultShown, [&shown](const QString &text) { shown << text; });
        Click(bar.get());
        Click(bar.get());
        QCOMPARE(QSet<QString>(shown.cbegin(), shown.cend()), (QSet<QString>{"甲", "乙"}));
        QVERIFY(bar->ResultLabel()->text().contains("名单已抽完"));
        Click(bar.get());
        Click(bar.get());
        QCOMPARE(shown.size(), 4);
        QCOMPARE(QSet<QString>(shown.cbegin() + 2, shown.cend()), (QSet<QString>{"甲", "乙"}));
    }

    void settingsAutostartAndKeyProblem()
    {
        SaveRollCall("点名", {{"甲", "乙"}});
        {
            auto bar = NewBar(nullptr, "快捷键 Ctrl+Alt+R 已被其他程序占用，请换一个。");
            bar->OpenProject("点名");
            QVERIFY(bar->BarMenu()->findChild<QAction *>("Menu_GlobalKey")->text().contains("已被其他程序占用"));
            QMenu *opacity = bar->BarMenu()->findChild<QMenu *>("Menu_Opacity");
            opacity->actions().at(5)->trigger(); // 50 %
            QVERIFY(qAbs(bar->windowOpacity() - 0.5) < 0.01);
            bar->BarMenu()->findChild<QMenu *>("Menu_Size")->actions().at(2)->trigger();
            QCOMPARE(bar->size(), QSize(168, 84));

            QAction *autostart = bar->BarMenu()->findChild<QAction *>("Menu_Autostart");
            autostart->trigger();
            QFile entry(AutostartEntryPath());
            QVERIFY(entry.open(QIODevice::ReadOnly));
            const QString text = QString::fromUtf8(entry.readAll());
            QVERIFY2(text.contains("Dellamy\" \"--float\" \"--project\" \"点名\"\n"), qPrintable(text));
            autostart->trigger();
            QVERIFY(!AutostartEntryExists());
        }
        const QuickDrawSettings kept = ReadQuickDrawSettings();
        QCOMPARE(kept.opacityPercent, 50);
        QCOMPARE(kept.barHeight, 84);
    }

    void resultFadesAndTheBarRests()
    {
        SaveRollCall("点名", {{"甲", "乙", "丙"}});
        WriteQuickDrawSetting(QuickDrawIni::kShowSeconds, "1");
        auto bar = NewBar();
        QVERIFY(bar->OpenProject("点名"));
        QuickDrawResult *label = bar->ResultLabel();
        // Kept by a click, put away by the next.
        Click(bar.get());
        Click(label);
        QVERIFY(label->Kept());
        QVERIFY(!label->Animating());
        Click(label);
        QVERIFY(!label->isVisible());

        Click(bar.get());
        QVERIFY(label->Animating());
        QTRY_VERIFY_WITH_TIMEOUT(!label->isVisible(), 10000);
        QVERIFY(!label->Animating());
        QVERIFY(!bar->Session().InDraw());
        QList<QObject *> objects{bar.get(), label};
        objects += bar->findChildren<QObject *>();
        objects += label->findChildren<QObject *>();
        for (QObject *object : objects)
            QVERIFY2(QAbstractEventDispatcher::instance()->registeredTimers(object).isEmpty(),
                     qPrintable(object->metaObject()->className() + QStringLiteral(" ") + object->objectName()));
    }
};

QTEST_MAIN(QuickDrawTest)
#include "test_quickdraw.moc"
