// The company market cells and the "Buy a company" window.

#include "rules/game.h"

namespace zx {

// TODO(lead): empty bodies until this module is written.
void Game::BuyCompany() {}
void Game::FindBuyZoneNumber() {}
void BuyCompanyForm::Form_Activate() {}
void BuyCompanyForm::optName_Click(int) {}
void BuyCompanyForm::cmdBuy_Click() {}
void BuyCompanyForm::cmdCancel_Click() {}
void BuyCompanyForm::Unload() {}

}  // namespace zx
