// The company market cells and the "Buy a company" window.

#include "rules/game.h"
#include "rules/text.h"

namespace zx {

namespace {

// The company shown in row s (1..3) of the window for complex z.
int RowCompany(int z, int s) { return 3 * (z - 1) + s; }

}  // namespace

// Each market sells the complex that lies just before it on the path.
void Game::FindBuyZoneNumber() {
    const int cp = S.CurrentPlayer;
    if (cp < 1 || cp > MaxPlayers) return;
    const int cell = S.PlayerCell[At(cp)];
    if (cell < 1 || cell > NumCells || Cell(cell).kind != CellKind::Market) return;
    S.BuyZoneNumber = Cell(cell).number % 4 + 1;
}

void Game::BuyCompany() {
    const int cp = S.CurrentPlayer;
    if (cp < 1 || cp > S.NumOfPlayers) return;
    FindBuyZoneNumber();
    const int z = S.BuyZoneNumber;
    if (z < 1 || z > NumComplexes) return;

    bool allOwned = true;
    for (int k = 3 * z - 2; k <= 3 * z; ++k) allOwned = allOwned && S.CompanyOwner[At(k)] != 0;
    if (allOwned) {
        if (Narrating()) {
            S.PromptText = Say(ZX_TEXT("Prompt", "There are no companies to buy here!"));
            S.HintText = Say(ZX_TEXT("Hint", "All companies in this complex are already owned by other players."));
        }
        ShowPrompts();
        return;
    }

    if (Narrating()) S.HintText = Say(ZX_TEXT("Hint", "Select a company and click Buy, or click Cancel to refuse."));
    ShowPrompts();
    DisableRollDice();
    S.BuyMode = true;
    // A fresh offer starts with nothing chosen; the window picks the first
    // company still for sale.
    BuyForm.optNameValue = {};
    BuyForm.Loaded = true;
    ui.showWindow(WindowId::BuyCompany, 0, false);
    BuyForm.Form_Activate();
    // While buying, the player may sell or borrow but not empty his bank.
    PlayerWindow(cp).cmdWithdrawEnabled = false;
}

// Rebuilt on every activation, so a company that changed hands while the
// window stood open shows its new state.
void BuyCompanyForm::Form_Activate() {
    if (!Loaded) return;
    GameState& S = g.S;
    const int z = S.BuyZoneNumber;
    if (z < 1 || z > NumComplexes) return;

    lblComplex = S.ComplexName[At(z)];
    for (int s = 1; s <= 3; ++s) optNameEnabled[At(s)] = true;
    g.ui.focus(FocusId::BuyFirstOption, 0);
    for (int s = 1; s <= 3; ++s) {
        const int k = RowCompany(z, s);
        picLogo[At(s)] = g.Main.cellLogo[At(CompanyBox(k))];
        if (S.CompanyOwner[At(k)] != 0) optNameEnabled[At(s)] = false;
        optNameCaption[At(s)] = S.CompanyName[At(k)];
        if (g.Narrating()) lblValue[At(s)] = FormatMoney(S.CompanyValue[At(k)]);
    }

    // A choice that is no longer for sale is dropped; with no choice left the
    // first company still for sale is chosen, as focusing it would.
    int chosen = 0;
    for (int s = 1; s <= 3; ++s)
        if (optNameValue[At(s)] && optNameEnabled[At(s)] && chosen == 0) chosen = s;
    if (chosen == 0)
        for (int s = 1; s <= 3 && chosen == 0; ++s)
            if (optNameEnabled[At(s)]) chosen = s;
    for (int s = 1; s <= 3; ++s) optNameValue[At(s)] = s == chosen;

    g.StartReactionTimer(10);
}

void BuyCompanyForm::optName_Click(int s) {
    if (!Loaded || s < 1 || s > 3 || !optNameEnabled[At(s)]) return;
    for (int j = 1; j <= 3; ++j) optNameValue[At(j)] = j == s;
    g.ui.refresh();
}

void BuyCompanyForm::cmdBuy_Click() {
    GameState& S = g.S;
    if (!Loaded || !S.BuyMode) return;
    const int cp = S.CurrentPlayer;
    const int z = S.BuyZoneNumber;
    if (cp < 1 || cp > S.NumOfPlayers || z < 1 || z > NumComplexes) return;

    for (int s = 1; s <= 3; ++s) {
        if (!optNameValue[At(s)]) continue;
        const int k = RowCompany(z, s);
        // Sold to someone else since the window was last drawn: show the
        // offer as it stands now and let the player choose again.
        if (S.CompanyOwner[At(k)] != 0) {
            Form_Activate();
            g.ui.refresh();
            return;
        }
        const Money price = S.CompanyValue[At(k)];
        if (!HasEnoughMoney(S, cp, price)) {
            g.MsgBoxFor(cp, Say(ZX_TEXT("Message", "You do not have enough money to buy this company!")) + S.MsgCanBorrow, "Sorry!",
                     MsgIcon::Exclamation, MsgButtons::Ok, MsgAnswer::Ok);
            return;
        }
        S.Cash[At(cp)] -= price;
        S.CompanyOwner[At(k)] = cp;
        const std::string& name = g.Name(cp);
        if (g.Narrating()) {
            S.PromptText = Say(ZX_TEXT("Prompt", "%1 spent %2 and bought %3!"), {name, FormatMoney(price), S.CompanyName[At(k)]});
            S.HintText = Say(ZX_TEXT("Hint", "%1, %2 was added to the Companies list at the left of your personal "
                                             "window.  And a square in your special color appears around it on the "
                                             "game board."),
                             {name, S.CompanyName[At(k)]});
        }
        break;
    }

    EndOffer();
    g.CheckNewComplexes();
    g.UpdateDisplay();
    g.CheckWin(cp);
}

void BuyCompanyForm::cmdCancel_Click() {
    GameState& S = g.S;
    if (!Loaded && !S.BuyMode) return;
    const int cp = S.CurrentPlayer;
    EndOffer();
    g.PlayNegativeSound();
    if (g.Narrating()) {
        S.PromptText = Say(ZX_TEXT("Prompt", "%1 refused to buy any companies!"), {g.Name(cp)});
        S.HintText.clear();
    }
    g.ShowPrompts();
    g.EnableRollDiceIfIdle();
}

void BuyCompanyForm::EndOffer() {
    GameState& S = g.S;
    Unload();
    g.StopReactionTimer();
    if (PlayerForm* w = g.PlayerWindowIfLoaded(S.CurrentPlayer)) w->cmdWithdrawEnabled = true;
    S.BuyMode = false;
}

void BuyCompanyForm::Unload() {
    if (!Loaded) return;
    Loaded = false;
    g.ui.closeWindow(WindowId::BuyCompany, 0);
}

}  // namespace zx
