// Saves pictures of the record windows into the folder given as the first argument:
// the frequency chart in its three styles, flat and with depth, and with many results,
// the statistics window after a count, and the four record dialogs.
#include "chineseui.h"
#include "frequencyform.h"
#include "recorddialogs.h"
#include "statform.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QPushButton>

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
    Settle(150);
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

    const QStringList names = {"张三", "李四", "王五", "赵六", "钱七", "孙八", "周九", "吴十"};
    QStringList results;
    for (int i = 0; i < 40; ++i)
        results.append(names[(i * 7 + i / 3) % names.size()]);
    for (const QString &style : {QStringLiteral("Bars"), QStringLiteral("Lines"), QStringLiteral("Sectors")}) {
        for (bool depth : {false, true}) {
            TFrequencyForm form(results, style, depth);
            Save(form, path(QStringLiteral("frequency_%1_%2").arg(style, depth ? "3d" : "2d")));
        }
    }

    // Many distinct results: the names under bars and points thin out, never vanish.
    QStringList decimals;
    for (int i = 0; i < 60; ++i)
        decimals.append(QString::number(15.1 + (i * 7 % 20) * 0.1, 'f', 1));
    for (const QString &style : {QStringLiteral("Bars"), QStringLiteral("Lines")}) {
        TFrequencyForm form(decimals, style, false);
        Save(form, path(QStringLiteral("frequency_many_%1").arg(style)));
    }

    const QStringList numbers = {"12", "7", "33", "7", "18", "25", "3", "12", "40", "29"};
    TStatForm statistics([&numbers] { return numbers; }, QStringLiteral("0"));
    statistics.show();
    statistics.findChild<QPushButton *>(QStringLiteral("BStat"))->click();
    Save(statistics, path(QStringLiteral("statistics")));

    const RecordSettings settings;
    TNewLineForm newLine([](int) {});
    Save(newLine, path(QStringLiteral("newline")));
    TAutoNLineForm autoNewLine(settings, [](int, int) {});
    Save(autoNewLine, path(QStringLiteral("autonewline")));
    TSortForm sort([](const SortScheme &) {});
    Save(sort, path(QStringLiteral("sort")));
    TAutoSortForm autoSort(settings, {});
    Save(autoSort, path(QStringLiteral("autosort")));
    return 0;
}
