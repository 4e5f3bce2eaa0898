#pragma once
// zentrix-bot's player: plays a remote seat of a Zentrix server as a computer player.
//   zentrix-bot --server URL --create SEATS [--seed N]
//   zentrix-bot --server URL --join CODE --strength easy|normal|hard [--name NAME]
//   zentrix-bot --server URL --resume TOKEN --strength easy|normal|hard
// It knows only what the server sends its seat: it keeps a mirror of the
// game from its views and decides with the desktop's strategies and hand,
// whose movements it sends as operations.
#include <QCborArray>
#include <QCborMap>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QWebSocket>
#include <algorithm>
#include <cstdio>
#include <deque>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

#include "ai/autopilot.h"
#include "ai/instant_game.h"
#include "net/protocol.h"
#include "net/view_codec.h"

namespace zx::bot {

// A lost connection is tried again for this long.
constexpr qint64 ReconnectForMs = 120'000;
// An operation that changed nothing visible is followed by the next try.
constexpr int RetryMs = 1500;
// Below the server's limits (net::RatePerSecond, net::RateBurst), whose clock is not ours.
constexpr int SafeRate = net::RatePerSecond * 4 / 5;
constexpr int SafeBurst = net::RateBurst / 2;

// ZENTRIX_TRACE=1: every message and movement on stderr, to find where a
// game stands still.
inline bool Tracing() {
    static const bool on = qEnvironmentVariableIntValue("ZENTRIX_TRACE") != 0;
    return on;
}

class Bot : public QObject {
public:
    enum class Mode { Create, Join, Resume };
    Bot(QUrl server, Mode mode, PlayerType strength)
        : server_(std::move(server)), mode_(mode), strength_(strength), mirror_(ui_, chance_), pilot_(mirror_, 7) {
        pilot_.PlayOnlyChosenSeats();
        pilot_.PlayAtSeveralScreens();
        pilot_.SendMovesTo([this](const Op& op) {
            sent_ = true;
            waitingForChange_ = true;
            sentAt_.start();
            retry_.start(RetryMs);
            if (Tracing()) trace("op %s index %d value %d text '%s'", qPrintable(net::OpKindName(op.kind)), op.index, op.value, op.text.c_str());
            sendFrame(net::OperationFrame(op, ++opId_));
        });
        drain_.setInterval(1000 / SafeRate);
        connect(&drain_, &QTimer::timeout, this, [this] { drain(); });
        retry_.setSingleShot(true);
        connect(&retry_, &QTimer::timeout, this, [this] {
            waitingForChange_ = false;
            step();
        });
        connect(&socket_, &QWebSocket::connected, this, [this] {
            // A new connection has a full allowance; nothing queued for the old one belongs on it.
            allowance_ = SafeBurst;
            sinceRefill_.start();
            queue_.clear();
            drain_.stop();
            sendFrame(net::HelloFrame());
        });
        connect(&socket_, &QWebSocket::binaryMessageReceived, this, [this](const QByteArray& b) {
            bytesReceived += b.size();
            ++framesReceived;
            received(b);
        });
        connect(&socket_, &QWebSocket::disconnected, this, [this] { lost(); });
    }

    // What the program does at the end (exits with the code); a load test
    // holding many bots in one process counts them instead.
    std::function<void(int code)> onFinish = [](int code) { QCoreApplication::exit(code); };
    // The milliseconds from an operation sent to the server's word that it
    // is carried out, every change it made at once received (or refused).
    std::function<void(double ms)> onAnswered;
    bool printing = true;
    qint64 bytesReceived = 0;
    qint64 framesReceived = 0;

    std::vector<net::SeatChoice> seats;
    std::optional<std::uint64_t> seed;
    QString table, name, token;

    void start() {
        lostAt_.start();
        socket_.open(server_);
    }
    // Leaves the table quietly: the connection closed is not lost.
    void stop() {
        done_ = true;
        socket_.close();
    }

private:
    void send(const QCborMap& m) { sendFrame(net::Encode(m)); }

    // The server closes a connection that floods it; in instant play a
    // computer could, so its frames keep under the server's rate with a margin.
    void sendFrame(const QByteArray& frame) {
        queue_.push_back(frame);
        drain();
    }
    void drain() {
        allowance_ = std::min<double>(SafeBurst, allowance_ + sinceRefill_.restart() * SafeRate / 1000.0);
        while (!queue_.empty() && allowance_ >= 1) {
            allowance_ -= 1;
            socket_.sendBinaryMessage(queue_.front());
            queue_.pop_front();
        }
        if (queue_.empty()) drain_.stop();
        else if (!drain_.isActive()) drain_.start();
    }

    void finish(int code) {
        done_ = true;
        socket_.close();
        if (onFinish) onFinish(code);
    }

    void lost() {
        if (done_) return;
        // Sent to the server holding the table: there at once, once; a
        // server that is gone sends us back to the address we were given.
        if (!moved_.isEmpty()) {
            const QUrl there = moved_;
            moved_.clear();
            QTimer::singleShot(0, this, [this, there] { socket_.open(there); });
            return;
        }
        const bool sentOn = mode_ == Mode::Join && reconnecting_;
        if ((token.isEmpty() && !sentOn) || lostAt_.elapsed() > ReconnectForMs) {
            std::fprintf(stderr, "zentrix-bot: the connection is lost\n");
            return finish(1);
        }
        if (!reconnecting_) lostAt_.restart();
        reconnecting_ = true;
        if (!token.isEmpty()) mode_ = Mode::Resume;
        QTimer::singleShot(1000, this, [this] { socket_.open(server_); });
    }

    template <typename... A>
    void trace(const char* format, A... a) {
        if (!clock_.isValid()) clock_.start();
        std::fprintf(stderr, "%8lld bot%d ", static_cast<long long>(clock_.elapsed()), seat_);
        if constexpr (sizeof...(A) == 0) std::fputs(format, stderr);
        else std::fprintf(stderr, format, a...);
        std::fputc('\n', stderr);
    }

    void traceStep(bool acted) {
        const GameState& s = mirror_.S;
        const SellCompaniesControls& f = mirror_.SellForm;
        trace("step: %s; slot %d current %d roller %d rollEnabled %d buy%d dep%d ins%d any%d wait%d waitform%d debtor %d "
              "sale%d seller %d(%s) submit%d sell%d rows %d%d%d%d%d bids [%s|%s|%s|%s] loan%d",
              acted ? "thought" : "nothing to do", slot_, s.CurrentPlayer, mirror_.NextRoller(), mirror_.Main.cmdRollDiceEnabled,
              s.BuyMode, s.DepositMode, s.InsuranceMode, s.MoveAnywhereMode, s.WaitingMode, mirror_.Wait.Loaded,
              mirror_.Wait.Debtor, f.Loaded, s.SellingPlayer, pilot_.IsComputer(s.SellingPlayer) ? "mine" : "not mine",
              f.cmdSubmitEnabled, f.cmdSellEnabled, f.optNameValue[0], f.optNameValue[1], f.optNameValue[2], f.optNameValue[3],
              f.optNameValue[4], f.txtBid[0].c_str(), f.txtBid[1].c_str(), f.txtBid[2].c_str(), f.txtBid[3].c_str(),
              mirror_.LoanDialog.Loaded);
    }

    void received(const QByteArray& bytes) {
        const auto frame = net::DecodeFrame(bytes);
        if (!frame) return;
        const QCborMap& m = *frame;
        const auto kind = net::KindFromName(m.value(QLatin1String("kind")).toString());
        if (!kind) return;
        if (Tracing()) {
            const QString k = m.value(QLatin1String("kind")).toString();
            QString what;
            if (*kind == net::Kind::Change)
                for (const QCborValue& key : m.value(QLatin1String("change")).toMap().keys()) what += key.toString() + QLatin1Char(' ');
            else if (*kind == net::Kind::Box || *kind == net::Kind::Error) what = m.value(QLatin1String("text")).toString().left(80);
            trace("got %s v%lld (mine %lld) %s", qPrintable(k), static_cast<long long>(m.value(QLatin1String("version")).toInteger()),
                  static_cast<long long>(version_), qPrintable(what));
        }
        switch (*kind) {
            case net::Kind::Welcome: return greeted();
            case net::Kind::Created:
                std::printf("table %s\n", qPrintable(m.value(QLatin1String("table")).toString()));
                std::fflush(stdout);
                return finish(0);
            case net::Kind::Joined:
                reconnecting_ = false;
                token = m.value(QLatin1String("token")).toString();
                seat_ = static_cast<int>(m.value(QLatin1String("seat")).toInteger());
                if (printing) {
                    std::printf("token %s\n", qPrintable(token));
                    std::fflush(stdout);
                }
                return;
            case net::Kind::Resumed:
                reconnecting_ = false;
                seat_ = static_cast<int>(m.value(QLatin1String("seat")).toInteger());
                return;
            case net::Kind::View:
                version_ = m.value(QLatin1String("version")).toInteger();
                noteSlot(m.value(QLatin1String("view")).toMap());
                net::ApplyView(mirror_, m.value(QLatin1String("view")).toMap());
                if (slot_ >= 1) {
                    pilot_.PlaySeat(mirror_.IdOf(slot_), strength_);
                    for (const QCborMap& early : std::exchange(early_, {})) box(early);
                }
                return changed();
            case net::Kind::Change: {
                const qint64 v = m.value(QLatin1String("version")).toInteger();
                // A gap, or a log that does not follow on: the whole view again.
                if (v != version_ + 1 || !net::ApplyView(mirror_, m.value(QLatin1String("change")).toMap())) {
                    send(net::Message(net::Kind::View));
                    return;
                }
                version_ = v;
                noteSlot(m.value(QLatin1String("change")).toMap());
                return changed();
            }
            case net::Kind::Box: return box(m);
            case net::Kind::Done: return answered(m);
            case net::Kind::Status: return status(m);
            case net::Kind::Error:
                if (m.value(QLatin1String("code")).toString() == net::ErrorCodeName(net::ErrorCode::Moved)) {
                    // Another server has the table, or will once its lease is free.
                    if (mode_ == Mode::Join && !reconnecting_) lostAt_.restart();
                    reconnecting_ = true;
                    const QUrl there(m.value(QLatin1String("address")).toString());
                    if (there.isValid() && !there.isEmpty() && socket_.requestUrl() != there) moved_ = there;
                    socket_.close();
                    return;
                }
                if (m.value(QLatin1String("code")).toString() == net::ErrorCodeName(net::ErrorCode::Refused)) {
                    answered(m);
                    waitingForChange_ = false;
                    QTimer::singleShot(50, this, [this] { step(); });
                    return;
                }
                if (printing) std::fprintf(stderr, "zentrix-bot: %s\n", qPrintable(m.value(QLatin1String("text")).toString()));
                // Nothing to play without a seat.
                if (m.value(QLatin1String("fatal")).toBool() || token.isEmpty()) return finish(1);
                return;
            default: return;
        }
    }

    void greeted() {
        QCborMap m;
        switch (mode_) {
            case Mode::Create:
                socket_.sendBinaryMessage(net::CreateFrame(seats, {}, seed));
                return;
            case Mode::Join:
                m = net::Message(net::Kind::Join);
                m.insert(QLatin1String("table"), table);
                if (!name.isEmpty()) m.insert(QLatin1String("name"), name);
                return send(m);
            case Mode::Resume:
                m = net::Message(net::Kind::Resume);
                m.insert(QLatin1String("token"), token);
                return send(m);
        }
    }

    void answered(const QCborMap& m) {
        if (m.value(QLatin1String("id")).toInteger(-1) != opId_ || !sentAt_.isValid()) return;
        if (onAnswered) onAnswered(static_cast<double>(sentAt_.nsecsElapsed()) / 1e6);
        sentAt_.invalidate();
    }

    void changed() {
        if (slot_ >= 1) pilot_.PlaySeat(mirror_.IdOf(slot_), strength_);
        waitingForChange_ = false;
        retry_.stop();
        step();
    }

    void step() {
        if (done_ || waitingForChange_) return;
        // A movement that only thought is followed by the next at once.
        for (int i = 0; i < 20; ++i) {
            sent_ = false;
            const bool acted = pilot_.Step();
            if (Tracing() && !sent_) traceStep(acted);
            if (sent_ || !acted) return;
        }
        QTimer::singleShot(0, this, [this] { step(); });
    }

    void box(const QCborMap& m) {
        if (!m.value(QLatin1String("mine")).toBool()) return;
        // A seat taken back gets its waiting boxes before its view: the
        // answer comes from the view, so it waits for it.
        if (slot_ < 1) {
            early_.push_back(m);
            return;
        }
        Message msg;
        msg.text = m.value(QLatin1String("text")).toString().toStdString();
        msg.title = m.value(QLatin1String("title")).toString().toStdString();
        msg.id = m.value(QLatin1String("about")).toString().toStdString();
        msg.buttons = net::ButtonsFromName(m.value(QLatin1String("buttons")).toString()).value_or(MsgButtons::Ok);
        msg.player = slot_;
        // A box this seat's player does not answer itself gets the box's own
        // default: a button it has, which the server takes.
        const auto fallback = net::BoxAnswerFromName(m.value(QLatin1String("default")).toString()).value_or(net::BoxAnswer::Ok);
        const auto mine = pilot_.Answer(msg);
        const net::BoxAnswer a = mine ? net::ToBoxAnswer(*mine) : fallback;
        if (Tracing()) trace("answer %s", qPrintable(net::BoxAnswerName(a)));
        QCborMap answer = net::Message(net::Kind::Answer);
        answer.insert(QLatin1String("box"), m.value(QLatin1String("box")));
        answer.insert(QLatin1String("answer"), net::BoxAnswerName(a));
        send(answer);
    }

    void status(const QCborMap& m) {
        QString me;
        for (const QCborValue& s : m.value(QLatin1String("seats")).toArray())
            if (s.toMap().value(QLatin1String("seat")).toInteger() == seat_) me = s.toMap().value(QLatin1String("name")).toString();
        if (!m.value(QLatin1String("finished")).toBool()) return;
        const QStringList results = [&] {
            QStringList r;
            for (const QCborValue& v : m.value(QLatin1String("results")).toArray()) r << v.toString();
            return r;
        }();
        if (printing) {
            std::printf("place %d of %d\n", static_cast<int>(results.indexOf(me)) + 1, static_cast<int>(results.size()));
            std::fflush(stdout);
        }
        finish(0);
    }

    // The slot the views are drawn for (it moves down when a player before
    // it leaves).
    void noteSlot(const QCborMap& view) {
        const QCborValue v = view.value(QLatin1String("seat"));
        if (v.isInteger()) slot_ = static_cast<int>(v.toInteger());
    }

    QUrl server_;
    QUrl moved_;
    Mode mode_;
    PlayerType strength_;
    ai::QuietUi ui_;
    ai::FastRandom chance_;
    Game mirror_;
    ai::Autopilot pilot_;
    QWebSocket socket_;
    QElapsedTimer sentAt_;  // since the operation numbered opId_ went
    qint64 opId_ = 0;
    QTimer retry_;
    QTimer drain_;
    std::deque<QByteArray> queue_;
    std::vector<QCborMap> early_;  // boxes that came before the first view
    double allowance_ = SafeBurst;
    QElapsedTimer sinceRefill_;
    QElapsedTimer lostAt_;
    QElapsedTimer clock_;
    qint64 version_ = 0;
    int seat_ = 0;
    int slot_ = 0;
    bool sent_ = false;
    bool waitingForChange_ = false;
    bool reconnecting_ = false;
    bool done_ = false;
};

}  // namespace zx::bot
