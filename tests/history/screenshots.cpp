// Saves pictures of the history window into the folder given as the first argument: a
// week of roll-calls in both tabs, the same with a damaged-file notice, and the speech
// settings dialog.
#include "apppaths.h"
#include "chineseui.h"
#include "historyform.h"
#include "historystore.h"
#include "speechform.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTabWidget>
#include <QTemporaryDir>

namespace {
void Settle(int milliseconds)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < milliseconds)
        QApplication::processEvents(QEventLoop::AllEvents, 10);
}

void Save(QWidget &window, const QString &path)
{
    window.show();
    Settle(200);
    window.grab().save(path);
}
} // namespace

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    SubstituteMissingChineseFaces();
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath();
    QDir().mkpath(folder);
    auto path = [&folder](const QString &name) { return folder + '/' + name + ".png"; };

    QTemporaryDir dir;
    const QString database = dir.filePath("Data/history.db");
    {
        HistoryStore store;
        store.Open(database);
        const QStringList names = {"张三", "李四", "王五", "赵六", "钱七", "孙八", "周九", "吴十", "郑十一", "王小明"};
        QList<HistoryEntry> week;
        const QDate monday = QDate::currentDate().addDays(-6);
        for (int day = 0; day < 7; ++day) {
            for (int lesson = 0; lesson < 6; ++lesson) {
                const QString name = names[(day * 7 + lesson * 3 + lesson / 2) % names.size()];
                week.append({0, QDateTime(monday.addDays(day), QTime(8 + lesson, 5 * lesson)), "三年二班点名", lesson + 1,
                             lesson % 3 ? kSourceWindow : kSourceCommandLine, {name}});
            }
        }
        week.append({0, QDateTime::currentDateTime(), "年会抽奖", 1, kSourceWindow, {"一等奖：张三", "二等奖：李四"}});
        store.Append(week);
    }
    THistoryForm history(database, "三年二班点名", QString(), true);
    Save(history, path("history_draws"));
    history.HistoryTabs->setCurrentIndex(1);
    Save(history, path("history_counts"));

    QFile damaged(dir.filePath("Data/damaged.db"));
    damaged.open(QIODevice::WriteOnly);
    damaged.write(QByteArray(4096, 'x'));
    damaged.close();
    THistoryForm fresh(dir.filePath("Data/damaged.db"), "三年二班点名", QString(), false);
    Save(fresh, path("history_damaged_keep_off"));

    TSpeechForm speech(SpeechSettings{true, 0, 80}, [](int, int) {});
    Save(speech, path("speech_settings"));
    return 0;
}
