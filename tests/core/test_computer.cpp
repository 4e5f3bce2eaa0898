// Computer cells: the thirteen events, the draw, disasters and the free move.

#include <gtest/gtest.h>

#include <limits>

#include "test_support.h"

namespace zx {
namespace {

using test::FakeUi;
using test::PlaceOn;
using test::ScriptedRandom;
using test::SetUpGame;

struct ComputerFixture : ::testing::Test {
    FakeUi ui;
    ScriptedRandom rnd;
    Game g{ui, rnd};

    // Player p lands on Computer cell `cell` and the Computer draws `event`
    // (a disaster then strikes).
    void Land(int p, int cell, int event) {
        g.S.CurrentPlayer = p;
        PlaceOn(g, p, cell);
        rnd.push(event, 13);
        if (event >= 4 && event <= 7) rnd.values.push_back(0.5);
        g.Computer();
    }
    void Own(int k, int p, bool insured = false) {
        g.S.CompanyOwner[k] = p;
        g.S.CompanyInsured[k] = insured;
    }
};

struct ComputerMoves : ComputerFixture {
    void SetUp() override { SetUpGame(g, 2); }
};

TEST_F(ComputerMoves, GoingBackLandsOnTheMarketOrTheLastCompanyBefore) {
    const int from[] = {2, 10, 18, 26};
    const int oneBack[] = {1, 9, 17, 25};
    const int twoBack[] = {32, 8, 16, 24};
    for (int i = 0; i < 4; ++i) {
        Land(1, from[i], 1);
        EXPECT_EQ(g.Main.lblComputerPrompt.text, "Computer: Go back one place!");
        EXPECT_EQ(g.S.PlayerCell[1], oneBack[i]) << "from " << from[i];
        EXPECT_EQ(g.S.PieceLeft[1], CellLeft(oneBack[i]) + PieceInset);
        EXPECT_EQ(g.S.PieceTop[1], CellTop(oneBack[i]) + PieceInset);
        Land(2, from[i], 2);
        EXPECT_EQ(g.S.PlayerCell[2], twoBack[i]) << "from " << from[i];
    }
    // A piece moved aside by a shared cell keeps its offset.
    g.S.CurrentPlayer = 1;
    PlaceOn(g, 1, 18);
    g.S.PieceLeft[1] += 300;
    rnd.push(1, 13);
    g.Computer();
    EXPECT_EQ(g.S.PieceLeft[1], CellLeft(17) + PieceInset + 300);
    EXPECT_EQ(g.S.PlayerCell[1], 17);
}

TEST_F(ComputerMoves, TheFreeMoveWaitsForAClickAndRunsTheChosenCell) {
    Own(11, 1);
    Land(2, 2, 3);
    EXPECT_TRUE(g.S.MoveAnywhereMode);
    EXPECT_EQ(g.Main.lblComputerPrompt.text, "Computer: Click anywhere on the board you want to move to!");

    g.Box_Click(31);  // Ann's company 11: Bob pays the fee
    EXPECT_FALSE(g.S.MoveAnywhereMode);
    EXPECT_EQ(g.S.PieceLeft[2], CellLeft(31) + PieceInset);
    EXPECT_EQ(g.S.PlayerCell[2], 31);
    EXPECT_EQ(g.Main.lblComputerPrompt.text, "");
    EXPECT_LT(g.S.Cash[2], StartCash);

    // Another click, the offer used up, changes nothing.
    g.Box_Click(20);
    EXPECT_EQ(g.S.PlayerCell[2], 31);
    EXPECT_FALSE(g.S.DepositMode);
}

struct ComputerGifts : ComputerFixture {
    void SetUp() override { SetUpGame(g, 3); }
};

TEST_F(ComputerGifts, EachOtherPlayerPaysWhatHeCanAndTheLanderGetsTheFullSum) {
    g.S.Cash[3] = 30'000;
    Land(1, 2, 8);
    EXPECT_EQ(g.S.Cash[1], StartCash + 200'000);
    EXPECT_EQ(g.S.Cash[2], StartCash - 100'000);
    EXPECT_EQ(g.S.Cash[3], 0);
}

TEST_F(ComputerGifts, TheBankPaysTheLanderOrEverybody) {
    Land(2, 10, 9);
    EXPECT_EQ(g.S.Cash[2], StartCash + 400'000);
    Land(2, 10, 10);
    EXPECT_EQ(g.S.Cash[1], StartCash + 200'000);
    EXPECT_EQ(g.S.Cash[2], StartCash + 600'000);
    EXPECT_EQ(g.S.Cash[3], StartCash + 200'000);
}

TEST_F(ComputerGifts, APlayerWhoWinsFromTheGiftToAllDoesNotCostTheNextOneHisShare) {
    g.S.Cash[1] = 7'900'000;
    Land(3, 18, 10);
    ASSERT_EQ(g.S.NumOfPlayers, 2) << "Ann passed $8,000,000 and won";
    EXPECT_EQ(g.S.PlayerName[1], "Bob");
    EXPECT_EQ(g.S.Cash[1], StartCash + 200'000);
    EXPECT_EQ(g.S.Cash[2], StartCash + 200'000);
}

TEST_F(ComputerGifts, BonusesAndTheLostTurnAreTheLandersOnly) {
    Land(2, 26, 11);
    Land(2, 26, 13);
    EXPECT_TRUE(g.S.HalfTaxBonus[2]);
    EXPECT_TRUE(g.S.MissNextTurn[2]);
    EXPECT_FALSE(g.S.HalfTaxBonus[1] || g.S.MissNextTurn[1] || g.S.HalfTaxBonus[3] || g.S.MissNextTurn[3]);

    Land(1, 18, 12);  // Ann owns nothing to insure
    EXPECT_TRUE(g.S.FreeInsuranceBonus[1]);
    EXPECT_FALSE(g.S.InsuranceMode);
    EXPECT_EQ(g.S.PromptText, "Ann doesn't have any companies to insure!");
}

TEST_F(ComputerGifts, AVoidDisasterDrawsAgainFromTheStart) {
    Own(1, 2);
    g.S.CurrentPlayer = 1;
    PlaceOn(g, 1, 2);
    rnd.push(4, 13);
    rnd.values.push_back(0.49);  // the fire does not happen
    rnd.push(9, 13);
    g.Computer();
    EXPECT_EQ(g.S.ComputerChoice, 9);
    EXPECT_EQ(g.Main.lblComputerPrompt.text, "Computer: You get $400,000 from the bank!");
    EXPECT_EQ(g.S.Cash[1], StartCash + 400'000);
    EXPECT_FALSE(g.S.DestroyMode);
}

TEST_F(ComputerGifts, DisastersStrikeTheirOwnComplexWithTheirOwnSound) {
    g.S.Sounds = true;
    const char* sounds[] = {"Fire.wav", "Earthquake.wav", "", "Storm.wav"};
    for (int event = 4; event <= 7; ++event) {
        ui.sounds.clear();
        Land(1, 2, event);
        EXPECT_EQ(g.S.DestroyedComplex, event - 3);
        EXPECT_EQ(ui.sounds.front(), "Computer.wav");
        if (event == 6)
            EXPECT_EQ(ui.sounds.size(), 1u) << "a flood makes no sound";
        else
            EXPECT_TRUE(ui.played(sounds[event - 4])) << event;
        // Nobody owns anything: no mask, no waiting.
        EXPECT_EQ(g.S.PromptText, "None of the players had any companies in the destroyed complex!");
        EXPECT_FALSE(g.S.DestroyMode);
        EXPECT_FALSE(g.Main.shpDestroyMask[event - 3]);
    }
}

struct Disaster : ComputerFixture {
    void SetUp() override { SetUpGame(g, 2); }
    void Tick() {
        g.S.MoneyChanging = false;  // the counting of the last loss is over
        g.tmrDestroyDelay_Timer();
    }
};

TEST_F(Disaster, OnlyTheMiddleCompanyOwnedTakesTwoTicks) {
    Own(8, 2);
    Land(1, 2, 6);
    EXPECT_TRUE(g.Main.shpDestroyMask[3]);
    EXPECT_TRUE(g.S.DestroyMode);
    EXPECT_FALSE(g.Main.cmdRollDiceEnabled);
    EXPECT_TRUE(ui.timerOn(TimerId::DestroyDelay));

    g.S.MoneyChanging = true;  // a tick while money is counted waits
    g.tmrDestroyDelay_Timer();
    EXPECT_EQ(g.S.CompanyOwner[8], 2);

    Tick();  // 6 seconds: company 7 is skipped, company 8 destroyed
    EXPECT_EQ(g.S.CompanyOwner[8], 0);
    EXPECT_EQ(g.S.PromptText, "Microsoft was destroyed and Bob didn't receive any money as compensation!");
    EXPECT_EQ(g.S.HintText, "Bob, you would have been paid the value of your destroyed company if it were insured.");
    EXPECT_TRUE(g.S.DestroyMode);

    Tick();  // 12 seconds: company 9 is unowned and ends it
    EXPECT_FALSE(g.S.DestroyMode);
    EXPECT_FALSE(g.Main.shpDestroyMask[3]);
    EXPECT_FALSE(ui.timerOn(TimerId::DestroyDelay));
    EXPECT_TRUE(g.Main.cmdRollDiceEnabled);
}

TEST_F(Disaster, InsuredCompaniesArePaidBackAtTheirValue) {
    Own(1, 2, true);
    Own(2, 2, true);
    g.S.Cash[2] = std::numeric_limits<Money>::max() - 3'000'000;
    Land(1, 2, 4);
    Tick();
    EXPECT_EQ(g.S.Cash[2], std::numeric_limits<Money>::max() - 1'000'000);
    EXPECT_FALSE(g.S.CompanyInsured[1]);
    EXPECT_EQ(g.S.PromptText, "IBM was destroyed, but Bob received $2,000,000 as compensation!");
    EXPECT_EQ(g.S.HintText,
              "The insurance office pays the value of insured companies which are destroyed as compensation.");
    Tick();
    EXPECT_EQ(g.S.Cash[2], std::numeric_limits<Money>::max()) << "never wraps round";
}

TEST_F(Disaster, AWholeComplexFallsOneCompanyPerTickAndItsOwnerLosesIt) {
    for (int k = 4; k <= 6; ++k) Own(k, 1);
    g.CheckNewComplexes();
    ASSERT_EQ(g.S.ComplexOwner[2], 1);
    Land(2, 2, 5);
    Tick();
    EXPECT_EQ(g.S.CompanyOwner[4], 0);
    EXPECT_EQ(g.S.CompanyOwner[5], 1);
    EXPECT_EQ(g.S.ComplexOwner[2], 0);
    EXPECT_NE(g.S.PromptText.find("  So she no longer owns CPU Complex!"), std::string::npos) << g.S.PromptText;
    Tick();
    EXPECT_TRUE(g.S.DestroyMode);
    Tick();
    EXPECT_EQ(g.S.CompanyOwner[6], 0);
    EXPECT_FALSE(g.S.DestroyMode);
}

}  // namespace
}  // namespace zx
