#pragma once
// What a computer player decides, apart from how its hand carries it out.
// A strategy sees the game only through its seat's view (its own slot is
// the view's Seat()): what a person in that seat sees on the screen. It
// never reads another player's bid while the bid is still masked, and it
// has no hold on the game's source of chance.

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "rules/seat_view.h"

namespace zx::ai {

// A player's own source of chance (splitmix64): cheap to start and to draw
// from, as a game nobody watches seats four players and throws them away.
class PlayerRandom {
public:
    using result_type = std::uint64_t;
    explicit PlayerRandom(std::uint64_t seed = 1) : state_(seed) {}
    void seed(std::uint64_t s) { state_ = s; }
    static constexpr result_type min() { return 0; }
    static constexpr result_type max() { return ~result_type{0}; }
    result_type operator()() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }

private:
    std::uint64_t state_;
};

// A loan the lender's hand types into the "Lend money" window.
struct LoanOffer {
    int borrower = 0;     // slot of the borrower
    std::string amount;   // millions, as typed ("1.5")
    int terms = 10;       // the interest and duration scroll bar, 1..10
};

class Strategy {
public:
    virtual ~Strategy() = default;

    // Whether its decisions play the game on to see where they lead (the
    // hands then make no more than one such decision per movement).
    virtual bool LooksAhead() const { return false; }

    // The buy window: the row (1..3) to buy, 0 to refuse.
    virtual int Buy(const SeatView& v) = 0;
    // Deposit mode: the amount to type in millions, "" to refuse.
    virtual std::string Deposit(const SeatView& v) = 0;
    // Insurance mode: which of the boxes 1..5 to tick.
    virtual std::array<bool, 6> Insure(const SeatView& v) = 0;
    // Move-anywhere: the cell (1..32) to go to, 0 to give the offer up.
    virtual int MoveAnywhere(const SeatView& v) = 0;
    // The cash to hold before the next roll; the rest may stay in the bank.
    virtual Money CashWanted(const SeatView& v) = 0;
    // A bidder's secret bid for the company on sale (whole dollars, 0 for none).
    virtual Money Bid(const SeatView& v) = 0;
    // The seller: which row of his list (0..4) to put up for sale.
    virtual int SaleRow(const SeatView& v) = 0;
    // The seller after the bids are shown: the row to sell to (0 is the
    // bank), -1 to keep the company.
    virtual int SaleBuyer(const SeatView& v) = 0;
    // In debt with the bank empty: the row of his list to sell, -1 to give up.
    virtual int DebtSaleRow(const SeatView& v) = 0;
    // Between turns: a loan to offer, if any.
    virtual std::optional<LoanOffer> Lend(const SeatView& v) = 0;
    // Between turns: whether to leave the game now (Quit Game). A player
    // who cannot pay a debt gives up through DebtSaleRow instead.
    virtual bool Quit(const SeatView&) { return false; }
    // A loan offered to him, as the "Lend money" window shows it.
    virtual bool Borrow(const SeatView& v, int lender, Money amount, int interest, int duration) = 0;
};

// How hard a hard player thinks: the longest one decision may take (of one
// core) and how many continuations it plays out at the most for one.
struct LookAhead {
    double seconds = 0.25;
    int playouts = 4000;
    // How many moves a continuation is played before the position is judged,
    // in a game of two: far enough for a choice to show its effect, near
    // enough for chance not to drown it. With more players it grows with
    // them, so that the player himself still has as many turns ahead.
    int horizon = 60;
    // When set, the CPU time of every decision made is added here.
    std::vector<double>* decisionSeconds = nullptr;
    // When set, called about every 15 ms of thinking with a time budget, so
    // that the windows go on painting while a hard player thinks. It must
    // leave the game thought about as it is (the windows hold its clocks
    // and the people's input back meanwhile); its own time is not counted.
    std::function<void()> breathe;
};

// The three strengths. `rng` is the player's own source of chance.
std::unique_ptr<Strategy> MakeEasy(PlayerRandom& rng);
std::unique_ptr<Strategy> MakeNormal();
struct NormalJudgement;
std::unique_ptr<Strategy> MakeNormal(const NormalJudgement& weights);
std::unique_ptr<Strategy> MakeHard(PlayerRandom& rng, const LookAhead& budget);

}  // namespace zx::ai
