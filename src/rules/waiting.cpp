// Debts: the "Waiting..." window, paying later, and losing.

#include <algorithm>

#include "rules/game.h"
#include "rules/text.h"

namespace zx {

void WaitForm::Show() {
    GameState& S = g.S;
    if (Debtor < 1 || Debtor > S.NumOfPlayers) Debtor = S.CurrentPlayer;
    lblWaiting = S.WaitingMessage;
    Loaded = true;
    // The debtor raises the money in his own window, so it comes forward.
    if (Debtor >= 1 && Debtor <= S.NumOfPlayers) {
        g.PlayerWindow(Debtor);
        g.ui.raiseWindow(WindowId::Player, Debtor);
    }
    g.DisableRollDice();
    S.WaitingMode = true;
    g.ui.showWindow(WindowId::Wait, 0, false);
}

// The rule that raised the debt runs again: it either completes the payment
// or opens this window once more with the same sentence.
void WaitForm::cmdPay_Click() {
    if (!Loaded) return;
    g.StopReactionTimer();
    g.S.WaitingMode = false;
    Unload();
    g.ui.focus(FocusId::MainWindow, 0);
    g.DoActions();
    // The debt may have gone meanwhile (a lender who won has his loans
    // cancelled) and the cell may have nothing more to do: nothing else
    // would give the next player Roll Dice then.
    g.EnableRollDiceIfIdle();
}

void WaitForm::cmdILose_Click() {
    if (!Loaded) return;
    g.Lose(Debtor >= 1 ? Debtor : g.S.CurrentPlayer);
}

void WaitForm::Unload() {
    if (!Loaded) return;
    Loaded = false;
    g.ui.closeWindow(WindowId::Wait, 0);
}

Money Game::DebtDue() const {
    const GameState& s = S;
    if (!s.WaitingMode && !Wait.Loaded) return 0;
    if (s.LoanRepayPending) {
        // The first loan due in slot order is the one being waited for.
        for (int i = 1; i <= s.LoanCount; ++i)
            if (!Draft.Holds(i) && s.LoanDueMove[At(i)] <= s.Moves) return s.LoanRepayment[At(i)];
        return 0;
    }
    if (s.TaxDebtPending) return s.TotalTax;
    const int cp = s.CurrentPlayer;
    if (cp < 1 || cp > s.NumOfPlayers) return 0;
    const int k = CompanyOnCell(s.PlayerCell[At(cp)]);
    if (k == 0) return 0;
    return s.CompanyComplexed[At(k)] ? s.ComplexEnteringFee[At(k)] : s.EnteringFee[At(k)];
}

void Game::Lose(int player) {
    if (!S.GameInProgress || player < 1 || player > S.NumOfPlayers) return;
    if (MsgBoxFor(player, Say(ZX_TEXT("Message", "Are you sure you want to lose and exit the game?")), LoseConfirmationTitle, MsgIcon::Critical,
               MsgButtons::YesNo, MsgAnswer::No) != MsgAnswer::Yes)
        return;
    // The answer may have come back after the game changed under the box.
    if (!S.GameInProgress || player > S.NumOfPlayers) return;

    PlayLoseSound();
    // Only what the loser had open closes: another player's turn, offer or
    // debt goes on as it was.
    CloseOffersOf(player);
    // A sale laid out for the players as they were cannot go on once one of
    // them has gone: the seller keeps his company, as when somebody wins.
    SellForm.Unload();

    const int loser = IdOf(player);
    const std::string name = Name(player);
    S.PromptText = Say(ZX_TEXT("Prompt", "%1 lost and exited the game!"), {name});
    // The loss is a line of its own; the loans it settles follow it.
    LogStandingNews(*this, PlayerColor(S, player));
    const int place = S.NumOfPlayers + S.WinnerCount;
    if (place >= 1 && place <= MaxPlayers) S.Finisher[At(place)] = name;
    ReleaseCompanies(player);
    SettleLoansOfLoser(player);

    // A lender repaid by the bank may have won and left meanwhile, which can
    // end the game or move the loser down a number.
    if (!S.GameInProgress) return;
    player = SlotOf(loser);
    if (player == 0) return;

    const int formerLastSlot = S.NumOfPlayers;
    RemovePiece(player);
    RemovePlayerData(player);
    UnloadForms(formerLastSlot);
    RefreshPlayerWindows();
    UpdateDisplay();
    CheckGameEnd();
    ui.focus(FocusId::MainWindow, 0);
}

void Game::UnloadForms(int formerLastSlot) {
    // A waiting window with no debt behind it any more was the loser's.
    if (!S.WaitingMode) Wait.Unload();
    UnloadPlayerWindow(formerLastSlot);
}

}  // namespace zx
