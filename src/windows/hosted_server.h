#pragma once
// The server of a network game hosted at this screen: the same server the
// dedicated program runs, inside this one, in a thread of its own so that
// the windows never wait on its database or its connections.

#include <QString>
#include <QThread>
#include <QUrl>
#include <memory>
#include <string>
#include <vector>

#include "net/protocol.h"

namespace zx {

namespace server {
class Server;
}

class HostedServer {
public:
    HostedServer();
    ~HostedServer();
    HostedServer(const HostedServer&) = delete;
    HostedServer& operator=(const HostedServer&) = delete;

    // Listens on every address of this machine at `port` (0: any free one),
    // with its tables kept in `dataDir` so that they outlive a crash.
    bool start(quint16 port, const QString& dataDir, QString* error);
    // Checkpoints the tables and stops listening.
    void stop();
    bool running() const { return port_ != 0; }
    quint16 port() const { return port_; }
    // The saved-game lines of the table `code` as it stands now.
    std::string savedGame(const QString& code);
    // The table's seats and options, as Server::record and openTable.
    bool seats(const QString& code, std::vector<net::SeatChoice>* seats, net::TableOptions* options);
    QString openTable(const std::string& savedGame, const std::vector<net::SeatChoice>& seats,
                      const net::TableOptions& options);
    // The address this screen's own seat connects to.
    QUrl localUrl() const;

private:
    QThread thread_;
    std::unique_ptr<QObject> context_;  // lives in thread_
    std::unique_ptr<server::Server> server_;
    quint16 port_ = 0;
};

}  // namespace zx
