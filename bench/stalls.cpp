// How long the windows freeze while computers think: whole games of four
// computer players through the real program (offscreen unless a display is
// set), the hard players at the interactive budget (CPU time per decision),
// nobody touching anything. A 1 ms timer runs beside the game; the gap
// between two of its runs is how long the event loop was kept from running
// it. Prints the longest gap, the 99th percentile and how many steps the
// computers' hands took, for four hard players and, as the baseline of the
// same run, four normal ones (who decide at once).
//
//   stalls [--games N] [--seconds S] [--seed K] [--pace MS]
//     games: games of each kind (1); seconds: a game is cut off after S
//     seconds (90); pace: the computers' hands move every MS ms (0).

#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "bench_support.h"
#include "windows/controller.h"
#include "windows/results_window.h"

namespace {

using namespace zx;

// Every box answered as Enter would: the computers answer their own before
// it comes here, and nobody else sits at the table.
class DefaultAnswers : public DialogHooks {
public:
    std::optional<MsgAnswer> message(const Message& m) override { return m.defaultAnswer; }
    std::optional<std::string> saveFile(const std::string&, const std::string&) override { return std::string(); }
    std::optional<std::string> openFile(const std::string&) override { return std::string(); }
};

struct Measured {
    std::vector<double> gaps;  // ms between two runs of the 1 ms timer
    long steps = 0;            // runs of the computers' timer
    int moves = 0;
    int finished = 0;          // games played to the results window
};

void PlayOne(PlayerType type, unsigned seed, int seconds, int pace, Measured& m) {
    DefaultAnswers hooks;
    bench::Program prog(seed, hooks);
    Controller& c = prog.controller;
    c.seedComputers(seed);
    // The animations' ticks as soon as possible, so that the game is mostly
    // the computers' own work.
    c.timer(TimerId::MovePieces)->setInterval(0);
    c.timer(TimerId::ChangeMoney)->setInterval(0);
    c.timer(TimerId::DestroyDelay)->setInterval(20);
    c.setComputerPace(pace);
    Game& g = c.game();
    g.mnuGameNew_Click();
    g.NewGame.optNumOfPlayers_Click(4);
    for (int i = 1; i <= 4; ++i) g.NewGame.cmbPlayerType_Click(i, type);
    g.NewGame.chkSounds_Click(false);
    g.NewGame.chkBackgroundMusic_Click(false);
    g.NewGame.chkAutoSave_Click(false);
    g.NewGame.cmdStart_Click();
    c.renderAll();

    QObject::connect(c.computerTimer(), &QTimer::timeout, [&m] { ++m.steps; });
    QElapsedTimer clock;
    clock.start();
    double last = -1;
    bool done = false;
    QTimer probe;
    probe.setTimerType(Qt::PreciseTimer);
    probe.setInterval(1);
    QObject::connect(&probe, &QTimer::timeout, [&] {
        const double now = static_cast<double>(clock.nsecsElapsed()) * 1e-6;
        if (last >= 0) m.gaps.push_back(now - last);
        last = now;
        m.moves = std::max(m.moves, g.S.Moves);
        if (ResultsWindow* w = c.resultsWindow(); w && w->isVisible()) {
            ++m.finished;
            done = true;
            if (auto* ok = w->findChild<QPushButton*>(QStringLiteral("cmdOK"))) ok->click();
        }
        if (!g.S.GameInProgress || now > seconds * 1000.0) done = true;
    });
    probe.start();
    while (!done) QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    probe.stop();
}

void Print(const char* kind, const Measured& m, int games) {
    std::vector<double> v = m.gaps;
    std::sort(v.begin(), v.end());
    if (v.empty()) {
        std::printf("%s: nothing measured\n", kind);
        return;
    }
    const double p99 = v[std::min(v.size() - 1, v.size() * 99 / 100)];
    double total = 0;
    for (double d : v) total += d;
    std::printf("%s: %d game%s (%d to the end), %d moves, %ld steps, %.1f s; longest stall %.1f ms, p99 %.2f ms, "
                "%zu gaps over 100 ms\n",
                kind, games, games == 1 ? "" : "s", m.finished, m.moves, m.steps, total / 1000, v.back(), p99,
                static_cast<std::size_t>(std::count_if(v.begin(), v.end(), [](double d) { return d > 100; })));
}

}  // namespace

int main(int argc, char** argv) {
    if (!std::getenv("DISPLAY") && !std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    int games = 1, seconds = 90, pace = 0;
    unsigned seed = 1;
    for (int i = 1; i + 1 < argc; i += 2) {
        const char* value = argv[i + 1];
        if (!std::strcmp(argv[i], "--games")) games = std::atoi(value);
        else if (!std::strcmp(argv[i], "--seconds")) seconds = std::atoi(value);
        else if (!std::strcmp(argv[i], "--seed")) seed = static_cast<unsigned>(std::atoi(value));
        else if (!std::strcmp(argv[i], "--pace")) pace = std::atoi(value);
    }
    QApplication app(argc, argv);
    bench::SetUpApplication();
    for (auto [type, kind] : {std::pair{Hard, "four hard"}, std::pair{Normal, "four normal"}}) {
        Measured m;
        for (int n = 0; n < games; ++n) PlayOne(type, seed + static_cast<unsigned>(n), seconds, pace, m);
        Print(kind, m, games);
    }
    return 0;
}
