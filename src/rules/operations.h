#pragma once
// A person's operations: every click, typed text and moved scroll bar with
// which a player works the game's windows, as one value. Whoever plays a
// seat (a person at the screen, a computer player's hand, a client on
// another machine) acts only through Apply, which checks that the control
// belongs to that seat and that its window is open, then calls the same
// handler of the window's model that a click calls.
//
// Who may work what: the main window's Roll Dice the player whose roll is
// due (or the current player, giving up a free move); a board click the
// current player during his free move; the buy window the current player;
// a personal window its owner; the waiting window the debtor; the sale
// window's companies, buyer, Sell and Cancel the seller, a bid box the
// bidder of its row, Submit the seller or any bidder; the "Lend money"
// window the lender. The answers to message boxes are not operations: the
// box asks its player and waits for him (see Ui::message).

#include <string>

namespace zx {

class Game;

enum class OpKind {
    // main window
    RollDice,
    BoardClick,       // index: cell 1..32
    // buy window
    BuyChoose,        // index: row 1..3
    BuyBuy,
    BuyCancel,
    // the seat's personal window
    DeskType,         // text: the amount box's new content
    DeskScroll,       // value: the scroll bar's new value
    DeskDeposit,
    DeskWithdraw,
    DeskOK,
    DeskInsurance,    // index: box 1..5
    DeskSell,
    DeskLoan,
    DeskQuit,
    DeskList,         // index: row of the companies list
    // waiting window
    WaitPay,
    WaitLose,
    // sale window
    SaleChooseCompany,  // index: row 0..4
    SaleChooseBuyer,    // index: row 0..3 (0 is the bank)
    SaleBid,            // index: row 1..3; text: the box's new content
    SaleSubmit,
    SaleSell,
    SaleCancel,
    SaleClose,          // the window's close command
    // "Lend money" window
    LoanChooseBorrower,  // index: option 1..4
    LoanType,            // text: the amount box's new content
    LoanScroll,          // value: the amount scroll bar's new value
    LoanTerms,           // value: the interest and duration scroll bar, 1..10
    LoanLend,
    LoanCancel,
    LoanClose,           // the window's close command
};

struct Op {
    OpKind kind = OpKind::RollDice;
    int seatId = 0;  // the PlayerId of the seat acting
    int window = 0;  // Desk kinds: the slot of the personal window worked
    int index = 0;
    int value = 0;
    std::string text{};
};

enum class OpRefusal {
    None,
    NotSeated,      // no player of the game has this PlayerId
    NotYourSeat,    // the control belongs to another seat
    NotYourTurn,    // the seat's turn (roll, free move, purchase) is not now
    NoSuchWindow,   // the window is not open, or the control not there
    Disabled,       // the control is there but cannot be worked now
};

// The words a refusal is explained with (to a client, in a test).
const char* RefusalText(OpRefusal r);

// Whether the seat may work this control now, without working it.
OpRefusal Check(const Game& g, const Op& op);
// Works the control as a click would, when Check allows it; returns why not
// otherwise, and the game is left as it was.
OpRefusal Apply(Game& g, const Op& op);

}  // namespace zx
