// Bank cells pay interest and take deposits; Tax cells charge the tax.

#include "rules/game.h"

namespace zx {

// TODO(lead): empty bodies until this module is written.
void Game::Bank() {}
void Game::Tax() {}
void Game::CalculateTotalTax() {}

}  // namespace zx
