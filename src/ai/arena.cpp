#include "ai/arena.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <thread>

#include "ai/instant_game.h"

namespace zx::ai {

int ArenaKind(const std::string& name) {
    if (name == "easy") return Easy;
    if (name == "normal") return Normal;
    if (name == "hard") return Hard;
    return 0;
}

namespace {
const char* KindName(int type) { return type == Easy ? "easy" : type == Hard ? "hard" : "normal"; }
}  // namespace

GameOutcome PlayArenaGame(const ArenaOptions& o, int index) {
    const std::uint64_t seed = o.seed * 1'000'003ull + static_cast<std::uint64_t>(index) + 1;
    InstantGame game(seed, o.instant);
    game.pilot().SetLookAhead(o.lookAhead);
    const int n = static_cast<int>(o.seats.size());
    // Seat s of game i is played by strength (s + i) mod n of the list.
    std::vector<int> types(static_cast<std::size_t>(n));
    for (int s = 0; s < n; ++s) types[static_cast<std::size_t>(s)] = o.seats[static_cast<std::size_t>((s + index) % n)];
    game.StartNew(types, 1 + index % 2);
    GameOutcome out;
    out.finished = game.PlayOut(o.moveCap) == InstantGame::End::Results;
    out.moves = game.game().S.Moves;
    if (const std::string& first = game.game().S.Finisher[1]; !first.empty()) {
        for (int s = 0; s < n; ++s)
            if (first == "Player " + std::to_string(s + 1)) out.winnerSeat = (s + index) % n;
    }
    return out;
}

ArenaReport RunArena(const ArenaOptions& o) {
    ArenaReport r;
    r.games.resize(static_cast<std::size_t>(o.games));
    const auto start = std::chrono::steady_clock::now();
    std::atomic<int> next{0};
    auto work = [&] {
        for (int i = next++; i < o.games; i = next++) r.games[static_cast<std::size_t>(i)] = PlayArenaGame(o, i);
    };
    std::vector<std::thread> threads;
    for (int j = 1; j < o.jobs; ++j) threads.emplace_back(work);
    work();
    for (auto& t : threads) t.join();
    r.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return r;
}

std::pair<double, double> WilsonInterval(int wins, int games) {
    if (games <= 0) return {0.0, 0.0};
    const double z = 1.96, n = games, p = wins / n;
    const double centre = (p + z * z / (2 * n)) / (1 + z * z / n);
    const double half = z * std::sqrt(p * (1 - p) / n + z * z / (4 * n * n)) / (1 + z * z / n);
    return {std::max(0.0, centre - half), std::min(1.0, centre + half)};
}

std::string FormatReport(const ArenaOptions& o, const ArenaReport& r) {
    const int n = static_cast<int>(r.games.size());
    std::string out;
    char line[256];
    std::string seats;
    for (int t : o.seats) seats += std::string(seats.empty() ? "" : ",") + KindName(t);
    std::snprintf(line, sizeof line, "%d games, seats %s, seed %llu, %d job%s\n", n, seats.c_str(),
                  static_cast<unsigned long long>(o.seed), o.jobs, o.jobs == 1 ? "" : "s");
    out += line;
    // One line per strength: the games in which one of its seats came first.
    std::vector<int> kinds = o.seats;
    std::sort(kinds.begin(), kinds.end());
    kinds.erase(std::unique(kinds.begin(), kinds.end()), kinds.end());
    for (int kind : kinds) {
        int wins = 0, seats = 0;
        for (int t : o.seats) seats += t == kind;
        for (const GameOutcome& g : r.games)
            if (g.winnerSeat >= 0 && o.seats[static_cast<std::size_t>(g.winnerSeat)] == kind) ++wins;
        const double p = n ? static_cast<double>(wins) / n : 0;
        const auto [low, high] = WilsonInterval(wins, n);
        std::snprintf(line, sizeof line, "%-6s (%d seat%s): win share %5.1f %%  (95 %% CI %.1f - %.1f %%), %d wins\n",
                      KindName(kind), seats, seats == 1 ? "" : "s", 100 * p, 100 * low, 100 * high, wins);
        out += line;
    }
    int finished = 0;
    long moves = 0;
    for (const GameOutcome& g : r.games) {
        finished += g.finished;
        moves += g.moves;
    }
    std::snprintf(line, sizeof line, "reached the results: %.1f %% (%d stopped at the move cap or stuck)\n",
                  n ? 100.0 * finished / n : 0.0, n - finished);
    out += line;
    std::snprintf(line, sizeof line, "moves per game: %.1f\ngames per second: %.1f (%.1f s)\n",
                  n ? static_cast<double>(moves) / n : 0.0, r.seconds > 0 ? n / r.seconds : 0.0, r.seconds);
    out += line;
    return out;
}

}  // namespace zx::ai
