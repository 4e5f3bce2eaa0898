#pragma once
// Small shared functions used by every rule: money format, player colours
// and pronouns, the leading-number parse of typed amounts and rounding.

#include <cstdint>
#include <optional>
#include <string>

#include "state/game_state.h"

namespace zx {

struct Rgb {
    int r = 0, g = 0, b = 0;
    bool operator==(const Rgb&) const = default;
};
constexpr Rgb Black{0, 0, 0};
constexpr Rgb Red{255, 0, 0};

// "$1,234,567"; zero gives "$0"; a negative amount "-$5,000".
std::string FormatMoney(std::int64_t amount);
// The text colour of player p (red, blue, dark green, magenta); black for
// player 0 or a piece number outside "1".."4".
Rgb PlayerColor(const GameState& s, int p);
// The colour of p's ownership outlines on the board (green is the bright one).
Rgb OutlineColor(const GameState& s, int p);
// Colour of a piece number "1".."4" in the trend graph (bright green).
Rgb GraphColor(const std::string& piece);
std::string HeOrShe(const GameState& s, int p);
std::string HisOrHer(const GameState& s, int p);
// Sentences about a player come in two whole versions, one per sex, so that
// a translation agrees every word with the player: this picks one.
bool IsFemale(const GameState& s, int p);
bool HasEnoughMoney(const GameState& s, int p, std::int64_t amount);

// Rounds to the nearest whole number, halves to even.
double RoundHalfEven(double x);
// Rounds to a number of decimals, halves to the even digit.
double RoundHalfEven(double x, int decimals);

// The leading-number parse of a typed amount: leading blanks skipped, the
// longest leading decimal number taken ("  2.5abc" is 2.5, ".5" is 0.5,
// "-1" is -1), anything after it ignored, no number at all gives 0.
double LeadingNumber(const std::string& text);

// Dollars of an amount typed in millions, rounded to a number of decimals
// of a million first (halves to even), then to whole dollars.
double MillionsToWholeDollars(double millions, int decimals);
// The same as a money figure; empty when it does not fit one.
std::optional<Money> MillionsToDollars(double millions, int decimals);

// The amount, in millions, that the vertical scroll bars beside the amount
// boxes stand for: 10 at the top (-90) down to 0.1 at the bottom (9).
std::string ScrollBarMillions(int value);

// The first `count` characters of a UTF-8 text, as a text box with a length
// limit keeps them: a letter written with several bytes is never cut.
std::string FirstCharacters(const std::string& text, std::size_t count);

// The company of that name (the last one, should two share it); 0 if none.
int CompanyNumberNamed(const GameState& s, const std::string& name);

// The shortest decimal text of a number ("10", "1", "0.1", "4380.5").
std::string ShortestDecimal(double x);

}  // namespace zx
