// The "Start a new game" window.

#include "rules/game.h"

namespace zx {

// TODO(lead): empty bodies until this module is written.
void NewGameForm::Form_Load() {}
void NewGameForm::SetInitialOptions() {}
void NewGameForm::SetInitialSex() {}
void NewGameForm::optNumOfPlayers_Click(int) {}
void NewGameForm::txtPlayerName_Typed(int, const std::string&) {}
void NewGameForm::cmbPlayerSex_Click(int, int) {}
void NewGameForm::optCompanySet_Click(int) {}
void NewGameForm::cmdNextSet_Click() {}
void NewGameForm::chkAutoSave_Click(bool) {}
void NewGameForm::chkSounds_Click(bool) {}
void NewGameForm::chkLimitReactionTime_Click(bool) {}
void NewGameForm::chkBackgroundMusic_Click(bool) {}
void NewGameForm::cmdStart_Click() {}
void NewGameForm::GetPlayerInfo() {}
void NewGameForm::SetPlayerNumbers() {}
void NewGameForm::cmdClose_Click() {}
void NewGameForm::Unload() {}

}  // namespace zx
