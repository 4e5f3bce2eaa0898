// Whole games played at random through the rules, with the invariants
// checked after every event. ZENTRIX_GAMES sets how many (a few hundred by
// default; the README shows the long run).

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <unistd.h>

#include "game_driver.h"

namespace zx::test {
namespace {

TEST(PlayedGames, RandomGamesKeepEveryInvariant) {
    long games = 200;
    if (const char* env = std::getenv("ZENTRIX_GAMES")) games = std::max(1L, std::atol(env));
    unsigned seed = 20261208;
    if (const char* env = std::getenv("ZENTRIX_SEED")) seed = static_cast<unsigned>(std::atol(env));
    auto dir = std::filesystem::temp_directory_path() / ("zentrix-played-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    GameDriver driver(seed, (dir / "game.znx").string());
    for (long g = 0; g < games; ++g) {
        if (!driver.playOne()) break;
    }
    const DriverStats& st = driver.stats();
    std::filesystem::remove_all(dir);
    for (const auto& f : st.failures) ADD_FAILURE() << f;
    std::printf("played %ld games (%ld to the results, %ld winners), %ld events, %ld moves, %ld saves, %ld loads, "
                "%ld sales, %ld loans\n",
                st.games, st.finished, st.winners, st.events, st.moves, st.saves, st.loads, st.sales, st.loans);
    EXPECT_EQ(st.games, games);
    EXPECT_GT(st.finished, games / 2);
}

}  // namespace
}  // namespace zx::test
