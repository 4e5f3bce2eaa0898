#pragma once
// The saved-game file: 44 lines of comma-separated values, written and read
// here without any window. A file is read into a SavedGame of its own and
// checked as a whole before anything reaches the game, so a damaged or
// hostile file can never leave a half-loaded game behind.

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "state/game_state.h"

namespace zx {

// Everything a saved game holds, in the order of the file.
struct SavedGame {
    int NumOfPlayers = 2;
    int InitialNumOfPlayers = 2;
    PerPlayer<std::string> PlayerName{};
    PerPlayer<std::string> PlayerSex{};
    PerPlayer<std::string> PlayerPiece{};
    // Computer seats (see GameState::PlayerType). A game with none is written
    // in the 44 lines every version reads; one with a computer seat adds a
    // 45th line with the four types.
    PerPlayer<int> PlayerType{};
    int CompanySet = 1;
    int PieceSet = 1;
    bool AutoSave = true;
    bool LimitReactionTime = false;
    bool BackgroundMusic = true;
    bool Sounds = true;
    // Written as decimals; older files may hold fractions of a twip.
    PerPlayer<double> PieceLeft{};
    PerPlayer<double> PieceTop{};
    int CurrentPlayer = 0;
    PerPlayer<Money> Cash{};
    PerPlayer<Money> MoneyInBank{};
    std::array<int, MaxLoans + 1> LoanLender{};
    std::array<int, MaxLoans + 1> LoanBorrower{};
    std::array<Money, MaxLoans + 1> LoanRepayment{};
    std::array<int, MaxLoans + 1> LoanDueMove{};
    int LoanCount = 0;
    PerCompany<int> CompanyOwner{};
    PerCompany<bool> CompanyInsured{};
    PerCompany<bool> CompanyComplexed{};
    PerComplex<int> ComplexOwner{};
    int GameTime = 0;
    int Moves = 0;
    int WinnerCount = 0;
    PerPlayer<std::string> Finisher{};
};

// What a game looks like on disk. `draftLoanSlot` is the loan slot taken by
// an open loan dialog (0 when none): it is not a loan yet and is left out.
SavedGame SavedGameFrom(const GameState& s, int draftLoanSlot);

// Copies a read game into the state, with the on-screen cash starting at
// the cash read and the piece positions rounded to whole twips.
void ApplySavedGame(const SavedGame& f, GameState& s);

// The file's text: UTF-8, CR LF line ends, quotes inside strings doubled.
std::string WriteSavedGame(const SavedGame& f);

// Reads the file's bytes (UTF-8, or Windows-1252 when they are not valid
// UTF-8). Empty when the text is not a saved game or holds anything the
// game could not have produced; `error` then says why.
std::optional<SavedGame> ReadSavedGame(std::string_view bytes, std::string* error = nullptr);

// The checks ReadSavedGame applies to the values it has read.
bool ValidSavedGame(const SavedGame& f, std::string* error = nullptr);

// Text encodings.
bool IsValidUtf8(std::string_view bytes);
std::string Windows1252ToUtf8(std::string_view bytes);

// Files. Writing goes to a temporary file of its own beside the target and
// reaches the disk before it replaces the target in one rename: a failed
// save, a crash or a power cut leaves the old file or the new one, whole.
bool WriteFileAtomically(const std::string& path, const std::string& data);
// The whole file, or empty when it cannot be read or is far larger than
// any saved game.
std::optional<std::string> ReadWholeFile(const std::string& path);

}  // namespace zx
