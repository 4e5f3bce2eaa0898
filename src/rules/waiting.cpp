// Debts: the "Waiting..." window, paying later, and losing.

#include "rules/game.h"

namespace zx {

// TODO(lead): empty bodies until this module is written.
void WaitForm::Show() {}
void WaitForm::cmdPay_Click() {}
void WaitForm::cmdILose_Click() {}
void WaitForm::Unload() {}
void Game::Lose(int) {}
void Game::UnloadForms(int) {}

}  // namespace zx
