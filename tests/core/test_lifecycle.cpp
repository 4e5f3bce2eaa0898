// The new-game window, starting and closing games, and the Game menu's
// prompts.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "lifecycle/savefile.h"
#include "test_support.h"

namespace zx {
namespace {

namespace fs = std::filesystem;
using test::FakeUi;
using test::ScriptedRandom;

class LifecycleTest : public ::testing::Test {
protected:
    FakeUi ui;
    ScriptedRandom rnd;
    Game g{ui, rnd};

    void SetUp() override { g.Form_Load(); }

    void StartNew(int n, std::vector<std::string> names = {"Ann", "Bob", "Cid", "Dee"}) {
        g.mnuGameNew_Click();
        if (n != 0) g.NewGame.optNumOfPlayers_Click(n);
        for (std::size_t i = 0; i < names.size() && i < 4; ++i)
            g.NewGame.txtPlayerName_Typed(static_cast<int>(i) + 1, names[i]);
        g.NewGame.cmdStart_Click();
    }

    // Everything a player could see change, in one comparable text.
    std::string Snapshot() {
        std::string s = WriteSavedGame(SavedGameFrom(g.S, 0));
        s += g.Main.caption + "|" + std::to_string(g.S.GameInProgress) + std::to_string(g.Main.mnuGameSaveEnabled) +
             std::to_string(g.Main.picPiece[1].visible) + std::to_string(g.PlayerWindowLoaded(1)) +
             std::to_string(g.S.HasFileName) + g.S.FileName + g.S.PromptText;
        return s;
    }
};

using NewGameTest = LifecycleTest;

TEST_F(NewGameTest, OpensWithTheDefaults) {
    g.S.AutoSave = false;
    g.S.CompanySet = 2;
    g.mnuGameNew_Click();
    EXPECT_TRUE(ui.messages.empty());  // no game yet: nothing to save
    EXPECT_TRUE(ui.shown(WindowId::NewGame));
    const NewGameForm& f = g.NewGame;
    EXPECT_TRUE(f.Loaded);
    for (int i = 1; i <= 4; ++i) {
        EXPECT_EQ(f.txtPlayerName[i], "Player " + std::to_string(i));
        EXPECT_TRUE(f.rowEnabled[i]);
        EXPECT_EQ(f.cmbPlayerSex[i], 0);
        EXPECT_EQ(f.picPiece[i], i);
        EXPECT_FALSE(f.optNumOfPlayersValue[i]);
    }
    EXPECT_TRUE(f.optCompanySetValue[1]);
    EXPECT_FALSE(f.optCompanySetValue[2]);
    EXPECT_EQ(g.S.CompanySet, 1);
    EXPECT_EQ(g.S.PieceSet, 1);
    EXPECT_TRUE(f.chkAutoSave && f.chkSounds && f.chkBackgroundMusic && !f.chkLimitReactionTime);
    EXPECT_TRUE(g.S.AutoSave && g.S.Sounds && g.S.BackgroundMusic && !g.S.LimitReactionTime);
}

TEST_F(NewGameTest, ControlsChangeTheGameAtOnce) {
    g.mnuGameNew_Click();
    NewGameForm& f = g.NewGame;
    f.cmdNextSet_Click();
    EXPECT_EQ(g.S.PieceSet, 2);
    EXPECT_EQ(f.picPiece[1], 5);
    EXPECT_EQ(f.picPiece[4], 8);
    f.cmdNextSet_Click();
    EXPECT_EQ(g.S.PieceSet, 3);
    f.cmdNextSet_Click();
    EXPECT_EQ(g.S.PieceSet, 1);
    EXPECT_EQ(f.picPiece[2], 2);

    f.optNumOfPlayers_Click(3);
    EXPECT_TRUE(f.rowEnabled[3]);
    EXPECT_FALSE(f.rowEnabled[4]);
    EXPECT_EQ(g.S.NumOfPlayers, 3);
    EXPECT_EQ(g.S.InitialNumOfPlayers, 3);
    f.optNumOfPlayers_Click(4);
    EXPECT_TRUE(f.rowEnabled[4]);
    EXPECT_TRUE(f.optNumOfPlayersValue[4]);
    EXPECT_FALSE(f.optNumOfPlayersValue[3]);
    f.optNumOfPlayers_Click(2);
    EXPECT_FALSE(f.rowEnabled[3]);
    EXPECT_FALSE(f.rowEnabled[4]);
    EXPECT_TRUE(f.rowEnabled[2]);

    f.optCompanySet_Click(2);
    EXPECT_EQ(g.S.CompanySet, 2);
    EXPECT_TRUE(f.optCompanySetValue[2]);
    f.chkLimitReactionTime_Click(true);
    f.chkSounds_Click(false);
    EXPECT_TRUE(g.S.LimitReactionTime);
    EXPECT_FALSE(g.S.Sounds);

    // Twelve letters at most, also when they take several bytes.
    f.txtPlayerName_Typed(1, "Maximilianus the Great");
    EXPECT_EQ(f.txtPlayerName[1], "Maximilianus");
    f.txtPlayerName_Typed(2, "ÉÉÉÉÉÉÉÉÉÉÉÉÉÉ");
    EXPECT_EQ(f.txtPlayerName[2], "ÉÉÉÉÉÉÉÉÉÉÉÉ");

    // Close keeps the options chosen but starts nothing; the next New shows
    // the defaults again.
    f.cmdClose_Click();
    EXPECT_FALSE(f.Loaded);
    EXPECT_EQ(ui.count("close", WindowId::NewGame), 1);
    EXPECT_FALSE(g.S.GameInProgress);
    EXPECT_FALSE(g.S.Sounds);
    g.mnuGameNew_Click();
    EXPECT_TRUE(g.S.Sounds);
    EXPECT_EQ(f.txtPlayerName[1], "Player 1");
    EXPECT_EQ(g.S.CompanySet, 1);
}

TEST_F(NewGameTest, StartRefusesMissingAndIdenticalNames) {
    g.mnuGameNew_Click();
    NewGameForm& f = g.NewGame;
    f.optNumOfPlayers_Click(3);
    f.txtPlayerName_Typed(2, "");
    f.txtPlayerName_Typed(4, "");  // beyond the players chosen: ignored
    ui.clear();
    f.cmdStart_Click();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "Please enter a name.");
    EXPECT_EQ(ui.messages[0].title, "No name");
    EXPECT_EQ(ui.messages[0].icon, MsgIcon::Exclamation);
    ASSERT_EQ(ui.focuses.size(), 1u);
    EXPECT_EQ(ui.focuses[0], std::make_pair(FocusId::NewGameName, 2));
    EXPECT_TRUE(f.Loaded);
    EXPECT_FALSE(g.S.GameInProgress);

    f.txtPlayerName_Typed(2, " ");  // a blank is a name
    f.txtPlayerName_Typed(3, "Player 1");
    ui.clear();
    f.cmdStart_Click();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "Please don't use identical names.");
    EXPECT_EQ(ui.messages[0].title, "Bad names");
    EXPECT_TRUE(f.Loaded);
    EXPECT_FALSE(g.S.GameInProgress);

    f.txtPlayerName_Typed(3, "player 1");  // letter case makes it another name
    ui.clear();
    f.cmdStart_Click();
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_FALSE(f.Loaded);
    EXPECT_TRUE(g.S.GameInProgress);
    EXPECT_EQ(g.S.PlayerName[2], " ");
    EXPECT_EQ(g.S.PlayerName[3], "player 1");
    EXPECT_EQ(g.S.PlayerSex[3], "Female");
    EXPECT_EQ(g.S.PlayerPiece[3], "3");
    EXPECT_EQ(g.S.CurrentPlayer, 3);
}

TEST_F(LifecycleTest, TwoPlayerStartUsesOnlyTheirPiecesAndWindows) {
    g.mnuGameNew_Click();
    g.NewGame.optNumOfPlayers_Click(2);
    g.NewGame.cmbPlayerSex_Click(2, 1);
    g.NewGame.txtPlayerName_Typed(1, "Ann");
    g.NewGame.txtPlayerName_Typed(2, "Bob");
    g.NewGame.cmdNextSet_Click();
    g.NewGame.chkAutoSave_Click(false);
    g.NewGame.cmdStart_Click();

    EXPECT_TRUE(g.S.GameInProgress);
    EXPECT_EQ(g.S.PlayerSex[2], "Male");
    EXPECT_EQ(g.Main.caption, "Zentrix 3.0 - Ann, Bob, 8,12,2026.znx");
    EXPECT_EQ(g.S.FileName, "Ann, Bob, 8,12,2026.znx");
    EXPECT_TRUE(g.Main.mnuGameCloseEnabled && g.Main.mnuGameSaveEnabled && g.Main.mnuGameSaveAsEnabled);
    EXPECT_TRUE(g.Main.picPiece[1].visible && g.Main.picPiece[2].visible);
    EXPECT_FALSE(g.Main.picPiece[3].visible || g.Main.picPiece[4].visible);
    EXPECT_EQ(g.Main.picPiece[2].picture, 6);  // piece 2 of set 2
    EXPECT_EQ(g.Main.picPiece[1].toolTip, "Ann's piece");
    EXPECT_EQ(g.S.PieceLeft[3], StartBoxLeft(3) + PieceInset);

    ASSERT_TRUE(g.PlayerWindowLoaded(1) && g.PlayerWindowLoaded(2));
    EXPECT_FALSE(g.PlayerWindowLoaded(3));
    EXPECT_FALSE(g.PlayerWindowLoaded(4));
    const PlayerForm& w1 = g.PlayerWindow(1);
    const PlayerForm& w2 = g.PlayerWindow(2);
    EXPECT_EQ(std::make_pair(w1.Left, w1.Top), std::make_pair(0, 1500));
    EXPECT_EQ(std::make_pair(w2.Left, w2.Top), std::make_pair(12000, 1500));
    EXPECT_EQ(w2.Caption, "Bob");
    EXPECT_EQ(w2.Icon, 6);
    EXPECT_TRUE(w1.Visible);
    EXPECT_FALSE(w1.cmdDepositEnabled || w1.fraInsuranceEnabled);
    EXPECT_EQ(w1.lblCash, "$5,000,000");

    EXPECT_EQ(g.S.PromptText, "Game started!");
    EXPECT_EQ(g.Main.lblPrompt.text, "Game started!");
    EXPECT_EQ(g.S.HintText,
              "The small windows you see around the game board are player windows.  You perform tasks using your "
              "own personal window.  Click the Roll Dice button to begin!");
    EXPECT_TRUE(g.Main.cmdRollDiceEnabled);
    EXPECT_TRUE(g.TimerEnabled(TimerId::GameTime));
    EXPECT_FALSE(g.TimerEnabled(TimerId::AutoSave));
    EXPECT_EQ(g.Main.lblGameTime, "0 Minutes");
    EXPECT_EQ(g.Main.lblMoves, "0");
    EXPECT_EQ(g.Main.cellLogo[6], 1);
    EXPECT_EQ(g.Main.cellLogo[32], 12);
    EXPECT_EQ(g.Main.cellToolTip[6], "International Business Machines [IBM] (Computers Complex)");
    EXPECT_EQ(g.S.CompanyName[5], "Intel");
    EXPECT_EQ(g.S.ComplexName[2], "CPU Complex");
    EXPECT_EQ(g.S.ComputerMessage[4], "Fire at Computers Complex!");
    EXPECT_EQ(g.S.ComputerMessage[7], "Storm at Multimedia Complex!");
    EXPECT_EQ(g.S.ComputerMessage[13], "Don't play for one turn!");
}

TEST_F(LifecycleTest, MorePlayersSitInTwoColumns) {
    StartNew(3);
    EXPECT_EQ(g.PlayerWindow(2).Left, 0);
    EXPECT_EQ(g.PlayerWindow(2).Top, 5500);
    EXPECT_EQ(g.PlayerWindow(3).Left, 12000);
    EXPECT_EQ(g.PlayerWindow(3).Top, 1500);
    EXPECT_TRUE(g.Main.picPiece[3].visible);
    EXPECT_FALSE(g.Main.picPiece[4].visible);

    ui.answers.push_back(MsgAnswer::No);
    g.mnuGameNew_Click();
    g.NewGame.optNumOfPlayers_Click(4);
    g.NewGame.optCompanySet_Click(2);
    for (int i = 1; i <= 4; ++i) g.NewGame.txtPlayerName_Typed(i, std::string(1, static_cast<char>('A' + i)));
    g.NewGame.cmdStart_Click();
    EXPECT_EQ(g.PlayerWindow(4).Left, 12000);
    EXPECT_EQ(g.PlayerWindow(4).Top, 5500);
    EXPECT_EQ(g.S.FileName, "B, C, D, E, 8,12,2026.znx");
    EXPECT_EQ(g.Main.cellToolTip[6], "General Motors [GM] (US Complex)");
    EXPECT_EQ(g.Main.cellLogo[6], 13);
    EXPECT_EQ(g.S.ComputerMessage[5], "Earthquake at Japanese Complex!");
}

TEST_F(LifecycleTest, NamesCannotTurnTheDefaultFileNameIntoAPath) {
    StartNew(2, {"../x", "a\\b:c"});
    EXPECT_EQ(g.S.PlayerName[1], "../x");
    EXPECT_EQ(g.S.FileName, ".._x, a_b_c, 8,12,2026.znx");
}

TEST_F(LifecycleTest, CancelInAnySavePromptLeavesTheGameAsItWas) {
    StartNew(2);
    g.S.Cash[1] = 1'234'567;
    const std::string before = Snapshot();
    struct Command { void (Game::*run)(); const char* text; MsgIcon icon; };
    const Command commands[] = {
        {&Game::mnuGameNew_Click, "Do you want to save before starting a new game?", MsgIcon::Question},
        {&Game::mnuGameClose_Click, "Do you want to save this game before closing it?", MsgIcon::Exclamation},
        {&Game::mnuGameExit_Click, "Do you want to save before quitting?", MsgIcon::Question},
        {&Game::mnuGameLoad_Click, "Do you want to save before loading another game?", MsgIcon::Question},
    };
    for (const auto& c : commands) {
        ui.clear();
        ui.answers.push_back(MsgAnswer::Cancel);
        (g.*c.run)();
        ASSERT_EQ(ui.messages.size(), 1u) << c.text;
        EXPECT_EQ(ui.messages[0].text, c.text);
        EXPECT_EQ(ui.messages[0].title, "Want to save?");
        EXPECT_EQ(ui.messages[0].icon, c.icon);
        EXPECT_EQ(ui.messages[0].buttons, MsgButtons::YesNoCancel);
        EXPECT_EQ(Snapshot(), before) << c.text;
        EXPECT_FALSE(ui.quitCalled);
        EXPECT_TRUE(ui.saveDialogs.empty() && ui.openDialogs.empty());
    }
}

TEST_F(LifecycleTest, NoAndYesAnswersGoOn) {
    StartNew(2);
    ui.answers.push_back(MsgAnswer::No);
    g.mnuGameClose_Click();
    EXPECT_FALSE(g.S.GameInProgress);
    EXPECT_FALSE(g.Main.mnuGameCloseEnabled);
    ui.clear();
    g.mnuGameClose_Click();  // disabled now: nothing happens
    g.mnuGameExit_Click();   // no game: nothing to ask
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_TRUE(ui.quitCalled);

    // Yes in waiting mode: the refusal is shown and the command goes on.
    ui.quitCalled = false;
    StartNew(2);
    g.S.WaitingMode = true;
    ui.clear();
    ui.answers.push_back(MsgAnswer::Yes);
    g.mnuGameLoad_Click();
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[1].text, "Can't save game in waiting mode!");
    EXPECT_FALSE(g.S.GameInProgress);
    EXPECT_FALSE(g.S.WaitingMode);
    ASSERT_EQ(ui.openDialogs.size(), 1u);  // cancelled: the board stays empty
    EXPECT_EQ(ui.openDialogs[0], "Load Game");
    EXPECT_FALSE(g.Main.picPiece[1].visible);

    // Yes with a cancelled Save dialog: Exit still quits.
    StartNew(2);
    ui.clear();
    ui.answers.push_back(MsgAnswer::Yes);
    g.mnuGameExit_Click();
    EXPECT_EQ(ui.saveDialogs.size(), 1u);
    EXPECT_TRUE(ui.quitCalled);
}

TEST_F(LifecycleTest, AFailedSaveInAPromptKeepsTheGame) {
    const fs::path dir = fs::temp_directory_path() / "zx_lifecycle_failed_save";
    fs::create_directories(dir);
    const std::string blocker = (dir / "plain").string();
    { std::ofstream(blocker) << "x"; }
    StartNew(2);
    ui.clear();
    ui.answers.push_back(MsgAnswer::Yes);
    ui.saveAnswers.push_back(blocker + "/game.znx");
    g.mnuGameExit_Click();
    EXPECT_FALSE(ui.quitCalled);
    EXPECT_TRUE(g.S.GameInProgress);
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[1].title, "Save failed");
    fs::remove_all(dir);
}

TEST_F(LifecycleTest, CloseGameLeavesNothingOfTheGameBehind) {
    StartNew(4);
    GameState& s = g.S;
    s.CompanyOwner[1] = s.CompanyOwner[2] = s.CompanyOwner[3] = 2;
    s.CompanyComplexed[1] = s.CompanyComplexed[2] = s.CompanyComplexed[3] = true;
    s.ComplexOwner[1] = 2;
    s.CompanyInsured[5] = true;
    s.CompanyOwner[5] = 1;
    s.Cash[3] = 10;
    s.MoneyInBank[4] = 99;
    s.Moves = 77;
    s.GameTime = 12;
    s.LoanCount = 1;
    g.Draft.Take(s, 2);
    s.WinnerCount = 1;
    s.Finisher[1] = "Zed";
    s.MissNextTurn[2] = s.HalfTaxBonus[3] = s.FreeInsuranceBonus[1] = true;
    s.ExtraTurn = true;
    s.BuyMode = s.DestroyMode = s.MoveAnywhereMode = s.WaitingMode = true;
    s.TaxDebtPending = s.LoanRepayPending = true;
    s.PieceLeft[2] = 4000;
    s.EstateHistory[10][1] = 5.0;
    g.Main.shpDestroyMask[3] = true;
    g.Main.picDice = 4;
    g.SetTimer(TimerId::MovePieces, true);
    g.SetTimer(TimerId::DestroyDelay, true);
    g.SetTimer(TimerId::LimitReactionTime, true);
    g.GraphLoaded = true;

    ui.clear();
    g.CloseGame();
    EXPECT_FALSE(s.GameInProgress);
    EXPECT_FALSE(s.BackgroundMusic);
    for (int p = 1; p <= 4; ++p) {
        EXPECT_FALSE(g.PlayerWindowLoaded(p));
        EXPECT_FALSE(g.Main.picPiece[p].visible);
        EXPECT_EQ(s.Cash[p], StartCash);
        EXPECT_EQ(s.DisplayedCash[p], StartCash);
        EXPECT_EQ(s.MoneyInBank[p], 0);
        EXPECT_EQ(s.PieceLeft[p], StartBoxLeft(p) + PieceInset);
        EXPECT_EQ(s.PieceTop[p], StartBoxTop(p) + PieceInset);
        EXPECT_FALSE(s.MissNextTurn[p] || s.HalfTaxBonus[p] || s.FreeInsuranceBonus[p]);
        EXPECT_TRUE(s.Finisher[p].empty());
        EXPECT_EQ(s.ComplexOwner[p], 0);
        EXPECT_FALSE(g.Main.ComplexFrame[p].visible);
        EXPECT_FALSE(g.Main.shpDestroyMask[p]);
    }
    for (int k = 1; k <= 12; ++k) {
        EXPECT_EQ(s.CompanyOwner[k], 0);
        EXPECT_FALSE(s.CompanyInsured[k] || s.CompanyComplexed[k]);
        EXPECT_EQ(g.Main.cellLogo[CompanyBox(k)], 0);
        EXPECT_EQ(g.Main.cellToolTip[CompanyBox(k)], "Company cell");
        EXPECT_FALSE(g.Main.Frame[k].visible);
    }
    EXPECT_EQ(s.Moves, 0);
    EXPECT_EQ(s.GameTime, 0);
    EXPECT_EQ(s.LoanCount, 0);
    EXPECT_EQ(s.WinnerCount, 0);
    EXPECT_FALSE(s.ExtraTurn);
    EXPECT_FALSE(s.BuyMode || s.DestroyMode || s.MoveAnywhereMode || s.WaitingMode);
    EXPECT_FALSE(s.TaxDebtPending || s.LoanRepayPending);
    EXPECT_FALSE(s.EstateHistory[10][1].has_value());
    EXPECT_EQ(g.Draft.Slot(), 0);
    EXPECT_EQ(g.Main.caption, "Zentrix 3.0");
    EXPECT_TRUE(g.Main.lblPrompt.text.empty() && g.Main.lblHint.text.empty());
    EXPECT_TRUE(g.Main.lblCurrentPlayer.text.empty() && g.Main.lblGameTime.empty() && g.Main.lblMoves.empty());
    EXPECT_EQ(g.Main.picDice, 0);
    EXPECT_FALSE(g.Main.mnuGameCloseEnabled || g.Main.mnuGameSaveEnabled || g.Main.mnuGameSaveAsEnabled);
    EXPECT_FALSE(g.Main.cmdRollDiceEnabled);
    for (TimerId t : {TimerId::MovePieces, TimerId::ChangeMoney, TimerId::GameTime, TimerId::AutoSave,
                      TimerId::LimitReactionTime, TimerId::DestroyDelay, TimerId::MusicDelay})
        EXPECT_FALSE(g.TimerEnabled(t));
    EXPECT_FALSE(g.GraphLoaded);
    EXPECT_EQ(ui.count("close", WindowId::Graph), 1);
    EXPECT_EQ(ui.count("close", WindowId::Player), 4);

    ui.clear();
    g.CloseGame();  // again, with no game: harmless
    EXPECT_EQ(ui.count("close", WindowId::Player), 0);
}

TEST_F(LifecycleTest, ANewGameAfterAFinishedOneStartsClean) {
    StartNew(3);
    // The end of a game as the board leaves it: one player left, one winner,
    // one loser, the personal windows gone; then OK in the results window.
    GameState& s = g.S;
    s.NumOfPlayers = 1;
    s.WinnerCount = 1;
    s.Finisher = {"", "Bob", "Ann", "Cid", ""};
    s.Cash[1] = 7'000'000;
    s.MoneyInBank[1] = 600'000;
    s.CompanyOwner[4] = 1;
    s.Moves = 300;
    s.HalfTaxBonus[1] = true;
    s.GameInProgress = false;
    for (int p = 1; p <= 4; ++p) g.UnloadPlayerWindow(p);
    g.CloseGame();

    ui.clear();
    g.mnuGameNew_Click();
    EXPECT_TRUE(ui.messages.empty());
    g.NewGame.txtPlayerName_Typed(1, "Eve");
    g.NewGame.txtPlayerName_Typed(2, "Fay");
    g.NewGame.cmdStart_Click();  // no number chosen: a game for two
    EXPECT_TRUE(s.GameInProgress);
    EXPECT_EQ(s.NumOfPlayers, 2);
    EXPECT_EQ(s.InitialNumOfPlayers, 2);
    EXPECT_EQ(s.CurrentPlayer, 2);
    EXPECT_EQ(s.Cash[1], StartCash);
    EXPECT_EQ(s.MoneyInBank[1], 0);
    EXPECT_EQ(s.CompanyOwner[4], 0);
    EXPECT_EQ(s.Moves, 0);
    EXPECT_EQ(s.WinnerCount, 0);
    EXPECT_TRUE(s.Finisher[1].empty());
    EXPECT_FALSE(s.HalfTaxBonus[1]);
    EXPECT_EQ(g.PlayerWindow(1).Caption, "Eve");
    EXPECT_FALSE(g.Main.picPiece[3].visible);
}

TEST_F(LifecycleTest, ARollOfTheClosedGameDoesNotGoOnInTheNext) {
    StartNew(2);
    g.S.Sounds = true;
    g.cmdRollDice_Click();  // waits for the dice sound to end
    ASSERT_EQ(g.S.CurrentSound, "Dice");
    ui.answers.push_back(MsgAnswer::No);
    StartNew(2);
    g.mmcSounds_Done();
    EXPECT_EQ(g.S.Moves, 0);
    EXPECT_EQ(g.Main.picDice, 0);
    EXPECT_FALSE(g.TimerEnabled(TimerId::MovePieces));
}

TEST_F(LifecycleTest, LoadingClosesAnOpenSetUp) {
    g.mnuGameNew_Click();
    ASSERT_TRUE(g.NewGame.Loaded);
    g.mnuGameLoad_Click();  // the open dialog is cancelled
    EXPECT_FALSE(g.NewGame.Loaded);
    EXPECT_EQ(ui.count("close", WindowId::NewGame), 1);
}

}  // namespace
}  // namespace zx
