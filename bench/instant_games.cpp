// Whole four-player games per second on one core, played by random
// players (every choice drawn at random among what the windows allow, a
// debt given up half the time, Quit Game pressed about once in a hundred
// moves, as the random players of the tests' game driver do), first in instant play and then, for the
// baseline, the same games with every walk and money count ticking as in
// the windows. Both run in the same process, one after the other.
//
//   instant_games [--games N] [--seed S] [--instant-only]

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "ai/instant_game.h"

namespace {

using namespace zx;
using namespace zx::ai;

class RandomPlayer : public Strategy {
public:
    explicit RandomPlayer(PlayerRandom& rng) : rng_(rng()) {}
    int Buy(const SeatView&) override { return static_cast<int>(Pick(4)); }
    std::string Deposit(const SeatView&) override {
        const int tenths = static_cast<int>(Pick(11));
        return tenths == 0 ? "" : tenths == 10 ? "1" : "0." + std::to_string(tenths);
    }
    std::array<bool, 6> Insure(const SeatView&) override {
        std::array<bool, 6> boxes{};
        for (auto& b : boxes) b = Pick(2) == 0;
        return boxes;
    }
    int MoveAnywhere(const SeatView&) override { return static_cast<int>(Pick(NumCells + 1)); }
    Money CashWanted(const SeatView& v) override { return Pick(2) ? v.S().Cash[static_cast<std::size_t>(v.Seat())] + 500'000 : 0; }
    Money Bid(const SeatView& v) override {
        const int k = v.S().SaleCompany;
        if (k < 1 || Pick(2)) return 0;
        return static_cast<Money>(v.S().CompanyValue[static_cast<std::size_t>(k)] / 10'000 * (5 + Pick(10)) / 10 * 10'000);
    }
    int SaleRow(const SeatView& v) override { return RandomRow(v); }
    int SaleBuyer(const SeatView&) override { return static_cast<int>(Pick(5)) - 1; }
    int DebtSaleRow(const SeatView& v) override { return Pick(2) ? -1 : RandomRow(v); }
    std::optional<LoanOffer> Lend(const SeatView& v) override {
        if (Pick(50) != 0) return std::nullopt;
        const int b = 1 + static_cast<int>(Pick(static_cast<std::size_t>(v.S().NumOfPlayers)));
        if (b == v.Seat()) return std::nullopt;
        return LoanOffer{b, std::to_string(1 + Pick(3)), 1 + static_cast<int>(Pick(10))};
    }
    bool Borrow(const SeatView&, int, Money, int, int) override { return Pick(2) == 0; }
    // As often as the random players of the tests' game driver leave.
    bool Quit(const SeatView&) override { return Pick(100) == 0; }

private:
    std::size_t Pick(std::size_t n) { return static_cast<std::size_t>(rng_.NextBits() % n); }
    int RandomRow(const SeatView& v) {
        const PlayerFormControls* w = v.OwnWindow();
        if (!w || w->lstCompanies.empty()) return -1;
        return static_cast<int>(Pick(w->lstCompanies.size()));
    }
    FastRandom rng_;
};

struct Run {
    double seconds = 0;
    long moves = 0;
    int finished = 0;
};

Run Play(int games, std::uint64_t seed, bool instant) {
    Run r;
    const auto start = std::chrono::steady_clock::now();
    InstantGame game(seed, instant);
    game.pilot().SetStrategy(Easy, [](PlayerRandom& rng) { return std::make_unique<RandomPlayer>(rng); });
    for (int i = 0; i < games; ++i) {
        game.chance().Seed(seed * 7919 + static_cast<std::uint64_t>(i));
        game.StartNew({Easy, Easy, Easy, Easy}, 1 + i % 2);
        r.finished += game.PlayOut(1000) == InstantGame::End::Results;
        r.moves += game.game().S.Moves;
    }
    r.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return r;
}

}  // namespace

int main(int argc, char** argv) {
    int games = 20000;
    std::uint64_t seed = 1;
    bool baseline = true;
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--games") && i + 1 < argc) games = std::atoi(argv[++i]);
        else if (!std::strcmp(argv[i], "--seed") && i + 1 < argc) seed = std::strtoull(argv[++i], nullptr, 10);
        else if (!std::strcmp(argv[i], "--instant-only")) baseline = false;  // for a profiler
    }
    const Run instant = Play(games, seed, true);
    if (!baseline) {
        std::printf("instant: %d games, %.0f games/s\n", games, games / instant.seconds);
        return 0;
    }
    const Run ticking = Play(std::max(1, games / 10), seed, false);
    auto report = [](const char* name, int n, const Run& r) {
        std::printf("%-8s %6d games, %5.1f moves a game, %5.1f %% to the results: %9.0f games/s\n", name, n,
                    static_cast<double>(r.moves) / n, 100.0 * r.finished / n, n / r.seconds);
    };
    report("instant", games, instant);
    report("ticking", std::max(1, games / 10), ticking);
    std::printf("instant play is %.1fx the ticking game\n",
                (games / instant.seconds) / (std::max(1, games / 10) / ticking.seconds));
    return 0;
}
