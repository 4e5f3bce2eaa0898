// The game's sounds and music, through the sound device of the Ui.

#include "rules/game.h"

namespace zx {

// TODO(lead): empty bodies until this module is written.
void Game::PlaySoundFile(const std::string&) {}
void Game::PlayDiceSound() {}
void Game::PlayDiceNumberSound(int) {}
void Game::PlayMoveSound() {}
void Game::PlayMoneySound() {}
void Game::PlayComputerSound() {}
void Game::PlayStormSound() {}
void Game::PlayEarthquakeSound() {}
void Game::PlayFireSound() {}
void Game::PlayPositiveSound() {}
void Game::PlayNegativeSound() {}
void Game::PlayWaitSound() {}
void Game::PlayWinSound() {}
void Game::PlayLoseSound() {}
void Game::StopSounds() {}
void Game::PlayNextMusic() {}
void Game::StopMusic() {}
void Game::PlayFinishMusic() {}
void Game::mmcSounds_Done() {}
void Game::mmcBackgroundMusic_Done() {}

}  // namespace zx
