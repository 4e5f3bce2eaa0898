// The personal window: deposits, withdrawals, the amount box, insurance and
// the doors to lending and selling.

#include <gtest/gtest.h>

#include <limits>

#include "test_support.h"

namespace zx {
namespace {

const char* const WithdrawHint = "Enter the amount of money to be withdrawn in million dollars and click Withdraw.";

class DeskWindow : public ::testing::Test {
protected:
    test::FakeUi ui;
    test::ScriptedRandom rnd;
    Game g{ui, rnd};

    void SetUp() override {
        test::SetUpGame(g, 2);
        g.S.CurrentPlayer = 1;
    }
    PlayerForm& W(int p) { return g.PlayerWindow(p); }
    void Deposit(const std::string& text, bool land = true) {
        if (land) g.Bank();
        W(1).txtBankNum_Typed(text);
        W(1).cmdDeposit_Click();
    }
    void Withdraw(int p, const std::string& text) {
        W(p).txtBankNum_Typed(text);
        W(p).cmdWithdraw_Click();
    }
    void Own(int p, std::initializer_list<int> companies, bool insured = false) {
        for (int k : companies) g.S.CompanyOwner[k] = p, g.S.CompanyInsured[k] = insured;
        g.UpdatePlayerWindows();
    }
    void ExpectMessage(const std::string& text, const std::string& title) {
        ASSERT_FALSE(ui.messages.empty());
        EXPECT_EQ(ui.messages.back().text, text);
        EXPECT_EQ(ui.messages.back().title, title);
        ui.messages.clear();
    }
};

TEST_F(DeskWindow, DepositLimitsAndRounding) {
    Deposit("1.04");  // too much although it rounds to 1.0
    ExpectMessage("You can't deposit more than $1,000,000 at a time!", "Sorry!");
    EXPECT_TRUE(g.S.DepositMode);
    EXPECT_EQ(W(1).txtBankNum, "");
    Deposit("-1", false);
    ExpectMessage("Please enter a positive number!", "Bad number");
    EXPECT_TRUE(g.S.DepositMode);

    Deposit("1", false);
    EXPECT_EQ(g.S.Cash[1], 4'000'000);
    EXPECT_EQ(g.S.MoneyInBank[1], 1'000'000);
    EXPECT_EQ(g.S.PromptText, "Ann deposited $1,000,000!");
    EXPECT_FALSE(g.S.DepositMode);
    EXPECT_FALSE(W(1).cmdDepositEnabled);
    EXPECT_EQ(W(1).DefaultButton, DeskButton::None);
    EXPECT_EQ(W(1).CancelButton, DeskButton::None);
    EXPECT_EQ(W(1).lblMoneyInBank, "$1,000,000");
    EXPECT_EQ(ui.focuses.back().first, FocusId::MainWindow);

    g.S.MoneyInBank[1] = 0;
    Deposit("0.25");  // one decimal, halves to even
    EXPECT_EQ(g.S.MoneyInBank[1], 200'000);
    g.S.MoneyInBank[1] = 0;
    Deposit("0.04");  // rounds to nothing, yet reads as an answer
    EXPECT_EQ(g.S.PromptText, "Ann deposited $0!");
    EXPECT_FALSE(g.S.DepositMode);
}

TEST_F(DeskWindow, DepositRefusalsAndShortCash) {
    Deposit(".5");  // sorts before "0": no answer at all
    EXPECT_EQ(g.S.PromptText, "Ann refused to deposit any money!");
    EXPECT_FALSE(g.S.DepositMode);
    Deposit("0.5");
    EXPECT_EQ(g.S.PromptText, "Ann deposited $500,000!");

    g.S.MoneyInBank[1] = 0;
    g.S.Cash[1] = 100'000;
    Deposit("0.5");
    ExpectMessage("You don't have enough money to deposit $500,000!", "Sorry!");
    EXPECT_TRUE(g.S.DepositMode);
    EXPECT_EQ(g.S.Cash[1], 100'000);
    W(2).txtBankNum_Typed("0.1");
    W(2).cmdDeposit_Click();  // another player's window cannot deposit
    EXPECT_TRUE(g.S.DepositMode);
    Deposit("0.1", false);
    EXPECT_EQ(g.S.Cash[1], 0);
    EXPECT_EQ(g.S.MoneyInBank[1], 100'000);
}

TEST_F(DeskWindow, WithdrawRoundsAndResetsTheBox) {
    g.S.MoneyInBank[2] = 1'000'000;
    W(2).txtBankNum_Typed(".125");
    EXPECT_EQ(W(2).DefaultButton, DeskButton::Withdraw);
    W(2).cmdWithdraw_Click();  // not his turn: withdrawing is always allowed
    EXPECT_EQ(g.S.Cash[2], 5'120'000);
    EXPECT_EQ(g.S.MoneyInBank[2], 880'000);
    EXPECT_EQ(g.S.PromptText, "Bob withdrew $120,000 from the bank!");
    EXPECT_EQ(W(2).txtBankNum, "");
    EXPECT_EQ(g.S.HintText, WithdrawHint);
    EXPECT_EQ(W(2).DefaultButton, DeskButton::None);

    g.S.PromptText = "before";
    Withdraw(2, "");
    Withdraw(2, "0");
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(g.S.PromptText, "before");
    EXPECT_EQ(g.S.MoneyInBank[2], 880'000);
}

TEST_F(DeskWindow, WithdrawRefusals) {
    g.S.MoneyInBank[1] = 1'229'999;
    Withdraw(1, "1.23");
    ExpectMessage("You don't have $1,230,000 money in the bank!", "Sorry!");
    EXPECT_EQ(g.S.HintText, WithdrawHint);
    g.S.MoneyInBank[1] = 1'230'000;
    Withdraw(1, "1.23");
    EXPECT_EQ(g.S.MoneyInBank[1], 0);

    g.S.MoneyInBank[1] = 2'000'000'000;
    Withdraw(1, "-1");
    ExpectMessage("Please enter a positive integer!", "Bad number");
    Withdraw(1, "3000");  // beyond any 32-bit balance
    ExpectMessage("You don't have $3,000,000,000 money in the bank!", "Sorry!");
    Withdraw(1, "9e99");
    ExpectMessage("Please enter a smaller number!", "Bad number");
    g.S.Cash[1] = std::numeric_limits<Money>::max() - 5;
    Withdraw(1, "1");  // cash would pass the money range
    EXPECT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(g.S.Cash[1], std::numeric_limits<Money>::max() - 5);
    EXPECT_EQ(g.S.MoneyInBank[1], 2'000'000'000);
}

TEST_F(DeskWindow, AmountBoxLimitAndScrollBar) {
    W(1).txtBankNum_Typed("123456");
    EXPECT_EQ(W(1).txtBankNum, "1234");
    W(1).txtBankNum_Typed("\xE2\x82\xAC\xE2\x82\xAC\xE2\x82\xAC\xE2\x82\xAC\xE2\x82\xAC");  // five euro signs
    EXPECT_EQ(W(1).txtBankNum, "\xE2\x82\xAC\xE2\x82\xAC\xE2\x82\xAC\xE2\x82\xAC");
    const std::pair<int, const char*> steps[] = {{-90, "10"}, {0, "1"}, {9, "0.1"}, {7, "0.3"}, {-1, "1.1"}};
    for (auto [value, text] : steps) {
        W(1).vscBankNum_Change(value);
        EXPECT_EQ(W(1).txtBankNum, text) << value;
    }
    EXPECT_EQ(W(1).DefaultButton, DeskButton::Withdraw);

    g.Bank();  // in deposit mode typing leaves Deposit in charge
    W(1).txtBankNum_Typed("0.3");
    EXPECT_EQ(W(1).DefaultButton, DeskButton::Deposit);
    EXPECT_NE(g.S.HintText, WithdrawHint);
}

TEST_F(DeskWindow, LoanAndSaleDoors) {
    g.S.WaitingMode = true;
    g.S.LoanCount = 5;
    W(2).cmdLoan_Click();
    ExpectMessage("You can't lend money in waiting mode!", "Illegal Loan");
    g.S.WaitingMode = false;
    W(2).cmdLoan_Click();
    ExpectMessage("There can't be more than 5 loans scheduled at a time!", "Illegal Loan");
    EXPECT_EQ(g.S.LoanCount, 5);
    EXPECT_FALSE(ui.shown(WindowId::Loan));
    g.S.LoanCount = 2;
    W(2).cmdLoan_Click();
    EXPECT_EQ(g.S.LoanLender[3], 2);
    EXPECT_EQ(g.Draft.Slot(), 3);
    EXPECT_TRUE(ui.shown(WindowId::Loan));

    W(1).cmdSellCompanies_Click();
    ExpectMessage("You don't have any companies!", "No companies");
    Own(2, {4});
    W(2).cmdSellCompanies_Click();
    EXPECT_EQ(g.S.SellingPlayer, 2);
    EXPECT_TRUE(ui.shown(WindowId::SellCompanies));
    EXPECT_TRUE(W(1).Form_QueryUnload(true));
    EXPECT_FALSE(W(1).Form_QueryUnload(false));
    g.S.PlayerName[2] = "Ann";  // a window knows its owner by who he is, not by his name
    EXPECT_EQ(W(1).Owner(), 1);
    EXPECT_EQ(W(2).Owner(), 2);
}

class InsuranceDesk : public DeskWindow {};

TEST_F(InsuranceDesk, CellOutcomes) {
    g.Insurance();
    EXPECT_EQ(g.S.PromptText, "Ann doesn't have any companies to insure!");
    Own(1, {1, 2, 3, 4}, true);
    g.Insurance();
    EXPECT_EQ(g.S.PromptText, "Ann doesn't have any un-insured companies!");
    EXPECT_EQ(g.S.HintText, "Ann, all of your companies are insured already.");
    EXPECT_FALSE(g.S.InsuranceMode);

    Own(1, {5});  // only the fifth row is uninsured
    g.Insurance();
    EXPECT_EQ(g.S.PromptText, "Ann is in Insurance mode!");
    EXPECT_TRUE(g.S.InsuranceMode);
    EXPECT_TRUE(W(1).fraInsuranceEnabled);
    EXPECT_FALSE(W(1).cmdWithdrawEnabled);
    EXPECT_EQ(W(1).DefaultButton, DeskButton::OK);
    EXPECT_EQ(W(1).CancelButton, DeskButton::OK);
    EXPECT_EQ(ui.focuses.back(), std::make_pair(FocusId::DeskFirstInsurance, 1));

    g.S.CompanyInsured[5] = true;  // everything grey: pressing OK is a refusal
    g.UpdatePlayerWindows();
    W(1).chkInsurance_Click(5);
    W(1).cmdOK_Click();
    EXPECT_EQ(g.S.PromptText, "Ann refused to insure any companies!");
    EXPECT_FALSE(g.S.InsuranceMode);
    EXPECT_FALSE(W(1).fraInsuranceEnabled);
    EXPECT_TRUE(W(1).cmdWithdrawEnabled);
}

TEST_F(InsuranceDesk, FreeBonusCoversEveryTickedCompany) {
    Own(1, {1, 2, 3});
    g.S.FreeInsuranceBonus[1] = true;
    g.S.Cash[1] = 0;
    g.Insurance();
    W(1).chkInsurance_Click(1);
    W(1).chkInsurance_Click(3);
    W(1).cmdOK_Click();
    EXPECT_TRUE(g.S.CompanyInsured[1] && g.S.CompanyInsured[3]);
    EXPECT_FALSE(g.S.CompanyInsured[2]);
    EXPECT_FALSE(g.S.FreeInsuranceBonus[1]);
    EXPECT_EQ(g.S.PromptText, "Ann insured her companies for free!");
    EXPECT_EQ(g.S.HintText, "Ann had recieved a free insurance bonus from the Computer before.");
    EXPECT_FALSE(g.S.InsuranceMode);
}

TEST_F(InsuranceDesk, ShortOfCashKeepsTheModeUntilPaid) {
    Own(1, {1, 2});
    Money price1 = g.S.InsurancePrice[1], price2 = g.S.InsurancePrice[2];
    g.S.Cash[1] = price1 + price2 - 1;
    g.Insurance();
    W(1).chkInsurance_Click(1);
    W(1).chkInsurance_Click(2);
    W(1).cmdOK_Click();
    ExpectMessage("You don't have " + FormatMoney(price1 + price2) +
                      " money to pay for the insurance of your companies!" + g.S.MsgCanBorrow,
                  "Sorry!");
    EXPECT_TRUE(g.S.InsuranceMode);
    EXPECT_TRUE(W(1).fraInsuranceEnabled);

    W(1).chkInsurance_Click(2);  // untick one and try again
    W(1).cmdOK_Click();
    EXPECT_EQ(g.S.Cash[1], price2 - 1);
    EXPECT_TRUE(g.S.CompanyInsured[1]);
    EXPECT_FALSE(g.S.CompanyInsured[2]);
    EXPECT_EQ(g.S.PromptText, "Ann paid " + FormatMoney(price1) + " for insurance!");
    EXPECT_FALSE(g.S.InsuranceMode);
}

}  // namespace
}  // namespace zx
