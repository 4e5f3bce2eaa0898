#pragma once
// What the benchmarks that run the real program share: the program's own
// set-up, a game started quietly (no sounds, no music), the process's CPU
// time and a way to let the event loop run for a while.

#include <QApplication>
#include <QEventLoop>
#include <QTimer>

#include <sys/resource.h>

#include "media/pictures.h"
#include "rules/game.h"
#include "rules/random.h"
#include "windows/controller.h"

namespace zx::bench {

// As the program's main does, before its controller starts.
inline void SetUpApplication() {
    QApplication::setApplicationName(QStringLiteral("Zentrix"));
    QApplication::setWindowIcon(pictures::appIcon());
    QApplication::setQuitOnLastWindowClosed(false);
}

// The program as its main starts it, its dice drawn from `seed` and its
// questions answered by `hooks`.
struct Program {
    Program(unsigned seed, DialogHooks& hooks) : random(seed) {
        controller.setHooks(&hooks);
        controller.start();
    }
    StdRandom random;
    Controller controller{random};
};

// A new game of `players` through the new-game window, sounds and music off
// (a roll goes on at once, nothing plays).
inline void StartQuietGame(Game& g, int players) {
    g.mnuGameNew_Click();
    g.NewGame.optNumOfPlayers_Click(players);
    g.NewGame.chkSounds_Click(false);
    g.NewGame.chkBackgroundMusic_Click(false);
    g.NewGame.cmdStart_Click();
}

// User + system time of every thread so far.
inline double CpuSeconds() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    auto s = [](const timeval& t) { return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) * 1e-6; };
    return s(u.ru_utime) + s(u.ru_stime);
}

inline void RunEventLoopFor(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

}  // namespace zx::bench
