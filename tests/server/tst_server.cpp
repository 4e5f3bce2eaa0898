// The real zentrix-server program, started on loopback (port 0) and talked
// to over real sockets, as a client on another machine would.
#include <QCborArray>
#include <QCborMap>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSslCertificate>
#include <QSslConfiguration>
#include <QTemporaryDir>
#include <QWebSocket>
#include <QtTest>
#include <functional>
#include <memory>
#include <optional>

#include "net/protocol.h"
#include "lifecycle/savefile.h"
#include "rules/functions.h"
#include "server/store.h"
#include "server/table.h"

#include <QThread>
#include <sys/resource.h>

using namespace zx::net;

namespace {

class ServerProcess {
public:
    ~ServerProcess() {
        if (p.state() != QProcess::NotRunning) {
            p.kill();
            p.waitForFinished(5000);
        }
    }
    // Port 0 lets the system pick one; a restarted server takes the port
    // its clients know.
    bool start(const QStringList& args, int port = 0) {
        p.setProgram(QStringLiteral(ZENTRIX_SERVER));
        p.setArguments(args + QStringList{QStringLiteral("--listen"), QStringLiteral("127.0.0.1"), QStringLiteral("--port"),
                                          QString::number(port)});
        p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        p.start();
        if (!p.waitForStarted(5000)) return false;
        QElapsedTimer clock;
        clock.start();
        while (!p.canReadLine() && clock.elapsed() < 10000) p.waitForReadyRead(100);
        line = QString::fromUtf8(p.readLine()).trimmed();
        const QString prefix = QStringLiteral("listening on ");
        if (!line.startsWith(prefix)) return false;
        url = QUrl(line.mid(prefix.size()));
        return true;
    }
    void kill() {
        p.kill();
        p.waitForFinished(5000);
    }
    // SIGTERM; the exit code, or -1 when it crashed or did not stop.
    int terminate() {
        p.terminate();
        if (!p.waitForFinished(10000) || p.exitStatus() != QProcess::NormalExit) return -1;
        return p.exitCode();
    }
    QProcess p;
    QString line;
    QUrl url;
};

class Client {
public:
    Client() {
        QObject::connect(&ws, &QWebSocket::binaryMessageReceived, [this](const QByteArray& b) {
            frames.append(b);
            if (auto m = DecodeFrame(b)) inbox.append(*m);
        });
    }
    bool open(const QUrl& url, bool hello = true) {
        ws.open(url);
        if (!QTest::qWaitFor([this] { return ws.state() == QAbstractSocket::ConnectedState; }, 10000)) return false;
        if (!hello) return true;
        ws.sendBinaryMessage(HelloFrame());
        return waitFor(QStringLiteral("welcome")).has_value();
    }
    void send(const QCborMap& m) { ws.sendBinaryMessage(Encode(m)); }
    void send(const QString& kind, std::initializer_list<std::pair<QString, QCborValue>> fields) {
        QCborMap m;
        m.insert(QStringLiteral("kind"), kind);
        for (const auto& [k, v] : fields) m.insert(k, v);
        send(m);
    }
    // The first message of this kind (and passing `test`) not yet taken;
    // the ones before it stay.
    std::optional<QCborMap> waitFor(const QString& kind, std::function<bool(const QCborMap&)> test = {}, int ms = 15000) {
        std::optional<QCborMap> found;
        (void)QTest::qWaitFor([&] {
            for (qsizetype i = 0; i < inbox.size(); ++i) {
                if (inbox[i].value(QStringLiteral("kind")).toString() == kind && (!test || test(inbox[i]))) {
                    found = inbox.takeAt(i);
                    return true;
                }
            }
            return false;
        }, ms);
        return found;
    }
    QString error(int ms = 10000) {
        auto e = waitFor(QStringLiteral("error"), {}, ms);
        return e ? e->value(QStringLiteral("code")).toString() : QString();
    }
    QString create(const std::vector<SeatChoice>& seats, std::optional<std::uint64_t> seed = std::nullopt) {
        ws.sendBinaryMessage(CreateFrame(seats, {}, seed));
        auto m = waitFor(QStringLiteral("created"));
        return m ? m->value(QStringLiteral("table")).toString() : QString();
    }
    bool closedByServer() {
        return QTest::qWaitFor([this] { return ws.state() == QAbstractSocket::UnconnectedState; }, 10000);
    }
    QWebSocket ws;
    QList<QCborMap> inbox;
    QList<QByteArray> frames;  // every frame received, as it came
};

SeatChoice Seat(SeatType t, const QString& name = {}) { return SeatChoice{t, name, false}; }

int Moves(const QCborMap& status) { return static_cast<int>(status.value(QStringLiteral("moves")).toInteger()); }
bool Finished(const QCborMap& status) { return status.value(QStringLiteral("finished")).toBool(); }

}  // namespace

class TstServer : public QObject {
    Q_OBJECT
private slots:
    void computersPlayAnInstantTableToItsResults();
    void lobbyJoinResumeAndRefusals();
    void hostileInputIsRefusedAndOthersGoOn();
    void tablesSurviveKillAndTerm();
    void servesWssWithACertificate();
    void aRemoteSeatsBoxWaitsIdleWhileOtherTablesPlay();
    void fourBotsPlayToTheResultsOneComingBackWithItsToken();
    void aComputerStandsInForAnAbsentSeatAndGivesItBack();
    void aSeatsSecretsAndControlsStayItsOwn();
    void botsComeBackToARestartedServerAndFinish();
    void seatedPlayersChatAndOthersMayNot();
};

void TstServer::computersPlayAnInstantTableToItsResults() {
    QTemporaryDir data;
    ServerProcess server;
    QVERIFY(server.start({QStringLiteral("--data"), data.path(), QStringLiteral("--instant")}));
    QVERIFY(server.line.startsWith(QStringLiteral("listening on ws://127.0.0.1:")));
    Client c;
    QVERIFY(c.open(server.url));
    const QString code = c.create({Seat(SeatType::Easy), Seat(SeatType::Normal), Seat(SeatType::Normal), Seat(SeatType::Easy)}, 11);
    QVERIFY(LooksLikeTableCode(code));
    c.send(QStringLiteral("watch"), {{QStringLiteral("table"), code}});
    auto done = c.waitFor(QStringLiteral("status"), Finished, 60000);
    QVERIFY(done);
    QStringList results;
    for (const QCborValue& name : done->value(QStringLiteral("results")).toArray()) results << name.toString();
    results.sort();
    QCOMPARE(results, (QStringList{"Player 1", "Player 2", "Player 3", "Player 4"}));
}

void TstServer::lobbyJoinResumeAndRefusals() {
    QTemporaryDir data;
    ServerProcess server;
    QVERIFY(server.start({QStringLiteral("--data"), data.path()}));
    Client a, b, c, d;
    for (Client* x : {&a, &b, &c, &d}) QVERIFY(x->open(server.url));
    const QString code = a.create({Seat(SeatType::Remote), Seat(SeatType::Remote), Seat(SeatType::Easy, QStringLiteral("Cleo"))});
    QVERIFY(!code.isEmpty());

    a.send(QStringLiteral("list"), {});
    auto tables = a.waitFor(QStringLiteral("tables"));
    QVERIFY(tables);
    bool listed = false;
    for (const QCborValue& t : tables->value(QStringLiteral("tables")).toArray()) {
        if (t.toMap().value(QStringLiteral("table")).toString() != code) continue;
        listed = true;
        const QCborArray seats = t.toMap().value(QStringLiteral("seats")).toArray();
        QCOMPARE(seats.size(), 3);
        QVERIFY(seats[0].toMap().value(QStringLiteral("free")).toBool());
        QVERIFY(seats[1].toMap().value(QStringLiteral("free")).toBool());
        QVERIFY(!seats[2].toMap().value(QStringLiteral("free")).toBool());
    }
    QVERIFY(listed);

    a.send(QStringLiteral("join"), {{QStringLiteral("table"), code}, {QStringLiteral("name"), QStringLiteral("Ann")}});
    auto joinedA = a.waitFor(QStringLiteral("joined"));
    QVERIFY(joinedA);
    const QString tokenA = joinedA->value(QStringLiteral("token")).toString();
    QVERIFY(LooksLikeToken(tokenA));
    // Another seat may not take a name in use.
    b.send(QStringLiteral("join"), {{QStringLiteral("table"), code}, {QStringLiteral("name"), QStringLiteral("Cleo")}});
    QCOMPARE(b.error(), QStringLiteral("bad-name"));
    b.send(QStringLiteral("join"), {{QStringLiteral("table"), code}});
    auto joinedB = b.waitFor(QStringLiteral("joined"));
    QVERIFY(joinedB);
    QCOMPARE(joinedB->value(QStringLiteral("seat")).toInteger(), 2);
    QVERIFY(joinedB->value(QStringLiteral("token")).toString() != tokenA);
    QVERIFY(b.waitFor(QStringLiteral("status"), [](const QCborMap& s) { return s.value(QStringLiteral("started")).toBool(); }));

    c.send(QStringLiteral("join"), {{QStringLiteral("table"), code}});
    QCOMPARE(c.error(), QStringLiteral("table-full"));
    c.send(QStringLiteral("join"), {{QStringLiteral("table"), QStringLiteral("ZZZZZZ")}});
    QCOMPARE(c.error(), QStringLiteral("unknown-table"));
    c.send(QStringLiteral("resume"), {{QStringLiteral("token"), QString(32, QLatin1Char('0'))}});
    QCOMPARE(c.error(), QStringLiteral("bad-token"));
    c.send(QStringLiteral("answer"), {{QStringLiteral("box"), 1}, {QStringLiteral("answer"), QStringLiteral("ok")}});
    QCOMPARE(c.error(), QStringLiteral("not-seated"));

    // Ann's connection drops; a new one takes her seat back with the token.
    a.ws.close();
    QVERIFY(b.waitFor(QStringLiteral("status"), [](const QCborMap& s) {
        return !s.value(QStringLiteral("seats")).toArray()[0].toMap().value(QStringLiteral("connected")).toBool();
    }));
    d.send(QStringLiteral("resume"), {{QStringLiteral("token"), tokenA}});
    auto resumed = d.waitFor(QStringLiteral("resumed"));
    QVERIFY(resumed);
    QCOMPARE(resumed->value(QStringLiteral("table")).toString(), code);
    QCOMPARE(resumed->value(QStringLiteral("seat")).toInteger(), 1);
    auto status = d.waitFor(QStringLiteral("status"));
    QVERIFY(status);
    const QCborMap seat1 = status->value(QStringLiteral("seats")).toArray()[0].toMap();
    QCOMPARE(seat1.value(QStringLiteral("name")).toString(), QStringLiteral("Ann"));
    QVERIFY(seat1.value(QStringLiteral("connected")).toBool());

    // A started table is no longer open.
    c.send(QStringLiteral("list"), {});
    tables = c.waitFor(QStringLiteral("tables"));
    QVERIFY(tables);
    for (const QCborValue& t : tables->value(QStringLiteral("tables")).toArray())
        QVERIFY(t.toMap().value(QStringLiteral("table")).toString() != code);
}

void TstServer::hostileInputIsRefusedAndOthersGoOn() {
    QTemporaryDir data;
    ServerProcess server;
    QVERIFY(server.start({QStringLiteral("--data"), data.path(), QStringLiteral("--instant")}));
    Client calm;
    QVERIFY(calm.open(server.url));
    const QString code = calm.create({Seat(SeatType::Easy), Seat(SeatType::Easy)}, 3);
    calm.send(QStringLiteral("watch"), {{QStringLiteral("table"), code}});

    // Another version, or no hello at all: a clear error, then closed.
    Client old;
    QVERIFY(old.open(server.url, false));
    old.ws.sendBinaryMessage(HelloFrame(ProtocolVersion + 1));
    auto e = old.waitFor(QStringLiteral("error"));
    QVERIFY(e);
    QCOMPARE(e->value(QStringLiteral("code")).toString(), QStringLiteral("version"));
    QVERIFY(e->value(QStringLiteral("text")).toString().contains(QString::number(ProtocolVersion)));
    QVERIFY(old.closedByServer());
    Client noHello;
    QVERIFY(noHello.open(server.url, false));
    noHello.ws.sendBinaryMessage(QByteArray("\xff\x00\x13garbage", 10));
    QCOMPARE(noHello.error(), QStringLiteral("version"));
    QVERIFY(noHello.closedByServer());

    // Greeted, then garbage of every kind: errors, and the connection lives.
    Client rude;
    QVERIFY(rude.open(server.url));
    QRandomGenerator bytes(5);
    for (int i = 0; i < 20; ++i) {
        QByteArray junk(1 + bytes.bounded(300), Qt::Uninitialized);
        for (char& ch : junk) ch = static_cast<char>(bytes.bounded(256));
        rude.ws.sendBinaryMessage(junk);
    }
    rude.send(QStringLiteral("create"), {{QStringLiteral("seats"), 7}});
    rude.send(QStringLiteral("join"), {{QStringLiteral("table"), QCborArray{1, 2}}});
    rude.send(QStringLiteral("welcome"), {});
    rude.ws.sendTextMessage(QStringLiteral("{\"kind\":\"list\"}"));
    rude.send(QStringLiteral("list"), {});
    QVERIFY(rude.waitFor(QStringLiteral("tables")));
    QVERIFY(rude.inbox.size() >= 20);
    for (const QCborMap& m : rude.inbox) QCOMPARE(m.value(QStringLiteral("kind")).toString(), QStringLiteral("error"));

    // A frame over the limit ends that connection only.
    Client huge;
    QVERIFY(huge.open(server.url));
    huge.ws.sendBinaryMessage(QByteArray(MaxMessageBytes * 4, 'x'));
    QVERIFY(huge.closedByServer());

    // One connection makes only so many tables.
    rude.inbox.clear();
    for (int i = 0; i < MaxTablesPerConnection; ++i) QVERIFY(!rude.create({Seat(SeatType::Remote), Seat(SeatType::Remote)}).isEmpty());
    rude.ws.sendBinaryMessage(CreateFrame({Seat(SeatType::Remote), Seat(SeatType::Remote)}));
    QCOMPARE(rude.error(), QStringLiteral("busy"));

    // A flood is cut off.
    Client flood;
    QVERIFY(flood.open(server.url));
    for (int i = 0; i < 2 * RateBurst; ++i) flood.send(QStringLiteral("list"), {});
    QCOMPARE(flood.error(), QStringLiteral("too-fast"));
    QVERIFY(flood.closedByServer());

    QVERIFY(calm.waitFor(QStringLiteral("status"), Finished, 60000));
}

void TstServer::tablesSurviveKillAndTerm() {
    QTemporaryDir data;
    const QStringList args{QStringLiteral("--data"), data.path()};
    QStringList codes;
    std::map<QString, int> movesBefore;
    auto watchAll = [&](Client& c) {
        for (const QString& code : codes) c.send(QStringLiteral("watch"), {{QStringLiteral("table"), code}});
    };
    // Until every table has checkpointed at least `least` moves; returns the moves seen.
    auto waitMoves = [&](Client& c, std::map<QString, int> least) {
        std::map<QString, int> seen;
        for (const QString& code : codes) {
            auto s = c.waitFor(QStringLiteral("status"), [&](const QCborMap& m) {
                return m.value(QStringLiteral("table")).toString() == code && Moves(m) >= least[code];
            }, 40000);
            seen[code] = s ? Moves(*s) : -1;
        }
        return seen;
    };
    {
        ServerProcess server;
        QVERIFY(server.start(args));
        Client c;
        QVERIFY(c.open(server.url));
        codes << c.create({Seat(SeatType::Easy), Seat(SeatType::Normal)}, 21)
              << c.create({Seat(SeatType::Normal), Seat(SeatType::Easy), Seat(SeatType::Easy)}, 22);
        watchAll(c);
        movesBefore = waitMoves(c, {{codes[0], 2}, {codes[1], 2}});
        for (const auto& [code, moves] : movesBefore) QVERIFY2(moves >= 2, qPrintable(code));
        server.kill();  // SIGKILL, in the middle of play
    }
    {
        ServerProcess server;
        QVERIFY(server.start(args));
        Client c;
        QVERIFY(c.open(server.url));
        watchAll(c);
        // Each table goes on from its checkpoint, not from the start.
        for (const auto& [code, moves] : waitMoves(c, movesBefore)) QVERIFY2(moves >= movesBefore[code], qPrintable(code));
        c.inbox.clear();
        std::map<QString, int> more;
        for (const auto& [code, moves] : movesBefore) more[code] = moves + 1;
        movesBefore = waitMoves(c, more);
        QCOMPARE(server.terminate(), 0);
    }
    {
        ServerProcess server;
        QVERIFY(server.start(args + QStringList{QStringLiteral("--instant")}));
        Client c;
        QVERIFY(c.open(server.url));
        watchAll(c);
        // Each goes on from its checkpoint and plays to its end.
        for (const QString& code : codes) {
            auto end = c.waitFor(QStringLiteral("status"), [&](const QCborMap& m) {
                return m.value(QStringLiteral("table")).toString() == code && Finished(m);
            }, 60000);
            QVERIFY2(end, qPrintable(code));
            QVERIFY(Moves(*end) >= movesBefore[code]);
            QVERIFY(!end->value(QStringLiteral("results")).toArray().isEmpty());
        }
    }
}

void TstServer::servesWssWithACertificate() {
    QTemporaryDir dir;
    const QString cert = dir.filePath(QStringLiteral("cert.pem")), key = dir.filePath(QStringLiteral("key.pem"));
    QProcess openssl;
    openssl.start(QStringLiteral("openssl"),
                  {"req", "-x509", "-newkey", "ec", "-pkeyopt", "ec_paramgen_curve:prime256v1", "-nodes", "-days", "1",
                   "-subj", "/CN=localhost", "-addext", "subjectAltName=IP:127.0.0.1", "-keyout", key, "-out", cert});
    if (!openssl.waitForFinished(20000) || openssl.exitCode() != 0) QSKIP("openssl could not make a certificate");
    ServerProcess server;
    QVERIFY(server.start({QStringLiteral("--data"), dir.filePath(QStringLiteral("data")), QStringLiteral("--tls-cert"), cert,
                          QStringLiteral("--tls-key"), key}));
    QVERIFY(server.line.startsWith(QStringLiteral("listening on wss://127.0.0.1:")));
    QFile pem(cert);
    QVERIFY(pem.open(QIODevice::ReadOnly));
    QSslConfiguration trust = QSslConfiguration::defaultConfiguration();
    trust.setCaCertificates(QSslCertificate::fromData(pem.readAll(), QSsl::Pem));
    Client c;
    c.ws.setSslConfiguration(trust);
    QVERIFY(c.open(server.url));
    QVERIFY(LooksLikeTableCode(c.create({Seat(SeatType::Easy), Seat(SeatType::Hard)})));
}

namespace {
double CpuSeconds() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return static_cast<double>(u.ru_utime.tv_sec + u.ru_stime.tv_sec) + (u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

struct RunningTable {
    RunningTable(zx::server::TableSetup setup, QObject* home, zx::server::TableCallbacks callbacks)
        : runner(std::move(setup), home, std::move(callbacks)) {
        runner.moveToThread(&thread);
        thread.start();
        QMetaObject::invokeMethod(&runner, [this] { runner.start(); });
    }
    ~RunningTable() {
        QMetaObject::invokeMethod(&runner, [this] { runner.stop(); }, Qt::BlockingQueuedConnection);
        thread.quit();
        thread.wait();
    }
    QThread thread;
    zx::server::TableRunner runner;
};
}  // namespace

void TstServer::aRemoteSeatsBoxWaitsIdleWhileOtherTablesPlay() {
    QTemporaryDir dir;
    QObject home;
    struct Box { int seat; qint64 id; QCborMap box; };
    QList<Box> boxes;
    zx::server::TableCallbacks waitingCalls;
    waitingCalls.checkpoint = [](const std::string&, int) {};
    waitingCalls.finished = [](const QStringList&) {};
    waitingCalls.box = [&](int seat, qint64 id, const QCborMap& box) { boxes.append({seat, id, box}); };
    zx::server::TableSetup setup;
    setup.code = QStringLiteral("WAIT22");
    setup.seats = {Seat(SeatType::Easy, QStringLiteral("Bob")), Seat(SeatType::Remote, QStringLiteral("Ann"))};
    setup.seed = 5;
    setup.scratchDir = dir.path();
    RunningTable waiting(setup, &home, waitingCalls);

    // A box the rules address to Ann (slot 2): it goes to her seat and the
    // table waits for her answer.
    std::atomic<int> answer{-1};
    QMetaObject::invokeMethod(&waiting.runner, [&] {
        zx::Message m{"Take the loan?", "Loan confirmation", zx::MsgIcon::Question, zx::MsgButtons::YesNo, zx::MsgAnswer::Yes, 2, "Loan confirmation"};
        answer = static_cast<int>(waiting.runner.message(m));
    });
    QTRY_COMPARE(boxes.size(), 1);
    QCOMPARE(boxes[0].seat, 2);
    QCOMPARE(boxes[0].box.value(QStringLiteral("title")).toString(), QStringLiteral("Loan confirmation"));
    QCOMPARE(boxes[0].box.value(QStringLiteral("buttons")).toString(), QStringLiteral("yesno"));
    const double before = CpuSeconds();
    QTest::qWait(600);
    QVERIFY2(CpuSeconds() - before < 0.1, "a table waiting for an answer spends no CPU");
    QCOMPARE(answer.load(), -1);

    // Meanwhile another table plays a whole game.
    std::atomic<bool> finished{false};
    zx::server::TableCallbacks otherCalls;
    otherCalls.checkpoint = [](const std::string&, int) {};
    otherCalls.box = [](int, qint64, const QCborMap&) {};
    otherCalls.finished = [&](const QStringList&) { finished = true; };
    setup.code = QStringLiteral("PLAY22");
    setup.seats = {Seat(SeatType::Easy, QStringLiteral("Cy")), Seat(SeatType::Normal, QStringLiteral("Di"))};
    setup.instant = true;
    RunningTable other(setup, &home, otherCalls);
    QTRY_VERIFY_WITH_TIMEOUT(finished, 30000);
    QCOMPARE(answer.load(), -1);

    // Only the seat's own answer to that box ends the wait.
    const qint64 id = boxes[0].id;
    QMetaObject::invokeMethod(&waiting.runner, [&] { waiting.runner.answer(1, id, zx::MsgAnswer::Yes); });
    QMetaObject::invokeMethod(&waiting.runner, [&] { waiting.runner.answer(2, id + 1, zx::MsgAnswer::Yes); });
    QTest::qWait(100);
    QCOMPARE(answer.load(), -1);
    QMetaObject::invokeMethod(&waiting.runner, [&] { waiting.runner.answer(2, id, zx::MsgAnswer::No); });
    QTRY_COMPARE(answer.load(), static_cast<int>(zx::MsgAnswer::No));
}


namespace {
QProcess* StartBot(QObject* parent, const QUrl& url, const QStringList& args) {
    auto* p = new QProcess(parent);
    p->setProgram(QStringLiteral(ZENTRIX_BOT));
    p->setArguments(QStringList{QStringLiteral("--server"), url.toString()} + args);
    p->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    p->start();
    return p;
}
}  // namespace

void TstServer::fourBotsPlayToTheResultsOneComingBackWithItsToken() {
    // Every seat is somebody else's program: a decision none of them makes
    // visible (no bid, a free move given up, a box answered before the view)
    // leaves the table waiting for ever.
    QTemporaryDir data;
    ServerProcess server;
    QVERIFY(server.start({QStringLiteral("--data"), data.path(), QStringLiteral("--instant")}));
    Client host;
    QVERIFY(host.open(server.url));
    const QString code = host.create(std::vector<SeatChoice>(4, Seat(SeatType::Remote)), 21);
    QVERIFY(!code.isEmpty());
    QObject owner;
    std::vector<QProcess*> bots;
    const char* strengths[] = {"easy", "normal", "hard", "normal"};
    for (int i = 0; i < 4; ++i)
        bots.push_back(StartBot(&owner, server.url, {QStringLiteral("--join"), code, QStringLiteral("--strength"),
                                                     QLatin1String(strengths[i]), QStringLiteral("--name"),
                                                     QStringLiteral("Bot%1").arg(i + 1)}));
    // The first bot goes away with its seat's token; a new one takes the
    // seat back with it and plays on.
    QVERIFY(QTest::qWaitFor([&] { return bots[0]->canReadLine(); }, 15000));
    const QString token = QString::fromUtf8(bots[0]->readLine()).trimmed().section(QLatin1Char(' '), 1);
    QVERIFY(LooksLikeToken(token));
    bots[0]->kill();
    bots[0]->waitForFinished(5000);
    QTest::qWait(300);
    bots[0] = StartBot(&owner, server.url, {QStringLiteral("--resume"), token, QStringLiteral("--strength"), QStringLiteral("easy")});
    // A busy machine may take minutes over the game; a stalled table takes
    // no move at all, and nobody leaves after the results.
    host.send(QStringLiteral("watch"), {{QStringLiteral("table"), code}});
    int moves = -1;
    QElapsedTimer still;
    still.start();
    while (!std::all_of(bots.begin(), bots.end(), [](QProcess* b) { return b->state() == QProcess::NotRunning; })) {
        QVERIFY2(still.elapsed() < 30000, qPrintable(QStringLiteral("the table stands still after move %1").arg(moves)));
        if (const auto status = host.waitFor(QStringLiteral("status"), {}, 100); status && Moves(*status) > moves) {
            moves = Moves(*status);
            still.restart();
        }
    }
    QSet<QString> places;
    for (QProcess* bot : bots) {
        QCOMPARE(bot->exitCode(), 0);
        const QStringList lines = QString::fromUtf8(bot->readAllStandardOutput()).trimmed().split(QLatin1Char('\n'));
        QVERIFY2(QRegularExpression(QStringLiteral("^place [1-4] of 4$")).match(lines.last()).hasMatch(), qPrintable(lines.last()));
        places.insert(lines.last());
    }
    QCOMPARE(places.size(), 4);
}

void TstServer::aComputerStandsInForAnAbsentSeatAndGivesItBack() {
    QTemporaryDir data;
    ServerProcess server;
    QVERIFY(server.start({QStringLiteral("--data"), data.path()}));
    Client ann;
    QVERIFY(ann.open(server.url));
    TableOptions quick;
    quick.awaySeconds = 1;
    ann.ws.sendBinaryMessage(CreateFrame({Seat(SeatType::Remote, QStringLiteral("Ann")), Seat(SeatType::Easy)}, quick, 3));
    const auto created = ann.waitFor(QStringLiteral("created"));
    QVERIFY(created);
    ann.send(QStringLiteral("join"), {{QStringLiteral("table"), created->value(QStringLiteral("table"))}});
    const auto joined = ann.waitFor(QStringLiteral("joined"));
    QVERIFY(joined);
    QVERIFY(ann.waitFor(QStringLiteral("view")));
    // What the seat may not do is refused with the reason, and the table
    // goes on untouched.
    QCborMap op;
    op.insert(QStringLiteral("kind"), QStringLiteral("BuyBuy"));
    ann.send(QStringLiteral("operation"), {{QStringLiteral("operation"), op}});
    const auto refused = ann.waitFor(QStringLiteral("error"));
    QVERIFY(refused);
    QCOMPARE(refused->value(QStringLiteral("code")).toString(), QStringLiteral("refused"));
    QVERIFY(!refused->value(QStringLiteral("text")).toString().isEmpty());

    // Ann leaves when her roll is due: a computer plays for her, and the
    // game goes on without her.
    ann.ws.close();
    QVERIFY(ann.closedByServer());
    Client watcher;
    QVERIFY(watcher.open(server.url));
    watcher.send(QStringLiteral("watch"), {{QStringLiteral("table"), created->value(QStringLiteral("table"))}});
    QVERIFY(watcher.waitFor(QStringLiteral("status"), [](const QCborMap& m) { return Moves(m) >= 2; }, 40000));

    Client back;
    QVERIFY(back.open(server.url));
    back.send(QStringLiteral("resume"), {{QStringLiteral("token"), joined->value(QStringLiteral("token"))}});
    const auto view = back.waitFor(QStringLiteral("view"));
    QVERIFY(view);
    const QString log = QCborValue(view->value(QStringLiteral("view")).toMap().value(QStringLiteral("log"))).toDiagnosticNotation();
    QVERIFY2(log.contains(QStringLiteral("Ann is away: the computer plays for her.")), qPrintable(log.right(300)));
    QVERIFY(back.waitFor(QStringLiteral("change"), [](const QCborMap& m) {
        return QCborValue(m.value(QStringLiteral("change"))).toDiagnosticNotation().contains(QStringLiteral("Ann is back."));
    }));
}

// Ann sells a company to Ben and Cy; Cy's client is a raw socket whose
// every received byte is searched for Ben's bid until Submit reveals it.
void TstServer::aSeatsSecretsAndControlsStayItsOwn() {
    QTemporaryDir data;
    const QStringList args{QStringLiteral("--data"), data.path()};
    const QStringList names{QStringLiteral("Ann"), QStringLiteral("Ben"), QStringLiteral("Cy")};
    QStringList tokens;
    QString code;
    {
        ServerProcess server;
        QVERIFY(server.start(args));
        Client c[3];
        for (Client& x : c) QVERIFY(x.open(server.url));
        std::vector<SeatChoice> seats;
        for (const QString& n : names) seats.push_back(Seat(SeatType::Remote, n));
        code = c[0].create(seats, 8);
        for (Client& x : c) {
            x.send(QStringLiteral("join"), {{QStringLiteral("table"), code}});
            auto j = x.waitFor(QStringLiteral("joined"));
            QVERIFY(j);
            tokens << j->value(QStringLiteral("token")).toString();
        }
        QVERIFY(c[2].waitFor(QStringLiteral("view")));
        QCOMPARE(server.terminate(), 0);
    }
    // Ann owns a company, so that she has something to sell, and Ben the
    // money to bid for it.
    {
        zx::server::Store store;
        QVERIFY(store.open(data.path(), nullptr));
        std::vector<zx::server::TableRecord> all = store.loadAll();
        QCOMPARE(all.size(), std::size_t{1});
        auto saved = zx::ReadSavedGame(all[0].savedGame.toStdString());
        QVERIFY(saved);
        saved->CompanyOwner[1] = 1;
        saved->Cash[2] = 1'000'000;
        all[0].savedGame = QByteArray::fromStdString(zx::WriteSavedGame(*saved));
        QVERIFY(store.save({&all[0]}));
    }
    ServerProcess server;
    QVERIFY(server.start(args));
    Client ann, ben, cy, thief;
    for (Client* x : {&ann, &ben, &cy, &thief}) QVERIFY(x->open(server.url));
    Client* seat[3] = {&ann, &ben, &cy};
    for (int i = 0; i < 3; ++i) {
        seat[i]->send(QStringLiteral("resume"), {{QStringLiteral("token"), tokens[i]}});
        QVERIFY(seat[i]->waitFor(QStringLiteral("view")));
    }
    auto op = [](zx::OpKind kind, int index = 0, const char* text = "", int window = 0, qint64 id = -1) {
        zx::Op o;
        o.kind = kind;
        o.index = index;
        o.text = text;
        o.window = window;
        return OperationFrame(o, id);
    };
    auto refusal = [](Client& c) {
        auto e = c.waitFor(QStringLiteral("error"));
        return e && e->value(QStringLiteral("code")).toString() == QStringLiteral("refused") ? e->value(QStringLiteral("text")).toString()
                                                                                              : QString();
    };
    auto changes = [](Client& c) {
        return QTest::qWaitFor([&] {
            for (const QCborMap& m : c.inbox) if (m.value(QStringLiteral("kind")).toString() == QStringLiteral("change")) return true;
            return false;
        }, 300);
    };

    // A seat is its token: one digit off takes nobody's seat.
    QString stolen = tokens[1];
    stolen[31] = stolen[31] == QLatin1Char('0') ? QLatin1Char('1') : QLatin1Char('0');
    thief.send(QStringLiteral("resume"), {{QStringLiteral("token"), stolen}});
    QCOMPARE(thief.error(), QStringLiteral("bad-token"));
    thief.send(QStringLiteral("operation"), {{QStringLiteral("operation"), QCborMap{{QStringLiteral("kind"), QStringLiteral("RollDice")}}}});
    QCOMPARE(thief.error(), QStringLiteral("not-seated"));

    // Ann's roll is due: Ben's roll and a click in Ann's window are refused,
    // and nobody's view moves.
    for (Client* x : seat) x->inbox.clear();
    ben.ws.sendBinaryMessage(op(zx::OpKind::RollDice, 0, "", 0, 41));
    auto refusedOp = ben.waitFor(QStringLiteral("error"));
    QVERIFY(refusedOp);
    QCOMPARE(refusedOp->value(QStringLiteral("text")).toString(), QStringLiteral("not your turn"));
    QCOMPARE(refusedOp->value(QStringLiteral("id")).toInteger(), 41);
    ben.ws.sendBinaryMessage(op(zx::OpKind::DeskSell, 0, "", 1));
    QCOMPARE(refusal(ben), QStringLiteral("not your seat"));
    for (Client* x : seat) QVERIFY(!changes(*x));

    // Ann opens the sale; Ben's row and Cy's are the bidders'. Her client
    // hears the click is carried out after the change it made.
    ann.inbox.clear();
    ann.ws.sendBinaryMessage(op(zx::OpKind::DeskSell, 0, "", 1, 42));
    auto done = ann.waitFor(QStringLiteral("done"));
    QVERIFY(done);
    QCOMPARE(done->value(QStringLiteral("id")).toInteger(), 42);
    QVERIFY(changes(ann));
    ann.ws.sendBinaryMessage(op(zx::OpKind::SaleChooseCompany, 0));
    auto saleOf = [](Client& c) {
        c.inbox.clear();
        c.send(QStringLiteral("view"), {});
        auto v = c.waitFor(QStringLiteral("view"));
        return v ? v->value(QStringLiteral("view")).toMap().value(QStringLiteral("sale")).toMap() : QCborMap();
    };
    // Ann's clicks and Ben's question reach the table over two connections,
    // in either order: Ben asks until the sale he sees is open.
    QCborMap opened;
    QVERIFY(QTest::qWaitFor([&] {
        opened = saleOf(ben);
        return opened.value(QStringLiteral("optPlayerCaption")).toArray()[1].toString() == QStringLiteral("Ben");
    }, 10000));
    QCOMPARE(opened.value(QStringLiteral("optPlayerCaption")).toArray()[1].toString(), QStringLiteral("Ben"));
    QCOMPARE(opened.value(QStringLiteral("optPlayerCaption")).toArray()[2].toString(), QStringLiteral("Cy"));
    ben.ws.sendBinaryMessage(op(zx::OpKind::SaleBid, 2, "5"));
    QCOMPARE(refusal(ben), QStringLiteral("not your seat"));
    // The open sale holds every other window, as at one screen: Cy's own
    // Sell and Lend buttons would load their windows over Ann's sale.
    cy.ws.sendBinaryMessage(op(zx::OpKind::DeskSell, 0, "", 3));
    QCOMPARE(refusal(cy), QStringLiteral("The sale window is open."));
    cy.ws.sendBinaryMessage(op(zx::OpKind::DeskLoan, 0, "", 3));
    QCOMPARE(refusal(cy), QStringLiteral("The sale window is open."));

    // Ben types a bid of one digit, then of six (a bid is in tens of thousands): Cy's client learns that a
    // bid is typed, and nothing that tells the two apart.
    const qsizetype before = cy.frames.size();
    auto typeBid = [&](const char* bid) {
        ben.inbox.clear();
        ben.ws.sendBinaryMessage(op(zx::OpKind::SaleBid, 1, bid));
        return ben.waitFor(QStringLiteral("change")) ? saleOf(cy) : QCborMap();
    };
    const QCborMap shortBid = typeBid("3");
    QVERIFY(shortBid.value(QStringLiteral("typed")).toArray()[1].toBool());
    QVERIFY(!shortBid.value(QStringLiteral("typed")).toArray()[2].toBool());
    const QCborMap longBid = typeBid("370000");
    QCOMPARE(longBid, shortBid);
    const QByteArray revealed = QByteArray::fromStdString(zx::FormatMoney(370000));
    auto seen = [&](const QByteArray& text) {
        for (qsizetype i = before; i < cy.frames.size(); ++i)
            if (cy.frames[i].contains(text)) return true;
        return false;
    };
    QVERIFY(!seen("370000") && !seen(revealed));

    // Submit shows every seat the bids.
    ann.ws.sendBinaryMessage(op(zx::OpKind::SaleSubmit));
    QVERIFY(QTest::qWaitFor([&] { return seen(revealed); }, 5000));
}

// The server dies mid-game (SIGKILL) and comes back on its folder and port:
// every bot takes its seat back with its token and every table finishes.
void TstServer::botsComeBackToARestartedServerAndFinish() {
    // A kill soon after the joins: a token the bots were given and the
    // server forgot would leave them waiting for ever.
    QTemporaryDir data;
    const QStringList args{QStringLiteral("--data"), data.path(), QStringLiteral("--instant")};
    auto server = std::make_unique<ServerProcess>();
    QVERIFY(server->start(args));
    const QUrl url = server->url;
    {
        // Killed the moment it has said "joined", it still knows the seat.
        QTemporaryDir quick;
        ServerProcess first;
        QVERIFY(first.start({QStringLiteral("--data"), quick.path()}));
        Client c;
        QVERIFY(c.open(first.url));
        const QString code = c.create(std::vector<SeatChoice>(2, Seat(SeatType::Remote)));
        c.send(QStringLiteral("join"), {{QStringLiteral("table"), code}});
        const auto joined = c.waitFor(QStringLiteral("joined"));
        first.kill();
        QVERIFY(joined);
        ServerProcess second;
        QVERIFY(second.start({QStringLiteral("--data"), quick.path()}));
        Client back;
        QVERIFY(back.open(second.url));
        back.send(QStringLiteral("resume"), {{QStringLiteral("token"), joined->value(QStringLiteral("token"))}});
        QVERIFY(back.waitFor(QStringLiteral("resumed")));
    }
    Client host;
    QVERIFY(host.open(url));
    const QStringList codes{host.create(std::vector<SeatChoice>(2, Seat(SeatType::Remote)), 31),
                            host.create({Seat(SeatType::Remote), Seat(SeatType::Easy), Seat(SeatType::Remote)}, 32)};
    QObject owner;
    std::vector<QProcess*> bots;
    for (const QString& code : codes)
        for (int i = 0; i < 2; ++i)
            bots.push_back(StartBot(&owner, url, {QStringLiteral("--join"), code, QStringLiteral("--strength"), QStringLiteral("normal")}));
    for (const QString& code : codes) {
        host.send(QStringLiteral("watch"), {{QStringLiteral("table"), code}});
        QVERIFY(host.waitFor(QStringLiteral("status"), [&](const QCborMap& m) {
            return m.value(QStringLiteral("table")).toString() == code && Moves(m) >= 3 && !Finished(m);
        }, 30000));
    }
    server->kill();
    QTest::qWait(500);
    server = std::make_unique<ServerProcess>();
    QVERIFY(server->start(args, url.port()));
    for (QProcess* bot : bots) {
        QVERIFY(QTest::qWaitFor([bot] { return bot->state() == QProcess::NotRunning; }, 120000));
        QCOMPARE(bot->exitCode(), 0);
        const QStringList lines = QString::fromUtf8(bot->readAllStandardOutput()).trimmed().split(QLatin1Char('\n'));
        QVERIFY2(QRegularExpression(QStringLiteral("^place [1-3] of [23]$")).match(lines.last()).hasMatch(), qPrintable(lines.last()));
    }
}

void TstServer::seatedPlayersChatAndOthersMayNot() {
    QTemporaryDir data;
    ServerProcess server;
    QVERIFY(server.start({QStringLiteral("--data"), data.path()}));
    Client a, b, watcher;
    for (Client* x : {&a, &b, &watcher}) QVERIFY(x->open(server.url));
    const QString code = a.create({Seat(SeatType::Remote), Seat(SeatType::Remote)});
    // One after the other, so that Ann has the first seat and Bob the second.
    a.send(QStringLiteral("join"), {{QStringLiteral("table"), code}, {QStringLiteral("name"), QStringLiteral("Ann")}});
    QVERIFY(a.waitFor(QStringLiteral("joined")));
    b.send(QStringLiteral("join"), {{QStringLiteral("table"), code}, {QStringLiteral("name"), QStringLiteral("Bob")}});
    QVERIFY(b.waitFor(QStringLiteral("joined")));
    watcher.send(QStringLiteral("watch"), {{QStringLiteral("table"), code}});
    QVERIFY(watcher.waitFor(QStringLiteral("status")));

    b.ws.sendBinaryMessage(ChatFrame(QStringLiteral("  good luck \n")));
    for (Client* x : {&a, &b, &watcher}) {
        auto line = x->waitFor(QStringLiteral("chat"));
        QVERIFY(line);
        QCOMPARE(line->value(QStringLiteral("name")).toString(), QStringLiteral("Bob"));
        QCOMPARE(line->value(QStringLiteral("seat")).toInteger(), 2);
        QCOMPARE(line->value(QStringLiteral("text")).toString(), QStringLiteral("good luck"));
    }
    a.ws.sendBinaryMessage(ChatFrame(QString(10 * 1024, QLatin1Char('x'))));
    QCOMPARE(a.error(), QStringLiteral("malformed"));
    a.ws.sendBinaryMessage(ChatFrame(QStringLiteral(" ")));
    QCOMPARE(a.error(), QStringLiteral("malformed"));
    watcher.ws.sendBinaryMessage(ChatFrame(QStringLiteral("psst")));
    QCOMPARE(watcher.error(), QStringLiteral("not-seated"));
    // Nothing refused reached anybody.
    QTest::qWait(200);
    for (Client* x : {&a, &b, &watcher}) QVERIFY(!x->waitFor(QStringLiteral("chat"), {}, 0));
}

QTEST_GUILESS_MAIN(TstServer)
#include "tst_server.moc"
