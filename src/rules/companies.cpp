// Landing on a company: income for the owner, a fee from anyone else.

#include <algorithm>
#include <cstdint>
#include <limits>

#include "rules/game.h"
#include "rules/money.h"

namespace zx {

void Game::PayCompOwner() {
    const int cp = S.CurrentPlayer;
    if (cp < 1 || cp > S.NumOfPlayers) return;
    const int i = CompanyOnCell(S.PlayerCell[static_cast<std::size_t>(cp)]);

    if (i != 0) {
        const auto k = static_cast<std::size_t>(i);
        const int owner = S.CompanyOwner[k];
        const bool complexed = S.CompanyComplexed[k];
        const std::string& name = Name(cp);

        if (owner == 0) {
            S.PromptText = "Nobody owns this company!";
            ShowPrompts();
        } else if (owner == cp) {
            const Money amount = complexed ? S.OwnComplexEnteringIncome[k] : S.OwnEnteringIncome[k];
            AddMoney(S.Cash[static_cast<std::size_t>(cp)], amount);
            if (Narrating()) S.PromptText = name + " recieved " + FormatMoney(amount) + " as income because of entering " +
                           HisOrHer(S, cp) + (complexed ? " own complexed company!" : " own company!");
            UpdateDisplay();
            CheckWin(cp);
        } else {
            const Money amount = complexed ? S.ComplexEnteringFee[k] : S.EnteringFee[k];
            const std::string because = " because of entering " + HisOrHer(S, owner) +
                                        (complexed ? " complexed company" : " company");
            if (!HasEnoughMoney(S, cp, amount)) {
                PlayWaitSound();
                MsgBoxFor(cp, name + "!  You don't have enough money to pay " + FormatMoney(amount) + " to " +
                           Name(owner) + because + "!" + S.MsgMustWithdraw,
                       "You must pay now!", MsgIcon::Critical, MsgButtons::Ok, MsgAnswer::Ok);
                S.WaitingMessage =
                    "Waiting for " + name + " to pay " + FormatMoney(amount) + " to " + Name(owner) + because + "...";
                Wait.Debtor = cp;
                Wait.Show();
                return;
            }
            AddMoney(S.Cash[static_cast<std::size_t>(cp)], -std::int64_t{amount});
            AddMoney(S.Cash[static_cast<std::size_t>(owner)], amount);
            if (Narrating()) S.PromptText = name + " paid " + FormatMoney(amount) + " to " + Name(owner) + because + "!";
            if (complexed)
                if (Narrating()) S.HintText =
                    "Complexed companies give the owner much more income and power than companies scattered "
                    "around the board.";
            UpdateDisplay();
            CheckWin(owner);
        }
    }

    // A finished game has nothing left to show.
    if (S.GameInProgress) UpdateDisplay();
    // A waiting window left from an earlier failed attempt is done with.
    if (!S.WaitingMode) Wait.Unload();
}

}  // namespace zx
