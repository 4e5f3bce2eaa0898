#pragma once
// The board: a ring of 32 cells on a 7x7 grid of places, four start boxes,
// the two company catalogues and the money tables derived from the prices.
// Coordinates are twips (1/1440 inch), origin at the board's top-left corner.

#include <string>

#include "rules/text.h"
#include "state/game_state.h"

namespace zx {

constexpr int NumCells = 32;
constexpr int CellSize = 1000;
constexpr int CellPitch = 1080;
constexpr int BoardOrigin = 120;
constexpr int BoardExtent = 7720;  // the scene is 0..7720 on both axes
constexpr int PieceSize = 550;
constexpr int PieceInset = 240;    // a lone piece sits this far into its cell

enum class CellKind { Market, Computer, Tax, Bank, Insurance, Company };
enum class Dir { Up, Down, Left, Right };

struct CellInfo {
    int col;        // 0..6
    int row;        // 0..6
    CellKind kind;
    int number;     // kind number 1..4 for special cells, company 1..12
    Dir next;       // where the next cell on the path lies
};

struct StartBoxInfo {
    int col;
    int row;
    Dir first;      // direction of the first step off the box
};

// Cell i (1..32) in order of travel.
const CellInfo& Cell(int i);
// Start box b (1..4).
const StartBoxInfo& StartBox(int b);

constexpr int PlaceCoord(int colOrRow) { return BoardOrigin + CellPitch * colOrRow; }
int CellLeft(int i);
int CellTop(int i);
int StartBoxLeft(int b);
int StartBoxTop(int b);

// The cell of company k (6, 7, 8, 14, ... 32), 0 outside 1..12.
int CompanyBox(int k);
// The company standing on cell i, 0 for a special cell.
int CompanyOnCell(int i);
// The complex of company k: (k - 1) / 3 + 1.
constexpr int ComplexOf(int k) { return (k - 1) / 3 + 1; }
// The path cell of a given kind and kind number (e.g. Bank 1 is cell 20).
int CellOfKind(CellKind kind, int number);

// Position detection: the cell whose strict rectangle holds a piece whose
// picture's top-left corner is at (x, y); 0 when none does.
int CellAtPiece(double x, double y);
// The start box (1..4) whose rectangle holds the piece, 0 when none.
int StartBoxAtPiece(double x, double y);

// Hover text of a special cell kind ("Company market cell", ...);
// "Company cell" for company cells.
const char* CellHoverText(CellKind kind);

struct CatalogueEntry {
    Money value;
    const char* shortName[2];  // by company set 1, 2
    const char* longName[2];
};
const CatalogueEntry& Catalogue(int k);
// "Computers", "CPU", ... for set 1; "US", "Japanese", ... for set 2.
const char* ComplexWord(int companySet, int c);
// The same word marked for translation (Say() it before joining it into a name).
SourceText ComplexWordText(int companySet, int c);
// Number of the logo picture of company k in a catalogue: 1..24.
constexpr int LogoNumber(int companySet, int k) { return (companySet - 1) * 12 + k; }
// Number of a piece picture 1..12 for a piece "1".."4" in a piece set.
int PiecePictureNumber(int piece, int pieceSet);

// Outline and mask rectangles (twips).
struct Rect { int left, top, width, height; };
Rect CompanyFrameRect(int k);
Rect ComplexFrameRect(int c);
Rect DestroyMaskRect(int c);

// Fills the company values, the six derived money tables and the two
// advice texts. Run once when the program starts.
void Definitions(GameState& s);

}  // namespace zx
