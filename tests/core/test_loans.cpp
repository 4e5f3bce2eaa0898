// Loans between players: the "Lend money" window, repayment and settlement.

#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "test_support.h"

namespace zx {
namespace {

using test::FakeUi;
using test::ScriptedRandom;
using test::SetUpGame;

struct LoanFixture : ::testing::Test {
    FakeUi ui;
    ScriptedRandom rnd;
    Game g{ui, rnd};
    LoanForm& f = g.LoanDialog;
    GameState& s = g.S;

    void SetUp() override { SetUpGame(g, 3); }

    // What the personal window's Loan button does before the window shows.
    void Open(int lender) {
        g.Draft.Take(s, lender);
        f.Form_Load();
    }
    void Fill(int borrower, const std::string& millions, int setting) {
        f.optPlayer_Click(borrower);
        f.txtLoanNum_Typed(millions);
        f.VScroll_Change(setting);
    }
    void Grant(int lender, int borrower, const std::string& millions, int setting) {
        Open(lender);
        Fill(borrower, millions, setting);
        ui.answers.push_back(MsgAnswer::Yes);
        f.cmdLoan_Click();
    }
    void Schedule(int lender, int borrower, Money repayment, int due) {
        s.LoanCount += 1;
        s.LoanLender[s.LoanCount] = lender;
        s.LoanBorrower[s.LoanCount] = borrower;
        s.LoanRepayment[s.LoanCount] = repayment;
        s.LoanDueMove[s.LoanCount] = due;
    }
    std::string Refusal() {
        ui.messages.clear();
        f.cmdLoan_Click();
        if (ui.messages.empty()) return "";
        EXPECT_EQ(ui.messages.back().title, "Bad number");
        return ui.messages.back().text;
    }
};

// ---- the window ----

TEST_F(LoanFixture, OpeningOffersEveryOtherPlayerAtTheShortestTerms) {
    Open(2);
    EXPECT_TRUE(f.optPlayerVisible[3]);
    EXPECT_FALSE(f.optPlayerVisible[4]);
    EXPECT_EQ(f.optPlayerCaption[3], "Cid");
    EXPECT_FALSE(f.optPlayerEnabled[2]) << "nobody lends to himself";
    EXPECT_TRUE(f.optPlayerValue[1]);
    EXPECT_EQ(f.lblInterest, "10 %");
    EXPECT_EQ(f.lblDuration, "10 Moves");
    f.optPlayer_Click(2);
    EXPECT_TRUE(f.optPlayerValue[1]);

    f.vscLoanNum_Change(-90);
    EXPECT_EQ(f.txtLoanNum, "10");
    f.vscLoanNum_Change(9);
    EXPECT_EQ(f.txtLoanNum, "0.1");
    f.vscLoanNum_Change(-15);
    EXPECT_EQ(f.txtLoanNum, "2.5");
    f.VScroll_Change(8);
    EXPECT_EQ(f.lblDuration, "30 Moves");
}

TEST_F(LoanFixture, ALoanMadeAtMove40IsRepaidWithInterestAtMove70) {
    s.Moves = 40;
    Open(1);
    Fill(2, "2.5", 8);
    ui.answers.push_back(MsgAnswer::Yes);
    f.cmdLoan_Click();
    ASSERT_NE(ui.lastMessage(), nullptr);
    EXPECT_EQ(ui.lastMessage()->text,
              "Bob, do you want to borrow $2,500,000 from Ann with 30 % interest for 30 moves?");
    EXPECT_EQ(ui.lastMessage()->title, "Loan confirmation");
    EXPECT_EQ(ui.lastMessage()->buttons, MsgButtons::YesNo);

    EXPECT_EQ(s.PromptText.rfind("Ann loaned $2,500,000 to Bob with 30 % interest for 30 moves!", 0), 0u);
    EXPECT_EQ(s.Cash[1], 2'500'000);
    EXPECT_EQ(s.Cash[2], 7'500'000);
    EXPECT_EQ(s.LoanRepayment[1], 3'250'000);
    EXPECT_EQ(s.LoanDueMove[1], 70);
    EXPECT_EQ(g.Draft.Slot(), 0);
    EXPECT_FALSE(f.Loaded);
    EXPECT_EQ(ui.focuses.back(), std::make_pair(FocusId::MainWindow, 0));

    s.Moves = 69;
    g.RepayDueLoans();
    EXPECT_EQ(s.LoanCount, 1);
    s.Moves = 70;
    g.RepayDueLoans();
    EXPECT_EQ(s.LoanCount, 0);
    EXPECT_EQ(s.Cash[1], 5'750'000);
    EXPECT_EQ(s.Cash[2], 4'250'000);
    EXPECT_TRUE(s.LoanRepaidNotice);
    EXPECT_EQ(s.LoanRepaidText, "  Bob repaid his $3,250,000 loan to Ann!");
}

TEST_F(LoanFixture, BadAmountsAreRefusedAndTheSlotStaysTaken) {
    Open(1);
    for (const char* text : {"0", "", "-1", "abc", "0.04", "-1e9"}) {
        f.txtLoanNum_Typed(text);
        EXPECT_EQ(Refusal(), "Please enter a positive number!") << text;
        EXPECT_EQ(f.txtLoanNum, "");
        EXPECT_EQ(ui.focuses.back(), std::make_pair(FocusId::LoanAmount, 0));
    }
    // The box holds four characters, not four bytes.
    f.txtLoanNum_Typed("\u20ac\u20ac12.5");
    EXPECT_EQ(f.txtLoanNum, "\u20ac\u20ac12");
    s.Cash[1] = 1'000'000;
    f.txtLoanNum_Typed("1.5");
    EXPECT_EQ(Refusal(), "Ann, you don't have enough money!");
    EXPECT_EQ(s.LoanCount, 1);
    EXPECT_EQ(g.Draft.Slot(), 1);
}

TEST_F(LoanFixture, AmountsThatDoNotFitACashFigureChangeNothing) {
    const Money most = std::numeric_limits<Money>::max();
    Open(1);
    s.Cash[1] = most;
    f.txtLoanNum_Typed("9999");
    EXPECT_EQ(Refusal(), "Please enter a smaller amount!");
    // $2,147,000,000 fits, but paying it back with 100 % interest would not.
    f.txtLoanNum_Typed("2147");
    f.VScroll_Change(1);
    EXPECT_EQ(Refusal(), "Please enter a smaller amount!");
    // Nor may the borrower's cash run over.
    s.Cash[2] = most - 50'000;
    f.txtLoanNum_Typed("0.1");
    EXPECT_EQ(Refusal(), "Please enter a smaller amount!");

    EXPECT_EQ(s.Cash[1], most);
    EXPECT_EQ(s.Cash[2], most - 50'000);
    EXPECT_EQ(s.LoanRepayment[1], 0);
    EXPECT_TRUE(f.Loaded);
}

TEST_F(LoanFixture, TheBorrowersNoKeepsTheWindowOpen) {
    Open(3);
    Fill(1, "2", 5);
    ui.answers.push_back(MsgAnswer::No);
    f.cmdLoan_Click();
    EXPECT_TRUE(f.Loaded);
    EXPECT_EQ(f.txtLoanNum, "2");
    EXPECT_EQ(s.Cash[3], StartCash);
    EXPECT_EQ(g.Draft.Slot(), 1);

    ui.answers.push_back(MsgAnswer::Yes);
    f.cmdLoan_Click();
    EXPECT_EQ(s.Cash[1], StartCash + 2'000'000);
    EXPECT_EQ(s.LoanRepayment[1], 3'200'000);
}

TEST_F(LoanFixture, CancelAndTheCloseCommandGiveTheSlotBack) {
    s.Sounds = true;
    Schedule(2, 3, 1'100'000, 30);
    Open(1);
    f.cmdCancel_Click();
    EXPECT_EQ(s.LoanCount, 1);
    EXPECT_EQ(s.LoanLender[1], 2) << "the live loan stays";
    EXPECT_EQ(g.Draft.Slot(), 0);
    EXPECT_FALSE(f.Loaded);
    EXPECT_EQ(s.PromptText, "Ann refused to lend any money!");
    EXPECT_TRUE(ui.played("Negative.wav"));

    Open(3);
    f.Form_QueryUnload();
    EXPECT_EQ(s.LoanCount, 1);
    EXPECT_EQ(g.Draft.Slot(), 0);
    EXPECT_EQ(ui.count("close", WindowId::Loan), 2);
    EXPECT_EQ(s.PromptText, "Cid refused to lend any money!");
}

TEST_F(LoanFixture, FiveLoansRefuseASixthUntilOneIsRepaid) {
    for (int i = 0; i < 5; ++i) Grant(1, 2, "0.5", 10);
    ASSERT_EQ(s.LoanCount, 5);
    ui.messages.clear();
    g.PlayerWindow(3).cmdLoan_Click();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "There can't be more than 5 loans scheduled at a time!");
    EXPECT_EQ(s.LoanCount, 5);
    EXPECT_FALSE(f.Loaded);

    s.Moves = 10;
    g.RepayDueLoans();
    EXPECT_EQ(s.LoanCount, 0) << "all five fell due together";
    g.PlayerWindow(3).cmdLoan_Click();
    EXPECT_TRUE(f.Loaded);
    EXPECT_EQ(s.LoanCount, 1);
    EXPECT_EQ(g.Draft.Slot(), 1);
    EXPECT_EQ(s.LoanLender[1], 3);
}

// ---- repayment ----

TEST_F(LoanFixture, LoansDueOnOneMoveAreRepaidInSlotOrderWithJoinedNotices) {
    Schedule(1, 2, 1'100'000, 50);
    Schedule(3, 1, 2'200'000, 50);
    Schedule(2, 3, 1'300'000, 60);
    s.Moves = 50;
    g.RepayDueLoans();
    EXPECT_EQ(s.LoanRepaidText, "  Bob repaid his $1,100,000 loan to Ann!  Ann repaid her $2,200,000 loan to Cid!");
    EXPECT_EQ(s.LoanCount, 1);
    EXPECT_EQ(s.LoanLender[1], 2);
    EXPECT_EQ(s.LoanDueMove[1], 60);
    EXPECT_EQ(s.Cash[1], StartCash + 1'100'000 - 2'200'000);
    EXPECT_EQ(s.Cash[2], StartCash - 1'100'000);
    EXPECT_EQ(s.Cash[3], StartCash + 2'200'000);
}

TEST_F(LoanFixture, ABorrowerShortOfCashIsWaitedForAndThenRepaysExactlyTheDue) {
    s.Sounds = true;
    Schedule(1, 2, 3'250'000, 70);
    s.Cash[1] = 1'000'000;
    s.Cash[2] = 1'000'000;
    s.Moves = 70;
    s.CurrentPlayer = 3;  // Cid's landing, on his start box
    g.DoActions();

    EXPECT_TRUE(s.LoanRepayPending);
    EXPECT_TRUE(ui.played("Wait.wav"));
    ASSERT_NE(ui.lastMessage(), nullptr);
    EXPECT_EQ(ui.lastMessage()->text,
              "Bob, you don't have enough money to repay $3,250,000 loan to Ann!" + s.MsgMustWithdraw);
    EXPECT_EQ(ui.lastMessage()->title, "You must pay now!");
    EXPECT_EQ(ui.lastMessage()->icon, MsgIcon::Critical);
    EXPECT_EQ(s.WaitingMessage, "Waiting for Bob to repay $3,250,000 loan to Ann...");
    EXPECT_EQ(g.Wait.Debtor, 2);
    EXPECT_TRUE(g.Wait.Loaded);
    EXPECT_TRUE(s.WaitingMode);
    EXPECT_EQ(s.LoanCount, 1);
    EXPECT_EQ(s.Cash[2], 1'000'000);

    s.Cash[2] = 4'000'000;  // Bob sold something meanwhile
    g.Wait.cmdPay_Click();
    EXPECT_FALSE(s.LoanRepayPending);
    EXPECT_FALSE(s.WaitingMode);
    EXPECT_EQ(s.LoanCount, 0);
    EXPECT_EQ(s.Cash[2], 750'000);
    EXPECT_EQ(s.Cash[1], 4'250'000);
}

TEST_F(LoanFixture, TheDraftOfAnOpenWindowIsNeverRepaidAndMovesDownWithTheSchedule) {
    Schedule(2, 3, 1'100'000, 30);
    s.LoanDueMove[2] = 30;  // left over from an older loan in that slot
    s.LoanRepayment[2] = 999'999;
    Open(1);
    ASSERT_EQ(g.Draft.Slot(), 2);
    s.Moves = 30;
    g.RepayDueLoans();
    EXPECT_EQ(s.LoanRepaidText, "  Cid repaid his $1,100,000 loan to Bob!");
    EXPECT_EQ(s.LoanCount, 1);
    EXPECT_EQ(g.Draft.Slot(), 1);
    EXPECT_EQ(s.LoanLender[1], 1);
    EXPECT_EQ(s.Cash[1], StartCash);

    Fill(3, "1", 10);
    ui.answers.push_back(MsgAnswer::Yes);
    f.cmdLoan_Click();
    EXPECT_EQ(s.LoanCount, 1);
    EXPECT_EQ(s.LoanBorrower[1], 3);
    EXPECT_EQ(s.LoanDueMove[1], 40);
}

TEST_F(LoanFixture, ALenderWhoWinsByARepaymentDoesNotSeeItCancelled) {
    s.Cash[1] = 6'000'000;
    Schedule(1, 2, 3'250'000, 70);
    Schedule(3, 2, 1'100'000, 90);
    s.Moves = 70;
    g.RepayDueLoans();
    EXPECT_EQ(s.Finisher[1], "Ann");
    EXPECT_EQ(s.PromptText.find("cancelled"), std::string::npos) << s.PromptText;
    ASSERT_EQ(s.LoanCount, 1) << "Cid's loan is still to be repaid";
    EXPECT_EQ(s.LoanLender[1], 2);  // Cid, renumbered
    EXPECT_EQ(s.LoanBorrower[1], 1);  // Bob
    EXPECT_EQ(s.LoanRepayment[1], 1'100'000);
}

// ---- players who leave ----

TEST_F(LoanFixture, ALoserWhoLentAndBorrowedIsSettledOnceForEach) {
    Schedule(2, 3, 1'300'000, 50);
    Schedule(1, 2, 2'600'000, 60);
    Schedule(3, 1, 1'100'000, 70);
    s.PromptText = "Bob lost and exited the game!";
    g.SettleLoansOfLoser(2);
    EXPECT_EQ(s.PromptText,
              "Bob lost and exited the game!  Bob's $1,300,000 loan to Cid was cancelled and doesn't need repaying "
              "anymore!  Ann's $2,600,000 loan to Bob was repaid with interest by the bank!");
    EXPECT_EQ(s.LoanCount, 1);
    EXPECT_EQ(s.LoanLender[1], 3);
    EXPECT_EQ(s.Cash[1], StartCash + 2'600'000);
    EXPECT_EQ(s.Cash[3], StartCash);
}

TEST_F(LoanFixture, ALenderWhomTheBankRepaysMayWinAsTheBorrowerLeaves) {
    SetUpGame(g, 4);
    Schedule(1, 2, 3'250'000, 60);  // Ann lent to Bob
    ui.answers.push_back(MsgAnswer::Yes);
    g.Lose(2);
    EXPECT_EQ(s.Finisher[1], "Ann") << "$8,250,000 after the bank's repayment";
    EXPECT_EQ(s.Finisher[4], "Bob");
    ASSERT_EQ(s.NumOfPlayers, 2);
    EXPECT_EQ(s.PlayerName[1], "Cid");
    EXPECT_EQ(s.PlayerName[2], "Dee");
    EXPECT_EQ(s.LoanCount, 0);
}

TEST_F(LoanFixture, ADebtorWhoseLenderWinsMeanwhilePaysNothingAndTheGameGoesOn) {
    Schedule(1, 3, 3'000'000, 70);
    s.Cash[3] = 1'000'000;
    s.Moves = 70;
    s.CurrentPlayer = 3;  // Cid's landing, on his start box
    g.DoActions();
    ASSERT_TRUE(s.WaitingMode);
    g.PlayerWins(1);  // Ann wins while Cid waits: her loan to him is cancelled
    ASSERT_EQ(s.LoanCount, 0);
    for (int p = 1; p <= s.NumOfPlayers; ++p) s.DisplayedCash[p] = s.Cash[p];
    s.MoneyChanging = false;
    g.Wait.cmdPay_Click();
    EXPECT_FALSE(s.WaitingMode);
    EXPECT_EQ(s.Cash[2], 1'000'000);
    EXPECT_TRUE(g.Main.cmdRollDiceEnabled) << "nothing is owed any more: the next roll must be possible";
}

TEST_F(LoanFixture, AWinnersLoansAndHisOpenLoanWindowAreCancelledWithoutMoney) {
    Schedule(2, 3, 1'300'000, 50);
    Schedule(1, 2, 2'600'000, 60);
    s.Moves = 50;
    s.LoanRepayPending = true;  // Cid could not repay Bob at move 50
    Open(2);
    s.PromptText.clear();
    g.SettleLoansOfWinner(2);
    EXPECT_EQ(s.PromptText,
              "  Bob's $1,300,000 loan to Cid was cancelled and doesn't need repaying anymore!  Ann's $2,600,000 "
              "loan to Bob was cancelled and won't be repaid by the bank!");
    EXPECT_EQ(s.LoanCount, 0);
    EXPECT_EQ(g.Draft.Slot(), 0);
    EXPECT_FALSE(f.Loaded);
    EXPECT_EQ(s.Cash[1], StartCash);
    EXPECT_FALSE(s.LoanRepayPending) << "the landing waits for a loan no more";
}

TEST_F(LoanFixture, AfterAPlayerLeavesTheRightPeopleRepayAndReceive) {
    SetUpGame(g, 4);
    Schedule(4, 3, 1'100'000, 30);  // Dee lent to Cid
    Schedule(2, 1, 2'200'000, 40);  // Bob lent to Ann
    ui.answers.push_back(MsgAnswer::Yes);
    g.Lose(2);  // Bob gives up: his loan to Ann is cancelled
    ASSERT_EQ(s.NumOfPlayers, 3);
    EXPECT_EQ(s.Cash[1], StartCash);
    ASSERT_EQ(s.LoanCount, 1);

    s.Moves = 30;
    g.RepayDueLoans();
    EXPECT_EQ(s.LoanRepaidText, "  Cid repaid his $1,100,000 loan to Dee!");
    EXPECT_EQ(s.PlayerName[2], "Cid");
    EXPECT_EQ(s.Cash[2], StartCash - 1'100'000);
    EXPECT_EQ(s.PlayerName[3], "Dee");
    EXPECT_EQ(s.Cash[3], StartCash + 1'100'000);
}

}  // namespace
}  // namespace zx
