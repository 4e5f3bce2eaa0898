#pragma once
// The computer players' hands. Each computer seat decides through its
// strategy and acts only through what a person's clicks and answers call on
// the windows' models: Roll Dice, the buy window, the personal window's
// boxes and buttons, the sale and loan windows, the waiting window and the
// message boxes addressed to it. So every rule and every check of the game
// holds for it as for a person.
//
// One call of Step() is one movement of one hand: a click, a typed amount,
// a ticked box. The windows pace the calls (the main window calls it every
// 0.8 s); a game nobody watches calls it as fast as it likes.

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <random>
#include <string>

#include "ai/strategy.h"
#include "rules/game.h"
#include "rules/operations.h"

namespace zx::ai {

// The decisions the look-ahead can presume made (see Autopilot::Presume).
enum class Decision { Buy, Deposit, Insure, MoveAnywhere, CashWanted, Bid, SaleBuyer, Lend, Borrow };
// A loan offer as one number for Presume (0 for none), and back.
std::int64_t LoanCode(const std::optional<LoanOffer>& offer);
std::optional<LoanOffer> LoanFromCode(std::int64_t code);

class Autopilot {
public:
    Autopilot(Game& game, std::uint64_t seed);
    ~Autopilot();
    Autopilot(const Autopilot&) = delete;
    Autopilot& operator=(const Autopilot&) = delete;

    // Whether slot p is in the game and played by the computer.
    bool IsComputer(int p) const;
    bool AnyComputer() const;
    bool AnyHuman() const;
    // Whether the computer in slot p, offered a free move by the Computer
    // cell, has not yet chosen to give it up: until then the people's Roll
    // Dice waits, as their roll would take the offer away from it.
    bool WeighingFreeMove(int p) const;

    // One movement of one computer player's hand. False when no computer
    // player has anything to do now (a person's turn, an animation running,
    // no game).
    bool Step();

    // A computer player's answer to a message box addressed to it; empty
    // when the box is for the people at the screen.
    std::optional<MsgAnswer> Answer(const Message& m);

    // Every seat played by one strategy, whatever the game says (the
    // look-ahead plays its continuations so).
    void PlayEverySeatAs(PlayerType type) { everySeatAs_ = type; }
    void SetLookAhead(const LookAhead& l) {
        auto breathe = std::move(lookAhead_.breathe);
        lookAhead_ = l;
        if (!lookAhead_.breathe) lookAhead_.breathe = std::move(breathe);
    }
    // What the hard players call while they think (see LookAhead::breathe).
    void SetBreathe(std::function<void()> breathe) { lookAhead_.breathe = std::move(breathe); }
    // Plays the seats of one type with another strategy (trying other
    // weights in the arena, scripted players in tests).
    using StrategyMaker = std::function<std::unique_ptr<Strategy>(PlayerRandom& rng)>;
    void SetStrategy(PlayerType type, StrategyMaker make) { makers_[type] = std::move(make); }
    // The player in slot p opens the "Lend money" window to offer this loan;
    // his hand types it in the steps that follow.
    void OfferLoan(int p, const LoanOffer& offer);
    // Takes a decision of the player in slot p as made already (the
    // look-ahead trying one out); his hand carries it out as it would its
    // own. The value is what the strategy would have returned: the row
    // bought (0 none), tenths of a million deposited, the insurance boxes
    // as bits 1..5, the cell jumped to (0 rolls), the cash wanted, the bid
    // (0 none), the buyer's row (-1 keeps the company), a LoanCode (0 lends
    // nothing), the answer to a loan (1 yes, 0 no).
    void Presume(int p, Decision d, std::int64_t value);
    // Forgets everything the players had in mind (after the game behind
    // them was replaced).
    void Forget();
    // Plays the seat of PlayerId `id` as `type` whatever the game says
    // (Human gives it back to its person): a computer standing in for
    // somebody away, or the one seat a network bot plays.
    void PlaySeat(int id, PlayerType type) {
        if (id >= 1 && id <= MaxPlayers) chosen_[At(id)] = type;
    }
    // Only the seats given to PlaySeat are played; the game's other
    // computer seats are somebody else's (the server's).
    void PlayOnlyChosenSeats() { onlyChosen_ = true; }
    // Where the hand's movements go. By default straight to the windows'
    // models of the game it looks at; given a sink, each movement is handed
    // over as an operation instead and the game is left alone (a bot's
    // mirror of a game that runs on a server).
    void SendMovesTo(std::function<void(const Op&)> sink) { sink_ = std::move(sink); }
    // The other seats sit at other screens (a network game), each played by
    // its own person or program, none of which sees what this one has in
    // mind. A decision that leaves the screen as it was is then shown by a
    // click the others can see, or they would wait for it for ever: no bid
    // is a bid of 0, a free move given up is Roll Dice; and whoever plays a
    // seat of the sale presses Submit once every bidder's box is filled in.
    void PlayAtSeveralScreens() { apart_ = true; }
    // Whether the person in slot p is busy with something only the windows
    // know of (a window of his in front, a box open): no computer makes him
    // an offer then.
    void SetPersonBusy(std::function<bool(int slot)> busy) { personBusy_ = std::move(busy); }

private:
    struct Seat;
    Seat& SeatOf(int p);
    PlayerType TypeOf(int p) const;

    bool SaleStep();
    bool LoanStep();
    bool DebtStep(int debtor);
    bool BuyStep(int p);
    bool DepositStep(int p);
    bool InsuranceStep(int p);
    bool MoveAnywhereStep(int p);
    bool BetweenTurnsStep();
    // Whether the person in slot `borrower` refused a computer's loan
    // within the last AskPersonAgainAfter moves.
    bool PersonSaidNoLately(int borrower) const;
    static constexpr int AskPersonAgainAfter = 40;
    // Whether the computer in slot `lender` may offer the person in slot
    // `borrower` a loan now. A person playing alone against the computers
    // must not be interrupted: not before his first roll, not while
    // anything is open or running, and not more than once every
    // OfferPersonEvery moves by the same computer.
    bool MayOfferPerson(int lender, int borrower) const;
    static constexpr int OfferPersonEvery = 20;
    bool Withdraw(int p, Money amount);
    // Set when the current movement has made a decision that looks ahead.
    bool thought_ = false;

    Game& g_;
    std::uint64_t seed_;
    std::array<std::unique_ptr<Seat>, MaxPlayers + 1> seats_;  // by PlayerId
    PlayerType everySeatAs_ = Human;
    std::map<PlayerType, StrategyMaker> makers_;
    LookAhead lookAhead_;
    // By PlayerId: the move after which a person last said no to a
    // computer's loan (0: never). The computers leave him in peace for a
    // while, as a message box each time would; computers asking computers
    // do not need it.
    std::array<int, MaxPlayers + 1> personSaidNo_{};
    // By the lender's PlayerId: the move after which it last offered a
    // person a loan (0: never).
    std::array<int, MaxPlayers + 1> offeredPerson_{};
    std::function<bool(int)> personBusy_;
    std::array<PlayerType, MaxPlayers + 1> chosen_{};  // by PlayerId; Human: not chosen
    bool onlyChosen_ = false;
    bool apart_ = false;
    std::function<void(const Op&)> sink_;
    // Hands the movement to the sink; false when there is none and the
    // caller works the control itself.
    bool Sent(OpKind kind, int p, int index = 0, int value = 0, std::string text = {}, int window = 0);
};

// Text helpers the hands type with.
// Millions as typed into a four-character amount box, `dollars` rounded up
// to what the box can say (0.01 million steps while they fit).
std::string MillionsText(Money dollars, bool roundUp);

}  // namespace zx::ai
