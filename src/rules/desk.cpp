// The personal window: deposits, withdrawals, insurance, and its doors to
// selling, lending and quitting.

#include <algorithm>
#include <cstdint>
#include <limits>

#include "rules/game.h"
#include "rules/money.h"
#include "rules/text.h"

namespace zx {

namespace {

constexpr std::size_t BankNumLimit = 4;

const SourceText WithdrawHint =
    ZX_TEXT("Hint", "Enter the amount of money to be withdrawn in million dollars and click Withdraw.");

}  // namespace

int PlayerForm::Owner() const { return g.SlotOf(OwnerId); }

// ---- the amount box ----

void PlayerForm::vscBankNum_Change(int value) {
    vscBankNum = std::clamp(value, -90, 9);
    SetBankNum(ScrollBarMillions(vscBankNum));
}

void PlayerForm::txtBankNum_Typed(const std::string& text) { SetBankNum(FirstCharacters(text, BankNumLimit)); }

void PlayerForm::SetBankNum(const std::string& text) {
    std::string limited = FirstCharacters(text, BankNumLimit);
    if (limited == txtBankNum) return;  // same text: the box does not change
    txtBankNum = limited;
    txtBankNum_Change();
}

void PlayerForm::txtBankNum_Change() {
    if (g.S.DepositMode) return;
    // A disabled Withdraw (buying, insuring) must not steal Enter from the
    // button that is live.
    if (cmdWithdrawEnabled) DefaultButton = DeskButton::Withdraw;
    if (!g.Narrating()) return;
    g.S.HintText = Say(WithdrawHint);
    g.ShowPrompts();
}

// ---- deposit ----

void PlayerForm::cmdDeposit_Click() {
    GameState& s = g.S;
    if (!cmdDepositEnabled || !s.DepositMode) return;
    const int cp = s.CurrentPlayer;
    if (cp < 1 || cp > s.NumOfPlayers) return;
    const auto p = static_cast<std::size_t>(cp);

    g.PlayNegativeSound();
    double v = LeadingNumber(txtBankNum);
    if (v < 0) {
        g.MsgBoxFor(cp, Say(ZX_TEXT("Message", "Please enter a positive number!")), "Bad number", MsgIcon::Exclamation);
        SetBankNum("");
        return;
    }
    // Compared before rounding: 1.04 would round to 1 but is still too much.
    if (v > 1) {
        g.MsgBoxFor(cp, Say(ZX_TEXT("Message", "You can't deposit more than $1,000,000 at a time!")), "Sorry!", MsgIcon::Exclamation);
        SetBankNum("");
        return;
    }
    s.DepositAmount = MillionsToDollars(v, 1).value_or(0);

    if (!HasEnoughMoney(s, cp, s.DepositAmount)) {
        g.MsgBoxFor(cp, Say(ZX_TEXT("Message", "You don't have enough money to deposit %1!"), {FormatMoney(s.DepositAmount)}), "Sorry!",
                 MsgIcon::Exclamation);
        SetBankNum("");
        lblMoneyInBank = FormatMoney(s.MoneyInBank[p]);
        return;
    }
    // A text that sorts before "0" (".5", " 1") counts as no answer at all,
    // so Esc on an empty box is a plain refusal.
    const bool answered = !txtBankNum.empty() && txtBankNum > "0";
    if (answered && static_cast<std::int64_t>(s.MoneyInBank[p]) + s.DepositAmount > MaxMoney) {
        g.MsgBoxFor(cp, Say(ZX_TEXT("Message", "Your bank account can't hold more than %1!"), {FormatMoney(MaxMoney)}), "Sorry!",
                 MsgIcon::Exclamation);
        SetBankNum("");
        lblMoneyInBank = FormatMoney(s.MoneyInBank[p]);
        return;
    }

    if (answered) {
        s.Cash[p] -= s.DepositAmount;
        s.MoneyInBank[p] += s.DepositAmount;
        if (g.Narrating()) {
            s.PromptText = Say(ZX_TEXT("Prompt", "%1 deposited %2!"), {g.Name(cp), FormatMoney(s.DepositAmount)});
            s.HintText =
                Say(ZX_TEXT("Hint", "To take money out of your bank account, enter a number in the white box at the "
                                    "right of your personal window and click Withdraw."));
        }
    } else if (g.Narrating()) {
        s.PromptText = Say(ZX_TEXT("Prompt", "%1 refused to deposit any money!"), {g.Name(cp)});
    }

    EndDeposit();
    g.ui.focus(FocusId::MainWindow, 0);
    g.UpdateDisplay();
    lblMoneyInBank = FormatMoney(s.MoneyInBank[p]);
}

void PlayerForm::EndDeposit() {
    g.StopReactionTimer();
    if (DefaultButton == DeskButton::Deposit) DefaultButton = DeskButton::None;
    if (CancelButton == DeskButton::Deposit) CancelButton = DeskButton::None;
    cmdDepositEnabled = false;
    SetBankNum("");  // still in deposit mode here, so the withdrawal hint stays away
    g.S.DepositMode = false;
}

// ---- withdrawal ----

void PlayerForm::cmdWithdraw_Click() {
    GameState& s = g.S;
    if (!cmdWithdrawEnabled) return;

    double v = LeadingNumber(txtBankNum);
    if (v < 0) {
        g.MsgBoxFor(Owner(), Say(ZX_TEXT("Message", "Please enter a positive integer!")), "Bad number", MsgIcon::Exclamation);
        SetBankNum("");
        return;
    }
    if (txtBankNum.empty() || txtBankNum == "0") {
        SetBankNum("");
        return;
    }
    const int owner = Owner();
    if (owner == 0) {  // a window left over from a player who is gone
        SetBankNum("");
        return;
    }
    const auto p = static_cast<std::size_t>(owner);

    std::optional<Money> amount = MillionsToDollars(v, 2);
    std::int64_t asked = 0;
    if (amount) {
        asked = *amount;
    } else {
        // Past the money range no balance can cover it, so it is simply more
        // than what is in the bank. Only exponent forms such as "9e99" get
        // beyond any sum worth naming.
        double dollars = MillionsToWholeDollars(v, 2);
        if (!(dollars < 9.0e18)) {
            g.MsgBoxFor(Owner(), Say(ZX_TEXT("Message", "Please enter a smaller number!")), "Bad number", MsgIcon::Exclamation);
            SetBankNum("");
            return;
        }
        asked = static_cast<std::int64_t>(dollars);
    }
    s.WithdrawPlayer = owner;

    if (!amount || *amount > s.MoneyInBank[p]) {
        if (amount) s.WithdrawAmount = *amount;
        g.MsgBoxFor(Owner(), Say(ZX_TEXT("Message", "You don't have %1 money in the bank!"), {FormatMoney(asked)}), "Sorry!", MsgIcon::Exclamation);
    } else if (!FitsMoney(static_cast<std::int64_t>(s.Cash[p]) + *amount)) {
        s.WithdrawAmount = *amount;
        g.MsgBoxFor(Owner(), Say(ZX_TEXT("Message", "You can't hold more than %1 in cash!"), {FormatMoney(MaxMoney)}), "Sorry!",
                 MsgIcon::Exclamation);
    } else {
        s.WithdrawAmount = *amount;
        s.Cash[p] += s.WithdrawAmount;
        s.MoneyInBank[p] -= s.WithdrawAmount;
        g.SetPromptColor(owner);
        if (g.Narrating()) s.PromptText = Say(ZX_TEXT("Prompt", "%1 withdrew %2 from the bank!"), {g.Name(owner), FormatMoney(s.WithdrawAmount)});
    }

    SetBankNum("");
    if (DefaultButton == DeskButton::Withdraw) DefaultButton = DeskButton::None;
    g.ui.focus(FocusId::MainWindow, 0);
    g.UpdateDisplay();
}

// ---- insurance ----

void PlayerForm::chkInsurance_Click(int i) {
    if (i < 1 || i > 5 || !fraInsuranceEnabled) return;
    auto box = static_cast<std::size_t>(i);
    if (!chkInsuranceEnabled[box] || static_cast<std::size_t>(i) > lstCompanies.size()) return;
    if (chkInsurance[box] == CheckState::Unchecked)
        chkInsurance[box] = CheckState::Checked;
    else if (chkInsurance[box] == CheckState::Checked)
        chkInsurance[box] = CheckState::Unchecked;
    g.ui.refresh();
}

void PlayerForm::cmdOK_Click() {
    GameState& s = g.S;
    if (!fraInsuranceEnabled || !s.InsuranceMode) return;
    const int cp = s.CurrentPlayer;
    if (cp < 1 || cp > s.NumOfPlayers) return;
    const auto p = static_cast<std::size_t>(cp);

    g.PlayNegativeSound();
    s.InsuranceMode = false;
    g.CalculateInsuranceCost();

    if (s.InsuranceCost < 1) {
        s.PromptText = Say(ZX_TEXT("Prompt", "%1 refused to insure any companies!"), {g.Name(cp)});
        s.HintText = Say(ZX_TEXT("Hint", "Refusing to insure those companies was a big mistake, unless you didn't have enough money to do so."));
        g.ShowPrompts();
    } else if (s.FreeInsuranceBonus[p]) {
        // The bonus pays for every ticked company, whatever the total.
        g.PlayPositiveSound();
        s.FreeInsuranceBonus[p] = false;
        s.PromptText = IsFemale(s, cp) ? Say(ZX_TEXT("Prompt", "%1 insured her companies for free!"), {g.Name(cp)})
                                       : Say(ZX_TEXT("Prompt", "%1 insured his companies for free!"), {g.Name(cp)});
        s.HintText = Say(ZX_TEXT("Hint", "%1 had recieved a free insurance bonus from the Computer before."), {g.Name(cp)});
        g.InsureCompanies();
        g.UpdateDisplay();
    } else if (!HasEnoughMoney(s, cp, s.InsuranceCost)) {
        // The frame stays live: he may sell, borrow, or tick fewer boxes.
        s.InsuranceMode = true;
        g.MsgBoxFor(cp, Say(ZX_TEXT("Message", "You don't have %1 money to pay for the insurance of your companies!"),
                            {FormatMoney(s.InsuranceCost)}) + s.MsgCanBorrow,
                 "Sorry!", MsgIcon::Exclamation);
        return;
    } else {
        s.Cash[p] -= s.InsuranceCost;
        g.InsureCompanies();
        s.PromptText = Say(ZX_TEXT("Prompt", "%1 paid %2 for insurance!"), {g.Name(cp), FormatMoney(s.InsuranceCost)});
        s.HintText = Say(ZX_TEXT("Hint", "Excellent!  Insuring your companies is always a safe decision."));
        g.UpdateDisplay();
    }

    EndInsurance();
    g.ui.focus(FocusId::MainWindow, 0);
    g.UpdateDisplay();
}

void PlayerForm::EndInsurance() {
    g.StopReactionTimer();
    g.S.InsuranceMode = false;
    cmdWithdrawEnabled = true;
    if (DefaultButton == DeskButton::OK) DefaultButton = DeskButton::None;
    if (CancelButton == DeskButton::OK) CancelButton = DeskButton::None;
    fraInsuranceEnabled = false;
}

int Game::FindCompanyNumber(int player, int row) {
    PlayerForm* w = PlayerWindowIfLoaded(player);
    if (!w || row < 0 || static_cast<std::size_t>(row) >= w->lstCompanies.size()) return 0;
    return CompanyNumberNamed(S, w->lstCompanies[static_cast<std::size_t>(row)]);
}

void Game::CalculateInsuranceCost() {
    std::int64_t cost = 0;
    const int cp = S.CurrentPlayer;
    if (PlayerForm* w = PlayerWindowIfLoaded(cp)) {
        std::size_t rows = std::min<std::size_t>(w->lstCompanies.size(), 5);
        for (std::size_t i = 1; i <= rows; ++i) {
            if (w->chkInsurance[i] != CheckState::Checked) continue;
            int k = FindCompanyNumber(cp, static_cast<int>(i) - 1);
            if (k != 0) cost += S.InsurancePrice[static_cast<std::size_t>(k)];
        }
    }
    // Nobody's cash can reach a premium beyond the money range, so capping
    // it still leaves the bill unpayable.
    S.InsuranceCost = CapMoney(cost);
}

void Game::InsureCompanies() {
    const int cp = S.CurrentPlayer;
    PlayerForm* w = PlayerWindowIfLoaded(cp);
    if (!w) return;
    std::size_t rows = std::min<std::size_t>(w->lstCompanies.size(), 5);
    for (std::size_t i = 1; i <= rows; ++i) {
        if (w->chkInsurance[i] != CheckState::Checked) continue;
        int k = FindCompanyNumber(cp, static_cast<int>(i) - 1);
        if (k != 0) S.CompanyInsured[static_cast<std::size_t>(k)] = true;
    }
}

// ---- the doors: selling, lending, quitting ----

void PlayerForm::cmdSellCompanies_Click() {
    if (lstCompanies.empty()) {
        g.MsgBoxFor(Owner(), Say(ZX_TEXT("Message", "You don't have any companies!")), "No companies", MsgIcon::Exclamation);
        return;
    }
    g.PlayPositiveSound();
    g.S.SellingPlayer = Owner();
    g.SellForm.Form_Load();
    g.ui.showWindow(WindowId::SellCompanies, 0, true);
}

void PlayerForm::cmdLoan_Click() {
    GameState& s = g.S;
    if (s.WaitingMode) {
        g.MsgBoxFor(Owner(), Say(ZX_TEXT("Message", "You can't lend money in waiting mode!")), "Illegal Loan", MsgIcon::Exclamation);
        return;
    }
    if (s.LoanCount >= MaxLoans) {
        g.MsgBoxFor(Owner(), Say(ZX_TEXT("Message", "There can't be more than 5 loans scheduled at a time!")), "Illegal Loan", MsgIcon::Exclamation);
        return;
    }
    g.PlayPositiveSound();
    g.Draft.Take(s, Owner());
    g.LoanDialog.Form_Load();
    g.ui.showWindow(WindowId::Loan, 0, true);
}

void PlayerForm::cmdQuitGame_Click() {
    int owner = Owner();
    if (owner != 0) g.Lose(owner);
}

bool PlayerForm::Form_QueryUnload(bool byUser) {
    if (!byUser) return false;
    g.S.HintText = Say(ZX_TEXT("Hint", "To quit the game voluntarily, click Quit Game in your personal window."));
    g.ShowPrompts();
    return true;
}

void PlayerForm::lstCompanies_Click(int) {
    // The list only shows what the player owns; a row must never stay
    // selected. Taking the selection away raises a click of its own, which
    // must do nothing but lower the guard.
    if (g.S.ListClickGuard) {
        g.S.ListClickGuard = false;
        return;
    }
    g.S.ListClickGuard = true;
    lstCompanies_Click(-1);
    g.ui.refresh();
}

}  // namespace zx
