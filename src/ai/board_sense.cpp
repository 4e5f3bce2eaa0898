#include "ai/board_sense.h"

#include <algorithm>
#include <cctype>

#include "rules/game.h"
#include "rules/money.h"

namespace zx::ai {

int PositionOf(const GameState& s, int p) {
    const double x = s.PieceLeft[At(p)], y = s.PieceTop[At(p)];
    if (const int cell = CellAtPiece(x, y)) return cell;
    // The start boxes lie beside cells 32, 8, 16 and 24 of the path.
    if (const int box = StartBoxAtPiece(x, y)) return box == 1 ? NumCells : (box - 1) * 8;
    return NumCells;
}

int CompaniesOwned(const GameState& s, int p) {
    int n = 0;
    for (int k = 1; k <= NumCompanies; ++k) n += s.CompanyOwner[At(k)] == p;
    return n;
}

std::array<double, NumWinFeatures> WinFeatures(const GameState& s, int p) {
    const double line = WinningEstate;
    const double estate = s.Estate[At(p)] / line;
    const double companies = CompaniesOwned(s, p) / static_cast<double>(WinningCompanies);
    const double progress = std::max(estate, companies);
    double owed = 0;
    for (int i = 1; i <= s.LoanCount; ++i) {
        if (s.LoanLender[At(i)] == p) owed += s.LoanRepayment[At(i)];
        if (s.LoanBorrower[At(i)] == p) owed -= s.LoanRepayment[At(i)];
    }
    int complexes = 0;
    for (int c = 1; c <= NumComplexes; ++c) complexes += s.ComplexOwner[At(c)] == p;
    return {estate, companies, progress, progress * progress,
            (std::int64_t{s.Cash[At(p)]} + s.MoneyInBank[At(p)]) / line, owed / line, static_cast<double>(complexes)};
}

int OwnedInComplex(const GameState& s, int p, int c) {
    int n = 0;
    for (int k = 3 * c - 2; k <= 3 * c; ++k) n += s.CompanyOwner[At(k)] == p;
    return n;
}

int OthersInComplex(const GameState& s, int p, int c) {
    int n = 0;
    for (int k = 3 * c - 2; k <= 3 * c; ++k) n += s.CompanyOwner[At(k)] != 0 && s.CompanyOwner[At(k)] != p;
    return n;
}

Money LandingOnCompany(const GameState& s, int p, int k) {
    const int owner = s.CompanyOwner[At(k)];
    const bool complexed = s.CompanyComplexed[At(k)];
    if (owner == 0) return 0;
    if (owner == p) return complexed ? s.OwnComplexEnteringIncome[At(k)] : s.OwnEnteringIncome[At(k)];
    return -(complexed ? s.ComplexEnteringFee[At(k)] : s.EnteringFee[At(k)]);
}

Money TaxOf(const GameState& s, int p) {
    std::int64_t total = 0;
    for (int k = 1; k <= NumCompanies; ++k)
        if (s.CompanyOwner[At(k)] == p) total += s.CompanyTax[At(k)];
    if (s.HalfTaxBonus[At(p)]) total /= 2;
    return static_cast<Money>(total);
}

int CompanyInRow(const SeatView& v, int row) {
    const PlayerFormControls* w = v.OwnWindow();
    if (!w || row < 0 || static_cast<std::size_t>(row) >= w->lstCompanies.size()) return 0;
    return CompanyNumberNamed(v.S(), w->lstCompanies[At(row)]);
}

Money MoneyShown(const std::string& text) {
    std::int64_t v = 0;
    for (char c : text) {
        if (!std::isdigit(static_cast<unsigned char>(c))) continue;
        v = v * 10 + (c - '0');
        if (v > MaxMoney) return static_cast<Money>(MaxMoney);
    }
    return static_cast<Money>(v);
}

}  // namespace zx::ai
