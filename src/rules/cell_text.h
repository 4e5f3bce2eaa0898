#pragma once
// What a cell of the board says to someone who cannot see it: its name
// (the kind of cell, or the company's long name and price) and a
// description of what is on it now (owner, insurance, a disaster under
// way, the complex, the pieces standing there).

#include <string>

namespace zx {

class Game;

// "Bank", "Tax", "Computer", "Insurance", "Company market", or for a company
// cell its long name followed by its price.
std::string CellName(const Game& g, int cell);
// A few short sentences; never empty (the cell's place on the path ends it).
std::string CellDescription(const Game& g, int cell);
// The short name used in running text: "Bank", "Intel" ...
std::string CellTitle(const Game& g, int cell);
// The cell of player p's piece as it stands on the board, 0 between cells.
int CellOfPiece(const Game& g, int p);

}  // namespace zx
