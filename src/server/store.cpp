#include "server/store.h"

#include <QCborMap>
#include <QCborValue>
#include <QDir>
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
             "CREATE TABLE IF NOT EXISTS game_tables (code TEXT PRIMARY KEY, options BLOB NOT NULL, seed INTEGER NOT NULL,"
             " state TEXT NOT NULL, saved_game BLOB, moves INTEGER NOT NULL DEFAULT 0, results TEXT NOT NULL DEFAULT '')",
             "CREATE TABLE IF NOT EXISTS seats (code TEXT NOT NULL, seat INTEGER NOT NULL, type TEXT NOT NULL,"
             " name TEXT NOT NULL, sex TEXT NOT NULL, token TEXT, PRIMARY KEY (code, seat))",
         }) {
        if (!q.exec(QLatin1String(sql))) {
            if (error) *error = q.lastError().text();
            return false;
        }
    }
    return true;
}

bool Store::save(const std::vector<const TableRecord*>& tables, QString* error) {
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    auto fail = [&](const QSqlQuery& q) {
        if (error) *error = q.lastError().text();
        db.rollback();
        return false;
    };
    if (!db.transaction()) {
        if (error) *error = db.lastError().text();
        return false;
    }
    QSqlQuery table(db), clear(db), seat(db);
    table.prepare(QStringLiteral(
        "INSERT OR REPLACE INTO game_tables (code, options, seed, state, saved_game, moves, results)"
        " VALUES (?, ?, ?, ?, ?, ?, ?)"));
    clear.prepare(QStringLiteral("DELETE FROM seats WHERE code = ?"));
    seat.prepare(QStringLiteral("INSERT INTO seats (code, seat, type, name, sex, token) VALUES (?, ?, ?, ?, ?, ?)"));
    for (const TableRecord* t : tables) {
        table.addBindValue(t->code);
        table.addBindValue(QCborValue(net::OptionsToCbor(t->options)).toCbor());
        // SQLite's integers are signed: the seed's bits are kept as they are.
        table.addBindValue(static_cast<qint64>(t->seed));
        table.addBindValue(StateName(t->state));
        table.addBindValue(t->savedGame);
        table.addBindValue(t->moves);
        table.addBindValue(t->results.join(QLatin1Char('\n')));
        if (!table.exec()) return fail(table);
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
    if (!db.commit()) {
        if (error) *error = db.lastError().text();
        return false;
    }
    return true;
}

std::vector<TableRecord> Store::loadAll(QString* error) {
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    std::vector<TableRecord> out;
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("SELECT code, options, seed, state, saved_game, moves, results FROM game_tables ORDER BY code"))) {
        if (error) *error = q.lastError().text();
        return out;
    }
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
        out.push_back(std::move(t));
    }
    QSqlQuery s(db);
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
    }
    return out;
}

}  // namespace zx::server
