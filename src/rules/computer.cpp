// Computer cells: thirteen random events, disasters among them.

#include <algorithm>
#include <cstdint>
#include <limits>

#include "rules/game.h"
#include "rules/text.h"
#include "rules/money.h"

namespace zx {

namespace {

bool IsComputerCell(int cell) { return cell >= 1 && cell <= NumCells && Cell(cell).kind == CellKind::Computer; }

// The path cell `steps` places before `cell`.
int CellBefore(int cell, int steps) { return (cell - 1 - steps + 2 * NumCells) % NumCells + 1; }

}  // namespace

void Game::Computer() {
    PlayComputerSound();

    // A disaster only strikes one time in two; a void one means the
    // Computer thinks again from the start.
    for (;;) {
        int choice = static_cast<int>(rnd.next() * 13) + 1;
        S.ComputerChoice = std::clamp(choice, 1, 13);
        if (Narrating()) {
            Main.lblComputerPrompt.text =
                Say(ZX_TEXT("Computer", "Computer: %1"), {S.ComputerMessage[static_cast<std::size_t>(S.ComputerChoice)]});
            S.HintText = Say(ZX_TEXT("Hint", "The Computer makes random decisions."));
        }
        ShowPrompts();
        if (S.ComputerChoice < 4 || S.ComputerChoice > 7) break;
        if (rnd.next() >= 0.5) break;
    }
    if (S.ComputerChoice >= 4 && S.ComputerChoice <= 7 && Narrating()) Log.MarkComputerLineStanding();

    const int cp = S.CurrentPlayer;
    const auto ucp = static_cast<std::size_t>(cp);
    const bool validPlayer = cp >= 1 && cp <= S.NumOfPlayers;

    switch (S.ComputerChoice) {
        case 1:
        case 2: {
            if (!validPlayer) break;
            // The piece keeps its offset inside the cell (other pieces may
            // share it), so it is moved by whole cell pitches.
            int from = CellAtPiece(S.PieceLeft[ucp], S.PieceTop[ucp]);
            if (!IsComputerCell(from)) from = S.PlayerCell[ucp];
            if (!IsComputerCell(from)) break;
            int to = CellBefore(from, S.ComputerChoice);
            S.PieceLeft[ucp] += (Cell(to).col - Cell(from).col) * CellPitch;
            S.PieceTop[ucp] += (Cell(to).row - Cell(from).row) * CellPitch;
            DetectPosition();
            break;
        }
        case 3:
            S.MoveAnywhereMode = true;
            StartReactionTimer(10);
            break;
        case 4:
        case 5:
        case 6:
        case 7:
            if (S.ComputerChoice == 4) PlayFireSound();
            if (S.ComputerChoice == 5) PlayEarthquakeSound();
            if (S.ComputerChoice == 7) PlayStormSound();
            S.DestroyedComplex = S.ComputerChoice - 3;
            DestroyCompanies();
            break;
        case 8: {
            if (!validPlayer) break;
            for (int p = 1; p <= S.NumOfPlayers; ++p) {
                if (p == cp) continue;
                auto up = static_cast<std::size_t>(p);
                if (HasEnoughMoney(S, p, 100'000))
                    S.Cash[up] -= 100'000;
                else
                    S.Cash[up] = 0;
            }
            AddMoney(S.Cash[ucp], std::int64_t{100'000} * (S.NumOfPlayers - 1));
            CalculateEstate(cp);
            CheckWin(cp);
            break;
        }
        case 9:
            if (!validPlayer) break;
            AddMoney(S.Cash[ucp], 400'000);
            CalculateEstate(cp);
            CheckWin(cp);
            break;
        case 10: {
            // A player who wins here leaves at once and the next one moves
            // into his number, so the same number is paid again then.
            int p = 1;
            while (p <= S.NumOfPlayers && S.GameInProgress) {
                int before = S.NumOfPlayers;
                AddMoney(S.Cash[static_cast<std::size_t>(p)], 200'000);
                CalculateEstate(p);
                CheckWin(p);
                if (S.NumOfPlayers == before) ++p;
            }
            break;
        }
        case 11:
            if (validPlayer) S.HalfTaxBonus[ucp] = true;
            break;
        case 12:
            if (!validPlayer) break;
            S.FreeInsuranceBonus[ucp] = true;
            Insurance();
            break;
        case 13:
            if (validPlayer) S.MissNextTurn[ucp] = true;
            break;
        default:
            break;
    }

    UpdateDisplay();
}

void Game::DestroyCompanies() {
    const int z = S.DestroyedComplex;
    if (z < 1 || z > NumComplexes) return;
    bool anyOwned = false;
    for (int k = 3 * z - 2; k <= 3 * z; ++k)
        if (S.CompanyOwner[static_cast<std::size_t>(k)] != 0) anyOwned = true;

    if (!anyOwned) {
        SetPromptColor(0);
        if (Narrating()) S.PromptText = Say(ZX_TEXT("Prompt", "None of the players had any companies in the destroyed complex!"));
        LogStandingNews(*this, Main.lblPrompt.color);
        ShowPrompts();
        return;
    }

    Main.shpDestroyMask[static_cast<std::size_t>(z)] = true;
    DisableRollDice();
    S.DestroyMode = true;
    S.DestroyCompanyNumber = 3 * z - 2;
    SetTimer(TimerId::DestroyDelay, true);
}

void Game::tmrDestroyDelay_Timer() {
    // The destruction waits while money is being counted, so each loss is
    // seen on its own.
    if (S.MoneyChanging) return;

    const int z = S.DestroyedComplex;
    if (!S.DestroyMode || z < 1 || z > NumComplexes || S.DestroyCompanyNumber < 3 * z - 2 ||
        S.DestroyCompanyNumber > 3 * z) {
        // Nothing left to destroy (the game was closed or reloaded meanwhile).
        SetTimer(TimerId::DestroyDelay, false);
        if (z >= 1 && z <= NumComplexes) Main.shpDestroyMask[static_cast<std::size_t>(z)] = false;
        S.DestroyMode = false;
        EnableRollDiceIfIdle();
        return;
    }

    for (;;) {
        const int k = S.DestroyCompanyNumber;
        const auto uk = static_cast<std::size_t>(k);
        const int owner = S.CompanyOwner[uk];
        if (owner != 0) {
            SetPromptColor(owner);
            if (S.CompanyInsured[uk]) {
                AddMoney(S.Cash[static_cast<std::size_t>(owner)], S.CompanyValue[uk]);
                if (Narrating()) {
                    S.PromptText = Say(ZX_TEXT("Prompt", "%1 was destroyed, but %2 received %3 as compensation!"),
                                       {S.CompanyName[uk], Name(owner), FormatMoney(S.CompanyValue[uk])});
                    S.HintText = Say(ZX_TEXT("Hint", "The insurance office pays the value of insured companies which "
                                                     "are destroyed as compensation."));
                }
            } else {
                if (Narrating()) {
                    S.PromptText = Say(ZX_TEXT("Prompt", "%1 was destroyed and %2 didn't receive any money as compensation!"),
                                       {S.CompanyName[uk], Name(owner)});
                    S.HintText = Say(ZX_TEXT("Hint", "%1, you would have been paid the value of your destroyed company "
                                                     "if it were insured."),
                                     {Name(owner)});
                }
            }
            BreakComplex(k, owner);
            S.CompanyOwner[uk] = 0;
            S.CompanyInsured[uk] = false;
            LogStandingNews(*this, Main.lblPrompt.color);
            UpdateDisplay();
        }

        if (k >= 3 * z) {
            SetTimer(TimerId::DestroyDelay, false);
            S.DestroyMode = false;
            EnableRollDiceIfIdle();
            Main.shpDestroyMask[static_cast<std::size_t>(z)] = false;
            ui.refresh();
            return;
        }

        S.DestroyCompanyNumber = k + 1;
        if (owner != 0) return;
    }
}

void Game::Box_Click(int index) {
    if (!S.MoveAnywhereMode || !S.GameInProgress) return;
    if (index < 1 || index > NumCells) return;
    const int cp = S.CurrentPlayer;
    if (cp < 1 || cp > S.NumOfPlayers) return;

    S.PieceLeft[static_cast<std::size_t>(cp)] = CellLeft(index) + PieceInset;
    S.PieceTop[static_cast<std::size_t>(cp)] = CellTop(index) + PieceInset;
    S.MoveAnywhereMode = false;
    // The player has chosen; the countdown of the offer has no more meaning.
    StopReactionTimer();
    ClearPrompts();
    SetPromptColor(cp);
    DetectPosition();
    LogMoveAnywhere(*this, index);
    DoActions();
}

}  // namespace zx
