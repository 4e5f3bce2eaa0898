// The board in words, for screen readers and the game log.

#include "rules/cell_text.h"

#include <vector>

#include "rules/game.h"
#include "rules/text.h"

namespace zx {

namespace {

std::string KindName(CellKind kind) {
    switch (kind) {
        case CellKind::Market: return Say(ZX_TEXT("Cell", "Company market"));
        case CellKind::Computer: return Say(ZX_TEXT("Cell", "Computer"));
        case CellKind::Tax: return Say(ZX_TEXT("Cell", "Tax"));
        case CellKind::Bank: return Say(ZX_TEXT("Cell", "Bank"));
        case CellKind::Insurance: return Say(ZX_TEXT("Cell", "Insurance"));
        case CellKind::Company: return Say(ZX_TEXT("Cell", "Company cell"));
    }
    return "";
}

bool IsPlayer(const Game& g, int p) { return p >= 1 && p <= g.S.NumOfPlayers && p <= MaxPlayers; }

// "Ann", "Ann and Bob", "Ann, Bob and Cid".
std::string NameList(const std::vector<std::string>& names) {
    std::string out = names.empty() ? std::string() : names.front();
    for (std::size_t i = 1; i < names.size(); ++i)
        out = i + 1 == names.size() ? Say(ZX_TEXT("Cell", "%1 and %2"), {out, names[i]})
                                    : Say(ZX_TEXT("Cell", "%1, %2"), {out, names[i]});
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
    return Say(ZX_TEXT("Cell", "%1, %2"), {name, FormatMoney(g.S.CompanyValue[At(k)])});
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
            say(s.CompanyInsured[At(k)] ? Say(ZX_TEXT("Cell", "Owned by %1, insured."), {g.Name(owner)})
                                        : Say(ZX_TEXT("Cell", "Owned by %1, not insured."), {g.Name(owner)}));
        else
            say(Say(ZX_TEXT("Cell", "No owner.")));
        const std::string& complex = s.ComplexName[At(c)];
        if (g.Main.shpDestroyMask[At(c)]) say(Say(ZX_TEXT("Cell", "Struck by a disaster: %1 is being destroyed."), {complex}));
        if (!complex.empty()) {
            const int whole = s.ComplexOwner[At(c)];
            say(IsPlayer(g, whole) ? Say(ZX_TEXT("Cell", "%1 whole, owned by %2."), {complex, g.Name(whole)})
                                   : Say(ZX_TEXT("Cell", "%1 not whole."), {complex}));
        }
    } else if (Cell(cell).kind == CellKind::Market) {
        // A market sells the complex whose cells come just before it.
        const int sold = ComplexOf(CompanyOnCell(cell == 1 ? NumCells : cell - 1));
        if (!s.ComplexName[At(sold)].empty()) say(Say(ZX_TEXT("Cell", "Sells the %1."), {s.ComplexName[At(sold)]}));
    }

    std::vector<std::string> here;
    for (int p = 1; p <= MaxPlayers; ++p)
        if (IsPlayer(g, p) && g.Main.picPiece[At(p)].visible && CellOfPiece(g, p) == cell) here.push_back(g.Name(p));
    if (here.size() == 1) say(Say(ZX_TEXT("Cell", "%1's piece is here."), {here.front()}));
    if (here.size() > 1) say(Say(ZX_TEXT("Cell", "Pieces of %1 are here."), {NameList(here)}));

    say(Say(ZX_TEXT("Cell", "Cell %1 of %2."), {std::to_string(cell), std::to_string(NumCells)}));
    return out;
}

}  // namespace zx
