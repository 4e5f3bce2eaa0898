// Insurance cells open insurance mode in the personal window.

#include <algorithm>

#include "rules/game.h"
#include "rules/text.h"

namespace zx {

void Game::Insurance() {
    const int cp = S.CurrentPlayer;
    if (cp < 1 || cp > S.NumOfPlayers) return;

    // The list and its boxes must show what he owns now, not what he owned
    // at the last refresh.
    UpdatePlayerWindows();
    PlayerForm& w = PlayerWindow(cp);
    const std::size_t rows = std::min<std::size_t>(w.lstCompanies.size(), 5);

    bool started = false;
    for (std::size_t i = 1; i <= rows; ++i) {
        int k = FindCompanyNumber(cp, static_cast<int>(i) - 1);
        if (k == 0 || S.CompanyInsured[static_cast<std::size_t>(k)]) continue;
        if (Narrating()) {
            S.PromptText = Say(ZX_TEXT("Insurance", "%1 is in Insurance mode!"), {Name(cp)});
            S.HintText =
                Say(ZX_TEXT("Insurance", "Select the companies you want to insure by clicking the check-boxes in "
                                         "front of them in your personal window and click OK."));
        }
        ShowPrompts();
        DisableRollDice();
        S.InsuranceMode = true;
        w.cmdWithdrawEnabled = false;
        w.fraInsuranceEnabled = true;
        w.DefaultButton = DeskButton::OK;
        w.CancelButton = DeskButton::OK;
        ui.focus(FocusId::DeskFirstInsurance, cp);
        StartReactionTimer(10);
        started = true;
        break;
    }

    if (rows == 0) {
        if (Narrating()) S.PromptText = Say(ZX_TEXT("Insurance", "%1 doesn't have any companies to insure!"), {Name(cp)});
        ShowPrompts();
    } else if (!started) {
        if (Narrating()) {
            S.PromptText = Say(ZX_TEXT("Insurance", "%1 doesn't have any un-insured companies!"), {Name(cp)});
            S.HintText = Say(ZX_TEXT("Insurance", "%1, all of your companies are insured already."), {Name(cp)});
        }
        ShowPrompts();
    }
}

}  // namespace zx
