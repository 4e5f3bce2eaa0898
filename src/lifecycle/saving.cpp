// The Save, Save As and Load commands.

#include "rules/game.h"

namespace zx {

// TODO(lead): empty bodies until this module is written.
void Game::mnuGameSave_Click() {}
void Game::mnuGameSaveAs_Click() {}
void Game::mnuGameLoad_Click() {}
bool Game::SaveGame() { return false; }
bool Game::SaveGameData() { return false; }
bool Game::LoadGameData(const std::string&) { return false; }

}  // namespace zx
