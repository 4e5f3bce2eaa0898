// The game's sounds and music, through the sound device of the Ui.

#include <string>

#include "rules/game.h"

namespace zx {

void Game::PlaySoundFile(const std::string& file) {
    if (S.Sounds && !Instant) ui.playSound(file);
}

void Game::PlayDiceSound() {
    S.CurrentSound = "Dice";
    PlaySoundFile("Dice.wav");
}

void Game::PlayDiceNumberSound(int n) {
    if (n < 1 || n > 6) return;  // there are only six faces to say
    PlaySoundFile(std::to_string(n) + ".wav");
}

void Game::PlayMoveSound() { PlaySoundFile("Move.wav"); }
void Game::PlayMoneySound() { PlaySoundFile("Money.wav"); }
void Game::PlayComputerSound() { PlaySoundFile("Computer.wav"); }
void Game::PlayStormSound() { PlaySoundFile("Storm.wav"); }
void Game::PlayEarthquakeSound() { PlaySoundFile("Earthquake.wav"); }
void Game::PlayFireSound() { PlaySoundFile("Fire.wav"); }
void Game::PlayPositiveSound() { PlaySoundFile("Positive.wav"); }
void Game::PlayNegativeSound() { PlaySoundFile("Negative.wav"); }
void Game::PlayWaitSound() { PlaySoundFile("Wait.wav"); }
void Game::PlayWinSound() { PlaySoundFile("Win.wav"); }
void Game::PlayLoseSound() { PlaySoundFile("Lose.wav"); }

void Game::StopSounds() {
    ui.stopSounds();
    // A roll still waiting for the end of its dice sound must not be
    // forgotten: the device reports the end of a stopped sound too, and
    // that report is what carries the roll on.
    if (S.CurrentSound != "Dice") S.CurrentSound.clear();
}

void Game::PlayNextMusic() {
    int last = S.MusicNumber;
    if (last < 0) last = 0;
    S.MusicNumber = last % 7 + 1;
    ui.playMusic("Music/Music" + std::to_string(S.MusicNumber) + ".mid");
}

void Game::StopMusic() {
    S.BackgroundMusic = false;
    SetTimer(TimerId::MusicDelay, false);
    ui.stopMusic();
}

void Game::PlayFinishMusic() { ui.playMusic("Sounds/Finish.mid"); }

void Game::mmcSounds_Done() {
    // Cleared before the roll goes on: throwing the die plays the number's
    // sound, which cuts off whatever still plays, and the end report of that
    // must not carry the same roll on a second time.
    bool rollWaiting = S.CurrentSound == "Dice";
    S.CurrentSound.clear();
    if (rollWaiting) ContinueRollDice();
}

void Game::mmcBackgroundMusic_Done() {
    if (S.BackgroundMusic) SetTimer(TimerId::MusicDelay, true);
}

}  // namespace zx
