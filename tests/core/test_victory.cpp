// Complexes, estates, winning and the renumbering of those who stay.

#include <gtest/gtest.h>

#include <limits>

#include "test_support.h"

namespace zx {
namespace {

struct VictoryTable {
    test::FakeUi ui;
    test::ScriptedRandom rnd;
    Game g{ui, rnd};
    explicit VictoryTable(int players, int set = 1) { test::SetUpGame(g, players, set); }
    void Complex(int c, int p) {
        for (int k = 3 * c - 2; k <= 3 * c; ++k) g.S.CompanyOwner[k] = p, g.S.CompanyComplexed[k] = true;
        g.S.ComplexOwner[c] = p;
    }
    void Win(int p) {
        g.UpdatePlayerWindows();
        g.CheckWin(p);
    }
};

TEST(VictoryComplex, NewComplexesAreAnnouncedAndBrokenOnesNameTheFormerOwner) {
    VictoryTable t(2, 2);
    for (int k = 1; k <= 6; ++k) t.g.S.CompanyOwner[k] = k <= 3 ? 1 : 2;
    t.g.S.PromptText = "x";
    t.g.CheckNewComplexes();
    EXPECT_EQ(t.g.S.PromptText, "x  Ann now owns US Complex!  Bob now owns Japanese Complex!");
    EXPECT_EQ(t.g.S.ComplexOwner[1], 1);
    EXPECT_TRUE(t.g.S.CompanyComplexed[6]);
    t.g.CheckNewComplexes();  // an owned complex is not announced again
    EXPECT_EQ(t.g.S.PromptText, "x  Ann now owns US Complex!  Bob now owns Japanese Complex!");

    t.g.S.PromptText = "Bob sold Honda!";
    t.g.BreakComplex(5, 2);
    t.g.BreakComplex(5, 2);  // already broken: nothing more to say
    EXPECT_EQ(t.g.S.PromptText, "Bob sold Honda!  So he no longer owns Japanese Complex!");
    EXPECT_EQ(t.g.S.HintText,
              "When a company in one's complex is sold or destroyed, that player no longer owns that complex.");
    EXPECT_EQ(t.g.S.ComplexOwner[2], 0);
    EXPECT_FALSE(t.g.S.CompanyComplexed[4] || t.g.S.CompanyComplexed[5] || t.g.S.CompanyComplexed[6]);
    t.g.S.PromptText.clear();
    t.g.BreakComplex(2, 1);
    EXPECT_EQ(t.g.S.PromptText, "  So she no longer owns US Complex!");
}

TEST(VictoryEstate, EstateSumsCashBankAndCompaniesWithoutWrapping) {
    VictoryTable t(2);
    t.g.S.Cash[1] = 1'000'000;
    t.g.S.MoneyInBank[1] = 250'000;
    t.g.S.CompanyOwner[1] = 1;
    t.g.S.CompanyOwner[12] = 1;
    t.g.S.CompanyInsured[12] = true;
    t.g.CalculateEstate(1);
    EXPECT_EQ(t.g.S.Estate[1], 4'150'000);

    t.g.S.Cash[2] = t.g.S.MoneyInBank[2] = std::numeric_limits<Money>::max();
    t.g.CalculateEstate(2);
    EXPECT_EQ(t.g.S.Estate[2], std::numeric_limits<Money>::max());
}

TEST(VictoryWin, EstateMustExceedEightMillionAndFiveCompaniesWinAlways) {
    VictoryTable t(4);
    t.g.S.Cash[1] = 8'000'000;
    t.Win(1);
    EXPECT_EQ(t.g.S.NumOfPlayers, 4);
    t.g.S.Cash[1] = 8'000'001;
    t.g.S.PromptText.clear();
    t.Win(1);
    EXPECT_EQ(t.g.S.PromptText, "  Ann's estate is now more than $8,000,000.  So she won and exited the game!");
    EXPECT_EQ(t.g.S.NumOfPlayers, 3);

    // Bob is now player 1: four companies and no cash is no win, five is.
    t.g.S.Cash[1] = 0;
    for (int k : {1, 4, 7, 10}) t.g.S.CompanyOwner[k] = 1;
    t.Win(1);
    EXPECT_EQ(t.g.S.NumOfPlayers, 3);
    t.g.S.CompanyOwner[12] = 1;
    t.g.S.PromptText.clear();
    t.Win(1);
    EXPECT_EQ(t.g.S.PromptText, "  Bob now owns 5 companies.  So he won and exited the game!");
    EXPECT_EQ(t.g.S.Finisher[1], "Ann");
    EXPECT_EQ(t.g.S.Finisher[2], "Bob");
    EXPECT_EQ(t.g.S.CompanyOwner[12], 0);
}

TEST(VictoryWin, SecondOfFourWinsInHisTurnAndTheOthersMoveUp) {
    VictoryTable t(4);
    GameState& s = t.g.S;
    s.CurrentPlayer = 2;
    t.Complex(1, 2);
    s.CompanyOwner[7] = 2;
    s.CompanyOwner[8] = 4;
    s.Cash[2] = 1'500'000;
    t.Complex(2, 3);
    s.CompanyInsured[5] = true;
    s.HalfTaxBonus[3] = true;
    s.Cash[3] = 2'000'000;
    s.MoneyInBank[3] = 300'000;
    s.MissNextTurn[4] = s.FreeInsuranceBonus[4] = true;
    s.Cash[4] = 3'000'000;
    test::PlaceOn(t.g, 3, 20);
    test::PlaceOn(t.g, 4, 30);
    for (int p = 1; p <= 4; ++p) {
        s.EstateHistory[10][p] = p * 1.0;
        t.g.Main.picPiece[p].toolTip = s.PlayerName[p] + "'s piece";
        t.g.PlayerWindow(p).Left = 100 * p;
        t.g.PlayerWindow(p).Icon = p;
    }
    s.LoanCount = 2;  // Dee lent to Cid; Ann lent to Bob
    s.LoanLender[1] = 4, s.LoanBorrower[1] = 3, s.LoanRepayment[1] = 1'100'000;
    s.LoanLender[2] = 1, s.LoanBorrower[2] = 2, s.LoanRepayment[2] = 550'000;
    test::PlaceOn(t.g, 2, 25);  // the market of complex 3: only Sun is free

    t.g.BuyCompany();
    t.g.BuyForm.cmdBuy_Click();

    EXPECT_EQ(s.PromptText.rfind("Bob spent $1,100,000 and bought Sun!  Bob now owns 5 companies.  So he won and "
                                 "exited the game!",
                                 0),
              0u)
        << s.PromptText;
    EXPECT_EQ(s.Finisher[1], "Bob");
    EXPECT_EQ(s.NumOfPlayers, 3);
    EXPECT_EQ(s.PlayerName[2] + s.PlayerName[3], "CidDee");
    EXPECT_EQ(s.PlayerPiece[2] + s.PlayerPiece[3], "34");
    EXPECT_EQ(s.Cash[2], 2'000'000);
    EXPECT_EQ(s.Cash[3], 3'000'000);
    for (int k = 4; k <= 6; ++k) EXPECT_EQ(s.CompanyOwner[k], 2);
    EXPECT_TRUE(s.CompanyComplexed[4] && s.CompanyInsured[5]);
    EXPECT_EQ(s.ComplexOwner[2], 2);
    EXPECT_EQ(s.CompanyOwner[8], 3);
    for (int k : {1, 2, 3, 7, 9}) EXPECT_EQ(s.CompanyOwner[k], 0) << k;
    EXPECT_EQ(s.ComplexOwner[1], 0);
    EXPECT_TRUE(s.HalfTaxBonus[2] && s.MissNextTurn[3] && s.FreeInsuranceBonus[3]);
    EXPECT_EQ(s.PlayerCell[2], 20);
    EXPECT_EQ(s.PlayerCell[3], 30);
    EXPECT_EQ(s.PieceLeft[2], CellLeft(20) + PieceInset);
    EXPECT_EQ(s.EstateHistory[10][2], 3.0);
    EXPECT_FALSE(s.EstateHistory[10][4].has_value());
    EXPECT_EQ(t.g.Main.picPiece[2].picture, 3);
    EXPECT_EQ(t.g.Main.picPiece[2].toolTip, "Cid's piece");
    EXPECT_FALSE(t.g.Main.picPiece[4].visible);
    EXPECT_EQ(t.g.PlayerWindow(2).Left, 300);
    EXPECT_EQ(t.g.PlayerWindow(3).Icon, 4);
    EXPECT_FALSE(t.g.PlayerWindowLoaded(4));
    EXPECT_EQ(s.LoanCount, 1);
    EXPECT_EQ(s.LoanLender[1], 3);
    EXPECT_EQ(s.LoanBorrower[1], 2);
    EXPECT_EQ(s.CurrentPlayer, 1);
    EXPECT_FALSE(s.ExtraTurn || s.BuyMode);
    t.g.ChangeTurn();
    EXPECT_EQ(t.g.Name(s.CurrentPlayer), "Cid");
}

TEST(VictoryWin, ThirdOfThreeWinsOnRentAndTheTurnGoesOnToTheSecond) {
    VictoryTable t(3);
    GameState& s = t.g.S;
    s.CompanyOwner[4] = 3;
    s.Cash[3] = 5'800'000;
    s.CurrentPlayer = 1;
    test::PlaceOn(t.g, 1, 14);
    t.g.PayCompOwner();
    EXPECT_EQ(s.PromptText,
              "Ann paid $540,000 to Cid because of entering his company!  Cid's estate is now more than "
              "$8,000,000.  So he won and exited the game!");
    EXPECT_EQ(s.NumOfPlayers, 2);
    EXPECT_EQ(s.CompanyOwner[4], 0);
    EXPECT_EQ(s.Cash[1], 4'460'000);
    EXPECT_EQ(s.CurrentPlayer, 1);
    t.g.ChangeTurn();
    EXPECT_EQ(t.g.Name(s.CurrentPlayer), "Bob");
}

TEST(VictoryGameEnd, OneOfTwoWinsAndTheResultsShow) {
    VictoryTable t(2);
    t.g.S.Cash[2] = 9'000'000;
    t.Win(2);
    EXPECT_FALSE(t.g.S.GameInProgress);
    EXPECT_EQ(t.g.S.HintText, "The game ends when there's only 1 player left.");
    EXPECT_EQ(t.g.S.Finisher[1], "Bob");
    EXPECT_EQ(t.g.S.Finisher[2], "Ann");
    EXPECT_TRUE(t.g.Results.Loaded);
    ASSERT_FALSE(t.ui.windows.empty());
    EXPECT_EQ(t.ui.windows.back().window, WindowId::Results);
    EXPECT_TRUE(t.ui.windows.back().modal);
    EXPECT_TRUE(t.g.Results.rowVisible[1] && t.g.Results.rowVisible[2]);
    EXPECT_FALSE(t.g.Results.rowVisible[3] || t.g.Results.rowVisible[4]);
    EXPECT_EQ(t.g.Results.lblFinisher[1] + "," + t.g.Results.lblFinisher[2], "Bob,Ann");
    EXPECT_FALSE(t.g.PlayerWindowLoaded(1) || t.g.PlayerWindowLoaded(2));
    EXPECT_FALSE(t.g.TimerEnabled(TimerId::AutoSave));
    EXPECT_EQ(t.ui.music.back(), "Sounds/Finish.mid");
}

}  // namespace
}  // namespace zx
