#pragma once
// A seat at a table of a Zentrix server, as a desktop client holds it: the
// connection (hello, list, join or resume), the seat's token, the mirror
// game kept from the views and changes the server sends, the boxes that
// wait for this seat's answer and the operations sent for it. A connection
// lost while seated is tried again by itself, less and less often, and the
// seat taken back with its token.
//
// Links: zentrix://HOST:PORT/CODE (and zentrix+tls:// for a server behind
// TLS) invite to a table; ws:// and wss:// name a server, with the table's
// code as the path when there is one; a bare HOST:PORT is taken as ws://.

#include <QCborMap>
#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QUrl>
#include <QWebSocket>
#include <deque>
#include <optional>

#include "net/protocol.h"
#include "rules/operations.h"
#include "rules/ui.h"

namespace zx {
class Game;
}

namespace zx::client {

struct Link {
    QUrl server;    // ws://HOST:PORT or wss://HOST:PORT
    QString table;  // empty: the link names a server only
};
std::optional<Link> ParseLink(const QString& text);
QString InviteLink(const QUrl& server, const QString& table);

struct OpenTable {
    QString code;
    QStringList names;  // every seat's name, in seat order
    int freeSeats = 0;
};

struct Box {
    qint64 id = 0;
    bool mine = false;  // waits for this seat's answer
    Message message;
};

enum class Failure {
    Unreachable,   // no server answered at that address
    Lost,          // the connection ended before a seat was taken
    UnknownTable,
    TableFull,
    BadName,
    BadToken,
    Version,
    Other,
};

class RemoteTable : public QObject {
    Q_OBJECT
public:
    // Views go into `mirror`; whatever its Ui does with them is the caller's.
    explicit RemoteTable(Game& mirror, QObject* parent = nullptr);
    ~RemoteTable() override;

    void listTables(const QUrl& server);
    void join(const QUrl& server, const QString& table, const QString& name);
    void resume(const QUrl& server, const QString& token);
    // Opens a new table and takes the seat named `name` at it (the host's).
    void createAndJoin(const QUrl& server, const std::vector<net::SeatChoice>& seats, const net::TableOptions& options,
                       const QString& name);
    // Leaves the table for good on this side (the seat's token stays valid).
    void leave();

    // One of this seat's operations. Typed text sent while the connection is
    // down goes when it is back, so nothing typed is lost.
    void send(const Op& op);
    void answer(qint64 box, MsgAnswer a);
    // A line said to the table; never waited for, and lost when the
    // connection is down.
    void chat(const QString& text);

    bool seated() const { return !token_.isEmpty() && active_; }
    bool connected() const { return connected_; }
    bool reconnecting() const { return active_ && !connected_ && !token_.isEmpty(); }
    // Seconds until the next try while reconnecting.
    int secondsToNextTry() const;
    // The mirror's slot of this seat (0 before the first view) and its PlayerId.
    int slot() const { return slot_; }
    int seatId() const;
    const QString& token() const { return token_; }
    const QString& table() const { return table_; }
    const QUrl& server() const { return server_; }
    // The last status of the table (its seats and who is connected).
    const QCborMap& status() const { return status_; }

    // Cuts the connection as a broken network would (tests).
    void dropConnection();
    // The first wait before a new try; it doubles up to the longest.
    static constexpr int FirstRetryMs = 500;
    static constexpr int LongestRetryMs = 30'000;
    // How long a server may take to accept the connection.
    static constexpr int ConnectTimeoutMs = 10'000;

signals:
    void tablesListed(const QList<zx::client::OpenTable>& tables);
    void tableCreated(const QString& table);
    void chatReceived(int seat, const QString& name, const QString& text);
    void seatTaken(const QString& table, int seat, const QString& token);
    // The mirror changed (whole: a whole view replaced it).
    void viewChanged(bool whole);
    void boxArrived(const zx::client::Box& box);
    void statusChanged();
    // Before a seat was taken: what went wrong, with the server's own words
    // when it gave any.
    void failed(zx::client::Failure why, const QString& text);
    void connectionChanged();

private:
    enum class Goal { None, List, Create, Join, Resume };
    void open(const QUrl& server, Goal goal);
    void sendMap(const QCborMap& m);
    void received(const QByteArray& bytes);
    void greeted();
    void lost();
    void fail(Failure why, const QString& text);
    void flushPending();

    Game& mirror_;
    QWebSocket socket_;
    QTimer retry_;
    QTimer connectTimeout_;
    QElapsedTimer retryClock_;
    QUrl server_;
    Goal goal_ = Goal::None;
    QString table_, name_, token_;
    QCborMap status_;
    QByteArray createFrame_;
    std::deque<Op> pending_;
    qint64 version_ = 0;
    int slot_ = 0;
    int retryMs_ = FirstRetryMs;
    bool active_ = false;     // a seat is held (or being taken back)
    bool connected_ = false;  // greeted by the server
    bool everConnected_ = false;
};

}  // namespace zx::client
