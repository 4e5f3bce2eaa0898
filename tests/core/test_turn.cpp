// The turn engine: rolling and passing the turn, the walk of a piece, the
// clocks and the money counting, finding the cell and running its rule,
// and the sounds that pace the roll.

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "test_support.h"

namespace zx::test {
namespace {

struct TurnGame {
    FakeUi ui;
    ScriptedRandom rnd;
    Game g{ui, rnd};

    explicit TurnGame(int players) { SetUpGame(g, players); }

    // Delivers walk ticks until the walk ends; returns how many it took.
    int Walk(int limit = 1000) {
        int ticks = 0;
        while (g.TimerEnabled(TimerId::MovePieces) && ticks < limit) {
            g.tmrMovePieces_Timer();
            ++ticks;
        }
        return ticks;
    }
    // One press of Roll Dice with the die showing `face`, walked to the end.
    void Roll(int face) {
        rnd.pushDie(face);
        g.cmdRollDice_Click();
        Walk();
    }
    // Keeps the cell rules out of a test about the turn itself: a landing
    // with a loan repayment waiting runs no cell rule.
    void MuteCellRules() { g.S.LoanRepayPending = true; }
};

// The path cell next to a start box, found from the board's own geometry.
int FirstCellFrom(int box) {
    int col = StartBox(box).col, row = StartBox(box).row;
    switch (StartBox(box).first) {
        case Dir::Up: --row; break;
        case Dir::Down: ++row; break;
        case Dir::Left: --col; break;
        case Dir::Right: ++col; break;
    }
    for (int i = 1; i <= NumCells; ++i)
        if (Cell(i).col == col && Cell(i).row == row) return i;
    return 0;
}

// ---------------------------------------------------------------- turn order

TEST(TurnOrder, SixRollsAgainAndLeavesTheNextPlayerLine) {
    TurnGame t(3);
    t.MuteCellRules();
    t.Roll(1);  // Ann
    EXPECT_EQ(t.g.S.CurrentPlayer, 1);
    EXPECT_EQ(t.g.Main.lblNextPlayer.text, "Bob");
    EXPECT_EQ(t.g.Main.lblNextPlayer.color, PlayerColor(t.g.S, 2));

    t.Roll(6);  // Bob throws a 6
    EXPECT_EQ(t.g.S.CurrentPlayer, 2);
    EXPECT_TRUE(t.g.S.ExtraTurn);
    EXPECT_EQ(t.g.Main.lblNextPlayer.text, "Bob");  // not updated by the 6

    t.Roll(2);  // Bob again
    EXPECT_EQ(t.g.S.CurrentPlayer, 2);
    EXPECT_EQ(t.g.Main.lblCurrentPlayer.text, "Bob");
    EXPECT_FALSE(t.g.S.ExtraTurn);
    EXPECT_EQ(t.g.Main.lblNextPlayer.text, "Cid");

    t.Roll(3);
    EXPECT_EQ(t.g.S.CurrentPlayer, 3);
    EXPECT_EQ(t.g.S.Moves, 4);
}

TEST(TurnOrder, BarredPlayerIsSkippedOnceAndHisFlagCleared) {
    TurnGame t(3);
    t.MuteCellRules();
    t.g.S.MissNextTurn[3] = true;
    t.Roll(1);  // Ann
    t.Roll(2);  // Bob: the line already names Ann, skipping Cid
    EXPECT_EQ(t.g.Main.lblNextPlayer.text, "Ann");
    EXPECT_TRUE(t.g.S.MissNextTurn[3]);  // looking ahead does not clear it

    t.Roll(1);
    EXPECT_EQ(t.g.S.CurrentPlayer, 1);
    EXPECT_EQ(t.g.Main.lblCurrentPlayer.text, "Ann");
    EXPECT_EQ(t.g.Main.lblCurrentPlayer.color, PlayerColor(t.g.S, 1));
    EXPECT_FALSE(t.g.S.MissNextTurn[3]);

    t.Roll(1);
    t.Roll(1);
    EXPECT_EQ(t.g.S.CurrentPlayer, 3);  // only one turn missed
}

TEST(TurnOrder, EveryoneBarredClearsAllFlagsAndStopsAtTheFirstReachedTwice) {
    TurnGame t(3);
    t.MuteCellRules();
    for (int p = 1; p <= 3; ++p) t.g.S.MissNextTurn[At(p)] = true;
    t.Roll(2);
    EXPECT_EQ(t.g.S.CurrentPlayer, 1);
    for (int p = 1; p <= 3; ++p) EXPECT_FALSE(t.g.S.MissNextTurn[At(p)]) << p;
}

TEST(TurnOrder, ASixThatAlsoBarsTheThrowerLosesTheExtraRoll) {
    TurnGame t(2);
    t.MuteCellRules();
    t.Roll(6);  // Ann
    t.g.S.MissNextTurn[1] = true;  // as the Computer cell would have said
    t.Roll(1);
    EXPECT_EQ(t.g.S.CurrentPlayer, 2);
    t.Roll(1);
    EXPECT_EQ(t.g.S.CurrentPlayer, 2);  // Ann sits this one out
    EXPECT_FALSE(t.g.S.MissNextTurn[1]);
}

TEST(TurnOrder, MoveCounterSamplesEstatesAndOpensTheGraph) {
    TurnGame t(2);
    t.MuteCellRules();
    for (int i = 0; i < 9; ++i) t.Roll(1);
    EXPECT_EQ(t.g.Main.lblMoves, "9");
    EXPECT_FALSE(t.g.S.EstateHistory[10][1].has_value());
    t.Roll(1);
    EXPECT_EQ(t.g.Main.lblMoves, "10");
    ASSERT_TRUE(t.g.S.EstateHistory[10][1].has_value());
    EXPECT_DOUBLE_EQ(*t.g.S.EstateHistory[10][1], 5.0);
    for (int i = 0; i < 10; ++i) t.Roll(1);
    EXPECT_TRUE(t.g.S.EstateHistory[9][1].has_value());  // the 20th move sampled again
    EXPECT_FALSE(t.g.GraphLoaded);
    for (int i = 0; i < 30; ++i) t.Roll(1);
    EXPECT_EQ(t.g.S.Moves, 50);
    EXPECT_TRUE(t.g.GraphLoaded);
    EXPECT_EQ(t.ui.count("show", WindowId::Graph), 1);
    EXPECT_TRUE(t.g.S.EstateHistory[6][1].has_value());
}

TEST(Walk, OneFromStartBoxOneTakesTenTicksAndEndsOnTheTopMarket) {
    TurnGame t(2);
    t.rnd.pushDie(1);
    t.g.cmdRollDice_Click();
    EXPECT_TRUE(t.ui.timerOn(TimerId::MovePieces));
    EXPECT_EQ(t.Walk(), 10);
    EXPECT_FALSE(t.ui.timerOn(TimerId::MovePieces));
    EXPECT_EQ(t.g.S.PlayerCell[1], 1);
    EXPECT_EQ(t.g.S.PieceLeft[1], CellLeft(1) + PieceInset);
    EXPECT_EQ(t.g.S.PieceTop[1], CellTop(1) + PieceInset);
    EXPECT_TRUE(t.g.S.BuyMode);
    EXPECT_EQ(t.ui.count("show", WindowId::BuyCompany), 1);
}

TEST(Walk, TheLandingRuleRunsOnceAfterTheLastCell) {
    TurnGame t(2);
    PlaceOn(t.g, 1, 2);
    t.rnd.pushDie(2);  // 3 then 4: through the Tax corner onto the Bank
    t.g.cmdRollDice_Click();
    for (int i = 0; i < 19; ++i) t.g.tmrMovePieces_Timer();
    EXPECT_FALSE(t.g.S.DepositMode);
    EXPECT_EQ(t.g.S.PromptText, "");  // passing the Tax corner charges nothing
    t.g.tmrMovePieces_Timer();
    EXPECT_TRUE(t.g.S.DepositMode);
    EXPECT_EQ(t.g.S.PromptText, "Ann is in deposit mode!");
    EXPECT_FALSE(t.g.Main.cmdRollDiceEnabled);
}

TEST(Walk, SixFromCellThirtyVisitsEveryCellInItsDirection) {
    TurnGame t(2);
    t.MuteCellRules();
    PlaceOn(t.g, 1, 30);
    t.rnd.pushDie(6);
    t.g.cmdRollDice_Click();
    std::vector<int> cells;
    std::vector<std::pair<int, int>> steps;
    int x = t.g.S.PieceLeft[1], y = t.g.S.PieceTop[1];
    for (int cell = 0; cell < 6; ++cell) {
        for (int i = 0; i < 10; ++i) t.g.tmrMovePieces_Timer();
        cells.push_back(t.g.S.PlayerCell[1]);
        steps.emplace_back(t.g.S.PieceLeft[1] - x, t.g.S.PieceTop[1] - y);
        x = t.g.S.PieceLeft[1];
        y = t.g.S.PieceTop[1];
    }
    EXPECT_EQ(cells, (std::vector<int>{31, 32, 1, 2, 3, 4}));
    const std::pair<int, int> L{-1080, 0}, U{0, -1080}, D{0, 1080};
    EXPECT_EQ(steps, (std::vector<std::pair<int, int>>{L, L, U, L, L, D}));
    EXPECT_FALSE(t.g.TimerEnabled(TimerId::MovePieces));
}

TEST(Walk, APieceOnNoCellStaysPutButTheWalkStillEnds) {
    TurnGame t(2);
    t.MuteCellRules();
    t.g.S.PieceLeft[1] = PlaceCoord(3) + PieceInset;  // the middle of the board
    t.g.S.PieceTop[1] = PlaceCoord(3) + PieceInset;
    t.rnd.pushDie(2);
    t.g.cmdRollDice_Click();
    EXPECT_EQ(t.Walk(), 20);
    EXPECT_EQ(t.g.S.PlayerCell[1], 0);
    EXPECT_EQ(t.g.S.PieceLeft[1], PlaceCoord(3) + PieceInset);
    EXPECT_EQ(t.g.S.PieceTop[1], PlaceCoord(3) + PieceInset);
    EXPECT_TRUE(t.g.Main.cmdRollDiceEnabled);
}

TEST(Walk, PiecesSharingACellSitOnItsDiagonal) {
    TurnGame t(4);
    PlaceOn(t.g, 1, 5);
    PlaceOn(t.g, 3, 5);
    PlaceOn(t.g, 2, 12);
    t.g.ResetOverlap();
    t.g.FixOverlap();
    EXPECT_EQ(t.g.S.PieceLeft[1], CellLeft(5) + 100);
    EXPECT_EQ(t.g.S.PieceTop[1], CellTop(5) + 100);
    EXPECT_EQ(t.g.S.PieceLeft[3], CellLeft(5) + 300);
    EXPECT_EQ(t.g.S.PieceTop[3], CellTop(5) + 300);
    EXPECT_EQ(t.g.S.PieceLeft[2], CellLeft(12) + PieceInset);  // alone: standard spot

    PlaceOn(t.g, 4, 5);
    t.g.ResetOverlap();
    t.g.FixOverlap();
    for (int p : {1, 3, 4}) {
        EXPECT_EQ(t.g.S.PieceLeft[At(p)], CellLeft(5) + 100 * p) << p;
        EXPECT_EQ(t.g.S.PieceTop[At(p)], CellTop(5) + 100 * p) << p;
        EXPECT_EQ(CellAtPiece(t.g.S.PieceLeft[At(p)], t.g.S.PieceTop[At(p)]), 5) << p;
    }

    // Once they part, the one left behind goes back to the standard spot.
    PlaceOn(t.g, 3, 6);
    PlaceOn(t.g, 4, 7);
    t.g.ResetOverlap();
    t.g.FixOverlap();
    EXPECT_EQ(t.g.S.PieceLeft[1], CellLeft(5) + PieceInset);
}

TEST(Walk, LandingOnAnOccupiedCellSpreadsBothPieces) {
    TurnGame t(2);
    t.MuteCellRules();
    PlaceOn(t.g, 1, 9);
    PlaceOn(t.g, 2, 7);
    t.g.S.CurrentPlayer = 1;  // Bob rolls next
    t.Roll(2);
    EXPECT_EQ(t.g.S.PlayerCell[2], 9);
    EXPECT_EQ(t.g.S.PieceLeft[1], CellLeft(9) + 100);
    EXPECT_EQ(t.g.S.PieceLeft[2], CellLeft(9) + 200);
}

// Thousands of rolls with four players whose pieces keep meeting: every
// cell reached is the next one on the path, from the start boxes on, and
// at rest every piece is still found on its own cell.
TEST(Walk, LongRandomGameFollowsThePathExactly) {
    TurnGame t(4);
    t.MuteCellRules();
    std::mt19937 source(20240611);
    std::uniform_int_distribution<int> die(1, 6);
    std::array<int, 5> expected{};  // 0 = still on the start box
    for (int roll = 0; roll < 3000; ++roll) {
        int face = die(source);
        t.rnd.pushDie(face);
        t.g.cmdRollDice_Click();
        int p = t.g.S.CurrentPlayer;
        ASSERT_TRUE(t.g.TimerEnabled(TimerId::MovePieces));
        for (int c = 0; c < face; ++c) {
            for (int i = 0; i < 10; ++i) t.g.tmrMovePieces_Timer();
            int& e = expected[At(p)];
            e = e == 0 ? FirstCellFrom(p) : e % NumCells + 1;
            ASSERT_EQ(t.g.S.PlayerCell[At(p)], e) << "roll " << roll << " player " << p << " step " << c;
        }
        ASSERT_FALSE(t.g.TimerEnabled(TimerId::MovePieces)) << roll;
        for (int q = 1; q <= 4; ++q) {
            int x = t.g.S.PieceLeft[At(q)], y = t.g.S.PieceTop[At(q)];
            if (expected[At(q)] == 0)
                ASSERT_EQ(StartBoxAtPiece(x, y), q) << roll;
            else
                ASSERT_EQ(CellAtPiece(x, y), expected[At(q)]) << "roll " << roll << " piece " << q;
        }
    }
    EXPECT_EQ(t.g.S.Moves, 3000);
}

TEST(Walk, AWalkerWhoLeavesMidWalkTakesNobodysPieceWithHim) {
    TurnGame t(3);
    t.MuteCellRules();
    t.Roll(1);  // Ann
    t.rnd.pushDie(5);
    t.g.cmdRollDice_Click();  // Bob sets off
    for (int i = 0; i < 15; ++i) t.g.tmrMovePieces_Timer();
    // Bob gives up: Cid becomes player 2 and the turn number steps back.
    auto& s = t.g.S;
    s.PlayerName[2] = s.PlayerName[3];
    s.PieceLeft[2] = s.PieceLeft[3];
    s.PieceTop[2] = s.PieceTop[3];
    s.PlayerCell[2] = s.PlayerCell[3];
    s.NumOfPlayers = 2;
    s.CurrentPlayer = 1;
    int annLeft = s.PieceLeft[1], annTop = s.PieceTop[1];
    t.g.tmrMovePieces_Timer();
    EXPECT_FALSE(t.g.TimerEnabled(TimerId::MovePieces));
    EXPECT_EQ(s.PieceLeft[1], annLeft);
    EXPECT_EQ(s.PieceTop[1], annTop);
    EXPECT_TRUE(t.g.Main.cmdRollDiceEnabled);
    t.Roll(2);
    EXPECT_EQ(s.CurrentPlayer, 2);  // Cid, who would have played after Bob
}

// ---------------------------------------------------------------- clocks

// A server runs the ticks before TicksToNextStop late and in one go: they
// must change nothing but the figure that moves, whatever the walk or count.
TEST(Clock, TicksBeforeTheNextStopMoveOnlyTheFigures) {
    TurnGame t(3);
    auto same = [&t](GameState before, TimerId timer) {
        const GameState& now = t.g.S;
        if (timer == TimerId::MovePieces) {
            before.PieceLeft = now.PieceLeft;
            before.PieceTop = now.PieceTop;
            before.MoveTick = now.MoveTick;
        } else {
            before.DisplayedCash = now.DisplayedCash;
            before.MoneyChange = now.MoneyChange;
        }
        return before == now;
    };
    int longestQuietRun = 0;
    auto play = [&](TimerId timer) {
        for (int guard = 0; guard < 1000 && t.g.TimerEnabled(timer); ++guard) {
            const int stop = t.g.TicksToNextStop(timer);
            longestQuietRun = std::max(longestQuietRun, stop - 1);
            for (int i = 1; i < stop; ++i) {
                const GameState before = t.g.S;
                const std::size_t lines = t.g.Log.Lines().size(), sounds = t.ui.sounds.size();
                timer == TimerId::MovePieces ? t.g.tmrMovePieces_Timer() : t.g.tmrChangeMoney_Timer();
                ASSERT_TRUE(same(before, timer)) << "tick " << i << " of " << stop;
                ASSERT_TRUE(t.g.TimerEnabled(timer));
                ASSERT_EQ(t.g.Log.Lines().size(), lines);
                ASSERT_EQ(t.ui.sounds.size(), sounds);
            }
            timer == TimerId::MovePieces ? t.g.tmrMovePieces_Timer() : t.g.tmrChangeMoney_Timer();
        }
    };
    for (int face : {5, 3, 6, 2, 4, 1}) {
        t.rnd.pushDie(face);
        t.g.cmdRollDice_Click();
        play(TimerId::MovePieces);
        play(TimerId::ChangeMoney);
        t.g.S.Cash[1] -= 95'000;
        t.g.S.Cash[2] += 1'000'000;
        t.g.StartMoneyAnimation();
        play(TimerId::ChangeMoney);
    }
    EXPECT_GE(longestQuietRun, 9);
}

TEST(Clock, GameTimeCountsMinutes) {
    TurnGame t(2);
    for (int i = 0; i < 12; ++i) t.g.tmrGameTime_Timer();
    EXPECT_EQ(t.g.Main.lblGameTime, "12 Minutes");
}

TEST(Clock, MoneyIsCountedPlayerByPlayerInStepsOfThirtyThousand) {
    TurnGame t(2);
    t.g.S.Cash[1] += 100'000;
    t.g.Main.cmdRollDiceEnabled = true;
    t.g.StartMoneyAnimation();
    EXPECT_TRUE(t.g.S.MoneyChanging);
    EXPECT_FALSE(t.g.Main.cmdRollDiceEnabled);
    EXPECT_TRUE(t.ui.timerOn(TimerId::ChangeMoney));
    EXPECT_EQ(t.g.S.MoneyChange[1], "increase");
    EXPECT_EQ(t.g.S.MoneyChange[2], "");
    EXPECT_EQ(t.g.PlayerWindow(1).lblCashColor, PlayerColor(t.g.S, 1));

    t.g.tmrChangeMoney_Timer();
    t.g.tmrChangeMoney_Timer();
    t.g.tmrChangeMoney_Timer();
    EXPECT_EQ(t.g.S.DisplayedCash[1], 5'090'000);
    EXPECT_EQ(t.g.PlayerWindow(1).lblCash, "$5,090,000");
    t.g.tmrChangeMoney_Timer();  // the fourth tick snaps to the exact figure
    EXPECT_EQ(t.g.S.DisplayedCash[1], 5'100'000);
    EXPECT_EQ(t.g.PlayerWindow(1).lblCash, "$5,100,000");
    EXPECT_EQ(t.g.PlayerWindow(1).lblCashColor, Black);
    EXPECT_TRUE(t.g.S.MoneyChanging);  // Bob's unchanged figure still costs a tick

    int stopsBefore = t.ui.soundsStopped;
    t.g.tmrChangeMoney_Timer();
    EXPECT_FALSE(t.g.S.MoneyChanging);
    EXPECT_FALSE(t.ui.timerOn(TimerId::ChangeMoney));
    EXPECT_TRUE(t.g.Main.cmdRollDiceEnabled);
    EXPECT_EQ(t.ui.soundsStopped, stopsBefore + 1);
}

TEST(Clock, DecreaseSnapsAndARefreshRestartsTheCount) {
    TurnGame t(2);
    t.g.S.Cash[2] -= 45'000;
    t.g.StartMoneyAnimation();
    t.g.tmrChangeMoney_Timer();  // Ann: nothing to count
    t.g.tmrChangeMoney_Timer();
    EXPECT_EQ(t.g.S.DisplayedCash[2], 4'970'000);
    t.g.S.Cash[1] += 10'000;  // money moves again mid-count
    t.g.UpdateDisplay();
    EXPECT_EQ(t.g.S.ChangingPlayer, 1);
    for (int i = 0; i < 10 && t.g.S.MoneyChanging; ++i) t.g.tmrChangeMoney_Timer();
    EXPECT_FALSE(t.g.S.MoneyChanging);
    EXPECT_EQ(t.g.S.DisplayedCash[1], t.g.S.Cash[1]);
    EXPECT_EQ(t.g.S.DisplayedCash[2], 4'955'000);
    EXPECT_EQ(t.g.PlayerWindow(2).lblCash, "$4,955,000");
}

TEST(Clock, CountingSurvivesPlayersLeavingUnderIt) {
    TurnGame t(3);
    t.g.S.Cash[3] += 60'000;
    t.g.StartMoneyAnimation();
    t.g.tmrChangeMoney_Timer();
    t.g.tmrChangeMoney_Timer();
    t.g.S.ChangingPlayer = 3;
    t.g.S.NumOfPlayers = 2;  // player 3 has gone meanwhile
    t.g.tmrChangeMoney_Timer();
    EXPECT_FALSE(t.g.S.MoneyChanging);
    EXPECT_FALSE(t.ui.timerOn(TimerId::ChangeMoney));
}

TEST(Clock, AutoSaveDuringAWalkWaitsForTheLanding) {
    TurnGame t(2);
    t.MuteCellRules();
    t.g.S.AutoSave = true;
    for (int i = 0; i < 4; ++i) t.g.tmrAutoSave_Timer();
    t.rnd.pushDie(3);
    t.g.cmdRollDice_Click();
    for (int i = 0; i < 5; ++i) t.g.tmrMovePieces_Timer();
    t.g.tmrAutoSave_Timer();  // fifth minute, mid-walk
    EXPECT_TRUE(t.g.S.AutoSavePending);
    EXPECT_EQ(t.g.S.AutoSaveMinutes, 0);
    EXPECT_TRUE(t.ui.saveDialogs.empty());
    t.Walk();
    EXPECT_FALSE(t.g.S.AutoSavePending);
    EXPECT_EQ(t.ui.saveDialogs.size(), 1u);
    t.Roll(2);
    EXPECT_EQ(t.ui.saveDialogs.size(), 1u);  // once only
}

TEST(Clock, AutoSaveDuringADebtComesAMinuteLater) {
    TurnGame t(2);
    t.g.S.AutoSave = true;
    for (int i = 0; i < 4; ++i) t.g.tmrAutoSave_Timer();
    t.g.S.WaitingMode = true;
    t.g.tmrAutoSave_Timer();
    EXPECT_TRUE(t.ui.saveDialogs.empty());
    EXPECT_EQ(t.g.S.AutoSaveMinutes, 4);
    t.g.S.WaitingMode = false;
    t.g.tmrAutoSave_Timer();
    EXPECT_EQ(t.ui.saveDialogs.size(), 1u);
    EXPECT_EQ(t.g.S.AutoSaveMinutes, 0);
}

TEST(Clock, ADeferredSaveIsNotMadeIntoAFreshDebt) {
    TurnGame t(2);
    t.g.S.AutoSave = true;
    t.g.S.CompanyOwner[1] = 1;  // Ann owes tax on the corner she reaches
    t.g.S.Cash[1] = 0;
    t.g.S.DisplayedCash[1] = 0;
    PlaceOn(t.g, 1, 2);
    for (int i = 0; i < 4; ++i) t.g.tmrAutoSave_Timer();
    t.rnd.pushDie(1);
    t.g.cmdRollDice_Click();
    t.g.tmrAutoSave_Timer();
    t.Walk();
    EXPECT_TRUE(t.g.S.WaitingMode);
    EXPECT_TRUE(t.ui.saveDialogs.empty());
    EXPECT_EQ(t.g.S.AutoSaveMinutes, 4);
}

TEST(Clock, ReactionCountdownOnlyWithTheOption) {
    TurnGame t(2);
    t.g.StartReactionTimer(10);
    EXPECT_FALSE(t.ui.timerOn(TimerId::LimitReactionTime));
    EXPECT_EQ(t.g.Main.lblReactionTime, "");

    t.g.S.LimitReactionTime = true;
    t.g.StartReactionTimer(10);
    EXPECT_TRUE(t.ui.timerOn(TimerId::LimitReactionTime));
    std::vector<std::string> shown;
    for (int i = 0; i < 10; ++i) {
        t.g.tmrLimitReactionTime_Timer();
        shown.push_back(t.g.Main.lblReactionTime);
    }
    EXPECT_EQ(shown.front(), "9 seconds");
    EXPECT_EQ(shown[8], "1 seconds");
    EXPECT_EQ(shown.back(), "0 seconds");
    EXPECT_FALSE(t.ui.timerOn(TimerId::LimitReactionTime));
    t.g.StopReactionTimer();
    EXPECT_EQ(t.g.Main.lblReactionTime, "");
}

TEST(Clock, TimeUpRefusesTheDepositOffer) {
    TurnGame t(2);
    t.g.S.LimitReactionTime = true;
    PlaceOn(t.g, 1, 19);
    t.g.S.CurrentPlayer = 1;
    t.rnd.pushDie(1);  // Bob is barred below, so Ann rolls onto Bank 1
    t.g.S.MissNextTurn[2] = true;
    t.g.cmdRollDice_Click();
    t.Walk();
    ASSERT_TRUE(t.g.S.DepositMode);
    t.g.PlayerWindow(1).SetBankNum("2");
    for (int i = 0; i < 10; ++i) t.g.tmrLimitReactionTime_Timer();
    EXPECT_FALSE(t.g.S.DepositMode);
    EXPECT_EQ(t.g.S.MoneyInBank[1], 0);
    EXPECT_EQ(t.g.S.Cash[1], StartCash);
    EXPECT_FALSE(t.ui.timerOn(TimerId::LimitReactionTime));
}

TEST(Clock, TimeUpRefusesToBuy) {
    TurnGame t(2);
    t.g.S.LimitReactionTime = true;
    t.rnd.pushDie(1);  // onto the top market
    t.g.cmdRollDice_Click();
    t.Walk();
    ASSERT_TRUE(t.g.S.BuyMode);
    ASSERT_TRUE(t.ui.timerOn(TimerId::LimitReactionTime));
    for (int i = 0; i < 10; ++i) t.g.tmrLimitReactionTime_Timer();
    EXPECT_FALSE(t.g.S.BuyMode);
    EXPECT_FALSE(t.g.BuyForm.Loaded);
    for (int k = 1; k <= NumCompanies; ++k) EXPECT_EQ(t.g.S.CompanyOwner[At(k)], 0);
    EXPECT_FALSE(t.ui.timerOn(TimerId::LimitReactionTime));
}

TEST(Clock, TimeUpUnticksTheInsuranceBoxes) {
    TurnGame t(2);
    t.g.S.LimitReactionTime = true;
    t.g.S.CompanyOwner[1] = 1;
    t.g.S.CompanyOwner[4] = 1;
    PlaceOn(t.g, 1, 20);
    t.g.S.CurrentPlayer = 1;
    t.g.S.MissNextTurn[2] = true;
    t.g.UpdateDisplay();
    t.rnd.pushDie(1);  // onto Insurance 1
    t.g.cmdRollDice_Click();
    t.Walk();
    ASSERT_TRUE(t.g.S.InsuranceMode);
    PlayerForm& w = t.g.PlayerWindow(1);
    w.chkInsurance_Click(1);
    w.chkInsurance_Click(2);
    ASSERT_EQ(w.chkInsurance[1], CheckState::Checked);
    for (int i = 0; i < 10; ++i) t.g.tmrLimitReactionTime_Timer();
    EXPECT_FALSE(t.g.S.InsuranceMode);
    EXPECT_FALSE(t.g.S.CompanyInsured[1]);
    EXPECT_FALSE(t.g.S.CompanyInsured[4]);
    EXPECT_EQ(t.g.S.Cash[1], StartCash);
}

// ---------------------------------------------------------------- dispatch

TEST(Dispatch, APieceOnABoundOrOffTheBoardIsOnNoCell) {
    TurnGame t(2);
    t.g.S.CurrentPlayer = 1;
    struct Spot { int x, y; };
    for (Spot s : {Spot{1000, 500}, Spot{3300, 500}, Spot{500, 1000}, Spot{6600, 3800}, Spot{9000, 9000},
                   Spot{2200, 1500}}) {
        t.g.S.PieceLeft[1] = s.x;
        t.g.S.PieceTop[1] = s.y;
        t.g.S.PlayerCell[1] = 7;
        t.g.DetectPosition();
        EXPECT_EQ(t.g.S.PlayerCell[1], 0) << s.x << "," << s.y;
        EXPECT_EQ(t.g.CurrentCell(), 0);
        for (int b = 1; b <= 4; ++b) EXPECT_FALSE(t.g.S.OnStart[At(b)]) << s.x << "," << s.y;
    }
    t.g.S.PromptText = "unchanged";
    t.g.DoActions();
    EXPECT_EQ(t.g.S.PromptText, "unchanged");
}

TEST(Dispatch, OnAStartBoxOnlyItsFlagIsSetAndNoRuleRuns) {
    TurnGame t(4);
    t.g.S.CurrentPlayer = 2;
    t.g.DetectPosition();
    EXPECT_EQ(t.g.S.PlayerCell[2], 0);
    EXPECT_EQ(t.g.S.OnStart, (std::array<bool, 5>{false, false, true, false, false}));
    t.g.S.PromptText = "unchanged";
    t.g.DoActions();
    EXPECT_EQ(t.g.S.PromptText, "unchanged");
}

TEST(Dispatch, EachKindOfCellRunsItsOwnRule) {
    {
        TurnGame t(2);
        PlaceOn(t.g, 1, 28);  // Bank 2
        t.g.S.CurrentPlayer = 1;
        t.g.DoActions();
        EXPECT_TRUE(t.g.S.DepositMode);
    }
    {
        TurnGame t(2);
        PlaceOn(t.g, 1, 11);  // Tax 4
        t.g.S.CurrentPlayer = 1;
        t.g.DoActions();
        EXPECT_EQ(t.g.S.PromptText, "Ann doesn't have any companies to pay tax on!");
        EXPECT_FALSE(t.g.S.DepositMode);
    }
    {
        TurnGame t(2);
        PlaceOn(t.g, 1, 9);  // a market
        t.g.S.CurrentPlayer = 1;
        t.g.DoActions();
        EXPECT_TRUE(t.g.S.BuyMode);
        EXPECT_EQ(t.ui.count("show", WindowId::BuyCompany), 1);
    }
}

TEST(Dispatch, GoingBackOnePlaceOpensTheMarketInTheSameLanding) {
    TurnGame t(2);
    PlaceOn(t.g, 1, 18);
    t.g.S.CurrentPlayer = 1;
    t.rnd.push(1, 13);  // "Go back one place!"
    t.g.DoActions();
    EXPECT_EQ(t.g.S.PlayerCell[1], 17);
    EXPECT_TRUE(t.g.S.BuyMode);
    EXPECT_EQ(t.ui.count("show", WindowId::BuyCompany), 1);
}

TEST(Dispatch, APendingLoanRepaymentHoldsTheCellRule) {
    TurnGame t(2);
    PlaceOn(t.g, 1, 20);
    t.g.S.CurrentPlayer = 1;
    t.g.S.LoanRepayPending = true;
    t.g.DoActions();
    EXPECT_FALSE(t.g.S.DepositMode);
}

TEST(Dispatch, ALanderWhoWinsLeavesNoRuleForTheNextInLine) {
    TurnGame t(3);
    // Bob's income from his own company lifts him past the winning line;
    // Ann, numbered before him, was last seen on a Tax corner with a
    // company to pay tax on.
    t.g.S.CompanyOwner[6] = 2;
    t.g.S.Cash[2] = 6'600'000;
    t.g.S.DisplayedCash[2] = 6'600'000;
    t.g.S.CompanyOwner[1] = 1;
    t.g.UpdatePlayerWindows();
    PlaceOn(t.g, 1, 27);
    PlaceOn(t.g, 2, CompanyBox(6));
    t.g.S.CurrentPlayer = 2;
    t.g.DoActions();
    ASSERT_EQ(t.g.S.NumOfPlayers, 2);
    EXPECT_EQ(t.g.S.Finisher[1], "Bob");
    EXPECT_EQ(t.g.S.CurrentPlayer, 1);
    EXPECT_EQ(t.g.S.Cash[1], StartCash);  // no tax charged to Ann
}

TEST(Dispatch, DoubleClickTellsWhereHelpIs) {
    TurnGame t(2);
    t.g.Box_DblClick(23);
    t.g.Box_DblClick(26);
    ASSERT_EQ(t.ui.messages.size(), 2u);
    EXPECT_EQ(t.ui.messages[0].text,
              "For information on this company in the real world, press F1 for Help, then choose \"The Companies\" "
              "from the Contents list.");
    EXPECT_EQ(t.ui.messages[1].text,
              "For information on this cell, press F1 for Help, then choose \"Cells\" from the Contents list.");
    for (const auto& m : t.ui.messages) {
        EXPECT_EQ(m.title, "Zentrix");
        EXPECT_EQ(m.icon, MsgIcon::None);
        EXPECT_EQ(m.buttons, MsgButtons::Ok);
    }
}

// ---------------------------------------------------------------- sounds

TEST(Sound, WithSoundsOffTheRollGoesOnAtOnceAndNothingIsHeard) {
    TurnGame t(2);
    t.rnd.pushDie(4);
    t.g.cmdRollDice_Click();
    EXPECT_EQ(t.g.S.Moves, 1);
    EXPECT_TRUE(t.g.TimerEnabled(TimerId::MovePieces));
    t.Walk();
    t.g.S.Cash[1] += 100'000;
    t.g.UpdateDisplay();
    while (t.g.S.MoneyChanging) t.g.tmrChangeMoney_Timer();
    EXPECT_TRUE(t.ui.sounds.empty());
}

TEST(Sound, WithSoundsOnNothingMovesUntilTheDiceSoundEnds) {
    TurnGame t(2);
    t.MuteCellRules();
    t.g.S.Sounds = true;
    t.rnd.pushDie(4);
    t.g.cmdRollDice_Click();
    EXPECT_EQ(t.ui.sounds, (std::vector<std::string>{"Dice.wav"}));
    EXPECT_EQ(t.g.S.CurrentSound, "Dice");
    EXPECT_EQ(t.g.S.Moves, 0);
    EXPECT_FALSE(t.g.TimerEnabled(TimerId::MovePieces));
    EXPECT_EQ(t.rnd.values.size(), 1u);  // the die is not thrown yet

    t.g.mmcSounds_Done();
    EXPECT_EQ(t.g.S.Dice, 4);
    EXPECT_EQ(t.g.S.Moves, 1);
    EXPECT_TRUE(t.g.TimerEnabled(TimerId::MovePieces));
    EXPECT_EQ(t.ui.sounds.back(), "4.wav");
    EXPECT_EQ(t.g.S.CurrentSound, "");

    t.g.mmcSounds_Done();  // the end of "4.wav"
    EXPECT_EQ(t.g.S.Moves, 1);
    t.Walk();
    int moveSounds = 0;
    for (const auto& s : t.ui.sounds) moveSounds += s == "Move.wav";
    EXPECT_EQ(moveSounds, 4);
}

// A sound device that reports the end of a cut-off sound at once, from
// inside the call that cut it off.
class EagerSoundUi : public FakeUi {
public:
    Game* game = nullptr;
    void playSound(const std::string& file) override {
        bool cutsOff = !sounds.empty();
        FakeUi::playSound(file);
        if (cutsOff && game) game->mmcSounds_Done();
    }
};

TEST(Sound, OnePressRollsOnceEvenWhenEndReportsArriveNested) {
    EagerSoundUi ui;
    ScriptedRandom rnd;
    Game g(ui, rnd);
    ui.game = &g;
    SetUpGame(g, 2);
    g.S.LoanRepayPending = true;
    g.S.Sounds = true;
    rnd.pushDie(2);
    rnd.pushDie(5);
    g.cmdRollDice_Click();
    g.mmcSounds_Done();  // the dice sound ends; "2.wav" cuts off nothing playing
    EXPECT_EQ(g.S.Moves, 1);
    EXPECT_EQ(g.S.Dice, 2);
    EXPECT_EQ(rnd.values.size(), 1u);
}

TEST(Sound, StoppingTheSoundsDoesNotLoseAWaitingRoll) {
    TurnGame t(2);
    t.MuteCellRules();
    t.g.S.Sounds = true;
    t.g.cmdRollDice_Click();
    t.g.StopSounds();
    t.g.mmcSounds_Done();  // the stopped dice sound reports its end
    EXPECT_EQ(t.g.S.Moves, 1);
}

TEST(Sound, AWaitingRollOfAPlayerWhoLeftIsDropped) {
    TurnGame t(3);
    t.MuteCellRules();
    t.g.S.Sounds = true;
    t.g.cmdRollDice_Click();  // Ann presses; the dice sound plays
    auto& s = t.g.S;
    for (int p = 1; p <= 2; ++p) s.PlayerName[At(p)] = s.PlayerName[At(p + 1)];
    s.NumOfPlayers = 2;
    s.CurrentPlayer = 0;
    t.g.mmcSounds_Done();
    EXPECT_EQ(s.Moves, 0);
    EXPECT_FALSE(t.g.TimerEnabled(TimerId::MovePieces));
    EXPECT_TRUE(t.g.Main.cmdRollDiceEnabled);
}

TEST(Sound, MusicCyclesThroughSevenPiecesWithAPause) {
    TurnGame t(2);
    t.g.S.BackgroundMusic = true;
    t.g.S.MusicNumber = 6;
    t.g.PlayNextMusic();
    EXPECT_EQ(t.ui.music.back(), "Music/Music7.mid");
    t.g.mmcBackgroundMusic_Done();
    EXPECT_TRUE(t.ui.timerOn(TimerId::MusicDelay));
    t.g.tmrMusicDelay_Timer();
    EXPECT_FALSE(t.ui.timerOn(TimerId::MusicDelay));
    EXPECT_EQ(t.ui.music.back(), "Music/Music1.mid");
    EXPECT_EQ(t.g.S.MusicNumber, 1);
}

TEST(Sound, NoPieceFollowsOnceTheMusicIsSwitchedOff) {
    TurnGame t(2);
    t.g.S.BackgroundMusic = true;
    t.g.PlayNextMusic();
    t.g.mmcBackgroundMusic_Done();  // the pause begins...
    t.g.StopMusic();                // ...and the results window opens
    t.g.PlayFinishMusic();
    t.g.tmrMusicDelay_Timer();
    t.g.mmcBackgroundMusic_Done();  // the end of Finish.mid
    EXPECT_EQ(t.ui.music, (std::vector<std::string>{"Music/Music1.mid", "Sounds/Finish.mid"}));
    EXPECT_FALSE(t.ui.timerOn(TimerId::MusicDelay));
    EXPECT_FALSE(t.g.S.BackgroundMusic);
}

}  // namespace
}  // namespace zx::test
