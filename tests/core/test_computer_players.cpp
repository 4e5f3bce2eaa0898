// Computer players: whole games played by them end and keep the game's
// invariants; instant play gives the same games as the ticking windows;
// they play fair; their seats are saved; a loan offered to one is answered
// by it.

#include <gtest/gtest.h>

#include <algorithm>

#include "ai/arena.h"
#include "ai/instant_game.h"
#include "invariants.h"
#include "lifecycle/savefile.h"
#include "still_player.h"
#include "test_support.h"

namespace zx::ai {
namespace {

// A look-ahead of so many seconds (0: no time limit) and continuations.
LookAhead Budget(double seconds, int playouts) {
    LookAhead l;
    l.seconds = seconds;
    l.playouts = playouts;
    return l;
}

// Everything a game holds that the rules decide (the texts for people
// aside, which instant play does not write).
std::string Outcome(const Game& g) {
    std::string out = WriteSavedGame(SavedGameFrom(g.S, g.Draft.Slot()));
    for (int p = 1; p <= MaxPlayers; ++p)
        out += "|" + std::to_string(g.S.Estate[static_cast<std::size_t>(p)]) + "," +
               std::to_string(g.S.HalfTaxBonus[static_cast<std::size_t>(p)]) +
               std::to_string(g.S.FreeInsuranceBonus[static_cast<std::size_t>(p)]) +
               std::to_string(g.S.MissNextTurn[static_cast<std::size_t>(p)]);
    out += "|" + std::to_string(g.S.Dice) + "," + std::to_string(g.S.NextPlayer) + "," + std::to_string(g.S.ExtraTurn);
    return out;
}

TEST(InstantPlay, GivesTheSameGamesAsTheTickingWindows) {
    // Sounds on in the ticking game: the roll then waits for the dice
    // sound's end, as in the windows.
    for (std::uint64_t seed = 1; seed <= 1000; ++seed) {
        const int n = 2 + static_cast<int>(seed % 3);
        std::vector<int> types;
        for (int p = 0; p < n; ++p) types.push_back((seed >> p) % 2 ? Easy : Normal);
        InstantGame instant(seed, true), ticking(seed, false);
        instant.StartNew(types);
        ticking.StartNew(types);
        instant.game().S.Sounds = ticking.game().S.Sounds = true;
        const auto a = instant.PlayOut(400);
        const auto b = ticking.PlayOut(400);
        ASSERT_EQ(a, b) << "seed " << seed;
        ASSERT_EQ(Outcome(instant.game()), Outcome(ticking.game())) << "seed " << seed;
    }
}

TEST(Arena, GamesOfEveryKindEndAndKeepTheInvariants) {
    for (const std::vector<int>& seats : {std::vector<int>{Easy, Normal}, std::vector<int>{Normal, Normal, Easy, Easy},
                                          std::vector<int>{Hard, Easy, Normal}}) {
        for (int i = 0; i < 6; ++i) {
            InstantGame game(100 + static_cast<std::uint64_t>(i));
            game.pilot().SetLookAhead(Budget(0.01, 6));
            game.StartNew(seats);
            Game& g = game.game();
            for (long step = 0; step < 200000 && !g.Results.Loaded; ++step) {
                if (g.TimerEnabled(TimerId::DestroyDelay)) {
                    g.tmrDestroyDelay_Timer();
                    continue;
                }
                ASSERT_TRUE(game.pilot().Step()) << "nobody could act at move " << g.S.Moves;
                if (g.S.GameInProgress) {
                    ASSERT_EQ(test::GameInvariants(g), "") << "move " << g.S.Moves;
                }
            }
            EXPECT_TRUE(g.Results.Loaded);
        }
    }
    // The arena's own loop, with its move cap, on the same kinds.
    ArenaOptions o;
    o.games = 40;
    o.seats = {Normal, Easy, Easy, Normal};
    const ArenaReport r = RunArena(o);
    for (const GameOutcome& game : r.games) EXPECT_TRUE(game.finished);
    EXPECT_NE(FormatReport(o, r).find("normal (2 seats): win share"), std::string::npos);
}

// A source of chance that counts what it hands out.
class CountingRandom : public FastRandom {
public:
    using FastRandom::FastRandom;
    double next() override {
        ++draws;
        return FastRandom::next();
    }
    long draws = 0;
};

// Two players at a sale Ann opened: Bob (a computer) bids; Cid's bid is
// typed but still masked.
struct SaleTable {
    test::FakeUi ui;
    CountingRandom chance{7};
    Game g{ui, chance};
    Autopilot pilot{g, 99};

    explicit SaleTable(PlayerType bobType, const std::string& cidsBid) {
        test::SetUpGame(g, 3);
        g.S.PlayerType[2] = bobType;
        pilot.SetLookAhead(Budget(0, 24));
        g.S.CompanyOwner[4] = 1;
        g.S.Cash[2] = 3'000'000;
        g.UpdatePlayerWindows();
        g.S.SellingPlayer = 1;
        g.SellForm.Form_Load();
        g.SellForm.txtBid_Typed(2, cidsBid);
    }
    std::string BobsBid() {
        for (int step = 0; step < 3 && g.SellForm.txtBid[1].empty(); ++step) pilot.Step();
        return g.SellForm.txtBid[1];
    }
};

TEST(FairPlay, ABidDoesNotDependOnTheBidsStillHidden) {
    for (PlayerType type : {Normal, Hard}) {
        SaleTable low(type, "910000"), high(type, "2700000");
        const std::string bid = low.BobsBid();
        EXPECT_FALSE(bid.empty());
        EXPECT_EQ(bid, high.BobsBid()) << PlayerTypeName(type);
    }
}

TEST(FairPlay, ASeatSeesItsOwnAndTheRevealedBidsAndOnlyThePublicPartOfOthersWindows) {
    SaleTable t(Normal, "2700000");
    Game& g = t.g;
    g.SellForm.txtBid_Typed(1, "1200000");
    g.PlayerWindow(3).txtBankNum_Typed("0.5");
    g.PlayerWindow(2).txtBankNum_Typed("0.3");
    const SeatView bob(g, 2), nobody(g, 0);
    EXPECT_EQ(bob.Sale().txtBid[1], "1200000");
    EXPECT_FALSE(bob.BidTyped(1));
    // Cid's bid: typed, and nothing more, not even its length.
    EXPECT_EQ(bob.Sale().txtBid[2], "");
    EXPECT_TRUE(bob.BidTyped(2));
    EXPECT_EQ(nobody.Sale().txtBid[1], "");
    EXPECT_TRUE(nobody.BidTyped(1) && nobody.BidTyped(2));
    EXPECT_EQ(nobody.OwnWindow(), nullptr);
    EXPECT_EQ(bob.WindowOf(3).lblCash, g.PlayerWindow(3).lblCash);
    // A game to think with holds Bob's typing, not Cid's.
    test::FakeUi ui2;
    CountingRandom chance2{1};
    Game copy(ui2, chance2);
    bob.CopyInto(copy);
    EXPECT_EQ(copy.PlayerWindow(2).txtBankNum, "0.3");
    EXPECT_EQ(copy.PlayerWindow(3).txtBankNum, "");
    EXPECT_EQ(copy.SellForm.txtBid[2], "");
    // Submit shows every bid to everybody.
    g.SellForm.cmdSubmit_Click();
    EXPECT_EQ(SeatView(g, 2).Sale().txtBid[2], g.SellForm.txtBid[2]);
    EXPECT_FALSE(SeatView(g, 2).BidTyped(2));
}

TEST(LookAhead, APresumedDecisionIsTheOneTheHandCarriesOut) {
    // At the start of a game the normal player lends its spare millions at
    // once; presumed to lend nothing, it lends nothing that move.
    for (const bool presumeNone : {false, true}) {
        InstantGame game(11);
        game.StartNew({Normal, Normal, Normal});
        Game& g = game.game();
        const int roller = g.NextRoller();
        const int other = roller == 1 ? 2 : 1;
        if (presumeNone) game.pilot().Presume(other, Decision::Lend, 0);
        bool lent = false;
        for (int step = 0; step < 20 && g.S.Moves == 0 && game.pilot().Step(); ++step)
            lent = lent || (g.LoanDialog.Loaded && g.S.LoanLender[static_cast<std::size_t>(g.Draft.Slot())] == other);
        EXPECT_EQ(lent, !presumeNone);
    }
}

TEST(Arena, ASeedGivesTheSameGamesWhateverTheJobs) {
    ArenaOptions o;
    o.games = 4;
    o.seats = {Hard, Normal};
    o.seed = 3;
    o.lookAhead.seconds = 0;
    o.lookAhead.playouts = 8;
    std::vector<std::string> runs;
    for (int jobs : {1, 2}) {
        o.jobs = jobs;
        std::string run;
        for (const GameOutcome& r : RunArena(o).games)
            run += std::to_string(r.winnerSeat) + "/" + std::to_string(r.moves) + " ";
        runs.push_back(run);
    }
    EXPECT_EQ(runs[0], runs[1]);
}

TEST(FairPlay, LookingAheadLeavesTheGamesDiceAlone) {
    test::FakeUi ui;
    CountingRandom chance(5);
    Game g(ui, chance);
    test::SetUpGame(g, 2);
    g.S.PlayerType[2] = Hard;
    Autopilot pilot(g, 3);
    pilot.SetLookAhead(Budget(0, 40));
    // Bob stands on the market of the Computers Complex with money for it.
    test::PlaceOn(g, 2, 9);
    g.S.CurrentPlayer = 2;
    g.BuyCompany();
    ASSERT_TRUE(g.S.BuyMode);
    const long before = chance.draws;
    while (g.S.BuyMode) ASSERT_TRUE(pilot.Step());
    EXPECT_EQ(chance.draws, before);
}

TEST(ComputerSeats, AreSavedOnAForty5thLineThatOnlyTheyNeed) {
    test::FakeUi ui;
    test::ScriptedRandom rnd;
    Game g(ui, rnd);
    test::SetUpGame(g, 3);
    const std::string humans = WriteSavedGame(SavedGameFrom(g.S, 0));
    EXPECT_EQ(std::count(humans.begin(), humans.end(), '\n'), 44);

    g.S.PlayerType[2] = Normal;
    g.S.PlayerType[3] = Hard;
    const std::string text = WriteSavedGame(SavedGameFrom(g.S, 0));
    ASSERT_EQ(text.substr(0, humans.size()), humans);
    EXPECT_EQ(text.substr(humans.size()), "0,2,3,0\r\n");
    const auto back = ReadSavedGame(text);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->PlayerType[2], Normal);
    EXPECT_EQ(back->PlayerType[3], Hard);
    EXPECT_EQ(WriteSavedGame(*back), text);

    // What the game could not have written is refused.
    for (const char* seats : {"0,0,0,0", "0,2,4,0", "0,2,-1,0", "0,2,3,1", "0,2,3", "0,2,3,0,0", "0,2,x,0"})
        EXPECT_FALSE(ReadSavedGame(humans + seats + "\r\n")) << seats;
}

// A table where the message boxes go to the computer players first.
struct RoutedTable {
    struct RoutedUi : test::FakeUi {
        Autopilot* pilot = nullptr;
        MsgAnswer message(const Message& m) override {
            if (std::optional<MsgAnswer> a = pilot->Answer(m)) {
                messages.push_back(m);
                return *a;
            }
            return FakeUi::message(m);  // the people's answers, scripted
        }
    } ui;
    test::ScriptedRandom rnd;
    Game g{ui, rnd};
    Autopilot pilot{g, 1};
    RoutedTable() {
        ui.pilot = &pilot;
        test::SetUpGame(g, 2);
    }
};

TEST(ComputerSeats, AnswerTheLoansOfferedToThem) {
    // The box speaks to the borrower; the computer in his seat answers it
    // and no person sees it.
    RoutedTable t;
    auto& g = t.g;
    auto& ui = t.ui;
    g.S.PlayerType[2] = Normal;
    // Bob's estate is $7,200,000: a $1,000,000 loan wins him the game, so he takes it.
    g.S.MoneyInBank[2] = 2'200'000;
    g.UpdatePlayerWindows();
    g.PlayerWindow(1).cmdLoan_Click();
    g.LoanDialog.optPlayer_Click(2);
    g.LoanDialog.txtLoanNum_Typed("1");
    g.LoanDialog.cmdLoan_Click();
    ASSERT_FALSE(ui.messages.empty());
    EXPECT_EQ(ui.messages[0].title, "Loan confirmation");
    EXPECT_EQ(ui.messages[0].player, 2);
    EXPECT_EQ(g.S.Finisher[1], "Bob");

}

// A computer that offers Alice $500,000 whenever it thinks of lending.
class Lender : public test::StillPlayer {
public:
    std::optional<LoanOffer> Lend(const SeatView&) override { return LoanOffer{1, "0.5", 9}; }
};

TEST(ComputerSeats, AskAPersonWhoRefusedALoanAgainOnlyAfterFortyMoves) {
    RoutedTable t;
    t.g.S.PlayerType[2] = Normal;
    t.pilot.SetStrategy(Normal, [](PlayerRandom&) { return std::make_unique<Lender>(); });
    // Alice, a person, rolls next at every move and says no to every loan.
    auto asked = [&] {
        return std::count_if(t.ui.messages.begin(), t.ui.messages.end(),
                             [](const Message& m) { return m.id == "Loan confirmation" && m.player == 1; });
    };
    t.g.Main.cmdRollDiceEnabled = true;
    t.g.HasRolled[1] = true;
    std::vector<int> askedAt;
    for (int move = 1; move <= 100; ++move) {
        t.g.S.Moves = move;
        t.ui.answers.assign(1, MsgAnswer::No);
        for (int i = 0; i < 20 && t.pilot.Step(); ++i) {
        }
        ASSERT_FALSE(t.g.LoanDialog.Loaded);
        if (asked() > static_cast<long>(askedAt.size())) askedAt.push_back(move);
    }
    EXPECT_EQ(askedAt, (std::vector<int>{1, 41, 81}));
    EXPECT_EQ(t.g.S.LoanCount, 0);
}

TEST(ComputerSeats, OfferAPersonLoansOnlyOnceHeHasRolledWhenHeIsFreeAndOnceInTwentyMoves) {
    RoutedTable t;
    t.g.S.PlayerType[2] = Normal;
    t.pilot.SetStrategy(Normal, [](PlayerRandom&) { return std::make_unique<Lender>(); });
    bool busy = false;
    t.pilot.SetPersonBusy([&busy](int slot) { return busy && slot == 1; });
    t.g.Instant = true;  // the money a loan moves is counted at once
    t.g.Main.cmdRollDiceEnabled = true;
    std::vector<int> askedAt;
    for (int move = 1; move <= 60; ++move) {
        t.g.S.Moves = move;
        t.g.HasRolled[1] = move >= 5;    // Alice's first roll
        busy = move >= 25 && move < 35;  // reading the log, say
        t.ui.answers.assign(1, MsgAnswer::Yes);
        const auto before = t.ui.messages.size();
        for (int i = 0; i < 20 && t.pilot.Step(); ++i) {
        }
        if (t.ui.messages.size() > before) askedAt.push_back(move);
    }
    EXPECT_EQ(askedAt, (std::vector<int>{5, 35, 55}));
    EXPECT_EQ(t.g.S.LoanCount, 3);
}

TEST(ComputerSeats, ALoanRefusedIsToldInTheRefusersNameAndToTheLender) {
    RoutedTable t;
    t.g.S.PlayerType[2] = Normal;
    t.pilot.SetStrategy(Normal, [](PlayerRandom&) { return std::make_unique<Lender>(); });
    // Alice offers Bob a loan; Bob says no where nobody sees it, so she is told.
    t.g.PlayerWindow(1).cmdLoan_Click();
    t.g.LoanDialog.optPlayer_Click(2);
    t.g.LoanDialog.txtLoanNum_Typed("1");
    t.g.LoanDialog.cmdLoan_Click();
    ASSERT_EQ(t.ui.messages.size(), 2u);
    const Message& told = t.ui.messages[1];
    EXPECT_EQ(told.title, "Loan refused");
    EXPECT_EQ(told.text, "Ann, Bob refused to borrow $1,000,000 from you!");
    EXPECT_EQ(told.player, 1);
    EXPECT_EQ(told.icon, MsgIcon::Exclamation);
    t.g.LoanDialog.cmdCancel_Click();
    EXPECT_EQ(t.g.S.PromptText, "Ann refused to lend any money!");

    // Bob offers Alice a loan and she says no: the refusal is hers.
    t.g.HasRolled[1] = true;
    t.g.Main.cmdRollDiceEnabled = true;
    t.ui.answers.assign(1, MsgAnswer::No);
    for (int i = 0; i < 20 && t.pilot.Step(); ++i) {
    }
    EXPECT_EQ(t.g.S.PromptText, "Ann refused the loan from Bob!");
    EXPECT_EQ(t.g.S.LoanCount, 0);
}

TEST(ComputerSeats, GiveUpOnlyWhenTheirOwnHandSaysSo) {
    // Somebody pressing Quit Game in a computer's window is asked "Are you
    // sure?" in its name, and the computer says no.
    RoutedTable t;
    t.g.S.PlayerType[2] = Normal;
    t.g.PlayerWindow(2).cmdQuitGame_Click();
    ASSERT_EQ(t.ui.messages.size(), 1u);
    EXPECT_EQ(t.ui.messages[0].title, "Lose confirmation");
    EXPECT_EQ(t.ui.messages[0].player, 2);
    EXPECT_EQ(t.g.S.NumOfPlayers, 2);
}

}  // namespace
}  // namespace zx::ai
