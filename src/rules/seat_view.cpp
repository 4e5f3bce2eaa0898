#include "rules/seat_view.h"

#include "rules/game.h"

namespace zx {

SeatView::SeatView(const Game& game, int seat)
    : g_(&game), seat_(game.IdOf(seat) != 0 ? seat : 0), seatId_(game.IdOf(seat)) {}

const GameState& SeatView::S() const { return g_->S; }
const MainView& SeatView::Main() const { return g_->Main; }
const GameLog& SeatView::Log() const { return g_->Log; }
int SeatView::IdOf(int slot) const { return g_->IdOf(slot); }
int SeatView::SlotOf(int id) const { return g_->SlotOf(id); }
const std::string& SeatView::Name(int slot) const { return g_->Name(slot); }
int SeatView::NextRoller() const { return g_->NextRoller(); }
bool SeatView::Walking() const { return g_->TimerEnabled(TimerId::MovePieces); }
bool SeatView::CountingMoney() const { return g_->S.MoneyChanging; }
bool SeatView::Destroying() const { return g_->S.DestroyMode; }

bool SeatView::TimerOn(TimerId t) const { return g_->TimerEnabled(t); }
int SeatView::MovingPlayerId() const { return g_->MovingPlayerId; }
const PerPlayer<bool>& SeatView::HasRolled() const { return g_->HasRolled; }

std::optional<PlayerFormControls> SeatView::WindowSeen(int slot) const {
    const PlayerForm* f = g_->PlayerWindowIfLoaded(slot);
    if (!f) return std::nullopt;
    PlayerFormControls c = *f;
    if (slot != seat_ || seat_ == 0) {
        c.txtBankNum.clear();
        c.vscBankNum = 0;
    }
    return c;
}

const PlayerFormControls* SeatView::OwnWindow() const {
    if (seat_ == 0) return nullptr;
    return g_->PlayerWindowIfLoaded(seat_);
}

PublicWindow SeatView::WindowOf(int slot) const {
    PublicWindow w;
    const PlayerForm* f = g_->PlayerWindowIfLoaded(slot);
    if (!f) return w;
    w.Loaded = true;
    w.Caption = f->Caption;
    w.OwnerId = f->OwnerId;
    w.lblCash = f->lblCash;
    w.lblEstate = f->lblEstate;
    w.lblMoneyInBank = f->lblMoneyInBank;
    w.lstCompanies = f->lstCompanies;
    w.chkInsurance = f->chkInsurance;
    return w;
}

const BuyCompanyControls& SeatView::Buy() const { return g_->BuyForm; }
const WaitControls& SeatView::Wait() const { return g_->Wait; }
const LoanControls& SeatView::Loan() const { return g_->LoanDialog; }
const ResultsControls& SeatView::Results() const { return g_->Results; }
int SeatView::DraftSlot() const { return g_->Draft.Slot(); }

bool SeatView::SaleOpen() const { return g_->SellForm.Loaded; }

bool SeatView::Hidden(int row) const {
    const SellCompaniesControls& f = g_->SellForm;
    return row >= 1 && row < static_cast<int>(f.txtBid.size()) && f.txtBidMasked[At(row)] &&
           (seatId_ == 0 || f.optPlayerId[At(row)] != seatId_);
}

SellCompaniesControls SeatView::Sale() const {
    SellCompaniesControls f = g_->SellForm;
    for (int row = 1; row < static_cast<int>(f.txtBid.size()); ++row)
        if (Hidden(row)) f.txtBid[At(row)].clear();
    return f;
}

bool SeatView::BidTyped(int row) const { return Hidden(row) && !g_->SellForm.txtBid[At(row)].empty(); }

void SeatView::CopyInto(Game& to) const {
    to.CopyFrom(*g_);
    // What another player is typing into his own window is his.
    for (int p = 1; p <= MaxPlayers; ++p) {
        if (p == seat_) continue;
        if (PlayerForm* w = to.PlayerWindowIfLoaded(p)) {
            w->txtBankNum.clear();
            w->vscBankNum = 0;
        }
    }
    SellCompaniesControls& f = to.SellForm;
    for (int row = 1; row < static_cast<int>(f.txtBid.size()); ++row)
        if (Hidden(row)) f.txtBid[At(row)].clear();
}

}  // namespace zx
