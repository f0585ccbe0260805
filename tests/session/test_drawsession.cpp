// The draw cycle without a window: frames paced by a clock the test ticks, stops by
// count and by command, refusals, the exhausted-list question and repeatable results.
#include "../engine/enginetesthelpers.h"
#include "drawsession.h"

#include <QtTest>

namespace {

class ManualClock : public FrameClock
{
public:
    void Start(int intervalMs) override { interval = running = intervalMs; }
    void Stop() override { running = 0; }
    void Fire(int ticks)
    {
        while (ticks-- > 0)
            emit Tick();
    }
    int running = 0;
    int interval = 0;
};

DrawProject Lottery(const QString &names, bool animated = false, int stopAfterFrames = 0)
{
    DrawProject project;
    project.pmode = 9;
    project.query = Query(9, {{"Lists", names}, {"Spliter", "空格"}, {"RanCount", "1"}, {"AutoDel", "是"}});
    project.animation = {animated, 30, stopAfterFrames};
    return project;
}

// What a session announces, in order: "drawing", "frame", "idle", "final N: results",
// "refused: message", "exhausted".
std::shared_ptr<QStringList> Watch(DrawSession &session)
{
    auto events = std::make_shared<QStringList>();
    QObject::connect(&session, &DrawSession::StateChanged, [events](DrawSession::State state) {
        *events << (state == DrawSession::State::Drawing ? "drawing" : "idle");
    });
    QObject::connect(&session, &DrawSession::FrameShown, [events] { *events << "frame"; });
    QObject::connect(&session, &DrawSession::BatchFinal, [events](const Batch &batch, int number) {
        *events << QStringLiteral("final %1: %2").arg(number).arg(batch.results.join(','));
    });
    QObject::connect(&session, &DrawSession::Refused, [events](const QString &message) { *events << "refused: " + message; });
    QObject::connect(&session, &DrawSession::ListExhausted, [events] { *events << "exhausted"; });
    return events;
}

} // namespace

class DrawSessionTest : public QObject
{
    Q_OBJECT

private slots:
    void stopsByCountOrCommandWithOneFinalBatch()
    {
        DrawSession session(RandomSources::Seeded(1));
        auto *clock = new ManualClock;
        session.SetFrameClock(clock);
        const auto log = Watch(session);
        session.Open(Lottery("甲", true, 3), DrawSession::Preparation::Now);
        session.Stop(); // nothing runs: nothing happens
        session.Start();
        session.Start(); // a second request while the draw runs changes nothing
        QCOMPARE(clock->running, 30);
        clock->Fire(2);
        QCOMPARE(session.FramesLeft(), 1);
        clock->Fire(2); // the third frame ends the draw; a late tick shows nothing
        QVERIFY(!session.InDraw() && !clock->running);
        QCOMPARE(*log, QStringList({"drawing", "frame", "frame", "frame", "idle", "final 1: 甲"}));

        // Without a count only a command ends the draw; Cancel ends it without a result.
        session.Open(Lottery("甲", true), DrawSession::Preparation::Now);
        session.Start();
        clock->Fire(1);
        session.Cancel();
        session.Start();
        clock->Fire(5);
        session.Stop();
        session.Stop();
        QCOMPARE(log->mid(6), QStringList({"drawing", "frame", "idle", "drawing", "frame", "frame", "frame", "frame",
                                           "frame", "idle", "final 1: 甲"}));
    }

    void refusedQueryIsReportedOnStart()
    {
        DrawProject project = Lottery("甲");
        project.pmode = 1;
        project.query = Query(1, {{"RanCount", "0"}});
        DrawSession session;
        const auto log = Watch(session);
        session.Open(project); // in the background: the refusal waits for the draw
        session.Start();
        QCOMPARE(log->size(), 1);
        QVERIFY(log->first().startsWith("refused: ") && log->first().contains("生成数量"));
        QVERIFY_THROWS_EXCEPTION(SuiteError, session.Open(project, DrawSession::Preparation::Now));
    }

    void exhaustedListAsksBeforeReset()
    {
        DrawSession session(RandomSources::Seeded(4));
        QStringList answers{"no", "no", "yes"};
        session.SetResetQuestion([&answers](const QString &caption, const QString &) {
            return caption == RemainingQuestionCaption() && answers.takeFirst() == "yes";
        });
        const auto log = Watch(session);
        session.Open(Lottery("甲 乙"), DrawSession::Preparation::Now);
        session.Start();
        session.Start(); // the last name: asked at once, declined
        QCOMPARE(answers.size(), 2);
        session.Start(); // asked again, declined: nothing to draw
        session.Start(); // reset: the list is whole again, the next press draws
        QVERIFY(answers.isEmpty());
        session.Start();
        const QStringList events = *log;
        QCOMPARE(events.size(), 4);
        QCOMPARE(QSet<QString>({events.at(0).right(1), events.at(1).right(1)}), QSet<QString>({"甲", "乙"}));
        QCOMPARE(events.at(2), "exhausted");
        QVERIFY(events.at(3).startsWith("final 3: "));

        // Without a question (the command line) an exhausted list stays exhausted.
        DrawSession unattended;
        const auto quiet = Watch(unattended);
        unattended.Open(Lottery("甲"), DrawSession::Preparation::Now);
        unattended.Start();
        unattended.Start();
        QCOMPARE(*quiet, QStringList({"final 1: 甲", "exhausted"}));
    }

    void seededResultsDoNotDependOnFramesShown()
    {
        auto draw = [](bool animated, int frames) {
            DrawSession session(RandomSources::Seeded(42));
            auto *clock = new ManualClock;
            session.SetFrameClock(clock);
            const auto log = Watch(session);
            session.Open(Lottery("甲 乙 丙 丁 戊 己 庚 辛 壬 癸", animated), DrawSession::Preparation::Now);
            for (int i = 0; i < 4; ++i) {
                session.Start();
                clock->Fire(frames + i);
                session.Stop();
            }
            return log->filter("final");
        };
        const QStringList plain = draw(false, 0);
        QCOMPARE(plain.size(), 4);
        QCOMPARE(draw(true, 1), plain);
        QCOMPARE(draw(true, 7), plain);
    }
};

QTEST_GUILESS_MAIN(DrawSessionTest)
#include "test_drawsession.moc"
