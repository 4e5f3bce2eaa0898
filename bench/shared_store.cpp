// Servers sharing a PostgreSQL database, against the SQLite file of one
// server, in the same run (a throw-away cluster made by the bench itself):
//   shared_store writes [SECONDS]    checkpoint writes per second: one table
//                                    a transaction (as each checkpoint is
//                                    written before its table's updates go
//                                    out) and 50 tables a transaction (many
//                                    tables' checkpoints coming together)
//   shared_store failover [RUNS]     from SIGKILL of the server holding a
//                                    table to that table's next checkpoint
//                                    written by the other server (lease 2 s
//                                    and the default 10 s)
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QWebSocket>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "net/protocol.h"
#include "server/store.h"
#include "../tests/server/shared_rig.h"

using namespace zx;

namespace {

// A saved game of the size a table in play writes (about 2.5 KB).
QByteArray SavedGameLike(int n) {
    QByteArray b;
    for (int line = 0; b.size() < 2500; ++line) b += QByteArray::number(line * 7919 + n) + " \"Player name\" 1500000\n";
    return b;
}

std::vector<server::TableRecord> Tables(int count, const QString& prefix) {
    std::vector<server::TableRecord> tables(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        server::TableRecord& t = tables[static_cast<std::size_t>(i)];
        t.code = QStringLiteral("%1%2").arg(prefix).arg(i, 4, 10, QLatin1Char('0'));
        t.state = server::TableState::Running;
        for (int s = 0; s < 4; ++s)
            t.seats.push_back({{net::SeatType::Remote, QStringLiteral("Seat %1").arg(s + 1), false},
                               QStringLiteral("%1").arg(i * 4 + s, 32, 16, QLatin1Char('0'))});
        t.savedGame = SavedGameLike(i);
    }
    return tables;
}

// Writes per second over `seconds`, `batch` tables a transaction.
double Rate(server::Store& store, std::vector<server::TableRecord>& tables, int batch, double seconds) {
    std::vector<server::TableRecord*> all;
    for (auto& t : tables) all.push_back(&t);
    store.save(all);  // created
    QElapsedTimer clock;
    clock.start();
    long writes = 0;
    std::size_t next = 0;
    while (clock.elapsed() < seconds * 1000) {
        std::vector<server::TableRecord*> some;
        for (int i = 0; i < batch; ++i, next = (next + 1) % all.size()) {
            all[next]->moves += 1;
            some.push_back(all[next]);
        }
        QString error;
        if (!store.save(some, &error)) {
            std::fprintf(stderr, "write failed: %s\n", qPrintable(error));
            return 0;
        }
        writes += batch;
    }
    return writes / (clock.elapsed() / 1000.0);
}

int Writes(double seconds) {
    rig::PgCluster pg;
    // Commits synced to disk, as a real database does.
    if (const QString why = pg.start(true); !why.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(why));
        return 1;
    }
    QTemporaryDir dir;
    server::Store sqlite, postgres, synced;
    QString error;
    if (!sqlite.open(dir.path(), &error) || !postgres.openShared(pg.url(), QStringLiteral("ws://bench"), 60, &error) ||
        !synced.openShared(pg.url() + QStringLiteral("&sync=on"), QStringLiteral("ws://bench"), 60, &error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    std::printf("checkpoint writes per second, %.0f s each (SQLite: WAL, synchronous=NORMAL; PostgreSQL as the server\n"
                "uses it, and with sync=on: every commit waits for the disk's sync)\n",
                seconds);
    std::printf("%-28s %8s %8s %8s %8s %8s\n", "", "SQLite", "PG", "PG sync", "PG/SQL", "sync/SQL");
    int round = 0;
    for (const auto& [tables, batch] : std::vector<std::pair<int, int>>{{1, 1}, {50, 1}, {50, 50}}) {
        const QString prefix = QStringLiteral("R%1").arg(++round);
        auto a = Tables(tables, prefix), b = Tables(tables, prefix), c = Tables(tables, prefix + QLatin1Char('S'));
        // Alternated halves: the machine's noise falls on all three.
        double s = 0, p = 0, y = 0;
        for (int half = 0; half < 2; ++half) {
            s += Rate(sqlite, a, batch, seconds / 2) / 2;
            p += Rate(postgres, b, batch, seconds / 2) / 2;
            y += Rate(synced, c, batch, seconds / 2) / 2;
        }
        std::printf("%2d tables, %2d a transaction  %8.0f %8.0f %8.0f %8.2f %8.2f   per table: %.0f / %.0f / %.0f\n", tables,
                    batch, s, p, y, p / s, y / s, s / tables, p / tables, y / tables);
    }
    return 0;
}

int Failover(int runs) {
    rig::PgCluster pg;
    if (const QString why = pg.start(true); !why.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(why));
        return 1;
    }
    std::printf("from SIGKILL of a table's server to its next checkpoint on the other server\n");
    for (int lease : {2, 10}) {
        std::vector<double> taken, playing;
        for (int run = 0; run < runs; ++run) {
            QTemporaryDir data;
            rig::ServerProc a, b;
            const QStringList args{QStringLiteral("--store"), pg.url(), QStringLiteral("--lease"), QString::number(lease)};
            if (!a.start(QStringLiteral(ZENTRIX_SERVER), args + QStringList{QStringLiteral("--data"), data.filePath("a")}) ||
                !b.start(QStringLiteral(ZENTRIX_SERVER), args + QStringList{QStringLiteral("--data"), data.filePath("b")}))
                return 1;
            // Four computers at the game's own pace: a checkpoint every second or two.
            QWebSocket ws;
            QString code;
            QObject::connect(&ws, &QWebSocket::binaryMessageReceived, [&](const QByteArray& bytes) {
                const auto m = net::DecodeFrame(bytes);
                if (m && m->value(QStringLiteral("kind")).toString() == QLatin1String("welcome"))
                    ws.sendBinaryMessage(net::CreateFrame(std::vector<net::SeatChoice>(4, {net::SeatType::Normal, {}, false}), {}, 5 + run));
                if (m && m->value(QStringLiteral("kind")).toString() == QLatin1String("created"))
                    code = m->value(QStringLiteral("table")).toString();
            });
            QObject::connect(&ws, &QWebSocket::connected, [&] { ws.sendBinaryMessage(net::HelloFrame()); });
            ws.open(a.url);
            QElapsedTimer wait;
            wait.start();
            while (code.isEmpty() && wait.elapsed() < 10000) QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
            auto moves = [&] { return pg.psql(QStringLiteral("SELECT moves FROM game_tables WHERE code = '%1'").arg(code)).toInt(); };
            while (moves() < 3 && wait.elapsed() < 60000) QThread::msleep(100);
            const int atKill = moves();
            a.kill();
            QElapsedTimer clock;
            clock.start();
            double tookMs = -1;
            while (clock.elapsed() < 60000) {
                const QStringList row = pg.psql(QStringLiteral("SELECT holder || ' ' || moves FROM game_tables WHERE code = '%1'").arg(code))
                                            .split(QLatin1Char(' '));
                if (row.size() == 2 && row[0] == b.url.toString()) {
                    if (tookMs < 0) tookMs = clock.elapsed();
                    if (row[1].toInt() > atKill) break;
                }
                QThread::msleep(20);
            }
            taken.push_back(tookMs / 1000.0);
            playing.push_back(clock.elapsed() / 1000.0);
        }
        std::sort(taken.begin(), taken.end());
        std::sort(playing.begin(), playing.end());
        std::printf("lease %2d s: taken after %.2f s, next checkpoint after %.2f s (medians of %d; %.2f and %.2f lease)\n", lease,
                    taken[taken.size() / 2], playing[playing.size() / 2], runs, taken[taken.size() / 2] / lease,
                    playing[playing.size() / 2] / lease);
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() >= 2 && args[1] == QLatin1String("writes")) return Writes(args.size() > 2 ? args[2].toDouble() : 4);
    if (args.size() >= 2 && args[1] == QLatin1String("failover")) return Failover(args.size() > 2 ? args[2].toInt() : 3);
    std::fprintf(stderr, "usage: shared_store writes [SECONDS] | failover [RUNS]\n");
    return 2;
}
