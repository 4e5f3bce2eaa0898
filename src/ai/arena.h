#pragma once
// Many games between computer players, nobody watching: the arena program,
// its tests and the benchmarks play them through here.

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "ai/strategy.h"

namespace zx::ai {

struct ArenaOptions {
    int games = 100;
    std::vector<int> seats{2, 1};  // PlayerType values, one per seat (normal, easy)
    std::uint64_t seed = 1;
    int jobs = 1;
    int moveCap = 1000;
    bool instant = true;
    LookAhead lookAhead;
};

struct GameOutcome {
    bool finished = false;      // the results window opened
    int winnerSeat = -1;        // index into ArenaOptions::seats of the first place, -1 for none
    int moves = 0;
};

struct ArenaReport {
    std::vector<GameOutcome> games;
    double seconds = 0;          // wall time of the whole run
};

// 1 easy, 2 normal, 3 hard; 0 for an unknown name.
int ArenaKind(const std::string& name);

// Plays game `index` of a run: the seats rotated by the index.
GameOutcome PlayArenaGame(const ArenaOptions& o, int index);
ArenaReport RunArena(const ArenaOptions& o);

// Wilson's 95 % confidence interval for a share of `wins` in `games`.
std::pair<double, double> WilsonInterval(int wins, int games);

// The report the arena prints: per strength its win share with a 95 %
// confidence interval, the share of games that reached the results, games
// per second.
std::string FormatReport(const ArenaOptions& o, const ArenaReport& r);

}  // namespace zx::ai
