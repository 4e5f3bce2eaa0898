// The server under load: one zentrix-server process on 127.0.0.1 (port 0)
// and, in this process, many network bots (the normal strategy, each its
// own connection), as zentrix-bot plays them.
//   server_load pace TABLES SECONDS [PER_SECOND]
//                                     tables of four bots at the game's pace,
//                                     filling at PER_SECOND tables a second
//                                     (25): the server's CPU, the 99th
//                                     percentile from a bot's operation to the
//                                     server's word that it is carried out
//                                     (every change it made at once received
//                                     before it), the bytes per table per minute
//   server_load instant TABLES        --instant: whole games per second
//   server_load idle TABLES           the server's memory per idle table
// The baseline of each run is the same server with no table. Another
// build of the server (an earlier one, to compare with) runs instead when
// ZENTRIX_SERVER_PROGRAM names it.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

#include "bot/bot.h"

namespace {

struct Server {
    QProcess p;
    QUrl url;
    QTemporaryDir data;
    bool start(bool instant) {
        QStringList args{"--listen", "127.0.0.1", "--port", "0", "--data", data.path()};
        if (instant) args << "--instant";
        p.setProgram(qEnvironmentVariable("ZENTRIX_SERVER_PROGRAM", QStringLiteral(ZENTRIX_SERVER)));
        p.setArguments(args);
        p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        p.start();
        if (!p.waitForStarted(5000)) return false;
        while (!p.canReadLine() && p.waitForReadyRead(10000)) {}
        const QString line = QString::fromUtf8(p.readLine()).trimmed();
        url = QUrl(line.section(QLatin1Char(' '), 2));
        return url.isValid() && !url.isEmpty();
    }
    // user + system seconds of the server process
    double cpu() const {
        QFile f(QStringLiteral("/proc/%1/stat").arg(p.processId()));
        if (!f.open(QIODevice::ReadOnly)) return 0;
        const QList<QByteArray> v = f.readAll().split(')').last().trimmed().split(' ');
        // fields 14 and 15 of stat; here counted from the state (field 3)
        return (v[11].toDouble() + v[12].toDouble()) / 100.0;
    }
    double rssKb() const {
        QFile f(QStringLiteral("/proc/%1/status").arg(p.processId()));
        if (!f.open(QIODevice::ReadOnly)) return 0;
        for (const QByteArray& line : f.readAll().split('\n'))
            if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').first().toDouble();
        return 0;
    }
    ~Server() {
        p.terminate();
        if (!p.waitForFinished(20000)) p.kill();
        p.waitForFinished(5000);
    }
};

// user + system seconds of this process: the bots'
double OwnCpu() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return static_cast<double>(u.ru_utime.tv_sec + u.ru_stime.tv_sec) +
           static_cast<double>(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

// Runs this thread's events until `done` or `ms` have passed. It sleeps
// between events: a loop that only polled would burn a core of the 2 the
// server and the bots share.
template <typename Done>
void WaitUntil(Done done, int ms) {
    QElapsedTimer t;
    t.start();
    QTimer tick;  // wakes the loop to look at `done` and the time
    tick.start(20);
    while (!done() && t.elapsed() < ms) QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
}

void Wait(int ms) {
    WaitUntil([] { return false; }, ms);
}

// A connection that creates tables: the codes, in order.
QStringList CreateTables(const QUrl& url, int tables, int seats) {
    QStringList codes;
    std::vector<std::unique_ptr<QWebSocket>> hosts;
    int pending = 0;
    for (int i = 0; i < tables; i += zx::net::MaxTablesPerConnection) {
        auto ws = std::make_unique<QWebSocket>();
        QWebSocket* s = ws.get();
        const int n = std::min(zx::net::MaxTablesPerConnection, tables - i);
        pending += n;
        QObject::connect(s, &QWebSocket::connected, [s, n, seats] {
            s->sendBinaryMessage(zx::net::HelloFrame());
            for (int k = 0; k < n; ++k)
                s->sendBinaryMessage(zx::net::CreateFrame(std::vector<zx::net::SeatChoice>(seats, zx::net::SeatChoice{})));
        });
        QObject::connect(s, &QWebSocket::binaryMessageReceived, [&](const QByteArray& b) {
            auto m = zx::net::DecodeFrame(b);
            if (m && m->value(QLatin1String("kind")).toString() == QLatin1String("created")) {
                codes << m->value(QLatin1String("table")).toString();
                --pending;
            }
        });
        s->open(url);
        hosts.push_back(std::move(ws));
    }
    WaitUntil([&] { return pending <= 0; }, 60000);
    return codes;
}

// The bots, a few dozen to a thread: each thread's event loop looks at
// every one of its sockets on each wake-up, so one loop for thousands of
// bots spends its time there rather than on the bots, and the latencies
// measured would be the bots' own queue.
// ZENTRIX_BOTS_PER_THREAD=100000 puts them all in one, as the bench once did.
int BotsPerThread() {
    const int n = qEnvironmentVariableIntValue("ZENTRIX_BOTS_PER_THREAD");
    return n > 0 ? n : 64;
}

class BotThread {
public:
    BotThread() {
        home_.moveToThread(&thread_);
        thread_.setStackSize(1024 * 1024);
        thread_.start();
    }
    ~BotThread() {
        // The bots (their sockets and timers) are deleted in their own thread.
        run([this] {
            for (auto& b : all_) b->stop();
            all_.clear();
        });
        thread_.quit();
        thread_.wait();
    }
    // f runs in the thread; this one waits for it.
    template <typename F>
    void run(F f) {
        QMetaObject::invokeMethod(&home_, std::move(f), Qt::BlockingQueuedConnection);
    }
    void join(const QUrl& url, const QString& code) {
        run([this, url, code] {
            auto b = std::make_unique<zx::bot::Bot>(url, zx::bot::Bot::Mode::Join, zx::Normal);
            b->printing = false;
            b->table = code;
            b->onFinish = [this](int code) { code == 0 ? ++finished : ++failed; };
            b->onAnswered = [this](double ms) { answered.push_back(ms); };
            b->start();
            all_.push_back(std::move(b));
        });
    }
    std::size_t size() const { return all_.size(); }
    qint64 bytes() const {
        qint64 n = 0;
        for (const auto& b : all_) n += b->bytesReceived;
        return n;
    }
    qint64 frames() const {
        qint64 n = 0;
        for (const auto& b : all_) n += b->framesReceived;
        return n;
    }
    // Touched only in the thread (read through run()).
    std::vector<double> answered;
    int finished = 0, failed = 0;

private:
    QThread thread_;
    QObject home_;
    std::vector<std::unique_ptr<zx::bot::Bot>> all_;
};

struct Bots {
    std::vector<std::unique_ptr<BotThread>> threads;
    std::size_t count = 0;
    void join(const QUrl& url, const QStringList& codes, int seats) {
        for (const QString& code : codes)
            for (int s = 0; s < seats; ++s) {
                if (count % static_cast<std::size_t>(BotsPerThread()) == 0) threads.push_back(std::make_unique<BotThread>());
                threads.back()->join(url, code);
                ++count;
            }
    }
    template <typename T, typename F>
    T sum(F f) {
        T n{};
        for (auto& t : threads) t->run([&] { n += f(*t); });
        return n;
    }
    qint64 bytes() { return sum<qint64>([](const BotThread& t) { return t.bytes(); }); }
    qint64 frames() { return sum<qint64>([](const BotThread& t) { return t.frames(); }); }
    int finished() { return sum<int>([](const BotThread& t) { return t.finished; }); }
    int failed() { return sum<int>([](const BotThread& t) { return t.failed; }); }
    std::vector<double> answered() {
        std::vector<double> all;
        for (auto& t : threads) t->run([&] { all.insert(all.end(), t->answered.begin(), t->answered.end()); });
        return all;
    }
    void forgetAnswers() {
        for (auto& t : threads) t->run([&] { t->answered.clear(); });
    }
};

double Percentile(std::vector<double> v, double p) {
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    return v[static_cast<std::size_t>(p * static_cast<double>(v.size() - 1))];
}

int Pace(int tables, int seconds, int perSecond) {
    Server server;
    if (!server.start(false)) return 1;
    Wait(1000);
    // Baseline: the same server listening, with no table.
    double c0 = server.cpu();
    Wait(5000);
    const double idleCpu = (server.cpu() - c0) / 5.0;
    const QStringList codes = CreateTables(server.url, tables, 4);
    Bots bots;
    // A server fills as people come, not with every game starting in the
    // same second: that would keep the tables' moves in step, every one of
    // them rolling at once, long after.
    QElapsedTimer filling;
    filling.start();
    for (int i = 0; i < codes.size(); ++i) {
        bots.join(server.url, {codes[i]}, 4);
        const qint64 due = 1000LL * (i + 1) / std::max(1, perSecond);
        if (filling.elapsed() < due) Wait(static_cast<int>(due - filling.elapsed()));
    }
    std::vector<double> arriving = bots.answered();
    Wait(20000);  // the last tables' first moves made
    bots.forgetAnswers();
    const qint64 bytes0 = bots.bytes(), frames0 = bots.frames();
    c0 = server.cpu();
    const double b0 = OwnCpu();
    QElapsedTimer t;
    t.start();
    Wait(seconds * 1000);
    const double secs = static_cast<double>(t.elapsed()) / 1000.0;
    const double load = (server.cpu() - c0) / secs;
    const double botLoad = (OwnCpu() - b0) / secs;
    const std::vector<double> answered = bots.answered();
    std::printf("pace: %d tables (%zu bots in %zu threads, %d tables a second while filling: p99 %.1f ms then), %.0f s: "
                "server CPU %.1f %% of one core (no table: %.1f %%), "
                "the bots' CPU %.0f %%; operation to done: %zu answers, p50 %.1f ms, p90 %.1f ms, p99 %.1f ms, max %.1f ms; "
                "%.0f bytes per table per minute, %.0f messages per seat per minute; %d finished, %d failed\n",
                static_cast<int>(codes.size()), bots.count, bots.threads.size(), perSecond, Percentile(arriving, 0.99), secs,
                100 * load, 100 * idleCpu, 100 * botLoad,
                answered.size(), Percentile(answered, 0.5), Percentile(answered, 0.9), Percentile(answered, 0.99), Percentile(answered, 1.0),
                static_cast<double>(bots.bytes() - bytes0) / codes.size() / (secs / 60.0),
                static_cast<double>(bots.frames() - frames0) / static_cast<double>(bots.count) / (secs / 60.0), bots.finished(),
                bots.failed());
    return 0;
}

int Instant(int tables) {
    Server server;
    if (!server.start(true)) return 1;
    const QStringList codes = CreateTables(server.url, tables, 4);
    Bots bots;
    QElapsedTimer t;
    t.start();
    const double c0 = server.cpu();
    bots.join(server.url, codes, 4);
    WaitUntil([&] { return bots.finished() + bots.failed() >= static_cast<int>(bots.count); }, 240'000);
    const double secs = static_cast<double>(t.elapsed()) / 1000.0;
    std::printf("instant: %d tables of four bots, %d of %zu bots done (%d failed) in %.1f s: %.2f games per second; "
                "server CPU %.1f s\n",
                static_cast<int>(codes.size()), bots.finished(), bots.count, bots.failed(), secs,
                (bots.finished() / 4.0) / secs, server.cpu() - c0);
    return 0;
}

// Tables of two remote seats, both joined by clients that never act: each
// waits for its first roll. The first tables also bring in what the server
// loads only once (the TLS and Unicode libraries, the database's pages), so
// the cost of one more table is measured on a second batch as large.
int Idle(int tables) {
    Server server;
    if (!server.start(false)) return 1;
    Wait(1000);
    const double rss0 = server.rssKb();
    std::vector<std::unique_ptr<QWebSocket>> seats;
    auto seatTables = [&] {
        const QStringList codes = CreateTables(server.url, tables, 2);
        for (const QString& code : codes)
            for (int s = 0; s < 2; ++s) {
                auto ws = std::make_unique<QWebSocket>();
                QWebSocket* w = ws.get();
                QObject::connect(w, &QWebSocket::connected, [w, code] {
                    w->sendBinaryMessage(zx::net::HelloFrame());
                    QCborMap join = zx::net::Message(zx::net::Kind::Join);
                    join.insert(QLatin1String("table"), code);
                    w->sendBinaryMessage(zx::net::Encode(join));
                });
                w->open(server.url);
                seats.push_back(std::move(ws));
            }
        Wait(10000);
        return static_cast<int>(codes.size());
    };
    const int first = seatTables();
    const double rss1 = server.rssKb();
    const int second = seatTables();
    const double rss2 = server.rssKb();
    std::printf("idle: %d tables (both seats joined, a roll due): server RSS %.0f KB, with no table %.0f KB: %.0f KB per "
                "table; %d more tables: %.0f KB each\n",
                first, rss1, rss0, (rss1 - rss0) / first, second, (rss2 - rss1) / std::max(1, second));
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    // Thousands of bots' sockets in one loop: Qt's own loop looks at them for
    // less than GLib's does on each wake-up, as in the server.
    if (!qEnvironmentVariableIsSet("QT_NO_GLIB")) qputenv("QT_NO_GLIB", "1");
    QCoreApplication app(argc, argv);
    const QStringList a = app.arguments();
    const QString mode = a.value(1);
    const int tables = a.value(2, QStringLiteral("50")).toInt();
    if (mode == QLatin1String("pace"))
        return Pace(tables, a.value(3, QStringLiteral("60")).toInt(), a.value(4, QStringLiteral("25")).toInt());
    if (mode == QLatin1String("instant")) return Instant(tables);
    if (mode == QLatin1String("idle")) return Idle(tables);
    std::fprintf(stderr, "server_load pace TABLES SECONDS [PER_SECOND] | instant TABLES | idle TABLES\n");
    return 2;
}
