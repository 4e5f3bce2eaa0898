// What a game on the board costs while no one plays: a two-player game is
// started through the new-game window (sounds and music off), then the event
// loop runs on its own for a while, with only the game clock and the
// auto-save timer ticking. Prints the CPU time used (user + system, all
// threads) and that as a share of one core.
//
//   idle [--seconds N]     (60 by default)

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "bench_support.h"
#include "rules/random.h"
#include "windows/controller.h"

using zx::bench::CpuSeconds;
using zx::bench::RunEventLoopFor;

namespace {

// Nothing should ask anything of a player who is not there; if something
// does, the answer is the one Enter would give and file dialogs are cancelled.
class NobodyThere : public zx::DialogHooks {
public:
    int asked = 0;
    std::optional<zx::MsgAnswer> message(const zx::Message& m) override {
        ++asked;
        return m.defaultAnswer;
    }
    std::optional<std::string> saveFile(const std::string&, const std::string&) override { return std::string(); }
    std::optional<std::string> openFile(const std::string&) override { return std::string(); }
};

}  // namespace

int main(int argc, char* argv[]) {
    double seconds = 60;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--seconds") == 0 && i + 1 < argc) seconds = std::atof(argv[++i]);
    }
    if (seconds <= 0) {
        std::fprintf(stderr, "usage: idle [--seconds N]\n");
        return 2;
    }

    QApplication app(argc, argv);
    zx::bench::SetUpApplication();

    NobodyThere nobody;
    zx::bench::Program program(1, nobody);
    zx::Controller& controller = program.controller;
    zx::Game& g = controller.game();
    zx::bench::StartQuietGame(g, 2);
    controller.renderAll();
    if (!g.S.GameInProgress) {
        std::fprintf(stderr, "idle: the game did not start\n");
        return 1;
    }

    int ticks[zx::TimerCount] = {};
    for (int t = 0; t < zx::TimerCount; ++t)
        QObject::connect(controller.timer(static_cast<zx::TimerId>(t)), &QTimer::timeout, [&ticks, t] { ++ticks[t]; });

    // The windows' first frames are part of starting, not of idling.
    RunEventLoopFor(1000);

    const double cpu0 = CpuSeconds();
    QElapsedTimer wall;
    wall.start();
    RunEventLoopFor(static_cast<int>(seconds * 1000));
    const double cpu = CpuSeconds() - cpu0;
    const double elapsed = static_cast<double>(wall.nsecsElapsed()) * 1e-9;

    std::printf("idle: %.1f s with a two-player game on the board (sounds and music off)\n", elapsed);
    std::printf("cpu_seconds=%.6f cpu_percent_of_one_core=%.4f\n", cpu, 100.0 * cpu / elapsed);
    std::printf("ticks: game clock %d, auto-save %d, walk %d, money %d, reaction %d; message boxes %d; "
                "game time %d min\n",
                ticks[static_cast<int>(zx::TimerId::GameTime)], ticks[static_cast<int>(zx::TimerId::AutoSave)],
                ticks[static_cast<int>(zx::TimerId::MovePieces)], ticks[static_cast<int>(zx::TimerId::ChangeMoney)],
                ticks[static_cast<int>(zx::TimerId::LimitReactionTime)], nobody.asked, g.S.GameTime);
    std::fflush(stdout);
    return 0;
}
