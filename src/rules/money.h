#pragma once
// Money is whole dollars in a signed 32-bit figure. One policy holds for
// every place that adds amounts or checks them:
// - an amount a player types that does not fit, or that would push a
//   balance past the limit, is refused where it is typed, with the message
//   of that window (FitsMoney tells);
// - a gain the game pays by itself (income, fees, interest, compensation,
//   repayments, Computer gifts) stops at the limit instead of wrapping
//   round (AddMoney). Reaching it takes more than $2.1 billion, so in play
//   it never bites; it only keeps absurd states from turning into debts.

#include <algorithm>
#include <cstdint>
#include <limits>

#include "state/game_state.h"

namespace zx {

constexpr Money MaxMoney = std::numeric_limits<Money>::max();
constexpr Money MinMoney = std::numeric_limits<Money>::min();

constexpr bool FitsMoney(std::int64_t amount) { return amount >= MinMoney && amount <= MaxMoney; }

// The amount, held to the range of a money figure.
constexpr Money CapMoney(std::int64_t amount) {
    return static_cast<Money>(std::clamp<std::int64_t>(amount, MinMoney, MaxMoney));
}

// balance += amount, held to the range of a money figure.
constexpr void AddMoney(Money& balance, std::int64_t amount) { balance = CapMoney(std::int64_t{balance} + amount); }

}  // namespace zx
