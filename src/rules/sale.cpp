// Selling a company by secret bids.

#include "rules/game.h"

namespace zx {

// TODO(lead): empty bodies until this module is written.
void SellCompaniesForm::Form_Load() {}
void SellCompaniesForm::DisableSell() {}
void SellCompaniesForm::ClearForm() {}
void SellCompaniesForm::UpdateBidsFrame() {}
void SellCompaniesForm::RefillTable() {}
void SellCompaniesForm::optName_Click(int) {}
void SellCompaniesForm::optPlayer_Click(int) {}
void SellCompaniesForm::txtBid_Typed(int, const std::string&) {}
void SellCompaniesForm::cmdSubmit_Click() {}
void SellCompaniesForm::RevealBids() {}
void SellCompaniesForm::ShowBiggestBid() {}
void SellCompaniesForm::EnableSell() {}
void SellCompaniesForm::FindBuyer() {}
void SellCompaniesForm::cmdSell_Click() {}
void SellCompaniesForm::cmdCancel_Click() {}
void SellCompaniesForm::Form_QueryUnload() {}
void SellCompaniesForm::Unload() {}

}  // namespace zx
