#pragma once
// The Zentrix server: the lobby (create, list, join, resume, watch), the
// connections and their limits, and the tables' checkpoints. The games run
// in the tables' own threads (see table.h); everything here runs in the
// server's main thread.

#include <QHostAddress>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QUrl>
#include <QElapsedTimer>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <vector>

#include "net/protocol.h"
#include "server/store.h"

class QTcpServer;
class QTcpSocket;
class QThread;
class QWebSocket;
class QWebSocketServer;

namespace zx::server {

class TableRunner;

struct ServerConfig {
    QHostAddress address = QHostAddress::Any;
    quint16 port = 7341;
    QString dataDir;
    bool instant = false;
    QString tlsCert, tlsKey;
    // A shared PostgreSQL database (postgresql://USER@HOST/DB) instead of
    // the SQLite file in dataDir.
    QString store;
    // The lease on a table in the shared database, and the address this
    // server is known by there (its url() when empty).
    int leaseSeconds = 10;
    QString advertise;
};

class Server : public QObject {
    Q_OBJECT
public:
    explicit Server(ServerConfig config, QObject* parent = nullptr);
    ~Server() override;

    // Opens the database, resumes its tables and starts listening.
    bool start(QString* error);
    // ws://ADDR:PORT or wss://ADDR:PORT, with the port really listened on.
    QString url() const;
    // Checkpoints every table and stops them all.
    void shutdown();
    // The saved-game lines of a table's game as it stands (its newest idle
    // state); empty when there is no such table or it has not begun.
    std::string savedGame(const QString& code);
    // The seats and options of a table; empty seats when there is none.
    TableRecord record(const QString& code);
    // A table that goes on with a saved game (its lines as a saved-game
    // file holds them), for the program that hosts its own server: it
    // starts once every network seat is taken. Its code; empty: refused.
    QString openTable(const std::string& savedGame, const std::vector<net::SeatChoice>& seats,
                      const net::TableOptions& options);

private:
    struct Table;
    struct Client {
        bool greeted = false;
        QString table;  // the seat's table, when seated
        int seat = 0;
        int created = 0;
        double allowance = net::RateBurst;
        QElapsedTimer clock;
    };

    void handshake();
    void accept();
    void received(QWebSocket* socket, const QByteArray& bytes);
    void handle(QWebSocket* socket, Client& c, const net::Request& r);
    void dropped(QWebSocket* socket);
    void send(QWebSocket* socket, const QCborMap& message);
    void refuse(QWebSocket* socket, net::ErrorCode code, const QString& text, bool fatal = false);

    void create(QWebSocket* socket, Client& c, const net::Request& r);
    void list(QWebSocket* socket);
    void join(QWebSocket* socket, Client& c, const net::Request& r);
    void resume(QWebSocket* socket, Client& c, const net::Request& r);
    void answer(QWebSocket* socket, Client& c, const net::Request& r);
    void chat(QWebSocket* socket, const Client& c, const net::Request& r);

    Table* find(const QString& code);
    QString newCode() const;
    void startTable(Table& t);
    void stopTable(Table& t);
    QCborMap status(const Table& t) const;
    void broadcastStatus(Table& t);
    void sendBox(const QString& code, int seat, qint64 id, const QCborMap& box);
    // Writes one table at once, outside the batches; false when it could not.
    bool saveNow(TableRecord& record);
    void markDirty(const QString& code);
    void flush();
    // `then` (something the table sends) runs once the table's waiting
    // checkpoint is written, so that nothing a client was shown is lost. The
    // tables' checkpoints that came in one pass of the loop are written in
    // one transaction, not one each.
    void writeFirst(const QString& code, std::function<void()> then);
    // The table, held here or (shared database) taken over from another
    // server whose lease has run out; nullptr after an answer to the client.
    Table* reach(QWebSocket* socket, const QString& code, net::ErrorCode unknown);
    Table* adopt(TableRecord record);
    // Another server took the table: its clients are sent there.
    void dropTable(const QString& code);
    void renewLeases();

    ServerConfig config_;
    Store store_;
    // The sockets are accepted here and handed to the WebSocket server for
    // the handshake: so each gets LowDelayOption first, which QWebSocket
    // gives no access to. With TLS this is a QSslServer.
    std::unique_ptr<QTcpServer> tcp_;
    std::unique_ptr<QWebSocketServer> listener_;
    // Accepted sockets still in their WebSocket handshake. QWebSocket does
    // not delete the socket it was made from (and cuts every connection of
    // its signals), so each is deleted after its QWebSocket.
    std::vector<QPointer<QTcpSocket>> handshaking_;
    std::map<QString, std::unique_ptr<Table>> tables_;
    std::map<QWebSocket*, Client> clients_;
    // Seat tokens to their table and seat.
    std::map<QString, std::pair<QString, int>> tokens_;
    std::set<QString> dirty_;
    // What the tables send, held until their checkpoints are written.
    std::map<QString, std::vector<std::function<void()>>> held_;
    QTimer flushTimer_;
    QTimer heldTimer_;
    // The last write of the checkpoints failed; they are tried again each second.
    bool writeFailing_ = false;
    QTimer leaseTimer_;
    QElapsedTimer lastRenewal_;
    bool stopping_ = false;
};

}  // namespace zx::server
