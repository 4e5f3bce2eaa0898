#include "rules/operations.h"

#include "rules/game.h"
#include "rules/text.h"

namespace zx {

namespace {

bool Within(int i, int first, int last) { return i >= first && i <= last; }

// What decides an operation, in the order a refusal names it: the window
// (or the control) is there, it belongs to the seat, it can be worked now.
struct Verdict {
    bool open = true;
    bool mine = true;
    OpRefusal notMine = OpRefusal::NotYourSeat;
    bool enabled = true;
};

// The seat whose hand works the personal window of slot w: its owner. A
// window the refresh has not reached yet is still its slot's player's.
int DeskOwnerId(const Game& g, const PlayerForm& f, int w) { return f.OwnerId != 0 ? f.OwnerId : g.IdOf(w); }

bool BidsIn(const SellCompaniesForm& f, int id) {
    for (int r = 1; r < static_cast<int>(f.optPlayerId.size()); ++r)
        if (f.optPlayerVisible[At(r)] && f.optPlayerId[At(r)] == id) return true;
    return false;
}

int Lender(const Game& g) {
    const int slot = g.Draft.Slot();
    return Within(slot, 1, MaxLoans) ? g.S.LoanLender[At(slot)] : 0;
}

Verdict Judge(const Game& g, const Op& op, int seat) {
    const GameState& s = g.S;
    const int cp = s.CurrentPlayer;
    const int i = op.index;
    const BuyCompanyForm& buy = g.BuyForm;
    const SellCompaniesForm& sale = g.SellForm;
    const LoanForm& loan = g.LoanDialog;
    constexpr OpRefusal Turn = OpRefusal::NotYourTurn;
    const bool seller = seat == s.SellingPlayer;
    const bool lender = seat == Lender(g);
    const bool debtor = seat == (g.Wait.Debtor >= 1 ? g.Wait.Debtor : cp);

    switch (op.kind) {
        // The free move lapses when its player lets the next roll go.
        case OpKind::RollDice:
            return {s.GameInProgress, seat == g.NextRoller() || (s.MoveAnywhereMode && seat == cp), Turn,
                    g.Main.cmdRollDiceEnabled && !g.TimerEnabled(TimerId::MovePieces)};
        case OpKind::BoardClick: return {Within(i, 1, NumCells), seat == cp, Turn, s.MoveAnywhereMode};

        case OpKind::BuyChoose: return {buy.Loaded, seat == cp, Turn, Within(i, 1, 3) && buy.optNameEnabled[At(i)]};
        case OpKind::BuyBuy: return {buy.Loaded, seat == cp, Turn, s.BuyMode};
        case OpKind::BuyCancel: return {buy.Loaded, seat == cp, Turn};

        case OpKind::DeskType:
        case OpKind::DeskScroll:
        case OpKind::DeskDeposit:
        case OpKind::DeskWithdraw:
        case OpKind::DeskOK:
        case OpKind::DeskInsurance:
        case OpKind::DeskSell:
        case OpKind::DeskLoan:
        case OpKind::DeskQuit:
        case OpKind::DeskList: {
            const PlayerForm* f = g.PlayerWindowIfLoaded(op.window);
            if (!f) return {false};
            Verdict v{true, DeskOwnerId(g, *f, op.window) == op.seatId};
            if (op.kind == OpKind::DeskDeposit) v.enabled = f->cmdDepositEnabled;
            if (op.kind == OpKind::DeskWithdraw) v.enabled = f->cmdWithdrawEnabled;
            if (op.kind == OpKind::DeskOK) v.enabled = f->fraInsuranceEnabled;
            if (op.kind == OpKind::DeskInsurance)
                v.enabled = Within(i, 1, 5) && f->fraInsuranceEnabled && f->chkInsuranceEnabled[At(i)];
            return v;
        }

        case OpKind::WaitPay:
        case OpKind::WaitLose: return {g.Wait.Loaded, debtor};

        case OpKind::SaleChooseCompany:
            return {sale.Loaded, seller, OpRefusal::NotYourSeat,
                    Within(i, 0, 4) && sale.fraCompaniesEnabled && sale.optNameVisible[At(i)]};
        case OpKind::SaleChooseBuyer:
            return {sale.Loaded, seller, OpRefusal::NotYourSeat,
                    Within(i, 0, 3) && sale.optPlayerVisible[At(i)] && sale.optPlayerEnabled[At(i)]};
        case OpKind::SaleBid: {
            const bool there = sale.Loaded && Within(i, 1, 3) && sale.optPlayerVisible[At(i)];
            return {there, there && sale.optPlayerId[At(i)] == op.seatId, OpRefusal::NotYourSeat,
                    there && !sale.txtBidReadOnly[At(i)]};
        }
        case OpKind::SaleSubmit:
            return {sale.Loaded, seller || BidsIn(sale, op.seatId), OpRefusal::NotYourSeat, sale.cmdSubmitEnabled};
        case OpKind::SaleSell: return {sale.Loaded, seller, OpRefusal::NotYourSeat, sale.cmdSellEnabled};
        case OpKind::SaleCancel: return {sale.Loaded, seller, OpRefusal::NotYourSeat, sale.cmdCancelEnabled};
        case OpKind::SaleClose: return {sale.Loaded, seller};

        case OpKind::LoanChooseBorrower:
            return {loan.Loaded, lender, OpRefusal::NotYourSeat,
                    Within(i, 1, MaxPlayers) && loan.optPlayerVisible[At(i)] && loan.optPlayerEnabled[At(i)]};
        case OpKind::LoanType:
        case OpKind::LoanScroll:
        case OpKind::LoanTerms:
        case OpKind::LoanLend:
        case OpKind::LoanCancel:
        case OpKind::LoanClose: return {loan.Loaded, lender};
    }
    return {false};
}

}  // namespace

// English, as a client compares it; a window that shows one translates it
// with Say(SourceText{"Refusal", text}).
const char* RefusalText(OpRefusal r) {
    switch (r) {
        case OpRefusal::None: return "";
        case OpRefusal::NotSeated: return ZX_TEXT("Refusal", "not seated in this game").source;
        case OpRefusal::NotYourSeat: return ZX_TEXT("Refusal", "not your seat").source;
        case OpRefusal::NotYourTurn: return ZX_TEXT("Refusal", "not your turn").source;
        case OpRefusal::NoSuchWindow: return ZX_TEXT("Refusal", "no such window open").source;
        case OpRefusal::Disabled: return ZX_TEXT("Refusal", "not possible now").source;
    }
    return "";
}

OpRefusal Check(const Game& g, const Op& op) {
    const int seat = g.SlotOf(op.seatId);
    if (seat == 0) return OpRefusal::NotSeated;
    const Verdict v = Judge(g, op, seat);
    if (!v.open) return OpRefusal::NoSuchWindow;
    if (!v.mine) return v.notMine;
    if (!v.enabled) return OpRefusal::Disabled;
    return OpRefusal::None;
}

OpRefusal Apply(Game& g, const Op& op) {
    if (const OpRefusal r = Check(g, op); r != OpRefusal::None) return r;
    const int i = op.index;
    BuyCompanyForm& buy = g.BuyForm;
    SellCompaniesForm& sale = g.SellForm;
    LoanForm& loan = g.LoanDialog;
    auto desk = [&]() -> PlayerForm& { return g.PlayerWindow(op.window); };

    switch (op.kind) {
        case OpKind::RollDice: g.cmdRollDice_Click(); break;
        case OpKind::BoardClick: g.Box_Click(i); break;

        case OpKind::BuyChoose: buy.optName_Click(i); break;
        case OpKind::BuyBuy: buy.cmdBuy_Click(); break;
        case OpKind::BuyCancel: buy.cmdCancel_Click(); break;

        case OpKind::DeskType: desk().txtBankNum_Typed(op.text); break;
        case OpKind::DeskScroll: desk().vscBankNum_Change(op.value); break;
        case OpKind::DeskDeposit: desk().cmdDeposit_Click(); break;
        case OpKind::DeskWithdraw: desk().cmdWithdraw_Click(); break;
        case OpKind::DeskOK: desk().cmdOK_Click(); break;
        case OpKind::DeskInsurance: desk().chkInsurance_Click(i); break;
        case OpKind::DeskSell: desk().cmdSellCompanies_Click(); break;
        case OpKind::DeskLoan: desk().cmdLoan_Click(); break;
        case OpKind::DeskQuit: desk().cmdQuitGame_Click(); break;
        case OpKind::DeskList: desk().lstCompanies_Click(i); break;

        case OpKind::WaitPay: g.Wait.cmdPay_Click(); break;
        case OpKind::WaitLose: g.Wait.cmdILose_Click(); break;

        case OpKind::SaleChooseCompany: sale.optName_Click(i); break;
        case OpKind::SaleChooseBuyer: sale.optPlayer_Click(i); break;
        case OpKind::SaleBid: sale.txtBid_Typed(i, op.text); break;
        case OpKind::SaleSubmit: sale.cmdSubmit_Click(); break;
        case OpKind::SaleSell: sale.cmdSell_Click(); break;
        case OpKind::SaleCancel: sale.cmdCancel_Click(); break;
        case OpKind::SaleClose: sale.Form_QueryUnload(); break;

        case OpKind::LoanChooseBorrower: loan.optPlayer_Click(i); break;
        case OpKind::LoanType: loan.txtLoanNum_Typed(op.text); break;
        case OpKind::LoanScroll: loan.vscLoanNum_Change(op.value); break;
        case OpKind::LoanTerms: loan.VScroll_Change(op.value); break;
        case OpKind::LoanLend: loan.cmdLoan_Click(); break;
        case OpKind::LoanCancel: loan.cmdCancel_Click(); break;
        case OpKind::LoanClose: loan.Form_QueryUnload(); break;
    }
    return OpRefusal::None;
}

}  // namespace zx
