#pragma once
// The normal computer player's judgement, in one place so that the hard
// player can start from it and the arena can try other weights.

#include <array>
#include <optional>
#include <string>

#include "ai/strategy.h"

#include "rules/game.h"
#include "rules/seat_view.h"

namespace zx::ai {

struct NormalJudgement {
    // ---- weights ----
    Money reserveFloor = 300'000;    // cash and bank kept after a purchase, at the least
    double reserveShare = 0.5;       // ... or this share of the worst fee ahead
    double complexBonus = 0.6;       // worth added per company already held in an open complex
    double blockBonus = 0.4;         // worth of taking somebody's third company
    Money keepOnDeposit = 100'000;   // cash left out of a deposit
    Money keepOnInsurance = 0;       // cash left after paying premiums
    double expectedGameMoves = 1000; // how long a game lasts, for the disaster risk
    double insureMargin = 0.1;       // insure when the expected loss is this share of the premium
    double marketWorth = 150'000;    // a landing at a market with a company worth buying
    Money cashCushion = 50'000;      // cash held above what the next landing may need
    double bidShare = 0.8;           // bid this share of a company's worth
    bool bidLow = false;             // bid just above the bank unless the company wins the game
    Money bidKeep = 100'000;         // cash left after a bid is paid
    Money lendAbove = 1'000'000;     // lend when cash is above this and the amount lent (0: never lend)
    Money lendAmount = 1'000'000;    // ... this much
    Money lendAmountTwo = 2'000'000; // ... or this much in a game of two, where every loan repaid
                                     //     short costs the one opponent a company
    int lendTerms = 9;               // ... at these terms of the scroll bar (9: 20 % for 20 moves)
    int lendEvery = 1;               // ... and no more often than once in this many moves
    int askAgainAfter = 2;           // ... nor within this many moves of being refused
    bool oneLoanEach = false;        // ... nor to a player who owes it one already
    Money borrowPast = WinningEstate; // take any loan that lifts the estate past this (there it wins)
    Money borrowWhenBelow = 600'000; // borrow only when cash and bank are below this
    int borrowInterest = 20;         // ... and at this interest at the most
    double buyThreshold = 1.0;       // buy when a company is worth this share of its price
    bool buyCheapest = false;        // ... and where it buys, the cheapest company that keeps the reserve
    double withdrawThreshold = 99;   // take money out of the bank for a company worth this share of its price
    Money cashKeep = 0;              // cash kept after a purchase, to bank later
    bool prepareForDebts = false;    // take out what a fee or tax ahead will cost
    bool prepareForInsurance = false; // take out what the premiums ahead will cost

    Money Reserve(const GameState& s, int me) const;
    double CompanyWorth(const GameState& s, int me, int k) const;
    double CellWorth(const SeatView& v, int cell) const;

    int Buy(const SeatView& v) const;
    std::string Deposit(const SeatView& v) const;
    std::array<bool, 6> Insure(const SeatView& v) const;
    int MoveAnywhere(const SeatView& v) const;
    Money CashWanted(const SeatView& v) const;
    Money Bid(const SeatView& v) const;
    // The company of his list he parts with most easily.
    int CheapestRow(const SeatView& v) const;
    int SaleBuyer(const SeatView& v) const;
    bool Borrow(const SeatView& v, int lender, Money amount, int interest, int duration) const;
    // `shy` says whom not to ask now (by PlayerId).
    std::optional<LoanOffer> Lend(const SeatView& v, const std::array<bool, MaxPlayers + 1>& shy = {}) const;
};

}  // namespace zx::ai
