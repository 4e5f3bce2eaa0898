// Selling a company by secret bids: the bidding checks, the reveal and the sale.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "test_support.h"

namespace zx {
namespace {

using test::FakeUi;
using test::ScriptedRandom;
using test::SetUpGame;

struct SaleFixture : ::testing::Test {
    FakeUi ui;
    ScriptedRandom rnd;
    Game g{ui, rnd};
    SellCompaniesForm& f = g.SellForm;
    GameState& s = g.S;

    void Own(int k, int p, bool insured = false) {
        s.CompanyOwner[k] = p;
        s.CompanyInsured[k] = insured;
    }
    void Open(int seller) {
        g.UpdatePlayerWindows();
        s.SellingPlayer = seller;
        f.Form_Load();
    }
    // Types the bids into rows 1, 2, ... and submits; returns the refusal
    // shown, or "" when the bids were accepted.
    std::string Submit(const std::vector<std::string>& bids) {
        for (std::size_t i = 0; i < bids.size(); ++i) f.txtBid_Typed(static_cast<int>(i) + 1, bids[i]);
        ui.messages.clear();
        f.cmdSubmit_Click();
        if (ui.messages.empty()) return "";
        EXPECT_EQ(ui.messages.back().title, "Bad number");
        return ui.messages.back().text;
    }
    void SellTo(int row) {
        f.optPlayer_Click(row);
        f.cmdSell_Click();
    }
};

// Ann sells IBM ($2,000,000) to Bob, Cid or Dee.
struct SaleBids : SaleFixture {
    void SetUp() override {
        SetUpGame(g, 4);
        Own(1, 1);
        Open(1);
    }
};

TEST_F(SaleFixture, OpeningShowsTheSellersCompaniesTheBankAndTheHiddenBids) {
    SetUpGame(g, 3);
    Own(1, 2);
    Own(5, 2);
    Open(2);
    EXPECT_EQ(f.optNameCaption[0], "IBM");
    EXPECT_EQ(f.optNameCaption[1], "Intel");
    EXPECT_FALSE(f.optNameVisible[2]);
    EXPECT_EQ(s.SaleCompany, 1);
    EXPECT_EQ(f.txtBid[0], "$1,000,000");
    EXPECT_EQ(f.optPlayerCaption[1], "Ann");
    EXPECT_EQ(f.optPlayerCaption[2], "Cid");
    EXPECT_FALSE(f.optPlayerVisible[3]);
    EXPECT_TRUE(f.txtBidMasked[1] && f.txtBidMasked[2]);
    EXPECT_TRUE(f.txtBidReadOnly[0]);
    EXPECT_FALSE(f.cmdSellEnabled);

    f.optName_Click(1);
    EXPECT_EQ(s.SaleCompany, 5);
    EXPECT_EQ(f.txtBid[0], "$750,000");
}

TEST_F(SaleBids, BidsAreLimitedToOneAndAHalfTimesTheValueAndTenThousands) {
    EXPECT_EQ(Submit({"3010000"}), "Bids can't be bigger than 1.5 times the company value!");
    EXPECT_EQ(f.txtBid[1], "");
    EXPECT_EQ(ui.focuses.back(), std::make_pair(FocusId::SaleBid, 1));
    EXPECT_EQ(Submit({"1200000", "1505000", "-1"}), "Please enter a positive integer!");
    EXPECT_EQ(f.txtBid[1], "1200000");
    EXPECT_EQ(f.txtBid[2], "") << "the first bad row is the one refused";
    EXPECT_EQ(f.txtBid[3], "-1");
    EXPECT_EQ(Submit({"3000000", "1500000", "0"}), "");
}

TEST_F(SaleBids, ABidEqualToTheLeadIsRefused) {
    EXPECT_EQ(Submit({"1000000"}), "Bids can't be equal!");
    EXPECT_EQ(Submit({"1200000", "1200000"}), "Bids can't be equal!");
    EXPECT_EQ(f.txtBid[2], "");
    EXPECT_EQ(Submit({"1500000", "1200000", "1200000"}), "");
    EXPECT_EQ(s.BestBidder, 1);
    EXPECT_EQ(f.txtBidColor[1], Red);
    EXPECT_EQ(f.txtBidColor[2], Black);
}

TEST_F(SaleBids, ABidderCannotOfferMoreThanHisCash) {
    s.Cash[3] = 1'100'000;
    EXPECT_EQ(Submit({"", "1200000"}), "Cid's bid can't be greater than his money!");
    s.Cash[3] = 1'200'000;
    EXPECT_EQ(Submit({"", "1200000"}), "");
}

TEST_F(SaleBids, SubmitRevealsTheBidsAndOnlyRowsWithABidCanBeChosen) {
    EXPECT_EQ(Submit({"1500000.4", "", "0"}), "");
    EXPECT_EQ(f.txtBid[1], "$1,500,000");
    EXPECT_EQ(f.txtBid[2], "");
    EXPECT_EQ(f.txtBid[3], "$0");
    EXPECT_FALSE(f.txtBidMasked[1]);
    EXPECT_TRUE(f.optPlayerEnabled[0] && f.optPlayerEnabled[1] && f.optPlayerEnabled[3]);
    EXPECT_FALSE(f.optPlayerEnabled[2]);
    EXPECT_TRUE(f.cmdSellEnabled);
    EXPECT_EQ(s.HintText, "Now Ann should choose who she will sell IBM to and click Sell, or click Cancel to keep it.");

    f.optPlayer_Click(2);
    EXPECT_TRUE(f.optPlayerValue[0]) << "the empty row stays unchosen";
    SellTo(3);  // an explicit 0 is a bid
    EXPECT_EQ(s.CompanyOwner[1], 4);
    EXPECT_EQ(s.Cash[1], StartCash);
    EXPECT_EQ(s.PromptText.rfind("Ann sold IBM to Dee at $0!", 0), 0u);
}

TEST_F(SaleBids, ABidWithAFractionSellsAtTheWholeDollarsAndInsuranceStaysBehind) {
    s.CompanyInsured[1] = true;
    Submit({"1500000.4"});
    SellTo(1);
    EXPECT_EQ(s.Cash[1], StartCash + 1'500'000);
    EXPECT_EQ(s.Cash[2], StartCash - 1'500'000);
    EXPECT_EQ(s.CompanyOwner[1], 2);
    EXPECT_FALSE(s.CompanyInsured[1]);
    EXPECT_EQ(s.PromptText.rfind("Ann sold IBM to Bob at $1,500,000!", 0), 0u) << s.PromptText;
    EXPECT_FALSE(f.Loaded);
    EXPECT_EQ(ui.focuses.back(), std::make_pair(FocusId::MainWindow, 0));
}

TEST_F(SaleBids, CancelGoesBackToBiddingAndTheCloseCommandKeepsTheCompany) {
    Submit({"1500000"});
    f.cmdCancel_Click();
    EXPECT_TRUE(f.cmdSubmitEnabled);
    EXPECT_EQ(f.txtBid[1], "");
    EXPECT_TRUE(f.txtBidMasked[1]);
    EXPECT_EQ(f.txtBidColor[1], Black);

    f.Form_QueryUnload();
    EXPECT_FALSE(f.Loaded);
    EXPECT_EQ(s.PromptText, "Ann refused to sell any companies!");
    EXPECT_EQ(s.CompanyOwner[1], 1);
    EXPECT_EQ(ui.count("close", WindowId::SellCompanies), 1);
}

TEST_F(SaleBids, ACompanyDestroyedWhileTheWindowIsOpenCannotBeSold) {
    Submit({"1500000"});
    s.CompanyOwner[1] = 0;  // a disaster struck meanwhile
    ui.messages.clear();
    SellTo(1);
    ASSERT_FALSE(ui.messages.empty());
    EXPECT_EQ(ui.messages.back().text, "Ann doesn't own IBM anymore!");
    EXPECT_EQ(s.Cash[1], StartCash);
    EXPECT_EQ(s.Cash[2], StartCash);
}

TEST_F(SaleFixture, TwoPlayersBidOnOneRowAndTheBankPaysHalf) {
    SetUpGame(g, 2);
    Own(2, 1, true);  // HP, $1,700,000
    Open(1);
    EXPECT_FALSE(f.optPlayerVisible[2] || f.optPlayerVisible[3]);
    f.txtBid_Typed(2, "-5");  // hidden rows take no typing and are never checked
    EXPECT_EQ(Submit({"1000000"}), "");
    f.cmdSell_Click();  // the bank's row is still selected
    EXPECT_EQ(s.CompanyOwner[2], 0);
    EXPECT_FALSE(s.CompanyInsured[2]);
    EXPECT_EQ(s.Cash[1], StartCash + 850'000);
    EXPECT_EQ(s.Cash[2], StartCash);
    EXPECT_EQ(s.PromptText, "Ann sold HP to Bank at $850,000!");
}

TEST_F(SaleFixture, ComplexesAreLostBySellersAndWonByBuyers) {
    SetUpGame(g, 2);
    s.Cash[1] = 1'000'000;  // Ann must not pass $8,000,000 on the way
    for (int k : {1, 10, 11, 12}) Own(k, 1);
    Own(2, 2);
    Own(3, 2);
    g.CheckNewComplexes();

    Open(1);
    f.optName_Click(1);  // Silicon, of the Multimedia Complex
    Submit({});
    f.cmdSell_Click();
    EXPECT_EQ(s.ComplexOwner[4], 0);
    EXPECT_EQ(s.PromptText, "Ann sold Silicon to Bank at $700,000!  So she no longer owns Multimedia Complex!");

    Open(1);
    Submit({"2500000"});
    SellTo(1);
    EXPECT_EQ(s.ComplexOwner[1], 2);
    EXPECT_NE(s.PromptText.find("  Bob now owns Computers Complex!"), std::string::npos) << s.PromptText;
}

TEST_F(SaleFixture, ASellerWhoWinsLeavesAndTheBuyerIsStillCheckedUnderHisNewNumber) {
    SetUpGame(g, 4);
    s.Cash[1] = 5'500'000;
    Own(1, 1);  // Ann: estate $7,500,000
    s.Cash[2] = 3'000'000;
    for (int k : {9, 10, 11, 12}) Own(k, 2);  // Bob: four companies
    Open(1);
    Submit({"3000000"});
    SellTo(1);
    // Ann's estate is now $8,500,000 and Bob has five companies: both win.
    EXPECT_EQ(s.Finisher[1], "Ann");
    EXPECT_EQ(s.Finisher[2], "Bob");
    EXPECT_EQ(s.NumOfPlayers, 2);
    EXPECT_EQ(s.PlayerName[1], "Cid");
}

}  // namespace
}  // namespace zx
