// Memory of a long headless run: the tests' game driver plays whole games
// through the rules (as `ZENTRIX_GAMES=10000 core_tests` does) while the
// resident memory is sampled. After the first games have warmed up the
// allocator, memory must stay flat however many games follow: the fake
// interface the driver plays through keeps only its latest records.
//
//   long_run_memory [--games N] [--seed K]     (4000 games by default)

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

#include "game_driver.h"

namespace {

// Resident set size now, in kB.
long ResidentKb() {
    std::ifstream statm("/proc/self/statm");
    long pages = 0, resident = 0;
    statm >> pages >> resident;
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

}  // namespace

int main(int argc, char* argv[]) {
    long games = 4000;
    unsigned seed = 20261208;
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "--games") == 0) games = std::max(10L, std::atol(argv[++i]));
        else if (std::strcmp(argv[i], "--seed") == 0) seed = static_cast<unsigned>(std::atol(argv[++i]));
    }
    const auto dir = std::filesystem::temp_directory_path() / ("zentrix-memory-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    zx::test::GameDriver driver(seed, (dir / "game.znx").string());

    // The first tenth warms up; its memory is the baseline of the run.
    const long warmUp = games / 10;
    long baseline = 0, highest = 0;
    std::printf("games  resident kB\n");
    for (long g = 1; g <= games; ++g) {
        if (!driver.playOne()) {
            std::fprintf(stderr, "long_run_memory: %s\n", driver.stats().failures.back().c_str());
            return 1;
        }
        const long now = ResidentKb();
        if (g == warmUp) baseline = now;
        if (g > warmUp) highest = std::max(highest, now);
        if (g % (games / 10) == 0) std::printf("%5ld  %ld\n", g, now);
    }
    std::filesystem::remove_all(dir);
    const zx::test::DriverStats& st = driver.stats();
    std::printf("%ld games, %ld events, %ld moves\n", st.games, st.events, st.moves);
    std::printf("resident after %ld games %ld kB, highest after that %ld kB: ratio %.3f\n", warmUp, baseline, highest,
                static_cast<double>(highest) / static_cast<double>(baseline));
    return 0;
}
