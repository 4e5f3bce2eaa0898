#pragma once
// The rules every game on the board keeps, whatever was clicked: shared by
// the headless game driver and the monkey at the windows.

#include <string>

#include "rules/game.h"

namespace zx::test {

// Empty when the game on the board is sound; otherwise what is broken.
inline std::string GameInvariants(const Game& g) {
    const GameState& s = g.S;
    for (int p = 1; p <= s.NumOfPlayers; ++p) {
        if (s.PlayerName[p].empty()) return "a player without a name";
        for (int q = 1; q < p; ++q)
            if (s.PlayerName[p] == s.PlayerName[q]) return "two players with one name";
        if (s.Cash[p] < 0) return "negative cash for " + s.PlayerName[p];
        if (s.MoneyInBank[p] < 0) return "negative bank balance for " + s.PlayerName[p];
    }
    if (s.CurrentPlayer < 0 || s.CurrentPlayer > s.NumOfPlayers) return "current player out of range";
    int owned[MaxPlayers + 1] = {};
    for (int k = 1; k <= NumCompanies; ++k) {
        int o = s.CompanyOwner[k];
        if (o < 0 || o > s.NumOfPlayers) return "owner out of range";
        if (o == 0 && (s.CompanyInsured[k] || s.CompanyComplexed[k])) return "an unowned company insured or complexed";
        ++owned[o];
    }
    for (int p = 1; p <= s.NumOfPlayers; ++p)
        if (owned[p] > 5) return "a player with more than five companies";
    for (int c = 1; c <= NumComplexes; ++c) {
        int o = s.ComplexOwner[c];
        int a = s.CompanyOwner[3 * c - 2], b = s.CompanyOwner[3 * c - 1], d = s.CompanyOwner[3 * c];
        bool allOne = a != 0 && a == b && b == d;
        if (o != 0 && (!allOne || o != a)) return "complex owned without its three companies";
        for (int k = 3 * c - 2; k <= 3 * c; ++k)
            if (s.CompanyComplexed[k] != (o != 0)) return "complex flags disagree with the complex's owner";
        // A complex whose three companies have one owner is known as a
        // complex once the rule that gave the third company has run.
        if (o == 0 && allOne && !s.BuyMode && !g.SellForm.Loaded && !s.DestroyMode)
            return "three companies of one owner not recorded as a complex";
    }
    if (s.LoanCount < 0 || s.LoanCount > MaxLoans) return "loan count out of range";
    for (int i = 1; i <= s.LoanCount; ++i) {
        if (g.Draft.Holds(i)) continue;
        if (s.LoanLender[i] < 1 || s.LoanLender[i] > s.NumOfPlayers) return "a lender who is not a player";
        if (s.LoanBorrower[i] < 1 || s.LoanBorrower[i] > s.NumOfPlayers) return "a borrower who is not a player";
        if (s.LoanLender[i] == s.LoanBorrower[i]) return "a player who lent to himself";
    }
    // Finishing places: winners from the top, losers from the bottom.
    int filled = 0;
    for (int i = 1; i <= MaxPlayers; ++i)
        if (!s.Finisher[i].empty()) ++filled;
    if (filled + s.NumOfPlayers != s.InitialNumOfPlayers) return "finishing table out of step with the players";
    for (int i = 1; i <= s.WinnerCount; ++i)
        if (s.Finisher[i].empty()) return "a winner's place is empty";
    return {};
}

}  // namespace zx::test
