// What the board's animations cost: a game with four players (sounds and
// music off) is set up with owned companies, a complex and a struck complex
// on the board, then a scripted turn is played again and again: Roll Dice
// (a piece walks, 40 ms a step), every offer turned down, and a withdrawal
// of $500,000 by the player who moved (his cash is counted up, 30 ms a
// step). CPU time (user + system, all threads) is summed only while the walk
// or the money counting runs, and given as a share of one core over that
// time. The same game left alone for a few seconds gives the idle share of
// the same run, for comparison.
//
//   animation [--rolls N] [--seed K] [--shot FILE]
//     rolls: turns to play (12 by default); --shot saves a picture of the
//     whole screen once the board is set up and ends without measuring.
//
// Run it under a screen the size players have (README, "Benchmarks").

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QPixmap>
#include <QScreen>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>

#include "bench_support.h"
#include "rules/random.h"
#include "state/board.h"
#include "windows/controller.h"

namespace {

using zx::bench::CpuSeconds;
using zx::bench::RunEventLoopFor;

class Answers : public zx::DialogHooks {
public:
    std::optional<zx::MsgAnswer> message(const zx::Message& m) override {
        if (m.title == "Want to save?") return zx::MsgAnswer::No;
        return m.defaultAnswer;
    }
    std::optional<std::string> saveFile(const std::string&, const std::string&) override { return std::string(); }
    std::optional<std::string> openFile(const std::string&) override { return std::string(); }
};

// Plays the script and keeps the clock: a measuring window opens when the
// walk or the money timer starts and closes once both have stopped.
class Script : public QObject {
public:
    Script(zx::Controller& c, int rolls, unsigned seed) : c_(c), g_(c.game()), rollsLeft_(rolls), choices_(seed) {
        walk_ = c.timer(zx::TimerId::MovePieces);
        money_ = c.timer(zx::TimerId::ChangeMoney);
        // Connected after the controller: runs once the game has handled the tick.
        connect(walk_, &QTimer::timeout, this, [this] {
            ++walkTicks_;
            check();
        });
        connect(money_, &QTimer::timeout, this, [this] {
            ++moneyTicks_;
            check();
        });
        // A modal dialog runs its own event loop inside a tick: answer it from there.
        qApp->installEventFilter(this);
    }

    void run() {
        schedule();
        loop_.exec();
    }

    double wall = 0, cpu = 0;
    long walkTicks_ = 0, moneyTicks_ = 0, windows = 0;

protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Show) {
            auto* d = qobject_cast<QDialog*>(o);
            if (d && d->isModal()) {
                check();
                schedule();
            }
        }
        return false;
    }

private:
    void check() {
        const bool active = walk_->isActive() || money_->isActive();
        if (active && !inWindow_) {
            inWindow_ = true;
            ++windows;
            cpu0_ = CpuSeconds();
            wall0_.start();
        } else if (!active && inWindow_) {
            // The last frame is painted after the tick: close the window
            // once the events the tick posted have been handled.
            inWindow_ = false;
            QTimer::singleShot(0, this, [this, cpu0 = cpu0_, wall0 = wall0_] {
                cpu += CpuSeconds() - cpu0;
                wall += static_cast<double>(wall0.nsecsElapsed()) * 1e-9;
                schedule();
            });
        }
    }

    void schedule(int ms = 0) {
        if (pending_) return;
        pending_ = true;
        QTimer::singleShot(ms, this, [this] {
            pending_ = false;
            step();
        });
    }

    void step() {
        if (inWindow_) return;
        const int cp = g_.S.CurrentPlayer;
        const bool seated = cp >= 1 && cp <= g_.S.NumOfPlayers;
        if (!g_.S.GameInProgress || g_.Results.Loaded) {
            loop_.quit();
            return;
        }
        if (g_.BuyForm.Loaded) {
            g_.BuyForm.cmdCancel_Click();
        } else if (g_.S.DepositMode && seated) {
            zx::PlayerForm& w = g_.PlayerWindow(cp);
            w.SetBankNum("");
            w.cmdDeposit_Click();
        } else if (g_.S.InsuranceMode && seated) {
            g_.PlayerWindow(cp).cmdOK_Click();
        } else if (g_.S.MoveAnywhereMode) {
            g_.Box_Click(std::uniform_int_distribution<int>(1, zx::NumCells)(choices_));
        } else if (g_.Wait.Loaded) {
            g_.Wait.cmdILose_Click();
        } else if (withdrawDue_ && seated) {
            withdrawDue_ = false;
            zx::PlayerForm& w = g_.PlayerWindow(cp);
            w.SetBankNum("0.5");
            w.cmdWithdraw_Click();
        } else if (g_.Main.cmdRollDiceEnabled) {
            if (rollsLeft_-- <= 0) {
                loop_.quit();
                return;
            }
            withdrawDue_ = true;
            g_.cmdRollDice_Click();
        } else {
            // A disaster or a message on its timer: look again shortly.
            schedule(100);
            return;
        }
        c_.renderAll();
        check();
        if (!inWindow_) schedule();
    }

    zx::Controller& c_;
    zx::Game& g_;
    QTimer* walk_;
    QTimer* money_;
    int rollsLeft_;
    std::mt19937 choices_;
    QEventLoop loop_;
    bool pending_ = false;
    bool inWindow_ = false;
    bool withdrawDue_ = false;
    double cpu0_ = 0;
    QElapsedTimer wall0_;
};

// A board with something on every layer: the logos, outlines of single
// companies and of a whole complex, a struck complex and the four pieces
// spread over the ring; money in the bank for the withdrawals.
void SetUpBoard(zx::Game& g) {
    zx::GameState& s = g.S;
    const int owners[zx::NumCompanies + 1] = {0, 1, 1, 1, 2, 2, 0, 3, 0, 0, 4, 0, 0};
    for (int k = 1; k <= zx::NumCompanies; ++k) s.CompanyOwner[static_cast<std::size_t>(k)] = owners[k];
    g.CheckNewComplexes();
    g.Main.shpDestroyMask[4] = true;
    const int cells[zx::MaxPlayers + 1] = {0, 3, 11, 19, 27};
    for (int p = 1; p <= s.NumOfPlayers; ++p) {
        auto i = static_cast<std::size_t>(p);
        s.Cash[i] = 2'500'000;
        s.MoneyInBank[i] = 2'500'000;
        s.PieceLeft[i] = zx::CellLeft(cells[p]) + zx::PieceInset;
        s.PieceTop[i] = zx::CellTop(cells[p]) + zx::PieceInset;
        s.PlayerCell[i] = cells[p];
    }
    g.UpdateDisplay();
}

}  // namespace

int main(int argc, char* argv[]) {
    int rolls = 12;
    unsigned seed = 7;
    const char* shot = nullptr;
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "--rolls") == 0) rolls = std::atoi(argv[++i]);
        else if (std::strcmp(argv[i], "--seed") == 0) seed = static_cast<unsigned>(std::atol(argv[++i]));
        else if (std::strcmp(argv[i], "--shot") == 0) shot = argv[++i];
    }

    QApplication app(argc, argv);
    zx::bench::SetUpApplication();

    Answers answers;
    zx::bench::Program program(seed, answers);
    zx::Controller& controller = program.controller;
    zx::Game& g = controller.game();
    zx::bench::StartQuietGame(g, 4);
    if (!g.S.GameInProgress) {
        std::fprintf(stderr, "animation: the game did not start\n");
        return 1;
    }
    SetUpBoard(g);
    controller.renderAll();
    // The windows' first frames and the money counted for the set-up are
    // part of starting, not of the animation measured.
    RunEventLoopFor(1500);
    while (g.S.MoneyChanging) RunEventLoopFor(100);
    RunEventLoopFor(500);

    QScreen* screen = QGuiApplication::primaryScreen();
    const QSize size = screen ? screen->size() : QSize();
    if (shot) {
        if (!screen || !screen->grabWindow(0).save(QString::fromLocal8Bit(shot))) {
            std::fprintf(stderr, "animation: could not save %s\n", shot);
            return 1;
        }
        std::printf("saved %s (%dx%d)\n", shot, size.width(), size.height());
        return 0;
    }

    // The same run's idle share: the game left alone for three seconds.
    double cpu0 = CpuSeconds();
    QElapsedTimer idleClock;
    idleClock.start();
    RunEventLoopFor(3000);
    const double idleShare = 100.0 * (CpuSeconds() - cpu0) / (static_cast<double>(idleClock.nsecsElapsed()) * 1e-9);

    Script script(controller, rolls, seed);
    script.run();

    const double share = script.wall > 0 ? 100.0 * script.cpu / script.wall : 0;
    const long ticks = script.walkTicks_ + script.moneyTicks_;
    std::printf("animation: %d rolls on a %dx%d screen (platform %s), four players\n", rolls, size.width(),
                size.height(), qPrintable(QGuiApplication::platformName()));
    std::printf("  %.2f s animated in %ld runs: %ld walk ticks, %ld money ticks\n", script.wall, script.windows,
                script.walkTicks_, script.moneyTicks_);
    std::printf("  cpu_seconds=%.3f cpu_ms_per_tick=%.3f cpu_percent_of_one_core=%.2f\n", script.cpu,
                ticks ? 1000.0 * script.cpu / static_cast<double>(ticks) : 0.0, share);
    std::printf("  idle share of the same run: %.3f %% of one core\n", idleShare);
    std::fflush(stdout);
    return 0;
}
