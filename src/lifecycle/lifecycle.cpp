// Starting, closing and quitting games, with their save prompts.

#include "rules/game.h"

namespace zx {

// TODO(lead): empty bodies until this module is written.
void Game::mnuGameNew_Click() {}
void Game::mnuGameClose_Click() {}
void Game::mnuGameExit_Click() {}
void Game::StartGame() {}
void Game::CloseGame() {}
void Game::ResetGameData() {}
void Game::SetDefaultFileName() {}

}  // namespace zx
