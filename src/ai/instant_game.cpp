#include "ai/instant_game.h"

namespace zx::ai {

MsgAnswer QuietUi::message(const Message& m) {
    if (forcedLoanAnswer && m.title == "Loan confirmation" && m.player == forcedPlayer) {
        const bool yes = *forcedLoanAnswer;
        forcedLoanAnswer.reset();
        return yes ? MsgAnswer::Yes : MsgAnswer::No;
    }
    if (pilot) {
        if (auto a = pilot->Answer(m)) return *a;
    }
    return m.defaultAnswer;
}

InstantGame::InstantGame(std::uint64_t seed, bool instant)
    : chance_(seed), game_(ui_, chance_), pilot_(game_, seed ^ 0x5DEECE66Dull) {
    ui_.pilot = &pilot_;
    game_.Instant = instant;
    game_.Form_Load();
}

void InstantGame::StartNew(const std::vector<int>& types, int companySet) {
    pilot_.Forget();
    if (game_.Results.Loaded) game_.Results.cmdOK_Click();
    game_.CloseGame();
    NewGameForm& f = game_.NewGame;
    f.Form_Load();
    const int n = static_cast<int>(types.size());
    f.optNumOfPlayers_Click(n);
    for (int i = 1; i <= n; ++i) f.cmbPlayerType_Click(i, types[static_cast<std::size_t>(i - 1)]);
    f.optCompanySet_Click(companySet);
    f.chkSounds_Click(false);
    f.chkBackgroundMusic_Click(false);
    f.chkAutoSave_Click(false);
    f.chkLimitReactionTime_Click(false);
    f.cmdStart_Click();
}

void InstantGame::CopyFrom(const Game& from, int viewer) {
    game_.CopyFrom(from);
    pilot_.Forget();
    GameState& s = game_.S;
    // Nothing of the look-ahead may reach a file, a speaker or a clock.
    s.AutoSave = false;
    s.AutoSavePending = false;
    s.HasFileName = false;
    s.Sounds = false;
    s.BackgroundMusic = false;
    s.LimitReactionTime = false;
    s.CurrentSound.clear();
    // Animations under way end at once.
    game_.FinishWalk();
    for (int p = 1; p <= MaxPlayers; ++p) s.DisplayedCash[static_cast<std::size_t>(p)] = s.Cash[static_cast<std::size_t>(p)];
    if (s.MoneyChanging) {
        s.MoneyChanging = false;
        game_.SetTimer(TimerId::ChangeMoney, false);
        game_.EnableRollDiceIfIdle();
    }
    // The bids other players typed are masked on the screen.
    SellCompaniesForm& f = game_.SellForm;
    const int me = game_.IdOf(viewer);
    for (std::size_t row = 1; row < f.txtBid.size(); ++row)
        if (f.txtBidMasked[row] && f.optPlayerId[row] != me) f.txtBid[row].clear();
}

InstantGame::End InstantGame::PlayOut(int moveCap) {
    Game& g = game_;
    // Far more steps than any game needs: a guard against a hand that
    // finds something to do for ever.
    const long stepCap = 20L * (moveCap + 50) + 2000;
    for (long step = 0; step < stepCap;) {
        if (g.Results.Loaded) return End::Results;
        if (!g.S.GameInProgress) return End::Stuck;
        // What the windows' timers and the sound device would deliver; the
        // animations always come to their end, so they are not counted.
        if (g.S.CurrentSound == "Dice") {
            g.mmcSounds_Done();
            continue;
        }
        if (g.TimerEnabled(TimerId::MovePieces)) {
            g.tmrMovePieces_Timer();
            continue;
        }
        if (g.TimerEnabled(TimerId::ChangeMoney)) {
            g.tmrChangeMoney_Timer();
            continue;
        }
        ++step;
        if (g.TimerEnabled(TimerId::DestroyDelay)) {
            g.tmrDestroyDelay_Timer();
            continue;
        }
        if (g.S.Moves >= moveCap && g.Main.cmdRollDiceEnabled) return End::MoveCap;
        if (!pilot_.Step()) return End::Stuck;
    }
    return End::Stuck;
}

int InstantGame::PlaceOf(const std::string& name) const {
    for (int place = 1; place <= MaxPlayers; ++place)
        if (game_.S.Finisher[static_cast<std::size_t>(place)] == name) return place;
    return 0;
}

}  // namespace zx::ai
