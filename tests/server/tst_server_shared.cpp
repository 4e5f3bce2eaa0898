// Servers sharing one PostgreSQL database: leases, versioned checkpoints,
// and a table moving to another server behind HAProxy when its server is
// killed. Everything runs for real on loopback: a throw-away cluster,
// zentrix-server processes, HAProxy and zentrix-bot processes.
#include <QCborArray>
#include <QCborMap>
#include <QRegularExpression>
#include <QSet>
#include <QWebSocket>
#include <QtTest>
#include <atomic>
#include <latch>
#include <mutex>
#include <thread>

#include "net/protocol.h"
#include "server/store.h"
#include "shared_rig.h"

using namespace zx;

namespace {

// Skips only when what the test needs is not installed at all.
#define NEED_SHARED_RIG(haproxy)                                                                                     \
    if (rig::PostgresBin().isEmpty() || !rig::PostgresDriverPresent() || ((haproxy) && !rig::HaProxy::present()))   \
        QSKIP("needs postgresql, libqt6sql6-psql and haproxy: run tools/install-deps.sh test");

// A client of the protocol that keeps every message it gets.
struct Watcher {
    Watcher() {
        QObject::connect(&ws, &QWebSocket::binaryMessageReceived, [this](const QByteArray& b) {
            if (auto m = net::DecodeFrame(b)) inbox.append(*m);
        });
    }
    bool open(const QUrl& url) {
        inbox.clear();
        ws.open(url);
        if (!QTest::qWaitFor([this] { return ws.state() == QAbstractSocket::ConnectedState; }, 5000)) return false;
        ws.sendBinaryMessage(net::HelloFrame());
        return take(QStringLiteral("welcome")).has_value();
    }
    void send(const QString& kind, const QString& key, const QCborValue& value) {
        QCborMap m = net::Message(*net::KindFromName(kind));
        m.insert(key, value);
        ws.sendBinaryMessage(net::Encode(m));
    }
    std::optional<QCborMap> take(const QString& kind, int ms = 10000) {
        std::optional<QCborMap> found;
        (void)QTest::qWaitFor([&] {
            for (qsizetype i = 0; i < inbox.size(); ++i)
                if (inbox[i].value(QStringLiteral("kind")).toString() == kind) {
                    found = inbox.takeAt(i);
                    return true;
                }
            return false;
        }, ms);
        return found;
    }
    QWebSocket ws;
    QList<QCborMap> inbox;
};

int Moves(const QCborMap& status) { return static_cast<int>(status.value(QStringLiteral("moves")).toInteger()); }

}  // namespace

class TstServerShared : public QObject {
    Q_OBJECT
private slots:
    void oneServerHoldsATableAndAStaleWriteIsRefused();
    void aKilledServersTableGoesOnBehindHaproxyWithNothingShownLost();
    void aTableOutlivesTheDatabasesCrashWithNothingShownLost();
};

void TstServerShared::oneServerHoldsATableAndAStaleWriteIsRefused() {
    NEED_SHARED_RIG(false);
    rig::PgCluster pg;
    const QString why = pg.start();
    QVERIFY2(why.isEmpty(), qPrintable(why));
    QString error;
    server::Store a;
    QVERIFY2(a.openShared(pg.url(), QStringLiteral("ws://a"), 1, &error), qPrintable(error));
    server::TableRecord t;
    t.code = QStringLiteral("RACE22");
    t.state = server::TableState::Running;
    t.seats = {{{net::SeatType::Remote, QStringLiteral("Ann"), false}, QStringLiteral("0123456789abcdef0123456789abcdef")},
               {{net::SeatType::Easy, QStringLiteral("Bob"), true}, {}}};
    t.seed = 0xFEDCBA9876543210ull;  // the top bit set: kept through a signed column
    t.savedGame = QByteArray("line one\nline two\n\x01\xff", 19);
    QVERIFY2(a.save({&t}, &error), qPrintable(error));
    QCOMPARE(t.version, 1);

    server::Store b;
    QVERIFY2(b.openShared(pg.url(), QStringLiteral("ws://b"), 10, &error), qPrintable(error));
    server::TableRecord got;
    QString holder;
    QCOMPARE(b.take(t.code, &got, &holder), server::Store::Take::Held);
    QCOMPARE(holder, QStringLiteral("ws://a"));
    QCOMPARE(b.tableOfToken(t.seats[0].token), t.code);
    QCOMPARE(b.take(QStringLiteral("NOSUCH"), &got), server::Store::Take::Unknown);

    // a stops renewing (as if dead): once its lease is out, servers reach
    // for the table at the same moment and exactly one gets it.
    QVERIFY(QTest::qWaitFor([&] { return b.orphans() == std::vector<QString>{t.code}; }, 5000));
    constexpr int racers = 4;
    std::latch ready(racers);
    std::atomic<int> winners{0};
    std::mutex lock;
    server::TableRecord won;
    QString winner;
    std::vector<std::thread> threads;
    for (int i = 0; i < racers; ++i)
        threads.emplace_back([&, i] {
            server::Store s;
            const QString name = QStringLiteral("ws://racer%1").arg(i);
            const bool opened = s.openShared(pg.url(), name, 10, nullptr);
            ready.arrive_and_wait();
            server::TableRecord r;
            if (!opened || s.take(t.code, &r) != server::Store::Take::Taken) return;
            ++winners;
            r.moves = 99;
            if (!s.save({&r})) return;
            std::lock_guard guard(lock);
            won = r;
            winner = name;
        });
    for (std::thread& th : threads) th.join();
    QCOMPARE(winners.load(), 1);
    QCOMPARE(won.seed, t.seed);
    QCOMPARE(won.savedGame, t.savedGame);
    QCOMPARE(won.seats.size(), std::size_t{2});
    QCOMPARE(won.seats[0].token, t.seats[0].token);

    // The old holder comes back to life: its write is refused, its lease
    // is not renewed, and the winner's checkpoint stands.
    t.moves = 5;
    std::vector<QString> lost;
    QVERIFY(a.save({&t}, &error, &lost));
    QCOMPARE(lost, std::vector<QString>{t.code});
    QCOMPARE(a.renew()->size(), std::size_t{0});
    QCOMPARE(pg.psql(QStringLiteral("SELECT moves || ' ' || holder FROM game_tables WHERE code = 'RACE22'")),
             QStringLiteral("99 ") + winner);
}

void TstServerShared::aKilledServersTableGoesOnBehindHaproxyWithNothingShownLost() {
    NEED_SHARED_RIG(true);
    rig::PgCluster pg;
    const QString why = pg.start();
    QVERIFY2(why.isEmpty(), qPrintable(why));
    QTemporaryDir data;
    std::vector<std::unique_ptr<rig::ServerProc>> servers;
    for (int i = 0; i < 2; ++i) {
        servers.push_back(std::make_unique<rig::ServerProc>());
        QVERIFY(servers.back()->start(QStringLiteral(ZENTRIX_SERVER),
                                      {QStringLiteral("--store"), pg.url(), QStringLiteral("--instant"), QStringLiteral("--lease"),
                                       QStringLiteral("2"), QStringLiteral("--data"), data.filePath(QString::number(i))}));
    }
    rig::HaProxy proxy;
    QVERIFY(proxy.start({servers[0]->url, servers[1]->url}));

    // The table is made on the first server, which holds it; its open
    // tables are listed by the other too.
    Watcher host;
    QVERIFY(host.open(servers[0]->url));
    host.ws.sendBinaryMessage(net::CreateFrame(std::vector<net::SeatChoice>(4, {net::SeatType::Remote, {}, false}), {}, 41));
    const auto created = host.take(QStringLiteral("created"));
    QVERIFY(created);
    const QString code = created->value(QStringLiteral("table")).toString();
    Watcher other;
    QVERIFY(other.open(servers[1]->url));
    other.ws.sendBinaryMessage(net::Encode(net::Message(net::Kind::List)));
    const auto listed = other.take(QStringLiteral("tables"));
    QVERIFY(listed);
    QCOMPARE(listed->value(QStringLiteral("tables")).toArray().size(), 1);
    QCOMPARE(listed->value(QStringLiteral("tables")).toArray().at(0).toMap().value(QStringLiteral("table")).toString(), code);

    // Four bots through HAProxy: those that reach the second server are
    // sent to the first.
    QObject owner;
    std::vector<QProcess*> bots;
    const char* strengths[] = {"easy", "normal", "hard", "normal"};
    for (int i = 0; i < 4; ++i) {
        auto* bot = new QProcess(&owner);
        bot->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        bot->start(QStringLiteral(ZENTRIX_BOT), {QStringLiteral("--server"), proxy.url().toString(), QStringLiteral("--join"), code,
                                                 QStringLiteral("--strength"), QLatin1String(strengths[i])});
        bots.push_back(bot);
    }
    host.send(QStringLiteral("watch"), QStringLiteral("table"), code);
    int shown = 0;
    QVERIFY(QTest::qWaitFor([&] {
        for (const QCborMap& m : host.inbox)
            if (m.value(QStringLiteral("kind")).toString() == QLatin1String("status")) shown = std::max(shown, Moves(m));
        return shown >= 15;
    }, 60000));
    // Every status is sent after its checkpoint: the last one seen is in
    // the database when the server dies.
    servers[0]->p.kill();
    servers[0]->p.waitForFinished(5000);
    QCoreApplication::processEvents();
    for (const QCborMap& m : host.inbox)
        if (m.value(QStringLiteral("kind")).toString() == QLatin1String("status")) shown = std::max(shown, Moves(m));
    const int written = pg.psql(QStringLiteral("SELECT moves FROM game_tables WHERE code = '%1'").arg(code)).toInt();
    QVERIFY2(written >= shown, qPrintable(QStringLiteral("shown %1, written %2").arg(shown).arg(written)));

    // The second server takes the table once the lease runs out and goes on
    // from that checkpoint, not from an earlier one nor a new game.
    std::optional<QCborMap> first;
    QVERIFY(QTest::qWaitFor([&] {
        QTest::qWait(200);
        other.inbox.clear();
        other.send(QStringLiteral("watch"), QStringLiteral("table"), code);
        first = other.take(QStringLiteral("status"), 300);
        return first.has_value();
    }, 15000));
    QVERIFY2(Moves(*first) >= written, qPrintable(QStringLiteral("written %1, resumed at %2").arg(written).arg(Moves(*first))));
    QCOMPARE(pg.psql(QStringLiteral("SELECT holder FROM game_tables WHERE code = '%1'").arg(code)), servers[1]->url.toString());

    // A game of four bots takes a minute or two on a loaded 2-core machine.
    QSet<QString> places;
    for (QProcess* bot : bots) {
        QVERIFY(QTest::qWaitFor([bot] { return bot->state() == QProcess::NotRunning; }, 240000));
        QCOMPARE(bot->exitCode(), 0);
        const QStringList lines = QString::fromUtf8(bot->readAllStandardOutput()).trimmed().split(QLatin1Char('\n'));
        QVERIFY2(QRegularExpression(QStringLiteral("^place [1-4] of 4$")).match(lines.last()).hasMatch(), qPrintable(lines.last()));
        places.insert(lines.last());
    }
    QCOMPARE(places.size(), 4);
}

void TstServerShared::aTableOutlivesTheDatabasesCrashWithNothingShownLost() {
    NEED_SHARED_RIG(false);
    rig::PgCluster pg;
    const QString why = pg.start();
    QVERIFY2(why.isEmpty(), qPrintable(why));
    QTemporaryDir data;
    rig::ServerProc server;
    // The database's crash is the test: its commits must be synced, as
    // ?sync=on asks (by default a commit is synced a moment after it returns).
    QVERIFY(server.start(QStringLiteral(ZENTRIX_SERVER),
                         {QStringLiteral("--store"), pg.url() + QStringLiteral("&sync=on"), QStringLiteral("--data"), data.path()}));
    // Two computers play at the game's own pace; a watcher sees the moves.
    Watcher w;
    QVERIFY(w.open(server.url));
    w.ws.sendBinaryMessage(net::CreateFrame({{net::SeatType::Normal, {}, false}, {net::SeatType::Normal, {}, false}}, {}, 7));
    const auto created = w.take(QStringLiteral("created"));
    QVERIFY(created);
    const QString code = created->value(QStringLiteral("table")).toString();
    w.send(QStringLiteral("watch"), QStringLiteral("table"), code);
    auto latest = [&w] {
        int moves = -1;
        for (const QCborMap& m : w.inbox)
            if (m.value(QStringLiteral("kind")).toString() == QLatin1String("status")) moves = std::max(moves, Moves(m));
        return moves;
    };
    QVERIFY(QTest::qWaitFor([&] { return latest() >= 2; }, 30000));

    // While nothing can be written, nothing more is shown, though the table plays on...
    pg.stop();
    QTest::qWait(500);
    const int shown = latest();
    w.inbox.clear();
    QTest::qWait(3000);
    QCOMPARE(latest(), -1);
    // ...and once the database is back, the table plays on from what was
    // written (its lease ran out meanwhile, so its watchers were sent away
    // and come back), never behind what was shown.
    QVERIFY(pg.startAgain().isEmpty());
    std::optional<QCborMap> status;
    QVERIFY(QTest::qWaitFor([&] {
        QTest::qWait(300);
        if (w.ws.state() != QAbstractSocket::ConnectedState && !w.open(server.url)) return false;
        w.inbox.clear();
        w.send(QStringLiteral("watch"), QStringLiteral("table"), code);
        status = w.take(QStringLiteral("status"), 500);
        return status && Moves(*status) >= shown;
    }, 30000));
    const int written = pg.psql(QStringLiteral("SELECT moves FROM game_tables WHERE code = '%1'").arg(code)).toInt();
    QVERIFY2(written >= Moves(*status), qPrintable(QStringLiteral("shown %1, written %2").arg(Moves(*status)).arg(written)));
}

QTEST_GUILESS_MAIN(TstServerShared)
#include "tst_server_shared.moc"
