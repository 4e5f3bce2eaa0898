// tune-rules: how much a change to the rules of thumb is worth. One seat
// plays the normal judgement with some weights changed, the others the
// normal player as it is; the seats rotate from game to game, and the
// changed seat's win share is printed with a 95 % confidence interval.
// Thousands of games a second, as nobody looks ahead.
//
//   build/tune-rules --players 4 --games 40000 --seed 1 reserveFloor=600000 withdrawThreshold=1
//   build/tune-rules --players 2 --games 40000 cheapest=1
//
// Every field of NormalJudgement can be set by name; `cheapest=1` buys,
// where the judgement buys, the cheapest company that keeps the reserve;
// `borrowNear=D` also takes every loan that lifts its estate past D.
// `--head-start` gives the changed seat that much more cash at the start:
// a scale in dollars for what a way of playing is worth.

#include <atomic>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <thread>
#include <vector>

#include "ai/board_sense.h"
#include "ai/instant_game.h"
#include "ai/normal.h"

namespace {

using namespace zx;
using namespace zx::ai;

struct Trial {
    NormalJudgement j;
    bool cheapest = false;
    Money borrowNear = 0;
};

class TrialStrategy : public Strategy {
public:
    explicit TrialStrategy(const Trial& t) : t_(t), base_(MakeNormal(t.j)) {}
    int Buy(const SeatView& v) override {
        const int row = base_->Buy(v);
        if (!t_.cheapest || row == 0) return row;
        const GameState& s = v.S();
        const int me = v.Seat();
        const std::int64_t funds = std::int64_t{s.Cash[At(me)]} + s.MoneyInBank[At(me)];
        auto price = [&](int r) { return s.CompanyValue[At(3 * (s.BuyZoneNumber - 1) + r)]; };
        int best = row;
        for (int r = 1; r <= 3; ++r) {
            if (!v.Buy().optNameEnabled[At(r)] || price(r) > s.Cash[At(me)]) continue;
            if (funds - price(r) < t_.j.Reserve(s, me)) continue;
            if (price(r) < price(best)) best = r;
        }
        return best;
    }
    std::string Deposit(const SeatView& v) override { return base_->Deposit(v); }
    std::array<bool, 6> Insure(const SeatView& v) override { return base_->Insure(v); }
    int MoveAnywhere(const SeatView& v) override { return base_->MoveAnywhere(v); }
    Money CashWanted(const SeatView& v) override { return base_->CashWanted(v); }
    Money Bid(const SeatView& v) override { return base_->Bid(v); }
    int SaleRow(const SeatView& v) override { return base_->SaleRow(v); }
    int SaleBuyer(const SeatView& v) override { return base_->SaleBuyer(v); }
    int DebtSaleRow(const SeatView& v) override { return base_->DebtSaleRow(v); }
    std::optional<LoanOffer> Lend(const SeatView& v) override { return base_->Lend(v); }
    bool Borrow(const SeatView& v, int lender, Money amount, int interest, int duration) override {
        if (t_.borrowNear > 0 && std::int64_t{v.S().Estate[At(v.Seat())]} + amount > t_.borrowNear) return true;
        return base_->Borrow(v, lender, amount, interest, duration);
    }

private:
    Trial t_;
    std::unique_ptr<Strategy> base_;
};

bool Set(Trial& t, const std::string& key, double x) {
    NormalJudgement& j = t.j;
    const std::map<std::string, double*> reals{
        {"reserveShare", &j.reserveShare}, {"complexBonus", &j.complexBonus}, {"blockBonus", &j.blockBonus},
        {"expectedGameMoves", &j.expectedGameMoves}, {"insureMargin", &j.insureMargin},
        {"marketWorth", &j.marketWorth}, {"bidShare", &j.bidShare}, {"buyThreshold", &j.buyThreshold},
        {"withdrawThreshold", &j.withdrawThreshold}};
    const std::map<std::string, Money*> money{
        {"reserveFloor", &j.reserveFloor}, {"keepOnDeposit", &j.keepOnDeposit},
        {"keepOnInsurance", &j.keepOnInsurance}, {"cashCushion", &j.cashCushion}, {"bidKeep", &j.bidKeep},
        {"lendAbove", &j.lendAbove}, {"lendAmount", &j.lendAmount}, {"lendAmountTwo", &j.lendAmountTwo},
        {"borrowWhenBelow", &j.borrowWhenBelow}, {"cashKeep", &j.cashKeep}, {"borrowNear", &t.borrowNear}};
    const std::map<std::string, int*> ints{{"lendTerms", &j.lendTerms}, {"lendEvery", &j.lendEvery},
                                           {"askAgainAfter", &j.askAgainAfter}, {"borrowInterest", &j.borrowInterest}};
    const std::map<std::string, bool*> flags{{"bidLow", &j.bidLow}, {"oneLoanEach", &j.oneLoanEach},
                                             {"prepareForDebts", &j.prepareForDebts},
                                             {"prepareForInsurance", &j.prepareForInsurance},
                                             {"cheapest", &t.cheapest}};
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
    Trial trial;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        auto value = [&] { return i + 1 < argc ? argv[++i] : "0"; };
        if (arg == "--players") players = std::atoi(value());
        else if (arg == "--games") games = std::atoi(value());
        else if (arg == "--jobs") jobs = std::atoi(value());
        else if (arg == "--seed") seed = std::strtoull(value(), nullptr, 10);
        else if (arg == "--head-start") headStart = std::atoi(value());
        else if (const auto eq = arg.find('='); eq != std::string::npos) {
            if (!Set(trial, arg.substr(0, eq), std::atof(arg.c_str() + eq + 1))) {
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
            game.pilot().SetStrategy(Hard, [&](PlayerRandom&) { return std::make_unique<TrialStrategy>(trial); });
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
    const double n = games, p = wins / n, z = 1.96;
    const double centre = (p + z * z / (2 * n)) / (1 + z * z / n);
    const double half = z * std::sqrt(p * (1 - p) / n + z * z / (4 * n * n)) / (1 + z * z / n);
    std::printf("changed seat: win share %.2f %% (95 %% CI %.2f - %.2f %%) of %d games of %d\n", 100 * p,
                100 * (centre - half), 100 * (centre + half), games, players);
    return 0;
}
