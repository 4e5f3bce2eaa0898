// Loans between players: the "Lend money" window and the schedule.

#include "rules/game.h"

namespace zx {

// TODO(lead): empty bodies until this module is written.
void LoanForm::Form_Load() {}
void LoanForm::optPlayer_Click(int) {}
void LoanForm::txtLoanNum_Typed(const std::string&) {}
void LoanForm::vscLoanNum_Change(int) {}
void LoanForm::VScroll_Change(int) {}
void LoanForm::cmdLoan_Click() {}
void LoanForm::cmdCancel_Click() {}
void LoanForm::Form_QueryUnload() {}
void LoanForm::Unload() {}
void Game::FindBorrower() {}
void Game::RepayDueLoans() {}
void Game::RemoveLoan(int) {}
void Game::SettleLoansOfLoser(int) {}
void Game::SettleLoansOfWinner(int) {}

}  // namespace zx
