#include "fairnessstore.h"

#include "storedvaluetext.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <QCoreApplication>

QStringList MarkTexts()
{
    return {kMarkAbsent, kMarkAnswered, kMarkNotAnswered, kMarkSkipped};
}

QStringList FairnessSchema()
{
    return {
        // One row per project drawn in rotation; the stamp changes with every stored turn,
        // so a program sees whether its copy of the round is still current.
        QStringLiteral("CREATE TABLE IF NOT EXISTS rotations(project TEXT PRIMARY KEY, round INTEGER NOT NULL,"
                       " stamp INTEGER NOT NULL)"),
        // Who has had a turn in the current round; everyone else on the list is due.
        QStringLiteral("CREATE TABLE IF NOT EXISTS rotation_taken(project TEXT NOT NULL, entry TEXT NOT NULL,"
                       " PRIMARY KEY(project, entry)) WITHOUT ROWID"),
        QStringLiteral("CREATE TABLE IF NOT EXISTS marks(project TEXT NOT NULL, draw_time INTEGER NOT NULL,"
                       " slot INTEGER NOT NULL, day INTEGER NOT NULL, result TEXT NOT NULL, mark TEXT NOT NULL,"
                       " PRIMARY KEY(project, draw_time, slot)) WITHOUT ROWID"),
        QStringLiteral("CREATE INDEX IF NOT EXISTS marks_by_project_day ON marks(project, day)"),
    };
}

namespace {

constexpr int kLastDay = 99991231;

QString SqlFailure(const QSqlQuery &query)
{
    return QCoreApplication::translate("History", "公平抽取记录无法读写：%1").arg(query.lastError().text());
}

} // namespace

FairnessStore::FairnessStore(QString databasePath, QString project)
    : databasePath(std::move(databasePath)), project(std::move(project))
{
}

FairnessStore::~FairnessStore() = default;

bool FairnessStore::EnsureOpen()
{
    if (store && store->IsOpen())
        return true;
    store = std::make_unique<HistoryStore>();
    cachedStamp.reset();
    if (!store->Open(databasePath))
        return Fail(QCoreApplication::translate("History", "抽取历史无法打开：%1").arg(store->Notice()));
    if (!store->DamagedCopy().isEmpty())
        openNotice = store->Notice() + QCoreApplication::translate("History", "；轮换从新一轮开始。");
    else
        openNotice = store->Notice();
    return true;
}

bool FairnessStore::Fail(const QString &text)
{
    notice = text;
    cachedStamp.reset();
    return false;
}

BalanceHistory FairnessStore::ReadBalance(const QDate &firstDay, int recent)
{
    notice.clear();
    BalanceHistory balance;
    if (!EnsureOpen())
        return balance;
    notice = std::exchange(openNotice, QString());
    HistoryFilter filter;
    filter.project = project;
    filter.from = firstDay;
    for (const ResultCount &count : store->Counts(filter))
        balance.counts.insert(count.result, count.count);
    // An absent student was shown but not drawn.
    QSqlQuery absent(QSqlDatabase::database(store->ConnectionName()));
    absent.prepare(QStringLiteral("SELECT result, count(*) FROM marks WHERE project = ? AND day >= ? AND mark = ? GROUP BY result"));
    absent.addBindValue(project);
    absent.addBindValue(firstDay.isValid() ? HistoryStore::DayNumber(firstDay) : 0);
    absent.addBindValue(kMarkAbsent);
    if (absent.exec()) {
        while (absent.next()) {
            auto count = balance.counts.find(absent.value(0).toString());
            if (count != balance.counts.end())
                *count -= absent.value(1).toLongLong();
        }
    }
    if (recent > 0) {
        filter.from = QDate();
        // Every draw holds at least one result: `recent` draws are enough.
        for (const HistoryEntry &entry : store->Draws(filter, recent)) {
            for (const QString &result : entry.results) {
                if (balance.recent.size() < recent)
                    balance.recent.append(result);
            }
        }
    }
    return balance;
}

bool FairnessStore::UpdateRotation(const std::function<void(RotationState &)> &step)
{
    notice.clear();
    if (!EnsureOpen())
        return false;
    QSqlDatabase db = QSqlDatabase::database(store->ConnectionName());
    QSqlQuery query(db);
    // IMMEDIATE: the write lock comes first, so a second program waits for this turn to be
    // stored before it reads who is still due.
    if (!query.exec(QStringLiteral("BEGIN IMMEDIATE")))
        return Fail(SqlFailure(query));
    auto rollback = [&](const QSqlQuery &failed) {
        const QString text = SqlFailure(failed);
        QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
        return Fail(text);
    };
    query.prepare(QStringLiteral("SELECT round, stamp FROM rotations WHERE project = ?"));
    query.addBindValue(project);
    if (!query.exec())
        return rollback(query);
    qint64 round = 1;
    qint64 stamp = 0;
    if (query.next()) {
        round = query.value(0).toLongLong();
        stamp = query.value(1).toLongLong();
    }
    query.finish();
    if (cachedStamp != stamp) {
        QSet<QString> taken;
        query.prepare(QStringLiteral("SELECT entry FROM rotation_taken WHERE project = ?"));
        query.addBindValue(project);
        if (!query.exec())
            return rollback(query);
        while (query.next())
            taken.insert(query.value(0).toString());
        query.finish();
        cached.Load(round, std::move(taken));
    }
    // The step works on the cached state itself (copying a large round would cost more
    // than the turn); a failure below drops the cache, so it is read again next time.
    RotationState &state = cached;
    step(state);

    if (state.Restarted()) {
        query.prepare(QStringLiteral("DELETE FROM rotation_taken WHERE project = ?"));
        query.addBindValue(project);
        if (!query.exec())
            return rollback(query);
    }
    query.prepare(QStringLiteral("DELETE FROM rotation_taken WHERE project = ? AND entry = ?"));
    for (const QString &entry : state.Released()) {
        query.addBindValue(project);
        query.addBindValue(entry);
        if (!query.exec())
            return rollback(query);
    }
    query.prepare(QStringLiteral("INSERT OR IGNORE INTO rotation_taken(project, entry) VALUES(?, ?)"));
    for (const QString &entry : state.Added()) {
        query.addBindValue(project);
        query.addBindValue(entry);
        if (!query.exec())
            return rollback(query);
    }
    query.prepare(QStringLiteral("INSERT INTO rotations(project, round, stamp) VALUES(?, ?, ?) ON CONFLICT(project)"
                                 " DO UPDATE SET round = excluded.round, stamp = excluded.stamp"));
    query.addBindValue(project);
    query.addBindValue(state.Round());
    query.addBindValue(stamp + 1);
    if (!query.exec())
        return rollback(query);
    query.finish();
    if (!query.exec(QStringLiteral("COMMIT")))
        return rollback(query);
    state.MarkStored();
    cachedStamp = stamp + 1;
    notice = std::exchange(openNotice, QString());
    return true;
}

bool FairnessStore::RestartRotation()
{
    return UpdateRotation([](RotationState &state) { state.StartRound(); });
}

std::optional<RotationState> FairnessStore::ReadRotation()
{
    if (!EnsureOpen())
        return std::nullopt;
    QSqlQuery query(QSqlDatabase::database(store->ConnectionName()));
    query.prepare(QStringLiteral("SELECT round FROM rotations WHERE project = ?"));
    query.addBindValue(project);
    if (!query.exec())
        return std::nullopt;
    const qint64 round = query.next() ? query.value(0).toLongLong() : 1;
    query.finish();
    query.prepare(QStringLiteral("SELECT entry FROM rotation_taken WHERE project = ?"));
    query.addBindValue(project);
    if (!query.exec())
        return std::nullopt;
    QSet<QString> taken;
    while (query.next())
        taken.insert(query.value(0).toString());
    RotationState state;
    state.Load(round, std::move(taken));
    return state;
}

QList<QStringList> FairnessStore::ReadBatches()
{
    QList<QStringList> batches;
    if (!EnsureOpen())
        return batches;
    HistoryFilter filter;
    filter.project = project;
    for (const HistoryEntry &entry : store->DrawsOldestFirst(filter))
        batches.append(entry.results);
    return batches;
}

bool FairnessStore::SetMark(const DrawMark &mark)
{
    notice.clear();
    if (!EnsureOpen())
        return false;
    QSqlQuery query(QSqlDatabase::database(store->ConnectionName()));
    query.prepare(QStringLiteral("INSERT INTO marks(project, draw_time, slot, day, result, mark) VALUES(?, ?, ?, ?, ?, ?)"
                                 " ON CONFLICT(project, draw_time, slot) DO UPDATE SET result = excluded.result,"
                                 " mark = excluded.mark"));
    query.addBindValue(mark.project);
    query.addBindValue(mark.drawTime.toMSecsSinceEpoch());
    query.addBindValue(mark.slot);
    query.addBindValue(HistoryStore::DayNumber(mark.drawTime.toLocalTime().date()));
    query.addBindValue(mark.result);
    query.addBindValue(mark.mark);
    if (!query.exec())
        return Fail(SqlFailure(query));
    notice = std::exchange(openNotice, QString());
    return true;
}

QList<DrawMark> FairnessStore::Marks(const HistoryFilter &filter)
{
    QList<DrawMark> marks;
    if (!EnsureOpen())
        return marks;
    QSqlQuery query(QSqlDatabase::database(store->ConnectionName()));
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT project, draw_time, slot, result, mark FROM marks WHERE (? = '' OR project = ?)"
                                 " AND day BETWEEN ? AND ? ORDER BY draw_time, slot"));
    query.addBindValue(filter.project);
    query.addBindValue(filter.project);
    query.addBindValue(filter.from.isValid() ? HistoryStore::DayNumber(filter.from) : 0);
    query.addBindValue(filter.to.isValid() ? HistoryStore::DayNumber(filter.to) : kLastDay);
    if (query.exec()) {
        while (query.next())
            marks.append({query.value(0).toString(), QDateTime::fromMSecsSinceEpoch(query.value(1).toLongLong()),
                          query.value(2).toInt(), query.value(3).toString(), query.value(4).toString()});
    }
    return marks;
}

MarkCounts CountMarks(const QList<DrawMark> &marks)
{
    MarkCounts counts;
    for (const DrawMark &mark : marks)
        ++counts[mark.result][mark.mark];
    return counts;
}

QString FairWithoutHistoryNotice(FairMode mode)
{
    return QCoreApplication::translate(
               "History",
               "抽取历史已关闭（--no-history 或 Soft.ini 的 [History] Keep = 否），“%1”抽取按“普通”方式进行。")
        .arg(StoredValueText(FairModeText(mode)));
}
