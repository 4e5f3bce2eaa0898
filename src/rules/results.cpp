// The "Game over!" window, the trend graph's button, help and About.

#include "rules/game.h"

namespace zx {

void ResultsForm::Form_Load() {
    GameState& S = g.S;
    g.StopMusic();
    g.PlayFinishMusic();
    // A finished game is not saved again.
    g.SetTimer(TimerId::AutoSave, false);
    rowVisible = {};
    lblFinisher = {};
    for (int i = 1; i <= S.InitialNumOfPlayers && i <= MaxPlayers; ++i) {
        lblFinisher[static_cast<std::size_t>(i)] = S.Finisher[static_cast<std::size_t>(i)];
        rowVisible[static_cast<std::size_t>(i)] = true;
    }
    Loaded = true;
}

// Also what the window's close command does. Once is enough: the game it
// ends is gone after the first.
void ResultsForm::cmdOK_Click() {
    if (!Loaded) return;
    g.PlayPositiveSound();
    Loaded = false;
    g.ui.closeWindow(WindowId::Results, 0);
    g.CloseGame();
}

void Game::cmdShowGraph_Click() {
    if (Main.cmdRollDiceEnabled) ui.focus(FocusId::RollDice, 0);
    GraphLoaded = true;
    ui.showWindow(WindowId::Graph, 0, false);
}

void Game::mnuHelpHelp_Click() { ui.showHelp(""); }

void Game::mnuHelpAbout_Click() { ui.showWindow(WindowId::About, 0, true); }

}  // namespace zx
