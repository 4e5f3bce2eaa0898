// Bank cells (interest and deposit mode) and Tax cells (the bill and the debt).

#include <gtest/gtest.h>

#include "test_support.h"

namespace zx {
namespace {

class BankCell : public ::testing::Test {
protected:
    test::FakeUi ui;
    test::ScriptedRandom rnd;
    Game g{ui, rnd};

    void SetUp() override {
        test::SetUpGame(g, 3);
        g.S.CurrentPlayer = 1;
    }
    void Land(Money balance) {
        g.S.DepositMode = false;
        g.S.MoneyInBank[1] = balance;
        g.Bank();
    }
};

TEST_F(BankCell, InterestAndDepositMode) {
    Land(0);
    EXPECT_EQ(g.S.PromptText, "Ann is in deposit mode!");
    EXPECT_TRUE(g.S.DepositMode);
    EXPECT_FALSE(g.Main.cmdRollDiceEnabled);
    EXPECT_TRUE(g.PlayerWindow(1).cmdDepositEnabled);
    EXPECT_EQ(g.PlayerWindow(1).CancelButton, DeskButton::Deposit);
    EXPECT_EQ(ui.focuses.back(), std::make_pair(FocusId::DeskAmount, 1));

    Land(95'000);
    EXPECT_EQ(g.S.PromptText, "Ann recieved $0 interest and is in deposit mode!");
    EXPECT_TRUE(g.S.DepositMode);
    Land(1'234'567);
    EXPECT_EQ(g.S.BankInterest, 120'000);
    EXPECT_EQ(g.S.MoneyInBank[1], 1'354'567);
    EXPECT_EQ(g.S.Cash[1], 5'000'000);
    Land(99'995);  // $9,999.50 is a tie that rounds up to $10,000
    EXPECT_EQ(g.S.BankInterest, 10'000);

    g.S.Cash[1] = 0;
    Land(2'000'000);
    EXPECT_EQ(g.S.PromptText, "Ann can't deposit any money in her bank account!");
    EXPECT_EQ(g.S.MoneyInBank[1], 2'000'000);
    EXPECT_FALSE(g.S.DepositMode);
}

TEST_F(BankCell, InterestIsNotAWinCheck) {
    // Interest is not among the gains that test for a win; the player stays
    // at the counter and wins at the next gain that does.
    int players = g.S.NumOfPlayers;
    Land(2'950'000);  // $290,000 interest lifts the estate to $8,240,000
    EXPECT_EQ(g.S.NumOfPlayers, players);
    EXPECT_EQ(g.S.Finisher[1], "");
    EXPECT_TRUE(g.S.DepositMode);
    EXPECT_TRUE(g.PlayerWindow(1).cmdDepositEnabled);
}

class TaxCell : public BankCell {};

TEST_F(TaxCell, HalfTaxBonus) {
    g.S.HalfTaxBonus[1] = true;
    g.Tax();
    EXPECT_EQ(g.S.PromptText, "Ann doesn't have any companies to pay tax on!");
    EXPECT_FALSE(g.S.HalfTaxBonus[1]);

    g.S.CompanyTax[1] = 100'000;
    g.S.CompanyTax[2] = 35'000;
    g.S.CompanyOwner[1] = g.S.CompanyOwner[2] = 1;
    g.S.CompanyOwner[3] = 2;
    g.S.HalfTaxBonus[1] = true;
    g.Tax();
    EXPECT_EQ(g.S.Cash[1], 5'000'000 - 67'500);
    EXPECT_EQ(g.S.PromptText, "Ann paid $67,500 tax for her companies!");
}

TEST_F(TaxCell, RetriedBillKeepsTheFirstAmount) {
    g.S.CurrentPlayer = 2;
    g.S.CompanyOwner[1] = g.S.CompanyOwner[2] = 2;
    Money bill = g.S.CompanyTax[1] + g.S.CompanyTax[2];
    g.S.Cash[2] = bill - 1;
    g.Tax();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "You do not have enough money to pay the tax of your companies!" + g.S.MsgMustWithdraw);
    EXPECT_EQ(ui.messages[0].icon, MsgIcon::Critical);
    EXPECT_EQ(g.S.WaitingMessage, "Waiting for Bob to pay " + FormatMoney(bill) + " for the tax of his companies...");
    EXPECT_EQ(g.Wait.Debtor, 2);
    EXPECT_EQ(g.S.Cash[2], bill - 1);

    g.S.CompanyOwner[2] = 0;  // he sells a company and raises the money
    g.S.Cash[2] = bill;
    g.Tax();
    EXPECT_EQ(g.S.Cash[2], 0);
    EXPECT_FALSE(g.S.TaxDebtPending);
    g.S.Cash[2] = 1'000'000;
    g.Tax();  // the next landing works out its own bill
    EXPECT_EQ(g.S.TotalTax, g.S.CompanyTax[1]);
}

}  // namespace
}  // namespace zx
