// zentrix-server: runs Zentrix tables for players on other machines.
//   zentrix-server [--listen ADDR] [--port N] [--data DIR] [--instant]
//                  [--tls-cert FILE --tls-key FILE]
//                  [--store postgresql://USER@HOST/DB [--lease SECONDS] [--advertise URL]]
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QSocketNotifier>
#include <QStandardPaths>
#include <csignal>
#include <cstdio>
#include <memory>
#include <sys/resource.h>
#include <sys/socket.h>
#include <unistd.h>

#include "server/epoll_dispatcher.h"
#include "server/server.h"

namespace {

// SIGTERM and SIGINT only write a byte here; the event loop reads it and
// shuts down in peace (nothing of Qt may run inside a signal handler).
int signalPipe[2] = {-1, -1};

void onSignal(int) {
    const char byte = 1;
    [[maybe_unused]] const ssize_t n = ::write(signalPipe[0], &byte, 1);
}

}  // namespace

int main(int argc, char** argv) {
    // Qt's own event loop costs less than GLib's on each wake-up when it
    // watches thousands of sockets (a fifth less CPU at 200 tables here).
    if (!qEnvironmentVariableIsSet("QT_NO_GLIB")) qputenv("QT_NO_GLIB", "1");
    // The main thread's loop on epoll; ZENTRIX_POLL=1 keeps Qt's own (to compare).
    if (qEnvironmentVariableIntValue("ZENTRIX_POLL") == 0)
        QCoreApplication::setEventDispatcher(std::make_unique<zx::server::EpollDispatcher>().release());  // the application owns it
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("zentrix-server"));
    QCoreApplication::setOrganizationName(QStringLiteral("Zentrix"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Runs Zentrix tables for players on other machines."));
    parser.addHelpOption();
    QCommandLineOption listen(QStringLiteral("listen"), QStringLiteral("The address to listen on (default: all)."),
                              QStringLiteral("ADDR"), QStringLiteral("0.0.0.0"));
    QCommandLineOption port(QStringLiteral("port"), QStringLiteral("The port (0: any free one)."), QStringLiteral("N"),
                            QStringLiteral("7341"));
    QCommandLineOption data(QStringLiteral("data"), QStringLiteral("The folder of the tables' database."),
                            QStringLiteral("DIR"));
    QCommandLineOption instant(QStringLiteral("instant"), QStringLiteral("Plays the tables with no pauses (tests, benchmarks)."));
    QCommandLineOption cert(QStringLiteral("tls-cert"), QStringLiteral("PEM certificate: serve wss://."), QStringLiteral("FILE"));
    QCommandLineOption key(QStringLiteral("tls-key"), QStringLiteral("PEM private key of the certificate."), QStringLiteral("FILE"));
    QCommandLineOption store(QStringLiteral("store"),
                             QStringLiteral("A PostgreSQL database shared with other servers (postgresql://USER@HOST/DB);"
                                            " default: SQLite in the data folder."),
                             QStringLiteral("URL"));
    QCommandLineOption lease(QStringLiteral("lease"), QStringLiteral("Seconds a table stays held by a silent server (shared database)."),
                             QStringLiteral("SECONDS"), QStringLiteral("10"));
    QCommandLineOption advertise(QStringLiteral("advertise"),
                                 QStringLiteral("The address other servers send this server's clients to (default: ws://ADDR:PORT)."),
                                 QStringLiteral("URL"));
    parser.addOptions({listen, port, data, instant, cert, key, store, lease, advertise});
    parser.process(app);

    zx::server::ServerConfig config;
    if (!config.address.setAddress(parser.value(listen))) {
        std::fprintf(stderr, "zentrix-server: not an address: %s\n", qPrintable(parser.value(listen)));
        return 2;
    }
    bool ok = false;
    const uint n = parser.value(port).toUInt(&ok);
    if (!ok || n > 65535) {
        std::fprintf(stderr, "zentrix-server: not a port: %s\n", qPrintable(parser.value(port)));
        return 2;
    }
    config.port = static_cast<quint16>(n);
    config.dataDir = parser.isSet(data) ? parser.value(data)
                                        : QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    config.instant = parser.isSet(instant);
    config.tlsCert = parser.value(cert);
    config.tlsKey = parser.value(key);
    config.store = parser.value(store);
    config.advertise = parser.value(advertise);
    config.leaseSeconds = parser.value(lease).toInt(&ok);
    if (!ok || config.leaseSeconds < 1) {
        std::fprintf(stderr, "zentrix-server: not a number of seconds: %s\n", qPrintable(parser.value(lease)));
        return 2;
    }
    if (config.tlsCert.isEmpty() != config.tlsKey.isEmpty()) {
        std::fprintf(stderr, "zentrix-server: --tls-cert and --tls-key go together\n");
        return 2;
    }

    // Every connection is a file descriptor: thousands of players (and
    // idle connections) need more than the usual soft limit of 1024.
    rlimit files{};
    if (getrlimit(RLIMIT_NOFILE, &files) == 0 && files.rlim_cur < files.rlim_max) {
        files.rlim_cur = files.rlim_max;
        setrlimit(RLIMIT_NOFILE, &files);
    }

    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, signalPipe) != 0) return 1;
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);

    zx::server::Server server(config);
    QSocketNotifier notifier(signalPipe[1], QSocketNotifier::Read);
    QObject::connect(&notifier, &QSocketNotifier::activated, &app, [&] {
        char byte = 0;
        [[maybe_unused]] const ssize_t r = ::read(signalPipe[1], &byte, 1);
        notifier.setEnabled(false);
        server.shutdown();
        QCoreApplication::exit(0);
    });

    QString error;
    if (!server.start(&error)) {
        std::fprintf(stderr, "zentrix-server: %s\n", qPrintable(error));
        return 1;
    }
    std::printf("listening on %s\n", qPrintable(server.url()));
    std::fflush(stdout);
    return app.exec();
}
