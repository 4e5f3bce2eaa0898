#include "client/remote_table.h"

#include <QCborArray>
#include <algorithm>

#include "net/protocol.h"
#include "net/view_codec.h"
#include "rules/game.h"

namespace zx::client {

namespace {

// What a person types: kept while the connection is down and sent again.
bool IsTyping(OpKind k) { return k == OpKind::SaleBid || k == OpKind::DeskType || k == OpKind::LoanType; }

}  // namespace

std::optional<Link> ParseLink(const QString& text) {
    QString s = text.trimmed();
    if (s.isEmpty()) return std::nullopt;
    if (!s.contains(QLatin1String("://"))) s.prepend(QLatin1String("ws://"));
    const QUrl url(s, QUrl::StrictMode);
    if (!url.isValid() || url.host().isEmpty() || url.port() < 1 || url.port() > 65535) return std::nullopt;
    if (!url.userInfo().isEmpty() || url.hasQuery() || url.hasFragment()) return std::nullopt;
    const QString scheme = url.scheme().toLower();
    Link link;
    if (scheme == QLatin1String("zentrix") || scheme == QLatin1String("ws")) link.server.setScheme(QStringLiteral("ws"));
    else if (scheme == QLatin1String("zentrix+tls") || scheme == QLatin1String("wss")) link.server.setScheme(QStringLiteral("wss"));
    else return std::nullopt;
    link.server.setHost(url.host());
    link.server.setPort(url.port());
    QString path = url.path();
    while (path.startsWith(QLatin1Char('/'))) path.remove(0, 1);
    while (path.endsWith(QLatin1Char('/'))) path.chop(1);
    link.table = path.toUpper();
    if (!link.table.isEmpty() && !net::LooksLikeTableCode(link.table)) return std::nullopt;
    // An invitation names its table.
    if (scheme.startsWith(QLatin1String("zentrix")) && link.table.isEmpty()) return std::nullopt;
    return link;
}

QString InviteLink(const QUrl& server, const QString& table) {
    QUrl u;
    u.setScheme(server.scheme() == QLatin1String("wss") ? QStringLiteral("zentrix+tls") : QStringLiteral("zentrix"));
    u.setHost(server.host());
    u.setPort(server.port());
    u.setPath(QLatin1Char('/') + table);
    return u.toString();
}

RemoteTable::RemoteTable(Game& mirror, QObject* parent) : QObject(parent), mirror_(mirror) {
    retry_.setSingleShot(true);
    connect(&retry_, &QTimer::timeout, this, [this] { open(server_, Goal::Resume); });
    connectTimeout_.setSingleShot(true);
    connectTimeout_.setInterval(ConnectTimeoutMs);
    connect(&connectTimeout_, &QTimer::timeout, this, [this] { socket_.abort(); });
    connect(&socket_, &QWebSocket::connected, this, [this] {
        connectTimeout_.stop();
        sendMap([] {
            QCborMap m = net::Message(net::Kind::Hello);
            m.insert(QLatin1String("version"), net::ProtocolVersion);
            return m;
        }());
    });
    connect(&socket_, &QWebSocket::binaryMessageReceived, this, &RemoteTable::received);
    connect(&socket_, &QWebSocket::disconnected, this, &RemoteTable::lost);
    // A refused connection may end with an error alone.
    connect(&socket_, qOverload<QAbstractSocket::SocketError>(&QWebSocket::error), this, [this](QAbstractSocket::SocketError) {
        if (socket_.state() == QAbstractSocket::UnconnectedState) lost();
    });
}

RemoteTable::~RemoteTable() {
    socket_.disconnect(this);
    socket_.abort();
}

int RemoteTable::seatId() const { return mirror_.IdOf(slot_); }

int RemoteTable::secondsToNextTry() const {
    if (!retry_.isActive()) return 0;
    return (retry_.remainingTime() + 999) / 1000;
}

void RemoteTable::listTables(const QUrl& server) { open(server, Goal::List); }

void RemoteTable::join(const QUrl& server, const QString& table, const QString& name) {
    table_ = table;
    name_ = name;
    token_.clear();
    open(server, Goal::Join);
}

void RemoteTable::createAndJoin(const QUrl& server, const std::vector<net::SeatChoice>& seats,
                                const net::TableOptions& options, const QString& name) {
    table_.clear();
    name_ = name;
    token_.clear();
    createFrame_ = net::CreateFrame(seats, options);
    open(server, Goal::Create);
}

void RemoteTable::resume(const QUrl& server, const QString& token) {
    token_ = token;
    active_ = true;
    open(server, Goal::Resume);
}

void RemoteTable::leave() {
    active_ = false;
    goal_ = Goal::None;
    retry_.stop();
    pending_.clear();
    connected_ = false;
    socket_.close();
    emit connectionChanged();
}

void RemoteTable::dropConnection() { socket_.abort(); }

void RemoteTable::open(const QUrl& server, Goal goal) {
    // Whatever the old connection still reports is no longer heard.
    goal_ = Goal::None;
    retry_.stop();
    socket_.abort();
    server_ = server;
    goal_ = goal;
    connected_ = false;
    everConnected_ = false;
    connectTimeout_.start();
    socket_.open(server);
}

void RemoteTable::sendMap(const QCborMap& m) { socket_.sendBinaryMessage(net::Encode(m)); }

void RemoteTable::send(const Op& op) {
    if (!connected_ || !seated()) {
        if (!IsTyping(op.kind)) return;
        // Only the newest text of each box matters.
        std::erase_if(pending_, [&op](const Op& o) {
            return o.kind == op.kind && o.index == op.index && o.window == op.window;
        });
        pending_.push_back(op);
        return;
    }
    socket_.sendBinaryMessage(net::OperationFrame(op));
}

void RemoteTable::flushPending() {
    for (auto ops = std::exchange(pending_, {}); const Op& op : ops) send(op);
}

void RemoteTable::chat(const QString& text) {
    if (connected_ && seated() && !text.trimmed().isEmpty()) socket_.sendBinaryMessage(net::ChatFrame(text.trimmed()));
}

void RemoteTable::answer(qint64 box, MsgAnswer a) {
    QCborMap m = net::Message(net::Kind::Answer);
    m.insert(QLatin1String("box"), box);
    m.insert(QLatin1String("answer"), net::BoxAnswerName(net::ToBoxAnswer(a)));
    sendMap(m);
}

void RemoteTable::greeted() {
    connected_ = true;
    everConnected_ = true;
    QCborMap m;
    switch (goal_) {
        case Goal::None: return;
        case Goal::List: return sendMap(net::Message(net::Kind::List));
        case Goal::Create:
            socket_.sendBinaryMessage(createFrame_);
            return;
        case Goal::Join:
            m = net::Message(net::Kind::Join);
            m.insert(QLatin1String("table"), table_);
            if (!name_.trimmed().isEmpty()) m.insert(QLatin1String("name"), name_.trimmed());
            return sendMap(m);
        case Goal::Resume:
            m = net::Message(net::Kind::Resume);
            m.insert(QLatin1String("token"), token_);
            return sendMap(m);
    }
}

void RemoteTable::received(const QByteArray& bytes) {
    const auto frame = net::DecodeFrame(bytes);
    if (!frame) return;
    const QCborMap& m = *frame;
    const auto kind = net::KindFromName(m.value(QLatin1String("kind")).toString());
    if (!kind) return;
    auto noteSlot = [this](const QCborMap& view) {
        const QCborValue v = view.value(QLatin1String("seat"));
        if (v.isInteger()) slot_ = static_cast<int>(v.toInteger());
    };
    switch (*kind) {
        case net::Kind::Welcome: return greeted();
        case net::Kind::Tables: {
            QList<OpenTable> tables;
            for (const QCborValue& v : m.value(QLatin1String("tables")).toArray()) {
                const QCborMap t = v.toMap();
                OpenTable o;
                o.code = t.value(QLatin1String("table")).toString();
                for (const QCborValue& s : t.value(QLatin1String("seats")).toArray()) {
                    o.names << s.toMap().value(QLatin1String("name")).toString();
                    if (s.toMap().value(QLatin1String("free")).toBool()) ++o.freeSeats;
                }
                if (o.freeSeats > 0) tables << o;
            }
            goal_ = Goal::None;
            socket_.close();
            emit tablesListed(tables);
            return;
        }
        case net::Kind::Created:
            if (goal_ != Goal::Create) return;
            table_ = m.value(QLatin1String("table")).toString();
            goal_ = Goal::Join;
            emit tableCreated(table_);
            greeted();
            return;
        case net::Kind::Chat:
            emit chatReceived(static_cast<int>(m.value(QLatin1String("seat")).toInteger()),
                              m.value(QLatin1String("name")).toString(), m.value(QLatin1String("text")).toString());
            return;
        case net::Kind::Joined:
            token_ = m.value(QLatin1String("token")).toString();
            table_ = m.value(QLatin1String("table")).toString();
            active_ = true;
            goal_ = Goal::Resume;
            retryMs_ = FirstRetryMs;
            emit seatTaken(table_, static_cast<int>(m.value(QLatin1String("seat")).toInteger()), token_);
            emit connectionChanged();
            return;
        case net::Kind::Resumed:
            table_ = m.value(QLatin1String("table")).toString();
            active_ = true;
            retryMs_ = FirstRetryMs;
            emit seatTaken(table_, static_cast<int>(m.value(QLatin1String("seat")).toInteger()), token_);
            emit connectionChanged();
            return;
        case net::Kind::View: {
            version_ = m.value(QLatin1String("version")).toInteger();
            const QCborMap view = m.value(QLatin1String("view")).toMap();
            noteSlot(view);
            net::ApplyView(mirror_, view);
            emit viewChanged(true);
            // What was typed while away goes on top of the view it was typed over.
            flushPending();
            return;
        }
        case net::Kind::Change: {
            const qint64 v = m.value(QLatin1String("version")).toInteger();
            const QCborMap change = m.value(QLatin1String("change")).toMap();
            // A gap, or a log that does not follow on: the whole view again.
            if (v != version_ + 1 || !net::ApplyView(mirror_, change)) {
                sendMap(net::Message(net::Kind::View));
                return;
            }
            version_ = v;
            noteSlot(change);
            emit viewChanged(false);
            return;
        }
        case net::Kind::Box: {
            Box b;
            b.id = m.value(QLatin1String("box")).toInteger();
            b.mine = m.value(QLatin1String("mine")).toBool();
            b.message.text = m.value(QLatin1String("text")).toString().toStdString();
            b.message.title = m.value(QLatin1String("title")).toString().toStdString();
            b.message.id = m.value(QLatin1String("about")).toString().toStdString();
            b.message.icon = net::IconFromName(m.value(QLatin1String("icon")).toString());
            b.message.buttons = net::ButtonsFromName(m.value(QLatin1String("buttons")).toString()).value_or(MsgButtons::Ok);
            b.message.defaultAnswer = net::FromBoxAnswer(net::BoxAnswerFromName(m.value(QLatin1String("default")).toString()).value_or(net::BoxAnswer::Ok));
            b.message.player = b.mine ? slot_ : 0;
            emit boxArrived(b);
            return;
        }
        case net::Kind::Status:
            status_ = m;
            emit statusChanged();
            return;
        case net::Kind::Error: {
            const QString code = m.value(QLatin1String("code")).toString();
            const QString text = m.value(QLatin1String("text")).toString();
            // A refused operation: the next view shows the game as it is.
            if (code == net::ErrorCodeName(net::ErrorCode::Refused)) return;
            if (code == net::ErrorCodeName(net::ErrorCode::BadToken)) {
                return fail(Failure::BadToken, text);
            }
            if (seated()) return;
            if (code == net::ErrorCodeName(net::ErrorCode::UnknownTable)) return fail(Failure::UnknownTable, text);
            if (code == net::ErrorCodeName(net::ErrorCode::TableFull)) return fail(Failure::TableFull, text);
            if (code == net::ErrorCodeName(net::ErrorCode::BadName)) return fail(Failure::BadName, text);
            if (code == net::ErrorCodeName(net::ErrorCode::Version)) return fail(Failure::Version, text);
            return fail(Failure::Other, text);
        }
        default: return;
    }
}

void RemoteTable::fail(Failure why, const QString& text) {
    active_ = false;
    goal_ = Goal::None;
    retry_.stop();
    connectTimeout_.stop();
    connected_ = false;
    socket_.abort();
    emit failed(why, text);
    emit connectionChanged();
}

void RemoteTable::lost() {
    // Both the error and the end of the connection report one loss.
    if (retry_.isActive()) return;
    connectTimeout_.stop();
    const bool wasConnected = connected_;
    connected_ = false;
    if (goal_ == Goal::None) return;
    if (!active_ || token_.isEmpty()) {
        const Goal goal = std::exchange(goal_, Goal::None);
        if (goal != Goal::None) fail(everConnected_ ? Failure::Lost : Failure::Unreachable, socket_.errorString());
        return;
    }
    // Held seat: tried again, each wait twice the last up to the longest.
    if (!wasConnected && retryMs_ < LongestRetryMs) retryMs_ = std::min(retryMs_ * 2, LongestRetryMs);
    retry_.start(wasConnected ? FirstRetryMs : retryMs_);
    emit connectionChanged();
}

}  // namespace zx::client
