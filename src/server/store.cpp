#include "server/store.h"

#include <QCborMap>
#include <QCborValue>
#include <QDir>
#include <QRegularExpression>
#include <QUrl>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <atomic>

namespace zx::server {
namespace {

QString StateName(TableState s) {
    switch (s) {
        case TableState::Open: return QStringLiteral("open");
        case TableState::Running: return QStringLiteral("running");
        case TableState::Finished: return QStringLiteral("finished");
    }
    return QStringLiteral("open");
}

TableState StateFromName(const QString& s) {
    if (s == QLatin1String("running")) return TableState::Running;
    if (s == QLatin1String("finished")) return TableState::Finished;
    return TableState::Open;
}

net::TableOptions OptionsFrom(const QByteArray& cbor) {
    const QCborMap m = QCborValue::fromCbor(cbor).toMap();
    net::TableOptions o;
    o.autoSave = m.value(QLatin1String("autoSave")).toBool(o.autoSave);
    o.sounds = m.value(QLatin1String("sounds")).toBool(o.sounds);
    o.limitReactionTime = m.value(QLatin1String("limitReactionTime")).toBool(o.limitReactionTime);
    o.backgroundMusic = m.value(QLatin1String("backgroundMusic")).toBool(o.backgroundMusic);
    o.companySet = static_cast<int>(m.value(QLatin1String("companySet")).toInteger(o.companySet));
    o.awaySeconds = static_cast<int>(m.value(QLatin1String("awaySeconds")).toInteger(o.awaySeconds));
    return o;
}

// What a table's seats were when last written or read.
QString SeatsKey(const TableRecord& t) {
    QString key;
    for (const SeatRecord& s : t.seats)
        key += net::SeatTypeName(s.choice.type) + QLatin1Char('\x1f') + s.choice.name + QLatin1Char('\x1f') +
               (s.choice.male ? QLatin1Char('M') : QLatin1Char('F')) + s.token + QLatin1Char('\x1e');
    return key;
}

const QString Columns = QStringLiteral("code, options, seed, state, saved_game, moves, results");

}  // namespace

Store::Store() {
    static std::atomic<int> count{0};
    connection_ = QStringLiteral("zentrix-store-%1").arg(++count);
}

Store::~Store() {
    if (QSqlDatabase::contains(connection_)) {
        QSqlDatabase::database(connection_, false).close();
        QSqlDatabase::removeDatabase(connection_);
    }
}

bool Store::open(const QString& folder, QString* error) {
    if (!QDir().mkpath(folder)) {
        if (error) *error = QStringLiteral("cannot create the folder %1").arg(folder);
        return false;
    }
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection_);
    db.setDatabaseName(QDir(folder).filePath(QStringLiteral("tables.sqlite")));
    if (!db.open()) {
        if (error) *error = db.lastError().text();
        return false;
    }
    QSqlQuery q(db);
    // The write-ahead log keeps a checkpoint to one append and a sync at the
    // log's own checkpoints; a crash still leaves whole transactions only.
    for (const char* sql : {
             "PRAGMA journal_mode=WAL",
             "PRAGMA synchronous=NORMAL",
         }) {
        if (!q.exec(QLatin1String(sql))) {
            if (error) *error = q.lastError().text();
            return false;
        }
    }
    return createSchema(error);
}

bool Store::openShared(const QString& url, const QString& holder, int leaseSeconds, QString* error) {
    static const QRegularExpression form(QStringLiteral(
        R"(^postgres(?:ql)?://(?:([^:@/]*)(?::([^@/]*))?@)?([^/:?]*)(?::(\d+))?/([^?]+)(?:\?(.*))?$)"));
    const QRegularExpressionMatch m = form.match(url);
    if (!m.hasMatch()) {
        if (error) *error = QStringLiteral("not a postgresql://USER@HOST/DB address: %1").arg(url);
        return false;
    }
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), connection_);
    if (!db.isValid()) {
        if (error) *error = QStringLiteral("Qt's PostgreSQL driver is missing (Debian: libqt6sql6-psql)");
        return false;
    }
    auto part = [&](int i) { return QUrl::fromPercentEncoding(m.captured(i).toUtf8()); };
    db.setUserName(part(1));
    db.setPassword(part(2));
    QString host = part(3);
    bool syncCommits = false;
    for (const QString& pair : m.captured(6).split(QLatin1Char('&'), Qt::SkipEmptyParts)) {
        if (pair.startsWith(QLatin1String("host="))) host = QUrl::fromPercentEncoding(pair.mid(5).toUtf8());
        if (pair == QLatin1String("sync=on")) syncCommits = true;
    }
    db.setHostName(host);
    if (!m.captured(4).isEmpty()) db.setPort(m.captured(4).toInt());
    db.setDatabaseName(part(5));
    db.setConnectOptions(QStringLiteral("connect_timeout=10"));
    if (!db.open()) {
        if (error) *error = db.lastError().text();
        return false;
    }
    // A commit is in the database's memory and log when it returns, synced
    // to disk a moment later: a checkpoint outlives the death of the game
    // server (what a client was shown is never lost), and the server's
    // thread does not wait a disk sync for every action. Only a crash of the
    // database's machine loses the last fraction of a second, as with the
    // SQLite file. ?sync=on waits for the sync.
    asyncCommits_ = !syncCommits;
    startSession();
    shared_ = true;
    holder_ = holder;
    leaseSeconds_ = leaseSeconds;
    return createSchema(error);
}

void Store::startSession() {
    QSqlQuery q(QSqlDatabase::database(connection_, false));
    if (asyncCommits_) q.exec(QStringLiteral("SET synchronous_commit TO off"));
}

bool Store::createSchema(QString* error) {
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    QSqlQuery q(db);
    QStringList sql;
    if (shared_) {
        // Servers starting together would race to create the schema: one
        // at a time, under an advisory lock of the transaction.
        sql << QStringLiteral("SET client_min_messages TO warning") << QStringLiteral("BEGIN") << QStringLiteral("SELECT pg_advisory_xact_lock(7341)")
            << QStringLiteral("CREATE TABLE IF NOT EXISTS game_tables (code TEXT PRIMARY KEY, options BYTEA NOT NULL,"
                              " seed BIGINT NOT NULL, state TEXT NOT NULL, saved_game BYTEA, moves INTEGER NOT NULL DEFAULT 0,"
                              " results TEXT NOT NULL DEFAULT '', version BIGINT NOT NULL DEFAULT 1, holder TEXT,"
                              " lease_until TIMESTAMPTZ)")
            << QStringLiteral("CREATE TABLE IF NOT EXISTS seats (code TEXT NOT NULL REFERENCES game_tables ON DELETE CASCADE,"
                              " seat INTEGER NOT NULL, type TEXT NOT NULL, name TEXT NOT NULL, sex TEXT NOT NULL, token TEXT,"
                              " PRIMARY KEY (code, seat))")
            << QStringLiteral("CREATE INDEX IF NOT EXISTS seats_token ON seats (token)")
            << QStringLiteral("CREATE INDEX IF NOT EXISTS game_tables_state ON game_tables (state)")
            << QStringLiteral("COMMIT");
    } else {
        sql << QStringLiteral("CREATE TABLE IF NOT EXISTS game_tables (code TEXT PRIMARY KEY, options BLOB NOT NULL, seed INTEGER NOT NULL,"
                              " state TEXT NOT NULL, saved_game BLOB, moves INTEGER NOT NULL DEFAULT 0, results TEXT NOT NULL DEFAULT '')")
            << QStringLiteral("CREATE TABLE IF NOT EXISTS seats (code TEXT NOT NULL, seat INTEGER NOT NULL, type TEXT NOT NULL,"
                              " name TEXT NOT NULL, sex TEXT NOT NULL, token TEXT, PRIMARY KEY (code, seat))");
    }
    for (const QString& s : sql) {
        if (!q.exec(s)) {
            if (error) *error = q.lastError().text();
            if (shared_) q.exec(QStringLiteral("ROLLBACK"));
            return false;
        }
    }
    return true;
}

bool Store::save(const std::vector<TableRecord*>& tables, QString* error, std::vector<QString>* lost) {
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    // The seats change only as people join: most checkpoints are one
    // statement, which needs no transaction around it.
    std::vector<QString> keys;
    bool seatsToWrite = false;
    for (const TableRecord* t : tables) {
        keys.push_back(SeatsKey(*t));
        auto known = seatsWritten_.find(t->code);
        seatsToWrite = seatsToWrite || known == seatsWritten_.end() || known->second != keys.back();
    }
    const bool single = tables.size() == 1 && !seatsToWrite;
    auto fail = [&](const QSqlQuery& q) {
        if (error) *error = q.lastError().text();
        if (!single) db.rollback();
        return false;
    };
    if (!single && !db.transaction()) {
        if (error) *error = db.lastError().text();
        return false;
    }
    QSqlQuery table(db), insert(db), clear(db), seat(db);
    if (shared_) {
        // The lease is renewed with every write: a table being played
        // stays ours between the renewals too.
        table.prepare(QStringLiteral(
            "UPDATE game_tables SET options = ?, seed = ?, state = ?, saved_game = ?, moves = ?, results = ?,"
            " version = version + 1, lease_until = now() + ? * interval '1 second'"
            " WHERE code = ? AND version = ? AND holder = ?"));
        insert.prepare(QStringLiteral(
            "INSERT INTO game_tables (options, seed, state, saved_game, moves, results, version, lease_until, code, holder)"
            " VALUES (?, ?, ?, ?, ?, ?, 1, now() + ? * interval '1 second', ?, ?) ON CONFLICT (code) DO NOTHING"));
    } else {
        table.prepare(QStringLiteral(
            "INSERT OR REPLACE INTO game_tables (options, seed, state, saved_game, moves, results, code)"
            " VALUES (?, ?, ?, ?, ?, ?, ?)"));
    }
    clear.prepare(QStringLiteral("DELETE FROM seats WHERE code = ?"));
    seat.prepare(QStringLiteral("INSERT INTO seats (code, seat, type, name, sex, token) VALUES (?, ?, ?, ?, ?, ?)"));
    std::vector<TableRecord*> written;
    std::vector<QString> writtenKeys;
    for (std::size_t n = 0; n < tables.size(); ++n) {
        TableRecord* t = tables[n];
        QSqlQuery& q = shared_ && t->version == 0 ? insert : table;
        q.addBindValue(QCborValue(net::OptionsToCbor(t->options)).toCbor());
        // The integers are signed: the seed's bits are kept as they are.
        q.addBindValue(static_cast<qint64>(t->seed));
        q.addBindValue(StateName(t->state));
        q.addBindValue(t->savedGame);
        q.addBindValue(t->moves);
        // Never NULL: an empty list is an empty text.
        q.addBindValue(t->results.isEmpty() ? QStringLiteral("") : t->results.join(QLatin1Char('\n')));
        if (shared_) q.addBindValue(leaseSeconds_);
        q.addBindValue(t->code);
        if (shared_ && t->version != 0) q.addBindValue(t->version);
        if (shared_) q.addBindValue(holder_);
        if (!q.exec()) return fail(q);
        if (shared_ && q.numRowsAffected() != 1) {
            if (lost) lost->push_back(t->code);
            continue;
        }
        written.push_back(t);
        writtenKeys.push_back(keys[n]);
        auto known = seatsWritten_.find(t->code);
        if (known != seatsWritten_.end() && known->second == keys[n]) continue;
        clear.addBindValue(t->code);
        if (!clear.exec()) return fail(clear);
        for (std::size_t i = 0; i < t->seats.size(); ++i) {
            const SeatRecord& s = t->seats[i];
            seat.addBindValue(t->code);
            seat.addBindValue(static_cast<int>(i) + 1);
            seat.addBindValue(net::SeatTypeName(s.choice.type));
            seat.addBindValue(s.choice.name);
            seat.addBindValue(s.choice.male ? QStringLiteral("M") : QStringLiteral("F"));
            seat.addBindValue(s.token);
            if (!seat.exec()) return fail(seat);
        }
    }
    if (!single && !db.commit()) {
        if (error) *error = db.lastError().text();
        if (lost) lost->clear();
        return false;
    }
    for (std::size_t n = 0; n < written.size(); ++n) {
        ++written[n]->version;
        seatsWritten_[written[n]->code] = writtenKeys[n];
    }
    return true;
}

std::vector<TableRecord> Store::read(QSqlQuery& q) {
    std::vector<TableRecord> out;
    while (q.next()) {
        TableRecord t;
        t.code = q.value(0).toString();
        t.options = OptionsFrom(q.value(1).toByteArray());
        t.seed = static_cast<std::uint64_t>(q.value(2).toLongLong());
        t.state = StateFromName(q.value(3).toString());
        t.savedGame = q.value(4).toByteArray();
        t.moves = q.value(5).toInt();
        const QString results = q.value(6).toString();
        if (!results.isEmpty()) t.results = results.split(QLatin1Char('\n'));
        if (shared_) t.version = q.value(7).toLongLong();
        out.push_back(std::move(t));
    }
    QSqlQuery s(QSqlDatabase::database(connection_, false));
    s.prepare(QStringLiteral("SELECT type, name, sex, token FROM seats WHERE code = ? ORDER BY seat"));
    for (TableRecord& t : out) {
        s.addBindValue(t.code);
        if (!s.exec()) continue;
        while (s.next()) {
            SeatRecord r;
            r.choice.type = net::SeatTypeFromName(s.value(0).toString()).value_or(net::SeatType::Remote);
            r.choice.name = s.value(1).toString();
            r.choice.male = s.value(2).toString() == QLatin1String("M");
            r.token = s.value(3).toString();
            t.seats.push_back(r);
        }
        seatsWritten_[t.code] = SeatsKey(t);
    }
    return out;
}

std::vector<TableRecord> Store::loadAll(QString* error) {
    QSqlQuery q(QSqlDatabase::database(connection_, false));
    if (!q.exec(QStringLiteral("SELECT %1%2 FROM game_tables ORDER BY code").arg(Columns, shared_ ? QStringLiteral(", version") : QString()))) {
        if (error) *error = q.lastError().text();
        return {};
    }
    return read(q);
}

Store::Take Store::take(const QString& code, TableRecord* out, QString* otherHolder) {
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    QSqlQuery q(db);
    // One UPDATE decides between servers reaching for the same lease at
    // once: the row is locked by the first, and the second sees its result.
    // Taking counts the version up, so the old holder's next write fails
    // even should it still believe the table its own.
    q.prepare(QStringLiteral(
        "UPDATE game_tables SET holder = ?, lease_until = now() + ? * interval '1 second', version = version + 1"
        " WHERE code = ? AND (holder = ? OR holder IS NULL OR lease_until < now())"
        " RETURNING %1, version").arg(Columns));
    q.addBindValue(holder_);
    q.addBindValue(leaseSeconds_);
    q.addBindValue(code);
    q.addBindValue(holder_);
    if (!q.exec()) return Take::Failed;
    std::vector<TableRecord> got = read(q);
    if (!got.empty()) {
        *out = std::move(got.front());
        return Take::Taken;
    }
    QSqlQuery who(db);
    who.prepare(QStringLiteral("SELECT holder FROM game_tables WHERE code = ?"));
    who.addBindValue(code);
    if (!who.exec()) return Take::Failed;
    if (!who.next()) return Take::Unknown;
    if (otherHolder) *otherHolder = who.value(0).toString();
    return Take::Held;
}

QString Store::tableOfToken(const QString& token) {
    QSqlQuery q(QSqlDatabase::database(connection_, false));
    q.prepare(QStringLiteral("SELECT code FROM seats WHERE token = ?"));
    q.addBindValue(token);
    if (!q.exec() || !q.next()) return {};
    return q.value(0).toString();
}

std::optional<std::vector<QString>> Store::renew(QString* error) {
    QSqlQuery q(QSqlDatabase::database(connection_, false));
    q.prepare(QStringLiteral("UPDATE game_tables SET lease_until = now() + ? * interval '1 second'"
                             " WHERE holder = ? AND state <> 'finished' RETURNING code"));
    q.addBindValue(leaseSeconds_);
    q.addBindValue(holder_);
    if (!q.exec()) {
        if (error) *error = q.lastError().text();
        // The database restarted, or the network between: the connection
        // is made again for the next renewal and the writes after it.
        QSqlDatabase db = QSqlDatabase::database(connection_, false);
        db.close();
        if (db.open()) startSession();
        return std::nullopt;
    }
    std::vector<QString> codes;
    while (q.next()) codes.push_back(q.value(0).toString());
    return codes;
}

std::vector<QString> Store::orphans() {
    QSqlQuery q(QSqlDatabase::database(connection_, false));
    std::vector<QString> codes;
    if (!q.exec(QStringLiteral("SELECT code FROM game_tables WHERE state = 'running' AND lease_until < now()"))) return codes;
    while (q.next()) codes.push_back(q.value(0).toString());
    return codes;
}

std::vector<TableRecord> Store::openTables() {
    QSqlQuery q(QSqlDatabase::database(connection_, false));
    if (!q.exec(QStringLiteral("SELECT %1, version FROM game_tables WHERE state = 'open' ORDER BY code").arg(Columns))) return {};
    return read(q);
}

void Store::release() {
    QSqlQuery q(QSqlDatabase::database(connection_, false));
    q.prepare(QStringLiteral("UPDATE game_tables SET holder = NULL, lease_until = now() WHERE holder = ?"));
    q.addBindValue(holder_);
    q.exec();
}

}  // namespace zx::server
