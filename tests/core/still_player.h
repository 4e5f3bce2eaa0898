#pragma once
// A computer player for tests that does nothing of its own accord: it
// refuses every offer, types nothing, sells nothing, lends nothing and
// refuses every loan. Tests override the choices they script.

#include "ai/strategy.h"

namespace zx::test {

class StillPlayer : public ai::Strategy {
public:
    int Buy(const Game&, int) override { return 0; }
    std::string Deposit(const Game&, int) override { return {}; }
    std::array<bool, 6> Insure(const Game&, int) override { return {}; }
    int MoveAnywhere(const Game&, int) override { return 0; }
    Money CashWanted(const Game&, int) override { return 0; }
    Money Bid(const Game&, int) override { return 0; }
    int SaleRow(const Game&, int) override { return -1; }
    int SaleBuyer(const Game&, int) override { return -1; }
    int DebtSaleRow(const Game&, int) override { return -1; }
    std::optional<ai::LoanOffer> Lend(const Game&, int) override { return std::nullopt; }
    bool Borrow(const Game&, int, int, Money, int, int) override { return false; }
};

}  // namespace zx::test
