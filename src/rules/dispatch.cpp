// Finding the cell under a piece and running its rule.

#include <algorithm>

#include "rules/game.h"
#include "rules/text.h"

namespace zx {
namespace {

int PlayerCount(const GameState& s) { return std::clamp(s.NumOfPlayers, 0, MaxPlayers); }

}  // namespace

void Game::DetectPosition() {
    // Standing on a company is forgotten for everybody at every detection,
    // the other cells only for the player examined: the rules only ever ask
    // about the current player, who is always examined before they run.
    for (int p = 1; p <= PlayerCount(S); ++p)
        if (CompanyOnCell(S.PlayerCell[At(p)]) != 0) S.PlayerCell[At(p)] = 0;
    S.OnStart.fill(false);

    int cp = S.CurrentPlayer;
    if (cp < 1 || cp > PlayerCount(S)) return;
    double x = S.PieceLeft[At(cp)];
    double y = S.PieceTop[At(cp)];
    S.PlayerCell[At(cp)] = CellAtPiece(x, y);
    int box = StartBoxAtPiece(x, y);
    if (box != 0) S.OnStart[At(box)] = true;
}

int Game::CurrentCell() const {
    int cp = S.CurrentPlayer;
    if (cp < 1 || cp > PlayerCount(S)) return 0;
    int cell = S.PlayerCell[At(cp)];
    return cell >= 1 && cell <= NumCells ? cell : 0;
}

void Game::DoActions() {
    const int lander = IdOf(S.CurrentPlayer);
    RepayDueLoans();
    if (S.LoanRepayPending) return;

    // The rules run one after the other on the cell found after each of
    // them: a Computer event may move the piece back onto a market or a
    // company, whose rule then runs in the same landing. A rule can also
    // make the lander win or lose; the players behind him are renumbered
    // then, and nobody else's old cell may be charged in his place.
    auto landerStays = [this, lander] {
        return S.GameInProgress && CurrentCell() != 0 && IdOf(S.CurrentPlayer) == lander;
    };
    auto standsOn = [&](CellKind kind) {
        return landerStays() && Cell(CurrentCell()).kind == kind;
    };

    if (standsOn(CellKind::Bank)) Bank();
    if (standsOn(CellKind::Computer)) Computer();
    if (standsOn(CellKind::Market)) BuyCompany();
    if (standsOn(CellKind::Insurance)) Insurance();
    if (standsOn(CellKind::Company)) PayCompOwner();
    if (standsOn(CellKind::Tax)) Tax();

    if (S.LoanRepaidNotice) {
        S.LoanRepaidNotice = false;
        S.PromptText = S.LoanRepaidText + S.PromptText;
        ShowPrompts();
    }
}

void Game::Box_DblClick(int index) {
    if (index < 1 || index > NumCells) return;
    if (Cell(index).kind == CellKind::Company)
        MsgBox(Say(ZX_TEXT("Message", "For information on this company in the real world, press F1 for Help, then "
                                      "choose \"The Companies\" from the Contents list.")),
               "Zentrix", MsgIcon::None, MsgButtons::Ok);
    else
        MsgBox(Say(ZX_TEXT("Message", "For information on this cell, press F1 for Help, then choose \"Cells\" from "
                                      "the Contents list.")),
               "Zentrix", MsgIcon::None, MsgButtons::Ok);
}

}  // namespace zx
