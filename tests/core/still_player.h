#pragma once
// A computer player for tests that does nothing of its own accord: it
// refuses every offer, types nothing, sells nothing, lends nothing and
// refuses every loan. Tests override the choices they script.

#include "ai/strategy.h"

namespace zx::test {

class StillPlayer : public ai::Strategy {
public:
    int Buy(const SeatView&) override { return 0; }
    std::string Deposit(const SeatView&) override { return {}; }
    std::array<bool, 6> Insure(const SeatView&) override { return {}; }
    int MoveAnywhere(const SeatView&) override { return 0; }
    Money CashWanted(const SeatView&) override { return 0; }
    Money Bid(const SeatView&) override { return 0; }
    int SaleRow(const SeatView&) override { return -1; }
    int SaleBuyer(const SeatView&) override { return -1; }
    int DebtSaleRow(const SeatView&) override { return -1; }
    std::optional<ai::LoanOffer> Lend(const SeatView&) override { return std::nullopt; }
    bool Borrow(const SeatView&, int, Money, int, int) override { return false; }
};

}  // namespace zx::test
