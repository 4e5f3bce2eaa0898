// The normal computer player: a plan written by hand from the game's own
// numbers. Five companies win at once, and a company it owns is one that
// charges no fee to it, so it buys whenever its cash allows and keeps a
// reserve for the fees ahead. It banks what it does not need and does not
// take it out again for a purchase, since the bank pays a tenth of the
// balance at every Bank cell but takes at most $1,000,000 a visit. It
// insures, as a disaster costs an uninsured company's whole value. It lends
// spare cash for twenty moves at 20 % to the player with the least to fall
// back on, who may have to sell to repay (a loan repaid short is a company
// sold at half its value, so it lends whenever it can, twice as much to the
// one opponent of a game of two); never to the player nearest a win, nor
// out of the cash the fees of its next round may call for. It
// bids up to what a company is worth to it, and never lets a sale or a
// loan hand somebody the game.

#include <algorithm>
#include <cmath>

#include "ai/autopilot.h"
#include "ai/board_sense.h"
#include "ai/normal.h"
#include "ai/strategy.h"

namespace zx::ai {

namespace {

// A disaster strikes a given complex on about one Computer landing in 22,
// and one landing in eight is on a Computer cell.
constexpr double DisasterPerMove = 1.0 / 8.0 / 22.0;

Money RoundDown(std::int64_t dollars, std::int64_t step) { return static_cast<Money>(dollars / step * step); }

}  // namespace

Money NormalJudgement::Reserve(const GameState& s, int me) const {
    // The worst fee an opponent's company could charge on the next lap.
    Money worst = 0;
    for (int k = 1; k <= NumCompanies; ++k) worst = std::max(worst, static_cast<Money>(-LandingOnCompany(s, me, k)));
    return std::max<Money>(reserveFloor, static_cast<Money>(worst * reserveShare));
}

double NormalJudgement::CompanyWorth(const GameState& s, int me, int k) const {
    const int c = ComplexOf(k);
    const double v = s.CompanyValue[At(k)];
    double worth = v;
    const int mine = OwnedInComplex(s, me, c) + (s.CompanyOwner[At(k)] == me ? 0 : 1);
    const int others = OthersInComplex(s, me, c) - (s.CompanyOwner[At(k)] != 0 && s.CompanyOwner[At(k)] != me ? 1 : 0);
    if (others == 0) worth += v * complexBonus * (mine - 1) / 2.0;
    // Taking the third company of somebody's complex away spoils it.
    for (int p = 1; p <= s.NumOfPlayers; ++p)
        if (p != me && OwnedInComplex(s, p, c) == 2 && s.CompanyOwner[At(k)] == 0) worth += v * blockBonus;
    return worth;
}

int NormalJudgement::Buy(const SeatView& v) const {
    const int me = v.Seat();
    const GameState& s = v.S();
    const int z = s.BuyZoneNumber;
    const Money cash = s.Cash[At(me)];
    const std::int64_t funds = std::int64_t{cash} + s.MoneyInBank[At(me)];
    const bool fifth = CompaniesOwned(s, me) == WinningCompanies - 1;
    const Money reserve = Reserve(s, me);
    auto price = [&](int row) { return s.CompanyValue[At(3 * (z - 1) + row)]; };
    // A company it can pay for and still keep its reserve; any fifth one wins.
    auto affordable = [&](int row) {
        if (!v.Buy().optNameEnabled[At(row)] || price(row) > cash) return false;
        return fifth || (funds - price(row) >= reserve && cash - price(row) >= cashKeep);
    };
    int best = 0;
    double bestScore = 0;
    for (int row = 1; row <= 3; ++row) {
        if (!affordable(row)) continue;
        double score;
        if (fifth) {
            score = 1e9 - price(row);  // any fifth company wins: the cheapest will do
        } else {
            score = CompanyWorth(s, me, 3 * (z - 1) + row) / price(row);
            if (score < buyThreshold) continue;
        }
        if (score > bestScore) {
            bestScore = score;
            best = row;
        }
    }
    if (best == 0 || !buyCheapest) return best;
    // Five companies win as surely as $8,000,000, and the money kept buys
    // the next one.
    int cheapest = best;
    for (int row = 1; row <= 3; ++row)
        if (affordable(row) && price(row) < price(cheapest)) cheapest = row;
    return cheapest;
}

std::string NormalJudgement::Deposit(const SeatView& v) const {
    const int me = v.Seat();
    const GameState& s = v.S();
    const std::int64_t spare = std::int64_t{s.Cash[At(me)]} - keepOnDeposit;
    const Money amount = RoundDown(std::min<std::int64_t>(spare, 1'000'000), 100'000);
    if (amount <= 0) return "";
    return amount == 1'000'000 ? "1" : "0." + std::to_string(amount / 100'000);
}

std::array<bool, 6> NormalJudgement::Insure(const SeatView& v) const {
    const int me = v.Seat();
    const GameState& s = v.S();
    std::array<bool, 6> boxes{};
    const PlayerFormControls* w = v.OwnWindow();
    if (!w) return boxes;
    const bool free = s.FreeInsuranceBonus[At(me)];
    const double remaining = std::max(0.0, expectedGameMoves - s.Moves);
    const double risk = 1.0 - std::pow(1.0 - DisasterPerMove, remaining);
    std::int64_t budget = std::int64_t{s.Cash[At(me)]} - keepOnInsurance;
    for (int row = 1; row <= 5; ++row) {
        if (!w->chkInsuranceEnabled[At(row)]) continue;
        const int k = CompanyInRow(v, row - 1);
        if (k == 0) continue;
        if (free) {
            boxes[At(row)] = true;
            continue;
        }
        const Money premium = s.InsurancePrice[At(k)];
        // A destroyed complexed company costs its complex's bonus as well.
        const double loss = s.CompanyValue[At(k)] * (s.CompanyComplexed[At(k)] ? 1.5 : 1.0);
        if (risk * loss < premium * insureMargin || premium > budget) continue;
        boxes[At(row)] = true;
        budget -= premium;
    }
    return boxes;
}

double NormalJudgement::CellWorth(const SeatView& v, int cell) const {
    const int me = v.Seat();
    const GameState& s = v.S();
    const CellInfo& info = Cell(cell);
    switch (info.kind) {
        case CellKind::Company: return LandingOnCompany(s, me, info.number);
        case CellKind::Tax: return -static_cast<double>(TaxOf(s, me));
        case CellKind::Bank: return s.MoneyInBank[At(me)] / 10.0 + (s.Cash[At(me)] > 0 ? 20'000 : 0);
        case CellKind::Computer: return 40'000;
        case CellKind::Insurance: return 10'000;
        case CellKind::Market: {
            const int z = ComplexSoldAt(cell);
            const bool fifth = CompaniesOwned(s, me) == WinningCompanies - 1;
            double best = 0;
            for (int k = 3 * z - 2; k <= 3 * z; ++k) {
                if (s.CompanyOwner[At(k)] != 0 || s.CompanyValue[At(k)] > s.Cash[At(me)]) continue;
                best = std::max(best, fifth ? 1e9 : marketWorth * CompanyWorth(s, me, k) / s.CompanyValue[At(k)]);
            }
            return best;
        }
    }
    return 0;
}

int NormalJudgement::MoveAnywhere(const SeatView& v) const {
    int best = 0;
    double bestWorth = -1e18;
    for (int cell = 1; cell <= NumCells; ++cell) {
        const double w = CellWorth(v, cell);
        if (w > bestWorth) {
            bestWorth = w;
            best = cell;
        }
    }
    return best;
}

Money NormalJudgement::CashWanted(const SeatView& v) const {
    const int me = v.Seat();
    const GameState& s = v.S();
    const int from = PositionOf(s, me);
    const std::int64_t funds = std::int64_t{s.Cash[At(me)]} + s.MoneyInBank[At(me)];
    const bool fifth = CompaniesOwned(s, me) == WinningCompanies - 1;
    const Money reserve = Reserve(s, me);
    std::int64_t wanted = 0;
    for (int steps = 1; steps <= 6; ++steps) {
        const int cell = CellAhead(from, steps);
        const CellInfo& info = Cell(cell);
        std::int64_t need = 0;
        if (info.kind == CellKind::Market) {
            // The company it would buy there, with the reserve kept after:
            // a fifth company always, another one only when it is worth
            // more than the interest the money earns in the bank.
            const int z = ComplexSoldAt(cell);
            for (int k = 3 * z - 2; k <= 3 * z; ++k) {
                if (s.CompanyOwner[At(k)] != 0) continue;
                const Money price = s.CompanyValue[At(k)];
                if (fifth ? price <= funds
                          : price + reserve <= funds && CompanyWorth(s, me, k) >= withdrawThreshold * price)
                    need = std::max<std::int64_t>(need, price);
            }
        } else if (info.kind == CellKind::Company && prepareForDebts) {
            need = -std::min<Money>(0, LandingOnCompany(s, me, info.number));
        } else if (info.kind == CellKind::Tax && prepareForDebts) {
            need = TaxOf(s, me);
        } else if (info.kind == CellKind::Insurance && prepareForInsurance) {
            for (int k = 1; k <= NumCompanies; ++k)
                if (s.CompanyOwner[At(k)] == me && !s.CompanyInsured[At(k)]) need += s.InsurancePrice[At(k)];
        }
        wanted = std::max(wanted, need);
    }
    return static_cast<Money>(std::min<std::int64_t>(wanted + cashCushion, funds));
}

Money NormalJudgement::Bid(const SeatView& v) const {
    const int me = v.Seat();
    const GameState& s = v.S();
    const int k = s.SaleCompany;
    if (k < 1 || k > NumCompanies) return 0;
    const Money value = s.CompanyValue[At(k)];
    const Money cash = s.Cash[At(me)];
    const int seller = s.SellingPlayer;
    double worth;
    if (CompaniesOwned(s, me) == WinningCompanies - 1)
        worth = 1.5 * value;  // it would win the game
    else
        worth = bidShare * CompanyWorth(s, me, k);
    // A sale that makes the seller's estate pass the winning line hands him the game.
    if (seller >= 1 && seller <= s.NumOfPlayers)
        worth = std::min<double>(worth, WinningEstate - s.Estate[At(seller)] + value - 10'000);
    if (bidLow && CompaniesOwned(s, me) != WinningCompanies - 1) worth = std::min<double>(worth, value / 2 + 10'000);
    std::int64_t bid = RoundDown(static_cast<std::int64_t>(std::min<double>({worth, 1.5 * value, static_cast<double>(cash) - bidKeep})), 10'000);
    // Worth no more than the bank pays: no bid (an equal bid would be refused).
    if (bid <= value / 2) return 0;
    return static_cast<Money>(bid);
}

int NormalJudgement::CheapestRow(const SeatView& v) const {
    const GameState& s = v.S();
    const PlayerFormControls* w = v.OwnWindow();
    if (!w) return -1;
    int best = -1;
    double bestCost = 1e18;
    for (int row = 0; row < static_cast<int>(w->lstCompanies.size()); ++row) {
        const int k = CompanyInRow(v, row);
        if (k == 0) continue;
        // Parting with a complexed company costs the whole complex's bonus.
        const double cost = s.CompanyValue[At(k)] * (s.CompanyComplexed[At(k)] ? 3.0 : 1.0);
        if (cost < bestCost) {
            bestCost = cost;
            best = row;
        }
    }
    return best;
}

int NormalJudgement::SaleBuyer(const SeatView& v) const {
    const int me = v.Seat();
    const GameState& s = v.S();
    const SellCompaniesControls f = v.Sale();
    const int k = s.SaleCompany;
    if (k < 1 || k > NumCompanies) return -1;
    const Money value = s.CompanyValue[At(k)];
    const bool mustSell = s.WaitingMode && v.Wait().Debtor == me;
    int best = -1;
    std::int64_t bestPrice = -1;
    for (int row = 0; row <= 3; ++row) {
        if (!f.optPlayerVisible[At(row)] || !f.optPlayerEnabled[At(row)]) continue;
        const Money price = MoneyShown(f.txtBid[At(row)]);
        if (row > 0) {
            const int buyer = v.SlotOf(f.optPlayerId[At(row)]);
            if (buyer == 0 || price > s.Cash[At(buyer)]) continue;
            // Never the sale that wins the game for the buyer.
            if (CompaniesOwned(s, buyer) == WinningCompanies - 1) continue;
            if (s.Estate[At(buyer)] + value - price > WinningEstate) continue;
        }
        if (price > bestPrice) {
            bestPrice = price;
            best = row;
        }
    }
    if (!mustSell && bestPrice < value) return -1;
    return best;
}

std::optional<LoanOffer> NormalJudgement::Lend(const SeatView& v, const std::array<bool, MaxPlayers + 1>& shy) const {
    const int me = v.Seat();
    const GameState& s = v.S();
    const Money amount = s.NumOfPlayers == 2 ? lendAmountTwo : lendAmount;
    if (lendAbove <= 0 || s.Cash[At(me)] < std::max(lendAbove, amount) || s.LoanCount >= MaxLoans) return std::nullopt;
    // The cash lent must not be the cash a fee or a tax on the next round
    // calls for: short of it, a company goes to the bank at half its value.
    std::int64_t feeAhead = 0;
    const int from = PositionOf(s, me);
    for (int steps = 1; steps <= 12; ++steps) {
        const CellInfo& info = Cell(CellAhead(from, steps));
        if (info.kind == CellKind::Company) feeAhead = std::max<std::int64_t>(feeAhead, -LandingOnCompany(s, me, info.number));
        if (info.kind == CellKind::Tax) feeAhead = std::max<std::int64_t>(feeAhead, TaxOf(s, me));
    }
    if (std::int64_t{s.Cash[At(me)]} - amount < feeAhead) return std::nullopt;
    // Nor is it lent to the player nearest a winning line: the one whose
    // progress towards five companies or $8,000,000 leads the table alone
    // (nobody is nearest while two share the lead, the lender among them).
    int leader = 0;
    double lead = -1;
    for (int p = 1; p <= s.NumOfPlayers; ++p) {
        const double progress = std::max(static_cast<double>(s.Estate[At(p)]) / WinningEstate,
                                         CompaniesOwned(s, p) / static_cast<double>(WinningCompanies));
        if (progress > lead) {
            lead = progress;
            leader = p;
        } else if (progress == lead) {
            leader = 0;
        }
    }
    // The player with the least money to fall back on, as long as the loan
    // cannot carry him past a winning line.
    int borrower = 0;
    std::int64_t least = 0;
    for (int p = 1; p <= s.NumOfPlayers; ++p) {
        if (p == me || p == leader || shy[At(v.IdOf(p))] || CompaniesOwned(s, p) >= WinningCompanies - 1) continue;
        // One loan to a player at a time.
        bool owing = false;
        for (int l = 1; l <= s.LoanCount; ++l)
            owing = owing || (s.LoanLender[At(l)] == me && s.LoanBorrower[At(l)] == p);
        if (owing && oneLoanEach) continue;
        if (std::int64_t{s.Estate[At(p)]} + amount > WinningEstate - 500'000) continue;
        const std::int64_t reserve = std::int64_t{s.Cash[At(p)]} + s.MoneyInBank[At(p)];
        if (borrower == 0 || reserve < least) {
            borrower = p;
            least = reserve;
        }
    }
    if (borrower == 0) return std::nullopt;
    return LoanOffer{borrower, MillionsText(amount, false), lendTerms};
}

bool NormalJudgement::Borrow(const SeatView& v, int lender, Money amount, int interest, int) const {
    const int me = v.Seat();
    const GameState& s = v.S();
    if (lender < 1 || amount <= 0) return false;
    // Borrowed cash counts in the estate: a loan that lifts it past the
    // winning line wins, and is taken.
    if (std::int64_t{s.Estate[At(me)]} + amount > borrowPast) return true;
    return s.Cash[At(me)] + std::int64_t{s.MoneyInBank[At(me)]} < borrowWhenBelow && interest <= borrowInterest;
}

namespace {

class NormalStrategy : public Strategy {
public:
    NormalStrategy() = default;
    explicit NormalStrategy(const NormalJudgement& weights) : j(weights) {}
    int Buy(const SeatView& v) override { return j.Buy(v); }
    std::string Deposit(const SeatView& v) override { return j.Deposit(v); }
    std::array<bool, 6> Insure(const SeatView& v) override { return j.Insure(v); }
    int MoveAnywhere(const SeatView& v) override { return j.MoveAnywhere(v); }
    Money CashWanted(const SeatView& v) override { return j.CashWanted(v); }
    Money Bid(const SeatView& v) override { return j.Bid(v); }
    int SaleRow(const SeatView& v) override { return j.CheapestRow(v); }
    int SaleBuyer(const SeatView& v) override { return j.SaleBuyer(v); }
    int DebtSaleRow(const SeatView& v) override { return j.CheapestRow(v); }
    std::optional<LoanOffer> Lend(const SeatView& v) override {
        const int me = v.Seat();
        const GameState& s = v.S();
        // An offer now and then, not one at every move; and a player who
        // said no is not asked again for a while.
        if (lastOffer_ >= 0 && s.Moves - lastOffer_ < j.lendEvery) return std::nullopt;
        if (lastOffer_ >= 0 && !refusedFrom_[At(lastBorrower_)] && lastBorrower_ != 0) {
            bool taken = false;
            for (int l = 1; l <= s.LoanCount; ++l)
                taken = taken || (s.LoanLender[At(l)] == me && v.IdOf(s.LoanBorrower[At(l)]) == lastBorrower_ &&
                                  s.LoanDueMove[At(l)] == lastOffer_ + lastDuration_);
            if (!taken) refusedFrom_[At(lastBorrower_)] = s.Moves + j.askAgainAfter;
            lastBorrower_ = 0;
        }
        std::array<bool, MaxPlayers + 1> shy{};
        for (int id = 1; id <= MaxPlayers; ++id) shy[At(id)] = refusedFrom_[At(id)] > s.Moves;
        std::optional<LoanOffer> offer = j.Lend(v, shy);
        if (offer) {
            lastOffer_ = s.Moves;
            lastBorrower_ = v.IdOf(offer->borrower);
            lastDuration_ = (11 - offer->terms) * 10;
        }
        return offer;
    }
    bool Borrow(const SeatView& v, int lender, Money amount, int interest, int duration) override {
        return j.Borrow(v, lender, amount, interest, duration);
    }

private:
    NormalJudgement j;
    int lastOffer_ = -1;       // the move of the last loan offered
    int lastBorrower_ = 0;     // to whom (PlayerId), until it is known whether he took it
    int lastDuration_ = 0;
    std::array<int, MaxPlayers + 1> refusedFrom_{};  // by PlayerId: not asked before this move
};

}  // namespace

std::unique_ptr<Strategy> MakeNormal() { return std::make_unique<NormalStrategy>(); }
std::unique_ptr<Strategy> MakeNormal(const NormalJudgement& weights) { return std::make_unique<NormalStrategy>(weights); }

}  // namespace zx::ai
