// The easy computer player: legal, naive play. Wherever it must choose it
// picks at random among the choices that make sense at all (a company it
// can pay for, an amount it has, a bid the rules accept), with no plan
// behind it.

#include <algorithm>

#include "ai/board_sense.h"
#include "ai/strategy.h"

namespace zx::ai {

namespace {

std::size_t At(int i) { return static_cast<std::size_t>(i); }

class EasyStrategy : public Strategy {
public:
    explicit EasyStrategy(PlayerRandom& rng) : rng_(rng) {}

    int Buy(const Game& g, int me) override {
        std::vector<int> rows;
        for (int row = 1; row <= 3; ++row) {
            const int k = 3 * (g.S.BuyZoneNumber - 1) + row;
            if (g.BuyForm.optNameEnabled[At(row)] && g.S.CompanyValue[At(k)] <= g.S.Cash[At(me)]) rows.push_back(row);
        }
        // Refusing is one choice among the others.
        const std::size_t choice = Pick(rows.size() + 1);
        return choice < rows.size() ? rows[choice] : 0;
    }

    std::string Deposit(const Game& g, int me) override {
        // Nothing, or any whole tenth of a million up to the limit it has.
        const int tenths = static_cast<int>(std::min<Money>(g.S.Cash[At(me)], 1'000'000) / 100'000);
        const int choice = static_cast<int>(Pick(static_cast<std::size_t>(tenths) + 1));
        if (choice == 0) return "";
        return choice == 10 ? "1" : "0." + std::to_string(choice);
    }

    std::array<bool, 6> Insure(const Game& g, int me) override {
        std::array<bool, 6> boxes{};
        const PlayerForm* w = const_cast<Game&>(g).PlayerWindowIfLoaded(me);
        if (!w) return boxes;
        for (int row = 1; row <= 5; ++row) boxes[At(row)] = w->chkInsuranceEnabled[At(row)] && Chance(50);
        return boxes;
    }

    int MoveAnywhere(const Game&, int) override { return 1 + static_cast<int>(Pick(NumCells)); }

    Money CashWanted(const Game&, int) override { return 0; }

    Money Bid(const Game& g, int me) override {
        const int k = g.S.SaleCompany;
        if (k < 1 || k > NumCompanies || Chance(50)) return 0;
        const Money v = g.S.CompanyValue[At(k)];
        const std::int64_t low = v / 2 / 10'000 * 10'000 + 10'000;
        const std::int64_t high = std::min<std::int64_t>(v * 3 / 2, g.S.Cash[At(me)]) / 10'000 * 10'000;
        if (high < low) return 0;
        return static_cast<Money>(low + 10'000 * static_cast<std::int64_t>(Pick((high - low) / 10'000 + 1)));
    }

    int SaleRow(const Game& g, int me) override { return RandomRow(g, me); }

    int SaleBuyer(const Game& g, int) override {
        std::vector<int> rows;
        for (int row = 0; row <= 3; ++row)
            if (g.SellForm.optPlayerVisible[At(row)] && g.SellForm.optPlayerEnabled[At(row)]) rows.push_back(row);
        if (rows.empty()) return -1;
        return rows[Pick(rows.size())];
    }

    int DebtSaleRow(const Game& g, int me) override { return RandomRow(g, me); }

    std::optional<LoanOffer> Lend(const Game& g, int me) override {
        if (!Chance(3) || g.S.NumOfPlayers < 2) return std::nullopt;
        int borrower = 1 + static_cast<int>(Pick(static_cast<std::size_t>(g.S.NumOfPlayers)));
        if (borrower == me) return std::nullopt;
        static const char* const amounts[] = {"0.5", "1", "1.5"};
        const char* amount = amounts[Pick(3)];
        if (LeadingNumber(amount) * 1'000'000 > g.S.Cash[At(me)]) return std::nullopt;
        return LoanOffer{borrower, amount, 1 + static_cast<int>(Pick(10))};
    }

    bool Borrow(const Game&, int, int, Money, int, int) override { return Chance(50); }

private:
    std::size_t Pick(std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(rng_); }
    bool Chance(int percent) { return static_cast<int>(Pick(100)) < percent; }
    int RandomRow(const Game& g, int me) {
        const PlayerForm* w = const_cast<Game&>(g).PlayerWindowIfLoaded(me);
        if (!w || w->lstCompanies.empty()) return -1;
        return static_cast<int>(Pick(w->lstCompanies.size()));
    }

    PlayerRandom& rng_;
};

}  // namespace

std::unique_ptr<Strategy> MakeEasy(PlayerRandom& rng) { return std::make_unique<EasyStrategy>(rng); }

}  // namespace zx::ai
