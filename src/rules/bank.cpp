// Bank cells pay interest and take deposits; Tax cells charge the tax.

#include <algorithm>
#include <cstdint>
#include <limits>

#include "rules/game.h"
#include "rules/text.h"
#include "rules/money.h"

namespace zx {

namespace {

// amount / divisor rounded to whole dollars, halves to even, in exact
// integer arithmetic (a double would misjudge ties such as $99,995 / 10).
std::int64_t DivideHalfEven(std::int64_t amount, std::int64_t divisor) {
    std::int64_t q = amount / divisor;
    std::int64_t r = amount % divisor;
    if (2 * r > divisor || (2 * r == divisor && q % 2 != 0)) ++q;
    return q;
}

}  // namespace

void Game::Bank() {
    const int cp = S.CurrentPlayer;
    if (cp < 1 || cp > S.NumOfPlayers) return;
    const auto p = static_cast<std::size_t>(cp);

    if (S.Cash[p] <= 0) {
        if (Narrating()) S.PromptText = IsFemale(S, cp)
                               ? Say(ZX_TEXT("Bank", "%1 can't deposit any money in her bank account!"), {Name(cp)})
                               : Say(ZX_TEXT("Bank", "%1 can't deposit any money in his bank account!"), {Name(cp)});
        ShowPrompts();
        return;
    }

    if (S.MoneyInBank[p] < 1) {
        if (Narrating()) {
            S.PromptText = Say(ZX_TEXT("Bank", "%1 is in deposit mode!"), {Name(cp)});
            S.HintText =
                Say(ZX_TEXT("Bank", "Enter the amount of money to deposit (in million dollars) in the white box at "
                                            "the right of your personal window and click Deposit, or press Esc to refuse."));
        }
    } else {
        std::int64_t balance = S.MoneyInBank[p];
        std::int64_t interest = 10'000 * (DivideHalfEven(balance, 10) / 10'000);
        // The account cannot grow past the money range; the bank pays what fits.
        interest = std::min<std::int64_t>(interest, MaxMoney - balance);
        S.BankInterest = static_cast<Money>(interest);
        S.MoneyInBank[p] += S.BankInterest;
        if (Narrating()) {
            S.HintText = Say(ZX_TEXT("Bank", "Every time you land on a Bank cell, you get 10% of your bank balance as interest.  "));
            S.PromptText = Say(ZX_TEXT("Bank", "%1 recieved %2 interest and is in deposit mode!"),
                               {Name(cp), FormatMoney(S.BankInterest)});
        }
    }

    DisableRollDice();
    S.DepositMode = true;
    PlayerForm& w = PlayerWindow(cp);
    ui.focus(FocusId::DeskAmount, cp);
    w.cmdDepositEnabled = true;
    w.DefaultButton = DeskButton::Deposit;
    w.CancelButton = DeskButton::Deposit;
    UpdateDisplay();
    StartReactionTimer(10);
}

void Game::CalculateTotalTax() {
    const int cp = S.CurrentPlayer;
    std::int64_t total = 0;
    for (int k = 1; k <= NumCompanies; ++k) {
        const auto i = static_cast<std::size_t>(k);
        if (cp != 0 && S.CompanyOwner[i] == cp) total += S.CompanyTax[i];
    }
    if (cp >= 1 && cp <= MaxPlayers && S.HalfTaxBonus[static_cast<std::size_t>(cp)]) {
        total = DivideHalfEven(total, 2);
        S.HalfTaxBonus[static_cast<std::size_t>(cp)] = false;  // used up even on a bill of $0
    }
    // A bill beyond the money range could never be paid either way.
    S.TotalTax = CapMoney(total);
}

void Game::Tax() {
    const int cp = S.CurrentPlayer;
    if (cp < 1 || cp > S.NumOfPlayers) return;
    const auto p = static_cast<std::size_t>(cp);

    // A bill that is being waited for is charged as it was first worked
    // out, even if the player has sold companies in the meantime.
    if (!S.TaxDebtPending) CalculateTotalTax();

    if (S.TotalTax < 1) {
        if (Narrating()) S.PromptText = Say(ZX_TEXT("Bank", "%1 doesn't have any companies to pay tax on!"), {Name(cp)});
        ShowPrompts();
        return;
    }

    if (HasEnoughMoney(S, cp, S.TotalTax)) {
        S.TaxDebtPending = false;
        S.Cash[p] -= S.TotalTax;
        if (Narrating()) {
            S.PromptText = IsFemale(S, cp) ? Say(ZX_TEXT("Bank", "%1 paid %2 tax for her companies!"),
                                                 {Name(cp), FormatMoney(S.TotalTax)})
                                           : Say(ZX_TEXT("Bank", "%1 paid %2 tax for his companies!"),
                                                 {Name(cp), FormatMoney(S.TotalTax)});
            S.HintText = Say(ZX_TEXT("Bank", "Every time you land on a Tax cell, you must pay the tax of all your companies."));
        }
        UpdateDisplay();
        return;
    }

    PlayWaitSound();
    MsgBoxFor(cp, Say(ZX_TEXT("Bank", "You do not have enough money to pay the tax of your companies!")) + S.MsgMustWithdraw, "You must pay now!",
           MsgIcon::Critical, MsgButtons::Ok);
    S.TaxDebtPending = true;
    S.WaitingMessage =
        IsFemale(S, cp)
            ? Say(ZX_TEXT("Bank", "Waiting for %1 to pay %2 for the tax of her companies..."), {Name(cp), FormatMoney(S.TotalTax)})
            : Say(ZX_TEXT("Bank", "Waiting for %1 to pay %2 for the tax of his companies..."), {Name(cp), FormatMoney(S.TotalTax)});
    Wait.Debtor = cp;
    Wait.Show();
}

}  // namespace zx
