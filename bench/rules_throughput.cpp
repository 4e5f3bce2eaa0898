// Whole games through the rules alone, as fast as one core plays them: the
// tests' game driver plays every game from the new-game window to the
// results, with random answers at every point a person could act.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <unistd.h>

#include "game_driver.h"

namespace {

// The driver saves and reloads now and then; each run keeps its file apart.
std::filesystem::path SaveDir() {
    auto dir = std::filesystem::temp_directory_path() / ("zentrix-bench-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    return dir;
}

void BM_WholeGames(benchmark::State& state) {
    const auto dir = SaveDir();
    // A fixed seed: every run plays the same games.
    zx::test::GameDriver driver(static_cast<unsigned>(state.range(0)), (dir / "game.znx").string());
    for (auto _ : state) {
        if (!driver.playOne()) {
            state.SkipWithError(driver.stats().failures.back().c_str());
            break;
        }
    }
    const zx::test::DriverStats& st = driver.stats();
    state.counters["games"] = benchmark::Counter(static_cast<double>(st.games), benchmark::Counter::kIsRate);
    state.counters["moves"] = benchmark::Counter(static_cast<double>(st.moves), benchmark::Counter::kIsRate);
    state.counters["events"] = benchmark::Counter(static_cast<double>(st.events), benchmark::Counter::kIsRate);
    state.counters["moves/game"] =
        benchmark::Counter(st.games ? static_cast<double>(st.moves) / static_cast<double>(st.games) : 0.0);
    state.counters["finished%"] =
        benchmark::Counter(st.games ? 100.0 * static_cast<double>(st.finished) / static_cast<double>(st.games) : 0.0);
    std::filesystem::remove_all(dir);
}
BENCHMARK(BM_WholeGames)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace

BENCHMARK_MAIN();
