// Computer cells: thirteen random events, disasters among them.

#include "rules/game.h"

namespace zx {

// TODO(lead): empty bodies until this module is written.
void Game::Computer() {}
void Game::DestroyCompanies() {}
void Game::tmrDestroyDelay_Timer() {}
void Game::Box_Click(int) {}

}  // namespace zx
