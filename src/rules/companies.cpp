// Landing on a company: income for the owner, a fee from anyone else.

#include <algorithm>
#include <cstdint>
#include <limits>

#include "rules/game.h"
#include "rules/text.h"
#include "rules/money.h"

namespace zx {

namespace {

// Indexed [the owner is female][the company is complexed].
const SourceText OwnIncome[2][2] = {
    {ZX_TEXT("Prompt", "%1 recieved %2 as income because of entering his own company!"),
     ZX_TEXT("Prompt", "%1 recieved %2 as income because of entering his own complexed company!")},
    {ZX_TEXT("Prompt", "%1 recieved %2 as income because of entering her own company!"),
     ZX_TEXT("Prompt", "%1 recieved %2 as income because of entering her own complexed company!")},
};
const SourceText FeeShort[2][2] = {
    {ZX_TEXT("Message", "%1!  You don't have enough money to pay %2 to %3 because of entering his company!"),
     ZX_TEXT("Message", "%1!  You don't have enough money to pay %2 to %3 because of entering his complexed company!")},
    {ZX_TEXT("Message", "%1!  You don't have enough money to pay %2 to %3 because of entering her company!"),
     ZX_TEXT("Message", "%1!  You don't have enough money to pay %2 to %3 because of entering her complexed company!")},
};
const SourceText FeeWaiting[2][2] = {
    {ZX_TEXT("Waiting", "Waiting for %1 to pay %2 to %3 because of entering his company..."),
     ZX_TEXT("Waiting", "Waiting for %1 to pay %2 to %3 because of entering his complexed company...")},
    {ZX_TEXT("Waiting", "Waiting for %1 to pay %2 to %3 because of entering her company..."),
     ZX_TEXT("Waiting", "Waiting for %1 to pay %2 to %3 because of entering her complexed company...")},
};
const SourceText FeePaid[2][2] = {
    {ZX_TEXT("Prompt", "%1 paid %2 to %3 because of entering his company!"),
     ZX_TEXT("Prompt", "%1 paid %2 to %3 because of entering his complexed company!")},
    {ZX_TEXT("Prompt", "%1 paid %2 to %3 because of entering her company!"),
     ZX_TEXT("Prompt", "%1 paid %2 to %3 because of entering her complexed company!")},
};

}  // namespace

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
            S.PromptText = Say(ZX_TEXT("Prompt", "Nobody owns this company!"));
            ShowPrompts();
        } else if (owner == cp) {
            const Money amount = complexed ? S.OwnComplexEnteringIncome[k] : S.OwnEnteringIncome[k];
            AddMoney(S.Cash[static_cast<std::size_t>(cp)], amount);
            if (Narrating()) S.PromptText = Say(OwnIncome[IsFemale(S, cp)][complexed], {name, FormatMoney(amount)});
            UpdateDisplay();
            CheckWin(cp);
        } else {
            const Money amount = complexed ? S.ComplexEnteringFee[k] : S.EnteringFee[k];
            if (!HasEnoughMoney(S, cp, amount)) {
                PlayWaitSound();
                MsgBoxFor(cp, Say(FeeShort[IsFemale(S, owner)][complexed], {name, FormatMoney(amount), Name(owner)}) +
                                  S.MsgMustWithdraw,
                       "You must pay now!", MsgIcon::Critical, MsgButtons::Ok, MsgAnswer::Ok);
                S.WaitingMessage = Say(FeeWaiting[IsFemale(S, owner)][complexed], {name, FormatMoney(amount), Name(owner)});
                Wait.Debtor = cp;
                Wait.Show();
                return;
            }
            AddMoney(S.Cash[static_cast<std::size_t>(cp)], -std::int64_t{amount});
            AddMoney(S.Cash[static_cast<std::size_t>(owner)], amount);
            if (Narrating()) S.PromptText = Say(FeePaid[IsFemale(S, owner)][complexed], {name, FormatMoney(amount), Name(owner)});
            if (complexed)
                if (Narrating()) S.HintText =
                    Say(ZX_TEXT("Hint", "Complexed companies give the owner much more income and power than "
                                        "companies scattered around the board."));
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
