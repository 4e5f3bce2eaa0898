// The board in words, for screen readers and the game log.

#include "rules/cell_text.h"

#include <vector>

#include "rules/game.h"

namespace zx {

namespace {

const char* KindName(CellKind kind) {
    switch (kind) {
        case CellKind::Market: return "Company market";
        case CellKind::Computer: return "Computer";
        case CellKind::Tax: return "Tax";
        case CellKind::Bank: return "Bank";
        case CellKind::Insurance: return "Insurance";
        case CellKind::Company: return "Company cell";
    }
    return "";
}

bool IsPlayer(const Game& g, int p) { return p >= 1 && p <= g.S.NumOfPlayers && p <= MaxPlayers; }

// "Ann", "Ann and Bob", "Ann, Bob and Cid".
std::string NameList(const std::vector<std::string>& names) {
    std::string out;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (i > 0) out += i + 1 == names.size() ? " and " : ", ";
        out += names[i];
    }
    return out;
}

}  // namespace

int CellOfPiece(const Game& g, int p) {
    if (!IsPlayer(g, p)) return 0;
    return CellAtPiece(g.S.PieceLeft[At(p)], g.S.PieceTop[At(p)]);
}

std::string CellName(const Game& g, int cell) {
    if (cell < 1 || cell > NumCells) return {};
    const int k = CompanyOnCell(cell);
    if (k == 0) return KindName(Cell(cell).kind);
    std::string name = g.Main.cellToolTip[At(cell)];
    if (name.empty()) name = KindName(CellKind::Company);
    return name + ", " + FormatMoney(g.S.CompanyValue[At(k)]);
}

std::string CellTitle(const Game& g, int cell) {
    if (cell < 1 || cell > NumCells) return {};
    const int k = CompanyOnCell(cell);
    if (k == 0 || g.S.CompanyName[At(k)].empty()) return KindName(Cell(cell).kind);
    return g.S.CompanyName[At(k)];
}

std::string CellDescription(const Game& g, int cell) {
    if (cell < 1 || cell > NumCells) return {};
    const GameState& s = g.S;
    std::string out;
    auto say = [&out](const std::string& sentence) { out += (out.empty() ? "" : " ") + sentence; };

    if (const int k = CompanyOnCell(cell)) {
        const int c = ComplexOf(k);
        const int owner = s.CompanyOwner[At(k)];
        if (IsPlayer(g, owner))
            say("Owned by " + g.Name(owner) + (s.CompanyInsured[At(k)] ? ", insured." : ", not insured."));
        else
            say("No owner.");
        const std::string& complex = s.ComplexName[At(c)];
        if (g.Main.shpDestroyMask[At(c)]) say("Struck by a disaster: " + complex + " is being destroyed.");
        if (!complex.empty()) {
            const int whole = s.ComplexOwner[At(c)];
            say(IsPlayer(g, whole) ? complex + " whole, owned by " + g.Name(whole) + "." : complex + " not whole.");
        }
    } else if (Cell(cell).kind == CellKind::Market) {
        // A market sells the complex whose cells come just before it.
        const int sold = ComplexOf(CompanyOnCell(cell == 1 ? NumCells : cell - 1));
        if (!s.ComplexName[At(sold)].empty()) say("Sells the " + s.ComplexName[At(sold)] + ".");
    }

    std::vector<std::string> here;
    for (int p = 1; p <= MaxPlayers; ++p)
        if (IsPlayer(g, p) && g.Main.picPiece[At(p)].visible && CellOfPiece(g, p) == cell) here.push_back(g.Name(p));
    if (here.size() == 1) say(here.front() + "'s piece is here.");
    if (here.size() > 1) say("Pieces of " + NameList(here) + " are here.");

    say("Cell " + std::to_string(cell) + " of " + std::to_string(NumCells) + ".");
    return out;
}

}  // namespace zx
