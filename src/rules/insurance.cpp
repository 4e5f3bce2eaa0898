// Insurance cells open insurance mode in the personal window.

#include "rules/game.h"

namespace zx {

// TODO(lead): empty bodies until this module is written.
void Game::Insurance() {}

}  // namespace zx
