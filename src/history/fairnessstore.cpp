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
        // The values a list item of a custom project drew in balanced draws, one row each.
        QStringLiteral("CREATE TABLE IF NOT EXISTS item_turns(item TEXT NOT NULL, day INTEGER NOT NULL,"
                       " entry TEXT NOT NULL)"),
        QStringLiteral("CREATE INDEX IF NOT EXISTS item_turns_by_item_day ON item_turns(item, day)"),
    };
}

namespace {

constexpr int kLastDay = 99991231;

QString SqlFailure(const QSqlQuery &query)
{
    return QCoreApplication::translate("History", "公平抽取记录无法读写：%1").arg(query.lastError().text());
}

} // namespace

QString ItemFairnessKey(const QString &project, const QString &item)
{
    return project + QChar(0x1F) + item;
}

FairnessStore::FairnessStore(QString databasePath, QString project, Counting counting)
    : databasePath(std::move(databasePath)), project(std::move(project)), counting(counting)
{
}

FairnessStore::~FairnessStore() = default;

bool FairnessStore::EnsureOpen()
{
    if (store && store->IsOpen())
        return true;
    store = std::make_unique<HistoryStore>();
    cachedStamp.reset();
    kept = {};
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

void FairnessStore::UpdateKeptCounts(const QDate &firstDay)
{
    const HistoryFilter filter{project, firstDay, {}};
    // One read transaction: what is counted and the draw it is counted up to agree.
    QSqlQuery transaction(QSqlDatabase::database(store->ConnectionName()));
    transaction.exec(QStringLiteral("BEGIN"));
    if (kept.valid && kept.firstDay == firstDay) {
        const int firstDayNumber = firstDay.isValid() ? HistoryStore::DayNumber(firstDay) : 0;
        for (const HistoryEntry &entry : store->DrawsAfter(project, kept.lastId)) {
            kept.lastId = entry.id;
            // Draws another program made earlier can arrive late, with their own day.
            if (HistoryStore::DayNumber(entry.time.toLocalTime().date()) < firstDayNumber)
                continue;
            ++kept.draws;
            for (const QString &result : entry.results)
                KeepCount(result);
        }
        kept.valid = store->CountDraws(filter) == kept.draws;
    }
    if (!kept.valid || kept.firstDay != firstDay) {
        kept = {};
        kept.build = ++keptBuilds;
        kept.firstDay = firstDay;
        kept.lastId = store->LastDrawId();
        kept.draws = store->CountDraws(filter);
        for (const ResultCount &count : store->Counts(filter))
            kept.counts.insert(count.result, count.count);
        kept.valid = true;
    }
    transaction.exec(QStringLiteral("COMMIT"));
}

void FairnessStore::NoteDraw(const HistoryEntry &entry)
{
    if (entry.project != project)
        return;
    noted.push_back(entry);
    for (const QString &result : entry.results)
        ++notedCounts[result];
}

void FairnessStore::ForgetStoredDraws()
{
    if (noted.empty())
        return;
    QSqlQuery query(QSqlDatabase::database(store->ConnectionName()));
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT time FROM draws WHERE project = ? AND day >= ? AND time >= ?"));
    query.addBindValue(project);
    query.addBindValue(HistoryStore::DayNumber(noted.front().time.toLocalTime().date()));
    query.addBindValue(noted.front().time.toMSecsSinceEpoch());
    if (!query.exec())
        return;
    QSet<qint64> stored;
    while (query.next())
        stored.insert(query.value(0).toLongLong());
    if (stored.isEmpty())
        return;
    std::deque<HistoryEntry> left;
    for (HistoryEntry &entry : noted) {
        if (!stored.contains(entry.time.toMSecsSinceEpoch())) {
            left.push_back(std::move(entry));
            continue;
        }
        for (const QString &result : std::as_const(entry.results)) {
            if (--notedCounts[result] == 0)
                notedCounts.remove(result);
        }
    }
    noted = std::move(left);
}

void FairnessStore::KeepCount(const QString &result)
{
    ++kept.counts[result];
    if (placed.build != kept.build)
        return;
    if (const auto at = placed.positions->constFind(result); at != placed.positions->cend())
        ++placed.counts[size_t(*at)];
}

void FairnessStore::ReadCountsAhead(const QDate &firstDay)
{
    if (counting == Counting::ProjectDraws && EnsureOpen())
        UpdateKeptCounts(firstDay);
}

bool FairnessStore::UpdateBalance(const QDate &firstDay)
{
    notice.clear();
    if (!EnsureOpen())
        return false;
    notice = std::exchange(openNotice, QString());
    UpdateKeptCounts(firstDay);
    ForgetStoredDraws();
    return true;
}

QHash<QString, qint64> FairnessStore::AbsentCounts(const QDate &firstDay)
{
    QHash<QString, qint64> counts;
    QSqlQuery absent(QSqlDatabase::database(store->ConnectionName()));
    absent.prepare(QStringLiteral("SELECT result, count(*) FROM marks WHERE project = ? AND day >= ? AND mark = ? GROUP BY result"));
    absent.addBindValue(project);
    absent.addBindValue(firstDay.isValid() ? HistoryStore::DayNumber(firstDay) : 0);
    absent.addBindValue(kMarkAbsent);
    if (absent.exec()) {
        while (absent.next())
            counts.insert(absent.value(0).toString(), absent.value(1).toLongLong());
    }
    return counts;
}

QStringList FairnessStore::RecentResults(int recent)
{
    QStringList results;
    if (recent <= 0)
        return results;
    // The noted draws are the newest.
    for (auto entry = noted.crbegin(); entry != noted.crend() && results.size() < recent; ++entry) {
        for (const QString &result : entry->results) {
            if (results.size() < recent)
                results.append(result);
        }
    }
    // Every draw holds at least one result: `recent` draws are enough.
    for (const HistoryEntry &entry : store->Draws({project, {}, {}}, recent)) {
        for (const QString &result : entry.results) {
            if (results.size() < recent)
                results.append(result);
        }
    }
    return results;
}

BalanceHistory FairnessStore::ReadBalance(const QDate &firstDay, int recent)
{
    if (counting == Counting::OwnTurns) {
        notice.clear();
        if (!EnsureOpen())
            return {};
        notice = std::exchange(openNotice, QString());
        return ReadOwnTurns(firstDay, recent);
    }
    BalanceHistory balance;
    if (!UpdateBalance(firstDay))
        return balance;
    balance.counts = kept.counts;
    for (auto count = notedCounts.cbegin(); count != notedCounts.cend(); ++count)
        balance.counts[count.key()] += count.value();
    const QHash<QString, qint64> absent = AbsentCounts(firstDay);
    for (auto count = absent.cbegin(); count != absent.cend(); ++count) {
        if (const auto drawn = balance.counts.find(count.key()); drawn != balance.counts.end())
            *drawn = std::max<qint64>(0, *drawn - count.value());
    }
    balance.recent = RecentResults(recent);
    return balance;
}

ListBalance FairnessStore::ReadListBalance(const QDate &firstDay, int recent,
                                           const std::shared_ptr<const EntryPositions> &positions)
{
    if (counting == Counting::OwnTurns)
        return FairnessLedger::ReadListBalance(firstDay, recent, positions);
    ListBalance balance;
    if (!UpdateBalance(firstDay)) {
        balance.counts.assign(size_t(positions->size()), 0);
        return balance;
    }
    if (placed.positions != positions || placed.build != kept.build) {
        placed.positions = positions;
        placed.build = kept.build;
        placed.counts = PlaceBalance({kept.counts, {}}, *positions).counts;
    }
    balance.counts = placed.counts;
    auto add = [&](const QHash<QString, qint64> &counts, int sign) {
        for (auto count = counts.cbegin(); count != counts.cend(); ++count) {
            if (const auto at = positions->constFind(count.key()); at != positions->cend()) {
                qint64 &placedCount = balance.counts[size_t(*at)];
                placedCount = std::max<qint64>(0, placedCount + sign * count.value());
            }
        }
    };
    add(notedCounts, 1);
    add(AbsentCounts(firstDay), -1);
    balance.recent = RecentResults(recent);
    return balance;
}

BalanceHistory FairnessStore::ReadOwnTurns(const QDate &firstDay, int recent)
{
    BalanceHistory balance;
    QSqlQuery query(QSqlDatabase::database(store->ConnectionName()));
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT entry, count(*) FROM item_turns WHERE item = ? AND day >= ? GROUP BY entry"));
    query.addBindValue(project);
    query.addBindValue(firstDay.isValid() ? HistoryStore::DayNumber(firstDay) : 0);
    if (query.exec()) {
        while (query.next())
            balance.counts.insert(query.value(0).toString(), query.value(1).toLongLong());
    } else {
        notice = SqlFailure(query);
    }
    query.finish();
    // The turns of a draw are stored in order: the newest is the last row.
    query.prepare(QStringLiteral("SELECT entry FROM item_turns WHERE item = ? ORDER BY rowid DESC LIMIT ?"));
    query.addBindValue(project);
    query.addBindValue(recent);
    if (recent > 0 && query.exec()) {
        while (query.next())
            balance.recent.append(query.value(0).toString());
    }
    return balance;
}

void FairnessStore::KeepTurn(const QStringList &results)
{
    if (counting != Counting::OwnTurns || !EnsureOpen())
        return;
    QSqlDatabase db = QSqlDatabase::database(store->ConnectionName());
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("BEGIN IMMEDIATE"))) {
        Fail(SqlFailure(query));
        return;
    }
    query.prepare(QStringLiteral("INSERT INTO item_turns(item, day, entry) VALUES(?, ?, ?)"));
    for (const QString &result : results) {
        query.addBindValue(project);
        query.addBindValue(HistoryStore::DayNumber(QDate::currentDate()));
        query.addBindValue(result);
        if (!query.exec()) {
            Fail(SqlFailure(query));
            QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
            return;
        }
    }
    if (!query.exec(QStringLiteral("COMMIT")))
        Fail(SqlFailure(query));
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

QList<QStringList> FairnessStore::ReadBatches(int turnsPerDraw)
{
    QList<QStringList> batches;
    if (!EnsureOpen())
        return batches;
    if (counting == Counting::OwnTurns) {
        QSqlQuery query(QSqlDatabase::database(store->ConnectionName()));
        query.setForwardOnly(true);
        query.prepare(QStringLiteral("SELECT entry FROM item_turns WHERE item = ? ORDER BY rowid"));
        query.addBindValue(project);
        if (!query.exec()) {
            notice = SqlFailure(query);
            return batches;
        }
        while (query.next()) {
            if (batches.isEmpty() || batches.last().size() >= std::max(1, turnsPerDraw))
                batches.append(QStringList());
            batches.last().append(query.value(0).toString());
        }
        return batches;
    }
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
