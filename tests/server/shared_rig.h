#pragma once
// What the tests and benchmarks of servers sharing a database start for
// themselves on loopback: a throw-away PostgreSQL cluster in a temporary
// folder (reached through its unix socket there), zentrix-server processes
// and HAProxy in front of them, on free ports.
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QTcpServer>
#include <QTcpSocket>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QThread>
#include <QUrl>
#include <algorithm>
#include <pwd.h>
#include <unistd.h>

namespace zx::rig {

inline bool Run(const QString& program, const QStringList& args, QString* output = nullptr, int ms = 60000) {
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, args);
    const bool ok = p.waitForStarted(5000) && p.waitForFinished(ms) && p.exitStatus() == QProcess::NormalExit &&
                    p.exitCode() == 0;
    if (output) *output = QString::fromLocal8Bit(p.readAll());
    return ok;
}

// PostgreSQL's programs, newest version first; empty when not installed.
inline QString PostgresBin() {
    QStringList versions = QDir(QStringLiteral("/usr/lib/postgresql")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    std::sort(versions.begin(), versions.end(), [](const QString& a, const QString& b) { return a.toInt() > b.toInt(); });
    for (const QString& v : versions) {
        const QString bin = QStringLiteral("/usr/lib/postgresql/%1/bin").arg(v);
        if (QFile::exists(bin + QStringLiteral("/initdb"))) return bin;
    }
    const QString initdb = QStandardPaths::findExecutable(QStringLiteral("initdb"));
    return initdb.isEmpty() ? QString() : QFileInfo(initdb).absolutePath();
}

inline bool PostgresDriverPresent() {
    for (const QString& dir : {QStringLiteral("/usr/lib/x86_64-linux-gnu/qt6/plugins/sqldrivers"),
                               QStringLiteral("/usr/lib/aarch64-linux-gnu/qt6/plugins/sqldrivers")})
        if (QFile::exists(dir + QStringLiteral("/libqsqlpsql.so"))) return true;
    return false;
}

// initdb refuses to run as root (CI runs as root): there the cluster
// belongs to `nobody`, and its programs run as that user.
class PgCluster {
public:
    ~PgCluster() {
        if (started_) Run(command(QStringLiteral("pg_ctl")), args(QStringLiteral("pg_ctl"), {QStringLiteral("-D"), data(), QStringLiteral("-m"),
                                                                    QStringLiteral("immediate"), QStringLiteral("stop")}));
    }
    // Empty when the cluster is up, else why not.
    QString start(bool durable = false) {
        bin_ = PostgresBin();
        if (bin_.isEmpty()) return QStringLiteral("PostgreSQL is not installed (tools/install-deps.sh test)");
        if (!dir_.isValid()) return QStringLiteral("no temporary folder");
        if (::geteuid() == 0) {
            const passwd* nobody = ::getpwnam("nobody");
            if (!nobody || ::chown(qPrintable(dir_.path()), nobody->pw_uid, nobody->pw_gid) != 0)
                return QStringLiteral("cannot give the cluster's folder to nobody");
            user_ = QStringLiteral("nobody");
        }
        QString out;
        if (!Run(command(QStringLiteral("initdb")), args(QStringLiteral("initdb"), {QStringLiteral("-D"), data(), QStringLiteral("-A"), QStringLiteral("trust"),
                                                           QStringLiteral("-U"), QStringLiteral("zentrix"), QStringLiteral("--no-sync")}),
                 &out))
            return QStringLiteral("initdb failed: ") + out;
        // Unix socket only, in the cluster's own folder: no port to share.
        // A throw-away cluster need not survive the machine's crash; a
        // durable one syncs its commits as a real one does.
        options_ = QStringLiteral("-k %1 -c listen_addresses=").arg(dir_.path());
        if (!durable) options_ += QStringLiteral(" -F");
        return startAgain();
    }
    // The database goes away at once, as with a crash of its machine...
    void stop() {
        Run(command(QStringLiteral("pg_ctl")), args(QStringLiteral("pg_ctl"), {QStringLiteral("-D"), data(), QStringLiteral("-m"),
                                                    QStringLiteral("immediate"), QStringLiteral("-w"), QStringLiteral("stop")}));
        started_ = false;
    }
    // ...and comes back.
    QString startAgain() {
        QString out;
        if (!Run(command(QStringLiteral("pg_ctl")), args(QStringLiteral("pg_ctl"), {QStringLiteral("-D"), data(), QStringLiteral("-l"), dir_.filePath(QStringLiteral("log")),
                                                           QStringLiteral("-o"), options_, QStringLiteral("-w"), QStringLiteral("start")}),
                 &out))
            return QStringLiteral("pg_ctl start failed: ") + out;
        started_ = true;
        return {};
    }
    QString url() const { return QStringLiteral("postgresql://zentrix@/postgres?host=%1").arg(dir_.path()); }
    // A psql statement's output (unaligned, tuples only).
    QString psql(const QString& sql) const {
        QString out;
        Run(QStringLiteral("psql"), {QStringLiteral("-At"), QStringLiteral("-h"), dir_.path(), QStringLiteral("-U"), QStringLiteral("zentrix"),
                                     QStringLiteral("postgres"), QStringLiteral("-c"), sql},
            &out);
        return out.trimmed();
    }

private:
    QString data() const { return dir_.filePath(QStringLiteral("data")); }
    QString command(const QString& program) const {
        return user_.isEmpty() ? bin_ + QLatin1Char('/') + program : QStringLiteral("runuser");
    }
    QStringList args(const QString& program, const QStringList& rest) const {
        if (user_.isEmpty()) return rest;
        return QStringList{QStringLiteral("-u"), user_, QStringLiteral("--"), bin_ + QLatin1Char('/') + program} + rest;
    }
    QTemporaryDir dir_;
    QString bin_, user_, options_;
    bool started_ = false;
};

inline quint16 FreePort() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

// A zentrix-server process, stopped (SIGKILL) with the object.
class ServerProc {
public:
    ~ServerProc() { kill(); }
    bool start(const QString& program, const QStringList& args) {
        p.setProgram(program);
        p.setArguments(args + QStringList{QStringLiteral("--listen"), QStringLiteral("127.0.0.1"), QStringLiteral("--port"),
                                          QStringLiteral("0")});
        p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        p.start();
        if (!p.waitForStarted(5000)) return false;
        QElapsedTimer clock;
        clock.start();
        while (!p.canReadLine() && clock.elapsed() < 15000) p.waitForReadyRead(100);
        const QString line = QString::fromUtf8(p.readLine()).trimmed();
        const QString prefix = QStringLiteral("listening on ");
        if (!line.startsWith(prefix)) return false;
        url = QUrl(line.mid(prefix.size()));
        return true;
    }
    void kill() {
        if (p.state() == QProcess::NotRunning) return;
        p.kill();
        p.waitForFinished(5000);
    }
    QProcess p;
    QUrl url;
};

// HAProxy in front of the servers: WebSocket through HTTP mode, a TCP
// health check every 300 ms, and a connection to a dead server tried on
// another one.
class HaProxy {
public:
    ~HaProxy() {
        if (p.state() != QProcess::NotRunning) {
            p.kill();
            p.waitForFinished(5000);
        }
    }
    static bool present() { return !QStandardPaths::findExecutable(QStringLiteral("haproxy"), {QStringLiteral("/usr/sbin"), QStringLiteral("/usr/bin")}).isEmpty(); }
    bool start(const std::vector<QUrl>& servers) {
        port = FreePort();
        QString config = QStringLiteral(
                             "global\n  maxconn 2000\n"
                             "defaults\n  mode http\n  retries 3\n  option redispatch\n  timeout connect 1s\n"
                             "  timeout client 60s\n  timeout server 60s\n  timeout tunnel 1h\n"
                             "frontend zentrix\n  bind 127.0.0.1:%1\n  default_backend servers\n"
                             "backend servers\n  balance roundrobin\n")
                             .arg(port);
        for (std::size_t i = 0; i < servers.size(); ++i)
            config += QStringLiteral("  server s%1 127.0.0.1:%2 check inter 300 fall 2 rise 2\n").arg(i).arg(servers[i].port());
        QFile f(dir_.filePath(QStringLiteral("haproxy.cfg")));
        if (!f.open(QIODevice::WriteOnly) || f.write(config.toUtf8()) < 0) return false;
        f.close();
        p.setProgram(QStandardPaths::findExecutable(QStringLiteral("haproxy"), {QStringLiteral("/usr/sbin"), QStringLiteral("/usr/bin")}));
        p.setArguments({QStringLiteral("-db"), QStringLiteral("-f"), f.fileName()});
        p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        p.setStandardOutputFile(QProcess::nullDevice());
        p.start();
        if (!p.waitForStarted(5000)) return false;
        // Up once it takes connections.
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 10000) {
            QTcpSocket s;
            s.connectToHost(QHostAddress::LocalHost, port);
            if (s.waitForConnected(200)) return true;
            QThread::msleep(50);
        }
        return false;
    }
    QUrl url() const { return QUrl(QStringLiteral("ws://127.0.0.1:%1").arg(port)); }
    QProcess p;
    quint16 port = 0;

private:
    QTemporaryDir dir_;
};

}  // namespace zx::rig
