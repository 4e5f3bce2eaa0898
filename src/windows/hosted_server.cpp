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

QUrl HostedServer::localUrl() const {
    QUrl url;
    url.setScheme(QStringLiteral("ws"));
    url.setHost(QStringLiteral("127.0.0.1"));
    url.setPort(port_);
    return url;
}

}  // namespace zx
