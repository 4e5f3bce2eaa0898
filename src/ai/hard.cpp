// The hard computer player looks ahead. Where it has a real choice (which
// company to buy, how much to bank, what to insure, where to jump, what to
// bid, whom to sell to, whether to lend or borrow) it plays the game on from
// each choice many times in instant play (the other seats played by the
// normal player, its own by its rules of thumb) and takes the choice that
// brings it the best expected finishing place, keeping to its rules of
// thumb unless another choice is clearly better. The
// continuations use its own dice, never the game's, and start from what its
// seat can see: other players' hidden bids are guessed. An option is only a
// decision presumed made; the continuation's hands carry it out with the
// same clicks as in play.

#include <time.h>

#include <algorithm>
#include <cmath>

#include "ai/board_sense.h"
#include "ai/instant_game.h"
#include "ai/normal.h"
#include "ai/strategy.h"

namespace zx::ai {

namespace {

double CpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

class HardStrategy : public Strategy {
public:
    HardStrategy(PlayerRandom& rng, const LookAhead& budget) : rng_(rng), budget_(budget) {}

    bool LooksAhead() const override { return true; }

    int Buy(const SeatView& v) override {
        const int me = v.Seat();
        const int first = J(v).Buy(v);
        std::vector<std::int64_t> rows{first};
        if (first != 0) rows.push_back(0);
        for (int row = 1; row <= 3; ++row) {
            const int k = 3 * (v.S().BuyZoneNumber - 1) + row;
            if (row != first && v.Buy().optNameEnabled[At(row)] && v.S().CompanyValue[At(k)] <= v.S().Cash[At(me)])
                rows.push_back(row);
        }
        return static_cast<int>(Choose(v, Decision::Buy, rows));
    }

    std::string Deposit(const SeatView& v) override {
        const int me = v.Seat();
        std::vector<std::string> amounts{J(v).Deposit(v)};
        for (const char* a : {"", "0.5", "1"})
            if (a != amounts.front() && LeadingNumber(a) * 1'000'000 <= v.S().Cash[At(me)]) amounts.emplace_back(a);
        std::vector<std::int64_t> tenths;
        for (const auto& a : amounts) tenths.push_back(std::lround(LeadingNumber(a) * 10));
        const std::int64_t chosen = Choose(v, Decision::Deposit, tenths);
        return amounts[static_cast<std::size_t>(std::find(tenths.begin(), tenths.end(), chosen) - tenths.begin())];
    }

    std::array<bool, 6> Insure(const SeatView& v) override {
        std::vector<std::int64_t> masks{InsuranceMask(J(v).Insure(v))};
        std::array<bool, 6> all{};
        const PlayerFormControls* w = v.OwnWindow();
        for (int row = 1; row <= 5; ++row) all[At(row)] = w && w->chkInsuranceEnabled[At(row)];
        for (const std::int64_t m : {std::int64_t{0}, InsuranceMask(all)})
            if (std::find(masks.begin(), masks.end(), m) == masks.end()) masks.push_back(m);
        const std::int64_t chosen = Choose(v, Decision::Insure, masks);
        std::array<bool, 6> boxes{};
        for (int row = 1; row <= 5; ++row) boxes[At(row)] = (chosen >> row) & 1;
        return boxes;
    }

    int MoveAnywhere(const SeatView& v) override {
        // The four cells the normal judgement likes best, and rolling instead.
        std::vector<std::pair<double, int>> ranked;
        for (int cell = 1; cell <= NumCells; ++cell) ranked.emplace_back(-J(v).CellWorth(v, cell), cell);
        std::sort(ranked.begin(), ranked.end());
        std::vector<std::int64_t> cells;
        for (std::size_t i = 0; i < 4; ++i) cells.push_back(ranked[i].second);
        cells.push_back(0);
        return static_cast<int>(Choose(v, Decision::MoveAnywhere, cells));
    }

    Money CashWanted(const SeatView& v) override {
        const int me = v.Seat();
        // Money out of the bank for a market ahead: worth a thought when the
        // company there can only be paid for so.
        const Money plain = J(v).CashWanted(v);
        const GameState& s = v.S();
        const std::int64_t funds = std::int64_t{s.Cash[At(me)]} + s.MoneyInBank[At(me)];
        Money ahead = 0;
        const int from = PositionOf(s, me);
        for (int steps = 1; steps <= 6; ++steps) {
            const int cell = CellAhead(from, steps);
            if (Cell(cell).kind != CellKind::Market) continue;
            const int z = ComplexSoldAt(cell);
            for (int k = 3 * z - 2; k <= 3 * z; ++k)
                if (s.CompanyOwner[At(k)] == 0 && s.CompanyValue[At(k)] <= funds)
                    ahead = std::max(ahead, s.CompanyValue[At(k)]);
        }
        if (ahead <= s.Cash[At(me)] || ahead <= plain) return plain;
        return static_cast<Money>(Choose(v, Decision::CashWanted, {plain, ahead}));
    }

    Money Bid(const SeatView& v) override {
        const int me = v.Seat();
        const int k = v.S().SaleCompany;
        if (k < 1 || k > NumCompanies) return 0;
        const Money value = v.S().CompanyValue[At(k)];
        const Money cash = v.S().Cash[At(me)];
        std::vector<std::int64_t> bids{J(v).Bid(v), 0};
        // Just above what the bank pays, and a range of shares of the value.
        if (value / 2 + 10'000 <= cash) bids.push_back(value / 2 / 10'000 * 10'000 + 10'000);
        for (double share : {0.6, 0.9, 1.2, 1.5}) {
            const Money b = static_cast<Money>(std::min<double>(share * value, cash) / 10'000) * 10'000;
            if (b > value / 2 && std::find(bids.begin(), bids.end(), b) == bids.end()) bids.push_back(b);
        }
        if (bids.front() == 0) bids.erase(bids.begin() + 1);
        bool bidding = false;
        for (int r = 1; r <= 3; ++r) bidding = bidding || v.Sale().optPlayerId[At(r)] == v.IdOf(me);
        if (!bidding) return static_cast<Money>(bids.front());
        return static_cast<Money>(Choose(v, Decision::Bid, bids));
    }

    int SaleRow(const SeatView& v) override { return J(v).CheapestRow(v); }

    int SaleBuyer(const SeatView& v) override {
        const int me = v.Seat();
        const SellCompaniesControls f = v.Sale();
        std::vector<std::int64_t> rows{J(v).SaleBuyer(v)};
        const bool mustSell = v.S().WaitingMode && v.Wait().Debtor == me;
        for (int row = -1; row <= 3; ++row) {
            if (row == -1 && mustSell) continue;
            if (row >= 0 && (!f.optPlayerVisible[At(row)] || !f.optPlayerEnabled[At(row)])) continue;
            if (std::find(rows.begin(), rows.end(), row) == rows.end()) rows.push_back(row);
        }
        return static_cast<int>(Choose(v, Decision::SaleBuyer, rows));
    }

    int DebtSaleRow(const SeatView& v) override { return J(v).CheapestRow(v); }

    std::optional<LoanOffer> Lend(const SeatView& v) override {
        const int me = v.Seat();
        const GameState& s = v.S();
        // Thinking about a loan only pays with money to spare; and not at
        // every move, or the look-ahead would eat the players' time.
        if (s.LoanCount >= MaxLoans || s.WaitingMode) return std::nullopt;
        if (s.Moves % 3 != 0) return J(v).Lend(v);
        if (std::int64_t{s.Cash[At(me)]} < 1'000'000) return std::nullopt;
        // The normal judgement's offer first, then none, then the others.
        std::vector<std::int64_t> offers{LoanCode(J(v).Lend(v))};
        if (offers.front() != 0) offers.push_back(0);
        for (int b = 1; b <= s.NumOfPlayers; ++b) {
            if (b == me) continue;
            for (const char* amount : {"0.5", "1", "2"}) {
                const Money dollars = MillionsToDollars(LeadingNumber(amount), 1).value_or(0);
                if (dollars > s.Cash[At(me)]) continue;
                // A loan that lifts the borrower's estate past the line hands him the game.
                if (s.Estate[At(b)] + dollars > WinningEstate - 500'000 || CompaniesOwned(s, b) >= WinningCompanies - 1)
                    continue;
                for (int terms : {9, 10}) {
                    const std::int64_t code = LoanCode(LoanOffer{b, amount, terms});
                    if (std::find(offers.begin(), offers.end(), code) == offers.end()) offers.push_back(code);
                }
            }
        }
        if (offers.size() == 1) return LoanFromCode(offers.front());
        return LoanFromCode(Choose(v, Decision::Lend, offers));
    }

    bool Borrow(const SeatView& v, int lender, Money amount, int interest, int duration) override {
        const int me = v.Seat();
        const bool first = J(v).Borrow(v, lender, amount, interest, duration);
        // A loan that wins at once needs no thought.
        if (std::int64_t{v.S().Estate[At(me)]} + amount > WinningEstate) return true;
        return Choose(v, Decision::Borrow, {first ? 1 : 0, first ? 0 : 1}) != 0;
    }

private:
    static std::int64_t InsuranceMask(const std::array<bool, 6>& boxes) {
        std::int64_t m = 0;
        for (int i = 1; i <= 5; ++i)
            if (boxes[At(i)]) m |= std::int64_t{1} << i;
        return m;
    }

    // The continuations: every other seat played by the normal player, as
    // they are in the arena, and its own seat by its own rules of thumb,
    // as it will play them when it does not think.
    InstantGame& Sim(const SeatView& v) {
        if (!sim_) {
            sim_ = std::make_unique<InstantGame>(rng_());
            sim_->pilot().PlayEverySeatAs(PlayerType::Normal);
            sim_->pilot().SetStrategy(PlayerType::Hard, [this](PlayerRandom&) { return MakeNormal(*simJudgement_); });
        }
        sim_->pilot().PlaySeat(v.IdOf(v.Seat()), PlayerType::Hard);
        simJudgement_ = &J(v);
        return *sim_;
    }

    // How good the end of a continuation is for `name`: his expected
    // finishing place, 1 for the first and 0 for the last, so that in games
    // of three and four the places behind the winner count too. A place
    // taken counts as it is. Among the players still seated each is judged
    // by his chance of winning from there, as fitted to games of normal
    // players (WinFeatures; weights from `build/fit-evaluation --games
    // 20000 --players 4` and `--players 2`, seeds 1 and 2 averaged):
    // estate counts most, what one is owed almost as much (a loan moves
    // estate, not worth), money idle in cash and bank somewhat less than
    // companies, the count of companies itself hardly at all. The open
    // places go as those chances would rank them, one after another
    // (Plackett and Luce): each other seated player finishes before him
    // with the share his chance has of the two.
    static constexpr std::array<double, NumWinFeatures> WeightsOfTwo{9.22, 0.94, 3.13, -3.53, -0.31, 9.51, 0.88};
    static constexpr std::array<double, NumWinFeatures> WeightsOfMore{12.75, -0.05, 0.80, -1.72, -2.92, 9.11, 0.84};

    static double Score(InstantGame& sim, const std::string& name, int players) {
        const GameState& s = sim.game().S;
        const double spread = std::max(1, players - 1);
        if (const int place = sim.PlaceOf(name)) return (players - place) / spread;
        const auto& w = players > 2 ? WeightsOfMore : WeightsOfTwo;
        std::array<double, MaxPlayers + 1> u{};
        int mine = 0;
        for (int p = 1; p <= s.NumOfPlayers; ++p) {
            const auto x = WinFeatures(s, p);
            for (int i = 0; i < NumWinFeatures; ++i) u[At(p)] += w[At(i)] * x[At(i)];
            if (s.PlayerName[At(p)] == name) mine = p;
        }
        if (mine == 0) return 0.0;
        double expected = s.WinnerCount + 1;
        for (int p = 1; p <= s.NumOfPlayers; ++p)
            if (p != mine) expected += 1.0 / (1.0 + std::exp(u[At(mine)] - u[At(p)]));
        return std::clamp((players - expected) / spread, 0.0, 1.0);
    }

    // Plays each option out in turn, the same dice for every option in a
    // round, until the budget is spent or the rounds so far settle the
    // question: one option ahead of every other by more than chance would
    // explain, or all of them so close that the choice hardly matters. An
    // option that falls clearly behind the best one is played no more, so
    // that the continuations go to the options still in question (the
    // normal judgement's, the first, is always played: the others must
    // beat it). The first option wins ties. Each option is a decision the
    // seat's hand takes as made; the continuation's hands carry it out and
    // play on. With no time budget the continuations alone count, so that a
    // seed plays the same games on any machine.
    std::int64_t Choose(const SeatView& v, Decision d, const std::vector<std::int64_t>& options) {
        const std::size_t n = options.size();
        if (n <= 1) return n == 1 ? options.front() : 0;
        const int me = v.Seat();
        std::vector<bool> live(n, true);
        std::vector<std::vector<double>> rounds;  // NaN where an option was no longer played
        const std::string name = v.Name(me);
        const bool timed = budget_.seconds > 0;
        const double start = CpuSeconds();
        // The CPU time spent thinking, not breathing.
        double breathed = 0, lastBreath = start;
        auto thought = [&] { return CpuSeconds() - start - breathed; };
        auto breathe = [&] {
            if (!timed || !budget_.breathe) return;
            const double now = CpuSeconds();
            if (now - lastBreath < 0.015) return;
            budget_.breathe();
            lastBreath = CpuSeconds();
            breathed += lastBreath - now;
        };
        double roundStart = 0;
        double longestRound = 0;
        int played = 0;
        InstantGame& sim = Sim(v);
        const int players = std::max(v.S().InitialNumOfPlayers, v.S().NumOfPlayers);
        const int horizon = budget_.horizon * std::max(2, v.S().NumOfPlayers) / 2;
        const int cap = std::max(budget_.playouts, static_cast<int>(n));
        auto liveCount = [&] { return static_cast<int>(std::count(live.begin(), live.end(), true)); };
        while (played + liveCount() <= cap) {
            const std::uint64_t seed = rng_();
            std::vector<double>& round = rounds.emplace_back(n, std::nan(""));
            for (std::size_t i = 0; i < n; ++i) {
                if (!live[i]) continue;
                sim.CopyFrom(v, seed);
                sim.pilot().Presume(me, d, options[i]);
                sim.PlayOut(v.S().Moves + horizon);
                round[i] = Score(sim, name, players);
                ++played;
                breathe();
            }
            // Options that leave every continuation alike (a loan nobody
            // takes) are not worth the rest of the budget.
            if (rounds.size() == 4 && AllAlike(rounds)) break;
            if (rounds.size() >= 16 && rounds.size() % 8 == 0) {
                const std::size_t best = Leader(rounds, live);
                for (std::size_t i = 1; i < n; ++i)
                    if (live[i] && i != best && Margin(rounds, best, i) > 0) live[i] = false;
                if (liveCount() == 1) break;
            }
            if (rounds.size() >= 32 && rounds.size() % 16 == 0 && Settled(rounds, live)) break;
            if (!timed) continue;
            // Whole rounds only, and none that would end past the budget: the
            // next round is taken to be as long as the longest so far, with a
            // little to spare for choosing afterwards.
            const double now = thought();
            longestRound = std::max(longestRound, now - roundStart);
            if (now + longestRound > 0.98 * budget_.seconds) break;
            roundStart = now;
        }
        std::size_t best = Leader(rounds, live);
        // The first option is the normal judgement's. It keeps its place
        // unless another beats it by more than twice the error of the
        // difference: with a few hundred continuations most differences
        // are chance, and following chance away from a sound rule loses.
        if (best != 0 && Margin(rounds, best, 0) <= 0) best = 0;
        if (budget_.decisionSeconds) budget_.decisionSeconds->push_back(thought());
        return options[best];
    }
    static bool AllAlike(const std::vector<std::vector<double>>& rounds) {
        for (const auto& round : rounds)
            for (const double x : round)
                if (x != round.front()) return false;
        return true;
    }
    // The live option with the best mean (the first among equals).
    static std::size_t Leader(const std::vector<std::vector<double>>& rounds, const std::vector<bool>& live) {
        std::size_t best = 0;
        double top = -1;
        for (std::size_t i = 0; i < live.size(); ++i) {
            if (!live[i]) continue;
            double sum = 0;
            int count = 0;
            for (const auto& round : rounds)
                if (!std::isnan(round[i])) sum += round[i], ++count;
            if (count && sum / count > top) top = sum / count, best = i;
        }
        return best;
    }
    // How far a leads b beyond `errors` times the error of the mean
    // difference, over the rounds that played both (positive: clearly).
    static double Margin(const std::vector<std::vector<double>>& rounds, std::size_t a, std::size_t b,
                         double errors = 2) {
        double d = 0, dd = 0, r = 0;
        for (const auto& round : rounds) {
            if (std::isnan(round[a]) || std::isnan(round[b])) continue;
            const double x = round[a] - round[b];
            d += x;
            dd += x * x;
            r += 1;
        }
        if (r < 2) return -1;
        const double mean = d / r;
        const double error = std::sqrt(std::max(0.0, dd / r - mean * mean) / (r - 1));
        return mean - errors * error;
    }
    // The leader is ahead of every other live option by three errors, or
    // all are within a point of it after 64 rounds.
    static bool Settled(const std::vector<std::vector<double>>& rounds, const std::vector<bool>& live) {
        const std::size_t best = Leader(rounds, live);
        bool clearLead = true, indifferent = rounds.size() >= 64;
        for (std::size_t i = 0; i < live.size(); ++i) {
            if (i == best || !live[i]) continue;
            clearLead = clearLead && Margin(rounds, best, i, 3) > 0;
            indifferent = indifferent && -Margin(rounds, i, best, 3) < 0.01;
        }
        return clearLead || indifferent;
    }

    PlayerRandom& rng_;
    LookAhead budget_;
    // Its own rules of thumb, the normal player's but for two things. In
    // games of three and four it takes money out of the bank for
    // any company worth its price, keeping at least $600,000 or the worst
    // fee ahead. A seat so played among three normal ones wins 28 - 29 %
    // of 20,000 games instead of 25 % (35 % instead of 33 % among two
    // normal ones); in a game of two the same seat wins only 41 - 48 %.
    // And in games of every size, where it buys, it buys the cheapest
    // company there that keeps its reserve: a seat so played against a
    // normal one wins 52.7 - 53.3 % of 20,000 games instead of 49.9 -
    // 51.2 % (three seeds), among three normal ones 29.5 % instead of
    // 29.1 %.
    static NormalJudgement Own(bool crowded) {
        NormalJudgement j;
        j.buyCheapest = true;
        if (!crowded) return j;
        j.withdrawThreshold = 1.0;
        j.reserveFloor = 600'000;
        j.reserveShare = 1.0;
        return j;
    }
    const NormalJudgement& J(const SeatView& v) const {
        return std::max(v.S().InitialNumOfPlayers, v.S().NumOfPlayers) > 2 ? crowded_ : two_;
    }
    NormalJudgement two_ = Own(false), crowded_ = Own(true);
    std::unique_ptr<InstantGame> sim_;
    const NormalJudgement* simJudgement_ = &two_;
};

}  // namespace

std::unique_ptr<Strategy> MakeHard(PlayerRandom& rng, const LookAhead& budget) {
    return std::make_unique<HardStrategy>(rng, budget);
}

}  // namespace zx::ai
