// Landing on companies (income and fees, debts) and buying at the markets.

#include <gtest/gtest.h>

#include "test_support.h"

namespace zx {
namespace {

struct CompanyTable {
    test::FakeUi ui;
    test::ScriptedRandom rnd;
    Game g{ui, rnd};
    explicit CompanyTable(int players, int set = 1) { test::SetUpGame(g, players, set); }
    void Land(int p, int cell) {
        g.S.CurrentPlayer = p;
        test::PlaceOn(g, p, cell);
    }
    void Complex(int c, int p) {
        for (int k = 3 * c - 2; k <= 3 * c; ++k) g.S.CompanyOwner[k] = p, g.S.CompanyComplexed[k] = true;
        g.S.ComplexOwner[c] = p;
    }
    void CountMoney() {
        for (int t = 0; t < 100000 && g.S.MoneyChanging; ++t) g.tmrChangeMoney_Timer();
    }
};

TEST(CompanyIncome, OwnCompanyPaysFifteenOrTwentyFivePercent) {
    CompanyTable t(3);
    t.g.S.Cash[1] = 500'000;
    t.g.S.CompanyOwner[1] = 1;
    t.Land(1, 6);
    t.g.PayCompOwner();
    EXPECT_EQ(t.g.S.Cash[1], 800'000);
    EXPECT_EQ(t.g.S.PromptText, "Ann recieved $300,000 as income because of entering her own company!");

    t.Complex(1, 1);
    t.g.PayCompOwner();
    EXPECT_EQ(t.g.S.Cash[1], 1'300'000);
    EXPECT_EQ(t.g.S.PromptText, "Ann recieved $500,000 as income because of entering her own complexed company!");
}

TEST(CompanyFee, FeeGoesToTheOwnerAndNamesHisOrHerCompany) {
    CompanyTable t(3);
    t.g.S.CompanyOwner[4] = 1;  // Ann's Motorola, fee $540,000
    t.g.S.HintText = "earlier hint";
    t.Land(2, 14);
    t.g.PayCompOwner();
    EXPECT_EQ(t.g.S.Cash[2], 4'460'000);
    EXPECT_EQ(t.g.S.Cash[1], 5'540'000);
    EXPECT_EQ(t.g.S.PromptText, "Bob paid $540,000 to Ann because of entering her company!");
    EXPECT_EQ(t.g.S.HintText, "earlier hint");

    t.Complex(3, 3);  // Cid's complex: Microsoft charges $650,000
    t.g.S.Cash[3] = 100'000;
    t.Land(1, 23);
    t.g.PayCompOwner();
    EXPECT_EQ(t.g.S.Cash[3], 750'000);
    EXPECT_EQ(t.g.S.PromptText, "Ann paid $650,000 to Cid because of entering his complexed company!");
    EXPECT_EQ(t.g.S.HintText,
              "Complexed companies give the owner much more income and power than companies scattered around the "
              "board.");
}

TEST(CompanyFee, CashExactlyEqualToTheFeeIsEnoughAndLeavesZero) {
    CompanyTable t(3);
    t.g.S.CompanyOwner[4] = 1;
    t.g.S.Cash[2] = t.g.S.DisplayedCash[2] = 540'000;
    t.Land(2, 14);
    t.g.PayCompOwner();
    t.CountMoney();
    EXPECT_FALSE(t.g.S.WaitingMode);
    EXPECT_EQ(t.g.S.Cash[2], 0);
    EXPECT_EQ(t.g.PlayerWindow(2).lblCash, "$0");
}

TEST(CompanyFee, UnownedCompanyKeepsTheHint) {
    CompanyTable t(2);
    t.g.S.HintText = "earlier hint";
    t.Land(1, 31);
    t.g.PayCompOwner();
    EXPECT_EQ(t.g.S.PromptText, "Nobody owns this company!");
    EXPECT_EQ(t.g.S.HintText, "earlier hint");
    EXPECT_EQ(t.g.S.Cash[1], StartCash);
}

TEST(CompanyFee, ShortageWaitsUntilPayFindsTheSameFeeAffordable) {
    CompanyTable t(3);
    t.g.S.CompanyOwner[4] = 1;
    t.g.S.Cash[2] = t.g.S.DisplayedCash[2] = 100'000;
    t.Land(2, 14);
    t.g.PayCompOwner();

    const Message* m = t.ui.lastMessage();
    ASSERT_NE(m, nullptr);
    EXPECT_EQ(m->text,
              "Bob!  You don't have enough money to pay $540,000 to Ann because of entering her company!\rYou must "
              "withdraw money from your bank account or sell your companies to provide the money!");
    EXPECT_EQ(m->title, "You must pay now!");
    EXPECT_EQ(m->icon, MsgIcon::Critical);
    const std::string waiting = "Waiting for Bob to pay $540,000 to Ann because of entering her company...";
    EXPECT_EQ(t.g.S.WaitingMessage, waiting);
    EXPECT_EQ(t.g.Wait.lblWaiting, waiting);
    EXPECT_TRUE(t.g.Wait.Loaded);
    EXPECT_EQ(t.g.Wait.Debtor, 2);
    EXPECT_TRUE(t.g.S.WaitingMode);
    EXPECT_FALSE(t.g.Main.cmdRollDiceEnabled);
    EXPECT_EQ(t.ui.count("raise", WindowId::Player), 1);
    EXPECT_EQ(t.g.S.Cash[2], 100'000);
    EXPECT_EQ(t.g.S.Cash[1], StartCash);

    // Pay without the money: asked again, waiting again, nothing moved.
    t.g.Wait.cmdPay_Click();
    EXPECT_EQ(t.ui.messages.size(), 2u);
    EXPECT_TRUE(t.g.Wait.Loaded);
    EXPECT_EQ(t.g.S.Cash[2], 100'000);

    t.g.S.Cash[2] += 500'000;
    t.g.Wait.cmdPay_Click();
    EXPECT_EQ(t.g.S.Cash[2], 60'000);
    EXPECT_EQ(t.g.S.Cash[1], 5'540'000);
    EXPECT_FALSE(t.g.Wait.Loaded);
    EXPECT_FALSE(t.g.S.WaitingMode);
    EXPECT_EQ(t.ui.messages.size(), 2u);
}

TEST(MarketOffer, EachMarketSellsTheComplexBehindIt) {
    CompanyTable t(2);
    const int markets[] = {0, 9, 17, 25, 1};
    for (int z = 1; z <= 4; ++z) {
        t.Land(1, markets[z]);
        t.g.FindBuyZoneNumber();
        EXPECT_EQ(t.g.S.BuyZoneNumber, z) << "cell " << markets[z];
    }
}

TEST(MarketOffer, ComplexOwnedBySeveralPlayersIsSoldOut) {
    CompanyTable t(2);
    t.g.S.CompanyOwner[1] = 1;
    t.g.S.CompanyOwner[2] = t.g.S.CompanyOwner[3] = 2;
    t.Land(1, 9);
    t.g.BuyCompany();
    EXPECT_EQ(t.g.S.PromptText, "There are no companies to buy here!");
    EXPECT_EQ(t.g.S.HintText, "All companies in this complex are already owned by other players.");
    EXPECT_FALSE(t.g.S.BuyMode);
    EXPECT_FALSE(t.ui.shown(WindowId::BuyCompany));
}

TEST(MarketOffer, OnlyTheFreeCompanyCanBeChosen) {
    CompanyTable t(2);
    t.g.S.CompanyOwner[4] = t.g.S.CompanyOwner[6] = 2;
    t.g.S.PromptText = "landed";
    t.Land(1, 17);
    t.g.BuyCompany();
    const BuyCompanyForm& w = t.g.BuyForm;
    EXPECT_TRUE(t.g.S.BuyMode && w.Loaded);
    EXPECT_FALSE(t.g.Main.cmdRollDiceEnabled);
    EXPECT_FALSE(t.g.PlayerWindow(1).cmdWithdrawEnabled);
    EXPECT_EQ(t.g.S.PromptText, "landed");
    EXPECT_EQ(t.g.S.HintText, "Select a company and click Buy, or click Cancel to refuse.");
    EXPECT_EQ(w.lblComplex, "CPU Complex");
    EXPECT_EQ(w.optNameCaption[1] + w.optNameCaption[2] + w.optNameCaption[3], "MotorolaIntelAMD");
    EXPECT_EQ(w.lblValue[1] + w.lblValue[2] + w.lblValue[3], "$1,800,000$1,500,000$1,300,000");
    EXPECT_FALSE(w.optNameEnabled[1]);
    EXPECT_TRUE(w.optNameEnabled[2]);
    EXPECT_FALSE(w.optNameEnabled[3]);
    EXPECT_TRUE(w.optNameValue[2]);
}

TEST(MarketBuy, ExactPriceBuysAndTooLittleKeepsTheWindowOpen) {
    CompanyTable t(2);
    t.g.S.CompanyOwner[4] = t.g.S.CompanyOwner[6] = 2;
    t.g.S.Cash[1] = 1'000'000;
    t.Land(1, 17);
    t.g.BuyCompany();
    t.g.BuyForm.cmdBuy_Click();
    ASSERT_NE(t.ui.lastMessage(), nullptr);
    EXPECT_EQ(t.ui.lastMessage()->title, "Sorry!");
    EXPECT_EQ(t.ui.lastMessage()->text,
              "You do not have enough money to buy this company!\rHowever, you can provide the money by selling "
              "your companies or borrowing money from somebody.");
    EXPECT_TRUE(t.g.S.BuyMode && t.g.BuyForm.Loaded);
    EXPECT_EQ(t.g.S.CompanyOwner[5], 0);

    t.g.S.Cash[1] = 1'500'000;
    t.g.BuyForm.cmdBuy_Click();
    EXPECT_EQ(t.g.S.Cash[1], 0);
    EXPECT_EQ(t.g.S.CompanyOwner[5], 1);
    EXPECT_EQ(t.g.S.PromptText, "Ann spent $1,500,000 and bought Intel!");
    EXPECT_EQ(t.g.S.HintText,
              "Ann, Intel was added to the Companies list at the left of your personal window.  And a square in "
              "your special color appears around it on the game board.");
    EXPECT_FALSE(t.g.S.BuyMode || t.g.BuyForm.Loaded);
    EXPECT_TRUE(t.g.PlayerWindow(1).cmdWithdrawEnabled);
    EXPECT_TRUE(t.g.Main.Frame[5].visible);
}

TEST(MarketBuy, LastCompanyOfAComplexMakesItTheBuyers) {
    CompanyTable t(2, 2);
    t.g.S.CompanyOwner[1] = t.g.S.CompanyOwner[2] = 1;
    t.g.S.Cash[1] = 2'000'000;
    t.Land(1, 9);
    t.g.BuyCompany();
    t.g.BuyForm.cmdBuy_Click();
    EXPECT_EQ(t.g.S.PromptText, "Ann spent $1,500,000 and bought Buick!  Ann now owns US Complex!");
    EXPECT_EQ(t.g.S.ComplexOwner[1], 1);
    for (int k = 1; k <= 3; ++k) {
        EXPECT_TRUE(t.g.S.CompanyComplexed[k]);
        EXPECT_FALSE(t.g.Main.Frame[k].visible);
    }
    EXPECT_TRUE(t.g.Main.ComplexFrame[1].visible);
    EXPECT_EQ(t.g.Main.ComplexFrame[1].color, (Rgb{255, 0, 0}));
}

TEST(MarketBuy, CompanyTakenWhileTheWindowIsOpenIsNotSoldTwice) {
    CompanyTable t(3);
    t.g.S.CompanyOwner[4] = 2;
    t.Land(1, 17);
    t.g.BuyCompany();
    ASSERT_TRUE(t.g.BuyForm.optNameValue[2]);
    t.g.S.CompanyOwner[5] = 3;  // sold to Cid meanwhile
    t.g.BuyForm.cmdBuy_Click();
    EXPECT_EQ(t.g.S.CompanyOwner[5], 3);
    EXPECT_EQ(t.g.S.Cash[1], StartCash);
    EXPECT_TRUE(t.g.BuyForm.Loaded);
    EXPECT_FALSE(t.g.BuyForm.optNameEnabled[2]);
    EXPECT_TRUE(t.g.BuyForm.optNameValue[3]);
}

TEST(MarketCancel, RefusalClosesTheOffer) {
    CompanyTable t(2);
    t.Land(1, 25);
    t.g.BuyCompany();
    t.g.BuyForm.cmdCancel_Click();
    EXPECT_EQ(t.g.S.PromptText, "Ann refused to buy any companies!");
    EXPECT_EQ(t.g.S.HintText, "");
    EXPECT_FALSE(t.g.S.BuyMode || t.g.BuyForm.Loaded);
    EXPECT_TRUE(t.g.PlayerWindow(1).cmdWithdrawEnabled);
    EXPECT_TRUE(t.g.Main.cmdRollDiceEnabled);
}

}  // namespace
}  // namespace zx
