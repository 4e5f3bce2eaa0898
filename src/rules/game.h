#pragma once
// Zentrix's rules: the main window's procedures and the modules, acting on
// one GameState and reaching the outside world only through Ui.
//
// A turn: Roll Dice passes the turn on (a 6 rolls again, a barred player is
// skipped once), the dice sound plays, the die is thrown and the piece walks
// one cell per ten 40 ms ticks. When it stops, DoActions repays loans that
// fall due and runs the rule of the cell reached; a rule that needs the
// player's answer sets its mode flag and keeps Roll Dice disabled until the
// player has answered. Every rule ends with UpdateDisplay, which refreshes
// the windows, starts the money counting and re-enables Roll Dice when no
// mode is left. Timers, sounds and windows live outside; their ticks and
// end reports come back in through the public functions below.

#include <array>
#include <memory>
#include <optional>
#include <string>

#include "rules/forms.h"
#include "rules/game_log.h"
#include "rules/loan_draft.h"
#include "rules/main_view.h"
#include "rules/player_form.h"
#include "rules/ui.h"
#include "state/board.h"
#include "state/game_state.h"

namespace zx {

// A player wins on owning this many companies or on an estate above this.
constexpr int WinningCompanies = 5;
constexpr Money WinningEstate = 8'000'000;

class Game {
public:
    Game(Ui& ui, Random& random);
    ~Game();
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    GameState S;
    MainView Main;
    Ui& ui;
    Random& rnd;

    // Window models.
    BuyCompanyForm BuyForm{*this};
    WaitForm Wait{*this};
    SellCompaniesForm SellForm{*this};
    LoanForm LoanDialog{*this};
    NewGameForm NewGame{*this};
    ResultsForm Results{*this};
    bool GraphLoaded = false;
    GameLog Log;

    // ---- start-up (Form_Load of the main window) ----
    void Form_Load();

    // ---- instant play ----
    // For looking ahead and for playing many games in a row: a walk and a
    // money count finish inside the call that starts them, a sound's end
    // comes as it starts, and the texts meant for people are not written
    // where nobody reads them. The rules and their results are the same.
    bool Instant = false;
    bool Narrating() const { return !Instant; }
    // Makes this game the same game as `other` at the same point, windows'
    // models and timers included; the source of chance and the outside
    // world stay this game's own.
    void CopyFrom(const Game& other);

    // ---- display refresh and prompts (mdlUpdateDisplay) ----
    void ClearPrompts();
    void SetPromptColor(int p);
    void ShowPrompts();
    void DisableRollDice();
    void EnableRollDiceIfIdle();
    void UpdateDisplay();
    void UpdatePlayerWindows();
    void UpdateBoardFrames();
    void RefreshPlayerWindows();
    void ShowCurrentPlayer();
    // The personal window of slot p, created on first use.
    PlayerForm& PlayerWindow(int p);
    bool PlayerWindowLoaded(int p) const;
    void UnloadPlayerWindow(int p);
    PlayerForm* PlayerWindowIfLoaded(int p);
    const PlayerForm* PlayerWindowIfLoaded(int p) const;

    // ---- timers ----
    void SetTimer(TimerId t, bool enabled);
    bool TimerEnabled(TimerId t) const;

    // ---- dice and turn order ----
    void cmdRollDice_Click();
    void ContinueRollDice();
    void RollDice();
    void ChangeTurn();
    void FindNextPlayer();
    void IncrementMoves();
    // The player Roll Dice would hand the turn to now (0 with no game).
    int NextRoller() const;
    // Plays the walk under way to its end (instant play).
    void FinishWalk();
    // The PlayerId of the player whose roll or walk is under way (0 when
    // none): players who leave renumber the others, so a slot number could
    // end up pointing at somebody else's piece.
    int MovingPlayerId = 0;

    // ---- piece movement ----
    void MovePieces();
    void tmrMovePieces_Timer();
    void ResetOverlap();
    void FixOverlap();

    // ---- clocks and animations ----
    void tmrGameTime_Timer();
    void tmrAutoSave_Timer();
    void StartReactionTimer(int seconds);
    void StopReactionTimer();
    void tmrLimitReactionTime_Timer();
    void StartMoneyAnimation();
    void tmrChangeMoney_Timer();
    void tmrMusicDelay_Timer();
    // Which of the next ticks of the walk (MovePieces) or of the money count
    // (ChangeMoney) is the first that may do more than move a piece one step
    // or a cash figure one count (1 = the next). The ticks before it change
    // nothing else, so a server may run them late, in one go.
    int TicksToNextStop(TimerId t) const;

    // ---- position and dispatch ----
    void DetectPosition();
    void DoActions();
    void Box_DblClick(int index);
    // The cell the current player stands on (0 = none).
    int CurrentCell() const;

    // ---- cell rules ----
    void PayCompOwner();
    void BuyCompany();
    void FindBuyZoneNumber();
    void Bank();
    void Tax();
    void CalculateTotalTax();
    void Insurance();
    void Computer();
    void DestroyCompanies();
    void tmrDestroyDelay_Timer();
    void Box_Click(int index);

    // ---- complexes, estates and victory ----
    void CheckNewComplexes();
    void BreakComplex(int k, int p);
    void CalculateEstate(int p);
    void RecordEstateHistory();
    void CheckWin(int p);
    void PlayerWins(int p);
    void ReleaseCompanies(int p);
    void RemovePiece(int p);
    void RemovePlayerData(int p);
    void CheckGameEnd();
    // Closes what a leaving player had open (offers, modes, countdown).
    void CloseOffersOf(int p);

    // ---- debts and losing ----
    // What the debtor in the waiting window owes: the loan repayment, tax or
    // fee it waits for (0 when nothing is pending).
    Money DebtDue() const;
    void Lose(int player);
    void UnloadForms(int formerLastSlot);

    // ---- personal-window rules ----
    int FindCompanyNumber(int player, int row);
    void CalculateInsuranceCost();
    void InsureCompanies();

    // ---- loans ----
    void FindBorrower();
    void RepayDueLoans();
    void RemoveLoan(int slot);
    void SettleLoansOfLoser(int p);
    void SettleLoansOfWinner(int p);
    // The slot the open loan window has taken; not a loan yet (see LoanDraft).
    LoanDraft Draft;

    // ---- lifecycle: menus, start and close, saving and loading ----
    void mnuGameNew_Click();
    void mnuGameClose_Click();
    void mnuGameExit_Click();
    void mnuGameSave_Click();
    void mnuGameSaveAs_Click();
    void mnuGameLoad_Click();
    // Game > Load; a file already chosen (a saved game opened from the desktop)
    // skips the Open dialog and goes through the same prompt, close and checks.
    void LoadGame(const std::optional<std::string>& path);
    void StartGame();
    void CloseGame();
    void ResetGameData();
    void SetDefaultFileName();
    // Returns true when the file was written.
    bool SaveGame();
    bool SaveGameData();
    bool LoadGameData(const std::string& path);
    // The last save tried to write the file and could not. A "Want to save?"
    // prompt then keeps the game instead of throwing it away unsaved.
    bool SaveFailed = false;

    // ---- graph, help, about ----
    void cmdShowGraph_Click();
    void mnuHelpHelp_Click();
    void mnuHelpAbout_Click();

    // ---- sounds and music ----
    void PlaySoundFile(const std::string& file);
    void PlayDiceSound();
    void PlayDiceNumberSound(int n);
    void PlayMoveSound();
    void PlayMoneySound();
    void PlayComputerSound();
    void PlayStormSound();
    void PlayEarthquakeSound();
    void PlayFireSound();
    void PlayPositiveSound();
    void PlayNegativeSound();
    void PlayWaitSound();
    void PlayWinSound();
    void PlayLoseSound();
    void StopSounds();
    void PlayNextMusic();
    void StopMusic();
    void PlayFinishMusic();
    void mmcSounds_Done();
    void mmcBackgroundMusic_Done();

    // ---- helpers ----
    MsgAnswer MsgBox(const std::string& text, const std::string& title, MsgIcon icon,
                     MsgButtons buttons = MsgButtons::Ok, MsgAnswer defaultAnswer = MsgAnswer::Ok);
    // A message box that speaks to one player, whose answer it is
    // (Message::player); MsgBox speaks to everybody at the screen.
    MsgAnswer MsgBoxFor(int player, const std::string& text, const std::string& title, MsgIcon icon,
                        MsgButtons buttons = MsgButtons::Ok, MsgAnswer defaultAnswer = MsgAnswer::Ok);
    const std::string& Name(int p) const;
    // Player identities (GameState::PlayerId): the id of slot p (0 for no
    // player), and the slot of a player now (0 once he has left).
    int IdOf(int p) const {
        if (p < 1 || p > S.NumOfPlayers || p > MaxPlayers) return 0;
        return S.PlayerId[static_cast<std::size_t>(p)];
    }
    int SlotOf(int id) const;
    // Whether slot p is a player in the game whose seat a person plays.
    bool IsPerson(int p) const { return IdOf(p) != 0 && S.PlayerType[At(p)] == Human; }
    // By PlayerId: the player has rolled in this game. A loaded game counts
    // all its players as having rolled. The computers offer a person
    // nothing before his first roll: he has not even started playing.
    PerPlayer<bool> HasRolled{};
    // Gives every seated player his identity for the game that starts.
    void NumberPlayers();

private:
    std::array<std::unique_ptr<PlayerForm>, MaxPlayers + 1> playerForms_;
    std::array<bool, TimerCount> timers_{};
};

}  // namespace zx
