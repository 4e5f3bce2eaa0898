#pragma once
// What a player can read off the board and the personal windows at a
// glance: where a piece stands, what lies ahead, who owns what, what a
// landing would cost or bring. The strategies judge with these.

#include <array>
#include <vector>

#include "rules/seat_view.h"
#include "state/board.h"

namespace zx::ai {

// The path cell a piece stands on; a piece on its start box counts as
// standing on the cell just before the first cell it will reach.
int PositionOf(const GameState& s, int p);
// The path cell `steps` cells after `cell`.
constexpr int CellAhead(int cell, int steps) { return (cell - 1 + steps) % NumCells + 1; }
// The complex a market cell sells.
inline int ComplexSoldAt(int cell) { return Cell(cell).number % 4 + 1; }

int CompaniesOwned(const GameState& s, int p);
// How many of complex c's companies p owns, and how many others own.
int OwnedInComplex(const GameState& s, int p, int c);
int OthersInComplex(const GameState& s, int p, int c);

// The fee p pays, or the income he gets, for landing on company k now
// (negative when he pays).
Money LandingOnCompany(const GameState& s, int p, int k);
// The tax p would pay at a Tax cell now.
Money TaxOf(const GameState& s, int p);

// How near p stands to winning, as the hard player's evaluation of an
// unfinished game weighs it (tools/fit_evaluation.cpp fits the weights):
// estate and companies as shares of the winning lines, the nearer of the
// two, its square, cash and bank as a share of the winning estate, what
// he is owed less what he owes (same scale), complexes held.
constexpr int NumWinFeatures = 7;
std::array<double, NumWinFeatures> WinFeatures(const GameState& s, int p);

// The company of row `row` (0-based) of the viewer's own personal window list.
int CompanyInRow(const SeatView& v, int row);

// Dollars of a figure shown in money form ("$1,500,000" -> 1500000).
Money MoneyShown(const std::string& text);

}  // namespace zx::ai
