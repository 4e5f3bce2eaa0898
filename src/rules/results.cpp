// The "Game over!" window and the trend graph's button.

#include "rules/game.h"

namespace zx {

// TODO(lead): empty bodies until this module is written.
void ResultsForm::Form_Load() {}
void ResultsForm::cmdOK_Click() {}
void Game::cmdShowGraph_Click() {}
void Game::mnuHelpHelp_Click() {}
void Game::mnuHelpAbout_Click() {}

}  // namespace zx
