// Finding the cell under a piece and running its rule.

#include "rules/game.h"

namespace zx {

// TODO(lead): empty bodies until this module is written.
void Game::DetectPosition() {}
void Game::DoActions() {}
void Game::Box_DblClick(int) {}
int Game::CurrentCell() const { return 0; }

}  // namespace zx
