// The draw cycle without a window: frames paced by a clock the test ticks, stops by
// count and by command, refusals, the exhausted-list question and repeatable results.
#include "../engine/enginetesthelpers.h"
#include "drawsession.h"

#include <QSignalSpy>
#include <QtTest>

namespace {

// A frame clock ticked by the test.
class ManualClock : public FrameClock
{
public:
    void Start(int intervalMs) override
    {
        running = true;
        interval = intervalMs;
    }
    void Stop() override { running = false; }
    void Fire(int ticks = 1)
    {
        for (int i = 0; i < ticks; ++i)
            emit Tick();
    }

    bool running = false;
    int interval = 0;
};

DrawProject Lottery(const QString &names, bool animated = false, int stopAfterFrames = 0)
{
    DrawProject project;
    project.name = QStringLiteral("抽奖");
    project.pmode = 9;
    project.query = Query(9, {{"Lists", names}, {"Spliter", "空格"}, {"RanCount", "1"}, {"AutoDel", "是"}});
    project.animation.enabled = animated;
    project.animation.frameIntervalMs = 30;
    project.animation.stopAfterFrames = stopAfterFrames;
    return project;
}

// Everything a session announces, in order.
struct Observer
{
    explicit Observer(DrawSession &session)
    {
        QObject::connect(&session, &DrawSession::StateChanged, [this](DrawSession::State state) {
            events << (state == DrawSession::State::Drawing ? QStringLiteral("drawing") : QStringLiteral("idle"));
        });
        QObject::connect(&session, &DrawSession::FrameShown, [this](const Batch &) { events << QStringLiteral("frame"); });
        QObject::connect(&session, &DrawSession::BatchFinal, [this](const Batch &batch, int number) {
            events << QStringLiteral("final %1").arg(number);
            finals << batch.results;
        });
        QObject::connect(&session, &DrawSession::Refused, [this](const QString &message) {
            events << QStringLiteral("refused");
            refusals << message;
        });
        QObject::connect(&session, &DrawSession::ListExhausted, [this] { events << QStringLiteral("exhausted"); });
    }
    QStringList events;
    QList<QStringList> finals;
    QStringList refusals;
};

} // namespace

class DrawSessionTest : public QObject
{
    Q_OBJECT

private slots:
    void animatedDrawStopsByCountWithOneFinalBatch()
    {
        DrawSession session(RandomSources::Seeded(1));
        auto *clock = new ManualClock;
        session.SetFrameClock(clock);
        Observer observer(session);
        session.Open(Lottery("甲 乙 丙 丁", true, 3), DrawSession::Preparation::Now);

        session.Start();
        QVERIFY(session.InDraw());
        QVERIFY(clock->running);
        QCOMPARE(clock->interval, 30);
        QCOMPARE(session.FramesLeft(), 3);
        clock->Fire(2);
        QCOMPARE(session.FramesShown(), 2);
        QCOMPARE(session.FramesLeft(), 1);
        QVERIFY(observer.finals.isEmpty());
        clock->Fire();
        // The third frame ends the draw; the batch after it is the result.
        QVERIFY(!session.InDraw());
        QVERIFY(!clock->running);
        QCOMPARE(observer.events, QStringList({"drawing", "frame", "frame", "frame", "idle", "final 1"}));
        // A late tick of the stopped clock shows nothing.
        clock->Fire();
        QCOMPARE(observer.events.size(), 6);
        QCOMPARE(session.FramesShown(), 3);
    }

    void anyObserverStartsAndStopsTheOneDraw()
    {
        DrawSession session(RandomSources::Seeded(2));
        auto *clock = new ManualClock;
        session.SetFrameClock(clock);
        Observer window(session);
        Observer remote(session);
        session.Open(Lottery("甲 乙 丙 丁", true), DrawSession::Preparation::Now);

        session.Stop(); // nothing runs: nothing happens
        session.Start();
        session.Start(); // a second request while the draw runs changes nothing
        clock->Fire(5);
        QCOMPARE(session.FramesShown(), 5);
        QVERIFY(session.InDraw()); // without a count only a command ends it
        session.Stop();
        session.Stop();
        QCOMPARE(session.DrawsFinished(), 1);
        const QStringList expected{"drawing", "frame", "frame", "frame", "frame", "frame", "idle", "final 1"};
        QCOMPARE(window.events, expected);
        QCOMPARE(remote.events, expected);

        // Cancel ends a draw without a result.
        session.Start();
        clock->Fire();
        session.Cancel();
        QVERIFY(!session.InDraw());
        QCOMPARE(window.events.mid(expected.size()), QStringList({"drawing", "frame", "idle"}));
        QCOMPARE(session.DrawsFinished(), 1);
    }

    void withoutAnimationEachStartIsOneFinalBatch()
    {
        DrawSession session(RandomSources::Seeded(3));
        auto *clock = new ManualClock;
        session.SetFrameClock(clock);
        Observer observer(session);
        session.Open(Lottery("甲 乙 丙 丁"));
        session.Start();
        session.Start();
        QVERIFY(!clock->running);
        QCOMPARE(observer.events, QStringList({"final 1", "final 2"}));
        // Drawn with removal: two different names.
        QVERIFY(observer.finals.at(0) != observer.finals.at(1));
    }

    void refusedQueryIsReportedOnStart()
    {
        DrawProject project = Lottery("甲 乙");
        project.pmode = 1;
        project.query = Query(1, {{"RanCount", "0"}});
        {
            DrawSession session;
            Observer observer(session);
            session.Open(project); // in the background: the refusal waits for the draw
            session.Start();
            QCOMPARE(observer.events, QStringList({"refused"}));
            QVERIFY(observer.refusals.first().contains("生成数量"));
            QVERIFY(!session.InDraw());
        }
        DrawSession session;
        QVERIFY_THROWS_EXCEPTION(SuiteError, session.Open(project, DrawSession::Preparation::Now));
    }

    void exhaustedListAsksBeforeReset()
    {
        DrawSession session(RandomSources::Seeded(4));
        QStringList answers{"no", "no", "yes"};
        int asked = 0;
        session.SetResetQuestion([&](const QString &caption, const QString &) {
            ++asked;
            return caption == RemainingQuestionCaption() && answers.takeFirst() == "yes";
        });
        Observer observer(session);
        session.Open(Lottery("甲 乙"), DrawSession::Preparation::Now);

        session.Start();
        session.Start(); // the last name: asked at once, declined
        QCOMPARE(asked, 1);
        QCOMPARE(observer.events, QStringList({"final 1", "final 2"}));
        QCOMPARE(QSet<QString>({observer.finals.at(0).first(), observer.finals.at(1).first()}), QSet<QString>({"甲", "乙"}));
        session.Start(); // asked again, declined: nothing to draw
        QCOMPARE(asked, 2);
        QCOMPARE(observer.events.last(), "exhausted");
        session.Start(); // reset: the list is whole again, the next press draws
        QCOMPARE(asked, 3);
        QCOMPARE(observer.events.size(), 3);
        session.Start();
        QCOMPARE(observer.events.last(), "final 3");

        // Without a question (the command line) an exhausted list stays exhausted.
        DrawSession unattended(RandomSources::Seeded(4));
        Observer quiet(unattended);
        unattended.Open(Lottery("甲"), DrawSession::Preparation::Now);
        unattended.Start();
        unattended.Start();
        QCOMPARE(quiet.events, QStringList({"final 1", "exhausted"}));
    }

    void seededResultsDoNotDependOnFramesShown()
    {
        const QString names = QStringLiteral("甲 乙 丙 丁 戊 己 庚 辛 壬 癸");
        auto draw = [&](bool animated, int frames) {
            DrawSession session(RandomSources::Seeded(42));
            auto *clock = new ManualClock;
            session.SetFrameClock(clock);
            Observer observer(session);
            session.Open(Lottery(names, animated), DrawSession::Preparation::Now);
            for (int i = 0; i < 4; ++i) {
                session.Start();
                clock->Fire(frames + i);
                session.Stop();
            }
            return observer.finals;
        };
        const QList<QStringList> plain = draw(false, 0);
        QCOMPARE(plain.size(), 4);
        QCOMPARE(draw(true, 1), plain);
        QCOMPARE(draw(true, 7), plain);
    }
};

QTEST_GUILESS_MAIN(DrawSessionTest)
#include "test_drawsession.moc"
