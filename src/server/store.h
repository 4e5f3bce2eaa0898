#pragma once
// The tables' checkpoints in an SQLite database (Qt SQL) in the server's
// data folder. Every write is one transaction: after a crash a table is
// either at its last checkpoint or its one before, never half of each.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>
#include <vector>

#include "net/protocol.h"

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
};

class Store {
public:
    Store();
    ~Store();
    Store(const Store&) = delete;
    Store& operator=(const Store&) = delete;

    bool open(const QString& folder, QString* error);
    bool save(const std::vector<const TableRecord*>& tables, QString* error = nullptr);
    std::vector<TableRecord> loadAll(QString* error = nullptr);

private:
    QString connection_;
};

}  // namespace zx::server
