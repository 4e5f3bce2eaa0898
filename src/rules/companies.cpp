// Landing on a company: income for the owner, a fee from anyone else.

#include "rules/game.h"

namespace zx {

// TODO(lead): empty bodies until this module is written.
void Game::PayCompOwner() {}

}  // namespace zx
