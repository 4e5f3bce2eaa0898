// tune-rules: how much a change to the rules of thumb is worth. One seat
// plays the normal judgement with some weights changed, the others the
// normal player as it is; the seats rotate from game to game, and the
// changed seat's win share is printed with a 95 % confidence interval.
// Thousands of games a second, as nobody looks ahead.
//
//   build/tune-rules --players 4 --games 40000 --seed 1 reserveFloor=600000 withdrawThreshold=1
//   build/tune-rules --players 2 --games 40000 buyCheapest=1
//
// Every field of NormalJudgement can be set by name (`buyCheapest=1`,
// `borrowPast=6000000`, ...).
// A weight prefixed with `others.` changes the other seats' judgement
// instead (`others.lendEvery=3`): the same question against other opponents.
// `--head-start` gives the changed seat that much more cash at the start:
// a scale in dollars for what a way of playing is worth.

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <thread>
#include <vector>

#include "ai/arena.h"
#include "ai/instant_game.h"
#include "ai/normal.h"

namespace {

using namespace zx;
using namespace zx::ai;

bool Set(NormalJudgement& j, const std::string& key, double x) {
    const std::map<std::string, double*> reals{
        {"reserveShare", &j.reserveShare}, {"complexBonus", &j.complexBonus}, {"blockBonus", &j.blockBonus},
        {"expectedGameMoves", &j.expectedGameMoves}, {"insureMargin", &j.insureMargin},
        {"marketWorth", &j.marketWorth}, {"bidShare", &j.bidShare}, {"buyThreshold", &j.buyThreshold},
        {"withdrawThreshold", &j.withdrawThreshold}};
    const std::map<std::string, Money*> money{
        {"reserveFloor", &j.reserveFloor}, {"keepOnDeposit", &j.keepOnDeposit},
        {"keepOnInsurance", &j.keepOnInsurance}, {"cashCushion", &j.cashCushion}, {"bidKeep", &j.bidKeep},
        {"lendAbove", &j.lendAbove}, {"lendAmount", &j.lendAmount}, {"lendAmountTwo", &j.lendAmountTwo},
        {"borrowWhenBelow", &j.borrowWhenBelow}, {"cashKeep", &j.cashKeep}, {"borrowPast", &j.borrowPast}};
    const std::map<std::string, int*> ints{{"lendTerms", &j.lendTerms}, {"lendEvery", &j.lendEvery},
                                           {"askAgainAfter", &j.askAgainAfter}, {"borrowInterest", &j.borrowInterest}};
    const std::map<std::string, bool*> flags{{"bidLow", &j.bidLow}, {"oneLoanEach", &j.oneLoanEach},
                                             {"prepareForDebts", &j.prepareForDebts},
                                             {"prepareForInsurance", &j.prepareForInsurance},
                                             {"buyCheapest", &j.buyCheapest}};
    if (auto i = reals.find(key); i != reals.end()) return *i->second = x, true;
    if (auto i = money.find(key); i != money.end()) return *i->second = static_cast<Money>(x), true;
    if (auto i = ints.find(key); i != ints.end()) return *i->second = static_cast<int>(x), true;
    if (auto i = flags.find(key); i != flags.end()) return *i->second = x != 0, true;
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    int players = 4, games = 20000, jobs = 2;
    Money headStart = 0;
    std::uint64_t seed = 1;
    NormalJudgement weights, others;
    bool othersChanged = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        auto value = [&] { return i + 1 < argc ? argv[++i] : "0"; };
        if (arg == "--players") players = std::atoi(value());
        else if (arg == "--games") games = std::atoi(value());
        else if (arg == "--jobs") jobs = std::atoi(value());
        else if (arg == "--seed") seed = std::strtoull(value(), nullptr, 10);
        else if (arg == "--head-start") headStart = std::atoi(value());
        else if (const auto eq = arg.find('='); eq != std::string::npos) {
            const bool theirs = arg.rfind("others.", 0) == 0;
            othersChanged = othersChanged || theirs;
            const std::string name = arg.substr(theirs ? 7 : 0, eq - (theirs ? 7 : 0));
            if (!Set(theirs ? others : weights, name, std::atof(arg.c_str() + eq + 1))) {
                std::fprintf(stderr, "tune-rules: no weight called %s\n", arg.substr(0, eq).c_str());
                return 2;
            }
        } else {
            std::fprintf(stderr, "usage: tune-rules [--players N] [--games N] [--seed S] [--jobs J] [--head-start DOLLARS]"
                                 " [weight=value ...]\n");
            return 2;
        }
    }
    if (players < 2 || players > 4 || games < 1) return 2;
    std::atomic<int> next{0}, wins{0};
    auto work = [&] {
        for (int g = next++; g < games; g = next++) {
            InstantGame game(seed * 1'000'003ull + static_cast<std::uint64_t>(g) + 1);
            game.pilot().SetStrategy(Hard, [&](PlayerRandom&) { return MakeNormal(weights); });
            if (othersChanged) game.pilot().SetStrategy(Normal, [&](PlayerRandom&) { return MakeNormal(others); });
            std::vector<int> types(static_cast<std::size_t>(players), Normal);
            const int seat = g % players;
            types[static_cast<std::size_t>(seat)] = Hard;
            game.StartNew(types, 1 + g / players % 2);
            game.game().S.Cash[static_cast<std::size_t>(seat + 1)] += headStart;
            game.PlayOut(1000);
            if (game.game().S.Finisher[1] == "Player " + std::to_string(seat + 1)) ++wins;
        }
    };
    std::vector<std::thread> threads;
    for (int j = 1; j < jobs; ++j) threads.emplace_back(work);
    work();
    for (auto& t : threads) t.join();
    const auto [low, high] = WilsonInterval(wins, games);
    std::printf("changed seat: win share %.2f %% (95 %% CI %.2f - %.2f %%) of %d games of %d\n", 100.0 * wins / games,
                100 * low, 100 * high, games, players);
    return 0;
}
