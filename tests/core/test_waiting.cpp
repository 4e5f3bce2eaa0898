// Waiting for a debt, losing and quitting, and the results window.

#include <gtest/gtest.h>

#include "test_support.h"

namespace zx {
namespace {

struct WaitTable {
    test::FakeUi ui;
    test::ScriptedRandom rnd;
    Game g{ui, rnd};
    explicit WaitTable(int players) { test::SetUpGame(g, players); }
    // `debtor` stands on Ann's Motorola ($540,000 fee) with $100,000.
    void OweAnn(int debtor) {
        g.S.CompanyOwner[4] = 1;
        g.S.Cash[debtor] = g.S.DisplayedCash[debtor] = 100'000;
        g.S.CurrentPlayer = debtor;
        test::PlaceOn(g, debtor, 14);
        g.PayCompOwner();
    }
    void Quit(int p) {
        ui.answers.push_back(MsgAnswer::Yes);
        g.Lose(p);
    }
};

TEST(WaitingLose, AnsweringNoChangesNothing) {
    WaitTable t(3);
    t.OweAnn(2);
    t.ui.answers.push_back(MsgAnswer::No);
    t.g.Wait.cmdILose_Click();
    const Message* m = t.ui.lastMessage();
    ASSERT_NE(m, nullptr);
    EXPECT_EQ(m->text, "Are you sure you want to lose and exit the game?");
    EXPECT_EQ(m->title, "Lose confirmation");
    EXPECT_EQ(m->icon, MsgIcon::Critical);
    EXPECT_EQ(m->buttons, MsgButtons::YesNo);
    EXPECT_EQ(m->defaultAnswer, MsgAnswer::No);
    EXPECT_EQ(t.g.S.NumOfPlayers, 3);
    EXPECT_TRUE(t.g.Wait.Loaded && t.g.S.WaitingMode);
}

TEST(WaitingLose, DebtorWhoGivesUpLeavesAndTheGameGoesOn) {
    WaitTable t(3);
    t.g.S.CompanyOwner[10] = 2;
    test::PlaceOn(t.g, 1, 20);
    t.OweAnn(2);
    t.ui.answers.push_back(MsgAnswer::Yes);
    t.g.Wait.cmdILose_Click();
    EXPECT_EQ(t.g.S.PromptText, "Bob lost and exited the game!");
    EXPECT_EQ(t.g.S.Finisher[3], "Bob");
    EXPECT_EQ(t.g.S.NumOfPlayers, 2);
    EXPECT_EQ(t.g.S.PlayerName[2], "Cid");
    EXPECT_EQ(t.g.S.CompanyOwner[10], 0);
    EXPECT_FALSE(t.g.S.WaitingMode || t.g.Wait.Loaded);
    EXPECT_FALSE(t.g.PlayerWindowLoaded(3));
    EXPECT_EQ(t.g.S.CurrentPlayer, 1);
    // Ann did not land anywhere: a later dispatch must not run a rule for her.
    EXPECT_EQ(t.g.S.PlayerCell[1], 0);
    EXPECT_TRUE(t.g.S.GameInProgress);
    EXPECT_EQ(t.ui.focuses.back().first, FocusId::MainWindow);
}

TEST(WaitingLose, AnotherPlayerQuittingLeavesTheCurrentDebtWaiting) {
    WaitTable t(3);
    t.OweAnn(3);
    t.Quit(2);
    EXPECT_EQ(t.g.S.PromptText, "Bob lost and exited the game!");
    EXPECT_TRUE(t.g.Wait.Loaded && t.g.S.WaitingMode);
    EXPECT_FALSE(t.g.Main.cmdRollDiceEnabled);
    EXPECT_EQ(t.g.Wait.Debtor, 2);
    EXPECT_EQ(t.g.S.CurrentPlayer, 2);
    EXPECT_EQ(t.g.S.PlayerCell[2], 14);

    t.g.S.Cash[2] = 600'000;
    t.g.Wait.cmdPay_Click();
    EXPECT_EQ(t.g.S.PromptText, "Cid paid $540,000 to Ann because of entering her company!");
    EXPECT_FALSE(t.g.Wait.Loaded || t.g.S.WaitingMode);
}

TEST(WaitingLose, CreditorQuittingLetsTheNextPayResolveTheDebt) {
    WaitTable t(3);
    t.OweAnn(3);
    t.Quit(1);
    EXPECT_TRUE(t.g.Wait.Loaded);
    t.g.Wait.cmdPay_Click();
    EXPECT_EQ(t.g.S.PromptText, "Nobody owns this company!");
    EXPECT_EQ(t.g.S.Cash[2], 100'000);
    EXPECT_FALSE(t.g.Wait.Loaded || t.g.S.WaitingMode);
}

TEST(WaitingLose, BorrowerGivingUpInAnotherPlayersTurnLeavesAlone) {
    WaitTable t(3);
    GameState& s = t.g.S;
    s.CurrentPlayer = 1;
    s.LoanCount = 1;
    s.LoanLender[1] = 2, s.LoanBorrower[1] = 3, s.LoanRepayment[1] = 1'100'000;
    s.LoanRepayPending = true;
    s.WaitingMessage = "Waiting for Cid to repay $1,100,000 loan to Bob...";
    t.g.Wait.Debtor = 3;
    t.g.Wait.Show();
    t.ui.answers.push_back(MsgAnswer::Yes);
    t.g.Wait.cmdILose_Click();
    EXPECT_EQ(s.PromptText,
              "Cid lost and exited the game!  Bob's $1,100,000 loan to Cid was repaid with interest by the bank!");
    EXPECT_EQ(s.PlayerName[1] + s.PlayerName[2], "AnnBob");
    EXPECT_EQ(s.CurrentPlayer, 1);
    EXPECT_EQ(s.Cash[2], 6'100'000);
    EXPECT_EQ(s.LoanCount, 0);
    EXPECT_FALSE(s.LoanRepayPending || s.WaitingMode || t.g.Wait.Loaded);
}

TEST(WaitingLose, LenderWinningOnTheBanksRepaymentLeavesTheRightLoser) {
    WaitTable t(3);
    GameState& s = t.g.S;
    s.Cash[1] = 8'500'000;
    t.g.UpdatePlayerWindows();
    s.LoanCount = 1;
    s.LoanLender[1] = 1, s.LoanBorrower[1] = 3, s.LoanRepayment[1] = 550'000;
    t.Quit(3);  // Ann is repaid, wins and leaves first: Cid is number 2 by then
    EXPECT_FALSE(s.GameInProgress);
    EXPECT_EQ(s.NumOfPlayers, 1);
    EXPECT_EQ(s.PlayerName[1], "Bob");
    EXPECT_EQ(s.Finisher[1] + "," + s.Finisher[2] + "," + s.Finisher[3], "Ann,Bob,Cid");
}

TEST(WaitingLose, LeavingPlayersOffersCloseButOthersMoveWithTheirOwner) {
    WaitTable t(3);
    GameState& s = t.g.S;
    // Cid, the last player, is depositing when Bob quits: Cid's desk moves
    // with him to window 2.
    s.CurrentPlayer = 3;
    s.DepositMode = true;
    t.g.PlayerWindow(3).cmdDepositEnabled = true;
    t.g.PlayerWindow(3).DefaultButton = DeskButton::Deposit;
    t.Quit(2);
    EXPECT_TRUE(s.DepositMode);
    EXPECT_TRUE(t.g.PlayerWindow(2).cmdDepositEnabled);
    EXPECT_EQ(t.g.PlayerWindow(2).DefaultButton, DeskButton::Deposit);
    EXPECT_EQ(t.g.PlayerWindow(2).Caption, "Cid");

    // Cid quits himself: his deposit offer closes with him.
    t.Quit(2);
    EXPECT_FALSE(s.DepositMode);
    EXPECT_FALSE(s.GameInProgress);
    EXPECT_EQ(s.Finisher[1], "Ann");
    EXPECT_EQ(s.Finisher[2], "Cid");
    EXPECT_EQ(s.Finisher[3], "Bob");
}

TEST(WaitingLose, CurrentBuyerQuittingClosesTheBuyWindow) {
    WaitTable t(3);
    t.g.S.CurrentPlayer = 2;
    test::PlaceOn(t.g, 2, 9);
    t.g.BuyCompany();
    ASSERT_TRUE(t.g.BuyForm.Loaded);
    t.Quit(2);
    EXPECT_FALSE(t.g.BuyForm.Loaded || t.g.S.BuyMode);
    EXPECT_EQ(t.g.S.CurrentPlayer, 1);
}

TEST(ResultsWindow, FinishingOrderOfAWinnerTwoLosersAndTheSurvivor) {
    WaitTable t(4);
    t.g.S.Cash[2] = 9'000'000;
    t.g.UpdatePlayerWindows();
    t.g.CheckWin(2);  // Bob wins
    t.Quit(1);        // Ann loses first
    t.Quit(2);        // then Dee; Cid remains
    ASSERT_TRUE(t.g.Results.Loaded);
    const auto& r = t.g.Results;
    EXPECT_EQ(r.lblFinisher[1] + "," + r.lblFinisher[2] + "," + r.lblFinisher[3] + "," + r.lblFinisher[4],
              "Bob,Cid,Dee,Ann");
    for (int i = 1; i <= 4; ++i) EXPECT_TRUE(r.rowVisible[i]);

    t.g.Results.cmdOK_Click();
    t.g.Results.cmdOK_Click();  // the close command after OK ends nothing more
    EXPECT_FALSE(t.g.Results.Loaded);
    EXPECT_EQ(t.ui.count("close", WindowId::Results), 1);
    EXPECT_EQ(t.g.Main.caption, "Zentrix 3.0");
}

}  // namespace
}  // namespace zx
