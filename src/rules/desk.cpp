// The personal window: deposits, withdrawals, insurance, and its doors.

#include "rules/game.h"

namespace zx {

// TODO(lead): empty bodies until this module is written.
void PlayerForm::vscBankNum_Change(int) {}
void PlayerForm::txtBankNum_Typed(const std::string&) {}
void PlayerForm::SetBankNum(const std::string&) {}
void PlayerForm::txtBankNum_Change() {}
void PlayerForm::cmdDeposit_Click() {}
void PlayerForm::cmdWithdraw_Click() {}
void PlayerForm::cmdOK_Click() {}
void PlayerForm::chkInsurance_Click(int) {}
void PlayerForm::cmdSellCompanies_Click() {}
void PlayerForm::cmdLoan_Click() {}
void PlayerForm::cmdQuitGame_Click() {}
bool PlayerForm::Form_QueryUnload(bool) { return false; }
void PlayerForm::lstCompanies_Click(int) {}
int PlayerForm::Owner() const { return 0; }
int Game::FindCompanyNumber(int, int) { return 0; }
void Game::CalculateInsuranceCost() {}
void Game::InsureCompanies() {}

}  // namespace zx
