#pragma once
// The one shared record of a Zentrix game: plain scalars and fixed tables.
// Every table keeps slot 0 unused so that players (1..4), companies (1..12),
// complexes (1..4) and loans (1..5) are indexed by their own numbers.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace zx {

constexpr int MaxPlayers = 4;
constexpr int NumCompanies = 12;
constexpr int NumComplexes = 4;
constexpr int MaxLoans = 5;
constexpr int HistorySlots = 10;
constexpr std::int32_t StartCash = 5'000'000;

using Money = std::int32_t;  // whole dollars

// Who plays a seat: a person or the computer at one of its three strengths.
// The numbers are written in saved games and are the entries of the new
// game window's lists, so they never change.
enum PlayerType : int { Human = 0, Easy = 1, Normal = 2, Hard = 3 };
// The seat's kind as the new game window lists it.
constexpr const char* PlayerTypeName(int type) {
    switch (type) {
        case Easy: return "Computer (easy)";
        case Normal: return "Computer (normal)";
        case Hard: return "Computer (hard)";
        default: return "Human";
    }
}

// Tables are indexed by the game's own int numbers (players, companies...).
constexpr std::size_t At(int i) { return static_cast<std::size_t>(i); }

template <typename T> using PerPlayer = std::array<T, MaxPlayers + 1>;
template <typename T> using PerCompany = std::array<T, NumCompanies + 1>;
template <typename T> using PerComplex = std::array<T, NumComplexes + 1>;
template <typename T> using PerLoan = std::array<T, MaxLoans + 2>;

struct GameState {
    // ---- game-wide ----
    int NumOfPlayers = 2;
    int InitialNumOfPlayers = 2;
    int CurrentPlayer = 0;
    int NextPlayer = 0;
    int Dice = 0;
    bool ExtraTurn = false;
    int Moves = 0;
    int GameTime = 0;
    int CompanySet = 1;
    int PieceSet = 1;
    bool GameInProgress = false;
    int WinnerCount = 0;
    PerPlayer<std::string> Finisher{};  // by finishing place, 1 = best

    // ---- per player ----
    // Who sits in each slot, for the whole game: when a player leaves, the
    // players after him move down a slot and take their numbers along, so
    // code that must know "is this still the same person" keeps the number,
    // never the slot or the name. Given out when a game starts (a loaded
    // game numbers its players afresh); the saved file has no place for it.
    PerPlayer<int> PlayerId{};
    PerPlayer<std::string> PlayerName{};
    PerPlayer<std::string> PlayerSex{};    // "Male" or "Female"
    PerPlayer<std::string> PlayerPiece{};  // "1".."4"
    // Who plays the seat.
    PerPlayer<zx::PlayerType> PlayerType{};
    PerPlayer<Money> Cash{};
    PerPlayer<Money> DisplayedCash{};
    PerPlayer<Money> MoneyInBank{};
    PerPlayer<Money> Estate{};
    PerPlayer<bool> MissNextTurn{};
    PerPlayer<bool> HalfTaxBonus{};
    PerPlayer<bool> FreeInsuranceBonus{};
    PerPlayer<std::string> MoneyChange{};  // "increase", "decrease" or ""

    // ---- where the pieces are ----
    // Piece coordinates in board twips (top-left corner of the 550x550 piece
    // picture). They are the live positions; a new game puts them on the
    // start boxes.
    PerPlayer<std::int32_t> PieceLeft{};
    PerPlayer<std::int32_t> PieceTop{};
    // The cell found under each player's piece by the last detection for
    // that player (0 = none, 1..32 = path cell). This replaces the twenty
    // per-cell flag arrays: OnBank1(p) is "PlayerCell[p] == 20" and so on.
    PerPlayer<int> PlayerCell{};
    // OnStart1..OnStart4: the piece last examined stands on that start box.
    std::array<bool, 5> OnStart{};

    // ---- companies and complexes ----
    PerCompany<std::string> CompanyName{};
    PerCompany<Money> CompanyValue{};
    PerCompany<int> CompanyOwner{};
    PerCompany<bool> CompanyInsured{};
    PerCompany<bool> CompanyComplexed{};
    PerCompany<Money> CompanyTax{};
    PerCompany<Money> OwnEnteringIncome{};
    PerCompany<Money> InsurancePrice{};
    PerCompany<Money> OwnComplexEnteringIncome{};
    PerCompany<Money> EnteringFee{};
    PerCompany<Money> ComplexEnteringFee{};
    PerComplex<std::string> ComplexName{};
    PerComplex<int> ComplexOwner{};

    // ---- modes that gate Roll Dice, and the other interaction flags ----
    bool MoneyChanging = false;
    bool DestroyMode = false;
    bool BuyMode = false;
    bool InsuranceMode = false;
    bool DepositMode = false;
    bool WaitingMode = false;
    bool MoveAnywhereMode = false;
    bool TaxDebtPending = false;
    int ChangingPlayer = 0;
    int ReactionSeconds = 0;

    // ---- the walk ----
    int MoveTick = 0;
    int CellsMoved = 0;

    // ---- texts ----
    std::string PromptText;
    std::string HintText;
    std::string WaitingMessage;
    std::string MsgMustWithdraw;
    std::string MsgCanBorrow;
    std::array<std::string, 14> ComputerMessage{};  // 1..13
    int ComputerChoice = 0;

    // ---- statistics: estates in millions, one decimal; row 10 is newest ----
    std::array<PerPlayer<std::optional<double>>, HistorySlots + 1> EstateHistory{};

    // ---- options ----
    bool AutoSave = true;
    bool LimitReactionTime = false;
    bool BackgroundMusic = true;
    bool Sounds = true;

    // ---- clocks and the game's file ----
    int AutoSaveMinutes = 0;
    bool AutoSavePending = false;
    bool HasFileName = false;
    bool ShowSavedMessage = false;
    bool SaveAsRequested = false;
    std::string FileName;  // full path offered or used by the file dialog

    // ---- loans ----
    PerLoan<int> LoanLender{};
    PerLoan<int> LoanBorrower{};
    PerLoan<Money> LoanRepayment{};
    PerLoan<int> LoanDueMove{};
    int LoanCount = 0;
    Money LoanAmount = 0;
    int LoanInterest = 0;
    int LoanDuration = 0;
    bool LoanRepayPending = false;
    bool LoanRepaidNotice = false;
    std::string LoanRepaidText;

    // ---- sale by secret bids ----
    int SellingPlayer = 0;
    int SaleCompany = 0;
    int BestBidder = 0;
    int ChosenRow = 0;
    int Buyer = 0;

    // ---- destruction of a complex ----
    int DestroyedComplex = 0;
    int DestroyCompanyNumber = 0;

    // ---- working values of single rules ----
    int BuyZoneNumber = 0;
    Money TotalTax = 0;
    Money BankInterest = 0;
    Money InsuranceCost = 0;
    Money DepositAmount = 0;
    Money WithdrawAmount = 0;
    int WithdrawPlayer = 0;
    bool ListClickGuard = false;

    // ---- sound ----
    std::string CurrentSound;
    int MusicNumber = 0;

    bool operator==(const GameState&) const = default;
};

}  // namespace zx
