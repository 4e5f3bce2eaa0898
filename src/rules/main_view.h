#pragma once
// What the main window shows: the model of frmMain's controls. The rules
// write it, the Qt main window draws it.

#include <array>
#include <string>

#include "rules/functions.h"
#include "rules/text.h"
#include "state/game_state.h"

namespace zx {

struct TextLine {
    std::string text;
    Rgb color = Black;
};

struct PieceView {
    bool visible = false;
    int picture = 1;        // piece picture 1..12
    std::string toolTip;
};

struct OutlineView {
    bool visible = false;
    Rgb color = Black;
};

struct MainView {
    static constexpr const char* BaseCaption = "Zentrix 3.0";
    std::string caption = BaseCaption;

    TextLine lblPrompt{Say(ZX_TEXT("Main", "Game prompts are shown here")), Black};
    TextLine lblComputerPrompt{Say(ZX_TEXT("Main", "Computer prompts are shown here")), Black};
    TextLine lblHint{Say(ZX_TEXT("Main", "Welcome to Zentrix!  Go to Game->New to start a new game, Game->Load to "
                                         "load a saved game, or Help->Help to learn the rules and find out how to play.")),
                     Black};
    TextLine lblCurrentPlayer;
    TextLine lblNextPlayer;
    std::string lblGameTime;
    std::string lblMoves;
    std::string lblReactionTime;

    bool cmdRollDiceEnabled = false;
    int picDice = 0;  // 0 blank, 1..6 the face shown

    // Board: cells 1..32. A company cell shows its logo (0 = no logo).
    std::array<int, 33> cellLogo{};
    std::array<std::string, 33> cellToolTip{};

    std::array<PieceView, MaxPlayers + 1> picPiece{};          // 1..4
    std::array<OutlineView, NumCompanies + 1> Frame{};         // 1..12
    std::array<OutlineView, NumComplexes + 1> ComplexFrame{};  // 1..4
    std::array<bool, NumComplexes + 1> shpDestroyMask{};       // 1..4

    bool mnuGameCloseEnabled = false;
    bool mnuGameSaveEnabled = false;
    bool mnuGameSaveAsEnabled = false;
};

}  // namespace zx
