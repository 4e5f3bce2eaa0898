// How evenly the walk and the money counting are paced in the real program:
// a two-player game (sounds and music off, so a roll goes on at once) is
// played by pressing Roll Dice whenever it is enabled, buying what can be
// paid for and turning down every other offer, while every tick of the walk
// (40 ms) and of the money counting (30 ms) is timed. Prints, for each, the
// real intervals between successive ticks of one run of the timer, their
// drift from the nominal interval, and how long the game took to handle a
// tick (the rules and the redraw).
//
//   pacing [--laps N] [--seconds S] [--seed K]
//     laps: stop once the pieces have walked N rounds of the board in all
//     (2 by default); seconds: stop after S seconds whatever (120).

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "bench_support.h"
#include "rules/random.h"
#include "state/board.h"
#include "windows/controller.h"

namespace {

QElapsedTimer clock_;

double NowMs() { return static_cast<double>(clock_.nsecsElapsed()) * 1e-6; }

// The times of one timer's ticks. A run is one span between a start and a
// stop of the timer; the gap between two runs is no interval. The game stops
// a timer only while it handles an event, so looking after each event the
// bench sees is enough to tell the runs apart (Qt may hand a restarted timer
// its old id again, so the id alone would not do).
class TickLog : public QObject {
public:
    TickLog(QTimer* timer, const char* name) : timer_(timer), name_(name), nominal_(timer->interval()) {
        timer->installEventFilter(this);
        // Connected after the controller: runs when the game has handled the tick.
        QObject::connect(timer, &QTimer::timeout, this, [this] {
            if (tickStart_ >= 0) handling_.push_back(NowMs() - tickStart_);
            tickStart_ = -1;
            noteStop();
        });
    }

    // Called after every event the bench itself sends to the game.
    void noteStop() {
        if (!timer_->isActive()) endRun();
    }
    void finish() { endRun(); }

    void print() const {
        std::printf("%s (nominal %d ms): %ld ticks in %ld runs\n", name_, nominal_, ticks_, runs_);
        if (intervals_.empty()) {
            std::printf("  no intervals measured\n");
            return;
        }
        Summary iv = Summarize(intervals_);
        std::printf("  interval ms: count %zu, mean %.3f, median %.3f, p95 %.3f, max %.3f, min %.3f\n", iv.count,
                    iv.mean, iv.median, iv.p95, iv.max, iv.min);
        long late = std::count_if(intervals_.begin(), intervals_.end(), [this](double d) { return d > 1.5 * nominal_; });
        std::printf("  drift: mean interval %+.3f ms (%+.2f%%) from nominal; %ld intervals over 1.5x nominal\n",
                    iv.mean - nominal_, 100.0 * (iv.mean - nominal_) / nominal_, late);
        if (!runDrift_.empty()) {
            Summary rd = Summarize(runDrift_);
            std::printf("  run drift (last tick - first tick - (n-1) x nominal) ms: mean %+.3f, median %+.3f, max %+.3f\n",
                        rd.mean, rd.median, rd.max);
        }
        if (!handling_.empty()) {
            Summary h = Summarize(handling_);
            std::printf("  handling a tick ms: mean %.3f, median %.3f, p95 %.3f, max %.3f\n", h.mean, h.median, h.p95,
                        h.max);
        }
    }

    long ticks() const { return ticks_; }

protected:
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() != QEvent::Timer) return false;
        const double now = NowMs();
        const int id = static_cast<QTimerEvent*>(e)->timerId();
        if (runTicks_ == 0 || id != runId_) {
            endRun();
            runId_ = id;
            ++runs_;
        } else {
            intervals_.push_back(now - last_);
        }
        if (runTicks_ == 0) first_ = now;
        ++runTicks_;
        ++ticks_;
        last_ = now;
        tickStart_ = now;
        return false;
    }

private:
    struct Summary {
        std::size_t count = 0;
        double mean = 0, median = 0, p95 = 0, max = 0, min = 0;
    };

    static Summary Summarize(std::vector<double> v) {
        Summary s;
        s.count = v.size();
        if (v.empty()) return s;
        std::sort(v.begin(), v.end());
        double sum = 0;
        for (double d : v) sum += d;
        s.mean = sum / static_cast<double>(v.size());
        s.median = v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
        // Nearest rank.
        std::size_t rank = static_cast<std::size_t>(std::ceil(0.95 * static_cast<double>(v.size())));
        s.p95 = v[std::clamp<std::size_t>(rank, 1, v.size()) - 1];
        s.max = v.back();
        s.min = v.front();
        return s;
    }

    void endRun() {
        if (runTicks_ >= 2) runDrift_.push_back((last_ - first_) - static_cast<double>(runTicks_ - 1) * nominal_);
        runTicks_ = 0;
        runId_ = -1;
    }

    QTimer* timer_;
    const char* name_;
    int nominal_;
    long ticks_ = 0;
    long runs_ = 0;
    int runId_ = -1;
    long runTicks_ = 0;
    double first_ = 0, last_ = 0, tickStart_ = -1;
    std::vector<double> intervals_;
    std::vector<double> runDrift_;
    std::vector<double> handling_;
};

// The players' answers: whatever Enter would give, except that a game in
// progress is not saved, file dialogs are cancelled, and a player who has
// chosen to lose confirms it.
class Answers : public zx::DialogHooks {
public:
    std::optional<zx::MsgAnswer> message(const zx::Message& m) override {
        ++asked;
        if (m.title == "Want to save?") return zx::MsgAnswer::No;
        if (m.title == "Lose confirmation") return zx::MsgAnswer::Yes;
        return m.defaultAnswer;
    }
    std::optional<std::string> saveFile(const std::string&, const std::string&) override { return std::string(); }
    std::optional<std::string> openFile(const std::string&) override { return std::string(); }
    int asked = 0;
};

}  // namespace

int main(int argc, char* argv[]) {
    double laps = 2, maxSeconds = 120;
    unsigned seed = 1;
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "--laps") == 0) laps = std::atof(argv[++i]);
        else if (std::strcmp(argv[i], "--seconds") == 0) maxSeconds = std::atof(argv[++i]);
        else if (std::strcmp(argv[i], "--seed") == 0) seed = static_cast<unsigned>(std::atol(argv[++i]));
    }

    QApplication app(argc, argv);
    zx::bench::SetUpApplication();
    clock_.start();

    std::mt19937 choices(seed);
    Answers answers;
    zx::bench::Program program(seed, answers);
    zx::Controller& controller = program.controller;
    zx::Game& g = controller.game();

    TickLog walk(controller.timer(zx::TimerId::MovePieces), "walk (MovePieces)");
    TickLog money(controller.timer(zx::TimerId::ChangeMoney), "money counting (ChangeMoney)");

    long games = 0, rolls = 0, purchases = 0, refusals = 0, payTries = 0;
    bool buyTried = false;
    auto startGame = [&] {
        zx::bench::StartQuietGame(g, 2);
        ++games;
    };

    // One action at a time, as a quick player would act: whatever the game
    // waits for is answered, otherwise Roll Dice is pressed when it can be.
    auto act = [&] {
        const int cp = g.S.CurrentPlayer;
        const bool seated = cp >= 1 && cp <= g.S.NumOfPlayers;
        if (g.Results.Loaded) {
            g.Results.cmdOK_Click();
        } else if (!g.S.GameInProgress) {
            if (!g.NewGame.Loaded) startGame();
        } else if (g.BuyForm.Loaded) {
            // Companies are bought while there is money for them, so that
            // rents and prices keep the money counting busy; an offer that
            // could not be paid for is turned down.
            int option = 0;
            for (int i = 3; i >= 1; --i)
                if (g.BuyForm.optNameEnabled[static_cast<std::size_t>(i)]) option = i;
            if (option != 0 && !buyTried) {
                buyTried = true;
                ++purchases;
                g.BuyForm.optName_Click(option);
                g.BuyForm.cmdBuy_Click();
            } else {
                ++refusals;
                g.BuyForm.cmdCancel_Click();
            }
        } else if (g.S.DepositMode && seated) {
            ++refusals;
            zx::PlayerForm& w = g.PlayerWindow(cp);
            w.SetBankNum("");
            w.cmdDeposit_Click();
        } else if (g.S.InsuranceMode && seated) {
            ++refusals;
            g.PlayerWindow(cp).cmdOK_Click();
        } else if (g.S.MoveAnywhereMode) {
            g.Box_Click(std::uniform_int_distribution<int>(1, zx::NumCells)(choices));
        } else if (g.Wait.Loaded) {
            // A debtor who cannot raise the money gives up after a few tries.
            if (++payTries > 3) {
                payTries = 0;
                g.Wait.cmdILose_Click();
            } else {
                g.Wait.cmdPay_Click();
            }
        } else if (g.Main.cmdRollDiceEnabled) {
            buyTried = false;
            ++rolls;
            g.cmdRollDice_Click();
        } else {
            return;
        }
        controller.renderAll();
        walk.noteStop();
        money.noteStop();
    };

    startGame();
    controller.renderAll();

    // Ten walk ticks take a piece one cell on.
    const long walkTicksWanted = static_cast<long>(laps * zx::NumCells * 10);
    QTimer player;
    player.setInterval(10);
    QObject::connect(&player, &QTimer::timeout, [&] {
        if (walk.ticks() >= walkTicksWanted || NowMs() > maxSeconds * 1000) {
            player.stop();
            QCoreApplication::exit(0);
            return;
        }
        act();
    });
    const double started = NowMs();
    player.start();
    QApplication::exec();

    walk.finish();
    money.finish();
    std::printf("pacing: %.1f s, %ld game(s), %ld rolls, %ld purchases tried, %ld offers refused, %d message boxes, "
                "%.2f laps walked (platform %s)\n",
                (NowMs() - started) / 1000.0, games, rolls, purchases, refusals, answers.asked,
                static_cast<double>(walk.ticks()) / (zx::NumCells * 10), qPrintable(QGuiApplication::platformName()));
    walk.print();
    money.print();
    std::fflush(stdout);
    return 0;
}
