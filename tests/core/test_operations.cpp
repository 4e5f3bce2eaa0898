// A seat works only its own controls: refusals leave the game untouched,
// and an operation that is allowed does exactly what the click does.

#include <gtest/gtest.h>

#include "lifecycle/savefile.h"
#include "rules/operations.h"
#include "test_support.h"

namespace zx {
namespace {

// Bob (slot 2) owes Ann a fee he cannot pay: the waiting window is his.
struct DebtTable {
    test::FakeUi ui;
    test::ScriptedRandom rnd;
    Game g{ui, rnd};
    DebtTable() {
        test::SetUpGame(g, 3);
        g.S.CompanyOwner[4] = 1;
        g.S.Cash[2] = g.S.DisplayedCash[2] = 100'000;
        g.S.CurrentPlayer = 2;
        test::PlaceOn(g, 2, 14);
        g.PayCompOwner();
    }
};

// The saved game plus what the open windows hold.
std::string Fingerprint(Game& g) {
    std::string f = WriteSavedGame(SavedGameFrom(g.S, g.Draft.Slot()));
    f += "|" + std::to_string(g.Wait.Loaded) + std::to_string(g.Wait.Debtor) + std::to_string(g.S.WaitingMode) +
         std::to_string(g.S.MoveAnywhereMode) + std::to_string(g.S.CurrentPlayer) + g.S.PromptText;
    for (int p = 1; p <= MaxPlayers; ++p)
        if (const PlayerForm* w = g.PlayerWindowIfLoaded(p)) f += "|" + w->txtBankNum;
    return f;
}

TEST(Operations, ASeatWorksOnlyItsOwnControls) {
    DebtTable t;
    Game& g = t.g;
    ASSERT_TRUE(g.Wait.Loaded);
    constexpr int Ann = 1, Bob = 2, Cid = 3;
    const std::string before = Fingerprint(g);
    struct Case {
        Op op;
        OpRefusal why;
    };
    const Case refused[] = {
        {{.kind = OpKind::WaitLose, .seatId = Ann}, OpRefusal::NotYourSeat},
        {{.kind = OpKind::DeskType, .seatId = Ann, .window = Bob, .text = "1"}, OpRefusal::NotYourSeat},
        {{.kind = OpKind::RollDice, .seatId = Ann}, OpRefusal::NotYourTurn},
        {{.kind = OpKind::RollDice, .seatId = Cid}, OpRefusal::Disabled},  // his roll, after Bob's debt
        {{.kind = OpKind::BoardClick, .seatId = Bob, .index = 5}, OpRefusal::Disabled},
        {{.kind = OpKind::BuyBuy, .seatId = Bob}, OpRefusal::NoSuchWindow},
        {{.kind = OpKind::LoanLend, .seatId = Ann}, OpRefusal::NoSuchWindow},
        {{.kind = OpKind::SaleBid, .seatId = Cid, .index = 1, .text = "5"}, OpRefusal::NoSuchWindow},
        {{.kind = OpKind::WaitPay, .seatId = 9}, OpRefusal::NotSeated},
    };
    for (const Case& c : refused) {
        SCOPED_TRACE(static_cast<int>(c.op.kind));
        EXPECT_EQ(Check(g, c.op), c.why);
        EXPECT_EQ(Apply(g, c.op), c.why);
        EXPECT_EQ(Fingerprint(g), before);
    }
    EXPECT_STREQ(RefusalText(OpRefusal::NotYourSeat), "not your seat");
    EXPECT_STREQ(RefusalText(OpRefusal::NotYourTurn), "not your turn");
    EXPECT_STREQ(RefusalText(OpRefusal::NoSuchWindow), "no such window open");

    // Another's free move is not his to take.
    g.S.MoveAnywhereMode = true;
    EXPECT_EQ(Apply(g, {.kind = OpKind::BoardClick, .seatId = Ann, .index = 5}), OpRefusal::NotYourTurn);
    g.S.MoveAnywhereMode = false;
    EXPECT_EQ(Fingerprint(g), before);

    // Bob's own "I Lose!" does what its click does.
    DebtTable clicked;
    clicked.ui.answers.push_back(MsgAnswer::Yes);
    t.ui.answers.push_back(MsgAnswer::Yes);
    clicked.g.Wait.cmdILose_Click();
    EXPECT_EQ(Apply(g, {.kind = OpKind::WaitLose, .seatId = Bob}), OpRefusal::None);
    EXPECT_EQ(g.S.NumOfPlayers, 2);
    EXPECT_EQ(Fingerprint(g), Fingerprint(clicked.g));
    // Cid is slot 2 now and keeps his seat by his identity.
    EXPECT_EQ(Check(g, {.kind = OpKind::DeskType, .seatId = Cid, .window = 2}), OpRefusal::None);
    EXPECT_EQ(Check(g, {.kind = OpKind::DeskType, .seatId = Bob, .window = 2}), OpRefusal::NotSeated);
}

}  // namespace
}  // namespace zx
