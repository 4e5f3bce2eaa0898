// The game log: what it keeps of a sale, a loan, a landing, a save and a
// load, and that it never tells more than the screen did.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "test_support.h"

namespace zx {
namespace {

using test::FakeUi;
using test::PlaceOn;
using test::ScriptedRandom;
using test::SetUpGame;

struct GameLogTest : ::testing::Test {
    FakeUi ui;
    ScriptedRandom rnd;
    Game g{ui, rnd};
    GameState& s = g.S;

    std::string Text() const { return g.Log.PlainText(); }
};

TEST_F(GameLogTest, ASaleShowsItsBidsOnlyOnceSubmitHasRevealedThem) {
    SetUpGame(g, 4);
    s.Moves = 12;
    s.CompanyOwner[1] = 1;
    g.UpdatePlayerWindows();
    s.SellingPlayer = 1;
    SellCompaniesForm& f = g.SellForm;
    f.Form_Load();
    // A bid too high is refused on screen, and so in the log, without its figure.
    f.txtBid_Typed(1, "3100000");
    f.cmdSubmit_Click();
    f.txtBid_Typed(1, "1500000");
    f.txtBid_Typed(2, "1200000");
    EXPECT_EQ(Text(), "Move 12: Bad number  Bids can't be bigger than 1.5 times the company value!\n");

    f.cmdSubmit_Click();
    f.optPlayer_Click(1);
    f.cmdSell_Click();
    EXPECT_EQ(Text(),
              "Move 12: Bad number  Bids can't be bigger than 1.5 times the company value!\n"
              "Move 12: Bids for IBM: Bank $1,000,000, Bob $1,500,000, Cid $1,200,000, Dee no bid.\n"
              "Move 12: Ann sold IBM to Bob at $1,500,000!\n");
    EXPECT_EQ(g.Log.Lines().back().color, PlayerColor(s, 1));
}

TEST_F(GameLogTest, ALoanAndItsRepaymentAtALandingAreLinesOfTheirOwn) {
    SetUpGame(g, 3);
    s.Moves = 40;
    g.Draft.Take(s, 1);
    LoanForm& f = g.LoanDialog;
    f.Form_Load();
    f.optPlayer_Click(2);
    f.txtLoanNum_Typed("2.5");
    f.VScroll_Change(8);
    ui.answers.push_back(MsgAnswer::Yes);
    f.cmdLoan_Click();
    ASSERT_EQ(g.Log.Lines().size(), 1u) << "the question is not an event, the loan is";
    EXPECT_EQ(g.Log.Lines()[0].text.rfind("Ann loaned $2,500,000 to Bob with 30 % interest for 30 moves!", 0), 0u);
    EXPECT_TRUE(g.Log.Lines()[0].standing) << "people's loans change the standing";

    // Move 70: Cid walks onto IBM, nobody's company, and the loan falls due.
    g.ClearPrompts();
    s.Moves = 70;
    s.CurrentPlayer = 3;
    s.Dice = 5;
    PlaceOn(g, 3, 6);
    LogWalk(g);
    g.DoActions();
    const auto& lines = g.Log.Lines();
    ASSERT_EQ(lines.size(), 4u) << Text();
    EXPECT_EQ(GameLog::Format(lines[1]), "Move 70: Cid rolled a 5 and walked to cell 6, IBM.");
    EXPECT_EQ(lines[2].text, "Nobody owns this company!");
    EXPECT_EQ(lines[3].text, "Bob repaid his $3,250,000 loan to Ann!");
    EXPECT_FALSE(lines[1].standing || lines[2].standing);
}

TEST_F(GameLogTest, AVoidDisasterIsReplacedByTheDecisionDrawnAgain) {
    SetUpGame(g, 2);
    s.CurrentPlayer = 1;
    PlaceOn(g, 1, 18);
    rnd.push(6, 13);
    rnd.values.push_back(0.2);  // a flood that does not happen
    rnd.push(11, 13);
    const auto generation = g.Log.Generation();
    g.Computer();
    EXPECT_EQ(Text(), "Move 0: Computer: Pay only half of your tax next time!\n");
    EXPECT_NE(g.Log.Generation(), generation) << "a reader that showed the flood must copy the lines again";
    EXPECT_FALSE(g.Log.Lines()[0].standing);
}

TEST_F(GameLogTest, ADisasterThatStrikesAndTheCompaniesItDestroysChangeTheStanding) {
    SetUpGame(g, 2);
    s.CurrentPlayer = 1;
    s.CompanyOwner[7] = 2;
    PlaceOn(g, 1, 18);
    rnd.push(6, 13);
    rnd.values.push_back(0.9);  // the flood strikes
    g.Computer();
    g.tmrDestroyDelay_Timer();
    const auto& lines = g.Log.Lines();
    ASSERT_EQ(lines.size(), 2u) << Text();
    EXPECT_EQ(lines[0].text, "Computer: Flood at Software Complex!");
    EXPECT_EQ(lines[1].text.rfind(s.CompanyName[7] + " was destroyed and Bob didn't receive", 0), 0u);
    EXPECT_TRUE(lines[0].standing && lines[1].standing);
}

TEST_F(GameLogTest, AMissedTurnAWinAndALossAreLinesOfTheirOwn) {
    SetUpGame(g, 4);
    s.Moves = 4;
    s.MissNextTurn[1] = true;
    rnd.pushDie(3);
    g.cmdRollDice_Click();  // Ann is passed over, Bob rolls move 5
    ASSERT_EQ(g.Log.Lines().size(), 1u) << Text();
    EXPECT_EQ(GameLog::Format(g.Log.Lines()[0]), "Move 5: Ann misses this turn.");
    EXPECT_EQ(g.Log.Lines()[0].color, PlayerColor(s, 1));
    EXPECT_TRUE(g.Log.Lines()[0].standing);

    // Cid gives up; the bank repays his loan to Ann, which makes her win.
    g.Log.Clear();
    s.Cash[1] = 7'600'000;
    g.UpdatePlayerWindows();
    s.LoanCount = 1;
    s.LoanLender[1] = 1, s.LoanBorrower[1] = 3, s.LoanRepayment[1] = 550'000;
    const Rgb ann = PlayerColor(s, 1), cid = PlayerColor(s, 3);
    ui.answers.push_back(MsgAnswer::Yes);
    g.Lose(3);
    const auto& lines = g.Log.Lines();
    ASSERT_EQ(lines.size(), 3u) << Text();
    EXPECT_EQ(lines[0].text, "Cid lost and exited the game!");
    EXPECT_EQ(lines[1].text, "Ann's $550,000 loan to Cid was repaid with interest by the bank!");
    EXPECT_EQ(lines[2].text, "Ann's estate is now more than $8,000,000.  So she won and exited the game!");
    EXPECT_EQ(lines[0].color, cid);
    EXPECT_EQ(lines[2].color, ann);
    EXPECT_TRUE(lines[0].standing && lines[2].standing);
    EXPECT_FALSE(lines[1].standing);
}

TEST_F(GameLogTest, SavesAreLoggedAndALoadedGameStartsANewLog) {
    SetUpGame(g, 2);
    s.Moves = 7;
    g.Log.Add(6, "Something before.");
    const std::filesystem::path file = std::filesystem::temp_directory_path() / "zx_game_log_test.znx";
    s.FileName = file.string();
    s.HasFileName = true;
    ASSERT_TRUE(g.SaveGame());
    EXPECT_EQ(g.Log.Lines().back().text, "The game was saved automatically to zx_game_log_test.znx.");

    const auto generation = g.Log.Generation();
    g.CloseGame();
    ASSERT_TRUE(g.LoadGameData(file.string()));
    std::filesystem::remove(file);
    EXPECT_NE(g.Log.Generation(), generation);
    EXPECT_EQ(Text(), "Move 7: The game was loaded from zx_game_log_test.znx.\n");
    // The next words on the prompt line are news again.
    g.ClearPrompts();
    s.PromptText = "Game started!";
    g.ShowPrompts();
    EXPECT_EQ(g.Log.Lines().size(), 2u);
}

}  // namespace
}  // namespace zx
