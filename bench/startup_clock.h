#pragma once
// Clocks for the start-up measurements: how long since the process was
// launched, how much memory it has held at most, and the moment a window's
// first frame is on screen.

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>

#include <sys/resource.h>
#include <time.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>

namespace zx::bench {

inline double SecondsOf(clockid_t clock) {
    timespec t{};
    clock_gettime(clock, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

// Where the launch time came from: the launcher's own clock reading handed
// over in ZENTRIX_BENCH_LAUNCH (bash's $EPOCHREALTIME, microsecond exact), or
// the kernel's record of the process start (only to the clock tick, 10 ms).
struct LaunchTime {
    std::string source;
    double elapsedSeconds = -1;  // from launch to now
};

inline LaunchTime SinceLaunch() {
    LaunchTime r;
    if (const char* env = std::getenv("ZENTRIX_BENCH_LAUNCH")) {
        // "$EPOCHREALTIME" is seconds.microseconds; some locales write a comma.
        std::string text = env;
        for (char& c : text)
            if (c == ',') c = '.';
        char* end = nullptr;
        double launched = std::strtod(text.c_str(), &end);
        if (end != text.c_str() && launched > 0) {
            r.source = "launcher";
            r.elapsedSeconds = SecondsOf(CLOCK_REALTIME) - launched;
            return r;
        }
    }
    std::ifstream in("/proc/self/stat");
    std::string stat((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    // The command name may hold spaces and parentheses: fields are counted
    // from the last ')'. The start time is field 22, the 20th after it.
    auto close = stat.rfind(')');
    if (close == std::string::npos) return r;
    std::istringstream fields(stat.substr(close + 2));
    std::string field;
    for (int i = 3; i <= 22 && fields >> field; ++i) {
        if (i == 22) {
            double ticks = std::strtod(field.c_str(), nullptr);
            r.source = "proc";
            r.elapsedSeconds = SecondsOf(CLOCK_BOOTTIME) - ticks / static_cast<double>(sysconf(_SC_CLK_TCK));
        }
    }
    return r;
}

inline long MaxRssKb() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_maxrss;
}

// CPU time (user + system, all threads) used so far: on a busy machine it
// varies less than the time on the clock.
inline double CpuMs() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    auto ms = [](const timeval& t) {
        return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_usec) * 1e-3;
    };
    return ms(u.ru_utime) + ms(u.ru_stime);
}

// Watches a top-level window and calls `done` once its first frame has been
// painted and handed to the window system: the first paint event arrives
// while the whole window is being redrawn, so the report waits for that
// redraw (and its flush) to end.
class FirstFrame : public QObject {
public:
    FirstFrame(QWidget* window, std::function<void()> done) : done_(std::move(done)) {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* e) override {
        if (!fired_ && e->type() == QEvent::Paint) {
            fired_ = true;
            watched->removeEventFilter(this);
            QTimer::singleShot(0, this, [this] { done_(); });
        }
        return false;
    }

private:
    std::function<void()> done_;
    bool fired_ = false;
};

// Prints the start-up line the script reads, then ends the event loop.
inline void ReportStartup(double mainTopSeconds) {
    LaunchTime launch = SinceLaunch();
    double sinceMain = SecondsOf(CLOCK_MONOTONIC) - mainTopSeconds;
    std::printf("startup_ms=%.2f main_ms=%.2f cpu_ms=%.2f maxrss_kb=%ld source=%s\n", launch.elapsedSeconds * 1000.0,
                sinceMain * 1000.0, CpuMs(), MaxRssKb(), launch.source.c_str());
    std::fflush(stdout);
    QCoreApplication::exit(0);
}

}  // namespace zx::bench
