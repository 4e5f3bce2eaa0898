// The hard player's thinking time: plays games of a hard player against a
// normal one at the hard player's own budget and reports the CPU time of
// every decision it thought about (median, 95th percentile, worst).
//
//   hard_decisions [--games N] [--seed S]

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "ai/instant_game.h"

int main(int argc, char** argv) {
    using namespace zx;
    using namespace zx::ai;
    int games = 4;
    std::uint64_t seed = 1;
    int players = 2;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (!std::strcmp(argv[i], "--games")) games = std::atoi(argv[i + 1]);
        if (!std::strcmp(argv[i], "--seed")) seed = std::strtoull(argv[i + 1], nullptr, 10);
        if (!std::strcmp(argv[i], "--players")) players = std::clamp(std::atoi(argv[i + 1]), 2, 4);
    }
    std::vector<double> seconds;
    LookAhead budget;
    budget.decisionSeconds = &seconds;
    for (int i = 0; i < games; ++i) {
        InstantGame game(seed + static_cast<std::uint64_t>(i));
        game.pilot().SetLookAhead(budget);
        // The hard player takes each seat in turn.
        std::vector<int> seats(static_cast<std::size_t>(players), Normal);
        seats[static_cast<std::size_t>(i % players)] = Hard;
        game.StartNew(seats);
        game.PlayOut(1000);
    }
    if (seconds.empty()) return 1;
    std::sort(seconds.begin(), seconds.end());
    auto at = [&](double q) { return seconds[static_cast<std::size_t>(q * static_cast<double>(seconds.size() - 1))]; };
    std::printf("%zu decisions in %d games of %d players (budget %.0f ms of one core, %d continuations at most)\n", seconds.size(),
                games, players, budget.seconds * 1000, budget.playouts);
    std::printf("median %.1f ms, 95th percentile %.1f ms, worst %.1f ms\n", 1000 * at(0.5), 1000 * at(0.95),
                1000 * seconds.back());
    return 0;
}
