// Complexes, estates, winning, and taking a player out of the game.

#include "rules/game.h"

namespace zx {

// TODO(lead): empty bodies until this module is written.
void Game::CheckNewComplexes() {}
void Game::BreakComplex(int, int) {}
void Game::CalculateEstate(int) {}
void Game::RecordEstateHistory() {}
void Game::CheckWin(int) {}
void Game::PlayerWins(int) {}
void Game::ReleaseCompanies(int) {}
void Game::RemovePiece(int) {}
void Game::RemovePlayerData(int) {}
void Game::CheckGameEnd() {}
void Game::CloseOffersOf(int) {}

}  // namespace zx
