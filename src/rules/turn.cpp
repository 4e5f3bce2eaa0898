// Dice and turn order, the walk of a piece, the clocks and animations.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>

#include "rules/game.h"
#include "rules/text.h"

namespace zx {
namespace {

constexpr int StepTwips = 108;        // ten steps make one cell pitch
constexpr int TicksPerCell = 10;
constexpr Money MoneyStep = 30'000;   // dollars counted per animation tick
constexpr int SavePeriodMinutes = 5;

int PlayerCount(const GameState& s) { return std::clamp(s.NumOfPlayers, 0, MaxPlayers); }
bool IsPlayer(const GameState& s, int p) { return p >= 1 && p <= PlayerCount(s); }

// The grid column or row of a piece coordinate. The coordinate is whole
// already; the division truncates like the original integer division.
int GridPlace(std::int32_t coordinate) { return (coordinate - BoardOrigin) / CellPitch; }

// The direction of the next step for the current player: from the cell he
// was last found on, or from the start box the walking piece stands on.
// Several candidates cannot normally exist (the detection rectangles do not
// overlap); if they ever did, up wins over down over right over left.
bool StepDirection(const GameState& s, Dir& out) {
    bool want[4] = {false, false, false, false};  // Up, Down, Right, Left
    auto mark = [&want](Dir d) {
        switch (d) {
            case Dir::Up: want[0] = true; break;
            case Dir::Down: want[1] = true; break;
            case Dir::Right: want[2] = true; break;
            case Dir::Left: want[3] = true; break;
        }
    };
    int cell = s.PlayerCell[At(s.CurrentPlayer)];
    if (cell >= 1 && cell <= NumCells) mark(Cell(cell).next);
    for (int b = 1; b <= 4; ++b)
        if (s.OnStart[At(b)]) mark(StartBox(b).first);
    static constexpr Dir order[4] = {Dir::Up, Dir::Down, Dir::Right, Dir::Left};
    for (int i = 0; i < 4; ++i)
        if (want[i]) {
            out = order[i];
            return true;
        }
    return false;
}

// The save the clock could not make while the piece walked.
void SaveIfDeferred(Game& g) {
    GameState& s = g.S;
    if (!s.AutoSavePending) return;
    s.AutoSavePending = false;
    if (!s.GameInProgress) return;
    // The cell reached may have opened a debt; a game is never saved while
    // one is pending, so try again a minute later as the clock would.
    if (s.WaitingMode) {
        s.AutoSaveMinutes = SavePeriodMinutes - 1;
        return;
    }
    g.SaveGame();
}

}  // namespace

// ---- dice and turn order ----

void Game::cmdRollDice_Click() {
    if (!S.GameInProgress || S.NumOfPlayers < 1) return;
    // A second press while a piece still walks would start a walk on top of
    // the running one; the disabled button normally prevents it.
    if (TimerEnabled(TimerId::MovePieces)) return;

    DisableRollDice();
    ClearPrompts();
    bool barred = IsPlayer(S, S.CurrentPlayer) && S.MissNextTurn[At(S.CurrentPlayer)];
    if (barred || !S.ExtraTurn) ChangeTurn();
    if (IsPlayer(S, S.CurrentPlayer)) HasRolled[At(IdOf(S.CurrentPlayer))] = true;
    SetPromptColor(S.CurrentPlayer);
    S.ExtraTurn = false;
    S.MoveAnywhereMode = false;
    MovingPlayerId = IdOf(S.CurrentPlayer);

    if (S.Sounds && !Instant)
        PlayDiceSound();  // the roll goes on when the sound device reports the end
    else
        ContinueRollDice();
    ui.refresh();
}

void Game::ContinueRollDice() {
    if (!S.GameInProgress) {
        MovingPlayerId = 0;
        return;
    }
    int cp = S.CurrentPlayer;
    // The player who pressed may have left while the dice sound played; the
    // numbers have shifted since, so nobody else must take his roll.
    if (!IsPlayer(S, cp) || (MovingPlayerId != 0 && MovingPlayerId != IdOf(cp))) {
        MovingPlayerId = 0;
        EnableRollDiceIfIdle();
        return;
    }
    MovingPlayerId = IdOf(cp);

    RollDice();
    if (!S.ExtraTurn) FindNextPlayer();
    DetectPosition();
    IncrementMoves();
    if (Instant) FinishWalk();
}

void Game::FinishWalk() {
    while (TimerEnabled(TimerId::MovePieces)) {
        // Within a cell every tick steps the same way (the direction only
        // changes when the cell reached is detected), so the ticks before
        // the cell's last one are made in one go.
        Dir d;
        const int cp = S.CurrentPlayer;
        const bool walkerStillHere =
            S.GameInProgress && IsPlayer(S, cp) && (MovingPlayerId == 0 || MovingPlayerId == IdOf(cp));
        if (walkerStillHere && S.MoveTick < TicksPerCell && StepDirection(S, d)) {
            const int steps = TicksPerCell - S.MoveTick;
            switch (d) {
                case Dir::Up: S.PieceTop[At(cp)] -= steps * StepTwips; break;
                case Dir::Down: S.PieceTop[At(cp)] += steps * StepTwips; break;
                case Dir::Right: S.PieceLeft[At(cp)] += steps * StepTwips; break;
                case Dir::Left: S.PieceLeft[At(cp)] -= steps * StepTwips; break;
            }
            S.MoveTick = TicksPerCell;
        }
        tmrMovePieces_Timer();
    }
}

void Game::RollDice() {
    double r = rnd.next();
    int face = 1;
    if (std::isfinite(r)) face = static_cast<int>(std::floor(std::clamp(r, 0.0, 1.0) * 6.0)) + 1;
    S.Dice = std::clamp(face, 1, 6);

    PlayDiceNumberSound(S.Dice);
    Main.picDice = S.Dice;
    if (S.Dice == 6) S.ExtraTurn = true;
    MovePieces();
}

void Game::ChangeTurn() {
    int n = PlayerCount(S);
    if (n < 1) return;
    // Terminates: every pass over a barred player clears his flag.
    for (;;) {
        int cp = S.CurrentPlayer;
        if (cp < 0) cp = 0;
        S.CurrentPlayer = cp % n + 1;
        ShowCurrentPlayer();
        bool& barred = S.MissNextTurn[At(S.CurrentPlayer)];
        if (!barred) break;
        LogMissedTurn(*this, S.CurrentPlayer);
        barred = false;
    }
}

int Game::NextRoller() const {
    const int n = PlayerCount(S);
    if (!S.GameInProgress || n < 1) return 0;
    const int cp = std::max(S.CurrentPlayer, 0);
    if (IsPlayer(S, cp) && S.ExtraTurn && !S.MissNextTurn[At(cp)]) return cp;
    // As ChangeTurn goes round: a barred player is passed over once.
    PerPlayer<bool> barred = S.MissNextTurn;
    int p = cp;
    for (int step = 0; step < 2 * n + 1; ++step) {
        p = p % n + 1;
        if (!barred[At(p)]) return p;
        barred[At(p)] = false;
    }
    return p;
}

void Game::FindNextPlayer() {
    int n = PlayerCount(S);
    if (n < 1) return;
    int cp = std::max(S.CurrentPlayer, 0);
    int next = cp % n + 1;
    if (S.MissNextTurn[At(next)]) next = next % n + 1;
    S.NextPlayer = next;
    Main.lblNextPlayer = {Name(next), PlayerColor(S, next)};
}

void Game::IncrementMoves() {
    S.Moves += 1;
    Main.lblMoves = std::to_string(S.Moves);
    if (S.Moves % 10 == 0) RecordEstateHistory();
    if (S.Moves % 50 == 0) cmdShowGraph_Click();
}

// ---- piece movement ----

void Game::MovePieces() {
    S.MoveTick = 1;
    S.CellsMoved = 1;
    MovingPlayerId = IdOf(S.CurrentPlayer);
    SetTimer(TimerId::MovePieces, true);
}

void Game::tmrMovePieces_Timer() {
    int cp = S.CurrentPlayer;
    bool walkerStillHere =
        S.GameInProgress && IsPlayer(S, cp) && (MovingPlayerId == 0 || MovingPlayerId == IdOf(cp));
    if (!walkerStillHere) {
        // The walker has left the game (or the game is over) in the middle
        // of his walk: nobody lands, the others' pieces stay where they are.
        SetTimer(TimerId::MovePieces, false);
        MovingPlayerId = 0;
        if (!S.GameInProgress) return;
        ResetOverlap();
        FixOverlap();
        EnableRollDiceIfIdle();
        SaveIfDeferred(*this);
        return;
    }

    Dir d;
    if (StepDirection(S, d)) {
        switch (d) {
            case Dir::Up: S.PieceTop[At(cp)] -= StepTwips; break;
            case Dir::Down: S.PieceTop[At(cp)] += StepTwips; break;
            case Dir::Right: S.PieceLeft[At(cp)] += StepTwips; break;
            case Dir::Left: S.PieceLeft[At(cp)] -= StepTwips; break;
        }
    }

    if (S.MoveTick < TicksPerCell) {
        S.MoveTick += 1;
        return;
    }
    PlayMoveSound();
    S.MoveTick = 1;
    DetectPosition();

    if (S.CellsMoved < S.Dice) {
        S.CellsMoved += 1;
        return;
    }

    SetTimer(TimerId::MovePieces, false);
    MovingPlayerId = 0;
    ResetOverlap();
    FixOverlap();
    EnableRollDiceIfIdle();
    LogWalk(*this);
    DoActions();
    SaveIfDeferred(*this);
}

void Game::ResetOverlap() {
    for (int p = 1; p <= PlayerCount(S); ++p) {
        S.PieceLeft[At(p)] = GridPlace(S.PieceLeft[At(p)]) * CellPitch + BoardOrigin + PieceInset;
        S.PieceTop[At(p)] = GridPlace(S.PieceTop[At(p)]) * CellPitch + BoardOrigin + PieceInset;
    }
}

void Game::FixOverlap() {
    for (int i = 1; i <= PlayerCount(S); ++i) {
        for (int j = 1; j < i; ++j) {
            int ci = GridPlace(S.PieceLeft[At(i)]), ri = GridPlace(S.PieceTop[At(i)]);
            int cj = GridPlace(S.PieceLeft[At(j)]), rj = GridPlace(S.PieceTop[At(j)]);
            if (ci != cj || ri != rj) continue;
            // Sharing pieces sit on the cell's diagonal, each by its own
            // number, so no two of them can cover each other.
            for (int p : {i, j}) {
                int col = GridPlace(S.PieceLeft[At(p)]), row = GridPlace(S.PieceTop[At(p)]);
                S.PieceLeft[At(p)] = col * CellPitch + BoardOrigin + 100 * p;
                S.PieceTop[At(p)] = row * CellPitch + BoardOrigin + 100 * p;
            }
        }
    }
}

// ---- clocks ----

void Game::tmrGameTime_Timer() {
    S.GameTime += 1;
    Main.lblGameTime = Say(ZX_TEXT("Main", "%1 Minutes"), {std::to_string(S.GameTime)});
}

void Game::tmrAutoSave_Timer() {
    if (!S.GameInProgress) return;  // a finished game waiting in its results window is not saved
    S.AutoSaveMinutes += 1;
    if (S.AutoSaveMinutes < SavePeriodMinutes) return;
    if (S.WaitingMode) {
        S.AutoSaveMinutes = SavePeriodMinutes - 1;
        return;
    }
    S.AutoSaveMinutes = 0;
    if (TimerEnabled(TimerId::MovePieces))
        S.AutoSavePending = true;
    else
        SaveGame();
}

void Game::StartReactionTimer(int seconds) {
    if (!S.LimitReactionTime) return;
    S.ReactionSeconds = seconds;
    SetTimer(TimerId::LimitReactionTime, true);
}

void Game::StopReactionTimer() {
    Main.lblReactionTime.clear();
    SetTimer(TimerId::LimitReactionTime, false);
}

void Game::tmrLimitReactionTime_Timer() {
    if (!S.GameInProgress) {
        SetTimer(TimerId::LimitReactionTime, false);
        return;
    }
    S.ReactionSeconds = std::max(S.ReactionSeconds - 1, 0);
    Main.lblReactionTime = Say(ZX_TEXT("Main", "%1 seconds"), {std::to_string(S.ReactionSeconds)});
    if (S.ReactionSeconds != 0) return;

    // Time is up: the player is taken to have refused whatever was offered.
    if (S.BuyMode) BuyForm.cmdCancel_Click();
    int cp = S.CurrentPlayer;
    if (S.DepositMode && IsPlayer(S, cp)) {
        PlayerForm& w = PlayerWindow(cp);
        w.SetBankNum("");
        w.cmdDeposit_Click();
    }
    if (S.InsuranceMode && IsPlayer(S, cp)) {
        PlayerForm& w = PlayerWindow(cp);
        for (std::size_t i = 1; i < w.chkInsurance.size(); ++i)
            if (w.chkInsuranceEnabled[i]) w.chkInsurance[i] = CheckState::Unchecked;
        w.cmdOK_Click();
    }
    SetTimer(TimerId::LimitReactionTime, false);
}

// ---- money animation ----

void Game::StartMoneyAnimation() {
    if (Instant) {
        // Counted at once: nobody watches.
        for (int p = 1; p <= PlayerCount(S); ++p) {
            S.DisplayedCash[At(p)] = S.Cash[At(p)];
            S.MoneyChange[At(p)].clear();
        }
        return;
    }
    bool any = false;
    for (int p = 1; p <= PlayerCount(S); ++p) {
        Money cash = S.Cash[At(p)];
        Money shown = S.DisplayedCash[At(p)];
        std::string& change = S.MoneyChange[At(p)];
        PlayerForm& w = PlayerWindow(p);
        if (cash == shown) {
            change.clear();
            w.lblCashColor = Black;
            continue;
        }
        change = cash > shown ? "increase" : "decrease";
        w.lblCashColor = PlayerColor(S, p);
        any = true;
    }
    if (!any) return;
    S.ChangingPlayer = 1;
    S.MoneyChanging = true;
    DisableRollDice();
    PlayMoneySound();
    SetTimer(TimerId::ChangeMoney, true);
}

void Game::tmrChangeMoney_Timer() {
    auto finish = [this] {
        S.MoneyChanging = false;
        SetTimer(TimerId::ChangeMoney, false);
        EnableRollDiceIfIdle();
        StopSounds();
    };

    if (!S.GameInProgress) {
        SetTimer(TimerId::ChangeMoney, false);
        S.MoneyChanging = false;
        for (int p = 1; p <= MaxPlayers; ++p) S.DisplayedCash[At(p)] = S.Cash[At(p)];
        return;
    }
    int p = S.ChangingPlayer;
    if (!IsPlayer(S, p)) {
        // Players left while their money was being counted.
        finish();
        return;
    }

    Money cash = S.Cash[At(p)];
    std::string& change = S.MoneyChange[At(p)];
    // Cash that moved after the counting started without a refresh would
    // otherwise hold the counting on this player for ever.
    if (change.empty() && S.DisplayedCash[At(p)] != cash)
        change = cash > S.DisplayedCash[At(p)] ? "increase" : "decrease";

    PlayerForm& w = PlayerWindow(p);
    std::int64_t shown = S.DisplayedCash[At(p)];
    if (change == "decrease") {
        shown -= MoneyStep;
        if (shown < cash) shown = cash;
        S.DisplayedCash[At(p)] = static_cast<Money>(shown);
        w.lblCash = FormatMoney(S.DisplayedCash[At(p)]);
    } else if (change == "increase") {
        shown += MoneyStep;
        if (shown > cash) shown = cash;
        S.DisplayedCash[At(p)] = static_cast<Money>(shown);
        w.lblCash = FormatMoney(S.DisplayedCash[At(p)]);
    }

    if (S.DisplayedCash[At(p)] != cash) return;
    w.lblCashColor = Black;
    S.ChangingPlayer += 1;
    if (S.ChangingPlayer > PlayerCount(S)) finish();
}

int Game::TicksToNextStop(TimerId t) const {
    if (!S.GameInProgress) return 1;
    if (t == TimerId::MovePieces) {
        const int cp = S.CurrentPlayer;
        if (!IsPlayer(S, cp) || (MovingPlayerId != 0 && MovingPlayerId != IdOf(cp))) return 1;
        return std::max(1, TicksPerCell - S.MoveTick + 1);
    }
    if (t != TimerId::ChangeMoney) return 1;
    const int p = S.ChangingPlayer;
    if (!IsPlayer(S, p)) return 1;
    const std::int64_t diff = std::int64_t{S.Cash[At(p)]} - std::int64_t{S.DisplayedCash[At(p)]};
    if (diff == 0) return 1;
    std::string change = S.MoneyChange[At(p)];
    if (change.empty()) change = diff > 0 ? "increase" : "decrease";
    // The count reaches the cash on the tick that makes up the last part of the difference.
    if (change == "increase" && diff > 0) return static_cast<int>((diff + MoneyStep - 1) / MoneyStep);
    if (change == "decrease" && diff < 0) return static_cast<int>((-diff + MoneyStep - 1) / MoneyStep);
    return 1;
}

void Game::tmrMusicDelay_Timer() {
    SetTimer(TimerId::MusicDelay, false);
    // The option is switched off when the game closes or its results open;
    // a pause that was already running must not start another piece then.
    if (S.BackgroundMusic) PlayNextMusic();
}

}  // namespace zx
