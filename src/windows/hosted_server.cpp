#include "windows/hosted_server.h"

#include <QDir>

#include "server/server.h"

namespace zx {

HostedServer::HostedServer() = default;

HostedServer::~HostedServer() { stop(); }

bool HostedServer::start(quint16 port, const QString& dataDir, QString* error) {
    stop();
    QDir().mkpath(dataDir);
    thread_.setObjectName(QStringLiteral("hosted server"));
    thread_.start();
    context_ = std::make_unique<QObject>();
    context_->moveToThread(&thread_);
    bool ok = false;
    QString why;
    QString url;
    // Made, started and later deleted in its own thread: its sockets and
    // timers belong there.
    QMetaObject::invokeMethod(context_.get(), [&] {
        server::ServerConfig config;
        config.port = port;
        config.dataDir = dataDir;
        server_ = std::make_unique<server::Server>(config);
        ok = server_->start(&why);
        if (ok) url = server_->url();
        else server_.reset();
    }, Qt::BlockingQueuedConnection);
    if (!ok) {
        if (error) *error = why;
        stop();
        return false;
    }
    port_ = static_cast<quint16>(QUrl(url).port());
    return true;
}

void HostedServer::stop() {
    if (thread_.isRunning()) {
        QMetaObject::invokeMethod(context_.get(), [this] {
            if (server_) server_->shutdown();
            server_.reset();
        }, Qt::BlockingQueuedConnection);
        thread_.quit();
        thread_.wait();
    }
    context_.reset();
    port_ = 0;
}

std::string HostedServer::savedGame(const QString& code) {
    if (!thread_.isRunning()) return {};
    std::string lines;
    QMetaObject::invokeMethod(context_.get(), [&] {
        if (server_) lines = server_->savedGame(code);
    }, Qt::BlockingQueuedConnection);
    return lines;
}

bool HostedServer::seats(const QString& code, std::vector<net::SeatChoice>* seats, net::TableOptions* options) {
    if (!thread_.isRunning()) return false;
    QMetaObject::invokeMethod(context_.get(), [&] {
        if (!server_) return;
        const server::TableRecord r = server_->record(code);
        seats->clear();
        for (const server::SeatRecord& s : r.seats) seats->push_back(s.choice);
        *options = r.options;
    }, Qt::BlockingQueuedConnection);
    return !seats->empty();
}

QString HostedServer::openTable(const std::string& savedGame, const std::vector<net::SeatChoice>& seats,
                                const net::TableOptions& options) {
    if (!thread_.isRunning()) return {};
    QString code;
    QMetaObject::invokeMethod(context_.get(), [&] {
        if (server_) code = server_->openTable(savedGame, seats, options);
    }, Qt::BlockingQueuedConnection);
    return code;
}

QUrl HostedServer::localUrl() const {
    QUrl url;
    url.setScheme(QStringLiteral("ws"));
    url.setHost(QStringLiteral("127.0.0.1"));
    url.setPort(port_);
    return url;
}

}  // namespace zx
