// The hard computer player looks ahead. Where it has a real choice (which
// company to buy, how much to bank, what to insure, where to jump, what to
// bid, whom to sell to, whether to lend or borrow) it plays the game on from
// each choice many times in instant play, every seat played by the normal
// player, and takes the choice that wins most often. The continuations use
// its own dice, never the game's, and start from what its seat can see:
// other players' hidden bids are left out.

#include <time.h>

#include <algorithm>
#include <cmath>
#include <functional>

#include "ai/board_sense.h"
#include "ai/instant_game.h"
#include "ai/normal.h"
#include "ai/strategy.h"

namespace zx::ai {

namespace {

std::size_t At(int i) { return static_cast<std::size_t>(i); }

double CpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

using Option = std::function<void(InstantGame&, int me)>;

class HardStrategy : public Strategy {
public:
    HardStrategy(PlayerRandom& rng, const LookAhead& budget) : rng_(rng), budget_(budget) {}

    int Buy(const Game& g, int me) override {
        const int first = j_.Buy(g, me);
        std::vector<int> rows{first};
        if (first != 0) rows.push_back(0);
        for (int row = 1; row <= 3; ++row) {
            const int k = 3 * (g.S.BuyZoneNumber - 1) + row;
            if (row != first && g.BuyForm.optNameEnabled[At(row)] && g.S.CompanyValue[At(k)] <= g.S.Cash[At(me)])
                rows.push_back(row);
        }
        return rows[Choose(g, me, rows.size(), [&](std::size_t i) -> Option {
            const int row = rows[i];
            return [row](InstantGame& sim, int) {
                BuyCompanyForm& f = sim.game().BuyForm;
                if (row == 0) {
                    f.cmdCancel_Click();
                    return;
                }
                f.optName_Click(row);
                f.cmdBuy_Click();
                if (sim.game().S.BuyMode) f.cmdCancel_Click();
            };
        })];
    }

    std::string Deposit(const Game& g, int me) override {
        std::vector<std::string> amounts{j_.Deposit(g, me)};
        for (const char* a : {"", "0.5", "1"})
            if (a != amounts.front() && LeadingNumber(a) * 1'000'000 <= g.S.Cash[At(me)]) amounts.emplace_back(a);
        return amounts[Choose(g, me, amounts.size(), [&](std::size_t i) -> Option {
            const std::string amount = amounts[i];
            return [amount](InstantGame& sim, int p) {
                PlayerForm& w = sim.game().PlayerWindow(p);
                w.txtBankNum_Typed(amount);
                w.cmdDeposit_Click();
                if (sim.game().S.DepositMode) {
                    w.txtBankNum_Typed("");
                    w.cmdDeposit_Click();
                }
            };
        })];
    }

    std::array<bool, 6> Insure(const Game& g, int me) override {
        std::vector<std::array<bool, 6>> choices{j_.Insure(g, me)};
        std::array<bool, 6> none{}, all{};
        const PlayerForm* w = const_cast<Game&>(g).PlayerWindowIfLoaded(me);
        for (int row = 1; row <= 5; ++row) all[At(row)] = w && w->chkInsuranceEnabled[At(row)];
        for (const auto& c : {none, all})
            if (std::find(choices.begin(), choices.end(), c) == choices.end()) choices.push_back(c);
        return choices[Choose(g, me, choices.size(), [&](std::size_t i) -> Option {
            const auto boxes = choices[i];
            return [boxes](InstantGame& sim, int p) {
                PlayerForm& w = sim.game().PlayerWindow(p);
                for (int row = 1; row <= 5; ++row)
                    if (boxes[At(row)] && w.chkInsuranceEnabled[At(row)] && w.chkInsurance[At(row)] != CheckState::Checked)
                        w.chkInsurance_Click(row);
                w.cmdOK_Click();
                if (sim.game().S.InsuranceMode) {
                    for (int row = 1; row <= 5; ++row)
                        if (w.chkInsurance[At(row)] == CheckState::Checked) w.chkInsurance_Click(row);
                    w.cmdOK_Click();
                }
            };
        })];
    }

    int MoveAnywhere(const Game& g, int me) override {
        // The four cells the normal judgement likes best, and rolling instead.
        std::vector<std::pair<double, int>> ranked;
        for (int cell = 1; cell <= NumCells; ++cell) ranked.emplace_back(-j_.CellWorth(g, me, cell), cell);
        std::sort(ranked.begin(), ranked.end());
        std::vector<int> cells;
        for (std::size_t i = 0; i < 4; ++i) cells.push_back(ranked[i].second);
        cells.push_back(0);
        return cells[Choose(g, me, cells.size(), [&](std::size_t i) -> Option {
            const int cell = cells[i];
            return [cell](InstantGame& sim, int) {
                if (cell != 0)
                    sim.game().Box_Click(cell);
                else if (sim.game().Main.cmdRollDiceEnabled)
                    sim.game().cmdRollDice_Click();
            };
        })];
    }

    Money CashWanted(const Game& g, int me) override {
        // Money out of the bank for a market ahead: worth a thought when the
        // company there can only be paid for so.
        const Money plain = j_.CashWanted(g, me);
        const GameState& s = g.S;
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
        const Money wants[] = {plain, ahead};
        return wants[Choose(g, me, 2, [&](std::size_t i) -> Option {
            const Money want = wants[i];
            return [want](InstantGame& sim, int p) {
                const GameState& ss = sim.game().S;
                const Money missing = want - ss.Cash[At(p)];
                if (missing <= 0) return;
                PlayerForm& w = sim.game().PlayerWindow(p);
                w.txtBankNum_Typed(MillionsText(std::min(missing, ss.MoneyInBank[At(p)]), false));
                w.cmdWithdraw_Click();
            };
        })];
    }

    Money Bid(const Game& g, int me) override {
        const int k = g.S.SaleCompany;
        if (k < 1 || k > NumCompanies) return 0;
        const Money v = g.S.CompanyValue[At(k)];
        const Money cash = g.S.Cash[At(me)];
        std::vector<Money> bids{j_.Bid(g, me), 0};
        // Just above what the bank pays, and a range of shares of the value.
        if (v / 2 + 10'000 <= cash) bids.push_back(v / 2 / 10'000 * 10'000 + 10'000);
        for (double share : {0.6, 0.9, 1.2, 1.5}) {
            const Money b = static_cast<Money>(std::min<double>(share * v, cash) / 10'000) * 10'000;
            if (b > v / 2 && std::find(bids.begin(), bids.end(), b) == bids.end()) bids.push_back(b);
        }
        if (bids.front() == 0) bids.erase(bids.begin() + 1);
        int row = 0;
        for (int r = 1; r <= 3; ++r)
            if (g.SellForm.optPlayerId[At(r)] == g.IdOf(me)) row = r;
        if (row == 0) return bids.front();
        return bids[Choose(g, me, bids.size(), [&](std::size_t i) -> Option {
            const Money bid = bids[i];
            return [bid, row](InstantGame& sim, int p) {
                sim.pilot().PresumeBid(p, bid);
                if (bid > 0) sim.game().SellForm.txtBid_Typed(row, std::to_string(bid));
            };
        })];
    }

    int SaleRow(const Game& g, int me) override { return j_.CheapestRow(g, me); }

    int SaleBuyer(const Game& g, int me) override {
        const SellCompaniesForm& f = g.SellForm;
        std::vector<int> rows{j_.SaleBuyer(g, me)};
        const bool mustSell = g.S.WaitingMode && g.Wait.Debtor == me;
        for (int row = -1; row <= 3; ++row) {
            if (row == -1 && mustSell) continue;
            if (row >= 0 && (!f.optPlayerVisible[At(row)] || !f.optPlayerEnabled[At(row)])) continue;
            if (std::find(rows.begin(), rows.end(), row) == rows.end()) rows.push_back(row);
        }
        return rows[Choose(g, me, rows.size(), [&](std::size_t i) -> Option {
            const int row = rows[i];
            return [row](InstantGame& sim, int) {
                SellCompaniesForm& sf = sim.game().SellForm;
                if (row >= 0) {
                    sf.optPlayer_Click(row);
                    sf.cmdSell_Click();
                }
                if (sf.Loaded) sf.Form_QueryUnload();
            };
        })];
    }

    int DebtSaleRow(const Game& g, int me) override { return j_.CheapestRow(g, me); }

    std::optional<LoanOffer> Lend(const Game& g, int me) override {
        const GameState& s = g.S;
        // Thinking about a loan only pays with money to spare; and not at
        // every move, or the look-ahead would eat the players' time.
        if (s.Moves % 3 != 0 || s.LoanCount >= MaxLoans || s.WaitingMode) return std::nullopt;
        if (std::int64_t{s.Cash[At(me)]} < 1'000'000) return std::nullopt;
        // The normal judgement's offer first, then none, then the others.
        std::vector<std::optional<LoanOffer>> offers{j_.Lend(g, me)};
        if (offers.front()) offers.push_back(std::nullopt);
        for (int b = 1; b <= s.NumOfPlayers; ++b) {
            if (b == me) continue;
            for (const char* amount : {"0.5", "1"}) {
                const Money dollars = MillionsToDollars(LeadingNumber(amount), 1).value_or(0);
                if (dollars > s.Cash[At(me)]) continue;
                // A loan that lifts the borrower's estate past the line hands him the game.
                if (s.Estate[At(b)] + dollars > WinningEstate - 500'000 || CompaniesOwned(s, b) >= 4) continue;
                for (int terms : {1, 9, 10}) offers.push_back(LoanOffer{b, amount, terms});
            }
        }
        if (offers.size() == 1) return std::nullopt;
        return offers[Choose(g, me, offers.size(), [&](std::size_t i) -> Option {
            const auto offer = offers[i];
            return [offer](InstantGame& sim, int p) {
                if (!offer) return;
                sim.pilot().OfferLoan(p, *offer);
            };
        })];
    }

    bool Borrow(const Game& g, int me, int lender, Money amount, int interest, int duration) override {
        const bool first = j_.Borrow(g, me, lender, amount, interest, duration);
        // A loan that wins at once needs no thought.
        if (std::int64_t{g.S.Estate[At(me)]} + amount > WinningEstate) return true;
        const bool answers[] = {first, !first};
        return answers[Choose(g, me, 2, [&](std::size_t i) -> Option {
            const bool yes = answers[i];
            return [yes](InstantGame& sim, int p) {
                sim.ui().forcedPlayer = p;
                sim.ui().forcedLoanAnswer = yes;
                sim.game().LoanDialog.cmdLoan_Click();
                sim.ui().forcedLoanAnswer.reset();
                if (sim.game().LoanDialog.Loaded) sim.game().LoanDialog.cmdCancel_Click();
            };
        })];
    }

private:
    InstantGame& Sim() {
        if (!sim_) {
            sim_ = std::make_unique<InstantGame>(rng_());
            sim_->pilot().PlayEverySeatAs(Normal);
        }
        return *sim_;
    }

    // How good the end of a continuation is for `name`: a first place is
    // everything; a game still open is judged by how near each player is
    // to one of the two winning lines.
    double Score(InstantGame& sim, const std::string& name) {
        const GameState& s = sim.game().S;
        const int place = sim.PlaceOf(name);
        if (place == 1) return 1.0;
        if (place > 1) return 0.0;
        double mine = 0, total = 0;
        for (int p = 1; p <= s.NumOfPlayers; ++p) {
            const double progress = std::max(static_cast<double>(s.Estate[At(p)]) / WinningEstate,
                                             CompaniesOwned(s, p) / static_cast<double>(WinningCompanies));
            const double weight = std::exp(8.0 * progress);
            total += weight;
            if (s.PlayerName[At(p)] == name) mine = weight;
        }
        // Somebody has won already and it was not him: only second place is open.
        const double open = s.WinnerCount > 0 ? 0.0 : 1.0;
        return total > 0 ? open * mine / total : 0.0;
    }

    // Plays each option out in turn, the same dice for every option in a
    // round, until the budget is spent or the rounds so far settle the
    // question: one option ahead of every other by more than chance would
    // explain, or all of them so close that the choice hardly matters. The
    // first option wins ties.
    template <typename MakeOption> std::size_t Choose(const Game& g, int me, std::size_t n, MakeOption&& make) {
        if (n <= 1) return 0;
        std::vector<Option> options;
        for (std::size_t i = 0; i < n; ++i) options.push_back(make(i));
        std::vector<double> sum(n, 0.0);
        std::vector<std::vector<double>> rounds;
        const std::string name = g.Name(me);
        const double start = CpuSeconds();
        double roundStart = start;
        double longestRound = 0;
        int played = 0;
        InstantGame& sim = Sim();
        const int horizon = budget_.horizon * std::max(2, g.S.NumOfPlayers) / 2;
        while (played + static_cast<int>(n) <= std::max(budget_.playouts, static_cast<int>(n))) {
            const std::uint64_t seed = rng_();
            std::vector<double>& round = rounds.emplace_back(n, 0.0);
            for (std::size_t i = 0; i < n; ++i) {
                sim.CopyFrom(g, me);
                sim.chance().Seed(seed);
                options[i](sim, me);
                sim.PlayOut(g.S.Moves + horizon);
                round[i] = Score(sim, name);
                sum[i] += round[i];
            }
            played += static_cast<int>(n);
            if (rounds.size() >= 32 && rounds.size() % 16 == 0 && Settled(rounds, sum)) break;
            // Whole rounds only, and none that would end past the budget: the
            // next round is taken to be as long as the longest so far, with a
            // little to spare for choosing afterwards.
            const double now = CpuSeconds();
            longestRound = std::max(longestRound, now - roundStart);
            if (now + longestRound - start > 0.98 * budget_.seconds) break;
            roundStart = now;
        }
        std::size_t best = 0;
        for (std::size_t i = 1; i < n; ++i)
            if (sum[i] > sum[best]) best = i;
        if (budget_.decisionSeconds) budget_.decisionSeconds->push_back(CpuSeconds() - start);
        return best;
    }

    static bool Settled(const std::vector<std::vector<double>>& rounds, const std::vector<double>& sum) {
        const std::size_t best = static_cast<std::size_t>(std::max_element(sum.begin(), sum.end()) - sum.begin());
        const double r = static_cast<double>(rounds.size());
        bool clearLead = true, indifferent = rounds.size() >= 64;
        for (std::size_t i = 0; i < sum.size(); ++i) {
            if (i == best) continue;
            double d = 0, dd = 0;
            for (const auto& round : rounds) {
                const double x = round[best] - round[i];
                d += x;
                dd += x * x;
            }
            const double mean = d / r;
            const double error = std::sqrt(std::max(0.0, dd / r - mean * mean) / r);
            clearLead = clearLead && mean > 3 * error;
            indifferent = indifferent && mean + 3 * error < 0.01;
        }
        return clearLead || indifferent;
    }

    PlayerRandom& rng_;
    LookAhead budget_;
    NormalJudgement j_;
    std::unique_ptr<InstantGame> sim_;
};

}  // namespace

std::unique_ptr<Strategy> MakeHard(PlayerRandom& rng, const LookAhead& budget) {
    return std::make_unique<HardStrategy>(rng, budget);
}

}  // namespace zx::ai
