#include "server/server.h"

#include <QAbstractSocket>
#include <QDir>
#include <QCborArray>
#include <QFile>
#include <QRandomGenerator>
#include <QSslCertificate>
#include <QSslConfiguration>
#include <QSslKey>
#include <QSslServer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QPointer>
#include <QThread>
#include <QWebSocket>
#include <QWebSocketServer>
#include <array>
#include <cstdio>

#include "server/table.h"

namespace zx::server {
namespace {

// A connection that has not said hello by then is somebody else's program.
constexpr int HelloDeadlineMs = 30'000;
// Checkpoints that come close together are written in one transaction.
constexpr int FlushDelayMs = 20;

MsgAnswer ToMsgAnswer(net::BoxAnswer a) {
    switch (a) {
        case net::BoxAnswer::Ok: return MsgAnswer::Ok;
        case net::BoxAnswer::Cancel: return MsgAnswer::Cancel;
        case net::BoxAnswer::Yes: return MsgAnswer::Yes;
        case net::BoxAnswer::No: return MsgAnswer::No;
    }
    return MsgAnswer::Ok;
}

// Whether a box with these buttons ("ok", "yesno", ...) has this answer.
bool BoxHas(const QString& buttons, net::BoxAnswer a) {
    switch (a) {
        case net::BoxAnswer::Ok: return buttons == QLatin1String("ok") || buttons == QLatin1String("okcancel");
        case net::BoxAnswer::Cancel: return buttons == QLatin1String("okcancel") || buttons == QLatin1String("yesnocancel");
        case net::BoxAnswer::Yes:
        case net::BoxAnswer::No: return buttons == QLatin1String("yesno") || buttons == QLatin1String("yesnocancel");
    }
    return false;
}

QString NewToken() {
    // 128 bits from the system's source, never from a seeded generator.
    std::array<quint64, 2> bits{};
    QRandomGenerator::system()->fillRange(bits.data(), bits.size());
    return QStringLiteral("%1%2").arg(bits[0], 16, 16, QLatin1Char('0')).arg(bits[1], 16, 16, QLatin1Char('0'));
}

}  // namespace

struct Server::Table {
    TableRecord record;
    std::array<QWebSocket*, net::MaxSeats + 1> seatClient{};  // by seat 1..4
    std::set<QWebSocket*> watchers;
    // Boxes waiting for a seat's answer, by seat and box id; a client that
    // returns gets them again.
    std::map<int, std::map<qint64, QCborMap>> boxes;
    std::unique_ptr<QThread> thread;
    std::unique_ptr<TableRunner> runner;
    // The status the seats last heard, but for the moves.
    QCborMap seatsHeard;
};

Server::Server(ServerConfig config, QObject* parent) : QObject(parent), config_(std::move(config)) {
    flushTimer_.setSingleShot(true);
    flushTimer_.setInterval(FlushDelayMs);
    connect(&flushTimer_, &QTimer::timeout, this, [this] { flush(); });
    // A zero timer fires after the events already posted: the whole pass's
    // checkpoints go together.
    heldTimer_.setSingleShot(true);
    heldTimer_.setInterval(0);
    connect(&heldTimer_, &QTimer::timeout, this, [this] { flush(); });
    connect(&leaseTimer_, &QTimer::timeout, this, [this] { renewLeases(); });
}

Server::~Server() {
    shutdown();
    // The WebSockets go before the sockets under them.
    qDeleteAll(findChildren<QWebSocket*>(Qt::FindDirectChildrenOnly));
}

bool Server::start(QString* error) {
    // A shared database's tables are taken one by one, when their clients
    // come or their server has died; the file's are all this server's.
    if (config_.store.isEmpty() && !store_.open(config_.dataDir, error)) return false;
    // A table taken over from its checkpoint is loaded from a file there.
    if (!QDir().mkpath(config_.dataDir)) {
        if (error) *error = QStringLiteral("cannot create the folder %1").arg(config_.dataDir);
        return false;
    }
    for (TableRecord& r : config_.store.isEmpty() ? store_.loadAll(error) : std::vector<TableRecord>{}) {
        auto t = std::make_unique<Table>();
        t->record = std::move(r);
        for (std::size_t i = 0; i < t->record.seats.size(); ++i)
            if (!t->record.seats[i].token.isEmpty())
                tokens_[t->record.seats[i].token] = {t->record.code, static_cast<int>(i) + 1};
        Table& table = *t;
        tables_[table.record.code] = std::move(t);
        // Running tables go on from their last checkpoint; their remote
        // seats wait for their clients to come back with their tokens.
        if (table.record.state == TableState::Running) startTable(table);
    }

    const bool secure = !config_.tlsCert.isEmpty();
    listener_ = std::make_unique<QWebSocketServer>(QStringLiteral("zentrix-server"), QWebSocketServer::NonSecureMode);
    listener_->setHandshakeTimeout(10'000);
    connect(listener_.get(), &QWebSocketServer::newConnection, this, [this] { accept(); });
    if (secure) {
        QFile certFile(config_.tlsCert), keyFile(config_.tlsKey);
        if (!certFile.open(QIODevice::ReadOnly) || !keyFile.open(QIODevice::ReadOnly)) {
            if (error) *error = QStringLiteral("cannot read the certificate or its key");
            return false;
        }
        const QList<QSslCertificate> chain = QSslCertificate::fromData(certFile.readAll(), QSsl::Pem);
        const QByteArray keyBytes = keyFile.readAll();
        QSslKey key(keyBytes, QSsl::Rsa, QSsl::Pem);
        if (key.isNull()) key = QSslKey(keyBytes, QSsl::Ec, QSsl::Pem);
        if (chain.isEmpty() || key.isNull()) {
            if (error) *error = QStringLiteral("the certificate or its key is not PEM");
            return false;
        }
        QSslConfiguration ssl = QSslConfiguration::defaultConfiguration();
        ssl.setLocalCertificateChain(chain);
        ssl.setPrivateKey(key);
        ssl.setPeerVerifyMode(QSslSocket::VerifyNone);
        auto server = std::make_unique<QSslServer>();
        server->setSslConfiguration(ssl);
        server->setHandshakeTimeout(10'000);
        tcp_ = std::move(server);
    } else {
        tcp_ = std::make_unique<QTcpServer>();
    }
    tcp_->setMaxPendingConnections(1000);
    // A QSslServer has a connection ready only once its TLS handshake is
    // done: pendingConnectionAvailable says when, for both kinds.
    connect(tcp_.get(), &QTcpServer::pendingConnectionAvailable, this, [this] { handshake(); });
    if (!tcp_->listen(config_.address, config_.port)) {
        if (error) *error = tcp_->errorString();
        return false;
    }
    if (!config_.store.isEmpty()) {
        // The holder's name is the address clients are sent to: known only
        // once the port is.
        const QString holder = config_.advertise.isEmpty() ? url() : config_.advertise;
        if (!store_.openShared(config_.store, holder, config_.leaseSeconds, error)) return false;
        lastRenewal_.start();
        leaseTimer_.start(std::max(1, config_.leaseSeconds * 1000 / 3));
        renewLeases();
    }
    return true;
}

QString Server::url() const {
    const bool secure = !config_.tlsCert.isEmpty();
    QString host = tcp_->serverAddress().toString();
    if (tcp_->serverAddress().protocol() == QAbstractSocket::IPv6Protocol) host = QLatin1Char('[') + host + QLatin1Char(']');
    return QStringLiteral("%1://%2:%3").arg(secure ? QStringLiteral("wss") : QStringLiteral("ws"), host).arg(tcp_->serverPort());
}

std::string Server::savedGame(const QString& code) {
    Table* t = find(code);
    if (!t) return {};
    if (!t->runner) return t->record.savedGame.toStdString();
    TableRunner* runner = t->runner.get();
    std::string latest;
    QMetaObject::invokeMethod(runner, [runner, &latest] { latest = runner->checkpointNow(); }, Qt::BlockingQueuedConnection);
    return latest;
}

void Server::shutdown() {
    if (stopping_) return;
    stopping_ = true;
    if (tcp_) tcp_->close();
    for (auto& [code, t] : tables_) {
        if (!t->runner) continue;
        TableRunner* runner = t->runner.get();
        std::string latest;
        // The table's own thread hands over its newest idle state.
        QMetaObject::invokeMethod(runner, [runner, &latest] {
            latest = runner->checkpointNow();
            runner->stop();
        }, Qt::BlockingQueuedConnection);
        if (!latest.empty()) t->record.savedGame = QByteArray::fromStdString(latest);
        markDirty(code);
    }
    flush();
    // The tables are free for the other servers at once, not at the end of
    // their leases.
    if (store_.shared()) store_.release();
    for (auto& [code, t] : tables_) stopTable(*t);
    for (auto& [socket, c] : clients_) {
        socket->disconnect(this);
        socket->close(QWebSocketProtocol::CloseCodeGoingAway);
    }
    clients_.clear();
    qDeleteAll(findChildren<QWebSocket*>(Qt::FindDirectChildrenOnly));
}

void Server::handshake() {
    // Sockets that left during their handshake go now.
    std::erase_if(handshaking_, [](const QPointer<QTcpSocket>& s) {
        if (s && s->state() == QAbstractSocket::UnconnectedState) s->deleteLater();
        return s.isNull() || s->state() == QAbstractSocket::UnconnectedState;
    });
    while (QTcpSocket* s = tcp_->nextPendingConnection()) {
        // Small messages must not wait for Nagle's algorithm: a round on
        // loopback takes about 15 ms with it and well under 1 ms without.
        s->setSocketOption(QAbstractSocket::LowDelayOption, 1);
        handshaking_.emplace_back(s);
        listener_->handleConnection(s);
    }
}

void Server::accept() {
    while (QWebSocket* socket = listener_->nextPendingConnection()) {
        socket->setParent(this);
        for (auto it = handshaking_.begin(); it != handshaking_.end(); ++it) {
            QTcpSocket* tcp = *it;
            if (!tcp || tcp->peerPort() != socket->peerPort() || tcp->peerAddress() != socket->peerAddress()) continue;
            connect(socket, &QObject::destroyed, tcp, &QObject::deleteLater);
            handshaking_.erase(it);
            break;
        }
        socket->setMaxAllowedIncomingFrameSize(net::MaxMessageBytes);
        socket->setMaxAllowedIncomingMessageSize(net::MaxMessageBytes);
        Client& c = clients_[socket];
        c.clock.start();
        connect(socket, &QWebSocket::binaryMessageReceived, this,
                [this, socket](const QByteArray& bytes) { received(socket, bytes); });
        connect(socket, &QWebSocket::textMessageReceived, this,
                [this, socket](const QString&) { refuse(socket, net::ErrorCode::Malformed, QStringLiteral("Messages are binary CBOR frames.")); });
        connect(socket, &QWebSocket::disconnected, this, [this, socket] { dropped(socket); });
        QTimer::singleShot(HelloDeadlineMs, socket, [this, socket] {
            auto it = clients_.find(socket);
            if (it != clients_.end() && !it->second.greeted)
                refuse(socket, net::ErrorCode::Version, QStringLiteral("No hello came."), true);
        });
    }
}

void Server::send(QWebSocket* socket, const QCborMap& message) {
    if (socket) socket->sendBinaryMessage(net::Encode(message));
}

void Server::refuse(QWebSocket* socket, net::ErrorCode code, const QString& text, bool fatal) {
    send(socket, net::ErrorMessage(code, text, fatal));
    if (fatal) socket->close(QWebSocketProtocol::CloseCodePolicyViolated, text.left(100));
}

void Server::dropped(QWebSocket* socket) {
    auto it = clients_.find(socket);
    if (it != clients_.end()) {
        const Client c = it->second;
        clients_.erase(it);
        if (Table* t = find(c.table)) {
            if (c.seat >= 1 && t->seatClient[static_cast<std::size_t>(c.seat)] == socket) {
                t->seatClient[static_cast<std::size_t>(c.seat)] = nullptr;
                if (TableRunner* runner = t->runner.get())
                    QMetaObject::invokeMethod(runner, [runner, seat = c.seat] { runner->setAway(seat, true); },
                                              Qt::QueuedConnection);
                broadcastStatus(*t);
            }
        }
    }
    for (auto& [code, t] : tables_) t->watchers.erase(socket);
    socket->deleteLater();
}

void Server::received(QWebSocket* socket, const QByteArray& bytes) {
    auto it = clients_.find(socket);
    if (it == clients_.end()) return;
    Client& c = it->second;
    // A leaky bucket: bursts are fine, a flood is not.
    c.allowance = std::min<double>(net::RateBurst, c.allowance + c.clock.restart() * net::RatePerSecond / 1000.0);
    if (c.allowance < 1) return refuse(socket, net::ErrorCode::TooFast, QStringLiteral("Too many messages; the connection is closed."), true);
    c.allowance -= 1;

    net::DecodeError error;
    const auto request = net::DecodeRequest(bytes, &error);
    if (!c.greeted) {
        if (!request || request->kind != net::Kind::Hello)
            return refuse(socket, net::ErrorCode::Version, QStringLiteral("The first message must be hello with the protocol version."), true);
        if (request->version != net::ProtocolVersion)
            return refuse(socket, net::ErrorCode::Version,
                          QStringLiteral("This server speaks protocol version %1, the client version %2: please use a matching client.")
                              .arg(net::ProtocolVersion)
                              .arg(request->version),
                          true);
        c.greeted = true;
        QCborMap welcome = net::Message(net::Kind::Welcome);
        welcome.insert(QLatin1String("version"), net::ProtocolVersion);
        welcome.insert(QLatin1String("server"), QStringLiteral("zentrix-server"));
        return send(socket, welcome);
    }
    if (!request) return refuse(socket, error.code, error.text);
    handle(socket, c, *request);
}

void Server::handle(QWebSocket* socket, Client& c, const net::Request& r) {
    switch (r.kind) {
        case net::Kind::Hello: return refuse(socket, net::ErrorCode::Malformed, QStringLiteral("hello comes once."));
        case net::Kind::Create: return create(socket, c, r);
        case net::Kind::List: return list(socket);
        case net::Kind::Join: return join(socket, c, r);
        case net::Kind::Resume: return resume(socket, c, r);
        case net::Kind::Watch: {
            Table* t = reach(socket, r.table, net::ErrorCode::UnknownTable);
            if (!t) return;
            t->watchers.insert(socket);
            return send(socket, status(*t));
        }
        case net::Kind::Answer: return answer(socket, c, r);
        case net::Kind::Operation:
        case net::Kind::View: {
            Table* t = c.seat ? find(c.table) : nullptr;
            if (!t) return refuse(socket, net::ErrorCode::NotSeated, QStringLiteral("Join a table first."));
            if (!t->runner) return refuse(socket, net::ErrorCode::Refused, QStringLiteral("The game has not started yet."));
            TableRunner* runner = t->runner.get();
            const int seat = c.seat;
            // The table checks the operation for the connection's seat, in
            // its own thread, and answers a refusal itself.
            if (r.kind == net::Kind::View)
                QMetaObject::invokeMethod(runner, [runner, seat] { runner->sendWholeView(seat); }, Qt::QueuedConnection);
            else
                QMetaObject::invokeMethod(runner, [runner, seat, op = r.op, id = r.opId] { runner->operation(seat, op, id); },
                                          Qt::QueuedConnection);
            return;
        }
        case net::Kind::Chat: return chat(socket, c, r);
        default: return refuse(socket, net::ErrorCode::UnknownKind, QStringLiteral("A client does not send that."));
    }
}

Server::Table* Server::find(const QString& code) {
    auto it = tables_.find(code);
    return it == tables_.end() ? nullptr : it->second.get();
}

QString Server::newCode() const {
    const int n = static_cast<int>(sizeof(net::TableCodeLetters)) - 1;
    for (;;) {
        QString code;
        for (int i = 0; i < net::TableCodeLength; ++i)
            code += QLatin1Char(net::TableCodeLetters[QRandomGenerator::system()->bounded(n)]);
        if (!tables_.count(code)) return code;
    }
}

TableRecord Server::record(const QString& code) {
    const Table* t = find(code);
    return t ? t->record : TableRecord{};
}

QString Server::openTable(const std::string& savedGame, const std::vector<net::SeatChoice>& seats,
                          const net::TableOptions& options) {
    if (savedGame.empty() || seats.empty()) return {};
    auto t = std::make_unique<Table>();
    TableRecord& rec = t->record;
    rec.code = newCode();
    rec.options = options;
    rec.seed = QRandomGenerator::system()->generate64();
    rec.savedGame = QByteArray::fromStdString(savedGame);
    for (const net::SeatChoice& c : seats) rec.seats.push_back({c, {}});
    if (!saveNow(rec)) return {};
    const QString code = rec.code;
    Table& table = *t;
    tables_[code] = std::move(t);
    if (std::none_of(table.record.seats.begin(), table.record.seats.end(),
                     [](const SeatRecord& s) { return s.choice.type == net::SeatType::Remote; })) {
        startTable(table);
        markDirty(code);
    }
    return code;
}

void Server::create(QWebSocket* socket, Client& c, const net::Request& r) {
    // Every live table holds a thread: a flood of new tables must not take
    // the machine from the tables being played.
    const auto live = std::count_if(tables_.begin(), tables_.end(),
                                    [](const auto& t) { return t.second->record.state != TableState::Finished; });
    if (live >= net::MaxLiveTables || c.created >= net::MaxTablesPerConnection)
        return refuse(socket, net::ErrorCode::Busy, QStringLiteral("No more tables can be made here now."));
    auto t = std::make_unique<Table>();
    TableRecord& rec = t->record;
    rec.code = newCode();
    rec.options = r.options;
    rec.seed = r.seed ? *r.seed : QRandomGenerator::system()->generate64();
    for (std::size_t i = 0; i < r.seats.size(); ++i) {
        SeatRecord s{r.seats[i], {}};
        if (s.choice.name.trimmed().isEmpty()) s.choice.name = QStringLiteral("Player %1").arg(i + 1);
        for (const SeatRecord& other : rec.seats)
            if (other.choice.name == s.choice.name)
                return refuse(socket, net::ErrorCode::BadName, QStringLiteral("Two seats are named %1.").arg(s.choice.name));
        rec.seats.push_back(s);
    }
    // The code is told to the client only once the table is on disk: a
    // server killed now must still know it when its clients come back.
    if (!saveNow(rec)) return refuse(socket, net::ErrorCode::Busy, QStringLiteral("The table could not be saved; try again later."));
    Table& table = *t;
    const QString code = rec.code;
    tables_[code] = std::move(t);
    ++c.created;
    const bool anyRemote = std::any_of(table.record.seats.begin(), table.record.seats.end(),
                                       [](const SeatRecord& s) { return s.choice.type == net::SeatType::Remote; });
    QCborMap created = net::Message(net::Kind::Created);
    created.insert(QLatin1String("table"), code);
    send(socket, created);
    if (!anyRemote) {
        startTable(table);
        markDirty(code);
    }
}

void Server::list(QWebSocket* socket) {
    QCborArray open;
    auto add = [&](const Table& t) {
        QCborMap entry = status(t);
        entry.remove(QLatin1String("kind"));
        open.append(entry);
    };
    if (store_.shared()) {
        // Every server's open tables; this server's as it knows them now.
        for (TableRecord& r : store_.openTables()) {
            if (const Table* mine = find(r.code)) {
                if (mine->record.state == TableState::Open) add(*mine);
                continue;
            }
            Table other;
            other.record = std::move(r);
            add(other);
        }
    } else {
        for (const auto& [code, t] : tables_)
            if (t->record.state == TableState::Open) add(*t);
    }
    QCborMap m = net::Message(net::Kind::Tables);
    m.insert(QLatin1String("tables"), open);
    send(socket, m);
}

void Server::join(QWebSocket* socket, Client& c, const net::Request& r) {
    if (c.seat) return refuse(socket, net::ErrorCode::Seated, QStringLiteral("This connection has a seat already."));
    Table* t = reach(socket, r.table, net::ErrorCode::UnknownTable);
    if (!t) return;
    std::vector<SeatRecord>& seats = t->record.seats;
    int seat = 0;
    auto freeSeat = [&seats](std::size_t i) {
        return seats[i].choice.type == net::SeatType::Remote && seats[i].token.isEmpty();
    };
    if (t->record.state == TableState::Open) {
        // A free seat with the joiner's own name is his (the host's seat, or
        // one the host named for somebody); else the first free one.
        for (std::size_t i = 0; i < seats.size() && !seat; ++i)
            if (freeSeat(i) && !r.name.trimmed().isEmpty() && seats[i].choice.name == r.name.trimmed()) seat = static_cast<int>(i) + 1;
        for (std::size_t i = 0; i < seats.size() && !seat; ++i)
            if (freeSeat(i)) seat = static_cast<int>(i) + 1;
    }
    if (!seat) return refuse(socket, net::ErrorCode::TableFull, QStringLiteral("The table %1 has no free seat.").arg(r.table));
    SeatRecord& s = seats[static_cast<std::size_t>(seat - 1)];
    const QString name = r.name.trimmed();
    if (!name.isEmpty())
        for (std::size_t i = 0; i < seats.size(); ++i)
            if (static_cast<int>(i) + 1 != seat && seats[i].choice.name == name)
                return refuse(socket, net::ErrorCode::BadName, QStringLiteral("Somebody at this table is named %1 already.").arg(name));
    // The token is the seat for ever after, also across a crash of the
    // server: it is on disk before the client hears of it (a batched
    // checkpoint could come after a kill, and the client would hold a token
    // nobody knows). So is the start of the game by the last seat taken, or
    // a restarted server would wait for joins that came long ago.
    const SeatRecord before = s;
    if (!name.isEmpty()) s.choice.name = name;
    s.token = NewToken();
    const bool full = std::none_of(seats.begin(), seats.end(), [](const SeatRecord& x) {
        return x.choice.type == net::SeatType::Remote && x.token.isEmpty();
    });
    if (full) t->record.state = TableState::Running;
    if (!saveNow(t->record)) {
        s = before;
        t->record.state = TableState::Open;
        return refuse(socket, net::ErrorCode::Busy, QStringLiteral("The seat could not be saved; try again later."));
    }
    tokens_[s.token] = {t->record.code, seat};
    c.table = t->record.code;
    c.seat = seat;
    t->seatClient[static_cast<std::size_t>(seat)] = socket;
    QCborMap joined = net::Message(net::Kind::Joined);
    joined.insert(QLatin1String("table"), t->record.code);
    joined.insert(QLatin1String("seat"), seat);
    joined.insert(QLatin1String("token"), s.token);
    send(socket, joined);
    if (full) startTable(*t);
    broadcastStatus(*t);
}

void Server::resume(QWebSocket* socket, Client& c, const net::Request& r) {
    auto it = net::LooksLikeToken(r.token) ? tokens_.find(r.token) : tokens_.end();
    if (it == tokens_.end() && store_.shared() && net::LooksLikeToken(r.token)) {
        // A seat of a table this server does not hold (yet).
        const QString code = store_.tableOfToken(r.token);
        if (!code.isEmpty() && !reach(socket, code, net::ErrorCode::BadToken)) return;
        it = tokens_.find(r.token);
    }
    if (it == tokens_.end()) return refuse(socket, net::ErrorCode::BadToken, QStringLiteral("No seat has that token."));
    Table* t = find(it->second.first);
    if (!t) return refuse(socket, net::ErrorCode::BadToken, QStringLiteral("No seat has that token."));
    const int seat = it->second.second;
    if (c.seat && (c.table != t->record.code || c.seat != seat))
        return refuse(socket, net::ErrorCode::Seated, QStringLiteral("This connection has another seat already."));
    // The newest connection holds the seat; an older one left behind by a
    // lost network keeps its socket but no longer speaks for the seat.
    QWebSocket*& holder = t->seatClient[static_cast<std::size_t>(seat)];
    if (holder && holder != socket) {
        auto old = clients_.find(holder);
        if (old != clients_.end()) {
            old->second.table.clear();
            old->second.seat = 0;
        }
    }
    holder = socket;
    c.table = t->record.code;
    c.seat = seat;
    QCborMap resumed = net::Message(net::Kind::Resumed);
    resumed.insert(QLatin1String("table"), t->record.code);
    resumed.insert(QLatin1String("seat"), seat);
    send(socket, resumed);
    // The seat's whole current view, in one message, before anything else
    // of the table.
    if (TableRunner* runner = t->runner.get())
        QMetaObject::invokeMethod(runner, [runner, seat] {
            runner->sendWholeView(seat);
            runner->setAway(seat, false);
        }, Qt::QueuedConnection);
    broadcastStatus(*t);
    for (const auto& [id, box] : t->boxes[seat]) {
        QCborMap mine = box;
        mine.insert(QLatin1String("mine"), true);
        send(socket, mine);
    }
}

void Server::answer(QWebSocket* socket, Client& c, const net::Request& r) {
    Table* t = c.seat ? find(c.table) : nullptr;
    if (!t) return refuse(socket, net::ErrorCode::NotSeated, QStringLiteral("Join a table first."));
    auto& waiting = t->boxes[c.seat];
    auto it = waiting.find(r.box);
    if (it == waiting.end() || !t->runner)
        return refuse(socket, net::ErrorCode::NoSuchBox, QStringLiteral("No box of yours is waiting with that number."));
    if (!BoxHas(it->second.value(QLatin1String("buttons")).toString(), r.answer))
        return refuse(socket, net::ErrorCode::NoSuchBox, QStringLiteral("That box has no such button."));
    waiting.erase(it);
    TableRunner* runner = t->runner.get();
    QMetaObject::invokeMethod(runner, [runner, seat = c.seat, box = r.box, a = ToMsgAnswer(r.answer)] {
        runner->answer(seat, box, a);
    }, Qt::QueuedConnection);
}

void Server::chat(QWebSocket* socket, const Client& c, const net::Request& r) {
    // Only the players speak: a watcher is anybody who knows the code.
    Table* t = c.seat ? find(c.table) : nullptr;
    if (!t) return refuse(socket, net::ErrorCode::NotSeated, QStringLiteral("Only a seated player can chat."));
    const QString name = t->record.seats[static_cast<std::size_t>(c.seat - 1)].choice.name;
    const QCborMap line = net::ChatMessage(c.seat, name, r.text);
    std::set<QWebSocket*> everybody = t->watchers;
    for (QWebSocket* s : t->seatClient)
        if (s) everybody.insert(s);
    for (QWebSocket* s : everybody) send(s, line);
}

void Server::startTable(Table& t) {
    if (t.runner || stopping_) return;
    TableRecord& rec = t.record;
    rec.state = TableState::Running;
    TableSetup setup;
    setup.code = rec.code;
    for (const SeatRecord& s : rec.seats) setup.seats.push_back(s.choice);
    setup.options = rec.options;
    setup.seed = rec.seed;
    setup.instant = config_.instant;
    setup.savedGame = rec.savedGame.toStdString();
    setup.scratchDir = config_.dataDir;
    const QString code = rec.code;
    TableCallbacks callbacks;
    callbacks.checkpoint = [this, code](const std::string& savedGame, int moves) {
        Table* t = find(code);
        if (!t || stopping_) return;
        t->record.savedGame = QByteArray::fromStdString(savedGame);
        t->record.moves = moves;
        markDirty(code);
        writeFirst(code, [this, code] {
            if (Table* t = find(code)) broadcastStatus(*t);
        });
    };
    callbacks.box = [this, code](int seat, qint64 id, const QCborMap& box) {
        writeFirst(code, [this, code, seat, id, box] { sendBox(code, seat, id, box); });
    };
    callbacks.view = [this, code](int seat, const QByteArray& frame) {
        writeFirst(code, [this, code, seat, frame] {
            Table* t = find(code);
            if (!t || seat < 1 || seat > net::MaxSeats) return;
            if (QWebSocket* socket = t->seatClient[static_cast<std::size_t>(seat)]) socket->sendBinaryMessage(frame);
        });
    };
    callbacks.refused = [this, code](int seat, const QString& why, qint64 id) {
        Table* t = find(code);
        if (!t || seat < 1 || seat > net::MaxSeats) return;
        QCborMap m = net::ErrorMessage(net::ErrorCode::Refused, why);
        if (id >= 0) m.insert(QLatin1String("id"), id);
        send(t->seatClient[static_cast<std::size_t>(seat)], m);
    };
    // After the changes the operation made, which may wait for their checkpoint.
    callbacks.done = [this, code](int seat, qint64 id) {
        writeFirst(code, [this, code, seat, id] {
            Table* t = find(code);
            if (!t || seat < 1 || seat > net::MaxSeats) return;
            QCborMap m = net::Message(net::Kind::Done);
            m.insert(QLatin1String("id"), id);
            send(t->seatClient[static_cast<std::size_t>(seat)], m);
        });
    };
    callbacks.finished = [this, code](const QStringList& results) {
        Table* t = find(code);
        if (!t || stopping_) return;
        t->record.state = TableState::Finished;
        t->record.results = results;
        t->boxes.clear();
        stopTable(*t);
        markDirty(code);
        writeFirst(code, [this, code] {
            if (Table* t = find(code)) broadcastStatus(*t);
        });
    };
    t.thread = std::make_unique<QThread>();
    t.thread->setObjectName(QStringLiteral("table %1").arg(code));
    // A table's stack holds the rules, the hands and a box's nested event
    // loop or two: tens of KB. The default 8 MB each would reserve 8 GB of
    // address space for 1,000 tables.
    t.thread->setStackSize(512 * 1024);
    t.runner = std::make_unique<TableRunner>(std::move(setup), this, std::move(callbacks));
    t.runner->moveToThread(t.thread.get());
    t.thread->start();
    TableRunner* runner = t.runner.get();
    std::vector<int> present;
    for (int seat = 1; seat <= net::MaxSeats; ++seat)
        if (t.seatClient[static_cast<std::size_t>(seat)]) present.push_back(seat);
    QMetaObject::invokeMethod(runner, [runner, present] {
        runner->start();
        for (int seat : present) {
            runner->sendWholeView(seat);
            runner->setAway(seat, false);
        }
    }, Qt::QueuedConnection);
}

void Server::sendBox(const QString& code, int seat, qint64 id, const QCborMap& box) {
    Table* t = find(code);
    if (!t) return;
    if (seat == 0) {
        QCborMap all = box;
        all.insert(QLatin1String("mine"), false);
        std::set<QWebSocket*> everybody = t->watchers;
        for (QWebSocket* s : t->seatClient)
            if (s) everybody.insert(s);
        for (QWebSocket* s : everybody) send(s, all);
        return;
    }
    t->boxes[seat][id] = box;
    QCborMap mine = box;
    mine.insert(QLatin1String("mine"), true);
    if (seat <= net::MaxSeats) send(t->seatClient[static_cast<std::size_t>(seat)], mine);
}

void Server::stopTable(Table& t) {
    if (!t.runner) return;
    TableRunner* runner = t.runner.get();
    QMetaObject::invokeMethod(runner, [runner] { runner->stop(); }, Qt::BlockingQueuedConnection);
    t.thread->quit();
    t.thread->wait();
    t.runner.reset();
    t.thread.reset();
}

QCborMap Server::status(const Table& t) const {
    const TableRecord& rec = t.record;
    QCborMap m = net::Message(net::Kind::Status);
    m.insert(QLatin1String("table"), rec.code);
    m.insert(QLatin1String("started"), rec.state != TableState::Open);
    m.insert(QLatin1String("finished"), rec.state == TableState::Finished);
    m.insert(QLatin1String("moves"), rec.moves);
    QCborArray seats;
    for (std::size_t i = 0; i < rec.seats.size(); ++i) {
        const SeatRecord& s = rec.seats[i];
        QCborMap seat;
        seat.insert(QLatin1String("seat"), static_cast<int>(i) + 1);
        seat.insert(QLatin1String("name"), s.choice.name);
        seat.insert(QLatin1String("type"), net::SeatTypeName(s.choice.type));
        const bool remote = s.choice.type == net::SeatType::Remote;
        seat.insert(QLatin1String("free"), remote && s.token.isEmpty());
        seat.insert(QLatin1String("connected"), remote && t.seatClient[i + 1] != nullptr);
        seats.append(seat);
    }
    m.insert(QLatin1String("seats"), seats);
    if (rec.state == TableState::Finished) m.insert(QLatin1String("results"), QCborArray::fromStringList(rec.results));
    return m;
}

void Server::broadcastStatus(Table& t) {
    const QCborMap m = status(t);
    // Watchers follow every checkpoint's moves; the players have the board
    // and hear of the moves only with a change of seats, start or results,
    // or the messages of a busy server would be a sixth more.
    QCborMap news = m;
    news.remove(QLatin1String("moves"));
    std::set<QWebSocket*> listeners = t.watchers;
    if (news != t.seatsHeard) {
        t.seatsHeard = news;
        for (QWebSocket* s : t.seatClient)
            if (s) listeners.insert(s);
    }
    if (listeners.empty()) return;
    for (QWebSocket* s : listeners) send(s, m);
}

bool Server::saveNow(TableRecord& record) {
    QString error;
    std::vector<QString> lost;
    if (store_.save({&record}, &error, &lost) && lost.empty()) return true;
    // Another server holds the table now; its lease check drops it here.
    if (!lost.empty()) error = QStringLiteral("the table is held by another server");
    qWarning("zentrix-server: table %s not written: %s", qPrintable(record.code), qPrintable(error));
    return false;
}

void Server::markDirty(const QString& code) {
    dirty_.insert(code);
    if (!flushTimer_.isActive()) flushTimer_.start(FlushDelayMs);
}

void Server::flush() {
    flushTimer_.stop();
    static const bool tracing = qEnvironmentVariableIntValue("ZENTRIX_TRACE") != 0;
    if (tracing) std::fprintf(stderr, "writing the checkpoints of %d tables\n", static_cast<int>(dirty_.size()));
    std::vector<TableRecord*> records;
    for (const QString& code : dirty_)
        if (Table* t = find(code)) records.push_back(&t->record);
    QString error;
    std::vector<QString> lost;
    if (!records.empty() && !store_.save(records, &error, &lost)) {
        // Kept for the next try, a second later (a full disk may have room
        // again, a database come back); the next checkpoint after that is
        // batched as usual again. What the tables would send waits too: a
        // client must never be shown what a crash now could take back.
        qWarning("zentrix-server: checkpoint not written: %s", qPrintable(error));
        writeFailing_ = true;
        heldTimer_.stop();
        if (!stopping_) flushTimer_.start(1000);
        return;
    }
    writeFailing_ = false;
    dirty_.clear();
    for (const QString& code : lost) dropTable(code);
    auto held = std::exchange(held_, {});
    for (auto& [code, waiting] : held)
        for (std::size_t i = 0; i < waiting.size(); ++i) {
            // A checkpoint among them: what came after it waits for it.
            if (dirty_.count(code) || held_.count(code)) {
                auto& later = held_[code];
                later.insert(later.end(), std::make_move_iterator(waiting.begin() + static_cast<std::ptrdiff_t>(i)),
                             std::make_move_iterator(waiting.end()));
                if (!heldTimer_.isActive()) heldTimer_.start();
                break;
            }
            waiting[i]();
        }
}

void Server::writeFirst(const QString& code, std::function<void()> then) {
    if (!dirty_.count(code) && !held_.count(code)) return then();
    held_[code].push_back(std::move(then));
    // While the store fails, the one-second retry writes and sends them.
    if (!heldTimer_.isActive() && !writeFailing_) heldTimer_.start();
}

Server::Table* Server::reach(QWebSocket* socket, const QString& code, net::ErrorCode unknown) {
    if (Table* t = find(code)) return t;
    if (store_.shared() && !code.isEmpty()) {
        TableRecord record;
        QString holder;
        switch (store_.take(code, &record, &holder)) {
            case Store::Take::Taken: return adopt(std::move(record));
            case Store::Take::Held: {
                QCborMap moved = net::ErrorMessage(net::ErrorCode::Moved,
                                                   QStringLiteral("The table %1 is played on another server.").arg(code));
                moved.insert(QLatin1String("address"), holder);
                send(socket, moved);
                return nullptr;
            }
            case Store::Take::Failed:
                refuse(socket, net::ErrorCode::Busy, QStringLiteral("The tables' database cannot be reached now."));
                return nullptr;
            case Store::Take::Unknown: break;
        }
    }
    if (unknown == net::ErrorCode::BadToken) refuse(socket, unknown, QStringLiteral("No seat has that token."));
    else refuse(socket, unknown, QStringLiteral("There is no table %1.").arg(code.left(16)));
    return nullptr;
}

Server::Table* Server::adopt(TableRecord record) {
    auto t = std::make_unique<Table>();
    t->record = std::move(record);
    for (std::size_t i = 0; i < t->record.seats.size(); ++i)
        if (!t->record.seats[i].token.isEmpty())
            tokens_[t->record.seats[i].token] = {t->record.code, static_cast<int>(i) + 1};
    Table& table = *t;
    tables_[table.record.code] = std::move(t);
    // From its last checkpoint: whatever its clients were shown.
    if (table.record.state == TableState::Running) startTable(table);
    return &table;
}

void Server::dropTable(const QString& code) {
    auto it = tables_.find(code);
    if (it == tables_.end()) return;
    Table& t = *it->second;
    stopTable(t);
    dirty_.erase(code);
    std::erase_if(tokens_, [&](const auto& entry) { return entry.second.first == code; });
    std::set<QWebSocket*> listeners = t.watchers;
    for (QWebSocket* s : t.seatClient)
        if (s) listeners.insert(s);
    tables_.erase(it);
    // Whoever reaches a server again is served where the table is now.
    for (QWebSocket* s : listeners) {
        auto c = clients_.find(s);
        if (c != clients_.end()) {
            c->second.table.clear();
            c->second.seat = 0;
        }
        send(s, net::ErrorMessage(net::ErrorCode::Moved, QStringLiteral("The table %1 is played on another server.").arg(code)));
        s->close(QWebSocketProtocol::CloseCodeGoingAway);
    }
}

void Server::renewLeases() {
    if (stopping_) return;
    QString error;
    const auto held = store_.renew(&error);
    if (!held) {
        qWarning("zentrix-server: leases not renewed: %s", qPrintable(error));
        // Cut off from the database for a whole lease: another server may
        // have the tables by now, and whatever is played here is lost.
        if (lastRenewal_.elapsed() > qint64{config_.leaseSeconds} * 1000) {
            std::vector<QString> all;
            for (const auto& [code, t] : tables_) all.push_back(code);
            for (const QString& code : all) dropTable(code);
        }
        return;
    }
    lastRenewal_.start();
    const std::set<QString> mine(held->begin(), held->end());
    std::vector<QString> gone;
    for (const auto& [code, t] : tables_)
        if (t->record.state != TableState::Finished && t->record.version != 0 && !mine.count(code) && !dirty_.count(code))
            gone.push_back(code);
    for (const QString& code : gone) dropTable(code);
    // Tables whose server died go on here, clients or not; of servers
    // reaching for one at once, one takes it.
    for (const QString& code : store_.orphans()) {
        TableRecord record;
        if (!find(code) && store_.take(code, &record) == Store::Take::Taken) adopt(std::move(record));
    }
}

}  // namespace zx::server
