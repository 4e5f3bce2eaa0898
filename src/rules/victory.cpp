// Complexes, estates, winning, and taking a player out of the game.

#include <algorithm>
#include <cstdint>
#include <limits>

#include "rules/game.h"
#include "rules/text.h"
#include "rules/money.h"

namespace zx {

namespace {

}  // namespace

// ---- complexes ----

void Game::CheckNewComplexes() {
    for (int c = 1; c <= NumComplexes; ++c) {
        if (S.ComplexOwner[At(c)] != 0) continue;
        for (int p = 1; p <= S.NumOfPlayers; ++p) {
            bool all = true;
            for (int k = 3 * c - 2; k <= 3 * c; ++k) all = all && S.CompanyOwner[At(k)] == p;
            if (!all) continue;
            if (Narrating()) {
                S.PromptText += "  " + Say(ZX_TEXT("Prompt", "%1 now owns %2!"), {Name(p), S.ComplexName[At(c)]});
                S.HintText = Say(ZX_TEXT("Hint", "A complex means 3 companies next to each other.  Complexed "
                                                 "companies give the owner more income and power than companies "
                                                 "scattered around the board."));
            }
            S.ComplexOwner[At(c)] = p;
            for (int k = 3 * c - 2; k <= 3 * c; ++k) S.CompanyComplexed[At(k)] = true;
        }
    }
}

void Game::BreakComplex(int k, int p) {
    if (k < 1 || k > NumCompanies || !S.CompanyComplexed[At(k)]) return;
    int c = ComplexOf(k);
    S.ComplexOwner[At(c)] = 0;
    for (int j = 3 * c - 2; j <= 3 * c; ++j) S.CompanyComplexed[At(j)] = false;
    if (Narrating()) {
        S.PromptText += "  " + (IsFemale(S, p) ? Say(ZX_TEXT("Prompt", "So she no longer owns %1!"), {S.ComplexName[At(c)]})
                                              : Say(ZX_TEXT("Prompt", "So he no longer owns %1!"), {S.ComplexName[At(c)]}));
        S.HintText = Say(ZX_TEXT("Hint", "When a company in one's complex is sold or destroyed, that player no longer owns that complex."));
    }
}

// ---- estates ----

void Game::CalculateEstate(int p) {
    if (p < 1 || p > MaxPlayers) return;
    std::int64_t estate = std::int64_t{S.Cash[At(p)]} + S.MoneyInBank[At(p)];
    for (int k = 1; k <= NumCompanies; ++k)
        if (S.CompanyOwner[At(k)] == p) estate += S.CompanyValue[At(k)];
    S.Estate[At(p)] = CapMoney(estate);
}

void Game::RecordEstateHistory() {
    auto& h = S.EstateHistory;
    for (int p = 1; p <= S.NumOfPlayers; ++p) {
        for (int i = 1; i < HistorySlots; ++i) h[At(i)][At(p)] = h[At(i + 1)][At(p)];
        h[At(HistorySlots)][At(p)] = RoundHalfEven(static_cast<double>(S.Estate[At(p)]) / 1'000'000.0, 1);
    }
}

// ---- winning ----

// Companies are counted on the personal window's list, which the display
// refresh rebuilds; callers refresh before they ask.
void Game::CheckWin(int p) {
    if (!S.GameInProgress || p < 1 || p > S.NumOfPlayers) return;
    const bool wins = PlayerWindow(p).lstCompanies.size() == std::size_t{WinningCompanies} || S.Estate[At(p)] > WinningEstate;
    // What the prompt said before the win is logged as it stands, so that
    // the win is a line of its own.
    if (wins && Narrating()) Log.Prompted(S.Moves, S.PromptText, Main.lblPrompt.color);
    if (PlayerWindow(p).lstCompanies.size() == std::size_t{WinningCompanies}) {
        S.PromptText += "  " + Say(ZX_TEXT("Prompt", "%1 now owns 5 companies."), {Name(p)});
        PlayerWins(p);
    } else if (S.Estate[At(p)] > WinningEstate) {
        S.PromptText += "  " + Say(ZX_TEXT("Prompt", "%1's estate is now more than $8,000,000."), {Name(p)});
        PlayerWins(p);
    }
}

void Game::PlayerWins(int p) {
    if (p < 1 || p > S.NumOfPlayers) return;
    S.PromptText += "  " + (IsFemale(S, p) ? Say(ZX_TEXT("Prompt", "So she won and exited the game!"))
                                          : Say(ZX_TEXT("Prompt", "So he won and exited the game!")));
    LogStandingNews(*this, PlayerColor(S, p));
    // Only the winner's own offers close: another player's pending purchase,
    // deposit or debt must survive someone else winning in between.
    CloseOffersOf(p);
    SellForm.Unload();

    S.WinnerCount += 1;
    if (S.WinnerCount >= 1 && S.WinnerCount <= MaxPlayers) S.Finisher[At(S.WinnerCount)] = Name(p);

    ReleaseCompanies(p);
    SettleLoansOfWinner(p);
    RemovePiece(p);
    RemovePlayerData(p);
    UnloadPlayerWindow(S.NumOfPlayers + 1);
    RefreshPlayerWindows();

    ui.raiseWindow(WindowId::Main, 0);
    UpdateDisplay();
    PlayWinSound();
    CheckGameEnd();
}

// ---- taking a player out ----

void Game::ReleaseCompanies(int p) {
    for (int k = 1; k <= NumCompanies; ++k) {
        if (S.CompanyOwner[At(k)] != p) continue;
        S.CompanyOwner[At(k)] = 0;
        S.CompanyInsured[At(k)] = false;
        S.CompanyComplexed[At(k)] = false;
    }
    for (int c = 1; c <= NumComplexes; ++c)
        if (S.ComplexOwner[At(c)] == p) S.ComplexOwner[At(c)] = 0;
}

namespace {
// Everything the game keeps per player, copied from one slot to another.
void CopyPlayerData(GameState& s, std::size_t to, const GameState& src, std::size_t from) {
    s.PlayerId[to] = src.PlayerId[from];
    s.PlayerName[to] = src.PlayerName[from];
    s.PlayerSex[to] = src.PlayerSex[from];
    s.PlayerPiece[to] = src.PlayerPiece[from];
    s.PlayerType[to] = src.PlayerType[from];
    s.Cash[to] = src.Cash[from];
    s.DisplayedCash[to] = src.DisplayedCash[from];
    s.MoneyInBank[to] = src.MoneyInBank[from];
    s.Estate[to] = src.Estate[from];
    s.FreeInsuranceBonus[to] = src.FreeInsuranceBonus[from];
    s.HalfTaxBonus[to] = src.HalfTaxBonus[from];
    s.MissNextTurn[to] = src.MissNextTurn[from];
    s.MoneyChange[to] = src.MoneyChange[from];
    s.PlayerCell[to] = src.PlayerCell[from];
    for (std::size_t h = 1; h <= HistorySlots; ++h) s.EstateHistory[h][to] = src.EstateHistory[h][from];
}
}  // namespace

// The last piece disappears; the pieces behind the leaver keep their places
// on the board under their new numbers.
void Game::RemovePiece(int p) {
    const int last = S.NumOfPlayers;
    if (p < 1 || p > last) return;
    for (int i = p; i < last; ++i) {
        Main.picPiece[At(i)].picture = Main.picPiece[At(i + 1)].picture;
        Main.picPiece[At(i)].toolTip = Main.picPiece[At(i + 1)].toolTip;
        S.PieceLeft[At(i)] = S.PieceLeft[At(i + 1)];
        S.PieceTop[At(i)] = S.PieceTop[At(i + 1)];
    }
    Main.picPiece[At(last)].visible = false;
}

void Game::RemovePlayerData(int p) {
    const int last = S.NumOfPlayers;
    if (p < 1 || p > last) return;
    const bool leaverWasCurrent = p == S.CurrentPlayer;
    S.NumOfPlayers = last - 1;

    for (int i = p; i < last; ++i) {
        CopyPlayerData(S, At(i), S, At(i + 1));

        // The whole window moves with its player: place, icon, caption and
        // any desk control a pending deposit or insurance has switched on.
        if (PlayerForm* next = PlayerWindowIfLoaded(i + 1)) {
            PlayerForm& w = PlayerWindow(i);
            const bool onScreen = w.Visible;
            static_cast<PlayerFormControls&>(w) = static_cast<const PlayerFormControls&>(*next);
            w.Visible = onScreen;
        }
    }

    // The slot that fell empty keeps nothing of the player who was there.
    static const GameState blank;
    CopyPlayerData(S, At(last), blank, At(last));

    // Owners behind the leaver move down with him; what he owned is free.
    auto renumber = [p](int& owner) {
        if (owner == p) owner = 0;
        else if (owner > p) owner -= 1;
    };
    for (int k = 1; k <= NumCompanies; ++k) renumber(S.CompanyOwner[At(k)]);
    for (int c = 1; c <= NumComplexes; ++c) renumber(S.ComplexOwner[At(c)]);
    // Every loan slot in use, the one being drafted included, keeps naming
    // the same people.
    for (int l = 1; l <= S.LoanCount && l <= MaxLoans; ++l) {
        if (S.LoanLender[At(l)] > p) S.LoanLender[At(l)] -= 1;
        if (S.LoanBorrower[At(l)] > p) S.LoanBorrower[At(l)] -= 1;
    }
    if (Wait.Debtor > p) Wait.Debtor -= 1;
    if (S.ChangingPlayer > p && S.ChangingPlayer > 1) S.ChangingPlayer -= 1;

    S.ExtraTurn = false;
    if (p <= S.CurrentPlayer) S.CurrentPlayer -= 1;
    // When the player whose landing it was has left, the number now standing
    // in for him only marks where the turn goes next; a later Pay must not
    // run a cell rule for a player who did not land.
    if (leaverWasCurrent && S.CurrentPlayer >= 1) S.PlayerCell[At(S.CurrentPlayer)] = 0;

    // The next-player line must not keep naming someone who has left.
    if (S.NumOfPlayers >= 2 && S.NextPlayer != 0) FindNextPlayer();
}

void Game::CheckGameEnd() {
    if (S.NumOfPlayers != 1) return;
    S.HintText = Say(ZX_TEXT("Hint", "The game ends when there's only 1 player left."));
    ShowPrompts();
    S.GameInProgress = false;
    DisableRollDice();
    if (S.WinnerCount < 4) S.Finisher[At(S.WinnerCount + 1)] = Name(1);
    for (int p = 1; p <= MaxPlayers; ++p) UnloadPlayerWindow(p);
    Results.Form_Load();
    ui.showWindow(WindowId::Results, 0, true);
}

void Game::CloseOffersOf(int p) {
    if (p < 1) return;
    if (p == S.CurrentPlayer) {
        if (S.BuyMode || BuyForm.Loaded) BuyForm.EndOffer();
        PlayerForm* w = PlayerWindowIfLoaded(p);
        if (S.DepositMode) {
            if (w) w->EndDeposit();
            S.DepositMode = false;
        }
        if (S.InsuranceMode) {
            if (w) w->EndInsurance();
            S.InsuranceMode = false;
        }
        S.MoveAnywhereMode = false;
        StopReactionTimer();
    }
    if (Wait.Debtor == p && (Wait.Loaded || S.WaitingMode)) {
        Wait.Unload();
        S.WaitingMode = false;
        S.TaxDebtPending = false;
        S.LoanRepayPending = false;
        Wait.Debtor = 0;
        StopReactionTimer();
    }
}

}  // namespace zx
