// Loans between players: the "Lend money" window and the schedule.

#include <algorithm>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "rules/game.h"
#include "rules/money.h"
#include "rules/text.h"

namespace zx {

namespace {

constexpr std::size_t LoanNumLimit = 4;

// amount x (100 + interest) / 100 to the nearest dollar, halves to even,
// worked out in whole numbers so no binary fraction can tip a tie.
std::int64_t Repayment(std::int64_t amount, int interest) {
    std::int64_t hundredths = amount * (100 + interest);
    std::int64_t whole = hundredths / 100;
    std::int64_t rest = hundredths % 100;
    if (rest > 50 || (rest == 50 && whole % 2 != 0)) ++whole;
    return whole;
}

// One option per player in the game, captioned with his name; the lender's
// own is disabled and the first other player is selected.
void RefreshOptions(LoanForm& f, const GameState& s, int slot) {
    const int lender = (slot >= 1 && slot <= MaxLoans) ? s.LoanLender[static_cast<std::size_t>(slot)] : 0;
    for (int i = 1; i <= MaxPlayers; ++i) {
        auto ix = static_cast<std::size_t>(i);
        bool present = i <= s.NumOfPlayers;
        f.optPlayerVisible[ix] = present;
        f.optPlayerCaption[ix] = present ? s.PlayerName[ix] : "";
        f.optPlayerId[ix] = present ? s.PlayerId[ix] : 0;
        f.optPlayerEnabled[ix] = present && i != lender;
        f.optPlayerValue[ix] = false;
    }
    for (int i = 1; i <= s.NumOfPlayers; ++i) {
        if (f.optPlayerEnabled[static_cast<std::size_t>(i)]) {
            f.optPlayerValue[static_cast<std::size_t>(i)] = true;
            break;
        }
    }
}

}  // namespace

// ---- the "Lend money" window ----

void LoanForm::Form_Load() {
    GameState& s = g.S;
    Loaded = true;
    refusedBy = 0;
    RefreshOptions(*this, s, g.Draft.Slot());

    txtLoanNum.clear();
    vscLoanNum = 0;
    VScroll_Change(10);

    s.HintText =
        Say(ZX_TEXT("Hint", "Choose who you're lending to, enter the amount of loan in the white box, select loan "
                            "interest and duration using the scrollbar (they have a direct relation) and click Loan, "
                            "or click Cancel to refuse."));
    g.ShowPrompts();
}

void LoanForm::optPlayer_Click(int i) {
    if (i < 1 || i > MaxPlayers) return;
    auto ix = static_cast<std::size_t>(i);
    if (!optPlayerVisible[ix] || !optPlayerEnabled[ix]) return;
    for (std::size_t j = 0; j < optPlayerValue.size(); ++j) optPlayerValue[j] = j == ix;
    g.ui.refresh();
}

void LoanForm::txtLoanNum_Typed(const std::string& text) { txtLoanNum = FirstCharacters(text, LoanNumLimit); }

void LoanForm::vscLoanNum_Change(int value) {
    vscLoanNum = std::clamp(value, -90, 9);
    txtLoanNum = ScrollBarMillions(vscLoanNum);
    g.ui.refresh();
}

void LoanForm::VScroll_Change(int setting) {
    VScroll = std::clamp(setting, 1, 10);
    g.S.LoanInterest = (11 - VScroll) * 10;
    g.S.LoanDuration = g.S.LoanInterest;
    lblInterest = Say(ZX_TEXT("Loan", "%1 %"), {std::to_string(g.S.LoanInterest)});
    lblDuration = Say(ZX_TEXT("Loan", "%1 Moves"), {std::to_string(g.S.LoanDuration)});
    g.ui.refresh();
}

void LoanForm::cmdLoan_Click() {
    GameState& s = g.S;
    const int slot = g.Draft.Slot();
    if (!Loaded || slot < 1 || slot > s.LoanCount) return;
    const auto us = static_cast<std::size_t>(slot);
    const int lender = s.LoanLender[us];

    auto refuse = [&](const std::string& text) {
        g.MsgBoxFor(lender, text, "Bad number", MsgIcon::Exclamation);
        txtLoanNum.clear();
        g.ui.focus(FocusId::LoanAmount, 0);
        g.ui.refresh();
    };
    const std::string tooBig = Say(ZX_TEXT("Message", "Please enter a smaller amount!"));

    const double millions = LeadingNumber(txtLoanNum);
    const std::optional<Money> dollars = MillionsToDollars(millions, 1);
    if (!(millions > 0) || (dollars && *dollars <= 0)) {
        refuse(Say(ZX_TEXT("Message", "Please enter a positive number!")));
        return;
    }
    if (!dollars) {
        refuse(tooBig);
        return;
    }
    const Money amount = *dollars;
    if (!HasEnoughMoney(s, lender, amount)) {
        refuse(Say(ZX_TEXT("Message", "%1, you don't have enough money!"), {g.Name(lender)}));
        return;
    }

    g.FindBorrower();
    const int borrower = s.LoanBorrower[us];
    // Somebody may have left the game while the window was open, moving the
    // players after him down one number: the options are laid out afresh.
    if (borrower < 1 || borrower > s.NumOfPlayers || borrower == lender ||
        optPlayerId[static_cast<std::size_t>(borrower)] != s.PlayerId[static_cast<std::size_t>(borrower)]) {
        RefreshOptions(*this, s, slot);
        g.ui.refresh();
        return;
    }

    // What the borrower receives now and what the lender gets back later
    // must both fit in a cash figure.
    const std::int64_t repayment = Repayment(amount, s.LoanInterest);
    if (repayment > MaxMoney || static_cast<std::int64_t>(s.Cash[static_cast<std::size_t>(borrower)]) + amount > MaxMoney) {
        refuse(tooBig);
        return;
    }

    const std::string question =
        Say(ZX_TEXT("Message", "%1, do you want to borrow %2 from %3 with %4 % interest for %5 moves?"),
            {g.Name(borrower), FormatMoney(amount), g.Name(lender), std::to_string(s.LoanInterest),
             std::to_string(s.LoanDuration)});
    if (g.MsgBoxFor(borrower, question, LoanConfirmationTitle, MsgIcon::Question, MsgButtons::YesNo, MsgAnswer::Yes) != MsgAnswer::Yes) {
        refusedBy = g.IdOf(borrower);
        // A person sees another person answer; a computer's answer nobody
        // sees, so the lender is told.
        if (Loaded && g.IsPerson(lender) && !g.IsPerson(borrower) && g.IdOf(borrower) == refusedBy)
            g.MsgBoxFor(lender,
                        Say(ZX_TEXT("Message", "%1, %2 refused to borrow %3 from you!"),
                            {g.Name(lender), g.Name(borrower), FormatMoney(amount)}),
                        "Loan refused", MsgIcon::Exclamation);
        return;
    }
    // The window may have been taken away while the borrower was asked.
    if (!Loaded || !g.Draft.Holds(slot) || !HasEnoughMoney(s, lender, amount)) return;

    s.LoanAmount = amount;
    g.SetPromptColor(lender);
    s.PromptText = Say(ZX_TEXT("Prompt", "%1 loaned %2 to %3 with %4 % interest for %5 moves!"),
                       {g.Name(lender), FormatMoney(amount), g.Name(borrower), std::to_string(s.LoanInterest),
                        std::to_string(s.LoanDuration)});
    s.HintText.clear();

    AddMoney(s.Cash[static_cast<std::size_t>(lender)], -std::int64_t{amount});
    AddMoney(s.Cash[static_cast<std::size_t>(borrower)], amount);

    s.LoanRepayment[us] = static_cast<Money>(repayment);
    s.LoanDueMove[us] = s.Moves + s.LoanDuration;
    g.Draft.Confirm();
    if (g.IsPerson(lender) || g.IsPerson(borrower)) LogStandingNews(g, PlayerColor(s, lender));

    Unload();
    g.ui.focus(FocusId::MainWindow, 0);
    g.UpdateDisplay();
    g.CalculateEstate(borrower);
    g.CheckWin(borrower);
}

void LoanForm::cmdCancel_Click() {
    GameState& s = g.S;
    const int slot = g.Draft.Slot();
    if (slot >= 1 && slot <= s.LoanCount) {
        const int lender = s.LoanLender[static_cast<std::size_t>(slot)];
        // A computer lender gives up because the borrower said no: the
        // refusal is the borrower's, not his.
        const int refuser = g.IsPerson(lender) ? 0 : g.SlotOf(refusedBy);
        g.SetPromptColor(refuser != 0 ? refuser : lender);
        s.PromptText = refuser != 0
                           ? Say(ZX_TEXT("Prompt", "%1 refused the loan from %2!"), {g.Name(refuser), g.Name(lender)})
                           : Say(ZX_TEXT("Prompt", "%1 refused to lend any money!"), {g.Name(lender)});
        s.HintText.clear();
        g.ShowPrompts();
        g.PlayNegativeSound();
    }
    g.Draft.GiveBack(s);
    Unload();
    g.ui.focus(FocusId::MainWindow, 0);
}

void LoanForm::Form_QueryUnload() {
    if (!Loaded) return;
    cmdCancel_Click();
}

void LoanForm::Unload() {
    if (!Loaded) return;
    Loaded = false;
    g.ui.closeWindow(WindowId::Loan, 0);
}

// ---- the schedule ----

void Game::FindBorrower() {
    const int slot = Draft.Slot() != 0 ? Draft.Slot() : S.LoanCount;
    if (slot < 1 || slot > MaxLoans) return;
    for (int i = 1; i <= MaxPlayers; ++i) {
        if (LoanDialog.optPlayerValue[static_cast<std::size_t>(i)]) {
            S.LoanBorrower[static_cast<std::size_t>(slot)] = i;
            return;
        }
    }
}

void Game::RepayDueLoans() {
    S.LoanRepaidText.clear();
    for (;;) {
        int due = 0;
        for (int i = 1; i <= S.LoanCount; ++i) {
            if (Draft.Holds(i)) continue;
            // A due move that passed without a landing is still owed.
            if (S.LoanDueMove[static_cast<std::size_t>(i)] <= S.Moves) {
                due = i;
                break;
            }
        }
        if (due == 0) return;

        const auto ud = static_cast<std::size_t>(due);
        const int lender = S.LoanLender[ud];
        const int borrower = S.LoanBorrower[ud];
        const Money repayment = S.LoanRepayment[ud];

        if (!HasEnoughMoney(S, borrower, repayment)) {
            S.LoanRepayPending = true;
            PlayWaitSound();
            MsgBoxFor(borrower,
                      Say(ZX_TEXT("Message", "%1, you don't have enough money to repay %2 loan to %3!"),
                          {Name(borrower), FormatMoney(repayment), Name(lender)}) + S.MsgMustWithdraw,
                   "You must pay now!", MsgIcon::Critical);
            S.WaitingMessage = Say(ZX_TEXT("Waiting", "Waiting for %1 to repay %2 loan to %3..."),
                                   {Name(borrower), FormatMoney(repayment), Name(lender)});
            Wait.Debtor = borrower;
            Wait.Show();
            return;
        }

        S.LoanRepayPending = false;
        S.LoanRepaidNotice = true;
        S.LoanRepaidText += "  " + (IsFemale(S, borrower)
                                        ? Say(ZX_TEXT("Prompt", "%1 repaid her %2 loan to %3!"),
                                              {Name(borrower), FormatMoney(repayment), Name(lender)})
                                        : Say(ZX_TEXT("Prompt", "%1 repaid his %2 loan to %3!"),
                                              {Name(borrower), FormatMoney(repayment), Name(lender)}));
        AddMoney(S.Cash[static_cast<std::size_t>(borrower)], -std::int64_t{repayment});
        AddMoney(S.Cash[static_cast<std::size_t>(lender)], repayment);
        // Off the schedule before the lender's win check: a lender who wins
        // has his loans settled, and this one is paid already.
        RemoveLoan(due);
        UpdateDisplay();
        CheckWin(lender);
        if (!S.GameInProgress) return;
    }
}

void Game::RemoveLoan(int slot) {
    if (slot < 1 || slot > S.LoanCount) return;
    S.LoanCount -= 1;
    for (int j = slot; j <= S.LoanCount; ++j) {
        auto uj = static_cast<std::size_t>(j);
        S.LoanLender[uj] = S.LoanLender[uj + 1];
        S.LoanBorrower[uj] = S.LoanBorrower[uj + 1];
        S.LoanRepayment[uj] = S.LoanRepayment[uj + 1];
        S.LoanDueMove[uj] = S.LoanDueMove[uj + 1];
    }
    auto freed = static_cast<std::size_t>(S.LoanCount + 1);
    S.LoanLender[freed] = 0;
    S.LoanBorrower[freed] = 0;
    S.LoanRepayment[freed] = 0;
    S.LoanDueMove[freed] = 0;
    Draft.SlotRemoved(slot);
}

namespace {

// A landing held up by a loan that has just been settled must not wait for
// it any more, or no cell rule would ever run again.
void ReleaseSettledWait(Game& g) {
    if (!g.S.LoanRepayPending) return;
    for (int i = 1; i <= g.S.LoanCount; ++i)
        if (!g.Draft.Holds(i) && g.S.LoanDueMove[static_cast<std::size_t>(i)] <= g.S.Moves) return;
    g.S.LoanRepayPending = false;
}

// A loan window left open by a player who leaves the game would draft a
// loan in his name (or to him); it is closed and its slot given back.
void DropDraftOf(Game& g, int p) {
    const int slot = g.Draft.Slot();
    if (slot < 1 || slot > g.S.LoanCount || g.S.LoanLender[static_cast<std::size_t>(slot)] != p) return;
    g.Draft.GiveBack(g.S);
    g.LoanDialog.Unload();
}

// Ends every loan a leaving player gave or took. His own loans are simply
// cancelled; the loans he took are repaid by the bank when bankPays (he lost)
// and cancelled otherwise. Returns the PlayerIds of the lenders the bank repaid.
std::vector<int> SettleLoansOf(Game& g, int p, SourceText borrowerNotice, bool bankPays) {
    DropDraftOf(g, p);
    GameState& s = g.S;
    std::vector<int> repaidLenders;
    int i = 1;
    while (i <= s.LoanCount) {
        const auto ix = static_cast<std::size_t>(i);
        if (g.Draft.Holds(i)) {
            ++i;
            continue;
        }
        const int lender = s.LoanLender[ix];
        const int borrower = s.LoanBorrower[ix];
        const Money repayment = s.LoanRepayment[ix];
        if (lender == p) {
            s.PromptText += "  " + Say(ZX_TEXT("Prompt", "%1's %2 loan to %3 was cancelled and doesn't need repaying anymore!"),
                                       {g.Name(p), FormatMoney(repayment), g.Name(borrower)});
            g.RemoveLoan(i);
        } else if (borrower == p) {
            s.PromptText += "  " + Say(borrowerNotice, {g.Name(lender), FormatMoney(repayment), g.Name(p)});
            if (bankPays) {
                AddMoney(s.Cash[static_cast<std::size_t>(lender)], repayment);
                repaidLenders.push_back(g.IdOf(lender));
            }
            g.RemoveLoan(i);
        } else {
            ++i;
        }
    }
    ReleaseSettledWait(g);
    return repaidLenders;
}

}  // namespace

void Game::SettleLoansOfLoser(int p) {
    // Lenders are checked for a win only once every loan of the loser is
    // settled: a winner leaves at once and renumbers the players after him.
    const std::vector<int> repaidLenders = SettleLoansOf(*this, p, ZX_TEXT("Prompt", "%1's %2 loan to %3 was repaid with interest by the bank!"), true);
    for (int lender : repaidLenders) {
        // A lender who has won meanwhile has left and is not checked again.
        const int q = SlotOf(lender);
        if (q == 0) continue;
        CalculateEstate(q);
        CheckWin(q);
    }
}

void Game::SettleLoansOfWinner(int p) {
    SettleLoansOf(*this, p, ZX_TEXT("Prompt", "%1's %2 loan to %3 was cancelled and won't be repaid by the bank!"), false);
}

}  // namespace zx
