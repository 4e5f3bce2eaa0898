#pragma once
// What a person in one seat can see on the screen at this moment, and
// nothing else. The computer players decide from it, and a seat played
// from another machine receives it.
//
// Everything in Zentrix is in plain sight except two things: the bids typed
// into the sale window, which stay masked until Submit reveals them, and
// what another player is typing into his own personal window. The game
// state itself holds neither (the bids live in the sale window's boxes, the
// typing in the personal windows), so the view shows the state as it is and
// filters the windows: another player's masked bid is only "typed" or
// "empty" (not even its length), and another player's personal window shows
// only its public figures. The source of chance is never part of it.
//
// A SeatView looks at a game without copying it: building one costs
// nothing, and it is valid while the game it looks at is.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "rules/forms.h"
#include "rules/game_log.h"
#include "rules/loan_draft.h"
#include "rules/main_view.h"
#include "rules/player_form.h"
#include "rules/ui.h"
#include "state/game_state.h"

namespace zx {

class Game;

// The public part of a personal window: what everybody at the table reads
// off it.
struct PublicWindow {
    bool Loaded = false;
    std::string Caption;
    int OwnerId = 0;
    std::string lblCash, lblEstate, lblMoneyInBank;
    std::vector<std::string> lstCompanies;
    std::array<CheckState, 6> chkInsurance{};
};

class SeatView {
public:
    // The view of the player in slot `seat` (1..4). Seat 0 is nobody's in
    // particular: the windows everybody sees, no personal window's private
    // controls and no masked bid.
    SeatView(const Game& game, int seat);

    int Seat() const { return seat_; }
    // The viewer's PlayerId (0 for seat 0): it stays his while slots move.
    int SeatId() const { return seatId_; }

    // ---- the board, the pieces, every player's figures, the prompt lines ----
    const GameState& S() const;
    const MainView& Main() const;
    const GameLog& Log() const;
    // Whose seat a PlayerId is now, and the other way round (as Game's).
    int IdOf(int slot) const;
    int SlotOf(int id) const;
    const std::string& Name(int slot) const;
    // The player Roll Dice would hand the turn to now.
    int NextRoller() const;
    // Animations under way, as the players watch them.
    bool Walking() const;        // a piece is walking
    bool CountingMoney() const;  // the money figures are counting
    bool Destroying() const;     // a disaster is destroying companies one by one
    // The main window's timers, the player whose walk is under way and who
    // has rolled yet: the clocks and pieces everybody watches.
    bool TimerOn(TimerId t) const;
    int MovingPlayerId() const;
    const PerPlayer<bool>& HasRolled() const;

    // ---- the personal windows ----
    // The viewer's own window, all of it; null when it is not open (or for seat 0).
    const PlayerFormControls* OwnWindow() const;
    // Any player's window as everybody sees it.
    PublicWindow WindowOf(int slot) const;
    // Any player's window with all its controls as this seat's screen would
    // draw it: another player's amount box and its scroll bar come out
    // empty. Empty when that window is not open.
    std::optional<PlayerFormControls> WindowSeen(int slot) const;

    // ---- the dialogs everybody sees ----
    const BuyCompanyControls& Buy() const;
    const WaitControls& Wait() const;
    const LoanControls& Loan() const;
    const ResultsControls& Results() const;
    // The loan slot the "Lend money" window holds (0 when none).
    int DraftSlot() const;

    // ---- the sale ----
    bool SaleOpen() const;
    // The sale window with the bids as this seat sees them: its own bid,
    // the bank's offer and bids revealed by Submit as typed; every other
    // masked bid empty (see BidTyped).
    SellCompaniesControls Sale() const;
    // Whether row r (1..3) of the bids holds a bid the viewer cannot read.
    bool BidTyped(int row) const;

    // ---- a game to think with ----
    // Makes `to` this position as the seat sees it, windows and timers
    // included: another player's masked bids and what he is typing into his
    // personal window come out empty (whoever plays it on guesses them).
    // The source of chance and the outside world stay `to`'s own.
    void CopyInto(Game& to) const;

private:
    // Row r's bid is masked and not the viewer's own.
    bool Hidden(int row) const;

    const Game* g_;
    int seat_;
    int seatId_;
};

}  // namespace zx
