#pragma once
// The tables' checkpoints: in an SQLite database (Qt SQL) in the server's
// data folder, or in a PostgreSQL database that any number of servers share.
// Every write is one transaction: after a crash a table is either at its
// last checkpoint or its one before, never half of each.
//
// In a shared database a table is held by one server at a time through a
// lease (holder, expiry) that the holder renews while it plays. Every
// checkpoint names the version it follows and the holder: a server whose
// lease was taken from it can never write over the new holder's game.
// Times are the database's own, so the servers' clocks need not agree.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <map>
#include <optional>
#include <vector>

#include "net/protocol.h"

class QSqlQuery;

namespace zx::server {

enum class TableState { Open, Running, Finished };

struct SeatRecord {
    net::SeatChoice choice;
    QString token;  // empty while the seat is free (remote seats only)
};

struct TableRecord {
    QString code;
    std::vector<SeatRecord> seats;
    net::TableOptions options;
    std::uint64_t seed = 0;
    TableState state = TableState::Open;
    // The saved-game lines of the last checkpoint (empty before the first).
    QByteArray savedGame;
    int moves = 0;
    QStringList results;
    // The shared database's count of writes, checked by each checkpoint
    // (0: never written).
    qint64 version = 0;
};

class Store {
public:
    Store();
    ~Store();
    Store(const Store&) = delete;
    Store& operator=(const Store&) = delete;

    // SQLite in `folder`.
    bool open(const QString& folder, QString* error);
    // PostgreSQL: postgresql://USER[:PASSWORD]@[HOST][:PORT]/DB[?host=SOCKETDIR][&sync=on].
    // The tables are held in the name of `holder` for `leaseSeconds`.
    bool openShared(const QString& url, const QString& holder, int leaseSeconds, QString* error);
    bool shared() const { return shared_; }
    const QString& holder() const { return holder_; }

    // Writes the tables and counts up their versions. In a shared database
    // a table whose version or holder is no longer ours is not written and
    // goes to `lost`; the others are.
    bool save(const std::vector<TableRecord*>& tables, QString* error = nullptr, std::vector<QString>* lost = nullptr);
    std::vector<TableRecord> loadAll(QString* error = nullptr);

    // Shared database only.
    enum class Take { Taken, Held, Unknown, Failed };
    // Takes the table's lease when it is ours already, free or expired, and
    // reads the table into `out`; `otherHolder` says who holds it when not.
    Take take(const QString& code, TableRecord* out, QString* otherHolder = nullptr);
    // The table of a seat's token.
    QString tableOfToken(const QString& token);
    // Renews every lease of ours on a table not finished: the codes still ours.
    std::optional<std::vector<QString>> renew(QString* error = nullptr);
    // Tables being played whose lease has run out (their server died).
    std::vector<QString> orphans();
    // The tables waiting for players, from every server.
    std::vector<TableRecord> openTables();
    // Gives up every lease of ours (a server stopping in peace).
    void release();

private:
    std::vector<TableRecord> read(QSqlQuery& q);
    bool createSchema(QString* error);
    void startSession();

    QString connection_;
    bool shared_ = false;
    QString holder_;
    int leaseSeconds_ = 10;
    bool asyncCommits_ = true;
    // Each table's seats as the database has them.
    std::map<QString, QString> seatsWritten_;
};

}  // namespace zx::server
