#include "historystore.h"

#include "fairnessstore.h"
#include "pendingdraws.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <QJsonArray>
#include <QJsonDocument>
#include <QMap>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <atomic>
#include <QCoreApplication>

namespace {

enum class Failure { Damaged, Busy, ReadOnly, Full, CannotOpen, Other };

// SQLite's primary result codes, as Qt's driver reports them in nativeErrorCode().
Failure Classify(const QSqlError &error)
{
    switch (error.nativeErrorCode().toInt() & 0xFF) {
    case 11: // SQLITE_CORRUPT
    case 26: // SQLITE_NOTADB
        return Failure::Damaged;
    case 5: // SQLITE_BUSY
    case 6: // SQLITE_LOCKED
        return Failure::Busy;
    case 8: // SQLITE_READONLY
        return Failure::ReadOnly;
    case 13: // SQLITE_FULL
        return Failure::Full;
    case 14: // SQLITE_CANTOPEN
        return Failure::CannotOpen;
    default:
        return Failure::Other;
    }
}

QString FailureText(const QSqlError &error)
{
    switch (Classify(error)) {
    case Failure::Damaged:
        return QCoreApplication::translate("History", "历史记录文件已损坏。");
    case Failure::Busy:
        return QCoreApplication::translate("History", "历史记录文件被其他程序长时间占用，暂时无法写入。");
    case Failure::ReadOnly:
        return QCoreApplication::translate("History", "历史记录文件是只读的，无法写入。");
    case Failure::Full:
        return QCoreApplication::translate("History", "磁盘已满，历史记录无法写入。");
    case Failure::CannotOpen:
        return QCoreApplication::translate("History",
                                           "历史记录文件无法打开：它所在的文件夹不可写，或者没有读写它的权限。");
    case Failure::Other:
        break;
    }
    // SQLite's own words stay in brackets for whoever looks into it.
    return QCoreApplication::translate("History", "历史记录无法读写（%1）。").arg(error.text());
}

constexpr int kLastDay = 99991231;

int FromDay(const HistoryFilter &filter)
{
    return filter.from.isValid() ? HistoryStore::DayNumber(filter.from) : 0;
}

int ToDay(const HistoryFilter &filter)
{
    return filter.to.isValid() ? HistoryStore::DayNumber(filter.to) : kLastDay;
}

// "WHERE [project = ? AND] day BETWEEN ? AND ?", bound in that order by BindFilter.
QString FilterClause(const HistoryFilter &filter)
{
    return filter.project.isEmpty() ? QStringLiteral(" WHERE day BETWEEN ? AND ?")
                                    : QStringLiteral(" WHERE project = ? AND day BETWEEN ? AND ?");
}

void BindFilter(QSqlQuery &query, const HistoryFilter &filter)
{
    if (!filter.project.isEmpty())
        query.addBindValue(filter.project);
    query.addBindValue(FromDay(filter));
    query.addBindValue(ToDay(filter));
}

QString ResultsText(const QStringList &results)
{
    return QString::fromUtf8(QJsonDocument(QJsonArray::fromStringList(results)).toJson(QJsonDocument::Compact));
}

QStringList ResultsFromText(const QString &text)
{
    QStringList results;
    const QJsonArray array = QJsonDocument::fromJson(text.toUtf8()).array();
    results.reserve(array.size());
    for (const QJsonValue &value : array)
        results << value.toString();
    return results;
}

const QString kDrawColumns = QStringLiteral("SELECT id, time, project, batch, source, results FROM draws");

HistoryEntry EntryFromRow(const QSqlQuery &query)
{
    HistoryEntry entry;
    entry.id = query.value(0).toLongLong();
    entry.time = QDateTime::fromMSecsSinceEpoch(query.value(1).toLongLong());
    entry.project = query.value(2).toString();
    entry.batch = query.value(3).toInt();
    entry.source = query.value(4).toString();
    entry.results = ResultsFromText(query.value(5).toString());
    return entry;
}

const char *const kSchema[] = {
    "CREATE TABLE IF NOT EXISTS draws(id INTEGER PRIMARY KEY, project TEXT NOT NULL, day INTEGER NOT NULL,"
    " time INTEGER NOT NULL, batch INTEGER NOT NULL, source TEXT NOT NULL, results TEXT NOT NULL)",
    "CREATE INDEX IF NOT EXISTS draws_by_project_day ON draws(project, day)",
    "CREATE INDEX IF NOT EXISTS draws_by_day ON draws(day)",
    // Totals per day, kept with every insert: counts over any day range read these.
    "CREATE TABLE IF NOT EXISTS result_days(project TEXT NOT NULL, day INTEGER NOT NULL, result TEXT NOT NULL,"
    " count INTEGER NOT NULL, PRIMARY KEY(project, day, result)) WITHOUT ROWID",
    "CREATE TABLE IF NOT EXISTS draw_days(project TEXT NOT NULL, day INTEGER NOT NULL, draws INTEGER NOT NULL,"
    " PRIMARY KEY(project, day)) WITHOUT ROWID",
};

} // namespace

QString DamagedHistoryNotice(const QString &damagedFileName, qsizetype rescued)
{
    QString text =
        QCoreApplication::translate("History", "历史记录文件已损坏，已另存为 %1 并新建").arg(damagedFileName);
    if (rescued > 0)
        text += QCoreApplication::translate("History", "，其中仍可读出的 %1 次抽取已转入新文件").arg(rescued);
    return text;
}

int HistoryStore::DayNumber(const QDate &date)
{
    return date.year() * 10000 + date.month() * 100 + date.day();
}

HistoryStore::HistoryStore()
{
    static std::atomic<int> counter{0};
    connectionName = QStringLiteral("history-%1").arg(++counter);
}

HistoryStore::~HistoryStore()
{
    CloseConnection();
}

bool HistoryStore::IsOpen() const
{
    return QSqlDatabase::database(connectionName, false).isOpen();
}

void HistoryStore::CloseConnection() const
{
    if (!QSqlDatabase::contains(connectionName))
        return;
    {
        QSqlDatabase db = QSqlDatabase::database(connectionName, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(connectionName);
}

bool HistoryStore::OpenConnection(const QString &path) const
{
    CloseConnection();
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
        notice = QCoreApplication::translate("History", "无法创建历史记录文件夹“%1”。")
                     .arg(QDir::toNativeSeparators(QFileInfo(path).absolutePath()));
        return false;
    }
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QSQLITE"))) {
        notice = QCoreApplication::translate(
            "History", "缺少 Qt 的 SQLite 数据库驱动（Debian 软件包 libqt6sql6-sqlite），历史记录无法读写。");
        return false;
    }
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName);
    db.setDatabaseName(path);
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(kBusyTimeoutMs));
    if (!db.open()) {
        notice = FailureText(db.lastError());
        return false;
    }
    return true;
}

bool HistoryStore::Open(const QString &path)
{
    // A file this program cannot use is left alone: nothing is written to it.
    const bool opened = OpenAndPrepare(path);
    if (!opened) {
        CloseConnection();
        return false;
    }
    // Draws the command line left beside the file come in before anything is read. A
    // refusal (locked, full disk) leaves them there for the next reader.
    const QString folder = PendingDrawsFolder(path);
    if (!QFileInfo::exists(folder))
        return true;
    const QString openNotice = notice;
    QStringList unreadable;
    if (!Write([this, &unreadable](QSqlError &failure) { return FoldPendingDrawsOnce(unreadable, failure); }))
        return true;
    if (!unreadable.isEmpty())
        notice =
            QCoreApplication::translate("History", "%1 个待记入的抽取文件无法读取，已改名为 *.unreadable 保留在“%2”。")
                .arg(unreadable.size())
                .arg(QDir::toNativeSeparators(folder));
    else if (notice.isEmpty())
        notice = openNotice;
    return true;
}

bool HistoryStore::OpenAndPrepare(const QString &path)
{
    databasePath = path;
    notice.clear();
    damagedCopy.clear();
    if (!OpenConnection(path))
        return false;
    bool readable = false;
    QSqlError error;
    {
        QSqlQuery probe(QSqlDatabase::database(connectionName));
        readable = probe.exec(QStringLiteral("SELECT count(*) FROM sqlite_master"));
        error = probe.lastError();
    }
    if (readable)
        return PrepareSchema();
    if (Classify(error) != Failure::Damaged) {
        notice = FailureText(error);
        return false;
    }
    return RescueDamagedFile();
}

void HistoryStore::CheckIntegrity()
{
    if (IsOpen() && IsSound() == false)
        RescueDamagedFile();
}

bool HistoryStore::PutDamagedFileAside() const
{
    const QString &path = databasePath;
    QString target = path + QStringLiteral(".damaged");
    // An older damaged copy is kept too.
    for (int n = 2; QFileInfo::exists(target); ++n)
        target = path + QStringLiteral(".damaged-%1").arg(n);
    if (!QFile::rename(path, target)) {
        notice = QCoreApplication::translate("History", "历史记录文件已损坏，且无法另存（%1），历史记录暂停。")
                     .arg(QDir::toNativeSeparators(path));
        return false;
    }
    // The journal belongs to the damaged file; a new database must not pick it up.
    for (const QString suffix : {QStringLiteral("-wal"), QStringLiteral("-shm")}) {
        if (QFileInfo::exists(path + suffix) && !QFile::rename(path + suffix, target + suffix))
            QFile::remove(path + suffix);
    }
    damagedCopy = QFileInfo(target).fileName();
    return true;
}

std::optional<bool> HistoryStore::IsSound() const
{
    QSqlError error;
    {
        QSqlQuery query(QSqlDatabase::database(connectionName));
        // The first line is "ok" for a sound file, else the first problem found.
        if (query.exec(QStringLiteral("PRAGMA quick_check(1)")) && query.next())
            return query.value(0).toString() == QStringLiteral("ok");
        error = query.lastError();
    }
    if (Classify(error) == Failure::Damaged)
        return false;
    notice = FailureText(error);
    return std::nullopt;
}

bool HistoryStore::RescueDamagedFile() const
{
    // Another program (or another store here) may have replaced the file already; this
    // connection still saw the old one. The new file is then used as it is.
    if (!OpenConnection(databasePath))
        return false;
    const std::optional<bool> sound = IsSound();
    if (!sound) // cannot tell (locked, unreadable): nothing is put aside
        return false;
    if (*sound) {
        notice.clear();
        return PrepareSchema();
    }
    CloseConnection();
    if (!PutDamagedFileAside())
        return false;
    const QString damagedPath = QFileInfo(databasePath).dir().filePath(damagedCopy);
    QSqlError failure;
    const QList<HistoryEntry> rescued = ReadableDraws(damagedPath);
    if (!OpenConnection(databasePath) || !PrepareSchema() || !AppendOnce(rescued, failure)) {
        if (failure.isValid())
            notice = FailureText(failure);
        CloseConnection();
        return false;
    }
    notice = DamagedHistoryNotice(damagedCopy, rescued.size());
    return true;
}

QList<HistoryEntry> HistoryStore::ReadableDraws(const QString &damagedPath) const
{
    const QString rescueConnection = connectionName + QStringLiteral("-rescue");
    QMap<qint64, HistoryEntry> rows;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), rescueConnection);
        db.setDatabaseName(damagedPath);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        if (db.open()) {
            QSqlQuery query(db);
            query.setForwardOnly(true);
            // Each scan stops at the first damaged page: from both ends of the table,
            // the rows before and after the damage.
            for (const char *order : {" ORDER BY id", " ORDER BY id DESC"}) {
                if (query.exec(kDrawColumns + QLatin1String(order))) {
                    while (query.next())
                        rows.insert(query.value(0).toLongLong(), EntryFromRow(query));
                }
            }
            // The indexes are kept apart from the table: the ids they list reach rows on
            // sound pages between damaged ones, looked up one at a time.
            QList<qint64> ids;
            for (const char *scan : {"SELECT id FROM draws INDEXED BY draws_by_day ORDER BY day, id",
                                     "SELECT id FROM draws INDEXED BY draws_by_day ORDER BY day DESC, id DESC",
                                     "SELECT id FROM draws INDEXED BY draws_by_project_day ORDER BY project, day, id",
                                     "SELECT id FROM draws INDEXED BY draws_by_project_day"
                                     " ORDER BY project DESC, day DESC, id DESC"}) {
                if (query.exec(QString::fromLatin1(scan))) {
                    while (query.next())
                        ids << query.value(0).toLongLong();
                }
            }
            QSqlQuery lookup(db);
            lookup.prepare(kDrawColumns + QStringLiteral(" WHERE id = ?"));
            for (const qint64 id : std::as_const(ids)) {
                if (rows.contains(id))
                    continue;
                lookup.addBindValue(id);
                if (lookup.exec() && lookup.next())
                    rows.insert(id, EntryFromRow(lookup));
            }
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(rescueConnection);
    return rows.values();
}

bool HistoryStore::PrepareSchema() const
{
    QSqlDatabase db = QSqlDatabase::database(connectionName);
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("PRAGMA user_version")) || !query.next()) {
        notice = FailureText(query.lastError());
        return false;
    }
    const int version = query.value(0).toInt();
    query.finish();
    if (version > kSchemaVersion) {
        notice = QCoreApplication::translate("History", "历史记录文件由较新版本的程序创建，本程序不能读写它。");
        return false;
    }
    // WAL lets readers go on while one process writes; a read-only file keeps its mode.
    query.exec(QStringLiteral("PRAGMA journal_mode=WAL"));
    query.finish();
    // In WAL mode a commit then waits for no disk sync (the checkpoints do): a crash of
    // the program loses nothing, a power cut at most the last draws, never the file.
    query.exec(QStringLiteral("PRAGMA synchronous=NORMAL"));
    query.finish();
    if (version == kSchemaVersion)
        return true;
    // Two programs starting at once both get here; the immediate transaction lets one
    // create the tables while the other waits, then finds them.
    if (!query.exec(QStringLiteral("BEGIN IMMEDIATE"))) {
        notice = FailureText(query.lastError());
        return false;
    }
    // Every statement creates only what is missing: an older file is upgraded in place.
    QStringList statements;
    for (const char *statement : kSchema)
        statements << QString::fromLatin1(statement);
    statements << FairnessSchema();
    for (const QString &statement : std::as_const(statements)) {
        if (!query.exec(statement)) {
            notice = FailureText(query.lastError());
            query.exec(QStringLiteral("ROLLBACK"));
            return false;
        }
    }
    if (!query.exec(QStringLiteral("PRAGMA user_version = %1").arg(kSchemaVersion))
        || !query.exec(QStringLiteral("COMMIT"))) {
        notice = FailureText(query.lastError());
        query.exec(QStringLiteral("ROLLBACK"));
        return false;
    }
    return true;
}

bool HistoryStore::Append(const QList<HistoryEntry> &entries)
{
    if (entries.isEmpty())
        return true;
    return Write([this, &entries](QSqlError &failure) { return AppendOnce(entries, failure); });
}

bool HistoryStore::AppendOnce(const QList<HistoryEntry> &entries, QSqlError &failure) const
{
    if (entries.isEmpty())
        return true;
    QSqlQuery query(QSqlDatabase::database(connectionName));
    // IMMEDIATE: the write lock is taken (or waited for) before anything is read, so a
    // second writer cannot make the commit fail half-way.
    if (!query.exec(QStringLiteral("BEGIN IMMEDIATE"))) {
        failure = query.lastError();
        return false;
    }
    return InsertEntries(entries, failure) && Commit(query, failure);
}

bool HistoryStore::Commit(QSqlQuery &transaction, QSqlError &failure) const
{
    if (transaction.exec(QStringLiteral("COMMIT")))
        return true;
    failure = transaction.lastError();
    transaction.exec(QStringLiteral("ROLLBACK"));
    return false;
}

bool HistoryStore::InsertEntries(const QList<HistoryEntry> &entries, QSqlError &failure) const
{
    QSqlDatabase db = QSqlDatabase::database(connectionName);
    QSqlQuery insertDraw(db);
    insertDraw.prepare(QStringLiteral("INSERT INTO draws(project, day, time, batch, source, results) VALUES(?, ?, ?, ?, ?, ?)"));
    QHash<QString, QHash<int, int>> drawsPerDay;
    QHash<QString, QHash<int, QHash<QString, qint64>>> resultsPerDay;
    bool ok = true;
    for (const HistoryEntry &entry : entries) {
        const int day = DayNumber(entry.time.toLocalTime().date());
        insertDraw.addBindValue(entry.project);
        insertDraw.addBindValue(day);
        insertDraw.addBindValue(entry.time.toMSecsSinceEpoch());
        insertDraw.addBindValue(entry.batch);
        insertDraw.addBindValue(entry.source);
        insertDraw.addBindValue(ResultsText(entry.results));
        if (!insertDraw.exec()) {
            ok = false;
            failure = insertDraw.lastError();
            break;
        }
        ++drawsPerDay[entry.project][day];
        QHash<QString, qint64> &counts = resultsPerDay[entry.project][day];
        for (const QString &result : entry.results)
            ++counts[result];
    }
    QSqlQuery addDraws(db);
    addDraws.prepare(QStringLiteral("INSERT INTO draw_days(project, day, draws) VALUES(?, ?, ?)"
                                    " ON CONFLICT(project, day) DO UPDATE SET draws = draws + excluded.draws"));
    for (auto project = drawsPerDay.cbegin(); ok && project != drawsPerDay.cend(); ++project) {
        for (auto day = project->cbegin(); ok && day != project->cend(); ++day) {
            addDraws.addBindValue(project.key());
            addDraws.addBindValue(day.key());
            addDraws.addBindValue(day.value());
            if (!addDraws.exec()) {
                ok = false;
                failure = addDraws.lastError();
            }
        }
    }
    QSqlQuery addResults(db);
    addResults.prepare(QStringLiteral("INSERT INTO result_days(project, day, result, count) VALUES(?, ?, ?, ?)"
                                      " ON CONFLICT(project, day, result) DO UPDATE SET count = count + excluded.count"));
    for (auto project = resultsPerDay.cbegin(); ok && project != resultsPerDay.cend(); ++project) {
        for (auto day = project->cbegin(); ok && day != project->cend(); ++day) {
            for (auto result = day->cbegin(); ok && result != day->cend(); ++result) {
                addResults.addBindValue(project.key());
                addResults.addBindValue(day.key());
                addResults.addBindValue(result.key());
                addResults.addBindValue(result.value());
                if (!addResults.exec()) {
                    ok = false;
                    failure = addResults.lastError();
                }
            }
        }
    }
    insertDraw.finish();
    addDraws.finish();
    addResults.finish();
    if (!ok)
        QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
    return ok;
}

bool HistoryStore::FoldPendingDrawsOnce(QStringList &unreadable, QSqlError &failure) const
{
    const QString folder = PendingDrawsFolder(databasePath);
    QSqlDatabase db = QSqlDatabase::database(connectionName);
    QSqlQuery query(db);
    // The write lock first: of two programs folding at once, the second finds the files
    // the first took in already listed below.
    if (!query.exec(QStringLiteral("BEGIN IMMEDIATE"))) {
        failure = query.lastError();
        return false;
    }
    auto fail = [&query, &failure](const QSqlError &error) {
        failure = error;
        query.exec(QStringLiteral("ROLLBACK"));
        return false;
    };
    // The names of the files taken in are committed with their draws: a program ended
    // between the commit and removing the files does not have them taken in twice.
    if (!query.exec(QStringLiteral("CREATE TABLE IF NOT EXISTS folded_files(name TEXT PRIMARY KEY) WITHOUT ROWID")))
        return fail(query.lastError());
    QSet<QString> folded;
    if (!query.exec(QStringLiteral("SELECT name FROM folded_files")))
        return fail(query.lastError());
    while (query.next())
        folded.insert(query.value(0).toString());
    const QList<PendingDrawsFile> files = ListPendingDraws(folder);
    QList<HistoryEntry> entries;
    QStringList taken;
    unreadable.clear();
    for (const PendingDrawsFile &file : files) {
        if (folded.remove(file.name)) {
            taken << file.name;
            continue;
        }
        const std::optional<QList<HistoryEntry>> read = ReadPendingDraws(folder + QLatin1Char('/') + file.name);
        if (!read) {
            unreadable << file.name;
            continue;
        }
        entries << *read;
        taken << file.name;
    }
    if (!InsertEntries(entries, failure))
        return false;
    // Runs `sql` once for each name.
    auto forEachName = [&db](const QString &sql, const auto &names, QSqlError &failure) {
        QSqlQuery statement(db);
        statement.prepare(sql);
        for (const QString &name : names) {
            statement.addBindValue(name);
            if (!statement.exec()) {
                failure = statement.lastError();
                return false;
            }
        }
        return true;
    };
    QSqlError statementFailure;
    // Names left in `folded` belong to files removed long ago: unique names never return.
    if (!forEachName(QStringLiteral("INSERT OR REPLACE INTO folded_files(name) VALUES(?)"), taken, statementFailure)
        || !forEachName(QStringLiteral("DELETE FROM folded_files WHERE name = ?"), folded, statementFailure))
        return fail(statementFailure);
    if (!Commit(query, failure))
        return false;
    for (const QString &name : std::as_const(taken))
        QFile::remove(folder + QLatin1Char('/') + name);
    for (const QString &name : std::as_const(unreadable))
        SetPendingDrawsAside(folder, name);
    return true;
}

void HistoryStore::Read(const std::function<void(QSqlQuery &)> &read) const
{
    for (bool rescued = false;;) {
        QSqlError error;
        {
            QSqlQuery query(QSqlDatabase::database(connectionName, false));
            query.setForwardOnly(true);
            read(query);
            // A scan that meets a damaged page ends as if every row was read: only the
            // error tells them apart.
            error = query.lastError();
        }
        if (!error.isValid())
            return;
        notice = FailureText(error);
        if (rescued || Classify(error) != Failure::Damaged || !RescueDamagedFile())
            return;
        rescued = true;
    }
}

bool HistoryStore::Write(const std::function<bool(QSqlError &)> &write)
{
    if (!IsOpen()) {
        if (notice.isEmpty())
            notice = QCoreApplication::translate("History", "历史记录文件未能打开。");
        return false;
    }
    QSqlError failure;
    if (write(failure)) {
        notice.clear();
        return true;
    }
    notice = FailureText(failure);
    if (Classify(failure) != Failure::Damaged || !RescueDamagedFile())
        return false;
    // The rescue's own notice is what the user needs to hear about this write.
    const QString rescueNotice = notice;
    if (!write(failure)) {
        notice = FailureText(failure);
        return false;
    }
    notice = rescueNotice;
    return true;
}

QStringList HistoryStore::Projects() const
{
    QStringList projects;
    Read([&projects](QSqlQuery &query) {
        projects.clear();
        if (query.exec(QStringLiteral("SELECT DISTINCT project FROM draw_days ORDER BY project"))) {
            while (query.next())
                projects << query.value(0).toString();
        }
    });
    return projects;
}

qint64 HistoryStore::CountDraws(const HistoryFilter &filter) const
{
    qint64 count = 0;
    Read([&count, &filter](QSqlQuery &query) {
        query.prepare(QStringLiteral("SELECT COALESCE(SUM(draws), 0) FROM draw_days") + FilterClause(filter));
        BindFilter(query, filter);
        count = query.exec() && query.next() ? query.value(0).toLongLong() : 0;
    });
    return count;
}

QList<HistoryEntry> HistoryStore::Draws(const HistoryFilter &filter, int limit, std::optional<HistoryCursor> after) const
{
    QString sql = kDrawColumns + FilterClause(filter);
    // (day, id) walks the index backwards: the newest draws come first without sorting.
    if (after)
        sql += QStringLiteral(" AND (day, id) < (?, ?)");
    sql += QStringLiteral(" ORDER BY day DESC, id DESC LIMIT ?");
    QList<HistoryEntry> entries;
    Read([&](QSqlQuery &query) {
        entries.clear();
        query.prepare(sql);
        BindFilter(query, filter);
        if (after) {
            query.addBindValue(after->day);
            query.addBindValue(after->id);
        }
        query.addBindValue(limit);
        if (query.exec()) {
            while (query.next())
                entries << EntryFromRow(query);
        }
    });
    return entries;
}

QList<HistoryEntry> HistoryStore::DrawsOldestFirst(const HistoryFilter &filter) const
{
    QList<HistoryEntry> entries;
    Read([&entries, &filter](QSqlQuery &query) {
        entries.clear();
        query.prepare(kDrawColumns + FilterClause(filter) + QStringLiteral(" ORDER BY day, id"));
        BindFilter(query, filter);
        if (query.exec()) {
            while (query.next())
                entries << EntryFromRow(query);
        }
    });
    return entries;
}

QList<HistoryEntry> HistoryStore::DrawsAfter(const QString &project, qint64 id) const
{
    QList<HistoryEntry> entries;
    Read([&](QSqlQuery &query) {
        entries.clear();
        // Along the row ids, so only the draws stored since are visited ("+" keeps SQLite
        // from walking the project's index instead, which holds all of its draws).
        query.prepare(kDrawColumns + QStringLiteral(" WHERE id > ? AND +project = ? ORDER BY id"));
        query.addBindValue(id);
        query.addBindValue(project);
        if (query.exec()) {
            while (query.next())
                entries << EntryFromRow(query);
        }
    });
    return entries;
}

qint64 HistoryStore::LastDrawId() const
{
    qint64 id = 0;
    Read([&id](QSqlQuery &query) {
        id = query.exec(QStringLiteral("SELECT COALESCE(MAX(id), 0) FROM draws")) && query.next() ? query.value(0).toLongLong() : 0;
    });
    return id;
}

QList<ResultCount> HistoryStore::Counts(const HistoryFilter &filter) const
{
    QList<ResultCount> counts;
    Read([&counts, &filter](QSqlQuery &query) {
        counts.clear();
        query.prepare(QStringLiteral("SELECT result, SUM(count) AS total FROM result_days") + FilterClause(filter)
                      + QStringLiteral(" GROUP BY result ORDER BY total DESC, result"));
        BindFilter(query, filter);
        if (query.exec()) {
            while (query.next())
                counts.append({query.value(0).toString(), query.value(1).toLongLong()});
        }
    });
    return counts;
}

bool HistoryStore::ClearProject(const QString &project)
{
    return Write([this, &project](QSqlError &failure) { return ClearProjectOnce(project, failure); });
}

bool HistoryStore::ClearProjectOnce(const QString &project, QSqlError &failure) const
{
    QSqlQuery query(QSqlDatabase::database(connectionName, false));
    if (!query.exec(QStringLiteral("BEGIN IMMEDIATE"))) {
        failure = query.lastError();
        return false;
    }
    for (const QString table : {QStringLiteral("draws"), QStringLiteral("result_days"), QStringLiteral("draw_days")}) {
        query.prepare(QStringLiteral("DELETE FROM %1 WHERE project = ?").arg(table));
        query.addBindValue(project);
        if (!query.exec()) {
            failure = query.lastError();
            query.exec(QStringLiteral("ROLLBACK"));
            return false;
        }
    }
    if (!query.exec(QStringLiteral("COMMIT"))) {
        failure = query.lastError();
        query.exec(QStringLiteral("ROLLBACK"));
        return false;
    }
    return true;
}
