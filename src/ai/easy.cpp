// The easy computer player: legal, naive play. Wherever it must choose it
// picks at random among the choices that make sense at all (a company it
// can pay for, an amount it has, a bid the rules accept), with no plan
// behind it.

#include <algorithm>

#include "ai/board_sense.h"
#include "ai/strategy.h"

namespace zx::ai {

namespace {

class EasyStrategy : public Strategy {
public:
    explicit EasyStrategy(PlayerRandom& rng) : rng_(rng) {}

    int Buy(const SeatView& v) override {
        const int me = v.Seat();
        std::vector<int> rows;
        for (int row = 1; row <= 3; ++row) {
            const int k = 3 * (v.S().BuyZoneNumber - 1) + row;
            if (v.Buy().optNameEnabled[At(row)] && v.S().CompanyValue[At(k)] <= v.S().Cash[At(me)]) rows.push_back(row);
        }
        // Refusing is one choice among the others.
        const std::size_t choice = Pick(rows.size() + 1);
        return choice < rows.size() ? rows[choice] : 0;
    }

    std::string Deposit(const SeatView& v) override {
        const int me = v.Seat();
        // Nothing, or any whole tenth of a million up to the limit it has.
        const int tenths = static_cast<int>(std::min<Money>(v.S().Cash[At(me)], 1'000'000) / 100'000);
        const int choice = static_cast<int>(Pick(static_cast<std::size_t>(tenths) + 1));
        if (choice == 0) return "";
        return choice == 10 ? "1" : "0." + std::to_string(choice);
    }

    std::array<bool, 6> Insure(const SeatView& v) override {
        std::array<bool, 6> boxes{};
        const PlayerFormControls* w = v.OwnWindow();
        if (!w) return boxes;
        for (int row = 1; row <= 5; ++row) boxes[At(row)] = w->chkInsuranceEnabled[At(row)] && Chance(50);
        return boxes;
    }

    int MoveAnywhere(const SeatView&) override { return 1 + static_cast<int>(Pick(NumCells)); }

    Money CashWanted(const SeatView&) override { return 0; }

    Money Bid(const SeatView& v) override {
        const int me = v.Seat();
        const int k = v.S().SaleCompany;
        if (k < 1 || k > NumCompanies || Chance(50)) return 0;
        const Money value = v.S().CompanyValue[At(k)];
        const std::int64_t low = value / 2 / 10'000 * 10'000 + 10'000;
        const std::int64_t high = std::min<std::int64_t>(value * 3 / 2, v.S().Cash[At(me)]) / 10'000 * 10'000;
        if (high < low) return 0;
        return static_cast<Money>(low + 10'000 * static_cast<std::int64_t>(Pick((high - low) / 10'000 + 1)));
    }

    int SaleRow(const SeatView& v) override { return RandomRow(v); }

    int SaleBuyer(const SeatView& v) override {
        std::vector<int> rows;
        for (int row = 0; row <= 3; ++row)
            if (v.Sale().optPlayerVisible[At(row)] && v.Sale().optPlayerEnabled[At(row)]) rows.push_back(row);
        if (rows.empty()) return -1;
        return rows[Pick(rows.size())];
    }

    int DebtSaleRow(const SeatView& v) override { return RandomRow(v); }

    std::optional<LoanOffer> Lend(const SeatView& v) override {
        const int me = v.Seat();
        if (!Chance(3) || v.S().NumOfPlayers < 2) return std::nullopt;
        int borrower = 1 + static_cast<int>(Pick(static_cast<std::size_t>(v.S().NumOfPlayers)));
        if (borrower == me) return std::nullopt;
        static const char* const amounts[] = {"0.5", "1", "1.5"};
        const char* amount = amounts[Pick(3)];
        if (LeadingNumber(amount) * 1'000'000 > v.S().Cash[At(me)]) return std::nullopt;
        return LoanOffer{borrower, amount, 1 + static_cast<int>(Pick(10))};
    }

    bool Borrow(const SeatView&, int, Money, int, int) override { return Chance(50); }

private:
    std::size_t Pick(std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(rng_); }
    bool Chance(int percent) { return static_cast<int>(Pick(100)) < percent; }
    int RandomRow(const SeatView& v) {
        const PlayerFormControls* w = v.OwnWindow();
        if (!w || w->lstCompanies.empty()) return -1;
        return static_cast<int>(Pick(w->lstCompanies.size()));
    }

    PlayerRandom& rng_;
};

}  // namespace

std::unique_ptr<Strategy> MakeEasy(PlayerRandom& rng) { return std::make_unique<EasyStrategy>(rng); }

}  // namespace zx::ai
