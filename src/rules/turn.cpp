// Dice and turn order, the walk of a piece, the clocks and animations.

#include "rules/game.h"

namespace zx {

// TODO(lead): empty bodies until this module is written.
void Game::cmdRollDice_Click() {}
void Game::ContinueRollDice() {}
void Game::RollDice() {}
void Game::ChangeTurn() {}
void Game::FindNextPlayer() {}
void Game::IncrementMoves() {}
void Game::MovePieces() {}
void Game::tmrMovePieces_Timer() {}
void Game::ResetOverlap() {}
void Game::FixOverlap() {}
void Game::tmrGameTime_Timer() {}
void Game::tmrAutoSave_Timer() {}
void Game::StartReactionTimer(int) {}
void Game::StopReactionTimer() {}
void Game::tmrLimitReactionTime_Timer() {}
void Game::StartMoneyAnimation() {}
void Game::tmrChangeMoney_Timer() {}
void Game::tmrMusicDelay_Timer() {}

}  // namespace zx
